#include <gtest/gtest.h>

#include "formatsettings_guard.h"
#include "core/bcd.h"

using namespace tv;

namespace {

class BcdTest : public FormatSettingsTest {};

TEST_F(BcdTest, TextRoundTrips) {
    UseDotDecimals();
    for (const char* text : {"0", "1", "-1", "0.5", "-0.05", "123456789012345678", "-999999999999999999",
                             "1234567890.12345678", "0.00000001", "19.99", "100"}) {
        const TBcd b = StrToBcd(text);
        EXPECT_EQ(BcdToStr(b), text);
        EXPECT_EQ(StrToBcd(BcdToStr(b)), b);
    }
    EXPECT_EQ(BcdToStr(StrToBcd(" +001.2300 ")), "1.23");
    EXPECT_EQ(StrToBcd("1.2300").Scale(), 4);
    EXPECT_EQ(StrToBcd("1.50"), StrToBcd("1.5"));
    // Decimals past the eighth are rounded half away from zero.
    EXPECT_EQ(BcdToStr(StrToBcd("0.123456785")), "0.12345679");
    EXPECT_EQ(BcdToStr(StrToBcd("-0.999999999")), "-1");
}

TEST_F(BcdTest, TextUnderTheSettings) {
    EXPECT_EQ(BcdToStr(StrToBcd("1234,56")), "1234,56");
    EXPECT_THROW(StrToBcd("1234.56"), EBcdException);
}

TEST_F(BcdTest, BadTextRaisesAClearError) {
    UseDotDecimals();
    for (const char* bad : {"", "-", ".", "abc", "1.2.3", "12a", "1,000", "1e5"}) {
        TBcd v;
        EXPECT_FALSE(TryStrToBcd(bad, v)) << bad;
        try {
            StrToBcd(bad);
            ADD_FAILURE() << bad;
        } catch (const EBcdException& e) {
            EXPECT_EQ(e.Message(), std::string("'") + bad + "' is not a valid BCD value");
        }
    }
    try {
        StrToBcd("1234567890123456789");
        ADD_FAILURE();
    } catch (const EBcdOverflowException& e) {
        EXPECT_EQ(e.Message(), "BCD overflow");
    }
}

TEST_F(BcdTest, ExactArithmetic) {
    UseDotDecimals();
    // 0.1 + 0.2 is exactly 0.3, unlike doubles.
    EXPECT_EQ(StrToBcd("0.1") + StrToBcd("0.2"), StrToBcd("0.3"));
    EXPECT_EQ(BcdToStr(StrToBcd("1000000000000.01") - StrToBcd("0.02")), "999999999999.99");
    EXPECT_EQ(BcdToStr(StrToBcd("1.2345") * StrToBcd("1.2345")), "1.52399025");
    EXPECT_EQ(BcdToStr(StrToBcd("15.25") * StrToBcd("-4")), "-61");
    // A product past eight decimals rounds.
    EXPECT_EQ(BcdToStr(StrToBcd("0.00012345") * StrToBcd("0.5")), "0.00006173");
    EXPECT_THROW(StrToBcd("999999999999999999") + TBcd(1), EBcdOverflowException);
    EXPECT_THROW(StrToBcd("1000000000") * StrToBcd("1000000000"), EBcdOverflowException);
    EXPECT_LT(StrToBcd("-0.01"), TBcd());
    EXPECT_GT(StrToBcd("2.1"), StrToBcd("2.09999999"));
    EXPECT_EQ(BcdCompare(StrToBcd("7.00"), TBcd(7)), 0);
}

TEST_F(BcdTest, RoundingAndNormalizing) {
    UseDotDecimals();
    EXPECT_EQ(BcdToStr(StrToBcd("2.675").Rounded(2)), "2.68");
    EXPECT_EQ(BcdToStr(StrToBcd("-2.675").Rounded(2)), "-2.68");
    EXPECT_EQ(BcdToStr(StrToBcd("2.674").Rounded(2)), "2.67");
    EXPECT_EQ(StrToBcd("2.5").Rounded(4).Unscaled(), 25000);
    EXPECT_EQ(NormalizeBcd(StrToBcd("123.4"), 15, 2).Scale(), 2);
    EXPECT_EQ(BcdToStr(NormalizeBcd(StrToBcd("123.455"), 15, 2)), "123.46");
    EXPECT_EQ(BcdToStr(NormalizeBcd(StrToBcd("9999999999999.99"), 15, 2)), "9999999999999.99");
    EXPECT_THROW(NormalizeBcd(StrToBcd("9999999999999.995"), 15, 2), EBcdOverflowException);
    EXPECT_THROW(NormalizeBcd(StrToBcd("1234567890123456"), 15, 2), EBcdOverflowException);
}

TEST_F(BcdTest, ConversionsToDoubleAndCurrency) {
    UseDotDecimals();
    EXPECT_DOUBLE_EQ(BcdToDouble(StrToBcd("-1234.5678")), -1234.5678);
    EXPECT_EQ(BcdToCurr(StrToBcd("1234.5678")).Raw(), 12345678);
    EXPECT_EQ(BcdToCurr(StrToBcd("0.00005")).Raw(), 0);   // half to even
    EXPECT_EQ(BcdToCurr(StrToBcd("0.00015")).Raw(), 2);
    EXPECT_EQ(BcdToStr(CurrToBcd(Currency::FromRaw(-12345))), "-1.2345");
    EXPECT_EQ(BcdToStr(DoubleToBcd(0.1)), "0.1");
    EXPECT_EQ(BcdToStr(DoubleToBcd(19.99)), "19.99");
    EXPECT_EQ(BcdToStr(DoubleToBcd(-1e-9)), "0");
    EXPECT_EQ(BcdToStr(DoubleToBcd(123456789012345.0)), "123456789012345");
    EXPECT_THROW(DoubleToBcd(1e20), EBcdOverflowException);
    EXPECT_EQ(BcdToInt64(StrToBcd("-7.9")), -7);
}

} // namespace
