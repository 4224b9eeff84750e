#pragma once
// The headless desktop as the UI tests start and leave it: a fresh desktop on
// a fake clock, the standard window classes and the framework's UI.
#include <memory>

#include "framework/ui/application.h"
#include "platform/backend/headless.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/desktop.h"
#include "platform/window/timer.h"

namespace tvtest {

inline std::shared_ptr<tv::win::FakeClock> StartHeadlessUI() {
    tv::win::ResetDesktop();
    tv::win::ClearScript();
    auto clock = std::make_shared<tv::win::FakeClock>(100000);
    tv::win::SetClock(clock);
    tv::win::RegisterStandardClasses();
    tv::InitializeUI();
    return clock;
}

inline void StopHeadlessUI() {
    tv::FinalizeUI();
    tv::win::ClearScript();
    tv::win::SetClock(nullptr);
    tv::win::ResetDesktop();
}

} // namespace tvtest
