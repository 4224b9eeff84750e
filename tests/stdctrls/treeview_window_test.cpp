// The tree view window class through messages, the mouse, the keys and the
// wheel: nodes and their handles, expanding and collapsing, the selection
// and what the parent hears of them, scrolling.
#include "platform/controls/treeview.h"
#include "platform/window/scrollbar.h"
#include "windowfixture.h"

namespace tvtest {
namespace {

struct Heard {
    UINT code, action;
    HTREEITEM oldItem, newItem;
};

class TreeViewWindow : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        hook = [this](UINT m, WPARAM, LPARAM lp, LRESULT& r) {
            if (m != WM_NOTIFY) return false;
            auto* h = reinterpret_cast<NMHDR*>(lp);
            r = 0;
            if (h->code == TVN_SELCHANGED || h->code == TVN_ITEMEXPANDED || h->code == TVN_ITEMEXPANDING ||
                h->code == TVN_DELETEITEM || h->code == TVN_SELCHANGING) {
                auto* n = reinterpret_cast<NMTREEVIEW*>(lp);
                heard.push_back({h->code, n->action, n->itemOld.hItem, n->itemNew.hItem});
                if (h->code == TVN_ITEMEXPANDING && n->itemNew.hItem == refuse) r = TRUE;
            }
            return true;
        };
        tree = Child(WC_TREEVIEW, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | WS_BORDER, 10, 10, 220, 160);
    }
    HTREEITEM Add(HTREEITEM parent, const std::string& text, HTREEITEM after = TVI_LAST) {
        TVINSERTSTRUCT is;
        is.hParent = parent;
        is.hInsertAfter = after;
        is.item.mask = TVIF_TEXT;
        is.item.pszText = text;
        return reinterpret_cast<HTREEITEM>(SendMessage(tree, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&is)));
    }
    // Two groups of articles, the first with three, the second with two.
    void Fill() {
        granos = Add(TVI_ROOT, "Granos");
        arroz = Add(granos, "Arroz");
        frijol = Add(granos, "Fríjol");
        lenteja = Add(granos, "Lenteja");
        lacteos = Add(TVI_ROOT, "Lácteos");
        leche = Add(lacteos, "Leche");
        Add(lacteos, "Queso");
    }
    HTREEITEM Next(UINT flag, HTREEITEM from = nullptr) {
        return reinterpret_cast<HTREEITEM>(SendMessage(tree, TVM_GETNEXTITEM, flag, reinterpret_cast<LPARAM>(from)));
    }
    HTREEITEM Selected() { return Next(TVGN_CARET); }
    bool IsExpanded(HTREEITEM n) {
        TVITEM it;
        it.mask = TVIF_STATE;
        it.hItem = n;
        it.stateMask = TVIS_EXPANDED;
        SendMessage(tree, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&it));
        return it.state & TVIS_EXPANDED;
    }
    RECT Row(HTREEITEM n, bool label = false) {
        TVITEMRECT r;
        r.hItem = n;
        if (!SendMessage(tree, TVM_GETITEMRECT, label, reinterpret_cast<LPARAM>(&r))) ADD_FAILURE() << "not shown";
        return r.rc;
    }
    POINT LabelPoint(HTREEITEM n) {
        RECT r = Row(n, true);
        return ClientPointToScreen(tree, r.left + 4, (r.top + r.bottom) / 2);
    }
    // The button sits half an indent left of the label.
    POINT ButtonPoint(HTREEITEM n) {
        RECT r = Row(n, true);
        int indent = int(SendMessage(tree, TVM_GETINDENT, 0, 0));
        return ClientPointToScreen(tree, r.left - 2 - indent / 2, (r.top + r.bottom) / 2);
    }
    std::vector<UINT> Codes() const {
        std::vector<UINT> c;
        for (auto& h : heard) c.push_back(h.code);
        return c;
    }
    HWND tree = nullptr;
    HTREEITEM granos = nullptr, arroz = nullptr, frijol = nullptr, lenteja = nullptr, lacteos = nullptr,
              leche = nullptr, refuse = nullptr;
    std::vector<Heard> heard;
};

