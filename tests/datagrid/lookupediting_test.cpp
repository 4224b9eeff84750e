// Editing a lookup cell by keys: typed and pasted text is completed from the
// lookup dataset and the key goes to the key field; Delete clears the cell
// only as a whole; the special row stands for an empty key. A column's drop-down
// box lists its own columns over its own list source.
#include "gridfixture.h"

#include <string>
#include <utility>
#include <vector>

#include "editors/editbuttoncontrol.h"
#include "editors/popupdatagrid.h"
#include "grid/columndropdownbox.h"
#include "grid/gridinplaceedit.h"
#include "grid/lookupcelldropdown.h"
#include "platform/backend/backend.h"
#include "platform/backend/headless.h"
#include "platform/clipboard/clipboard.h"
#include "platform/window/input.h"
#include "support/pricelists.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

class LookupEditingTest : public DataGridTest {
protected:
    void SetUp() override {
        DataGridTest::SetUp();
        PriceLists made = MakePriceLists(form);
        lists = made.lists;
        docs = made.docs;
        for (int i = 1; i <= 2; ++i) {
            docs->Append();
            docs->FieldByName("NUMERO")->SetAsInteger(i);
            if (i == 1) docs->FieldByName("LISTA")->SetAsInteger(1);
            docs->Post();
        }
        docs->First();
        grid->Columns()->Add()->SetFieldName("NUMERO");
        lookup = grid->Columns()->Add();
        lookup->SetFieldName("NOMBRE_LISTA");
        source->SetDataSet(docs);
        grid->SetDataSource(source);
        form->SetActiveControl(grid);
        grid->SetSelectedIndex(1);
        Pump();
    }
    TDBGridInplaceEdit* Edit() {
        Key(VK_F2);
        return dynamic_cast<TDBGridInplaceEdit*>(grid->InplaceEditor());
    }
    void Key(int vk, bool shift = false, bool ctrl = false, bool alt = false) {
        PressKey(vk, shift, ctrl, alt);
        Pump();
    }
    Variant Lista() { return docs->FieldByName("LISTA")->Value(); }

    TClientDataSet *lists = nullptr, *docs = nullptr;
    TColumnEh* lookup = nullptr;
};

TEST_F(LookupEditingTest, TypingCompletesFromTheListAndPostsTheKey) {
    TDBGridInplaceEdit* e = Edit();
    ASSERT_TRUE(e);
    ASSERT_EQ(e->EditKind(), ekLookupListEh);
    EXPECT_EQ(e->Text(), "General");
    EXPECT_EQ(grid->EditorKeyValue().AsInteger(), 1);
    TypeText("ma");
    EXPECT_EQ(e->Text(), "Mayoristas");
    EXPECT_EQ(e->SelStart(), 2);
    EXPECT_EQ(grid->EditorKeyValue().AsInteger(), 2);
    // A letter that continues no text of the list is refused.
    TypeText("x");
    EXPECT_EQ(e->Text(), "Mayoristas");
    Key(VK_RETURN);
    EXPECT_EQ(Lista().AsInteger(), 2);
    EXPECT_EQ(docs->FieldByName("NOMBRE_LISTA")->AsString(), "Mayoristas");
    // The key does not follow the editor to another column.
    Key(VK_LEFT);
    Key(VK_F2);
    EXPECT_TRUE(grid->EditorKeyValue().IsNull());
}

TEST_F(LookupEditingTest, DeleteClearsOnlyTheWholeTextAndPostsNull) {
    TDBGridInplaceEdit* e = Edit();
    ASSERT_TRUE(e);
    e->SetSelStart(0);
    Key(VK_DELETE);
    EXPECT_EQ(e->Text(), "General");
    e->SetSelStart(7);
    Key(VK_BACK);
    EXPECT_EQ(e->Text(), "General");
    e->SelectAll();
    Key(VK_DELETE);
    EXPECT_EQ(e->Text(), "");
    EXPECT_TRUE(grid->EditorKeyValue().IsNull());
    Key(VK_RETURN);
    EXPECT_TRUE(Lista().IsNull());
}

TEST_F(LookupEditingTest, PastedTextIsCompletedFromTheList) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    SetClipboardText("emp");
    CloseClipboard();
    TDBGridInplaceEdit* e = Edit();
    ASSERT_TRUE(e);
    e->SelectAll();
    Key('V', false, true);
    EXPECT_EQ(e->Text(), "Empleados");
    Key(VK_RETURN);
    EXPECT_EQ(Lista().AsInteger(), 3);
    // Text that no row begins with is dropped.
    ASSERT_TRUE(OpenClipboard(nullptr));
    SetClipboardText("zz");
    CloseClipboard();
    Key(VK_F2);
    e->SelectAll();
    Key(VK_INSERT, true);
    EXPECT_EQ(e->Text(), "Empleados");
}

