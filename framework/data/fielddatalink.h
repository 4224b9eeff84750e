#pragma once
// TFieldDataLink: the link of a control that shows and edits one field.
#include <functional>
#include <string>

#include "framework/data/datalink.h"

namespace tv {

class TComponent;

class TFieldDataLink : public TDataLink {
    TV_CLASS(TFieldDataLink, TDataLink)
public:
    TFieldDataLink();

    TField* Field() const { return field_; }
    const std::string& FieldName() const { return fieldName_; }
    // Resolves the name at once on an active link (unknown names raise the
    // dataset's field-not-found error).
    void SetFieldName(const std::string& name);
    TComponent* Control() const { return control_; }
    void SetControl(TComponent* c) { control_ = c; }
    // Editing here means the dataset edits and this field may change.
    bool Editing() const { return editing_; }
    bool CanModify() const;
    bool IsModified() const { return modified_; }
    // The control's text changed and must be written on UpdateData.
    void Modified() { modified_ = true; }
    // Throws away the control's change and shows the field again.
    void Reset();
    // Puts the dataset into edit mode when the field may change; returns Editing.
    bool Edit();

    std::function<void(TObject* sender)> OnDataChange, OnEditingChange, OnUpdateData, OnActiveChange;
    // Asked to give its control the focus (a required field was missing...).
    std::function<void(TObject* sender)> OnFocusControl;

protected:
    void ActiveChanged() override;
    void EditingChanged() override;
    void FocusControl(TField*& field) override;
    void LayoutChanged() override;
    void RecordChanged(TField* field) override;
    void UpdateData() override;

private:
    void UpdateField();
    void SetEditingState(bool v);

    TField* field_ = nullptr;
    std::string fieldName_;
    TComponent* control_ = nullptr;
    bool editing_ = false, modified_ = false;
};

} // namespace tv
