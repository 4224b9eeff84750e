#pragma once
// TDBText: a label that shows a field's display text and follows the
// dataset as it scrolls.
#include <memory>

#include "framework/data/fielddatalink.h"
#include "framework/ui/basiccontrols.h"

namespace tv {

class TDataSource;

class TDBText : public TLabel {
    TV_CLASS(TDBText, TLabel)
public:
    explicit TDBText(TComponent* owner = nullptr);
    ~TDBText() override;
    static void Publish(TPublisher& p);

    TDataSource* DataSource() const { return link_->DataSource(); }
    void SetDataSource(TDataSource* v);
    const std::string& DataField() const { return link_->FieldName(); }
    void SetDataField(const std::string& v) { link_->SetFieldName(v); }
    TField* Field() const { return link_->Field(); }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void DataChange();
    std::unique_ptr<TFieldDataLink> link_;
};

} // namespace tv
