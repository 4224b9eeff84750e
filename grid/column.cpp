#include "grid/column.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "editors/buttonsizes.h"
#include "editors/popupdatagrid.h"
#include "core/strutils.h"
#include "core/sysformat.h"
#include "core/datetime.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/dberror.h"
#include "framework/data/field.h"
#include "framework/ui/menus.h"
#include "framework/ui/screen.h"
#include "grid/columndropdownbox.h"
#include "grid/dbgrideh.h"
#include "grid/gridinplaceedit.h"
#include "grid/platformwrappers.h"
#include "grid/stfilter.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/text.h"
#include "platform/window/paint.h"
#include "platform/window/sysmetrics.h"

namespace tv {

namespace {

bool IsNumericStepType(TFieldType t) {
    switch (t) {
    case ftSmallint: case ftInteger: case ftWord: case ftFloat: case ftCurrency: case ftBCD: case ftFMTBcd:
        return true;
    default:
        return false;
    }
}

// A numeric field's value as an image index: an amount beyond the range of
// an index (a balance of billions) is no image, not a conversion error.
int NumericImageIndex(const TField* f) {
    if (f->IsNull()) return -1;
    const TFieldType t = f->DataType();
    if (t == ftSmallint || t == ftInteger || t == ftWord) return f->AsInteger();
    const double v = f->AsFloat();
    if (!(v >= double(INT_MIN) && v <= double(INT_MAX))) return -1;
    return f->AsInteger();
}

// Whether one of the ";"-separated names of a key-list entry is the text.
bool KeyEntryMatches(const std::string& entry, const std::string& text) {
    std::size_t start = 0;
    while (true) {
        std::size_t end = entry.find(';', start);
        std::string name = entry.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (LocaleCompareText(name, text) == 0) return true;
        if (end == std::string::npos) return false;
        start = end + 1;
    }
}

int IndexOfText(const TStrings* list, const std::string& text) {
    if (!list) return -1;
    for (int i = 0; i < list->Count(); ++i)
        if (LocaleCompareText(list->Strings(i), text) == 0) return i;
    return -1;
}

} // namespace

TColumnEh::TColumnEh(TCollection* collection) : TCollectionItem(nullptr) {
    auto* cols = dynamic_cast<TDBGridColumnsEh*>(collection);
    TCustomDBGridEh* grid = cols ? cols->Grid() : nullptr;
    if (grid) grid->BeginLayout();
    try {
        font_ = std::make_unique<TFont>();
        if (grid) font_->Assign(grid->Font());
        font_->OnChange = [this](TObject* s) { FontChanged(s); };
        imeMode_ = imDontCare;
        title_.reset(CreateTitle());
        footer_.reset(CreateFooter());
        footers_.reset(CreateFooters());
        editButtons_.reset(CreateEditButtons());
        editButtons_->OnChanged = [this](TCollectionItem*) { Changed(false); };
        dropDownSpecRow_ = std::make_unique<TSpecRowEh>(this);
        dropDownSpecRow_->OnChange = [this](TObject*) { DropDownBoxChanged(); };
        dropDownBox_ = std::make_unique<TColumnDropDownBoxEh>(this);
        mruList_ = std::make_unique<TMRUListEh>(this);
        stFilter_.reset(CreateSTFilter());
        imageChangeLink_ = std::make_unique<TChangeLink>();
        imageChangeLink_->OnChange = [this](TObject*) { Repaint(); };
        if (collection) SetCollection(collection);
        width_ = DefaultWidth();
        initWidth_ = Width();
    } catch (...) {
        if (grid) grid->EndLayoutNoRelayout();
        throw;
    }
    if (grid) grid->EndLayout();
}

TColumnEh::~TColumnEh() {
    // An editor that borrowed the drop-down grid lets go of it now.
    dataList_.reset();
    if (TCustomDBGridEh* g = GetGrid()) {
        g->SortMarkedColumns().Remove(this);
        g->Selection().Columns().ColumnDestroyed(this);
    }
    if (imageList_) imageList_->UnRegisterChanges(imageChangeLink_.get());
    // Leave the collection while the column is still whole: the grid relays
    // out and must see the remaining columns only.
    SetCollection(nullptr);
}

TColumnTitleEh* TColumnEh::CreateTitle() { return new TColumnTitleEh(this); }
TColumnFooterEh* TColumnEh::CreateFooter() {
    auto* f = new TColumnFooterEh(nullptr);
    f->SetColumn(this);
    return f;
}
TColumnFootersEh* TColumnEh::CreateFooters() { return new TColumnFootersEh(this); }
TEditButtonsEh* TColumnEh::CreateEditButtons() { return new TEditButtonsEh(this, TVisibleEditButtonEh::StaticClass()); }
TSTColumnFilterEh* TColumnEh::CreateSTFilter() { return new TSTColumnFilterEh(this); }

TCustomDBGridEh* TColumnEh::GetGrid() const {
    auto* cols = dynamic_cast<TDBGridColumnsEh*>(Collection());
    return cols ? cols->Grid() : nullptr;
}

TColumnDefValuesEh* TColumnEh::DefValues() const {
    TCustomDBGridEh* g = GetGrid();
    return g ? g->ColumnDefValues() : nullptr;
}

bool TColumnEh::GridLoading() const {
    TCustomDBGridEh* g = GetGrid();
    return g && g->GridLoading();
}

void TColumnEh::Repaint() const {
    if (TCustomDBGridEh* g = GetGrid()) g->Invalidate();
}

std::string TColumnEh::DisplayName() const {
    return fieldName_.empty() ? TCollectionItem::DisplayName() : fieldName_;
}

void TColumnEh::SetIndex(int index) {
    if (IsDefaultColumn()) {
        TCustomDBGridEh* g = GetGrid();
        TField* f = Field();
        if (g && f && g->DataLink()->Active() && index >= 0 && index < Collection()->Count()) {
            TField* target = static_cast<TColumnEh*>(Collection()->Items(index))->Field();
            if (target) {
                f->SetIndex(target->Index());
                // The columns follow the new field order.
                g->LayoutChanged();
                return;
            }
        }
    }
    TCollectionItem::SetIndex(index);
}

// --- field binding ---

TField* TColumnEh::Field() const {
    if (!field_ && !fieldName_.empty()) {
        TCustomDBGridEh* g = GetGrid();
        TDataSet* ds = g ? g->DataSet() : nullptr;
        if (ds && (ds->Active() || !ds->DefaultFields())) {
            TField* f = ds->FindField(fieldName_);
            if (f) {
                field_ = f;
                const_cast<TColumnEh*>(this)->fieldName_ = f->FieldName();
                f->FreeNotification(g);
            }
        }
    }
    return field_;
}

void TColumnEh::SetField(TField* f) {
    if (f == field_) return;
    field_ = f;
    if (f) {
        fieldName_ = f->FieldName();
        if (TCustomDBGridEh* g = GetGrid()) f->FreeNotification(g);
    }
    if (IsDefaultColumn() && !f) {
        fieldName_.clear();
        RestoreDefaults();
        initWidth_ = Width();
    }
    Changed(false);
}

void TColumnEh::SetFieldName(const std::string& v) {
    TField* f = nullptr;
    TCustomDBGridEh* g = GetGrid();
    if (g && !v.empty() && !g->GridLoading())
        if (TDataSet* ds = g->DataSet()) f = ds->FindField(v);
    fieldName_ = v;
    SetField(f);
    if (!f) fieldName_ = v;
    initWidth_ = Width();
    Changed(false);
}

// --- values with fallbacks ---

TAlignment TColumnEh::Alignment() const {
    if (IsAssigned(cvAlignment)) return alignment_;
    TField* f = Field();
    return f ? f->Alignment() : taLeftJustify;
}

void TColumnEh::SetAlignment(TAlignment v) {
    if (IsDefaultColumn()) {
        TCustomDBGridEh* g = GetGrid();
        if (g && g->DataLink()->Active() && Field()) Field()->SetAlignment(v);
        return;
    }
    if (IsAssigned(cvAlignment) && v == alignment_) return;
    alignment_ = v;
    SetAssigned(cvAlignment);
    Changed(false);
}

// A flag that falls back on the grid's default values until it is set; the
// flags that show in the cells redraw the column when set.
#define TV_DEFVALUE_BOOL(Name, member, flag, redraws)                        \
    bool TColumnEh::Name() const {                                           \
        if (IsAssigned(flag)) return member;                                 \
        TColumnDefValuesEh* d = DefValues();                                 \
        return d && d->Name();                                               \
    }                                                                        \
    void TColumnEh::Set##Name(bool v) {                                      \
        member = v;                                                          \
        SetAssigned(flag);                                                   \
        if (redraws) Changed(false);                                         \
    }

