#include "core/sysformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/exceptions.h"
#include "core/sysconsts.h"
#include "core/strutils.h"

namespace tv {

namespace {

// A decimal number as 0.d1d2d3... × 10^exponent; no trailing zero digits; zero
// has no digits.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
    bool IsZero() const { return digits.empty(); }
};

// Doubles carry about 15 reliable significant digits; more shows binary noise.
constexpr int kDoubleDigits = 15;

void StripTrailingZeros(Decimal& d) {
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    std::size_t lead = 0;
    while (lead < d.digits.size() && d.digits[lead] == '0') ++lead;
    if (lead > 0) {
        d.digits.erase(0, lead);
        d.exponent -= static_cast<int>(lead);
    }
    if (d.digits.empty()) d.exponent = 0;
}

Decimal FromDouble(double v, int significant = kDoubleDigits) {
    Decimal d;
    d.negative = std::signbit(v) && v != 0;
    v = std::fabs(v);
    if (v == 0) return d;
    significant = std::clamp(significant, 1, kDoubleDigits);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, v);
    const char* e = std::strchr(buf, 'e');
    for (const char* p = buf; p < e; ++p)
        if (*p >= '0' && *p <= '9') d.digits += *p;
    d.exponent = std::atoi(e + 1) + 1;
    StripTrailingZeros(d);
    return d;
}

Decimal FromCurrency(Currency c) {
    Decimal d;
    const std::int64_t raw = c.Raw();
    d.negative = raw < 0;
    const std::uint64_t mag = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    if (mag == 0) return d;
    d.digits = std::to_string(mag);
    d.exponent = static_cast<int>(d.digits.size()) - 4;
    StripTrailingZeros(d);
    return d;
}

// Keeps `keep` leading digits, rounding the rest half away from zero.
void RoundDigits(Decimal& d, int keep) {
    if (d.IsZero() || keep >= static_cast<int>(d.digits.size())) return;
    if (keep < 0) {
        d.digits.clear();
        d.exponent = 0;
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') d.digits[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    StripTrailingZeros(d);
}

void RoundDecimals(Decimal& d, int decimals) { RoundDigits(d, d.exponent + decimals); }

void RoundSignificant(Decimal& d, int significant) { RoundDigits(d, significant); }

// Whole-part digits ("" for none) and exactly `decimals` fraction digits.
std::string IntegerDigits(const Decimal& d) {
    if (d.exponent <= 0) return {};
    std::string s = d.digits.substr(0, std::min<std::size_t>(d.digits.size(), static_cast<std::size_t>(d.exponent)));
    s.resize(static_cast<std::size_t>(d.exponent), '0');
    return s;
}

std::string FractionDigits(const Decimal& d, int decimals) {
    std::string s;
    for (int i = 0; i < decimals; ++i) {
        const int idx = d.exponent + i;
        s += (idx >= 0 && idx < static_cast<int>(d.digits.size())) ? d.digits[static_cast<std::size_t>(idx)] : '0';
    }
    return s;
}

std::string Group(const std::string& digits, char sep) {
    std::string out;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        out += digits[static_cast<std::size_t>(i)];
        const int rest = n - 1 - i;
        if (rest > 0 && rest % 3 == 0) out += sep;
    }
    return out;
}

std::string PadExponent(int e, int minDigits, bool plus) {
    std::string digits = std::to_string(std::abs(e));
    while (static_cast<int>(digits.size()) < minDigits) digits.insert(digits.begin(), '0');
    if (e < 0) return "-" + digits;
    return plus ? "+" + digits : digits;
}

std::string GeneralText(Decimal d, int precision, int expDigits, const TFormatSettings& fs) {
    RoundSignificant(d, precision);
    if (d.IsZero()) return "0";
    std::string out = d.negative ? "-" : "";
    if (d.exponent > precision || d.exponent < -3) {
        out += d.digits[0];
        if (d.digits.size() > 1) {
            out += fs.DecimalSeparator;
            out += d.digits.substr(1);
        }
        out += 'E';
        out += PadExponent(d.exponent - 1, std::clamp(expDigits, 0, 4), false);
        return out;
    }
    const std::string whole = IntegerDigits(d);
    out += whole.empty() ? "0" : whole;
    const int decimals = static_cast<int>(d.digits.size()) - d.exponent;
    if (decimals > 0) {
        out += fs.DecimalSeparator;
        out += FractionDigits(d, decimals);
    }
    return out;
}

