// Dragging within the program: the drag objects and the drag under way,
// which holds the mouse through a hidden window of its own.
#include "framework/ui/dragdrop.h"

#include <cstdlib>

#include "framework/ui/application.h"
#include "framework/ui/controls.h"
#include "framework/ui/screen.h"
#include "platform/window/cursor.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/input.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TDragModeInfo{"TDragMode", {"dmManual", "dmAutomatic"}};
const TEnumInfo TDragKindInfo{"TDragKind", {"dkDrag", "dkDock"}};

namespace {
TMouse g_mouse;
constexpr const char* kCaptureClass = "TvDragCapture";
} // namespace

TMouse* const Mouse = &g_mouse;

TCursor TDragObject::GetDragCursor(bool accepted, int, int) { return accepted ? crDrag : crNoDrop; }

TObject* TBaseDragControlObject::DragSource() { return control_; }

TCursor TDragControlObject::GetDragCursor(bool accepted, int, int) {
    return accepted ? Control()->DragCursor() : crNoDrop;
}

TCursor TDragDockObject::GetDragCursor(bool, int, int) { return crDefault; }

// --- the drag under way ---

struct TDragEngine::State {
    TControl* source = nullptr;
    std::shared_ptr<bool> sourceAlive;
    TDragObject* object = nullptr;
    std::unique_ptr<TDragObject> owned; // the one made when the handler gave none
    bool dock = false;
    POINT start;
    int threshold = 0;
    bool active = false; // the mouse went past the threshold
    TControl* target = nullptr;
    std::shared_ptr<bool> targetAlive;
    bool accepted = false;
    HWND capture = nullptr;
};

std::unique_ptr<TDragEngine::State> TDragEngine::state_;

TControl* TDragEngine::Source() { return state_ ? state_->source : nullptr; }
TDragObject* TDragEngine::Object() { return state_ ? state_->object : nullptr; }

