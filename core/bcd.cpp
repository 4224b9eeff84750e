#include "core/bcd.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/sysconsts.h"
#include "core/sysformat.h"

namespace tv {

namespace {

using i128 = __int128;

constexpr std::int64_t kMaxUnscaled = 999999999999999999LL; // 18 digits

i128 Pow10(int n) {
    i128 r = 1;
    while (n-- > 0) r *= 10;
    return r;
}

[[noreturn]] void Overflow() { throw EBcdOverflowException(LoadResString(SBcdOverflow)); }

// n / 10^k rounded half away from zero.
i128 DivRoundAway(i128 n, int k) {
    if (k <= 0) return n * Pow10(-k);
    const i128 d = Pow10(k);
    i128 q = n / d, r = n % d;
    if (r < 0) r = -r;
    if (2 * r >= d) q += n < 0 ? -1 : 1;
    return q;
}

// n / 10^k rounded half to even.
i128 DivRoundEven(i128 n, int k) {
    const i128 d = Pow10(k);
    i128 q = n / d, r = n % d;
    if (r < 0) r = -r;
    if (2 * r > d || (2 * r == d && q % 2 != 0)) q += n < 0 ? -1 : 1;
    return q;
}

int DigitCount(i128 v) {
    if (v < 0) v = -v;
    int n = 1;
    while (v >= 10) {
        v /= 10;
        ++n;
    }
    return n;
}

// Builds a TBcd from an unscaled value of any size: decimals past the eighth are
// rounded away, trailing zeros dropped while too long, and a value that still
// needs more than 18 digits overflows.
TBcd Fit(i128 unscaled, int scale) {
    if (scale > TBcd::MaxScale) {
        unscaled = DivRoundAway(unscaled, scale - TBcd::MaxScale);
        scale = TBcd::MaxScale;
    }
    while (scale > 0 && (unscaled > kMaxUnscaled || unscaled < -kMaxUnscaled)) {
        unscaled = DivRoundAway(unscaled, 1);
        --scale;
    }
    if (unscaled > kMaxUnscaled || unscaled < -kMaxUnscaled) Overflow();
    return TBcd(static_cast<std::int64_t>(unscaled), scale);
}

// The two values over a common scale.
void Align(const TBcd& a, const TBcd& b, i128& ua, i128& ub, int& scale) {
    scale = std::max(a.Scale(), b.Scale());
    ua = static_cast<i128>(a.Unscaled()) * Pow10(scale - a.Scale());
    ub = static_cast<i128>(b.Unscaled()) * Pow10(scale - b.Scale());
}

} // namespace

TBcd::TBcd(std::int64_t unscaled, int scale) : unscaled_(unscaled), scale_(scale) {
    if (scale < 0 || scale > MaxScale || unscaled > kMaxUnscaled || unscaled < -kMaxUnscaled) Overflow();
}

int TBcd::Precision() const { return std::max(DigitCount(unscaled_), std::max(scale_, 1)); }

TBcd TBcd::Rounded(int scale) const {
    if (scale < 0 || scale > MaxScale) Overflow();
    const i128 v = scale >= scale_ ? static_cast<i128>(unscaled_) * Pow10(scale - scale_)
                                   : DivRoundAway(unscaled_, scale_ - scale);
    if (v > kMaxUnscaled || v < -kMaxUnscaled) Overflow();
    return TBcd(static_cast<std::int64_t>(v), scale);
}

TBcd TBcd::Normalized() const {
    std::int64_t u = unscaled_;
    int s = scale_;
    while (s > 0 && u % 10 == 0) {
        u /= 10;
        --s;
    }
    return TBcd(u, s);
}

TBcd TBcd::operator-() const { return TBcd(-unscaled_, scale_); }

TBcd operator+(const TBcd& a, const TBcd& b) {
    i128 ua, ub;
    int scale;
    Align(a, b, ua, ub, scale);
    return Fit(ua + ub, scale);
}

TBcd operator-(const TBcd& a, const TBcd& b) {
    i128 ua, ub;
    int scale;
    Align(a, b, ua, ub, scale);
    return Fit(ua - ub, scale);
}

TBcd operator*(const TBcd& a, const TBcd& b) {
    return Fit(static_cast<i128>(a.Unscaled()) * b.Unscaled(), a.Scale() + b.Scale());
}

bool operator==(const TBcd& a, const TBcd& b) { return BcdCompare(a, b) == 0; }

std::strong_ordering operator<=>(const TBcd& a, const TBcd& b) {
    const int c = BcdCompare(a, b);
    return c < 0 ? std::strong_ordering::less : (c > 0 ? std::strong_ordering::greater : std::strong_ordering::equal);
}

int BcdCompare(const TBcd& a, const TBcd& b) {
    i128 ua, ub;
    int scale;
    Align(a, b, ua, ub, scale);
    return ua < ub ? -1 : (ua > ub ? 1 : 0);
}

TBcd NormalizeBcd(const TBcd& value, int precision, int scale) {
    const TBcd r = value.Rounded(std::clamp(scale, 0, TBcd::MaxScale));
    if (DigitCount(r.Unscaled()) > precision) Overflow();
    return r;
}

std::string BcdToStr(const TBcd& value) { return BcdToStr(value, FormatSettings); }

std::string BcdToStr(const TBcd& value, const TFormatSettings& fs) {
    const TBcd n = value.Normalized();
    std::int64_t u = n.Unscaled();
    std::string digits = std::to_string(u < 0 ? -u : u);
    if (n.Scale() > 0) {
        if (static_cast<int>(digits.size()) <= n.Scale())
            digits.insert(0, static_cast<std::size_t>(n.Scale()) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<std::size_t>(n.Scale()), 1, fs.DecimalSeparator);
    }
    return u < 0 ? "-" + digits : digits;
}

bool TryStrToBcd(std::string_view s, TBcd& value) { return TryStrToBcd(s, value, FormatSettings); }

bool TryStrToBcd(std::string_view s, TBcd& value, const TFormatSettings& fs) {
    std::size_t i = 0, e = s.size();
    while (i < e && static_cast<unsigned char>(s[i]) <= ' ') ++i;
    while (e > i && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    bool negative = false;
    if (i < e && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    std::string digits;
    int scale = 0;
    bool point = false;
    for (; i < e; ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            if (digits.empty() && c == '0' && !point) continue;
            digits += c;
            if (point) ++scale;
        } else if (c == fs.DecimalSeparator && !point) {
            point = true;
        } else {
            return false;
        }
    }
    const bool anyDigit = s.find_first_of("0123456789") != std::string_view::npos;
    if (!anyDigit) return false;
    // Rounding past the eighth decimal happens on the text, so no length is too long.
    if (scale > TBcd::MaxScale) {
        const std::size_t keep = digits.size() - static_cast<std::size_t>(scale - TBcd::MaxScale);
        const bool up = digits[keep] >= '5';
        digits.resize(keep);
        scale = TBcd::MaxScale;
        if (up) {
            int k = static_cast<int>(digits.size()) - 1;
            while (k >= 0 && digits[static_cast<std::size_t>(k)] == '9') digits[static_cast<std::size_t>(k--)] = '0';
            if (k >= 0) ++digits[static_cast<std::size_t>(k)];
            else digits.insert(digits.begin(), '1');
        }
    }
    const std::size_t lead = digits.find_first_not_of('0');
    digits = lead == std::string::npos ? "0" : digits.substr(lead);
    if (digits.size() > 18) Overflow();
    std::int64_t u = 0;
    for (char c : digits) u = u * 10 + (c - '0');
    value = TBcd(negative ? -u : u, scale);
    return true;
}

TBcd StrToBcd(std::string_view s) { return StrToBcd(s, FormatSettings); }

TBcd StrToBcd(std::string_view s, const TFormatSettings& fs) {
    TBcd v;
    if (!TryStrToBcd(s, v, fs)) throw EBcdException(Format(LoadResString(SInvalidBcdValue), s));
    return v;
}

double BcdToDouble(const TBcd& value) {
    const std::string text = std::to_string(value.Unscaled()) + "e-" + std::to_string(value.Scale());
    double d = 0;
    std::from_chars(text.data(), text.data() + text.size(), d);
    return d;
}

Currency BcdToCurr(const TBcd& value) {
    const i128 raw = value.Scale() <= 4 ? static_cast<i128>(value.Unscaled()) * Pow10(4 - value.Scale())
                                        : DivRoundEven(value.Unscaled(), value.Scale() - 4);
    return Currency::FromRaw(static_cast<std::int64_t>(raw));
}

TBcd CurrToBcd(Currency value) { return Fit(value.Raw(), 4).Normalized(); }

TBcd DoubleToBcd(double value) {
    if (!std::isfinite(value)) Overflow();
    if (value == 0) return TBcd();
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    const char* e = std::strchr(buf, 'e');
    i128 mantissa = 0;
    for (const char* p = buf; p < e; ++p)
        if (*p >= '0' && *p <= '9') mantissa = mantissa * 10 + (*p - '0');
    if (value < 0) mantissa = -mantissa;
    // value = mantissa × 10^(exp - 14)
    const int exp = std::atoi(e + 1) - 14;
    if (exp >= 0) {
        if (exp > 18) Overflow();
        return Fit(mantissa * Pow10(exp), 0).Normalized();
    }
    if (-exp > 30) return TBcd();
    return Fit(mantissa, -exp).Normalized();
}

std::int64_t BcdToInt64(const TBcd& value) {
    return value.Unscaled() / static_cast<std::int64_t>(Pow10(value.Scale()));
}

} // namespace tv
