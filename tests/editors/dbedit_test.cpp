// The base data-aware edit over a real client dataset: what is typed reaches
// the field when the editor is left, read-only fields and editors refuse,
// Esc gives the field's value back, and the edit buttons fire their events.
#include <stdexcept>

#include "editorfixture.h"
#include "editors/buttonsizes.h"
#include "editors/dbedit.h"
#include "editors/editimage.h"
#include "editors/fielddatalink.h"
#include "editors/paintutils.h"
#include "platform/window/sysmetrics.h"
#include "editors/mrulist.h"
#include "editors/popuplistbox.h"
#include "editors/sizegrip.h"
#include "editors/tooltipswindow.h"
#include "core/stringlist.h"
#include "core/exceptions.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/graphics.h"
#include "framework/ui/menus.h"
#include "platform/window/window.h"
#include "framework/ui/imagelist.h"
#include "framework/ui/stdctrls/edit.h"
#include "platform/controls/edit.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "framework/ui/uimessages.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class DBEditEh : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        data = new TClientDataSet(form);
        data->FieldDefs().Add("CODIGO", ftInteger);
        data->FieldDefs().Add("DES", ftString, 20);
        data->FieldDefs().Add("PRECIO", ftFloat);
        data->CreateDataSet();
        const struct {
            int cod;
            const char* des;
        } rows[] = {{1, "Arroz"}, {2, "Café"}};
        for (const auto& r : rows) {
            data->Append();
            data->FieldByName("CODIGO")->SetAsInteger(r.cod);
            data->FieldByName("DES")->SetAsString(r.des);
            data->FieldByName("PRECIO")->SetAsFloat(2500);
            data->Post();
        }
        data->First();
        source = new TDataSource(form);
        source->SetDataSet(data);
        other = new TEdit(form);
        other->SetParent(form);
        other->SetBounds(300, 10, 100, 24);
    }
    TDBEditEh* Editor(const char* field, int top = 40) {
        auto* e = new TDBEditEh(form);
        e->SetParent(form);
        e->SetBounds(10, top, 200, 24);
        if (field) {
            e->SetDataSource(source);
            e->SetDataField(field);
        }
        return e;
    }
    bool WindowReadOnly(TWinControl* c) { return (GetWindowLong(c->Handle(), GWL_STYLE) & ES_READONLY) != 0; }
    TClientDataSet* data = nullptr;
    TDataSource* source = nullptr;
    TEdit* other = nullptr;
};

TEST_F(DBEditEh, TypingStartsEditingAndLeavingPostsToTheField) {
    auto* e = Editor("DES");
    EXPECT_EQ(e->Text(), "Arroz");
    EXPECT_EQ(e->MaxLength(), 20); // the string field's size
    Focus(e);
    EXPECT_TRUE(WindowReadOnly(e)); // until editing starts
    PressKey(VK_END);
    TypeText(" integral");
    EXPECT_EQ(data->State(), dsEdit);
    EXPECT_FALSE(WindowReadOnly(e));
    EXPECT_TRUE(e->Modified());
    EXPECT_EQ(data->FieldByName("DES")->AsString(), "Arroz"); // not yet
    Focus(other);
    EXPECT_TRUE(said.empty()) << said.front();
    EXPECT_EQ(data->FieldByName("DES")->AsString(), "Arroz integral");
    EXPECT_FALSE(e->Modified());
    data->Post();
    // The editor follows the dataset.
    data->Next();
    EXPECT_EQ(e->Text(), "Café");
    // Another field drops the length that came from the first one.
    e->SetDataField("CODIGO");
    EXPECT_EQ(e->MaxLength(), 0);
    EXPECT_EQ(e->Text(), "2");
}

TEST_F(DBEditEh, ReadOnlyFieldsAndEditorsRefuseEveryWayOfEditing) {
    data->FieldByName("DES")->SetReadOnly(true);
    auto* des = Editor("DES");
    auto* cod = Editor("CODIGO", 70);
    cod->SetReadOnly(true);
    for (TDBEditEh* e : {des, cod}) {
        SCOPED_TRACE(e->DataField());
        std::string before = e->Text();
        Focus(e);
        TypeText("9");
        PressKey(VK_BACK);
        PressKey(VK_DELETE);
        e->Perform(WM_PASTE);
        EXPECT_EQ(e->Text(), before);
        EXPECT_EQ(data->State(), dsBrowse);
        EXPECT_TRUE(WindowReadOnly(e));
    }
}

