#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/exceptions.h"
#include "core/resourcestrings.h"
#include "core/strutils.h"

using namespace tv;

namespace {

TEST(StrUtilsTest, PositionsCountCharactersFromOneAndClamp) {
    const std::string s = "Año ñandú";
    EXPECT_EQ(Length(s), 9);
    EXPECT_EQ(Copy(s, 1, 3), "Año");
    EXPECT_EQ(Copy(s, 5, 100), "ñandú");
    EXPECT_EQ(Copy(s, 0, 2), "Añ");
    EXPECT_EQ(Copy(s, -5, 2), "Añ");
    EXPECT_EQ(Copy(s, 10, 1), "");
    EXPECT_EQ(Copy(s, 3, -1), "");
    EXPECT_EQ(Pos("ñ", s), 2);
    EXPECT_EQ(PosEx("ñ", s, 3), 5);
    EXPECT_EQ(PosEx("ñ", s, 50), 0);
    EXPECT_EQ(Pos("", s), 0);
    EXPECT_EQ(Pos("x", s), 0);
    EXPECT_EQ(RightStr(s, 2), "dú");
    std::string t = s;
    Delete(t, 2, 2);
    EXPECT_EQ(t, "A ñandú");
    Delete(t, 50, 2);
    Insert("¡", t, 1);
    EXPECT_EQ(t, "¡A ñandú");
    Insert("!", t, 100);
    EXPECT_EQ(t, "¡A ñandú!");
}

TEST(StrUtilsTest, BrokenUtf8NeverLoopsOrCrashes) {
    const std::string bad = "a\xff\xc3" "b\xe2\x82";  // stray byte, cut sequences
    EXPECT_EQ(Length(bad), 6);
    EXPECT_EQ(Copy(bad, 2, 1), "\xff");
    EXPECT_EQ(AnsiUpperCase(bad), "A\xff\xc3" "B\xe2\x82");
    EXPECT_FALSE(IsValidUtf8(bad));
    EXPECT_EQ(EnsureUtf8("Jos\xe9"), "José");
    EXPECT_EQ(EnsureUtf8("José"), "José");
    std::size_t pos = bad.size();
    int steps = 0;
    while (pos > 0) {
        pos = Utf8Prev(bad, pos);
        ++steps;
    }
    EXPECT_EQ(steps, 6);
}

TEST(StrUtilsTest, CaseMappingKnowsSpanishLetters) {
    EXPECT_EQ(AnsiUpperCase("ñandú, pingüino, árbol, éxito"), "ÑANDÚ, PINGÜINO, ÁRBOL, ÉXITO");
    EXPECT_EQ(AnsiLowerCase("ÑANDÚ PINGÜINO ÁÉÍÓÚ"), "ñandú pingüino áéíóú");
    EXPECT_EQ(UpperCase("compañía"), "COMPAÑÍA");
    EXPECT_TRUE(AnsiSameText("COMPAÑÍA", "compañía"));
    EXPECT_TRUE(SameText("NOMBRE COMPAÑÍA", "nombre compañía"));
    EXPECT_FALSE(SameText("compania", "compañía"));
    EXPECT_EQ(CompareText("abc", "ABD"), -1);
    // Case decides only when the letters tie.
    EXPECT_LT(AnsiCompareStr("a", "A"), 0);
    EXPECT_GT(AnsiCompareStr("A", "a"), 0);
    EXPECT_LT(AnsiCompareStr("azúcar", "Azul"), 0);
}

TEST(StrUtilsTest, CompareTextOrdersByFoldedCodePoints) {
    // Each character folded and compared by code point, also past an ASCII prefix.
    auto reference = [](std::string_view a, std::string_view b) {
        std::size_t pa = 0, pb = 0;
        while (pa < a.size() && pb < b.size()) {
            const char32_t ca = CharLower(Utf8Next(a, pa)), cb = CharLower(Utf8Next(b, pb));
            if (ca != cb) return ca < cb ? -1 : 1;
        }
        return pa < a.size() ? 1 : (pb < b.size() ? -1 : 0);
    };
    const std::vector<std::string> texts = {"", "a", "A", "Z", "[", "_", "ab", "AB", "abc", "ARTI_COD", "arti_des",
                                            "ARTI_CODIGO", "árbol", "ÁRBOL", "arbol", "abÑ", "ABñ", "abn", "ab\xC3",
                                            "AB\xC3", "ab\x80", "ab\xFF", std::string("a\0b", 3), "€", "ab€"};
    for (const std::string& a : texts)
        for (const std::string& b : texts) EXPECT_EQ(CompareText(a, b), reference(a, b)) << a << " | " << b;
}

TEST(StrUtilsTest, CollationKeysOrderAsTheComparisons) {
    const std::vector<std::string> texts = {
        "", "a", "A", "á", "Á", "à", "ab", "aB", "Ab", "abc", "ab ", "n", "ñ", "Ñ", "nz", "o", "0", "9", "10",
        "\x01", std::string("a\0b", 3), "\xE9", "é", "e", "ê", "\xC3", "\xF0\x9F\x98\x80", "zz", "Zanahoria",
        "árbol", "arbol", "Arbol", "mamá", "mama", "MAMÁ", "mamas", "ç", "c", "ÿ", "y", "ø", "ß", "€",
        // the ends of the one-byte weights and the characters past them
        " ", "~", "\x7F", "\x80", "÷", "Ā", "ā", "a€", "a\x80b", "a b", "\xC3\x83", "Ã", "ã", "zzzzzzzzzzzzzzzzzzzzzz",
        "zzzzzzzzzzzzzzzzzzzzzzé"};
    auto sign = [](int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); };
    for (const std::string& a : texts)
        for (const std::string& b : texts) {
            EXPECT_EQ(sign(AnsiCollationKey(a, false).compare(AnsiCollationKey(b, false))), sign(AnsiCompareText(a, b)))
                << a << " | " << b;
            EXPECT_EQ(sign(AnsiCollationKey(a, true).compare(AnsiCollationKey(b, true))), sign(AnsiCompareStr(a, b)))
                << a << " | " << b;
        }
    // Keys appended to a shared buffer are the same bytes.
    std::string shared = "xyz";
    AppendCollationKey(shared, "Ñandú €", true);
    EXPECT_EQ(shared, "xyz" + AnsiCollationKey("Ñandú €", true));
}

