#include "framework/data/fields_boolean.h"

#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/data/dbconsts.h"
#include "framework/data/dberror.h"

namespace tv {

TBooleanField::TBooleanField(TComponent* owner) : TField(owner) { SetDataType(ftBoolean); }

void TBooleanField::SetDisplayValues(const std::string& v) {
    displayValues_ = v;
    const auto sep = v.find(';');
    if (v.empty()) {
        trueText_ = "True";
        falseText_ = "False";
    } else if (sep == std::string::npos) {
        trueText_ = v;
        falseText_.clear();
    } else {
        trueText_ = v.substr(0, sep);
        falseText_ = v.substr(sep + 1);
    }
    PropertyChanged(false);
}

Variant TBooleanField::Normalize(const Variant& v) const {
    if (v.IsNull() || v.IsEmpty()) return Null();
    if (v.VarType() == varString) {
        const std::string s = Trim(v.AsString());
        if (s.empty()) return Null();
        if (!trueText_.empty() && AnsiStartsText(s, trueText_) && Utf8Length(s) == Utf8Length(trueText_)) return Variant(true);
        if (!falseText_.empty() && AnsiStartsText(s, falseText_) && Utf8Length(s) == Utf8Length(falseText_)) return Variant(false);
        bool b = false;
        if (!TryStrToBool(s, b)) DatabaseError(Format(dbconsts::SInvalidBoolValue, s, DisplayName()));
        return Variant(b);
    }
    try {
        return Variant(v.AsBoolean());
    } catch (const Exception&) {
        ConvertError("Boolean");
    }
}

void TBooleanField::SetAsString(const std::string& s) { SetAsVariant(Variant(s)); }

std::string TBooleanField::GetText(bool) const {
    if (IsNull()) return {};
    return AsBoolean() ? trueText_ : falseText_;
}

TVariantField::TVariantField(TComponent* owner) : TField(owner) { SetDataType(ftVariant); }

} // namespace tv
