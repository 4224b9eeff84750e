#include "skin/scrollwnd.h"

#include <algorithm>

#include "framework/ui/controls.h"
#include "platform/gdi/dc.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"
#include "framework/ui/picture.h"
#include "platform/gdi/raster.h"
#include "skin/blending.h"
#include "skin/commondata.h"
#include "skin/elementpaint.h"
#include "skin/imagepaint.h"
#include "skin/skinmanager.h"
#include "skin/skinmessage.h"
#include "skin/skinunit.h"

namespace tv {

using namespace win;

namespace {

constexpr const char* PropName = "ACSBSC";
constexpr UINT FrameFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

int MulDivInt(int a, int b, int c) { return c == 0 ? -1 : int((long long)a * b / c); }

// The part of a bar of `owner` shown pressed and the one hovered, while one
// bar of one window is tracked.
TacScrollWnd* g_tracked = nullptr;
int g_trackBar = -1, g_shownPressed = sbpNone, g_hoverBar = -1, g_hoverPart = sbpNone;
bool g_dragging = false;

void ReadInfo(HWND wnd, TacScrollBar& bar) {
    const int track = bar.Info.nTrackPos;
    bar.Info.fMask = SIF_ALL;
    GetScrollInfo(wnd, bar.BarType == 0 ? SB_HORZ : SB_VERT, &bar.Info);
    // The system never tracks the bar: while its thumb is dragged, the track
    // position is the one the drag set, whatever repaints read meanwhile.
    if (g_dragging && g_tracked == bar.Owner && g_trackBar == bar.BarType) bar.Info.nTrackPos = track;
}

} // namespace

int GetScrollBarSize(const TacScrollBar& bar, int which, bool useSkin) {
    if (which == 1) {
        if (bar.Thickness >= 0) return bar.Thickness;
        return -bar.Thickness * GetSystemMetrics(bar.BarType == 0 ? SM_CYHSCROLL : SM_CXVSCROLL);
    }
    if (bar.ArrowLength >= 0) return bar.ArrowLength;
    int system = SkinScrollArrowWidth() > 0 ? SkinScrollArrowWidth() : GetSystemMetrics(SM_CXHSCROLL);
    TsSkinManager* sm = bar.Owner ? bar.Owner->SkinManager : nullptr;
    if (useSkin && sm) {
        const char* name = bar.BarType == 0 ? "SCROLLBTNLEFT" : "SCROLLBTNTOP";
        int s = sm->GetSectionIndex(name);
        if (s >= 0 && sm->gd[std::size_t(s)].ReservedBoolean) {
            int m = sm->GetMaskIndex(s, name, "BORDERSMASK");
            if (sm->IsValidImgIndex(m)) {
                const TsMaskData& md = sm->ma[std::size_t(m)];
                int size = bar.BarType == 0 ? md.R.Width() / std::max(1, md.ImageCount)
                                            : md.R.Height() / (md.MaskType + 1);
                return -bar.ArrowLength * std::max(system, size);
            }
        }
    }
    return -bar.ArrowLength * system;
}

void ThumbGeometry(const TacScrollBar& bar, int length, int& thumbLength, int& thumbOffset) {
    int arrow = GetScrollBarSize(bar, 0, false);
    int l = length - 2 * arrow;
    const SCROLLINFO& si = bar.Info;
    long long range = (long long)si.nMax - si.nMin;
    if (si.nPage == 0) thumbLength = arrow;
    else if (range > 0x7FFFFFFE) thumbLength = 0;
    else thumbLength = std::max(MulDivInt(int(si.nPage), l, int(range) + 1), bar.MinThumb);
    int span = int(range) - std::max(int(si.nPage), 1) + 1;
    int offset = span > 0 ? MulDivInt(si.nPos - si.nMin, l - thumbLength, span) : 0;
    thumbOffset = std::clamp(offset, 0, std::max(0, l - thumbLength));
}

int HitTestScrollBar(const TacScrollBar& bar, int start, int length, int pos, bool cross) {
    if (!cross) return sbpNone;
    int arrow = GetScrollBarSize(bar, 0, true);
    int d = 2 * arrow < length ? arrow : length / 2;
    int at = pos - start;
    if (at < 0 || at >= length) return sbpNone;
    if (at < d) return SB_LINEUP;
    if (at >= length - d) return SB_LINEDOWN;
    int thumbLength, thumbOffset;
    ThumbGeometry(bar, length, thumbLength, thumbOffset);
    if (thumbLength >= length - 2 * arrow) return sbpNone;
    int thumbStart = arrow + thumbOffset;
    if (at >= thumbStart && at < thumbStart + thumbLength) return sbpThumb;
    return at < thumbStart ? SB_PAGEUP : SB_PAGEDOWN;
}

void SendScrollRequest(HWND wnd, UINT msg, int code, int pos) {
    SendAlphaCmd(wnd, 51, 0);
    SendMessage(wnd, msg, WPARAM((code & 0xFFFF) | (pos << 16)), 0);
    SendAlphaCmd(wnd, 52, LPARAM((code & 0xFFFF) | (LPARAM(msg) << 16)));
}

TacScrollWnd* ScrollWndOf(HWND wnd) { return static_cast<TacScrollWnd*>(GetProp(wnd, PropName)); }

TacScrollWnd::TacScrollWnd(HWND wnd, bool repaint, TsSkinManager* sm, TsCommonData* link, bool subclass)
    : SkinData(link), Subclassed(subclass) {
    SkinManager = sm ? sm : link ? link->GetSkinManager() : DefaultManager();
    if (!SkinData) {
        ownLink_ = std::make_unique<TsCommonData>(this, false);
        SkinData = ownLink_.get();
        if (sm) SkinData->SetSkinManager(sm);
    }
    if (SkinData->SkinSection().empty()) SkinData->SetSkinSection("EDIT");
    SaveControlColors();
    AttachWindow(wnd, repaint);
}

TacScrollWnd::~TacScrollWnd() {
    if (!Detached) DetachScrollWnd(Wnd, false, false, this);
}

void TacScrollWnd::AttachWindow(HWND wnd, bool repaint) {
    Wnd = wnd;
    HBar = std::make_unique<TacScrollBar>();
    VBar = std::make_unique<TacScrollBar>();
    HBar->BarType = 0;
    VBar->BarType = 1;
    for (TacScrollBar* b : {HBar.get(), VBar.get()}) {
        b->Owner = this;
        ReadInfo(wnd, *b);
    }
    LeftLayout = (GetWindowLongPtr(wnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    LONG_PTR style = GetWindowLongPtr(wnd, GWL_STYLE);
    HBar->Flags = style & WS_HSCROLL ? 8 : 0;
    VBar->Flags = style & WS_VSCROLL ? 8 : 0;
    HBar->MinThumb = VBar->MinThumb = 6;
    if (!Subclassed) {
        HBar->Visible = HBar->Flags ? 1 : 0;
        VBar->Visible = VBar->Flags ? 1 : 0;
        return;
    }
    SetProp(wnd, PropName, this);
    Proc = MakeWindowProc([this](HWND, UINT m, WPARAM w, LPARAM l) {
        Message msg{m, w, l, 0};
        WndProc(msg);
        return msg.Result;
    });
    // Every system of this station is of the NT family from version 5 on:
    // the thinnest thumb is 6 pixels.
    OldProc = SetWindowProc(wnd, Proc);
    if (repaint) SetWindowPos(wnd, nullptr, 0, 0, 0, 0, FrameFlags);
}

void DetachScrollWnd(HWND wnd, bool freeIt, bool repaint, TacScrollWnd* sw) {
    if (!sw || sw->Detached) return;
    sw->Detached = true;
    if (!sw->Subclassed) {
        sw->HBar.reset();
        sw->VBar.reset();
        if (freeIt) delete sw;
        return;
    }
    if (wnd && sw->OldProc) SetWindowProc(wnd, sw->OldProc);
    if (sw->Proc) FreeWindowProc(sw->Proc);
    sw->Proc = nullptr;
    if (wnd) RemoveProp(wnd, PropName);
    sw->RestoreControlColors();
    sw->HBar.reset();
    sw->VBar.reset();
    if (wnd && IsWindow(wnd)) {
        if (repaint) SetWindowPos(wnd, nullptr, 0, 0, 0, 0, FrameFlags);
        else SendMessage(wnd, WM_NCPAINT, 1, 0);
    }
    if (freeIt) delete sw;
}

void TacScrollWnd::RefreshScrollInfo(bool repaint) {
    if (HBar) ReadInfo(Wnd, *HBar);
    if (VBar) ReadInfo(Wnd, *VBar);
    if (repaint) PaintScrollBars();
}

RECT TacScrollWnd::BarRect(int bar) const {
    RECT wr{};
    GetWindowRect(Wnd, &wr);
    RECT r = bar == 0 ? GetHScrollRect() : GetVScrollRect();
    OffsetRect(&r, -wr.left, -wr.top);
    return r;
}

namespace {

int StateOf(TacScrollWnd* w, int bar, int part, bool enabled) {
    if (w == g_tracked && g_trackBar == bar && g_shownPressed == part) return 2;
    if (enabled && w == g_tracked && g_hoverBar == bar && g_hoverPart == part) return 1;
    return 0;
}

// One arrow or the thumb: its section over the rectangle, its glyph centred.
void PaintButton(TsSkinManager* sm, TBitmap* bmp, const TsConstData::Part& part, const char* name, const RECT& r,
                 int state, const RECT& glyphSquare) {
    if (!sm->IsValidSkinIndex(part.Index) || r.right <= r.left || r.bottom <= r.top) return;
    TCacheInfo self = FillCacheInfo(bmp, 0, 0);
    PaintSkinItemFast(part.Index, part.Border, part.Pattern, sm, bmp, POINT{0, 0}, r, state, true, self, name,
                      part.HotPattern);
    if (!sm->IsValidImgIndex(part.Glyph)) return;
    const TsMaskData& md = sm->ma[std::size_t(part.Glyph)];
    int gw = md.R.Width() / std::max(1, md.ImageCount), gh = md.R.Height() / (md.MaskType + 1);
    POINT at{glyphSquare.left + (glyphSquare.right - glyphSquare.left - gw) / 2,
             glyphSquare.top + (glyphSquare.bottom - glyphSquare.top - gh) / 2};
    PaintMaskedGlyph(bmp, at, state, md, 1);
}

} // namespace

void TacScrollWnd::PaintScrollBar(int bar, HDC dc, int thumbAt) {
    TacScrollBar* b = bar == 0 ? HBar.get() : VBar.get();
    TsSkinManager* sm = SkinManager;
    if (!b || !sm || !b->Visible || (g_dragging && g_tracked == this && thumbAt < 0)) return;
    const TsConstData& cd = sm->ConstData;
    const TsConstData::Part& chan1 = cd.ScrollBars[bar == 0 ? 0 : 1];
    const TsConstData::Part& chan2 = cd.ScrollBars[bar == 0 ? 2 : 3];
    if (!sm->IsValidSkinIndex(chan1.Index)) return;
    RECT r = BarRect(bar);
    int length = bar == 0 ? r.right - r.left : r.bottom - r.top;
    int thick = bar == 0 ? r.bottom - r.top : r.right - r.left;
    if (length <= 1 || thick <= 0) return;
    ReadInfo(Wnd, *b);
    int arrow = GetScrollBarSize(*b, 0, true);
    bool enabled = BarEnabled(bar);
    bool dragging = thumbAt >= 0;
    int w = bar == 0 ? length : thick, h = bar == 0 ? thick : length;
    std::unique_ptr<TBitmap> bmp(CreateBmp24(w, h));
    GlobalCacheInfo.Ready = false;
    SendAlphaCmd(Wnd, SKCMD_GET_CACHE, 0);
    TCacheInfo ci = GlobalCacheInfo;
    // A rectangle along the bar from `a` to `z`.
    auto along = [&](int a, int z) { return bar == 0 ? RECT{a, 0, z, h} : RECT{0, a, w, z}; };
    auto square = [&](int a, bool end) {
        int sys = GetSystemMetrics(bar == 0 ? SM_CXHSCROLL : SM_CYVSCROLL);
        int from = end ? a - sys : a;
        return along(from, from + sys);
    };
    const char* n1 = bar == 0 ? "SCROLLBAR1H" : "SCROLLBAR1V";
    const char* n2 = bar == 0 ? "SCROLLBAR2H" : "SCROLLBAR2V";
    auto channel = [&](const TsConstData::Part& p, const char* name, const RECT& piece, int state) {
        POINT at{r.left + piece.left, r.top + piece.top};
        PaintSkinItemFast(p.Index, p.Border, p.Pattern, sm, bmp.get(), at, piece, state, true, ci, name, p.HotPattern);
    };
    const TsConstData::Part& first = cd.ScrollBtns[bar == 0 ? 2 : 0];
    const TsConstData::Part& second = cd.ScrollBtns[bar == 0 ? 3 : 1];
    const char* f1 = bar == 0 ? "SCROLLBTNLEFT" : "SCROLLBTNTOP";
    const char* f2 = bar == 0 ? "SCROLLBTNRIGHT" : "SCROLLBTNBOTTOM";
    int s1 = dragging ? 0 : StateOf(this, bar, SB_LINEUP, enabled);
    int s2 = dragging ? 0 : StateOf(this, bar, SB_LINEDOWN, enabled);
    if (2 * arrow < length) {
        int thumbLength, thumbOffset;
        ThumbGeometry(*b, length, thumbLength, thumbOffset);
        int thumbStart = dragging ? thumbAt : GetScrollBarSize(*b, 0, false) + thumbOffset;
        int split = std::clamp(thumbStart + thumbLength / 2, 0, length);
        channel(chan1, n1, along(0, split), dragging ? 0 : StateOf(this, bar, SB_PAGEUP, enabled) == 2 ? 2 : 0);
        channel(sm->IsValidSkinIndex(chan2.Index) ? chan2 : chan1, n2, along(split, length),
                dragging ? 0 : StateOf(this, bar, SB_PAGEDOWN, enabled) == 2 ? 2 : 0);
        PaintButton(sm, bmp.get(), first, f1, along(0, arrow), s1, square(0, false));
        PaintButton(sm, bmp.get(), second, f2, along(length - arrow, length), s2, square(length, true));
        int len = std::max(thumbLength, b->MinThumb);
        if (enabled && len > 0 && len <= length - 2 * arrow) {
            const TsConstData::Part& thumb = cd.ScrollSliders[bar == 0 ? 1 : 0];
            int state = dragging ? 2 : StateOf(this, bar, sbpThumb, enabled) == 1 ? 1 : 0;
            RECT t = along(thumbStart, thumbStart + len);
            PaintButton(sm, bmp.get(), thumb, bar == 0 ? "SCROLLSLIDERH" : "SCROLLSLIDERV", t, state, t);
        }
    } else {
        int half = length / 2;
        channel(chan1, n1, along(0, half), 0);
        channel(sm->IsValidSkinIndex(chan2.Index) ? chan2 : chan1, n2, along(half, length), 0);
        PaintButton(sm, bmp.get(), first, f1, along(0, half), s1, square(0, false));
        PaintButton(sm, bmp.get(), second, f2, along(half, length), s2, square(length, true));
    }
    if (!enabled) {
        GlobalCacheInfo.Ready = false;
        SendAlphaCmd(Wnd, SKCMD_GET_CACHE, 0);
        TCacheInfo c = GlobalCacheInfo;
        if (c.Ready && c.Bmp)
            BlendBitmapRect(bmp.get(), 0, 0, TColor(-1), 0.4,
                            RECT{c.X + r.left, c.Y + r.top, c.X + r.right - 1, c.Y + r.bottom - 1}, c.Bmp);
        else
            BlendColorRoundRect(bmp.get(), RECT{0, 0, w - 1, h - 1}, 60, 0, 0, sm->gd[std::size_t(chan1.Index)].Color);
    }
    bool own = !dc;
    if (own) dc = GetWindowDC(Wnd);
    BitBlt(dc, r.left, r.top, w, h, bmp->Canvas()->Handle(), 0, 0, SRCCOPY);
    if (own) ReleaseDC(Wnd, dc);
}

void TacScrollWnd::PaintScrollBars(HDC dc) {
    if (!HBar || !VBar || !SkinManager) return;
    if (SkinData->IsUpdating()) return;
    if (TControl* c = SkinData->OwnerControl)
        if (c->ControlState().Contains(csCreating) || !c->Showing()) return;
    if (SkinData->BGChanged) SendAlphaCmd(Wnd, SKCMD_REBUILD_CACHE, 0);
    bool own = !dc;
    if (own) dc = GetWindowDC(Wnd);
    PaintScrollBar(0, dc);
    PaintScrollBar(1, dc);
    if (HBar->Visible && VBar->Visible) {
        RECT hr = BarRect(0), vr = BarRect(1);
        RECT box{vr.left, hr.top, vr.right, hr.bottom};
        int w = box.right - box.left, h = box.bottom - box.top;
        if (w > 0 && h > 0) {
            std::unique_ptr<TBitmap> bmp(CreateBmp24(w, h));
            GlobalCacheInfo.Ready = false;
            SendAlphaCmd(Wnd, SKCMD_GET_CACHE, 0);
            TCacheInfo ci = GlobalCacheInfo;
            if (ci.Ready && ci.Bmp) CopyFromCache(bmp.get(), RECT{0, 0, w, h}, ci, ci.X + box.left, ci.Y + box.top);
            else FillRectPixels(bmp.get(), RECT{0, 0, w, h}, SkinManager->GetGlobalHotColor());
            if (AtParentsCorner()) {
                int g = SkinManager->ConstData.IndexGlobalInfo >= 0
                            ? SkinManager->GetMaskIndex(SkinManager->ConstData.IndexGlobalInfo, "GLOBALINFO", "GRIPIMAGE")
                            : -1;
                if (SkinManager->IsValidImgIndex(g)) {
                    const TsMaskData& md = SkinManager->ma[std::size_t(g)];
                    int gw = md.R.Width() / std::max(1, md.ImageCount), gh = md.R.Height() / (md.MaskType + 1);
                    PaintMaskedGlyph(bmp.get(), POINT{w - gw, h - gh}, 0, md, 1);
                }
            }
            BitBlt(dc, box.left, box.top, w, h, bmp->Canvas()->Handle(), 0, 0, SRCCOPY);
        }
    }
    if (own) ReleaseDC(Wnd, dc);
}

bool TacScrollWnd::AtParentsCorner() const {
    HWND parent = GetParent(Wnd);
    if (!parent) return false;
    RECT wr{}, pc{};
    GetWindowRect(Wnd, &wr);
    GetClientRect(parent, &pc);
    POINT br{pc.right, pc.bottom};
    ClientToScreen(parent, &br);
    return wr.right == br.x && wr.bottom == br.y;
}

RECT TacScrollWnd::GetHScrollRect() const {
    RECT wr{};
    GetWindowRect(Wnd, &wr);
    int th = GetScrollBarSize(*HBar, 1, true), tv = GetScrollBarSize(*VBar, 1, true);
    RECT r;
    r.left = wr.left + BorderLeft + (LeftLayout && VBar->Visible ? tv : 0);
    r.right = wr.right - BorderRight - (VBar->Visible && !LeftLayout ? tv : 0);
    r.bottom = wr.bottom - BorderBottom;
    r.top = r.bottom - (HBar->Visible ? th : 0);
    return r;
}

RECT TacScrollWnd::GetVScrollRect() const {
    RECT wr{};
    GetWindowRect(Wnd, &wr);
    int th = GetScrollBarSize(*HBar, 1, true), tv = GetScrollBarSize(*VBar, 1, true);
    int w = VBar->Visible ? tv : 0;
    RECT r;
    r.top = wr.top + BorderTop;
    r.bottom = wr.bottom - (HBar->Visible ? th : 0) - BorderBottom;
    if (LeftLayout) {
        r.left = wr.left + BorderLeft;
        r.right = r.left + w;
    } else {
        r.right = wr.right - BorderRight;
        r.left = r.right - w;
    }
    return r;
}

void TacScrollWnd::PassOn(Message& msg) { CallWindowProc(OldProc, Wnd, msg); }

bool TacScrollWnd::BarEnabled(int bar) const {
    SCROLLBARINFO sbi;
    if (!GetScrollBarInfo(Wnd, bar == 0 ? OBJID_HSCROLL : OBJID_VSCROLL, &sbi)) return false;
    if (sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) return false;
    return !SkinData->OwnerControl || SkinData->OwnerControl->Enabled();
}

void TacScrollWnd::CalcSize(Message& msg) {
    RECT* rc = msg.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(msg.LParam)->rgrc[0]
                          : reinterpret_cast<RECT*>(msg.LParam);
    RECT window = *rc;
    LONG_PTR style = GetWindowLongPtr(Wnd, GWL_STYLE);
    bool bars = style & (WS_HSCROLL | WS_VSCROLL);
    if (bars) {
        InCalculation = true;
        SetWindowLongPtr(Wnd, GWL_STYLE, style & ~LONG_PTR(WS_HSCROLL | WS_VSCROLL));
    }
    PassOn(msg);
    if (bars) {
        SetWindowLongPtr(Wnd, GWL_STYLE, style);
        InCalculation = false;
    }
    BorderLeft = rc->left - window.left;
    BorderTop = rc->top - window.top;
    BorderRight = window.right - rc->right;
    BorderBottom = window.bottom - rc->bottom;
    int th = GetScrollBarSize(*HBar, 1, true), tv = GetScrollBarSize(*VBar, 1, true);
    HBar->Flags = style & WS_HSCROLL ? 8 : 0;
    HBar->Visible = HBar->Flags == 8 && rc->bottom - rc->top >= th;
    if (HBar->Visible) rc->bottom -= th;
    VBar->Flags = style & WS_VSCROLL ? 8 : 0;
    VBar->Visible = VBar->Flags == 8 && rc->right - rc->left >= tv;
    if (VBar->Visible) {
        if (LeftLayout) rc->left += tv;
        else rc->right -= tv;
    }
}

LRESULT TacScrollWnd::HitTest(POINT p) {
    auto inside = [](const RECT& r, POINT q) { return q.x >= r.left && q.x < r.right && q.y >= r.top && q.y < r.bottom; };
    RECT h = GetHScrollRect(), v = GetVScrollRect();
    if (HBar->Visible && inside(h, p)) return BarEnabled(0) ? HTHSCROLL : HTNOWHERE;
    if (VBar->Visible && inside(v, p)) return BarEnabled(1) ? HTVSCROLL : HTNOWHERE;
    if (HBar->Visible && VBar->Visible) {
        RECT box{v.left, h.top, v.right, h.bottom};
        if (inside(box, p) && AtParentsCorner()) return HTBOTTOMRIGHT;
    }
    return -2;
}

// --- the mouse on the bars --------------------------------------------------------

namespace {
constexpr UINT_PTR kHoverTimer = 0xFFF2, kFirstRepeat = 0xFFFD, kRepeat = 0xFFFE;
RECT g_hoverRect{};
// The drag of a thumb: the bar at the press (screen), the thumb's length and
// start within it, where the mouse took the thumb, the last position sent.
RECT g_dragBar{};
int g_thumbLength = 0, g_thumbStart = 0, g_grab = 0, g_lastPos = 0;
} // namespace

int TacScrollWnd::PartAt(int bar, POINT screen) const {
    RECT r = bar == 0 ? GetHScrollRect() : GetVScrollRect();
    const TacScrollBar& b = bar == 0 ? *HBar : *VBar;
    return bar == 0 ? HitTestScrollBar(b, r.left, r.right - r.left, screen.x, screen.y >= r.top && screen.y < r.bottom)
                    : HitTestScrollBar(b, r.top, r.bottom - r.top, screen.y, screen.x >= r.left && screen.x < r.right);
}

void TacScrollWnd::Hover(int bar) {
    if (g_tracked == this && g_hoverBar == bar) return;
    g_tracked = this;
    g_hoverBar = bar;
    g_hoverRect = bar == 0 ? GetHScrollRect() : GetVScrollRect();
    POINT c;
    GetCursorPos(&c);
    g_hoverPart = BarEnabled(bar) ? PartAt(bar, c) : sbpNone;
    SetTimer(Wnd, kHoverTimer, 20);
    PaintScrollBars();
}

void TacScrollWnd::HoverTick() {
    if (g_dragging) return;
    POINT c;
    GetCursorPos(&c);
    if (g_tracked == this && g_hoverBar >= 0 && PtInRect(&g_hoverRect, c)) {
        int part = BarEnabled(g_hoverBar) ? PartAt(g_hoverBar, c) : sbpNone;
        if (part != g_hoverPart) {
            g_hoverPart = part;
            PaintScrollBars();
        }
        return;
    }
    KillTimer(Wnd, kHoverTimer);
    if (g_tracked == this) {
        g_hoverBar = -1;
        g_hoverPart = sbpNone;
    }
    PaintScrollBars();
}

void TacScrollWnd::Press(Message& msg) {
    int bar = msg.WParam == WPARAM(HTHSCROLL) ? 0 : 1;
    POINT p{short(LOWORD(msg.LParam)), short(HIWORD(msg.LParam))};
    int part = BarEnabled(bar) ? PartAt(bar, p) : sbpNone;
    if (part == sbpNone) return PassOn(msg);
    g_tracked = this;
    g_trackBar = PressedBar = bar;
    ScrollMessage = bar == 0 ? WM_HSCROLL : WM_VSCROLL;
    PressedPart = part;
    TacScrollBar& b = bar == 0 ? *HBar : *VBar;
    if (part == sbpThumb) {
        ReadInfo(Wnd, b);
        g_dragBar = bar == 0 ? GetHScrollRect() : GetVScrollRect();
        int length = bar == 0 ? g_dragBar.right - g_dragBar.left : g_dragBar.bottom - g_dragBar.top;
        int offset;
        ThumbGeometry(b, length, g_thumbLength, offset);
        g_thumbLength = std::max(g_thumbLength, b.MinThumb);
        g_thumbStart = GetScrollBarSize(b, 0, false) + offset;
        g_dragging = true;
        b.Info.nTrackPos = b.Info.nPos;
        g_grab = (bar == 0 ? p.x - g_dragBar.left : p.y - g_dragBar.top) - g_thumbStart;
        g_lastPos = -b.Info.nPos - 1;
        g_shownPressed = sbpNone;
        PaintScrollBar(bar, nullptr, g_thumbStart);
    } else {
        g_shownPressed = part;
        PaintScrollBars();
        Sending = true;
        SendScrollRequest(Wnd, ScrollMessage, part, 0);
        Sending = false;
        SetTimer(Wnd, kFirstRepeat, 300);
    }
    SetCapture(Wnd);
    msg.Result = 0;
}

void TacScrollWnd::TrackMouse() {
    POINT c;
    GetCursorPos(&c);
    int bar = PressedBar;
    if (bar < 0) return;
    TacScrollBar& b = bar == 0 ? *HBar : *VBar;
    if (!g_dragging) {
        int shown = PartAt(bar, c) == PressedPart ? PressedPart : sbpNone;
        if (shown != g_shownPressed) {
            g_shownPressed = shown;
            PaintScrollBars();
        }
        return;
    }
    int arrow = GetScrollBarSize(b, 0, false);
    int start = (bar == 0 ? g_dragBar.left : g_dragBar.top) + arrow;
    int end = (bar == 0 ? g_dragBar.right : g_dragBar.bottom) - arrow;
    int along = bar == 0 ? c.x : c.y;
    int t = std::clamp(along - g_grab, start, std::max(start, end - g_thumbLength));
    PaintScrollBar(bar, nullptr, t - (bar == 0 ? g_dragBar.left : g_dragBar.top));
    const SCROLLINFO& si = b.Info;
    int range = si.nMax - si.nMin;
    int room = end - start - g_thumbLength;
    int pos;
    if (range < 1) pos = t - start;
    else pos = si.nMin + (room > 0 ? int((long long)(t - start) * (range - int(si.nPage) + 1) / room) : 0);
    if (pos != g_lastPos) {
        b.Info.nTrackPos = pos;
        Sending = true;
        SendScrollRequest(Wnd, ScrollMessage, SB_THUMBTRACK, pos);
        Sending = false;
        g_lastPos = pos;
    }
}

void TacScrollWnd::Release() {
    ReleaseCapture();
    KillTimer(Wnd, kFirstRepeat);
    KillTimer(Wnd, kRepeat);
    Sending = true;
    if (g_dragging && g_tracked == this) {
        // Where the thumb was let go: where it was pressed when it never moved.
        const TacScrollBar& b = PressedBar == 0 ? *HBar : *VBar;
        SendScrollRequest(Wnd, ScrollMessage, SB_THUMBPOSITION, b.Info.nTrackPos);
        g_dragging = false;
    }
    SendScrollRequest(Wnd, ScrollMessage, SB_ENDSCROLL, 0);
    Sending = false;
    PressedPart = sbpNone;
    PressedBar = -1;
    ScrollMessage = 0;
    g_shownPressed = sbpNone;
    g_trackBar = -1;
    if (!Detached) RefreshScrollInfo(true);
}

void TacScrollWnd::Timer(Message& msg) {
    UINT_PTR id = msg.WParam;
    bool ours = id == kHoverTimer || id == kFirstRepeat || id == kRepeat;
    if (!ours) {
        PassOn(msg);
    } else if (id == kHoverTimer) {
        HoverTick();
    } else if (id == kFirstRepeat) {
        KillTimer(Wnd, kFirstRepeat);
        SetTimer(Wnd, kRepeat, 55);
    } else if (PressedPart >= SB_LINEUP && PressedPart <= SB_PAGEDOWN) {
        TrackMouse();
        if (g_shownPressed == PressedPart) {
            Sending = true;
            SendScrollRequest(Wnd, ScrollMessage, PressedPart, 0);
            Sending = false;
        }
    }
    if (!Sending && !g_dragging && !Detached && ours && id != kHoverTimer) RefreshScrollInfo(true);
}

void TacScrollWnd::WndProc(Message& msg) {
    if (msg.Msg == WM_DESTROY || msg.Msg == WM_NCDESTROY) {
        WNDPROC old = OldProc;
        HWND wnd = Wnd;
        if (!Detached) DetachScrollWnd(Wnd, false, false, this);
        CallWindowProc(old, wnd, msg);
        return;
    }
    if (!SkinData->Skinned()) return PassOn(msg);
    switch (msg.Msg) {
    case SM_ALPHACMD: {
        int sub = int(HIWORD(msg.WParam));
        if (sub == SKCMD_PARENT_REPAINTED && SkinData->Updating) {
            SkinData->Updating = false;
            RedrawWindow(Wnd, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            return;
        }
        if (sub == SKCMD_IS_SKINNED) {
            msg.LParam = 1;
            msg.Result = 1;
            return;
        }
        return PassOn(msg);
    }
    case WM_STYLECHANGED:
        if (InCalculation) {
            msg.Result = 0;
            return;
        }
        if (msg.WParam == WPARAM(GWL_EXSTYLE))
            LeftLayout = (reinterpret_cast<STYLESTRUCT*>(msg.LParam)->styleNew & WS_EX_LEFTSCROLLBAR) != 0;
        return PassOn(msg);
    case WM_NCCALCSIZE: return CalcSize(msg);
    case WM_NCHITTEST: {
        LRESULT hit = HitTest(POINT{short(LOWORD(msg.LParam)), short(HIWORD(msg.LParam))});
        if (hit == -2) return PassOn(msg);
        msg.Result = hit;
        return;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (msg.WParam != WPARAM(HTHSCROLL) && msg.WParam != WPARAM(HTVSCROLL)) return PassOn(msg);
        return Press(msg);
    case WM_NCMOUSEMOVE:
        if (msg.WParam == WPARAM(HTHSCROLL) || msg.WParam == WPARAM(HTVSCROLL)) Hover(msg.WParam == WPARAM(HTHSCROLL) ? 0 : 1);
        return PassOn(msg);
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
        if (msg.WParam == WPARAM(HTHSCROLL) || msg.WParam == WPARAM(HTVSCROLL)) {
            msg.Result = 0;
            return;
        }
        return PassOn(msg);
    case WM_MOUSEMOVE:
        if (PressedPart == sbpNone) return PassOn(msg);
        TrackMouse();
        return;
    case WM_LBUTTONUP:
        if (PressedPart != sbpNone) Release();
        return PassOn(msg);
    case WM_TIMER: return Timer(msg);
    case WM_NCPAINT:
        // The system's frame first, then the bars over the room it kept.
        PassOn(msg);
        if (!SkinData->IsUpdating() && !Sending) PaintScrollBars();
        return;
    case WM_SYSCOMMAND:
        if (msg.WParam == 0xF077) {
            msg.Result = 0;
            return;
        }
        return PassOn(msg);
    default:
        PassOn(msg);
        if (msg.Msg == CM_FOCUSCHANGED) RefreshScrollInfo(true);
        return;
    }
}

} // namespace tv
