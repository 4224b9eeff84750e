// The program's units start before the tests and stop after them, as in the station.
#include "core/unitinit.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    tv::InitializeUnits();
    const int result = RUN_ALL_TESTS();
    tv::FinalizeUnits();
    return result;
}
