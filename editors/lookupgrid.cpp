#include "editors/lookupgrid.h"

#include <algorithm>
#include <climits>

#include "core/scopeguards.h"
#include "core/strutils.h"
#include "editors/memtable.h"
#include "editors/variantutils.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/dberror.h"
#include "framework/data/field.h"
#include "framework/ui/hintwindow.h"
#include "framework/ui/uimessages.h"
#include "platform/window/input.h"
#include "platform/window/messages.h"
#include "platform/window/scrollbar.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TDBLookupGridEhOptionInfo{
    "TDBLookupGridEhOption",
    {"dlgColumnResizeEh", "dlgColLinesEh", "dlgRowLinesEh", "dlgAutoSortMarkingEh", "dlgMultiSortMarkingEh"}};

namespace {

// One search time stamp for every lookup grid of the process.
DWORD lastSearchKeyTime = 0;
constexpr DWORD kSearchPause = 2000;
constexpr size_t kMaxSearch = 32;

bool IsStringDataField(const TField* f) {
    return f && (f->DataType() == ftString || f->DataType() == ftWideString) &&
           (f->FieldKind() == fkData || f->FieldKind() == fkInternalCalc);
}

} // namespace

// --- the data side's link --------------------------------------------------------------

void TLookupGridDataLinkEh::ActiveChanged() {
    if (grid_) grid_->UpdateDataFields();
}

void TLookupGridDataLinkEh::LayoutChanged() {
    if (grid_) grid_->UpdateDataFields();
}

void TLookupGridDataLinkEh::RecordChanged(TField* field) {
    if (grid_) grid_->DataRecordChanged(field);
}

void TLookupGridDataLinkEh::FocusControl(TField*& field) {
    if (!grid_ || !field) return;
    if (grid_->ListActive() && !grid_->KeyFields().empty() && grid_->CanFocus()) {
        field = nullptr;
        grid_->SetFocus();
    }
}

// --- creation --------------------------------------------------------------------------

TDBLookupGridEh::TDBLookupGridEh(TComponent* owner) : TCustomDBGridEh(owner) {
    RenewColumns();
    SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
    SetParentColor(false);
    lookupSource_ = std::make_unique<TDataSource>(nullptr);
    dataLink_ = std::make_unique<TLookupGridDataLinkEh>(this);
    keyValue_ = Null();
    specRow_ = std::make_unique<TSpecRowEh>(this);
    specRow_->OnChange = [this](TObject*) { SpecRowChanged(); };
    SetOptions({dgColLines, dgRowSelect});
    SetOptionsEh(OptionsEh() + TDBGridEhOptions{dghTraceColSizing});
    HorzScrollBar()->SetTracking(true);
    VertScrollBar()->SetTracking(true);
    SetFlat(true);
    SetDrawMemoText(true);
    SetTabStop(false);
    SetVTitleMargin(5);
}

TDBLookupGridEh::~TDBLookupGridEh() {
    specRow_->OnChange = nullptr;
    dataLink_->ForgetGrid();
    dataLink_->SetDataSource(nullptr);
}

TDBGridColumnsEh* TDBLookupGridEh::CreateColumns() {
    return new TDBGridColumnsEh(this, TDBLookupGridColumnEh::StaticClass());
}

TColumnDefValuesEh* TDBLookupGridEh::CreateColumnDefValues() { return new TDBLookupGridColumnDefValuesEh(this); }

// --- settings --------------------------------------------------------------------------

const std::string& TDBLookupGridEh::KeyField() const {
    static const std::string none;
    return lookupMode_ ? none : keyField_;
}

void TDBLookupGridEh::CheckNotLookup() {
    if (lookupMode_) DatabaseError("Propiedad ya definida anteriormente por el campo de búsqueda", this);
    if (dataLink_->DataSourceFixed()) DatabaseError("Operación no permitida en un DBCtrlGrid", this);
}

void TDBLookupGridEh::CheckNotCircular() {
    TDataSource* data = dataLink_->DataSource();
    if (DataLink()->Active() && data && data->IsLinkedTo(DataLink()->DataSet()))
        DatabaseError("Los enlaces de datos (datalinks) circulares no están permitidos", this);
}

void TDBLookupGridEh::SetKeyFieldName(const std::string& name) {
    CheckNotLookup();
    if (name == keyField_) return;
    keyField_ = name;
    UpdateListFields();
    UpdateColumnWidths();
}

void TDBLookupGridEh::SetListFieldName(const std::string& name) {
    if (name == listField_) return;
    listField_ = name;
    UpdateListFields();
    UpdateColumnWidths();
}

void TDBLookupGridEh::SetListSource(TDataSource* source) {
    CheckNotLookup();
    SetDataSource(source);
}

