// The grid's geometry: one relayout for many changes, the column set, fixed
// cells, row heights, auto-fit widths, the title tree, the row count and the
// scroll bars.
#include <algorithm>
#include <cmath>
#include <functional>

#include "core/scopeguards.h"
#include "core/strutils.h"
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "framework/ui/stdctrls/scrollbar.h"
#include "grid/dbgrideh.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/text.h"
#include "platform/window/messages.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/scrollbar.h"

namespace tv {

namespace {
int MulDivRound(int a, int b, int c) {
    if (c == 0) return -1;
    return static_cast<int>(std::llround(static_cast<double>(a) * b / c));
}

// Text metrics of a font on a screen context.
void FontMetrics(TFont* font, win::TEXTMETRIC& tm, int& wgHeight) {
    win::HDC dc = win::GetDC(nullptr);
    win::HGDIOBJ old = win::SelectObject(dc, font->Handle());
    win::GetTextMetrics(dc, &tm);
    win::SIZE s{};
    win::GetTextExtentPoint32(dc, "Wg", &s);
    wgHeight = s.cy;
    win::SelectObject(dc, old);
    win::ReleaseDC(nullptr, dc);
}

int TextHeightWithBreaks(TFont* font, const std::string& text, int width) {
    win::HDC dc = win::GetDC(nullptr);
    win::HGDIOBJ old = win::SelectObject(dc, font->Handle());
    win::RECT r{0, 0, std::max(0, width), 0};
    win::DrawText(dc, text.empty() ? std::string(" ") : text, &r,
                  win::DT_CALCRECT | win::DT_WORDBREAK | win::DT_NOPREFIX | win::DT_CENTER);
    win::SelectObject(dc, old);
    win::ReleaseDC(nullptr, dc);
    return r.bottom - r.top;
}
} // namespace

// --- locking ---

bool TCustomDBGridEh::AcquireLayoutLock() {
    if (layoutLock_ != 0 || layoutUpdate_ != 0) return false;
    BeginLayout();
    return true;
}

void TCustomDBGridEh::BeginLayout() {
    LockLayout();
    if (layoutUpdate_ == 0 && columns_) columns_->BeginUpdate();
    ++layoutUpdate_;
}

void TCustomDBGridEh::EndLayout() {
    if (layoutUpdate_ == 0) return;
    struct Done {
        TCustomDBGridEh* g;
        ~Done() {
            if (g->layoutUpdate_ == 1 && g->columns_) g->columns_->EndUpdate();
            --g->layoutUpdate_;
            g->UnlockLayout();
        }
    } done{this};
    if (layoutUpdate_ == 1) InternalLayout();
}

void TCustomDBGridEh::EndLayoutNoRelayout() {
    if (layoutUpdate_ == 0) return;
    if (layoutUpdate_ == 1 && columns_) columns_->EndUpdate();
    --layoutUpdate_;
    UnlockLayout();
}

void TCustomDBGridEh::LayoutChanged() {
    if (AcquireLayoutLock()) EndLayout();
}

void TCustomDBGridEh::DeferLayout() {
    PostDeferredLayout();
    // Ends the caller's own bracket only: a lock held around it stays held.
    EndLayoutNoRelayout();
}

void TCustomDBGridEh::RebuildSortMarkedList() {
    sortMarkedColumns_.Clear();
    for (int i = 0; i < columns_->Count(); ++i) {
        TColumnEh* c = columns_->Items(i);
        int n = c->Title()->SortIndex();
        if (n <= 0) continue;
        if (sortMarkedColumns_.Count() < n) sortMarkedColumns_.SetCount(n);
        sortMarkedColumns_.SetItems(n - 1, c);
    }
    // Gaps left by unnumbered ranks are dropped.
    TColumnsEhList packed;
    for (TColumnEh* c : sortMarkedColumns_)
        if (c) packed.Add(c);
    sortMarkedColumns_ = packed;
}

// --- the relayout ---

void TCustomDBGridEh::InternalLayout() {
    if (GridLoading() || !columns_) return;
    // Columns and footers may have changed: the sum list keeps one sum per footer that needs it.
    sumList_->SyncFooterSums();
    ++layoutCount_;
    if (HandleAllocated()) KillMessage(WindowHandle(), WM_DEFERREDLAYOUTEH);
    TFlagGuard paintLock(paintLocked_);

    DropDefaultColumnsAmongStored();
    indicatorOffset_ = options_.Contains(dgIndicator) ? 1 : 0;
    MatchColumnsToFieldMap();
    UpdateVisibleAndFixedColumns();
    titleRowCount_ = TitlesVisible() + FilterRowVisible();

    win::TEXTMETRIC tm{};
    int wg = 0;
    FontMetrics(Font(), tm, wg);
    SetDefaultRowHeight(std::max(1, ComputeDefaultRowHeight(tm.tmHeight + tm.tmExternalLeading, wg)));
    int titleRowHeight = TitleRowHeightFromFonts();
    UpdateEditButtonSize();
    multiLineRows_ = tm.tmHeight + tm.tmInternalLeading + tm.tmExternalLeading + TitleInnerMargin() < DefaultRowHeight();

    ChooseScrollBars();
    UpdateColumnReadOnly();
    if (autoFitColWidths_ && !GridDesigning() && HandleAllocated()) AutoFitColumns();

    if (options_.Contains(dgTitles)) titleRowHeight = TitleRowHeightFromSettings(titleRowHeight);
    if (RowCount() <= titleRowCount_) SetRowCount(titleRowCount_ + 1);
    if (options_.Contains(dgTitles) && RowCount() > 0) SetRowHeights(0, std::max(1, titleRowHeight));

    UpdateColumnReadOnly();
    UpdateRowCountKeepingLeftCol();
    UpdateActive();
    Invalidate();
    if (filterEditing_) MoveFilterEditor(false);
}

// A stored column after a default one: the default ones go.
void TCustomDBGridEh::DropDefaultColumnsAmongStored() {
    bool seenDefault = false, mixed = false;
    for (int i = 0; i < columns_->Count(); ++i) {
        if (!columns_->Items(i)->Stored()) seenDefault = true;
        else if (seenDefault) mixed = true;
    }
    if (mixed)
        for (int i = columns_->Count() - 1; i >= 0; --i)
            if (!columns_->Items(i)->Stored()) delete columns_->Items(i);
}

// Customized columns let go of their fields; default ones follow the field
// map: a column whose field left the map goes, and each field gets a column
// at its place.
void TCustomDBGridEh::MatchColumnsToFieldMap() {
    dataLink_->ClearMapping();
    if (dataLink_->Active()) DefineFieldMap();

    if (columns_->GetState() == csCustomized) {
        for (int i = 0; i < columns_->Count(); ++i) columns_->Items(i)->SetField(nullptr);
        return;
    }
    if (dataLink_->Active() || !dataLink_->DefaultFields()) {
        for (int i = columns_->Count() - 1; i >= 0; --i) {
            TColumnEh* c = columns_->Items(i);
            TField* f = c->Field();
            bool inMap = false;
            if (f)
                for (int j = 0; j < dataLink_->FieldCount() && !inMap; ++j) inMap = dataLink_->Fields(j) == f;
            if (!inMap) delete c;
        }
    } else {
        columns_->Clear();
    }
    int entries = dataLink_->FieldCount();
    if (entries == 0 && columns_->Count() == 0) entries = 1;
    for (int i = 0; i < entries; ++i) {
        TField* f = dataLink_->Fields(i);
        TColumnEh* c = nullptr;
        if (f)
            for (int j = i; j < columns_->Count() && !c; ++j)
                if (columns_->Items(j)->Field() == f) c = columns_->Items(j);
        if (!c) {
            c = columns_->AddDefaultColumn();
            if (f) c->SetField(f);
        }
        c->TCollectionItem::SetIndex(i);
    }
}

// The visible columns, the grid's column count and its fixed columns: the
// indicator, the frozen columns and the hidden ones among or right after them.
void TCustomDBGridEh::UpdateVisibleAndFixedColumns() {
    visibleColumns_.Clear();
    for (int i = 0; i < columns_->Count(); ++i)
        if (columns_->Items(i)->Visible()) visibleColumns_.Add(columns_->Items(i));
    selection_->Columns().Refresh();
    int hidden = 0;
    int i = 0, limit = frozenCols_;
    for (; i < columns_->Count() && i < limit; ++i)
        if (!columns_->Items(i)->Visible()) {
            ++hidden;
            ++limit;
        }
    for (; i < columns_->Count() && !columns_->Items(i)->Visible(); ++i) ++hidden;

    SetColCount(std::max(1, columns_->Count() + indicatorOffset_));
    int frozen = (dataLink_->Active() || columns_->GetState() == csCustomized) ? frozenCols_ : 0;
    int fixedCols = indicatorOffset_ + frozen + hidden;
    if (visibleColumns_.Count() == 0) --fixedCols;
    SetFixedCols(std::clamp(fixedCols, 0, ColCount() - 1));
}

// The data rows' height from the grid font's line height and the height of
// "Wg": the set height and lines, or one line. Fitting rows to the text
// rounds the height to whole lines and keeps it as lines.
int TCustomDBGridEh::ComputeDefaultRowHeight(int lineHeight, int wgHeight) {
    int lineWidth = (flat_ ? 1 : 3) + (options_.Contains(dgRowLines) ? GridLineWidth() : 0);
    int defaultRowHeight;
    if (rowHeight_ > 0 || rowLines_ > 0)
        defaultRowHeight = rowHeight_ + lineHeight * rowLines_;
    else
        defaultRowHeight = wgHeight + lineWidth;
    if (optionsEh_.Contains(dghFitRowHeightToText) && wgHeight > 0) {
        int text = defaultRowHeight - lineWidth;
        int lines = text / wgHeight, rest = text % wgHeight;
        if (!(rest <= wgHeight / 2 && lines >= 1)) ++lines;
        lines = std::max(1, lines);
        rowLines_ = lines;
        rowHeight_ = lineWidth;
        defaultRowHeight = lines * wgHeight + lineWidth;
    }
    return defaultRowHeight;
}

// A single-line title row is as high as its tallest title font; otherwise
// the data rows' height until the title settings say more.
int TCustomDBGridEh::TitleRowHeightFromFonts() {
    if (!options_.Contains(dgTitles) || useMultiTitle_) return DefaultRowHeight();
    int h = 0;
    if (columns_->Count() == 0) {
        win::TEXTMETRIC t2{};
        int w2 = 0;
        FontMetrics(titleFont_.get(), t2, w2);
        h = w2 + TitleInnerMargin();
    }
    for (int i = 0; i < columns_->Count(); ++i) {
        win::TEXTMETRIC t2{};
        int w2 = 0;
        FontMetrics(columns_->Items(i)->Title()->Font(), t2, w2);
        h = std::max(h, w2 + TitleInnerMargin());
    }
    return h;
}

// The grid's own horizontal bar shows unless the columns fit the width or an
// external bar stands in for it.
void TCustomDBGridEh::ChooseScrollBars() {
    TScrollStyle bars = ScrollBars();
    bool horz = autoFitColWidths_ && !GridDesigning() ? false : horzScrollBar_->Visible() && !horzScrollBar_->ExtScrollBar();
    TScrollStyle want = horz ? ssHorizontal : ssNone;
    if (want != bars) {
        SetScrollBars(want);
        if (HandleAllocated()) UpdateScrollBar();
    }
}

// The set title height and lines (by the tallest title font) and the
// multi-line title tree override the height the fonts gave.
int TCustomDBGridEh::TitleRowHeightFromSettings(int titleRowHeight) {
    if (titleHeight_ > 0 || titleLines_ > 0) {
        TFont* tallest = titleFont_.get();
        int best = -1;
        for (int i = 0; i < columns_->Count(); ++i) {
            TFont* f = columns_->Items(i)->Title()->Font();
            win::TEXTMETRIC t2{};
            int w2 = 0;
            FontMetrics(f, t2, w2);
            if (t2.tmHeight > best) {
                best = t2.tmHeight;
                tallest = f;
            }
        }
        win::TEXTMETRIC t2{};
        int w2 = 0;
        FontMetrics(tallest, t2, w2);
        titleRowHeight = titleLines_ * t2.tmHeight + t2.tmExternalLeading + titleHeight_ + 2 +
                         (options_.Contains(dgRowLines) ? 1 : 0);
    }
    if (useMultiTitle_) {
        BuildTitleTree();
        titleRowHeight = headTree_->Height - (optionsEh_.Contains(dghFixed3D) ? 1 : 3);
    }
    return titleRowHeight;
}

// With whole rows selected the first scrolled column stays where it was.
void TCustomDBGridEh::UpdateRowCountKeepingLeftCol() {
    int left = LeftCol();
    try {
        UpdateRowCount();
    } catch (...) {
        if (options_.Contains(dgRowSelect)) SetLeftCol(left);
        throw;
    }
    if (options_.Contains(dgRowSelect) && left < ColCount() && left >= FixedCols()) SetLeftCol(left);
}

void TCustomDBGridEh::AutoFitColumns() {
    for (TColumnEh* c : visibleColumns_) c->OutOfWidthRange = false;
    for (int pass = 0; pass < std::max(1, visibleColumns_.Count()); ++pass) {
        UpdateScrollBar();
        int free = std::max(ClientWidth(), minAutoFitWidth_);
        int initSum = 0;
        std::vector<TColumnEh*> taking;
        for (TColumnEh* c : visibleColumns_) {
            if (!c->AutoFitColWidth() || c->OutOfWidthRange)
                free -= c->Width();
            else {
                taking.push_back(c);
                initSum += c->InitWidth();
            }
        }
        free = std::max(0, free);
        if (options_.Contains(dgIndicator)) free -= 11;
        if (options_.Contains(dgColLines)) free -= visibleColumns_.Count();
        if (options_.Contains(dgColLines) && options_.Contains(dgIndicator)) free -= 1;
        free = std::max(0, free);
        if (taking.empty() || initSum <= 0) break;
        bool again = false;
        int sum = 0;
        for (TColumnEh* c : taking) {
            int w = MulDivRound(c->InitWidth(), free, initSum);
            int keep = c->InitWidth();
            c->SetWidth(w);
            c->SetInitWidth(keep);
            if (c->Width() != w) {
                c->OutOfWidthRange = true;
                again = true;
            }
            sum += c->Width();
        }
        if (again) continue;
        if (sum != free) {
            TColumnEh* last = taking.back();
            int keep = last->InitWidth();
            last->SetWidth(std::max(0, last->Width() + free - sum));
            last->SetInitWidth(keep);
        }
        break;
    }
    UpdateColumnReadOnly();
}

// --- titles tree ---

void TCustomDBGridEh::BuildTitleTree() {
    headTree_->FreeChildren();
    leafNodes_.clear();
    int titleH = RowHeights(0);
    int lw = options_.Contains(dgColLines) ? 1 : 0;
    std::vector<std::string> captions;
    for (int i = 0; i < columns_->Count(); ++i) {
        TColumnEh* c = columns_->Items(i);
        int w = c->Visible() ? c->Width() : (options_.Contains(dgColLines) ? -1 : 0);
        THeadTreeNode* leaf = headTree_->AddChild(c->Title()->Caption(), w, titleH);
        leaf->Column = c;
        leaf->LeftIndent = c->Title()->SortMarker() != smNoneEh ? 16 : 0;
        leaf->LineWidth = lw;
        leafNodes_.push_back(leaf);
        captions.push_back(c->Title()->Caption());
    }
    auto firstWord = [](const std::string& s) {
        std::size_t bar = s.find('|');
        return bar == std::string::npos ? s : s.substr(0, bar);
    };
    auto hasSecond = [](const std::string& s) { return s.find('|') != std::string::npos; };
    bool changed = true;
    while (changed) {
        changed = false;
        for (std::size_t i = 0; i < captions.size() && !changed; ++i) {
            if (!hasSecond(captions[i])) continue;
            std::string w = firstWord(captions[i]);
            std::size_t j = i;
            while (j + 1 < captions.size() && hasSecond(captions[j + 1]) && firstWord(captions[j + 1]) == w) ++j;
            for (std::size_t k = i; k <= j; ++k) captions[k] = captions[k].substr(w.size() + 1);
            // Words come outermost first, so each new level goes between the
            // leaves and the levels made before.
            THeadTreeNode* from = leafNodes_[i];
            THeadTreeNode* to = leafNodes_[j];
            if (from->Parent == to->Parent) headTree_->Union(from, to, w, 20);
            changed = true;
        }
    }
    for (std::size_t i = 0; i < leafNodes_.size(); ++i) leafNodes_[i]->Caption = captions[i];

    // Heights, level by level from the bottom: each node's text height.
    std::function<int(THeadTreeNode*)> textHeight = [&](THeadTreeNode* n) -> int {
        if (n->Width <= 0) return 0;
        TFont* font = n->Column ? n->Column->Title()->Font() : titleFont_.get();
        if (n->Column && n->Column->Title()->Orientation() == tohVertical) {
            win::HDC dc = win::GetDC(nullptr);
            win::HGDIOBJ old = win::SelectObject(dc, font->Handle());
            win::SIZE s{};
            win::GetTextExtentPoint32(dc, n->Caption, &s);
            win::SelectObject(dc, old);
            win::ReleaseDC(nullptr, dc);
            return s.cx + 6;
        }
        return TextHeightWithBreaks(font, n->Caption, n->Width - n->LeftIndent - 4) + vTitleMargin_;
    };
    // Height of a node's subtree below it.
    std::function<int(THeadTreeNode*)> subtree = [&](THeadTreeNode* n) -> int {
        if (!n->FirstChild) return 0;
        int best = 0;
        THeadTreeNode* c = n->FirstChild;
        do {
            best = std::max(best, subtree(c) + textHeight(c));
            c = c->NextSibling;
        } while (c != n->FirstChild);
        return best;
    };
    std::function<void(THeadTreeNode*, int)> assign = [&](THeadTreeNode* parent, int levelHeight) {
        if (!parent->FirstChild) return;
        THeadTreeNode* c = parent->FirstChild;
        do {
            if (!c->FirstChild) {
                c->Height = levelHeight;
            } else {
                int below = subtree(c);
                c->Height = levelHeight - below;
                assign(c, below);
            }
            c = c->NextSibling;
        } while (c != parent->FirstChild);
    };
    int total = subtree(headTree_.get());
    headTree_->Height = total;
    assign(headTree_.get(), total);
}

// --- rows ---

void TCustomDBGridEh::SetRowCountKeepingCurrent(int count) {
    if (Row() >= count) MoveCurrent(Col(), count - 1, false, false);
    SetRowCount(count);
}

void TCustomDBGridEh::UpdateRowCount() {
    if (!dataLink_) return;
    int atEntry = RowCount();
    if (RowCount() <= titleRowCount_) SetRowCountKeepingCurrent(titleRowCount_ + 1);
    SetFixedRows(titleRowCount_);
    int rowLine = options_.Contains(dgRowLines) ? GridLineWidth() : 0;
    int lineRow = DefaultRowHeight() + rowLine;
    int titleHeight = options_.Contains(dgTitles) ? RowHeights(0) : 0;
    int fixed = 0;
    if (options_.Contains(dgTitles)) fixed += titleHeight + rowLine;
    for (int r = TitlesVisible(); r < titleRowCount_; ++r) fixed += lineRow;
    fixed += footerRowCount_ * lineRow;
    if (footerRowCount_ > 0) fixed += rowLine;
    SetDefaultRowHeight(DefaultRowHeight());
    if (options_.Contains(dgTitles)) SetRowHeights(0, titleHeight);
    if (MemTableRowMode()) {
        MemTableUpdateRowCount();
        return;
    }
    SetTopRow(FixedRows());
    if (dataLink_->Active() && dataLink_->RecordCount() != 0 && HandleAllocated()) {
        int buffers = lineRow > 0 ? (ClientHeight() - fixed) / lineRow : 1;
        dataLink_->SetBufferCount(buffers > 0 ? buffers : 1);
        int n = dataLink_->RecordCount();
        fixed += n * lineRow;
        if (footerRowCount_ == 0) {
            SetRowCountKeepingCurrent(titleRowCount_ + n);
        } else {
            SetRowCountKeepingCurrent(titleRowCount_ + n + footerRowCount_ + 1);
            SetRowHeights(titleRowCount_ + n, std::max(0, ClientHeight() - fixed));
        }
        UpdateActive();
    } else {
        SetRowCountKeepingCurrent(titleRowCount_ + 1);
        fixed += lineRow;
        if (HandleAllocated() && footerRowCount_ > 0) {
            SetRowCountKeepingCurrent(titleRowCount_ + 1 + footerRowCount_ + 1);
            SetRowHeights(titleRowCount_ + 1, std::max(0, ClientHeight() - fixed));
        }
    }
    if (RowCount() != atEntry) Invalidate();
}

void TCustomDBGridEh::UpdateActive() {
    if (!incSearchWalking_) ResetIncSearch();
    if (MemTableRowMode()) {
        MemTableUpdateActive();
        return;
    }
    if (!dataLink_->Active() || !HandleAllocated() || GridLoading()) return;
    int row = dataLink_->ActiveRecord() + titleRowCount_;
    if (row >= RowCount()) return;
    if (row != Row()) {
        if (!options_.Contains(dgAlwaysShowEditor)) HideEditor();
        // The indicator follows the record: its old and new cells repaint.
        if (indicatorOffset_ > 0 && Row() < RowCount()) InvalidateCell(0, Row());
        MoveCurrent(Col(), row, false, false);
        if (indicatorOffset_ > 0) InvalidateCell(0, row);
        if (options_.Contains(dgRowSelect)) InvalidateGridRow(row);
        InvalidateEditor();
    }
    if (TField* f = SelectedField())
        if (f->Text() != editText_) InvalidateEditor();
}

void TCustomDBGridEh::UpdateScrollBar() {
    if (!dataLink_ || !HandleAllocated()) return;
    if (MemTableRowMode()) {
        MemTableUpdateScrollBar();
        return;
    }
    TScrollBarVisibleModeEh mode = vertScrollBar_->VisibleMode();
    win::SCROLLINFO old{};
    old.fMask = win::SIF_ALL;
    win::GetScrollInfo(WindowHandle(), win::SB_VERT, &old);
    win::SCROLLINFO si{};
    si.fMask = win::SIF_RANGE | win::SIF_PAGE | win::SIF_POS;
    si.nMin = 0;
    si.nMax = 1;
    si.nPage = 2;
    si.nPos = 0;
    if (dataLink_->Active()) {
        TDataSet* ds = DataSet();
        if (sumList_->IsSequenced()) {
            si.nMin = 1;
            si.nPage = static_cast<win::UINT>(std::max(1, VisibleDataRowCount()));
            si.nMax = ds->RecordCount() + static_cast<int>(si.nPage) - 1;
            si.nPos = ds->State() == dsInsert ? old.nPos : sumList_->RecNo();
        } else {
            si.nMin = 0;
            si.nMax = 4;
            si.nPage = 0;
            si.nPos = ds->Bof() ? 0 : (ds->Eof() ? 4 : 2);
        }
    }
    TScrollBar* ext = vertScrollBar_->ExtScrollBar();
    win::SCROLLINFO own = si;
    if (!vertScrollBar_->Visible() || ext) {
        own.nMax = own.nMin;
        own.nPage = 0;
        own.nPos = own.nMin;
    }
    bool modeChanged = lastVertVisibleMode_ != mode;
    bool differs = old.nMin != own.nMin || old.nMax != own.nMax || old.nPage != own.nPage || old.nPos != own.nPos;
    if (differs || modeChanged) {
        bool scrollable = own.nMax - own.nMin + 1 > static_cast<int>(own.nPage);
        if (mode == sbAlwaysShowEh && !ext) {
            // Always shown: with nothing to scroll both arrows are greyed.
            own.fMask |= win::SIF_DISABLENOSCROLL;
            win::SetScrollInfo(WindowHandle(), win::SB_VERT, &own, true);
            win::ShowScrollBar(WindowHandle(), win::SB_VERT, true);
            win::EnableScrollBar(WindowHandle(), win::SB_VERT, scrollable ? win::ESB_ENABLE_BOTH : win::ESB_DISABLE_BOTH);
        } else {
            if (modeChanged && !scrollable) {
                win::EnableScrollBar(WindowHandle(), win::SB_VERT, win::ESB_ENABLE_BOTH);
                win::ShowScrollBar(WindowHandle(), win::SB_VERT, false);
            }
            win::SetScrollInfo(WindowHandle(), win::SB_VERT, &own, true);
        }
        lastVertVisibleMode_ = mode;
    }
    if (ext && ext->HandleAllocated()) {
        ext->SetPageSize(0);
        ext->SetParams(si.nPos, si.nMin, std::max(si.nMin, si.nMax));
        ext->SetPageSize(static_cast<int>(si.nPage));
    }
}

void TCustomDBGridEh::UpdateHorzExtScrollBar() {
    TScrollBar* bar = horzScrollBar_->ExtScrollBar();
    if (!bar || !bar->HandleAllocated()) return;
    int maxLeft = MaxTopLeft({ColCount() - 1, RowCount() - 1}).X;
    int max = VisibleColCount() + FixedCols() >= ColCount() ? 0 : 127;
    int range = maxLeft - FixedCols();
    int pos = range > 0 ? std::clamp(MulDivRound(LeftCol() - FixedCols(), 127, range), 0, 127) : 0;
    if (bar->Min() == 0 && bar->Max() == max && bar->Position() == pos) return;
    bar->SetPageSize(0);
    bar->SetParams(pos, 0, max);
}

void TCustomDBGridEh::UpdateSumListAfterCreate() {
    if (!HandleAllocated() || inSumRecalc_) return;
    if (GridDesigning() && sumList_->Active()) {
        inSumRecalc_ = true;
        sumList_->RecalcAll();
        inSumRecalc_ = false;
    }
    UpdateRowCount();
    bool wasVisible = vertScrollBar_->IsScrollBarVisible();
    UpdateScrollBar();
    if (wasVisible != vertScrollBar_->IsScrollBarVisible() && autoFitColWidths_ && !GridDesigning())
        PostDeferredLayout();
    UpdateActive();
    InvalidateEditor();
    win::ValidateRect(WindowHandle(), nullptr);
    Invalidate();
}

// --- user changes of the cells ---

void TCustomDBGridEh::ColWidthsChanged() {
    if (!(dataLink_->Active() || columns_->GetState() == csCustomized) || !AcquireLayoutLock()) {
        TCustomGrid::ColWidthsChanged();
        return;
    }
    try {
        TCustomGrid::ColWidthsChanged();
        for (int i = 0; i < columns_->Count() && i + indicatorOffset_ < ColCount(); ++i) {
            TColumnEh* c = columns_->Items(i);
            int gc = i + indicatorOffset_;
            int w = ColWidths(gc);
            if (!c->Visible() || w < 0) continue;
            int clamped = c->ClampWidth(w);
            if (clamped != w) SetColWidths(gc, clamped);
            if (!autoFitColWidths_ || GridDesigning()) {
                if (c->Width() != clamped) c->SetWidth(clamped);
            } else if (c->Width() != clamped) {
                int old = c->Width();
                if (!c->AutoFitColWidth()) {
                    c->SetWidth(clamped);
                    continue;
                }
                int oldInit = c->InitWidth();
                int newInit = old > 0 ? MulDivRound(oldInit, clamped, old) : clamped;
                c->SetInitWidth(newInit);
                if (optionsEh_.Contains(dghResizeWholeRightPart)) {
                    // Every auto-fit column to the right gives up its share, so that
                    // the right part keeps its total.
                    int rightOld = 0;
                    for (int j = i + 1; j < columns_->Count(); ++j) {
                        TColumnEh* next = columns_->Items(j);
                        if (next->Visible() && next->AutoFitColWidth()) rightOld += next->InitWidth();
                    }
                    int rightNew = rightOld + oldInit - newInit;
                    if (rightOld > 0)
                        for (int j = i + 1; j < columns_->Count(); ++j) {
                            TColumnEh* next = columns_->Items(j);
                            if (next->Visible() && next->AutoFitColWidth())
                                next->SetInitWidth(std::max(1, MulDivRound(next->InitWidth(), rightNew, rightOld)));
                        }
                } else {
                    for (int j = i + 1; j < columns_->Count(); ++j) {
                        TColumnEh* next = columns_->Items(j);
                        if (!next->Visible()) continue;
                        next->SetInitWidth(std::max(0, next->InitWidth() + oldInit - newInit));
                        break;
                    }
                }
            }
        }
    } catch (...) {
        EndLayout();
        throw;
    }
    EndLayout();
    InvalidateEditor();
    if (OnColWidthsChanged) OnColWidthsChanged(this);
    UpdateHorzExtScrollBar();
}

void TCustomDBGridEh::ColumnMoved(int from, int to) {
    int f = from - indicatorOffset_, t = to - indicatorOffset_;
    if (f >= 0 && f < columns_->Count() && t >= 0 && t < columns_->Count()) columns_->Items(f)->SetIndex(t);
    if (OnColumnMoved) OnColumnMoved(this, f, t);
}

void TCustomDBGridEh::RowHeightsChanged() {
    if (GridState() == gsRowSizing) {
        int first = options_.Contains(dgTitles) ? 1 : 0;
        int last = RowCount() - 1 - (footerRowCount_ > 0 ? footerRowCount_ + 1 : 0);
        for (int r = first; r <= last; ++r)
            if (RowHeights(r) != DefaultRowHeight()) {
                rowLines_ = 0;
                rowHeight_ = RowHeights(r);
                UpdateScrollBar();
                break;
            }
    }
    TCustomGrid::RowHeightsChanged();
}

void TCustomDBGridEh::TimedScroll(TGridScrollDirection direction) {
    if (!dataLink_->Active()) return;
    TDataSet* ds = DataSet();
    if (direction.Contains(sdUp)) {
        dataLink_->MoveBy(FirstShownDataRow() - ActiveDataRow() - 1);
        direction.Exclude(sdUp);
    }
    if (direction.Contains(sdDown)) {
        dataLink_->MoveBy(LastShownDataRow() + 1 - ActiveDataRow());
        direction.Exclude(sdDown);
    }
    (void)ds;
    if (!direction.Empty()) TCustomGrid::TimedScroll(direction);
}

void TCustomDBGridEh::ChangeScale(int m, int d) {
    if (m != d && m > 0 && d > 0) {
        if (!ParentFont()) {
            titleFont_->SetSize(MulDivRound(titleFont_->Size(), m, d));
            footerFont_->SetSize(MulDivRound(footerFont_->Size(), m, d));
        }
        columns_->BeginUpdate();
        try {
            int run = 0, prev = 0;
            for (int i = 0; i < columns_->Count(); ++i) {
                TColumnEh* c = columns_->Items(i);
                if (c->IsAssigned(cvFont)) c->Font()->SetSize(MulDivRound(c->Font()->Size(), m, d));
                if (c->IsAssigned(cvTitleFont))
                    c->Title()->Font()->SetSize(MulDivRound(c->Title()->Font()->Size(), m, d));
                if (c->Footer()->FontAssigned())
                    c->Footer()->Font()->SetSize(MulDivRound(c->Footer()->Font()->Size(), m, d));
                for (int j = 0; j < c->Footers()->Count(); ++j)
                    if (c->Footers()->Items(j)->FontAssigned())
                        c->Footers()->Items(j)->Font()->SetSize(
                            MulDivRound(c->Footers()->Items(j)->Font()->Size(), m, d));
                run += c->Width();
                int scaled = MulDivRound(run, m, d);
                c->SetWidth(scaled - prev);
                prev = scaled;
            }
        } catch (...) {
            columns_->EndUpdate();
            throw;
        }
        columns_->EndUpdate();
    }
    TCustomGrid::ChangeScale(m, d);
}

// --- drawing geometry ---

void TCustomDBGridEh::ComputeDrawInfo(TGridDrawInfo& info, int& footerExtent, int& frozenExtent) {
    CalcDrawInfo(info);
    frozenExtent = 0;
    for (int c = std::max(indicatorOffset_, FixedCols() - frozenCols_); c < FixedCols(); ++c)
        frozenExtent += info.Horz.Span(c);
    footerExtent = 0;
    if (footerRowCount_ <= 0) return;
    int firstFooter = RowCount() - footerRowCount_;
    int pos = info.Vert.FixedBoundary;
    for (int r = info.Vert.FirstGridCell; r < RowCount(); ++r) {
        if (r == firstFooter) {
            footerExtent = std::max(0, info.Vert.GridBoundary - pos);
            return;
        }
        pos += info.Vert.Span(r);
        if (pos > info.Vert.GridExtent) break;
    }
    for (int r = firstFooter; r <= std::min(info.Vert.LastFullVisibleCell, RowCount() - 1); ++r)
        footerExtent += info.Vert.Span(r);
}

TGridCoord TCustomDBGridEh::MaxTopLeft(const TGridCoord& cell) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    return CalcMaxTopLeft(cell, info);
}

} // namespace tv
