// The lookup combo box: binding to the edited data and to the list, the key
// value, what it shows, and posting.
#include "editors/dblookupcombobox.h"

#include <algorithm>
#include <climits>

#include "editors/editimage.h"
#include "editors/mrulist.h"
#include "editors/publishedit.h"
#include "editors/variantutils.h"
#include "framework/ui/imagelist.h"
#include "platform/window/queue.h"
#include "core/properties.h"
#include "core/scopeguards.h"
#include "core/strutils.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/dberror.h"
#include "framework/data/field.h"
#include "framework/ui/graphics.h"
#include "platform/controls/edit.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/text.h"
#include "platform/window/paint.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TDBLookupComboboxEhStyleInfo{"TDBLookupComboboxEhStyle", {"csDropDownListEh", "csDropDownEh"}};

namespace {

Variant NullIfEmpty(const Variant& v) { return v.IsEmpty() ? Null() : v; }

} // namespace

// --- the links -------------------------------------------------------------------------------

TDataSourceLinkEh::TDataSourceLinkEh(TCustomDBLookupComboboxEh* combo) : combo_(combo) { AllowSeveralFields(true); }

void TDataSourceLinkEh::LayoutChanged() {
    TFieldDataLinkEh::LayoutChanged();
    if (combo_) combo_->UpdateDataFields();
}

void TListSourceLinkEh::ActiveChanged() {
    if (combo_) combo_->UpdateListFields();
}

void TListSourceLinkEh::LayoutChanged() {
    if (combo_) combo_->UpdateListFields();
}

void TListSourceLinkEh::DataSetChanged() {
    if (combo_) combo_->ListDataChanged();
}

// --- creation ------------------------------------------------------------------------------

TCustomDBLookupComboboxEh::TCustomDBLookupComboboxEh(TComponent* owner) : TCustomDBEditEh(owner) {
    RenewDataLink();
    RenewEditButton();
    lookupSource_ = std::make_unique<TDataSource>(nullptr);
    listLink_ = std::make_unique<TListSourceLinkEh>(this);
    keyValue_ = Null();
    dataList_ = new TPopupDataGridEh(this);
    dataList_->SetVisible(false);
    dataList_->SetParentCtl3D(false);
    dataList_->SetCtl3D(true);
    dataList_->SetParent(this);
    dataList_->OnCloseUpRequest = [this](TObject*, bool accept) { CloseDropDown(accept); };
    dataList_->OnUserSelect = [](TObject*) {};
    dropDownBox_ = std::make_unique<TLookupComboboxDropDownBoxEh>(this);
    dropDownBox_->SetRows(7);
    dropDownBox_->SpecRow()->OnChange = [this](TObject*) { SpecRowChanged(); };
    RefreshReadOnly();
}

TCustomDBLookupComboboxEh::~TCustomDBLookupComboboxEh() {
    dropDownBox_->SpecRow()->OnChange = nullptr;
    if (auto* link = dynamic_cast<TDataSourceLinkEh*>(DataLink())) link->ForgetCombo();
    listLink_->ForgetCombo();
    listLink_->SetDataSource(nullptr);
    // The drop-down goes before the sources it may still look at.
    delete dataList_;
    dataList_ = nullptr;
}

std::unique_ptr<TFieldDataLinkEh> TCustomDBLookupComboboxEh::NewDataLink() {
    return std::make_unique<TDataSourceLinkEh>(this);
}

std::unique_ptr<TEditButtonEh> TCustomDBLookupComboboxEh::NewEditButton() {
    return std::make_unique<TVisibleEditButtonEh>(this);
}

// --- settings ------------------------------------------------------------------------------

void TCustomDBLookupComboboxEh::CheckNotLookup() {
    if (lookupMode_) DatabaseError("Propiedad ya definida anteriormente por el campo de búsqueda", this);
    if (DataLink()->DataSourceFixed()) DatabaseError("Operación no permitida en un DBCtrlGrid", this);
}

void TCustomDBLookupComboboxEh::CheckNotCircular() {
    TDataSource* data = DataLink()->DataSource();
    if (listLink_->Active() && data && data->IsLinkedTo(listLink_->DataSet()))
        DatabaseError("Los enlaces de datos (datalinks) circulares no están permitidos", this);
}

void TCustomDBLookupComboboxEh::SetDataField(const std::string& v) {
    if (v == dataField_) return;
    dataField_ = v;
    UpdateDataFields();
}

