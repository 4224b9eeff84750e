#include "framework/data/params.h"

#include <cctype>

#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/data/dbconsts.h"
#include "framework/data/dberror.h"
#include "framework/data/field.h"

namespace tv {

namespace {

TFieldType TypeOfValue(const Variant& v) {
    switch (v.VarType()) {
    case varSmallint: return ftSmallint;
    case varInteger:
    case varByte: return ftInteger;
    case varInt64: return ftLargeint;
    case varDouble: return ftFloat;
    case varCurrency: return ftCurrency;
    case varDate: return ftDateTime;
    case varBoolean: return ftBoolean;
    case varString: return ftString;
    default: return ftUnknown;
    }
}

} // namespace

void TParam::SetValue(const Variant& v) {
    value_ = v;
    if (dataType_ == ftUnknown) dataType_ = TypeOfValue(v);
    bound_ = true;
}

void TParam::Clear() {
    value_ = Null();
    bound_ = false;
}

void TParam::SetAsString(const std::string& s) {
    if (dataType_ == ftUnknown) dataType_ = ftString;
    SetValue(Variant(s));
}

int TParam::AsInteger() const { return IsNull() ? 0 : value_.AsInteger(); }
void TParam::SetAsInteger(int v) {
    if (dataType_ == ftUnknown) dataType_ = ftInteger;
    SetValue(Variant(v));
}
double TParam::AsFloat() const { return IsNull() ? 0.0 : value_.AsDouble(); }
void TParam::SetAsFloat(double v) {
    if (dataType_ == ftUnknown) dataType_ = ftFloat;
    SetValue(Variant(v));
}
TDateTime TParam::AsDateTime() const { return IsNull() ? TDateTime() : value_.AsDateTime(); }
void TParam::SetAsDateTime(TDateTime v) {
    if (dataType_ == ftUnknown) dataType_ = ftDateTime;
    SetValue(Variant(v));
}

void TParam::AssignField(const TField* field) {
    dataType_ = field->DataType();
    size_ = field->Size();
    value_ = field->AsVariant();
    bound_ = true;
}

void TParam::Assign(const TParam& o) {
    name_ = o.name_;
    dataType_ = o.dataType_;
    paramType_ = o.paramType_;
    size_ = o.size_;
    precision_ = o.precision_;
    scale_ = o.scale_;
    bound_ = o.bound_;
    value_ = o.value_;
}

TParam& TParams::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", index));
    return *items_[static_cast<std::size_t>(index)];
}

TParam& TParams::Add(const std::string& name, TFieldType type, TParamType paramType) {
    items_.push_back(std::make_unique<TParam>(name, type, paramType));
    return *items_.back();
}

void TParams::Delete(int index) {
    Items(index);
    items_.erase(items_.begin() + index);
}

TParam* TParams::FindParam(const std::string& name) const {
    for (const auto& p : items_)
        if (SameText(p->Name(), name)) return p.get();
    return nullptr;
}

TParam& TParams::ParamByName(const std::string& name) const {
    TParam* p = FindParam(name);
    if (!p) DatabaseError(Format(dbconsts::SParamNotFound, name));
    return *p;
}

void TParams::Assign(const TParams& other) {
    if (&other == this) return;
    items_.clear();
    for (const auto& p : other.items_) {
        items_.push_back(std::make_unique<TParam>());
        items_.back()->Assign(*p);
    }
}

void TParams::AssignValues(const TParams& other) {
    for (const auto& p : other.items_)
        if (TParam* mine = FindParam(p->Name())) mine->Assign(*p);
}

std::vector<std::string> TParams::ParseSQL(const std::string& sql, bool createParams) {
    std::vector<std::string> names;
    char quote = 0;
    for (std::size_t i = 0; i < sql.size(); ++i) {
        const char c = sql[i];
        if (quote) {
            if (c == quote) quote = 0;
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
            continue;
        }
        if (c != ':' || i + 1 >= sql.size()) continue;
        // "::" is a cast in some dialects, not a parameter.
        if (sql[i + 1] == ':') { ++i; continue; }
        std::size_t j = i + 1;
        while (j < sql.size() && (std::isalnum(static_cast<unsigned char>(sql[j])) || sql[j] == '_' || sql[j] == '$')) ++j;
        if (j == i + 1) continue;
        const std::string name = sql.substr(i + 1, j - i - 1);
        names.push_back(name);
        if (createParams && !FindParam(name)) Add(name);
        i = j - 1;
    }
    return names;
}

} // namespace tv
