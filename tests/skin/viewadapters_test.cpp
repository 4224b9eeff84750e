// The list-view and tree-view adapters on a skinned form, driven through the
// input queue: which control gets which adapter, the colours they take and
// give back, the list's header painted from the skin, and scrolling with
// the skinned bars and the wheel.
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "framework/ui/listview.h"
#include "framework/ui/picture.h"
#include "framework/ui/treeview.h"
#include "platform/backend/headless.h"
#include "platform/controls/header.h"
#include "platform/controls/listview.h"
#include "platform/controls/treeview.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/shapes.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/scrollbar.h"
#include "platform/window/sysmetrics.h"
#include "skin/blending.h"
#include "skin/ctrladapter.h"
#include "skin/elementpaint.h"
#include "skin/internalskins.h"
#include "skin/skinmanager.h"
#include "skin/skinprovider.h"
#include "skin/viewadapters.h"
#include "support/headless_ui.h"

using namespace tv;
using namespace tv::win;

namespace {

class ViewAdapterTest : public ::testing::Test {
protected:
    void SetUp() override {
        clock = tvtest::StartHeadlessUI();
        sm = std::make_unique<TsSkinManager>(Application);
        sm->SetActive(false);
        LoadInternalSkins(sm->InternalSkins());
        sm->SetSkinDirectory("/no/skins");
        sm->SetSkinName(DefaultInternalSkin);
        sm->SetActive(true);
        form = new TForm(Application);
        form->SetBounds(60, 40, 560, 360);
        provider = new TsSkinProvider(form);
        list = new TListView(form);
        list->SetParent(form);
        list->SetBounds(200, 10, 330, 220);
        list->SetViewStyle(vsReport);
        for (const char* caption : {"Código", "Descripción"}) {
            TListColumn* c = list->Columns()->Add();
            c->SetCaption(caption);
            c->SetWidth(caption[0] == 'C' ? 120 : 160);
        }
        for (int i = 0; i < 60; ++i) {
            TListItem* it = list->Items()->Add();
            it->SetCaption("A" + std::to_string(100 + i));
            it->SubItems()->Add("Artículo " + std::to_string(i));
        }
        tree = new TTreeView(form);
        tree->SetParent(form);
        tree->SetBounds(10, 10, 180, 220);
        for (int g = 0; g < 4; ++g) {
            TTreeNode* group = tree->Items()->AddChild(nullptr, "Grupo " + std::to_string(g));
            for (int k = 0; k < 12; ++k) tree->Items()->AddChild(group, "Artículo " + std::to_string(k));
        }
        listColor = list->Color();
        listFont = list->Font()->Color();
        treeFont = tree->Font()->Color();
        form->Show();
        Run();
    }
    void TearDown() override {
        delete form;
        sm.reset();
        tvtest::StopHeadlessUI();
    }
    static void Run() {
        Application->ProcessMessages();
        UpdateAllWindows();
    }
    static TColor Screen(int x, int y) {
        UpdateAllWindows();
        HDC dc = GetDC(nullptr);
        TColor c = TColor(GetPixel(dc, x, y));
        ReleaseDC(nullptr, dc);
        return c;
    }
    TacScrollWnd* AdapterOf(TControl* c) {
        TacCtrlAdapter* a = provider->Adapter();
        int i = a ? a->IndexOf(c) : -1;
        return i < 0 ? nullptr : a->GetItem(i)->ScrollWnd.get();
    }
    const TsGeneralData& Section(const char* name) { return sm->gd[std::size_t(sm->GetSectionIndex(name))]; }
    HWND Header() { return reinterpret_cast<HWND>(SendMessage(list->Handle(), LVM_GETHEADER, 0, 0)); }
    // What the skin paints for a caption of `r`'s size in `state`, at (x, y) of it.
    TColor CaptionPixel(const RECT& r, int state, int x, int y) {
        std::unique_ptr<TBitmap> bmp(CreateBmp24(r.right - r.left, r.bottom - r.top));
        TColor old = MaskFillColor;
        MaskFillColor = TColor(ColorToRGB(list->Color()));
        PaintSkinItem(sm->GetSectionIndex("COLHEADER"), "COLHEADER", EmptyCacheInfo(), -1, -1, sm.get(), bmp.get(),
                      POINT{0, 0}, RECT{0, 0, r.right - r.left, r.bottom - r.top}, state, true);
        MaskFillColor = old;
        return TColor(GetPixel(bmp->Canvas()->Handle(), x, y));
    }
    std::shared_ptr<FakeClock> clock;
    std::unique_ptr<TsSkinManager> sm;
    TForm* form = nullptr;
    TsSkinProvider* provider = nullptr;
    TListView* list = nullptr;
    TTreeView* tree = nullptr;
    TColor listColor = 0, listFont = 0, treeFont = 0;
};

TEST_F(ViewAdapterTest, EachViewGetsItsAdapterAndItsColoursBackWithoutTheSkin) {
    auto* lva = dynamic_cast<TacListViewWnd*>(AdapterOf(list));
    ASSERT_NE(lva, nullptr);
    ASSERT_NE(dynamic_cast<TacTreeViewWnd*>(AdapterOf(tree)), nullptr);
    EXPECT_EQ(lva->HeaderWnd, Header()) << "the report's header is taken over";
    const TsGeneralData& edit = Section("EDIT");
    EXPECT_EQ(list->Color(), edit.Color);
    EXPECT_EQ(list->Font()->Color(), edit.HotFontColor[0]);
    EXPECT_EQ(COLORREF(SendMessage(list->Handle(), LVM_GETBKCOLOR, 0, 0)), ColorToRGB(edit.Color));
    // The tree keeps its Color and shows the section's hot colour behind its nodes.
    EXPECT_EQ(tree->Color(), TColor(clWindow));
    EXPECT_EQ(tree->Font()->Color(), edit.HotFontColor[0]);
    EXPECT_EQ(COLORREF(SendMessage(tree->Handle(), TVM_GETBKCOLOR, 0, 0)), ColorToRGB(edit.HotColor));
    RECT row = tree->Items()->GetFirstNode()->DisplayRect(false);
    POINT empty = tree->ClientToScreen(POINT{tree->ClientWidth() - 4, row.bottom + 80});
    EXPECT_EQ(Screen(empty.x, empty.y), TColor(ColorToRGB(edit.HotColor)));

    sm->SetActive(false);
    EXPECT_EQ(list->Color(), listColor);
    EXPECT_EQ(list->Font()->Color(), listFont);
    EXPECT_EQ(tree->Font()->Color(), treeFont) << "the tree's text colour comes back too";
    EXPECT_EQ(COLORREF(SendMessage(tree->Handle(), TVM_GETBKCOLOR, 0, 0)), ColorToRGB(clWindow));
    EXPECT_EQ(Screen(empty.x, empty.y), TColor(GetSysColor(COLOR_WINDOW)));
    RECT h0;
    SendMessage(Header(), HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&h0));
    POINT inCaption = ClientPointToScreen(Header(), h0.right - 12, h0.bottom / 2);
    EXPECT_EQ(Screen(inCaption.x, inCaption.y), TColor(GetSysColor(COLOR_BTNFACE))) << "the header paints itself again";
}

