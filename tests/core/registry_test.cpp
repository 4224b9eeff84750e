#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/exceptions.h"
#include "core/registry.h"
#include "core/stringlist.h"
#include "support/tempdir.h"

using namespace tv;

namespace {

// Every test gets a store of its own in a temporary folder.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("TALLYVO_REGISTRY_DIR", dir.path().c_str(), 1); }
    void TearDown() override { ::unsetenv("TALLYVO_REGISTRY_DIR"); }
    tvtest::TempDir dir;
};

template <class F>
std::string ErrorOf(F&& f) {
    try {
        f();
    } catch (const ERegistryException& e) {
        return e.Message();
    }
    return "no error";
}

TEST_F(RegistryTest, TheApplicationDirectoryRoundTrips) {
    {
        TRegistry reg;
        reg.SetRootKey(HKEY_LOCAL_MACHINE);
        EXPECT_FALSE(reg.OpenKey("\\Software\\Orvane\\Tallyvo2008", false));
        ASSERT_TRUE(reg.OpenKey("\\Software\\Orvane\\Tallyvo2008", true));
        EXPECT_EQ(reg.CurrentPath(), "Software\\Orvane\\Tallyvo2008");
        reg.WriteString("Directorio", "/srv/tallyvo/Compañía Ñandú");
        reg.CloseKey();
    }
    EXPECT_EQ(TRegistry::StorageFolder(), dir.path().string());
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reg.OpenKeyReadOnly("software\\ORVANE\\tallyvo2008\\"));
    EXPECT_EQ(reg.ReadString("directorio"), "/srv/tallyvo/Compañía Ñandú");
    EXPECT_EQ(ErrorOf([&] { reg.WriteString("Directorio", "x"); }), "Failed to set data for 'Directorio'");
    // The other root knows nothing of it.
    TRegistry user;
    EXPECT_EQ(user.RootKey(), HKEY_CURRENT_USER);
    EXPECT_FALSE(user.KeyExists("\\Software\\Orvane"));
}

TEST_F(RegistryTest, ValuesOfBothKinds) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\Ports\\ComPort1", true));
    reg.WriteString("Port", "COM1");
    reg.WriteInteger("CustomBaudRate", 250000);
    reg.WriteInteger("Negativo", -1);
    reg.WriteBool("Activo", true);
    reg.WriteString("Raro", "comillas \" barra \\ y\nsalto");
    EXPECT_EQ(reg.ReadString("Port"), "COM1");
    EXPECT_EQ(reg.ReadInteger("CustomBaudRate"), 250000);
    EXPECT_EQ(reg.ReadInteger("Negativo"), -1);
    EXPECT_TRUE(reg.ReadBool("Activo"));
    EXPECT_EQ(reg.ReadString("Raro"), "comillas \" barra \\ y\nsalto");
    EXPECT_EQ(reg.GetDataType("Port"), TRegDataType::rdString);
    EXPECT_EQ(reg.GetDataType("CustomBaudRate"), TRegDataType::rdInteger);
    EXPECT_EQ(reg.GetDataSize("Port"), 5);
    EXPECT_EQ(reg.GetDataSize("Falta"), -1);
    EXPECT_EQ(reg.ReadString("Falta"), "");
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("Falta"); }), "Failed to get data for 'Falta'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("Port"); }), "Invalid data type for 'Port'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadString("CustomBaudRate"); }), "Invalid data type for 'CustomBaudRate'");
    reg.WriteString("CustomBaudRate", "9600");  // a value may change kind
    EXPECT_EQ(reg.ReadString("CustomBaudRate"), "9600");
    TStringList names;
    reg.GetValueNames(names);
    EXPECT_EQ(names.CommaText(), "Port,CustomBaudRate,Negativo,Activo,Raro");
    EXPECT_TRUE(reg.DeleteValue("port"));
    EXPECT_FALSE(reg.DeleteValue("port"));
    EXPECT_FALSE(reg.ValueExists("Port"));
}

