// Window classes, creation and destruction, the window tree, texts,
// window longs and properties.
#include <algorithm>
#include <cctype>

#include "platform/window/defwindowproc.h"
#include "platform/window/input.h"
#include "platform/window/internal.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"

namespace tv::win {

Window* NewDesktopWindow();
void RegisterSystemClasses();
void DestroyWindowTree(Window* w);

namespace {

std::string Lower(std::string s) {
    for (auto& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

constexpr size_t kGraveyardSize = 4096;

void Bury(Window* w) {
    auto& d = D();
    d.live.erase(w);
    w->dead = true;
    w->children.clear();
    w->procs.clear();
    w->keepAlive.clear();
    w->removedLayers.clear();
    w->props.clear();
    w->windowRgn.reset();
    w->updateRgn.reset();
    w->mdi.reset();
    d.graveyard.push_back(w);
    while (d.graveyard.size() > kGraveyardSize) {
        auto it = std::find_if(d.graveyard.begin(), d.graveyard.end(), [](Window* z) { return z->activeCalls == 0; });
        if (it == d.graveyard.end()) break;
        delete *it;
        d.graveyard.erase(it);
    }
}

void Unlink(Window* w) {
    if (!w->parent) return;
    auto& c = w->parent->children;
    c.erase(std::remove(c.begin(), c.end(), w), c.end());
}

// Inserts a window in its parent's z-order: top-most windows stay above the
// others.
void LinkOnTop(Window* w) {
    auto& c = w->parent->children;
    if (w->exStyle & WS_EX_TOPMOST || !IsTopLevel(w)) {
        c.insert(c.begin(), w);
        return;
    }
    auto it = std::find_if(c.begin(), c.end(), [](Window* s) { return !(s->exStyle & WS_EX_TOPMOST); });
    c.insert(it, w);
}

} // namespace

Window* NewDesktopWindow() {
    auto& d = D();
    auto* w = new Window;
    auto cls = std::make_shared<WindowClass>();
    cls->wc.lpszClassName = "#32769";
    cls->system = true;
    cls->proc = std::make_shared<WindowProcInstance>();
    cls->wc.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_DESKTOP + 1));
    cls->proc->fn = [](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT { return DefWindowProc(h, m, wp, lp); };
    w->cls = cls;
    w->style = WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    w->rect = {0, 0, d.width, d.height};
    w->client = w->rect;
    w->procs.push_back({cls->proc, nullptr});
    w->created = true;
    d.live.insert(w);
    return w;
}

void RegisterSystemClasses() {
    WNDCLASS app;
    app.lpszClassName = "TApplication";
    // A stop request comes to this window as WM_CLOSE; unless the program
    // takes it (the framework closes its main form), it ends the message loop.
    app.lpfnWndProc = [](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == WM_CLOSE) {
            PostQuitMessage(0);
            return 0;
        }
        return DefWindowProc(h, m, wp, lp);
    };
    RegisterClass(app);
    D().classes[Lower("TApplication")]->system = true;
    RegisterMdiClientClass();
}

ATOM RegisterClass(const WNDCLASS& wc) {
    auto& d = D();
    std::string key = Lower(wc.lpszClassName);
    if (key.empty() || d.classes.count(key)) return 0;
    auto cls = std::make_shared<WindowClass>();
    cls->wc = wc;
    cls->atom = d.nextAtom++;
    cls->proc = std::make_shared<WindowProcInstance>();
    cls->proc->fn = wc.lpfnWndProc ? wc.lpfnWndProc : WindowProcFn([](HWND h, UINT m, WPARAM wp, LPARAM lp) {
        return DefWindowProc(h, m, wp, lp);
    });
    d.classes[key] = cls;
    return cls->atom;
}

BOOL UnregisterClass(const std::string& name) {
    auto& d = D();
    auto it = d.classes.find(Lower(name));
    if (it == d.classes.end() || it->second->system) return FALSE;
    // Windows of the class keep it alive through their own reference.
    d.classes.erase(it);
    return TRUE;
}

BOOL GetClassInfo(const std::string& name, WNDCLASS* wc) {
    auto& d = D();
    auto it = d.classes.find(Lower(name));
    if (it == d.classes.end()) return FALSE;
    if (wc) *wc = it->second->wc;
    return TRUE;
}

std::string GetClassName(HWND wnd) {
    Window* w = W(wnd);
    return w ? w->cls->wc.lpszClassName : std::string();
}

int GetClassName(HWND wnd, std::string* name) {
    std::string n = GetClassName(wnd);
    if (name) *name = n;
    return int(n.size());
}

UINT GetClassStyle(HWND wnd) {
    Window* w = W(wnd);
    return w ? w->cls->wc.style : 0;
}

HBRUSH GetClassBackground(HWND wnd) {
    Window* w = W(wnd);
    return w ? w->cls->wc.hbrBackground : nullptr;
}

HCURSOR GetClassCursor(HWND wnd) {
    Window* w = W(wnd);
    return w ? w->cls->wc.hCursor : nullptr;
}

HWND CreateWindow(const std::string& className, const std::string& windowName, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menuOrId, LONG_PTR param) {
    return CreateWindowEx(0, className, windowName, style, x, y, width, height, parent, menuOrId, param);
}

HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName, DWORD style,
                    int x, int y, int width, int height, HWND parentWnd, HMENU menuOrId, LONG_PTR param) {
    auto& d = D();
    auto it = d.classes.find(Lower(className));
    if (it == d.classes.end()) return nullptr;
    Window* parent = parentWnd ? W(parentWnd) : nullptr;
    if (parentWnd && !parent) return nullptr;
    bool child = (style & WS_CHILD) != 0;
    if (child && !parent) return nullptr;

    auto* w = new Window;
    w->cls = it->second;
    w->text = windowName;
    w->style = style & ~WS_VISIBLE;
    w->exStyle = exStyle;
    if (child) {
        w->parent = parent;
        w->id = reinterpret_cast<UINT_PTR>(menuOrId);
    } else {
        w->parent = d.desktopWnd;
        // The owner of a top-level window is always a top-level window.
        Window* o = parent;
        while (o && (o->style & WS_CHILD)) o = o->parent;
        w->owner = o;
        w->menu = menuOrId;
        w->style |= WS_CLIPSIBLINGS;
        if (!(style & WS_POPUP)) w->style |= WS_CAPTION;
    }
    if (w->menu) w->menu->owner = w;
    w->extra.assign(size_t(std::max(0, w->cls->wc.cbWndExtra) / int(sizeof(LONG_PTR)) + 1), 0);
    w->procs.push_back({w->cls->proc, nullptr});

    // Default position and size for overlapped windows.
    if (x == CW_USEDEFAULT) {
        static int cascade = 0;
        x = y = 24 + 24 * (cascade++ % 8);
    }
    if (width == CW_USEDEFAULT) {
        width = d.width * 3 / 4;
        height = d.height * 3 / 4;
    }
    if (height == CW_USEDEFAULT) height = d.height * 3 / 4;
    w->rect = {x, y, x + std::max(0, width), y + std::max(0, height)};
    w->client = {0, 0, w->rect.Width(), w->rect.Height()};
    d.live.insert(w);
    LinkOnTop(w);

    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hMenu = menuOrId;
    cs.hwndParent = parentWnd;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.style = style;
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;

    // Sizes are checked against the minimum and maximum tracking sizes.
    if (!child && HasSizingFrameOrCaption(style)) {
        MINMAXINFO mmi;
        mmi.ptMaxSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
        mmi.ptMaxPosition = {-FrameWidth(w), -FrameHeight(w)};
        mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
        mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
        Send(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
        if (!W(w)) return nullptr;
        int cx = std::clamp<int>(w->rect.Width(), std::min<int>(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x),
                                 std::max<int>(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x));
        int cy = std::clamp<int>(w->rect.Height(), std::min<int>(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y),
                                 std::max<int>(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y));
        if (width > 0 || height > 0) w->rect = {x, y, x + cx, y + cy};
    }

    if (!Send(w, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        if (W(w)) DestroyWindow(w);
        return nullptr;
    }
    if (!W(w)) return nullptr;
    w->client = CalcClientRect(w, w->rect);
    if (!W(w)) return nullptr;
    if (Send(w, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        if (W(w)) DestroyWindow(w);
        return nullptr;
    }
    if (!W(w)) return nullptr;
    w->created = true;
    Send(w, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w->client.Width(), w->client.Height()));
    Send(w, WM_MOVE, 0, MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
    if (!W(w)) return nullptr;

    if (child && !(exStyle & WS_EX_NOPARENTNOTIFY)) {
        for (Window* p = w->parent; W(p) && p != d.desktopWnd; p = p->parent) {
            Send(p, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, int(w->id)), reinterpret_cast<LPARAM>(w));
            if (p->exStyle & WS_EX_NOPARENTNOTIFY || !(p->style & WS_CHILD)) break;
        }
    }
    if (!W(w)) return nullptr;
    if (style & WS_VISIBLE) {
        if (style & WS_MAXIMIZE) ShowWindow(w, SW_SHOWMAXIMIZED);
        else if (style & WS_MINIMIZE) ShowWindow(w, SW_SHOWMINIMIZED);
        else ShowWindow(w, SW_SHOW);
    }
    return W(w);
}

void DestroyWindowTree(Window* w) {
    // WM_DESTROY goes to the parent before its children, WM_NCDESTROY after.
    Send(w, WM_DESTROY, 0, 0);
    auto kids = w->children;
    for (Window* c : kids)
        if (W(c) && !c->destroying) {
            c->destroying = true;
            DestroyWindowTree(c);
        }
    OnWindowDestroyedInput(w);
    RemoveTimersOf(w);
    Send(w, WM_NCDESTROY, 0, 0);
    DestroyMenuOwnedBy(w);
    Unlink(w);
    Bury(w);
}

BOOL DestroyWindow(HWND wnd) {
    auto& d = D();
    Window* w = W(wnd);
    if (!w || w == d.desktopWnd || w->destroying) return FALSE;
    w->destroying = true;
    // Owned top-level windows go first.
    if (IsTopLevel(w)) {
        auto tops = d.desktopWnd->children;
        for (Window* t : tops)
            if (W(t) && t->owner == w && !t->destroying) DestroyWindow(t);
    }
    if (w->mdiChild) MdiChildDestroyed(w);
    if (w->style & WS_CHILD && !(w->exStyle & WS_EX_NOPARENTNOTIFY)) {
        for (Window* p = w->parent; W(p) && p != d.desktopWnd; p = p->parent) {
            Send(p, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, int(w->id)), reinterpret_cast<LPARAM>(w));
            if (p->exStyle & WS_EX_NOPARENTNOTIFY || !(p->style & WS_CHILD)) break;
        }
    }
    if (!W(w)) return TRUE;
    if (w->style & WS_VISIBLE)
        SetWindowPos(w, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!W(w)) return TRUE;
    DestroyWindowTree(w);
    return TRUE;
}

BOOL IsWindow(HWND wnd) { return W(wnd) ? TRUE : FALSE; }

BOOL IsChild(HWND parent, HWND wnd) {
    Window* w = W(wnd);
    if (!W(parent) || !w) return FALSE;
    while (w && (w->style & WS_CHILD)) {
        w = w->parent;
        if (w == parent) return TRUE;
    }
    return FALSE;
}

BOOL IsWindowVisible(HWND wnd) {
    Window* w = W(wnd);
    return w && ReallyVisible(w) ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND wnd) {
    Window* w = W(wnd);
    return w && !(w->style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL IsIconic(HWND wnd) {
    Window* w = W(wnd);
    return w && (w->style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND wnd) {
    Window* w = W(wnd);
    return w && (w->style & WS_MAXIMIZE) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND wnd, BOOL enable) {
    Window* w = W(wnd);
    if (!w) return FALSE;
    BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
    if (bool(enable) == !wasDisabled) return wasDisabled;
    if (enable) {
        w->style &= ~WS_DISABLED;
    } else {
        Send(w, WM_CANCELMODE, 0, 0);
        if (!W(w)) return wasDisabled;
        w->style |= WS_DISABLED;
        OnWindowHiddenOrDisabled(w);
    }
    Send(w, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

HWND GetDesktopWindow() { return D().desktopWnd; }

HWND GetParent(HWND wnd) {
    Window* w = W(wnd);
    if (!w) return nullptr;
    if (w->style & WS_CHILD) return w->parent;
    return (w->style & WS_POPUP) ? w->owner : nullptr;
}

HWND GetAncestor(HWND wnd, UINT flags) {
    Window* w = W(wnd);
    auto& d = D();
    if (!w || w == d.desktopWnd) return nullptr;
    switch (flags) {
    case GA_PARENT: return w->parent;
    case GA_ROOT:
        while (w->style & WS_CHILD) w = w->parent;
        return w;
    case GA_ROOTOWNER:
        while (w->style & WS_CHILD) w = w->parent;
        while (w->owner) w = w->owner;
        return w;
    default: return nullptr;
    }
}

HWND SetParent(HWND wnd, HWND newParent) {
    auto& d = D();
    Window* w = W(wnd);
    Window* p = newParent ? W(newParent) : d.desktopWnd;
    if (!w || !p || w == p || IsChild(w, p)) return nullptr;
    Window* old = w->parent;
    bool visible = (w->style & WS_VISIBLE) != 0;
    if (visible) ShowWindow(w, SW_HIDE);
    Unlink(w);
    w->parent = p;
    LinkOnTop(w);
    if (visible) ShowWindow(w, SW_SHOWNA);
    return old == d.desktopWnd ? nullptr : old;
}

HWND GetWindow(HWND wnd, UINT cmd) {
    Window* w = W(wnd);
    if (!w) return nullptr;
    if (cmd == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
    if (cmd == GW_OWNER) return w->owner;
    if (cmd == GW_ENABLEDPOPUP) return nullptr;
    if (!w->parent) return nullptr;
    auto& c = w->parent->children;
    auto it = std::find(c.begin(), c.end(), w);
    switch (cmd) {
    case GW_HWNDFIRST: return c.front();
    case GW_HWNDLAST: return c.back();
    case GW_HWNDNEXT: return (it + 1 < c.end()) ? *(it + 1) : nullptr;
    case GW_HWNDPREV: return (it != c.begin()) ? *(it - 1) : nullptr;
    default: return nullptr;
    }
}

HWND GetTopWindow(HWND wnd) { return GetWindow(wnd ? wnd : D().desktopWnd, GW_CHILD); }
HWND GetNextWindow(HWND wnd, UINT cmd) { return GetWindow(wnd, cmd); }

HWND GetDlgItem(HWND parent, int id) {
    Window* p = W(parent);
    if (!p) return nullptr;
    for (Window* c : p->children)
        if (int(c->id) == id) return c;
    return nullptr;
}

int GetDlgCtrlID(HWND wnd) {
    Window* w = W(wnd);
    return w && (w->style & WS_CHILD) ? int(w->id) : 0;
}

namespace {
bool EnumTree(Window* p, const WNDENUMPROC& fn) {
    auto kids = p->children;
    for (Window* c : kids) {
        if (!W(c)) continue;
        if (!fn(c)) return false;
        if (W(c) && !EnumTree(c, fn)) return false;
    }
    return true;
}
} // namespace

BOOL EnumChildWindows(HWND parent, const WNDENUMPROC& fn) {
    Window* p = W(parent);
    if (!p || !fn) return FALSE;
    return EnumTree(p, fn) ? TRUE : FALSE;
}

BOOL EnumWindows(const WNDENUMPROC& fn) {
    if (!fn) return FALSE;
    auto tops = D().desktopWnd->children;
    for (Window* t : tops)
        if (W(t) && !fn(t)) return FALSE;
    return TRUE;
}

HWND FindWindow(const std::string& className, const std::string& windowName) {
    for (Window* t : D().desktopWnd->children) {
        if (!className.empty() && Lower(t->cls->wc.lpszClassName) != Lower(className)) continue;
        if (!windowName.empty() && t->text != windowName) continue;
        return t;
    }
    return nullptr;
}

LONG_PTR GetWindowLongPtr(HWND wnd, int index) {
    Window* w = W(wnd);
    if (!w) return 0;
    switch (index) {
    case GWL_WNDPROC: return reinterpret_cast<LONG_PTR>(GetWindowProc(w));
    case GWL_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->style & WS_CHILD ? w->parent : w->owner);
    case GWL_ID: return LONG_PTR(w->id);
    case GWL_STYLE: return LONG_PTR(w->style);
    case GWL_EXSTYLE: return LONG_PTR(w->exStyle);
    case GWL_USERDATA: return w->userData;
    case GWL_HINSTANCE: return 0;
    default:
        if (index >= 0 && size_t(index) / sizeof(LONG_PTR) < w->extra.size())
            return w->extra[size_t(index) / sizeof(LONG_PTR)];
        return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND wnd, int index, LONG_PTR value) {
    Window* w = W(wnd);
    if (!w) return 0;
    switch (index) {
    case GWL_WNDPROC:
        return reinterpret_cast<LONG_PTR>(SetWindowProc(w, reinterpret_cast<WNDPROC>(value)));
    case GWL_HWNDPARENT: {
        LONG_PTR old = reinterpret_cast<LONG_PTR>(w->owner);
        if (!(w->style & WS_CHILD)) w->owner = W(reinterpret_cast<HWND>(value));
        return old;
    }
    case GWL_ID: {
        LONG_PTR old = LONG_PTR(w->id);
        w->id = UINT_PTR(value);
        return old;
    }
    case GWL_STYLE:
    case GWL_EXSTYLE: {
        DWORD& field = index == GWL_STYLE ? w->style : w->exStyle;
        STYLESTRUCT ss{field, DWORD(value)};
        if (index == GWL_STYLE) {
            // Visibility is changed with ShowWindow only.
            ss.styleNew = (ss.styleNew & ~WS_VISIBLE) | (ss.styleOld & WS_VISIBLE);
        }
        Send(w, WM_STYLECHANGING, WPARAM(index), reinterpret_cast<LPARAM>(&ss));
        if (!W(w)) return 0;
        field = ss.styleNew;
        Send(w, WM_STYLECHANGED, WPARAM(index), reinterpret_cast<LPARAM>(&ss));
        return LONG_PTR(ss.styleOld);
    }
    case GWL_USERDATA: {
        LONG_PTR old = w->userData;
        w->userData = value;
        return old;
    }
    default:
        if (index >= 0 && size_t(index) / sizeof(LONG_PTR) < w->extra.size()) {
            LONG_PTR& slot = w->extra[size_t(index) / sizeof(LONG_PTR)];
            LONG_PTR old = slot;
            slot = value;
            return old;
        }
        return 0;
    }
}

LONG_PTR GetWindowLong(HWND wnd, int index) { return GetWindowLongPtr(wnd, index); }
LONG_PTR SetWindowLong(HWND wnd, int index, LONG_PTR value) { return SetWindowLongPtr(wnd, index, value); }

int GetWindowText(HWND wnd, std::string* text) {
    std::string t = GetWindowText(wnd);
    if (text) *text = t;
    return int(t.size());
}

std::string GetWindowText(HWND wnd) {
    Window* w = W(wnd);
    if (!w) return {};
    std::string text;
    Send(w, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&text));
    return text;
}

int GetWindowTextLength(HWND wnd) { return int(GetWindowText(wnd).size()); }

BOOL SetWindowText(HWND wnd, const std::string& text) {
    Window* w = W(wnd);
    if (!w) return FALSE;
    return Send(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) ? TRUE : FALSE;
}

BOOL SetProp(HWND wnd, const std::string& name, HANDLE data) {
    Window* w = W(wnd);
    if (!w) return FALSE;
    w->props[name] = data;
    return TRUE;
}

HANDLE GetProp(HWND wnd, const std::string& name) {
    Window* w = W(wnd);
    if (!w) return nullptr;
    auto it = w->props.find(name);
    return it == w->props.end() ? nullptr : it->second;
}

HANDLE RemoveProp(HWND wnd, const std::string& name) {
    Window* w = W(wnd);
    if (!w) return nullptr;
    auto it = w->props.find(name);
    if (it == w->props.end()) return nullptr;
    HANDLE h = it->second;
    w->props.erase(it);
    return h;
}

HWND GetApplicationWindow() { return W(D().appWnd); }

int HookApplicationWindow(WindowHook hook) {
    auto& d = D();
    int id = d.nextHookId++;
    d.appHooks[id] = std::move(hook);
    return id;
}

void UnhookApplicationWindow(int id) { D().appHooks.erase(id); }

} // namespace tv::win
