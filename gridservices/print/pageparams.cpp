#include "gridservices/print/pageparams.h"

#include "core/properties.h"

namespace tv {

const TEnumInfo TPageColontitleLineTypeInfo{"TPageColontitleLineType", {"pcltNon", "pcltSingleLine", "pcltDoubleLine"}};

void TPageParams::Publish(TPublisher& p) {
    using C = TPageParams;
    auto notTwo = [](Currency (C::*get)() const) {
        return [get](TObject* o) { return (static_cast<C*>(o)->*get)() != Currency(2); };
    };
    p.Float("BottomMargin", &C::BottomMargin, &C::SetBottomMargin).StoredIf(notTwo(&C::BottomMargin));
    p.Float("LeftMargin", &C::LeftMargin, &C::SetLeftMargin).StoredIf(notTwo(&C::LeftMargin));
    p.Float("RightMargin", &C::RightMargin, &C::SetRightMargin).StoredIf(notTwo(&C::RightMargin));
    p.Float("TopMargin", &C::TopMargin, &C::SetTopMargin).StoredIf(notTwo(&C::TopMargin));
}

void TPageParams::Assign(TPersistent* source) {
    if (auto* s = dynamic_cast<TPageParams*>(source)) {
        bottom_ = s->bottom_;
        left_ = s->left_;
        right_ = s->right_;
        top_ = s->top_;
        return;
    }
    TPersistent::Assign(source);
}

TPageColontitle::TPageColontitle()
    : center_(std::make_unique<TStringList>()), left_(std::make_unique<TStringList>()),
      right_(std::make_unique<TStringList>()), font_(std::make_unique<TFont>()) {}

TPageColontitle::~TPageColontitle() = default;

void TPageColontitle::Publish(TPublisher& p) {
    using C = TPageColontitle;
    p.Object("CenterText", &C::CenterText, &C::SetCenterText);
    p.Object("Font", &C::Font, &C::SetFont);
    p.Object("LeftText", &C::LeftText, &C::SetLeftText);
    p.Enum("LineType", &C::LineType, &C::SetLineType, TPageColontitleLineTypeInfo).Default(pcltNon);
    p.Object("RightText", &C::RightText, &C::SetRightText);
}

void TPageColontitle::Assign(TPersistent* source) {
    if (auto* s = dynamic_cast<TPageColontitle*>(source)) {
        center_->Assign(s->center_.get());
        left_->Assign(s->left_.get());
        right_->Assign(s->right_.get());
        font_->Assign(s->font_.get());
        lineType_ = s->lineType_;
        return;
    }
    TPersistent::Assign(source);
}

} // namespace tv