TV_DEFVALUE_BOOL(AlwaysShowEditButton, alwaysShowEditButton_, cvAlwaysShowEditButton, true)
TV_DEFVALUE_BOOL(AutoDropDown, autoDropDown_, cvAutoDropDown, false)
TV_DEFVALUE_BOOL(DblClickNextVal, dblClickNextVal_, cvDblClickNextVal, false)
TV_DEFVALUE_BOOL(DropDownShowTitles, dropDownShowTitles_, cvDropDownShowTitles, false)
TV_DEFVALUE_BOOL(DropDownSizing, dropDownSizing_, cvDropDownSizing, false)
TV_DEFVALUE_BOOL(EndEllipsis, endEllipsis_, cvEndEllipsis, true)
TV_DEFVALUE_BOOL(HighlightRequired, highlightRequired_, cvHighlightRequired, true)
TV_DEFVALUE_BOOL(ToolTips, toolTips_, cvToolTips, false)
#undef TV_DEFVALUE_BOOL

void TColumnEh::SetAutoFitColWidth(bool v) {
    autoFitColWidth_ = v;
    TCustomDBGridEh* g = GetGrid();
    if (g && g->AutoFitColWidths() && !g->GridLoading() && !g->GridDesigning()) SetWidth(initWidth_);
    Changed(false);
}

TBiDiMode TColumnEh::BiDiMode() const {
    if (IsAssigned(cvBiDiMode)) return biDiMode_;
    TCustomDBGridEh* g = GetGrid();
    return g ? g->BiDiMode() : bdLeftToRight;
}

void TColumnEh::SetBiDiMode(TBiDiMode v) {
    biDiMode_ = v;
    SetAssigned(cvBiDiMode);
    Changed(false);
}

void TColumnEh::SetButtonStyle(TColumnButtonStyleEh v) {
    if (v == buttonStyle_) return;
    buttonStyle_ = v;
    Changed(false);
}

bool TColumnEh::Checkboxes() const {
    if (IsAssigned(cvCheckboxes)) return checkboxes_;
    TField* f = Field();
    return f && f->DataType() == ftBoolean;
}

void TColumnEh::SetCheckboxes(bool v) {
    checkboxes_ = v;
    SetAssigned(cvCheckboxes);
    Changed(false);
}

TColor TColumnEh::Color() const {
    if (IsAssigned(cvColor)) return color_;
    TCustomDBGridEh* g = GetGrid();
    return g ? g->Color() : clWindow;
}

void TColumnEh::SetColor(TColor v) {
    if (IsAssigned(cvColor) && v == color_) return;
    color_ = v;
    SetAssigned(cvColor);
    Changed(false);
}

void TColumnEh::SetDisplayFormat(const std::string& v) {
    if (v == displayFormat_) return;
    displayFormat_ = v;
    Changed(false);
}

void TColumnEh::SetDropDownWidth(int v) {
    if (v == dropDownWidth_) return;
    dropDownWidth_ = v;
    Changed(false);
}

void TColumnEh::SetEditMask(const std::string& v) {
    if (v == editMask_) return;
    editMask_ = v;
    Changed(false);
}

TFont* TColumnEh::DefaultFont() const {
    TCustomDBGridEh* g = GetGrid();
    return g ? g->Font() : nullptr;
}

void TColumnEh::RefreshDefaultFont() const {
    TFont* def = DefaultFont();
    if (!def || def == font_.get() || font_->Equals(def)) return;
    fontCopying_ = true;
    font_->Assign(def);
    fontCopying_ = false;
}

TFont* TColumnEh::Font() const {
    if (!IsAssigned(cvFont)) RefreshDefaultFont();
    return font_.get();
}

void TColumnEh::SetFont(TFont* v) {
    font_->Assign(v);
    SetAssigned(cvFont);
}

void TColumnEh::FontChanged(TObject*) {
    if (fontCopying_) return;
    SetAssigned(cvFont);
    // The title's default font follows the grid, not this column; a column
    // outside a grid gives its title its own font.
    if (title_ && !IsAssigned(cvTitleFont)) title_->Font();
    Changed(true);
}

void TColumnEh::SetHideDuplicates(bool v) {
    if (v == hideDuplicates_) return;
    hideDuplicates_ = v;
    Changed(false);
}

void TColumnEh::SetImageList(TCustomImageList* v) {
    if (imageList_) imageList_->UnRegisterChanges(imageChangeLink_.get());
    imageList_ = v;
    if (v) {
        v->RegisterChanges(imageChangeLink_.get());
        if (TCustomDBGridEh* g = GetGrid()) v->FreeNotification(g);
    }
    Repaint();
}

