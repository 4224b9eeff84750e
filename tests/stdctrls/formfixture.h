#pragma once
// A shown form on the headless desktop, with message boxes answered by a
// script that records what they said.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/ui/application.h"
#include "framework/ui/dialogs.h"
#include "framework/ui/forms.h"
#include "platform/backend/headless.h"
#include "platform/clipboard/clipboard.h"
#include "platform/window/desktop.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"

namespace tvtest {

class FormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Gives the control the focus and lets the messages run.
    void Focus(tv::TWinControl* c);
    static void PutClipboard(const std::string& text);

    tv::TForm* form = nullptr;
    std::vector<std::string> messages; // texts of message boxes shown
    tv::TMessageHook oldHook;
};

} // namespace tvtest