std::string ExponentText(Decimal d, int precision, int expDigits, const TFormatSettings& fs) {
    RoundSignificant(d, precision);
    std::string out = d.negative && !d.IsZero() ? "-" : "";
    const std::string mant = d.digits + std::string(static_cast<std::size_t>(precision), '0');
    out += d.IsZero() ? '0' : mant[0];
    if (precision > 1) {
        out += fs.DecimalSeparator;
        out += d.IsZero() ? std::string(static_cast<std::size_t>(precision - 1), '0')
                          : mant.substr(1, static_cast<std::size_t>(precision - 1));
    }
    out += 'E';
    out += PadExponent(d.IsZero() ? 0 : d.exponent - 1, std::clamp(expDigits, 0, 4), true);
    return out;
}

std::string ApplyCurrency(const std::string& number, bool negative, const TFormatSettings& fs) {
    const std::string& c = fs.CurrencyString;
    if (!negative) {
        switch (fs.CurrencyFormat) {
        case 1: return number + c;
        case 2: return c + " " + number;
        case 3: return number + " " + c;
        default: return c + number;
        }
    }
    switch (fs.NegCurrFormat) {
    case 0: return "(" + c + number + ")";
    case 2: return c + "-" + number;
    case 3: return c + number + "-";
    case 4: return "(" + number + c + ")";
    case 5: return "-" + number + c;
    case 6: return number + "-" + c;
    case 7: return number + c + "-";
    case 8: return "-" + number + " " + c;
    case 9: return "-" + c + " " + number;
    case 10: return number + " " + c + "-";
    case 11: return c + " " + number + "-";
    case 12: return c + " -" + number;
    case 13: return number + "- " + c;
    case 14: return "(" + c + " " + number + ")";
    case 15: return "(" + number + " " + c + ")";
    default: return "-" + c + number;
    }
}

// Fixed, number and currency formats; `precision` bounds the significant digits.
std::string FixedText(Decimal d, TFloatFormat format, int precision, int digits, const TFormatSettings& fs) {
    digits = std::clamp(digits, 0, 18);
    if (d.exponent > precision) return GeneralText(d, precision, 0, fs);
    RoundSignificant(d, precision);
    RoundDecimals(d, digits);
    const bool negative = d.negative && !d.IsZero();
    std::string whole = IntegerDigits(d);
    if (whole.empty()) whole = "0";
    std::string number = format == ffFixed ? whole : Group(whole, fs.ThousandSeparator);
    if (digits > 0) {
        number += fs.DecimalSeparator;
        number += FractionDigits(d, digits);
    }
    if (format == ffCurrency) return ApplyCurrency(number, negative, fs);
    return negative ? "-" + number : number;
}

std::string DecimalToStrF(const Decimal& d, TFloatFormat format, int precision, int digits, const TFormatSettings& fs) {
    switch (format) {
    case ffGeneral: return GeneralText(d, precision, digits, fs);
    case ffExponent: return ExponentText(d, precision, digits, fs);
    default: return FixedText(d, format, precision, digits, fs);
    }
}

// --- FormatFloat patterns --------------------------------------------------------------

struct Token {
    enum Kind { Digit, Point, Exponent, Literal } kind;
    char ch = 0;          // '0' or '#' for digits; 'E' or 'e' for exponents
    bool plus = false;    // exponent shows "+"
    int expDigits = 0;    // exponent minimum digits
    std::string text;     // literal text
};

struct Pattern {
    std::vector<Token> tokens;
    int intPlaces = 0, fracPlaces = 0, minInt = 0, minFrac = 0;
    bool grouping = false, scientific = false;
};