TImeMode TColumnEh::ImeMode() const {
    if (IsAssigned(cvImeMode)) return imeMode_;
    TCustomDBGridEh* g = GetGrid();
    return g ? g->ImeMode() : imDontCare;
}

void TColumnEh::SetImeMode(TImeMode v) {
    if (IsAssigned(cvImeMode) || v != ImeMode()) {
        imeMode_ = v;
        SetAssigned(cvImeMode);
    }
    Changed(false);
}

std::string TColumnEh::ImeName() const {
    if (IsAssigned(cvImeName)) return imeName_;
    TCustomDBGridEh* g = GetGrid();
    return g ? g->ImeName() : std::string();
}

void TColumnEh::SetImeName(const std::string& v) {
    if (IsAssigned(cvImeName) || v != ImeName()) {
        imeName_ = v;
        SetAssigned(cvImeName);
    }
    Changed(false);
}

TStrings* TColumnEh::KeyList() const {
    if (!keyList_) keyList_ = std::make_unique<TStringList>();
    return keyList_.get();
}

void TColumnEh::SetKeyList(TStrings* v) {
    if (!v) {
        keyList_.reset();
        return;
    }
    KeyList()->Assign(v);
    Repaint();
}

TStrings* TColumnEh::PickList() const {
    if (!pickList_) pickList_ = std::make_unique<TStringList>();
    return pickList_.get();
}

void TColumnEh::SetPickList(TStrings* v) {
    if (!v) {
        pickList_.reset();
        return;
    }
    PickList()->Assign(v);
}

TTextLayout TColumnEh::Layout() const {
    if (IsAssigned(cvLayout)) return layout_;
    TColumnDefValuesEh* d = DefValues();
    return d ? d->Layout() : tlTop;
}

void TColumnEh::SetLayout(TTextLayout v) {
    layout_ = v;
    SetAssigned(cvLayout);
    Changed(false);
}

std::string TColumnEh::LookupDisplayFields() const {
    if (IsAssigned(cvLookupDisplayFields)) return lookupDisplayFields_;
    TField* f = Field();
    return f && f->Lookup() ? f->LookupResultField() : std::string();
}

void TColumnEh::SetLookupDisplayFields(const std::string& v) {
    if (IsAssigned(cvLookupDisplayFields) || v != LookupDisplayFields()) {
        lookupDisplayFields_ = v;
        SetAssigned(cvLookupDisplayFields);
    }
    if (dataList_) dataList_->SetListFieldName(LookupDisplayFields());
    Changed(false);
}

void TColumnEh::SetMaxWidth(int v) {
    maxWidth_ = v;
    if (v > 0 && Width() > v) SetWidth(v);
}

void TColumnEh::SetMinWidth(int v) {
    minWidth_ = v;
    if (v > 0 && Width() < v) SetWidth(v);
}

void TColumnEh::SetNotInKeyListIndex(int v) {
    if (v == notInKeyListIndex_) return;
    notInKeyListIndex_ = v;
    Repaint();
}

void TColumnEh::SetPopupMenu(TPopupMenu* v) {
    popupMenu_ = v;
    if (v)
        if (TCustomDBGridEh* g = GetGrid()) v->FreeNotification(g);
}

bool TColumnEh::ReadOnly() const {
    if (IsAssigned(cvReadOnly)) return readOnly_;
    TCustomDBGridEh* g = GetGrid();
    TField* f = Field();
    return (g && g->ReadOnly()) || (f && f->ReadOnly());
}

void TColumnEh::SetReadOnly(bool v) {
    TCustomDBGridEh* g = GetGrid();
    if (IsDefaultColumn() && g && g->DataLink()->Active() && Field()) {
        Field()->SetReadOnly(v);
        return;
    }
    if (IsAssigned(cvReadOnly) && v == readOnly_) return;
    readOnly_ = v;
    SetAssigned(cvReadOnly);
    Changed(false);
}

void TColumnEh::SetShowImageAndText(bool v) {
    if (v == showImageAndText_) return;
    showImageAndText_ = v;
    Changed(false);
}

void TColumnEh::SetSTFilter(TSTColumnFilterEh* v) { stFilter_->Assign(v); }

void TColumnEh::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Changed(true);
}

// --- width ---

int TColumnEh::DefaultWidth() const {
    TCustomDBGridEh* g = GetGrid();
    if (!g) return 64;
    TField* f = Field();
    if (!f) return g->DefaultColWidth();
    win::HDC dc = win::GetDC(nullptr);
    win::HGDIOBJ old = win::SelectObject(dc, Font()->Handle());
    win::TEXTMETRIC tm{};
    win::GetTextMetrics(dc, &tm);
    win::SIZE zero{};
    win::GetTextExtentPoint32(dc, "0", &zero);
    win::SelectObject(dc, old);
    win::ReleaseDC(nullptr, dc);
    return (zero.cx - tm.tmOverhang) * f->DisplayWidth() + tm.tmOverhang + 4;
}

int TColumnEh::Width() const { return IsAssigned(cvWidth) ? width_ : DefaultWidth(); }

void TColumnEh::SetWidth(int w) {
    TCustomDBGridEh* g = GetGrid();
    if (IsDefaultColumn()) {
        if (g && g->HandleAllocated() && Field() && w >= 0) {
            win::HDC dc = win::GetDC(nullptr);
            win::HGDIOBJ old = win::SelectObject(dc, Font()->Handle());
            win::TEXTMETRIC tm{};
            win::GetTextMetrics(dc, &tm);
            win::SIZE zero{};
            win::GetTextExtentPoint32(dc, "0", &zero);
            win::SelectObject(dc, old);
            win::ReleaseDC(nullptr, dc);
            if (zero.cx > 0) Field()->SetDisplayWidth((w + tm.tmAveCharWidth / 2 - tm.tmOverhang - 3) / zero.cx);
        }
        if (!(g && !g->InLinkLayoutChange()) && !IsAssigned(cvWidth)) return;
    }
    if ((IsAssigned(cvWidth) || w != DefaultWidth()) && w != -1) {
        width_ = w;
        SetAssigned(cvWidth);
        if (maxWidth_ > 0 && width_ > maxWidth_) width_ = maxWidth_;
        if (minWidth_ > 0 && width_ < minWidth_) width_ = minWidth_;
    }
    Changed(false);
}

int TColumnEh::ClampWidth(int w) const {
    if (maxWidth_ > 0 && maxWidth_ < w) w = maxWidth_;
    if (minWidth_ > 0 && w < minWidth_) w = minWidth_;
    return w;
}

