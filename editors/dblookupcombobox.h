#pragma once
// The lookup combo box: picks a key value out of a list dataset reached
// through its list source, shows the text of one list field of the record
// whose key fields equal the key, and writes the key into fields of the
// edited dataset (or keeps it itself when it has neither data source nor data
// field). A drop-down data grid lists the records for choice; typing searches
// the list incrementally.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editors/dbcombobox.h"
#include "editors/dbeditbase.h"
#include "editors/dropdowngridhost.h"
#include "editors/fielddatalink.h"
#include "editors/lookupdropdownbox.h"
#include "editors/popupdatagrid.h"

namespace tv {

class TCustomDBLookupComboboxEh;

enum TDBLookupComboboxEhStyle { csDropDownListEh, csDropDownEh };
extern const TEnumInfo TDBLookupComboboxEhStyleInfo;

// The combo's field data link: several fields at once, and whether the value
// it last wrote was a free text rather than a key.
class TDataSourceLinkEh : public TFieldDataLinkEh {
    TV_CLASS(TDataSourceLinkEh, TFieldDataLinkEh)
public:
    explicit TDataSourceLinkEh(TCustomDBLookupComboboxEh* combo = nullptr);
    bool FreeTextStored() const { return freeTextStored_; }
    void SetFreeTextStored(bool v) { freeTextStored_ = v; }
    void ForgetCombo() { combo_ = nullptr; }

protected:
    void LayoutChanged() override;

private:
    TCustomDBLookupComboboxEh* combo_;
    bool freeTextStored_ = false;
};

// The combo's link to its list source.
class TListSourceLinkEh : public TDataLink {
    TV_CLASS(TListSourceLinkEh, TDataLink)
public:
    explicit TListSourceLinkEh(TCustomDBLookupComboboxEh* combo = nullptr) : combo_(combo) {}
    void ForgetCombo() { combo_ = nullptr; }

protected:
    void ActiveChanged() override;
    void LayoutChanged() override;
    void DataSetChanged() override;

private:
    TCustomDBLookupComboboxEh* combo_;
};

class TCustomDBLookupComboboxEh : public TCustomDBEditEh, public IDropDownGridHostEh {
    TV_CLASS(TCustomDBLookupComboboxEh, TCustomDBEditEh)
public:
    explicit TCustomDBLookupComboboxEh(TComponent* owner = nullptr);
    ~TCustomDBLookupComboboxEh() override;

    const std::string& DataField() const override { return dataField_; }
    void SetDataField(const std::string& v) override;
    const std::string& KeyField() const;
    void SetKeyField(const std::string& v);
    const std::string& ListField() const { return listField_; }
    void SetListField(const std::string& v);
    int ListFieldIndex() const { return listFieldIndex_; }
    void SetListFieldIndex(int v) { listFieldIndex_ = v; }
    TDataSource* ListSource() const;
    void SetListSource(TDataSource* v);
    TDBLookupComboboxEhStyle Style() const { return style_; }
    void SetStyle(TDBLookupComboboxEhStyle v);
    TLookupComboboxDropDownBoxEh* DropDownBox() const { return dropDownBox_.get(); }
    void SetDropDownBox(TLookupComboboxDropDownBoxEh* v) { dropDownBox_->Assign(v); }
    TPopupDataGridEh* DataList() const { return dataList_; }

    const Variant& KeyValue() const { return keyValue_; }
    // A real change runs KeyValueChanged (arrays compare element by element).
    void SetKeyValue(const Variant& v);
    bool ListActive() const { return listActive_; }
    bool ListVisible() const { return listVisible_; }
    bool Standalone() const { return standalone_; }
    bool LookupMode() const { return lookupMode_; }
    TField* CurrentListField() const { return currentListField_; }
    const std::vector<TField*>& ListFields() const { return listFields_; }

    void OpenDropDown() override;
    void CloseDropDown(bool accept) override;
    TWinControl* DropDownWindow() override { return listVisible_ ? dataList_ : nullptr; }
    void Dispatch(Message& msg) override;
    void Click() override;