std::vector<std::string_view> SplitSections(std::string_view format) {
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    char quote = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            sections.push_back(format.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(format.substr(start));
    return sections;
}

Pattern ParsePattern(std::string_view s) {
    Pattern p;
    bool seenPoint = false;
    int firstIntZero = -1, lastFracZero = -1;
    auto literal = [&](std::string_view t) {
        if (!p.tokens.empty() && p.tokens.back().kind == Token::Literal) p.tokens.back().text += t;
        else p.tokens.push_back({Token::Literal, 0, false, 0, std::string(t)});
    };
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '0' || c == '#') {
            if (seenPoint) {
                if (c == '0') lastFracZero = p.fracPlaces;
                ++p.fracPlaces;
            } else {
                if (c == '0' && firstIntZero < 0) firstIntZero = p.intPlaces;
                ++p.intPlaces;
            }
            p.tokens.push_back({Token::Digit, c, false, 0, {}});
        } else if (c == '.' && !seenPoint && !p.scientific) {
            seenPoint = true;
            p.tokens.push_back({Token::Point, c, false, 0, {}});
        } else if (c == ',') {
            p.grouping = true;
        } else if ((c == 'E' || c == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-') &&
                   !p.scientific) {
            Token t{Token::Exponent, c, s[i + 1] == '+', 0, {}};
            i += 2;
            while (i < s.size() && s[i] == '0') {
                ++t.expDigits;
                ++i;
            }
            --i;
            t.expDigits = std::min(t.expDigits, 4);
            p.scientific = true;
            p.tokens.push_back(t);
        } else if (c == '"' || c == '\'') {
            const std::size_t end = s.find(c, i + 1);
            literal(s.substr(i + 1, (end == std::string_view::npos ? s.size() : end) - i - 1));
            i = end == std::string_view::npos ? s.size() : end;
        } else {
            literal(s.substr(i, 1));
        }
    }
    p.minInt = firstIntZero < 0 ? 0 : p.intPlaces - firstIntZero;
    p.minFrac = lastFracZero + 1;
    return p;
}

std::string ApplyPattern(const Pattern& p, Decimal d, bool showMinus, const TFormatSettings& fs) {
    std::string whole, frac;
    int exponent = 0;
    if (p.scientific) {
        const int significant = std::max(1, p.intPlaces + p.fracPlaces);
        RoundSignificant(d, significant);
        if (!d.IsZero()) {
            exponent = d.exponent - p.intPlaces;
            d.exponent = p.intPlaces;
        }
    } else {
        RoundDecimals(d, p.fracPlaces);
    }
    whole = IntegerDigits(d);
    if (static_cast<int>(whole.size()) < p.minInt) whole.insert(0, static_cast<std::size_t>(p.minInt) - whole.size(), '0');
    frac = FractionDigits(d, p.fracPlaces);
    while (static_cast<int>(frac.size()) > p.minFrac && frac.back() == '0') frac.pop_back();

    std::string out = showMinus && !d.IsZero() ? "-" : "";
    const int nWhole = static_cast<int>(whole.size());
    auto emitWholeDigit = [&](int posFromRight) {
        out += whole[static_cast<std::size_t>(nWhole - 1 - posFromRight)];
        if (p.grouping && posFromRight > 0 && posFromRight % 3 == 0) out += fs.ThousandSeparator;
    };
    auto emitAllWhole = [&]() {
        for (int r = nWhole - 1; r >= 0; --r) emitWholeDigit(r);
    };
    int intSeen = 0, fracSeen = 0;
    bool wholeDone = p.intPlaces == 0 && nWhole == 0;
    for (const Token& t : p.tokens) {
        switch (t.kind) {
        case Token::Digit:
            if (intSeen < p.intPlaces) {
                const int r = p.intPlaces - 1 - intSeen;
                if (intSeen == 0)
                    for (int q = nWhole - 1; q > r; --q) emitWholeDigit(q);
                if (r < nWhole) emitWholeDigit(r);
                ++intSeen;
                if (intSeen == p.intPlaces) wholeDone = true;
            } else {
                if (!wholeDone) {
                    emitAllWhole();
                    wholeDone = true;
                }
                if (fracSeen < static_cast<int>(frac.size())) out += frac[static_cast<std::size_t>(fracSeen)];
                ++fracSeen;
            }
            break;
        case Token::Point:
            if (!wholeDone) {
                emitAllWhole();
                wholeDone = true;
            }
            if (!frac.empty()) out += fs.DecimalSeparator;
            break;
        case Token::Exponent:
            if (!wholeDone) {
                emitAllWhole();
                wholeDone = true;
            }
            out += t.ch;
            if (exponent < 0) out += '-';
            else if (t.plus) out += '+';
            {
                std::string e = std::to_string(std::abs(exponent));
                while (static_cast<int>(e.size()) < t.expDigits) e.insert(e.begin(), '0');
                out += e;
            }
            break;
        case Token::Literal:
            out += t.text;
            break;
        }
    }
    if (!wholeDone) emitAllWhole();
    return out;
}

