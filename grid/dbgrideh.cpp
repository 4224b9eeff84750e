#include "grid/dbgrideh.h"

#include <algorithm>

#include "core/formreader.h"
#include "core/formwriter.h"
#include "editors/buttonsizes.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/forms.h"
#include "framework/ui/menus.h"
#include "framework/ui/screen.h"
#include "grid/griddataservice.h"
#include "grid/gridinplaceedit.h"
#include "grid/gridstyle.h"
#include "grid/gridunit.h"
#include "grid/inplacefilteredit.h"
#include "grid/unmirroredscope.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/edges.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/text.h"
#include "platform/window/input.h"
#include "platform/window/messages.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"

namespace tv {

// --- construction ---

TCustomDBGridEh::TCustomDBGridEh(TComponent* owner) : TCustomGrid(owner) {
    SetScrollBars(ssHorizontal);
    TCustomGrid::SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goColSizing, goColMoving,
                             goEditing, goTabs});
    titleFont_ = std::make_unique<TFont>();
    titleFont_->Assign(Font());
    titleFont_->OnChange = [this](TObject* s) { TitleFontChanged(s); };
    footerFont_ = std::make_unique<TFont>();
    footerFont_->Assign(Font());
    footerFont_->OnChange = [this](TObject* s) { FooterFontChanged(s); };
    dataLink_ = std::make_unique<TGridDataLinkEh>(this);
    columnDefValues_.reset(CreateColumnDefValues());
    columns_.reset(CreateColumns());
    selection_ = std::make_unique<TDBGridEhSelection>(this);
    colCellParams_ = std::make_unique<TColCellParamsEh>();
    sumList_ = std::make_unique<TDBGridEhSumList>(this);
    sumList_->OnSumListChanged = [this](TObject* s) { SumListChanged(s); };
    sumList_->OnRecalcAll = [this](TObject* s) { SumListRecalcAll(s); };
    sumList_->OnAfterRecalcAll = [this](TObject* s) { SumListAfterRecalcAll(s); };
    horzScrollBar_ = std::make_unique<TDBGridEhScrollBar>(this, 0);
    vertScrollBar_ = std::make_unique<TVertDBGridEhScrollBar>(this);
    stFilter_ = std::make_unique<TSTDBGridEhFilter>(this);
    titleImageChangeLink_ = std::make_unique<TChangeLink>();
    titleImageChangeLink_->OnChange = [this](TObject* s) { TitleImagesChanged(s); };
    headTree_ = std::make_unique<THeadTreeNode>("Root", 0, 10);
    SetRowCount(2);
    SetColCount(2);
    SetColor(clWindow);
    SetParentColor(false);
    SetTabStop(true);
    TCustomGrid::SetDefaultDrawing(false);
    footerColor_ = clWindow;
    SetStyle(DBGridEhDefaultStyle());
}

TCustomDBGridEh::~TCustomDBGridEh() {
    IncludeState(csDestroying);
    // The filter editor calls its holder with every message: it goes while the grid is whole.
    delete filterEditor_;
    filterEditor_ = nullptr;
    if (style_) style_->RemoveGrid(this);
    style_ = nullptr;
    if (titleImages_) titleImages_->UnRegisterChanges(titleImageChangeLink_.get());
    // No relayout while the grid comes apart; the link goes first so that its
    // last notice still finds the columns.
    LockLayout();
    dataLink_->SetDataSource(nullptr);
    columns_.reset();
    leafNodes_.clear();
    headTree_.reset();
}

TDBGridColumnsEh* TCustomDBGridEh::CreateColumns() { return new TDBGridColumnsEh(this); }
TColumnDefValuesEh* TCustomDBGridEh::CreateColumnDefValues() { return new TDBGridEhColumnDefValuesEh(this); }

void TCustomDBGridEh::RenewColumns() {
    columns_.reset();
    columnDefValues_.reset(CreateColumnDefValues());
    columns_.reset(CreateColumns());
}

void TCustomDBGridEh::SetStyle(TDBGridEhStyle* style) {
    if (style_ == style) return;
    if (style_) style_->RemoveGrid(this);
    style_ = style;
    if (style_) style_->AddGrid(this);
}

THeadTreeNode* TCustomDBGridEh::LeafFieldNode(int i) const {
    return i >= 0 && i < static_cast<int>(leafNodes_.size()) ? leafNodes_[static_cast<std::size_t>(i)] : nullptr;
}

// --- properties ---

TDataSource* TCustomDBGridEh::DataSource() const { return dataLink_->DataSource(); }

TDataSet* TCustomDBGridEh::DataSet() const { return dataLink_->DataSet(); }

void TCustomDBGridEh::SetDataSource(TDataSource* v) {
    if (v == dataLink_->DataSource()) return;
    selection_->Clear();
    dataLink_->SetDataSource(v);
    if (v) v->FreeNotification(this);
    LinkActive(dataLink_->Active());
    sumList_->SetDataSet(v ? v->DataSet() : nullptr);
}

void TCustomDBGridEh::SetAllowedSelections(TDBGridEhAllowedSelections v) {
    allowedSelections_ = v;
    ClearSelectionIfNotAllowed();
}

void TCustomDBGridEh::ClearSelectionIfNotAllowed() {
    TDBGridEhSelectionType t = selection_->SelectionType();
    if (t != gstNon && !SelectionKindAllowed(t)) selection_->Clear();
}