void TDBLookupGridEh::SetDataField(const std::string& name) {
    if (name == dataField_) return;
    dataField_ = name;
    UpdateDataFields();
}

TDataSource* TDBLookupGridEh::DataLinkSource() const { return dataLink_->DataSource(); }

void TDBLookupGridEh::SetDataLinkSource(TDataSource* source) {
    if (!(dataLink_->DataSourceFixed() && ComponentState().Contains(csLoading))) dataLink_->SetDataSource(source);
    if (source) source->FreeNotification(this);
}

bool TDBLookupGridEh::ReadOnlyData() const { return dataLink_->ReadOnly(); }
void TDBLookupGridEh::ApplyReadOnly(bool v) { dataLink_->SetReadOnly(v); }

void TDBLookupGridEh::Notification(TComponent* component, TOperation operation) {
    TCustomDBGridEh::Notification(component, operation);
    if (operation == opRemove && dataLink_ && component == dataLink_->DataSource()) SetDataLinkSource(nullptr);
}

void TDBLookupGridEh::SetKeyValue(const Variant& v) {
    if (VariantsEqual(v, keyValue_)) return;
    keyValue_ = v;
    KeyValueChanged();
}

void TDBLookupGridEh::SetLookupOptions(TDBLookupGridEhOptions v) {
    if (v == lookupOptions_) return;
    lookupOptions_ = v;
    TDBGridOptions o = Options() - TDBGridOptions{dgColumnResize, dgColLines, dgRowLines};
    if (v.Contains(dlgColumnResizeEh)) o.Include(dgColumnResize);
    if (v.Contains(dlgColLinesEh)) o.Include(dgColLines);
    if (v.Contains(dlgRowLinesEh)) o.Include(dgRowLines);
    SetOptions(o);
    TDBGridEhOptions e = OptionsEh() - TDBGridEhOptions{dghAutoSortMarking, dghMultiSortMarking};
    if (v.Contains(dlgAutoSortMarkingEh)) e.Include(dghAutoSortMarking);
    if (v.Contains(dlgMultiSortMarkingEh)) e.Include(dghMultiSortMarking);
    SetOptionsEh(e);
}

// --- heights ---------------------------------------------------------------------------

int TDBLookupGridEh::SpecRowLineHeight() {
    return DefaultRowHeight() + (Options().Contains(dgRowLines) ? GridLineWidth() : 0);
}

int TDBLookupGridEh::DataRowLineHeight() {
    return DefaultRowHeight() + (Options().Contains(dgRowLines) ? GridLineWidth() : 0);
}

int TDBLookupGridEh::BorderExtent() { return HandleAllocated() ? Height() - ClientHeight() : 0; }

int TDBLookupGridEh::TitleHeightNow() { return Options().Contains(dgTitles) ? RowHeights(0) : 0; }

void TDBLookupGridEh::SetRowCount(int n) {
    n = std::clamp(n, 1, 100);
    rowCount_ = n;
    int line = Options().Contains(dgRowLines) ? GridLineWidth() : 0;
    specRowHeight_ = specRow_->Visible() ? SpecRowLineHeight() : 0;
    SetHeight(TitleHeightNow() + line + n * DefaultRowHeight() + n * line + BorderExtent() + specRowHeight_);
}

int TDBLookupGridEh::WholeRowsHeight(int height, int& rows) {
    specRowHeight_ = specRow_->Visible() ? SpecRowLineHeight() : 0;
    int line = Options().Contains(dgRowLines) ? GridLineWidth() : 0;
    int title = TitleHeightNow(), border = BorderExtent(), row = std::max(DataRowLineHeight(), 1);
    rows = std::max((height - border - title - specRowHeight_) / row, 1);
    return title + border + row * rows + specRowHeight_ + line;
}

void TDBLookupGridEh::SetBounds(int left, int top, int width, int height) {
    if (!specRow_) {
        TCustomDBGridEh::SetBounds(left, top, width, height);
        return;
    }
    height = WholeRowsHeight(height, rowCount_);
    TCustomDBGridEh::SetBounds(left, top, width, height);
}

void TDBLookupGridEh::SetShowTitles(bool v) {
    if (v == ShowTitles()) return;
    TDBGridOptions o = Options();
    if (v) o.Include(dgTitles);
    else o.Exclude(dgTitles);
    SetOptions(o);
    SetHeight(DataRowLineHeight() * rowCount_ + BorderExtent() + TitleHeightNow() + specRowHeight_);
}

void TDBLookupGridEh::SetUseMultiTitleEh(bool v) {
    SetUseMultiTitle(v);
    SetRowCount(rowCount_);
}

