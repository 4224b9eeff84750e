#include "core/currency.h"

#include <cmath>

#include "core/exceptions.h"
#include "core/sysconsts.h"

namespace tv {

namespace {

[[noreturn]] void Overflow() { throw EOverflow(LoadResString(SOverflow)); }

std::int64_t Narrow(__int128 v) {
    if (v > INT64_MAX || v < INT64_MIN) Overflow();
    return static_cast<std::int64_t>(v);
}

// n / d rounded to the nearest integer, halves to even.
__int128 DivRoundEven(__int128 n, __int128 d) {
    if (d < 0) { n = -n; d = -d; }
    __int128 q = n / d, r = n % d;
    if (r < 0) { r = -r; }
    const __int128 twice = 2 * r;
    if (twice > d || (twice == d && (q % 2 != 0))) q += (n < 0 ? -1 : 1);
    return q;
}

bool FitsInt64(double x) { return x >= -9223372036854775808.0 && x < 9223372036854775808.0; }

} // namespace

Currency::Currency(int value) : raw_(static_cast<std::int64_t>(value) * Scale) {}
Currency::Currency(long value) : raw_(Narrow(static_cast<__int128>(value) * Scale)) {}
Currency::Currency(long long value) : raw_(Narrow(static_cast<__int128>(value) * Scale)) {}

Currency::Currency(double value) {
    const double scaled = std::nearbyint(value * static_cast<double>(Scale));
    if (!std::isfinite(scaled) || !FitsInt64(scaled)) Overflow();
    raw_ = static_cast<std::int64_t>(scaled);
}

double Currency::ToDouble() const { return static_cast<double>(raw_) / static_cast<double>(Scale); }

std::int64_t Currency::Round() const { return static_cast<std::int64_t>(DivRoundEven(raw_, Scale)); }

Currency Currency::operator-() const {
    if (raw_ == INT64_MIN) Overflow();
    return FromRaw(-raw_);
}

Currency& Currency::operator+=(Currency o) {
    if (__builtin_add_overflow(raw_, o.raw_, &raw_)) Overflow();
    return *this;
}

Currency& Currency::operator-=(Currency o) {
    if (__builtin_sub_overflow(raw_, o.raw_, &raw_)) Overflow();
    return *this;
}

Currency& Currency::operator*=(Currency o) {
    raw_ = Narrow(DivRoundEven(static_cast<__int128>(raw_) * o.raw_, Scale));
    return *this;
}

Currency& Currency::operator/=(Currency o) {
    if (o.raw_ == 0) throw EZeroDivide(LoadResString(SZeroDivide));
    raw_ = Narrow(DivRoundEven(static_cast<__int128>(raw_) * Scale, o.raw_));
    return *this;
}

Currency Abs(Currency c) { return c.Raw() < 0 ? -c : c; }

std::int64_t Round(double value) {
    const double r = std::nearbyint(value);
    if (!std::isfinite(r) || !FitsInt64(r)) throw EInvalidOp(LoadResString(SInvalidOp));
    return static_cast<std::int64_t>(r);
}

std::int64_t Trunc(double value) {
    const double r = std::trunc(value);
    if (!std::isfinite(r) || !FitsInt64(r)) throw EInvalidOp(LoadResString(SInvalidOp));
    return static_cast<std::int64_t>(r);
}

double RoundTo(double value, int digit) {
    const double factor = std::pow(10.0, digit);
    return std::nearbyint(value / factor) * factor;
}

bool ToTenThousandths(double amount, std::int64_t& out) {
    const double scaled = std::round(amount * static_cast<double>(Currency::Scale));
    if (!std::isfinite(scaled) || !FitsInt64(scaled) || scaled == -9223372036854775808.0) return false;
    out = static_cast<std::int64_t>(scaled);
    return true;
}

bool AddTenThousandths(std::int64_t& total, std::int64_t amount) {
    std::int64_t sum;
    if (__builtin_add_overflow(total, amount, &sum) || sum == INT64_MIN) return false;
    total = sum;
    return true;
}

} // namespace tv
