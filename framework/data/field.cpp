#include "framework/data/field.h"

#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/data/dataset.h"
#include "framework/data/dbconsts.h"
#include "framework/data/dberror.h"

namespace tv {

TField::TField(TComponent* owner) : TComponent(owner) {}

TField::~TField() {
    if (dataSet_) {
        dataSet_->Fields().Remove(this);
        if (!dataSet_->ComponentState().Contains(csDestroying)) dataSet_->FieldListChanged();
    }
    if (lookupDataSet_) lookupDataSet_->RemoveFreeNotification(this);
}

void TField::SetDataSet(TDataSet* dataSet) {
    if (dataSet == dataSet_) return;
    if (dataSet_) dataSet_->CheckInactive();
    if (dataSet) {
        dataSet->CheckInactive();
        dataSet->Fields().Add(this);
    }
    if (dataSet_) {
        dataSet_->Fields().Remove(this);
        dataSet_->FieldListChanged();
    }
    dataSet_ = dataSet;
    if (dataSet_) dataSet_->FieldListChanged();
}

TComponent* TField::GetParentComponent() const { return dataSet_; }

void TField::SetParentComponent(TComponent* parent) {
    if (auto* ds = dynamic_cast<TDataSet*>(parent)) SetDataSet(ds);
}

void TField::SetFieldName(const std::string& name) {
    if (dataSet_ && name != fieldName_ && !SameText(name, fieldName_) && dataSet_->FindField(name))
        DatabaseError(Format(dbconsts::SDuplicateFieldName, name), dataSet_);
    fieldName_ = name;
}

void TField::SetDisplayLabel(const std::string& s) {
    displayLabel_ = s == fieldName_ ? std::string() : s;
    PropertyChanged(true);
}

void TField::SetDisplayWidth(int w) {
    displayWidth_ = w;
    PropertyChanged(true);
}

void TField::SetDisplayFormat(const std::string& f) {
    displayFormat_ = f;
    PropertyChanged(false);
}

void TField::SetAlignment(TAlignment a) {
    alignment_ = a;
    PropertyChanged(false);
}

void TField::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    PropertyChanged(true);
}

void TField::SetSize(int s) {
    if (dataSet_) dataSet_->CheckInactive();
    size_ = s;
}

void TField::SetCurrency(bool c) {
    currency_ = c;
    PropertyChanged(false);
}

int TField::Index() const { return dataSet_ ? dataSet_->Fields().IndexOf(this) : -1; }

void TField::SetIndex(int index) {
    if (!dataSet_) return;
    dataSet_->Fields().Move(this, index);
    dataSet_->FieldListChanged();
}

void TField::SetFieldKind(TFieldKind k) {
    if (dataSet_) dataSet_->CheckInactive();
    fieldKind_ = k;
}

bool TField::IsIndexField() const { return dataSet_ && dataSet_->FieldIsIndexed(this); }

bool TField::CanModify() const {
    if (readOnly_ || !dataSet_ || !dataSet_->CanModify()) return false;
    if (fieldKind_ == fkCalculated || fieldKind_ == fkAggregate) return false;
    if (fieldKind_ == fkLookup) {
        if (!lookupDataSet_) return false;
        for (TField* f : dataSet_->GetFieldList(keyFields_))
            if (!f->CanModify()) return false;
    }
    return true;
}

void TField::SetLookupDataSet(TDataSet* ds) {
    if (ds == lookupDataSet_) return;
    if (lookupDataSet_) lookupDataSet_->RemoveFreeNotification(this);
    lookupDataSet_ = ds;
    if (ds) ds->FreeNotification(this);
}

void TField::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == lookupDataSet_) lookupDataSet_ = nullptr;
}

Variant TField::GetData() const {
    if (validating_) return validatingValue_;
    Variant v;
    if (!dataSet_ || !dataSet_->GetFieldData(this, v)) return Null();
    return v;
}

void TField::SetData(const Variant& v) {
    if (!dataSet_) DatabaseError(Format(dbconsts::SFieldValueError, DisplayName()));
    dataSet_->SetFieldData(this, Normalize(v));
}

Variant TField::AsVariant() const { return GetData(); }
void TField::SetAsVariant(const Variant& v) { SetData(v); }

std::string TField::AsString() const {
    const Variant v = GetData();
    if (v.IsNull() || v.IsEmpty()) return {};
    return VarToStr(v);
}

