#include "framework/ui/scrollbox.h"

#include <algorithm>

#include "platform/window/scrollbar.h"

namespace tv {

using namespace tv::win;

TScrollBox::TScrollBox(TComponent* owner) : TCustomControl(owner) {
    controlStyle_ = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 185, 41);
}

void TScrollBox::Publish(TPublisher& p) {
    p.Boolean("AutoScroll", &TScrollBox::AutoScroll, &TScrollBox::SetAutoScroll).Default(true);
}

void TScrollBox::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

SIZE TScrollBox::ContentSize() {
    SIZE s{0, 0};
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible() || c->Align() != alNone) continue;
        s.cx = std::max(s.cx, LONG(c->Left() + c->Width() + hpos_));
        s.cy = std::max(s.cy, LONG(c->Top() + c->Height() + vpos_));
    }
    return s;
}

void TScrollBox::AlignControls(TControl* control, RECT& rect) {
    TCustomControl::AlignControls(control, rect);
    UpdateScrollBars();
}

void TScrollBox::UpdateScrollBars() {
    if (!HandleAllocated() || updating_) return;
    updating_ = true;
    SIZE content = autoScroll_ ? ContentSize() : SIZE{0, 0};
    RECT c = ClientRect();
    auto bar = [&](int which, int extent, int page, int& pos) {
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = extent > page ? extent - 1 : 0;
        si.nPage = UINT(extent > page ? page : 0);
        int maxPos = std::max(0, extent - page);
        int newPos = std::clamp(pos, 0, maxPos);
        si.nPos = newPos;
        SetScrollInfo(WindowHandle(), which, &si, TRUE);
        ShowScrollBar(WindowHandle(), which, extent > page);
        return newPos;
    };
    int h = bar(SB_HORZ, content.cx, c.right, hpos_);
    c = ClientRect();
    int v = bar(SB_VERT, content.cy, c.bottom, vpos_);
    updating_ = false;
    if (h != hpos_ || v != vpos_) ScrollBy(hpos_ - h, vpos_ - v);
}

void TScrollBox::ScrollBy(int dx, int dy) {
    if (dx == 0 && dy == 0) return;
    hpos_ -= dx;
    vpos_ -= dy;
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Align() == alNone) c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    }
    EnableAlign();
    if (HandleAllocated()) {
        SetScrollPos(WindowHandle(), SB_HORZ, hpos_, TRUE);
        SetScrollPos(WindowHandle(), SB_VERT, vpos_, TRUE);
    }
    Invalidate();
}

void TScrollBox::SetHorzPosition(int v) { ScrollBy(hpos_ - v, 0); UpdateScrollBars(); }
void TScrollBox::SetVertPosition(int v) { ScrollBy(0, vpos_ - v); UpdateScrollBars(); }

void TScrollBox::ScrollInView(TControl* c) {
    if (!c || !ContainsControl(c)) return;
    RECT r = ClientRect();
    int dx = 0, dy = 0;
    if (c->Left() < 0) dx = -c->Left();
    else if (c->Left() + c->Width() > r.right) dx = r.right - (c->Left() + c->Width());
    if (c->Top() < 0) dy = -c->Top();
    else if (c->Top() + c->Height() > r.bottom) dy = r.bottom - (c->Top() + c->Height());
    ScrollBy(dx, dy);
    UpdateScrollBars();
}

void TScrollBox::Dispatch(Message& msg) {
    if (msg.Msg == WM_HSCROLL || msg.Msg == WM_VSCROLL) {
        bool horz = msg.Msg == WM_HSCROLL;
        int& pos = horz ? hpos_ : vpos_;
        RECT c = ClientRect();
        int page = horz ? c.right : c.bottom;
        int target = pos;
        switch (LOWORD(msg.WParam)) {
        case SB_LINEUP: target -= 16; break;
        case SB_LINEDOWN: target += 16; break;
        case SB_PAGEUP: target -= page; break;
        case SB_PAGEDOWN: target += page; break;
        case SB_THUMBTRACK: case SB_THUMBPOSITION: target = int(std::int16_t(HIWORD(msg.WParam))); break;
        case SB_TOP: target = 0; break;
        case SB_BOTTOM: target = 1 << 20; break;
        default: break;
        }
        SIZE content = ContentSize();
        target = std::clamp(target, 0, std::max(0, int(horz ? content.cx : content.cy) - page));
        if (horz) ScrollBy(pos - target, 0);
        else ScrollBy(0, pos - target);
        return;
    }
    TCustomControl::Dispatch(msg);
}

// The box's window scrolls itself with the wheel its events leave; with
// nothing to scroll the turn goes on to the parent.
void TScrollBox::DefaultHandler(Message& msg) {
    if (msg.Msg == WM_MOUSEWHEEL && HandleAllocated() && autoScroll_ && ContentSize().cy > ClientRect().bottom) {
        int delta = std::int16_t(HIWORD(msg.WParam));
        Message m{WM_VSCROLL, WPARAM(delta > 0 ? SB_LINEUP : SB_LINEDOWN), 0, 0};
        Dispatch(m);
        msg.Result = 1;
        return;
    }
    TCustomControl::DefaultHandler(msg);
}

} // namespace tv
