// The list view and header window classes through messages, the mouse, the
// keys and the wheel: items, columns and the header, selection and its
// notifications, scrolling in each view.
#include "platform/controls/header.h"
#include "platform/controls/listview.h"
#include "platform/gdi/dc.h"
#include "platform/window/paint.h"
#include "platform/window/rawinput.h"
#include "platform/window/scrollbar.h"
#include "platform/window/sysmetrics.h"
#include "windowfixture.h"

namespace tvtest {
namespace {

// A click with a key held down, as a hand gives it.
void ClickHolding(int vk, POINT p) {
    InjectKey(vk, true);
    QueueClick(p.x, p.y);
    InjectKey(vk, false);
    ProcessPendingMessages();
}

int PageOf(HWND wnd, int bar) {
    SCROLLINFO si;
    si.fMask = SIF_PAGE;
    GetScrollInfo(wnd, bar, &si);
    return int(si.nPage);
}

struct Heard {
    UINT code;
    int item, sub;
    UINT oldState, newState;
};

class ListViewWindow : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        hook = [this](UINT m, WPARAM, LPARAM lp, LRESULT& r) {
            if (m != WM_NOTIFY) return false;
            auto* h = reinterpret_cast<NMHDR*>(lp);
            if (h->code == LVN_ITEMCHANGED || h->code == LVN_COLUMNCLICK) {
                auto* n = reinterpret_cast<NMLISTVIEW*>(lp);
                heard.push_back({h->code, n->iItem, n->iSubItem, n->uOldState, n->uNewState});
            } else if (h->code == NM_CLICK || h->code == NM_DBLCLK) {
                heard.push_back({h->code, reinterpret_cast<NMITEMACTIVATE*>(lp)->iItem, 0, 0, 0});
            }
            r = 0;
            return true;
        };
    }
    // A report of `rows` articles under three columns.
    HWND Report(int rows, DWORD style = 0, int height = 150) {
        HWND lv = Child(WC_LISTVIEW, LVS_REPORT | WS_BORDER | style, 10, 10, 300, height);
        const char* captions[] = {"Código", "Descripción", "Precio"};
        for (int c = 0; c < 3; ++c) {
            LVCOLUMN col;
            col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
            col.pszText = captions[c];
            col.cx = c == 1 ? 140 : 70;
            col.fmt = c == 2 ? LVCFMT_RIGHT : LVCFMT_LEFT;
            SendMessage(lv, LVM_INSERTCOLUMN, WPARAM(c), reinterpret_cast<LPARAM>(&col));
        }
        for (int i = 0; i < rows; ++i) Add(lv, i, "A" + std::to_string(100 + i), "Artículo " + std::to_string(i));
        return lv;
    }
    static void Add(HWND lv, int i, const std::string& code, const std::string& name) {
        LVITEM it;
        it.mask = LVIF_TEXT;
        it.iItem = i;
        it.pszText = code;
        SendMessage(lv, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&it));
        it.iSubItem = 1;
        it.pszText = name;
        SendMessage(lv, LVM_SETITEMTEXT, WPARAM(i), reinterpret_cast<LPARAM>(&it));
    }
    static std::string TextOf(HWND lv, int i, int sub = 0) {
        LVITEM it;
        it.iSubItem = sub;
        SendMessage(lv, LVM_GETITEMTEXT, WPARAM(i), reinterpret_cast<LPARAM>(&it));
        return it.pszText;
    }
    static RECT ItemRect(HWND lv, int i, int part = LVIR_BOUNDS) {
        RECT r;
        r.left = part;
        SendMessage(lv, LVM_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    static POINT Centre(HWND wnd, const RECT& r) {
        return ClientPointToScreen(wnd, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    static int Selected(HWND lv) { return int(SendMessage(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED)); }
    static int Top(HWND lv) { return int(SendMessage(lv, LVM_GETTOPINDEX, 0, 0)); }
    std::vector<UINT> Codes() const {
        std::vector<UINT> c;
        for (auto& h : heard) c.push_back(h.code);
        return c;
    }
    std::vector<Heard> heard;
};

TEST_F(ListViewWindow, AReportKeepsItsColumnsInItsHeader) {
    HWND lv = Report(5);
    auto hdr = reinterpret_cast<HWND>(SendMessage(lv, LVM_GETHEADER, 0, 0));
    ASSERT_NE(hdr, nullptr);
    EXPECT_EQ(GetClassName(hdr), WC_HEADER);
    EXPECT_EQ(SendMessage(hdr, HDM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(TextOf(lv, 3), "A103");
    EXPECT_EQ(TextOf(lv, 3, 1), "Artículo 3");
    EXPECT_EQ(TextOf(lv, 3, 2), "") << "a sub-item never set is empty";
    // Rows start under the header, one item height apart.
    RECT hr, r0 = ItemRect(lv, 0), r1 = ItemRect(lv, 1);
    GetWindowRect(hdr, &hr);
    EXPECT_EQ(r0.top, hr.Height());
    EXPECT_EQ(r1.top, r0.bottom);
    EXPECT_EQ(r0.right - r0.left, 280) << "a row spans its columns";
    // A width set on the list reaches the header, and one the header takes comes back.
    SendMessage(lv, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(90, 0));
    RECT h0;
    SendMessage(hdr, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&h0));
    EXPECT_EQ(h0.Width(), 90);
    HDITEM hi;
    hi.mask = HDI_WIDTH;
    hi.cxy = 40;
    SendMessage(hdr, HDM_SETITEM, 2, reinterpret_cast<LPARAM>(&hi));
    EXPECT_EQ(SendMessage(lv, LVM_GETCOLUMNWIDTH, 2, 0), 40);
    // The display order is the header's; deleting a column keeps both in step.
    int order[] = {2, 0, 1};
    ASSERT_TRUE(SendMessage(lv, LVM_SETCOLUMNORDERARRAY, 3, reinterpret_cast<LPARAM>(order)));
    int back[3] = {};
    SendMessage(hdr, HDM_GETORDERARRAY, 3, reinterpret_cast<LPARAM>(back));
    EXPECT_EQ(std::vector<int>(back, back + 3), std::vector<int>({2, 0, 1}));
    int twice[] = {0, 0, 1};
    EXPECT_FALSE(SendMessage(lv, LVM_SETCOLUMNORDERARRAY, 3, reinterpret_cast<LPARAM>(twice)));
    SendMessage(lv, LVM_DELETECOLUMN, 1, 0);
    EXPECT_EQ(SendMessage(hdr, HDM_GETITEMCOUNT, 0, 0), 2);
    SendMessage(hdr, HDM_GETORDERARRAY, 2, reinterpret_cast<LPARAM>(back));
    EXPECT_EQ(std::vector<int>(back, back + 2), std::vector<int>({1, 0}));
    // Out of range asks are refused.
    RECT bad{};
    EXPECT_FALSE(SendMessage(lv, LVM_GETITEMRECT, 5, reinterpret_cast<LPARAM>(&bad)));
    EXPECT_FALSE(SendMessage(lv, LVM_DELETEITEM, WPARAM(-1), 0));
}

TEST_F(ListViewWindow, ClicksAndKeysSelectAndTellTheParent) {
    HWND lv = Report(40);
    Click(Centre(lv, ItemRect(lv, 2)).x, Centre(lv, ItemRect(lv, 2)).y);
    EXPECT_EQ(GetFocus(), lv);
    EXPECT_EQ(Selected(lv), 2);
    ASSERT_EQ(Codes(), (std::vector<UINT>{LVN_ITEMCHANGED, NM_CLICK}));
    EXPECT_EQ(heard[0].item, 2);
    EXPECT_EQ(heard[0].newState, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(heard[1].item, 2);
    heard.clear();
    PressKey(VK_DOWN);
    EXPECT_EQ(Selected(lv), 3);
    ASSERT_EQ(heard.size(), 2u) << "the old item loses, the new one takes";
    EXPECT_EQ(heard[0].item, 2);
    EXPECT_EQ(heard[0].newState, 0u);
    EXPECT_EQ(heard[1].item, 3);
    // Shift extends from the last item chosen; Ctrl+click adds one more.
    PressKey(VK_DOWN, true);
    PressKey(VK_DOWN, true);
    EXPECT_EQ(SendMessage(lv, LVM_GETSELECTEDCOUNT, 0, 0), 3);
    POINT p = Centre(lv, ItemRect(lv, 0));
    ClickHolding(VK_CONTROL, p);
    EXPECT_EQ(SendMessage(lv, LVM_GETSELECTEDCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessage(lv, LVM_GETITEMSTATE, 0, LVIS_SELECTED | LVIS_FOCUSED), LVIS_SELECTED | LVIS_FOCUSED);
    // End goes to the last item and shows it; a click below the items chooses none.
    PressKey(VK_END);
    EXPECT_EQ(Selected(lv), 39);
    EXPECT_EQ(SendMessage(lv, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_GT(Top(lv), 30);
    PressKey(VK_HOME);
    HWND single = Report(3, LVS_SINGLESEL, 150);
    MoveWindow(single, 320, 10, 260, 150, TRUE);
    RECT c;
    GetClientRect(single, &c);
    heard.clear();
    POINT below = ClientPointToScreen(single, 20, c.bottom - 5);
    Click(below.x, below.y);
    EXPECT_EQ(Selected(single), -1);
    ASSERT_EQ(Codes(), std::vector<UINT>{NM_CLICK});
    EXPECT_EQ(heard[0].item, -1);
    PressKey(VK_DOWN);
    PressKey(VK_DOWN, true);
    EXPECT_EQ(SendMessage(single, LVM_GETSELECTEDCOUNT, 0, 0), 1) << "a single-selection list never holds two";
    LVITEM chosen;
    chosen.mask = LVIF_TEXT | LVIF_STATE;
    chosen.state = chosen.stateMask = LVIS_SELECTED;
    chosen.iItem = 0;
    SendMessage(single, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&chosen));
    EXPECT_EQ(SendMessage(single, LVM_GETSELECTEDCOUNT, 0, 0), 1) << "nor when an item comes in chosen";
    EXPECT_EQ(Selected(single), 0);
    SendMessage(single, LVM_DELETEITEM, 0, 0);
    // Typing a letter goes to the next item starting with it.
    Add(single, 3, "Banano", "");
    TypeText("b");
    EXPECT_EQ(Selected(single), 3);
}

TEST_F(ListViewWindow, TheHeaderSizesColumnsAndReportsClicksOnCaptions) {
    HWND lv = Report(5);
    auto hdr = reinterpret_cast<HWND>(SendMessage(lv, LVM_GETHEADER, 0, 0));
    RECT h0;
    SendMessage(hdr, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&h0));
    POINT divider = ClientPointToScreen(hdr, h0.right - 1, h0.Height() / 2);
    Drag(divider.x, divider.y, divider.x + 30, divider.y);
    EXPECT_EQ(SendMessage(lv, LVM_GETCOLUMNWIDTH, 0, 0), 100);
    EXPECT_EQ(ItemRect(lv, 0).right - ItemRect(lv, 0).left, 310) << "the rows follow";
    Drag(divider.x + 30, divider.y, divider.x - 200, divider.y);
    EXPECT_EQ(SendMessage(lv, LVM_GETCOLUMNWIDTH, 0, 0), 0) << "never narrower than nothing";
    SendMessage(lv, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(70, 0));
    heard.clear();
    POINT caption = ClientPointToScreen(hdr, 70 + 60, h0.Height() / 2);
    Click(caption.x, caption.y);
    ASSERT_EQ(Codes(), std::vector<UINT>{LVN_COLUMNCLICK});
    EXPECT_EQ(heard[0].sub, 1);
    // A press that leaves the caption before the release is no click.
    heard.clear();
    Drag(caption.x, caption.y, caption.x, caption.y + 60);
    EXPECT_TRUE(heard.empty());
    // A double click on a divider fits the column to its widest text.
    DoubleClick(divider.x, divider.y);
    int fitted = int(SendMessage(lv, LVM_GETCOLUMNWIDTH, 0, 0));
    EXPECT_GT(fitted, 20);
    EXPECT_LT(fitted, 70);
    // Without sorting captions the header has no buttons to click.
    HWND plain = Report(2, LVS_NOSORTHEADER);
    MoveWindow(plain, 320, 10, 260, 150, TRUE);
    hdr = reinterpret_cast<HWND>(SendMessage(plain, LVM_GETHEADER, 0, 0));
    heard.clear();
    caption = ClientPointToScreen(hdr, 20, h0.Height() / 2);
    Click(caption.x, caption.y);
    EXPECT_TRUE(heard.empty());
}

TEST_F(ListViewWindow, AReportScrollsByRowsWithTheWheelTheBarAndItsOwnRequest) {
    HWND lv = Report(60);
    SetFocus(lv);
    POINT mid = Centre(lv, ItemRect(lv, 1));
    Wheel(mid.x, mid.y, -WHEEL_DELTA);
    EXPECT_EQ(Top(lv), 3) << "a notch is three rows";
    Wheel(mid.x, mid.y, 2 * WHEEL_DELTA);
    EXPECT_EQ(Top(lv), 0) << "never above the first";
    // The system's bar: its lower arrow is a row, and its range is the rows.
    SCROLLBARINFO bar;
    GetScrollBarInfo(lv, OBJID_VSCROLL, &bar);
    int barX = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
    Click(barX, bar.rcScrollBar.bottom - bar.dxyLineButton / 2);
    EXPECT_EQ(Top(lv), 1);
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    GetScrollInfo(lv, SB_VERT, &si);
    EXPECT_EQ(si.nMax, 59);
    EXPECT_EQ(si.nPos, 1);
    int page = int(SendMessage(lv, LVM_GETCOUNTPERPAGE, 0, 0));
    EXPECT_EQ(si.nPage, UINT(page));
    GetScrollBarInfo(lv, OBJID_VSCROLL, &bar);
    int thumb = bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2;
    Drag(barX, thumb, barX, bar.rcScrollBar.bottom + 50);
    EXPECT_EQ(Top(lv), 60 - page) << "the thumb stops at the last page";
    // LVM_SCROLL rounds pixels to whole rows; sideways it scrolls pixels and the header follows.
    int rowH = ItemRect(lv, 1).top - ItemRect(lv, 0).top;
    SendMessage(lv, LVM_SCROLL, 0, -(2 * rowH + rowH / 3));
    EXPECT_EQ(Top(lv), 60 - page - 2);
    SendMessage(lv, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(400, 0));
    auto hdr = reinterpret_cast<HWND>(SendMessage(lv, LVM_GETHEADER, 0, 0));
    RECT before, after;
    GetWindowRect(hdr, &before);
    SendMessage(lv, LVM_SCROLL, 25, 0);
    GetWindowRect(hdr, &after);
    EXPECT_EQ(before.left - after.left, 25);
    EXPECT_EQ(GetScrollPos(lv, SB_HORZ), 25);
    EXPECT_EQ(ItemRect(lv, 0).left, -25);
    PressKey(VK_LEFT);
    EXPECT_LT(GetScrollPos(lv, SB_HORZ), 25) << "Left scrolls a report sideways";
}

TEST_F(ListViewWindow, EachViewPlacesAndFindsItsItems) {
    struct Case {
        DWORD view;
        const char* name;
    } cases[] = {{LVS_ICON, "icons"}, {LVS_SMALLICON, "small icons"}, {LVS_LIST, "list"}, {LVS_REPORT, "report"}};
    for (const Case& c : cases) {
        HWND lv = Report(150, 0, 160);
        SetWindowLong(lv, GWL_STYLE, (GetWindowLong(lv, GWL_STYLE) & ~LVS_TYPEMASK) | c.view);
        for (int i : {0, 7, 12}) {
            RECT label = ItemRect(lv, i, LVIR_LABEL);
            LVHITTESTINFO h;
            h.pt = {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
            SendMessage(lv, LVM_ENSUREVISIBLE, WPARAM(i), FALSE);
            label = ItemRect(lv, i, LVIR_LABEL);
            h.pt = {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
            EXPECT_EQ(SendMessage(lv, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&h)), i) << c.name;
            EXPECT_EQ(h.flags, LVHT_ONITEMLABEL) << c.name;
        }
        auto hdr = reinterpret_cast<HWND>(SendMessage(lv, LVM_GETHEADER, 0, 0));
        EXPECT_EQ(bool(IsWindowVisible(hdr)), c.view == LVS_REPORT) << c.name;
        // The list view scrolls sideways by whole columns, the icon views down by pixels.
        SendMessage(lv, LVM_ENSUREVISIBLE, 0, FALSE);
        if (c.view == LVS_LIST) {
            int perColumn = int(SendMessage(lv, LVM_GETCOUNTPERPAGE, 0, 0)) / std::max(1, PageOf(lv, SB_HORZ));
            SendMessage(lv, LVM_SCROLL, 1, 0);
            EXPECT_EQ(Top(lv), perColumn) << c.name;
        } else if (c.view != LVS_REPORT) {
            int before = ItemRect(lv, 0).top;
            SendMessage(lv, LVM_SCROLL, 0, 7);
            EXPECT_EQ(ItemRect(lv, 0).top, before - 7) << c.name;
        }
        DestroyWindow(lv);
    }
}

} // namespace
} // namespace tvtest
