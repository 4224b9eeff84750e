#include "components/fixtures.h"

#include "core/streams.h"

namespace fx {

std::vector<std::string>& Journal() {
    static std::vector<std::string> j;
    return j;
}

void TTestFont::Assign(tv::TPersistent* source) {
    if (auto* f = dynamic_cast<TTestFont*>(source)) {
        name_ = f->name_;
        height_ = f->height_;
        style_ = f->style_;
        return;
    }
    TPersistent::Assign(source);
}

void TTestItem::Assign(tv::TPersistent* source) {
    if (auto* i = dynamic_cast<TTestItem*>(source)) {
        caption_ = i->caption_;
        value_ = i->value_;
        return;
    }
    TCollectionItem::Assign(source);
}

TTestControl::TTestControl(tv::TComponent* owner)
    : TComponent(owner),
      font_(new TTestFont),
      lines_(new tv::TStringList),
      items_(new tv::TOwnedCollection(this, TTestItem::StaticClass())) {}

TTestControl::~TTestControl() {
    delete font_;
    delete lines_;
    delete items_;
}

void TTestControl::SetWidth(int v) {
    width_ = v;
    loadingWhenSet = ComponentState().Contains(tv::csLoading) && ComponentState().Contains(tv::csReading);
}

void TTestControl::SetBuddy(TTestControl* v) {
    if (buddy_ == v) return;
    if (buddy_) buddy_->RemoveFreeNotification(this);
    buddy_ = v;
    if (buddy_) buddy_->FreeNotification(this);
}

void TTestControl::Notification(tv::TComponent* component, tv::TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == tv::opRemove && component == buddy_) buddy_ = nullptr;
}

void TTestControl::Publish(tv::TPublisher& p) {
    p.Integer("Left", &TTestControl::Left, &TTestControl::SetLeft).Default(0).Scaled();
    p.Integer("Width", &TTestControl::Width, &TTestControl::SetWidth).Default(75).Scaled();
    p.String("Caption", &TTestControl::Caption, &TTestControl::SetCaption);
    p.Integer("Color", &TTestControl::Color, &TTestControl::SetColor).Default(-16777201).Idents(ColorIdents);
    p.Enum("Align", &TTestControl::Align, &TTestControl::SetAlign, AlignInfo).Default(alNone);
    p.Set("Anchors", &TTestControl::Anchors, &TTestControl::SetAnchors, AnchorInfo).Default(TAnchors{akLeft, akTop});
    p.Boolean("Enabled", &TTestControl::Enabled, &TTestControl::SetEnabled).Default(true);
    p.Char("Accel", &TTestControl::Accel, &TTestControl::SetAccel).Default(0);
    p.Object("Font", &TTestControl::Font, &TTestControl::SetFont);
    p.Strings("Lines", &TTestControl::Lines, &TTestControl::SetLines);
    p.Collection("Items", &TTestControl::Items, &TTestControl::SetItems);
    p.Component("Buddy", &TTestControl::Buddy, &TTestControl::SetBuddy);
    p.String("Hint", &TTestControl::Hint, &TTestControl::SetHint).Stored(&TTestControl::HasHint);
    p.Event("OnClick", &TTestControl::OnClick);
    p.Event("OnMeasure", &TTestControl::OnMeasure);
}

void TTestControl::DefineProperties(tv::TFiler& filer) {
    TComponent::DefineProperties(filer);
    auto* ancestor = dynamic_cast<TTestControl*>(filer.Ancestor());
    filer.DefineBinaryProperty(
        "SecretData", [this](tv::TStream& s) { secret = s.ReadToEnd(); },
        [this](tv::TStream& s) { s.WriteString(secret); },
        ancestor ? ancestor->secret != secret : !secret.empty());
    filer.DefineProperty(
        "Checksum", [this](tv::TReader& r) { checksum = static_cast<int>(r.ReadInteger()); },
        [this](tv::TWriter& w) { w.WriteInteger(checksum); },
        ancestor ? ancestor->checksum != checksum : checksum != 0);
}

void TTestControl::Loaded() {
    TComponent::Loaded();
    widthDuringLoad = width_;
    Journal().push_back("Loaded " + Name());
}

void TTestForm::Loaded() {
    TComponent::Loaded();
    Journal().push_back("Loaded " + Name());
}

void RegisterFixtures() {
    tv::RegisterClasses({TTestControl::StaticClass(), TTestForm::StaticClass(), TTestForm2::StaticClass(),
                         TTestItem::StaticClass()});
}

} // namespace fx
