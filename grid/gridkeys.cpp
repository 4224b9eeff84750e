// TCustomDBGridEh and the keyboard: moving between cells and records,
// appending, inserting and deleting records, Esc, leaving the grid, the
// clipboard shortcuts and edit actions, and the incremental search.
#include <algorithm>

#include "core/scopeguards.h"
#include "core/strutils.h"
#include "editors/memtable.h"
#include "framework/data/controlsoff.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/actions.h"
#include "framework/ui/dialogs.h"
#include "framework/ui/menus.h"
#include "grid/dbgrideh.h"
#include "grid/gridclipboardkeys.h"
#include "grid/gridunit.h"
#include "grid/platformwrappers.h"
#include "platform/clipboard/clipboard.h"
#include "platform/window/input.h"
#include "platform/window/timer.h"

namespace tv {

using namespace tv::win;

namespace {

constexpr UINT_PTR kIncSearchTimer = 2;

// The text's start that matches `prefix` without regard to case, or empty.
bool StartsWithFolded(const std::string& text, const std::string& prefix, std::string& matched) {
    std::size_t bytes = Utf8Offset(text, Utf8Length(prefix));
    if (Utf8Length(text.substr(0, bytes)) < Utf8Length(prefix)) return false;
    if (LocaleUpperCase(text.substr(0, bytes)) != LocaleUpperCase(prefix)) return false;
    matched = text.substr(0, bytes);
    return true;
}

void RunClipboardKey(void (*handler)(TCustomDBGridEh*, bool), TCustomDBGridEh* grid) {
    if (handler) handler(grid, false);
}

// Copy, cut and paste, from a key or a framework action: the edit action that
// must be allowed, the grid's test and the grid services' work.
struct ClipboardEdit {
    TGridEhEditAction kind;
    bool (TCustomDBGridEh::*possible)();
    void (*TGridClipboardKeys::*work)(TCustomDBGridEh*, bool);
};
const ClipboardEdit kCopy{geaCopyEh, &TCustomDBGridEh::CanCopySelection, &TGridClipboardKeys::copy};
const ClipboardEdit kCut{geaCutEh, &TCustomDBGridEh::CanCutToClipboard, &TGridClipboardKeys::cut};
const ClipboardEdit kPaste{geaPasteEh, &TCustomDBGridEh::CanPasteFromClipboard, &TGridClipboardKeys::paste};

const ClipboardEdit* ClipboardEditOf(TBasicAction* action) {
    if (dynamic_cast<TEditCopy*>(action)) return &kCopy;
    if (dynamic_cast<TEditCut*>(action)) return &kCut;
    if (dynamic_cast<TEditPaste*>(action)) return &kPaste;
    return nullptr;
}

// Runs the edit when the grid allows it and can do it now; true when it ran.
bool RunClipboardEdit(TCustomDBGridEh* grid, const ClipboardEdit& edit) {
    if (!grid->EditActions().Contains(edit.kind) || !(grid->*edit.possible)()) return false;
    RunClipboardKey(GridClipboardKeys().*edit.work, grid);
    return true;
}

// The dataset stands on its end: past its last record, or on a record appended there.
bool AtEnd(TDataSet* ds) {
    TRecordBuffer* b = ds->ActiveBuffer();
    return ds->Eof() || (ds->State() == dsInsert && b && b->flag == bfEOF);
}

bool DataSetBusy(TDataSet* ds) {
    TDataSetState s = ds->State();
    return s == dsEdit || s == dsInsert || s == dsSetKey;
}

} // namespace

// --- record moves ---

void TCustomDBGridEh::ClearSelectionOnMove() {
    if (options_.Contains(dgMultiSelect) && optionsEh_.Contains(dghClearSelection)) SelectedBookmarks().Clear();
    shiftSelecting_ = false;
    if (selection_->SelectionType() != gstNon && optionsEh_.Contains(dghClearSelection)) {
        selection_->Clear();
        Invalidate();
        InvalidateEditor();
    }
}

void TCustomDBGridEh::MoveRecordBy(bool select, int distance, bool byRecords, bool toEnd) {
    TDataSet* ds = DataSet();
    if (!ds || !dataLink_->Active()) return;
    bool recordPath = byRecords || options_.Contains(dgRowSelect);
    bool grow = select && options_.Contains(dgMultiSelect) && recordPath && SelectionKindAllowed(gstRecordBookmarks);
    bool growRect = select && !recordPath && SelectionKindAllowed(gstRectangle);
    LockLayout();
    try {
        if (growRect) {
            // The rectangle grows from the current cell to the record moved to.
            TDBGridEhSelectionRect& rect = selection_->Rect();
            int dataCol = Col() - indicatorOffset_;
            if (selection_->SelectionType() != gstRectangle) {
                rect.Clear();
                rect.Select(dataCol, ds->Bookmark(), true);
            }
            if (toEnd) {
                if (distance > 0) ds->Last();
                else ds->First();
            } else if (distance != 0) {
                dataLink_->MoveBy(distance);
            }
            rect.Select(dataCol, ds->Bookmark(), true);
        } else if (!grow) {
            ClearSelectionOnMove();
            if (toEnd) {
                if (distance > 0) ds->Last();
                else ds->First();
            } else if (distance != 0) {
                dataLink_->MoveBy(distance);
            }
        } else {
            // Shift extends the record selection one record at a time from
            // its anchor; a step back towards the anchor unselects.
            TBookmarkListEh& rows = SelectedBookmarks();
            int step = distance < 0 ? -1 : 1;
            while (distance != 0) {
                bool backward = false;
                if (shiftSelecting_) {
                    int cmp = ds->CompareBookmarks(ds->Bookmark(), shiftAnchor_);
                    backward = (cmp > 0 && step < 0) || (cmp < 0 && step > 0);
                    if (backward) rows.SetCurrentRowSelected(ctrlSelect_ && shiftAnchorSelected_);
                } else {
                    shiftAnchor_ = ds->Bookmark();
                    shiftAnchorSelected_ = rows.CurrentRowSelected();
                    rows.SetCurrentRowSelected(ctrlSelect_ ? !shiftAnchorSelected_ : true);
                    shiftSelecting_ = true;
                }
                if (dataLink_->MoveBy(step) == 0) break;
                if (!backward) rows.SetCurrentRowSelected(ctrlSelect_ ? !shiftAnchorSelected_ : true);
                if (!toEnd) distance -= step;
            }
        }
    } catch (...) {
        UnlockLayout();
        throw;
    }
    UnlockLayout();
    if (layoutUpdate_ == 0 && HandleAllocated()) Invalidate();
}

bool TCustomDBGridEh::CanAppendOrInsert() const {
    TDataSet* ds = DataSet();
    return ds && ds->CanModify() && !readOnly_ && options_.Contains(dgEditing);
}

void TCustomDBGridEh::MoveUp(bool select) {
    TDataSet* ds = DataSet();
    if (!ds) return;
    // An untouched new record at the end is dropped when the user goes back up.
    if (ds->State() == dsInsert && !ds->Modified() && AtEnd(ds) && !dataLink_->Modified()) {
        ds->Cancel();
        return;
    }
    MoveRecordBy(select, -1, !select || !allowedSelections_.Contains(gstRectangle), false);
}

void TCustomDBGridEh::MoveDown(bool select) {
    TDataSet* ds = DataSet();
    if (!ds) return;
    if (ds->State() == dsInsert && !ds->Modified() && !dataLink_->Modified()) {
        if (AtEnd(ds)) return; // no second empty record
        ds->Cancel();
        return;
    }
    MoveRecordBy(select, 1, !select || !allowedSelections_.Contains(gstRectangle), false);
    if (ds->Eof() && CanAppendOrInsert() && allowedOperations_.Contains(alopAppendEh)) {
        ClearSelectionOnMove();
        ds->Append();
    }
}

void TCustomDBGridEh::SelectGridColumn(int col, int step, bool extendRect) {
    auto alive = Alive();
    bool rect = extendRect && !options_.Contains(dgRowSelect) && SelectionKindAllowed(gstRectangle) &&
                dataLink_->Active();
    if (rect && selection_->SelectionType() != gstRectangle) {
        selection_->Rect().Clear();
        selection_->Rect().Select(Col() - indicatorOffset_, DataSet()->Bookmark(), true);
    }
    PostPendingEdit();
    if (!*alive) return;
    int last = ColCount() - 1;
    if (last < indicatorOffset_) return;
    col = std::clamp(col, indicatorOffset_, last);
    if (step != 0) {
        int dir = step < 0 ? -1 : 1;
        while (col >= indicatorOffset_ && col <= last && ColWidths(col) < 1) col += dir;
        if (col < indicatorOffset_ || col > last) return;
    }
    if (col != Col()) {
        int before = Col();
        if (!inColExit_) {
            TFlagGuard reset(inColExit_);
            ColExit();
            if (!*alive) return;
        }
        // The handler went elsewhere itself.
        if (Col() != before) return;
        if (!options_.Contains(dgAlwaysShowEditor)) HideEditor();
        if (!*alive) return;
        if (!options_.Contains(dgRowSelect)) SetCurrentColumn(col);
        if (!*alive) return;
        TColumnEh* c = CurrentColumn();
        bool checkKind = c && (c->GetColumnType() == ctCheckboxes || c->GetColumnType() == ctKeyImageList);
        if (!checkKind && options_.Contains(dgAlwaysShowEditor)) ShowEditorEh();
        if (!*alive) return;
        ColEnter();
        if (!*alive) return;
    }
    if (rect) selection_->Rect().Select(Col() - indicatorOffset_, DataSet()->Bookmark(), true);
    ResetIncSearch();
}

void TCustomDBGridEh::MoveToNextCell(bool forward) {
    ClearSelectionOnMove();
    int last = ColCount() - 1;
    if (last < indicatorOffset_) return;
    LockLayout();
    try {
        int start = Col(), c = start;
        for (;;) {
            c += forward ? 1 : -1;
            if (c > last) {
                MoveDown(false);
                c = indicatorOffset_;
            } else if (c < indicatorOffset_) {
                MoveUp(false);
                c = last;
            }
            if (c == start) break;
            // A column made read-only since the last layout is no stop either.
            int dataCol = c - indicatorOffset_;
            bool readOnly = dataCol < columns_->Count() && columns_->Items(dataCol)->ReadOnly();
            if (TabStops(c) && !readOnly && ColWidths(c) > 0) {
                UnlockLayout();
                SelectGridColumn(c, 0, false);
                return;
            }
        }
    } catch (...) {
        UnlockLayout();
        throw;
    }
    UnlockLayout();
}

void TCustomDBGridEh::DeleteRecords() {
    TDataSet* ds = DataSet();
    if (!ds || readOnly_ || ds->IsEmpty() || !ds->CanModify() || !allowedOperations_.Contains(alopDeleteEh)) return;
    // Several selected records go through the grid services, which ask for them.
    if (selection_->SelectionType() == gstRecordBookmarks && SelectedBookmarks().SelectedCount() > 0) {
        RunClipboardKey(GridClipboardKeys().clear, this);
        return;
    }
    if (options_.Contains(dgConfirmDelete) &&
        MessageDlg(LoadResString(SDeleteRecordQuestion), mtConfirmation, mbOKCancel) == mrCancel)
        return;
    ds->Delete();
}

// --- keys ---

void TCustomDBGridEh::KeyDown(WORD& key, TShiftState shift) {
    auto alive = Alive();
    // The base grid's own moves are by grid rows; this grid moves the dataset.
    TCustomControl::KeyDown(key, shift);
    if (!*alive || key == 0) return;
    ctrlSelect_ = shift.Contains(ssCtrl) || !optionsEh_.Contains(dghClearSelection);
    // Right to left the columns run leftwards: the arrows follow the screen.
    if (UseRightToLeftAlignment() && (key == VK_LEFT || key == VK_RIGHT)) key = key == VK_LEFT ? VK_RIGHT : VK_LEFT;
    if (!dataLink_->Active()) return;
    // What the editor holds is the cell's text before the record moves.
    if (InplaceEditorVisible()) UpdateText();

    if (SearchShortcutKey(key, shift)) return;
    if (incSearchActive_ && IncSearchKeyDown(key, shift)) return;
    if (TreeKeyDown(key)) {
        key = 0;
        return;
    }
    if (key == VK_UP && FilterRowTakesUp(shift)) {
        key = 0;
        return;
    }
    if (shift.Contains(ssCtrl))
        CtrlKeyDown(key, shift);
    else
        PlainKeyDown(key, shift);
    if (!*alive) return;
    // Rows scrolled away by the wheel come back with the current record.
    if (MemTableRowMode() &&
        (key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT || key == VK_HOME || key == VK_END))
        MemTableShowCurrent();
    if (shift.Contains(ssCtrl)) return;
    if (key == VK_DELETE && !options_.Contains(dgRowSelect)) EmptyCheckOrImageCell();
}

// The shortcuts of the incremental search, the find dialog and copying the
// previous record's value.
bool TCustomDBGridEh::SearchShortcutKey(WORD& key, TShiftState shift) {
    const TDBGridEhShortcuts& keys = DBGridEhShortcuts();
    TShortCut sc = ShortCut(key, shift);
    bool findDialog = optionsEh_.Contains(dghDialogFind) && DBGridEhFindDialogProc;
    if (sc == TShortCut(keys.IncSearch) && optionsEh_.Contains(dghIncSearch)) {
        key = 0;
        // With the find dialog a second Ctrl+F hands the search over to it;
        // without, it starts the search again from an empty text.
        if (incSearchActive_ && findDialog && keys.FindDialog == keys.IncSearch) {
            ResetIncSearch();
            DBGridEhFindDialogProc(this, "", "", {}, CanShowTitleHint());
        } else {
            if (incSearchActive_) ResetIncSearch();
            IncrementalSearch("", -1, 0);
        }
        return true;
    }
    if (sc == TShortCut(keys.FindDialog) && findDialog) {
        key = 0;
        // The dialog may run modally; the grid is not touched after it.
        DBGridEhFindDialogProc(this, "", "", {}, CanShowTitleHint());
        return true;
    }
    if (sc == TShortCut(keys.CopyPreviousValue)) {
        CopyPreviousRecordValue();
        key = 0;
        return true;
    }
    return false;
}

// Enter and Esc end a running search before anything else sees them: a
// form's key preview that leaves on Esc would close the window instead. The
// grid's own key handling (and its OnKeyDown) still runs.
bool TCustomDBGridEh::DispatchIncSearchKey(Message& msg) {
    if (!incSearchActive_ || (msg.Msg != win::WM_KEYDOWN && msg.Msg != CM_WANTSPECIALKEY)) return false;
    if (msg.WParam != win::VK_RETURN && msg.WParam != win::VK_ESCAPE) return false;
    const TShiftState shift = KeyboardShiftState();
    if (shift.Contains(ssShift) || shift.Contains(ssCtrl) || shift.Contains(ssAlt)) return false;
    msg.Result = 1;
    if (msg.Msg == CM_WANTSPECIALKEY) return true;
    win::WORD key = static_cast<win::WORD>(msg.WParam);
    KeyDown(key, shift);
    msg.Result = 0;
    return true;
}

// Keys while a search runs: Enter, Esc and F2 end it and go on to do their
// own work, Backspace shortens the text, the next and prior keys search on.
bool TCustomDBGridEh::IncSearchKeyDown(WORD key, TShiftState shift) {
    const TDBGridEhShortcuts& keys = DBGridEhShortcuts();
    TShortCut sc = ShortCut(key, shift);
    if (shift.Empty() && (key == VK_RETURN || key == VK_ESCAPE || key == VK_F2)) {
        ResetIncSearch();
    } else if (shift.Empty() && key == VK_BACK) {
        std::size_t n = Utf8Length(incSearchText_);
        incSearchText_ = incSearchText_.substr(0, Utf8Offset(incSearchText_, n > 0 ? n - 1 : 0));
        InvalidateGridRow(Row());
        StartIncSearchTimer();
    } else if (sc == TShortCut(keys.IncSearchNext)) {
        IncrementalSearch("", incSearchTimeout_, 1);
        return true;
    } else if (sc == TShortCut(keys.IncSearchPrior)) {
        IncrementalSearch("", incSearchTimeout_, 2);
        return true;
    }
    return false;
}

// Ctrl with a key: to the first or last record or column, and the edit actions.
void TCustomDBGridEh::CtrlKeyDown(WORD key, TShiftState shift) {
    bool shiftSelect = shift.Contains(ssShift) && options_.Contains(dgMultiSelect);
    switch (key) {
    case VK_PRIOR:
    case VK_UP: MoveRecordBy(shiftSelect, FirstShownDataRow() - ActiveDataRow(), false, false); break;
    case VK_NEXT:
    case VK_DOWN: MoveRecordBy(shiftSelect, LastShownDataRow() - ActiveDataRow(), false, false); break;
    case VK_END: MoveRecordBy(shiftSelect, 1, false, true); break;
    case VK_HOME: MoveRecordBy(shiftSelect, -1, false, true); break;
    case VK_LEFT: SelectGridColumn(indicatorOffset_, 1); break;
    case VK_RIGHT: SelectGridColumn(ColCount() - 1, -1); break;
    case VK_INSERT: case 'C':
        RunClipboardEdit(this, kCopy);
        break;
    case VK_DELETE:
        if (editActions_.Contains(geaDeleteEh) && selection_->SelectionType() != gstNon &&
            selection_->SelectionType() != gstRecordBookmarks) {
            if (CanDeleteSelection()) RunClipboardKey(GridClipboardKeys().clear, this);
        } else {
            DeleteRecords();
        }
        break;
    case 'A':
        if (editActions_.Contains(geaSelectAllEh) && CanSelectAll()) {
            selection_->SelectAll();
        }
        break;
    case 'V':
        if (incSearchActive_) {
            std::string text;
            if (GetClipboardText(text)) IncrementalSearch(text, incSearchTimeout_, 0);
        } else {
            RunClipboardEdit(this, kPaste);
        }
        break;
    case 'X':
        RunClipboardEdit(this, kCut);
        break;
    default: break;
    }
}

// The framework's edit actions do on the focused grid what its Ctrl keys do.
bool TCustomDBGridEh::ExecuteAction(TBasicAction* action) {
    const ClipboardEdit* edit = ClipboardEditOf(action);
    return edit && Focused() && RunClipboardEdit(this, *edit);
}

bool TCustomDBGridEh::UpdateAction(TBasicAction* action) {
    const ClipboardEdit* edit = ClipboardEditOf(action);
    auto* custom = dynamic_cast<TCustomAction*>(action);
    if (edit && custom && Focused() && editActions_.Contains(edit->kind)) {
        custom->SetEnabled((this->*edit->possible)());
        return true;
    }
    return TCustomGrid::UpdateAction(action);
}

// Keys without Ctrl: moves between cells and records, Esc, inserting, and
// the Shift forms of paste and cut.
void TCustomDBGridEh::PlainKeyDown(WORD key, TShiftState shift) {
    bool shiftDown = shift.Contains(ssShift);
    bool shiftSelect = shiftDown && options_.Contains(dgMultiSelect);
    bool byRecords = !allowedSelections_.Contains(gstRectangle);
    bool rowSelect = options_.Contains(dgRowSelect);
    int dataCols = ColCount() - indicatorOffset_;
    switch (key) {
    case VK_TAB:
        if (!shift.Contains(ssAlt) && options_.Contains(dgTabs)) MoveToNextCell(!shiftDown);
        break;
    case VK_RETURN:
        if (optionsEh_.Contains(dghEnterAsTab)) MoveToNextCell(!shiftDown);
        break;
    case VK_ESCAPE: {
        auto alive = Alive();
        dataLink_->Reset();
        if (!*alive) return;
        ClearSelectionOnMove();
        if (!options_.Contains(dgAlwaysShowEditor)) HideEditor();
        CancelMouseState();
        break;
    }
    case VK_PRIOR: MoveRecordBy(shiftSelect, -VisibleDataRowCount(), byRecords, false); break;
    case VK_NEXT:
        if (memTableLink_) {
            // A table that fetches as it goes gets the rows of the page after first.
            int wanted = TopRow() + 2 * VisibleDataRowCount() - RowCount();
            if (wanted > 0) memTableLink_->SetViewRowCount(wanted);
        }
        MoveRecordBy(shiftSelect, VisibleDataRowCount(), byRecords, false);
        break;
    case VK_END:
        if (dataCols > 1 && !rowSelect) SelectGridColumn(ColCount() - 1, -1);
        else MoveRecordBy(shiftSelect, 1, false, true);
        break;
    case VK_HOME:
        if (dataCols > 1 && !rowSelect) SelectGridColumn(indicatorOffset_, 1);
        else MoveRecordBy(shiftSelect, -1, false, true);
        break;
    case VK_LEFT:
        if (rowSelect) {
            if (LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
        } else {
            ClearSelectionOnMove();
            SelectGridColumn(Col() - 1, -1);
        }
        break;
    case VK_RIGHT:
        if (rowSelect) {
            if (LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
        } else {
            ClearSelectionOnMove();
            SelectGridColumn(Col() + 1, 1);
        }
        break;
    case VK_UP: MoveUp(shiftSelect); break;
    case VK_DOWN: MoveDown(shiftSelect); break;
    case VK_INSERT:
        if (shiftDown) {
            RunClipboardEdit(this, kPaste);
        } else if (CanAppendOrInsert()) {
            ClearSelectionOnMove();
            TDataSet* ds = DataSet();
            if (allowedOperations_.Contains(alopInsertEh)) ds->Insert();
            else if (allowedOperations_.Contains(alopAppendEh)) ds->Append();
        }
        break;
    case VK_DELETE:
        if (shiftDown) RunClipboardEdit(this, kCut);
        break;
    case VK_F2:
        if (!incSearchActive_) ShowEditor();
        break;
    default: break;
    }
}

// Delete empties an image or check-box cell, unless its field must hold a value.
void TCustomDBGridEh::EmptyCheckOrImageCell() {
    TColumnEh* c = CurrentColumn();
    if (c && (c->GetColumnType() == ctKeyImageList || c->GetColumnType() == ctCheckboxes) && c->Field() &&
        !c->Field()->Required() && c->CanModify(true))
        c->WriteCellValue("", Variant(), false);
}

void TCustomDBGridEh::EditorKeyDown(WORD& key, TShiftState shift) {
    if (key != VK_ESCAPE) {
        TCustomGrid::EditorKeyDown(key, shift);
        return;
    }
    // Esc drops the editor's text and puts back the cell's value; a second
    // Esc (nothing typed since) cancels the record's edit.
    auto alive = Alive();
    TCustomGrid::EditorKeyDown(key, shift);
    if (!*alive || !dataLink_->Active()) return;
    dataLink_->Reset();
    if (*alive) ClearSelectionOnMove();
}

void TCustomDBGridEh::ExecuteFindDialog(const std::string& text) {
    if (optionsEh_.Contains(dghDialogFind) && DBGridEhFindDialogProc)
        DBGridEhFindDialogProc(this, text, "", {}, CanShowTitleHint());
}

bool TCustomDBGridEh::IncSearchWanted() {
    if (incSearchActive_) return true;
    if (optionsEh_.Contains(dghIncSearch)) {
        TColumnEh* c = CurrentColumn();
        if (!options_.Contains(dgEditing) || !c || !c->CanModify(false)) return true;
    }
    return optionsEh_.Contains(dghPreferIncSearch) && !options_.Contains(dgAlwaysShowEditor) &&
           !InplaceEditorVisible();
}

void TCustomDBGridEh::KeyPress(char32_t& key) {
    auto alive = Alive();
    if (optionsEh_.Contains(dghEnterAsTab) && key == 13) key = 9;
    if (key == 13 && !options_.Contains(dgAlwaysShowEditor) && dataLink_->Active()) {
        if (InplaceEditorVisible()) UpdateText();
        dataLink_->UpdateRecord();
        if (!*alive) return;
    }
    TCustomGrid::KeyPress(key);
    if (!*alive || key == 0) return;
    if (key >= 32 && dataLink_->Active() && !DataSetBusy(DataSet()) && IncSearchWanted()) {
        IncrementalSearch(Utf8Encode(key), incSearchActive_ ? incSearchTimeout_ : DBGridEhIncSearchPause, 0);
        key = 0;
    }
}

// Characters reaching the grid itself: during a search, or where one would
// start, they go to the search instead of opening the editor.
void TCustomDBGridEh::HandleChar(Message& msg) {
    auto ch = char32_t(msg.WParam);
    TColumnEh* c = CurrentColumn();
    if (ch == ' ' && c && !options_.Contains(dgRowSelect) &&
        (c->GetColumnType() == ctKeyImageList || c->GetColumnType() == ctCheckboxes)) {
        TCustomControl::Dispatch(msg);
        // A blank that started a search steps nothing.
        if (!incSearchActive_ && c == CurrentColumn() && c->CanModify(true))
            c->StepValue(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
        return;
    }
    if ((ch >= 32 || ch == 8) && dataLink_->Active() && !DataSetBusy(DataSet()) && IncSearchWanted()) {
        TCustomControl::Dispatch(msg);
        return;
    }
    // On a tree the keys that open and close nodes open no editor.
    if ((ch == '*' || ch == '+' || ch == '-') && MemTableRowMode() && memTableLink_->TreeViewActive()) {
        TCustomControl::Dispatch(msg);
        return;
    }
    TCustomGrid::Dispatch(msg);
}

void TCustomDBGridEh::DoExit() {
    auto alive = Alive();
    if (dataLink_->Active()) {
        TDataSet* ds = DataSet();
        try {
            if (options_.Contains(dgCancelOnExit) && ds->State() == dsInsert && !ds->Modified() &&
                !dataLink_->Modified()) {
                ds->Cancel();
            } else {
                if (InplaceEditorVisible()) UpdateText();
                dataLink_->UpdateRecord();
            }
        } catch (...) {
            // What was typed stays where the user can correct it.
            if (*alive && CanFocus()) SetFocus();
            throw;
        }
        if (!*alive) return;
    }
    TCustomGrid::DoExit();
}

// --- incremental search ---

void TCustomDBGridEh::IncrementalSearch(const std::string& text, int timeout, int direction) {
    if (!dataLink_->Active()) return;
    TColumnEh* c = CurrentColumn();
    std::string wanted = incSearchText_ + text, old = incSearchText_;
    bool found = false;
    if (!wanted.empty() && c) {
        std::string matched;
        if (direction == 0 && StartsWithFolded(c->DisplayText(), wanted, matched)) {
            wanted = matched;
            found = true;
        } else {
            found = SeekIncSearchMatch(c, wanted, direction);
        }
    }
    if (InplaceEditorVisible()) HideEditor();
    incSearchActive_ = true;
    incSearchText_ = found ? wanted : old;
    if (HandleAllocated()) InvalidateGridRow(Row());
    incSearchTimeout_ = timeout;
    StartIncSearchTimer();
}

// Walks the records from the first one, or on from the current one, for a
// display text that starts with `wanted`; on a match `wanted` becomes the
// text's own start. Without a match the current record stays.
bool TCustomDBGridEh::SeekIncSearchMatch(TColumnEh* column, std::string& wanted, int direction) {
    TDataSet* ds = DataSet();
    // The record the walk leaves current must not end the search.
    TFlagGuard walking(incSearchWalking_);
    TControlsOff controlsOff(ds);
    SaveBookmark();
    if (direction == 0) ds->First();
    else if (direction == 1) ds->Next();
    else ds->Prior();
    bool edge = direction == 2 ? ds->Bof() : ds->Eof();
    bool found = false;
    std::string matched;
    while (!edge) {
        if (StartsWithFolded(column->DisplayText(), wanted, matched)) {
            wanted = matched;
            found = true;
            break;
        }
        if (direction == 2) {
            ds->Prior();
            edge = ds->Bof();
        } else {
            ds->Next();
            edge = ds->Eof();
        }
    }
    if (!found) RestoreBookmark();
    // Outside the destructor, so that a failure while the controls catch up
    // reaches the caller.
    controlsOff.Release();
    return found;
}

void TCustomDBGridEh::StartIncSearchTimer() {
    if (incSearchTimerOn_) StopIncSearchTimer();
    if (incSearchTimeout_ >= 0 && HandleAllocated()) {
        SetTimer(WindowHandle(), kIncSearchTimer, static_cast<UINT>(incSearchTimeout_));
        incSearchTimerOn_ = true;
    }
}

void TCustomDBGridEh::StopIncSearchTimer() {
    if (incSearchTimerOn_ && HandleAllocated()) KillTimer(WindowHandle(), kIncSearchTimer);
    incSearchTimerOn_ = false;
}

void TCustomDBGridEh::ResetIncSearch() {
    StopIncSearchTimer();
    bool wasActive = incSearchActive_;
    incSearchActive_ = false;
    incSearchText_.clear();
    if (!wasActive || !HandleAllocated()) return;
    InvalidateGridRow(Row());
    if (options_.Contains(dgAlwaysShowEditor) && AlwaysShowEditorActive()) ShowEditorEh();
}

// --- edit actions ---

bool TCustomDBGridEh::CanCopySelection() {
    return dataLink_->Active() && selection_->SelectionType() != gstNon;
}

bool TCustomDBGridEh::CanPasteFromClipboard() {
    TDataSet* ds = DataSet();
    if (!dataLink_->Active() || readOnly_ || !ds->CanModify()) return false;
    win::UINT (*dataFormat)() = GridClipboardKeys().dataFormat;
    if (!(dataFormat && IsClipboardFormatAvailable(dataFormat())) && !IsClipboardFormatAvailable(CF_TEXT)) return false;
    return ds->State() == dsInsert || allowedOperations_.Contains(alopUpdateEh);
}

bool TCustomDBGridEh::CanCutToClipboard() { return CanCopySelection() && CanDeleteSelection(); }

bool TCustomDBGridEh::CanSelectAll() {
    return dataLink_->Active() && !DataSet()->IsEmpty() && allowedSelections_.Contains(gstAll);
}

bool TCustomDBGridEh::CanDeleteSelection() {
    TDataSet* ds = DataSet();
    if (!dataLink_->Active() || readOnly_ || ds->IsEmpty() || !ds->CanModify()) return false;
    switch (selection_->SelectionType()) {
    case gstRecordBookmarks: case gstAll: return allowedOperations_.Contains(alopDeleteEh);
    case gstRectangle: case gstColumns: return allowedOperations_.Contains(alopUpdateEh);
    default: return false;
    }
}

} // namespace tv