void TDBLookupGridEh::CreateWnd() {
    TCustomDBGridEh::CreateWnd();
    SetRowCount(rowCount_);
}

// --- column widths ---------------------------------------------------------------------

// The base grid's auto-fit stays on while the mode is on: switching it off
// and on around every size change would make the window anew (its scroll bars
// change), and a grip dragging the grid would lose the mouse.
void TDBLookupGridEh::SetAutoFitColWidths(bool v) {
    if (v == autoFitMode_) return;
    autoFitMode_ = v;
    {
        TFlagGuard guard(sizing_);
        if (v)
            for (int i = 0; i < Columns()->Count(); ++i)
                Columns()->Items(i)->SetInitWidth(Columns()->Items(i)->Width());
        TCustomDBGridEh::SetAutoFitColWidths(v);
    }
    HorzScrollBar()->SetVisible(!v);
    SetRowCount(rowCount_);
    UpdateScrollBar();
    UpdateColumnWidths();
}

void TDBLookupGridEh::UpdateColumnWidths() {
    if (sizing_) return;
    if (!autoFitMode_) {
        TFlagGuard guard(sizing_);
        for (int i = 0; i < Columns()->Count(); ++i) Columns()->Items(i)->SetInitWidth(Columns()->Items(i)->Width());
    }
    SetRowCount(rowCount_);
}

void TDBLookupGridEh::ColWidthsChanged() {
    TCustomDBGridEh::ColWidthsChanged();
    if (sizing_ || !HandleAllocated() || !autoFitMode_ || GridState() != gsColSizing) return;
    TFlagGuard guard(sizing_);
    int width = 0;
    for (int i = 0; i < ColCount(); ++i) width += ColWidths(i) + (Options().Contains(dgColLines) ? GridLineWidth() : 0);
    SetClientWidth(width);
    for (int i = 0; i < Columns()->Count(); ++i) Columns()->Items(i)->SetInitWidth(Columns()->Items(i)->Width());
}

int TDBLookupGridEh::GetColumnsWidth() {
    int width = 0;
    int line = Options().Contains(dgColLines) ? GridLineWidth() : 0;
    for (int i = 0; i < Columns()->Count(); ++i) {
        TColumnEh* c = Columns()->Items(i);
        // A hidden column takes neither width nor a line.
        if (c->Visible()) width += (autoFitMode_ ? c->InitWidth() : c->Width()) + line;
    }
    return width;
}

TGridRect TDBLookupGridEh::GetDataRect() {
    // Over a memory table the rows in view begin at the top row.
    int top = MemTableRowMode() ? TopRow() : TitleRowCount();
    int first = specRow_->Visible() ? TitleRowCount() - 1 : top;
    int last = rowCount_;
    if (FooterRowCount() > 0) last = rowCount_ - FooterRowCount() - 2;
    return TGridRect{IndicatorOffset(), first, ColCount() - 1, std::max(first, top + last - 1)};
}

// --- binding to the edited data ----------------------------------------------------------

void TDBLookupGridEh::UpdateDataFields() {
    dataFields_.clear();
    masterFields_.clear();
    masterFieldNames_.clear();
    if (dataLink_->Active() && !dataField_.empty()) {
        CheckNotCircular();
        dataFields_ = CollectFieldsByNamesArray(dataLink_->DataSet(), this, dataField_);
        if (dataFields_.size() == 1 && dataFields_[0]->Lookup()) {
            masterFields_ = CollectFieldsByNamesArray(dataLink_->DataSet(), this, dataFields_[0]->KeyFields());
        } else {
            masterFields_ = dataFields_;
        }
        masterFieldNames_ = FieldNamesOf(masterFields_);
    }
    SetLookupMode(dataFields_.size() == 1 && dataFields_[0]->Lookup());
    DataRecordChanged(nullptr);
}

void TDBLookupGridEh::SetLookupMode(bool on) {
    if (on == lookupMode_) {
        if (!on) masterFields_ = dataFields_;
        return;
    }
    if (on) {
        TField* f = dataFields_[0];
        masterFields_ = CollectFieldsByNamesArray(f->DataSet(), this, f->KeyFields());
        masterFieldNames_ = FieldNamesOf(masterFields_);
        lookupSource_->SetDataSet(f->LookupDataSet());
        keyField_ = f->LookupKeyFields();
        lookupMode_ = true;
        SetDataSource(lookupSource_.get());
    } else {
        SetDataSource(nullptr);
        lookupMode_ = false;
        keyField_.clear();
        lookupSource_->SetDataSet(nullptr);
        masterFields_ = dataFields_;
    }
}

