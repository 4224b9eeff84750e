#pragma once
// Number fields: the integers, floats, currency and the two decimal kinds.
// They are right-aligned and format with DisplayFormat / EditFormat.
#include "framework/data/field.h"

namespace tv {

class TNumericField : public TField {
    TV_CLASS(TNumericField, TField)
public:
    explicit TNumericField(TComponent* owner = nullptr);
    bool IsValidChar(char32_t c) const override;

protected:
    std::string FormatNumber(double value, bool displayText, int defaultDecimals) const;
    int DefaultDisplayWidth() const override { return 10; }
};

class TIntegerField : public TNumericField {
    TV_CLASS(TIntegerField, TNumericField)
public:
    explicit TIntegerField(TComponent* owner = nullptr);
    std::int64_t MinValue() const { return minValue_; }
    std::int64_t MaxValue() const { return maxValue_; }
    // 0 and 0 mean the type's own range.
    void SetMinValue(std::int64_t v) { minValue_ = v; }
    void SetMaxValue(std::int64_t v) { maxValue_ = v; }
    Variant Normalize(const Variant& v) const override;
    void SetAsString(const std::string& s) override;

protected:
    TIntegerField(TComponent* owner, TFieldType type, std::int64_t lo, std::int64_t hi);
    std::string GetText(bool displayText) const override;

private:
    std::int64_t typeMin_, typeMax_;
    std::int64_t minValue_ = 0, maxValue_ = 0;
};

class TSmallintField : public TIntegerField {
    TV_CLASS(TSmallintField, TIntegerField)
public:
    explicit TSmallintField(TComponent* owner = nullptr);
};

class TWordField : public TIntegerField {
    TV_CLASS(TWordField, TIntegerField)
public:
    explicit TWordField(TComponent* owner = nullptr);
};

class TAutoIncField : public TIntegerField {
    TV_CLASS(TAutoIncField, TIntegerField)
public:
    explicit TAutoIncField(TComponent* owner = nullptr);
};

class TLargeintField : public TIntegerField {
    TV_CLASS(TLargeintField, TIntegerField)
public:
    explicit TLargeintField(TComponent* owner = nullptr);
};

class TFloatField : public TNumericField {
    TV_CLASS(TFloatField, TNumericField)
public:
    explicit TFloatField(TComponent* owner = nullptr);
    Variant Normalize(const Variant& v) const override;
    void SetAsString(const std::string& s) override;

protected:
    std::string GetText(bool displayText) const override;
};

class TCurrencyField : public TFloatField {
    TV_CLASS(TCurrencyField, TFloatField)
public:
    explicit TCurrencyField(TComponent* owner = nullptr);
};

// Decimal with up to four decimals (Size), stored exactly as Currency.
class TBCDField : public TNumericField {
    TV_CLASS(TBCDField, TNumericField)
public:
    explicit TBCDField(TComponent* owner = nullptr);
    Variant Normalize(const Variant& v) const override;
    void SetAsString(const std::string& s) override;
    TBcd AsBCD() const override;

protected:
    std::string GetText(bool displayText) const override;
};

// Decimal of Precision digits with Size decimals. Values with at most four
// decimals are stored exactly (as Currency), wider scales as doubles.
class TFMTBCDField : public TNumericField {
    TV_CLASS(TFMTBCDField, TNumericField)
public:
    explicit TFMTBCDField(TComponent* owner = nullptr);
    Variant Normalize(const Variant& v) const override;
    void SetAsString(const std::string& s) override;
    TBcd AsBCD() const override;
    void SetAsBCD(const TBcd& v) override;

protected:
    std::string GetText(bool displayText) const override;
};

} // namespace tv
