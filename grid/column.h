#pragma once
// TColumnEh: one column of the data grid. It binds a field by name, computes
// its cell's text, check-box state and image, writes edited values back and
// carries its title's and footers' settings. TDBGridColumnEh publishes it;
// TDBGridColumnsEh is the grid's collection of them.
#include <memory>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/collection.h"
#include "core/stringlist.h"
#include "framework/ui/graphics.h"
#include "framework/ui/imagelist.h"
#include "grid/columnfooter.h"
#include "grid/columntitle.h"
#include "grid/gridtypes.h"
#include "editors/dropdowngridhost.h"
#include "editors/editbuttons.h"
#include "editors/mrulist.h"
#include "editors/specrow.h"

namespace tv {

class TColumnDropDownBoxEh;
class TPopupDataGridEh;
class TPopupMenu;
class TSTColumnFilterEh;
class TDataSet;

class TColumnEh : public TCollectionItem, public IDropDownGridHostEh {
    TV_CLASS(TColumnEh, TCollectionItem)
public:
    explicit TColumnEh(TCollection* collection = nullptr);
    ~TColumnEh() override;
    static void Publish(TPublisher&) {}
    void Assign(TPersistent* source) override;
    std::string DisplayName() const override;
    void SetIndex(int index) override;

    TCustomDBGridEh* GetGrid() const;
    TCustomDBGridEh* Grid() const { return GetGrid(); }