TEST_F(DBEditEh, EscGivesTheFieldsValueBackAndASecondEscIsNotClaimed) {
    auto* e = Editor("DES");
    Focus(e);
    TypeText("xyz");
    EXPECT_EQ(e->Text(), "xyz");
    EXPECT_EQ(e->Perform(CM_WANTSPECIALKEY, VK_ESCAPE), 1);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(e->Text(), "Arroz");
    EXPECT_FALSE(e->Modified());
    EXPECT_EQ(e->Perform(CM_WANTSPECIALKEY, VK_ESCAPE), 0); // the form's cancel button may have it
    Focus(other);
    EXPECT_EQ(data->FieldByName("DES")->AsString(), "Arroz");
}

TEST_F(DBEditEh, NumbersTheFieldRefusesAreNotTypedNorWritten) {
    auto* e = Editor("CODIGO");
    Focus(e);
    e->SelectAll();
    TypeText("4x2");
    EXPECT_EQ(e->Text(), "42"); // the field's own check of characters
    Focus(other);
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 42);
    data->Post();
    // A write the field rejects reloads the control and reaches the caller.
    EXPECT_THROW(e->SetText("doce"), std::exception);
    EXPECT_EQ(e->Text(), "42");
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 42);
    data->Cancel();
    // Value of the base editor is its text, also for a numeric field.
    e->SetValue(Variant(7));
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 7);
    Variant v = e->Value();
    EXPECT_EQ(v.AsString(), "7");
    EXPECT_EQ(v.VarType(), varString);
}

TEST_F(DBEditEh, OnUpdateDataDecidesThePosting) {
    auto* e = Editor("DES");
    int calls = 0;
    std::string seen;
    e->OnUpdateData = [&](TObject*, bool& handled) {
        ++calls;
        e->SetText(e->Text() + "!"); // changes the control only, no second call
        seen = e->Text();
        handled = true;
    };
    e->SetReadOnly(false); // refreshes the window's state
    EXPECT_FALSE(WindowReadOnly(e)); // writable at once with a handler
    Focus(e);
    PressKey(VK_END);
    TypeText("z");
    Focus(other);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seen, "Arrozz!");
    EXPECT_FALSE(e->Modified());
    // Handled: the field is the handler's, and the editor shows it again.
    EXPECT_EQ(data->FieldByName("DES")->AsString(), "Arroz");
    EXPECT_EQ(e->Text(), "Arroz");
    // Without Handled the editor posts what the handler left in it.
    e->OnUpdateData = [&](TObject*, bool&) { e->SetText("Arroz blanco"); };
    e->SetText("cualquiera");
    EXPECT_EQ(data->FieldByName("DES")->AsString(), "Arroz blanco");
}

TEST_F(DBEditEh, AnUnboundEditorKeepsWhatIsTypedAsItsValue) {
    auto* e = Editor(nullptr);
    e->SetEditMask("000-000;1;_");
    Focus(e);
    TypeText("123456");
    Focus(other);
    EXPECT_EQ(e->DataLink()->UnboundValue().AsString(), "123-456");
    EXPECT_EQ(e->Value().AsString(), "123-456");
    // A field name without a data source has no dataset to write to.
    auto* lost = Editor(nullptr, 70);
    lost->SetDataField("DES");
    try {
        lost->SetText("x");
        ADD_FAILURE() << "no error";
    } catch (const Exception& ex) {
        EXPECT_NE(std::string(ex.what()).find("conjunto de datos"), std::string::npos);
    }
}

