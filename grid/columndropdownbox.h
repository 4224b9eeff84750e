#pragma once
// TColumnDropDownBoxEh: the settings of the drop-down grid of a lookup column
// (and, through its descendant, of a lookup combo box): list source, fitted
// column widths, titles, special row, and, through the owner, the live grid's
// columns, default column values and options.
#include <memory>

#include "editors/dropdownbox.h"
#include "editors/lookupgridoptions.h"
#include "editors/specrow.h"

namespace tv {

class IDropDownGridHostEh;
class TColumnDefValuesEh;
class TDataSource;
class TDBGridColumnsEh;

class TColumnDropDownBoxEh : public TPersistent {
    TV_CLASS(TColumnDropDownBoxEh, TPersistent)
public:
    explicit TColumnDropDownBoxEh(TPersistent* owner = nullptr);
    ~TColumnDropDownBoxEh() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override { return owner_; }

    TDropDownAlign Align() const { return align_; }
    void SetAlign(TDropDownAlign v) { align_ = v; }
    bool AutoDrop() const { return autoDrop_; }
    void SetAutoDrop(bool v) { autoDrop_ = v; }
    bool AutoFitColWidths() const { return autoFitColWidths_; }
    void SetAutoFitColWidths(bool v) { autoFitColWidths_ = v; }
    int Rows() const { return rows_; }
    void SetRows(int v) { rows_ = v; }
    bool ShowTitles() const { return showTitles_; }
    void SetShowTitles(bool v) { showTitles_ = v; }
    bool Sizable() const { return sizable_; }
    void SetSizable(bool v) { sizable_ = v; }
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }
    bool UseMultiTitle() const { return useMultiTitle_; }
    void SetUseMultiTitle(bool v) { useMultiTitle_ = v; }
    TSpecRowEh* SpecRow() const { return specRow_.get(); }
    void SetSpecRow(TSpecRowEh* v) { specRow_->Assign(v); }
    TDataSource* ListSource() const { return listSource_; }
    void SetListSource(TDataSource* v);
    // Through the owner's drop-down grid: none without one.
    TDBGridColumnsEh* Columns() const;
    void SetColumns(TDBGridColumnsEh* v);
    TColumnDefValuesEh* ColumnDefValues() const;
    void SetColumnDefValues(TColumnDefValuesEh* v);
    TDBLookupGridEhOptions Options() const;
    void SetOptions(TDBLookupGridEhOptions v);
    bool ColumnsCustomized() const;

protected:
    IDropDownGridHostEh* Host() const;
    bool GridCreated() const;

private:
    TPersistent* owner_;
    TDropDownAlign align_ = daLeft;
    bool autoDrop_ = false, autoFitColWidths_ = true, showTitles_ = false, sizable_ = false;
    bool useMultiTitle_ = false;
    int rows_ = 7, width_ = 0;
    std::unique_ptr<TSpecRowEh> specRow_;
    TDataSource* listSource_ = nullptr;
};

} // namespace tv