    // --- values with fallbacks ---
    TAlignment Alignment() const;
    virtual void SetAlignment(TAlignment v);
    bool AlwaysShowEditButton() const;
    void SetAlwaysShowEditButton(bool v);
    bool AutoDropDown() const;
    void SetAutoDropDown(bool v);
    bool AutoFitColWidth() const { return autoFitColWidth_; }
    virtual void SetAutoFitColWidth(bool v);
    TBiDiMode BiDiMode() const;
    void SetBiDiMode(TBiDiMode v);
    TColumnButtonStyleEh ButtonStyle() const { return buttonStyle_; }
    void SetButtonStyle(TColumnButtonStyleEh v);
    bool Checkboxes() const;
    void SetCheckboxes(bool v);
    TColor Color() const;
    void SetColor(TColor v);
    bool DblClickNextVal() const;
    void SetDblClickNextVal(bool v);
    const std::string& DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const std::string& v);
    int DropDownRows() const { return dropDownRows_; }
    void SetDropDownRows(int v) { dropDownRows_ = v; }
    bool DropDownShowTitles() const;
    void SetDropDownShowTitles(bool v);
    bool DropDownSizing() const;
    void SetDropDownSizing(bool v);
    int DropDownWidth() const { return dropDownWidth_; }
    void SetDropDownWidth(int v);
    // Further buttons shown beside the cell's own button.
    TEditButtonsEh* EditButtons() const { return editButtons_.get(); }
    void SetEditButtons(TEditButtonsEh* v) { editButtons_->Assign(v); }
    // The extra row a lookup cell's list shows before its records (usually the empty choice).
    TSpecRowEh* DropDownSpecRow() const { return dropDownSpecRow_.get(); }
    void SetDropDownSpecRow(TSpecRowEh* v) { dropDownSpecRow_->Assign(v); }
    // The settings of a lookup cell's drop-down grid.
    TColumnDropDownBoxEh* DropDownBox() const { return dropDownBox_.get(); }
    void SetDropDownBox(TColumnDropDownBoxEh* v);
    // The pop-up grid a lookup cell drops down, created on first use; the
    // cell editor only borrows it.
    TPopupDataGridEh* DropDownDataList();
    // The texts recently typed in the column's cells, offered while typing.
    TMRUListEh* MRUList() const { return mruList_.get(); }
    void SetMRUList(TMRUListEh* v) { mruList_->Assign(v); }
    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(const std::string& v);
    bool EndEllipsis() const;
    void SetEndEllipsis(bool v);
    const std::string& FieldName() const { return fieldName_; }
    void SetFieldName(const std::string& v);
    TFont* Font() const;
    void SetFont(TFont* v);
    TColumnFooterEh* Footer() const { return footer_.get(); }
    void SetFooter(TColumnFooterEh* v) { footer_->Assign(v); }
    TColumnFootersEh* Footers() const { return footers_.get(); }
    void SetFooters(TColumnFootersEh* v) { footers_->Assign(v); }
    bool HideDuplicates() const { return hideDuplicates_; }
    virtual void SetHideDuplicates(bool v);
    bool HighlightRequired() const;
    virtual void SetHighlightRequired(bool v);
    TCustomImageList* ImageList() const { return imageList_; }
    void SetImageList(TCustomImageList* v);
    TImeMode ImeMode() const;
    virtual void SetImeMode(TImeMode v);
    std::string ImeName() const;
    virtual void SetImeName(const std::string& v);
    double Increment() const { return increment_; }
    void SetIncrement(double v) { increment_ = v; }
    TStrings* KeyList() const;
    void SetKeyList(TStrings* v);
    bool KeyListEmpty() const { return !keyList_ || keyList_->Count() == 0; }
    TTextLayout Layout() const;
    void SetLayout(TTextLayout v);
    std::string LookupDisplayFields() const;
    virtual void SetLookupDisplayFields(const std::string& v);
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int v);
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int v);
    int NotInKeyListIndex() const { return notInKeyListIndex_; }
    void SetNotInKeyListIndex(int v);
    TStrings* PickList() const;
    void SetPickList(TStrings* v);
    bool PickListEmpty() const { return !pickList_ || pickList_->Count() == 0; }
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* v);
    bool ReadOnly() const;
    virtual void SetReadOnly(bool v);
    bool ShowImageAndText() const { return showImageAndText_; }
    void SetShowImageAndText(bool v);
    TSTColumnFilterEh* STFilter() const { return stFilter_.get(); }
    void SetSTFilter(TSTColumnFilterEh* v);
    int Tag() const { return tag_; }
    void SetTag(int v) { tag_ = v; }
    TColumnTitleEh* Title() const { return title_.get(); }
    void SetTitle(TColumnTitleEh* v) { title_->Assign(v); }
    bool ToolTips() const;
    void SetToolTips(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    int Width() const;
    virtual void SetWidth(int v);
    bool WordWrap() const;
    virtual void SetWordWrap(bool v);

    TColCellParamsEvent OnGetCellParams;
    TColumnNotInListEvent OnNotInList;
    TColumnUpdateDataEvent OnUpdateData;
    TButtonClickEventEh OnEditButtonClick;
    TButtonDownEventEh OnEditButtonDown;
    TCheckDrawRequiredStateEvent OnCheckDrawRequiredState;
    // The drop-down grid's own events, with that grid as the sender.
    TCheckTitleEhBtnEvent OnDropDownBoxCheckButton;
    TDrawColumnEhCellEvent OnDropDownBoxDrawColumnCell;
    TGetCellEhParamsEvent OnDropDownBoxGetCellParams;
    TNotifyEvent OnDropDownBoxSortMarkingChanged;
    TTitleEhClickEvent OnDropDownBoxTitleBtnClick;

    // --- the drop-down grid's host ---
    void RegisterFreeNotification(TComponent* component) override;
    TPopupDataGridEh* DropDownGrid() override { return DropDownDataList(); }
    bool DropDownGridCreated() override { return dataList_ != nullptr; }
    TDBLookupGridEhOptions GetGridOptions() override;
    void SetGridOptions(TDBLookupGridEhOptions options) override;
    // The special row or a setting of the drop-down changed.
    virtual void DropDownBoxChanged();

    // --- state ---
    TField* Field() const;
    virtual void SetField(TField* f);
    int InitWidth() const { return initWidth_; }
    void SetInitWidth(int v) { initWidth_ = v; }
    bool Stored() const { return stored_; }
    void SetStored(bool v) { stored_ = v; }
    virtual bool IsDefaultColumn() const { return !stored_; }
    TColumnEhValues AssignedValues() const { return assigned_; }
    bool IsAssigned(TColumnEhValue v) const { return assigned_.Contains(v); }
    void SetAssigned(TColumnEhValue v) { assigned_.Include(v); }
    void ClearAssigned(TColumnEhValue v) { assigned_.Exclude(v); }
    // Set by the auto-fit pass when the width limits changed a computed width.
    bool OutOfWidthRange = false;

    // --- operations ---
    int GetColumnType() const;
    std::string DisplayText() const;
    TCheckBoxState GetCheckboxState() const;
    void ApplyCheckboxState(TCheckBoxState s);
    int GetImageIndex() const;
    void FillColCellParams(TColCellParamsEh* params) const;
    virtual void GetColCellParams(bool editMode, TColCellParamsEh* params);
    bool CanModify(bool startEdit);
    void StepValue(double step);
    void WriteCellValue(const std::string& text, const Variant& value, bool useText);
    TColumnFooterEh* FooterForRow(int row) const;
    int ClampWidth(int w) const;
    int EditButtonsWidth() const;
    int DefaultWidth() const;
    virtual void OptimizeWidth();
    virtual void RestoreDefaults();
    virtual bool UseRightToLeftAlignment() const;
    bool UseRightToLeftReading() const;
    TDataSet* ListDataSet() const;
    TDataSet* FieldLookupDataSet() const;
    // Drops the cached values of the filter row's drop-down.
    void ReleaseFilterValueList();
    TFont* DefaultFont() const;
    TColumnDefValuesEh* DefValues() const;
    void ReportChanged(bool allItems) { Changed(allItems); }

protected:
    virtual TEditButtonsEh* CreateEditButtons();
    virtual TColumnTitleEh* CreateTitle();
    virtual TColumnFooterEh* CreateFooter();
    virtual TColumnFootersEh* CreateFooters();
    virtual TSTColumnFilterEh* CreateSTFilter();

private:
    void FontChanged(TObject*);
    void RefreshDefaultFont() const;
    bool FieldWritable() const;
    bool OperationsAllowEdit() const;
    void PrepareFieldLookup();
    void Repaint() const;
    bool GridLoading() const;

    std::string fieldName_;
    mutable TField* field_ = nullptr;
    TColumnEhValues assigned_;
    std::unique_ptr<TFont> font_;
    mutable bool fontCopying_ = false;
    TAlignment alignment_ = taLeftJustify;
    bool alwaysShowEditButton_ = false, autoDropDown_ = false, autoFitColWidth_ = true;
    TBiDiMode biDiMode_ = bdLeftToRight;
    TColumnButtonStyleEh buttonStyle_ = cbsAuto;
    bool checkboxes_ = false;
    TColor color_ = clWindow;
    bool dblClickNextVal_ = false;
    std::string displayFormat_, editMask_;
    std::unique_ptr<TEditButtonsEh> editButtons_;
    std::unique_ptr<TSpecRowEh> dropDownSpecRow_;
    std::unique_ptr<TColumnDropDownBoxEh> dropDownBox_;
    std::unique_ptr<TPopupDataGridEh> dataList_;
    std::unique_ptr<TMRUListEh> mruList_;
    int dropDownRows_ = 7, dropDownWidth_ = 0;
    bool dropDownShowTitles_ = false, dropDownSizing_ = false, endEllipsis_ = false;
    std::unique_ptr<TColumnFooterEh> footer_;
    std::unique_ptr<TColumnFootersEh> footers_;
    bool hideDuplicates_ = false, highlightRequired_ = false;
    TCustomImageList* imageList_ = nullptr;
    std::unique_ptr<TChangeLink> imageChangeLink_;
    TImeMode imeMode_ = imDontCare;
    std::string imeName_;
    double increment_ = 1.0;
    mutable std::unique_ptr<TStringList> keyList_, pickList_;
    TTextLayout layout_ = tlTop;
    std::string lookupDisplayFields_;
    int maxWidth_ = 0, minWidth_ = 0, notInKeyListIndex_ = -1;
    TPopupMenu* popupMenu_ = nullptr;
    bool readOnly_ = false, showImageAndText_ = false;
    std::unique_ptr<TSTColumnFilterEh> stFilter_;
    int tag_ = 0;
    std::unique_ptr<TColumnTitleEh> title_;
    bool toolTips_ = false, visible_ = true;
    int width_ = 0, initWidth_ = 0;
    bool wordWrap_ = false;
    bool stored_ = true;
};

