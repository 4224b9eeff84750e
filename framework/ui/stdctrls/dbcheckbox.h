#pragma once
// TDBCheckBox: a check box bound to a field. A boolean field is checked
// when true; any other field when its text is one of ValueChecked's
// values ("S", or several separated by ';', without regard to case).
// Toggling edits the record only when the field may change.
#include <memory>

#include "framework/data/fielddatalink.h"
#include "framework/ui/checkcontrols.h"

namespace tv {

class TDataSource;

class TDBCheckBox : public TCheckBox {
    TV_CLASS(TDBCheckBox, TCheckBox)
public:
    explicit TDBCheckBox(TComponent* owner = nullptr);
    ~TDBCheckBox() override;
    static void Publish(TPublisher& p);

    TDataSource* DataSource() const { return link_->DataSource(); }
    void SetDataSource(TDataSource* v);
    const std::string& DataField() const { return link_->FieldName(); }
    void SetDataField(const std::string& v) { link_->SetFieldName(v); }
    TField* Field() const { return link_->Field(); }
    bool ReadOnly() const { return link_->ReadOnly(); }
    void SetReadOnly(bool v) { link_->SetReadOnly(v); }
    const std::string& ValueChecked() const { return valueChecked_; }
    void SetValueChecked(const std::string& v);
    const std::string& ValueUnchecked() const { return valueUnchecked_; }
    void SetValueUnchecked(const std::string& v);

    void Dispatch(Message& msg) override;

protected:
    void Toggle() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void DataChange();
    void UpdateData();
    std::unique_ptr<TFieldDataLink> link_;
    std::string valueChecked_ = "True", valueUnchecked_ = "False";
    bool loading_ = false;
};

} // namespace tv
