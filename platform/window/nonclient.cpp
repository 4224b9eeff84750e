// The classic non-client area: frame, caption with its buttons, menu bar,
// client edge and scroll bars; their geometry, hit testing and painting.
#include <pango/pangocairo.h>

#include <algorithm>

#include "platform/window/internal.h"
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
    if ((w->style & WS_CAPTION) != WS_CAPTION) return 0;
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
    if (w->style & WS_MINIMIZE) return HTCAPTION;
    if (PtInRect(&w->client, p)) return HTCLIENT;
    int width = r.Width(), height = r.Height();
    int fx = FrameWidth(w), fy = FrameHeight(w);
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

namespace {

void SetColor(cairo_t* cr, COLORREF c) {
    cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

void Fill(cairo_t* cr, const RECT& r, COLORREF c) {
    if (IsRectEmpty(&r)) return;
    SetColor(cr, c);
    cairo_rectangle(cr, r.left, r.top, r.Width(), r.Height());
    cairo_fill(cr);
}

// Two-pixel classic edge: raised or sunken.
void Edge(cairo_t* cr, const RECT& r, bool raised) {
    COLORREF outerTL = raised ? GetSysColor(COLOR_3DLIGHT) : GetSysColor(COLOR_3DSHADOW);
    COLORREF outerBR = raised ? GetSysColor(COLOR_3DDKSHADOW) : GetSysColor(COLOR_3DHIGHLIGHT);
    COLORREF innerTL = raised ? GetSysColor(COLOR_3DHIGHLIGHT) : GetSysColor(COLOR_3DDKSHADOW);
    COLORREF innerBR = raised ? GetSysColor(COLOR_3DSHADOW) : GetSysColor(COLOR_3DLIGHT);
    auto frame = [&](RECT q, COLORREF tl, COLORREF br) {
        Fill(cr, {q.left, q.top, q.right, q.top + 1}, tl);
        Fill(cr, {q.left, q.top, q.left + 1, q.bottom}, tl);
        Fill(cr, {q.left, q.bottom - 1, q.right, q.bottom}, br);
        Fill(cr, {q.right - 1, q.top, q.right, q.bottom}, br);
    };
    frame(r, outerTL, outerBR);
    RECT in = r;
    InflateRect(&in, -1, -1);
    if (!IsRectEmpty(&in)) frame(in, innerTL, innerBR);
}

void Text(cairo_t* cr, const std::string& text, const RECT& r, COLORREF c, bool bold, bool center) {
    if (text.empty() || IsRectEmpty(&r)) return;
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* fd = pango_font_description_from_string(bold ? "Sans Bold 8" : "Sans 8");
    pango_layout_set_font_description(layout, fd);
    pango_font_description_free(fd);
    pango_layout_set_text(layout, text.c_str(), -1);
    pango_layout_set_width(layout, r.Width() * PANGO_SCALE);
    pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
    pango_layout_set_single_paragraph_mode(layout, TRUE);
    if (center) pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
    int tw, th;
    pango_layout_get_pixel_size(layout, &tw, &th);
    cairo_save(cr);
    cairo_rectangle(cr, r.left, r.top, r.Width(), r.Height());
    cairo_clip(cr);
    SetColor(cr, c);
    cairo_move_to(cr, r.left, r.top + (r.Height() - th) / 2);
    pango_cairo_show_layout(cr, layout);
    cairo_restore(cr);
    g_object_unref(layout);
}

void Line(cairo_t* cr, double x0, double y0, double x1, double y1, COLORREF c, double width) {
    SetColor(cr, c);
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
}

enum class Glyph { Close, Max, Restore, Min, Help, Up, Down, Left, Right };

void DrawGlyph(cairo_t* cr, const RECT& r, Glyph g, bool enabled) {
    COLORREF c = enabled ? GetSysColor(COLOR_BTNTEXT) : GetSysColor(COLOR_GRAYTEXT);
    double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
    double s = std::max(2.0, std::min(r.Width(), r.Height()) / 2.0 - 2);
    switch (g) {
    case Glyph::Close:
        Line(cr, cx - s + 0.5, cy - s + 0.5, cx + s - 0.5, cy + s - 0.5, c, 1.6);
        Line(cr, cx + s - 0.5, cy - s + 0.5, cx - s + 0.5, cy + s - 0.5, c, 1.6);
        break;
    case Glyph::Max:
        SetColor(cr, c);
        cairo_set_line_width(cr, 1);
        cairo_rectangle(cr, cx - s + 0.5, cy - s + 0.5, 2 * s - 1, 2 * s - 1);
        cairo_stroke(cr);
        Fill(cr, {LONG(cx - s), LONG(cy - s), LONG(cx + s), LONG(cy - s + 2)}, c);
        break;
    case Glyph::Restore:
        SetColor(cr, c);
        cairo_set_line_width(cr, 1);
        cairo_rectangle(cr, cx - s + 0.5, cy - s / 2 + 0.5, 1.5 * s - 1, 1.5 * s - 1);
        cairo_rectangle(cr, cx - s / 2 + 0.5, cy - s + 0.5, 1.5 * s - 1, 1.5 * s - 1);
        cairo_stroke(cr);
        break;
    case Glyph::Min: Fill(cr, {LONG(cx - s), LONG(cy + s - 2), LONG(cx + s - 1), LONG(cy + s)}, c); break;
    case Glyph::Help: Text(cr, "?", r, c, true, true); break;
    default: {
        SetColor(cr, c);
        double a = s * 0.6;
        if (g == Glyph::Up) { cairo_move_to(cr, cx - a, cy + a / 2); cairo_line_to(cr, cx + a, cy + a / 2); cairo_line_to(cr, cx, cy - a / 2); }
        if (g == Glyph::Down) { cairo_move_to(cr, cx - a, cy - a / 2); cairo_line_to(cr, cx + a, cy - a / 2); cairo_line_to(cr, cx, cy + a / 2); }
        if (g == Glyph::Left) { cairo_move_to(cr, cx + a / 2, cy - a); cairo_line_to(cr, cx + a / 2, cy + a); cairo_line_to(cr, cx - a / 2, cy); }
        if (g == Glyph::Right) { cairo_move_to(cr, cx - a / 2, cy - a); cairo_line_to(cr, cx - a / 2, cy + a); cairo_line_to(cr, cx + a / 2, cy); }
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    }
}

void Button(cairo_t* cr, const RECT& r, Glyph g, bool enabled, bool pressed) {
    if (IsRectEmpty(&r)) return;
    Fill(cr, r, GetSysColor(COLOR_BTNFACE));
    Edge(cr, r, !pressed);
    RECT in = r;
    if (pressed) OffsetRect(&in, 1, 1);
    DrawGlyph(cr, in, g, enabled);
}

void PaintScrollBar(cairo_t* cr, Window* w, int bar) {
    RECT r = ScrollBarRect(w, bar);
    if (IsRectEmpty(&r)) return;
    SCROLLBARINFO sbi;
    GetScrollBarInfo(w, bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, &sbi);
    bool enabled = !(sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    bool vert = bar == SB_VERT;
    int arrow = sbi.dxyLineButton;
    Fill(cr, r, GetSysColor(COLOR_SCROLLBAR));
    RECT a1 = vert ? RECT{r.left, r.top, r.right, r.top + arrow} : RECT{r.left, r.top, r.left + arrow, r.bottom};
    RECT a2 = vert ? RECT{r.left, r.bottom - arrow, r.right, r.bottom} : RECT{r.right - arrow, r.top, r.right, r.bottom};
    Button(cr, a1, vert ? Glyph::Up : Glyph::Left, enabled && !(sbi.rgstate[1] & STATE_SYSTEM_UNAVAILABLE),
           sbi.rgstate[1] & STATE_SYSTEM_PRESSED);
    Button(cr, a2, vert ? Glyph::Down : Glyph::Right, enabled && !(sbi.rgstate[5] & STATE_SYSTEM_UNAVAILABLE),
           sbi.rgstate[5] & STATE_SYSTEM_PRESSED);
    if (enabled && sbi.xyThumbBottom > sbi.xyThumbTop) {
        RECT t = vert ? RECT{r.left, r.top + sbi.xyThumbTop, r.right, r.top + sbi.xyThumbBottom}
                      : RECT{r.left + sbi.xyThumbTop, r.top, r.left + sbi.xyThumbBottom, r.bottom};
        Fill(cr, t, GetSysColor(COLOR_BTNFACE));
        Edge(cr, t, true);
    }
}

void PaintMenuBar(cairo_t* cr, Window* w) {
    RECT mb = MenuBarRect(w);
    if (IsRectEmpty(&mb)) return;
    Fill(cr, mb, GetSysColor(COLOR_MENU));
    HMENU menu = w->menu;
    RECT wr = ScreenWindowRect(w);
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        RECT ir;
        if (!GetMenuItemRect(w, menu, UINT(i), &ir)) continue;
        OffsetRect(&ir, -wr.left, -wr.top);
        const MenuItem& item = menu->items[size_t(i)];
        if (item.flags & MF_SEPARATOR) continue;
        std::string text;
        for (size_t k = 0; k < item.text.size(); ++k) {
            if (item.text[k] == '&' && k + 1 < item.text.size()) ++k;
            text += item.text[k];
        }
        bool grayed = (item.flags & (MF_GRAYED | MF_DISABLED)) != 0;
        Text(cr, text, ir, GetSysColor(grayed ? COLOR_GRAYTEXT : COLOR_MENUTEXT), false, true);
    }
}

} // namespace

void DefNcPaint(Window* w) {
    if (!ReallyVisible(w)) return;
    auto vis = VisibleRegion(w, false, (w->style & WS_CLIPCHILDREN) != 0, (w->style & WS_CLIPSIBLINGS) != 0);
    POINT o = WindowOrigin(w);
    auto client = std::unique_ptr<RegionObject>(CreateRectRgn(o.x + w->client.left, o.y + w->client.top,
                                                              o.x + w->client.right, o.y + w->client.bottom));
    CombineRgn(vis.get(), vis.get(), client.get(), RGN_DIFF);
    if (vis->rects.empty()) return;
    cairo_t* cr = SurfaceCairo(*vis, o);
    int width = w->rect.Width(), height = w->rect.Height();
    int fx = FrameWidth(w), fy = FrameHeight(w);
    bool active = w->ncActive;
    RECT all{0, 0, width, height};
    if (fx || fy) {
        Fill(cr, all, GetSysColor((w->style & WS_THICKFRAME) ? (active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER)
                                                             : COLOR_BTNFACE));
        if (fx >= 2) Edge(cr, all, true);
        else {
            SetColor(cr, GetSysColor(COLOR_WINDOWFRAME));
            cairo_set_line_width(cr, 1);
            cairo_rectangle(cr, 0.5, 0.5, width - 1, height - 1);
            cairo_stroke(cr);
        }
    }
    int cap = CaptionHeight(w);
    if (cap) {
        RECT cr0{fx, fy, width - fx, fy + cap - 1};
        COLORREF c1 = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
        COLORREF c2 = GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
        cairo_pattern_t* pat = cairo_pattern_create_linear(cr0.left, 0, cr0.right, 0);
        cairo_pattern_add_color_stop_rgb(pat, 0, GetRValue(c1) / 255.0, GetGValue(c1) / 255.0, GetBValue(c1) / 255.0);
        cairo_pattern_add_color_stop_rgb(pat, 1, GetRValue(c2) / 255.0, GetGValue(c2) / 255.0, GetBValue(c2) / 255.0);
        cairo_set_source(cr, pat);
        cairo_rectangle(cr, cr0.left, cr0.top, cr0.Width(), cr0.Height());
        cairo_fill(cr);
        cairo_pattern_destroy(pat);
        Fill(cr, {fx, fy + cap - 1, width - fx, fy + cap}, GetSysColor(COLOR_BTNFACE));
        RECT cl, mx, mn, hp, sm;
        CaptionButtonRects(w, &cl, &mx, &mn, &hp, &sm);
        int textLeft = IsRectEmpty(&sm) ? fx + 3 : sm.right + 2;
        if (!IsRectEmpty(&sm)) {
            // The window's icon: a small plain square stands for it.
            RECT ic{sm.left + 2, sm.top + 2, sm.right - 2, sm.bottom - 2};
            Fill(cr, ic, GetSysColor(COLOR_BTNFACE));
            Edge(cr, ic, true);
        }
        int textRight = (!IsRectEmpty(&mn) ? mn.left : !IsRectEmpty(&hp) ? hp.left
                         : !IsRectEmpty(&cl) ? cl.left : width - fx) - 2;
        Text(cr, w->text, {textLeft, fy, textRight, fy + cap - 1},
             GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT), true, false);
        bool closeEnabled = !(w->cls->wc.style & CS_NOCLOSE);
        Button(cr, cl, Glyph::Close, closeEnabled, false);
        Button(cr, mx, (w->style & WS_MAXIMIZE) ? Glyph::Restore : Glyph::Max, (w->style & WS_MAXIMIZEBOX) != 0,
               false);
        Button(cr, mn, (w->style & WS_MINIMIZE) ? Glyph::Restore : Glyph::Min, (w->style & WS_MINIMIZEBOX) != 0,
               false);
        Button(cr, hp, Glyph::Help, true, false);
    }
    PaintMenuBar(cr, w);
    int e = EdgeWidth(w);
    if (e) {
        RECT er = w->client;
        RECT v = ScrollBarRect(w, SB_VERT), h = ScrollBarRect(w, SB_HORZ);
        if (!IsRectEmpty(&v)) UnionRect(&er, &er, &v);
        if (!IsRectEmpty(&h)) UnionRect(&er, &er, &h);
        InflateRect(&er, e, e);
        if (e >= 2) Edge(cr, er, false);
        else {
            SetColor(cr, GetSysColor(COLOR_3DSHADOW));
            cairo_set_line_width(cr, 1);
            cairo_rectangle(cr, er.left + 0.5, er.top + 0.5, er.Width() - 1, er.Height() - 1);
            cairo_stroke(cr);
        }
    }
    PaintScrollBar(cr, w, SB_VERT);
    PaintScrollBar(cr, w, SB_HORZ);
    RECT box = SizeBoxRect(w);
    Fill(cr, box, GetSysColor(COLOR_BTNFACE));
    cairo_destroy(cr);
}

} // namespace tv::win
