#include "framework/ui/stdctrls/scrollbar.h"

#include <algorithm>

#include "platform/controls/scrollbarcontrol.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/input.h"
#include "platform/window/scrollbar.h"
#include "platform/window/sysmetrics.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TScrollBarKindInfo{"TScrollBarKind", {"sbHorizontal", "sbVertical"}};

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
    // The bar follows the mouse itself until the button is let go.
    controlStyle_ = TControlStyle{csClickEvents, csSetCaption, csDoubleClicks, csOpaque};
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
    SetTabStop(true);
}

void TScrollBar::Publish(TPublisher& p) {
    p.Enum("Kind", &TScrollBar::Kind, &TScrollBar::SetKind, TScrollBarKindInfo).Default(sbHorizontal);
    p.Integer("Min", &TScrollBar::Min, &TScrollBar::SetMin).Default(0);
    p.Integer("Max", &TScrollBar::Max, &TScrollBar::SetMax).Default(100);
    p.Integer("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize).Default(0);
    p.Integer("Position", &TScrollBar::Position, &TScrollBar::SetPosition).Default(0);
    p.Integer("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange).Default(1);
    p.Integer("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange).Default(1);
    p.Event("OnChange", &TScrollBar::OnChange);
    p.Event("OnScroll", &TScrollBar::OnScroll);
}

void TScrollBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    RegisterStandardClasses();
    WNDCLASS wc;
    if (GetClassInfo(WC_SCROLLBAR, &wc)) {
        defProc_ = wc.lpfnWndProc;
        p.WindowClass.hCursor = wc.hCursor;
    }
    p.Style |= kind_ == sbHorizontal ? SBS_HORZ : SBS_VERT;
}

void TScrollBar::InitializeWindow() { Apply(); }

void TScrollBar::Apply() {
    if (!handle_) return;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = min_;
    si.nMax = max_;
    si.nPage = UINT(std::max(0, page_));
    si.nPos = pos_;
    SetScrollInfo(handle_, SB_CTL, &si, TRUE);
}

void TScrollBar::SetKind(TScrollBarKind v) {
    if (v == kind_) return;
    kind_ = v;
    SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TScrollBar::SetPageSize(int v) {
    if (v < 0 || v > max_ - min_ + 1) return;
    page_ = v;
    SetParams(pos_, min_, max_);
}

void TScrollBar::SetParams(int position, int min, int max) {
    if (max < min) throw EInvalidOperation("Valores de propiedad de barra de desplazamiento fuera de rango");
    int top = page_ > 0 ? std::max(min, max - page_ + 1) : max;
    position = std::clamp(position, min, top);
    bool changed = position != pos_;
    min_ = min;
    max_ = max;
    pos_ = position;
    Apply();
    if (changed) Change();
}

void TScrollBar::Change() {
    if (OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode code, int& pos) {
    if (OnScroll) OnScroll(this, code, pos);
}

void TScrollBar::Dispatch(Message& msg) {
    if (msg.Msg == WM_HSCROLL || msg.Msg == WM_VSCROLL || msg.Msg == CN_HSCROLL || msg.Msg == CN_VSCROLL) {
        int code = LOWORD(msg.WParam);
        if (code > SB_ENDSCROLL) code = SB_ENDSCROLL;
        int pos = pos_;
        switch (code) {
        case SB_LINEUP: pos -= small_; break;
        case SB_LINEDOWN: pos += small_; break;
        case SB_PAGEUP: pos -= large_; break;
        case SB_PAGEDOWN: pos += large_; break;
        case SB_THUMBPOSITION: case SB_THUMBTRACK: {
            SCROLLINFO si;
            si.fMask = SIF_TRACKPOS;
            GetScrollInfo(handle_, SB_CTL, &si);
            pos = si.nTrackPos;
            break;
        }
        case SB_TOP: pos = min_; break;
        case SB_BOTTOM: pos = max_; break;
        default: break;
        }
        int top = page_ > 0 ? std::max(min_, max_ - page_ + 1) : max_;
        pos = std::clamp(pos, min_, top);
        Scroll(TScrollCode(code), pos);
        SetPosition(pos);
        msg.Result = 0;
        return;
    }
    if (msg.Msg == WM_KEYDOWN) {
        int vk = int(msg.WParam);
        WPARAM code = 0xFFFF;
        if (vk == VK_LEFT || vk == VK_UP) code = SB_LINEUP;
        else if (vk == VK_RIGHT || vk == VK_DOWN) code = SB_LINEDOWN;
        else if (vk == VK_PRIOR) code = SB_PAGEUP;
        else if (vk == VK_NEXT) code = SB_PAGEDOWN;
        else if (vk == VK_HOME) code = SB_TOP;
        else if (vk == VK_END) code = SB_BOTTOM;
        if (code != 0xFFFF) {
            if (!DoKeyDown(msg)) Perform(kind_ == sbHorizontal ? WM_HSCROLL : WM_VSCROLL, code, 0);
            return;
        }
    }
    if (msg.Msg == WM_GETDLGCODE) {
        msg.Result = DLGC_WANTARROWS;
        return;
    }
    if (msg.Msg == WM_LBUTTONDOWN || msg.Msg == WM_LBUTTONDBLCLK) {
        // OnMouseDown first, then the bar tracks the press; the release
        // stays inside its loop.
        auto alive = Alive();
        MouseMessage(msg);
        if (!*alive || !handle_) return;
        DefaultHandler(msg);
        if (*alive) Perform(WM_CANCELMODE);
        return;
    }
    TWinControl::Dispatch(msg);
}

} // namespace tv