void TCustomDBGridEh::RecordInitialWidths() {
    for (int i = 0; i < columns_->Count(); ++i) columns_->Items(i)->SetInitWidth(columns_->Items(i)->Width());
}

void TCustomDBGridEh::SetAutoFitColWidths(bool v) {
    if (v == autoFitColWidths_ || GridDesigning()) {
        autoFitColWidths_ = v;
        return;
    }
    autoFitColWidths_ = v;
    if (v) {
        if (!GridLoading()) RecordInitialWidths();
        SetScrollBars(ssNone);
    } else {
        columns_->BeginUpdate();
        try {
            for (int i = 0; i < columns_->Count(); ++i) columns_->Items(i)->SetWidth(columns_->Items(i)->InitWidth());
        } catch (...) {
            columns_->EndUpdate();
            throw;
        }
        columns_->EndUpdate();
        SetScrollBars(ssHorizontal);
    }
    LayoutChanged();
}

void TCustomDBGridEh::SetDrawMemoText(bool v) {
    drawMemoText_ = v;
    Invalidate();
}

void TCustomDBGridEh::SetEvenRowColor(TColor v) {
    bool changed = v != EvenRowColor();
    evenRowColor_ = v;
    evenRowColorAssigned_ = true;
    if (changed) Invalidate();
}

void TCustomDBGridEh::SetOddRowColor(TColor v) {
    bool changed = v != OddRowColor();
    oddRowColor_ = v;
    oddRowColorAssigned_ = true;
    if (changed) Invalidate();
}

void TCustomDBGridEh::SetFlat(bool v) {
    if (v == flat_) return;
    flat_ = v;
    if (HandleAllocated()) RecreateWnd();
    LayoutChanged();
}

void TCustomDBGridEh::SetFooterColor(TColor v) {
    footerColor_ = v;
    if (!GridLoading()) SetParentColor(false);
    if (footerRowCount_ > 0) Invalidate();
}

void TCustomDBGridEh::SetFooterRowCount(int v) {
    if (v < 0 || v == footerRowCount_) return;
    footerRowCount_ = v;
    UpdateMemTableLink();
    LayoutChanged();
}

void TCustomDBGridEh::SetFrozenCols(int v) {
    if (v < 0 || v == frozenCols_) return;
    frozenCols_ = v;
    LayoutChanged();
}

void TCustomDBGridEh::SetMinAutoFitWidth(int v) {
    minAutoFitWidth_ = v;
    LayoutChanged();
}

void TCustomDBGridEh::SetOptions(TDBGridOptions v) {
    if (v.Contains(dgRowSelect)) v -= TDBGridOptions{dgEditing, dgAlwaysShowEditor};
    TDBGridOptions old = options_;
    options_ = v;
    TGridOptions g = TCustomGrid::Options();
    auto put = [&g](bool on, TGridOptions bits) { on ? g += bits : g -= bits; };
    put(v.Contains(dgColLines), {goFixedVertLine, goVertLine});
    put(v.Contains(dgRowLines), {goFixedHorzLine, goHorzLine});
    put(v.Contains(dgColumnResize), {goColSizing, goColMoving});
    put(v.Contains(dgTabs), {goTabs});
    put(v.Contains(dgRowSelect), {goRowSelect});
    put(v.Contains(dgEditing), {goEditing});
    put(v.Contains(dgAlwaysShowEditor), {goAlwaysShowEditor});
    put(rowSizingAllowed_, {goRowSizing});
    TCustomGrid::SetOptions(g);
    if (old.Contains(dgMultiSelect) && !v.Contains(dgMultiSelect)) selection_->Clear();
    ClearSelectionIfNotAllowed();
    const TDBGridOptions layoutOptions{dgEditing, dgAlwaysShowEditor, dgTitles, dgIndicator, dgColLines,
                                       dgRowLines, dgRowSelect, dgAlwaysShowSelection};
    if ((old * layoutOptions) != (v * layoutOptions)) LayoutChanged();
    if (EditorMode()) InvalidateEditor();
}

void TCustomDBGridEh::SetOptionsEh(TDBGridEhOptions v) {
    TDBGridEhOptions old = optionsEh_;
    optionsEh_ = v;
    if (old.Contains(dghMultiSortMarking) && !v.Contains(dghMultiSortMarking)) {
        columns_->BeginUpdate();
        for (int i = 1; i < sortMarkedColumns_.Count(); ++i) {
            TColumnTitleEh* t = sortMarkedColumns_.Items(i)->Title();
            t->SetSortMarkerDirect(smNoneEh);
            t->SetSortIndexDirect(0);
        }
        if (sortMarkedColumns_.Count() > 1) sortMarkedColumns_.SetCount(1);
        columns_->EndUpdate();
    }
    LayoutChanged();
}

void TCustomDBGridEh::SetReadOnly(bool v) {
    readOnly_ = v;
    Invalidate();
    UpdateColumnReadOnly();
}

void TCustomDBGridEh::SetRowHeight(int v) {
    rowHeight_ = std::max(0, v);
    LayoutChanged();
}

void TCustomDBGridEh::SetRowLines(int v) {
    rowLines_ = std::max(0, v);
    LayoutChanged();
}

