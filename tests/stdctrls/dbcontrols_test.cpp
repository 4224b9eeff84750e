// The data-aware controls on a real client dataset.
#include <cairo.h>

#include "formfixture.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/stdctrls/dbcheckbox.h"
#include "framework/ui/stdctrls/dbedit.h"
#include "framework/ui/stdctrls/dbimage.h"
#include "framework/ui/stdctrls/dbmemo.h"
#include "framework/ui/stdctrls/dbnavigator.h"
#include "framework/ui/stdctrls/dbradiogroup.h"
#include "framework/ui/speedbutton.h"
#include "framework/ui/stdctrls/dbtext.h"
#include "framework/ui/stdctrls/edit.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

// A real PNG, written by Cairo through libpng.
std::string MakePng(int w, int h) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 0.9, 0.1, 0.1);
    cairo_paint(cr);
    cairo_destroy(cr);
    std::string bytes;
    cairo_surface_write_to_png_stream(
        s,
        [](void* out, const unsigned char* data, unsigned int len) {
            static_cast<std::string*>(out)->append(reinterpret_cast<const char*>(data), len);
            return CAIRO_STATUS_SUCCESS;
        },
        &bytes);
    cairo_surface_destroy(s);
    return bytes;
}

class DBControls : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        data = new TClientDataSet(form);
        data->FieldDefs().Add("CODIGO", ftInteger);
        data->FieldDefs().Add("DES", ftString, 20);
        data->FieldDefs().Add("OBSERVACIONES", ftMemo);
        data->FieldDefs().Add("FOTO", ftGraphic);
        data->CreateDataSet();
        struct Row {
            int cod;
            const char* des;
            const char* obs;
        } rows[] = {{1, "Arroz", "Bolsa de 500 g"}, {2, "Café", "Tostado\r\nmolido"}, {3, "Ñame", ""}};
        for (const Row& r : rows) {
            data->Append();
            data->FieldByName("CODIGO")->SetAsInteger(r.cod);
            data->FieldByName("DES")->SetAsString(r.des);
            data->FieldByName("OBSERVACIONES")->SetAsString(r.obs);
            if (r.cod == 1) data->FieldByName("FOTO")->SetAsString(MakePng(40, 20));
            if (r.cod == 2) data->FieldByName("FOTO")->SetAsString(std::string("\x89PNG basura\0\1", 14));
            data->Post();
        }
        data->First();
        source = new TDataSource(form);
        source->SetDataSet(data);
        other = new TEdit(form);
        other->SetParent(form);
        other->SetBounds(300, 10, 100, 24);
    }
    template <class T>
    T* Bound(const char* field, int top) {
        auto* c = new T(form);
        c->SetParent(form);
        c->SetBounds(10, top, 200, 24);
        c->SetDataSource(source);
        c->SetDataField(field);
        return c;
    }
    TClientDataSet* data = nullptr;
    TDataSource* source = nullptr;
    TEdit* other = nullptr;
};

TEST_F(DBControls, TextAndEditFollowTheDatasetAsItScrolls) {
    auto* label = Bound<TDBText>("DES", 10);
    auto* edit = Bound<TDBEdit>("DES", 40);
    auto* memo = Bound<TDBMemo>("OBSERVACIONES", 70);
    EXPECT_EQ(label->Caption(), "Arroz");
    EXPECT_EQ(edit->Text(), "Arroz");
    EXPECT_EQ(edit->MaxLength(), 20); // the string field's size
    data->Next();
    EXPECT_EQ(label->Caption(), "Café");
    EXPECT_EQ(edit->Text(), "Café");
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->Lines()->Strings(1), "molido");
    data->Close();
    EXPECT_EQ(label->Caption(), "");
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(DBControls, TypingEditsTheRecordAndLeavingWritesItBack) {
    auto* edit = Bound<TDBEdit>("DES", 40);
    Focus(edit);
    EXPECT_EQ(data->State(), dsBrowse);
    PressKey(VK_END);
    TypeText(" integral");
    EXPECT_EQ(data->State(), dsEdit);
    EXPECT_EQ(data->FieldByName("DES")->AsString(), "Arroz"); // not yet
    Focus(other);
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(data->FieldByName("DES")->AsString(), "Arroz integral");
    data->Post();
    // Esc while editing gives the field's value back.
    Focus(edit);
    TypeText("xyz");
    PressKey(VK_ESCAPE);
    EXPECT_EQ(edit->Text(), "Arroz integral");
}

TEST_F(DBControls, ReadOnlyFieldsAndControlsRefuseEdits) {
    data->FieldByName("DES")->SetReadOnly(true);
    auto* edit = Bound<TDBEdit>("DES", 40);
    Focus(edit);
    TypeText("x");
    PressKey(VK_BACK);
    PressKey(VK_DELETE);
    PutClipboard("pegado");
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->Text(), "Arroz");
    EXPECT_EQ(data->State(), dsBrowse);
    data->FieldByName("DES")->SetReadOnly(false);
    auto* code = Bound<TDBEdit>("CODIGO", 70);
    code->SetReadOnly(true);
    Focus(code);
    TypeText("9");
    EXPECT_EQ(code->Text(), "1");
    EXPECT_EQ(data->State(), dsBrowse);
}

TEST_F(DBControls, TextTheFieldCannotTakeIsAClearErrorAndTheFocusStays) {
    auto* code = Bound<TDBEdit>("CODIGO", 70);
    Focus(code);
    code->SelectAll();
    TypeText("12abc-3"); // letters are refused as typed; the rest is no integer
    EXPECT_EQ(code->Text(), "12-3");
    Focus(other);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("12-3"), std::string::npos) << messages[0];
    EXPECT_TRUE(code->Focused());
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 1);
    // Corrected, it goes through.
    code->SelectAll();
    TypeText("42");
    messages.clear();
    Focus(other);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 42);
}