TEST_F(DBEditEh, EditButtonsSitAtTheRightAndFireTheirEvents) {
    auto* e = Editor("DES");
    e->EditButton()->SetVisible(true);
    e->EditButtons()->Add();
    e->EditButtons()->Add();
    int mainClicks = 0, mainDowns = 0;
    std::vector<int> extraClicks(2);
    e->OnButtonClick = [&](TObject*, bool&) { ++mainClicks; };
    e->OnButtonDown = [&](TObject*, bool, bool&, bool&) { ++mainDowns; };
    for (int i = 0; i < 2; ++i) e->EditButtons()->ButtonAt(i)->OnClick = [&, i](TObject*, bool&) { ++extraClicks[i]; };
    e->HandleNeeded();
    ProcessPendingMessages();
    TEditButtonControlEh* b0 = e->ButtonControl(0);
    TEditButtonControlEh* b1 = e->ButtonControl(1);
    TEditButtonControlEh* b2 = e->ButtonControl(2);
    ASSERT_TRUE(b0 && b1 && b2);
    EXPECT_LT(b0->Left(), b1->Left());
    EXPECT_LT(b1->Left(), b2->Left());
    EXPECT_EQ(b2->Left() + b2->Width(), e->ClientWidth());
    EXPECT_EQ(e->ButtonWidth(), b0->Width() + b1->Width() + b2->Width());
    // A click on the main button: down, then click; the base opens nothing,
    // so the button does not stay held.
    POINT p = At(b0, b0->Width() / 2, b0->Height() / 2);
    Click(p.x, p.y);
    EXPECT_EQ(mainDowns, 1);
    EXPECT_EQ(mainClicks, 1);
    EXPECT_FALSE(b0->AlwaysDown());
    EXPECT_TRUE(e->Focused());
    // The extra buttons answer Alt+Down: the first in order takes it.
    PressKey(VK_DOWN, false, false, true);
    EXPECT_EQ(extraClicks[0], 1);
    EXPECT_EQ(extraClicks[1], 0);
    p = At(b2, b2->Width() / 2, b2->Height() / 2);
    Click(p.x, p.y);
    EXPECT_EQ(extraClicks[1], 1);
    EXPECT_EQ(e->Text(), "Arroz"); // the clicks did not reach the text
    // A hidden button takes no width.
    e->EditButton()->SetVisible(false);
    e->EditButtons()->Clear();
    EXPECT_EQ(e->ButtonWidth(), 0);
}

TEST_F(DBEditEh, TheRecentTextsDropDownAsTheUserTypes) {
    auto* e = Editor(nullptr);
    e->MRUList()->SetActive(true);
    e->MRUList()->Items()->Add("abc");
    e->MRUList()->Items()->Add("abd");
    e->MRUList()->Items()->Add("xyz");
    Focus(e);
    TypeText("AB");
    ASSERT_TRUE(e->MRUListDroppedDown()); // not case-sensitive
    TMRUListboxEh* box = e->MRUListControl();
    ASSERT_EQ(box->Items()->Count(), 2);
    EXPECT_EQ(box->ItemIndex(), -1);
    EXPECT_EQ(e->Perform(CM_WANTSPECIALKEY, VK_RETURN), 0); // nothing chosen yet
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    EXPECT_EQ(box->ItemIndex(), 1);
    PressKey(VK_RETURN);
    EXPECT_FALSE(e->MRUListDroppedDown());
    EXPECT_EQ(e->Text(), "abd");
    // Deleting everything closes it; case-sensitive, "AB" matches nothing.
    e->MRUList()->SetCaseSensitive(true);
    e->SelectAll();
    TypeText("A");
    EXPECT_FALSE(e->MRUListDroppedDown());
    TypeText("B");
    EXPECT_FALSE(e->MRUListDroppedDown());
    // What is committed joins the list; leaving closes an open list.
    e->MRUList()->SetCaseSensitive(false);
    Focus(other);
    EXPECT_EQ(e->MRUList()->Items()->Count(), 4);
    Focus(e);
    e->SelectAll();
    TypeText("x");
    EXPECT_TRUE(e->MRUListDroppedDown());
    // Cancel mode from the editor itself keeps the list; from another control it closes it.
    e->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(e));
    EXPECT_TRUE(e->MRUListDroppedDown());
    e->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(other));
    EXPECT_FALSE(e->MRUListDroppedDown());
    TypeText("y");
    EXPECT_TRUE(e->MRUListDroppedDown());
    // A size the user gives the list is kept by the MRU list.
    TSizeGripEh* grip = box->SizeGrip();
    int wide = box->Width() + 40;
    POINT g = At(grip, grip->Width() - 3, grip->Height() - 3);
    Drag(g.x, g.y, g.x + 40, g.y);
    EXPECT_EQ(e->MRUList()->Width(), wide);
    Focus(other);
    EXPECT_FALSE(e->MRUListDroppedDown());
    EXPECT_EQ(e->Value().AsString(), "xy");
}

