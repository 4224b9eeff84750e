// TCustomDBGridEh and its window: following a scroll of the dataset, the
// scroll bars and the wheel against the dataset, resizing, focus, the
// non-client border, colour and font messages, free notifications, and
// keeping the current record's place in the window around a walk.
#include <algorithm>
#include <cstdlib>

#include "editors/buttonfaces.h"
#include "framework/data/controlsoff.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/menus.h"
#include "framework/ui/stdctrls/scrollbar.h"
#include "grid/columndropdownbox.h"
#include "grid/dbgrideh.h"
#include "platform/window/input.h"
#include "platform/window/messages.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/scrollbar.h"

namespace tv {

using namespace tv::win;

// --- the dataset scrolled ---

void TCustomDBGridEh::Scroll(int distance) {
    if (!HandleAllocated()) return;
    if (MemTableRowMode()) {
        MemTableScrolled();
        return;
    }
    auto alive = Alive();
    int oldRow = Row();
    if (dataLink_->ActiveRecord() >= DataRowCount() || dataLink_->RecordCount() > DataRowCount()) UpdateRowCount();
    bool wasVisible = vertScrollBar_->IsScrollBarVisible();
    UpdateScrollBar();
    if (wasVisible != vertScrollBar_->IsScrollBarVisible() && autoFitColWidths_ && !GridDesigning())
        PostDeferredLayout();
    UpdateActive();
    if (!*alive) return;
    InvalidateGridRow(oldRow);
    InvalidateGridRow(Row());
    if (distance != 0) {
        bool reshow = options_.Contains(dgAlwaysShowEditor);
        HideEditor();
        if (!*alive) return;
        struct Reshow {
            TCustomDBGridEh* grid;
            bool on;
            std::shared_ptr<bool> alive;
            ~Reshow() {
                if (on && *alive) grid->ShowEditor();
            }
        } reshowGuard{this, reshow, alive};
        if (std::abs(distance) > VisibleDataRowCount()) {
            Invalidate();
            return;
        }
        TGridDrawInfo info;
        CalcDrawInfo(info);
        int rowLine = options_.Contains(dgRowLines) ? GridLineWidth() : 0;
        int dy = -distance * (DefaultRowHeight() + rowLine);
        RECT area{0, info.Vert.FixedBoundary, ClientWidth(), ClientHeight()};
        if (footerRowCount_ > 0) {
            TGridRect box = GetDataBoxRect();
            RECT rows = BoxRect(0, box.Top, ColCount() - 1, box.Bottom);
            area.bottom = rows.bottom + rowLine;
        }
        ScrollWindowEx(WindowHandle(), 0, dy, &area, &area, nullptr, nullptr, SW_INVALIDATE);
        // The row cut off at the bottom holds no record and shows blank; moved
        // up, its pixels would stand as the top of a record until the next full
        // paint. The row above the uncovered band paints anew.
        if (dy < 0) {
            RECT cut = area;
            cut.top = std::max<LONG>(area.top, area.bottom + dy - (DefaultRowHeight() + rowLine));
            cut.bottom = std::min<LONG>(area.bottom, area.bottom + dy);
            if (cut.bottom > cut.top) win::InvalidateRect(WindowHandle(), &cut, FALSE);
        }
        // A pending update moved with the pixels: the rows that changed their look repaint.
        if (indicatorOffset_ > 0) {
            int shifted = oldRow - distance;
            if (shifted >= titleRowCount_ && shifted < RowCount()) InvalidateCell(0, shifted);
        }
        InvalidateGridRow(oldRow);
        InvalidateGridRow(Row());
        for (int i = 0; i < columns_->Count(); ++i)
            if (columns_->Items(i)->HideDuplicates()) {
                InvalidateGridRow(titleRowCount_);
                break;
            }
    }
    for (int r = RowCount() - footerRowCount_; r < RowCount(); ++r) InvalidateGridRow(r);
    if (layoutLock_ == 0) Update();
}

// The grid's row is always the current record's: a cell in another data
// row becomes current only by moving the dataset there.
bool TCustomDBGridEh::SelectCell(int col, int row) {
    if (dataLink_->Active() && row != Row() && row >= titleRowCount_ && row != ActiveDataRow() + titleRowCount_)
        return false;
    return TCustomGrid::SelectCell(col, row);
}

void TCustomDBGridEh::TopLeftChanged() {
    bool first = LeftCol() <= FixedCols();
    if (first != mouse_.FirstColShown && HandleAllocated())
        for (int r = 0; r < titleRowCount_; ++r) InvalidateRow(r);
    mouse_.FirstColShown = first;
    TCustomGrid::TopLeftChanged();
    UpdateHorzExtScrollBar();
    if (MemTableRowMode()) MemTableTopLeftChanged();
    if (filterEditing_) MoveFilterEditor(false);
}

// --- the wheel and the scroll bars ---

bool TCustomDBGridEh::DoMouseWheelDown(TShiftState shift, POINT mousePos) {
    auto alive = Alive();
    if (TCustomControl::DoMouseWheelDown(shift, mousePos) || !*alive) return true;
    if (MemTableRowMode()) {
        MemTableWheel(shift, true);
        return true;
    }
    MoveDataSetBy(1);
    return true;
}

bool TCustomDBGridEh::DoMouseWheelUp(TShiftState shift, POINT mousePos) {
    auto alive = Alive();
    if (TCustomControl::DoMouseWheelUp(shift, mousePos) || !*alive) return true;
    if (MemTableRowMode()) {
        MemTableWheel(shift, false);
        return true;
    }
    MoveDataSetBy(-1);
    return true;
}

void TCustomDBGridEh::MoveDataSetBy(int distance) {
    if (!dataLink_->Active()) return;
    // What the editor holds goes to the record before it moves.
    if (InplaceEditorVisible()) UpdateText();
    dataLink_->MoveBy(distance);
}

void TCustomDBGridEh::VertScroll(int code, int pos) {
    auto alive = Alive();
    if (!CanFocusGrid() || !*alive || !dataLink_->Active()) return;
    if (MemTableRowMode()) {
        MemTableScroll(code);
        return;
    }
    TDataSet* ds = DataSet();
    auto toEnd = [&](bool last) {
        if (InplaceEditorVisible()) UpdateText();
        if (last) ds->Last();
        else ds->First();
    };
    switch (code) {
    case SB_LINEUP: MoveDataSetBy(-(dataLink_->ActiveRecord() + 1)); break;
    case SB_LINEDOWN: MoveDataSetBy(dataLink_->RecordCount() - dataLink_->ActiveRecord()); break;
    case SB_PAGEUP: MoveDataSetBy(-VisibleDataRowCount()); break;
    case SB_PAGEDOWN: MoveDataSetBy(VisibleDataRowCount()); break;
    case SB_THUMBPOSITION:
        if (mouse_.VTracked) {
            mouse_.VTracked = false;
            break;
        }
        if (!sumList_->IsNumbered()) {
            switch (pos) {
            case 0: toEnd(false); break;
            case 1: MoveDataSetBy(-VisibleDataRowCount()); break;
            case 3: MoveDataSetBy(VisibleDataRowCount()); break;
            case 4: toEnd(true); break;
            default: break;
            }
        } else {
            SCROLLINFO si{};
            si.fMask = SIF_ALL;
            vertScrollBar_->GetScrollInfo(si);
            int track = si.nTrackPos;
            if (track > 1 && track < sumList_->NumberedRecordCount()) {
                if (InplaceEditorVisible()) UpdateText();
                sumList_->GoToRecordNumber(track);
            } else {
                toEnd(track > 1);
            }
        }
        break;
    case SB_THUMBTRACK:
        if (vertScrollBar_->Tracking()) {
            SCROLLINFO si{};
            si.fMask = SIF_ALL;
            vertScrollBar_->GetScrollInfo(si);
            MoveDataSetBy(si.nTrackPos - sumList_->CurrentRecordNumber());
            mouse_.VTracked = true;
        }
        break;
    case SB_TOP: toEnd(false); break;
    case SB_BOTTOM: toEnd(true); break;
    default: break;
    }
}

void TCustomDBGridEh::HorzScroll(Message& msg) {
    int code = LOWORD(msg.WParam), pos = HIWORD(msg.WParam);
    if (code == SB_THUMBTRACK && horzScrollBar_->Tracking()) {
        Perform(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, pos), msg.LParam);
        return;
    }
    TScrollBar* ext = horzScrollBar_->ExtScrollBar();
    if (ext && msg.LParam != 0 && ext->HandleAllocated() && reinterpret_cast<HWND>(msg.LParam) == ext->WindowHandle()) {
        // The external bar runs from 0 to 127 over the columns that can come first.
        if (code == SB_THUMBPOSITION || code == SB_THUMBTRACK) {
            int range = MaxTopLeft({ColCount() - 1, RowCount() - 1}).X - FixedCols();
            pos = range > 0 ? (pos * range + 63) / 127 : 0;
        }
        ModifyScrollBar(SB_HORZ, code, pos);
    } else if (msg.LParam == 0) {
        TCustomGrid::Dispatch(msg);
    }
    UpdateHorzExtScrollBar();
}

