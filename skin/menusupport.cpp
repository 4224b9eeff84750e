#include "skin/menusupport.h"

namespace tv {

TacMenuSupport::TacMenuSupport() : font_(std::make_unique<TFont>()) {}
TacMenuSupport::~TacMenuSupport() = default;

void TacMenuSupport::Publish(TPublisher& p) {
    p.String("IcoLineSkin", &TacMenuSupport::IcoLineSkin, &TacMenuSupport::SetIcoLineSkin);
    p.Boolean("UseExtraLine", &TacMenuSupport::UseExtraLine, &TacMenuSupport::SetUseExtraLine).Default(false);
    p.Integer("ExtraLineWidth", &TacMenuSupport::ExtraLineWidth, &TacMenuSupport::SetExtraLineWidth).Default(32);
    p.Object("ExtraLineFont", &TacMenuSupport::ExtraLineFont, &TacMenuSupport::SetExtraLineFont);
}

void TacMenuSupport::Assign(TPersistent* source) {
    if (auto* m = dynamic_cast<TacMenuSupport*>(source)) {
        icoLineSkin_ = m->icoLineSkin_;
        useExtraLine_ = m->useExtraLine_;
        extraLineWidth_ = m->extraLineWidth_;
        font_->Assign(m->font_.get());
        return;
    }
    TPersistent::Assign(source);
}

} // namespace tv
