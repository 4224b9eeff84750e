#pragma once
// Boolean fields; DisplayValues "yes;no" gives the two texts.
#include "framework/data/field.h"

namespace tv {

class TBooleanField : public TField {
    TV_CLASS(TBooleanField, TField)
public:
    static void Publish(TPublisher& p);
    explicit TBooleanField(TComponent* owner = nullptr);
    const std::string& DisplayValues() const { return displayValues_; }
    void SetDisplayValues(const std::string& v);
    Variant Normalize(const Variant& v) const override;
    void SetAsString(const std::string& s) override;

protected:
    std::string GetText(bool displayText) const override;
    int DefaultDisplayWidth() const override { return 5; }

private:
    std::string displayValues_, trueText_ = "True", falseText_ = "False";
};

class TVariantField : public TField {
    TV_CLASS(TVariantField, TField)
public:
    explicit TVariantField(TComponent* owner = nullptr);
    Variant Normalize(const Variant& v) const override { return v; }
};

} // namespace tv
