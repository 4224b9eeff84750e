#include "fixture.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "platform/picture/bitmap.h"
#include "support/tempdir.h"

using namespace tvtest;

TEST_F(DesktopTest, PrintDrawsFrameClientAndChildrenIntoAnyDeviceContext) {
    HWND top = Make(WS_OVERLAPPEDWINDOW, 0, 0, 200, 150);
    HWND child = Make(WS_CHILD | WS_VISIBLE, 20, 20, 40, 30, top);
    HDC mem = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(mem, 200, 150);
    HGDIOBJ old = SelectObject(mem, bmp);
    HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
    RECT all{0, 0, 200, 150};
    FillRect(mem, &all, black);
    ClearLog();
    // The window is hidden: WM_PRINT draws it all the same unless asked to check.
    SendMessage(top, WM_PRINT, reinterpret_cast<WPARAM>(mem), PRF_CHECKVISIBLE | PRF_CLIENT);
    EXPECT_TRUE(Messages(top) == std::vector<UINT>{WM_PRINT});
    SendMessage(top, WM_PRINT, reinterpret_cast<WPARAM>(mem), PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CLIENT | PRF_CHILDREN);
    std::vector<std::pair<HWND, UINT>> seq;
    for (auto& l : log)
        if (l.msg == WM_PRINT || l.msg == WM_ERASEBKGND || l.msg == WM_PRINTCLIENT) seq.push_back({l.wnd, l.msg});
    std::vector<std::pair<HWND, UINT>> expected{{top, WM_PRINT},        {top, WM_PRINT},       {top, WM_ERASEBKGND},
                                                {top, WM_PRINTCLIENT},  {child, WM_PRINT},     {child, WM_ERASEBKGND},
                                                {child, WM_PRINTCLIENT}};
    EXPECT_EQ(seq, expected);
    RECT rc;
    GetClientRect(top, &rc);
    POINT co{0, 0};
    ClientToScreen(top, &co);
    RECT wr;
    GetWindowRect(top, &wr);
    int cx = co.x - wr.left, cy = co.y - wr.top;
    EXPECT_EQ(GetPixel(mem, cx + 5, cy + 5), GetSysColor(COLOR_WINDOW)) << "the erased client area";
    EXPECT_EQ(GetPixel(mem, cx + 30, cy + 30), GetSysColor(COLOR_WINDOW)) << "the child, at its place";
    EXPECT_NE(GetPixel(mem, 1, 1), RGB(0, 0, 0)) << "the frame";
    EXPECT_EQ(GetPixel(mem, cx + 100, cy - 1), GetSysColor(COLOR_BTNFACE)) << "the line under the caption";
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteObject(black);
    DeleteDC(mem);
}

TEST_F(DesktopTest, DesktopAndWindowPictures) {
    HWND w = Make(WS_POPUP | WS_VISIBLE, 10, 20, 60, 40);
    TempDir dir;
    ASSERT_TRUE(SaveWindowPng(w, dir.file("w.png")));
    cairo_surface_t* s = cairo_image_surface_create_from_png(dir.file("w.png").c_str());
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(s), 60);
    EXPECT_EQ(cairo_image_surface_get_height(s), 40);
    auto* px = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(s));
    EXPECT_EQ(px[0] & 0xFFFFFF, 0xFFFFFFu);
    cairo_surface_destroy(s);
    ASSERT_TRUE(SaveDesktopPng(dir.file("d.png")));
    s = cairo_image_surface_create_from_png(dir.file("d.png").c_str());
    EXPECT_EQ(cairo_image_surface_get_width(s), ScreenWidth());
    cairo_surface_destroy(s);
    EXPECT_FALSE(SaveDesktopPng(dir.file("no/such/folder/d.png")));
    DestroyWindow(w);
    EXPECT_FALSE(SaveWindowPng(w, dir.file("gone.png")));
}

TEST_F(DesktopTest, ScreenSizeAndTheApplicationWindowHook) {
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100);
    ShowWindow(w, SW_MAXIMIZE);
    SetScreenSize(800, 600);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
    RECT rc;
    GetWindowRect(w, &rc);
    EXPECT_EQ(rc.right, 800 + GetSystemMetrics(SM_CXSIZEFRAME)) << "a maximized window follows the screen";
    HWND app = GetApplicationWindow();
    ASSERT_TRUE(IsWindow(app));
    EXPECT_FALSE(IsWindowVisible(app));
    std::vector<UINT> seen;
    int id = HookApplicationWindow([&](Message& m) {
        seen.push_back(m.Msg);
        if (m.Msg != WM_USER) return false;
        m.Result = 5;
        return true;
    });
    EXPECT_EQ(SendMessage(app, WM_USER, 0, 0), 5);
    EXPECT_EQ(SendMessage(app, WM_USER + 1, 0, 0), 0);
    UnhookApplicationWindow(id);
    SendMessage(app, WM_USER, 0, 0);
    EXPECT_EQ(seen, (std::vector<UINT>{WM_USER, WM_USER + 1}));
}
