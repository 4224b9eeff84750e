#pragma once
// The small triangular handle in a corner of a drop-down that resizes it. It
// moves to another corner when the drop-down opens above its owner or is
// pushed aside by the screen edge.
#include <functional>

#include "framework/ui/controls.h"

namespace tv {

enum TSizeGripPositionEh : int { sgpTopLeft = 0, sgpTopRight = 1, sgpBottomRight = 2, sgpBottomLeft = 3 };

class TSizeGripEh : public TCustomControl {
    TV_CLASS(TSizeGripEh, TCustomControl)
public:
    explicit TSizeGripEh(TComponent* owner = nullptr);

    int Position() const { return position_; }
    void SetPosition(int v);
    // Reacts to the drop-down's placement: 0 left side, 1 right, 2 top, 3 bottom.
    void MoveToCorner(int direction);
    bool TriangleShape() const { return triangleShape_; }
    void SetTriangleShape(bool v);
    // Puts the grip into its corner of the parent's client area.
    void UpdatePosition();
    void ShowGrip(bool show);
    void Dispatch(Message& msg) override;
    // Moved from outside, the grip goes back to its corner.
    void SetBounds(int left, int top, int width, int height) override;

    TNotifyEvent OnParentResized;

protected:
    void CreateWnd() override;
    void Paint() override;
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override;
    void MouseMove(TShiftState s, int x, int y) override;
    virtual void ParentResized();

private:
    void UpdateShape();
    int position_ = sgpBottomRight;
    bool triangleShape_ = true;
    bool internalMove_ = false;
    win::POINT downPos_{}, lastPos_{};
    int parentWidth_ = 0, parentHeight_ = 0;
};

} // namespace tv