TEST_F(DBEditEh, AFlatEditorSeparatesItsButtonsAndLightsThemWhileActive) {
    auto* e = Editor("DES");
    e->SetFlat(true);
    e->EditButton()->SetVisible(true);
    e->EditButtons()->Add();
    e->EditButtons()->Add()->SetWidth(25);
    e->HandleNeeded();
    TEditButtonControlEh* b[3] = {e->ButtonControl(0), e->ButtonControl(1), e->ButtonControl(2)};
    ASSERT_TRUE(b[0] && b[1] && b[2]);
    EXPECT_EQ(b[0]->Width(), FlatButtonDefaultWidth());
    EXPECT_EQ(b[2]->Width(), 25);
    // One pixel of separator on the text side of each button.
    EXPECT_EQ(b[1]->Left() - (b[0]->Left() + b[0]->Width()), 1);
    EXPECT_EQ(b[2]->Left() - (b[1]->Left() + b[1]->Width()), 1);
    EXPECT_EQ(e->ButtonWidth(), b[0]->Width() + b[1]->Width() + 25 + 3);
    EXPECT_TRUE(b[0]->Flat());
    EXPECT_FALSE(e->BorderActive());
    EXPECT_FALSE(b[0]->Active());
    Focus(e);
    EXPECT_TRUE(e->BorderActive());
    EXPECT_TRUE(b[2]->Active());
    Focus(other);
    EXPECT_FALSE(b[2]->Active());
    e->SetAlwaysShowBorder(true);
    EXPECT_TRUE(b[1]->Active());
    // Without a link the buttons cannot be used.
    e->SetDataField("");
    e->SetDataSource(nullptr);
    EXPECT_TRUE(b[0]->Enabled()); // unbound holds its own value
    e->SetDataSource(source);
    EXPECT_FALSE(b[0]->Enabled()); // a data source but no field
}

TEST_F(DBEditEh, TheImageTakesItsAreaAndFollowsTheText) {
    auto* e = Editor(nullptr);
    auto* list = new TImageList(form);
    list->SetWidth(16);
    list->SetHeight(16);
    e->OnGetImageIndex = [&](TObject*, int& index) { index = int(e->Text().size()); };
    e->SetImages(list);
    e->HandleNeeded();
    EXPECT_EQ(e->ImageAreaWidth(), 20);
    RECT text{};
    SendMessage(e->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_GE(text.left, 20); // the text starts after the image
    Focus(e);
    TypeText("abc");
    EXPECT_EQ(e->EditImage()->ImageIndex(), 3);
    // A click on the image does not move the caret.
    PressKey(VK_END);
    POINT p = At(e, 5, e->ClientHeight() / 2);
    Click(p.x, p.y);
    EXPECT_EQ(e->SelStart(), 3);
    EXPECT_EQ(e->SelLength(), 0);
    // Its own width wins over the list's.
    e->EditImage()->SetWidth(30);
    ProcessPendingMessages();
    EXPECT_EQ(e->ImageAreaWidth(), 34);
}

TEST_F(DBEditEh, TheHeightFollowsTheFontUnlessAutoSizeIsOff) {
    auto* e = Editor("DES");
    auto* fixed = Editor("DES", 80);
    fixed->SetAutoSize(false);
    fixed->SetHeight(24);
    e->HandleNeeded();
    fixed->HandleNeeded();
    e->Font()->SetSize(10);
    int small = e->Height();
    EXPECT_EQ(small, GetSystemMetrics(SM_CYBORDER) * 8 + GetFontTextHeight(e));
    e->Font()->SetSize(24);
    fixed->Font()->SetSize(24);
    EXPECT_GT(e->Height(), small);
    EXPECT_EQ(e->Height(), GetSystemMetrics(SM_CYBORDER) * 8 + GetFontTextHeight(e));
    EXPECT_EQ(fixed->Height(), 24);
}

// A menu that records where it was asked to open instead of running its loop;
// `whileOpen` stands for what the user does while it is open.
class RecordingMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    void Popup(int x, int y) override {
        at.push_back({x, y});
        if (whileOpen) whileOpen();
    }
    std::vector<POINT> at;
    std::function<void()> whileOpen;
};

