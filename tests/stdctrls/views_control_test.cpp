// TListView and TTreeView on a form, driven through the input queue: their
// columns, items and nodes, the events a person's clicks, keys and wheel
// raise, and what survives their window being made again.
#include "formfixture.h"
#include "framework/ui/listview.h"
#include "framework/ui/treeview.h"
#include "platform/controls/header.h"
#include "platform/controls/listview.h"
#include "platform/window/scrollbar.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class ViewsControl : public FormTest {
protected:
    static void Run() { Application->ProcessMessages(); }
    static POINT Screen(TControl* c, int x, int y) { return c->ClientToScreen(POINT{x, y}); }
    static void ClickAt(POINT p) {
        QueueClick(p.x, p.y);
        Run();
    }
    static void Key(int vk, bool shift = false) {
        QueueKey(vk, shift);
        Run();
    }
    // The articles of a price list in a report.
    TListView* Articles(int rows) {
        auto* lv = new TListView(form);
        lv->SetParent(form);
        lv->SetBounds(10, 10, 320, 160);
        lv->SetViewStyle(vsReport);
        for (const char* caption : {"Código", "Descripción"}) {
            TListColumn* c = lv->Columns()->Add();
            c->SetCaption(caption);
            c->SetWidth(caption[0] == 'C' ? 80 : 150);
        }
        for (int i = 0; i < rows; ++i) {
            TListItem* it = lv->Items()->Add();
            it->SetCaption("A" + std::to_string(100 + i));
            it->SubItems()->Add("Artículo " + std::to_string(i));
        }
        return lv;
    }
};

TEST_F(ViewsControl, AListViewKeepsItsColumnsItemsAndSelectionAcrossItsWindow) {
    TListView* lv = Articles(30);
    std::vector<std::string> changes;
    lv->OnChange = [&](TObject*, TListItem* item, TItemChange change) {
        if (change == ctState) changes.push_back(item->Caption() + (item->Selected() ? "+" : "-"));
    };
    Run();
    // A click on a row selects its item and says so once per item touched.
    RECT r = lv->Items()->Item(4)->DisplayRect();
    ClickAt(Screen(lv, r.left + 30, (r.top + r.bottom) / 2));
    EXPECT_EQ(lv->Selected(), lv->Items()->Item(4));
    EXPECT_EQ(changes, std::vector<std::string>{"A104+"});
    Key(VK_DOWN);
    EXPECT_EQ(lv->ItemIndex(), 5);
    EXPECT_EQ(changes.back(), "A105+");
    // The user widens the first column on the header.
    auto hdr = reinterpret_cast<HWND>(SendMessage(lv->Handle(), LVM_GETHEADER, 0, 0));
    RECT h0;
    SendMessage(hdr, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&h0));
    POINT divider = ClientPointToScreen(hdr, h0.right - 1, h0.Height() / 2);
    QueueDrag(divider.x, divider.y, divider.x + 25, divider.y);
    Run();
    EXPECT_EQ(lv->Columns()->Items(0)->Width(), 105);
    // Texts changed later reach the window; the window made again keeps everything.
    lv->Items()->Item(2)->SubItems()->Clear();
    lv->Items()->Item(2)->SubItems()->Add("Arroz blanco");
    lv->Columns()->Items(1)->SetCaption("Nombre");
    changes.clear();
    lv->SetMultiSelect(true);
    EXPECT_TRUE(changes.empty()) << "refilling the window is no change";
    EXPECT_EQ(lv->ItemIndex(), 5);
    EXPECT_EQ(lv->Columns()->Items(0)->Width(), 105);
    LVITEM it;
    it.iSubItem = 1;
    SendMessage(lv->Handle(), LVM_GETITEMTEXT, 2, reinterpret_cast<LPARAM>(&it));
    EXPECT_EQ(it.pszText, "Arroz blanco");
    HDITEM hi;
    hi.mask = HDI_TEXT;
    hdr = reinterpret_cast<HWND>(SendMessage(lv->Handle(), LVM_GETHEADER, 0, 0));
    SendMessage(hdr, HDM_GETITEM, 1, reinterpret_cast<LPARAM>(&hi));
    EXPECT_EQ(hi.pszText, "Nombre");
    Key(VK_DOWN, true);
    EXPECT_EQ(lv->SelCount(), 2) << "now several may be chosen";
    // Deleting an item takes it out of the window too.
    lv->Items()->Item(0)->Delete();
    EXPECT_EQ(SendMessage(lv->Handle(), LVM_GETITEMCOUNT, 0, 0), 29);
    EXPECT_EQ(lv->ItemIndex(), 4);
    EXPECT_THROW(lv->Items()->Item(29), EListError);
}