bool TColumnEh::WordWrap() const {
    if (IsAssigned(cvWordWrap)) return wordWrap_;
    TField* f = Field();
    if (!f) return false;
    switch (f->DataType()) {
    case ftString: case ftMemo: case ftFmtMemo: case ftWideString: return true;
    default: return false;
    }
}

void TColumnEh::SetWordWrap(bool v) {
    if (IsAssigned(cvWordWrap) || v != WordWrap() || GridLoading()) {
        wordWrap_ = v;
        SetAssigned(cvWordWrap);
    }
    Changed(false);
}

// --- kinds and cell values ---

int TColumnEh::GetColumnType() const {
    if (Checkboxes()) return ctCheckboxes;
    TField* f = Field();
    if (f && f->FieldKind() == fkLookup) return ctLookupField;
    if (!PickListEmpty() && KeyListEmpty()) return ctPickList;
    if (imageList_ && !showImageAndText_) return ctKeyImageList;
    if (!KeyListEmpty() && !PickListEmpty()) return ctKeyPickList;
    return ctCommon;
}

std::string TColumnEh::DisplayText() const {
    TField* f = Field();
    if (!f || (imageList_ && GetColumnType() == ctKeyImageList)) return {};
    if (!KeyListEmpty()) {
        int i = IndexOfText(keyList_.get(), f->Text());
        int picks = pickList_ ? pickList_->Count() : 0;
        if (i >= 0 && i < picks) return pickList_->Strings(i);
        if (notInKeyListIndex_ >= 0 && notInKeyListIndex_ < picks) return pickList_->Strings(notInKeyListIndex_);
        return {};
    }
    // Exports ask this of every cell: the grid is looked up only for a memo.
    if (f->DataType() == ftMemo) {
        TCustomDBGridEh* g = GetGrid();
        if (g && g->DrawMemoText()) return f->AsString();
    }
    if (displayFormat_.empty()) return f->DisplayText();
    if (f->IsNull()) return {};
    if (IsNumericType(f->DataType())) return FormatFloat(displayFormat_, f->AsFloat());
    if (IsDateTimeType(f->DataType())) return FormatDateTime(displayFormat_, f->AsDateTime());
    return {};
}

TCheckBoxState TColumnEh::GetCheckboxState() const {
    TField* f = Field();
    if (!f) return cbUnchecked;
    if (f->IsNull()) return cbGrayed;
    if (f->DataType() == ftBoolean) return f->AsBoolean() ? cbChecked : cbUnchecked;
    if (!keyList_ || keyList_->Count() < 2) {
        if (keyList_ && keyList_->Count() == 1 && KeyEntryMatches(keyList_->Strings(0), f->Text())) return cbChecked;
        return cbGrayed;
    }
    std::string text = f->Text();
    if (KeyEntryMatches(keyList_->Strings(0), text)) return cbChecked;
    if (KeyEntryMatches(keyList_->Strings(1), text)) return cbUnchecked;
    return cbGrayed;
}

void TColumnEh::ApplyCheckboxState(TCheckBoxState s) {
    TField* f = Field();
    if (!f) return;
    if (s == cbGrayed) {
        f->Clear();
        return;
    }
    if (f->DataType() == ftBoolean) {
        f->SetAsBoolean(s == cbChecked);
        return;
    }
    std::string text;
    if (s == cbChecked && keyList_ && keyList_->Count() > 0) text = keyList_->Strings(0);
    if (s == cbUnchecked && keyList_ && keyList_->Count() > 1) text = keyList_->Strings(1);
    std::size_t cut = text.find(';');
    if (cut != std::string::npos) text.erase(cut);
    f->SetText(text);
}

int TColumnEh::GetImageIndex() const {
    TField* f = Field();
    if (!f) return -1;
    int r;
    if (!KeyListEmpty())
        r = IndexOfText(keyList_.get(), f->Text());
    else if (!PickListEmpty())
        r = IndexOfText(pickList_.get(), f->Text());
    else if (IsNumericStepType(f->DataType()))
        r = NumericImageIndex(f);
    else
        r = -1;
    return r == -1 ? notInKeyListIndex_ : r;
}

void TColumnEh::FillColCellParams(TColCellParamsEh* p) const {
    p->Row = -1;
    p->Col = -1;
    p->State = {};
    p->SetFont(Font());
    p->Background = Color();
    p->Alignment = Alignment();
    p->ImageIndex = GetImageIndex();
    p->Text = DisplayText();
    p->CheckboxState = GetCheckboxState();
    p->ReadOnly = ReadOnly();
}

void TColumnEh::GetColCellParams(bool editMode, TColCellParamsEh* params) {
    if (OnGetCellParams) OnGetCellParams(this, editMode, params);
}

bool TColumnEh::UseRightToLeftAlignment() const { return SysLocale().MiddleEast && BiDiMode() == bdRightToLeft; }
bool TColumnEh::UseRightToLeftReading() const { return SysLocale().MiddleEast && BiDiMode() != bdLeftToRight; }

TDataSet* TColumnEh::FieldLookupDataSet() const {
    TField* f = Field();
    return f ? f->LookupDataSet() : nullptr;
}

TDataSet* TColumnEh::ListDataSet() const {
    if (TDataSource* s = dropDownBox_->ListSource()) return s->DataSet();
    return FieldLookupDataSet();
}

// --- the drop-down grid ---

void TColumnEh::SetDropDownBox(TColumnDropDownBoxEh* v) { dropDownBox_->Assign(v); }

TPopupDataGridEh* TColumnEh::DropDownDataList() {
    if (dataList_) return dataList_.get();
    dataList_ = std::make_unique<TPopupDataGridEh>(nullptr);
    TPopupDataGridEh* list = dataList_.get();
    list->SetName("DataList");
    list->SetVisible(false);
    list->SetParentCtl3D(false);
    list->SetCtl3D(true);
    list->SetSpecRow(dropDownSpecRow_.get());
    list->OnCheckButton = [this](TObject* s, int aCol, TColumnEh* c, bool& enabled) {
        if (OnDropDownBoxCheckButton) OnDropDownBoxCheckButton(s, aCol, c, enabled);
    };
    list->OnDrawColumnCell = [this](TObject* s, const win::RECT& r, int dataCol, TColumnEh* c, TGridDrawState st) {
        if (OnDropDownBoxDrawColumnCell) OnDropDownBoxDrawColumnCell(s, r, dataCol, c, st);
    };
    list->OnGetCellParams = [this](TObject* s, TColumnEh* c, TFont* f, TColor& bg, TGridDrawState st) {
        if (OnDropDownBoxGetCellParams) OnDropDownBoxGetCellParams(s, c, f, bg, st);
    };
    // Without a handler of its own the list sorts as any grid does.
    list->OnSortMarkingChanged = [this, list](TObject* s) {
        if (OnDropDownBoxSortMarkingChanged) OnDropDownBoxSortMarkingChanged(s);
        else list->DataServiceApplySorting();
    };
    list->OnTitleBtnClick = [this](TObject* s, int aCol, TColumnEh* c) {
        if (OnDropDownBoxTitleBtnClick) OnDropDownBoxTitleBtnClick(s, aCol, c);
    };
    return list;
}