// --- size ---

void TCustomDBGridEh::Resized() {
    if (!autoFitColWidths_ || GridDesigning()) {
        UpdateRowCount();
        UpdateScrollBar();
    } else {
        LayoutChanged();
        InvalidateEditor();
    }
}

void TCustomDBGridEh::DeferredLayout() {
    mouse_.LayoutPending = false;
    Resized();
}

void TCustomDBGridEh::PostDeferredLayout() {
    if (!HandleAllocated()) return;
    MSG m{};
    if (!PeekMessage(&m, WindowHandle(), WM_DEFERREDLAYOUTEH, WM_DEFERREDLAYOUTEH, PM_NOREMOVE))
        PostMessage(WindowHandle(), WM_DEFERREDLAYOUTEH, 0, 0);
}

// --- bookmarks around a walk ---

void TCustomDBGridEh::SaveBookmark() {
    TDataSet* ds = DataSet();
    savedBookmark_.clear();
    savedCurrent_.clear();
    if (!ds || !ds->Active() || !dataLink_->Active()) return;
    savedCurrent_ = ds->Bookmark();
    // The record in the middle of the rows comes back to the middle; from it
    // the current record is the same distance away as now.
    int count = dataLink_->RecordCount();
    savedRowOffset_ = dataLink_->ActiveRecord() + ((count + 1) % 2) - count / 2;
    TControlsOff off(ds);
    int moved = ds->MoveBy(-savedRowOffset_);
    savedBookmark_ = ds->Bookmark();
    ds->MoveBy(-moved);
    savedRowOffset_ = -moved;
    if (ds->Bookmark() != savedCurrent_ && ds->BookmarkValid(savedCurrent_)) ds->GotoBookmark(savedCurrent_);
}