void TDragEngine::Begin(TControl* control, bool immediate, int threshold) {
    if (state_ || !control) return;
    if (threshold < 0) threshold = Mouse->DragThreshold();
    auto alive = control->Alive();
    // The press that started the drag is over for the control itself (no click).
    if (control->ControlState().Contains(csLButtonDown)) {
        TControlState cs = control->ControlState();
        cs.Exclude(csClicked);
        control->SetControlState(cs);
        POINT p;
        GetCursorPos(&p);
        p = control->ScreenToClient(p);
        control->Perform(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
        if (!*alive || state_) return;
    }
    bool dock = control->DragKind() == dkDock;
    TDragObject* object = nullptr;
    if (dock) {
        TDragDockObject* d = nullptr;
        control->DoStartDock(d);
        object = d;
    } else {
        control->DoStartDrag(object);
    }
    if (!*alive || state_) return;
    auto s = std::make_unique<State>();
    s->source = control;
    s->sourceAlive = alive;
    s->dock = dock;
    s->threshold = threshold;
    if (!object) {
        if (dock)
            s->owned = std::make_unique<TDragDockObject>(control);
        else
            s->owned = std::make_unique<TDragControlObject>(control);
        object = s->owned.get();
    }
    s->object = object;
    WNDCLASS wc;
    if (!GetClassInfo(kCaptureClass, &wc)) {
        wc.lpfnWndProc = &TDragEngine::CaptureProc;
        wc.lpszClassName = kCaptureClass;
        RegisterClass(wc);
    }
    s->capture = CreateWindowEx(0, kCaptureClass, "", 0, 0, 0, 0, 0, nullptr, nullptr);
    GetCursorPos(&s->start);
    object->pos_ = s->start;
    state_ = std::move(s);
    SetCapture(state_->capture);
    if (immediate) MoveTo(state_->start);
}

TControl* TDragEngine::FindTarget(POINT screen) {
    HWND h = WindowFromPoint(screen);
    TWinControl* w = nullptr;
    for (; h && !w; h = GetParent(h)) w = TWinControl::FindControl(h);
    if (!w || !w->Enabled()) return nullptr;
    // A graphic control in the window is the target itself.
    POINT p = w->ScreenToClient(screen);
    if (TControl* c = w->ControlAtPos(p, false); c && !dynamic_cast<TWinControl*>(c)) return c;
    return w;
}

bool TDragEngine::AskTarget(TControl* target, TDragState dragState, POINT screen) {
    POINT p = target->ScreenToClient(screen);
    bool accept = false;
    target->DragOver(state_->object->DragSource(), p.x, p.y, dragState, accept);
    return accept;
}

void TDragEngine::MoveTo(POINT screen) {
    if (!state_) return;
    State* s = state_.get();
    if (!s->active) {
        if (std::abs(screen.x - s->start.x) < s->threshold && std::abs(screen.y - s->start.y) < s->threshold) return;
        s->active = true;
    }
    s->object->pos_ = screen;
    TControl* found = s->dock ? nullptr : FindTarget(screen);
    // A handler may end the drag or free controls: each step looks again.
    if (found != s->target) {
        TControl* old = s->target;
        bool oldAlive = s->targetAlive && *s->targetAlive;
        s->target = nullptr;
        s->targetAlive.reset();
        s->accepted = false;
        s->object->target_ = nullptr;
        if (old && oldAlive) AskTarget(old, dsDragLeave, screen);
        if (state_.get() != s) return;
        if (found) {
            s->target = found;
            s->targetAlive = found->Alive();
            s->object->target_ = found;
            bool accepted = AskTarget(found, dsDragEnter, screen);
            if (state_.get() != s) return;
            s->accepted = accepted && *s->targetAlive;
        }
    } else if (found) {
        bool accepted = AskTarget(found, dsDragMove, screen);
        if (state_.get() != s) return;
        s->accepted = accepted && *s->targetAlive;
    }
    TCursor cursor = s->object->GetDragCursor(s->accepted, screen.x, screen.y);
    SetCursor(Screen->Cursors(cursor == crDefault ? crArrow : cursor));
}

void TDragEngine::End(bool drop) {
    if (!state_) return;
    // The drag is over before anyone hears of it: a handler may start another.
    std::unique_ptr<State> s = std::move(state_);
    if (GetCapture() == s->capture) ReleaseCapture();
    DestroyWindow(s->capture);
    SetCursor(Screen->Cursors(crArrow));
    TDragObject* object = s->object;
    POINT pos;
    GetCursorPos(&pos);
    object->pos_ = pos;
    TControl* target = s->target && s->targetAlive && *s->targetAlive ? s->target : nullptr;
    bool accepted = drop && s->active && target && s->accepted;
    object->cancelling_ = !drop;
    object->dropped_ = accepted;
    object->target_ = accepted ? target : nullptr;
    if (target && !accepted) {
        bool ignored = false;
        POINT p = target->ScreenToClient(pos);
        target->DragOver(object->DragSource(), p.x, p.y, dsDragLeave, ignored);
    }
    bool sourceAlive = *s->sourceAlive;
    TControl* endTarget = accepted && *s->targetAlive ? target : nullptr;
    POINT at = endTarget ? endTarget->ScreenToClient(pos) : sourceAlive ? s->source->ScreenToClient(pos) : pos;
    if (endTarget) endTarget->DragDrop(object->DragSource(), at.x, at.y);
    endTarget = endTarget && *s->targetAlive ? endTarget : nullptr;
    object->Finished(endTarget, at.x, at.y, accepted);
    if (sourceAlive && *s->sourceAlive) {
        if (s->dock)
            s->source->DoEndDock(endTarget, at.x, at.y);
        else
            s->source->DoEndDrag(endTarget, at.x, at.y);
    }
}

void TDragEngine::Abort() {
    if (!state_) return;
    std::unique_ptr<State> s = std::move(state_);
    if (GetCapture() == s->capture) ReleaseCapture();
    DestroyWindow(s->capture);
    SetCursor(Screen->Cursors(crArrow));
}

void TDragEngine::ControlDestroying(TControl* control) {
    if (!state_) return;
    if (state_->source == control) {
        Abort();
        return;
    }
    if (state_->target == control) {
        state_->target = nullptr;
        state_->targetAlive.reset();
        state_->accepted = false;
        state_->object->target_ = nullptr;
    }
}

bool TDragEngine::KeyMessage(const MSG& msg) {
    if (!state_ || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) End(false);
    return true;
}

LRESULT TDragEngine::CaptureProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (!state_ || state_->capture != wnd) return DefWindowProc(wnd, msg, wp, lp);
    try {
        switch (msg) {
        case WM_MOUSEMOVE: {
            POINT p;
            GetCursorPos(&p);
            MoveTo(p);
            return 0;
        }
        case WM_LBUTTONUP: End(true); return 0;
        case WM_RBUTTONDOWN: End(false); return 0;
        case WM_CANCELMODE:
        case WM_CAPTURECHANGED: End(false); return 0;
        default: break;
        }
    } catch (...) {
        // A failing handler ends the drag where it stands.
        Abort();
        if (Application) Application->HandleException(nullptr);
        return 0;
    }
    return DefWindowProc(wnd, msg, wp, lp);
}

} // namespace tv
