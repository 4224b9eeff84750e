#pragma once
// A shown form on the headless desktop with a fake clock, for the editors'
// controls and drop-downs.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "platform/backend/headless.h"
#include "platform/window/desktop.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/timer.h"

namespace tvtest {

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Screen point of a control's client point.
    static tv::win::POINT At(tv::TControl* c, int x, int y);
    void Tick(int ms);
    // Gives the control the focus and lets the focus walk run.
    static void Focus(tv::TWinControl* c);

    tv::TForm* form = nullptr;
    std::shared_ptr<tv::win::FakeClock> clock;
    std::vector<std::string> said;
};

// The colour of a pixel of a device context as 0x00BBGGRR.
tv::win::COLORREF PixelAt(tv::win::HDC dc, int x, int y);

} // namespace tvtest
