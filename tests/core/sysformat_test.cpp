#include <gtest/gtest.h>

#include "formatsettings_guard.h"
#include "core/exceptions.h"
#include "core/sysformat.h"

using namespace tv;

namespace {

class FormatFloatTest : public FormatSettingsTest {};

TEST_F(FormatFloatTest, PatternsOfThePriceQuery) {
    UseDotDecimals();
    struct Case {
        const char* format;
        double value;
        const char* expected;
    } cases[] = {
        {"#,###.00", 0, ".00"},
        {"#,###.00", 0.5, ".50"},
        {"#,###.00", 1234.5, "1,234.50"},
        {"#,###.00", 1234567.891, "1,234,567.89"},
        {"#,###.00", -1234.5, "-1,234.50"},
        {"#,###.00", 999.995, "1,000.00"},
        {"#,##0.00", 0, "0.00"},
        {"#,##0.00", 0.004, "0.00"},
        {"#,##0.00", -0.004, "0.00"},
        {"#,##0.00", 12, "12.00"},
        {"#,##0.00", 1000000, "1,000,000.00"},
        {"0.00", 2.675, "2.68"},
        {"0.00", 1.005, "1.01"},
        {"0.00", -2.675, "-2.68"},
        {"0", 0.5, "1"},
        {"0", 1.5, "2"},
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"#", 0, ""},
        {"#.##", 5, "5"},
        {"0.0#", 5, "5.0"},
        {"0.0#", 5.125, "5.13"},
        {"000", 7, "007"},
        {"000-000", 123456, "123-456"},
        {"#,##0", 1234567, "1,234,567"},
        {"$ #,##0.00", 1500, "$ 1,500.00"},
        {"\"Total: \"0.0", 3.14, "Total: 3.1"},
        {"0.00 'kg'", 2, "2.00 kg"},
        {"0.00E+00", 1234.5, "1.23E+03"},
        {"0.00E+00", 0.00012345, "1.23E-04"},
        {"0.0E-0", 1234.5, "1.2E3"},
        {"", 1.5, "1.5"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatFloat(c.format, c.value), c.expected) << c.format << " " << c.value;
}

TEST_F(FormatFloatTest, SectionsChooseByTheSignAndZero) {
    UseDotDecimals();
    struct Case {
        const char* format;
        double value;
        const char* expected;
    } cases[] = {
        {"#,##0.00;(#,##0.00)", -1234.5, "(1,234.50)"},
        {"#,##0.00;(#,##0.00)", 1234.5, "1,234.50"},
        {"#,##0.00;(#,##0.00);Cero", 0, "Cero"},
        {"#,##0.00;(#,##0.00);Cero", -5, "(5.00)"},
        {"0.00;;Cero", -5, "-5.00"},
        {"0.00;;Cero", 0, "Cero"},
        {"0.00;'menos' 0.00", -1.5, "menos 1.50"},
        {"0.0;-0.0;'nada'", 0.01, "nada"},
        {"#,##0.00;(#,##0.00)", -0.004, "0.00"},
        {"#,##0.00;(#,##0.00)", -0.005, "(0.01)"},
        {"'a;b' 0", 3, "a;b 3"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatFloat(c.format, c.value), c.expected) << c.format << " " << c.value;
}

TEST_F(FormatFloatTest, FollowsTheSettingsSeparators) {
    // The default settings are Colombian: "," decimals and "." thousands.
    EXPECT_EQ(FormatFloat("#,###.00", 1234.5), "1.234,50");
    EXPECT_EQ(FormatFloat("#,###.00", 0), ",00");
    EXPECT_EQ(FloatToStr(2.5), "2,5");
    EXPECT_EQ(FormatCurr("#,##0.00", Currency(1234567)), "1.234.567,00");
}

TEST_F(FormatFloatTest, FormatCurrIsExact) {
    UseDotDecimals();
    EXPECT_EQ(FormatCurr("#,##0.00", Currency::FromRaw(26750)), "2.68");  // 2.675
    EXPECT_EQ(FormatCurr("#,##0.00", Currency::FromRaw(-26750)), "-2.68");
    EXPECT_EQ(FormatCurr("#,##0.00", Currency::FromRaw(26749)), "2.67");
    EXPECT_EQ(FormatCurr("0.0000", Currency::MaxValue()), "922337203685477.5807");
    EXPECT_EQ(FormatCurr("#,##0.00", Currency::MinValue()), "-922,337,203,685,477.58");
    EXPECT_EQ(FormatCurr("#,###.00", Currency()), ".00");
}

TEST_F(FormatFloatTest, FloatToStrFKinds) {
    UseDotDecimals();
    EXPECT_EQ(FloatToStr(0), "0");
    EXPECT_EQ(FloatToStr(0.1), "0.1");
    EXPECT_EQ(FloatToStr(-1234.5), "-1234.5");
    EXPECT_EQ(FloatToStr(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(FloatToStr(0.0001), "0.0001");
    EXPECT_EQ(FloatToStr(0.00001), "1E-5");
    EXPECT_EQ(FloatToStr(1e15), "1E15");
    EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345");
    EXPECT_EQ(FloatToStrF(1234.5678, ffFixed, 15, 2), "1234.57");
    EXPECT_EQ(FloatToStrF(1234.5678, ffNumber, 15, 2), "1,234.57");
    EXPECT_EQ(FloatToStrF(-0.001, ffFixed, 15, 2), "0.00");
    EXPECT_EQ(FloatToStrF(1234.5678, ffExponent, 4, 2), "1.235E+03");
    EXPECT_EQ(FloatToStrF(1234.5678, ffGeneral, 3, 0), "1.23E3");
    EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2), "$1,234.50");
    EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 15, 2), "-$1,234.50");
    FormatSettings.CurrencyFormat = 2;
    FormatSettings.NegCurrFormat = 14;
    EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 0), "$ 1,235");
    EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 15, 2), "($ 1,234.50)");
}

