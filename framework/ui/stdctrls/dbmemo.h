#pragma once
// TDBMemo: a memo bound to a memo or text field, written back on exit.
#include <memory>

#include "framework/data/fielddatalink.h"
#include "framework/ui/stdctrls/memo.h"

namespace tv {

class TDataSource;

class TDBMemo : public TCustomMemo {
    TV_CLASS(TDBMemo, TCustomMemo)
public:
    explicit TDBMemo(TComponent* owner = nullptr);
    ~TDBMemo() override;
    static void Publish(TPublisher& p);

    TDataSource* DataSource() const { return link_->DataSource(); }
    void SetDataSource(TDataSource* v);
    const std::string& DataField() const { return link_->FieldName(); }
    void SetDataField(const std::string& v) { link_->SetFieldName(v); }
    TField* Field() const { return link_->Field(); }
    bool ReadOnly() const { return link_->ReadOnly(); }
    void SetReadOnly(bool v);

    void Dispatch(Message& msg) override;

protected:
    void Change() override;
    void KeyDown(win::WORD& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoExit() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool EditCanModify() { return !link_->ReadOnly() && link_->Edit(); }
    void DataChange();
    std::unique_ptr<TFieldDataLink> link_;
    bool loading_ = false;
};

} // namespace tv
