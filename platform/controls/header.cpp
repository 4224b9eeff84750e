// The header window procedure.
#include "platform/controls/header.h"

#include <algorithm>
#include <vector>

#include "platform/controls/controlclass.h"
#include "platform/controls/windowstate.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/edges.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"
#include "platform/window/cursor.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/window.h"

namespace tv::win {

namespace {

// Half the width of the zone around a column's right edge that sizes it.
constexpr int kDividerZone = 4;

struct Item {
    std::string text;
    int width = 50;
    int fmt = HDF_LEFT | HDF_STRING;
    LPARAM lParam = 0;
    int image = -1;
};

struct HeaderState {
    std::vector<Item> items;
    std::vector<int> order; // display position to item index
    HFONT font = nullptr;
    HIMAGELIST images = nullptr;
    int pressed = -1; // the caption held down
    bool pressedInside = false;
    int tracking = -1; // the column whose divider is dragged
    int trackFromX = 0, trackFromWidth = 0;
};

const WindowStateProp<HeaderState> kState{"TvHeaderState"};
HeaderState* State(HWND w) { return kState.Get(w); }
DWORD Style(HWND w) { return DWORD(GetWindowLong(w, GWL_STYLE)); }

int FontHeight(HFONT font) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    return std::max<int>(1, tm.tmHeight);
}

RECT ItemRect(HWND w, HeaderState& s, int index) {
    RECT c;
    GetClientRect(w, &c);
    int x = 0;
    for (int i : s.order) {
        const Item& it = s.items[size_t(i)];
        if (i == index) return {x, 0, x + it.width, c.bottom};
        x += it.width;
    }
    return {};
}

int Position(HeaderState& s, int index) {
    auto at = std::find(s.order.begin(), s.order.end(), index);
    return at == s.order.end() ? -1 : int(at - s.order.begin());
}

HDHITTESTINFO HitTest(HWND w, HeaderState& s, POINT p) {
    HDHITTESTINFO h;
    h.pt = p;
    RECT c;
    GetClientRect(w, &c);
    if (p.y < 0) h.flags |= HHT_ABOVE;
    if (p.y >= c.bottom) h.flags |= HHT_BELOW;
    if (p.x < 0) h.flags |= HHT_TOLEFT;
    if (p.x >= c.right) h.flags |= HHT_TORIGHT;
    if (h.flags) return h;
    // A divider belongs to the column on its left, and wins over the caption
    // it overlaps: the last divider drawn is the one found.
    int x = 0;
    for (int i : s.order) {
        x += s.items[size_t(i)].width;
        if (p.x >= x - kDividerZone && p.x < x + kDividerZone) h.iItem = i, h.flags = HHT_ONDIVIDER;
    }
    if (h.flags) return h;
    x = 0;
    for (int i : s.order) {
        int w2 = s.items[size_t(i)].width;
        if (p.x >= x && p.x < x + w2) {
            h.iItem = i;
            h.flags = HHT_ONHEADER;
            return h;
        }
        x += w2;
    }
    h.flags = HHT_NOWHERE;
    return h;
}

LRESULT Notify(HWND w, UINT code, int item, HDITEM* hdi = nullptr) {
    NMHEADER n;
    n.iItem = item;
    n.pitem = hdi;
    return SendNotify(w, code, n.hdr);
}

void Invalidate(HWND w) { InvalidateRect(w, nullptr, TRUE); }

void PaintItem(HDC dc, HeaderState& s, const Item* it, RECT r, bool pressed) {
    RECT face = r;
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    if (!it) return;
    RECT tr{r.left + 6, r.top + 1, r.right - 6, r.bottom - 1};
    if (pressed) OffsetRect(&tr, 1, 1);
    if ((it->fmt & HDF_IMAGE) && s.images && it->image >= 0 && it->image < ImageList_GetImageCount(s.images)) {
        int iw = 0, ih = 0;
        ImageList_GetIconSize(s.images, &iw, &ih);
        ImageList_Draw(s.images, it->image, dc, tr.left, tr.top + (tr.Height() - ih) / 2, ILD_TRANSPARENT);
        tr.left += iw + 4;
    }
    if (tr.right <= tr.left) return;
    UINT align = (it->fmt & HDF_JUSTIFYMASK) == HDF_RIGHT    ? DT_RIGHT
                 : (it->fmt & HDF_JUSTIFYMASK) == HDF_CENTER ? DT_CENTER
                                                             : DT_LEFT;
    DrawText(dc, it->text, &tr, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void Paint(HWND w, HeaderState& s, HDC given) {
    PAINTSTRUCT ps;
    HDC dc = given ? given : BeginPaint(w, &ps);
    RECT c;
    GetClientRect(w, &c);
    HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    FillRect(dc, &c, face);
    DeleteObject(face);
    HGDIOBJ oldFont = SelectObject(dc, s.font ? s.font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(w) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    int x = 0;
    for (int i : s.order) {
        const Item& it = s.items[size_t(i)];
        PaintItem(dc, s, &it, {x, 0, x + it.width, c.bottom}, i == s.pressed && s.pressedInside);
        x += it.width;
    }
    if (x < c.right) PaintItem(dc, s, nullptr, {x, 0, c.right, c.bottom}, false);
    SelectObject(dc, oldFont);
    if (!given) EndPaint(w, &ps);
}

LRESULT InsertItem(HWND w, HeaderState& s, int at, const HDITEM* hdi) {
    if (!hdi) return -1;
    Item it;
    if (hdi->mask & HDI_TEXT) it.text = hdi->pszText;
    if (hdi->mask & HDI_WIDTH) it.width = std::max(0, hdi->cxy);
    if (hdi->mask & HDI_FORMAT) it.fmt = hdi->fmt;
    if (hdi->mask & HDI_LPARAM) it.lParam = hdi->lParam;
    if (hdi->mask & HDI_IMAGE) it.image = hdi->iImage;
    at = std::clamp(at, 0, int(s.items.size()));
    s.items.insert(s.items.begin() + at, it);
    for (int& i : s.order)
        if (i >= at) ++i;
    int pos = (hdi->mask & HDI_ORDER) && hdi->iOrder >= 0 ? std::min(hdi->iOrder, int(s.order.size()))
                                                          : std::min(at, int(s.order.size()));
    s.order.insert(s.order.begin() + pos, at);
    Invalidate(w);
    return at;
}

LRESULT DeleteItem(HWND w, HeaderState& s, int index) {
    if (index < 0 || index >= int(s.items.size())) return FALSE;
    s.items.erase(s.items.begin() + index);
    s.order.erase(std::find(s.order.begin(), s.order.end(), index));
    for (int& i : s.order)
        if (i > index) --i;
    if (s.pressed == index || s.tracking == index) {
        s.pressed = s.tracking = -1;
        ReleaseCapture();
    }
    Invalidate(w);
    return TRUE;
}

LRESULT GetItem(HeaderState& s, int index, HDITEM* hdi) {
    if (!hdi || index < 0 || index >= int(s.items.size())) return FALSE;
    const Item& it = s.items[size_t(index)];
    if (hdi->mask & HDI_TEXT) hdi->pszText = it.text;
    if (hdi->mask & HDI_WIDTH) hdi->cxy = it.width;
    if (hdi->mask & HDI_FORMAT) hdi->fmt = it.fmt;
    if (hdi->mask & HDI_LPARAM) hdi->lParam = it.lParam;
    if (hdi->mask & HDI_IMAGE) hdi->iImage = it.image;
    if (hdi->mask & HDI_ORDER) hdi->iOrder = Position(s, index);
    return TRUE;
}

void Reorder(HeaderState& s, int index, int pos) {
    s.order.erase(std::find(s.order.begin(), s.order.end(), index));
    s.order.insert(s.order.begin() + std::clamp(pos, 0, int(s.order.size())), index);
}

LRESULT SetItem(HWND w, HeaderState& s, int index, const HDITEM* hdi) {
    if (!hdi || index < 0 || index >= int(s.items.size())) return FALSE;
    HDITEM change = *hdi;
    if (Notify(w, HDN_ITEMCHANGING, index, &change)) return FALSE;
    Item& it = s.items[size_t(index)];
    if (hdi->mask & HDI_TEXT) it.text = hdi->pszText;
    if (hdi->mask & HDI_WIDTH) it.width = std::max(0, hdi->cxy);
    if (hdi->mask & HDI_FORMAT) it.fmt = hdi->fmt;
    if (hdi->mask & HDI_LPARAM) it.lParam = hdi->lParam;
    if (hdi->mask & HDI_IMAGE) it.image = hdi->iImage;
    if ((hdi->mask & HDI_ORDER) && hdi->iOrder >= 0) Reorder(s, index, hdi->iOrder);
    Invalidate(w);
    Notify(w, HDN_ITEMCHANGED, index, &change);
    return TRUE;
}

// The divider follows the mouse; the parent may refuse each new width.
void TrackTo(HWND w, HeaderState& s, int x) {
    int width = std::max(0, s.trackFromWidth + x - s.trackFromX);
    if (width == s.items[size_t(s.tracking)].width) return;
    HDITEM hdi;
    hdi.mask = HDI_WIDTH;
    hdi.cxy = width;
    Notify(w, HDN_TRACK, s.tracking, &hdi);
    SetItem(w, s, s.tracking, &hdi);
}

void ButtonDown(HWND w, HeaderState& s, POINT p, bool twice) {
    HDHITTESTINFO h = HitTest(w, s, p);
    if (h.flags & HHT_ONDIVIDER) {
        if (twice) {
            Notify(w, HDN_DIVIDERDBLCLICK, h.iItem);
            return;
        }
        HDITEM hdi;
        hdi.mask = HDI_WIDTH;
        hdi.cxy = s.items[size_t(h.iItem)].width;
        if (Notify(w, HDN_BEGINTRACK, h.iItem, &hdi)) return;
        s.tracking = h.iItem;
        s.trackFromX = p.x;
        s.trackFromWidth = hdi.cxy;
        SetCapture(w);
        return;
    }
    if ((h.flags & HHT_ONHEADER) && (Style(w) & HDS_BUTTONS)) {
        s.pressed = h.iItem;
        s.pressedInside = true;
        SetCapture(w);
        Invalidate(w);
    }
}

void MouseMove(HWND w, HeaderState& s, POINT p) {
    if (s.tracking >= 0) {
        TrackTo(w, s, p.x);
        return;
    }
    if (s.pressed >= 0) {
        RECT r = ItemRect(w, s, s.pressed);
        bool inside = PtInRect(&r, p);
        if (inside != s.pressedInside) {
            s.pressedInside = inside;
            Invalidate(w);
        }
    }
}

void ButtonUp(HWND w, HeaderState& s, POINT p) {
    if (s.tracking >= 0) {
        TrackTo(w, s, p.x);
        int item = s.tracking;
        s.tracking = -1;
        ReleaseCapture();
        HDITEM hdi;
        hdi.mask = HDI_WIDTH;
        hdi.cxy = s.items[size_t(item)].width;
        Notify(w, HDN_ENDTRACK, item, &hdi);
        return;
    }
    if (s.pressed >= 0) {
        int item = s.pressed;
        bool click = s.pressedInside;
        s.pressed = -1;
        s.pressedInside = false;
        ReleaseCapture();
        Invalidate(w);
        if (click) Notify(w, HDN_ITEMCLICK, item);
    }
}

LRESULT Layout(HWND w, HeaderState& s, HDLAYOUT* l) {
    if (!l || !l->prc || !l->pwpos) return FALSE;
    int h = (Style(w) & HDS_HIDDEN) ? 0 : FontHeight(s.font) + 8;
    RECT& r = *l->prc;
    *l->pwpos = WINDOWPOS{w, nullptr, r.left, r.top, r.right - r.left, h, SWP_NOZORDER | SWP_NOACTIVATE};
    r.top += h;
    return TRUE;
}

LRESULT HeaderProc(HWND w, HeaderState& s, UINT msg, WPARAM wp, LPARAM lp) {
    POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    switch (msg) {
    case WM_SETFONT:
        s.font = reinterpret_cast<HFONT>(wp);
        if (LOWORD(lp)) Invalidate(w);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(s.font);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
    case WM_PRINTCLIENT: Paint(w, s, reinterpret_cast<HDC>(wp)); return 0;
    case WM_SETCURSOR: {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(w, &p);
        if (s.tracking >= 0 || (HitTest(w, s, p).flags & HHT_ONDIVIDER)) {
            SetCursor(LoadCursor(IDC_SIZEWE));
            return TRUE;
        }
        return DefWindowProc(w, msg, wp, lp);
    }
    case WM_LBUTTONDOWN: ButtonDown(w, s, at, false); return 0;
    case WM_LBUTTONDBLCLK: ButtonDown(w, s, at, true); return 0;
    case WM_MOUSEMOVE: MouseMove(w, s, at); return 0;
    case WM_LBUTTONUP: ButtonUp(w, s, at); return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lp) != w && (s.pressed >= 0 || s.tracking >= 0)) {
            s.pressed = s.tracking = -1;
            Invalidate(w);
        }
        return 0;
    case HDM_GETITEMCOUNT: return LRESULT(s.items.size());
    case HDM_INSERTITEM: return InsertItem(w, s, int(std::intptr_t(wp)), reinterpret_cast<const HDITEM*>(lp));
    case HDM_DELETEITEM: return DeleteItem(w, s, int(std::intptr_t(wp)));
    case HDM_GETITEM: return GetItem(s, int(std::intptr_t(wp)), reinterpret_cast<HDITEM*>(lp));
    case HDM_SETITEM: return SetItem(w, s, int(std::intptr_t(wp)), reinterpret_cast<const HDITEM*>(lp));
    case HDM_LAYOUT: return Layout(w, s, reinterpret_cast<HDLAYOUT*>(lp));
    case HDM_HITTEST: {
        auto* h = reinterpret_cast<HDHITTESTINFO*>(lp);
        if (!h) return -1;
        *h = HitTest(w, s, h->pt);
        return h->iItem;
    }
    case HDM_GETITEMRECT: {
        int i = int(std::intptr_t(wp));
        auto* r = reinterpret_cast<RECT*>(lp);
        if (!r || i < 0 || i >= int(s.items.size())) return FALSE;
        *r = ItemRect(w, s, i);
        return TRUE;
    }
    case HDM_SETIMAGELIST: {
        HIMAGELIST old = s.images;
        s.images = reinterpret_cast<HIMAGELIST>(lp);
        Invalidate(w);
        return reinterpret_cast<LRESULT>(old);
    }
    case HDM_GETIMAGELIST: return reinterpret_cast<LRESULT>(s.images);
    case HDM_ORDERTOINDEX: {
        int pos = int(std::intptr_t(wp));
        return pos >= 0 && pos < int(s.order.size()) ? s.order[size_t(pos)] : pos;
    }
    case HDM_GETORDERARRAY: {
        auto* out = reinterpret_cast<int*>(lp);
        if (!out || wp < s.order.size()) return FALSE;
        std::copy(s.order.begin(), s.order.end(), out);
        return TRUE;
    }
    case HDM_SETORDERARRAY: {
        auto* in = reinterpret_cast<const int*>(lp);
        if (!in || wp != s.order.size()) return FALSE;
        std::vector<int> order(in, in + wp);
        std::vector<int> sorted = order;
        std::sort(sorted.begin(), sorted.end());
        for (size_t i = 0; i < sorted.size(); ++i)
            if (sorted[i] != int(i)) return FALSE; // each column once
        s.order = order;
        Invalidate(w);
        return TRUE;
    }
    default: return DefWindowProc(w, msg, wp, lp);
    }
}

} // namespace

void RegisterHeaderClass() {
    RegisterControlClass(WC_HEADER, CS_DBLCLKS, IDC_ARROW, kState.Procedure(HeaderProc));
}

} // namespace tv::win