void TColumnEh::RegisterFreeNotification(TComponent* component) {
    if (TCustomDBGridEh* g = GetGrid(); g && component) component->FreeNotification(g);
}

TDBLookupGridEhOptions TColumnEh::GetGridOptions() {
    return dataList_ ? dataList_->LookupOptions() : TDBLookupGridEhOptions{dlgColLinesEh};
}

void TColumnEh::SetGridOptions(TDBLookupGridEhOptions options) { DropDownDataList()->SetLookupOptions(options); }

void TColumnEh::DropDownBoxChanged() {
    Changed(false);
    if (dataList_) dataList_->SetSpecRow(dropDownSpecRow_.get());
}

// --- editing ---

bool TColumnEh::OperationsAllowEdit() const {
    TCustomDBGridEh* g = GetGrid();
    if (!g) return true;
    TDataSet* ds = g->DataSet();
    auto ops = g->AllowedOperations();
    if (ops.Contains(alopUpdateEh)) return true;
    if (ds && ds->State() == dsInsert) return true;
    if (ds && ds->IsEmpty() && (ops.Contains(alopInsertEh) || ops.Contains(alopAppendEh))) return true;
    return false;
}

bool TColumnEh::FieldWritable() const {
    TField* f = Field();
    if (!f) return false;
    if (f->FieldKind() == fkLookup) {
        if (f->KeyFields().empty() || !f->DataSet()) return false;
        std::vector<TField*> keys = f->DataSet()->GetFieldList(f->KeyFields());
        return FieldsCanModify(keys);
    }
    return f->CanModify();
}

bool TColumnEh::CanModify(bool startEdit) {
    TCustomDBGridEh* g = GetGrid();
    if (g && (g->ReadOnly() || !g->DataLink()->Active() || g->DataLink()->ReadOnly())) return false;
    if (ReadOnly() || !Field() || !FieldWritable()) return false;
    TField* f = Field();
    bool memoShown = g && g->DrawMemoText() && f->DataType() == ftMemo;
    if (f->IsBlob() && !f->OnSetText && !memoShown) return false;
    if (!OperationsAllowEdit()) return false;
    if (startEdit && g) return g->DataLink()->Edit();
    return true;
}

void TColumnEh::WriteCellValue(const std::string& text, const Variant& value, bool useText) {
    TCustomDBGridEh* g = GetGrid();
    if (!g) return;
    std::string t = text;
    Variant v = value;
    bool handled = false;
    if (OnUpdateData) OnUpdateData(this, t, v, useText, handled);
    if (handled) return;
    TField* f = Field();
    if (!f) return;
    if (useText) {
        if (g->DrawMemoText() && f->DataType() == ftMemo)
            f->SetAsString(t);
        else
            f->SetText(t);
    } else if (f->FieldKind() == fkLookup && !f->KeyFields().empty()) {
        f->DataSet()->SetFieldValues(f->KeyFields(), v);
    } else {
        f->SetValue(v);
    }
    if (mruList_->Active() && mruList_->AutoAdd() && g->InplaceEditorVisible()) mruList_->AddText(t);
}

void TColumnEh::StepValue(double step) {
    TCustomDBGridEh* g = GetGrid();
    if (!g || g->ReadOnly() || !g->DataLink()->Active() || g->DataLink()->ReadOnly()) return;
    if (ReadOnly() || !FieldWritable() || !OperationsAllowEdit()) return;
    if (!g->DataLink()->Edit()) return;
    TField* f = Field();
    bool forward = step == 1;
    int kind = GetColumnType();
    auto cycle = [&](TStrings* list, int pos, bool& wrapped) {
        int n = list->Count();
        wrapped = false;
        if (forward) {
            if (pos < 0 || pos >= n - 1) {
                wrapped = true;
                return 0;
            }
            return pos + 1;
        }
        if (pos <= 0) {
            wrapped = true;
            return n - 1;
        }
        return pos - 1;
    };
    if (kind == ctCheckboxes) {
        ApplyCheckboxState(GetCheckboxState() == cbChecked ? cbUnchecked : cbChecked);
    } else if ((kind == ctKeyPickList || kind == ctKeyImageList) && !KeyListEmpty()) {
        bool wrapped;
        int i = cycle(keyList_.get(), IndexOfText(keyList_.get(), f->Text()), wrapped);
        WriteCellValue({}, Variant(keyList_->Strings(i)), false);
    } else if (kind == ctPickList) {
        int pos = IndexOfText(pickList_.get(), f->Text());
        bool wrapped;
        int i = cycle(pickList_.get(), pos, wrapped);
        if (wrapped || (forward && pos < 0))
            f->SetText(pickList_->Strings(i));
        else
            WriteCellValue(pickList_->Strings(i), Variant(pickList_->Strings(i)), true);
    } else if (kind == ctLookupField) {
        TDataSet* list = ListDataSet();
        if (!list || !list->Active()) return;
        TDataSet* ds = f->DataSet();
        Variant key = ds->FieldValues(f->KeyFields());
        if (key.IsNull()) {
            list->First();
        } else {
            if (!list->Locate(f->LookupKeyFields(), key, {})) list->First();
            if (forward) {
                list->Next();
                if (list->Eof()) list->First();
            } else {
                list->Prior();
                if (list->Bof()) list->Last();
            }
        }
        WriteCellValue({}, list->FieldValues(f->LookupKeyFields()), false);
        // The cell shows the new record's text at once, not after the next lookup.
        if (TField* result = list->FindField(f->LookupResultField())) f->SetText(result->Text());
    } else if (IsNumericStepType(f->DataType())) {
        try {
            if (f->IsNull())
                f->SetAsFloat(0);
            else if (f->DataType() == ftSmallint || f->DataType() == ftInteger || f->DataType() == ftWord)
                f->SetAsInteger(static_cast<int>(std::lround(f->AsInteger() + step)));
            else
                f->SetAsFloat(f->AsFloat() + step);
        } catch (const EDatabaseError&) {
        }
    }
}