void TCustomDBGridEh::SetRowSizingAllowed(bool v) {
    rowSizingAllowed_ = v;
    TGridOptions g = TCustomGrid::Options();
    v ? g += TGridOptions{goRowSizing} : g -= TGridOptions{goRowSizing};
    TCustomGrid::SetOptions(g);
}

void TCustomDBGridEh::SetTitleHeight(int v) {
    titleHeight_ = v;
    LayoutChanged();
}

void TCustomDBGridEh::SetTitleLines(int v) {
    titleLines_ = v;
    LayoutChanged();
}

void TCustomDBGridEh::SetTitleImages(TCustomImageList* v) {
    if (titleImages_) titleImages_->UnRegisterChanges(titleImageChangeLink_.get());
    titleImages_ = v;
    if (v) {
        v->RegisterChanges(titleImageChangeLink_.get());
        v->FreeNotification(this);
    }
    LayoutChanged();
}

void TCustomDBGridEh::TitleImagesChanged(TObject*) { Invalidate(); }

void TCustomDBGridEh::SetUseMultiTitle(bool v) {
    useMultiTitle_ = v;
    LayoutChanged();
}

void TCustomDBGridEh::SetVTitleMargin(int v) {
    vTitleMargin_ = v;
    LayoutChanged();
}

void TCustomDBGridEh::TitleFontChanged(TObject*) {
    if (!GridLoading() && !ownFontChange_) SetParentFont(false);
    if (options_.Contains(dgTitles)) LayoutChanged();
}

void TCustomDBGridEh::FooterFontChanged(TObject*) {
    if (!GridLoading() && !ownFontChange_) SetParentFont(false);
    if (footerRowCount_ > 0) LayoutChanged();
}

void TCustomDBGridEh::FontChanged() {
    ownFontChange_ = true;
    try {
        TCustomGrid::FontChanged();
    } catch (...) {
        ownFontChange_ = false;
        throw;
    }
    ownFontChange_ = false;
    LayoutChanged();
}

void TCustomDBGridEh::SumListChanged(TObject*) {
    if (footerRowCount_ > 0) Invalidate();
}

void TCustomDBGridEh::SumListRecalcAll(TObject*) {
    if (OnSumListRecalcAll) OnSumListRecalcAll(this);
}

void TCustomDBGridEh::SumListAfterRecalcAll(TObject*) {
    if (OnSumListAfterRecalcAll) OnSumListAfterRecalcAll(this);
}

// --- field map and the link ---

void TCustomDBGridEh::DefineFieldMap() {
    if (columns_->GetState() == csCustomized) {
        dataLink_->SetTolerateMissingFields(true);
        for (int i = 0; i < columns_->Count(); ++i) dataLink_->AddMapping(columns_->Items(i)->FieldName());
    } else {
        dataLink_->SetTolerateMissingFields(false);
        if (TDataSet* ds = DataSet())
            for (int i = 0; i < ds->FieldCount(); ++i) {
                TField* f = ds->Fields()[i];
                if (f->Visible()) dataLink_->AddMapping(f->FieldName());
            }
    }
}

void TCustomDBGridEh::GetDatasetFieldList(std::vector<TField*>& list) {
    TDataSet* ds = DataSet();
    if (!ds) return;
    for (int i = 0; i < ds->FieldCount(); ++i) list.push_back(ds->Fields()[i]);
}

void TCustomDBGridEh::LinkActive(bool active) {
    // Looked up first: the relayout below already draws the tree area.
    UpdateMemTableLink();
    if (!active) HideEditor();
    selection_->DataLinkChanged(active);
    sumList_->SetDataSet(DataSource() ? DataSource()->DataSet() : nullptr);
    if (MemTableRowMode()) UpdateRowCount();
    LayoutChanged();
    if (active && AlwaysShowEditorActive()) ShowEditorEh();
    UpdateScrollBar();
    columns_->ReleaseFilterValueLists();
}

void TCustomDBGridEh::DataChanged() {
    SelectedBookmarks().DataSetChanged();
    if (!HandleAllocated()) return;
    Invalidate();
}

void TCustomDBGridEh::EditingChanged() {
    if (!HandleAllocated()) return;
    int row = Row();
    if (row >= 0 && row < RowCount()) InvalidateCell(0, row);
    if (EditorMode() && dataLink_->Active() && !dataLink_->Editing()) InvalidateEditor();
}

void TCustomDBGridEh::RecordChanged(TField* field) {
    if (!HandleAllocated()) return;
    if (field) {
        for (int i = 0; i < columns_->Count(); ++i)
            if (columns_->Items(i)->Field() == field) InvalidateCell(i + indicatorOffset_, Row());
    } else {
        Invalidate();
    }
    TField* selected = SelectedField();
    if ((field && field == selected) || (!field && selected)) {
        TColumnEh* c = CurrentColumn();
        std::string now;
        if (drawMemoText_ && selected->DataType() == ftMemo) {
            now = selected->AsString();
            std::string crlf;
            for (std::size_t i = 0; i < now.size(); ++i) {
                if (now[i] == '\n' && (i == 0 || now[i - 1] != '\r')) crlf += '\r';
                crlf += now[i];
            }
            now = crlf;
        } else if (c && c->GetColumnType() == ctKeyPickList) {
            now = c->DisplayText();
        } else {
            now = selected->Text();
        }
        if (now != editText_) {
            editText_ = now;
            InvalidateEditor();
            if (InplaceEditor()) InplaceEditor()->SetSelLength(0);
        }
    }
}

