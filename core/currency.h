#pragma once
// Currency: a signed 64-bit count of ten-thousandths. Sums and differences are
// exact; products, quotients and conversions from double round to the nearest
// ten-thousandth with halves to the even neighbour, as the framework does.
// Results that do not fit raise EOverflow.
#include <compare>
#include <cstdint>

namespace tv {

class Currency {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    Currency(int value);
    Currency(long value);
    Currency(long long value);
    explicit Currency(double value);

    static constexpr Currency FromRaw(std::int64_t raw) { Currency c; c.raw_ = raw; return c; }
    static Currency FromDouble(double value) { return Currency(value); }
    static constexpr Currency MaxValue() { return FromRaw(INT64_MAX); }
    static constexpr Currency MinValue() { return FromRaw(INT64_MIN); }

    constexpr std::int64_t Raw() const { return raw_; }
    double ToDouble() const;
    explicit operator double() const { return ToDouble(); }
    // Whole part, truncated toward zero.
    std::int64_t Trunc() const { return raw_ / Scale; }
    // Nearest whole number, halves to even.
    std::int64_t Round() const;
    bool IsZero() const { return raw_ == 0; }

    Currency operator-() const;
    Currency& operator+=(Currency o);
    Currency& operator-=(Currency o);
    Currency& operator*=(Currency o);
    Currency& operator/=(Currency o);
    friend Currency operator+(Currency a, Currency b) { return a += b; }
    friend Currency operator-(Currency a, Currency b) { return a -= b; }
    friend Currency operator*(Currency a, Currency b) { return a *= b; }
    friend Currency operator/(Currency a, Currency b) { return a /= b; }
    friend Currency operator*(Currency a, double b) { return Currency(a.ToDouble() * b); }
    friend Currency operator*(double a, Currency b) { return Currency(a * b.ToDouble()); }

    friend constexpr bool operator==(Currency a, Currency b) = default;
    friend constexpr auto operator<=>(Currency a, Currency b) = default;

private:
    std::int64_t raw_ = 0;
};

Currency Abs(Currency c);

// The framework's Round: nearest integer, halves to the even neighbour.
// Raises EInvalidOp for values outside the 64-bit range, NaN or infinity.
std::int64_t Round(double value);
// Toward zero; same failures.
std::int64_t Trunc(double value);
// Value rounded to 10^digit (digit -2 rounds to hundredths), halves to even.
double RoundTo(double value, int digit);

// Totals kept in ten-thousandths, as a currency's raw value, within
// ±922,337,203,685,477.5807 (so that each can be negated). An amount rounded
// to the nearest (halves away from zero); false when it is not a number or lies
// outside that range.
bool ToTenThousandths(double amount, std::int64_t& out);
// total += amount; false, the total unchanged, when the sum leaves the range.
bool AddTenThousandths(std::int64_t& total, std::int64_t amount);

} // namespace tv
