// The font and printer set-up dialogs, answered from the keyboard.
#include "formfixture.h"
#include "framework/ui/stdctrls/fontdialog.h"
#include "framework/ui/stdctrls/printersetupdialog.h"
#include "platform/gdi/text.h"
#include "platform/printer/printers.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

using ChoiceDialogs = FormTest;

TEST_F(ChoiceDialogs, FontDialogPicksAnInstalledFaceSizeAndStyle) {
    std::vector<std::string> faces = InstalledFontFamilies();
    ASSERT_GE(faces.size(), 2u);
    TFontDialog d(form);
    d.Font()->SetName(faces[0]);
    d.Font()->SetSize(10);
    ScriptStep([] {
        PressKey(VK_DOWN);         // the next face
        PressKey(VK_TAB);          // sizes
        PressKey(VK_HOME);
        PressKey(VK_END, true);
        TypeText("14");
        PressKey(VK_TAB);          // bold
        PressKey(VK_SPACE);
        PressKey(VK_RETURN);
    });
    ASSERT_TRUE(d.Execute());
    EXPECT_EQ(d.Font()->Name(), faces[1]);
    EXPECT_EQ(d.Font()->Size(), 14);
    EXPECT_TRUE(d.Font()->Style().Contains(fsBold));
    // A size that is no number is refused and the font stays.
    ScriptStep([] {
        PressKey(VK_TAB);
        PressKey(VK_HOME);
        PressKey(VK_END, true);
        TypeText("grande");
        PressKey(VK_RETURN);
        PressKey(VK_ESCAPE);
    });
    EXPECT_FALSE(d.Execute());
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(d.Font()->Size(), 14);
}

TEST_F(ChoiceDialogs, PrinterSetupListsThePrinters) {
    TPrinterSetupDialog d(form);
    EXPECT_EQ(d.PrinterName(), DefaultPrinterName());
    auto printers = EnumPrinters();
    ASSERT_FALSE(printers.empty());
    d.SetPrinterName(printers.back().name);
    ScriptStep([] {
        PressKey(VK_HOME);
        PressKey(VK_RETURN);
    });
    ASSERT_TRUE(d.Execute());
    EXPECT_EQ(d.PrinterName(), printers.front().name);
}

} // namespace
} // namespace tvtest