// --- editing permissions ---

bool TCustomDBGridEh::AlwaysShowEditorActive() const { return options_.Contains(dgAlwaysShowEditor) && !filterEditing_; }

bool TCustomDBGridEh::CanEditShow() {
    // The editor stays away while an incremental search runs.
    bool ok = layoutUpdate_ == 0 && !incSearchActive_ && TCustomGrid::CanEditShow();
    if (ok) {
        TColumnEh* c = CurrentColumn();
        if (c && (c->GetColumnType() == ctKeyImageList || c->GetColumnType() == ctCheckboxes)) ok = false;
    }
    if (ok && selection_->SelectionType() != gstNon && optionsEh_.Contains(dghClearSelection) &&
        SelectionKindAllowed(gstRectangle))
        ok = false;
    if (!ok && InplaceEditor() && InplaceEditor()->Visible()) HideEditor();
    return ok;
}

bool TCustomDBGridEh::CanEditModify() {
    TColumnEh* c = CurrentColumn();
    if (!c || c->GetColumnType() == ctCheckboxes || incSearchActive_) return false;
    bool result = false;
    TColCellParamsEh* p = colCellParams_.get();
    if (p->ReadOnlyAssigned) {
        if (p->ReadOnly) return false;
        if (dataLink_->Edit()) {
            dataLink_->SetModified(true);
            result = true;
        }
    }
    if (readOnly_ || !dataLink_->Active() || dataLink_->ReadOnly()) return result;
    if (c->ReadOnly() || !c->Field()) return result;
    TField* f = c->Field();
    if (f->FieldKind() == fkLookup) {
        if (f->KeyFields().empty() || !FieldsCanModify(f->DataSet()->GetFieldList(f->KeyFields()))) return result;
    } else if (!f->CanModify()) {
        return result;
    }
    if (f->IsBlob() && !f->OnSetText && !(f->DataType() == ftMemo && drawMemoText_)) return result;
    if (c->CanModify(false)) {
        dataLink_->Edit();
        result = dataLink_->Editing();
        if (result) dataLink_->SetModified(true);
    }
    return result;
}

bool TCustomDBGridEh::CanEditAcceptKey(char32_t key) {
    TColumnEh* c = CurrentColumn();
    TColCellParamsEh* p = colCellParams_.get();
    TField* f = c ? c->Field() : nullptr;
    if (dataLink_->Active() && f) {
        bool result = p->ReadOnlyAssigned ? !p->ReadOnly : true;
        if (!c->KeyListEmpty()) return result;
        return result && f->IsValidChar(key);
    }
    return p->ReadOnlyAssigned ? !p->ReadOnly : false;
}

TInplaceEdit* TCustomDBGridEh::CreateEditor() { return new TDBGridInplaceEdit(this); }

bool TCustomDBGridEh::CanFocusGrid() {
    if (!canFocusSwitch_ || !CanFocus() || GridDesigning()) return true;
    SetFocus();
    auto focused = [this] {
        win::HWND f = win::GetFocus();
        return f && (f == WindowHandle() || (InplaceEditor() && f == InplaceEditor()->WindowHandle()));
    };
    if (focused()) return true;
    if (Screen && Screen->ActiveForm() && Screen->ActiveForm()->FormStyle() == fsMDIForm) {
        win::SetFocus(WindowHandle());
        if (focused()) return true;
    }
    return false;
}

bool TCustomDBGridEh::CheckTitleButton(int aCol, bool& enabled) {
    if (aCol < 0 || aCol >= columns_->Count()) return false;
    if (OnCheckButton) OnCheckButton(this, aCol, columns_->Items(aCol), enabled);
    return enabled;
}

void TCustomDBGridEh::UpdateColumnReadOnly() {
    for (int i = 0; i < columns_->Count(); ++i) {
        TColumnEh* c = columns_->Items(i);
        int gc = i + indicatorOffset_;
        if (gc >= ColCount()) break;
        TField* f = c->Field();
        bool writable = false;
        if (f && !f->Calculated()) {
            if (f->FieldKind() == fkLookup) {
                TDataSet* ds = f->DataSet();
                writable = ds && !f->KeyFields().empty();
                if (writable) {
                    writable = false;
                    for (TField* k : ds->GetFieldList(f->KeyFields()))
                        if (!k->ReadOnly()) writable = true;
                }
            } else {
                writable = !f->ReadOnly();
            }
        }
        SetTabStops(gc, c->Visible() && !c->ReadOnly() && dataLink_->Active() && writable);
        int w = c->Visible() ? c->Width() : (options_.Contains(dgColLines) ? -1 : 0);
        if (ColWidths(gc) != w) SetColWidths(gc, w);
    }
    if (indicatorOffset_ > 0 && ColCount() > 0 && ColWidths(0) != 11) SetColWidths(0, 11);
}

// --- public operations ---

int TCustomDBGridEh::DataRowCount() const {
    int n = RowCount() - titleRowCount_;
    if (footerRowCount_ > 0) n -= footerRowCount_ + 1;
    return n;
}

int TCustomDBGridEh::VisibleDataRowCount() {
    int n = VisibleRowCount();
    if (footerRowCount_ > 0) n = std::max(1, n - (footerRowCount_ + 1));
    return n;
}