TEST_F(TreeViewWindow, NodesKeepTheirPlacesAndAGoneHandleIsRefused) {
    Fill();
    HTREEITEM first = Add(granos, "Avena", TVI_FIRST);
    HTREEITEM middle = Add(granos, "Garbanzo", frijol);
    std::vector<std::string> names;
    for (HTREEITEM n = Next(TVGN_CHILD, granos); n; n = Next(TVGN_NEXT, n)) {
        TVITEM it;
        it.mask = TVIF_TEXT;
        it.hItem = n;
        SendMessage(tree, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&it));
        names.push_back(it.pszText);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Avena", "Arroz", "Fríjol", "Garbanzo", "Lenteja"}));
    EXPECT_EQ(Next(TVGN_PARENT, middle), granos);
    EXPECT_EQ(Next(TVGN_ROOT), granos);
    EXPECT_EQ(Next(TVGN_NEXT, granos), lacteos);
    EXPECT_EQ(SendMessage(tree, TVM_GETCOUNT, 0, 0), 9);
    // Collapsed parents hide their children from the rows.
    EXPECT_EQ(Next(TVGN_NEXTVISIBLE, granos), lacteos);
    TVITEMRECT hidden;
    hidden.hItem = arroz;
    EXPECT_FALSE(SendMessage(tree, TVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&hidden)));
    // Deleting a node takes its children; their handles mean nothing after.
    EXPECT_TRUE(SendMessage(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(granos)));
    EXPECT_EQ(Codes().size(), 6u) << "one TVN_DELETEITEM per node";
    EXPECT_EQ(SendMessage(tree, TVM_GETCOUNT, 0, 0), 3);
    for (HTREEITEM gone : {granos, first, arroz}) {
        TVITEM it;
        it.mask = TVIF_TEXT;
        it.hItem = gone;
        EXPECT_FALSE(SendMessage(tree, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&it)));
        EXPECT_FALSE(SendMessage(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(gone)));
        EXPECT_EQ(Add(gone, "huérfano"), nullptr);
    }
    EXPECT_EQ(Add(lacteos, "x", arroz), nullptr) << "after a node that is not a sibling";
}

TEST_F(TreeViewWindow, TheMouseExpandsWithTheButtonAndSelectsTheLabel) {
    Fill();
    Click(ButtonPoint(granos).x, ButtonPoint(granos).y);
    EXPECT_TRUE(IsExpanded(granos));
    ASSERT_EQ(Codes(), (std::vector<UINT>{TVN_ITEMEXPANDING, TVN_ITEMEXPANDED}));
    EXPECT_EQ(heard[0].action, TVE_EXPAND);
    EXPECT_EQ(heard[0].newItem, granos);
    EXPECT_EQ(Selected(), nullptr) << "the button does not select";
    EXPECT_EQ(Next(TVGN_NEXTVISIBLE, granos), arroz);
    heard.clear();
    Click(LabelPoint(frijol).x, LabelPoint(frijol).y);
    EXPECT_EQ(Selected(), frijol);
    ASSERT_EQ(Codes(), (std::vector<UINT>{TVN_SELCHANGING, TVN_SELCHANGED}));
    EXPECT_EQ(heard[1].action, TVC_BYMOUSE);
    EXPECT_EQ(heard[1].newItem, frijol);
    // Collapsing the parent of the selection takes the selection to it.
    heard.clear();
    Click(ButtonPoint(granos).x, ButtonPoint(granos).y);
    EXPECT_FALSE(IsExpanded(granos));
    EXPECT_EQ(Selected(), granos);
    EXPECT_EQ(Codes(), (std::vector<UINT>{TVN_ITEMEXPANDING, TVN_SELCHANGED, TVN_ITEMEXPANDED}));
    // A double click on a label opens it; a parent may refuse an expansion.
    DoubleClick(LabelPoint(lacteos).x, LabelPoint(lacteos).y);
    EXPECT_TRUE(IsExpanded(lacteos));
    EXPECT_EQ(Selected(), lacteos);
    refuse = granos;
    heard.clear();
    Click(ButtonPoint(granos).x, ButtonPoint(granos).y);
    EXPECT_FALSE(IsExpanded(granos));
    EXPECT_EQ(Codes(), std::vector<UINT>{TVN_ITEMEXPANDING});
    // The program's own expansion asks nobody.
    heard.clear();
    EXPECT_TRUE(SendMessage(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(granos)));
    EXPECT_TRUE(IsExpanded(granos));
    EXPECT_TRUE(heard.empty());
}

