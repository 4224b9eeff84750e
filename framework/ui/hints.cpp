// The application's hints: shown after a pause over a control whose hints
// are on, through CM_HINTSHOW, in a hint window of the class it asks for.
#include "framework/ui/application.h"
#include "framework/ui/hintwindow.h"
#include "framework/ui/screen.h"
#include "framework/ui/uimessages.h"
#include "platform/region.h"
#include "platform/window/input.h"
#include "platform/window/timer.h"

namespace tv {

using namespace tv::win;

namespace {
// A control without a hint text may still give one for the point under the
// mouse (CM_HINTSHOW), as a grid does for its cut-off cells.
bool HintsOn(TControl* c) { return c && c->ShowHint(); }

// The pause before a control's hint; the control may choose its own.
int HintPauseOf(TControl* c, int pause, bool showing) {
    c->Perform(CM_HINTSHOWPAUSE, showing ? 1 : 0, reinterpret_cast<LPARAM>(&pause));
    return pause;
}

// A control without a hint of its own shows its parent's.
std::string InheritedHint(TControl* c) {
    for (; c; c = c->Parent())
        if (!c->Hint().empty()) return c->Hint();
    return {};
}
} // namespace

void TApplication::HintMouseMessage(TControl* control, const Message& msg) {
    // The long hint of what is under the mouse, for a status bar bound to OnHint.
    if (msg.Msg == WM_MOUSEMOVE) SetHint(GetLongHint(InheritedHint(control)));
    if (!showHint_) return;
    if (msg.Msg != WM_MOUSEMOVE) {
        CancelHint();
        return;
    }
    if (control == hintControl_ && hintAlive_ && *hintAlive_) {
        // Leaving the hint's area hides it; the part of the control the
        // mouse is over now may have a hint of its own.
        POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
        if (hintWindow_ && hintWindow_->HandleAllocated() && IsWindowVisible(hintWindow_->WindowHandle()) &&
            !PtInRect(&hintCursorRect_, p)) {
            HideHint();
            int pause = HintPauseOf(control, hintPause_, true);
            if (!*hintAlive_) return;
            hintTimer_ = SetTimer(nullptr, 0, UINT(pause), [this](HWND, UINT, UINT_PTR, DWORD) { ActivateHint(); });
        }
        return;
    }
    CancelHint();
    if (!HintsOn(control)) return;
    hintControl_ = control;
    hintAlive_ = control->Alive();
    int pause = HintPauseOf(control, hintPause_, false);
    if (!*hintAlive_) return;
    hintTimer_ = SetTimer(nullptr, 0, UINT(pause), [this](HWND, UINT, UINT_PTR, DWORD) { ActivateHint(); });
}

void TApplication::ActivateHint() {
    if (hintTimer_) KillTimer(nullptr, hintTimer_);
    hintTimer_ = 0;
    if (!hintAlive_ || !*hintAlive_ || !hintControl_) return;
    TControl* c = hintControl_;
    POINT cursor;
    GetCursorPos(&cursor);
    THintInfo info;
    info.HintControl = c;
    info.HintWindowClass = THintWindow::StaticClass();
    info.HintPos = {cursor.x, cursor.y + 16};
    info.HintMaxWidth = Screen ? Screen->Width() : 0;
    info.HintColor = hintColor_;
    info.CursorRect = c->ClientRect();
    info.CursorPos = c->ScreenToClient(cursor);
    info.HideTimeout = hintHidePause_;
    info.HintStr = GetShortHint(c->Hint());
    if (c->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) != 0 || info.HintStr.empty()) return;
    if (!*hintAlive_) return;
    if (hintWindow_ && hintWindow_->ClassType() != info.HintWindowClass) {
        delete hintWindow_;
        hintWindow_ = nullptr;
    }
    if (!hintWindow_) {
        TClass cls = info.HintWindowClass && info.HintWindowClass->InheritsFrom(THintWindow::StaticClass())
                         ? info.HintWindowClass
                         : THintWindow::StaticClass();
        hintWindow_ = static_cast<THintWindow*>(cls->Create(nullptr));
    }
    hintWindow_->SetColor(info.HintColor);
    RECT r = hintWindow_->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    OffsetRect(&r, info.HintPos.x, info.HintPos.y);
    hintCursorRect_ = info.CursorRect;
    hintWindow_->ActivateHintData(r, info.HintStr, info.HintData);
    if (info.HideTimeout > 0)
        hintTimer_ = SetTimer(nullptr, 0, UINT(info.HideTimeout), [this](HWND, UINT, UINT_PTR, DWORD) { HideHint(); });
}

void TApplication::HideHint() {
    if (hintTimer_) KillTimer(nullptr, hintTimer_);
    hintTimer_ = 0;
    if (hintWindow_ && hintWindow_->HandleAllocated()) ShowWindow(hintWindow_->WindowHandle(), SW_HIDE);
}

void TApplication::CancelHint() {
    HideHint();
    hintControl_ = nullptr;
    hintAlive_.reset();
}

} // namespace tv
