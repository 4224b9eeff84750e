#include "framework/data/fields.h"

#include <algorithm>

#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/data/dataset.h"
#include "framework/data/dbconsts.h"
#include "framework/data/field.h"
#include "framework/data/fields_blob.h"
#include "framework/data/fields_boolean.h"
#include "framework/data/fields_datetime.h"
#include "framework/data/fields_numeric.h"
#include "framework/data/fields_string.h"

namespace tv {

TField* TFields::Fields(int index) const {
    if (index < 0 || index >= Count()) DatabaseError(dbconsts::SFieldIndexError, dataSet_);
    return items_[static_cast<std::size_t>(index)];
}

TField* TFields::FindField(const std::string& name) const {
    for (TField* f : items_)
        if (SameText(f->FieldName(), name)) return f;
    return nullptr;
}

TField* TFields::FieldByName(const std::string& name) const {
    TField* f = FindField(name);
    if (!f) DatabaseError(Format(dbconsts::SFieldNotFound, name), dataSet_);
    return f;
}

int TFields::IndexOf(const TField* field) const {
    const auto it = std::find(items_.begin(), items_.end(), field);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TFields::Add(TField* field) {
    if (!field->FieldName().empty() && FindField(field->FieldName()))
        DatabaseError(Format(dbconsts::SDuplicateFieldName, field->FieldName()), dataSet_);
    items_.push_back(field);
}

void TFields::Remove(TField* field) {
    const auto it = std::find(items_.begin(), items_.end(), field);
    if (it != items_.end()) items_.erase(it);
}

void TFields::Move(TField* field, int index) {
    const int cur = IndexOf(field);
    if (cur < 0) return;
    index = std::clamp(index, 0, Count() - 1);
    items_.erase(items_.begin() + cur);
    items_.insert(items_.begin() + index, field);
}

TField* CreateDefaultField(TFieldType type, TComponent* owner) {
    switch (type) {
    case ftString: return new TStringField(owner);
    case ftFixedChar: { auto* f = new TStringField(owner); f->SetFixedChar(true); return f; }
    case ftWideString: return new TWideStringField(owner);
    case ftGuid: return new TGuidField(owner);
    case ftSmallint: return new TSmallintField(owner);
    case ftInteger: return new TIntegerField(owner);
    case ftWord: return new TWordField(owner);
    case ftAutoInc: return new TAutoIncField(owner);
    case ftLargeint: return new TLargeintField(owner);
    case ftBoolean: return new TBooleanField(owner);
    case ftFloat: return new TFloatField(owner);
    case ftCurrency: return new TCurrencyField(owner);
    case ftBCD: return new TBCDField(owner);
    case ftFMTBcd: return new TFMTBCDField(owner);
    case ftDate: return new TDateField(owner);
    case ftTime: return new TTimeField(owner);
    case ftDateTime: return new TDateTimeField(owner);
    case ftTimeStamp: return new TSQLTimeStampField(owner);
    case ftBytes: return new TBytesField(owner);
    case ftVarBytes: return new TVarBytesField(owner);
    case ftMemo:
    case ftOraClob: { auto* f = new TMemoField(owner); return f; }
    case ftGraphic: return new TGraphicField(owner);
    case ftBlob:
    case ftFmtMemo:
    case ftParadoxOle:
    case ftDBaseOle:
    case ftTypedBinary:
    case ftOraBlob: { auto* f = new TBlobField(owner); f->SetBlobType(type); return f; }
    case ftVariant: return new TVariantField(owner);
    default:
        DatabaseError(Format(dbconsts::SFieldTypeMismatch, "", "field type", FieldTypeName(type)));
    }
}

} // namespace tv
