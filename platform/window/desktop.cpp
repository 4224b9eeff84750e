#include "platform/window/desktop.h"

#include <algorithm>

#include "platform/backend/backend.h"
#include "platform/window/internal.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"

namespace tv::win {

void ResetSystemSettings();        // sysmetrics.cpp
void RegisterSystemClasses();      // window.cpp
void DestroyWindowTree(Window* w); // window.cpp
Window* NewDesktopWindow();        // window.cpp
void ResetMenus();                 // menu.cpp

namespace {

DesktopState* g_state = nullptr;

void MakeSurface(DesktopState& d) {
    if (d.surface) cairo_surface_destroy(d.surface);
    d.surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, d.width, d.height);
}

void CreateApplicationWindow() {
    D().appWnd = CreateWindowEx(WS_EX_TOOLWINDOW, "TApplication", "", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0,
                                0, 0, nullptr, nullptr);
}

} // namespace

DesktopState& D() {
    if (!g_state) {
        g_state = new DesktopState;
        g_state->clock = std::make_shared<SystemClock>();
        MakeSurface(*g_state);
        ResetSystemSettings();
        g_state->desktopWnd = NewDesktopWindow();
        RegisterSystemClasses();
        CreateApplicationWindow();
    }
    return *g_state;
}

void EnsureDesktop() { D(); }

cairo_surface_t* GetDesktopSurface() { return D().surface; }
int ScreenWidth() { return D().width; }
int ScreenHeight() { return D().height; }

void SetScreenSize(int width, int height) {
    auto& d = D();
    width = std::max(width, 64);
    height = std::max(height, 64);
    d.width = width;
    d.height = height;
    d.workArea = {0, 0, width, height};
    MakeSurface(d);
    d.desktopWnd->rect = {0, 0, width, height};
    d.desktopWnd->client = {0, 0, width, height};
    auto tops = d.desktopWnd->children;
    for (Window* w : tops)
        if (w != d.appWnd) FollowParentArea(w);
    RedrawWindow(d.desktopWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    UpdateAllWindows();
    CurrentBackend().Present();
}

void ResetDesktop() {
    auto& d = D();
    d.capture = nullptr;
    d.focus = nullptr;
    d.active = nullptr;
    auto tops = d.desktopWnd->children;
    for (Window* w : tops)
        if (W(w)) DestroyWindow(w);
    d.posted.clear();
    d.input.clear();
    d.quitPosted = false;
    d.timers.clear();
    d.appHooks.clear();
    std::fill(std::begin(d.keys), std::end(d.keys), 0);
    std::fill(std::begin(d.asyncKeys), std::end(d.asyncKeys), 0);
    d.cursorPos = {0, 0};
    d.lastClick = {};
    d.mouseWindow = nullptr;
    d.trackWnd = nullptr;
    d.trackFlags = 0;
    d.msgTime = 0;
    d.msgPt = {};
    d.doubleClickTime = 500;
    d.lockWindow = nullptr;
    d.appActive = false;
    for (auto it = d.classes.begin(); it != d.classes.end();)
        it = it->second->system ? std::next(it) : d.classes.erase(it);
    d.clock = std::make_shared<SystemClock>();
    ResetMenus();
    if (d.width != 1024 || d.height != 768) {
        d.width = 1024;
        d.height = 768;
        MakeSurface(d);
        d.desktopWnd->rect = d.desktopWnd->client = {0, 0, 1024, 768};
    }
    d.workArea = {0, 0, d.width, d.height};
    ResetSystemSettings();
    // Zombies kept for stale handles can go now: nobody is inside them.
    for (auto it = d.graveyard.begin(); it != d.graveyard.end();) {
        if ((*it)->activeCalls == 0) { delete *it; it = d.graveyard.erase(it); }
        else ++it;
    }
    CreateApplicationWindow();
    RedrawWindow(d.desktopWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    UpdateAllWindows();
}

namespace {

bool WriteArea(const RECT& screenRc, const std::string& path) {
    UpdateAllWindows();
    auto& d = D();
    RECT r;
    RECT screen{0, 0, d.width, d.height};
    if (!IntersectRect(&r, &screenRc, &screen)) return false;
    cairo_surface_flush(d.surface);
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, r.Width(), r.Height());
    cairo_t* cr = cairo_create(out);
    cairo_set_source_surface(cr, d.surface, -r.left, -r.top);
    cairo_paint(cr);
    cairo_destroy(cr);
    bool ok = cairo_surface_write_to_png(out, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(out);
    return ok;
}

} // namespace

bool SaveDesktopPng(const std::string& path) { return WriteArea({0, 0, D().width, D().height}, path); }

bool SaveWindowPng(HWND wnd, const std::string& path) {
    Window* w = W(wnd);
    if (!w) return false;
    return WriteArea(ScreenWindowRect(w), path);
}

} // namespace tv::win
