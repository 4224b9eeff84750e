// Shows the data-aware editors on one form over a client dataset of articles
// on the desktop backend: an edit, a date-time edit, a combo box with keys, a
// free-text combo box and check boxes. It prints where each control sits on
// the screen, so that a script can drive it, and saves the screen as a PNG
// when it ends.
//   editors_sample [--out file.png] [--seconds N] [--drop]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "editors/dbcheckbox.h"
#include "editors/dbcombobox.h"
#include "editors/dbdatetimeedit.h"
#include "editors/dbedit.h"
#include "core/datetime.h"
#include "core/exceptions.h"
#include "core/formatsettings.h"
#include "core/stringlist.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/application.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/forms.h"
#include "platform/backend/sdlbackend.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/desktop.h"
#include "platform/window/paint.h"

using namespace tv;

namespace {

void Label(TForm* form, const char* text, int top) {
    auto* l = new TLabel(form);
    l->SetParent(form);
    l->SetCaption(text);
    l->SetBounds(16, top + 4, 120, 18);
}

void Where(const char* name, TControl* c) {
    win::POINT p = c->ClientToScreen({c->Width() / 2, c->Height() / 2});
    std::printf("%s %d %d\n", name, int(p.x), int(p.y));
}

} // namespace

int main(int argc, char** argv) {
    std::string out = "editors-sample.png";
    double seconds = 2;
    bool drop = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--out" && i + 1 < argc) out = argv[++i];
        else if (a == "--seconds" && i + 1 < argc) seconds = std::atof(argv[++i]);
        else if (a == "--drop") drop = true;
    }
    try {
        win::SdlOptions o;
        o.title = "Tallyvo POS - editores";
        o.width = 640;
        o.height = 480;
        win::SetBackend(std::make_unique<win::SdlBackend>(o));
        win::SetScreenSize(640, 480);
        win::RegisterStandardClasses();
        InitializeUI();
        FormatSettings.ShortDateFormat = "yyyy/mm/dd";
        Application->SetTitle("POS - Tallyvo 2009");
        auto* form = new TForm(nullptr);
        form->SetCaption("Artículo");
        form->SetBounds(20, 20, 520, 360);

        auto* data = new TClientDataSet(form);
        data->FieldDefs().Add("NOMBRE", ftString, 30);
        data->FieldDefs().Add("VENCE", ftDateTime);
        data->FieldDefs().Add("IVA", ftInteger);
        data->FieldDefs().Add("UNIDAD", ftString, 12);
        data->FieldDefs().Add("ACTIVO", ftBoolean);
        data->FieldDefs().Add("PESADO", ftString, 1);
        data->CreateDataSet();
        data->Append();
        data->FieldByName("NOMBRE")->SetAsString("Café Sello Rojo 500 g");
        data->FieldByName("VENCE")->SetAsDateTime(EncodeDate(2026, 11, 30));
        data->FieldByName("IVA")->SetAsInteger(5);
        data->FieldByName("UNIDAD")->SetAsString("Paquete");
        data->FieldByName("ACTIVO")->SetAsBoolean(true);
        data->FieldByName("PESADO")->SetAsString("N");
        data->Post();
        auto* source = new TDataSource(form);
        source->SetDataSet(data);

        Label(form, "Nombre", 20);
        auto* name = new TDBEditEh(form);
        name->SetParent(form);
        name->SetBounds(140, 20, 300, 24);
        name->SetDataSource(source);
        name->SetDataField("NOMBRE");

        Label(form, "Vence", 60);
        auto* date = new TDBDateTimeEditEh(form);
        date->SetParent(form);
        date->SetBounds(140, 60, 160, 24);
        date->SetDataSource(source);
        date->SetDataField("VENCE");

        Label(form, "IVA", 100);
        auto* iva = new TDBComboBoxEh(form);
        iva->SetParent(form);
        iva->SetBounds(140, 100, 160, 24);
        for (const char* s : {"Excluido", "5 %", "19 %"}) iva->Items()->Add(s);
        for (const char* s : {"0", "5", "19"}) iva->KeyItems()->Add(s);
        iva->SetDataSource(source);
        iva->SetDataField("IVA");

        Label(form, "Unidad", 140);
        auto* unit = new TDBComboBoxEh(form);
        unit->SetParent(form);
        unit->SetBounds(140, 140, 160, 24);
        unit->SetFlat(true);
        for (const char* s : {"Unidad", "Paquete", "Caja", "Kilo", "Libra", "Litro"}) unit->Items()->Add(s);
        unit->SetDataSource(source);
        unit->SetDataField("UNIDAD");

        auto* active = new TDBCheckBoxEh(form);
        active->SetParent(form);
        active->SetBounds(140, 184, 160, 20);
        active->SetCaption("&Activo");
        active->SetDataSource(source);
        active->SetDataField("ACTIVO");

        auto* weighed = new TDBCheckBoxEh(form);
        weighed->SetParent(form);
        weighed->SetBounds(140, 212, 160, 20);
        weighed->SetCaption("Se vende por &peso");
        weighed->SetFlat(true);
        weighed->SetValueChecked("S");
        weighed->SetValueUnchecked("N");
        weighed->SetDataSource(source);
        weighed->SetDataField("PESADO");

        form->Show();
        form->SetActiveControl(name);
        Application->ProcessMessages();
        Where("nombre", name);
        Where("vence", date);
        Where("iva", iva);
        Where("unidad", unit);
        Where("activo", active);
        Where("pesado", weighed);
        std::fflush(stdout);
        if (drop) {
            iva->SetFocus();
            iva->OpenDropDown();
        }
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(long(seconds * 1000));
        do {
            Application->ProcessMessages();
            win::UpdateAllWindows();
            win::CurrentBackend().Present();
            win::CurrentBackend().WaitForInput(30); // the user's input, if any
        } while (std::chrono::steady_clock::now() < end && !Application->Terminated());
        bool saved = win::SaveDesktopPng(out);
        std::printf("IVA=%s VENCE=%s UNIDAD=%s ACTIVO=%s PESADO=%s\n", data->FieldByName("IVA")->AsString().c_str(),
                    data->FieldByName("VENCE")->AsString().c_str(), data->FieldByName("UNIDAD")->AsString().c_str(),
                    data->FieldByName("ACTIVO")->AsString().c_str(), data->FieldByName("PESADO")->AsString().c_str());
        delete form;
        FinalizeUI();
        if (!saved) {
            std::fprintf(stderr, "No se pudo escribir %s\n", out.c_str());
            return 1;
        }
        std::printf("Captura: %s\n", out.c_str());
    } catch (Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
