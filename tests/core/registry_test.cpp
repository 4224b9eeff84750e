#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/exceptions.h"
#include "core/registry.h"
#include "core/stringlist.h"
#include "support/scopedenv.h"
#include "support/tempdir.h"

using namespace tv;

namespace {

// Every test gets a store of its own in a temporary folder; the program's
// own store comes back after it.
class RegistryTest : public ::testing::Test {
protected:
    tvtest::TempDir dir;
    tvtest::ScopedEnv store{"TALLYVO_REGISTRY_DIR", dir.path().c_str()};
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
    tvtest::ScopedEnv home("HOME", dir.path().c_str()), xdg("XDG_DATA_HOME", dir.file("datos").c_str());
    ::unsetenv("TALLYVO_REGISTRY_DIR");
    EXPECT_EQ(TRegistry::StorageFolder(), dir.file("datos") + "/tallyvo/registry");
    TRegistry().WriteString("v", "1");
    EXPECT_TRUE(std::filesystem::exists(dir.file("datos/tallyvo/registry/HKEY_CURRENT_USER.reg")));
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(TRegistry::StorageFolder(), dir.path().string() + "/.local/share/tallyvo/registry");
}

// What another process writes is seen at the next call, even a file of the
// same size put in place the way the store itself writes (a rename, which may
// give the new file the old one's inode) or rewritten in place.
TEST_F(RegistryTest, AStoreChangedOutsideIsReadAgain) {
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reg.OpenKey("\\Software\\Orvane\\Tallyvo2008", true));
    reg.WriteString("Directorio", "/srv/uno");
    EXPECT_EQ(reg.ReadString("Directorio"), "/srv/uno");
    const std::string file = dir.file("HKEY_LOCAL_MACHINE.reg");
    auto replace = [&](const std::string& text) {
        std::ofstream(file + ".otro", std::ios::binary) << text;
        std::filesystem::rename(file + ".otro", file);
    };
    replace("[Software]\n[Software\\Orvane]\n[Software\\Orvane\\Tallyvo2008]\n\"Directorio\"=\"/srv/dos\"\n");
    EXPECT_EQ(reg.ReadString("Directorio"), "/srv/dos");
    replace("[Software]\n[Software\\Orvane]\n[Software\\Orvane\\Tallyvo2008]\n\"Directorio\"=\"/srv/tre\"\n");
    EXPECT_EQ(reg.ReadString("Directorio"), "/srv/tre");
    // Rewritten in place within the same tick of the file's clock.
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        << "[Software]\n[Software\\Orvane]\n[Software\\Orvane\\Tallyvo2008]\n\"Directorio\"=\"/srv/cua\"\n";
    EXPECT_EQ(reg.ReadString("Directorio"), "/srv/cua");
    std::filesystem::remove(file);
    EXPECT_FALSE(reg.KeyExists("\\Software"));
    EXPECT_EQ(reg.ReadString("Directorio"), "");
}

// Sections and values met again under another case are the same ones: the
// last value wins, in the first one's place.
TEST_F(RegistryTest, AStoreFileReadsSectionsAndValuesByFoldedName) {
    std::ofstream(dir.file("HKEY_CURRENT_USER.reg"), std::ios::binary)
        << "[Ñandú\\Ala]\n\"Uno\"=\"1\"\n\"Dos\"=dword:00000002\n[ñANDÚ\\ala]\n\"UNO\"=\"otro\"\n[]\n@=\"raíz\"\n";
    TRegistry reg;
    EXPECT_TRUE(reg.KeyExists("ñandú"));
    EXPECT_FALSE(reg.OpenKey("NANDU\\ALA", false));
    ASSERT_TRUE(reg.OpenKey("\\ÑANDÚ\\ALA", false));
    EXPECT_EQ(reg.ReadString("uno"), "otro");
    EXPECT_EQ(reg.ReadInteger("dos"), 2);
    TStringList names;
    reg.GetValueNames(names);
    EXPECT_EQ(names.CommaText(), "UNO,Dos");
    reg.CloseKey();
    EXPECT_EQ(reg.ReadString(""), "raíz");
    reg.GetKeyNames(names);
    EXPECT_EQ(names.CommaText(), "Ñandú");
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