const std::string& TCustomDBLookupComboboxEh::KeyField() const {
    static const std::string none;
    return lookupMode_ ? none : keyField_;
}

void TCustomDBLookupComboboxEh::SetKeyField(const std::string& v) {
    CheckNotLookup();
    if (v == keyField_) return;
    keyField_ = v;
    dataList_->SetKeyFieldName(v);
    UpdateListFields();
}

void TCustomDBLookupComboboxEh::SetListField(const std::string& v) {
    if (v == listField_) return;
    listField_ = v;
    dataList_->SetListFieldName(v);
    UpdateListFields();
}

TDataSource* TCustomDBLookupComboboxEh::ListSource() const { return lookupMode_ ? nullptr : listSource_; }

void TCustomDBLookupComboboxEh::SetListSource(TDataSource* v) {
    CheckNotLookup();
    TDataSource* data = DataLink()->DataSource();
    if (v && v->DataSet() && data && data->IsLinkedTo(v->DataSet()))
        DatabaseError("Los enlaces de datos (datalinks) circulares no están permitidos", this);
    listSource_ = v;
    UpdateListSource();
    if (v) v->FreeNotification(this);
    UpdateListFields();
}

void TCustomDBLookupComboboxEh::SetStyle(TDBLookupComboboxEhStyle v) {
    style_ = v;
    RefreshReadOnly();
}

void TCustomDBLookupComboboxEh::RegisterFreeNotification(TComponent* component) {
    if (component) component->FreeNotification(this);
}

TDBLookupGridEhOptions TCustomDBLookupComboboxEh::GetGridOptions() { return dataList_->LookupOptions(); }
void TCustomDBLookupComboboxEh::SetGridOptions(TDBLookupGridEhOptions options) { dataList_->SetLookupOptions(options); }

void TCustomDBLookupComboboxEh::Loaded() {
    TCustomDBEditEh::Loaded();
    dataList_->SetSpecRow(dropDownBox_->SpecRow());
}

void TCustomDBLookupComboboxEh::Notification(TComponent* component, TOperation operation) {
    TCustomDBEditEh::Notification(component, operation);
    if (operation != opRemove || !dropDownBox_) return;
    if (component == listSource_) {
        listSource_ = nullptr;
        UpdateListSource();
        UpdateListFields();
    } else if (component == dropDownBox_->ListSource()) {
        dropDownBox_->SetListSource(nullptr);
        UpdateListSource();
        UpdateListFields();
    }
}

// --- binding to the edited data --------------------------------------------------------------

void TCustomDBLookupComboboxEh::UpdateDataFields() {
    if (updatingDataFields_) return;
    TFlagGuard guard(updatingDataFields_);
    dataFields_.clear();
    masterFields_.clear();
    masterFieldNames_.clear();
    TFieldDataLinkEh* link = DataLink();
    TDataSet* ds = link->DataSet();
    if (ds && ds->Active() && !dataField_.empty()) {
        CheckNotCircular();
        dataFields_ = ds->GetFieldList(dataField_);
        if (dataFields_.size() == 1 && dataFields_[0]->Lookup()) {
            masterFields_ = ds->GetFieldList(dataFields_[0]->KeyFields());
        } else {
            masterFields_ = dataFields_;
        }
        masterFieldNames_ = FieldNamesOf(masterFields_);
    }
    SetLookupMode(dataFields_.size() == 1 && dataFields_[0]->Lookup());
    link->AssignFieldName(masterFieldNames_.empty() ? dataField_ : masterFieldNames_);
    UpdateStandalone();
    RefreshReadOnly();
    RefreshButtons();
    if (!standalone_) link->ReloadControl();
}

void TCustomDBLookupComboboxEh::SetLookupMode(bool on) {
    if (on == lookupMode_) return;
    if (on) {
        TField* f = dataFields_[0];
        masterFields_ = f->DataSet()->GetFieldList(f->KeyFields());
        masterFieldNames_ = FieldNamesOf(masterFields_);
        lookupSource_->SetDataSet(f->LookupDataSet());
        keyField_ = f->LookupKeyFields();
        lookupMode_ = true;
        listLink_->SetDataSource(EffectiveListSource());
    } else {
        listLink_->SetDataSource(nullptr);
        lookupMode_ = false;
        keyField_.clear();
        lookupSource_->SetDataSet(nullptr);
        masterFields_ = dataFields_;
        // The user's own list source applies again.
        UpdateListSource();
    }
}

