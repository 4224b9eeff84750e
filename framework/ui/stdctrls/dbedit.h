#pragma once
// TDBEdit: a masked edit bound to one field. It shows the field's display
// text, and its edit text while focused; typing puts the dataset into edit
// mode when the field may change (otherwise the key is refused); leaving
// writes the text back, and a value the field refuses keeps the focus here.
#include <memory>

#include "framework/data/fielddatalink.h"
#include "framework/ui/stdctrls/maskedit.h"

namespace tv {

class TDataSource;

class TDBEdit : public TCustomMaskEdit {
    TV_CLASS(TDBEdit, TCustomMaskEdit)
public:
    explicit TDBEdit(TComponent* owner = nullptr);
    ~TDBEdit() override;
    static void Publish(TPublisher& p);

    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* v);
    const std::string& DataField() const { return link_->FieldName(); }
    void SetDataField(const std::string& v) { link_->SetFieldName(v); }
    TField* Field() const { return link_->Field(); }
    bool ReadOnly() const { return link_->ReadOnly(); }
    void SetReadOnly(bool v);
    TFieldDataLink* DataLink() const { return link_.get(); }

    void Dispatch(Message& msg) override;

protected:
    bool EditCanModify() override;
    void Reset() override;
    void Change() override;
    void KeyDown(win::WORD& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoEnter() override;
    void DoExit() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void DataChange();
    void EditingChange();
    void UpdateData();
    void SetFocused(bool v);
    std::unique_ptr<TFieldDataLink> link_;
    bool focused_ = false;
    bool loading_ = false;
};

} // namespace tv