// True when the pattern shows the value as zero.
bool RoundsToZero(const Pattern& p, Decimal d) {
    if (p.scientific) return d.IsZero();
    RoundDecimals(d, p.fracPlaces);
    return d.IsZero();
}

// The section by the sign; a value that the pattern rounds to zero counts as
// zero, so no "-0.00" and no "(0.00)" is shown.
std::string FormatDecimal(std::string_view format, const Decimal& value, const TFormatSettings& fs,
                          int fallbackPrecision) {
    if (format.empty() || value.exponent > 18) return GeneralText(value, fallbackPrecision, 0, fs);
    const std::vector<std::string_view> sections = SplitSections(format);
    const bool hasNegative = sections.size() > 1 && !sections[1].empty();
    const bool hasZero = sections.size() > 2 && !sections[2].empty();
    Pattern pattern = ParsePattern(value.negative && hasNegative ? sections[1] : sections[0]);
    bool showMinus = value.negative && !hasNegative;
    if (value.IsZero() || RoundsToZero(pattern, value)) {
        if (hasZero) return ApplyPattern(ParsePattern(sections[2]), Decimal(), false, fs);
        pattern = ParsePattern(sections[0]);
        showMinus = false;
    }
    return ApplyPattern(pattern, value, showMinus, fs);
}

// --- parsing --------------------------------------------------------------------------

// The digits, the point's place and the exponent of a number text, or false.
struct ParsedNumber {
    bool negative = false;
    std::string digits;   // all mantissa digits
    int pointExp = 0;     // value = digits × 10^pointExp
};

bool ParseNumber(std::string_view s, ParsedNumber& n, const TFormatSettings& fs) {
    std::size_t i = 0, e = s.size();
    while (i < e && static_cast<unsigned char>(s[i]) <= ' ') ++i;
    while (e > i && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    if (i < e && (s[i] == '+' || s[i] == '-')) n.negative = s[i++] == '-';
    int fracDigits = 0;
    bool any = false, point = false;
    for (; i < e; ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            n.digits += c;
            any = true;
            if (point) ++fracDigits;
        } else if (c == fs.DecimalSeparator && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!any) return false;
    int exp = 0;
    if (i < e && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool expNeg = false;
        if (i < e && (s[i] == '+' || s[i] == '-')) expNeg = s[i++] == '-';
        if (i >= e) return false;
        for (; i < e; ++i) {
            if (s[i] < '0' || s[i] > '9') return false;
            if (exp < 100000) exp = exp * 10 + (s[i] - '0');
        }
        if (expNeg) exp = -exp;
    }
    if (i != e) return false;
    n.pointExp = exp - fracDigits;
    return true;
}

// The text with its one "%s" replaced; no Format here, which may be what failed.
std::string WithArgument(const ResourceString& res, std::string_view arg) {
    std::string text = LoadResString(res);
    const std::size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, arg);
    return text;
}

