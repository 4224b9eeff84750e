#pragma once
// The headless desktop with the framework's application, a fake clock for
// the timers, message boxes answered and recorded, a temporary folder for
// printed files, and helpers to read a PDF back with poppler's tools.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/ui/application.h"
#include "framework/ui/dialogs.h"
#include "platform/window/timer.h"
#include "support/tempdir.h"

namespace tvtest {

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Lets the clock run and the timers fire.
    void Advance(int ms);

    std::shared_ptr<tv::win::FakeClock> clock;
    std::vector<std::string> said;
    TempDir tmp;
};

// Runs a command and returns what it wrote; rc gets its exit status.
std::string Shell(const std::string& command, int* rc = nullptr);
std::string PdfInfo(const std::string& file);
std::string PdfText(const std::string& file);

} // namespace tvtest
