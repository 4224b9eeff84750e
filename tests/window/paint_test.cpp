#include "fixture.h"

#include <array>

#include "platform/gdi/clipping.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"

using namespace tvtest;

namespace {
using V = std::vector<UINT>;
const COLORREF kWhite = RGB(255, 255, 255);
}

TEST_F(DesktopTest, InvalidationPaintsInOrderOnce) {
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 150);
    UpdateAllWindows();
    ClearLog();
    RECT r{0, 0, 20, 20};
    InvalidateRect(w, &r, TRUE);
    InvalidateRect(w, nullptr, FALSE);
    RECT upd;
    EXPECT_TRUE(GetUpdateRect(w, &upd, FALSE));
    EXPECT_EQ(upd.left, 0);
    ProcessPendingMessages();
    EXPECT_EQ(Only({WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}, w), (V{WM_PAINT, WM_ERASEBKGND}));
    EXPECT_FALSE(GetUpdateRect(w, &upd, FALSE));
    // Validated areas are not painted.
    ClearLog();
    InvalidateRect(w, nullptr, TRUE);
    ValidateRect(w, nullptr);
    ProcessPendingMessages();
    EXPECT_EQ(Count(w, WM_PAINT), 0u);
    // RDW_FRAME brings WM_NCPAINT before the client painting.
    ClearLog();
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(Only({WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}, w), (V{WM_PAINT, WM_NCPAINT, WM_ERASEBKGND}));
    // RDW_INTERNALPAINT: a WM_PAINT without an update region.
    ClearLog();
    RedrawWindow(w, nullptr, nullptr, RDW_INTERNALPAINT);
    ProcessPendingMessages();
    EXPECT_EQ(Count(w, WM_PAINT), 1u);
}

TEST_F(DesktopTest, InvalidRectanglesGatherIntoTheUpdateRegionsOfTheWindowAndItsChildren) {
    HWND w = Make(WS_POPUP | WS_VISIBLE, 0, 0, 200, 150);
    HWND child = Make(WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, w);
    UpdateAllWindows();
    using Rects = std::vector<std::array<int, 4>>;
    auto update = [](HWND wnd) {
        std::unique_ptr<RegionObject> rgn(CreateRectRgn(0, 0, 0, 0));
        GetUpdateRgn(wnd, rgn.get(), FALSE);
        Rects out;
        for (const RECT& r : rgn->rects) out.push_back({int(r.left), int(r.top), int(r.right), int(r.bottom)});
        return out;
    };
    auto invalidate = [&](RECT r) { InvalidateRect(w, &r, FALSE); };
    invalidate({0, 0, 20, 20});
    EXPECT_EQ(update(w), (Rects{{0, 0, 20, 20}}));
    EXPECT_EQ(update(child), (Rects{{0, 0, 10, 10}})) << "the child's part, in its own coordinates";
    // A rectangle already inside the region changes nothing; another adds its band.
    invalidate({5, 5, 15, 15});
    invalidate({100, 0, 120, 20});
    EXPECT_EQ(update(w), (Rects{{0, 0, 20, 20}, {100, 0, 120, 20}}));
    EXPECT_EQ(update(child), (Rects{{0, 0, 10, 10}}));
    // Past the client area only the part inside counts; wholly outside, nothing.
    invalidate({190, 140, 260, 200});
    invalidate({300, 300, 400, 400});
    EXPECT_EQ(update(w), (Rects{{0, 0, 20, 20}, {100, 0, 120, 20}, {190, 140, 200, 150}}));
    ValidateRect(w, nullptr);
    ValidateRect(child, nullptr);
    // A parent that clips its children leaves them alone.
    HWND clipping = Make(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 200, 150);
    HWND inner = Make(WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, clipping);
    UpdateAllWindows();
    RECT r{0, 0, 100, 100};
    InvalidateRect(clipping, &r, FALSE);
    EXPECT_EQ(update(clipping), (Rects{{0, 0, 100, 100}}));
    EXPECT_TRUE(update(inner).empty());
}

TEST_F(DesktopTest, SetRedrawSuspendsPainting) {
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 150);
    HWND child = Make(WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, w);
    UpdateAllWindows();
    ClearLog();
    SendMessage(w, WM_SETREDRAW, FALSE, 0);
    InvalidateRect(w, nullptr, TRUE);
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    UpdateWindow(w);
    ProcessPendingMessages();
    EXPECT_EQ(Only({WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}), V{}) << "neither the window nor its child paint";
    SendMessage(w, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    ProcessPendingMessages();
    EXPECT_EQ(Count(w, WM_PAINT), 1u);
    EXPECT_EQ(Count(child, WM_PAINT), 1u);
}