TEST_F(DBControls, MemoWritesBackOnExit) {
    auto* memo = Bound<TDBMemo>("OBSERVACIONES", 70);
    memo->SetHeight(80);
    Focus(memo);
    PressKey(VK_END, false, true);
    PressKey(VK_RETURN);
    TypeText("segunda línea");
    Focus(other);
    EXPECT_EQ(data->FieldByName("OBSERVACIONES")->AsString(), "Bolsa de 500 g\r\nsegunda línea");
}

TEST_F(DBControls, ImageShowsTheBlobPictureAndIgnoresJunk) {
    auto* img = Bound<TDBImage>("FOTO", 100);
    img->SetStretch(true);
    ASSERT_FALSE(img->Picture()->Empty());
    EXPECT_EQ(img->Picture()->Width(), 40);
    EXPECT_EQ(img->Picture()->Height(), 20);
    img->Repaint();
    data->Next(); // bytes that are no picture
    EXPECT_TRUE(img->Picture()->Empty());
    EXPECT_NO_THROW(img->Repaint());
    data->Next(); // no picture at all
    EXPECT_TRUE(img->Picture()->Empty());
    data->First();
    EXPECT_FALSE(img->Picture()->Empty());
}

} // namespace
} // namespace tvtest


namespace tvtest {
namespace {

TEST_F(DBControls, CheckBoxMapsSAndNAndRespectsReadOnly) {
    auto* flags = new TClientDataSet(form);
    flags->FieldDefs().Add("ACTIVO", ftString, 1);
    flags->CreateDataSet();
    for (const char* v : {"S", "N", "x"}) {
        flags->Append();
        flags->FieldByName("ACTIVO")->SetAsString(v);
        flags->Post();
    }
    flags->First();
    auto* src = new TDataSource(form);
    src->SetDataSet(flags);
    auto* check = new TDBCheckBox(form);
    check->SetParent(form);
    check->SetBounds(10, 200, 150, 20);
    check->SetValueChecked("S;Si");
    check->SetValueUnchecked("N;No");
    check->SetDataSource(src);
    check->SetDataField("ACTIVO");
    int clicks = 0;
    check->OnClick = [&](TObject*) { ++clicks; };
    EXPECT_TRUE(check->Checked());
    flags->Next();
    EXPECT_FALSE(check->Checked());
    EXPECT_EQ(clicks, 0); // following the dataset is no click
    Focus(check);
    PressKey(VK_SPACE);
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(flags->State(), dsEdit);
    Focus(other);
    EXPECT_EQ(flags->FieldByName("ACTIVO")->AsString(), "S");
    flags->Post();
    // A value that is neither shows unchecked (no grayed state allowed).
    flags->Next();
    EXPECT_FALSE(check->Checked());
    flags->FieldByName("ACTIVO")->SetReadOnly(true);
    Focus(check);
    PressKey(VK_SPACE);
    EXPECT_FALSE(check->Checked());
    EXPECT_EQ(flags->State(), dsBrowse);
}

TEST_F(DBControls, NavigatorButtonsFollowTheDatasetAndDeleteAsksFirst) {
    auto* nav = new TDBNavigator(form);
    nav->SetParent(form);
    nav->SetBounds(10, 300, 300, 25);
    nav->SetDataSource(source);
    auto* label = Bound<TDBText>("DES", 10);
    EXPECT_FALSE(nav->Button(nbFirst)->Enabled());
    EXPECT_TRUE(nav->Button(nbNext)->Enabled());
    EXPECT_FALSE(nav->Button(nbPost)->Enabled());
    nav->BtnClick(nbLast);
    EXPECT_EQ(label->Caption(), "Ñame");
    EXPECT_FALSE(nav->Button(nbNext)->Enabled());
    nav->BtnClick(nbEdit);
    EXPECT_TRUE(nav->Button(nbPost)->Enabled());
    EXPECT_FALSE(nav->Button(nbDelete)->Enabled());
    nav->BtnClick(nbCancel);
    nav->BtnClick(nbDelete);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "¿Borrar el registro?");
    EXPECT_EQ(data->RecordCount(), 2);
    nav->SetVisibleButtons({nbFirst, nbPrior, nbNext, nbLast});
    EXPECT_FALSE(nav->Button(nbDelete)->Visible());
    EXPECT_EQ(nav->Button(nbLast)->Width(), 75);
}

TEST_F(DBControls, RadioGroupMapsValuesAndWritesThePickedOne) {
    auto* group = new TDBRadioGroup(form);
    group->SetParent(form);
    group->SetBounds(10, 200, 200, 100);
    for (const char* s : {"Uno", "Dos", "Tres"}) group->Items()->Add(s);
    for (const char* v : {"1", "2", "3"}) group->Values()->Add(v);
    group->SetDataSource(source);
    group->SetDataField("CODIGO");
    EXPECT_EQ(group->ItemIndex(), 0);
    data->Next();
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_TRUE(group->Button(1)->Checked());
    win::POINT p = ClientPointToScreen(group->Button(2)->Handle(), 5, 5);
    Click(p.x, p.y);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(data->State(), dsEdit);
    Focus(other);
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 3);
    data->Cancel();
    // A read-only field keeps its choice.
    data->FieldByName("CODIGO")->SetReadOnly(true);
    p = ClientPointToScreen(group->Button(0)->Handle(), 5, 5);
    Click(p.x, p.y);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_TRUE(group->Button(1)->Checked());
    EXPECT_EQ(data->State(), dsBrowse);
}

} // namespace
} // namespace tvtest