[[noreturn]] void InvalidFloat(std::string_view s) { throw EConvertError(WithArgument(SInvalidFloat, s)); }

// --- Format ---------------------------------------------------------------------------

[[noreturn]] void InvalidFormat(std::string_view format) {
    throw EConvertError(WithArgument(SInvalidFormat, format));
}

std::string PadWidth(std::string s, int width, bool left) {
    const int len = Length(s);
    if (width > len) {
        const std::string pad(static_cast<std::size_t>(width - len), ' ');
        s = left ? s + pad : pad + s;
    }
    return s;
}

std::string HexOf(std::uint64_t v) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), kHex[v & 0xF]);
        v >>= 4;
    } while (v);
    return out;
}

} // namespace

std::string FormatV(std::string_view format, const std::vector<FormatArg>& args, const TFormatSettings& fs) {
    std::string out;
    std::size_t argIndex = 0;
    auto next = [&]() -> const FormatArg& {
        if (argIndex >= args.size()) throw EConvertError(WithArgument(SArgumentMissing, format));
        return args[argIndex++];
    };
    auto readNumber = [&](std::size_t& i, int& value) -> bool {
        if (i < format.size() && format[i] == '*') {
            const FormatArg& a = next();
            if (a.kind() != FormatArg::Kind::Int && a.kind() != FormatArg::Kind::UInt) InvalidFormat(format);
            value = static_cast<int>(a.kind() == FormatArg::Kind::Int ? a.AsInt() : static_cast<std::int64_t>(a.AsUInt()));
            ++i;
            return true;
        }
        if (i < format.size() && format[i] >= '0' && format[i] <= '9') {
            value = 0;
            while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
                value = std::min(value * 10 + (format[i] - '0'), 1 << 20);
                ++i;
            }
            return true;
        }
        return false;
    };
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%') {
            out += c;
            continue;
        }
        ++i;
        if (i >= format.size()) InvalidFormat(format);
        if (format[i] == '%') {
            out += '%';
            continue;
        }
        // [index ":"] ["-"] [width] ["." prec] type
        int number = -1;
        std::size_t save = i;
        if (format[i] != '*' && readNumber(i, number) && i < format.size() && format[i] == ':') {
            argIndex = static_cast<std::size_t>(number);
            ++i;
        } else if (format[save] == '*' && save + 1 < format.size() && format[save + 1] == ':') {
            i = save;
            readNumber(i, number);
            argIndex = static_cast<std::size_t>(std::max(number, 0));
            ++i;
        } else {
            i = save;
        }
        bool left = false;
        if (i < format.size() && format[i] == '-') {
            left = true;
            ++i;
        }
        int width = -1, prec = -1;
        readNumber(i, width);
        if (i < format.size() && format[i] == '.') {
            ++i;
            if (!readNumber(i, prec)) prec = 0;
        }
        if (i >= format.size()) InvalidFormat(format);
        const char type = static_cast<char>(format[i] >= 'a' && format[i] <= 'z' ? format[i] - 32 : format[i]);
        std::string text;
        switch (type) {
        case 'D':
        case 'U':
        case 'X': {
            const FormatArg& a = next();
            std::uint64_t mag;
            bool negative = false;
            if (a.kind() == FormatArg::Kind::Int) {
                const std::int64_t v = a.AsInt();
                if (type == 'D') {
                    negative = v < 0;
                    mag = negative ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
                } else {
                    // Negative values show their two's complement, 32-bit when they fit.
                    mag = (v < 0 && v >= INT32_MIN) ? static_cast<std::uint32_t>(v) : static_cast<std::uint64_t>(v);
                }
            } else if (a.kind() == FormatArg::Kind::UInt) {
                mag = a.AsUInt();
            } else {
                InvalidFormat(format);
            }
            std::string digits = type == 'X' ? HexOf(mag) : std::to_string(mag);
            if (prec > 0 && static_cast<int>(digits.size()) < prec)
                digits.insert(0, static_cast<std::size_t>(prec) - digits.size(), '0');
            text = negative ? "-" + digits : digits;
            break;
        }
        case 'E':
        case 'F':
        case 'G':
        case 'N':
        case 'M': {
            const FormatArg& a = next();
            Decimal d;
            int maxPrecision = kDoubleDigits;
            if (a.kind() == FormatArg::Kind::Float) {
                if (!std::isfinite(a.AsFloat())) {
                    text = std::isnan(a.AsFloat()) ? "NAN" : (a.AsFloat() < 0 ? "-INF" : "INF");
                    break;
                }
                d = FromDouble(a.AsFloat());
            } else if (a.kind() == FormatArg::Kind::Currency) {
                d = FromCurrency(a.AsCurrency());
                maxPrecision = 19;
            } else {
                InvalidFormat(format);
            }
            switch (type) {
            case 'E': text = DecimalToStrF(d, ffExponent, prec < 0 ? 15 : std::clamp(prec, 1, maxPrecision), 3, fs); break;
            case 'F': text = DecimalToStrF(d, ffFixed, maxPrecision, prec < 0 ? 2 : prec, fs); break;
            case 'G': text = DecimalToStrF(d, ffGeneral, prec < 0 ? 15 : std::clamp(prec, 1, maxPrecision), 3, fs); break;
            case 'N': text = DecimalToStrF(d, ffNumber, maxPrecision, prec < 0 ? 2 : prec, fs); break;
            default: text = DecimalToStrF(d, ffCurrency, maxPrecision, prec < 0 ? fs.CurrencyDecimals : prec, fs); break;
            }
            break;
        }
        case 'S': {
            const FormatArg& a = next();
            if (a.kind() != FormatArg::Kind::String) InvalidFormat(format);
            text = prec >= 0 ? Copy(a.AsString(), 1, prec) : a.AsString();
            break;
        }
        case 'P': {
            const FormatArg& a = next();
            if (a.kind() != FormatArg::Kind::Pointer) InvalidFormat(format);
            text = HexOf(reinterpret_cast<std::uintptr_t>(a.AsPointer()));
            text.insert(0, 16 - text.size(), '0');
            break;
        }
        default:
            InvalidFormat(format);
        }
        out += PadWidth(std::move(text), width, left);
    }
    return out;
}