bool TCustomDBGridEh::IsActiveControlEh() { return IsActiveControl(); }

bool TCustomDBGridEh::InplaceEditorVisible() const { return InplaceEditor() && InplaceEditor()->Visible(); }

bool TCustomDBGridEh::SelectionKindAllowed(TDBGridEhSelectionType kind) const {
    if (kind == gstNon) return true;
    if (!options_.Contains(dgMultiSelect) || !allowedSelections_.Contains(kind)) return false;
    if ((kind == gstRectangle || kind == gstColumns) && options_.Contains(dgRowSelect)) return false;
    return true;
}

void TCustomDBGridEh::SetCurrentColumn(int gridCol) {
    if (gridCol == Col()) return;
    if (gridCol >= FixedCols() || gridCol < indicatorOffset_)
        SetCol(gridCol);
    else
        SetCurrentDirect(gridCol, Row());
}

int TCustomDBGridEh::RecNoOfRow(int row) {
    if (!dataLink_->Active()) return 0;
    if (MemTableRowMode()) return row + 1;
    TActiveRecordGuard guard(*dataLink_);
    dataLink_->SetActiveRecord(row);
    return DataSet()->RecNo();
}

void TCustomDBGridEh::InvalidateGridRow(int row) {
    for (int c = 0; c < ColCount(); ++c) {
        InvalidateCell(c, row);
        if (options_.Contains(dgRowLines) && row > 0) InvalidateCell(c, row - 1);
    }
}

void TCustomDBGridEh::InvalidateGridColumn(int col) {
    if (!HandleAllocated() || col < 0 || col >= ColCount()) return;
    int last = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
    InvalidateRect(TGridRect{col, 0, col, last});
}

void TCustomDBGridEh::SetCanvasRightToLeft(bool rightToLeft) {
    MirrorDC(Canvas()->Handle(), ClientWidth(), ClientHeight(), rightToLeft);
}

void TCustomDBGridEh::DrawEdgeEh(TCanvas* canvas, win::RECT r, bool rightSide, bool leftSide, bool sunken,
                                 bool pressed) {
    win::UINT edge = (sunken || pressed) ? win::BDR_SUNKENINNER : win::BDR_RAISEDINNER;
    win::HDC dc = canvas->Handle();
    // Mirrored, the edges stay lit from the top left: the sides change places.
    TUnmirroredScope scope(dc, ClientWidth(), ClientHeight(), r);
    if (scope.Mirrored()) std::swap(leftSide, rightSide);
    if (!flat_) {
        if (rightSide && leftSide) {
            win::DrawEdge(dc, &r, edge, win::BF_RECT);
            return;
        }
        win::DrawEdge(dc, &r, edge, leftSide ? win::BF_TOPLEFT : win::BF_TOP);
        win::DrawEdge(dc, &r, edge, rightSide ? win::BF_BOTTOMRIGHT : win::BF_BOTTOM);
        return;
    }
    canvas->Pen()->SetColor(canvas->Brush()->Color());
    canvas->MoveTo(r.left, r.bottom - 1);
    canvas->LineTo(r.right, r.bottom - 1);
    if (rightSide) {
        canvas->MoveTo(r.right - 1, r.top);
        canvas->LineTo(r.right - 1, r.bottom);
    }
    win::DrawEdge(dc, &r, edge, leftSide ? win::BF_TOPLEFT : win::BF_TOP);
}

int TCustomDBGridEh::SelectedIndex() const { return Col() - indicatorOffset_; }

void TCustomDBGridEh::SetSelectedIndex(int dataCol) {
    int gc = dataCol + indicatorOffset_;
    if (gc < 0 || gc >= ColCount()) return;
    SelectGridColumn(gc, 0, false);
}

TColumnEh* TCustomDBGridEh::CurrentColumn() const {
    int i = SelectedIndex();
    return i >= 0 && i < columns_->Count() ? columns_->Items(i) : nullptr;
}

TField* TCustomDBGridEh::SelectedField() const {
    TColumnEh* c = CurrentColumn();
    return c ? c->Field() : nullptr;
}

TGridRect TCustomDBGridEh::GetDataBoxRect() const {
    return {indicatorOffset_, titleRowCount_, ColCount() - 1, titleRowCount_ + DataRowCount() - 1};
}

std::string TCustomDBGridEh::GetFooterValue(int row, TColumnEh* column) {
    if (!column) return {};
    TColumnFooterEh* f = column->FooterForRow(row);
    switch (f->ValueType()) {
    case fvtStaticText: return f->Value();
    case fvtFieldValue: {
        TDataSet* ds = DataSet();
        TField* field = ds && ds->Active() ? ds->FindField(f->FieldName().empty() ? column->FieldName() : f->FieldName()) : nullptr;
        return field ? field->DisplayText() : std::string();
    }
    case fvtSum:
    case fvtAvg:
    case fvtCount: return sumList_->FooterValueText(f, column);
    default: return {};
    }
}


void TCustomDBGridEh::DataServiceApplySorting() {
    if (TDBGridEhDataService* s = DBGridEhDataService()) s->ApplySorting(this);
}

