// What every editor with a drop-down does while it is open: leaving the
// editor closes it without taking the choice moved inside it, and Enter and
// Esc close it before a form with key preview sees them.
#include <vector>

#include "editorfixture.h"
#include "editors/dbcombobox.h"
#include "editors/dbdatetimeedit.h"
#include "editors/dblookupcombobox.h"
#include "editors/variantutils.h"
#include "core/datetime.h"
#include "core/stringlist.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/stdctrls/edit.h"
#include "platform/window/window.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class DropDownFocus : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        lists = new TClientDataSet(form);
        lists->FieldDefs().Add("LIPR_COD", ftInteger);
        lists->FieldDefs().Add("LIPR_NOM", ftString, 30);
        lists->CreateDataSet();
        for (int code : {1, 2, 3}) {
            lists->Append();
            lists->FieldByName("LIPR_COD")->SetAsInteger(code);
            lists->FieldByName("LIPR_NOM")->SetAsString("Lista " + std::to_string(code));
            lists->Post();
        }
        lists->First();
        listSource = new TDataSource(form);
        listSource->SetDataSet(lists);

        data = new TClientDataSet(form);
        data->FieldDefs().Add("TIPO", ftInteger);
        data->FieldDefs().Add("FECHA", ftDateTime);
        data->FieldDefs().Add("LISTA", ftInteger);
        data->CreateDataSet();
        data->Append();
        data->FieldByName("TIPO")->SetAsInteger(1);
        data->FieldByName("FECHA")->SetAsDateTime(EncodeDate(2024, 3, 15));
        data->FieldByName("LISTA")->SetAsInteger(1);
        data->Post();
        source = new TDataSource(form);
        source->SetDataSet(data);

        other = new TEdit(form);
        other->SetParent(form);
        other->SetBounds(300, 10, 100, 24);
    }
    void Bind(TCustomDBEditEh* e, const char* field) {
        e->SetParent(form);
        e->SetBounds(10, 40, 180, 24);
        e->SetDataSource(source);
        e->SetDataField(field);
    }
    TCustomDBEditEh* Make(const std::string& kind) {
        if (kind == "combo") {
            auto* c = new TDBComboBoxEh(form);
            for (const char* s : {"Uno", "Dos", "Tres"}) c->Items()->Add(s);
            for (const char* s : {"1", "2", "3"}) c->KeyItems()->Add(s);
            Bind(c, "TIPO");
            return c;
        }
        if (kind == "date") {
            auto* e = new TDBDateTimeEditEh(form);
            e->SetEditFormat("DD/MM/YYYY");
            Bind(e, "FECHA");
            return e;
        }
        auto* c = new TDBLookupComboboxEh(form);
        c->SetKeyField("LIPR_COD");
        c->SetListField("LIPR_NOM");
        c->SetListSource(listSource);
        Bind(c, "LISTA");
        return c;
    }
    TClientDataSet *lists = nullptr, *data = nullptr;
    TDataSource *listSource = nullptr, *source = nullptr;
    TEdit* other = nullptr;
};

TEST_F(DropDownFocus, LeavingTheEditorClosesItsDropDownWithoutTakingTheChoice) {
    const struct {
        const char* kind;
        const char* field;
    } editors[] = {{"combo", "TIPO"}, {"date", "FECHA"}, {"lookup", "LISTA"}};
    for (const auto& ed : editors) {
        for (bool byClick : {true, false}) {
            SCOPED_TRACE(std::string(ed.kind) + (byClick ? " left by a click" : " left by Tab"));
            TCustomDBEditEh* e = Make(ed.kind);
            Variant before = data->FieldByName(ed.field)->Value();
            std::string text = e->Text();
            Focus(e);
            PressKey(VK_DOWN, false, false, true); // Alt+Down
            ASSERT_TRUE(e->DroppedDown());
            TWinControl* drop = e->DropDownWindow();
            ASSERT_TRUE(drop && IsWindowVisible(drop->Handle()));
            PressKey(VK_DOWN); // the choice moves inside the drop-down only
            if (byClick) {
                POINT p = At(other, 10, other->Height() / 2);
                Click(p.x, p.y);
            } else {
                PressKey(VK_TAB);
            }
            EXPECT_TRUE(other->Focused());
            EXPECT_FALSE(e->DroppedDown());
            EXPECT_EQ(e->DropDownWindow(), nullptr);
            EXPECT_FALSE(IsWindowVisible(drop->Handle()));
            EXPECT_EQ(e->Text(), text);
            EXPECT_TRUE(VariantsEqual(data->FieldByName(ed.field)->Value(), before));
            delete e;
        }
    }
}

TEST_F(DropDownFocus, EnterAndEscCloseTheDropDownBeforeTheFormsKeyPreview) {
    // A form that leaves on Esc, as the login does.
    std::vector<WORD> formKeys;
    form->SetKeyPreview(true);
    form->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
        if (key == VK_RETURN || key == VK_ESCAPE) formKeys.push_back(key);
    };
    for (const char* kind : {"combo", "date", "lookup"}) {
        SCOPED_TRACE(kind);
        formKeys.clear();
        TCustomDBEditEh* e = Make(kind);
        Focus(e);
        for (WORD key : {WORD(VK_ESCAPE), WORD(VK_RETURN)}) {
            PressKey(VK_DOWN, false, false, true);
            ASSERT_TRUE(e->DroppedDown());
            PressKey(key);
            EXPECT_FALSE(e->DroppedDown());
            EXPECT_TRUE(e->Focused());
        }
        EXPECT_TRUE(formKeys.empty());
        PressKey(VK_ESCAPE); // closed, the form has it
        EXPECT_EQ(formKeys, std::vector<WORD>{VK_ESCAPE});
        delete e;
    }
}

} // namespace
} // namespace tvtest