std::string FormatFloat(std::string_view format, double value) { return FormatFloat(format, value, FormatSettings); }

std::string FormatFloat(std::string_view format, double value, const TFormatSettings& fs) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    return FormatDecimal(format, FromDouble(value), fs, kDoubleDigits);
}

std::string FormatCurr(std::string_view format, Currency value) { return FormatCurr(format, value, FormatSettings); }

std::string FormatCurr(std::string_view format, Currency value, const TFormatSettings& fs) {
    return FormatDecimal(format, FromCurrency(value), fs, 19);
}

std::string FloatToStr(double value) { return FloatToStr(value, FormatSettings); }
std::string FloatToStr(double value, const TFormatSettings& fs) { return FloatToStrF(value, ffGeneral, 15, 0, fs); }

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
    return FloatToStrF(value, format, precision, digits, FormatSettings);
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits, const TFormatSettings& fs) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    precision = std::clamp(precision, 1, kDoubleDigits);
    return DecimalToStrF(FromDouble(value, precision), format, precision, digits, fs);
}

std::string CurrToStr(Currency value) { return CurrToStr(value, FormatSettings); }
std::string CurrToStr(Currency value, const TFormatSettings& fs) {
    // At most 19 significant digits and four decimals: the general form of a
    // currency is never rounded nor exponential, only its trailing zeros go.
    const std::int64_t raw = value.Raw();
    if (raw == 0) return "0";
    const std::uint64_t magnitude = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    char text[32];
    char* end = text + sizeof text;
    char* p = end;
    unsigned fraction = static_cast<unsigned>(magnitude % 10000);
    if (fraction != 0) {
        int decimals = 4;
        for (; fraction % 10 == 0; fraction /= 10) --decimals;
        for (int i = 0; i < decimals; ++i, fraction /= 10) *--p = static_cast<char>('0' + fraction % 10);
        *--p = fs.DecimalSeparator;
    }
    std::uint64_t whole = magnitude / 10000;
    do {
        *--p = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (raw < 0) *--p = '-';
    return std::string(p, end);
}

std::string CurrToStrF(Currency value, TFloatFormat format, int digits) {
    return CurrToStrF(value, format, digits, FormatSettings);
}

std::string CurrToStrF(Currency value, TFloatFormat format, int digits, const TFormatSettings& fs) {
    return DecimalToStrF(FromCurrency(value), format, 19, digits, fs);
}

bool TryStrToFloat(std::string_view s, double& value) { return TryStrToFloat(s, value, FormatSettings); }

bool TryStrToFloat(std::string_view s, double& value, const TFormatSettings& fs) {
    ParsedNumber n;
    if (!ParseNumber(s, n, fs)) return false;
    const std::string text = (n.negative ? "-" : "") + n.digits + "e" + std::to_string(n.pointExp);
    double v = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is no number.
        std::size_t k = 0;
        while (k < n.digits.size() && n.digits[k] == '0') ++k;
        if (k == n.digits.size() || n.pointExp + static_cast<int>(n.digits.size() - k) < 0) {
            value = n.negative ? -0.0 : 0.0;
            return true;
        }
        return false;
    }
    if (res.ec != std::errc() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

double StrToFloat(std::string_view s) { return StrToFloat(s, FormatSettings); }

double StrToFloat(std::string_view s, const TFormatSettings& fs) {
    double v;
    if (!TryStrToFloat(s, v, fs)) InvalidFloat(s);
    return v;
}

double StrToFloatDef(std::string_view s, double def) { return StrToFloatDef(s, def, FormatSettings); }

double StrToFloatDef(std::string_view s, double def, const TFormatSettings& fs) {
    double v;
    return TryStrToFloat(s, v, fs) ? v : def;
}

bool TryStrToCurr(std::string_view s, Currency& value) { return TryStrToCurr(s, value, FormatSettings); }

bool TryStrToCurr(std::string_view s, Currency& value, const TFormatSettings& fs) {
    ParsedNumber n;
    if (!ParseNumber(s, n, fs)) return false;
    std::string digits = n.digits;
    const std::size_t lead = digits.find_first_not_of('0');
    if (lead == std::string::npos) {
        value = Currency();
        return true;
    }
    digits.erase(0, lead);
    // raw = digits × 10^(pointExp + 4)
    const long shift = static_cast<long>(n.pointExp) + 4;
    if (static_cast<long>(digits.size()) + shift > 19) return false;
    __int128 raw = 0;
    if (shift >= 0) {
        for (char c : digits) raw = raw * 10 + (c - '0');
        for (long k = 0; k < shift; ++k) raw *= 10;
    } else {
        const long keep = static_cast<long>(digits.size()) + shift;
        for (long k = 0; k < keep; ++k) raw = raw * 10 + (digits[static_cast<std::size_t>(k)] - '0');
        if (keep >= 0) {
            const std::string rest = digits.substr(static_cast<std::size_t>(keep));
            const bool aboveHalf = rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string::npos);
            const bool half = rest[0] == '5' && rest.find_first_not_of('0', 1) == std::string::npos;
            if (aboveHalf || (half && (raw % 2 != 0))) ++raw;
        }
    }
    if (n.negative) raw = -raw;
    if (raw > INT64_MAX || raw < INT64_MIN) return false;
    value = Currency::FromRaw(static_cast<std::int64_t>(raw));
    return true;
}

Currency StrToCurr(std::string_view s) { return StrToCurr(s, FormatSettings); }

Currency StrToCurr(std::string_view s, const TFormatSettings& fs) {
    Currency v;
    if (!TryStrToCurr(s, v, fs)) InvalidFloat(s);
    return v;
}

Currency StrToCurrDef(std::string_view s, Currency def) {
    Currency v;
    return TryStrToCurr(s, v) ? v : def;
}

} // namespace tv
