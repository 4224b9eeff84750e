#pragma once
// The drop-down month calendar of date editors, over the platform's month
// calendar window class. It tells its owner to close it: Enter or a click on
// a day accepts, Esc or a click elsewhere does not.
#include "editors/popupinterfaces.h"
#include "core/datetime.h"
#include "framework/ui/controls.h"

namespace tv {

class TPopupMonthCalendarEh : public TWinControl {
    TV_CLASS(TPopupMonthCalendarEh, TWinControl)
public:
    explicit TPopupMonthCalendarEh(TComponent* owner = nullptr);

    TDateTime Date();
    void SetDate(TDateTime v);
    int BorderWidth() const { return Ctl3D() ? 2 : 0; }
    void Dispatch(Message& msg) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandle() override;
    void KeyDown(win::WORD& key, TShiftState shift) override;

private:
    void CloseUp(bool accept);
    void FitToCalendar();
    TDateTime date_;
};

} // namespace tv
