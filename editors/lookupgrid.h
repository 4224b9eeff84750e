#pragma once
// TDBLookupGridEh: a data grid that lists the records of a list dataset and
// tracks one key value, the key of the chosen record. It shows the list
// fields, marks the record whose key fields equal the key, can show a special
// row above the data rows for a value that is not in the list, sizes its
// height to whole rows, and may write the key into fields of an edited
// dataset through a data link of its own.
#include <memory>
#include <string>
#include <vector>

#include "editors/lookupgridcolumn.h"
#include "editors/lookupgridoptions.h"
#include "editors/specrow.h"
#include "core/sets.h"
#include "core/variant.h"
#include "framework/data/datalink.h"
#include "grid/dbgrideh.h"

namespace tv {

class TDBLookupGridEh;

// The grid's link to the edited dataset (the data side).
class TLookupGridDataLinkEh : public TDataLink {
    TV_CLASS(TLookupGridDataLinkEh, TDataLink)
public:
    explicit TLookupGridDataLinkEh(TDBLookupGridEh* grid = nullptr) : grid_(grid) {}
    void ForgetGrid() { grid_ = nullptr; }

protected:
    void ActiveChanged() override;
    void LayoutChanged() override;
    void RecordChanged(TField* field) override;
    void FocusControl(TField*& field) override;

private:
    TDBLookupGridEh* grid_;
};

class TDBLookupGridEh : public TCustomDBGridEh {
    TV_CLASS(TDBLookupGridEh, TCustomDBGridEh)
public:
    explicit TDBLookupGridEh(TComponent* owner = nullptr);
    ~TDBLookupGridEh() override;

    // --- settings ---
    const std::string& KeyField() const;
    void SetKeyFieldName(const std::string& name);
    const std::string& ListField() const { return listField_; }
    void SetListFieldName(const std::string& name);
    TDataSource* ListSource() const { return DataSource(); }
    void SetListSource(TDataSource* source);
    const std::string& DataField() const { return dataField_; }
    void SetDataField(const std::string& name);
    TDataSource* DataLinkSource() const;
    void SetDataLinkSource(TDataSource* source);
    bool ReadOnlyData() const;
    void ApplyReadOnly(bool v);
    const Variant& KeyValue() const { return keyValue_; }
    void SetKeyValue(const Variant& v);
    int ListFieldIndex() const { return listFieldIndex_; }
    void SetListFieldIndex(int v) { listFieldIndex_ = v; }
    TSpecRowEh* SpecRow() const { return specRow_.get(); }
    void SetSpecRow(TSpecRowEh* v) { specRow_->Assign(v); }
    TDBLookupGridEhOptions LookupOptions() const { return lookupOptions_; }
    void SetLookupOptions(TDBLookupGridEhOptions v);
    // The lookup options mapped onto the grid's own options.
    void SetGridLineOptions(TDBLookupGridEhOptions v) { SetLookupOptions(v); }
    int RowCount() const { return rowCount_; }
    void SetRowCount(int n);
    bool ShowTitles() const { return Options().Contains(dgTitles); }
    void SetShowTitles(bool v);
    void SetUseMultiTitleEh(bool v);
    bool AutoFitMode() const { return autoFitMode_; }
    void SetAutoFitColWidths(bool v);

    // --- what the owners read ---
    bool ListActive() const { return listActive_; }
    bool LookupMode() const { return lookupMode_; }
    TField* CurrentListField() const { return currentListField_; }
    const std::vector<TField*>& ListFields() const { return listFields_; }
    const std::vector<TField*>& KeyFields() const { return keyFields_; }
    const std::string& SelectedText() const { return selectedText_; }
    const std::string& SearchText() const { return searchText_; }
    bool KeyRowShown() const { return keyRowShown_; }
    int SpecRowHeight() const { return specRowHeight_; }
    // The cell box of the data rows (the special row included when shown).
    TGridRect GetDataRect();
    // The widths of the visible columns, each with its line.
    int GetColumnsWidth();
    int TitleHeightNow();
    // The height of whole rows nearest below `height`, and their count.
    int WholeRowsHeight(int height, int& rows);