TColumnFooterEh* TColumnEh::FooterForRow(int row) const {
    if (row >= 0 && row < footers_->Count()) return footers_->Items(row);
    return footer_.get();
}

int TColumnEh::EditButtonsWidth() const {
    TCustomDBGridEh* g = GetGrid();
    bool flat = g && g->Flat();
    int standard = flat ? FlatButtonDefaultWidth() : win::GetSystemMetrics(win::SM_CXVSCROLL);
    int width = 0;
    if (ColumnEditKind(const_cast<TColumnEh*>(this)) != ekPlainEh) width = flat ? standard + 1 : standard;
    for (int i = 0; i < editButtons_->Count(); ++i) {
        TEditButtonEh* b = editButtons_->ButtonAt(i);
        if (!b->Visible()) continue;
        width += b->Width() != 0 ? b->Width() : standard;
        if (flat) ++width;
    }
    return width;
}

void TColumnEh::OptimizeWidth() {
    TCustomDBGridEh* g = GetGrid();
    if (!g) return;
    TColumnsEhList list;
    list.Add(this);
    g->FitColumnsToContents(list);
}

void TColumnEh::RestoreDefaults() {
    bool fontAssigned = IsAssigned(cvFont);
    if (title_) title_->RestoreDefaults();
    assigned_ = {};
    RefreshDefaultFont();
    pickList_.reset();
    keyList_.reset();
    buttonStyle_ = cbsAuto;
    Changed(fontAssigned);
}

void TColumnEh::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TColumnEh*>(source);
    if (!s) return TCollectionItem::Assign(source);
    if (Collection()) Collection()->BeginUpdate();
    try {
        RestoreDefaults();
        SetFieldName(s->FieldName());
        if (s->IsAssigned(cvColor)) SetColor(s->Color());
        if (s->IsAssigned(cvWidth)) SetWidth(s->Width());
        if (s->IsAssigned(cvFont)) SetFont(s->Font());
        if (s->IsAssigned(cvImeMode)) SetImeMode(s->ImeMode());
        if (s->IsAssigned(cvImeName)) SetImeName(s->ImeName());
        if (s->IsAssigned(cvAlignment)) SetAlignment(s->Alignment());
        if (s->IsAssigned(cvReadOnly)) SetReadOnly(s->ReadOnly());
        title_->Assign(s->Title());
        dropDownRows_ = s->dropDownRows_;
        buttonStyle_ = s->buttonStyle_;
        if (s->pickList_) SetPickList(s->pickList_.get()); else pickList_.reset();
        popupMenu_ = s->popupMenu_;
        initWidth_ = s->initWidth_;
        autoFitColWidth_ = s->autoFitColWidth_;
        if (s->IsAssigned(cvWordWrap)) SetWordWrap(s->WordWrap());
        if (s->IsAssigned(cvEndEllipsis)) SetEndEllipsis(s->endEllipsis_);
        dropDownWidth_ = s->dropDownWidth_;
        if (s->IsAssigned(cvLookupDisplayFields)) SetLookupDisplayFields(s->LookupDisplayFields());
        if (s->IsAssigned(cvAutoDropDown)) SetAutoDropDown(s->autoDropDown_);
        if (s->IsAssigned(cvAlwaysShowEditButton)) SetAlwaysShowEditButton(s->alwaysShowEditButton_);
        footer_->Assign(s->Footer());
        if (s->keyList_) SetKeyList(s->keyList_.get()); else keyList_.reset();
        if (s->IsAssigned(cvCheckboxes)) SetCheckboxes(s->checkboxes_);
        increment_ = s->increment_;
        if (s->IsAssigned(cvToolTips)) SetToolTips(s->toolTips_);
        footers_->Assign(s->Footers());
        tag_ = s->tag_;
        visible_ = s->visible_;
        SetImageList(s->imageList_);
        notInKeyListIndex_ = s->notInKeyListIndex_;
        minWidth_ = s->minWidth_;
        maxWidth_ = s->maxWidth_;
        if (s->IsAssigned(cvDblClickNextVal)) SetDblClickNextVal(s->dblClickNextVal_);
        if (s->IsAssigned(cvDropDownSizing)) SetDropDownSizing(s->dropDownSizing_);
        if (s->IsAssigned(cvDropDownShowTitles)) SetDropDownShowTitles(s->dropDownShowTitles_);
        OnGetCellParams = s->OnGetCellParams;
        OnNotInList = s->OnNotInList;
        OnUpdateData = s->OnUpdateData;
        OnEditButtonClick = s->OnEditButtonClick;
        OnEditButtonDown = s->OnEditButtonDown;
        editButtons_->Assign(s->EditButtons());
        dropDownBox_->Assign(s->DropDownBox());
        mruList_->Assign(s->MRUList());
        displayFormat_ = s->displayFormat_;
        editMask_ = s->editMask_;
        showImageAndText_ = s->showImageAndText_;
        hideDuplicates_ = s->hideDuplicates_;
        if (s->IsAssigned(cvLayout)) SetLayout(s->layout_);
    } catch (...) {
        if (Collection()) Collection()->EndUpdate();
        throw;
    }
    if (Collection()) Collection()->EndUpdate();
}

// --- TDBGridColumnEh ---

void TDBGridColumnEh::Publish(TPublisher& p) { PublishSome(p, {}); }

