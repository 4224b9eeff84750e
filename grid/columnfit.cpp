// Column widths fitted to what the columns show: their titles, every record
// of the dataset and their footers.
#include <algorithm>

#include "editors/buttonsizes.h"
#include "framework/data/controlsoff.h"
#include "framework/data/dataset.h"
#include "grid/dbgrideh.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/text.h"
#include "platform/window/paint.h"

namespace tv {

namespace {

// The size the text takes in the font; wrapped within `width` when asked.
win::SIZE MeasureText(TFont* font, const std::string& text, int width, bool wrap) {
    win::HDC dc = win::GetDC(nullptr);
    win::HGDIOBJ old = win::SelectObject(dc, font->Handle());
    win::RECT r{0, 0, wrap ? std::max(1, width) : 0, 0};
    win::UINT flags = win::DT_CALCRECT | win::DT_NOPREFIX | win::DT_EXPANDTABS;
    if (wrap) flags |= win::DT_WORDBREAK;
    else flags |= win::DT_SINGLELINE;
    win::DrawText(dc, text, &r, flags);
    win::SelectObject(dc, old);
    win::ReleaseDC(nullptr, dc);
    return {r.right - r.left, r.bottom - r.top};
}

} // namespace

void TCustomDBGridEh::FitSelectedColumnsToContents(TColumnEh* column) {
    TColumnsEhList list;
    if (selection_->SelectionType() == gstColumns)
        for (TColumnEh* c : selection_->Columns()) list.Add(c);
    else if (selection_->SelectionType() == gstAll)
        for (int i = 0; i < columns_->Count(); ++i) list.Add(columns_->Items(i));
    if (column && list.IndexOf(column) < 0) list.Add(column);
    FitColumnsToContents(list);
}

void TCustomDBGridEh::FitColumnsToContents(TColumnsEhList& columns) {
    if (columns.Count() == 0) return;
    std::vector<int> widths;
    // Titles first: a width never goes below what the title needs.
    for (TColumnEh* c : columns) {
        TColumnTitleEh* title = c->Title();
        int m = title->SortMarkerWidth() >= 3 ? title->SortMarkerWidth() + 2 : 4;
        int w;
        if (titleImages_ && title->ImageIndex() != -1) {
            w = m + titleImages_->Width();
        } else {
            std::string caption = title->Caption();
            THeadTreeNode* leaf = useMultiTitle_ ? LeafFieldNode(c->Index()) : nullptr;
            if (leaf) caption = leaf->Caption;
            if (title->Orientation() == tohVertical) {
                w = m + MeasureText(title->Font(), caption, 0, false).cy;
            } else {
                bool wrap = useMultiTitle_ || titleHeight_ > 0 || titleLines_ > 0;
                w = MeasureText(title->Font(), caption, c->Width() - m, wrap).cx + m;
            }
        }
        widths.push_back(w);
    }
    if (!dataLink_->Active()) return;
    TDataSet* ds = DataSet();
    TColumnEh* firstVisible = visibleColumns_.Count() > 0 ? visibleColumns_.Items(0) : nullptr;
    const int margin = 4;
    TControlsOff off(ds);
    SaveBookmark();
    try {
        TColCellParamsEh p;
        ds->First();
        while (!ds->Eof()) {
            for (int i = 0; i < columns.Count(); ++i) {
                TColumnEh* c = columns.Items(i);
                int w = margin;
                if (c->AlwaysShowEditButton()) w += c->EditButtonsWidth();
                if (c == firstVisible) w += GetTreeIndent();
                int kind = c->GetColumnType();
                if (kind == ctKeyImageList) {
                    w += c->ImageList() ? c->ImageList()->Width() : 0;
                } else if (kind == ctCheckboxes) {
                    w += DefaultCheckBoxWidth();
                } else {
                    c->FillColCellParams(&p);
                    if (OnGetCellParams) OnGetCellParams(this, c, p.Font(), p.Background, p.State);
                    c->GetColCellParams(false, &p);
                    bool wrap = c->WordWrap() && multiLineRows_;
                    w += MeasureText(p.Font(), p.Text, c->Width() - margin, wrap).cx;
                }
                int& best = widths[static_cast<std::size_t>(i)];
                best = std::max(best, w);
            }
            int before = ds->RecNo();
            ds->Next();
            if (ds->IsSequenced() && before >= ds->RecordCount()) break;
        }
    } catch (...) {
        RestoreBookmark();
        throw;
    }
    RestoreBookmark();
    off.Release();

    bool bracket = !autoFitColWidths_;
    if (bracket) BeginLayout();
    try {
        for (int i = 0; i < columns.Count(); ++i) {
            TColumnEh* c = columns.Items(i);
            int& best = widths[static_cast<std::size_t>(i)];
            for (int n = 0; n < footerRowCount_; ++n) {
                TColumnFooterEh* footer = c->FooterForRow(n);
                TFont font;
                font.Assign(footer->Font());
                TColor background = footer->Color();
                TAlignment alignment = footer->Alignment();
                std::string text = GetFooterValue(n, c);
                if (OnGetFooterParams)
                    OnGetFooterParams(this, c->Index(), n, c, &font, background, alignment, {}, text);
                bool wrap = footer->WordWrap() && multiLineRows_;
                best = std::max(best, MeasureText(&font, text, c->Width() - 5, wrap).cx + 5);
            }
            c->SetWidth(best);
        }
    } catch (...) {
        if (bracket) EndLayout();
        throw;
    }
    if (bracket) EndLayout();
}

} // namespace tv
