// The tree area of the first visible column, for a dataset that shows its
// records as a tree through IMemTableEh: its indentation, lines and node
// buttons, and expanding or collapsing a node by the mouse and the keys.
#include <algorithm>

#include "editors/memtable.h"
#include "editors/treelineglyph.h"
#include "framework/data/controlsoff.h"
#include "framework/data/dataset.h"
#include "grid/dbgrideh.h"
#include "grid/gridstyle.h"
#include "platform/window/input.h"
#include "platform/window/messages.h"

namespace tv {

int TCustomDBGridEh::GetTreeIndent() const {
    if (!memTableLink_ || !memTableLink_->TreeViewActive()) return 0;
    return std::max(0, memTableLink_->TreeNodeLevel() * kTreeLevelWidthEh);
}

bool TCustomDBGridEh::DrawThemedOrTreeLines() {
    return IsFixedThemed() || (memTableLink_ && memTableLink_->TreeViewActive() && options_.Contains(dgRowLines));
}

void TCustomDBGridEh::DrawTreeArea(TColumnEh* column, int row, win::RECT rect, TGridDrawState state) {
    (void)row;
    (void)state;
    DrawTreeAreaOn(Canvas(), column, rect);
}

void TCustomDBGridEh::DrawTreeAreaOn(TCanvas* c, TColumnEh* column, win::RECT rect) {
    if (!memTableLink_ || !memTableLink_->TreeViewActive()) return;
    TColor saved = c->Brush()->Color();
    TColor color = column->Color();
    TDataSet* ds = DataSet();
    if (ds && selection_->DataCellSelected(column->Index(), ds->Bookmark()) && style_) {
        TFont font;
        font.Assign(c->Font());
        style_->GetDataCellColors(this, false, IsSelectionActive(), color, &font);
    }
    c->Brush()->SetColor(color);
    bool rowLines = options_.Contains(dgRowLines);
    int lineWidth = rowLines ? GridLineWidth() : 0;
    bool dotPhase = DefaultRowHeight() % 2 == 1 && TopRow() % 2 == 1;
    int level = memTableLink_->TreeNodeLevel();
    int nextLevel = memTableLink_->TreeNodeNextLevel();
    auto box = [&](int i) {
        win::RECT b{rect.left + (i - 1) * kTreeLevelWidthEh, rect.top, rect.left + i * kTreeLevelWidthEh, rect.bottom};
        b.right = std::min(b.right, rect.right);
        return b;
    };
    // Under a box the row line is painted over when the tree's lines go on below it.
    std::vector<bool> lineCovered(static_cast<std::size_t>(std::max(level, 1)) + 1, false);
    if (rowLines) lineCovered[1] = true;
    auto paint = [&](int i, int element) {
        win::RECT b = box(i);
        if (b.left >= b.right) return;
        if (lineCovered[static_cast<std::size_t>(i)]) b.bottom += lineWidth;
        c->FillRect(b);
        if (element >= 0) DrawTreeLineGlyph(c, b, element, 1, 1, dotPhase);
    };
    for (int i = 1; i < level; ++i) {
        paint(i, memTableLink_->TreeNodeHasNextSibling(i) ? 9 : -1);
        if (rowLines && (nextLevel < 0 || i < nextLevel)) lineCovered[static_cast<std::size_t>(i) + 1] = true;
    }
    bool hasNext = memTableLink_->TreeNodeHasNextSibling(level);
    int element;
    if (memTableLink_->TreeNodeHasChildren())
        element = (memTableLink_->TreeNodeExpanded() ? 0 : 3) + (hasNext ? 0 : 1);
    else
        element = hasNext ? 6 : 7;
    paint(std::max(level, 1), element);
    if (rowLines) {
        win::RECT last = box(std::max(level, 1));
        c->Brush()->SetColor(win::RGB(192, 192, 192));
        c->FillRect({last.right - 1, last.top - 2, last.right, last.bottom});
    }
    c->Brush()->SetColor(saved);
}

bool TCustomDBGridEh::TreeMouseDown(int x, int y, bool checkOnly) {
    if (!memTableLink_ || !memTableLink_->TreeViewActive() || !dataLink_->Active()) return false;
    TGridCoord cell = MouseCoord(x, y);
    TGridRect box = GetDataBoxRect();
    if (cell.X < box.Left || cell.Y < box.Top || cell.Y > box.Bottom) return false;
    int dataRow = cell.Y - titleRowCount_;
    if (dataRow >= ShownRecordCount()) return false;
    int dataCol = cell.X - indicatorOffset_;
    if (visibleColumns_.Count() == 0 || columns_->Items(dataCol) != visibleColumns_.Items(0)) return false;
    TDataSet* ds = DataSet();
    int indent = 0, recNo = 0;
    bool expanded = false;
    Variant position = memTableLink_->SavePosition();
    {
        TGridActiveRowGuard entered(*this, dataRow);
        indent = GetTreeIndent();
        expanded = memTableLink_->TreeNodeExpanded();
        recNo = ds->RecNo();
    }
    // As laid out: right to left the tree area lies at the cell's right.
    win::RECT r = LogicalRect(CellRect(cell.X, cell.Y));
    x = LogicalX(x);
    if (x < r.left || x >= r.left + indent) return false;
    if (checkOnly) return true;
    int top = TopRow();
    int current = ds->RecNo();
    int result = 0;
    bool pressed = x >= r.left + indent - kTreeLevelWidthEh;
    TControlsOff off(ds);
    try {
        if (pressed) result = memTableLink_->SetNodeExpanded(recNo - 1, !expanded);
        paintLocked_ = true;
        if (!pressed || result < 1 || result == current)
            memTableLink_->RestorePosition(position);
        else
            ds->SetRecNo(result);
    } catch (...) {
        paintLocked_ = false;
        throw;
    }
    paintLocked_ = false;
    off.Release();
    if (MemTableRowMode())
        SetTopRowClamped(top);
    else if (top >= FixedRows() && top < RowCount())
        SetTopRow(top);
    Invalidate();
    UpdateScrollBar();
    return true;
}

bool TCustomDBGridEh::TreeKeyDown(win::WORD key) {
    if (!MemTableRowMode() || !memTableLink_->TreeViewActive() || !dataLink_->Active()) return false;
    if (key != win::VK_MULTIPLY && key != win::VK_ADD && key != win::VK_SUBTRACT) return false;
    TDataSet* ds = DataSet();
    if (ds->IsEmpty()) return false;
    bool expanded = memTableLink_->TreeNodeExpanded();
    bool wanted = key == win::VK_MULTIPLY ? !expanded : key == win::VK_ADD;
    int recNo = ds->RecNo();
    if (wanted != expanded && memTableLink_->TreeNodeHasChildren()) {
        int result = memTableLink_->SetNodeExpanded(recNo - 1, wanted);
        if (result >= 1 && result != ds->RecNo()) ds->SetRecNo(result);
        Invalidate();
        UpdateScrollBar();
    }
    // The typed character of the key is the tree's too, not the editor's.
    if (HandleAllocated()) KillMessage(WindowHandle(), win::WM_CHAR);
    return true;
}

} // namespace tv
