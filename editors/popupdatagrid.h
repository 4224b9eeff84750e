#pragma once
// TPopupDataGridEh: the drop-down form of the lookup grid. A pop-up window
// that never takes the focus: the choice follows the mouse, a release on a
// row asks its owner to close accepting (outside: without), and a size grip
// lets the user resize it.
#include <functional>

#include "editors/lookupgrid.h"

namespace tv {

class TSizeGripEh;

class TPopupDataGridEh : public TDBLookupGridEh {
    TV_CLASS(TPopupDataGridEh, TDBLookupGridEh)
public:
    explicit TPopupDataGridEh(TComponent* owner = nullptr);
    ~TPopupDataGridEh() override;

    TSizeGripEh* SizeGrip() const { return grip_; }
    // Set by every size change of the window; the owner clears it after opening.
    bool ResizedByUser() const { return resizedByUser_; }
    void SetResizedByUser(bool v) { resizedByUser_ = v; }
    bool InUserAction() const { return inUserAction_; }
    bool CanFocus() override { return false; }
    void Dispatch(Message& msg) override;

    std::function<void(TObject* sender, bool accept)> OnCloseUpRequest;
    TNotifyEvent OnUserSelect;

protected:
    void CreateParams(TCreateParams& params) override;
    void DrawFlatBorder() override;
    void KeyValueChanged() override;
    void KeyDown(win::WORD& key, TShiftState shift) override;
    void KeyUp(win::WORD& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TSizeGripEh* grip_ = nullptr;
    bool resizedByUser_ = false;
    bool inUserAction_ = false;
    bool mouseDownInside_ = false;
};

} // namespace tv
