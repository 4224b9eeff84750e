#pragma once
// TBcd: an exact decimal for TFMTBCDField values, up to 18 significant digits
// with up to 8 of them after the point. Sums, differences and products are
// exact; a product that needs more than 8 decimals is rounded to 8, halves
// away from zero. A result that does not fit raises EBcdOverflowException.
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/currency.h"
#include "core/exceptions.h"
#include "core/formatsettings.h"

namespace tv {

TV_DECLARE_EXCEPTION(EBcdException, Exception)
TV_DECLARE_EXCEPTION(EBcdOverflowException, EBcdException)

class TBcd {
public:
    static constexpr int MaxPrecision = 18;
    static constexpr int MaxScale = 8;

    constexpr TBcd() = default;
    TBcd(int value) : TBcd(static_cast<std::int64_t>(value), 0) {}
    // unscaled × 10^-scale; raises EBcdOverflowException when it does not fit.
    TBcd(std::int64_t unscaled, int scale);

    std::int64_t Unscaled() const { return unscaled_; }
    int Scale() const { return scale_; }
    // Digits needed to write the value, at least the scale and at least 1.
    int Precision() const;
    bool IsZero() const { return unscaled_ == 0; }
    bool IsNegative() const { return unscaled_ < 0; }

    // The value with exactly `scale` decimals: rounded half away from zero
    // when shorter, padded with zeros when longer.
    TBcd Rounded(int scale) const;
    // The same value without trailing decimal zeros.
    TBcd Normalized() const;

    TBcd operator-() const;
    friend TBcd operator+(const TBcd& a, const TBcd& b);
    friend TBcd operator-(const TBcd& a, const TBcd& b);
    friend TBcd operator*(const TBcd& a, const TBcd& b);
    TBcd& operator+=(const TBcd& o) { return *this = *this + o; }
    TBcd& operator-=(const TBcd& o) { return *this = *this - o; }
    TBcd& operator*=(const TBcd& o) { return *this = *this * o; }
    // Compares values: 1.50 equals 1.5.
    friend bool operator==(const TBcd& a, const TBcd& b);
    friend std::strong_ordering operator<=>(const TBcd& a, const TBcd& b);

private:
    std::int64_t unscaled_ = 0;
    int scale_ = 0;
};

// -1, 0, 1.
int BcdCompare(const TBcd& a, const TBcd& b);
// The value as a field of that precision and scale holds it: rounded to
// `scale` decimals (halves away from zero); EBcdOverflowException "BCD
// overflow" when it then needs more than `precision` digits.
TBcd NormalizeBcd(const TBcd& value, int precision, int scale);

// Text with the settings' decimal separator, a leading "-" when negative, no
// grouping and no trailing decimal zeros. Reading takes optional blanks and sign,
// digits and the decimal separator; decimals past the eighth are rounded.
// Failures raise EBcdException "'x' is not a valid BCD value", and values of
// more than 18 digits EBcdOverflowException "BCD overflow".
std::string BcdToStr(const TBcd& value);
std::string BcdToStr(const TBcd& value, const TFormatSettings& fs);
TBcd StrToBcd(std::string_view s);
TBcd StrToBcd(std::string_view s, const TFormatSettings& fs);
bool TryStrToBcd(std::string_view s, TBcd& value);
bool TryStrToBcd(std::string_view s, TBcd& value, const TFormatSettings& fs);

double BcdToDouble(const TBcd& value);
// Rounded to the nearest ten-thousandth, halves to even.
Currency BcdToCurr(const TBcd& value);
TBcd CurrToBcd(Currency value);
// The shortest decimal that reads back as the same double (15 significant
// digits), at most 8 decimals.
TBcd DoubleToBcd(double value);
std::int64_t BcdToInt64(const TBcd& value); // truncated

} // namespace tv