TEST_F(LookupEditingTest, FreeTextGoesThroughOnNotInList) {
    std::string asked;
    lookup->OnNotInList = [&](TObject*, const std::string& text, bool& accept) {
        asked = text;
        lists->Append();
        lists->FieldByName("LIPR_COD")->SetAsInteger(9);
        lists->FieldByName("LIPR_NOM")->SetAsString(text);
        lists->Post();
        accept = true;
    };
    TDBGridInplaceEdit* e = Edit();
    ASSERT_TRUE(e);
    TypeText("Fiados");
    EXPECT_EQ(e->Text(), "Fiados");
    Key(VK_BACK);
    EXPECT_EQ(e->Text(), "Fiado");
    TypeText("s");
    Key(VK_RETURN);
    EXPECT_EQ(asked, "Fiados");
    EXPECT_EQ(Lista().AsInteger(), 9);
}

TEST_F(LookupEditingTest, SpecialRowStandsForTheEmptyKey) {
    lookup->DropDownSpecRow()->SetCellsText("(ninguna)");
    lookup->DropDownSpecRow()->SetVisible(true);
    Key(VK_DOWN); // the record without a list
    TDBGridInplaceEdit* e = Edit();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Text(), "(ninguna)");
    Key(VK_ESCAPE);
    Key(VK_UP);
    Edit();
    EXPECT_EQ(e->Text(), "General");
    // Its shortcut (Alt+Del) chooses it.
    Key(VK_DELETE, false, false, true);
    EXPECT_EQ(e->Text(), "(ninguna)");
    Key(VK_RETURN);
    EXPECT_TRUE(Lista().IsNull());
}

TEST_F(LookupEditingTest, TheButtonOpensTheListAndARowClickedIsPosted) {
    TDBGridInplaceEdit* e = Edit();
    ASSERT_TRUE(e);
    TEditButtonControlEh* b = e->ButtonControl(0);
    ASSERT_TRUE(b && b->Visible());
    auto click = [&](TControl* c, int x, int y) {
        POINT p = c->ClientToScreen({x, y});
        QueueMouseMove(p.x, p.y);
        QueueClick(p.x, p.y);
        Pump();
        clock->Advance(1000);
    };
    click(b, b->Width() / 2, b->Height() / 2);
    ASSERT_TRUE(e->PopupOpen());
    EXPECT_TRUE(b->AlwaysDown());
    TPopupDataGridEh* list = e->LookupDropDown()->DataList();
    RECT r = list->CellRect(list->IndicatorOffset(), list->TitleRowCount() + 2);
    click(list, r.left + 10, (r.top + r.bottom) / 2);
    EXPECT_FALSE(e->PopupOpen());
    EXPECT_FALSE(b->AlwaysDown());
    EXPECT_EQ(e->Text(), "Empleados");
    Key(VK_RETURN);
    EXPECT_EQ(Lista().AsInteger(), 3);
    // Esc after moving in the list leaves the field as it was.
    Key(VK_F2);
    Key(VK_DOWN, false, false, true);
    Key(VK_UP);
    EXPECT_EQ(e->Text(), "Mayoristas");
    Key(VK_ESCAPE);
    EXPECT_EQ(e->Text(), "Empleados");
    EXPECT_EQ(Lista().AsInteger(), 3);
}


// A press in the open list released outside it does the same whether the
// press, the move and the release come one by one or all at once.
TEST_F(LookupEditingTest, APressInTheListReleasedOutsideActsAlikeInABurst) {
    struct Outcome {
        bool open;
        std::string text;
    };
    auto run = [&](bool burst) {
        TDBGridInplaceEdit* e = Edit();
        TEditButtonControlEh* b = e->ButtonControl(0);
        POINT pb = b->ClientToScreen({b->Width() / 2, b->Height() / 2});
        QueueMouseMove(pb.x, pb.y);
        QueueClick(pb.x, pb.y);
        Pump();
        clock->Advance(1000);
        EXPECT_TRUE(e->PopupOpen());
        TPopupDataGridEh* list = e->LookupDropDown()->DataList();
        RECT r = list->CellRect(list->IndicatorOffset(), list->TitleRowCount() + 2);
        POINT in = list->ClientToScreen({r.left + 10, (r.top + r.bottom) / 2});
        RECT lr;
        GetWindowRect(list->Handle(), &lr);
        POINT out{lr.right + 40, lr.bottom + 40};
        QueueMouseDown(in.x, in.y);
        if (!burst) Pump();
        QueueMouseMove(out.x, out.y);
        if (!burst) Pump();
        QueueMouseUp(out.x, out.y);
        Pump();
        clock->Advance(1000);
        Outcome o{e->PopupOpen(), e->Text()};
        if (o.open) Key(VK_ESCAPE);
        Key(VK_ESCAPE);
        return o;
    };
    Outcome stepwise = run(false), burst = run(true);
    EXPECT_EQ(burst.open, stepwise.open);
    EXPECT_EQ(burst.text, stepwise.text);
}

