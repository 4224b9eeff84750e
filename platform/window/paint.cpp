// Invalid regions, the painting messages, device contexts of windows and
// scrolling of window contents. Windows paint straight onto the desktop
// surface, each clipped to the part of it that shows.
#include "platform/window/paint.h"

#include <algorithm>
#include <map>

#include "platform/backend/backend.h"
#include "platform/gdi/surfacedc.h"
#include "platform/window/internal.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"

namespace tv::win {

namespace {

using Rgn = std::unique_ptr<RegionObject>;

Rgn MakeRgn(const RECT& r) { return Rgn(CreateRectRgn(r.left, r.top, r.right, r.bottom)); }

void AndRect(RegionObject& rgn, const RECT& r) {
    Rgn x = MakeRgn(r);
    CombineRgn(&rgn, &rgn, x.get(), RGN_AND);
}

// The shape of a window on the screen: its rectangle cut by its region.
Rgn ScreenShape(const Window* w) {
    RECT r = ScreenWindowRect(w);
    if (w->windowRgn) {
        Rgn s(new RegionObject(*w->windowRgn));
        OffsetRgn(s.get(), r.left, r.top);
        AndRect(*s, r);
        return s;
    }
    return MakeRgn(r);
}

std::map<HDC, HWND>& OpenDCs() {
    static std::map<HDC, HWND> dcs;
    return dcs;
}

HDC MakeDC(Window* w, const RegionObject& clip, POINT origin) {
    RegionObject copy(clip);
    HDC dc = CreateSurfaceDC(D().surface, origin.x, origin.y, &copy);
    if (dc) SetDCWindow(dc, w);
    if (dc) OpenDCs()[dc] = w;
    return dc;
}

bool RedrawSuspended(const Window* w) {
    for (; w; w = w->parent)
        if (w->redrawOff) return true;
    return false;
}

bool HasClientUpdate(const Window* w) {
    if (!w->updateRgn) return false;
    return RectInRegion(w->updateRgn.get(), &w->client) != FALSE;
}

// The frame was painted: what was invalid of it is done.
void FramePainted(Window* w) {
    w->ncDirty = false;
    if (w->updateRgn) {
        AndRect(*w->updateRgn, w->client);
        if (w->updateRgn->rects.empty()) w->updateRgn.reset();
    }
}

void ClearUpdate(Window* w) {
    w->updateRgn.reset();
    w->internalPaint = false;
}

} // namespace

cairo_t* SurfaceCairo(const RegionObject& clip, POINT origin) {
    cairo_t* cr = cairo_create(D().surface);
    for (const RECT& r : clip.rects) cairo_rectangle(cr, r.left, r.top, r.Width(), r.Height());
    cairo_clip(cr);
    cairo_translate(cr, origin.x, origin.y);
    return cr;
}

COLORREF BrushColor(HBRUSH brush, COLORREF fallback) {
    auto v = reinterpret_cast<std::intptr_t>(brush);
    if (v > 0 && v <= COLOR_COUNT) return GetSysColor(int(v - 1));
    return fallback;
}

std::unique_ptr<RegionObject> VisibleRegion(Window* w, bool clientOnly, bool clipChildren, bool clipSiblings) {
    auto& d = D();
    if (!ReallyVisible(w)) return Rgn(new RegionObject);
    Rgn rgn = MakeRgn(clientOnly ? ScreenClientRect(w) : ScreenWindowRect(w));
    if (w->windowRgn) {
        Rgn s = ScreenShape(w);
        CombineRgn(rgn.get(), rgn.get(), s.get(), RGN_AND);
    }
    for (Window* x = w; x->parent; x = x->parent) {
        Window* p = x->parent;
        bool clipSib = x == w ? (clipSiblings || IsTopLevel(x)) : ((x->style & WS_CLIPSIBLINGS) || IsTopLevel(x));
        if (clipSib) {
            for (Window* s : p->children) {
                if (s == x) break;
                if (!(s->style & WS_VISIBLE)) continue;
                Rgn sh = ScreenShape(s);
                CombineRgn(rgn.get(), rgn.get(), sh.get(), RGN_DIFF);
            }
        }
        if (p != d.desktopWnd) {
            AndRect(*rgn, ScreenClientRect(p));
            if (p->windowRgn) {
                Rgn sh = ScreenShape(p);
                CombineRgn(rgn.get(), rgn.get(), sh.get(), RGN_AND);
            }
        }
    }
    if (clipChildren) {
        for (Window* c : w->children) {
            if (!(c->style & WS_VISIBLE)) continue;
            Rgn sh = ScreenShape(c);
            CombineRgn(rgn.get(), rgn.get(), sh.get(), RGN_DIFF);
        }
    }
    return rgn;
}

HRGN GetVisibleRegion(HWND wnd, bool clientOnly, bool clipChildren, bool clipSiblings) {
    Window* w = W(wnd);
    if (!w) return CreateRectRgn(0, 0, 0, 0);
    return VisibleRegion(w, clientOnly, clipChildren, clipSiblings).release();
}

namespace {

// InvalidateWindowArea for one rectangle, the usual case (a control repainting
// itself): the rectangle is clipped, offset and added without building regions.
void InvalidateWindowRect(Window* w, RECT r, bool erase, bool frame, bool children) {
    if (!(w->style & WS_VISIBLE)) return;
    const RECT bound = frame ? RECT{0, 0, w->rect.Width(), w->rect.Height()} : w->client;
    if (!IntersectRect(&r, &r, &bound)) return;
    if (!w->updateRgn || w->updateRgn->rects.empty()) {
        if (!w->updateRgn) w->updateRgn.reset(new RegionObject);
        w->updateRgn->rects.assign(1, r);
    } else if (std::none_of(w->updateRgn->rects.begin(), w->updateRgn->rects.end(), [&](const RECT& u) {
                   return u.left <= r.left && u.top <= r.top && r.right <= u.right && r.bottom <= u.bottom;
               })) {
        Rgn a = MakeRgn(r);
        CombineRgn(w->updateRgn.get(), w->updateRgn.get(), a.get(), RGN_OR);
    }
    const RECT& c = w->client;
    if (frame && !(c.left <= r.left && c.top <= r.top && r.right <= c.right && r.bottom <= c.bottom)) w->ncDirty = true;
    if (erase) w->eraseDirty = true;
    if (!children) return;
    for (Window* child : w->children) {
        RECT cr = r;
        OffsetRect(&cr, -(c.left + child->rect.left), -(c.top + child->rect.top));
        InvalidateWindowRect(child, cr, erase, true, true);
    }
}

} // namespace

void InvalidateWindowArea(Window* w, const RegionObject& area, bool erase, bool frame, bool children) {
    if (area.rects.size() == 1) return InvalidateWindowRect(w, area.rects[0], erase, frame, children);
    if (!(w->style & WS_VISIBLE)) return;
    Rgn a(new RegionObject(area));
    AndRect(*a, frame ? RECT{0, 0, w->rect.Width(), w->rect.Height()} : w->client);
    if (a->rects.empty()) return;
    if (!w->updateRgn) w->updateRgn.reset(new RegionObject);
    CombineRgn(w->updateRgn.get(), w->updateRgn.get(), a.get(), RGN_OR);
    if (frame) {
        Rgn nc(new RegionObject(*a));
        Rgn cl = MakeRgn(w->client);
        CombineRgn(nc.get(), nc.get(), cl.get(), RGN_DIFF);
        if (!nc->rects.empty()) w->ncDirty = true;
    }
    if (erase) w->eraseDirty = true;
    if (!children) return;
    for (Window* c : w->children) {
        if (!(c->style & WS_VISIBLE)) continue;
        Rgn ca(new RegionObject(*a));
        OffsetRgn(ca.get(), -(w->client.left + c->rect.left), -(w->client.top + c->rect.top));
        InvalidateWindowArea(c, *ca, erase, true, true);
    }
}

void InvalidateScreenArea(const RECT& screenRc) {
    auto& d = D();
    Rgn r = MakeRgn(screenRc);
    InvalidateWindowArea(d.desktopWnd, *r, true, true, true);
}

void AfterGeometryChange(Window* w, const RECT& oldScreen, bool hadVisible) {
    if (hadVisible) InvalidateScreenArea(oldScreen);
    if (ReallyVisible(w)) {
        Rgn all = MakeRgn({0, 0, w->rect.Width(), w->rect.Height()});
        InvalidateWindowArea(w, *all, true, true, true);
        w->ncDirty = true;
    }
}

bool NeedsPaint(const Window* w) {
    if (!ReallyVisible(w) || RedrawSuspended(w)) return false;
    if (w->rect.Width() <= 0 || w->rect.Height() <= 0) {
        return false;
    }
    return w->ncDirty || w->internalPaint || (w->updateRgn && !w->updateRgn->rects.empty());
}

Window* NextWindowToPaint(Window* root, Window* filter) {
    if (!root) return nullptr;
    bool inFilter = !filter || root == filter || IsChild(filter, root);
    if (inFilter && NeedsPaint(root)) return root;
    for (Window* c : root->children) {
        if (!(c->style & WS_VISIBLE)) continue;
        if (Window* w = NextWindowToPaint(c, filter)) return w;
    }
    return nullptr;
}

void PaintWindowNow(Window* w) {
    if (!NeedsPaint(w)) return;
    if (!HasClientUpdate(w) && !w->internalPaint) {
        w->ncDirty = false;
        ClearUpdate(w);
        Send(w, WM_NCPAINT, 1, 0);
        return;
    }
    w->paintValidated = false;
    Send(w, WM_PAINT, 0, 0);
    // A procedure that does not validate would be asked forever.
    if (W(w) && !w->paintValidated) {
        ClearUpdate(w);
        w->ncDirty = false;
    }
}

void DropWindowFromPaint(Window* w) {
    ClearUpdate(w);
    w->ncDirty = false;
    w->eraseDirty = false;
}

void UpdateAllWindows() {
    auto& d = D();
    for (int guard = 0; guard < 10000; ++guard) {
        Window* w = NextWindowToPaint(d.desktopWnd, nullptr);
        if (!w) break;
        PaintWindowNow(w);
    }
}

BOOL InvalidateRect(HWND wnd, const RECT* rc, BOOL erase) {
    Window* w = wnd ? W(wnd) : D().desktopWnd;
    if (!w) return FALSE;
    RECT r = rc ? *rc : RECT{0, 0, w->client.Width(), w->client.Height()};
    OffsetRect(&r, w->client.left, w->client.top);
    InvalidateWindowRect(w, r, erase != FALSE, false, !(w->style & WS_CLIPCHILDREN));
    return TRUE;
}

BOOL InvalidateRgn(HWND wnd, HRGN rgn, BOOL erase) {
    Window* w = wnd ? W(wnd) : D().desktopWnd;
    if (!w) return FALSE;
    if (!rgn) return InvalidateRect(wnd, nullptr, erase);
    Rgn a(new RegionObject(*rgn));
    OffsetRgn(a.get(), w->client.left, w->client.top);
    InvalidateWindowArea(w, *a, erase != FALSE, false, !(w->style & WS_CLIPCHILDREN));
    return TRUE;
}

namespace {

void Validate(Window* w, const RegionObject* clientArea, bool children) {
    w->paintValidated = true;
    if (w->updateRgn) {
        if (!clientArea) {
            Rgn c = MakeRgn(w->client);
            CombineRgn(w->updateRgn.get(), w->updateRgn.get(), c.get(), RGN_DIFF);
        } else {
            Rgn a(new RegionObject(*clientArea));
            OffsetRgn(a.get(), w->client.left, w->client.top);
            CombineRgn(w->updateRgn.get(), w->updateRgn.get(), a.get(), RGN_DIFF);
        }
        if (w->updateRgn->rects.empty()) w->updateRgn.reset();
    }
    if (!w->updateRgn || !HasClientUpdate(w)) w->internalPaint = false;
    if (children)
        for (Window* c : w->children) Validate(c, nullptr, true);
}

} // namespace

BOOL ValidateRect(HWND wnd, const RECT* rc) {
    Window* w = wnd ? W(wnd) : D().desktopWnd;
    if (!w) return FALSE;
    if (!rc) {
        Validate(w, nullptr, false);
        return TRUE;
    }
    Rgn a = MakeRgn(*rc);
    Validate(w, a.get(), false);
    return TRUE;
}

BOOL ValidateRgn(HWND wnd, HRGN rgn) {
    Window* w = wnd ? W(wnd) : D().desktopWnd;
    if (!w) return FALSE;
    Validate(w, rgn, false);
    return TRUE;
}

namespace {

void UpdateTree(Window* w, bool children) {
    if (!W(w)) return;
    if (NeedsPaint(w)) PaintWindowNow(w);
    if (!children || !W(w)) return;
    auto kids = w->children;
    for (Window* c : kids)
        if (W(c) && (c->style & WS_VISIBLE)) UpdateTree(c, true);
}

void EraseNow(Window* w, bool children) {
    if (!W(w) || !ReallyVisible(w) || RedrawSuspended(w)) return;
    if (w->ncDirty) {
        FramePainted(w);
        Send(w, WM_NCPAINT, 1, 0);
    }
    if (W(w) && w->eraseDirty) {
        w->eraseDirty = false;
        w->paintClip = VisibleRegion(w, true, (w->style & WS_CLIPCHILDREN) != 0, (w->style & WS_CLIPSIBLINGS) != 0);
        if (w->updateRgn) {
            Rgn u(new RegionObject(*w->updateRgn));
            POINT o = WindowOrigin(w);
            OffsetRgn(u.get(), o.x, o.y);
            CombineRgn(w->paintClip.get(), w->paintClip.get(), u.get(), RGN_AND);
        }
        HDC dc = MakeDC(w, *w->paintClip, ClientOrigin(w));
        Send(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        if (dc) ReleaseDC(w, dc);
        if (W(w)) w->paintClip.reset();
    }
    if (!children || !W(w)) return;
    auto kids = w->children;
    for (Window* c : kids) EraseNow(c, true);
}

} // namespace

BOOL UpdateWindow(HWND wnd) {
    Window* w = W(wnd);
    if (!w) return FALSE;
    UpdateTree(w, true);
    CurrentBackend().Present();
    return TRUE;
}

BOOL RedrawWindow(HWND wnd, const RECT* rc, HRGN rgn, UINT flags) {
    Window* w = wnd ? W(wnd) : D().desktopWnd;
    if (!w) return FALSE;
    bool children = (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
    Rgn area;
    if (rgn) {
        area.reset(new RegionObject(*rgn));
        OffsetRgn(area.get(), w->client.left, w->client.top);
    } else if (rc) {
        RECT r = *rc;
        OffsetRect(&r, w->client.left, w->client.top);
        area = MakeRgn(r);
    } else {
        area = MakeRgn((flags & RDW_FRAME) ? RECT{0, 0, w->rect.Width(), w->rect.Height()} : w->client);
    }
    if (flags & RDW_INVALIDATE) {
        InvalidateWindowArea(w, *area, (flags & RDW_ERASE) != 0, (flags & RDW_FRAME) != 0, children);
        if (flags & RDW_FRAME) w->ncDirty = (w->style & WS_VISIBLE) != 0;
    }
    if (flags & RDW_INTERNALPAINT) w->internalPaint = true;
    if (flags & RDW_VALIDATE) {
        Rgn clientArea(new RegionObject(*area));
        OffsetRgn(clientArea.get(), -w->client.left, -w->client.top);
        Validate(w, clientArea.get(), children);
        // Validating the whole window also takes the frame's turn away.
        if (!(flags & RDW_NOFRAME) && !rc && !rgn) w->ncDirty = false;
        if (flags & RDW_NOERASE) w->eraseDirty = false;
    }
    if (flags & RDW_NOINTERNALPAINT) w->internalPaint = false;
    if (flags & RDW_UPDATENOW) {
        UpdateTree(w, children || (flags & RDW_ALLCHILDREN));
        CurrentBackend().Present();
    } else if (flags & RDW_ERASENOW) {
        EraseNow(w, children);
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND wnd, RECT* rc, BOOL erase) {
    Window* w = W(wnd);
    if (!w) return FALSE;
    RECT box{};
    if (w->updateRgn) {
        Rgn c(new RegionObject(*w->updateRgn));
        AndRect(*c, w->client);
        box = c->Box();
        OffsetRect(&box, -w->client.left, -w->client.top);
    }
    if (rc) *rc = box;
    if (erase && w->eraseDirty) EraseNow(w, false);
    return IsRectEmpty(&box) ? FALSE : TRUE;
}

int GetUpdateRgn(HWND wnd, HRGN rgn, BOOL erase) {
    Window* w = W(wnd);
    if (!w || !rgn) return ERROR;
    rgn->rects.clear();
    if (w->updateRgn) {
        Rgn c(new RegionObject(*w->updateRgn));
        AndRect(*c, w->client);
        OffsetRgn(c.get(), -w->client.left, -w->client.top);
        rgn->rects = c->rects;
    }
    if (erase && w->eraseDirty) EraseNow(w, false);
    return rgn->Complexity();
}

BOOL LockWindowUpdate(HWND wnd) {
    auto& d = D();
    if (wnd && d.lockWindow) return FALSE;
    Window* old = W(d.lockWindow);
    d.lockWindow = wnd;
    if (Window* w = W(wnd)) w->redrawOff = true;
    if (old && old != wnd) {
        old->redrawOff = false;
        RedrawWindow(old, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return TRUE;
}

HDC BeginPaint(HWND wnd, PAINTSTRUCT* ps) {
    Window* w = W(wnd);
    if (!w || !ps) return nullptr;
    if (w->ncDirty) {
        FramePainted(w);
        Send(w, WM_NCPAINT, 1, 0);
        if (!W(w)) return nullptr;
    }
    POINT wo = WindowOrigin(w);
    POINT co = ClientOrigin(w);
    Rgn update(w->updateRgn ? new RegionObject(*w->updateRgn) : new RegionObject);
    AndRect(*update, w->client);
    if (w->internalPaint && update->rects.empty()) update = MakeRgn(w->client);
    RECT box = update->Box();
    OffsetRect(&box, -w->client.left, -w->client.top);
    ps->rcPaint = box;
    OffsetRgn(update.get(), wo.x, wo.y);
    w->paintClip = VisibleRegion(w, true, (w->style & WS_CLIPCHILDREN) != 0, (w->style & WS_CLIPSIBLINGS) != 0);
    CombineRgn(w->paintClip.get(), w->paintClip.get(), update.get(), RGN_AND);
    Validate(w, nullptr, false);
    ps->hdc = MakeDC(w, *w->paintClip, co);
    ps->fErase = FALSE;
    if (w->eraseDirty) {
        w->eraseDirty = false;
        ps->fErase = Send(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps->hdc), 0) ? FALSE : TRUE;
    }
    return ps->hdc;
}

BOOL EndPaint(HWND wnd, const PAINTSTRUCT* ps) {
    if (ps && ps->hdc) ReleaseDC(wnd, ps->hdc);
    if (Window* w = W(wnd)) w->paintClip.reset();
    return TRUE;
}

HDC GetDCEx(HWND wnd, HRGN clip, DWORD flags) {
    Window* w = wnd ? W(wnd) : D().desktopWnd;
    if (!w) return nullptr;
    bool window = (flags & DCX_WINDOW) != 0;
    bool clipChildren = (flags & DCX_CLIPCHILDREN) || (w->style & WS_CLIPCHILDREN);
    bool clipSiblings = (flags & DCX_CLIPSIBLINGS) || (w->style & WS_CLIPSIBLINGS);
    Rgn vis = VisibleRegion(w, !window, clipChildren, clipSiblings);
    if (clip && (flags & DCX_INTERSECTRGN)) CombineRgn(vis.get(), vis.get(), clip, RGN_AND);
    if (clip && (flags & DCX_EXCLUDERGN)) CombineRgn(vis.get(), vis.get(), clip, RGN_DIFF);
    return MakeDC(w, *vis, window ? WindowOrigin(w) : ClientOrigin(w));
}

HDC GetDC(HWND wnd) { return GetDCEx(wnd, nullptr, 0); }
HDC GetWindowDC(HWND wnd) { return GetDCEx(wnd, nullptr, DCX_WINDOW); }

int ReleaseDC(HWND, HDC dc) {
    auto& dcs = OpenDCs();
    auto it = dcs.find(dc);
    if (it == dcs.end()) return 0;
    dcs.erase(it);
    DeleteSurfaceDC(dc);
    return 1;
}

int ScrollWindowEx(HWND wnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN updateRgn, RECT* update,
                   UINT flags) {
    Window* w = W(wnd);
    if (!w) return ERROR;
    RECT client{0, 0, w->client.Width(), w->client.Height()};
    RECT area = client;
    if (scroll) IntersectRect(&area, &area, scroll);
    RECT clipRc = client;
    if (clip) IntersectRect(&clipRc, &clipRc, clip);
    POINT co = ClientOrigin(w);

    // What can be copied: the visible part of the scrolled area, moved, and
    // still visible and inside the clip rectangle.
    Rgn vis = VisibleRegion(w, true, (w->style & WS_CLIPCHILDREN) != 0, true);
    OffsetRgn(vis.get(), -co.x, -co.y); // client coordinates
    Rgn src = MakeRgn(area);
    CombineRgn(src.get(), src.get(), vis.get(), RGN_AND);
    Rgn dst(new RegionObject(*src));
    OffsetRgn(dst.get(), dx, dy);
    AndRect(*dst, clipRc);
    AndRect(*dst, area);
    CombineRgn(dst.get(), dst.get(), vis.get(), RGN_AND);

    if (!dst->rects.empty() && ReallyVisible(w) && !RedrawSuspended(w)) {
        RECT sb = src->Box();
        cairo_surface_t* tmp = cairo_image_surface_create(CAIRO_FORMAT_RGB24, sb.Width(), sb.Height());
        cairo_t* t = cairo_create(tmp);
        cairo_set_source_surface(t, D().surface, -(co.x + sb.left), -(co.y + sb.top));
        cairo_paint(t);
        cairo_destroy(t);
        Rgn screenDst(new RegionObject(*dst));
        OffsetRgn(screenDst.get(), co.x, co.y);
        cairo_t* cr = SurfaceCairo(*screenDst, {0, 0});
        cairo_set_source_surface(cr, tmp, co.x + sb.left + dx, co.y + sb.top + dy);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_surface_destroy(tmp);
    }

    // The uncovered part of the clip area needs painting; a pending update
    // inside the scrolled area moves with the pixels.
    Rgn invalid = MakeRgn(clipRc);
    AndRect(*invalid, area);
    CombineRgn(invalid.get(), invalid.get(), dst.get(), RGN_DIFF);
    if (w->updateRgn) {
        Rgn moved(new RegionObject(*w->updateRgn));
        OffsetRgn(moved.get(), -w->client.left, -w->client.top);
        AndRect(*moved, area);
        Rgn areaRgn = MakeRgn(area);
        Rgn keep(new RegionObject(*w->updateRgn));
        Rgn areaW(new RegionObject(*areaRgn));
        OffsetRgn(areaW.get(), w->client.left, w->client.top);
        CombineRgn(keep.get(), keep.get(), areaW.get(), RGN_DIFF);
        w->updateRgn = std::move(keep);
        OffsetRgn(moved.get(), dx, dy);
        AndRect(*moved, clipRc);
        CombineRgn(invalid.get(), invalid.get(), moved.get(), RGN_OR);
    }
    if (flags & SW_SCROLLCHILDREN) {
        auto kids = w->children;
        for (Window* c : kids) {
            RECT cr = c->rect;
            if (scroll && !IntersectRect(&cr, &cr, &area)) continue;
            SetWindowPos(c, nullptr, c->rect.left + dx, c->rect.top + dy, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (updateRgn) updateRgn->rects = invalid->rects;
    if (update) *update = invalid->Box();
    if (flags & SW_INVALIDATE) InvalidateRgn(w, invalid.get(), (flags & SW_ERASE) ? TRUE : FALSE);
    return invalid->Complexity();
}

BOOL ScrollWindow(HWND wnd, int dx, int dy, const RECT* scroll, const RECT* clip) {
    return ScrollWindowEx(wnd, dx, dy, scroll, clip, nullptr, nullptr, SW_INVALIDATE | SW_ERASE) != ERROR;
}

} // namespace tv::win