void TCustomDBLookupComboboxEh::UpdateStandalone() {
    standalone_ = !DataSource() && dataField_.empty() && !ListSource() && listField_.empty() && KeyField().empty();
}

void TCustomDBLookupComboboxEh::RefreshReadOnly() {
    if (standalone_) {
        TCustomDBEditEh::RefreshReadOnly();
        return;
    }
    // In csDropDownListEh the text is never typed into the window.
    bool writable = DataLink()->Editing() && style_ == csDropDownEh && !ReadOnly();
    TCustomEdit::SetReadOnly(!writable);
}

void TCustomDBLookupComboboxEh::DataActiveChanged() {
    TCustomDBEditEh::DataActiveChanged();
    UpdateDataFields();
}

bool TCustomDBLookupComboboxEh::CanModifyKey(bool editIfNeeded) {
    bool result = (standalone_ || listActive_) && !ReadOnly();
    if (result && DataLink()->DataSource()) {
        result = !masterFields_.empty() &&
                 std::all_of(masterFields_.begin(), masterFields_.end(), [](TField* f) { return f->CanModify(); });
    }
    if (editIfNeeded && result && !masterFields_.empty()) result = DataLink()->Edit();
    return result;
}

bool TCustomDBLookupComboboxEh::ButtonsUsable() {
    return TCustomDBEditEh::ButtonsUsable() && (listActive_ || OnButtonClick || OnButtonDown);
}

TAlignment TCustomDBLookupComboboxEh::FieldAlignment() {
    return standalone_ ? TCustomDBEditEh::FieldAlignment() : taLeftJustify;
}

bool TCustomDBLookupComboboxEh::CharAllowed(char32_t c) {
    if (listActive_ && currentListField_) return currentListField_->IsValidChar(c);
    return TCustomDBEditEh::CharAllowed(c);
}

// --- binding to the list -------------------------------------------------------------------

TDataSource* TCustomDBLookupComboboxEh::EffectiveListSource() {
    if (EditorFocused() && dropDownBox_ && dropDownBox_->ListSource() && !ComponentState().Contains(csDesigning))
        return dropDownBox_->ListSource();
    return lookupMode_ ? lookupSource_.get() : listSource_;
}

void TCustomDBLookupComboboxEh::UpdateListSource() { listLink_->SetDataSource(EffectiveListSource()); }

bool TCustomDBLookupComboboxEh::UsesDropDownListSource() {
    TDataSource* s = EffectiveListSource();
    return s && s == dropDownBox_->ListSource();
}

TDataSet* TCustomDBLookupComboboxEh::ListDataSet() const { return listLink_->DataSet(); }

Variant TCustomDBLookupComboboxEh::ListKeyValue() const {
    TDataSet* ds = ListDataSet();
    return ds ? ds->FieldValues(keyField_) : Null();
}

void TCustomDBLookupComboboxEh::UpdateListFields() {
    if (listVisible_ || !dropDownBox_) return;
    listActive_ = false;
    RefreshButtons();
    currentListField_ = nullptr;
    listFields_.clear();
    if (listLink_->Active() && !keyField_.empty()) {
        CheckNotCircular();
        TDataSet* ds = ListDataSet();
        keyFields_ = ds->GetFieldList(keyField_);
        // A trailing ";" names no field.
        listFields_ = CollectFieldsByNamesArray(ds, this, listField_);
        currentListField_ =
            ChooseShownListField(ds, listFields_, keyFields_, lookupMode_ ? dataFields_[0] : nullptr, listFieldIndex_);
        listActive_ = currentListField_ != nullptr;
    }
    UpdateStandalone();
    RefreshReadOnly();
    RefreshButtons();
    bool wasModified = Modified();
    bool wasLinkModified = DataLink()->Modified();
    if (!standalone_) {
        if (listActive_) {
            ShowKeyText();
        } else {
            ShowText(ComponentState().Contains(csDesigning) ? Name() : std::string());
        }
    }
    if (Modified() != wasModified) SetModified(wasModified);
    DataLink()->SetModifiedFlag(wasLinkModified);
    Invalidate();
}

bool TCustomDBLookupComboboxEh::KeyFieldsMatchValue(const std::vector<TField*>& fields, const Variant& value) {
    return tv::KeyFieldsMatchValue(fields.size(), value);
}

