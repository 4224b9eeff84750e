#include "editors/specrow.h"

#include "editors/variantutils.h"
#include "core/properties.h"
#include "core/scopeguards.h"
#include "framework/ui/controls.h"

namespace tv {

namespace {

constexpr int kAltDel = 32814;

bool SameFont(const TFont* a, const TFont* b) {
    return a->Name() == b->Name() && a->Height() == b->Height() && a->Color() == b->Color() &&
           a->Style() == b->Style() && a->Charset() == b->Charset() && a->Pitch() == b->Pitch();
}

bool IsControl(char c) { return c >= 1 && c <= 31; }

} // namespace

TSpecRowEh::TSpecRowEh(TPersistent* owner)
    : owner_(owner), cells_(std::make_unique<TStringList>()), font_(std::make_unique<TFont>()), shortCut_(kAltDel) {
    font_->Assign(DefaultFont());
    font_->OnChange = [this](TObject*) {
        if (settingFont_) return;
        Changed();
        fontAssigned_ = true;
    };
    value_ = Null();
}

TSpecRowEh::~TSpecRowEh() { font_->OnChange = nullptr; }

void TSpecRowEh::Publish(TPublisher& p) {
    p.String("CellsText", &TSpecRowEh::CellsText, &TSpecRowEh::SetCellsText).Stored(true);
    p.Integer("Color", &TSpecRowEh::Color, &TSpecRowEh::SetColor)
        .Idents(ColorIdents())
        .Stored(&TSpecRowEh::IsColorStored);
    p.Object("Font", &TSpecRowEh::Font, &TSpecRowEh::SetFont).Stored(&TSpecRowEh::IsFontStored);
    p.Integer("ShortCut", &TSpecRowEh::ShortCut, &TSpecRowEh::SetShortCut).Default(kAltDel);
    p.Boolean("ShowIfNotInKeyList", &TSpecRowEh::ShowIfNotInKeyList, &TSpecRowEh::SetShowIfNotInKeyList)
        .Default(true);
    p.Boolean("Visible", &TSpecRowEh::Visible, &TSpecRowEh::SetVisible).Default(false);
}

TFont* TSpecRowEh::DefaultFont() const {
    if (auto* c = dynamic_cast<TControl*>(owner_)) return c->Font();
    static TFont standard;
    return &standard;
}

void TSpecRowEh::Changed() {
    if (updateCount_ == 0 && OnChange) OnChange(this);
}

void TSpecRowEh::EndUpdate() {
    if (updateCount_ > 0) --updateCount_;
    Changed();
}

void TSpecRowEh::ParseCells() {
    cells_->BeginUpdate();
    cells_->Clear();
    const std::string& t = cellsText_;
    size_t i = 0, n = t.size();
    auto skipControls = [&] {
        while (i < n && IsControl(t[i])) ++i;
    };
    skipControls();
    while (i < n) {
        std::string cell;
        if (t[i] == '"') {
            ++i;
            while (i < n) {
                if (t[i] == '"') {
                    if (i + 1 < n && t[i + 1] == '"') {
                        cell += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                cell += t[i++];
            }
        } else {
            while (i < n && t[i] != ';' && static_cast<unsigned char>(t[i]) >= 32) cell += t[i++];
        }
        cells_->Add(cell);
        skipControls();
        if (i < n && t[i] == ';') {
            ++i;
            skipControls();
        }
    }
    cells_->EndUpdate();
}

void TSpecRowEh::SetCellsText(const std::string& v) {
    if (v == cellsText_) return;
    cellsText_ = v;
    ParseCells();
    Changed();
}

std::string TSpecRowEh::CellText(int index) const {
    if (index < 0 || index >= cells_->Count()) return {};
    return cells_->Strings(index);
}

TColor TSpecRowEh::Color() const {
    if (colorAssigned_) return color_;
    if (auto* c = dynamic_cast<TCustomControl*>(owner_)) return c->Color();
    return color_;
}

void TSpecRowEh::SetColor(TColor v) {
    if (v == color_) return;
    color_ = v;
    colorAssigned_ = true;
    Changed();
}

TFont* TSpecRowEh::Font() const {
    if (!fontAssigned_) {
        TFont* def = DefaultFont();
        if (!SameFont(font_.get(), def)) {
            auto* self = const_cast<TSpecRowEh*>(this);
            self->settingFont_ = true;
            font_->Assign(def);
            self->settingFont_ = false;
        }
    }
    return font_.get();
}

void TSpecRowEh::SetValue(const Variant& v) {
    if (VariantsEqual(v, value_)) return;
    value_ = v;
    Changed();
}

void TSpecRowEh::SetVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    Changed();
}

void TSpecRowEh::SetShowIfNotInKeyList(bool v) {
    if (showIfNotInKeyList_ == v) return;
    showIfNotInKeyList_ = v;
    Changed();
}

bool TSpecRowEh::MatchesKey(const Variant& key) const { return visible_ && VariantsEqual(value_, key); }

void TSpecRowEh::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TSpecRowEh*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    TUpdateLock<TSpecRowEh> lock(this);
    SetCellsText(s->CellsText());
    SetColor(s->Color());
    if (s->IsFontStored()) SetFont(s->Font());
    SetShortCut(s->ShortCut());
    SetShowIfNotInKeyList(s->ShowIfNotInKeyList());
    SetValue(s->Value());
    SetVisible(s->Visible());
}

} // namespace tv