TEST_F(DBEditEh, AButtonMenuOpensBelowItAndThePressThatClosesItOpensNothing) {
    auto* e = Editor("DES");
    auto* menu = new RecordingMenu(form);
    e->EditButton()->SetVisible(true);
    e->EditButton()->SetDropdownMenu(menu);
    int downs = 0;
    e->OnButtonDown = [&](TObject*, bool, bool&, bool&) { ++downs; };
    e->HandleNeeded();
    TEditButtonControlEh* b = e->ButtonControl(0);
    ASSERT_TRUE(b);
    POINT mid = At(b, b->Width() / 2, b->Height() / 2);
    // The user presses the button again while the menu is open: that press
    // only closes the menu.
    menu->whileOpen = [&] {
        QueueMouseDown(mid.x, mid.y);
        QueueMouseUp(mid.x, mid.y);
    };
    Click(mid.x, mid.y);
    ProcessPendingMessages();
    ASSERT_EQ(menu->at.size(), 1u);
    POINT corner = At(b, 0, b->Height());
    EXPECT_EQ(menu->at[0].x, corner.x);
    EXPECT_EQ(menu->at[0].y, corner.y);
    EXPECT_EQ(downs, 1);
    EXPECT_FALSE(b->AlwaysDown());
    // A later press opens it again, at the right for a right-aligned menu.
    menu->whileOpen = nullptr;
    menu->SetAlignment(paRight);
    Tick(300);
    Click(mid.x, mid.y);
    ASSERT_EQ(menu->at.size(), 2u);
    EXPECT_EQ(menu->at[1].x, At(b, b->Width(), 0).x);
    // An extra button whose OnDown handles the press pops no menu.
    auto* extra = e->EditButtons()->Add();
    extra->SetDropdownMenu(menu);
    extra->OnDown = [](TObject*, bool, bool&, bool& handled) { handled = true; };
    TEditButtonControlEh* x = e->ButtonControl(1);
    ASSERT_TRUE(x);
    Tick(300);
    POINT xm = At(x, x->Width() / 2, x->Height() / 2);
    Click(xm.x, xm.y);
    EXPECT_EQ(menu->at.size(), 2u);
    // A menu that goes away leaves the buttons without it.
    delete menu;
    EXPECT_EQ(e->EditButton()->DropdownMenu(), nullptr);
    EXPECT_EQ(extra->DropdownMenu(), nullptr);
}

// Where the painted editor has dark (text) and pure red (mark) pixels.
struct Painted {
    int darkLeft = 0, darkRight = 0, red = 0;
};

