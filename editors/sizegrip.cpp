#include "editors/sizegrip.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/region.h"
#include "platform/window/input.h"
#include "platform/window/messages.h"
#include "platform/window/styles.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/window.h"

namespace tv {

using namespace win;

namespace {

TCursor CursorOf(int position) {
    return position == sgpTopLeft || position == sgpBottomRight ? crSizeNWSE : crSizeNESW;
}

RECT WindowRectOf(TWinControl* c) {
    RECT r{c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height()};
    if (c->HandleAllocated()) GetWindowRect(c->Handle(), &r);
    return r;
}

// One axis of a drag that started at `size`: a grip on the far side (right,
// bottom) moves the far edge, otherwise the near edge moves and the far one
// stays; either way the window stays within the work area.
struct Span {
    int from, size;
};
Span DragSpan(bool farSide, int from, int to, int size, int delta, int workFrom, int workTo) {
    if (farSide) return {from, std::min(size + delta, workTo - from)};
    int s = std::min(size - delta, to - workFrom);
    return {to - s, s};
}

} // namespace

TSizeGripEh::TSizeGripEh(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csCaptureMouse, csReplicatable});
    SetBounds(0, 0, GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYVSCROLL));
    SetColor(clBtnFace);
    SetCursor(CursorOf(position_));
}

void TSizeGripEh::CreateWnd() {
    TCustomControl::CreateWnd();
    UpdateShape();
}

void TSizeGripEh::UpdateShape() {
    if (!HandleAllocated()) return;
    if (triangleShape_) {
        int w = Width(), h = Height();
        std::vector<POINT> pts;
        switch (position_) {
        case sgpBottomRight: pts = {{0, h}, {w, h}, {w, 0}}; break;
        case sgpBottomLeft: pts = {{w, h}, {0, h}, {0, 0}}; break;
        case sgpTopLeft: pts = {{w - 1, 0}, {0, 0}, {0, h - 1}}; break;
        default: pts = {{w, h - 1}, {w, 0}, {1, 0}}; break;
        }
        SetWindowRgn(Handle(), CreatePolygonRgn(pts.data(), static_cast<int>(pts.size()), WINDING), TRUE);
    } else {
        SetWindowRgn(Handle(), nullptr, TRUE);
    }
    UpdatePosition();
    SetCursor(CursorOf(position_));
}

void TSizeGripEh::SetPosition(int v) {
    if (position_ == v) return;
    position_ = v;
    SetCursor(CursorOf(position_));
    UpdateShape();
    UpdatePosition();
}

void TSizeGripEh::SetTriangleShape(bool v) {
    if (triangleShape_ == v) return;
    triangleShape_ = v;
    UpdateShape();
}

void TSizeGripEh::MoveToCorner(int direction) {
    int p = position_;
    switch (direction) {
    case 0: p = p == sgpTopRight ? sgpTopLeft : p == sgpBottomRight ? sgpBottomLeft : p; break;
    case 1: p = p == sgpTopLeft ? sgpTopRight : p == sgpBottomLeft ? sgpBottomRight : p; break;
    case 2: p = p == sgpBottomRight ? sgpTopRight : p == sgpBottomLeft ? sgpTopLeft : p; break;
    case 3: p = p == sgpTopRight ? sgpBottomRight : p == sgpTopLeft ? sgpBottomLeft : p; break;
    default: break;
    }
    SetPosition(p);
}

void TSizeGripEh::UpdatePosition() {
    TWinControl* parent = Parent();
    if (!parent) return;
    int cw = parent->ClientWidth(), ch = parent->ClientHeight();
    int x = position_ == sgpTopRight || position_ == sgpBottomRight ? cw - Width() : 0;
    int y = position_ == sgpBottomLeft || position_ == sgpBottomRight ? ch - Height() : 0;
    bool was = internalMove_;
    internalMove_ = true;
    SetBounds(x, y, Width(), Height());
    internalMove_ = was;
    Invalidate();
}

