// The classic non-client area: frame, caption with its buttons, menu bar,
// client edge and scroll bars; their geometry, hit testing and painting.
#include <algorithm>

#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/edges.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"
#include "platform/window/internal.h"
#include "platform/window/paint.h"
#include "platform/window/menu.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"

namespace tv::win {

int FrameWidth(const Window* w) {
    if (w->style & WS_THICKFRAME) return GetSystemMetrics(SM_CXSIZEFRAME);
    if ((w->style & WS_DLGFRAME) || (w->exStyle & WS_EX_DLGMODALFRAME)) return GetSystemMetrics(SM_CXFIXEDFRAME);
    if (w->style & WS_BORDER) return GetSystemMetrics(SM_CXBORDER);
    return 0;
}

int FrameHeight(const Window* w) {
    if (w->style & WS_THICKFRAME) return GetSystemMetrics(SM_CYSIZEFRAME);
    if ((w->style & WS_DLGFRAME) || (w->exStyle & WS_EX_DLGMODALFRAME)) return GetSystemMetrics(SM_CYFIXEDFRAME);
    if (w->style & WS_BORDER) return GetSystemMetrics(SM_CYBORDER);
    return 0;
}

int CaptionHeight(const Window* w) {
    if (!HasCaption(w->style)) return 0;
    return GetSystemMetrics((w->exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

bool HasMenuBar(const Window* w) { return !(w->style & WS_CHILD) && w->menu && IsMenu(w->menu); }

static int EdgeWidth(const Window* w) {
    if (w->exStyle & WS_EX_CLIENTEDGE) return GetSystemMetrics(SM_CXEDGE);
    if (w->exStyle & WS_EX_STATICEDGE) return GetSystemMetrics(SM_CXBORDER);
    return 0;
}

bool ScrollBarShown(const Window* w, int bar) {
    if (w->style & WS_MINIMIZE) return false;
    return bar == SB_HORZ ? (w->style & WS_HSCROLL) != 0 : (w->style & WS_VSCROLL) != 0;
}

void DefNcCalcSize(Window* w, RECT* rc) {
    if (w->style & WS_MINIMIZE) {
        rc->right = rc->left;
        rc->bottom = rc->top;
        return;
    }
    int fx = FrameWidth(w), fy = FrameHeight(w);
    rc->left += fx;
    rc->right -= fx;
    rc->top += fy + CaptionHeight(w);
    rc->bottom -= fy;
    if (HasMenuBar(w)) rc->top += GetMenuBarHeight(w, rc->right - rc->left + 2 * fx);
    int e = EdgeWidth(w);
    InflateRect(rc, -e, -e);
    if (ScrollBarShown(w, SB_VERT) && rc->right - rc->left >= GetSystemMetrics(SM_CXVSCROLL)) {
        if (w->exStyle & WS_EX_LEFTSCROLLBAR) rc->left += GetSystemMetrics(SM_CXVSCROLL);
        else rc->right -= GetSystemMetrics(SM_CXVSCROLL);
    }
    if (ScrollBarShown(w, SB_HORZ) && rc->bottom - rc->top >= GetSystemMetrics(SM_CYHSCROLL))
        rc->bottom -= GetSystemMetrics(SM_CYHSCROLL);
    if (rc->right < rc->left) rc->right = rc->left;
    if (rc->bottom < rc->top) rc->bottom = rc->top;
}

RECT CalcClientRect(Window* w, const RECT& wr) {
    NCCALCSIZE_PARAMS p;
    p.rgrc[0] = wr;
    p.rgrc[1] = wr;
    p.rgrc[2] = {wr.left + w->client.left, wr.top + w->client.top, wr.left + w->client.right,
                 wr.top + w->client.bottom};
    WINDOWPOS pos{w, nullptr, wr.left, wr.top, wr.Width(), wr.Height(), 0};
    p.lppos = &pos;
    Send(w, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&p));
    RECT c = p.rgrc[0];
    if (c.right < c.left) c.right = c.left;
    if (c.bottom < c.top) c.bottom = c.top;
    return {c.left - wr.left, c.top - wr.top, c.right - wr.left, c.bottom - wr.top};
}

RECT MenuBarRect(Window* w) {
    if (!HasMenuBar(w) || (w->style & WS_MINIMIZE)) return {};
    int fx = FrameWidth(w), fy = FrameHeight(w);
    int top = fy + CaptionHeight(w);
    return {fx, top, w->rect.Width() - fx, top + GetMenuBarHeight(w, w->rect.Width())};
}

RECT ScrollBarRect(Window* w, int bar) {
    if (!ScrollBarShown(w, bar)) return {};
    const RECT& c = w->client;
    if (bar == SB_VERT) {
        int cx = GetSystemMetrics(SM_CXVSCROLL);
        if (w->exStyle & WS_EX_LEFTSCROLLBAR) return {c.left - cx, c.top, c.left, c.bottom};
        return {c.right, c.top, c.right + cx, c.bottom};
    }
    return {c.left, c.bottom, c.right, c.bottom + GetSystemMetrics(SM_CYHSCROLL)};
}

RECT SizeBoxRect(Window* w) {
    if (!ScrollBarShown(w, SB_VERT) || !ScrollBarShown(w, SB_HORZ)) return {};
    RECT v = ScrollBarRect(w, SB_VERT), h = ScrollBarRect(w, SB_HORZ);
    return {v.left, h.top, v.right, h.bottom};
}

void CaptionButtonRects(Window* w, RECT* close, RECT* max, RECT* min, RECT* help, RECT* sysMenu) {
    RECT none{};
    *close = *max = *min = *help = *sysMenu = none;
    int cap = CaptionHeight(w);
    if (!cap || !(w->style & WS_SYSMENU)) return;
    bool tool = (w->exStyle & WS_EX_TOOLWINDOW) != 0;
    int fx = FrameWidth(w), fy = FrameHeight(w);
    int bw = GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE) - 2;
    int bh = GetSystemMetrics(tool ? SM_CYSMSIZE : SM_CYSIZE) - 4;
    int top = fy + 2;
    int right = w->rect.Width() - fx - 2;
    *close = {right - bw, top, right, top + bh};
    right = close->left - 2;
    if (!tool && (w->style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
        *max = {right - bw, top, right, top + bh};
        *min = {max->left - bw, top, max->left, top + bh};
        right = min->left - 2;
    } else if (w->exStyle & WS_EX_CONTEXTHELP) {
        *help = {right - bw, top, right, top + bh};
    }
    if (!tool && !(w->exStyle & WS_EX_DLGMODALFRAME)) *sysMenu = {fx, fy, fx + cap - 1, fy + cap - 1};
}

LRESULT DefNcHitTest(Window* w, POINT pt) {
    RECT r = ScreenWindowRect(w);
    if (!PtInRect(&r, pt)) return HTNOWHERE;
    POINT p{pt.x - r.left, pt.y - r.top}; // window coordinates
    if (PtInRect(&w->client, p)) return HTCLIENT;
    int width = r.Width(), height = r.Height();
    int fx = FrameWidth(w), fy = FrameHeight(w);
    // A minimised window is all caption, with its buttons still working.
    if (w->style & WS_MINIMIZE) {
        RECT cl, mx, mn, hp, sm;
        CaptionButtonRects(w, &cl, &mx, &mn, &hp, &sm);
        if (PtInRect(&cl, p)) return HTCLOSE;
        if (PtInRect(&mx, p)) return HTMAXBUTTON;
        if (PtInRect(&mn, p)) return HTMINBUTTON;
        return HTCAPTION;
    }
    bool sizing = (w->style & WS_THICKFRAME) && !(w->style & WS_MAXIMIZE);
    if (p.x < fx || p.x >= width - fx || p.y < fy || p.y >= height - fy) {
        if (!sizing) return HTBORDER;
        int cornerX = GetSystemMetrics(SM_CXSIZE) + fx, cornerY = GetSystemMetrics(SM_CYSIZE) + fy;
        bool left = p.x < cornerX, right = p.x >= width - cornerX;
        bool top = p.y < cornerY, bottom = p.y >= height - cornerY;
        if (p.x < fx) return top ? HTTOPLEFT : bottom ? HTBOTTOMLEFT : HTLEFT;
        if (p.x >= width - fx) return top ? HTTOPRIGHT : bottom ? HTBOTTOMRIGHT : HTRIGHT;
        if (p.y < fy) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
        return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    }
    int cap = CaptionHeight(w);
    if (cap && p.y < fy + cap) {
        RECT cl, mx, mn, hp, sm;
        CaptionButtonRects(w, &cl, &mx, &mn, &hp, &sm);
        if (PtInRect(&cl, p)) return HTCLOSE;
        if (PtInRect(&mx, p)) return HTMAXBUTTON;
        if (PtInRect(&mn, p)) return HTMINBUTTON;
        if (PtInRect(&hp, p)) return HTHELP;
        if (PtInRect(&sm, p)) return HTSYSMENU;
        return HTCAPTION;
    }
    RECT mb = MenuBarRect(w);
    if (PtInRect(&mb, p)) return HTMENU;
    RECT box = SizeBoxRect(w);
    if (PtInRect(&box, p)) return sizing ? HTBOTTOMRIGHT : HTSIZE;
    RECT vb = ScrollBarRect(w, SB_VERT);
    if (PtInRect(&vb, p)) return HTVSCROLL;
    RECT hb = ScrollBarRect(w, SB_HORZ);
    if (PtInRect(&hb, p)) return HTHSCROLL;
    return HTBORDER;
}

// ---- painting -------------------------------------------------------------
// Drawn with the drawing layer into a device context whose origin is the
// window's top-left corner, so WM_PRINT can ask for the same picture.

namespace {

HBRUSH SysBrush(int index) { return reinterpret_cast<HBRUSH>(std::intptr_t(index + 1)); }

void Fill(HDC dc, RECT r, int colorIndex) {
    if (!IsRectEmpty(&r)) FillRect(dc, &r, SysBrush(colorIndex));
}

void Label(HDC dc, const std::string& text, RECT r, COLORREF color, const LOGFONT& lf, UINT format) {
    if (text.empty() || IsRectEmpty(&r)) return;
    HFONT font = CreateFontIndirect(lf);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawText(dc, text, &r, format | DT_SINGLELINE | DT_VCENTER);
    SelectObject(dc, old);
    DeleteObject(font);
}

void CaptionButton(HDC dc, RECT r, UINT kind, bool enabled) {
    if (IsRectEmpty(&r)) return;
    DrawFrameControl(dc, &r, DFC_CAPTION, kind | (enabled ? 0 : DFCS_INACTIVE));
}

void PaintScrollBar(HDC dc, Window* w, int bar) {
    RECT r = ScrollBarRect(w, bar);
    if (!IsRectEmpty(&r)) PaintScrollBar(dc, w, bar, r);
}

void PaintMenuBar(HDC dc, Window* w, const LOGFONT& font) {
    RECT mb = MenuBarRect(w);
    if (IsRectEmpty(&mb)) return;
    Fill(dc, mb, COLOR_MENU);
    HMENU menu = w->menu;
    RECT wr = ScreenWindowRect(w);
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        RECT ir;
        if (!GetMenuItemRect(w, menu, UINT(i), &ir)) continue;
        OffsetRect(&ir, -wr.left, -wr.top);
        const MenuItem& item = menu->items[size_t(i)];
        if (item.flags & MF_SEPARATOR) continue;
        bool grayed = (item.flags & (MF_GRAYED | MF_DISABLED)) != 0;
        bool hot = (item.flags & MF_HILITE) != 0;
        if (item.flags & MF_OWNERDRAW) {
            // The owner draws the item (a skin draws the whole bar's items).
            DRAWITEMSTRUCT dis;
            dis.itemID = UINT(item.id);
            dis.itemState = (hot ? ODS_SELECTED : 0) | (grayed ? ODS_GRAYED : 0);
            dis.hwndItem = w;
            dis.hMenu = menu;
            dis.hDC = dc;
            dis.rcItem = ir;
            dis.itemData = item.data;
            Send(w, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
            if (!W(w) || !IsMenu(menu) || size_t(i) >= menu->items.size()) return;
            continue;
        }
        if (hot) Fill(dc, ir, COLOR_HIGHLIGHT);
        Label(dc, item.text, ir, GetSysColor(grayed ? COLOR_GRAYTEXT : hot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT), font,
              DT_CENTER);
    }
}

} // namespace

void DrawNonClient(Window* w, HDC dc) {
    if (!dc) return;
    int width = w->rect.Width(), height = w->rect.Height();
    int fx = FrameWidth(w), fy = FrameHeight(w);
    bool active = w->ncActive;
    NONCLIENTMETRICS ncm;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &ncm, 0);
    RECT all{0, 0, width, height};
    if (fx || fy) {
        Fill(dc, all, (w->style & WS_THICKFRAME) ? (active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER) : COLOR_BTNFACE);
        if (fx >= 2) DrawEdge(dc, &all, EDGE_RAISED, BF_RECT);
        else FrameRect(dc, &all, SysBrush(COLOR_WINDOWFRAME));
    }
    int cap = CaptionHeight(w);
    if (cap) {
        RECT band{fx, fy, width - fx, fy + cap - 1};
        COLORREF c1 = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
        COLORREF c2 = GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
        TRIVERTEX v[2];
        v[0] = {band.left, band.top, COLOR16(GetRValue(c1) << 8), COLOR16(GetGValue(c1) << 8),
                COLOR16(GetBValue(c1) << 8), 0};
        v[1] = {band.right, band.bottom, COLOR16(GetRValue(c2) << 8), COLOR16(GetGValue(c2) << 8),
                COLOR16(GetBValue(c2) << 8), 0};
        GRADIENT_RECT gr{0, 1};
        GradientFill(dc, v, 2, &gr, 1, GRADIENT_FILL_RECT_H);
        Fill(dc, {fx, fy + cap - 1, width - fx, fy + cap}, COLOR_BTNFACE);
        RECT cl, mx, mn, hp, sm;
        CaptionButtonRects(w, &cl, &mx, &mn, &hp, &sm);
        int textLeft = IsRectEmpty(&sm) ? fx + 3 : sm.right + 2;
        if (!IsRectEmpty(&sm)) {
            // The window's icon: a small plain square stands for it.
            RECT ic{sm.left + 2, sm.top + 2, sm.right - 2, sm.bottom - 2};
            Fill(dc, ic, COLOR_BTNFACE);
            DrawEdge(dc, &ic, EDGE_RAISED, BF_RECT);
        }
        int textRight = (!IsRectEmpty(&mn) ? mn.left : !IsRectEmpty(&hp) ? hp.left
                         : !IsRectEmpty(&cl) ? cl.left : width - fx) - 2;
        Label(dc, w->text, {textLeft, fy, textRight, fy + cap - 1},
              GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT),
              (w->exStyle & WS_EX_TOOLWINDOW) ? ncm.lfSmCaptionFont : ncm.lfCaptionFont,
              DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
        CaptionButton(dc, cl, DFCS_CAPTIONCLOSE, !(w->cls->wc.style & CS_NOCLOSE));
        CaptionButton(dc, mx, (w->style & WS_MAXIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX,
                      (w->style & WS_MAXIMIZEBOX) != 0);
        CaptionButton(dc, mn, (w->style & WS_MINIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN,
                      (w->style & WS_MINIMIZEBOX) != 0);
        CaptionButton(dc, hp, DFCS_CAPTIONHELP, true);
    }
    PaintMenuBar(dc, w, ncm.lfMenuFont);
    int e = EdgeWidth(w);
    if (e) {
        RECT er = w->client;
        RECT v = ScrollBarRect(w, SB_VERT), h = ScrollBarRect(w, SB_HORZ);
        if (!IsRectEmpty(&v)) UnionRect(&er, &er, &v);
        if (!IsRectEmpty(&h)) UnionRect(&er, &er, &h);
        InflateRect(&er, e, e);
        DrawEdge(dc, &er, e >= 2 ? EDGE_SUNKEN : BDR_SUNKENOUTER, BF_RECT);
    }
    PaintScrollBar(dc, w, SB_VERT);
    PaintScrollBar(dc, w, SB_HORZ);
    RECT box = SizeBoxRect(w);
    if (!IsRectEmpty(&box)) {
        Fill(dc, box, COLOR_BTNFACE);
        if ((w->style & WS_THICKFRAME) && !(w->style & WS_MAXIMIZE))
            DrawFrameControl(dc, &box, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
}

void DefNcPaint(Window* w) {
    if (!ReallyVisible(w)) return;
    HDC dc = GetDCEx(w, nullptr, DCX_WINDOW);
    if (!dc) return;
    ExcludeClipRect(dc, w->client.left, w->client.top, w->client.right, w->client.bottom);
    DrawNonClient(w, dc);
    ReleaseDC(w, dc);
}

} // namespace tv::win