TEST_F(DesktopTest, WindowRegionClipsPaintingAndHitTesting) {
    HWND w = Make(WS_POPUP | WS_VISIBLE, 100, 100, 100, 100);
    UpdateAllWindows();
    EXPECT_EQ(Pixel(102, 102), kWhite);
    ClearLog();
    SetWindowRgn(w, CreateEllipticRgn(0, 0, 100, 100), TRUE);
    // The change is announced like a frame change.
    EXPECT_EQ(Only({WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}, w), (V{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}));
    UpdateAllWindows();
    COLORREF desktop = GetSysColor(COLOR_DESKTOP);
    EXPECT_EQ(Pixel(102, 102), desktop) << "the corner outside the ellipse shows the desktop";
    EXPECT_EQ(Pixel(150, 150), kWhite);
    EXPECT_EQ(WindowFromPoint({102, 102}), GetDesktopWindow());
    EXPECT_EQ(WindowFromPoint({150, 150}), w);
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(w, copy), COMPLEXREGION);
    delete copy;
    // A click in the cut-off corner does not reach the window.
    ClearLog();
    Click(102, 102);
    EXPECT_EQ(Count(w, WM_LBUTTONDOWN), 0u);
    Click(150, 150);
    EXPECT_EQ(Count(w, WM_LBUTTONDOWN), 1u);
    // Removing the region gives the whole rectangle back.
    SetWindowRgn(w, nullptr, TRUE);
    UpdateAllWindows();
    EXPECT_EQ(Pixel(102, 102), kWhite);
}

TEST_F(DesktopTest, SiblingsAndChildrenClipEachOther) {
    HWND parent = Make(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 200, 200);
    HWND under = Make(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 10, 10, 100, 100, parent);
    HWND over = Make(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 50, 50, 100, 100, parent);
    BringWindowToTop(over);
    HRGN vis = GetVisibleRegion(under, true, false, true);
    EXPECT_TRUE(PtInRegion(vis, 20, 20));
    EXPECT_FALSE(PtInRegion(vis, 60, 60)) << "the sibling above covers it";
    delete vis;
    HRGN pv = GetVisibleRegion(parent, true, true, true);
    EXPECT_FALSE(PtInRegion(pv, 20, 20)) << "WS_CLIPCHILDREN leaves the children out";
    EXPECT_TRUE(PtInRegion(pv, 180, 20));
    delete pv;
    // A child is clipped by its parent's client area.
    HWND big = Make(WS_CHILD | WS_VISIBLE, 150, 150, 100, 100, parent);
    HRGN bv = GetVisibleRegion(big, false, false, false);
    RECT box;
    GetRgnBox(bv, &box);
    EXPECT_EQ(box.right, 200);
    delete bv;
}

// A window's device context clips to what shows of it (here its child cut
// out) and to the clip rectangle drawn through, both at once.
TEST_F(DesktopTest, DrawingKeepsInsideTheVisibleAreaAndTheClipRectangle) {
    HWND parent = Make(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 200, 200);
    Make(WS_CHILD | WS_VISIBLE, 60, 60, 40, 40, parent);
    UpdateWindow(parent);
    HDC dc = GetDC(parent);
    IntersectClipRect(dc, 50, 50, 150, 150);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT all{0, 0, 200, 200};
    FillRect(dc, &all, red);
    ExcludeClipRect(dc, 120, 120, 150, 150);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(dc, &all, blue);
    ReleaseDC(parent, dc);
    DeleteObject(red);
    DeleteObject(blue);
    const struct {
        int x, y;
        COLORREF want;
    } points[] = {{55, 55, RGB(0, 0, 255)},  {70, 70, kWhite},         {110, 65, RGB(0, 0, 255)},
                  {125, 125, RGB(255, 0, 0)}, {149, 149, RGB(255, 0, 0)}, {150, 150, kWhite},
                  {20, 20, kWhite},           {49, 100, kWhite}};
    for (const auto& p : points) EXPECT_EQ(Pixel(p.x, p.y), p.want) << p.x << "," << p.y;
}

TEST_F(DesktopTest, ScrollWindowExMovesPixelsAndInvalidatesTheRest) {
    HWND w = Make(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    UpdateAllWindows();
    // Paint a marker line at y = 10 straight onto the surface.
    cairo_t* cr = cairo_create(GetDesktopSurface());
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_rectangle(cr, 0, 10, 100, 2);
    cairo_fill(cr);
    cairo_destroy(cr);
    ClearLog();
    RECT upd;
    int kind = ScrollWindowEx(w, 0, 20, nullptr, nullptr, nullptr, &upd, SW_INVALIDATE);
    EXPECT_EQ(kind, SIMPLEREGION);
    EXPECT_EQ(Pixel(50, 30), RGB(255, 0, 0));
    EXPECT_EQ(upd.top, 0);
    EXPECT_EQ(upd.bottom, 20);
    RECT pending;
    ASSERT_TRUE(GetUpdateRect(w, &pending, FALSE));
    EXPECT_EQ(pending.bottom, 20);
}

TEST_F(DesktopTest, HidingAndMovingRepaintWhatWasUnder) {
    HWND back = Make(WS_POPUP | WS_VISIBLE, 0, 0, 300, 300);
    HWND front = Make(WS_POPUP | WS_VISIBLE, 50, 50, 100, 100);
    UpdateAllWindows();
    ClearLog();
    ShowWindow(front, SW_HIDE);
    ProcessPendingMessages();
    EXPECT_EQ(Count(back, WM_PAINT), 1u);
    ClearLog();
    ShowWindow(front, SW_SHOWNA);
    MoveWindow(front, 400, 400, 100, 100, TRUE);
    ProcessPendingMessages();
    EXPECT_GE(Count(back, WM_PAINT), 1u);
    EXPECT_EQ(Pixel(60, 60), kWhite);
}
