#pragma once
// Date and time fields. Values are TDateTime; text follows DisplayFormat or
// the process-wide short date and long time formats.
#include "framework/data/field.h"

namespace tv {

class TDateTimeField : public TField {
    TV_CLASS(TDateTimeField, TField)
public:
    explicit TDateTimeField(TComponent* owner = nullptr);
    Variant Normalize(const Variant& v) const override;
    void SetAsString(const std::string& s) override;
    bool IsValidChar(char32_t c) const override;

protected:
    TDateTimeField(TComponent* owner, TFieldType type);
    std::string GetText(bool displayText) const override;
    int DefaultDisplayWidth() const override { return 18; }
};

class TDateField : public TDateTimeField {
    TV_CLASS(TDateField, TDateTimeField)
public:
    explicit TDateField(TComponent* owner = nullptr);

protected:
    int DefaultDisplayWidth() const override { return 10; }
};

class TTimeField : public TDateTimeField {
    TV_CLASS(TTimeField, TDateTimeField)
public:
    explicit TTimeField(TComponent* owner = nullptr);

protected:
    int DefaultDisplayWidth() const override { return 8; }
};

class TSQLTimeStampField : public TDateTimeField {
    TV_CLASS(TSQLTimeStampField, TDateTimeField)
public:
    explicit TSQLTimeStampField(TComponent* owner = nullptr);
};

} // namespace tv
