#pragma once
// Puts the process-wide format settings back after each test that changes them.
#include <gtest/gtest.h>

#include "core/formatsettings.h"

class FormatSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { tv::ResetFormatSettings(); }
    void TearDown() override { tv::ResetFormatSettings(); }
    // The station's settings after start-up, with "." decimals as in the
    // examples of prices.
    static void UseDotDecimals() {
        tv::FormatSettings.DecimalSeparator = '.';
        tv::FormatSettings.ThousandSeparator = ',';
    }
};
