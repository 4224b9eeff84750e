#pragma once
// The headless desktop with the framework's application and screen, a fake
// clock, and scripted answers for message boxes.
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "framework/ui/application.h"
#include "framework/ui/controls.h"
#include "framework/ui/dialogs.h"
#include "framework/ui/forms.h"
#include "framework/ui/screen.h"
#include "platform/backend/backend.h"
#include "platform/backend/headless.h"
#include "platform/window/desktop.h"
#include "platform/window/input.h"
#include "platform/window/timer.h"

namespace tvtest {

// A control that takes the focus and typed characters, as an edit does.
class TTestEdit : public tv::TCustomControl {
    TV_CLASS(TTestEdit, tv::TCustomControl)
public:
    explicit TTestEdit(tv::TComponent* owner = nullptr);
    static void Publish(tv::TPublisher& p);
    void Dispatch(tv::Message& msg) override;
    std::string typed;
};

class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Input the running message loop takes: queued, not dispatched.
    static void Key(int vk, bool shift = false, bool ctrl = false, bool alt = false);
    // Input handled at once through the application.
    static void Press(int vk, bool shift = false, bool ctrl = false, bool alt = false);
    static void ClickAt(tv::TControl* c, int x = 3, int y = 3);
    // A definition registered as the resource of its class.
    static void Define(const std::string& className, const std::string& text);

    std::shared_ptr<tv::win::FakeClock> clock;
    std::vector<tv::TMessageRequest> said;
    std::deque<tv::TModalResult> answers;
    int beeps = 0;
};

} // namespace tvtest
