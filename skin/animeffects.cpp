#include "skin/animeffects.h"

namespace tv {

const TEnumInfo TacBtnEventInfo{"TacBtnEvent", {"beMouseEnter", "beMouseLeave", "beMouseDown", "beMouseUp"}};

namespace {
TacBtnEvents btnEvents{beMouseEnter, beMouseLeave, beMouseDown, beMouseUp};
} // namespace

TacBtnEvents TacBtnEffects::Events() const { return btnEvents; }
void TacBtnEffects::SetEvents(TacBtnEvents v) { btnEvents = v; }

void TacBtnEffects::Publish(TPublisher& p) {
    p.Set("Events", &TacBtnEffects::Events, &TacBtnEffects::SetEvents, TacBtnEventInfo)
        .Default(TacBtnEvents{beMouseEnter, beMouseLeave, beMouseDown, beMouseUp});
}

void TacFormAnimation::Publish(TPublisher& p) {
    p.Boolean("Active", &TacFormAnimation::Active, &TacFormAnimation::SetActive).Default(true);
    p.Integer("Time", &TacFormAnimation::Time, &TacFormAnimation::SetTime).Default(0);
}

void TacFormAnimation::Assign(TPersistent* source) {
    if (auto* a = dynamic_cast<TacFormAnimation*>(source)) {
        active_ = a->active_;
        time_ = a->time_;
        return;
    }
    TPersistent::Assign(source);
}

TacAnimEffects::TacAnimEffects()
    : buttons_(std::make_unique<TacBtnEffects>()),
      dialogShow_(std::make_unique<TacDialogShow>()),
      formShow_(std::make_unique<TacFormShow>()),
      pageChange_(std::make_unique<TacPageChange>()),
      skinChanging_(std::make_unique<TacSkinChanging>()) {}
TacAnimEffects::~TacAnimEffects() = default;

void TacAnimEffects::Publish(TPublisher& p) {
    p.Object("Buttons", &TacAnimEffects::Buttons, &TacAnimEffects::SetButtons);
    p.Object("DialogShow", &TacAnimEffects::DialogShow, &TacAnimEffects::SetDialogShow);
    p.Object("FormShow", &TacAnimEffects::FormShow, &TacAnimEffects::SetFormShow);
    p.Object("PageChange", &TacAnimEffects::PageChange, &TacAnimEffects::SetPageChange);
    p.Object("SkinChanging", &TacAnimEffects::SkinChanging, &TacAnimEffects::SetSkinChanging);
}

void TacAnimEffects::Assign(TPersistent* source) {
    if (auto* a = dynamic_cast<TacAnimEffects*>(source)) {
        dialogShow_->Assign(a->dialogShow_.get());
        formShow_->Assign(a->formShow_.get());
        pageChange_->Assign(a->pageChange_.get());
        skinChanging_->Assign(a->skinChanging_.get());
        return;
    }
    TPersistent::Assign(source);
}

} // namespace tv
