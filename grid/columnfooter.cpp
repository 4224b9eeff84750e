#include "grid/columnfooter.h"

#include "grid/dbgrideh.h"

namespace tv {

const TEnumInfo TFooterValueTypeInfo{"TFooterValueType",
    {"fvtNon", "fvtSum", "fvtAvg", "fvtCount", "fvtFieldValue", "fvtStaticText"}};

void TColumnFooterEh::Publish(TPublisher& p) {
    using C = TColumnFooterEh;
    p.Enum("Alignment", &C::Alignment, &C::SetAlignment, TAlignmentInfo).StoredIf([](TObject* o) {
        return static_cast<C*>(o)->alignmentAssigned_;
    });
    p.Integer("Color", &C::Color, &C::SetColor).Idents(ColorIdents()).StoredIf([](TObject* o) {
        return static_cast<C*>(o)->colorAssigned_;
    });
    p.String("DisplayFormat", &C::DisplayFormat, &C::SetDisplayFormat);
    p.Boolean("EndEllipsis", &C::EndEllipsis, &C::SetEndEllipsis).Default(false);
    p.String("FieldName", &C::FieldName, &C::SetFieldName);
    p.Object("Font", &C::Font, &C::SetFont).StoredIf([](TObject* o) { return static_cast<C*>(o)->fontAssigned_; });
    p.Boolean("ToolTips", &C::ToolTips, &C::SetToolTips).StoredIf([](TObject* o) {
        return static_cast<C*>(o)->toolTipsAssigned_;
    });
    p.String("Value", &C::Value, &C::SetValue);
    p.Enum("ValueType", &C::ValueType, &C::SetValueType, TFooterValueTypeInfo).Default(fvtNon);
    p.Boolean("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(false);
}

TColumnFooterEh::TColumnFooterEh(TCollection* collection)
    : TCollectionItem(collection), font_(std::make_unique<TFont>()) {
    font_->OnChange = [this](TObject* s) { FontChanged(s); };
}

TColumnFooterEh::~TColumnFooterEh() = default;

TColumnEh* TColumnFooterEh::Column() const {
    if (column_) return column_;
    if (auto* fs = dynamic_cast<TColumnFootersEh*>(Collection())) return fs->Column();
    return nullptr;
}

TPersistent* TColumnFooterEh::GetOwner() const {
    if (Collection()) return TCollectionItem::GetOwner();
    return column_;
}

void TColumnFooterEh::Changed() {
    if (Collection()) {
        TCollectionItem::Changed(false);
        return;
    }
    if (TColumnEh* c = Column()) c->ReportChanged(false);
}

TAlignment TColumnFooterEh::Alignment() const {
    if (alignmentAssigned_) return alignment_;
    TColumnEh* c = Column();
    return c ? c->Alignment() : taLeftJustify;
}

void TColumnFooterEh::SetAlignment(TAlignment v) {
    alignment_ = v;
    alignmentAssigned_ = true;
    Changed();
}

TColor TColumnFooterEh::Color() const {
    if (colorAssigned_) return color_;
    TColumnEh* c = Column();
    TCustomDBGridEh* g = c ? c->GetGrid() : nullptr;
    return g ? g->FooterColor() : clWindow;
}

void TColumnFooterEh::SetColor(TColor v) {
    color_ = v;
    colorAssigned_ = true;
    Changed();
}

void TColumnFooterEh::SetDisplayFormat(const std::string& v) {
    if (v == displayFormat_) return;
    displayFormat_ = v;
    Changed();
}

void TColumnFooterEh::SetEndEllipsis(bool v) {
    if (v == endEllipsis_) return;
    endEllipsis_ = v;
    Changed();
}

void TColumnFooterEh::SetFieldName(const std::string& v) {
    if (v == fieldName_) return;
    fieldName_ = v;
    Changed();
}

TFont* TColumnFooterEh::Font() const {
    if (!fontAssigned_) {
        TColumnEh* c = Column();
        TCustomDBGridEh* g = c ? c->GetGrid() : nullptr;
        TFont* def = g ? g->FooterFont() : nullptr;
        if (def && (!font_->Equals(def) || font_->Color() != def->Color())) {
            auto* self = const_cast<TColumnFooterEh*>(this);
            self->fontCopying_ = true;
            self->font_->Assign(def);
            self->fontCopying_ = false;
        }
    }
    return font_.get();
}

void TColumnFooterEh::SetFont(TFont* v) { font_->Assign(v); }

void TColumnFooterEh::FontChanged(TObject*) {
    if (fontCopying_) return;
    fontAssigned_ = true;
    Changed();
}

void TColumnFooterEh::SetValueType(TFooterValueType v) {
    if (v == valueType_) return;
    valueType_ = v;
    Changed();
}

void TColumnFooterEh::SetValue(const std::string& v) {
    if (v == value_) return;
    value_ = v;
    Changed();
}

bool TColumnFooterEh::ToolTips() const {
    if (toolTipsAssigned_) return toolTips_;
    TColumnEh* c = Column();
    TColumnDefValuesEh* d = c ? c->DefValues() : nullptr;
    return d && d->Footer()->ToolTips();
}

void TColumnFooterEh::SetWordWrap(bool v) {
    if (v == wordWrap_) return;
    wordWrap_ = v;
    Changed();
}

void TColumnFooterEh::RestoreDefaults() {
    alignmentAssigned_ = colorAssigned_ = fontAssigned_ = toolTipsAssigned_ = false;
    Changed();
}

void TColumnFooterEh::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TColumnFooterEh*>(source);
    if (!s) return TPersistent::Assign(source);
    if (s->alignmentAssigned_) SetAlignment(s->alignment_);
    if (s->colorAssigned_) SetColor(s->color_);
    if (s->fontAssigned_) SetFont(s->font_.get());
    if (s->toolTipsAssigned_) SetToolTips(s->toolTips_);
    SetDisplayFormat(s->DisplayFormat());
    SetEndEllipsis(s->EndEllipsis());
    SetFieldName(s->FieldName());
    SetValue(s->Value());
    SetValueType(s->ValueType());
    SetWordWrap(s->WordWrap());
}

TColumnFootersEh::TColumnFootersEh(TColumnEh* column)
    : TCollection(TColumnFooterEh::StaticClass()), column_(column) {}

TPersistent* TColumnFootersEh::GetOwner() const { return column_; }

void TColumnFootersEh::Update(TCollectionItem*) {
    if (column_) column_->ReportChanged(false);
}

} // namespace tv