void TCustomDBGridEh::RestoreBookmark() {
    TDataSet* ds = DataSet();
    if (!ds || !ds->Active() || savedCurrent_.empty()) return;
    if (!savedBookmark_.empty() && ds->BookmarkValid(savedBookmark_)) {
        ds->GotoBookmark(savedBookmark_);
        ds->MoveBy(savedRowOffset_);
    }
    // The middle record may be gone or the window may no longer reach as far:
    // the current record wins over its place.
    if (ds->Bookmark() != savedCurrent_ && ds->BookmarkValid(savedCurrent_)) ds->GotoBookmark(savedCurrent_);
}

bool TCustomDBGridEh::DataEditAllowed() {
    if (!dataLink_->Active()) return false;
    TDataSet* ds = DataSet();
    bool update = allowedOperations_.Contains(alopUpdateEh) || ds->State() == dsInsert;
    bool rows = !ds->IsEmpty() || allowedOperations_.Contains(alopInsertEh) ||
                allowedOperations_.Contains(alopAppendEh);
    return update && rows;
}

// --- free notifications ---

void TCustomDBGridEh::Notification(TComponent* component, TOperation operation) {
    TCustomGrid::Notification(component, operation);
    if (operation != opRemove) return;
    if (dataLink_ && component == dataLink_->DataSource()) {
        SetDataSource(nullptr);
        return;
    }
    if (component == titleImages_) titleImages_ = nullptr;
    if (memTableDataSet_ && component == memTableDataSet_) {
        memTableLink_ = nullptr;
        memTableDataSet_ = nullptr;
    }
    // The bar is no longer a TScrollBar while its base part notifies.
    for (TDBGridEhScrollBar* b : {static_cast<TDBGridEhScrollBar*>(horzScrollBar_.get()),
                                  static_cast<TDBGridEhScrollBar*>(vertScrollBar_.get())})
        if (b && b->ExtScrollBar() && static_cast<TComponent*>(b->ExtScrollBar()) == component)
            b->ForgetExtScrollBar();
    if (!columns_) return;
    if (auto* f = dynamic_cast<TField*>(component)) {
        bool any = false;
        BeginLayout();
        for (int i = 0; i < columns_->Count(); ++i)
            if (columns_->Items(i)->Field() == f) {
                columns_->Items(i)->SetField(nullptr);
                any = true;
            }
        TDataSet* ds = DataSet();
        if (any && !ComponentState().Contains(csDestroying) && ds && !ds->ControlsDisabled()) EndLayout();
        else DeferLayout();
    }
    for (int i = 0; i < columns_->Count(); ++i) {
        TColumnEh* c = columns_->Items(i);
        if (c->ImageList() == component) c->SetImageList(nullptr);
        if (static_cast<TComponent*>(c->PopupMenu()) == component) c->SetPopupMenu(nullptr);
        if (static_cast<TComponent*>(c->DropDownBox()->ListSource()) == component) c->DropDownBox()->SetListSource(nullptr);
    }
}

