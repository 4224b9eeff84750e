// The open and save dialogs on a real folder, answered from the keyboard.
#include <fstream>

#include "formfixture.h"
#include "framework/ui/stdctrls/filedialogs.h"
#include "support/tempdir.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class FileDialog : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        for (const char* f : {"ventas.csv", "notas.txt", "Árbol.csv"}) std::ofstream(dir.file(f)) << "x";
        std::filesystem::create_directory(dir.path() / "meses");
    }
    TempDir dir;
};

TEST_F(FileDialog, SaveReturnsTheNameWithTheDefaultExtensionAndTheFilterIndex) {
    TSaveDialog d(form);
    d.SetFilter("Texto (*.txt)|*.txt|Valores separados por comas (*.csv)|*.csv");
    d.SetDefaultExt("csv");
    d.SetInitialDir(dir.path().string());
    ScriptStep([] {
        PressKey(VK_TAB);  // to the type list
        PressKey(VK_DOWN); // the second filter
        PressKey(VK_TAB, true);
        TypeText("informe");
        PressKey(VK_RETURN);
    });
    ASSERT_TRUE(d.Execute());
    EXPECT_EQ(d.FileName(), dir.file("informe.csv"));
    EXPECT_EQ(d.FilterIndex(), 2);
}

TEST_F(FileDialog, OverwriteIsAskedAndCancelLeavesTheNameAlone) {
    TSaveDialog d(form);
    d.SetFilter("CSV|*.csv");
    d.SetInitialDir(dir.path().string());
    d.SetOptions({ofOverwritePrompt});
    SetMessageHook([this](const TMessageRequest& r) {
        messages.push_back(r.text);
        return r.buttons.Contains(mbYes) ? mrYes : mrOk;
    });
    ScriptStep([] {
        TypeText("ventas.csv");
        PressKey(VK_RETURN);
    });
    ASSERT_TRUE(d.Execute());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("ya existe"), std::string::npos);
    EXPECT_EQ(d.FileName(), dir.file("ventas.csv"));
    d.SetFileName("antes.csv");
    ScriptStep([] { PressKey(VK_ESCAPE); });
    EXPECT_FALSE(d.Execute());
    EXPECT_EQ(d.FileName(), "antes.csv");
}

TEST_F(FileDialog, OpenRefusesAMissingFileAndEntersFolders) {
    TOpenDialog d(form);
    d.SetFilter("Todos|*.*");
    d.SetInitialDir(dir.path().string());
    d.SetOptions({ofFileMustExist});
    std::ofstream(dir.file("meses/enero.txt")) << "x";
    ScriptStep([] {
        TypeText("no-existe.txt");
        PressKey(VK_RETURN); // refused with a message; the window stays
        PressKey(VK_HOME);
        PressKey(VK_END, true);
        TypeText("meses");
        PressKey(VK_RETURN); // a folder: go into it
        TypeText("enero.txt");
        PressKey(VK_RETURN);
    });
    ASSERT_TRUE(d.Execute());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("no-existe.txt"), std::string::npos);
    EXPECT_EQ(std::filesystem::path(d.FileName()), dir.path() / "meses" / "enero.txt");
}

} // namespace
} // namespace tvtest