void TDBLookupGridEh::DataRecordChanged(TField* field) {
    if (field && std::find(masterFields_.begin(), masterFields_.end(), field) == masterFields_.end()) return;
    if (masterFields_.empty() || !dataLink_->Active()) {
        if (!masterFields_.empty() || field == nullptr) {
            if (!masterFields_.empty()) SetKeyValue(Null());
        }
        return;
    }
    SetKeyValue(dataLink_->DataSet()->FieldValues(masterFieldNames_));
}

bool TDBLookupGridEh::CanModify() {
    if (!listActive_ || dataLink_->ReadOnly()) return false;
    if (!dataLink_->DataSource()) return true;
    if (masterFields_.empty()) return false;
    for (TField* f : masterFields_)
        if (!f->CanModify()) return false;
    return true;
}

// --- binding to the list ---------------------------------------------------------------

void TDBLookupGridEh::UpdateListFields() {
    listActive_ = false;
    currentListField_ = nullptr;
    listFields_.clear();
    struct Finally {
        TDBLookupGridEh* g;
        ~Finally() {
            if (g->listActive_) {
                g->KeyValueChanged();
            } else {
                g->ListDataChanged();
            }
        }
    } finally{this};
    if (!DataLink()->Active() || keyField_.empty()) return;
    CheckNotCircular();
    TDataSet* ds = DataLink()->DataSet();
    keyFields_ = CollectFieldsByNamesArray(ds, this, keyField_);
    listFields_ = CollectFieldsByNamesArray(ds, this, listField_);
    currentListField_ =
        ChooseShownListField(ds, listFields_, keyFields_, lookupMode_ ? dataFields_[0] : nullptr, listFieldIndex_);
    listActive_ = true;
}

void TDBLookupGridEh::DefineFieldMap() {
    if (Columns()->GetState() == csCustomized) {
        TCustomDBGridEh::DefineFieldMap();
        return;
    }
    DataLink()->SetTolerateMissingFields(false);
    for (TField* f : listFields_) DataLink()->AddMapping(f->FieldName());
}

void TDBLookupGridEh::GetDatasetFieldList(std::vector<TField*>& list) {
    list.insert(list.end(), listFields_.begin(), listFields_.end());
}

void TDBLookupGridEh::LinkActive(bool active) {
    UpdateListFields();
    TCustomDBGridEh::LinkActive(active);
    UpdateColumnWidths();
}

void TDBLookupGridEh::LayoutChanged() {
    if (LayoutLockCount() == 0) TCustomDBGridEh::LayoutChanged();
}

// --- the key ---------------------------------------------------------------------------

bool TDBLookupGridEh::KeyFieldsMatchValue(const std::vector<TField*>& fields, const Variant& value) {
    return tv::KeyFieldsMatchValue(fields.size(), value);
}

Variant TDBLookupGridEh::ListKeyValue() {
    TDataSet* ds = DataLink()->DataSet();
    return ds ? ds->FieldValues(keyField_) : Null();
}