void TSizeGripEh::ShowGrip(bool show) {
    if (show) {
        SetVisible(true);
        if (HandleAllocated()) ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    } else {
        SetVisible(false);
    }
}

void TSizeGripEh::Dispatch(Message& msg) {
    TCustomControl::Dispatch(msg);
    if (msg.Msg == WM_WINDOWPOSCHANGED && !internalMove_) UpdatePosition();
}

void TSizeGripEh::SetBounds(int left, int top, int width, int height) {
    TCustomControl::SetBounds(left, top, width, height);
    if (!internalMove_ && Parent()) UpdatePosition();
}

void TSizeGripEh::ParentResized() {
    if (OnParentResized) OnParentResized(this);
}

void TSizeGripEh::MouseDown(TMouseButton b, TShiftState s, int x, int y) {
    TCustomControl::MouseDown(b, s, x, y);
    downPos_ = ClientToScreen({x, y});
    lastPos_ = downPos_;
    if (TWinControl* p = Parent()) {
        RECT r = WindowRectOf(p);
        parentWidth_ = r.Width();
        parentHeight_ = r.Height();
    }
}

void TSizeGripEh::MouseMove(TShiftState s, int x, int y) {
    TCustomControl::MouseMove(s, x, y);
    TWinControl* p = Parent();
    if (!p || !s.Contains(ssLeft) || !ControlState().Contains(csLButtonDown) || internalMove_) return;
    POINT pos = ClientToScreen({x, y});
    if (pos.x == lastPos_.x && pos.y == lastPos_.y) return;
    RECT work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    RECT r = WindowRectOf(p);
    bool right = position_ == sgpTopRight || position_ == sgpBottomRight;
    bool bottom = position_ == sgpBottomRight || position_ == sgpBottomLeft;
    auto [left, width] = DragSpan(right, r.left, r.right, parentWidth_, pos.x - downPos_.x, work.left, work.right);
    auto [top, height] = DragSpan(bottom, r.top, r.bottom, parentHeight_, pos.y - downPos_.y, work.top, work.bottom);
    lastPos_ = pos;
    int oldCw = p->ClientWidth(), oldCh = p->ClientHeight();
    if (p->HandleAllocated() && (!p->Parent() || (GetWindowLongPtr(p->Handle(), GWL_STYLE) & WS_POPUP))) {
        SetWindowPos(p->Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        p->SetBounds(p->Left() + (left - r.left), p->Top() + (top - r.top), width, height);
    }
    auto alive = Alive();
    if (p->ClientWidth() != oldCw || p->ClientHeight() != oldCh) ParentResized();
    if (*alive) UpdatePosition();
}

void TSizeGripEh::Paint() {
    TCanvas* c = Canvas();
    RECT r = ClientRect();
    c->Brush()->SetColor(Color());
    c->FillRect(r);
    int w = r.right, h = r.bottom;
    const TColor colours[4] = {clBtnHighlight, clBtnShadow, clBtnShadow, clBtnFace};
    bool mirrorX = position_ == sgpTopLeft || position_ == sgpBottomLeft;
    bool mirrorY = position_ == sgpTopLeft || position_ == sgpTopRight;
    auto tx = [&](int x) { return mirrorX ? w - 1 - x : x; };
    auto ty = [&](int y) { return mirrorY ? h - 1 - y : y; };
    for (int x = 1; x < w; x += 4)
        for (int k = 0; k < 4; ++k) {
            int a = x + k;
            if (a >= w) break;
            c->Pen()->SetColor(colours[k]);
            // Parallel to the long side, from the bottom edge to the right edge.
            c->MoveTo(tx(a), ty(h - 1));
            c->LineTo(tx(w - 1) + (mirrorX ? -1 : 1), ty(a - (w - h)) + (mirrorY ? 1 : -1));
        }
}

} // namespace tv