bool TCustomDBGridEh::IsCellRaised(int col, int row, TGridDrawState state) {
    int dataCol = col - indicatorOffset_;
    int dataRow = row - titleRowCount_;
    bool indicator = dataCol < 0;
    bool fixed = state.Contains(gdFixed);
    bool footers = footerRowCount_ > 0;
    int separator = RowCount() - footerRowCount_ - titleRowCount_ - 1;
    bool onSeparator = footers && dataRow == separator;
    bool footerRow = footers && dataRow > separator;
    // Filter-row cells that show a filter are drawn flat.
    if (FilterRowVisible() && dataRow == -1 && !indicator && dataCol < columns_->Count()) {
        TColumnEh* c = columns_->Items(dataCol);
        if (c->Visible() && c->STFilter()->Visible()) return false;
    }
    if (fixed && optionsEh_.Contains(dghFixed3D) && !onSeparator && (indicator || dataRow < 0)) return true;
    if (optionsEh_.Contains(dghFooter3D) && footerRow) return true;
    if (optionsEh_.Contains(dghData3D) && !fixed && !footerRow) return true;
    if (optionsEh_.Contains(dghFixed3D) &&
        (optionsEh_.Contains(dghData3D) || optionsEh_.Contains(dghFrozen3D)) && footers && indicator && onSeparator)
        return true;
    if (optionsEh_.Contains(dghFrozen3D) && fixed && !indicator && dataRow >= 0) return true;
    return false;
}

bool TCustomDBGridEh::SameAsPriorRecord(TColumnEh* column, const std::string& text) {
    if (MemTableRowMode() || dataLink_->ActiveRecord() <= 0) return false;
    TActiveRecordGuard guard(*dataLink_);
    int prior = dataLink_->ActiveRecord() - 1;
    dataLink_->SetActiveRecord(prior);
    TColCellParamsEh* p = DBGridEhScratchCellParams();
    TColCellParamsEh local;
    if (!p) p = &local;
    column->FillColCellParams(p);
    p->Col = column->Index() + indicatorOffset_;
    p->Row = prior + titleRowCount_;
    if (OnGetCellParams) OnGetCellParams(this, column, p->Font(), p->Background, p->State);
    column->GetColCellParams(false, p);
    return p->Text == text;
}

void TCustomDBGridEh::DrawRequiredMark(TColumnEh* column, const std::string& text, const win::RECT& rect,
                                       bool currentRecord) {
    TField* f = column->Field();
    TDataSet* ds = DataSet();
    bool needed = column->HighlightRequired() && currentRecord && ds &&
                  (ds->State() == dsEdit || ds->State() == dsInsert) && f && f->Required() && f->IsNull();
    if (column->OnCheckDrawRequiredState) column->OnCheckDrawRequiredState(this, text, needed);
    if (!needed) return;
    TCanvas* c = Canvas();
    TColor color = c->Pen()->Color();
    TPenStyle style = c->Pen()->Style();
    c->Pen()->SetColor(clRed);
    c->Pen()->SetStyle(psDot);
    c->MoveTo(rect.left + 2, rect.bottom - 1);
    c->LineTo(rect.right - 3, rect.bottom - 1);
    c->Pen()->SetColor(color);
    c->Pen()->SetStyle(style);
}

// --- window, loading, streaming ---

void TCustomDBGridEh::CreateParams(TCreateParams& params) {
    TCustomGrid::CreateParams(params);
    if (flat_ && Ctl3D()) {
        flatBorder_ = BorderStyle() == bsSingle;
        params.Style &= ~win::WS_BORDER;
        params.ExStyle &= ~win::WS_EX_CLIENTEDGE;
    } else {
        flatBorder_ = false;
    }
    params.Style |= win::WS_CLIPCHILDREN;
}

void TCustomDBGridEh::UpdateEditButtonSize() {
    editButtonWidth_ = flat_ ? FlatButtonDefaultWidth() : win::GetSystemMetrics(win::SM_CXVSCROLL);
    int rowH = DefaultRowHeight();
    if (rowH <= static_cast<int>(editButtonWidth_ * 1.5 + 0.5))
        editButtonHeight_ = rowH;
    else
        editButtonHeight_ = EditButtonDefaultHeight(editButtonWidth_, flat_);
}

void TCustomDBGridEh::CreateWnd() {
    BeginLayout();
    try {
        TCustomGrid::CreateWnd();
        UpdateEditButtonSize();
        if (autoFitColWidths_) {
            LayoutChanged();
        } else {
            UpdateRowCount();
            UpdateActive();
        }
        UpdateScrollBar();
    } catch (...) {
        EndLayoutNoRelayout();
        throw;
    }
    EndLayout();
}

void TCustomDBGridEh::Loaded() {
    TCustomGrid::Loaded();
    if (columns_->Count() > 0) SetColCount(columns_->Count() + indicatorOffset_);
    if (autoFitColWidths_ && !GridDesigning()) {
        RecordInitialWidths();
        SetScrollBars(ssNone);
    }
    if (DataSource()) sumList_->Loaded();
    LayoutChanged();
    DeferLayout();
}

void TCustomDBGridEh::DefineProperties(TFiler& filer) {
    TCustomGrid::DefineProperties(filer);
    bool customised = columns_->GetState() == csCustomized;
    bool hasData = customised;
    if (auto* ancestor = dynamic_cast<TCustomDBGridEh*>(filer.Ancestor())) {
        TDBGridColumnsEh* theirs = ancestor->Columns();
        bool theirCustom = theirs->GetState() == csCustomized;
        hasData = customised != theirCustom || !CollectionsEqual(columns_.get(), theirs);
    }
    filer.DefineProperty(
        "Columns",
        [this](TReader& reader) {
            reader.ReadCollection(columns_.get());
        },
        [this](TWriter& writer) { writer.WriteCollection(columns_.get()); }, hasData);
}

