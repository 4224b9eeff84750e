#pragma once
// The cross-fade shown over a form while its skin changes: a window laid
// over the control shows the old picture turning into the new one.
#include <functional>

#include "framework/ui/controls.h"

namespace tv {

// The window the fade is shown in; it never erases its background.
class TOutputWindow : public TCustomControl {
    TV_CLASS(TOutputWindow, TCustomControl)
public:
    explicit TOutputWindow(TComponent* owner = nullptr);
    void Dispatch(win::Message& msg) override;

protected:
    void CreateParams(TCreateParams& params) override;
};

// Fades `control` from what the screen shows to its new painting in
// `time` ms, one round every 10 ms; answers the number of mixed rounds
// (none for a time under 10). `pause` waits between rounds.
int AnimateForm(TWinControl* control, int time, const std::function<void(int ms)>& pause = {});

} // namespace tv
