#pragma once
// Number formatting and parsing under the process-wide format settings:
// Format, FormatFloat/FormatCurr patterns, FloatToStr(F), CurrToStr(F),
// StrToFloat and StrToCurr.
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/currency.h"
#include "core/formatsettings.h"

namespace tv {

// One argument of Format.
class FormatArg {
public:
    enum class Kind { Int, UInt, Float, Currency, String, Pointer, Other };

    template <class T>
        requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char> && std::is_signed_v<T>)
    FormatArg(T v) : kind_(Kind::Int), int_(v) {}
    template <class T>
        requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char> && std::is_unsigned_v<T>)
    FormatArg(T v) : kind_(Kind::UInt), uint_(v) {}
    FormatArg(double v) : kind_(Kind::Float), float_(v) {}
    FormatArg(float v) : kind_(Kind::Float), float_(v) {}
    FormatArg(Currency v) : kind_(Kind::Currency), curr_(v) {}
    FormatArg(char c) : kind_(Kind::String), str_(1, c) {}
    FormatArg(const char* s) : kind_(Kind::String), str_(s ? s : "") {}
    FormatArg(std::string_view s) : kind_(Kind::String), str_(s) {}
    FormatArg(const std::string& s) : kind_(Kind::String), str_(s) {}
    FormatArg(const void* p) : kind_(Kind::Pointer), ptr_(p) {}
    // Booleans fit no directive: Format raises its conversion error for them.
    FormatArg(bool) : kind_(Kind::Other) {}

    Kind kind() const { return kind_; }
    std::int64_t AsInt() const { return int_; }
    std::uint64_t AsUInt() const { return uint_; }
    double AsFloat() const { return float_; }
    Currency AsCurrency() const { return curr_; }
    const std::string& AsString() const { return str_; }
    const void* AsPointer() const { return ptr_; }

private:
    Kind kind_;
    std::int64_t int_ = 0;
    std::uint64_t uint_ = 0;
    double float_ = 0;
    Currency curr_;
    std::string str_;
    const void* ptr_ = nullptr;
};

// Directives: "%" [index ":"] ["-"] [width] ["." precision] type, with type one
// of d u e f g n m p s x (either case), width and precision a number or "*",
// and "%%" for a percent sign. A directive that does not fit its argument
// raises EConvertError "Format 'fmt' invalid or incompatible with argument";
// a missing argument raises "No argument for format 'fmt'".
std::string FormatV(std::string_view format, const std::vector<FormatArg>& args, const TFormatSettings& fs);
template <class... A>
std::string Format(std::string_view format, const A&... args) {
    return FormatV(format, std::vector<FormatArg>{FormatArg(args)...}, FormatSettings);
}
template <class... A>
std::string Format(const TFormatSettings& fs, std::string_view format, const A&... args) {
    return FormatV(format, std::vector<FormatArg>{FormatArg(args)...}, fs);
}

// Patterns: "0" and "#" digit places, the first "." the decimal point, ","
// turns on thousands grouping, "E+" "E-" "e+" "e-" scientific notation, text in
// quotes as it stands; up to three sections for positive;negative;zero. Halves
// round away from zero ("0.00" gives 2.68 for 2.675).
std::string FormatFloat(std::string_view format, double value);
std::string FormatFloat(std::string_view format, double value, const TFormatSettings& fs);
std::string FormatCurr(std::string_view format, Currency value);
std::string FormatCurr(std::string_view format, Currency value, const TFormatSettings& fs);

enum class TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
inline constexpr TFloatFormat ffGeneral = TFloatFormat::ffGeneral;
inline constexpr TFloatFormat ffExponent = TFloatFormat::ffExponent;
inline constexpr TFloatFormat ffFixed = TFloatFormat::ffFixed;
inline constexpr TFloatFormat ffNumber = TFloatFormat::ffNumber;
inline constexpr TFloatFormat ffCurrency = TFloatFormat::ffCurrency;

// General format with 15 significant digits.
std::string FloatToStr(double value);
std::string FloatToStr(double value, const TFormatSettings& fs);
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits, const TFormatSettings& fs);
std::string CurrToStr(Currency value);
std::string CurrToStr(Currency value, const TFormatSettings& fs);
std::string CurrToStrF(Currency value, TFloatFormat format, int digits);
std::string CurrToStrF(Currency value, TFloatFormat format, int digits, const TFormatSettings& fs);

// Optional blanks, sign, digits with the settings' decimal separator, optional
// exponent; no grouping. Failures raise EConvertError
// "'x' is not a valid floating point value".
double StrToFloat(std::string_view s);
double StrToFloat(std::string_view s, const TFormatSettings& fs);
double StrToFloatDef(std::string_view s, double def);
double StrToFloatDef(std::string_view s, double def, const TFormatSettings& fs);
bool TryStrToFloat(std::string_view s, double& value);
bool TryStrToFloat(std::string_view s, double& value, const TFormatSettings& fs);
// Exact; more than four decimals round to the nearest ten-thousandth, halves to
// even. Out of range raises the same conversion error.
Currency StrToCurr(std::string_view s);
Currency StrToCurr(std::string_view s, const TFormatSettings& fs);
Currency StrToCurrDef(std::string_view s, Currency def);
bool TryStrToCurr(std::string_view s, Currency& value);
bool TryStrToCurr(std::string_view s, Currency& value, const TFormatSettings& fs);

} // namespace tv
