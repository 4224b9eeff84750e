// A form with each of the standard controls, painted and saved as a PNG.
// With TALLYVO_STDCTRLS_SHOT set to a file name the form is shown through the
// desktop backend (run it under xvfb-run) and the screen is saved there.
#include <cstdlib>
#include <filesystem>

#include "formfixture.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/stdctrls/combobox.h"
#include "framework/ui/stdctrls/dbedit.h"
#include "framework/ui/stdctrls/dbmemo.h"
#include "framework/ui/stdctrls/dbtext.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/listbox.h"
#include "framework/ui/stdctrls/maskedit.h"
#include "framework/ui/stdctrls/memo.h"
#include "platform/backend/sdlbackend.h"
#include "platform/controls/monthcal.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/paint.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

TEST(SampleForm, EveryControlPaintsAndTheFormIsSaved) {
    const char* shot = std::getenv("TALLYVO_STDCTRLS_SHOT");
    ResetDesktop();
    if (shot) {
        SdlOptions o;
        o.title = "Tallyvo POS - controles";
        o.width = 800;
        o.height = 600;
        SetBackend(std::make_unique<SdlBackend>(o));
        SetScreenSize(800, 600);
    }
    RegisterStandardClasses();
    InitializeUI();
    auto* form = new TForm(nullptr);
    form->SetCaption("Consulta de precios");
    form->SetBounds(10, 10, 760, 540);
    auto label = [&](const char* text, int x, int y) {
        auto* l = new TLabel(form);
        l->SetParent(form);
        l->SetCaption(text);
        l->SetLeft(x);
        l->SetTop(y);
    };
    label("Usuario:", 10, 14);
    auto* user = new TEdit(form);
    user->SetParent(form);
    user->SetBounds(100, 10, 160, 24);
    user->SetText("ADMIN");
    label("Clave :", 10, 44);
    auto* pass = new TEdit(form);
    pass->SetParent(form);
    pass->SetBounds(100, 40, 160, 24);
    pass->SetPasswordChar(U'*');
    pass->SetText("secreta");
    label("Fecha:", 10, 74);
    auto* date = new TMaskEdit(form);
    date->SetParent(form);
    date->SetBounds(100, 70, 160, 24);
    date->SetEditMask("!9999/99/99;1;_");
    date->SetText("2009/04/23");
    label("Servidor : ", 10, 104);
    auto* combo = new TComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(100, 100, 160, 24);
    combo->SetStyle(csDropDownList);
    combo->Items()->Add("localhost:/srv/tallyvo");
    combo->Items()->Add("/srv/tallyvo");
    combo->SetItemIndex(0);
    auto* list = new TListBox(form);
    list->SetParent(form);
    list->SetBounds(10, 140, 250, 120);
    for (const char* s : {"Arroz", "Café", "Ñame", "Panela", "Sal"}) list->Items()->Add(s);
    list->SetItemIndex(1);
    auto* memo = new TMemo(form);
    memo->SetParent(form);
    memo->SetBounds(10, 270, 250, 100);
    memo->Lines()->Add("Observaciones del artículo, con líneas largas que se parten al llegar al borde.");

    auto* data = new TClientDataSet(form);
    data->FieldDefs().Add("DES", ftString, 60);
    data->FieldDefs().Add("TOTAL", ftFloat);
    data->FieldDefs().Add("OBSERVACIONES", ftMemo);
    data->CreateDataSet();
    data->Append();
    data->FieldByName("DES")->SetAsString("Café tostado 500 g");
    data->FieldByName("TOTAL")->SetAsFloat(12500);
    data->FieldByName("OBSERVACIONES")->SetAsString("Origen: Huila");
    data->Post();
    auto* source = new TDataSource(form);
    source->SetDataSet(data);
    auto* des = new TDBText(form);
    des->SetParent(form);
    des->SetBounds(290, 14, 300, 20);
    des->SetDataSource(source);
    des->SetDataField("DES");
    auto* total = new TDBEdit(form);
    total->SetParent(form);
    total->SetBounds(290, 40, 160, 24);
    total->SetDataSource(source);
    total->SetDataField("TOTAL");
    auto* notes = new TDBMemo(form);
    notes->SetParent(form);
    notes->SetBounds(290, 70, 200, 60);
    notes->SetDataSource(source);
    notes->SetDataField("OBSERVACIONES");

    form->Show();
    HWND cal = CreateWindowEx(0, MONTHCAL_CLASS, "", WS_CHILD | WS_VISIBLE, 290, 140, 10, 10, form->Handle(), nullptr);
    RECT cr;
    SendMessage(cal, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&cr));
    MoveWindow(cal, 290, 140, cr.Width(), cr.Height(), TRUE);
    user->SetFocus();
    ProcessPendingMessages();
    UpdateAllWindows();
    CurrentBackend().Present();

    std::string out = shot ? std::string(shot)
                           : (std::filesystem::temp_directory_path() / "tallyvo-stdctrls-form.png").string();
    bool saved = shot ? SaveDesktopPng(out) : SaveWindowPng(form->Handle(), out);
    EXPECT_TRUE(saved);
    EXPECT_GT(std::filesystem::file_size(out), 2000u); // a real picture, not an empty one
    EXPECT_EQ(total->Text(), "12500");
    delete form;
    FinalizeUI();
    ResetDesktop();
    if (shot) SetBackend(nullptr);
}

} // namespace
} // namespace tvtest
