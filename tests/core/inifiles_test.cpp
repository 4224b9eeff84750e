#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "formatsettings_guard.h"
#include "core/exceptions.h"
#include "core/inifiles.h"
#include "core/stringlist.h"
#include "support/tempdir.h"

using namespace tv;

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteAll(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class IniFileTest : public FormatSettingsTest {
protected:
    tvtest::TempDir dir;
};

TEST_F(IniFileTest, WritingCreatesTheFileAndKeepsTheKeyOrder) {
    const std::string path = dir.file("cnfptocaj.ini");
    {
        TIniFile ini(path);
        EXPECT_FALSE(std::filesystem::exists(path));
        EXPECT_EQ(ini.ReadString("ComPort1", "Port", "COM9"), "COM9");
        for (auto [key, value] : {std::pair{"Port", "COM1"}, {"BaudRate", "9600"}, {"StopBits", "1"},
                                  {"DataBits", "8"}, {"Parity", "None"}, {"FlowControl", "None"}})
            ini.WriteString("ComPort1", key, value);
    }
    EXPECT_EQ(ReadAll(path), "[ComPort1]\nPort=COM1\nBaudRate=9600\nStopBits=1\nDataBits=8\nParity=None\nFlowControl=None\n");
    TIniFile again(path);
    again.WriteString("COMPORT1", "baudrate", "115200");  // same section and key, other case
    EXPECT_EQ(again.ReadString("comport1", "BAUDRATE", ""), "115200");
    TStringList keys;
    again.ReadSection("ComPort1", keys);
    EXPECT_EQ(keys.CommaText(), "Port,BaudRate,StopBits,DataBits,Parity,FlowControl");
}

TEST_F(IniFileTest, AccentsRoundTrip) {
    const std::string path = dir.file("ñandú.ini");
    {
        TIniFile ini(path);
        ini.WriteString("Compañía", "Razón social", "Panadería La Ñapa — Bogotá");
        ini.WriteString("Compañía", "Ciudad", "Medellín");
    }
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("COMPAÑÍA", "razón social", ""), "Panadería La Ñapa — Bogotá");
    TMemIniFile mem(path);
    EXPECT_EQ(mem.ReadString("compañía", "CIUDAD", ""), "Medellín");
}

TEST_F(IniFileTest, LatinOneFilesAndWindowsLineEndsRead) {
    const std::string path = dir.file("viejo.ini");
    WriteAll(path, "; configuración\r\n[General]\r\nNombre = Jos\xe9 Pe\xf1" "a \r\n\r\n[Vac\xed" "a]\r\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("General", "Nombre", ""), "José Peña");
    EXPECT_TRUE(ini.SectionExists("vacía"));
    EXPECT_FALSE(ini.SectionExists("Otra"));
}

TEST_F(IniFileTest, TypedValues) {
    UseDotDecimals();
    FormatSettings.ShortDateFormat = "yyyy/mm/dd";
    TIniFile ini(dir.file("tipos.ini"));
    ini.WriteInteger("S", "Entero", -42);
    ini.WriteBool("S", "Si", true);
    ini.WriteBool("S", "No", false);
    ini.WriteFloat("S", "Real", 2.5);
    ini.WriteDate("S", "Fecha", EncodeDate(2024, 2, 29));
    ini.WriteDateTime("S", "Momento", EncodeDateTime(2024, 2, 29, 13, 5, 0, 0));
    ini.WriteString("S", "Hex", "0x1F");
    ini.WriteString("S", "Basura", "abc");
    EXPECT_EQ(ini.ReadInteger("S", "Entero", 0), -42);
    EXPECT_EQ(ini.ReadInteger("S", "Hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger("S", "Basura", 7), 7);
    EXPECT_EQ(ini.ReadInteger("S", "Falta", 7), 7);
    EXPECT_TRUE(ini.ReadBool("S", "Si", false));
    EXPECT_FALSE(ini.ReadBool("S", "No", true));
    EXPECT_TRUE(ini.ReadBool("S", "Falta", true));
    EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "Real", 0), 2.5);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "Basura", 1.25), 1.25);
    EXPECT_EQ(ini.ReadString("S", "Fecha", ""), "2024/02/29");
    EXPECT_EQ(ini.ReadDate("S", "Fecha", 0), EncodeDate(2024, 2, 29));
    EXPECT_DOUBLE_EQ(ini.ReadDateTime("S", "Momento", 0), EncodeDateTime(2024, 2, 29, 13, 5, 0, 0));
    EXPECT_EQ(ini.ReadDate("S", "Basura", 3.0), 3.0);
}

TEST_F(IniFileTest, SectionsValuesAndDeletion) {
    const std::string path = dir.file("a.ini");
    TIniFile ini(path);
    ini.WriteString("Uno", "a", "1");
    ini.WriteString("Dos", "b", "2=dos");
    ini.WriteString("Uno", "c", "3");
    TStringList list;
    list.Add("basura");
    ini.ReadSections(list);
    EXPECT_EQ(list.CommaText(), "Uno,Dos");
    ini.ReadSectionValues("Uno", list);
    EXPECT_EQ(list.CommaText(), "a=1,c=3");
    EXPECT_EQ(ini.ReadString("Dos", "b", ""), "2=dos");
    EXPECT_TRUE(ini.ValueExists("uno", "C"));
    ini.DeleteKey("Uno", "a");
    EXPECT_FALSE(ini.ValueExists("Uno", "a"));
    ini.EraseSection("dos");
    ini.ReadSections(list);
    EXPECT_EQ(list.CommaText(), "Uno");
    ini.ReadSection("Nada", list);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(ReadAll(path), "[Uno]\nc=3\n");
}

