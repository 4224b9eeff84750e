#include "skin/titlebuttons.h"

#include "skin/skinprovider.h"

namespace tv {

TsTitleIcon::TsTitleIcon() : glyph_(std::make_unique<TBitmap>()) {}
TsTitleIcon::~TsTitleIcon() = default;

void TsTitleIcon::Publish(TPublisher& p) {
    p.Object("Glyph", &TsTitleIcon::Glyph, &TsTitleIcon::SetGlyph);
    p.Integer("Height", &TsTitleIcon::Height, &TsTitleIcon::SetHeight).Default(0);
    p.Integer("Width", &TsTitleIcon::Width, &TsTitleIcon::SetWidth).Default(0);
}

void TsTitleIcon::Assign(TPersistent* source) {
    if (auto* s = dynamic_cast<TsTitleIcon*>(source)) {
        glyph_->Assign(s->glyph_.get());
        width_ = s->width_;
        height_ = s->height_;
        return;
    }
    TPersistent::Assign(source);
}

TsTitleButton::TsTitleButton(TCollection* collection)
    : TCollectionItem(collection), glyph_(std::make_unique<TBitmap>()) {}
TsTitleButton::~TsTitleButton() = default;

void TsTitleButton::Publish(TPublisher& p) {
    p.Boolean("Enabled", &TsTitleButton::Enabled, &TsTitleButton::SetEnabled).Default(true);
    p.Object("Glyph", &TsTitleButton::Glyph, &TsTitleButton::SetGlyph);
    p.String("Name", &TsTitleButton::Name, &TsTitleButton::SetName);
    p.Boolean("UseSkinData", &TsTitleButton::UseSkinData, &TsTitleButton::SetUseSkinData).Default(true);
    p.Event("OnMouseDown", &TsTitleButton::OnMouseDown);
    p.Event("OnMouseUp", &TsTitleButton::OnMouseUp);
}

void TsTitleButton::Assign(TPersistent* source) {
    if (auto* s = dynamic_cast<TsTitleButton*>(source)) {
        enabled_ = s->enabled_;
        glyph_->Assign(s->glyph_.get());
        name_ = s->name_;
        useSkinData_ = s->useSkinData_;
        OnMouseDown = s->OnMouseDown;
        OnMouseUp = s->OnMouseUp;
        return;
    }
    TCollectionItem::Assign(source);
}

TsTitleButtons::TsTitleButtons(TsSkinProvider* owner) : TOwnedCollection(owner, TsTitleButton::StaticClass()) {}

} // namespace tv
