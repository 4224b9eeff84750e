#include "grid/columntitle.h"

#include "framework/data/field.h"
#include "grid/dbgrideh.h"
#include "grid/gridunit.h"

namespace tv {

void TColumnTitleEh::Publish(TPublisher& p) {
    using C = TColumnTitleEh;
    p.Enum("Alignment", &C::Alignment, &C::SetAlignment, TAlignmentInfo).StoredIf([](TObject* o) {
        auto* t = static_cast<C*>(o);
        if (!t->Assigned(cvTitleAlignment)) return false;
        TColumnDefValuesEh* d = t->DefValues();
        return t->alignment_ != (d ? d->Title()->Alignment() : taLeftJustify);
    });
    p.String("Caption", &C::Caption, &C::SetCaption).StoredIf([](TObject* o) {
        auto* t = static_cast<C*>(o);
        if (!t->Assigned(cvTitleCaption)) return false;
        TField* f = t->column_ ? t->column_->Field() : nullptr;
        std::string def = f ? f->DisplayName() : (t->column_ ? t->column_->FieldName() : std::string());
        return t->caption_ != def;
    });
    p.Integer("Color", &C::Color, &C::SetColor).Idents(ColorIdents()).StoredIf([](TObject* o) {
        auto* t = static_cast<C*>(o);
        if (!t->Assigned(cvTitleColor)) return false;
        TColumnDefValuesEh* d = t->DefValues();
        return t->color_ != (d ? d->Title()->Color() : clBtnFace);
    });
    p.Boolean("EndEllipsis", &C::EndEllipsis, &C::SetEndEllipsis).StoredIf([](TObject* o) {
        auto* t = static_cast<C*>(o);
        TColumnDefValuesEh* d = t->DefValues();
        return t->Assigned(cvTitleEndEllipsis) && t->endEllipsis_ != (d && d->Title()->EndEllipsis());
    });
    p.Object("Font", &C::Font, &C::SetFont).StoredIf([](TObject* o) {
        return static_cast<C*>(o)->Assigned(cvTitleFont);
    });
    p.String("Hint", &C::Hint, &C::SetHint);
    p.Integer("ImageIndex", &C::ImageIndex, &C::SetImageIndex).Default(-1);
    p.Enum("Orientation", &C::Orientation, &C::SetOrientation, TTextOrientationEhInfo).StoredIf([](TObject* o) {
        auto* t = static_cast<C*>(o);
        TColumnDefValuesEh* d = t->DefValues();
        return t->Assigned(cvTitleOrientation) &&
               t->orientation_ != (d ? d->Title()->Orientation() : tohHorizontal);
    });
    p.Integer("SortIndex", &C::SortIndex, &C::SetSortIndex).Default(0);
    p.Enum("SortMarker", &C::SortMarker, &C::SetSortMarker, TSortMarkerEhInfo).Default(smNoneEh);
    p.Boolean("TitleButton", &C::TitleButton, &C::SetTitleButton).StoredIf([](TObject* o) {
        auto* t = static_cast<C*>(o);
        TColumnDefValuesEh* d = t->DefValues();
        return t->Assigned(cvTitleButton) && t->titleButton_ != (d && d->Title()->TitleButton());
    });
    p.Boolean("ToolTips", &C::ToolTips, &C::SetToolTips).StoredIf([](TObject* o) {
        auto* t = static_cast<C*>(o);
        TColumnDefValuesEh* d = t->DefValues();
        return t->Assigned(cvTitleToolTips) && t->toolTips_ != (d && d->Title()->ToolTips());
    });
}

TColumnTitleEh::TColumnTitleEh(TColumnEh* column) : column_(column), font_(std::make_unique<TFont>()) {
    if (TFont* def = DefaultFont()) font_->Assign(def);
    font_->OnChange = [this](TObject* s) { FontChanged(s); };
}

TColumnTitleEh::~TColumnTitleEh() = default;

TPersistent* TColumnTitleEh::GetOwner() const { return column_; }

bool TColumnTitleEh::Assigned(TColumnEhValue v) const { return column_ && column_->IsAssigned(v); }

void TColumnTitleEh::Flag(TColumnEhValue v) {
    if (column_) column_->SetAssigned(v);
}

void TColumnTitleEh::ColumnChanged(bool all) {
    if (column_) column_->ReportChanged(all);
}

TColumnDefValuesEh* TColumnTitleEh::DefValues() const { return column_ ? column_->DefValues() : nullptr; }

TFont* TColumnTitleEh::DefaultFont() const {
    if (!column_) return nullptr;
    if (TCustomDBGridEh* g = column_->GetGrid()) return g->TitleFont();
    return column_->Font();
}

TAlignment TColumnTitleEh::Alignment() const {
    if (Assigned(cvTitleAlignment)) return alignment_;
    TColumnDefValuesEh* d = DefValues();
    return d ? d->Title()->Alignment() : taLeftJustify;
}

void TColumnTitleEh::SetAlignment(TAlignment v) {
    if (Assigned(cvTitleAlignment) && v == alignment_) return;
    alignment_ = v;
    Flag(cvTitleAlignment);
    ColumnChanged(false);
}

std::string TColumnTitleEh::Caption() const {
    if (Assigned(cvTitleCaption)) return caption_;
    if (!column_) return caption_;
    if (TField* f = column_->Field()) return f->DisplayName();
    return column_->FieldName();
}

void TColumnTitleEh::SetCaption(const std::string& v) {
    if (column_ && column_->IsDefaultColumn()) {
        TCustomDBGridEh* g = column_->GetGrid();
        TField* f = column_->Field();
        if (g && g->DataLink()->Active() && f) f->SetDisplayLabel(v);
        return;
    }
    if (Assigned(cvTitleCaption) && v == caption_) return;
    caption_ = v;
    Flag(cvTitleCaption);
    ColumnChanged(false);
}

TColor TColumnTitleEh::Color() const {
    if (Assigned(cvTitleColor)) return color_;
    TColumnDefValuesEh* d = DefValues();
    return d ? d->Title()->Color() : clBtnFace;
}

void TColumnTitleEh::SetColor(TColor v) {
    if (Assigned(cvTitleColor) && v == color_) return;
    color_ = v;
    Flag(cvTitleColor);
    ColumnChanged(false);
}

bool TColumnTitleEh::EndEllipsis() const {
    if (Assigned(cvTitleEndEllipsis)) return endEllipsis_;
    TColumnDefValuesEh* d = DefValues();
    return d && d->Title()->EndEllipsis();
}

void TColumnTitleEh::SetEndEllipsis(bool v) {
    if (Assigned(cvTitleEndEllipsis) && v == endEllipsis_) return;
    endEllipsis_ = v;
    Flag(cvTitleEndEllipsis);
    ColumnChanged(false);
}

TFont* TColumnTitleEh::Font() const {
    if (!Assigned(cvTitleFont)) {
        TFont* def = DefaultFont();
        if (def && def != font_.get() && (!font_->Equals(def) || font_->Color() != def->Color())) {
            auto* self = const_cast<TColumnTitleEh*>(this);
            self->fontCopying_ = true;
            self->font_->Assign(def);
            self->fontCopying_ = false;
        }
    }
    return font_.get();
}

void TColumnTitleEh::SetFont(TFont* v) { font_->Assign(v); }

void TColumnTitleEh::FontChanged(TObject*) {
    if (fontCopying_) return;
    Flag(cvTitleFont);
    ColumnChanged(true);
}

void TColumnTitleEh::SetImageIndex(int v) {
    if (v == imageIndex_) return;
    imageIndex_ = v;
    if (column_)
        if (TCustomDBGridEh* g = column_->GetGrid()) g->LayoutChanged();
}

TTextOrientationEh TColumnTitleEh::Orientation() const {
    if (Assigned(cvTitleOrientation)) return orientation_;
    TColumnDefValuesEh* d = DefValues();
    return d ? d->Title()->Orientation() : tohHorizontal;
}

void TColumnTitleEh::SetOrientation(TTextOrientationEh v) {
    if (Assigned(cvTitleOrientation) && v == orientation_) return;
    orientation_ = v;
    Flag(cvTitleOrientation);
    ColumnChanged(false);
}

bool TColumnTitleEh::TitleButton() const {
    if (Assigned(cvTitleButton)) return titleButton_;
    TColumnDefValuesEh* d = DefValues();
    return d && d->Title()->TitleButton();
}

void TColumnTitleEh::SetTitleButton(bool v) {
    if (Assigned(cvTitleButton) && v == titleButton_) return;
    titleButton_ = v;
    Flag(cvTitleButton);
    ColumnChanged(false);
}

bool TColumnTitleEh::ToolTips() const {
    if (Assigned(cvTitleToolTips)) return toolTips_;
    TColumnDefValuesEh* d = DefValues();
    return d && d->Title()->ToolTips();
}

void TColumnTitleEh::SetToolTips(bool v) {
    if (Assigned(cvTitleToolTips) && v == toolTips_) return;
    toolTips_ = v;
    Flag(cvTitleToolTips);
}

namespace {
bool InCollectionUpdate(TColumnEh* c) { return c && c->Collection() && c->Collection()->UpdateCount() > 0; }
} // namespace

void TColumnTitleEh::SetSortMarker(TSortMarkerEh v) {
    if (v == sortMarker_) return;
    sortMarker_ = v;
    if (!column_ || InCollectionUpdate(column_)) return;
    TCustomDBGridEh* g = column_->GetGrid();
    if (!g) {
        ColumnChanged(false);
        return;
    }
    TColumnsEhList& marked = g->SortMarkedColumns();
    if (g->OptionsEh().Contains(dghMultiSortMarking)) {
        if (v != smNoneEh && sortIndex_ == 0) {
            int n = 0;
            for (int i = 0; i < g->Columns()->Count(); ++i)
                if (g->Columns()->Items(i)->Title()->SortIndex() != 0) ++n;
            sortIndex_ = n + 1;
            marked.Add(column_);
        } else if (v == smNoneEh && sortIndex_ != 0) {
            for (int i = 0; i < g->Columns()->Count(); ++i) {
                TColumnTitleEh* t = g->Columns()->Items(i)->Title();
                if (t->sortIndex_ > sortIndex_) --t->sortIndex_;
            }
            marked.Remove(column_);
            sortIndex_ = 0;
        }
    } else if (v != smNoneEh) {
        for (int i = 0; i < g->Columns()->Count(); ++i) {
            TColumnEh* c = g->Columns()->Items(i);
            if (c != column_ && c->Title()->SortMarker() != smNoneEh) c->Title()->SetSortMarker(smNoneEh);
        }
        sortIndex_ = 1;
        marked.Clear();
        marked.Add(column_);
    } else {
        sortIndex_ = 0;
        marked.Clear();
    }
    ColumnChanged(false);
}

void TColumnTitleEh::SetSortIndex(int v) {
    if (v < 0) v = 0;
    if (v == sortIndex_) return;
    if (!column_ || InCollectionUpdate(column_) || !column_->GetGrid()) {
        sortIndex_ = v;
        return;
    }
    if (sortMarker_ == smNoneEh) return;
    TCustomDBGridEh* g = column_->GetGrid();
    for (int i = 0; i < g->Columns()->Count(); ++i) {
        TColumnEh* other = g->Columns()->Items(i);
        if (other == column_ || other->Title()->sortIndex_ != v) continue;
        other->Title()->sortIndex_ = sortIndex_;
        sortIndex_ = v;
        TColumnsEhList& marked = g->SortMarkedColumns();
        int a = marked.IndexOf(column_), b = marked.IndexOf(other);
        if (a >= 0 && b >= 0) marked.Exchange(a, b);
        ColumnChanged(false);
        return;
    }
}

void TColumnTitleEh::ToggleSortMarker(bool keepOthers) {
    if (!keepOthers && column_)
        if (TCustomDBGridEh* g = column_->GetGrid())
            for (int i = 0; i < g->Columns()->Count(); ++i) {
                TColumnEh* c = g->Columns()->Items(i);
                if (c != column_) c->Title()->SetSortMarker(smNoneEh);
            }
    switch (sortMarker_) {
    case smNoneEh: SetSortMarker(smDownEh); break;
    case smDownEh: SetSortMarker(smUpEh); break;
    case smUpEh: SetSortMarker(keepOthers ? smNoneEh : smDownEh); break;
    }
}

int TColumnTitleEh::SortMarkerWidth() const {
    if (sortIndex_ == 0 || !column_) return 0;
    TCustomDBGridEh* g = column_->GetGrid();
    int w = 16;
    if (g && g->SortMarkedColumns().Count() >= 2) {
        TCanvas* c = g->Canvas();
        TFont saved;
        saved.Assign(c->Font());
        if (TFont* f = SortIndexFontEh()) c->Font()->Assign(f);
        w += c->TextWidth(std::to_string(sortIndex_));
        c->Font()->Assign(&saved);
    }
    int room = column_->Width() - 4;
    if (w > room) w -= 14;
    if (w > room) w = 0;
    return w;
}

void TColumnTitleEh::RestoreDefaults() {
    bool fontAssigned = Assigned(cvTitleFont);
    if (column_)
        for (int v = cvTitleColor; v <= cvTitleOrientation; ++v) column_->ClearAssigned(static_cast<TColumnEhValue>(v));
    caption_.clear();
    if (TFont* def = DefaultFont()) {
        fontCopying_ = true;
        font_->Assign(def);
        fontCopying_ = false;
    }
    ColumnChanged(fontAssigned);
}

void TColumnTitleEh::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TColumnTitleEh*>(source);
    if (!s) return TPersistent::Assign(source);
    if (s->Assigned(cvTitleAlignment)) SetAlignment(s->Alignment());
    if (s->Assigned(cvTitleColor)) SetColor(s->Color());
    if (s->Assigned(cvTitleCaption)) SetCaption(s->Caption());
    if (s->Assigned(cvTitleFont)) SetFont(s->Font());
    SetHint(s->Hint());
    SetImageIndex(s->ImageIndex());
    SetOrientation(s->Orientation());
    SetSortIndex(s->SortIndex());
    SetSortMarker(s->SortMarker());
    SetTitleButton(s->TitleButton());
    SetEndEllipsis(s->EndEllipsis());
    SetToolTips(s->ToolTips());
}

} // namespace tv
