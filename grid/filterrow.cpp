// The grid's filter row: the editor that edits a column's condition in its
// filter cell, moving between filter cells, the value list that drops down,
// applying and clearing the filter.
#include <algorithm>

#include "editors/fieldvaluelist.h"
#include "core/strutils.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "grid/celltext.h"
#include "grid/dbgrideh.h"
#include "grid/griddataservice.h"
#include "grid/gridstyle.h"
#include "grid/inplacefilteredit.h"
#include "platform/window/input.h"
#include "platform/window/messages.h"
#include "platform/window/queue.h"
#include "platform/window/window.h"

namespace tv {

namespace {

// The extra items above the values of a filter list, and what each does.
struct TFilterListItemEh {
    const char* text;
    int code;
};
constexpr TFilterListItemEh kFilterItems[] = {{"(Empty)", 1}, {"(Not empty)", 2}, {"(All)", 3}, {"(Clear filter)", 4}};
constexpr TFilterListItemEh kSortItems[] = {{"-", 5}, {"(Order by ascending)", 6}, {"(Order by descending)", 7}};

} // namespace

void TCustomDBGridEh::CreateFilterEditor() { filterEditor_ = new TInplaceFilterEditEh(this); }

bool TCustomDBGridEh::FilterCellEnabled(int dataCol) const {
    if (dataCol < 0 || dataCol >= columns_->Count()) return false;
    TColumnEh* c = columns_->Items(dataCol);
    return c->Visible() && c->STFilter()->Visible();
}

std::string TCustomDBGridEh::FilterCellText(int dataCol) const {
    if (dataCol < 0 || dataCol >= columns_->Count()) return {};
    TColumnEh* c = columns_->Items(dataCol);
    return c->FieldName().empty() ? std::string() : c->STFilter()->ExpressionText();
}

bool TCustomDBGridEh::FilterEditorShown() const { return filterEditor_ && filterEditor_->Visible(); }

void TCustomDBGridEh::ShowFilterEditor(bool show) {
    if (show)
        StartFilterEdit(SelectedIndex());
    else if (filterEditing_ || FilterEditorShown())
        FinishPendingFilterEdit();
}

void TCustomDBGridEh::StartFilterEdit(int dataCol) {
    if (!stFilter_->Visible() || !FilterCellEnabled(dataCol)) return;
    TDataSet* ds = DataSet();
    if (ds && ds->Active()) ds->CheckBrowseMode();
    if (!filterEditor_) {
        CreateFilterEditor();
        filterEditor_->SetVisible(false);
        filterEditor_->SetInplaceEditHolder(this);
        filterEditor_->SetParent(this);
        TFont font;
        font.Assign(Font());
        font.SetColor(clBlue);
        filterEditor_->SetEditorFont(&font);
        filterEditor_->SetEditorColor(BrightenColor(FixedColor(), 8));
        filterEditor_->SetFlat(flat_);
        filterEditor_->SetOnKeyPress([this](TObject*, char32_t& key) {
            if (key == U'\r') {
                key = 0;
                ApplyFilter();
            }
        });
    }
    int oldCol = -1;
    if (filterCol_ >= 0 && filterCol_ != dataCol && FilterEditorShown()) {
        oldCol = filterCol_;
        FinishFilterEdit();
    }
    filterCol_ = dataCol;
    filterEditing_ = true;
    HideEditor();
    LockLayout();
    paintLocked_ = true;
    try {
        int gridCol = dataCol + indicatorOffset_;
        if (options_.Contains(dgRowSelect)) {
            // Row select keeps its current cell: only the view scrolls.
            while (gridCol >= FixedCols() && gridCol < LeftCol() && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
            while (gridCol >= FixedCols() && gridCol >= LeftCol() + VisibleColCount() && LeftCol() < ColCount() - 1) {
                int before = LeftCol();
                SetLeftCol(before + 1);
                if (LeftCol() == before) break;
            }
        } else if (gridCol != Col()) {
            SelectGridColumn(gridCol, 0);
        }
    } catch (...) {
        paintLocked_ = false;
        UnlockLayout();
        throw;
    }
    paintLocked_ = false;
    UnlockLayout();
    if (HandleAllocated()) {
        InvalidateCell(dataCol + indicatorOffset_, titleRowCount_ - 1);
        if (oldCol >= 0) InvalidateCell(oldCol + indicatorOffset_, titleRowCount_ - 1);
    }
    MoveFilterEditor(true);
}

void TCustomDBGridEh::MoveFilterEditor(bool refill) {
    if (stFilter_->UpdateCount() > 0 || !filterEditor_) return;
    if (!FilterRowVisible() || !FilterCellEnabled(filterCol_) || !filterEditing_) {
        ShowFilterEditor(false);
        return;
    }
    if (!HandleAllocated()) return;
    win::RECT target = CellRect(filterCol_ + indicatorOffset_, titleRowCount_ - 1);
    target.left += 1;
    if (!CanStartSelection()) {
        FinishFilterEdit();
        return;
    }
    if (refill) {
        filterEditor_->HideFromCell();
        FillFilterDropDownList(filterCol_);
        filterEditor_->SelectAll();
    }
    filterEditor_->ShowInCell(target, true);
    if (filterEditor_->Visible() && filterEditor_->CanFocus()) filterEditor_->SetFocus();
}

bool TCustomDBGridEh::CanStartSelection() { return filterEditing_ && selection_->SelectionType() == gstNon; }

void TCustomDBGridEh::FinishFilterEdit() {
    if (!FilterEditorShown()) return;
    if (Visible() && CanFocus() && filterEditor_->Focused()) SetFocus();
    filterEditor_->HideFromCell();
    if (filterCol_ >= 0) {
        if (HandleAllocated()) InvalidateCell(filterCol_ + indicatorOffset_, titleRowCount_ - 1);
        ApplyFilterEditText(filterCol_);
    }
}

void TCustomDBGridEh::FinishPendingFilterEdit() {
    if (stFilter_->UpdateCount() > 0) return;
    try {
        FinishFilterEdit();
    } catch (...) {
        filterEditing_ = false;
        throw;
    }
    filterEditing_ = false;
    if (options_.Contains(dgAlwaysShowEditor))
        ShowEditorEh();
    else
        HideEditor();
}

void TCustomDBGridEh::ApplyFilterEditText(int dataCol) {
    if (!filterEditor_ || dataCol < 0 || dataCol >= columns_->Count()) return;
    TColumnEh* c = columns_->Items(dataCol);
    if (c->FieldName().empty()) return;
    c->STFilter()->StoreExpressionText(filterEditor_->Text());
}

void TCustomDBGridEh::ReapplyFilterEditText() {
    if (filterCol_ >= 0) ApplyFilterEditText(filterCol_);
}

void TCustomDBGridEh::FillFilterDropDownList(int dataCol) {
    if (!filterEditor_ || dataCol < 0 || dataCol >= columns_->Count()) return;
    TColumnEh* column = columns_->Items(dataCol);
    TSTColumnFilterEh* filter = column->STFilter();
    filterEditor_->Items()->Clear();
    filterListCodes_.clear();
    if (filter->HasDropDownButton()) {
        filterEditor_->OnGetItemsList = [this](TObject*) { FillFilterValueList(); };
        filterEditor_->OnClosingUp = [this](TObject*, bool& accept) { FilterListChosen(accept); };
        filterEditor_->OnCloseUp = [this](TObject*, bool accept) {
            if (accept && style_ && style_->FilterEditCloseUpApplyFilter) ApplyFilter();
        };
        filterEditor_->SetValue(Null());
        filterEditor_->EditButton()->OnClick = nullptr;
        filterEditor_->EditButton()->SetVisible(true);
        filterEditor_->DropDownBox()->SetSizable(true);
        if (!filter->FilterKeyField().empty())
            filterEditor_->ShowKeyAndText(filter->PickedKeys(), filter->ExpressionText());
        else
            filterEditor_->SetText(filter->ExpressionText());
        filterEditor_->DropDownBox()->SetWidth(filter->StoredListWidth > 0 ? filter->StoredListWidth : 100);
        filterEditor_->DropDownBox()->SetRows(filter->StoredListRows > 0 ? filter->StoredListRows : 17);
    } else {
        filterEditor_->SetValue(Null());
        filterEditor_->OnGetItemsList = nullptr;
        filterEditor_->OnClosingUp = nullptr;
        filterEditor_->OnCloseUp = nullptr;
        filterEditor_->EditButton()->SetVisible(false);
        filterEditor_->SetText(FilterCellText(dataCol));
    }
}

void TCustomDBGridEh::FillFilterValueList() {
    if (filterCol_ < 0 || filterCol_ >= columns_->Count()) return;
    TColumnEh* column = columns_->Items(filterCol_);
    TSTColumnFilterEh* filter = column->STFilter();
    TDatasetFieldValueListEh* values = filter->ValueList();
    if (!values && filter->ListSource()) values = filter->CreateValueList();
    TStrings* items = filterEditor_->Items();
    items->BeginUpdate();
    items->Clear();
    filterListCodes_.clear();
    if (values)
        for (int i = 0; i < values->Values()->Count(); ++i) {
            items->Add(values->Values()->Strings(i));
            filterListCodes_.push_back(0);
        }
    // Each extra item goes to the top, so they show in the reverse order.
    auto insert = [&](const TFilterListItemEh& item) {
        items->Insert(0, item.text);
        filterListCodes_.insert(filterListCodes_.begin(), item.code);
    };
    for (const TFilterListItemEh& item : kFilterItems) insert(item);
    if (optionsEh_.Contains(dghAutoSortMarking) && column->Title()->TitleButton())
        for (const TFilterListItemEh& item : kSortItems) insert(item);
    items->EndUpdate();
}

void TCustomDBGridEh::FilterListChosen(bool& accept) {
    if (filterCol_ < 0 || filterCol_ >= columns_->Count()) return;
    TColumnEh* column = columns_->Items(filterCol_);
    TSTColumnFilterEh* filter = column->STFilter();
    TPopupListboxEh* list = filterEditor_->PopupList();
    filter->StoredListWidth = list->Width();
    filter->StoredListRows = list->RowCount();
    int index = list->ItemIndex();
    if (!accept || index < 0 || index >= static_cast<int>(filterListCodes_.size())) return;
    int code = filterListCodes_[static_cast<std::size_t>(index)];
    if (code == 0) return;
    // An extra item does what it says instead of becoming the text.
    accept = false;
    switch (code) {
    case 1: filterEditor_->SetText("=Null"); break;
    case 2: filterEditor_->SetText("<>Null"); break;
    case 3: filterEditor_->SetText(""); break;
    case 4: ClearFilter(); break;
    default: break;
    }
    if (code > 5) {
        for (int i = 0; i < columns_->Count(); ++i) columns_->Items(i)->Title()->SetSortMarker(smNoneEh);
        sortMarkedColumns_.Clear();
        column->Title()->SetSortMarker(code == 6 ? smDownEh : smUpEh);
    }
    if (code == 4 || (code >= 1 && code <= 3 && style_ && style_->FilterEditCloseUpApplyFilter)) ApplyFilter();
    if (code > 5) SortMarkingChanged();
}

void TCustomDBGridEh::ApplyFilter() {
    if (FilterEditorShown() && filterCol_ >= 0) ApplyFilterEditText(filterCol_);
    int left = LeftCol();
    auto restore = [this, left] {
        if (left < ColCount() && left >= FixedCols() && left != LeftCol()) SetLeftCol(left);
        MoveFilterEditor(true);
        if (sumList_->Active()) sumList_->Recalculate();
        Invalidate();
    };
    try {
        if (OnApplyFilter)
            OnApplyFilter(this);
        else
            DataServiceApplyFilter();
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TCustomDBGridEh::ClearFilter() {
    FinishPendingFilterEdit();
    for (int i = 0; i < columns_->Count(); ++i) columns_->Items(i)->STFilter()->ClearCondition();
    Invalidate();
}

void TCustomDBGridEh::DataServiceApplyFilter() {
    TDBGridEhDataService* service = DBGridEhDataService();
    if (!service) return;
    paintLocked_ = true;
    try {
        service->ApplyFilter(this);
    } catch (...) {
        paintLocked_ = false;
        throw;
    }
    paintLocked_ = false;
}

void TCustomDBGridEh::ShowEditorEh() {
    if (filterEditing_) FinishPendingFilterEdit();
    ShowEditor();
}

// --- moving between filter cells ---

void TCustomDBGridEh::MoveFilterCell(bool forward, bool toEnd) {
    int first = indicatorOffset_, count = ColCount();
    int start = filterCol_ + indicatorOffset_;
    int step, candidate;
    if (toEnd) {
        candidate = forward ? count - 1 : first;
        step = forward ? -1 : 1;
    } else {
        step = forward ? 1 : -1;
        candidate = start + step;
        if (candidate >= count) candidate = first;
        if (candidate < first) candidate = count - 1;
    }
    if (candidate == start) return;
    for (int c = candidate; c >= first && c < count; c += step)
        if (FilterCellEnabled(c - indicatorOffset_)) {
            StartFilterEdit(c - indicatorOffset_);
            return;
        }
}

bool TCustomDBGridEh::FilterRowTakesUp(TShiftState shift) {
    TDataSet* ds = DataSet();
    if (!FilterRowVisible() || !dataLink_->Active() || !ds) return false;
    bool atFirst = ds->Bof() || (ds->IsSequenced() && ds->RecNo() <= 1);
    if (!atFirst && !shift.Contains(ssCtrl)) return false;
    if (options_.Contains(dgRowSelect)) {
        auto shown = [this](int dataCol) {
            int g = dataCol + indicatorOffset_;
            return g < FixedCols() || (g >= LeftCol() && g < LeftCol() + VisibleColCount());
        };
        int found = -1;
        for (int i = std::max(0, filterCol_); i < columns_->Count() && found < 0; ++i)
            if (FilterCellEnabled(i)) found = i;
        if (found < 0 || !shown(found)) {
            found = -1;
            for (int i = std::max(0, LeftCol() - indicatorOffset_); i < columns_->Count() && found < 0; ++i)
                if (FilterCellEnabled(i)) found = i;
        }
        if (found >= 0) StartFilterEdit(found);
    } else {
        StartFilterEdit(SelectedIndex());
    }
    return true;
}

bool TCustomDBGridEh::DispatchFilterRowMessage(Message& msg) {
    bool left = msg.Msg == win::WM_LBUTTONDOWN || msg.Msg == win::WM_LBUTTONDBLCLK;
    if (!left && msg.Msg != win::WM_RBUTTONDOWN) return false;
    if (GridDesigning() || !FilterRowVisible()) return false;
    int x = static_cast<short>(win::LOWORD(msg.LParam)), y = static_cast<short>(win::HIWORD(msg.LParam));
    TGridCoord cell = MouseCoord(x, y);
    if (cell.Y != titleRowCount_ - 1 || cell.X < indicatorOffset_) return false;
    int dataCol = cell.X - indicatorOffset_;
    if (!FilterCellEnabled(dataCol)) return false;
    if (optionsEh_.Contains(dghClearSelection) && selection_->SelectionType() != gstNon) selection_->Clear();
    auto alive = Alive();
    StartFilterEdit(dataCol);
    if (!*alive) return true;
    filterPressTime_ = static_cast<win::DWORD>(win::GetMessageTime());
    filterPressPoint_ = ClientToScreen({x, y});
    mouse_.PressPoint = {x, y};
    if (left && FilterEditorShown()) {
        win::POINT p = filterEditor_->ScreenToClient(filterPressPoint_);
        win::SendMessage(filterEditor_->Handle(), win::WM_LBUTTONDOWN, msg.WParam, win::MAKELPARAM(p.x, p.y));
    }
    return true;
}

// --- the filter editor's holder ---

bool TCustomDBGridEh::EditorCanModify(TWinControl*) { return true; }

bool TCustomDBGridEh::GetLastMouseDown(win::POINT& pos, win::DWORD& time) {
    pos = filterPressPoint_;
    time = filterPressTime_;
    filterPressTime_ = 0;
    return time != 0;
}

// Enter applies the filter (on its character) and Esc stays in the cell: the
// form's key preview must not take them first, as it does not for an open list.
void TCustomDBGridEh::FilterEditorMessage(TWinControl* editor, Message& msg) {
    if (!filterEditor_ || editor != filterEditor_ || filterEditor_->ListVisible()) return;
    if (msg.Msg != win::WM_KEYDOWN && msg.Msg != CM_WANTSPECIALKEY) return;
    if (msg.WParam != win::VK_RETURN && msg.WParam != win::VK_ESCAPE) return;
    const TShiftState shift = KeyboardShiftState();
    if (shift.Contains(ssShift) || shift.Contains(ssCtrl) || shift.Contains(ssAlt)) return;
    msg.Result = 1;
}
void TCustomDBGridEh::FilterEditorKeyPress(TWinControl*, char32_t&) {}
void TCustomDBGridEh::FilterEditorKeyUp(TWinControl*, win::WORD&, TShiftState) {}

void TCustomDBGridEh::FilterEditorKeyDown(TWinControl* editor, win::WORD& key, TShiftState shift) {
    if (editor == filterEditor_ && filterEditor_->ListVisible()) return;
    if (editor != filterEditor_ || !filterEditor_) return;
    bool ctrl = shift.Contains(ssCtrl);
    bool plain = !shift.Contains(ssShift) && !ctrl && !shift.Contains(ssAlt);
    int length = static_cast<int>(Utf8Length(filterEditor_->Text()));
    int selStart = filterEditor_->SelStart(), selLength = filterEditor_->SelLength();
    bool whole = selStart == 0 && selLength == length;
    bool atStart = whole || (selStart == 0 && selLength == 0);
    bool atEnd = whole || (selStart == length && selLength == 0);
    switch (key) {
    case win::VK_TAB:
        if (!options_.Contains(dgTabs)) return;
        key = 0;
        MoveFilterCell(!shift.Contains(ssShift), false);
        break;
    case win::VK_LEFT:
        if (ctrl || atStart) {
            key = 0;
            MoveFilterCell(false, ctrl);
        }
        break;
    case win::VK_RIGHT:
        if (ctrl || atEnd) {
            key = 0;
            MoveFilterCell(true, ctrl);
        }
        break;
    case win::VK_HOME:
        if (ctrl || atStart) {
            key = 0;
            MoveFilterCell(false, true);
        }
        break;
    case win::VK_END:
        if (ctrl || atEnd) {
            key = 0;
            MoveFilterCell(true, true);
        }
        break;
    case win::VK_UP:
        if (plain) key = 0;
        break;
    case win::VK_DOWN:
        if ((plain || (ctrl && !shift.Contains(ssShift) && !shift.Contains(ssAlt))) && dataLink_->Active()) {
            key = 0;
            SetSelectedIndex(filterCol_);
            if (plain) DataSet()->MoveBy(FirstShownDataRow() - ActiveDataRow());
            FinishPendingFilterEdit();
            if (CanFocus()) SetFocus();
        }
        break;
    case win::VK_F2:
        key = 0;
        filterEditor_->SetSelStart(length);
        filterEditor_->SetSelLength(0);
        break;
    default: break;
    }
}

} // namespace tv
