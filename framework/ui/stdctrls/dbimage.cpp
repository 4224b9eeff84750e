#include "framework/ui/stdctrls/dbimage.h"

#include "framework/data/datasource.h"
#include "framework/data/field.h"

namespace tv {

using namespace tv::win;

TDBImage::TDBImage(TComponent* owner)
    : TCustomControl(owner), link_(std::make_unique<TFieldDataLink>()), picture_(std::make_unique<TBitmap>()) {
    SetBounds(0, 0, 105, 105);
    link_->SetControl(this);
    link_->OnDataChange = [this](TObject*) { DataChange(); };
    link_->OnActiveChange = [this](TObject*) { DataChange(); };
}

TDBImage::~TDBImage() {
    link_->OnDataChange = link_->OnActiveChange = nullptr;
    link_->SetDataSource(nullptr);
}

void TDBImage::Publish(TPublisher& p) {
    p.Component("DataSource", &TDBImage::DataSource, &TDBImage::SetDataSource);
    p.String("DataField", &TDBImage::DataField, &TDBImage::SetDataField);
    p.Boolean("Stretch", &TDBImage::Stretch, &TDBImage::SetStretch).Default(false);
    p.Boolean("Center", &TDBImage::Center, &TDBImage::SetCenter).Default(true);
}

void TDBImage::SetDataSource(TDataSource* v) {
    link_->SetDataSource(v);
    if (v) v->FreeNotification(this);
    DataChange();
}

void TDBImage::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && link_ && component == link_->DataSource()) SetDataSource(nullptr);
}

void TDBImage::SetStretch(bool v) {
    stretch_ = v;
    Invalidate();
}

void TDBImage::SetCenter(bool v) {
    center_ = v;
    Invalidate();
}

void TDBImage::DataChange() {
    TField* f = link_->Field();
    bytes_ = f && f->IsBlob() && !f->IsNull() ? f->AsString() : std::string();
    decoded_ = false;
    Invalidate();
}

TBitmap* TDBImage::Picture() const {
    if (!decoded_) {
        decoded_ = true;
        picture_ = std::make_unique<TBitmap>();
        if (!bytes_.empty()) {
            try {
                picture_->LoadFromBytes(bytes_);
            } catch (const Exception&) {
                picture_ = std::make_unique<TBitmap>();
            }
        }
    }
    return picture_.get();
}

void TDBImage::Paint() {
    TCanvas* c = Canvas();
    RECT r = ClientRect();
    c->Brush()->SetColor(Color());
    c->FillRect(r);
    TBitmap* picture = Picture();
    if (picture->Empty()) return;
    RECT d;
    if (stretch_) {
        d = r;
    } else {
        int w = picture->Width(), h = picture->Height();
        int x = center_ ? (r.Width() - w) / 2 : 0, y = center_ ? (r.Height() - h) / 2 : 0;
        d = {x, y, x + w, y + h};
    }
    c->StretchDraw(d, picture);
}

} // namespace tv
