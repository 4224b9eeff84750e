#include <gtest/gtest.h>

#include <cmath>

#include "core/currency.h"
#include "core/exceptions.h"

using namespace tv;

namespace {

TEST(CurrencyTest, ConversionFromDoubleRoundsToTheNearestTenThousandth) {
    EXPECT_EQ(Currency(1.5).Raw(), 15000);
    EXPECT_EQ(Currency(0.00004).Raw(), 0);
    EXPECT_EQ(Currency(0.00006).Raw(), 1);
    EXPECT_EQ(Currency(-2.5).Raw(), -25000);
    EXPECT_EQ(Currency(123.45678).Raw(), 1234568);
    EXPECT_EQ(Currency(-123.45678).Raw(), -1234568);
    EXPECT_DOUBLE_EQ(Currency::FromRaw(12345).ToDouble(), 1.2345);
    EXPECT_EQ(Currency(7), Currency(7.0));
}

TEST(CurrencyTest, ArithmeticRoundsLikeTheFramework) {
    // Sums are exact where doubles are not.
    Currency sum;
    for (int i = 0; i < 10; ++i) sum += Currency::FromRaw(1000);  // 0.1
    EXPECT_EQ(sum, Currency(1));
    // Products and quotients round to the ten-thousandth, halves to even.
    EXPECT_EQ((Currency::FromRaw(5) * Currency::FromRaw(5000)).Raw(), 2);      // 0.0005 × 0.5 = 0.00025
    EXPECT_EQ((Currency::FromRaw(15) * Currency::FromRaw(5000)).Raw(), 8);     // 0.00075 → 0.0008
    EXPECT_EQ((Currency::FromRaw(-15) * Currency::FromRaw(5000)).Raw(), -8);
    EXPECT_EQ((Currency(10) / Currency(3)).Raw(), 33333);
    EXPECT_EQ((Currency(2) / Currency(3)).Raw(), 6667);
    EXPECT_EQ((Currency(19000) * Currency::FromRaw(1900)).Raw(), 36100000);  // 19% VAT of 19000
    EXPECT_EQ(Currency::FromRaw(25000).Round(), 2);
    EXPECT_EQ(Currency::FromRaw(35000).Round(), 4);
    EXPECT_EQ(Currency::FromRaw(-25000).Round(), -2);
    EXPECT_EQ(Currency::FromRaw(-25001).Trunc(), -2);
    EXPECT_EQ(Abs(Currency(-3)), Currency(3));
    EXPECT_LT(Currency(-1), Currency::FromRaw(1));
}

TEST(CurrencyTest, OverflowRaises) {
    const Currency max = Currency::MaxValue();
    EXPECT_THROW(max + Currency::FromRaw(1), EOverflow);
    EXPECT_THROW(Currency::MinValue() - Currency::FromRaw(1), EOverflow);
    EXPECT_THROW(-Currency::MinValue(), EOverflow);
    EXPECT_THROW(max * Currency(2), EOverflow);
    EXPECT_THROW(Currency(1e15), EOverflow);
    EXPECT_THROW(Currency(std::nan("")), EOverflow);
    EXPECT_THROW(Currency(1000000000000000LL), EOverflow);
    EXPECT_THROW(Currency(1) / Currency(), EZeroDivide);
    try {
        max + max;
        ADD_FAILURE();
    } catch (const EMathError& e) {
        EXPECT_EQ(e.Message(), "Floating point overflow");
    }
    EXPECT_EQ(Currency(922337203685477LL).Raw(), 9223372036854770000LL);
}

TEST(CurrencyTest, FrameworkRoundIsBankers) {
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(2.5000001), 3);
    EXPECT_EQ(Trunc(-2.7), -2);
    EXPECT_DOUBLE_EQ(RoundTo(1250, 2), 1200);
    EXPECT_DOUBLE_EQ(RoundTo(1350, 2), 1400);
    EXPECT_THROW(Round(1e300), EInvalidOp);
}

} // namespace
