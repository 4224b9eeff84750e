#include "editors/lookupgridcolumn.h"

#include "editors/lookupgrid.h"
#include "core/properties.h"
#include "framework/ui/graphics.h"
#include "framework/data/dataset.h"

namespace tv {

namespace {

TDBLookupGridEh* LookupGridOf(const TColumnEh* c) { return dynamic_cast<TDBLookupGridEh*>(c->GetGrid()); }

// Moves item `from` of a ";" list to `to`.
std::string MoveListItem(const std::string& list, int from, int to) {
    std::vector<std::string> items;
    size_t pos = 0;
    while (pos <= list.size()) {
        size_t end = list.find(';', pos);
        if (end == std::string::npos) end = list.size();
        items.push_back(list.substr(pos, end - pos));
        pos = end + 1;
    }
    if (from < 0 || from >= int(items.size())) return list;
    std::string item = items[size_t(from)];
    items.erase(items.begin() + from);
    to = std::clamp(to, 0, int(items.size()));
    items.insert(items.begin() + to, item);
    std::string out;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i) out += ';';
        out += items[i];
    }
    return out;
}

} // namespace

// --- the special-row cell ------------------------------------------------------------------

TGridColumnSpecCellEh::TGridColumnSpecCellEh(TDBLookupGridColumnEh* column)
    : column_(column), font_(std::make_unique<TFont>()) {
    font_->OnChange = [this](TObject*) {
        if (!copyingFont_) fontAssigned_ = true;
    };
}

TGridColumnSpecCellEh::~TGridColumnSpecCellEh() { font_->OnChange = nullptr; }

TPersistent* TGridColumnSpecCellEh::GetOwner() const { return column_; }

void TGridColumnSpecCellEh::Publish(TPublisher& p) {
    p.String("Text", &TGridColumnSpecCellEh::Text, &TGridColumnSpecCellEh::SetText)
        .Stored(&TGridColumnSpecCellEh::IsTextStored);
    p.Integer("Color", &TGridColumnSpecCellEh::Color, &TGridColumnSpecCellEh::SetColor)
        .Idents(ColorIdents())
        .Stored(&TGridColumnSpecCellEh::IsColorStored);
    p.Object("Font", &TGridColumnSpecCellEh::Font, &TGridColumnSpecCellEh::SetFont)
        .Stored(&TGridColumnSpecCellEh::IsFontStored);
}

std::string TGridColumnSpecCellEh::Text() const {
    if (textAssigned_) return text_;
    TDBLookupGridEh* g = column_ ? LookupGridOf(column_) : nullptr;
    return g ? g->SpecRow()->CellText(column_->Index()) : std::string();
}

void TGridColumnSpecCellEh::SetText(const std::string& v) {
    if (textAssigned_ && v == text_) return;
    if (!textAssigned_ && v == Text()) return;
    text_ = v;
    textAssigned_ = true;
}

TColor TGridColumnSpecCellEh::Color() const {
    if (colorAssigned_) return color_;
    TDBLookupGridEh* g = column_ ? LookupGridOf(column_) : nullptr;
    return g ? g->SpecRow()->Color() : clWindow;
}

void TGridColumnSpecCellEh::SetColor(TColor v) {
    if (v == Color() && !colorAssigned_) return;
    color_ = v;
    colorAssigned_ = true;
}

TFont* TGridColumnSpecCellEh::Font() const {
    if (!fontAssigned_) {
        TDBLookupGridEh* g = column_ ? LookupGridOf(column_) : nullptr;
        if (g && g->SpecRow()->Font()->Handle() != font_->Handle()) {
            copyingFont_ = true;
            font_->Assign(g->SpecRow()->Font());
            copyingFont_ = false;
        }
    }
    return font_.get();
}

void TGridColumnSpecCellEh::Assign(TPersistent* source) {
    auto* c = dynamic_cast<TGridColumnSpecCellEh*>(source);
    if (!c) {
        TPersistent::Assign(source);
        return;
    }
    SetText(c->Text());
    SetColor(c->Color());
    if (c->IsFontStored()) SetFont(c->Font());
}

// --- the column ----------------------------------------------------------------------------

TDBLookupGridColumnEh::TDBLookupGridColumnEh(TCollection* collection)
    : TColumnEh(collection), specCell_(std::make_unique<TGridColumnSpecCellEh>(this)) {}

TDBLookupGridColumnEh::~TDBLookupGridColumnEh() = default;

void TDBLookupGridColumnEh::Publish(TPublisher& p) {
    TDBGridColumnEh::PublishSome(
        p, {"Alignment", "AutoFitColWidth", "Checkboxes", "Color", "EndEllipsis", "FieldName", "Font", "ImageList",
            "ImeMode", "ImeName", "KeyList", "MaxWidth", "MinWidth", "NotInKeyListIndex", "PickList", "PopupMenu",
            "ShowImageAndText", "Tag", "Title", "ToolTips", "Visible", "Width", "OnGetCellParams"});
    p.Object("SpecCell", &TDBLookupGridColumnEh::SpecCell, &TDBLookupGridColumnEh::SetSpecCell);
}

void TDBLookupGridColumnEh::Assign(TPersistent* source) {
    TColumnEh::Assign(source);
    if (auto* c = dynamic_cast<TDBLookupGridColumnEh*>(source)) specCell_->Assign(c->SpecCell());
}

// A default column keeps its width to itself: the list field's display width
// stays as it is.
void TDBLookupGridColumnEh::SetWidth(int v) {
    if (!IsDefaultColumn()) {
        TColumnEh::SetWidth(v);
        return;
    }
    SetStored(true);
    try {
        TColumnEh::SetWidth(v);
    } catch (...) {
        SetStored(false);
        throw;
    }
    SetStored(false);
}

// Moving a column reorders the grid's list fields (and the special row's
// cells), never the dataset's fields.
void TDBLookupGridColumnEh::SetIndex(int index) {
    TDBLookupGridEh* g = LookupGridOf(this);
    int from = Index();
    if (!g || !g->DataLink()->Active() || index == from || index < 0 || index >= Collection()->Count()) {
        TColumnEh::SetIndex(index);
        return;
    }
    TSpecRowEh* spec = g->SpecRow();
    if (!IsDefaultColumn()) {
        spec->SetCellsText(MoveListItem(spec->CellsText(), from, index));
        TColumnEh::SetIndex(index);
        return;
    }
    g->LockLayout();
    struct Unlock {
        TDBLookupGridEh* g;
        ~Unlock() { g->UnlockLayout(); }
    } unlock{g};
    int listIndex = g->ListFieldIndex();
    if (listIndex == from) {
        listIndex = index;
    } else {
        if (from < listIndex) --listIndex;
        if (listIndex >= index) ++listIndex;
    }
    g->SetListFieldIndex(listIndex);
    spec->SetCellsText(MoveListItem(spec->CellsText(), from, index));
    SetStored(true);
    TCollectionItem::SetIndex(index);
    SetStored(false);
    std::string names;
    for (int i = 0; i < Collection()->Count(); ++i) {
        if (i) names += ';';
        names += static_cast<TColumnEh*>(Collection()->Items(i))->FieldName();
    }
    g->SetListFieldName(names);
}

} // namespace tv
