// Clicks into the standard controls, queued as a person's hand gives them and
// taken by the application's loop: the control's own window procedure gets
// them, so it takes the focus, moves its caret or drops its list.
#include "formfixture.h"
#include "framework/ui/stdctrls/combobox.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/listbox.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class ClickRouting : public FormTest {
protected:
    template <class T>
    T* Make(int top, int height = 24) {
        auto* c = new T(form);
        c->SetParent(form);
        c->SetBounds(10, top, 200, height);
        return c;
    }
    static void ClickAt(TControl* c, int x, int y) {
        POINT p = c->ClientToScreen({x, y});
        QueueClick(p.x, p.y);
        Application->ProcessMessages();
    }
};

TEST_F(ClickRouting, AClickFocusesAnEditAndPlacesItsCaret) {
    auto* user = Make<TEdit>(10);
    auto* company = Make<TEdit>(40);
    int clicks = 0, downs = 0;
    company->OnClick = [&](TObject*) { ++clicks; };
    company->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
        // The control's own handling comes first: it already has the focus.
        EXPECT_TRUE(company->Focused());
        ++downs;
    };
    Focus(user);
    QueueText("ana");
    Application->ProcessMessages();
    ClickAt(company, 5, 5);
    QueueText("001");
    Application->ProcessMessages();
    EXPECT_EQ(user->Text(), "ana");
    EXPECT_EQ(company->Text(), "001");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downs, 1);

    // A click at the start of the text puts the caret there; the release ends
    // the edit's own selection tracking.
    ClickAt(company, 2, 5);
    EXPECT_EQ(company->SelStart(), 0);
    EXPECT_EQ(company->SelLength(), 0);
    EXPECT_EQ(GetCapture(), nullptr);
    QueueText("9");
    Application->ProcessMessages();
    EXPECT_EQ(company->Text(), "9001");
}

TEST_F(ClickRouting, AClickFocusesAListBoxAndChoosesTheItemOnce) {
    auto* edit = Make<TEdit>(10);
    auto* list = Make<TListBox>(40, 120);
    for (const char* s : {"uno", "dos", "tres"}) list->Items()->Add(s);
    int clicks = 0, doubles = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    list->OnDblClick = [&](TObject*) { ++doubles; };
    Focus(edit);
    int itemH = list->ItemRect(0).Height();
    ClickAt(list, 5, itemH + itemH / 2);
    EXPECT_TRUE(list->Focused());
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(clicks, 1) << "the selection's click, not a second one from the mouse";
    POINT p = list->ClientToScreen({5, 2 * itemH + itemH / 2});
    QueueDoubleClick(p.x, p.y);
    Application->ProcessMessages();
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(doubles, 1);
}

TEST_F(ClickRouting, TheArrowOfAComboDropsItsListUntilAnItemIsChosen) {
    auto* edit = Make<TEdit>(10);
    for (TComboBoxStyle style : {csDropDownList, csDropDown}) {
        SCOPED_TRACE(int(style));
        auto* combo = Make<TComboBox>(40);
        combo->SetStyle(style);
        for (const char* s : {"localhost:/srv/a", "localhost:/srv/b", "/srv/c"}) combo->Items()->Add(s);
        combo->SetItemIndex(0);
        int changes = 0;
        combo->OnChange = [&](TObject*) { ++changes; };
        Focus(edit);
        ClickAt(combo, combo->Width() - 6, combo->Height() / 2);
        EXPECT_TRUE(combo->DroppedDown()) << "still open after the button's release";
        EXPECT_EQ(GetFocus() == combo->Handle() || IsChild(combo->Handle(), GetFocus()), true);
        RECT r;
        SendMessage(combo->Handle(), 0x0152 /* CB_GETDROPPEDCONTROLRECT */, 0, reinterpret_cast<LPARAM>(&r));
        int itemH = int(SendMessage(combo->Handle(), 0x0154 /* CB_GETITEMHEIGHT */, 0, 0));
        // The list hangs under the box: its third item.
        POINT item{r.left + 10, combo->ClientToScreen({0, combo->Height()}).y + 2 * itemH + itemH / 2};
        QueueClick(item.x, item.y);
        Application->ProcessMessages();
        EXPECT_FALSE(combo->DroppedDown());
        EXPECT_EQ(combo->Text(), "/srv/c");
        EXPECT_EQ(changes, 1);
        delete combo;
    }
}

} // namespace
} // namespace tvtest
