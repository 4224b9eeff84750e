// The print dialog's page range, answered from the keyboard.
#include "formfixture.h"
#include "framework/ui/stdctrls/printdialog.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

using PrintDialog = FormTest;

TEST_F(PrintDialog, PageRangeWithinMinimumAndMaximum) {
    TPrintDialog d(form);
    d.SetOptions({poPageNums});
    d.SetMinPage(1);
    d.SetMaxPage(12);
    d.SetFromPage(1);
    d.SetToPage(12);
    ScriptStep([] {
        TypeText("2");            // copies (the box starts selected)
        PressKey(VK_TAB, true);   // back to "hasta"
        TypeText("40");           // beyond the last page
        PressKey(VK_RETURN);      // refused, the window stays
        PressKey(VK_HOME);
        PressKey(VK_END, true);
        TypeText("5");
        PressKey(VK_TAB, true);   // "desde"
        TypeText("3");
        PressKey(VK_RETURN);
    });
    ASSERT_TRUE(d.Execute());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("entre 1 y 12"), std::string::npos) << messages[0];
    EXPECT_EQ(d.PrintRange(), prPageNums);
    EXPECT_EQ(d.FromPage(), 3);
    EXPECT_EQ(d.ToPage(), 5);
    EXPECT_EQ(d.Copies(), 2);
    ScriptStep([] { PressKey(VK_ESCAPE); });
    EXPECT_FALSE(d.Execute());
    EXPECT_EQ(d.FromPage(), 3);
}

} // namespace
} // namespace tvtest
