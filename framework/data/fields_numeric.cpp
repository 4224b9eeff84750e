#include "framework/data/fields_numeric.h"

#include <cmath>

#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/data/dbconsts.h"
#include "framework/data/dberror.h"

namespace tv {

namespace {

bool IsBlankText(const Variant& v) { return v.VarType() == varString && Trim(v.AsString()).empty(); }

bool ParseFloat(const std::string& s, double& d) {
    return TryStrToFloat(Trim(s), d) || TryStrToFloat(Trim(s), d, TFormatSettings::Invariant());
}

} // namespace

TNumericField::TNumericField(TComponent* owner) : TField(owner) { SetAlignment(taRightJustify); }

bool TNumericField::IsValidChar(char32_t c) const {
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'e' || c == 'E' ||
           c == static_cast<char32_t>(FormatSettings.DecimalSeparator);
}

std::string TNumericField::FormatNumber(double value, bool displayText, int defaultDecimals) const {
    const std::string& fmt = (displayText || EditFormat().empty()) ? DisplayFormat() : EditFormat();
    if (!fmt.empty()) return FormatFloat(fmt, value);
    if (displayText && Currency()) return FloatToStrF(value, ffCurrency, 15, FormatSettings.CurrencyDecimals);
    if (defaultDecimals >= 0 && displayText) return FloatToStrF(value, ffFixed, 18, defaultDecimals);
    return FloatToStr(value);
}

// --- integers -------------------------------------------------------------------

TIntegerField::TIntegerField(TComponent* owner) : TIntegerField(owner, ftInteger, INT32_MIN, INT32_MAX) {}

TIntegerField::TIntegerField(TComponent* owner, TFieldType type, std::int64_t lo, std::int64_t hi)
    : TNumericField(owner), typeMin_(lo), typeMax_(hi) {
    SetDataType(type);
}

Variant TIntegerField::Normalize(const Variant& v) const {
    if (v.IsNull() || v.IsEmpty() || IsBlankText(v)) return Null();
    std::int64_t n = 0;
    if (v.VarType() == varString) {
        const std::string s = Trim(v.AsString());
        if (!TryStrToInt64(s, n)) DatabaseError(Format(dbconsts::SInvalidIntegerValue, s, DisplayName()));
    } else if (v.VarType() == varDouble || v.VarType() == varCurrency || v.VarType() == varDate) {
        const double d = v.AsDouble();
        if (!std::isfinite(d) || d < -9.2e18 || d > 9.2e18) RangeError(d, double(typeMin_), double(typeMax_));
        n = Round(d);
    } else {
        try {
            n = v.AsInt64();
        } catch (const Exception&) {
            ConvertError("Integer");
        }
    }
    const std::int64_t lo = (minValue_ != 0 || maxValue_ != 0) ? minValue_ : typeMin_;
    const std::int64_t hi = (minValue_ != 0 || maxValue_ != 0) ? maxValue_ : typeMax_;
    if (n < lo || n > hi) RangeError(double(n), double(lo), double(hi));
    if (DataType() == ftLargeint) return Variant(static_cast<long long>(n));
    return Variant(static_cast<int>(n));
}

void TIntegerField::SetAsString(const std::string& s) { SetAsVariant(Variant(s)); }

std::string TIntegerField::GetText(bool displayText) const {
    if (IsNull()) return {};
    const std::string& fmt = (displayText || EditFormat().empty()) ? DisplayFormat() : EditFormat();
    if (!fmt.empty()) return FormatFloat(fmt, double(AsLargeInt()));
    return IntToStr(AsLargeInt());
}

TSmallintField::TSmallintField(TComponent* owner) : TIntegerField(owner, ftSmallint, -32768, 32767) {}
TWordField::TWordField(TComponent* owner) : TIntegerField(owner, ftWord, 0, 65535) {}
TAutoIncField::TAutoIncField(TComponent* owner) : TIntegerField(owner, ftAutoInc, INT32_MIN, INT32_MAX) {}
TLargeintField::TLargeintField(TComponent* owner) : TIntegerField(owner, ftLargeint, INT64_MIN, INT64_MAX) {}

// --- floats -------------------------------------------------------------------

TFloatField::TFloatField(TComponent* owner) : TNumericField(owner) {
    SetDataType(ftFloat);
    SetPrecision(15);
}

Variant TFloatField::Normalize(const Variant& v) const {
    if (v.IsNull() || v.IsEmpty() || IsBlankText(v)) return Null();
    if (v.VarType() == varString) {
        double d = 0;
        if (!ParseFloat(v.AsString(), d)) DatabaseError(Format(dbconsts::SInvalidFloatValue, v.AsString(), DisplayName()));
        return Variant(d);
    }
    try {
        return Variant(v.AsDouble());
    } catch (const Exception&) {
        ConvertError("Float");
    }
}

void TFloatField::SetAsString(const std::string& s) { SetAsVariant(Variant(s)); }

std::string TFloatField::GetText(bool displayText) const {
    if (IsNull()) return {};
    return FormatNumber(AsFloat(), displayText, -1);
}

TCurrencyField::TCurrencyField(TComponent* owner) : TFloatField(owner) {
    SetDataType(ftCurrency);
    SetCurrency(true);
}

// --- decimals -------------------------------------------------------------------

TBCDField::TBCDField(TComponent* owner) : TNumericField(owner) {
    SetDataType(ftBCD);
    SetSize(4);
    SetPrecision(18);
}

Variant TBCDField::Normalize(const Variant& v) const {
    if (v.IsNull() || v.IsEmpty() || IsBlankText(v)) return Null();
    tv::Currency c;
    if (v.VarType() == varString) {
        const std::string s = Trim(v.AsString());
        if (!TryStrToCurr(s, c) && !TryStrToCurr(s, c, TFormatSettings::Invariant()))
            DatabaseError(Format(dbconsts::SInvalidFloatValue, s, DisplayName()));
    } else {
        try {
            c = v.AsCurrency();
        } catch (const Exception&) {
            ConvertError("BCD");
        }
    }
    return Variant(c);
}

void TBCDField::SetAsString(const std::string& s) { SetAsVariant(Variant(s)); }

TBcd TBCDField::AsBCD() const { return IsNull() ? TBcd() : CurrToBcd(AsCurrency()); }

std::string TBCDField::GetText(bool displayText) const {
    if (IsNull()) return {};
    return FormatNumber(AsFloat(), displayText, -1);
}

TFMTBCDField::TFMTBCDField(TComponent* owner) : TNumericField(owner) {
    SetDataType(ftFMTBcd);
    SetSize(8);
    SetPrecision(15);
}

Variant TFMTBCDField::Normalize(const Variant& v) const {
    if (v.IsNull() || v.IsEmpty() || IsBlankText(v)) return Null();
    TBcd b;
    try {
        if (v.VarType() == varString) {
            const std::string s = Trim(v.AsString());
            if (!TryStrToBcd(s, b)) DatabaseError(Format(dbconsts::SInvalidFloatValue, s, DisplayName()));
        } else if (v.VarType() == varCurrency) {
            b = CurrToBcd(v.AsCurrency());
        } else {
            b = DoubleToBcd(v.AsDouble());
        }
        const int scale = Size() > 0 ? std::min(Size(), TBcd::MaxScale) : 0;
        b = b.Rounded(scale);
        if (Precision() > 0) b = NormalizeBcd(b, std::min(Precision(), TBcd::MaxPrecision), scale);
    } catch (const EDatabaseError&) {
        throw;
    } catch (const EBcdException&) {
        DatabaseError(Format(dbconsts::SFieldValueError, DisplayName()));
    } catch (const Exception&) {
        ConvertError("FMTBcd");
    }
    if (Size() <= 4) return Variant(BcdToCurr(b));
    return Variant(BcdToDouble(b));
}

void TFMTBCDField::SetAsString(const std::string& s) { SetAsVariant(Variant(s)); }

TBcd TFMTBCDField::AsBCD() const {
    const Variant v = GetData();
    if (v.IsNull() || v.IsEmpty()) return TBcd();
    if (v.VarType() == varCurrency) return CurrToBcd(v.AsCurrency());
    return DoubleToBcd(v.AsDouble());
}

void TFMTBCDField::SetAsBCD(const TBcd& v) {
    if (Size() <= 4)
        SetAsVariant(Variant(BcdToCurr(v.Rounded(std::max(0, Size())))));
    else
        SetAsVariant(Variant(BcdToDouble(v)));
}

std::string TFMTBCDField::GetText(bool displayText) const {
    if (IsNull()) return {};
    const std::string& fmt = (displayText || EditFormat().empty()) ? DisplayFormat() : EditFormat();
    if (!fmt.empty() || (displayText && Currency())) return FormatNumber(AsFloat(), displayText, -1);
    return BcdToStr(AsBCD().Normalized());
}

} // namespace tv