bool TCustomDBLookupComboboxEh::LocateKeyIn(TDataSource* source) {
    TDataSet* ds = source ? source->DataSet() : nullptr;
    if (!ds || keyValue_.IsNull() || !ds->Active() || !KeyFieldsMatchValue(keyFields_, keyValue_)) return false;
    try {
        return ds->Locate(keyField_, keyValue_, {});
    } catch (const std::exception&) {
        return false;
    }
}

bool TCustomDBLookupComboboxEh::FindKeyRecord() {
    Variant kept = keyValue_;
    try {
        TDataSet* ds = ListDataSet();
        if (keyValue_.IsNull() || !ds || !ds->Active() || !KeyFieldsMatchValue(keyFields_, keyValue_)) return false;
        if (!ds->Locate(keyField_, keyValue_, {})) return false;
        keyValue_ = kept;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool TCustomDBLookupComboboxEh::SpecRowClaimsKey() {
    TSpecRowEh* spec = dropDownBox_->SpecRow();
    if (!spec->Visible()) return false;
    return spec->MatchesKey(keyValue_) || (spec->ShowIfNotInKeyList() && !FindKeyRecord());
}

void TCustomDBLookupComboboxEh::SpecRowChanged() {
    if (ComponentState().Contains(csLoading)) return;
    FieldDataChanged();
    UpdateListFields();
    dataList_->SetSpecRow(dropDownBox_->SpecRow());
}

// --- the key -------------------------------------------------------------------------------

void TCustomDBLookupComboboxEh::ShowText(const std::string& text) {
    TFlagGuard putting(puttingText_);
    TCustomDBEditEh::SetTextSilently(text);
}

// The text of the key: its record's list field (in the drop-down's own list
// while focused), the special row's, or nothing.
void TCustomDBLookupComboboxEh::ShowKeyText() {
    TDataSource* effective = EffectiveListSource();
    if (EditorFocused() && UsesDropDownListSource() && LocateKeyIn(effective)) {
        TField* f = effective->DataSet()->FindField(currentListField_->FieldName());
        ShowText(f ? f->DisplayText() : std::string());
    } else if (SpecRowClaimsKey()) {
        ShowText(dropDownBox_->SpecRow()->CellText(listFieldIndex_));
    } else if (FindKeyRecord()) {
        ShowText(currentListField_->DisplayText());
    } else {
        ShowText("");
    }
}

void TCustomDBLookupComboboxEh::SetKeyValue(const Variant& v) {
    Variant value = NullIfEmpty(v);
    if (VariantsEqual(value, keyValue_)) return;
    keyValue_ = value;
    KeyValueChanged();
}

void TCustomDBLookupComboboxEh::KeyValueChanged() {
    DataLink()->MarkModified();
    SetModified(true);
    if (!standalone_) {
        if (listActive_) {
            bool found = FindKeyRecord();
            if (found && !dropDownBox_->SpecRow()->MatchesKey(keyValue_)) {
                ShowText(currentListField_->DisplayText());
            } else if (style_ == csDropDownListEh) {
                // A key with no list row shows no stale text of another record.
                ShowText(SpecRowClaimsKey() ? dropDownBox_->SpecRow()->CellText(listFieldIndex_) : std::string());
            }
        } else if (ComponentState().Contains(csDesigning)) {
            ShowText(Name());
        }
    }
    if (listVisible_) dataList_->SetKeyValue(keyValue_);
    if (style_ == csDropDownListEh && HandleAllocated() && !standalone_) SelectAllText();
    if (OnKeyValueChanged) OnKeyValueChanged(this);
}

void TCustomDBLookupComboboxEh::FieldDataChanged() {
    // Searching the list moves a dataset, whose notices must not read the data again.
    if (readingData_) return;
    TFlagGuard reading(readingData_);
    auto* link = static_cast<TDataSourceLinkEh*>(DataLink());
    if (standalone_) {
        keyValue_ = NullIfEmpty(link->UnboundValue());
        TCustomDBEditEh::FieldDataChanged();
        return;
    }
    if (IsDataIndependent() && link->FreeTextStored()) {
        std::string text = VariantToTextSafe(link->UnboundValue());
        ShowText(text);
        LocateText(text, false);
    } else {
        TDataSet* ds = link->DataSet();
        if (ds && ds->Active() && !masterFields_.empty() && !masterFieldNames_.empty()) {
            SetKeyValue(ds->FieldValues(masterFieldNames_));
        } else if (IsDataIndependent()) {
            SetKeyValue(link->UnboundValue());
        } else {
            SetKeyValue(Null());
        }
        // The record's text may have changed while the key stayed.
        if (listActive_) ShowKeyText();
    }
    SetModified(false);
}

void TCustomDBLookupComboboxEh::CommitText() {
    auto* link = static_cast<TDataSourceLinkEh*>(DataLink());
    if (standalone_) {
        TCustomDBEditEh::CommitText();
        return;
    }
    std::string text = Text();
    if (listActive_ && OnNotInList && !text.empty()) {
        auto search = [&] {
            try {
                return ListDataSet()->Locate(currentListField_->FieldName(), Variant(text), {loCaseInsensitive});
            } catch (const std::exception&) {
                return false;
            }
        };
        if (!search()) {
            bool recheck = false;
            OnNotInList(this, text, recheck);
            if (recheck && search()) SetKeyValue(ListKeyValue());
        }
    }
    if (EditorFocused()) ValidateEdit();
    if (RunUpdateData()) {
        SetModified(false);
        return;
    }
    if (IsDataIndependent() && listActive_ && !FindKeyRecord() && !Text().empty() && style_ == csDropDownEh &&
        !dropDownBox_->SpecRow()->Visible()) {
        link->SetFreeTextStored(true);
        link->SetValue(Variant(Text()));
    } else {
        link->SetFreeTextStored(false);
        link->SetValue(keyValue_);
    }
    SetModified(false);
}

void TCustomDBLookupComboboxEh::WriteKeyValue(const Variant& value) {
    if (masterFields_.empty()) {
        SetKeyValue(value);
        if (!DataPosting()) {
            try {
                CommitText();
            } catch (...) {
                DataLink()->ReloadControl();
                throw;
            }
        }
    } else if (DataLink()->Edit()) {
        DataLink()->DataSet()->SetFieldValues(masterFieldNames_, value);
    }
    if (listActive_ && !FindKeyRecord() && !SpecRowClaimsKey()) ShowText("");
}

void TCustomDBLookupComboboxEh::SetFocused(bool v) {
    TCustomDBEditEh::SetFocused(v);
    UpdateListSource();
}

void TCustomDBLookupComboboxEh::TextToPaint(std::string& text) {
    if (ComponentState().Contains(csDesigning) && !DataLink()->Active()) {
        text = Name();
        return;
    }
    TDataSet* data = DataLink()->DataSet();
    if (ControlState().Contains(csPaintCopy) && Field() && listLink_->Active() && data) {
        text.clear();
        try {
            if (ListDataSet()->Locate(keyField_, data->FieldValues(masterFieldNames_), {}) && currentListField_)
                text = currentListField_->DisplayText();
        } catch (const std::exception&) {
        }
        return;
    }
    text = EditText();
}

int TCustomDBLookupComboboxEh::ListFieldsWidth() {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    TEXTMETRIC tm{};
    GetTextMetrics(dc, &tm);
    SIZE zero{};
    GetTextExtentPoint32(dc, "0", &zero);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    int width = 0;
    for (TField* f : listFields_) width += f->DisplayWidth() * (zero.cx - tm.tmOverhang) + tm.tmOverhang + 4;
    return width;
}

void TCustomDBLookupComboboxEh::SelectAllText() {
    if (!HandleAllocated()) return;
    SendMessage(Handle(), EM_SETSEL, WPARAM(Utf8Length(EditText())), 0);
}

// --- the published combo -------------------------------------------------------------------

void TDBLookupComboboxEh::Publish(TPublisher& p) {
    using C = TDBLookupComboboxEh;
    PublishEditorCommon<TDBLookupComboboxEh>(p);
    p.Object("DropDownBox", &C::DropDownBox, &C::SetDropDownBox);
    p.String("KeyField", &C::KeyField, &C::SetKeyField);
    p.String("ListField", &C::ListField, &C::SetListField);
    p.Integer("ListFieldIndex", &C::ListFieldIndex, &C::SetListFieldIndex).Default(0);
    p.Component("ListSource", &C::ListSource, &C::SetListSource);
    p.Enum("Style", &C::Style, &C::SetStyle, TDBLookupComboboxEhStyleInfo).Default(csDropDownListEh);
    p.Event("OnCloseUp", &C::OnCloseUp);
    p.Event("OnDropDown", &C::OnDropDown);
    p.Event("OnKeyValueChanged", &C::OnKeyValueChanged);
    p.Event("OnNotInList", &C::OnNotInList);
}

} // namespace tv