    // IDropDownGridHostEh
    void RegisterFreeNotification(TComponent* component) override;
    TPopupDataGridEh* DropDownGrid() override { return dataList_; }
    TDBLookupGridEhOptions GetGridOptions() override;
    void SetGridOptions(TDBLookupGridEhOptions options) override;

    TCloseUpEventEh OnCloseUp;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnKeyValueChanged;
    TNotInListEventEh OnNotInList;

    // Called by the links.
    virtual void UpdateDataFields();
    virtual void UpdateListFields();
    virtual void ListDataChanged() {}

protected:
    virtual bool CanModifyKey(bool editIfNeeded);
    virtual bool KeyFieldsMatchValue(const std::vector<TField*>& fields, const Variant& value);
    virtual int ListFieldsWidth();
    virtual bool LocateText(const std::string& text, bool partial);
    virtual bool LocateKeyIn(TDataSource* source);
    virtual bool UsesDropDownListSource();
    virtual void KeyValueChanged();
    virtual void ProcessSearchKey(const std::string& text);
    virtual void WriteKeyValue(const Variant& value);
    virtual void SpecRowChanged();
    virtual void UpdateListSource();
    virtual bool FindKeyRecord();
    virtual void SelectAllText();

    bool ButtonsUsable() override;
    std::unique_ptr<TFieldDataLinkEh> NewDataLink() override;
    std::unique_ptr<TEditButtonEh> NewEditButton() override;
    TAlignment FieldAlignment() override;
    void TextToPaint(std::string& text) override;
    Variant CurrentValue() override { return keyValue_; }
    bool CharAllowed(char32_t c) override;
    void DataActiveChanged() override;
    void EditButtonDown(bool topButton) override;
    void FieldDataChanged() override;
    void ButtonControlMouseMove(TObject* sender, TShiftState shift, int x, int y) override;
    void SetTextSilently(const std::string& text) override;
    void SetValueSilently(const Variant& value) override { SetKeyValue(value); }
    void SetFocused(bool v) override;
    void CommitText() override;
    void RefreshReadOnly() override;

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void DefaultHandler(Message& msg) override;
    void KeyDown(win::WORD& key, TShiftState shift) override;
    void KeyUp(win::WORD& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    bool DoMouseWheelDown(TShiftState shift, win::POINT mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, win::POINT mousePos) override;

    void SelectNextRecord(bool up);

private:
    friend class TListSourceLinkEh;
    void CheckNotCircular();
    void CheckNotLookup();
    void SetLookupMode(bool on);
    void UpdateStandalone();
    TDataSource* EffectiveListSource();
    TDataSet* ListDataSet() const;
    Variant ListKeyValue() const;
    bool SpecRowClaimsKey();
    void ShowText(const std::string& text);
    void ShowKeyText();
    void SearchAfterEdit(bool backspace);
    bool DragIntoList(TControl* from, int x, int y);

    std::vector<TField*> dataFields_;
    std::string dataField_;
    bool updatingDataFields_ = false;
    TPopupDataGridEh* dataList_ = nullptr;
    std::unique_ptr<TLookupComboboxDropDownBoxEh> dropDownBox_;
    std::vector<TField*> keyFields_;
    std::string keyField_;
    bool standalone_ = true;
    Variant keyValue_;
    bool listActive_ = false;
    bool listColumnsMoved_ = false;
    TField* currentListField_ = nullptr;
    int listFieldIndex_ = 0;
    std::string listField_;
    std::vector<TField*> listFields_;
    std::unique_ptr<TListSourceLinkEh> listLink_;
    TDataSource* listSource_ = nullptr;
    bool listVisible_ = false;
    bool lookupMode_ = false;
    std::unique_ptr<TDataSource> lookupSource_;
    std::vector<TField*> masterFields_;
    std::string masterFieldNames_;
    TDBLookupComboboxEhStyle style_ = csDropDownListEh;
    bool changeFired_ = false;
    bool puttingText_ = false;
    bool readingData_ = false;
};

class TDBLookupComboboxEh : public TCustomDBLookupComboboxEh {
    TV_CLASS(TDBLookupComboboxEh, TCustomDBLookupComboboxEh)
public:
    using TCustomDBLookupComboboxEh::TCustomDBLookupComboboxEh;
    static void Publish(TPublisher& p);
};

} // namespace tv