// A second list over the same codes: the box's list source, not the field's
// lookup dataset, fills the drop-down.
class DropDownBoxTest : public LookupEditingTest {
protected:
    void SetUp() override {
        LookupEditingTest::SetUp();
        active = new TClientDataSet(form);
        active->FieldDefs().Add("LIPR_COD", ftInteger);
        active->FieldDefs().Add("LIPR_NOM", ftString, 30);
        active->CreateDataSet();
        for (auto [code, name] : {std::pair{1, "General"}, std::pair{3, "Empleados"}}) {
            active->Append();
            active->FieldByName("LIPR_COD")->SetAsInteger(code);
            active->FieldByName("LIPR_NOM")->SetAsString(name);
            active->Post();
        }
        activeSource = new TDataSource(form);
        activeSource->SetDataSet(active);
        lookup->DropDownBox()->SetListSource(activeSource);
        lookup->SetDropDownShowTitles(true);
        lookup->SetDropDownWidth(-1);
    }
    void BoxColumns(int nameWidth, int codeWidth) {
        TDBGridColumnsEh* cols = lookup->DropDownBox()->Columns();
        ASSERT_TRUE(cols);
        cols->Clear();
        TColumnEh* c = cols->Add();
        c->SetFieldName("LIPR_NOM");
        c->SetWidth(nameWidth);
        c = cols->Add();
        c->SetFieldName("LIPR_COD");
        c->SetWidth(codeWidth);
    }
    TPopupDataGridEh* OpenList(TDBGridInplaceEdit* e) {
        Key(VK_DOWN, false, false, true);
        EXPECT_TRUE(e->PopupOpen());
        return e->LookupDropDown() ? e->LookupDropDown()->DataList() : nullptr;
    }
    // A click through the queue at a point of a control's client area.
    void ClickOn(TControl* c, int x, int y) {
        POINT p = c->ClientToScreen({x, y});
        QueueMouseMove(p.x, p.y);
        QueueClick(p.x, p.y);
        Pump();
        clock->Advance(1000);
    }
    POINT RowPoint(TPopupDataGridEh* list, int dataRow) {
        RECT r = list->CellRect(list->IndicatorOffset(), list->TitleRowCount() + dataRow);
        return list->ClientToScreen({r.left + 10, (r.top + r.bottom) / 2});
    }

    TClientDataSet* active = nullptr;
    TDataSource* activeSource = nullptr;
};

TEST_F(DropDownBoxTest, TheBoxListsItsColumnsAndIsAsWideAsThem) {
    BoxColumns(150, 60);
    TDBGridInplaceEdit* e = Edit();
    ASSERT_TRUE(e);
    TPopupDataGridEh* list = OpenList(e);
    ASSERT_TRUE(list);
    // The column's own grid, borrowed; its records are the box's.
    EXPECT_EQ(list, lookup->DropDownDataList());
    ASSERT_EQ(list->Columns()->Count(), 2);
    EXPECT_EQ(list->Columns()->Items(1)->Field(), active->FieldByName("LIPR_COD"));
    EXPECT_EQ(list->RowCount(), 2);
    EXPECT_EQ(list->ClientWidth(), list->GetColumnsWidth());
    EXPECT_GT(list->Width(), e->Width());
    Key(VK_ESCAPE);
    // Columns narrower than the cell: the list takes the cell's width.
    BoxColumns(10, 10);
    OpenList(e);
    EXPECT_EQ(list->Width(), e->Width());
    Key(VK_ESCAPE);
    EXPECT_EQ(Lista().AsInteger(), 1);
}

TEST_F(DropDownBoxTest, ChosenByKeysAndByMouseTheKeyIsPostedAndEscLeavesTheField) {
    BoxColumns(150, 60);
    TDBGridInplaceEdit* e = Edit();
    ASSERT_TRUE(e);
    OpenList(e);
    // The box's records: General, then Empleados (Mayoristas is not offered).
    Key(VK_DOWN);
    EXPECT_EQ(e->Text(), "Empleados");
    Key(VK_RETURN);
    EXPECT_FALSE(e->PopupOpen());
    Key(VK_RETURN);
    EXPECT_EQ(Lista().AsInteger(), 3);
    // By the button and a click on a row.
    Key(VK_F2);
    TEditButtonControlEh* b = e->ButtonControl(0);
    ClickOn(b, b->Width() / 2, b->Height() / 2);
    TPopupDataGridEh* list = e->LookupDropDown()->DataList();
    ASSERT_TRUE(e->PopupOpen());
    POINT p = list->ScreenToClient(RowPoint(list, 0));
    ClickOn(list, p.x, p.y);
    EXPECT_FALSE(e->PopupOpen());
    EXPECT_EQ(e->Text(), "General");
    Key(VK_RETURN);
    EXPECT_EQ(Lista().AsInteger(), 1);
    // Esc after moving in the open list: the field stays.
    Key(VK_F2);
    OpenList(e);
    Key(VK_DOWN);
    Key(VK_ESCAPE);
    EXPECT_EQ(e->Text(), "General");
    Key(VK_RETURN);
    EXPECT_EQ(Lista().AsInteger(), 1);
}

