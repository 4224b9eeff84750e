#pragma once
// TDBImage: the picture held in a blob field (BMP, PNG or JPEG), drawn
// stretched to the control or centred. Bytes that are no picture show
// nothing; the control does not fail because of them.
#include <memory>

#include "framework/data/fielddatalink.h"
#include "framework/ui/controls.h"
#include "framework/ui/picture.h"

namespace tv {

class TDataSource;

class TDBImage : public TCustomControl {
    TV_CLASS(TDBImage, TCustomControl)
public:
    explicit TDBImage(TComponent* owner = nullptr);
    ~TDBImage() override;
    static void Publish(TPublisher& p);

    TDataSource* DataSource() const { return link_->DataSource(); }
    void SetDataSource(TDataSource* v);
    const std::string& DataField() const { return link_->FieldName(); }
    void SetDataField(const std::string& v) { link_->SetFieldName(v); }
    TField* Field() const { return link_->Field(); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);
    // The picture shown; empty when the field holds none or no picture.
    // The field's bytes are decoded when first painted or asked for.
    TBitmap* Picture() const;

protected:
    void Paint() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void DataChange();
    std::unique_ptr<TFieldDataLink> link_;
    mutable std::unique_ptr<TBitmap> picture_;
    // The bytes the picture shows, and whether they are decoded yet.
    std::string bytes_;
    mutable bool decoded_ = true;
    bool stretch_ = false, center_ = true;
};

} // namespace tv