TEST_F(RegistryTest, KeysNestAndEnumerate) {
    TRegistry reg;
    reg.CreateKey("A\\B\\C");
    reg.CreateKey("A\\D");
    ASSERT_TRUE(reg.OpenKey("A", false));
    EXPECT_TRUE(reg.HasSubKeys());
    TStringList keys;
    reg.GetKeyNames(keys);
    EXPECT_EQ(keys.CommaText(), "B,D");
    // Relative paths go from the open key, "\" paths from the root.
    ASSERT_TRUE(reg.OpenKey("B", false));
    EXPECT_EQ(reg.CurrentPath(), "A\\B");
    EXPECT_TRUE(reg.KeyExists("C"));
    EXPECT_TRUE(reg.KeyExists("\\A\\D"));
    EXPECT_FALSE(reg.KeyExists("D"));
    reg.CloseKey();
    EXPECT_TRUE(reg.DeleteKey("A\\B"));
    EXPECT_FALSE(reg.KeyExists("A\\B\\C"));
    EXPECT_TRUE(reg.KeyExists("A\\D"));
    EXPECT_FALSE(reg.DeleteKey("A\\B"));
    // With no key open, values belong to the root itself.
    reg.WriteString("EnLaRaiz", "sí");
    EXPECT_EQ(TRegistry().ReadString("EnLaRaiz"), "sí");
}

TEST_F(RegistryTest, WritesOfAnotherObjectAreSeen) {
    TRegistry a, b;
    ASSERT_TRUE(a.OpenKey("K", true));
    ASSERT_TRUE(b.OpenKey("K", false));
    a.WriteString("v", "1");
    EXPECT_EQ(b.ReadString("v"), "1");
    b.WriteString("v", "2");
    EXPECT_EQ(a.ReadString("v"), "2");
}

TEST_F(RegistryTest, TheStoreDefaultsToAPerUserFolder) {
    const char* home = std::getenv("HOME");
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const std::string savedHome = home ? home : "", savedXdg = xdg ? xdg : "";
    ::unsetenv("TALLYVO_REGISTRY_DIR");
    ::setenv("XDG_DATA_HOME", dir.file("datos").c_str(), 1);
    EXPECT_EQ(TRegistry::StorageFolder(), dir.file("datos") + "/tallyvo/registry");
    TRegistry().WriteString("v", "1");
    EXPECT_TRUE(std::filesystem::exists(dir.file("datos/tallyvo/registry/HKEY_CURRENT_USER.reg")));
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", dir.path().c_str(), 1);
    EXPECT_EQ(TRegistry::StorageFolder(), dir.path().string() + "/.local/share/tallyvo/registry");
    if (home) ::setenv("HOME", savedHome.c_str(), 1);
    if (xdg) ::setenv("XDG_DATA_HOME", savedXdg.c_str(), 1);
}

TEST_F(RegistryTest, FailuresAreClear) {
    // A folder where the store cannot be written.
    const std::string file = dir.file("archivo");
    std::ofstream(file) << "x";
    ::setenv("TALLYVO_REGISTRY_DIR", (file + "/sub").c_str(), 1);
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey("K", true));
    EXPECT_EQ(ErrorOf([&] { reg.CreateKey("K"); }), "Failed to create key K");
    EXPECT_EQ(ErrorOf([&] { reg.WriteString("v", "x"); }), "Failed to set data for 'v'");

    // A damaged store says where.
    ::setenv("TALLYVO_REGISTRY_DIR", dir.path().c_str(), 1);
    std::ofstream(dir.file("HKEY_CURRENT_USER.reg")) << "[K]\n\"v\"=\"1\"\nbasura\n";
    EXPECT_NE(ErrorOf([&] { TRegistry().KeyExists("K"); }).find("damaged at line 3"), std::string::npos);
}

} // namespace