TEST_F(IniFileTest, MemIniFileWritesOnUpdateFile) {
    const std::string path = dir.file("mem.ini");
    TMemIniFile mem(path);
    mem.WriteString("S", "k", "v");
    EXPECT_FALSE(std::filesystem::exists(path));
    mem.UpdateFile();
    EXPECT_EQ(TIniFile(path).ReadString("S", "k", ""), "v");
    // TIniFile sees changes made by others at once.
    TIniFile live(path);
    TMemIniFile other(path);
    other.WriteString("S", "k", "nuevo");
    other.UpdateFile();
    EXPECT_EQ(live.ReadString("S", "k", ""), "nuevo");
}

TEST_F(IniFileTest, MemIniFileFromTextThatIsNoFile) {
    TStringList lines;
    lines.SetText("[GLOBALINFO]\nVERSION=5.2\n[BUTTON]\nPARENTCLASS=GLOBALINFO\nCOLOR=0xFF\n");
    TMemIniFile ini("");
    ini.SetStrings(lines);
    EXPECT_EQ(ini.ReadInteger("button", "color", -1), 255);
    EXPECT_EQ(ini.ReadString("Button", "ParentClass", "?"), "GLOBALINFO");
    ini.WriteString("Nueva", "k", "v");
    TStringList out;
    ini.GetStrings(out);
    EXPECT_EQ(out.Text(), "[GLOBALINFO]\r\nVERSION=5.2\r\n\r\n[BUTTON]\r\nPARENTCLASS=GLOBALINFO\r\nCOLOR=0xFF\r\n\r\n"
                          "[Nueva]\r\nk=v\r\n\r\n");
}

TEST_F(IniFileTest, FailuresRaiseWithTheFileName) {
    // A folder that does not exist cannot take the file.
    const std::string missing = dir.file("no/existe/x.ini");
    TIniFile ini(missing);
    EXPECT_EQ(ini.ReadString("S", "k", "d"), "d");
    try {
        ini.WriteString("S", "k", "v");
        ADD_FAILURE();
    } catch (const EIniFileException& e) {
        EXPECT_NE(e.Message().find("Unable to write to " + missing), std::string::npos) << e.Message();
    }
    // A read-only file is left as it was.
    const std::string ro = dir.file("ro.ini");
    WriteAll(ro, "[S]\nk=v\n");
    ::chmod(ro.c_str(), 0444);
    EXPECT_THROW(TIniFile(ro).WriteString("S", "k", "otro"), EIniFileException);
    EXPECT_EQ(ReadAll(ro), "[S]\nk=v\n");
    TMemIniFile mem(ro);
    mem.WriteString("S", "k", "otro");
    EXPECT_THROW(mem.UpdateFile(), EIniFileException);
    // A path that cannot be read as a file.
    const std::string folder = dir.file("carpeta.ini");
    std::filesystem::create_directory(folder);
    try {
        TIniFile(folder).ReadString("S", "k", "");
        ADD_FAILURE();
    } catch (const EIniFileException& e) {
        EXPECT_NE(e.Message().find("Unable to read " + folder), std::string::npos) << e.Message();
    }
    EXPECT_THROW(TMemIniFile{folder}, EIniFileException);
    EXPECT_THROW(TIniFile(dir.file("b.ini")).WriteString("S", "dos\nlineas", "v"), EIniFileException);
    // A key that would read back as a comment is refused, not silently lost.
    for (const char* key : {";clave", "  ;clave"}) {
        TMemIniFile comment(dir.file("c.ini"));
        EXPECT_THROW(comment.WriteString("S", key, "v"), EIniFileException) << key;
        EXPECT_FALSE(comment.SectionExists("S"));
    }
}

// Many keys and sections read, look up and erase in linear time, case-blind.
TEST_F(IniFileTest, LargeFilesReadInLinearTime) {
    std::string text = "[Datos]\n";
    for (int i = 0; i < 40000; ++i) text += "Clave" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    for (int i = 0; i < 5000; ++i) text += "[S" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    text += "[datos]\nCLAVE7=duplicada\nÑandú=ave\n";
    WriteAll(dir.file("big.ini"), text);
    auto start = std::chrono::steady_clock::now();
    TMemIniFile ini(dir.file("big.ini"));
    EXPECT_EQ(ini.ReadString("DATOS", "clave39999", ""), "39999");
    EXPECT_EQ(ini.ReadString("datos", "Clave7", ""), "7") << "the first of two equal keys wins";
    EXPECT_EQ(ini.ReadString("DATOS", "ñANDÚ", ""), "ave");
    EXPECT_EQ(ini.ReadInteger("s4999", "K", -1), 4999);
    ini.DeleteKey("Datos", "Clave0");
    ini.EraseSection("S0");
    EXPECT_EQ(ini.ReadString("Datos", "Clave1", ""), "1");
    EXPECT_EQ(ini.ReadString("S1", "k", ""), "1");
    EXPECT_FALSE(ini.ValueExists("Datos", "Clave0"));
    EXPECT_FALSE(ini.SectionExists("S0"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

} // namespace
