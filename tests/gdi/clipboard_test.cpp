#include <gtest/gtest.h>

#include "platform/backend/backend.h"
#include "platform/clipboard/clipboard.h"

using namespace tv::win;

namespace {
void Reset() {
    CloseClipboard();
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
}
std::vector<BYTE> Bytes(const std::string& s) { return std::vector<BYTE>(s.begin(), s.end()); }
} // namespace

TEST(Clipboard, FormatsAreRegisteredByName) {
    UINT a = RegisterClipboardFormat("VCLDBIF");
    EXPECT_GE(a, 0xC000u);
    EXPECT_EQ(RegisterClipboardFormat("VCLDBIF"), a);
    EXPECT_EQ(RegisterClipboardFormat("vcldbif"), a) << "names compare without case";
    UINT csv = RegisterClipboardFormat("Csv"), rtf = RegisterClipboardFormat("Rich Text Format");
    EXPECT_NE(csv, a);
    EXPECT_NE(rtf, csv);
    EXPECT_EQ(GetClipboardFormatName(a), "VCLDBIF");
    EXPECT_EQ(GetClipboardFormatName(CF_TEXT), "");
    EXPECT_EQ(RegisterClipboardFormat(""), 0u);
}

TEST(Clipboard, SeveralFormatsAtOnceReplaceWhatWasThere) {
    Reset();
    UINT csv = RegisterClipboardFormat("Csv"), bin = RegisterClipboardFormat("VCLDBIF");
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(OpenClipboard(nullptr)) << "one opener at a time";
    ASSERT_TRUE(SetClipboardText("Año\tPrecio\r\n2009\t1.500\r\n"));
    ASSERT_TRUE(SetClipboardData(csv, Bytes("Año;Precio\r\n")));
    ASSERT_TRUE(SetClipboardData(bin, {0, 1, 2, 0, 255}));
    CloseClipboard();
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_TRUE(IsClipboardFormatAvailable(csv));
    EXPECT_TRUE(IsClipboardFormatAvailable(bin));
    EXPECT_EQ(CountClipboardFormats(), 4);

    std::vector<BYTE> data;
    std::string text;
    EXPECT_FALSE(GetClipboardData(bin, data)) << "reading needs the clipboard open";
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(GetClipboardText(text));
    EXPECT_EQ(text, "Año\tPrecio\r\n2009\t1.500\r\n");
    ASSERT_TRUE(GetClipboardData(CF_UNICODETEXT, data));
    EXPECT_EQ(data.back(), 0) << "a text block ends with its 0 byte";
    ASSERT_TRUE(GetClipboardData(bin, data));
    EXPECT_EQ(data, (std::vector<BYTE>{0, 1, 2, 0, 255})) << "binary blocks are kept whole";
    // The first put after opening empties the clipboard.
    ASSERT_TRUE(SetClipboardData(csv, Bytes("x")));
    CloseClipboard();
    EXPECT_FALSE(IsClipboardFormatAvailable(bin));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_TRUE(IsClipboardFormatAvailable(csv));
    EXPECT_FALSE(SetClipboardText("closed")) << "putting needs the clipboard open";
    EXPECT_FALSE(EmptyClipboard());
}

// The backend's clipboard stands for the desktop's: what another program
// copies there is what a paste takes, and it replaces this program's own copy.
TEST(Clipboard, TextIsTheDesktopsBothWays) {
    Reset();
    UINT bin = RegisterClipboardFormat("VCLDBIF");
    ASSERT_TRUE(OpenClipboard(nullptr));
    SetClipboardText("Café\tArroz");
    SetClipboardData(bin, {1, 2, 3});
    CloseClipboard();
    EXPECT_EQ(CurrentBackend().ClipboardText(), "Café\tArroz");
    EXPECT_TRUE(IsClipboardFormatAvailable(bin));

    CurrentBackend().SetClipboardText("7700000000019");
    EXPECT_FALSE(IsClipboardFormatAvailable(bin)) << "the program's own copy is gone";
    EXPECT_EQ(GetClipboardOwner(), nullptr);
    std::string text;
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(GetClipboardText(text));
    CloseClipboard();
    EXPECT_EQ(text, "7700000000019");

    // Emptying it empties the desktop's too; a private format alone leaves no text there.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(bin, {4});
    CloseClipboard();
    EXPECT_EQ(CurrentBackend().ClipboardText(), "");
    EXPECT_TRUE(IsClipboardFormatAvailable(bin));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
}
