#pragma once
// Dragging within the program. A control's drag (BeginDrag, or a left press
// on a control whose DragMode is dmAutomatic) carries a drag object over the
// controls under the mouse. Each one says whether it takes it (OnDragOver,
// which takes it by default once it is set); a release over one that takes
// it drops it there (OnDragDrop). The source hears the end (OnEndDrag) with
// the control that took the drop, or with none when nothing took it or the
// drag was cancelled: Esc, a right press, or the mouse captured elsewhere.
// A drag that waits for its threshold starts only once the mouse has moved
// that far from the press; released before, it ends without a target.
//
// A dock drag (DragKind dkDock) tells OnStartDock and OnEndDock; no control
// of this framework is a dock site, so it ends without a target and moves
// nothing.
#include <functional>
#include <memory>

#include "core/object.h"
#include "core/properties.h"
#include "platform/window/messages.h"

namespace tv {

class TControl;
using TCursor = int;

enum TDragMode { dmManual, dmAutomatic };
enum TDragKind { dkDrag, dkDock };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
extern const TEnumInfo TDragModeInfo;
extern const TEnumInfo TDragKindInfo;

class TDragObject : public TObject {
    TV_CLASS(TDragObject, TObject)
public:
    // The cursor while the mouse is over a point of the screen.
    virtual TCursor GetDragCursor(bool accepted, int x, int y);
    // What the targets' events get as their source.
    virtual TObject* DragSource() { return this; }
    // Told when the drag ends, before the source's OnEndDrag.
    virtual void Finished(TObject* target, int x, int y, bool accepted) {}
    // The control under the mouse and the mouse's screen position.
    TControl* DragTarget() const { return target_; }
    win::POINT DragPos() const { return pos_; }
    bool Dropped() const { return dropped_; }
    bool Cancelling() const { return cancelling_; }

private:
    friend class TDragEngine;
    TControl* target_ = nullptr;
    win::POINT pos_{0, 0};
    bool dropped_ = false;
    bool cancelling_ = false;
};

// A drag object that carries a control: the targets see the control itself.
class TBaseDragControlObject : public TDragObject {
    TV_CLASS(TBaseDragControlObject, TDragObject)
public:
    explicit TBaseDragControlObject(TControl* control) : control_(control) {}
    TControl* Control() const { return control_; }
    TObject* DragSource() override;

private:
    TControl* control_;
};

// The drag object of a control that gives none: its DragCursor where the
// drop is taken, crNoDrop elsewhere.
class TDragControlObject : public TBaseDragControlObject {
    TV_CLASS(TDragControlObject, TBaseDragControlObject)
public:
    using TBaseDragControlObject::TBaseDragControlObject;
    TCursor GetDragCursor(bool accepted, int x, int y) override;
};

class TDragDockObject : public TBaseDragControlObject {
    TV_CLASS(TDragDockObject, TBaseDragControlObject)
public:
    using TBaseDragControlObject::TBaseDragControlObject;
    TCursor GetDragCursor(bool accepted, int x, int y) override;
};

// A drag object that OnStartDrag or OnStartDock hands over stays its
// handler's to free; the one made in its place is freed when the drag ends.
using TStartDragEvent = std::function<void(TObject* sender, TDragObject*& dragObject)>;
using TStartDockEvent = std::function<void(TObject* sender, TDragDockObject*& dragObject)>;
// (x, y) in the target's client coordinates.
using TDragOverEvent =
    std::function<void(TObject* sender, TObject* source, int x, int y, TDragState state, bool& accept)>;
using TDragDropEvent = std::function<void(TObject* sender, TObject* source, int x, int y)>;
// The target that took the drop (null when none) and the drop point in its
// client coordinates, or in the source's when there is no target.
using TEndDragEvent = std::function<void(TObject* sender, TObject* target, int x, int y)>;

// The mouse settings dragging follows.
class TMouse {
public:
    // A drag of a dmAutomatic control starts at the press, or only after the
    // mouse moved DragThreshold pixels.
    bool DragImmediate() const { return dragImmediate_; }
    void SetDragImmediate(bool v) { dragImmediate_ = v; }
    int DragThreshold() const { return dragThreshold_; }
    void SetDragThreshold(int v) { dragThreshold_ = v; }

private:
    bool dragImmediate_ = true;
    int dragThreshold_ = 5;
};
extern TMouse* const Mouse;

// The drag under way.
class TDragEngine {
public:
    static void Begin(TControl* control, bool immediate, int threshold);
    // Ends the drag: a drop on the control under the mouse when it takes it.
    static void End(bool drop);
    static bool Active() { return state_ != nullptr; }
    static TControl* Source();
    static TDragObject* Object();
    // Moves the drag to a screen point (the capture's mouse moves).
    static void MoveTo(win::POINT screen);
    // A control that goes away leaves the drag: as its source the drag ends
    // at once without events, as its target it is forgotten.
    static void ControlDestroying(TControl* control);
    // Keys go to the drag while it holds the mouse (Esc cancels it); the
    // application's loop hands them here first. True when taken.
    static bool KeyMessage(const win::MSG& msg);

private:
    struct State;
    static std::unique_ptr<State> state_;
    static void Abort();
    static TControl* FindTarget(win::POINT screen);
    static bool AskTarget(TControl* target, TDragState dragState, win::POINT screen);
    static win::LRESULT CaptureProc(win::HWND wnd, win::UINT msg, win::WPARAM wp, win::LPARAM lp);
};

} // namespace tv
