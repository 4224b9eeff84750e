#include "editors/editbuttons.h"

#include "framework/ui/controls.h"
#include "framework/ui/picture.h"
#include "platform/window/input.h"

namespace tv {

namespace {
constexpr TShortCut kAltDown = scAlt | win::VK_DOWN;
} // namespace

TEditButtonEh::TEditButtonEh(TWinControl* editor) : TCollectionItem(nullptr), editor_(editor) {}

TEditButtonEh::TEditButtonEh(TCollection* collection) : TCollectionItem(collection) {
    if (collection) {
        collection->BeginUpdate();
        collection->EndUpdate();
    }
}

TEditButtonEh::~TEditButtonEh() = default;

void TEditButtonEh::Publish(TPublisher& p) {
    p.Component("DropdownMenu", &TEditButtonEh::DropdownMenu, &TEditButtonEh::SetDropdownMenu);
    p.Object("Glyph", &TEditButtonEh::GetGlyph, &TEditButtonEh::SetGlyph)
        .StoredIf([](TObject* o) { return !static_cast<TEditButtonEh*>(o)->GetGlyph()->Empty(); });
    p.String("Hint", &TEditButtonEh::Hint, &TEditButtonEh::SetHint);
    p.Integer("NumGlyphs", &TEditButtonEh::NumGlyphs, &TEditButtonEh::SetNumGlyphs).Default(1);
    p.Integer("ShortCut", &TEditButtonEh::ShortCut, &TEditButtonEh::SetShortCut).Default(0);
    p.Enum("Style", &TEditButtonEh::Style, &TEditButtonEh::SetStyle, TEditButtonStyleEhInfo).Default(ebsDropDownEh);
    p.Boolean("Visible", &TEditButtonEh::Visible, &TEditButtonEh::SetVisible).Default(false);
    p.Integer("Width", &TEditButtonEh::Width, &TEditButtonEh::SetWidth).Default(0);
}

TBitmap* TEditButtonEh::GetGlyph() const {
    if (!glyph_) {
        glyph_ = std::make_unique<TBitmap>();
        glyph_->SetTransparent(true);
    }
    return glyph_.get();
}

void TEditButtonEh::EditButtonChanged() {
    if (OnChanged) {
        OnChanged(this);
    } else if (Collection()) {
        Changed(false);
    }
}

void TEditButtonEh::SetGlyph(TBitmap* v) {
    GetGlyph()->Assign(v);
    EditButtonChanged();
}

void TEditButtonEh::SetHint(const std::string& v) {
    if (hint_ == v) return;
    hint_ = v;
    EditButtonChanged();
}

void TEditButtonEh::SetNumGlyphs(int v) {
    v = v < 1 ? 1 : v > 4 ? 4 : v;
    if (numGlyphs_ == v) return;
    numGlyphs_ = v;
    EditButtonChanged();
}

void TEditButtonEh::SetStyle(TEditButtonStyleEh v) {
    if (style_ == v) return;
    style_ = v;
    EditButtonChanged();
}

void TEditButtonEh::SetVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    EditButtonChanged();
}

void TEditButtonEh::SetWidth(int v) {
    if (width_ == v) return;
    width_ = v;
    EditButtonChanged();
}

void TEditButtonEh::Assign(TPersistent* source) {
    auto* b = dynamic_cast<TEditButtonEh*>(source);
    if (!b) {
        TCollectionItem::Assign(source);
        return;
    }
    SetDropdownMenu(b->DropdownMenu());
    SetGlyph(b->GetGlyph());
    SetHint(b->Hint());
    SetNumGlyphs(b->NumGlyphs());
    SetShortCut(b->ShortCut());
    SetStyle(b->Style());
    SetVisible(b->Visible());
    SetWidth(b->Width());
    OnClick = b->OnClick;
    OnDown = b->OnDown;
}

TEditButtonControlEh* TEditButtonEh::CreateEditButtonControl() {
    auto* c = new TEditButtonControlEh(editor_);
    c->SetControlStyle(c->ControlStyle() + TControlStyle{csReplicatable});
    c->SetWidth(10);
    c->SetHeight(17);
    c->SetVisible(true);
    c->SetTransparent(false);
    c->SetParent(editor_);
    return c;
}

TVisibleEditButtonEh::TVisibleEditButtonEh(TWinControl* editor) : TEditButtonEh(editor) {
    visible_ = true;
    shortCut_ = kAltDown;
}

TVisibleEditButtonEh::TVisibleEditButtonEh(TCollection* collection) : TEditButtonEh(collection) {
    visible_ = true;
    shortCut_ = kAltDown;
}

void TVisibleEditButtonEh::Publish(TPublisher& p) {
    p.Integer("ShortCut", &TEditButtonEh::ShortCut, &TEditButtonEh::SetShortCut).Default(int(kAltDown));
    p.Boolean("Visible", &TEditButtonEh::Visible, &TEditButtonEh::SetVisible).Default(true);
}

TEditButtonsEh::TEditButtonsEh(TPersistent* owner, TClass itemClass) : TCollection(itemClass), owner_(owner) {}

void TEditButtonsEh::Update(TCollectionItem* item) {
    TCollection::Update(item);
    if (OnChanged) OnChanged(item);
}

} // namespace tv