TEST(StrUtilsTest, AnsiCompareTextOrdersAsASpanishReader) {
    std::vector<std::string> words = {"oso", "Ñandú", "nube", "árbol", "Zapato", "ala", "Número", "niño", "ave",
                                      "ñame", "Éxito", "elefante"};
    std::sort(words.begin(), words.end(), [](auto& a, auto& b) { return AnsiCompareText(a, b) < 0; });
    EXPECT_EQ(words, (std::vector<std::string>{"ala", "árbol", "ave", "elefante", "Éxito", "niño", "nube",
                                               "Número", "ñame", "Ñandú", "oso", "Zapato"}));
    EXPECT_EQ(AnsiCompareText("MAMÁ", "mama"), 1);  // the accent decides only when all else ties
    EXPECT_EQ(AnsiCompareText("mamá", "mamas"), -1);
    EXPECT_EQ(AnsiCompareText("", "a"), -1);
    EXPECT_EQ(AnsiCompareText("10", "9"), -1);
    EXPECT_TRUE(AnsiStartsText("COMP", "compañía"));
}

TEST(StrUtilsTest, TrimQuoteReplace) {
    EXPECT_EQ(Trim(" \t ñu \r\n"), "ñu");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
    EXPECT_EQ(QuotedStr("O'Brien's"), "'O''Brien''s'");
    EXPECT_EQ(QuotedStr(""), "''");
    EXPECT_EQ(AnsiDequotedStr("'O''Brien'", '\''), "O'Brien");
    EXPECT_EQ(StringReplace("a-b-c", "-", "+"), "a+b-c");
    EXPECT_EQ(StringReplace("a-b-c", "-", "+", rfReplaceAll), "a+b+c");
    EXPECT_EQ(StringReplace("Año AÑO año", "año", "x", rfReplaceAll | rfIgnoreCase), "x x x");
    EXPECT_EQ(StringReplace("aaa", "a", "aa", rfReplaceAll), "aaaaaa");
    EXPECT_EQ(StringReplace("abc", "", "x", rfReplaceAll), "abc");
    EXPECT_EQ(StringOfChar('0', 3), "000");
    EXPECT_EQ(StringOfChar(U'ñ', 2), "ññ");
    EXPECT_EQ(StringOfChar('x', -1), "");
}

TEST(StrUtilsTest, Integers) {
    EXPECT_EQ(IntToStr(-42), "-42");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(StrToInt(" 123 "), 123);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(StrToInt("$FF"), 255);
    EXPECT_EQ(StrToInt("0x10"), 16);
    EXPECT_EQ(StrToInt64("9223372036854775807"), INT64_MAX);
    EXPECT_EQ(StrToIntDef("12x", -1), -1);
    for (const char* bad : {"", " ", "abc", "12.5", "2147483648", "1 2", "+", "0x", "99999999999999999999"}) {
        int v;
        EXPECT_FALSE(TryStrToInt(bad, v)) << bad;
        try {
            StrToInt(bad);
            ADD_FAILURE() << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + bad + "' is not a valid integer value");
        }
    }
    EXPECT_TRUE(StrToBool("true"));
    EXPECT_FALSE(StrToBool("0"));
    EXPECT_THROW(StrToBool("quizá"), EConvertError);
}

TEST(StrUtilsTest, ErrorTextsPassThroughTheResourceStringLoader) {
    const TResStringLoader previous = SetResStringLoader([](const ResourceString& res) {
        const std::string text = LoadResStringDefault(res);
        return text == "'%s' is not a valid integer value" ? std::string("'%s' no es un número entero válido") : text;
    });
    std::string message;
    try {
        StrToInt("doce");
    } catch (const EConvertError& e) {
        message = e.Message();
    }
    SetResStringLoader(previous);
    EXPECT_EQ(message, "'doce' no es un número entero válido");
}

} // namespace