Painted PaintOf(TDBEditEh* e) {
    TBitmap target;
    target.SetSize(e->Width(), e->Height());
    HDC dc = target.Canvas()->Handle();
    RECT all{0, 0, e->Width(), e->Height()};
    FillRect(dc, &all, reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    e->PaintTo(dc, 0, 0);
    Painted p;
    // Inside the border.
    for (int y = 3; y < e->Height() - 3; ++y)
        for (int x = 3; x < e->Width() - 3; ++x) {
            COLORREF c = PixelAt(dc, x, y);
            if (c == RGB(255, 0, 0)) ++p.red;
            else if (GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100) (x < e->Width() / 2 ? p.darkLeft : p.darkRight)++;
        }
    return p;
}

TEST_F(DBEditEh, ARightAlignedEditorDrawsItsTextAtTheRightUntilItIsEdited) {
    auto* e = Editor("DES");
    e->SetColor(clWhite);
    e->SetAlignment(taRightJustify);
    Painted idle = PaintOf(e);
    EXPECT_EQ(idle.darkLeft, 0);
    EXPECT_GT(idle.darkRight, 0);
    Focus(e); // the edit window draws itself, at the left
    Painted editing = PaintOf(e);
    EXPECT_GT(editing.darkLeft, 0);
}

TEST_F(DBEditEh, AnEmptyRequiredFieldIsMarkedWhileTheRecordIsEdited) {
    data->FieldByName("DES")->SetRequired(true);
    auto* e = Editor("DES");
    e->SetColor(clWhite);
    e->SetHighlightRequired(true);
    EXPECT_EQ(PaintOf(e).red, 0); // browsing
    data->Append();
    EXPECT_GT(PaintOf(e).red, 0);
    data->FieldByName("DES")->SetAsString("Panela");
    EXPECT_EQ(PaintOf(e).red, 0);
    data->Cancel();
    bool asked = false;
    e->OnCheckDrawRequiredState = [&](TObject*, bool& draw) {
        asked = true;
        draw = true;
    };
    EXPECT_GT(PaintOf(e).red, 0);
    EXPECT_TRUE(asked);
}

TEST_F(DBEditEh, ATextTooLongForTheBoxShowsAsATipBelowTheEditor) {
    auto* e = Editor(nullptr);
    e->SetTooltips(true);
    EXPECT_TRUE(e->TControl::ShowHint());
    auto ask = [&](THintInfo& info) { return e->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)); };
    e->SetText("corto");
    THintInfo info;
    EXPECT_NE(ask(info), 0); // fits: no tip, and no hint of its own
    e->SetText("Arroz blanco de grano largo en bolsa de quinientos gramos");
    THintInfo tip;
    EXPECT_EQ(ask(tip), 0);
    EXPECT_EQ(tip.HintStr, e->Text());
    EXPECT_EQ(tip.HintWindowClass, TToolTipsWindow::StaticClass());
    POINT corner = form->ClientToScreen({e->Left(), e->Top() + e->Height()});
    EXPECT_EQ(tip.HintPos.x, corner.x);
    EXPECT_EQ(tip.HintPos.y, corner.y);
    EXPECT_EQ(tip.HintData, e->Font());
    // The own ShowHint follows the parent's while ParentShowHint is on.
    e->SetShowHint(false);
    e->SetParentShowHint(true);
    form->SetShowHint(true);
    EXPECT_TRUE(e->ShowHint());
    EXPECT_TRUE(e->ParentShowHint());
    form->SetShowHint(false);
    EXPECT_FALSE(e->ShowHint());
    // The tip window measures in the editor's font.
    e->Font()->SetSize(20);
    TToolTipsWindow window(nullptr);
    RECT big = window.CalcHintRect(1000, "Arroz", e->Font());
    EXPECT_EQ(window.Font()->Size(), 20);
    EXPECT_GT(big.bottom - big.top, 20);
}

TEST_F(DBEditEh, AWrappingEditorShowsALongTextOnSeveralLinesAndPostsItWhole) {
    auto* e = Editor("DES");
    e->SetAutoSize(false);
    e->SetBounds(10, 40, 90, 80);
    auto style = [&] { return DWORD(GetWindowLong(e->Handle(), GWL_STYLE)); };
    EXPECT_FALSE(style() & ES_MULTILINE);
    e->SetAlignment(taCenter);
    EXPECT_FALSE(style() & ES_CENTER); // one line: the editor draws it aligned itself
    e->SetWordWrap(true);
    EXPECT_TRUE(style() & ES_MULTILINE);
    EXPECT_FALSE(style() & ES_AUTOHSCROLL);
    EXPECT_TRUE(style() & ES_CENTER);
    e->SetAlignment(taLeftJustify);
    EXPECT_FALSE(style() & (ES_CENTER | ES_RIGHT));

    Focus(e);
    TypeText("uno dos tres cuatro");
    PressKey(VK_RETURN); // no line break
    EXPECT_EQ(e->Text(), "uno dos tres cuatro");
    EXPECT_GE(SendMessage(e->Handle(), EM_GETLINECOUNT, 0, 0), 2);
    EXPECT_TRUE(e->TextFits());
    Focus(other);
    EXPECT_EQ(data->FieldByName("DES")->AsString(), "uno dos tres cuatro");
    // Back on one line the same text no longer fits the box.
    e->SetWordWrap(false);
    EXPECT_FALSE(style() & ES_MULTILINE);
    EXPECT_EQ(e->Text(), "uno dos tres cuatro");
    EXPECT_FALSE(e->TextFits());

    // A password stays on one line, where it shows as the password character.
    auto* secret = Editor(nullptr, 140);
    secret->SetPasswordChar(U'*');
    secret->SetWordWrap(true);
    EXPECT_FALSE(GetWindowLong(secret->Handle(), GWL_STYLE) & ES_MULTILINE);
}