void TDBGridColumnEh::PublishSome(TPublisher& p, std::initializer_list<std::string_view> names) {
    auto on = [names](std::string_view name) {
        return names.size() == 0 || std::find(names.begin(), names.end(), name) != names.end();
    };
    using C = TColumnEh;
    using D = TDBGridColumnEh;
    auto flagDiffers = [](TColumnEhValue v, auto differs) {
        return [v, differs](TObject* o) {
            auto* c = static_cast<TColumnEh*>(o);
            return c->IsAssigned(v) && differs(c);
        };
    };
    auto defBool = [](auto getDef) { return getDef; };
    (void)defBool;
    if (on("Alignment")) p.Enum("Alignment", &C::Alignment, &C::SetAlignment, TAlignmentInfo)
        .StoredIf(flagDiffers(cvAlignment, [](TColumnEh* c) {
            TField* f = c->Field();
            return c->Alignment() != (f ? f->Alignment() : taLeftJustify);
        }));
    auto defValDiffers = [flagDiffers](TColumnEhValue v, bool (C::*get)() const, bool (TColumnDefValuesEh::*def)() const) {
        return flagDiffers(v, [get, def](TColumnEh* c) {
            TColumnDefValuesEh* d = c->DefValues();
            return (c->*get)() != (d && (d->*def)());
        });
    };
    if (on("AlwaysShowEditButton")) p.Boolean("AlwaysShowEditButton", &C::AlwaysShowEditButton, &C::SetAlwaysShowEditButton)
        .StoredIf(defValDiffers(cvAlwaysShowEditButton, &C::AlwaysShowEditButton, &TColumnDefValuesEh::AlwaysShowEditButton));
    if (on("AutoDropDown")) p.Boolean("AutoDropDown", &C::AutoDropDown, &C::SetAutoDropDown)
        .StoredIf(defValDiffers(cvAutoDropDown, &C::AutoDropDown, &TColumnDefValuesEh::AutoDropDown));
    if (on("AutoFitColWidth")) p.Boolean("AutoFitColWidth", &C::AutoFitColWidth, &C::SetAutoFitColWidth).Default(true);
    if (on("BiDiMode")) p.Enum("BiDiMode", &C::BiDiMode, &C::SetBiDiMode, TBiDiModeInfo)
        .StoredIf([](TObject* o) { return static_cast<C*>(o)->IsAssigned(cvBiDiMode); });
    if (on("ButtonStyle")) p.Enum("ButtonStyle", &C::ButtonStyle, &C::SetButtonStyle, TColumnButtonStyleEhInfo).Default(cbsAuto);
    if (on("Checkboxes")) p.Boolean("Checkboxes", &C::Checkboxes, &C::SetCheckboxes)
        .StoredIf([](TObject* o) { return static_cast<C*>(o)->IsAssigned(cvCheckboxes); });
    if (on("Color")) p.Integer("Color", &C::Color, &C::SetColor).Idents(ColorIdents())
        .StoredIf(flagDiffers(cvColor, [](TColumnEh* c) {
            TCustomDBGridEh* g = c->GetGrid();
            return c->Color() != (g ? g->Color() : clWindow);
        }));
    if (on("DblClickNextVal")) p.Boolean("DblClickNextVal", &C::DblClickNextVal, &C::SetDblClickNextVal)
        .StoredIf(defValDiffers(cvDblClickNextVal, &C::DblClickNextVal, &TColumnDefValuesEh::DblClickNextVal));
    if (on("DisplayFormat")) p.String("DisplayFormat", &C::DisplayFormat, &C::SetDisplayFormat);
    if (on("DropDownRows")) p.Integer("DropDownRows", &C::DropDownRows, &C::SetDropDownRows).Default(7);
    if (on("DropDownShowTitles")) p.Boolean("DropDownShowTitles", &C::DropDownShowTitles, &C::SetDropDownShowTitles)
        .StoredIf(defValDiffers(cvDropDownShowTitles, &C::DropDownShowTitles, &TColumnDefValuesEh::DropDownShowTitles));
    if (on("DropDownSizing")) p.Boolean("DropDownSizing", &C::DropDownSizing, &C::SetDropDownSizing)
        .StoredIf(defValDiffers(cvDropDownSizing, &C::DropDownSizing, &TColumnDefValuesEh::DropDownSizing));
    if (on("DropDownBox")) p.Object("DropDownBox", &C::DropDownBox, &C::SetDropDownBox);
    if (on("DropDownSpecRow")) p.Object("DropDownSpecRow", &C::DropDownSpecRow, &C::SetDropDownSpecRow);
    if (on("DropDownWidth")) p.Integer("DropDownWidth", &C::DropDownWidth, &C::SetDropDownWidth).Default(0);
    if (on("EditButtons")) p.Collection("EditButtons", &C::EditButtons, &C::SetEditButtons);
    if (on("EditMask")) p.String("EditMask", &C::EditMask, &C::SetEditMask);
    if (on("EndEllipsis")) p.Boolean("EndEllipsis", &C::EndEllipsis, &C::SetEndEllipsis)
        .StoredIf(defValDiffers(cvEndEllipsis, &C::EndEllipsis, &TColumnDefValuesEh::EndEllipsis));
    if (on("FieldName")) p.String("FieldName", &C::FieldName, &C::SetFieldName);
    if (on("Font")) p.Object("Font", &C::Font, &C::SetFont)
        .StoredIf([](TObject* o) { return static_cast<C*>(o)->IsAssigned(cvFont); });
    if (on("Footer")) p.Object("Footer", &C::Footer, &C::SetFooter);
    if (on("Footers")) p.Collection("Footers", &C::Footers, &C::SetFooters);
    if (on("HideDuplicates")) p.Boolean("HideDuplicates", &C::HideDuplicates, &C::SetHideDuplicates).Default(false);
    if (on("HighlightRequired")) p.Boolean("HighlightRequired", &C::HighlightRequired, &C::SetHighlightRequired)
        .StoredIf(defValDiffers(cvHighlightRequired, &C::HighlightRequired, &TColumnDefValuesEh::HighlightRequired));
    if (on("ImageList")) p.Component("ImageList", &C::ImageList, &C::SetImageList);
    if (on("ImeMode"))
        p.Enum("ImeMode", &C::ImeMode, &C::SetImeMode, TImeModeInfo).StoredIf(flagDiffers(cvImeMode, [](TColumnEh* c) {
            TCustomDBGridEh* g = c->GetGrid();
            return c->ImeMode() != (g ? g->ImeMode() : imDontCare);
        }));
    if (on("ImeName"))
        p.String("ImeName", &C::ImeName, &C::SetImeName).StoredIf(flagDiffers(cvImeName, [](TColumnEh* c) {
            TCustomDBGridEh* g = c->GetGrid();
            return c->ImeName() != (g ? g->ImeName() : std::string());
        }));
    if (on("Increment")) p.Float("Increment", &C::Increment, &C::SetIncrement)
        .StoredIf([](TObject* o) { return static_cast<C*>(o)->Increment() != 1.0; });
    if (on("KeyList")) p.Strings("KeyList", &C::KeyList, &C::SetKeyList)
        .StoredIf([](TObject* o) { return !static_cast<C*>(o)->KeyListEmpty(); });
    if (on("Layout")) p.Enum("Layout", &C::Layout, &C::SetLayout, TTextLayoutInfo)
        .StoredIf(flagDiffers(cvLayout, [](TColumnEh* c) {
            TColumnDefValuesEh* d = c->DefValues();
            return c->Layout() != (d ? d->Layout() : tlTop);
        }));
    if (on("LookupDisplayFields")) p.String("LookupDisplayFields", &C::LookupDisplayFields, &C::SetLookupDisplayFields)
        .StoredIf(flagDiffers(cvLookupDisplayFields, [](TColumnEh* c) {
            TField* f = c->Field();
            return c->LookupDisplayFields() != (f && f->Lookup() ? f->LookupResultField() : std::string());
        }));
    if (on("MaxWidth")) p.Integer("MaxWidth", &C::MaxWidth, &C::SetMaxWidth).Default(0);
    if (on("MinWidth")) p.Integer("MinWidth", &C::MinWidth, &C::SetMinWidth).Default(0);
    if (on("MRUList")) p.Object("MRUList", &C::MRUList, &C::SetMRUList);
    if (on("NotInKeyListIndex")) p.Integer("NotInKeyListIndex", &C::NotInKeyListIndex, &C::SetNotInKeyListIndex).Default(-1);
    if (on("PickList")) p.Strings("PickList", &C::PickList, &C::SetPickList)
        .StoredIf([](TObject* o) { return !static_cast<C*>(o)->PickListEmpty(); });
    if (on("PopupMenu")) p.Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu);
    if (on("ReadOnly")) p.Boolean("ReadOnly", &C::ReadOnly, &C::SetReadOnly)
        .StoredIf(flagDiffers(cvReadOnly, [](TColumnEh* c) {
            TCustomDBGridEh* g = c->GetGrid();
            TField* f = c->Field();
            return c->ReadOnly() != ((g && g->ReadOnly()) || (f && f->ReadOnly()));
        }));
    if (on("ShowImageAndText")) p.Boolean("ShowImageAndText", &C::ShowImageAndText, &C::SetShowImageAndText).Default(false);
    if (on("STFilter")) p.Object("STFilter", &C::STFilter, &C::SetSTFilter);
    if (on("Tag")) p.Integer("Tag", &C::Tag, &C::SetTag).Default(0);
    if (on("Title")) p.Object("Title", &C::Title, &C::SetTitle);
    if (on("ToolTips")) p.Boolean("ToolTips", &C::ToolTips, &C::SetToolTips)
        .StoredIf(defValDiffers(cvToolTips, &C::ToolTips, &TColumnDefValuesEh::ToolTips));
    if (on("Visible")) p.Boolean("Visible", &C::Visible, &C::SetVisible).Default(true);
    if (on("Width")) p.Integer("Width", &C::Width, &C::SetWidth)
        .StoredIf(flagDiffers(cvWidth, [](TColumnEh* c) { return c->Width() != c->DefaultWidth(); }));
    if (on("WordWrap")) p.Boolean("WordWrap", &C::WordWrap, &C::SetWordWrap)
        .StoredIf([](TObject* o) { return static_cast<C*>(o)->IsAssigned(cvWordWrap); });
    if (on("OnCheckDrawRequiredState")) p.Event("OnCheckDrawRequiredState", &C::OnCheckDrawRequiredState);
    if (on("OnDropDownBoxCheckButton")) p.Event("OnDropDownBoxCheckButton", &C::OnDropDownBoxCheckButton);
    if (on("OnDropDownBoxDrawColumnCell")) p.Event("OnDropDownBoxDrawColumnCell", &C::OnDropDownBoxDrawColumnCell);
    if (on("OnDropDownBoxGetCellParams")) p.Event("OnDropDownBoxGetCellParams", &C::OnDropDownBoxGetCellParams);
    if (on("OnDropDownBoxSortMarkingChanged")) p.Event("OnDropDownBoxSortMarkingChanged", &C::OnDropDownBoxSortMarkingChanged);
    if (on("OnDropDownBoxTitleBtnClick")) p.Event("OnDropDownBoxTitleBtnClick", &C::OnDropDownBoxTitleBtnClick);
    if (on("OnEditButtonClick")) p.Event("OnEditButtonClick", &C::OnEditButtonClick);
    if (on("OnEditButtonDown")) p.Event("OnEditButtonDown", &C::OnEditButtonDown);
    if (on("OnGetCellParams")) p.Event("OnGetCellParams", &C::OnGetCellParams);
    if (on("OnNotInList")) p.Event("OnNotInList", &C::OnNotInList);
    if (on("OnUpdateData")) p.Event("OnUpdateData", &C::OnUpdateData);
    (void)sizeof(D);
}