// --- the window's messages ---

bool TCustomDBGridEh::DispatchWindowMessage(Message& msg) {
    switch (msg.Msg) {
    case WM_DEFERREDLAYOUTEH:
        if (AcquireLayoutLock()) {
            mouse_.LayoutPending = false;
            EndLayout();
        } else {
            PostDeferredLayout();
        }
        return true;
    case WM_SIZE:
        TCustomGrid::Dispatch(msg);
        if (layoutLock_ != 0) {
            // The layout under way ends with the row count; a relayout comes after it.
            mouse_.LayoutPending = true;
            PostDeferredLayout();
        } else {
            DeferredLayout();
        }
        UpdateHorzExtScrollBar();
        return true;
    case WM_VSCROLL:
        VertScroll(LOWORD(msg.WParam), HIWORD(msg.WParam));
        msg.Result = 0;
        return true;
    case WM_HSCROLL:
        HorzScroll(msg);
        msg.Result = 0;
        return true;
    case WM_NCCALCSIZE: {
        TCustomGrid::Dispatch(msg);
        if (!flatBorder_ || !flat_ || !Ctl3D()) return true;
        RECT* r = msg.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(msg.LParam)->rgrc[0]
                             : reinterpret_cast<RECT*>(msg.LParam);
        InflateRect(r, -1, -1);
        return true;
    }
    case WM_NCPAINT:
        TCustomGrid::Dispatch(msg);
        DrawFlatBorder();
        return true;
    case WM_GETDLGCODE:
        TCustomGrid::Dispatch(msg);
        if (optionsEh_.Contains(dghPreferIncSearch)) msg.Result |= DLGC_WANTCHARS;
        return true;
    case WM_ERASEBKGND:
        msg.Result = 1;
        return true;
    case WM_PAINT: return PaintBufferedEh(msg);
    case WM_SETFOCUS: {
        auto alive = Alive();
        if (options_.Contains(dgRowSelect)) InvalidateGridRow(Row());
        TCustomGrid::Dispatch(msg);
        if (*alive && SelectionWasActive() != IsSelectionActive()) SelectionChanged();
        return true;
    }
    case WM_KILLFOCUS: {
        auto alive = Alive();
        HWND to = reinterpret_cast<HWND>(msg.WParam);
        bool toEditor = InplaceEditor() && InplaceEditor()->HandleAllocated() && to == InplaceEditor()->WindowHandle();
        if (!toEditor) {
            ApplyPendingSortMarking();
            if (!*alive) return true;
        }
        if (options_.Contains(dgRowSelect)) InvalidateGridRow(Row());
        TCustomGrid::Dispatch(msg);
        if (*alive && SelectionWasActive() != IsSelectionActive()) SelectionChanged();
        return true;
    }
    case CM_HINTSHOWPAUSE:
        HintShowPause(msg);
        return true;
    case CM_HINTSHOW:
        HintShow(msg);
        return true;
    case CM_SYSCOLORCHANGE:
        TCustomGrid::Dispatch(msg);
        ResetButtonBitmapCache();
        return true;
    case CM_PARENTCOLORCHANGED:
        TCustomGrid::Dispatch(msg);
        if (ParentColor()) {
            footerColor_ = Color();
            Invalidate();
        }
        return true;
    case CM_FONTCHANGED:
        TCustomGrid::Dispatch(msg);
        BeginLayout();
        try {
            // Reading a column's font refreshes it from the grid's when not set.
            for (int i = 0; i < columns_->Count(); ++i) columns_->Items(i)->Font();
        } catch (...) {
            EndLayout();
            throw;
        }
        EndLayout();
        return true;
    default:
        return false;
    }
}

} // namespace tv