TEST_F(ViewAdapterTest, TheHeaderIsPaintedFromTheSkinAndShowsThePressedCaption) {
    RECT h0;
    SendMessage(Header(), HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&h0));
    int x = h0.right - 12, y = h0.bottom / 2;
    POINT at = ClientPointToScreen(Header(), x, y);
    ASSERT_NE(CaptionPixel(h0, 0, x, y), CaptionPixel(h0, 2, x, y)) << "the skin tells the states apart";
    EXPECT_EQ(Screen(at.x, at.y), CaptionPixel(h0, 0, x, y));
    QueueMouseDown(at.x, at.y);
    Run();
    EXPECT_EQ(Screen(at.x, at.y), CaptionPixel(h0, 2, x, y));
    TListColumn* clicked = nullptr;
    list->OnColumnClick = [&](TObject*, TListColumn* c) { clicked = c; };
    QueueMouseUp(at.x, at.y);
    Run();
    EXPECT_EQ(clicked, list->Columns()->Items(0));
    EXPECT_EQ(Screen(at.x, at.y), CaptionPixel(h0, 0, x, y));
    // A header made after the adapter (the list turned into a report) is taken over as it comes.
    auto* other = new TListView(form);
    other->SetParent(form);
    other->SetBounds(200, 240, 330, 80);
    other->SetViewStyle(vsList);
    other->Columns()->Add()->SetCaption("Nombre");
    Run();
    auto* a = dynamic_cast<TacListViewWnd*>(AdapterOf(other));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->HeaderWnd, nullptr);
    other->SetViewStyle(vsReport);
    Run();
    HWND hdr = reinterpret_cast<HWND>(SendMessage(other->Handle(), LVM_GETHEADER, 0, 0));
    ASSERT_NE(hdr, nullptr);
    EXPECT_EQ(a->HeaderWnd, hdr);
    SendMessage(hdr, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&h0));
    POINT p = ClientPointToScreen(hdr, h0.right - 12, h0.bottom / 2);
    EXPECT_EQ(Screen(p.x, p.y), CaptionPixel(h0, 0, h0.right - 12, h0.bottom / 2));
}