TEST_F(FormatFloatTest, CurrToStrAndCurrToStrF) {
    UseDotDecimals();
    EXPECT_EQ(CurrToStr(Currency::FromRaw(15000)), "1.5");
    EXPECT_EQ(CurrToStr(Currency::FromRaw(-1)), "-0.0001");
    EXPECT_EQ(CurrToStr(Currency::MaxValue()), "922337203685477.5807");
    EXPECT_EQ(CurrToStrF(Currency::FromRaw(12345678), ffFixed, 2), "1234.57");
    EXPECT_EQ(CurrToStrF(Currency::FromRaw(12345678), ffNumber, 2), "1,234.57");
    EXPECT_EQ(CurrToStrF(Currency::FromRaw(12345678), ffCurrency, 2), "$1,234.57");
    EXPECT_EQ(CurrToStrF(Currency(7), ffGeneral, 0), "7");
    // CurrToStr writes the general form itself: the same text as the general formatting.
    for (const std::int64_t raw : {std::int64_t{0}, std::int64_t{1}, std::int64_t{-1}, std::int64_t{10}, std::int64_t{100},
                                   std::int64_t{1000}, std::int64_t{10000}, std::int64_t{-10000}, std::int64_t{12340},
                                   std::int64_t{100001}, std::int64_t{-123456789}, std::int64_t{5000000000},
                                   INT64_MAX, INT64_MIN, INT64_MIN + 1, INT64_MAX - 9999})
        for (const char separator : {'.', ','}) {
            TFormatSettings fs = FormatSettings;
            fs.DecimalSeparator = separator;
            EXPECT_EQ(CurrToStr(Currency::FromRaw(raw), fs), CurrToStrF(Currency::FromRaw(raw), ffGeneral, 0, fs))
                << raw;
        }
}

class ParseNumberTest : public FormatSettingsTest {};

TEST_F(ParseNumberTest, StrToFloatUnderTheSettings) {
    EXPECT_DOUBLE_EQ(StrToFloat("1234,5"), 1234.5);
    EXPECT_DOUBLE_EQ(StrToFloat("  -0,25  "), -0.25);
    EXPECT_DOUBLE_EQ(StrToFloat("1,5E3"), 1500);
    EXPECT_DOUBLE_EQ(StrToFloat("12"), 12);
    UseDotDecimals();
    EXPECT_DOUBLE_EQ(StrToFloat("1234.5"), 1234.5);
    EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
    EXPECT_DOUBLE_EQ(StrToFloat("5."), 5);
    EXPECT_DOUBLE_EQ(StrToFloat("1e-400"), 0);
}