bool TDBLookupGridEh::FindKeyRecord() {
    Variant kept = keyValue_;
    try {
        TDataSet* ds = DataLink()->DataSet();
        if (keyValue_.IsNull() || keyValue_.IsEmpty() || !ds || !ds->Active() ||
            !KeyFieldsMatchValue(keyFields_, keyValue_))
            return false;
        if (!ds->Locate(keyField_, keyValue_, {})) return false;
        keyValue_ = kept;
        // Over a memory table the rows scroll to show the record in their middle.
        if (HasMemTableLink() && HandleAllocated())
            SetTopRowClamped(MemTableLink()->CurrentRowIndex() + TitleRowCount() - VisibleDataRowCount() / 2);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void TDBLookupGridEh::KeyValueChanged() {
    if (specRow_->Visible()) {
        specRow_->SetSelected(VariantsEqual(keyValue_, specRow_->Value()));
        if (!selectionLock_ && !specRow_->Selected() && specRow_->ShowIfNotInKeyList()) {
            if (FindKeyRecord()) {
                ListDataChanged();
            } else {
                specRow_->SetSelected(true);
            }
        }
    } else {
        specRow_->SetSelected(false);
    }
    if (listActive_ && !selectionLock_) {
        if (FindKeyRecord() || specRow_->Selected()) {
            ListDataChanged();
        } else if (TDataSet* ds = DataLink()->DataSet()) {
            ds->First();
        }
    }
    if (specRow_->Visible() && specRow_->Selected()) {
        selectedText_ = specRow_->CellText(listFieldIndex_);
    } else {
        selectedText_ = currentListField_ ? currentListField_->DisplayText() : std::string();
    }
    UpdateActive();
    if (HandleAllocated()) Invalidate();
}

void TDBLookupGridEh::ListDataChanged() {
    TDataSet* ds = DataLink()->DataSet();
    if (listActive_ && HasMemTableLink() && ds) {
        activeRecordIndex_ = ds->RecNo() - 1;
        recordCount_ = ds->RecordCount();
    } else if (listActive_) {
        activeRecordIndex_ = DataLink()->ActiveRecord();
        recordCount_ = DataLink()->RecordCount();
    } else {
        activeRecordIndex_ = recordCount_ = 0;
    }
    if (HandleAllocated()) {
        UpdateScrollBar();
        LayoutChanged();
    }
}

int TDBLookupGridEh::FindKeyRow() {
    if (keyValue_.IsNull() || keyValue_.IsEmpty() || !DataLink()->Active()) return -1;
    // A memory table has a row for every record; the list stands on the key's.
    if (HasMemTableLink()) return VariantsEqual(ListKeyValue(), keyValue_) ? MemTableLink()->CurrentRowIndex() : -1;
    TGridDataLinkEh* link = DataLink();
    int saved = link->ActiveRecord();
    int found = -1;
    for (int i = 0; i < link->RecordCount() && found < 0; ++i) {
        link->SetActiveRecord(i);
        if (VariantsEqual(ListKeyValue(), keyValue_)) found = i;
    }
    link->SetActiveRecord(saved);
    return found;
}

void TDBLookupGridEh::UpdateActive() {
    if (!HandleAllocated()) {
        keyRowShown_ = false;
        return;
    }
    ResetIncSearch();
    keyRowShown_ = false;
    if (!DataLink()->Active() || GridLoading()) return;
    int found = FindKeyRow();
    if (found < 0) return;
    int row = found + TitleRowCount();
    if (row < TCustomGrid::RowCount() && row != Row()) {
        if (!Options().Contains(dgAlwaysShowEditor)) HideEditor();
        MoveCurrent(Col(), row, false, HasMemTableLink());
        InvalidateEditor();
    }
    keyRowShown_ = true;
}

bool TDBLookupGridEh::GetCellParamsEh(int dataCol, int dataRow, TFont* font, TColor& background,
                                      TGridDrawState state, const std::string& text) {
    if (!keyValue_.IsNull() && !keyValue_.IsEmpty() && DataLink()->Active() && LayoutLockCount() == 0 &&
        VariantsEqual(ListKeyValue(), keyValue_)) {
        background = clHighlight;
        font->SetColor(clHighlightText);
        return true;
    }
    return false;
}

// --- choosing --------------------------------------------------------------------------

void TDBLookupGridEh::SelectKeyValue(const Variant& value) {
    if (masterFields_.empty()) {
        SetKeyValue(value);
    } else if (dataLink_->Edit()) {
        dataLink_->DataSet()->SetFieldValues(masterFieldNames_, value);
    }
    UpdateActive();
    if (HandleAllocated()) Invalidate();
    Click();
}

void TDBLookupGridEh::SelectCurrent() {
    TFlagGuard lock(selectionLock_);
    Variant key = ListKeyValue();
    if (!VariantsEqual(key, keyValue_)) SelectKeyValue(key);
}

void TDBLookupGridEh::SelectSpecRow() {
    {
        TFlagGuard lock(selectionLock_);
        if (!VariantsEqual(specRow_->Value(), keyValue_)) SelectKeyValue(specRow_->Value());
    }
    specRow_->SetSelected(true);
    if (HandleAllocated()) Invalidate();
}

void TDBLookupGridEh::SelectAt(int x, int y) {
    int title = TitleHeightNow();
    if (specRow_->Visible() && y > title && y <= title + specRowHeight_) {
        SelectSpecRow();
        return;
    }
    if (y < title + specRowHeight_) return;
    y = std::min(y, ClientHeight() - 1);
    int col = 0, row = 0;
    MouseToCell(x, y, col, row);
    TGridRect box = GetDataBoxRect();
    if (row < box.Top || row > box.Bottom || col < box.Left || col > box.Right) return;
    TDataSet* ds = DataLink()->DataSet();
    if (!ds) return;
    int active = HasMemTableLink() ? MemTableLink()->CurrentRowIndex() : activeRecordIndex_;
    ds->MoveBy(row - TitleRowCount() - active);
    SelectCurrent();
}

void TDBLookupGridEh::MoveList(int distance) {
    if (TDataSet* ds = DataLink()->DataSet()) ds->MoveBy(distance);
}

// --- keys ----------------------------------------------------------------------------------

void TDBLookupGridEh::KeyDown(WORD& key, TShiftState shift) {
    if (!CanModify()) {
        TCustomDBGridEh::KeyDown(key, shift);
        return;
    }
    bool horzShown = HorzScrollBar()->IsScrollBarVisible();
    int rows = std::max(VisibleDataRowCount(), 1);
    int move = 0;
    switch (key) {
    case VK_PRIOR: move = 1 - rows; break;
    case VK_NEXT: move = rows - 1; break;
    case VK_END: move = INT_MAX; break;
    case VK_HOME: move = INT_MIN + 1; break;
    case VK_LEFT: move = horzShown ? 0 : -1; break;
    case VK_RIGHT: move = horzShown ? 0 : 1; break;
    case VK_UP: move = -1; break;
    case VK_DOWN: move = 1; break;
    default: break;
    }
    if (move == 0) {
        TCustomDBGridEh::KeyDown(key, shift);
        return;
    }
    searchText_.clear();
    TDataSet* ds = DataLink()->DataSet();
    if (!ds) return;
    if (move < 0 && specRow_->Visible() && (ds->Bof() || specRow_->Selected())) {
        SelectSpecRow();
        ds->First();
        return;
    }
    if (move > 0 && specRow_->Selected()) {
        ds->First();
        // From the special row, the first record is the next choice.
        if (move == 1) move = 0;
    }
    if (key == VK_HOME) {
        ds->First();
    } else if (key == VK_END) {
        ds->Last();
    } else if (move != 0) {
        // The move starts from the choice; a list moved away from it (by the
        // wheel with Shift) comes back to it first.
        int keyRow = FindKeyRow();
        if (keyRow < 0 && !specRow_->Selected()) {
            KeyValueChanged();
            move = 0;
        } else if (keyRow >= 0 && !HasMemTableLink()) {
            ds->MoveBy(keyRow - DataLink()->ActiveRecord());
        }
        if (move != 0) ds->MoveBy(move);
    }
    SelectCurrent();
    key = 0;
}

void TDBLookupGridEh::KeyPress(char32_t& key) {
    TCustomDBGridEh::KeyPress(key);
}

void TDBLookupGridEh::ProcessSearchKey(char32_t key) {
    if (!IsStringDataField(currentListField_)) return;
    if (key == 8 || key == 27) {
        searchText_.clear();
        return;
    }
    if (key < 32 || !CanModify()) return;
    DWORD now = GetTickCount();
    if (now - lastSearchKeyTime > kSearchPause) searchText_.clear();
    lastSearchKeyTime = now;
    if (Utf8Length(searchText_) >= kMaxSearch) return;
    std::string text = searchText_;
    Utf8Append(text, key);
    try {
        TDataSet* ds = DataLink()->DataSet();
        if (ds && ds->Locate(currentListField_->FieldName(), Variant(text), {loCaseInsensitive, loPartialKey})) {
            SelectKeyValue(ListKeyValue());
            searchText_ = text;
        }
    } catch (const std::exception&) {
        searchText_ = text;
    }
}

// --- mouse ---------------------------------------------------------------------------------

void TDBLookupGridEh::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    int col = 0, row = 0;
    MouseToCell(x, y, col, row);
    TGridRect box = GetDataRect();
    bool specCell = specRow_->Visible() && row == TitleRowCount() - 1 && col >= IndicatorOffset();
    bool dataCell = row >= TitleRowCount() && col >= IndicatorOffset() && box.Contains(col, row) &&
                    !TreeMouseDown(x, y, true);
    if (!dataCell && !specCell) {
        TCustomDBGridEh::MouseDown(button, shift, x, y);
        return;
    }
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
    if (button != mbLeft) return;
    searchText_.clear();
    if (!noFocusOnClick_) {
        if (!Focused() && CanFocus()) SetFocus();
        if (!Focused()) return;
    }
    if (!CanModify()) return;
    if (shift.Contains(ssDouble)) {
        if (row == Row()) DblClick();
        return;
    }
    if (HandleAllocated() && GetCapture() == WindowHandle()) {
        tracking_ = true;
        mouseY_ = y;
    }
    if (y >= TitleHeightNow()) SelectAt(x, y);
}

void TDBLookupGridEh::MouseMove(TShiftState shift, int x, int y) {
    if (!tracking_) {
        TCustomDBGridEh::MouseMove(shift, x, y);
        return;
    }
    SelectAt(x, y);
    mouseY_ = y;
    TimerScroll();
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TDBLookupGridEh::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (!tracking_) {
        TCustomDBGridEh::MouseUp(button, shift, x, y);
        return;
    }
    tracking_ = false;
    StopTimer();
    if (y >= TitleHeightNow()) SelectAt(x, y);
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TDBLookupGridEh::TimerScroll() {
    int direction = 0, distance = 0;
    if (mouseY_ < 0) {
        direction = -1;
        distance = -mouseY_;
    } else if (mouseY_ >= ClientHeight()) {
        direction = 1;
        distance = mouseY_ - ClientHeight() + 1;
    }
    if (direction == 0) {
        StopTimer();
        return;
    }
    TDataSet* ds = DataLink()->DataSet();
    if (!ds) return;
    if (direction < 0 && specRow_->Visible() && ds->Bof()) {
        SelectSpecRow();
    } else if (ds->MoveBy(direction) != 0) {
        SelectCurrent();
    }
    StartTimer(std::max(0, 200 - 15 * distance));
}

// Over a memory table the wheel scrolls the rows as the data grid's does;
// with Shift, and elsewhere, it moves the list past the rows in view.
bool TDBLookupGridEh::DoMouseWheelDown(TShiftState shift, POINT mousePos) {
    bool anyShift = shift.Contains(ssShift) || shift.Contains(ssCtrl) || shift.Contains(ssAlt);
    if (HasMemTableLink() && !anyShift) return TCustomDBGridEh::DoMouseWheelDown(shift, mousePos);
    if (!DataLink()->DataSet()) return false;
    if (HasMemTableLink())
        MoveList(LastShownDataRow() + 1 - ActiveDataRow());
    else
        MoveList(recordCount_ - activeRecordIndex_);
    return true;
}

bool TDBLookupGridEh::DoMouseWheelUp(TShiftState shift, POINT mousePos) {
    bool anyShift = shift.Contains(ssShift) || shift.Contains(ssCtrl) || shift.Contains(ssAlt);
    if (HasMemTableLink() && !anyShift) return TCustomDBGridEh::DoMouseWheelUp(shift, mousePos);
    if (!DataLink()->DataSet()) return false;
    if (HasMemTableLink())
        MoveList(FirstShownDataRow() - 1 - ActiveDataRow());
    else
        MoveList(-(activeRecordIndex_ + 1));
    return true;
}

// --- scrolling -------------------------------------------------------------------------------

void TDBLookupGridEh::VertScroll(int code, int pos) {
    searchText_.clear();
    if (!DataLink()->Active()) return;
    TDataSet* ds = DataLink()->DataSet();
    switch (code) {
    case SB_LINEUP: ds->MoveBy(-(activeRecordIndex_ + 1)); break;
    case SB_LINEDOWN: ds->MoveBy(recordCount_ - activeRecordIndex_); break;
    case SB_PAGEUP: ds->MoveBy(1 - activeRecordIndex_ - recordCount_); break;
    case SB_PAGEDOWN: ds->MoveBy(2 * recordCount_ - activeRecordIndex_ - 2); break;
    case SB_THUMBPOSITION:
        if (ds->IsSequenced()) {
            ds->SetRecNo(pos + 1);
            break;
        }
        switch (pos) {
        case 0: ds->First(); break;
        case 1: ds->MoveBy(1 - activeRecordIndex_ - recordCount_); break;
        case 3: ds->MoveBy(2 * recordCount_ - activeRecordIndex_ - 2); break;
        case 4: ds->Last(); break;
        default: break;
        }
        break;
    case SB_THUMBTRACK:
        if (ds->IsSequenced()) ds->SetRecNo(pos + 1);
        break;
    case SB_TOP: ds->First(); break;
    case SB_BOTTOM: ds->Last(); break;
    default: break;
    }
}

void TDBLookupGridEh::UpdateScrollBar() {
    if (HasMemTableLink()) {
        TCustomDBGridEh::UpdateScrollBar();
        return;
    }
    if (!HandleAllocated()) return;
    SCROLLINFO old{};
    old.fMask = SIF_ALL;
    GetScrollInfo(WindowHandle(), SB_VERT, &old);
    SCROLLINFO si{};
    si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = 2;
    si.nPage = 0;
    si.nPos = 0;
    TDataSet* ds = DataLink()->Active() ? DataLink()->DataSet() : nullptr;
    if (ds && listActive_) {
        if (ds->IsSequenced()) {
            si.nMax = std::max(ds->RecordCount() - 1, 0);
            si.nPage = UINT(std::max(DataLink()->RecordCount(), 1));
            bool browsing = ds->State() == dsInactive || ds->State() == dsBrowse || ds->State() == dsEdit;
            si.nPos = browsing ? std::max(ds->RecNo() - DataLink()->ActiveRecord() - 1, 0) : 0;
        } else {
            si.nMax = 4;
            si.nPos = ds->Bof() ? 0 : ds->Eof() ? 4 : 2;
            if (DataLink()->RecordCount() < rowCount_) si.nMax = 0;
        }
    }
    if (old.nMin != si.nMin || old.nMax != si.nMax || old.nPage != si.nPage || old.nPos != si.nPos)
        SetScrollInfo(WindowHandle(), SB_VERT, &si, true);
}

void TDBLookupGridEh::Scroll(int distance) {
    LockLayout();
    try {
        TCustomDBGridEh::Scroll(distance);
    } catch (...) {
        UnlockLayout();
        throw;
    }
    UnlockLayout();
    ListDataChanged();
}

void TDBLookupGridEh::UpdateRowCount() {
    if (updatingRowCount_) return;
    {
        TFlagGuard guard(updatingRowCount_);
        TCustomDBGridEh::UpdateRowCount();
    }
    ListDataChanged();
}

void TDBLookupGridEh::UpdateSumListAfterCreate() {
    TCustomDBGridEh::UpdateSumListAfterCreate();
    ListDataChanged();
}

void TDBLookupGridEh::SpecRowChanged() {
    if (!ComponentState().Contains(csLoading)) {
        SetRowCount(rowCount_);
        if (HandleAllocated()) LayoutChanged();
        Invalidate();
    }
}

// --- the special row -------------------------------------------------------------------------

int TDBLookupGridEh::FilterRowVisible() const {
    return TCustomDBGridEh::FilterRowVisible() + (specRow_ && specRow_->Visible() ? 1 : 0);
}

bool TDBLookupGridEh::IsCellRaised(int col, int row, TGridDrawState state) {
    if (specRow_->Visible() && row == TitleRowCount() - 1) return false;
    return TCustomDBGridEh::IsCellRaised(col, row, state);
}

void TDBLookupGridEh::DrawTitleCell(int col, int row, bool& highlighted, TGridDrawState state, RECT rect,
                                   const TCellTypeEh& cellType, int areaCol, int areaRow) {
    int dataCol = col - IndicatorOffset();
    if (!specRow_->Visible() || row != TitleRowCount() - 1 || dataCol < 0 || dataCol >= Columns()->Count()) {
        TCustomDBGridEh::DrawTitleCell(col, row, highlighted, state, rect, cellType, areaCol, areaRow);
        return;
    }
    auto* column = static_cast<TDBLookupGridColumnEh*>(Columns()->Items(dataCol));
    TCanvas* c = Canvas();
    TGridColumnSpecCellEh* cell = column->SpecCell();
    c->Font()->Assign(specRow_->Font());
    if (cell->IsFontStored()) c->Font()->Assign(cell->Font());
    TColor background = cell->Color();
    if (specRow_->Selected()) {
        background = clHighlight;
        c->Font()->SetColor(clHighlightText);
    }
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(background);
    WriteCellText(column, c, rect, true, 2, 1, cell->Text(), column->Alignment(), tlCenter, false, false, 0, 0);
    if (specRow_->Selected() && col == ColCount() - 1) {
        RECT whole = BoxRect(IndicatorOffset(), row, ColCount() - 1, row);
        c->Font()->SetColor(clWindowText);
        c->Brush()->SetColor(clWindow);
        c->DrawFocusRect(whole);
    }
}

// --- messages --------------------------------------------------------------------------------

void TDBLookupGridEh::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case WM_GETDLGCODE:
        msg.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_SETFOCUS:
        searchText_.clear();
        hasFocus_ = true;
        TCustomDBGridEh::Dispatch(msg);
        Invalidate();
        return;
    case WM_KILLFOCUS:
        hasFocus_ = false;
        TCustomDBGridEh::Dispatch(msg);
        Invalidate();
        return;
    case WM_SETCURSOR: {
        POINT p{};
        GetCursorPos(&p);
        p = ScreenToClient(p);
        int title = TitleHeightNow();
        if (specRow_->Visible() && p.y > title && p.y <= title + specRowHeight_) {
            msg.Result = 1;
            return;
        }
        break;
    }
    case WM_SIZE:
        if (!sizing_) {
            TFlagGuard guard(sizing_);
            TCustomDBGridEh::Dispatch(msg);
            return;
        }
        break;
    case WM_VSCROLL:
        // Over a memory table the data grid scrolls its own rows.
        if (DataLink()->Active() && !HasMemTableLink()) {
            VertScroll(LOWORD(msg.WParam), std::int16_t(HIWORD(msg.WParam)));
            msg.Result = 0;
            return;
        }
        break;
    case WM_TIMER:
        if (tracking_ && msg.WParam == 1) {
            TimerScroll();
            return;
        }
        break;
    case CM_RECREATEWND:
        if (sizing_) return;
        break;
    case CM_HINTSHOW:
        if (auto* info = reinterpret_cast<THintInfo*>(msg.LParam)) info->HintStr = Hint();
        break;
    default:
        break;
    }
    TCustomDBGridEh::Dispatch(msg);
}

} // namespace tv
