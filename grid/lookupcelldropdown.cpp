#include "grid/lookupcelldropdown.h"

#include <algorithm>

#include "editors/dropdownplacement.h"
#include "editors/popupdatagrid.h"
#include "editors/sizegrip.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "grid/column.h"
#include "grid/dbgrideh.h"
#include "grid/gridinplaceedit.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

TLookupCellDropDownEh::TLookupCellDropDownEh(TDBGridInplaceEdit* editor)
    : editor_(editor), source_(std::make_unique<TDataSource>(nullptr)) {}

TLookupCellDropDownEh::~TLookupCellDropDownEh() {
    if (list_) list_->SetListSource(nullptr);
}

bool TLookupCellDropDownEh::DropDown(TColumnEh* column) {
    TField* f = column ? column->Field() : nullptr;
    if (visible_ || !f || !f->Lookup() || !f->LookupDataSet() || !f->DataSet()) return false;
    if (!list_) {
        // Owned by the editor, so it goes with it.
        list_ = new TPopupDataGridEh(editor_);
        list_->SetVisible(false);
        list_->SetParentCtl3D(false);
        list_->SetCtl3D(true);
        list_->SetParent(editor_);
        list_->OnCloseUpRequest = [this](TObject*, bool accept) { editor_->CloseUp(accept); };
    }
    column_ = column;
    TDataSet* lookup = f->LookupDataSet();
    source_->SetDataSet(lookup);
    list_->HandleNeeded();
    list_->SetListSource(nullptr);
    list_->SetKeyValue(Null());
    list_->SetColor(editor_->Color());
    list_->SetFont(editor_->Font());
    list_->SetShowTitles(column->DropDownShowTitles());
    int rows = column->DropDownRows();
    if (lookup->IsSequenced() && lookup->RecordCount() > 0 && lookup->RecordCount() < rows) rows = lookup->RecordCount();
    list_->SetRowCount(rows);
    list_->SetKeyFieldName(f->LookupKeyFields());
    std::string names = column->LookupDisplayFields();
    list_->SetListFieldName(names.empty() ? f->LookupResultField() : names);
    list_->SetListSource(source_.get());
    int width = column->DropDownWidth();
    if (width == -1) {
        int wanted = list_->GetColumnsWidth();
        list_->SetClientWidth(wanted);
        list_->UpdateScrollBar();
        if (list_->ClientWidth() < wanted) list_->SetWidth(list_->Width() + wanted - list_->ClientWidth());
    } else {
        list_->SetWidth(width > 0 ? width : editor_->Width());
    }
    if (list_->Width() < editor_->Width()) list_->SetWidth(editor_->Width());
    list_->SetKeyValue(f->DataSet()->FieldValues(f->KeyFields()));
    list_->SetRowCount(list_->RowCount());
    POINT p = PlaceDropDownWindow(editor_, list_, ddaLeftEh);
    SetWindowPos(list_->Handle(), HWND_TOP, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    list_->SetVisible(true);
    list_->SizeGrip()->ShowGrip(column->DropDownSizing());
    list_->SetResizedByUser(false);
    visible_ = true;
    return true;
}

void TLookupCellDropDownEh::CloseUp(bool accept) {
    if (!visible_ || !list_) return;
    visible_ = false;
    if (HWND captured = GetCapture()) SendMessage(captured, WM_CANCELMODE, 0, 0);
    Variant key = list_->KeyValue();
    std::string text = list_->SelectedText();
    SetWindowPos(list_->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    list_->SetVisible(false);
    if (list_->ResizedByUser() && column_) {
        column_->SetDropDownRows(list_->RowCount());
        column_->SetDropDownWidth(list_->Width());
    }
    list_->SetListSource(nullptr);
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

} // namespace tv
