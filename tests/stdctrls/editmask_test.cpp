// The edit mask grammar and in-place editing of a masked text.
#include <gtest/gtest.h>

#include "core/formatsettings.h"
#include "core/strutils.h"
#include "framework/ui/stdctrls/editmask.h"

namespace tvtest {
namespace {

using tv::TEditMask;
std::u32string U(const std::string& s) { return tv::Utf8ToUtf32(s); }
std::string S(const std::u32string& s) { return tv::Utf32ToUtf8(s); }

// Types each character at the caret, as the keyboard would.
std::string Type(const TEditMask& m, const std::string& typed, int caret = 0) {
    std::u32string t = m.EmptyEditText();
    int a = m.EditableAtOrAfter(caret), b = a;
    for (char32_t c : U(typed)) m.TypeChar(t, a, b, c);
    return S(t);
}

TEST(EditMask, DateMaskKeepsLiteralsAndBlanks) {
    tv::ResetFormatSettings();
    TEditMask m("!9999/99/99;1;_");
    EXPECT_EQ(m.Count(), 10);
    EXPECT_EQ(S(m.EmptyEditText()), "____/__/__");
    std::string shown = Type(m, "20090423");
    EXPECT_EQ(shown, "2009/04/23");
    EXPECT_EQ(S(m.Strip(U(shown))), "2009/04/23");
    EXPECT_EQ(S(m.Strip(U("2009/04/__"))), "2009/04/  ");
    // Typing the separator itself steps over it instead of being refused.
    EXPECT_EQ(Type(m, "2009/4"), "2009/4_/__");
}

TEST(EditMask, LiteralsLeftOutOfTheValueWithZero) {
    TEditMask phone("(999) 000-0000;0;_");
    std::string shown = Type(phone, "6015551234");
    EXPECT_EQ(shown, "(601) 555-1234");
    EXPECT_EQ(S(phone.Strip(U(shown))), "6015551234");
    // A value without literals fills the editable positions in order.
    EXPECT_EQ(S(phone.Format(U("6015551234"))), "(601) 555-1234");
    // Letters are refused where digits go; the caret does not move.
    std::u32string t = phone.EmptyEditText();
    int a = 1, b = 1;
    EXPECT_FALSE(phone.TypeChar(t, a, b, U'x'));
    EXPECT_EQ(a, 1);
}

TEST(EditMask, GrammarTable) {
    struct Case {
        const char* mask;
        const char* typed;
        const char* shown;
        const char* value;
    } cases[] = {
        {">LL-000;1;_", "ab123", "AB-123", "AB-123"},
        {"<LL;1;*", "XY", "xy", "xy"},
        {">l<>l;1;_", "aB", "AB", "AB"},       // "<>" ends the conversion
        {"\\A\\99;1;_", "5", "A95", "A95"},    // escaped mask characters are literals
        {"aaa;0; ", "1b", "1b ", "1b "},
        {"##0;1;_", "-5", "-5_", "-5 "},
        {"00:00;1;_", "1230", "12:30", "12:30"},
        {"CCC;1;_", "ñ!?", "ñ!?", "ñ!?"},
        {"99_99;1;_", "1234", "12 34", "12 34"},
    };
    for (const auto& c : cases) {
        TEditMask m(c.mask);
        std::string shown = Type(m, c.typed);
        EXPECT_EQ(shown, c.shown) << c.mask;
        EXPECT_EQ(S(m.Strip(U(shown))), c.value) << c.mask;
    }
}

TEST(EditMask, IncompleteEntryIsFoundAtItsFirstMissingPosition) {
    TEditMask m("!0000/00/00;1;_");
    EXPECT_EQ(m.FirstMissing(U("2009/04/23")), -1);
    EXPECT_EQ(m.FirstMissing(U("2009/0_/23")), 6);
    EXPECT_EQ(m.FirstMissing(m.EmptyEditText()), 0);
    TEditMask optional("9999;1;_");
    EXPECT_EQ(optional.FirstMissing(optional.EmptyEditText()), -1);
}

TEST(EditMask, DeletingLeavesBlanksAndKeepsTheCaretOnEditablePositions) {
    TEditMask m("!9999/99/99;1;_");
    std::u32string t = U("2009/04/23");
    int a = 5, b = 5; // just after the separator
    EXPECT_TRUE(m.Backspace(t, a, b));
    EXPECT_EQ(S(t), "200_/04/23");
    EXPECT_EQ(a, 3);
    a = 4, b = 4; // on the literal: Delete takes the next editable character
    EXPECT_TRUE(m.DeleteForward(t, a, b));
    EXPECT_EQ(S(t), "200_/_4/23");
    EXPECT_EQ(a, 5);
    a = 3, b = 9; // a selection across literals clears only editable characters
    EXPECT_TRUE(m.Backspace(t, a, b));
    EXPECT_EQ(S(t), "200_/__/_3");
    EXPECT_EQ(m.EditableAtOrAfter(4), 5);
    EXPECT_EQ(m.EditableAtOrAfter(10), 10);
    EXPECT_EQ(m.EditableBefore(5), 3);
}

TEST(EditMask, PasteTypesWhatFitsAndSkipsWhatDoesNot) {
    TEditMask m("(999) 000-0000;0;_");
    std::u32string t = m.EmptyEditText();
    int a = 0, b = 0;
    EXPECT_TRUE(m.Paste(t, a, b, U("60x1\x01 555 1234 9999 más")));
    EXPECT_EQ(S(t), "(601) 555-1234");
}

TEST(EditMask, BadMasksRaiseClearly) {
    EXPECT_THROW(TEditMask("000\\"), tv::EDBEditError);
    try {
        TEditMask("99\\");
        FAIL();
    } catch (const tv::EDBEditError& e) {
        EXPECT_NE(e.Message().find("no válida"), std::string::npos);
    }
    // An escaped separator belongs to the positions, not the fields.
    TEditMask m("9\\;9;1;_");
    EXPECT_EQ(m.Count(), 3);
    EXPECT_EQ(S(m.EmptyEditText()), "_;_");
    // An empty mask and one of fields only are no masks at all.
    EXPECT_TRUE(TEditMask("").Empty());
    EXPECT_TRUE(TEditMask(";1;_").Empty());
}

} // namespace
} // namespace tvtest
