#pragma once
// TField: one column of a dataset's current record. A field reads and writes
// the value in the dataset's active record buffer; the dataset decides which
// buffer that is (the current row, the row being calculated or filtered).
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/bcd.h"
#include "core/component.h"
#include "core/currency.h"
#include "core/datetime.h"
#include "core/variant.h"
#include "framework/data/dbtypes.h"

namespace tv {

class TDataSet;
class TField;

using TFieldNotifyEvent = std::function<void(TField* sender)>;
using TFieldGetTextEvent = std::function<void(TField* sender, std::string& text, bool displayText)>;
using TFieldSetTextEvent = std::function<void(TField* sender, const std::string& text)>;

class TField : public TComponent {
    TV_CLASS(TField, TComponent)
public:
    static void Publish(TPublisher& p);
    explicit TField(TComponent* owner = nullptr);
    ~TField() override;

    // The dataset the field belongs to; setting it adds the field to that
    // dataset's field list (the dataset must be closed).
    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* dataSet);

    const std::string& FieldName() const { return fieldName_; }
    void SetFieldName(const std::string& name);
    // DisplayLabel reads as the field name until set.
    std::string DisplayLabel() const { return displayLabel_.empty() ? fieldName_ : displayLabel_; }
    void SetDisplayLabel(const std::string& s);
    std::string DisplayName() const { return DisplayLabel(); }
    int DisplayWidth() const { return displayWidth_ > 0 ? displayWidth_ : DefaultDisplayWidth(); }
    void SetDisplayWidth(int w);
    const std::string& DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const std::string& f);
    const std::string& EditFormat() const { return editFormat_; }
    void SetEditFormat(const std::string& f) { editFormat_ = f; }
    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(const std::string& m) { editMask_ = m; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    bool Required() const { return required_; }
    void SetRequired(bool v) { required_ = v; }
    int Size() const { return size_; }
    void SetSize(int s);
    int Precision() const { return precision_; }
    void SetPrecision(int p) { precision_ = p; }
    bool Currency() const { return currency_; }
    void SetCurrency(bool c);
    const std::string& Origin() const { return origin_; }
    void SetOrigin(const std::string& o) { origin_ = o; }
    TProviderFlags ProviderFlags() const { return providerFlags_; }
    void SetProviderFlags(TProviderFlags f) { providerFlags_ = f; }
    // Position in the dataset's field list.
    int Index() const;
    void SetIndex(int index);
    TFieldKind FieldKind() const { return fieldKind_; }
    void SetFieldKind(TFieldKind k);
    bool Calculated() const { return fieldKind_ == fkCalculated; }
    bool Lookup() const { return fieldKind_ == fkLookup; }
    TFieldType DataType() const { return dataType_; }
    // 1-based number of the field definition it is bound to; 0 for calculated
    // and lookup fields.
    int FieldNo() const { return fieldNo_; }
    bool IsIndexField() const;
    bool CanModify() const;

    // Lookup fields.
    const std::string& KeyFields() const { return keyFields_; }
    void SetKeyFields(const std::string& s) { keyFields_ = s; }
    TDataSet* LookupDataSet() const { return lookupDataSet_; }
    void SetLookupDataSet(TDataSet* ds);
    const std::string& LookupKeyFields() const { return lookupKeyFields_; }
    void SetLookupKeyFields(const std::string& s) { lookupKeyFields_ = s; }
    const std::string& LookupResultField() const { return lookupResultField_; }
    void SetLookupResultField(const std::string& s) { lookupResultField_ = s; }

    // Values. Reading a field without a current record gives Null (0, false,
    // the empty text). Writing needs the dataset in edit or insert mode.
    Variant Value() const { return AsVariant(); }
    void SetValue(const Variant& v) { SetAsVariant(v); }
    virtual Variant AsVariant() const;
    virtual void SetAsVariant(const Variant& v);
    virtual std::string AsString() const;
    virtual void SetAsString(const std::string& s);
    virtual int AsInteger() const;
    virtual void SetAsInteger(int v);
    virtual std::int64_t AsLargeInt() const;
    virtual void SetAsLargeInt(std::int64_t v);
    virtual double AsFloat() const;
    virtual void SetAsFloat(double v);
    virtual tv::Currency AsCurrency() const;
    virtual void SetAsCurrency(tv::Currency v);
    virtual TBcd AsBCD() const;
    virtual void SetAsBCD(const TBcd& v);
    virtual bool AsBoolean() const;
    virtual void SetAsBoolean(bool v);
    virtual TDateTime AsDateTime() const;
    virtual void SetAsDateTime(TDateTime v);
    bool IsNull() const;
    void Clear() { SetAsVariant(Null()); }
    // The value before the current edit (the change log's original for a
    // client dataset), and the value being written during OnValidate.
    Variant OldValue() const;
    Variant NewValue() const;

    // Text for editing and for display: OnGetText when assigned, else the
    // field's own conversion (DisplayFormat / EditFormat).
    std::string Text() const { return GetTextEvent(false); }
    void SetText(const std::string& s);
    std::string DisplayText() const { return GetTextEvent(true); }
    // Whether a typed character may go into this field.
    virtual bool IsValidChar(char32_t c) const;
    bool IsBlob() const { return IsBlobType(dataType_); }

    // Asks the data-aware control showing this field to take the focus.
    void FocusControl();

    // In a stored definition a field is written inside its dataset.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

    TFieldNotifyEvent OnChange;
    TFieldNotifyEvent OnValidate;
    TFieldGetTextEvent OnGetText;
    TFieldSetTextEvent OnSetText;

    // --- used by the dataset -------------------------------------------------
    // Slot of the field's value in a record buffer.
    int Slot() const { return slot_; }
    void Bind(int fieldNo, int slot) { fieldNo_ = fieldNo; slot_ = slot; }
    // Turns a value into the field's stored form; raises EDatabaseError when it
    // does not convert or is out of range.
    virtual Variant Normalize(const Variant& v) const;
    // Runs OnValidate with `value` as the value the field reads meanwhile.
    void Validate(const Variant& value);
    void Change();
    bool Validating() const { return validating_; }
    const Variant& ValidatingValue() const { return validatingValue_; }
    bool IsDefaultField() const { return defaultField_; }
    void SetDefaultField(bool v) { defaultField_ = v; }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void SetDataType(TFieldType t) { dataType_ = t; }
    virtual int DefaultDisplayWidth() const { return size_ > 0 ? size_ : 10; }
    virtual std::string GetText(bool displayText) const;
    // The raw stored value (Null when there is no record).
    Variant GetData() const;
    void SetData(const Variant& v);
    [[noreturn]] void ConvertError(const std::string& typeName) const;
    [[noreturn]] void RangeError(double value, double min, double max) const;
    void PropertyChanged(bool layout);

private:
    friend class TDataSet;
    std::string GetTextEvent(bool display) const;

    TDataSet* dataSet_ = nullptr;
    std::string fieldName_, displayLabel_, displayFormat_, editFormat_, editMask_, origin_;
    int displayWidth_ = 0;
    TAlignment alignment_ = taLeftJustify;
    bool visible_ = true, readOnly_ = false, required_ = false, currency_ = false;
    int size_ = 0, precision_ = 0;
    TProviderFlags providerFlags_{pfInUpdate, pfInWhere};
    TFieldKind fieldKind_ = fkData;
    TFieldType dataType_ = ftUnknown;
    int fieldNo_ = 0, slot_ = -1;
    std::string keyFields_, lookupKeyFields_, lookupResultField_;
    TDataSet* lookupDataSet_ = nullptr;
    bool validating_ = false, defaultField_ = false;
    Variant validatingValue_;
};

} // namespace tv