TEST_F(ParseNumberTest, MalformedNumbersRaiseTheConversionError) {
    UseDotDecimals();
    for (const char* bad : {"", " ", "abc", "1,234.5", "1.2.3", "1e", "--1", "12a", "1e999", "-", "."}) {
        try {
            StrToFloat(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + bad + "' is not a valid floating point value");
        }
        double v = 7;
        EXPECT_FALSE(TryStrToFloat(bad, v)) << bad;
        EXPECT_EQ(StrToFloatDef(bad, 3.5), 3.5);
        EXPECT_THROW(StrToCurr(bad), EConvertError) << bad;
    }
}

TEST_F(ParseNumberTest, StrToCurrIsExactAndRoundsHalvesToEven) {
    UseDotDecimals();
    EXPECT_EQ(StrToCurr("1234.5678").Raw(), 12345678);
    EXPECT_EQ(StrToCurr("0.1").Raw(), 1000);
    EXPECT_EQ(StrToCurr("-0.00015").Raw(), -2);
    EXPECT_EQ(StrToCurr("0.00025").Raw(), 2);
    EXPECT_EQ(StrToCurr("0.000251").Raw(), 3);
    EXPECT_EQ(StrToCurr("922337203685477.5807"), Currency::MaxValue());
    EXPECT_EQ(StrToCurr("1.5E2").Raw(), 1500000);
    EXPECT_THROW(StrToCurr("922337203685477.5808"), EConvertError);
    EXPECT_THROW(StrToCurr("1E20"), EConvertError);
}

class FormatTest : public FormatSettingsTest {};

TEST_F(FormatTest, Directives) {
    UseDotDecimals();
    EXPECT_EQ(Format("%s-%d", "abc", 42), "abc-42");
    EXPECT_EQ(Format("%5d|%-5d|%.3d", 42, 42, 7), "   42|42   |007");
    EXPECT_EQ(Format("%d", -5), "-5");
    EXPECT_EQ(Format("%.4d", -5), "-0005");
    EXPECT_EQ(Format("%u", 7u), "7");
    EXPECT_EQ(Format("%x %4.2x %X", 255, 10, -1), "FF   0A FFFFFFFF");
    EXPECT_EQ(Format("%f", 3.14159), "3.14");
    EXPECT_EQ(Format("%.3f", 2.0005), "2.001");
    EXPECT_EQ(Format("%.0f", 2.5), "3");
    EXPECT_EQ(Format("%n", 1234567.891), "1,234,567.89");
    EXPECT_EQ(Format("%m", 1234.5), "$1,234.50");
    EXPECT_EQ(Format("%.2m", Currency::FromRaw(-12345)), "-$1.23");
    EXPECT_EQ(Format("%e", 1234.5), "1.23450000000000E+003");
    EXPECT_EQ(Format("%g", 0.5), "0.5");
    EXPECT_EQ(Format("%.2s|%6s|%-6s|", "abcdef", "ñá", "ñá"), "ab|    ñá|ñá    |");
    EXPECT_EQ(Format("%*d|%-*.*f", 4, 1, 6, 1, 2.25), "   1|2.3   ");
    EXPECT_EQ(Format("%1:s %0:s %s", "a", "b"), "b a b");
    EXPECT_EQ(Format("100%% %s", "listo"), "100% listo");
    EXPECT_EQ(Format("%s", 'x'), "x");
    EXPECT_EQ(Format("%d", 9000000000LL), "9000000000");
    EXPECT_EQ(Format("%p", static_cast<const void*>(nullptr)), "0000000000000000");
}

TEST_F(FormatTest, BadDirectivesRaiseTheConversionError) {
    auto message = [](auto&& call) {
        try {
            call();
        } catch (const EConvertError& e) {
            return e.Message();
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([] { Format("%d", "texto"); }), "Format '%d' invalid or incompatible with argument");
    EXPECT_EQ(message([] { Format("%f", 5); }), "Format '%f' invalid or incompatible with argument");
    EXPECT_EQ(message([] { Format("%s", 5); }), "Format '%s' invalid or incompatible with argument");
    EXPECT_EQ(message([] { Format("%d", true); }), "Format '%d' invalid or incompatible with argument");
    EXPECT_EQ(message([] { Format("%q", 5); }), "Format '%q' invalid or incompatible with argument");
    EXPECT_EQ(message([] { Format("abc %"); }), "Format 'abc %' invalid or incompatible with argument");
    EXPECT_EQ(message([] { Format("%s %s", "uno"); }), "No argument for format '%s %s'");
    EXPECT_EQ(message([] { Format("%5:s", "uno"); }), "No argument for format '%5:s'");
}

} // namespace
