#pragma once
// Text fields: strings of a maximum length in characters, fixed char, wide
// strings and GUIDs.
#include "framework/data/field.h"

namespace tv {

class TStringField : public TField {
    TV_CLASS(TStringField, TField)
public:
    explicit TStringField(TComponent* owner = nullptr);
    // A fixed char field pads its values with blanks to Size on display.
    bool FixedChar() const { return DataType() == ftFixedChar; }
    void SetFixedChar(bool v) { SetDataType(v ? ftFixedChar : ftString); }
    Variant Normalize(const Variant& v) const override;
    bool IsValidChar(char32_t c) const override { return c >= 32 || c == '\t'; }
};

class TWideStringField : public TStringField {
    TV_CLASS(TWideStringField, TStringField)
public:
    explicit TWideStringField(TComponent* owner = nullptr);
};

class TGuidField : public TStringField {
    TV_CLASS(TGuidField, TStringField)
public:
    explicit TGuidField(TComponent* owner = nullptr);
};

} // namespace tv