void TCustomDBGridEh::DefaultHandler(Message& msg) {
    // The context menu the default handling may show can run a command that frees the grid.
    std::shared_ptr<bool> alive = Alive();
    TCustomGrid::DefaultHandler(msg);
    if (!*alive || msg.Msg != win::WM_RBUTTONUP) return;
    int x = static_cast<short>(msg.LParam & 0xFFFF), y = static_cast<short>((msg.LParam >> 16) & 0xFFFF);
    TGridCoord cell = MouseCoord(x, y);
    int dataCol = cell.X - indicatorOffset_;
    if (cell.X < 0 || dataCol < 0 || dataCol >= columns_->Count()) return;
    TPopupMenu* menu = columns_->Items(dataCol)->PopupMenu();
    if (!menu || !menu->AutoPopup()) return;
    CancelMouseState();
    menu->SetPopupComponent(this);
    win::POINT p = ClientToScreen({x, y});
    menu->Popup(p.x, p.y);
    msg.Result = 1;
}

void TCustomDBGridEh::Dispatch(Message& msg) {
    if (DispatchIncSearchKey(msg) || DispatchFilterRowMessage(msg) || DispatchMouseMessage(msg) ||
        DispatchWindowMessage(msg))
        return;
    if (msg.Msg == win::WM_CHAR) {
        HandleChar(msg);
        return;
    }
    if (msg.Msg == win::WM_TIMER && msg.WParam == 2) {
        ResetIncSearch(); // the incremental search's pause ran out
        return;
    }
    if (msg.Msg == CM_PARENTFONTCHANGED) {
        // While the grid takes its parent's font, the title and footer fonts
        // follow it too; setting one of them ends that (ParentFont goes off).
        TCustomGrid::Dispatch(msg);
        if (ParentFont()) {
            ownFontChange_ = true;
            titleFont_->Assign(Font());
            footerFont_->Assign(Font());
            ownFontChange_ = false;
            LayoutChanged();
        }
        return;
    }
    TCustomGrid::Dispatch(msg);
}

// --- TDBGridEh ---

