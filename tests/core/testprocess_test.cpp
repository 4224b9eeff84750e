// The settings store and application folder every test program makes for
// itself before its first test (tests/support/testprocess.cpp).
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/registry.h"
#include "tests/support/testprocess.h"

using namespace tv;

TEST(TestProcess, TheStoreAndTheApplicationFolderAreTheProgramsOwn) {
    EXPECT_EQ(TRegistry::StorageFolder(), tvtest::ProcessFolder() + "/registry");
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\Orvane\\Tallyvo2008"));
    EXPECT_EQ(reg.ReadString("Directorio"), tvtest::ProcessApplicationFolder());
}

// A test that leaves the program pointing at the user's store fails:
// tests/scripts/private_stores.sh runs this one and expects the failure.
TEST(TestProcess, DISABLED_LeavesTheUserStoreInPlace) { ::unsetenv("TALLYVO_REGISTRY_DIR"); }
