// The data-aware check box over a real client dataset: clicks, the space bar
// and the field's own value move its three states, and what it shows is what
// reaches the field.
#include "editorfixture.h"
#include "editors/dbcheckbox.h"
#include "editors/fielddatalink.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/stdctrls/edit.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class DBCheckBoxEh : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        data = new TClientDataSet(form);
        data->FieldDefs().Add("ACTIVO", ftBoolean);
        data->FieldDefs().Add("IVA", ftString, 2);
        data->CreateDataSet();
        data->Append();
        data->FieldByName("IVA")->SetAsString("si");
        data->Post();
        source = new TDataSource(form);
        source->SetDataSet(data);
        other = new TEdit(form);
        other->SetParent(form);
        other->SetBounds(300, 10, 100, 24);
    }
    TDBCheckBoxEh* Box(const char* field, int top = 40) {
        auto* b = new TDBCheckBoxEh(form);
        b->SetParent(form);
        b->SetBounds(10, top, 150, 20);
        b->SetCaption("Activo");
        if (field) {
            b->SetDataSource(source);
            b->SetDataField(field);
        }
        return b;
    }
    void ClickOn(TControl* c) {
        POINT p = At(c, 6, c->Height() / 2);
        Click(p.x, p.y);
    }
    TField* Activo() { return data->FieldByName("ACTIVO"); }
    TField* Iva() { return data->FieldByName("IVA"); }
    TClientDataSet* data = nullptr;
    TDataSource* source = nullptr;
    TEdit* other = nullptr;
};

TEST_F(DBCheckBoxEh, ATextFieldMapsThroughTheValueLists) {
    auto* b = Box("IVA");
    b->SetValueChecked("S;Si;1");
    b->SetValueUnchecked("N;No;0");
    EXPECT_EQ(b->State(), cbChecked); // "si" without regard to case
    data->Edit();
    Iva()->SetAsString("x");
    EXPECT_EQ(b->State(), cbGrayed); // in neither list
    Iva()->SetAsString("0");
    EXPECT_EQ(b->State(), cbUnchecked);
    data->Post();
    ClickOn(b);
    EXPECT_EQ(b->State(), cbChecked);
    EXPECT_EQ(Iva()->AsString(), "0"); // not before leaving
    Focus(other);
    EXPECT_TRUE(said.empty()) << said.front();
    EXPECT_EQ(Iva()->AsString(), "S"); // the first value of the list
    ClickOn(b);
    Focus(other);
    EXPECT_EQ(Iva()->AsString(), "N");
}

TEST_F(DBCheckBoxEh, ABooleanFieldToggledByClickAndSpace) {
    auto* b = Box("ACTIVO");
    EXPECT_TRUE(Activo()->IsNull());
    EXPECT_EQ(b->State(), cbGrayed);
    ClickOn(b); // greyed always goes to checked
    EXPECT_TRUE(b->Focused());
    EXPECT_EQ(b->State(), cbChecked);
    Focus(other);
    EXPECT_TRUE(Activo()->AsBoolean());
    Focus(b);
    PressKey(VK_SPACE);
    EXPECT_EQ(b->State(), cbUnchecked);
    Focus(other);
    EXPECT_FALSE(Activo()->IsNull());
    EXPECT_FALSE(Activo()->AsBoolean());
    // Esc gives the field's state back.
    Focus(b);
    PressKey(VK_SPACE);
    EXPECT_EQ(b->State(), cbChecked);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(b->State(), cbUnchecked);
    // A read-only check box does not move.
    b->SetReadOnly(true);
    data->Post();
    PressKey(VK_SPACE);
    ClickOn(b);
    EXPECT_EQ(b->State(), cbUnchecked);
}

TEST_F(DBCheckBoxEh, AllowGrayedCyclesThroughThreeStates) {
    auto* b = Box("ACTIVO");
    b->SetAllowGrayed(true);
    data->Edit();
    Activo()->SetAsBoolean(false);
    Focus(b);
    const TCheckBoxState cycle[] = {cbGrayed, cbChecked, cbUnchecked};
    for (TCheckBoxState s : cycle) {
        PressKey(VK_SPACE);
        EXPECT_EQ(b->State(), s);
    }
    PressKey(VK_SPACE); // greyed once more
    Focus(other);
    EXPECT_TRUE(Activo()->IsNull());
}

TEST_F(DBCheckBoxEh, AnUnboundCheckBoxKeepsABoolean) {
    auto* b = Box(nullptr);
    EXPECT_EQ(b->State(), cbUnchecked);
    EXPECT_EQ(b->DataLink()->UnboundValue().VarType(), varBoolean);
    EXPECT_FALSE(b->DataLink()->UnboundValue().AsBoolean());
    b->SetState(cbGrayed);
    EXPECT_TRUE(b->DataLink()->UnboundValue().IsNull());
    ClickOn(b);
    EXPECT_TRUE(b->Checked());
    Focus(other);
    EXPECT_TRUE(b->DataLink()->UnboundValue().AsBoolean());
}

TEST_F(DBCheckBoxEh, OnClickFiresForTheToggleNotForAReloadWhileTakingTheFocus) {
    auto* b = Box("IVA");
    b->SetValueChecked("S");
    b->SetValueUnchecked("N");
    data->Edit();
    Iva()->SetAsString("N");
    // Leaving the other control changes the box's field first.
    other->OnExit = [&](TObject*) { Iva()->SetAsString("S"); };
    Focus(other);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    ClickOn(b);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(b->State(), cbUnchecked); // reloaded to checked, then toggled
    other->OnExit = nullptr;
    Focus(other);
    EXPECT_EQ(Iva()->AsString(), "N");
}

} // namespace
} // namespace tvtest