void TDBGridEh::Publish(TPublisher& p) {
    using C = TCustomDBGridEh;
    p.Set("AllowedOperations", &C::AllowedOperations, &C::SetAllowedOperations, TDBGridEhAllowedOperationInfo)
        .Default(TDBGridEhAllowedOperations{alopInsertEh, alopUpdateEh, alopDeleteEh, alopAppendEh});
    p.Set("AllowedSelections", &C::AllowedSelections, &C::SetAllowedSelections, TDBGridEhSelectionTypeInfo)
        .Default(TDBGridEhAllowedSelections{gstRecordBookmarks, gstRectangle, gstColumns, gstAll});
    p.Boolean("AutoFitColWidths", &C::AutoFitColWidths, &C::SetAutoFitColWidths).Default(false);
    p.Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, TBorderStyleInfo).Default(bsSingle);
    p.Integer("Color", &C::Color, &C::SetColor).Idents(ColorIdents()).Default(clWindow);
    p.Object("ColumnDefValues", &C::ColumnDefValues, &C::SetColumnDefValues);
    p.Collection("Columns", &C::Columns, &C::SetColumns).Stored(false);
    p.Component("DataSource", &C::DataSource, &C::SetDataSource);
    p.Boolean("DefaultDrawing", &C::DefaultDrawing, &C::SetDefaultDrawing).Default(true);
    p.Boolean("DrawMemoText", &C::DrawMemoText, &C::SetDrawMemoText).Default(false);
    p.Set("EditActions", &C::EditActions, &C::SetEditActions, TGridEhEditActionInfo).Default(TGridEhEditActions{});
    p.Integer("EvenRowColor", &C::EvenRowColor, &C::SetEvenRowColor).Idents(ColorIdents())
        .Stored(&C::EvenRowColorAssigned);
    p.Integer("FixedColor", &C::FixedColor, &C::SetFixedColor).Idents(ColorIdents()).Default(clBtnFace);
    p.Boolean("Flat", &C::Flat, &C::SetFlat).Default(false);
    p.Integer("FooterColor", &C::FooterColor, &C::SetFooterColor).Idents(ColorIdents()).Default(clWindow);
    p.Object("FooterFont", &C::FooterFont, &C::SetFooterFont);
    p.Integer("FooterRowCount", &C::FooterRowCount, &C::SetFooterRowCount).Default(0);
    p.Integer("FrozenCols", &C::FrozenCols, &C::SetFrozenCols).Default(0);
    p.Object("HorzScrollBar", &C::HorzScrollBar, &C::SetHorzScrollBar);
    p.Enum("ImeMode", &C::ImeMode, &C::SetImeMode, TImeModeInfo).Default(imDontCare);
    p.String("ImeName", &C::ImeName, &C::SetImeName);
    p.Integer("MinAutoFitWidth", &C::MinAutoFitWidth, &C::SetMinAutoFitWidth).Default(0);
    p.Integer("OddRowColor", &C::OddRowColor, &C::SetOddRowColor).Idents(ColorIdents())
        .Stored(&C::OddRowColorAssigned);
    p.Set("Options", &C::Options, &C::SetOptions, TDBGridOptionInfo)
        .Default(TDBGridOptions{dgEditing, dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs,
                                dgConfirmDelete, dgCancelOnExit});
    p.Set("OptionsEh", &C::OptionsEh, &C::SetOptionsEh, TDBGridEhOptionInfo)
        .Default(TDBGridEhOptions{dghFixed3D, dghHighlightFocus, dghClearSelection, dghDialogFind});
    p.Boolean("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    p.Boolean("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(false);
    p.Integer("RowHeight", &C::RowHeight, &C::SetRowHeight).Default(0);
    p.Integer("RowLines", &C::RowLines, &C::SetRowLines).Default(0);
    p.Boolean("RowSizingAllowed", &C::RowSizingAllowed, &C::SetRowSizingAllowed).Default(false);
    p.Boolean("SortLocal", &C::SortLocal, &C::SetSortLocal).Default(false);
    p.Object("STFilter", &C::STFilter, &C::SetSTFilter);
    p.Object("SumList", &C::SumList, &C::SetSumList);
    p.Boolean("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    p.Object("TitleFont", &C::TitleFont, &C::SetTitleFont);
    p.Integer("TitleHeight", &C::TitleHeight, &C::SetTitleHeight).Default(0);
    p.Integer("TitleLines", &C::TitleLines, &C::SetTitleLines).Default(0);
    p.Component("TitleImages", &C::TitleImages, &C::SetTitleImages);
    p.Boolean("UseMultiTitle", &C::UseMultiTitle, &C::SetUseMultiTitle).Default(false);
    p.Integer("VTitleMargin", &C::VTitleMargin, &C::SetVTitleMargin).Default(10);
    p.Object("VertScrollBar", &C::VertScrollBar, &C::SetVertScrollBar);
    p.Event("OnApplyFilter", &C::OnApplyFilter);
    p.Event("OnCellClick", &C::OnCellClick);
    p.Event("OnCheckButton", &C::OnCheckButton);
    p.Event("OnColEnter", &C::OnColEnter);
    p.Event("OnColExit", &C::OnColExit);
    p.Event("OnColumnMoved", &C::OnColumnMoved);
    p.Event("OnColWidthsChanged", &C::OnColWidthsChanged);
    p.Event("OnDrawColumnCell", &C::OnDrawColumnCell);
    p.Event("OnDrawDataCell", &C::OnDrawDataCell);
    p.Event("OnDrawFooterCell", &C::OnDrawFooterCell);
    p.Event("OnEditButtonClick", &C::OnEditButtonClick);
    p.Event("OnGetBtnParams", &C::OnGetBtnParams);
    p.Event("OnGetCellParams", &C::OnGetCellParams);
    p.Event("OnGetFooterParams", &C::OnGetFooterParams);
    p.Event("OnMoveRecords", &C::OnMoveRecords);
    p.Event("OnSelectionChanged", &C::OnSelectionChanged);
    p.Event("OnSortMarkingChanged", &C::OnSortMarkingChanged);
    p.Event("OnSumListAfterRecalcAll", &C::OnSumListAfterRecalcAll);
    p.Event("OnSumListRecalcAll", &C::OnSumListRecalcAll);
    p.Event("OnTitleBtnClick", &C::OnTitleBtnClick);
    p.Event("OnTitleClick", &C::OnTitleClick);
}

// --- unit routines ---

void RaiseGridError(const std::string& msg) { throw EInvalidGridOperation(msg); }

void KillMessage(win::HWND wnd, win::UINT msg) {
    win::MSG m{};
    if (win::PeekMessage(&m, wnd, msg, msg, win::PM_REMOVE) && m.message == win::WM_QUIT)
        win::PostQuitMessage(static_cast<int>(m.wParam));
}

int GetTextWidth(TCanvas* canvas, const std::string& text) {
    win::RECT r{0, 0, 0, 0};
    win::DrawText(canvas->Handle(), text, &r, win::DT_CALCRECT | win::DT_SINGLELINE | win::DT_NOPREFIX);
    return r.right - r.left;
}

bool CheckHintTextRect(win::UINT format, TCanvas* canvas, int hMargin, bool wordWrap, const win::RECT& rect,
                       const std::string& text, int vMargin, int& textWidth, int& textHeight) {
    int boxWidth = std::max(1, rect.right - rect.left - hMargin - 2);
    win::RECT r{0, 0, boxWidth, 0};
    win::UINT f = format | win::DT_CALCRECT | win::DT_NOPREFIX;
    if (wordWrap) f |= win::DT_WORDBREAK;
    win::DrawText(canvas->Handle(), text, &r, f);
    textWidth = r.right - r.left;
    textHeight = r.bottom - r.top;
    return textWidth > boxWidth || textHeight > rect.bottom - rect.top - vMargin + 1;
}

bool PointInGridRect(int col, int row, const TGridRect& rect) { return rect.Contains(col, row); }

void OverturnUpRect(win::RECT& rect) {
    int w = rect.right - rect.left, h = rect.bottom - rect.top;
    rect.right = rect.left + h;
    rect.bottom = rect.top + w;
}

bool FieldsCanModify(const std::vector<TField*>& fields) {
    for (TField* f : fields)
        if (!f->CanModify()) return false;
    return true;
}

} // namespace tv