class TDBGridColumnEh : public TColumnEh {
    TV_CLASS(TDBGridColumnEh, TColumnEh)
public:
    using TColumnEh::TColumnEh;
    static void Publish(TPublisher& p);
    // Only the named properties (all for none): a lookup grid's columns publish fewer.
    static void PublishSome(TPublisher& p, std::initializer_list<std::string_view> names);

private:
    bool IsAlignmentStored() const;
    bool IsColorStored() const;
    bool IsWidthStored() const;
    bool IsFontStored() const;
    bool IsReadOnlyStored() const;
    bool IsWordWrapStored() const;
    bool IsLookupDisplayFieldsStored() const;
    bool IsImeModeStored() const;
    bool IsImeNameStored() const;
    bool IsFlagStored(TColumnEhValue v, bool differs) const { return IsAssigned(v) && differs; }
    friend struct ColumnStoredRules;
};

class TDBGridColumnsEh : public TCollection {
    TV_CLASS(TDBGridColumnsEh, TCollection)
public:
    explicit TDBGridColumnsEh(TCustomDBGridEh* grid = nullptr, TClass itemClass = TDBGridColumnEh::StaticClass());
    static void Publish(TPublisher&) {}
    TPersistent* GetOwner() const override;
    TCustomDBGridEh* Grid() const { return grid_; }

    TColumnEh* Items(int i) const { return static_cast<TColumnEh*>(TCollection::Items(i)); }
    TColumnEh* GetColumn(int i) const { return Items(i); }
    TColumnEh* Add() { return static_cast<TColumnEh*>(TCollection::Add()); }
    TColumnEh* AddDefaultColumn();
    TColumnsStateEh GetState() const;
    void ReleaseFilterValueLists();

protected:
    void Update(TCollectionItem* item) override;

private:
    TCustomDBGridEh* grid_;
};

} // namespace tv
