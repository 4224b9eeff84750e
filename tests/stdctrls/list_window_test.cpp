// The list box and combo box window classes through messages, keyboard and mouse.
#include "platform/controls/combobox.h"
#include "platform/controls/edit.h"
#include "platform/controls/listbox.h"
#include "platform/controls/ownerdraw.h"
#include "platform/window/paint.h"
#include "windowfixture.h"

namespace tvtest {
namespace {

std::string ItemText(HWND lb, int i, UINT msg = LB_GETTEXT) {
    std::string t;
    SendMessage(lb, msg, WPARAM(i), reinterpret_cast<LPARAM>(&t));
    return t;
}

void Add(HWND w, std::initializer_list<const char*> items, UINT msg = LB_ADDSTRING) {
    for (const char* s : items) SendMessage(w, msg, 0, reinterpret_cast<LPARAM>(s));
}

using ListWindow = ControlTest;

TEST_F(ListWindow, SortedListOrdersSpanishTextAndFindsByPrefix) {
    HWND lb = Child(WC_LISTBOX, LBS_NOTIFY | LBS_SORT | WS_VSCROLL, 10, 10, 150, 120);
    Add(lb, {"Zapato", "nube", "árbol", "ñame", "Banano", "banca"});
    std::vector<std::string> got;
    for (int i = 0; i < SendMessage(lb, LB_GETCOUNT, 0, 0); ++i) got.push_back(ItemText(lb, i));
    EXPECT_EQ(got, (std::vector<std::string>{"árbol", "Banano", "banca", "nube", "ñame", "Zapato"}));
    // Prefix search ignores case and wraps around from the start index.
    EXPECT_EQ(SendMessage(lb, LB_FINDSTRING, WPARAM(-1), reinterpret_cast<LPARAM>("BAN")), 1);
    EXPECT_EQ(SendMessage(lb, LB_FINDSTRING, 1, reinterpret_cast<LPARAM>("ban")), 2);
    EXPECT_EQ(SendMessage(lb, LB_FINDSTRING, 2, reinterpret_cast<LPARAM>("ban")), 1);
    EXPECT_EQ(SendMessage(lb, LB_FINDSTRING, WPARAM(-1), reinterpret_cast<LPARAM>("x")), LB_ERR);
    EXPECT_EQ(SendMessage(lb, LB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>("ÑAME")), 4);
    EXPECT_EQ(SendMessage(lb, LB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>("nu")), 3);
    EXPECT_EQ(SendMessage(lb, LB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(CountCode(lb, LBN_SELCHANGE), 0u); // selection by the program says nothing
    // Inserting at a place is never sorted; deleting keeps the selection on its item.
    SendMessage(lb, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("zz primero"));
    EXPECT_EQ(ItemText(lb, 0), "zz primero");
    EXPECT_EQ(SendMessage(lb, LB_GETCURSEL, 0, 0), 4);
    SendMessage(lb, LB_DELETESTRING, 0, 0);
    EXPECT_EQ(SendMessage(lb, LB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(SendMessage(lb, LB_GETTEXT, 99, 0), LB_ERR);
}

TEST_F(ListWindow, KeyboardAndMouseSelectAndNotify) {
    HWND lb = Child(WC_LISTBOX, LBS_NOTIFY | WS_VSCROLL, 10, 10, 150, 60);
    Add(lb, {"uno", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho"});
    SetFocus(lb);
    PressKey(VK_DOWN);
    EXPECT_EQ(SendMessage(lb, LB_GETCURSEL, 0, 0), 0);
    PressKey(VK_END);
    EXPECT_EQ(SendMessage(lb, LB_GETCURSEL, 0, 0), 7);
    EXPECT_GT(SendMessage(lb, LB_GETTOPINDEX, 0, 0), 0); // scrolled to show it
    TypeText("t");
    EXPECT_EQ(SendMessage(lb, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(CountCode(lb, LBN_SELCHANGE), 3u);
    SendMessage(lb, LB_SETTOPINDEX, 0, 0);
    RECT r;
    SendMessage(lb, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
    POINT p = ClientPointToScreen(lb, 5, r.top + 2);
    DoubleClick(p.x, p.y);
    EXPECT_EQ(SendMessage(lb, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(CountCode(lb, LBN_DBLCLK), 1u);
    LRESULT hit = SendMessage(lb, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, r.top + 2));
    EXPECT_EQ(LOWORD(hit), 1);
    EXPECT_EQ(HIWORD(hit), 0);
}

TEST_F(ListWindow, ExtendedSelectionTakesRangesAndToggles) {
    HWND lb = Child(WC_LISTBOX, LBS_NOTIFY | LBS_EXTENDEDSEL, 10, 10, 150, 200);
    Add(lb, {"a", "b", "c", "d", "e"});
    auto click = [&](int i, bool shift, bool ctrl) {
        RECT r;
        SendMessage(lb, LB_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&r));
        SendMessage(lb, WM_LBUTTONDOWN, (shift ? MK_SHIFT : 0) | (ctrl ? MK_CONTROL : 0) | MK_LBUTTON,
                    MAKELPARAM(3, r.top + 1));
        SendMessage(lb, WM_LBUTTONUP, 0, MAKELPARAM(3, r.top + 1));
    };
    click(1, false, false);
    click(3, true, false);
    EXPECT_EQ(SendMessage(lb, LB_GETSELCOUNT, 0, 0), 3);
    click(2, false, true);
    int sel[5] = {};
    ASSERT_EQ(SendMessage(lb, LB_GETSELITEMS, 5, reinterpret_cast<LPARAM>(sel)), 2);
    EXPECT_EQ(sel[0], 1);
    EXPECT_EQ(sel[1], 3);
    EXPECT_EQ(SendMessage(lb, LB_SETCURSEL, 0, 0), LB_ERR); // single selection only
}

TEST_F(ListWindow, OwnerDrawnItemsAreMeasuredAndDrawnByTheParent) {
    std::vector<UINT> drawn;
    UINT selectedDrawn = UINT(-1);
    hook = [&](UINT m, WPARAM, LPARAM lp, LRESULT& r) {
        if (m == WM_MEASUREITEM) {
            auto* mi = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
            mi->itemHeight = 10 + mi->itemID * 5;
            r = TRUE;
            return true;
        }
        if (m == WM_DRAWITEM) {
            auto* di = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
            EXPECT_EQ(di->CtlType, ODT_LISTBOX_ITEM);
            EXPECT_EQ(di->rcItem.Height(), LONG(10 + di->itemID * 5));
            drawn.push_back(di->itemID);
            if (di->itemState & ODS_SELECTED) selectedDrawn = di->itemID;
            r = TRUE;
            return true;
        }
        return false;
    };
    HWND lb = Child(WC_LISTBOX, LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 10, 10, 150, 200);
    Add(lb, {"a", "b", "c", "d"});
    SendMessage(lb, LB_SETCURSEL, 2, 0);
    RECT r;
    SendMessage(lb, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r.top, 10 + 15);
    UpdateWindow(lb);
    EXPECT_EQ(drawn, (std::vector<UINT>{0, 1, 2, 3}));
    EXPECT_EQ(selectedDrawn, 2u);
    // A virtual list has a count and no strings.
    HWND virt = Child(WC_LISTBOX, LBS_OWNERDRAWFIXED | LBS_NODATA, 200, 10, 150, 100, "", 9);
    SendMessage(virt, LB_SETCOUNT, 1000, 0);
    EXPECT_EQ(SendMessage(virt, LB_GETCOUNT, 0, 0), 1000);
    EXPECT_EQ(SendMessage(virt, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("x")), LB_ERR);
    SendMessage(virt, LB_SETCURSEL, 999, 0);
    EXPECT_GT(SendMessage(virt, LB_GETTOPINDEX, 0, 0), 900);
}

class ComboWindow : public ControlTest {
protected:
    HWND Combo(DWORD kind) {
        HWND c = Child(WC_COMBOBOX, kind | WS_VSCROLL, 20, 20, 160, 24);
        Add(c, {"COM1", "COM2", "COM3", "Banano"}, CB_ADDSTRING);
        return c;
    }
    HWND List(HWND combo) {
        COMBOBOXINFO ci;
        SendMessage(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&ci));
        return ci.hwndList;
    }
};

TEST_F(ComboWindow, DropDownListWorksFromTheKeyboardWithoutTakingTheFocus) {
    HWND c = Combo(CBS_DROPDOWNLIST);
    SetFocus(c);
    PressKey(VK_DOWN);
    EXPECT_EQ(SendMessage(c, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Text(c), "COM1");
    EXPECT_EQ(CountCode(c, CBN_SELCHANGE), 1u);
    PressKey(VK_F4);
    EXPECT_TRUE(SendMessage(c, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_TRUE(IsWindowVisible(List(c)));
    EXPECT_EQ(GetFocus(), c); // the list never takes it
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    EXPECT_EQ(Text(c), "COM3");
    PressKey(VK_RETURN);
    EXPECT_FALSE(SendMessage(c, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_FALSE(IsWindowVisible(List(c)));
    EXPECT_EQ(Text(c), "COM3");
    std::vector<WORD> codes = Codes(c);
    EXPECT_NE(std::find(codes.begin(), codes.end(), CBN_DROPDOWN), codes.end());
    EXPECT_EQ(codes.back(), CBN_CLOSEUP);
    EXPECT_EQ(CountCode(c, CBN_SELENDOK), 1u);
    // Esc while dropped puts the selection back.
    PressKey(VK_DOWN, false, false, true); // Alt+Down
    EXPECT_TRUE(SendMessage(c, CB_GETDROPPEDSTATE, 0, 0));
    PressKey(VK_UP);
    EXPECT_EQ(Text(c), "COM2");
    PressKey(VK_ESCAPE);
    EXPECT_EQ(Text(c), "COM3");
    EXPECT_EQ(CountCode(c, CBN_SELENDCANCEL), 1u);
    // A typed letter picks the next item that starts with it.
    TypeText("b");
    EXPECT_EQ(Text(c), "Banano");
}

TEST_F(ComboWindow, ClickOutsideClosesTheListAndAClickOnAnItemPicksIt) {
    HWND c = Combo(CBS_DROPDOWNLIST);
    HWND other = Child(WC_EDIT, 0, 300, 20, 100, 24, "", 8);
    SendMessage(c, CB_SETCURSEL, 1, 0);
    POINT p = ClientPointToScreen(c, 80, 10);
    Click(p.x, p.y);
    ASSERT_TRUE(SendMessage(c, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(GetFocus(), c);
    // An item of the dropped list.
    HWND list = List(c);
    RECT r;
    SendMessage(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
    POINT ip = ClientPointToScreen(list, 10, r.top + 2);
    Click(ip.x, ip.y);
    EXPECT_FALSE(SendMessage(c, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(SendMessage(c, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(CountCode(c, CBN_SELCHANGE), 1u);
    // Dropped again, a click elsewhere closes it and changes nothing.
    Click(p.x, p.y);
    ASSERT_TRUE(SendMessage(c, CB_GETDROPPEDSTATE, 0, 0));
    POINT op = ClientPointToScreen(other, 10, 10);
    Click(op.x, op.y);
    ProcessPendingMessages();
    EXPECT_FALSE(SendMessage(c, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(SendMessage(c, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(CountCode(c, CBN_SELENDCANCEL), 1u);
}

TEST_F(ComboWindow, DropDownWithAnEditTypesAndFollowsTheList) {
    HWND c = Combo(CBS_DROPDOWN);
    SetFocus(c);
    TypeText("COM9");
    EXPECT_EQ(Text(c), "COM9");
    EXPECT_EQ(CountCode(c, CBN_EDITCHANGE), 4u);
    EXPECT_EQ(SendMessage(c, CB_GETCURSEL, 0, 0), CB_ERR);
    PressKey(VK_DOWN); // from the edit, the arrow walks the list
    EXPECT_EQ(Text(c), "COM1");
    EXPECT_EQ(SendMessage(c, CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>("ban")), 3);
    EXPECT_EQ(Text(c), "Banano");
    SendMessage(c, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessage(c, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(Text(c), "");
}

} // namespace
} // namespace tvtest