void TField::SetAsString(const std::string& s) { SetAsVariant(Variant(s)); }

void TField::ConvertError(const std::string& typeName) const {
    DatabaseError(Format(dbconsts::SInvalidValueConversion, DisplayName(), typeName));
}

void TField::RangeError(double value, double min, double max) const {
    DatabaseError(Format(dbconsts::SFieldRangeError, FloatToStr(value), DisplayName(), FloatToStr(min), FloatToStr(max)));
}

// Reading converts the stored value; a value that cannot become the asked
// type is a database error naming the field.
#define TV_FIELD_READ(Type, Expr, Name, Zero)            \
    {                                                    \
        const Variant v = GetData();                     \
        if (v.IsNull() || v.IsEmpty()) return Zero;      \
        try {                                            \
            return Expr;                                 \
        } catch (const EDatabaseError&) {                \
            throw;                                       \
        } catch (const Exception&) {                     \
            ConvertError(Name);                          \
        }                                                \
    }

int TField::AsInteger() const TV_FIELD_READ(int, v.AsInteger(), "Integer", 0)
std::int64_t TField::AsLargeInt() const TV_FIELD_READ(std::int64_t, v.AsInt64(), "Largeint", 0)
double TField::AsFloat() const TV_FIELD_READ(double, v.AsDouble(), "Float", 0.0)
tv::Currency TField::AsCurrency() const TV_FIELD_READ(tv::Currency, v.AsCurrency(), "Currency", tv::Currency())
bool TField::AsBoolean() const TV_FIELD_READ(bool, v.AsBoolean(), "Boolean", false)
TDateTime TField::AsDateTime() const TV_FIELD_READ(TDateTime, v.AsDateTime(), "DateTime", TDateTime())
TBcd TField::AsBCD() const TV_FIELD_READ(TBcd, v.VarType() == varCurrency ? CurrToBcd(v.AsCurrency()) : DoubleToBcd(v.AsDouble()), "BCD", TBcd())

#undef TV_FIELD_READ

void TField::SetAsInteger(int v) { SetAsVariant(Variant(v)); }
void TField::SetAsLargeInt(std::int64_t v) { SetAsVariant(Variant(static_cast<long long>(v))); }
void TField::SetAsFloat(double v) { SetAsVariant(Variant(v)); }
void TField::SetAsCurrency(tv::Currency v) { SetAsVariant(Variant(v)); }
void TField::SetAsBCD(const TBcd& v) { SetAsVariant(Variant(BcdToDouble(v))); }
void TField::SetAsBoolean(bool v) { SetAsVariant(Variant(v)); }
void TField::SetAsDateTime(TDateTime v) { SetAsVariant(Variant(v)); }

bool TField::IsNull() const {
    const Variant v = GetData();
    return v.IsNull() || v.IsEmpty();
}

Variant TField::OldValue() const { return dataSet_ ? dataSet_->GetFieldOldValue(this) : Null(); }
Variant TField::NewValue() const { return GetData(); }

void TField::SetText(const std::string& s) {
    if (OnSetText)
        OnSetText(this, s);
    else
        SetAsString(s);
}

std::string TField::GetTextEvent(bool display) const {
    if (OnGetText) {
        std::string text;
        OnGetText(const_cast<TField*>(this), text, display);
        return text;
    }
    return GetText(display);
}

std::string TField::GetText(bool) const { return AsString(); }

bool TField::IsValidChar(char32_t c) const { return c >= 32; }

void TField::FocusControl() {
    if (!dataSet_ || !dataSet_->Active()) return;
    TField* ref = this;
    dataSet_->DataEvent(deFocusControl, reinterpret_cast<std::intptr_t>(&ref));
}

Variant TField::Normalize(const Variant& v) const { return v; }

void TField::Validate(const Variant& value) {
    if (!OnValidate) return;
    struct Guard {
        TField* f;
        ~Guard() { f->validating_ = false; f->validatingValue_ = Variant(); }
    } guard{this};
    validatingValue_ = value;
    validating_ = true;
    OnValidate(this);
}

void TField::Change() {
    if (OnChange) OnChange(this);
}

void TField::PropertyChanged(bool layout) {
    if (dataSet_ && dataSet_->Active()) dataSet_->DataEvent(layout ? deLayoutChange : deDataSetChange, 0);
}

} // namespace tv
