#include "framework/data/fields_string.h"

#include "core/strutils.h"

namespace tv {

TStringField::TStringField(TComponent* owner) : TField(owner) {
    SetDataType(ftString);
    SetSize(20);
}

Variant TStringField::Normalize(const Variant& v) const {
    if (v.IsNull() || v.IsEmpty()) return Null();
    std::string s = VarToStr(v);
    // Longer texts are cut to the field's size, counted in characters.
    if (Size() > 0 && static_cast<int>(Utf8Length(s)) > Size()) s = LeftStr(s, Size());
    return Variant(std::move(s));
}

TWideStringField::TWideStringField(TComponent* owner) : TStringField(owner) { SetDataType(ftWideString); }

TGuidField::TGuidField(TComponent* owner) : TStringField(owner) {
    SetDataType(ftGuid);
    SetSize(38);
}

} // namespace tv