TEST_F(DropDownBoxTest, DraggingFromTheButtonChoosesTheRowReleasedOn) {
    TDBGridInplaceEdit* e = Edit();
    ASSERT_TRUE(e);
    // Where the list lies once open.
    TPopupDataGridEh* list = OpenList(e);
    ASSERT_TRUE(list);
    POINT to = RowPoint(list, 1);
    Key(VK_ESCAPE);
    ASSERT_FALSE(e->PopupOpen());
    TEditButtonControlEh* b = e->ButtonControl(0);
    POINT from = b->ClientToScreen({b->Width() / 2, b->Height() / 2});
    // The press opens the list; the hand moves on once it shows.
    QueueMouseMove(from.x, from.y);
    QueueMouseDown(from.x, from.y);
    Pump();
    ASSERT_TRUE(e->PopupOpen());
    for (int i = 1; i <= 6; ++i) QueueMouseMove(from.x + (to.x - from.x) * i / 6, from.y + (to.y - from.y) * i / 6);
    QueueMouseUp(to.x, to.y);
    Pump();
    EXPECT_FALSE(e->PopupOpen());
    EXPECT_FALSE(b->AlwaysDown());
    EXPECT_EQ(e->Text(), "Empleados");
    Key(VK_RETURN);
    EXPECT_EQ(Lista().AsInteger(), 3);
}

TEST_F(DropDownBoxTest, TheListGridsEventsFireWithItAsSender) {
    std::vector<std::string> log;
    TObject* painter = nullptr;
    int drawn = 0;
    lookup->DropDownBox()->SetOptions({dlgColLinesEh, dlgAutoSortMarkingEh, dlgMultiSortMarkingEh});
    lookup->OnDropDownBoxGetCellParams = [&](TObject* s, TColumnEh*, TFont*, TColor&, TGridDrawState) { painter = s; };
    lookup->OnDropDownBoxDrawColumnCell = [&](TObject*, const RECT&, int, TColumnEh*, TGridDrawState) { ++drawn; };
    lookup->OnDropDownBoxCheckButton = [&](TObject*, int, TColumnEh*, bool& enabled) {
        enabled = true;
        log.push_back("check");
    };
    lookup->OnDropDownBoxTitleBtnClick = [&](TObject*, int, TColumnEh* c) { log.push_back("title " + c->FieldName()); };
    lookup->OnDropDownBoxSortMarkingChanged = [&](TObject*) { log.push_back("sort"); };
    TDBGridInplaceEdit* e = Edit();
    ASSERT_TRUE(e);
    TPopupDataGridEh* list = OpenList(e);
    ASSERT_TRUE(list);
    Pump();
    EXPECT_EQ(painter, list);
    EXPECT_GT(drawn, 0);
    RECT t = list->CellRect(list->IndicatorOffset(), 0);
    ClickOn(list, t.left + 10, (t.top + t.bottom) / 2);
    EXPECT_EQ(log, (std::vector<std::string>{"check", "title LIPR_NOM", "sort"}));
    EXPECT_TRUE(e->PopupOpen());
    // With Ctrl held the sort waits for Ctrl's release, which reaches the
    // list through the editor that has the focus.
    log.clear();
    InjectKey(VK_CONTROL, true);
    ClickOn(list, t.left + 10, (t.top + t.bottom) / 2);
    EXPECT_EQ(log, (std::vector<std::string>{"check", "title LIPR_NOM"}));
    InjectKey(VK_CONTROL, false);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"check", "title LIPR_NOM", "sort"}));
    Key(VK_ESCAPE);
    EXPECT_EQ(Lista().AsInteger(), 1);
}

TEST_F(DropDownBoxTest, AFreedListSourceIsForgottenAndTheFieldsListServesAgain) {
    delete activeSource;
    activeSource = nullptr;
    EXPECT_EQ(lookup->DropDownBox()->ListSource(), nullptr);
    EXPECT_EQ(lookup->ListDataSet(), lists);
}

} // namespace tvtest