    // --- choosing ---
    void SelectKeyValue(const Variant& value);
    void SelectCurrent();
    void SelectSpecRow();
    void SelectAt(int x, int y);
    void ProcessSearchKey(char32_t key);

    // Keys an owner forwards while the grid shows as its drop-down.
    void ForwardKeyDown(win::WORD& key, TShiftState shift) { KeyDown(key, shift); }
    void ForwardKeyUp(win::WORD& key, TShiftState shift) { KeyUp(key, shift); }
    void SetBounds(int left, int top, int width, int height) override;
    void UpdateScrollBar() override;
    void Dispatch(Message& msg) override;
    void Notification(TComponent* component, TOperation operation) override;

    // Called by the data side's link.
    void UpdateDataFields();
    void DataRecordChanged(TField* field);

protected:
    virtual bool CanModify();
    virtual bool KeyFieldsMatchValue(const std::vector<TField*>& fields, const Variant& value);
    virtual int BorderExtent();
    virtual int SpecRowLineHeight();
    virtual int DataRowLineHeight();
    virtual void KeyValueChanged();
    virtual void ListDataChanged();
    virtual void SpecRowChanged();
    virtual void UpdateColumnWidths();
    virtual void UpdateListFields();
    virtual bool FindKeyRecord();

    TDBGridColumnsEh* CreateColumns() override;
    TColumnDefValuesEh* CreateColumnDefValues() override;
    void CreateWnd() override;
    bool RowSelectFocused() override { return keyRowShown_; }
    bool IsCellRaised(int col, int row, TGridDrawState state) override;
    int FilterRowVisible() const override;
    bool GetCellParamsEh(int dataCol, int dataRow, TFont* font, TColor& background, TGridDrawState state,
                         const std::string& text) override;
    void UpdateSumListAfterCreate() override;
    void DefineFieldMap() override;
    void DrawTitleCell(int col, int row, bool& highlighted, TGridDrawState state, win::RECT rect,
                       const TCellTypeEh& cellType, int areaCol, int areaRow) override;
    void GetDatasetFieldList(std::vector<TField*>& list) override;
    void LayoutChanged() override;
    void LinkActive(bool active) override;
    void Scroll(int distance) override;
    void TimerScroll() override;
    void UpdateActive() override;
    void UpdateRowCount() override;
    void ColWidthsChanged() override;
    void KeyDown(win::WORD& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheelDown(TShiftState shift, win::POINT mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, win::POINT mousePos) override;

    void SetRowCountField(int rows) { rowCount_ = rows; }
    bool tracking_ = false;
    bool noFocusOnClick_ = false;

private:
    friend class TDBLookupGridColumnEh;
    void CheckNotCircular();
    void CheckNotLookup();
    void SetLookupMode(bool on);
    Variant ListKeyValue();
    bool IsSpecRowSelectable() const;
    int FindKeyRow();
    void MoveList(int distance);
    void VertScroll(int code, int pos);

    std::string dataField_;
    std::vector<TField*> dataFields_;
    std::unique_ptr<TLookupGridDataLinkEh> dataLink_;
    bool hasFocus_ = false;
    std::string keyField_;
    std::vector<TField*> keyFields_;
    bool keyRowShown_ = false;
    Variant keyValue_;
    bool listActive_ = false;
    TField* currentListField_ = nullptr;
    int listFieldIndex_ = 0;
    std::string listField_;
    std::vector<TField*> listFields_;
    bool selectionLock_ = false;
    bool lookupMode_ = false;
    std::unique_ptr<TDataSource> lookupSource_;
    std::string masterFieldNames_;
    std::vector<TField*> masterFields_;
    int mouseY_ = 0;
    int recordCount_ = 0, activeRecordIndex_ = 0;
    int rowCount_ = 7;
    std::string searchText_;
    std::string selectedText_;
    std::unique_ptr<TSpecRowEh> specRow_;
    TDBLookupGridEhOptions lookupOptions_{dlgColLinesEh};
    int specRowHeight_ = 0;
    bool autoFitMode_ = false;
    bool sizing_ = false, updatingRowCount_ = false;
};

} // namespace tv