TEST_F(TreeViewWindow, KeysWalkTheRowsAndOpenAndCloseNodes) {
    Fill();
    SetFocus(tree);
    PressKey(VK_DOWN);
    EXPECT_EQ(Selected(), granos) << "the first key takes the top row";
    PressKey(VK_RIGHT);
    EXPECT_TRUE(IsExpanded(granos));
    PressKey(VK_RIGHT);
    EXPECT_EQ(Selected(), arroz) << "Right on an open node goes to its first child";
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    EXPECT_EQ(Selected(), lenteja);
    PressKey(VK_LEFT);
    EXPECT_EQ(Selected(), granos) << "Left on a leaf goes to the parent";
    PressKey(VK_LEFT);
    EXPECT_FALSE(IsExpanded(granos)) << "and on an open node closes it";
    PressKey(VK_ADD);
    EXPECT_TRUE(IsExpanded(granos));
    PressKey(VK_SUBTRACT);
    EXPECT_FALSE(IsExpanded(granos));
    PressKey(VK_END);
    EXPECT_EQ(Selected(), lacteos);
    heard.clear();
    PressKey(VK_MULTIPLY);
    EXPECT_TRUE(IsExpanded(lacteos));
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back().code, TVN_ITEMEXPANDED);
    PressKey(VK_END);
    EXPECT_EQ(heard.back().code, TVN_SELCHANGED);
    EXPECT_EQ(heard.back().action, TVC_BYKEYBOARD);
    TypeText("l");
    EXPECT_EQ(Selected(), lacteos) << "a letter goes to the next row it begins";
    // Deleting the selection moves it, and the parent hears it before the node goes.
    PressKey(VK_HOME);
    heard.clear();
    SendMessage(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(granos));
    EXPECT_EQ(Selected(), lacteos);
    ASSERT_GE(heard.size(), 2u);
    EXPECT_EQ(heard[1].code, TVN_SELCHANGED);
    EXPECT_EQ(heard[1].newItem, lacteos);
}

TEST_F(TreeViewWindow, RowsScrollWithTheWheelTheBarAndTheSelection) {
    std::vector<HTREEITEM> roots;
    for (int i = 0; i < 40; ++i) roots.push_back(Add(TVI_ROOT, "Grupo " + std::to_string(i)));
    Add(roots[39], "Último");
    SetFocus(tree);
    POINT mid = ClientPointToScreen(tree, 50, 50);
    Wheel(mid.x, mid.y, -WHEEL_DELTA);
    EXPECT_EQ(Next(TVGN_FIRSTVISIBLE), roots[3]);
    SCROLLBARINFO bar;
    GetScrollBarInfo(tree, OBJID_VSCROLL, &bar);
    int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
    Click(x, bar.rcScrollBar.bottom - bar.dxyLineButton / 2);
    EXPECT_EQ(Next(TVGN_FIRSTVISIBLE), roots[4]);
    GetScrollBarInfo(tree, OBJID_VSCROLL, &bar);
    int thumb = bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2;
    Drag(x, thumb, x, bar.rcScrollBar.top - 40);
    EXPECT_EQ(Next(TVGN_FIRSTVISIBLE), roots[0]);
    // Opening a node below the page and going to its child brings it into view.
    PressKey(VK_END);
    PressKey(VK_RIGHT);
    PressKey(VK_RIGHT);
    TVITEM it;
    it.mask = TVIF_TEXT;
    it.hItem = Selected();
    SendMessage(tree, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&it));
    EXPECT_EQ(it.pszText, "Último");
    RECT c, r = Row(Selected());
    GetClientRect(tree, &c);
    EXPECT_GE(r.top, 0);
    EXPECT_LE(r.bottom, c.bottom);
    EXPECT_EQ(Next(TVGN_LASTVISIBLE), Selected());
}

} // namespace
} // namespace tvtest
