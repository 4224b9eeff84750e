#include "grid/lookupcelldropdown.h"

#include <algorithm>

#include "editors/dropdownplacement.h"
#include "editors/popupdatagrid.h"
#include "editors/sizegrip.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "grid/column.h"
#include "grid/columndropdownbox.h"
#include "grid/dbgrideh.h"
#include "grid/gridinplaceedit.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

TLookupCellDropDownEh::TLookupCellDropDownEh(TDBGridInplaceEdit* editor)
    : editor_(editor), source_(std::make_unique<TDataSource>(nullptr)) {}

TLookupCellDropDownEh::~TLookupCellDropDownEh() { Borrow(nullptr); }

// The list stays the column's: the editor only parents it, hears its
// requests, and is told when it goes.
void TLookupCellDropDownEh::Borrow(TPopupDataGridEh* list) {
    if (list == list_) return;
    if (list_) {
        list_->OnCloseUpRequest = nullptr;
        list_->OnColumnMoved = nullptr;
        if (list_->DataSource() == source_.get()) list_->SetListSource(nullptr);
        if (list_->Parent() == editor_) list_->SetParent(nullptr);
        list_->RemoveFreeNotification(editor_);
    }
    list_ = list;
    if (!list_) return;
    list_->FreeNotification(editor_);
    list_->OnCloseUpRequest = [this](TObject*, bool accept) { editor_->CloseUp(accept); };
    list_->OnColumnMoved = [this](TObject*, int, int) { columnsMoved_ = true; };
}

bool TLookupCellDropDownEh::DropDown(TColumnEh* column) {
    TField* f = column ? column->Field() : nullptr;
    TDataSet* lookup = column ? column->ListDataSet() : nullptr;
    TCustomDBGridEh* grid = editor_->Grid();
    if (visible_ || !grid || !f || !f->Lookup() || !lookup || !f->DataSet()) return false;
    Borrow(column->DropDownDataList());
    TPopupDataGridEh* list = list_;
    if (list->Parent() != editor_) list->SetParent(editor_);
    column_ = column;
    TColumnDropDownBoxEh* box = column->DropDownBox();
    source_->SetDataSet(lookup);
    list->HandleNeeded();
    list->SetListSource(nullptr);
    list->SetKeyValue(Null());
    list->SetColor(editor_->Color());
    list->SetFont(editor_->Font());
    list->SetSpecRow(column->DropDownSpecRow());
    // Titles first: the row count sizes the window with them.
    list->SetShowTitles(column->DropDownShowTitles());
    int rows = column->DropDownRows();
    if (lookup->IsSequenced() && lookup->RecordCount() > 0 && lookup->RecordCount() < rows) rows = lookup->RecordCount();
    list->SetRowCount(rows);
    list->SetKeyFieldName(f->LookupKeyFields());
    list->SetListFieldName(column->LookupDisplayFields());
    list->SetAutoFitColWidths(false);
    list->SetUseMultiTitleEh(box->UseMultiTitle());
    list->SetListSource(source_.get());
    int width = column->DropDownWidth();
    if (width == -1) {
        int wanted = list->GetColumnsWidth();
        list->SetClientWidth(wanted);
        list->UpdateScrollBar();
        if (list->ClientWidth() < wanted) list->SetWidth(list->Width() + wanted - list->ClientWidth());
    } else {
        list->SetWidth(width > 0 ? width : editor_->Width());
    }
    if (list->Width() < editor_->Width()) list->SetWidth(editor_->Width());
    list->SetKeyValue(grid->EditorKeyValue());
    columnsMoved_ = false;
    list->SetAutoFitColWidths(box->AutoFitColWidths());
    POINT p = PlaceDropDownWindow(editor_, list, ddaLeftEh);
    SetWindowPos(list->Handle(), HWND_TOP, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    list->SetVisible(true);
    list->SizeGrip()->ShowGrip(column->DropDownSizing());
    // Sizing the width may have shown a scroll bar and cut a row: the count is
    // the one worked out above.
    list->SetRowCount(rows);
    list->SetResizedByUser(false);
    visible_ = true;
    return true;
}

void TLookupCellDropDownEh::CloseUp(bool accept) {
    if (!visible_ || !list_) return;
    visible_ = false;
    TPopupDataGridEh* list = list_;
    if (HWND captured = GetCapture()) SendMessage(captured, WM_CANCELMODE, 0, 0);
    Variant key = list->KeyValue();
    std::string text = list->SelectedText();
    if (list->ResizedByUser() && column_) {
        column_->SetDropDownRows(list->RowCount());
        column_->SetDropDownWidth(list->Width());
    }
    if (columnsMoved_ && column_) column_->DropDownSpecRow()->SetCellsText(list->SpecRow()->CellsText());
    SetWindowPos(list->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    list->SetVisible(false);
    list->SetAutoFitColWidths(false);
    list->SetListSource(nullptr);
    source_->SetDataSet(nullptr);
    TColumnEh* column = column_;
    column_ = nullptr;
    if (!accept || !column) return;
    TCustomDBGridEh* grid = editor_->Grid();
    if (!grid || !column->CanModify(true)) return;
    // The key goes into the lookup field's key fields; the text the cell
    // shows is the chosen row's, not something to write back.
    column->WriteCellValue(text, key, false);
    grid->SetEditorText(text);
    editor_->SetText(text);
    grid->DataLink()->SetModified(false);
    editor_->SelectAll();
}

void TLookupCellDropDownEh::Follow(const Variant& key) {
    if (visible_ && list_) list_->SetKeyValue(key);
}

bool TLookupCellDropDownEh::RouteKey(WORD key) {
    if (!visible_ || !list_) return false;
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN || ((key == VK_HOME || key == VK_END) && ctrl)) {
        WORD k = key;
        list_->ForwardKeyDown(k, ctrl ? TShiftState{ssCtrl} : TShiftState{});
        return true;
    }
    return false;
}

void TLookupCellDropDownEh::RouteKeyUp(WORD key) {
    if (!visible_ || !list_ || key != VK_CONTROL) return;
    WORD k = key;
    list_->ForwardKeyUp(k, {});
}

bool TLookupCellDropDownEh::ListFreed(TComponent* component) {
    if (!list_ || static_cast<TComponent*>(list_) != component) return false;
    list_ = nullptr;
    column_ = nullptr;
    visible_ = false;
    return true;
}

} // namespace tv
