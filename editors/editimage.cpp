#include "editors/editimage.h"

#include "core/properties.h"
#include "framework/ui/controls.h"
#include "framework/ui/imagelist.h"

namespace tv {

TEditImageEh::TEditImageEh(TControl* editor) : editor_(editor) {}

void TEditImageEh::Publish(TPublisher& p) {
    p.Integer("ImageIndex", &TEditImageEh::ImageIndex, &TEditImageEh::SetImageIndex).Default(-1);
    p.Component("Images", &TEditImageEh::Images, &TEditImageEh::SetImages);
    p.Boolean("UseImageHeight", &TEditImageEh::UseImageHeight, &TEditImageEh::SetUseImageHeight).Default(true);
    p.Boolean("Visible", &TEditImageEh::Visible, &TEditImageEh::SetVisible).Default(false);
    p.Integer("Width", &TEditImageEh::Width, &TEditImageEh::SetWidth).Default(0);
}

void TEditImageEh::Notify() {
    if (editor_) editor_->Perform(WM_EDITIMAGECHANGED_EH, 0, 0);
}

void TEditImageEh::SetImageIndex(int v) {
    if (imageIndex_ == v) return;
    imageIndex_ = v;
    if (editor_) editor_->Invalidate();
}

void TEditImageEh::SetImages(TCustomImageList* v) {
    if (images_ == v) return;
    images_ = v;
    if (!editor_) return;
    editor_->Perform(WM_EDITIMAGECHANGED_EH, reinterpret_cast<win::WPARAM>(v), 0);
    if (v) v->FreeNotification(editor_);
}

void TEditImageEh::SetUseImageHeight(bool v) {
    if (useImageHeight_ == v) return;
    useImageHeight_ = v;
    Notify();
}

void TEditImageEh::SetVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    Notify();
}

void TEditImageEh::SetWidth(int v) {
    if (width_ == v) return;
    width_ = v;
    Notify();
}

void TEditImageEh::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TEditImageEh*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    SetImages(s->Images());
    SetImageIndex(s->ImageIndex());
    SetVisible(s->Visible());
    SetWidth(s->Width());
}

} // namespace tv