// --- TDBGridColumnsEh ---

TDBGridColumnsEh::TDBGridColumnsEh(TCustomDBGridEh* grid, TClass itemClass) : TCollection(itemClass), grid_(grid) {}

TPersistent* TDBGridColumnsEh::GetOwner() const { return grid_; }

TColumnEh* TDBGridColumnsEh::AddDefaultColumn() {
    TColumnEh* c = Add();
    c->SetStored(false);
    return c;
}

TColumnsStateEh TDBGridColumnsEh::GetState() const {
    return Count() > 0 && Items(0)->Stored() ? csCustomized : csDefault;
}

void TColumnEh::ReleaseFilterValueList() { stFilter_->ReleaseValueList(); }

void TDBGridColumnsEh::ReleaseFilterValueLists() {
    for (int i = 0; i < Count(); ++i) Items(i)->ReleaseFilterValueList();
}

void TDBGridColumnsEh::Update(TCollectionItem* item) {
    TCustomDBGridEh* g = grid_;
    if (!g || g->GridLoading()) return;
    if (item) {
        auto* c = static_cast<TColumnEh*>(item);
        int col = c->Index() + g->IndicatorOffset();
        if (col < g->ColCount()) {
            g->InvalidateGridColumn(col);
            if (!g->AutoFitColWidths() || g->GridDesigning()) {
                int target = c->Visible() ? c->Width() : (g->Options().Contains(dgColLines) ? -1 : 0);
                if (g->ColWidths(col) != target) {
                    g->SetColWidths(col, target);
                } else if (g->UseMultiTitle()) {
                    g->LayoutChanged();
                }
            } else if (g->ColWidths(col) != -1 && g->ColWidths(col) != 0) {
                int old = c->InitWidth();
                int now = static_cast<int>(std::llround(static_cast<double>(old) * c->Width() / g->ColWidths(col)));
                c->SetInitWidth(now);
                if (c->Index() < Count() - 1) {
                    TColumnEh* next = Items(c->Index() + 1);
                    next->SetInitWidth(std::max(0, next->InitWidth() + old - now));
                }
                g->LayoutChanged();
            }
        } else {
            g->LayoutChanged();
        }
    } else {
        g->RebuildSortMarkedList();
        g->LayoutChanged();
    }
    int sel = g->SelectedIndex();
    if (sel >= 0 && sel < Count() && !Items(sel)->Visible() && g->VisibleColumns().Count() > 0)
        g->SetSelectedIndex(g->VisibleColumns().Items(0)->Index());
    if (g->LayoutLockCount() == 0) g->InvalidateEditor();
}

} // namespace tv