TEST_F(ViewAdapterTest, TheSkinnedBarsAndTheWheelScrollTheViews) {
    TacScrollWnd* lva = AdapterOf(list);
    ASSERT_TRUE(lva && lva->VBar->Visible);
    RECT r = lva->GetVScrollRect();
    int x = (r.left + r.right) / 2;
    // The lower arrow moves a row; the thumb dragged past the end stops at the last page.
    QueueClick(x, r.bottom - 4);
    Run();
    EXPECT_EQ(list->TopItem(), list->Items()->Item(1));
    int page = list->VisibleRowCount();
    int thumbLength = 0, thumbOffset = 0;
    ThumbGeometry(*lva->VBar, r.bottom - r.top, thumbLength, thumbOffset);
    int arrow = GetScrollBarSize(*lva->VBar, 0, false);
    int thumbY = r.top + arrow + thumbOffset + thumbLength / 2;
    // While the thumb is held the list follows it row for row.
    QueueMouseDown(x, thumbY);
    for (int step = 1; step <= 5; ++step) QueueMouseMove(x, thumbY + step * (r.bottom - r.top) / 15);
    Run();
    int middle = list->TopItem()->Index();
    EXPECT_EQ(middle, lva->VBar->Info.nTrackPos);
    EXPECT_GT(middle, 5);
    EXPECT_LT(middle, 60 - page) << "a third of the way down scrolls part of the way";
    QueueMouseUp(x, thumbY + (r.bottom - r.top) / 3);
    Run();
    EXPECT_EQ(list->TopItem()->Index(), middle);
    ThumbGeometry(*lva->VBar, r.bottom - r.top, thumbLength, thumbOffset);
    thumbY = r.top + arrow + thumbOffset + thumbLength / 2;
    QueueDrag(x, thumbY, x, r.bottom + 200, 6);
    Run();
    EXPECT_EQ(list->TopItem(), list->Items()->Item(60 - page));
    EXPECT_EQ(GetScrollPos(list->Handle(), SB_VERT), 60 - page);
    // The wheel scrolls three rows a notch and the skinned bar follows.
    list->SetFocus();
    Run();
    QueueWheel(x - 100, (r.top + r.bottom) / 2, 2 * WHEEL_DELTA);
    Run();
    EXPECT_EQ(list->TopItem(), list->Items()->Item(60 - page - 6));
    EXPECT_EQ(lva->VBar->Info.nPos, 60 - page - 6);

    // The tree scrolls by rows under its skinned bar too.
    tree->Items()->GetFirstNode()->Expand(false);
    tree->Items()->GetFirstNode()->GetNextSibling()->Expand(false);
    Run();
    TacScrollWnd* tva = AdapterOf(tree);
    ASSERT_TRUE(tva->VBar->Visible);
    r = tva->GetVScrollRect();
    x = (r.left + r.right) / 2;
    ThumbGeometry(*tva->VBar, r.bottom - r.top, thumbLength, thumbOffset);
    arrow = GetScrollBarSize(*tva->VBar, 0, false);
    thumbY = r.top + arrow + thumbOffset + thumbLength / 2;
    QueueDrag(x, thumbY, x, r.bottom + 200, 6);
    Run();
    RECT last = tree->Items()->Item(3 * 13)->DisplayRect(false); // the last group, closed
    EXPECT_LE(last.bottom, tree->ClientHeight()) << "the last row shows";
    EXPECT_GT(last.top, 0);
    QueueClick(x, r.top + 4);
    Run();
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    GetScrollInfo(tree->Handle(), SB_VERT, &si);
    EXPECT_EQ(si.nPos, si.nMax - int(si.nPage)) << "the upper arrow goes back one row";
}

} // namespace