TEST_F(ViewsControl, AListViewsClicksCaptionsWheelAndColoursReachTheControl) {
    TListView* lv = Articles(40);
    int clicks = 0, doubles = 0;
    TListColumn* clicked = nullptr;
    lv->OnClick = [&](TObject*) { ++clicks; };
    lv->OnDblClick = [&](TObject*) { ++doubles; };
    lv->OnColumnClick = [&](TObject*, TListColumn* c) { clicked = c; };
    Run();
    RECT r = lv->Items()->Item(1)->DisplayRect();
    ClickAt(Screen(lv, 20, (r.top + r.bottom) / 2));
    EXPECT_EQ(clicks, 1);
    QueueDoubleClick(Screen(lv, 20, (r.top + r.bottom) / 2).x, Screen(lv, 20, (r.top + r.bottom) / 2).y);
    Run();
    EXPECT_EQ(doubles, 1);
    auto hdr = reinterpret_cast<HWND>(SendMessage(lv->Handle(), LVM_GETHEADER, 0, 0));
    ClickAt(ClientPointToScreen(hdr, 120, 5));
    EXPECT_EQ(clicked, lv->Columns()->Items(1));
    QueueWheel(Screen(lv, 50, 80).x, Screen(lv, 50, 80).y, -2 * WHEEL_DELTA);
    Run();
    EXPECT_EQ(lv->TopItem(), lv->Items()->Item(6));
    // The scroll bar's lower arrow moves one row.
    SCROLLBARINFO bar;
    GetScrollBarInfo(lv->Handle(), OBJID_VSCROLL, &bar);
    ClickAt({(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2, bar.rcScrollBar.bottom - bar.dxyLineButton / 2});
    EXPECT_EQ(lv->TopItem(), lv->Items()->Item(7));
    lv->SetColor(clInfoBk);
    lv->Font()->SetColor(clMaroon);
    EXPECT_EQ(COLORREF(SendMessage(lv->Handle(), LVM_GETBKCOLOR, 0, 0)), ColorToRGB(clInfoBk));
    EXPECT_EQ(COLORREF(SendMessage(lv->Handle(), LVM_GETTEXTCOLOR, 0, 0)), ColorToRGB(clMaroon));
    lv->SetViewStyle(vsList);
    EXPECT_FALSE(IsWindowVisible(hdr)) << "only a report shows the header";
    EXPECT_EQ(lv->Columns()->Count(), 2);
}

class TreeControl : public ViewsControl {
protected:
    TTreeView* Groups() {
        auto* t = new TTreeView(form);
        t->SetParent(form);
        t->SetBounds(10, 10, 220, 160);
        granos = t->Items()->AddChild(nullptr, "Granos");
        arroz = t->Items()->AddChild(granos, "Arroz");
        t->Items()->AddChild(granos, "Fríjol");
        lacteos = t->Items()->Add(granos, "Lácteos");
        t->Items()->AddChild(lacteos, "Leche");
        return t;
    }
    POINT Label(TTreeView* t, TTreeNode* n) {
        RECT r = n->DisplayRect(true);
        return Screen(t, r.left + 4, (r.top + r.bottom) / 2);
    }
    POINT Button(TTreeView* t, TTreeNode* n) {
        RECT r = n->DisplayRect(true);
        return Screen(t, r.left - 2 - t->Indent() / 2, (r.top + r.bottom) / 2);
    }
    TTreeNode *granos = nullptr, *arroz = nullptr, *lacteos = nullptr;
};

TEST_F(TreeControl, NodesOpenCloseAndSelectByHandAndByProgram) {
    TTreeView* t = Groups();
    std::vector<std::string> log;
    t->OnChange = [&](TObject*, TTreeNode* n) { log.push_back("sel " + (n ? n->Text() : std::string("-"))); };
    t->OnExpanded = [&](TObject*, TTreeNode* n) { log.push_back("open " + n->Text()); };
    t->OnCollapsed = [&](TObject*, TTreeNode* n) { log.push_back("close " + n->Text()); };
    Run();
    EXPECT_EQ(t->Items()->Count(), 5);
    EXPECT_EQ(t->Items()->Item(3), lacteos) << "counted in the order of the tree";
    ClickAt(Button(t, granos));
    EXPECT_TRUE(granos->Expanded());
    ClickAt(Label(t, arroz));
    EXPECT_EQ(t->Selected(), arroz);
    Key(VK_LEFT);
    Key(VK_LEFT);
    EXPECT_FALSE(granos->Expanded());
    Key(VK_DOWN);
    Key(VK_RIGHT);
    EXPECT_EQ(log, (std::vector<std::string>{"open Granos", "sel Arroz", "sel Granos", "close Granos", "sel Lácteos",
                                             "open Lácteos"}));
    // The program's own opening tells the control's events as well.
    log.clear();
    granos->Expand(false);
    EXPECT_EQ(log, std::vector<std::string>{"open Granos"});
    // The window made again keeps what was open and what was chosen.
    t->RecreateWnd();
    Run();
    EXPECT_TRUE(granos->Expanded());
    EXPECT_TRUE(lacteos->Expanded());
    EXPECT_EQ(t->Selected(), lacteos);
    EXPECT_EQ(t->GetNodeAt(Label(t, arroz).x - t->ClientOrigin().x, Label(t, arroz).y - t->ClientOrigin().y), arroz);
    // Deleting the chosen node chooses another, and its handle goes with it.
    log.clear();
    lacteos->Delete();
    EXPECT_EQ(t->Selected(), granos);
    EXPECT_EQ(log, std::vector<std::string>{"sel Granos"});
    EXPECT_EQ(t->Items()->Count(), 3);
    EXPECT_EQ(SendMessage(t->Handle(), TVM_GETCOUNT, 0, 0), 3);
    t->Items()->Clear();
    EXPECT_EQ(t->Selected(), nullptr);
    EXPECT_EQ(SendMessage(t->Handle(), TVM_GETCOUNT, 0, 0), 0);
}

TEST_F(TreeControl, ATreeScrollsWithTheWheelAndTheBar) {
    TTreeView* t = Groups();
    TTreeNode* last = nullptr;
    for (int i = 0; i < 30; ++i) last = t->Items()->AddChild(arroz, "Variedad " + std::to_string(i));
    granos->Expand(false);
    arroz->Expand(false);
    Focus(t);
    EXPECT_EQ(t->TopItem(), granos);
    QueueWheel(Screen(t, 50, 50).x, Screen(t, 50, 50).y, -WHEEL_DELTA);
    Run();
    EXPECT_EQ(t->TopItem(), arroz->Item(1)) << "three rows further";
    SCROLLBARINFO bar;
    GetScrollBarInfo(t->Handle(), OBJID_VSCROLL, &bar);
    int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
    QueueDrag(x, bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2, x, bar.rcScrollBar.bottom + 40);
    Run();
    RECT c = t->ClientRect(), r = t->Items()->Item(t->Items()->Count() - 1)->DisplayRect(false);
    EXPECT_LE(r.bottom, c.bottom) << "the last row shows";
    last->MakeVisible();
    EXPECT_NE(last->DisplayRect(true).right, 0);
}

} // namespace
} // namespace tvtest
