#pragma once
// TDBRadioGroup: a framed group of radio buttons bound to a field. Item i
// stands for Values[i] (or Items[i] when Values is shorter); the field's
// value checks its item, and picking an item writes its value back when
// the field may change.
#include <memory>
#include <vector>

#include "core/stringlist.h"
#include "framework/data/fielddatalink.h"
#include "framework/ui/checkcontrols.h"

namespace tv {

class TDataSource;

class TDBRadioGroup : public TGroupBox {
    TV_CLASS(TDBRadioGroup, TGroupBox)
public:
    explicit TDBRadioGroup(TComponent* owner = nullptr);
    ~TDBRadioGroup() override;
    static void Publish(TPublisher& p);

    TDataSource* DataSource() const { return link_->DataSource(); }
    void SetDataSource(TDataSource* v);
    const std::string& DataField() const { return link_->FieldName(); }
    void SetDataField(const std::string& v) { link_->SetFieldName(v); }
    bool ReadOnly() const { return link_->ReadOnly(); }
    void SetReadOnly(bool v) { link_->SetReadOnly(v); }
    TStrings* Items() const { return items_.get(); }
    void SetItems(TStrings* v);
    TStrings* Values() const { return values_.get(); }
    void SetValues(TStrings* v) { values_->Assign(v); }
    int ItemIndex() const { return index_; }
    // The value of the checked item ("" when none).
    std::string Value() const;
    TRadioButton* Button(int i) const { return buttons_.at(size_t(i)); }

    void Dispatch(Message& msg) override;

protected:
    void Resize() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Rebuild();
    void Layout();
    void SetIndex(int i);
    std::string ValueOf(int i) const;
    void DataChange();
    void Picked(int i);
    std::unique_ptr<TFieldDataLink> link_;
    std::unique_ptr<TStringList> items_, values_;
    std::vector<TRadioButton*> buttons_;
    int index_ = -1;
    bool updating_ = false;
};

} // namespace tv
