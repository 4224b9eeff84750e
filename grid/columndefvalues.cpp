#include "grid/columndefvalues.h"

#include "grid/dbgrideh.h"

namespace tv {

// --- title ---

void TColumnTitleDefValuesEh::Publish(TPublisher& p) {
    using C = TColumnTitleDefValuesEh;
    p.Enum("Alignment", &C::Alignment, &C::SetAlignment, TAlignmentInfo).Stored(&C::IsAlignmentStored);
    p.Integer("Color", &C::Color, &C::SetColor).Idents(ColorIdents()).Stored(&C::IsColorStored);
    p.Boolean("EndEllipsis", &C::EndEllipsis, &C::SetEndEllipsis).Default(false);
    p.Enum("Orientation", &C::Orientation, &C::SetOrientation, TTextOrientationEhInfo).Default(tohHorizontal);
    p.Boolean("TitleButton", &C::TitleButton, &C::SetTitleButton).Default(false);
    p.Boolean("ToolTips", &C::ToolTips, &C::SetToolTips).Default(false);
}

TPersistent* TColumnTitleDefValuesEh::GetOwner() const { return owner_; }
TCustomDBGridEh* TColumnTitleDefValuesEh::Grid() const { return owner_ ? owner_->Grid() : nullptr; }

TAlignment TColumnTitleDefValuesEh::Alignment() const {
    if (alignmentAssigned_) return alignment_;
    TCustomDBGridEh* g = Grid();
    return g && g->UseMultiTitle() ? taCenter : taLeftJustify;
}

void TColumnTitleDefValuesEh::SetAlignment(TAlignment v) {
    if (alignmentAssigned_ && v == alignment_) return;
    alignment_ = v;
    alignmentAssigned_ = true;
    if (TCustomDBGridEh* g = Grid()) g->LayoutChanged();
}

TColor TColumnTitleDefValuesEh::Color() const {
    if (colorAssigned_) return color_;
    TCustomDBGridEh* g = Grid();
    return g ? g->FixedColor() : clBtnFace;
}

void TColumnTitleDefValuesEh::SetColor(TColor v) {
    if (colorAssigned_ && v == color_) return;
    color_ = v;
    colorAssigned_ = true;
    if (TCustomDBGridEh* g = Grid()) g->Invalidate();
}

void TColumnTitleDefValuesEh::SetEndEllipsis(bool v) {
    if (v == endEllipsis_) return;
    endEllipsis_ = v;
    if (TCustomDBGridEh* g = Grid()) g->Invalidate();
}

void TColumnTitleDefValuesEh::SetOrientation(TTextOrientationEh v) {
    if (v == orientation_) return;
    orientation_ = v;
    if (TCustomDBGridEh* g = Grid()) g->LayoutChanged();
}

bool TColumnTitleDefValuesEh::IsAlignmentStored() const {
    if (!alignmentAssigned_) return false;
    TCustomDBGridEh* g = Grid();
    return alignment_ != (g && g->UseMultiTitle() ? taCenter : taLeftJustify);
}

bool TColumnTitleDefValuesEh::IsColorStored() const {
    if (!colorAssigned_) return false;
    TCustomDBGridEh* g = Grid();
    return color_ != (g ? g->FixedColor() : clBtnFace);
}

void TColumnTitleDefValuesEh::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TColumnTitleDefValuesEh*>(source);
    if (!s) return TPersistent::Assign(source);
    if (s->alignmentAssigned_) SetAlignment(s->Alignment());
    if (s->colorAssigned_) SetColor(s->Color());
    SetEndEllipsis(s->EndEllipsis());
    SetTitleButton(s->TitleButton());
    SetToolTips(s->ToolTips());
    SetOrientation(s->Orientation());
}

// --- footer ---

void TColumnFooterDefValuesEh::Publish(TPublisher& p) {
    p.Boolean("ToolTips", &TColumnFooterDefValuesEh::ToolTips, &TColumnFooterDefValuesEh::SetToolTips).Default(false);
}

TPersistent* TColumnFooterDefValuesEh::GetOwner() const { return owner_; }

void TColumnFooterDefValuesEh::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TColumnFooterDefValuesEh*>(source);
    if (!s) return TPersistent::Assign(source);
    SetToolTips(s->ToolTips());
}

// --- column ---

TColumnDefValuesEh::TColumnDefValuesEh(TCustomDBGridEh* grid)
    : grid_(grid),
      title_(std::make_unique<TColumnTitleDefValuesEh>(this)),
      footer_(std::make_unique<TColumnFooterDefValuesEh>(this)) {}

TColumnDefValuesEh::~TColumnDefValuesEh() = default;

TPersistent* TColumnDefValuesEh::GetOwner() const { return grid_; }

void TColumnDefValuesEh::Repaint() {
    if (grid_) grid_->Invalidate();
}

void TColumnDefValuesEh::SetAlwaysShowEditButton(bool v) {
    if (v == alwaysShowEditButton_) return;
    alwaysShowEditButton_ = v;
    Repaint();
}

void TColumnDefValuesEh::SetEndEllipsis(bool v) {
    if (v == endEllipsis_) return;
    endEllipsis_ = v;
    Repaint();
}

void TColumnDefValuesEh::SetHighlightRequired(bool v) {
    if (v == highlightRequired_) return;
    highlightRequired_ = v;
    Repaint();
}

void TColumnDefValuesEh::SetLayout(TTextLayout v) {
    if (v == layout_) return;
    layout_ = v;
    Repaint();
}

void TColumnDefValuesEh::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TColumnDefValuesEh*>(source);
    if (!s) return TPersistent::Assign(source);
    title_->Assign(s->Title());
    SetAlwaysShowEditButton(s->AlwaysShowEditButton());
    SetEndEllipsis(s->EndEllipsis());
    SetAutoDropDown(s->AutoDropDown());
    SetDblClickNextVal(s->DblClickNextVal());
    SetToolTips(s->ToolTips());
    SetDropDownSizing(s->DropDownSizing());
    SetDropDownShowTitles(s->DropDownShowTitles());
}

void TDBGridEhColumnDefValuesEh::Publish(TPublisher& p) {
    using C = TColumnDefValuesEh;
    p.Boolean("AlwaysShowEditButton", &C::AlwaysShowEditButton, &C::SetAlwaysShowEditButton).Default(false);
    p.Boolean("AutoDropDown", &C::AutoDropDown, &C::SetAutoDropDown).Default(false);
    p.Boolean("DblClickNextVal", &C::DblClickNextVal, &C::SetDblClickNextVal).Default(false);
    p.Boolean("DropDownShowTitles", &C::DropDownShowTitles, &C::SetDropDownShowTitles).Default(false);
    p.Boolean("DropDownSizing", &C::DropDownSizing, &C::SetDropDownSizing).Default(false);
    p.Boolean("EndEllipsis", &C::EndEllipsis, &C::SetEndEllipsis).Default(false);
    p.Object("Footer", &C::Footer, &C::SetFooter);
    p.Boolean("HighlightRequired", &C::HighlightRequired, &C::SetHighlightRequired).Default(false);
    p.Enum("Layout", &C::Layout, &C::SetLayout, TTextLayoutInfo).Default(tlTop);
    p.Object("Title", &C::Title, &C::SetTitle);
    p.Boolean("ToolTips", &C::ToolTips, &C::SetToolTips).Default(false);
}

} // namespace tv