class Holder : public TPanel, public IInplaceEditHolderEh {
public:
    using TPanel::TPanel;
    bool EditorCanModify(TWinControl*) override { return canModify; }
    bool GetLastMouseDown(POINT& p, DWORD& t) override {
        p = lastDown;
        t = lastTime;
        lastTime = 0;
        return false;
    }
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
        lastDown = ClientToScreen({x, y});
        lastTime = DWORD(GetMessageTime());
        TPanel::MouseDown(b, s, x, y);
    }
    POINT lastDown{};
    DWORD lastTime = 0;
    void FilterEditorMessage(TWinControl*, Message&) override {}
    void FilterEditorKeyDown(TWinControl*, WORD&, TShiftState) override {}
    void FilterEditorKeyPress(TWinControl*, char32_t& key) override {
        if (key == '#') key = 0;
    }
    void FilterEditorKeyUp(TWinControl*, WORD&, TShiftState) override {}
    bool canModify = true;
};

TEST_F(DBEditEh, AHolderFiltersKeysAndMayKeepTheEditorReadOnly) {
    auto* e = Editor("DES");
    auto* plain = new TPanel(form);
    EXPECT_THROW(e->SetInplaceEditHolder(plain), Exception);
    EXPECT_FALSE(e->InplaceMode());
    auto* holder = new Holder(form);
    holder->SetParent(form);
    e->SetInplaceEditHolder(holder);
    EXPECT_TRUE(e->InplaceMode());
    Focus(e);
    PressKey(VK_END);
    TypeText("#a");
    EXPECT_EQ(e->Text(), "Arroza");
    holder->canModify = false;
    e->SetReadOnly(false);
    TypeText("b");
    EXPECT_EQ(e->Text(), "Arroza");
    EXPECT_TRUE(WindowReadOnly(e));
    e->SetInplaceEditHolder(nullptr);
    EXPECT_FALSE(e->InplaceMode());
}

TEST_F(DBEditEh, InACellTheEditorShowsWhereTheHolderSaysAndHandsTheFocusBack) {
    auto* holder = new Holder(form);
    holder->SetParent(form);
    holder->SetBounds(10, 100, 300, 120);
    auto* e = new TDBEditEh(form);
    e->SetParent(holder);
    e->SetInplaceEditHolder(holder);
    e->HideFromCell();
    EXPECT_FALSE(IsWindowVisible(e->Handle()));
    Focus(holder);
    e->ShowInCell(RECT{5, 30, 125, 50}, false);
    ProcessPendingMessages();
    EXPECT_TRUE(IsWindowVisible(e->Handle()));
    EXPECT_EQ(e->Left(), 5);
    EXPECT_EQ(e->Top(), 30);
    EXPECT_EQ(e->Width(), 120);
    EXPECT_EQ(GetFocus(), e->Handle()); // the holder had it
    e->ShowInCell(RECT{0, 0, 0, 0}, true); // empty: hidden
    ProcessPendingMessages();
    EXPECT_FALSE(IsWindowVisible(e->Handle()));
    EXPECT_EQ(GetFocus(), holder->Handle());
    EXPECT_FALSE(e->Visible());
    e->SetFocus(); // hidden in a cell: no focus
    EXPECT_EQ(GetFocus(), holder->Handle());
    // Shown again, the editor takes the keys but the holder stays the form's
    // focused control.
    e->ShowInCell(RECT{5, 30, 125, 50}, false);
    ProcessPendingMessages();
    EXPECT_TRUE(e->Visible());
    EXPECT_EQ(GetFocus(), e->Handle());
    EXPECT_EQ(form->ActiveControl(), holder);
    // A press on the holder, then one on the editor close by, make a double click.
    int doubles = 0;
    e->OnDblClick = [&](TObject*) { ++doubles; };
    POINT p = At(holder, 7, 29);
    Click(p.x, p.y);
    p = At(e, 2, 0);
    Click(p.x, p.y);
    EXPECT_EQ(doubles, 1);
    e->SetVisible(false); // in a cell: leaves the cell
    EXPECT_FALSE(IsWindowVisible(e->Handle()));
    EXPECT_FALSE(e->Visible()); // one answer: the window's
    // Outside in-place mode it is simply placed.
    e->SetInplaceEditHolder(nullptr);
    e->PlaceInCell(RECT{1, 2, 51, 22});
    EXPECT_EQ(e->Left(), 1);
    EXPECT_EQ(e->Width(), 50);
}

} // namespace
} // namespace tvtest
