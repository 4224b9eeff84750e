#pragma once
// The data link of every data-aware editor: to one field, to several fields
// named in a ";" list, or, with neither data source nor field name, to a
// value of its own so that the editor also works unbound.
#include <functional>
#include <string>
#include <vector>

#include "core/variant.h"
#include "framework/data/datalink.h"

namespace tv {

class TComponent;

class TFieldDataLinkEh : public TDataLink {
    TV_CLASS(TFieldDataLinkEh, TDataLink)
public:
    TFieldDataLinkEh();

    const std::string& FieldName() const { return fieldName_; }
    void AssignFieldName(const std::string& name);
    bool MultiFields() const { return multiFields_; }
    void AllowSeveralFields(bool v);
    TComponent* Control() const { return control_; }
    void SetControl(TComponent* c) { control_ = c; }
    void AssignDataSource(TDataSource* source);

    bool DataIndependent() const { return dataIndependent_; }
    const Variant& UnboundValue() const { return unboundValue_; }
    // The link's own editing state.
    bool Editing() const { return editing_; }
    bool Modified() const { return modified_; }

    TField* FirstField() const { return fields_.empty() ? nullptr : fields_.front(); }
    int FieldsCount() const { return int(fields_.size()); }
    TField* FieldAt(int index) const;
    bool FieldFound(const TField* field) const;
    const std::vector<TField*>& Fields() const { return fields_; }

    bool IsLinkActive() const;
    bool IsDataSetOpen() const;
    bool CanModify() const;
    bool BeginFieldEdit();
    void SetText(const std::string& text);
    void SetValue(const Variant& value);
    void MarkModified() { modified_ = true; }
    void SetModifiedFlag(bool v) { modified_ = v; }
    void ReloadControl() { RecordChanged(nullptr); }
    void UpdateField();
    void UpdateDataIndependent();
    void UpdateRightToLeft();
    void SetEditing(bool v);
    void SetFields(const std::vector<TField*>& fields);

    void DataEvent(TDataEvent event, std::intptr_t info) override;

    std::function<void(TObject* sender)> OnDataChange;
    std::function<void(TObject* sender)> OnEditingChange;
    std::function<void(TObject* sender)> OnUpdateData;
    std::function<void(TObject* sender)> OnActiveChange;

protected:
    void ActiveChanged() override;
    void EditingChanged() override;
    void FocusControl(TField*& field) override;
    void LayoutChanged() override;
    void RecordChanged(TField* field) override;
    void UpdateData() override;

private:
    std::string fieldName_;
    TComponent* control_ = nullptr;
    bool multiFields_ = false;
    bool dataIndependent_ = true;
    Variant unboundValue_;
    bool editing_ = false, modified_ = false;
    std::vector<TField*> fields_;
};

} // namespace tv
