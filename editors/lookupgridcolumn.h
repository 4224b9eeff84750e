#pragma once
// The columns of a lookup grid: each carries its cell of the special row,
// and a default column keeps its width and place to itself (moving it
// reorders the grid's list fields, never the dataset's fields).
#include <memory>
#include <string>

#include "core/persistent.h"
#include "grid/column.h"
#include "grid/columndefvalues.h"

namespace tv {

class TDBLookupGridColumnEh;

// The cell of one column in the special row: the row's own text, colour and
// font until the cell is given its own.
class TGridColumnSpecCellEh : public TPersistent {
    TV_CLASS(TGridColumnSpecCellEh, TPersistent)
public:
    explicit TGridColumnSpecCellEh(TDBLookupGridColumnEh* column = nullptr);
    ~TGridColumnSpecCellEh() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override;

    std::string Text() const;
    void SetText(const std::string& v);
    TColor Color() const;
    void SetColor(TColor v);
    TFont* Font() const;
    void SetFont(TFont* v) { font_->Assign(v); }
    bool IsTextStored() const { return textAssigned_; }
    bool IsColorStored() const { return colorAssigned_; }
    bool IsFontStored() const { return fontAssigned_; }

private:
    TDBLookupGridColumnEh* column_;
    std::string text_;
    TColor color_ = clWindow;
    std::unique_ptr<TFont> font_;
    bool textAssigned_ = false, colorAssigned_ = false, fontAssigned_ = false;
    mutable bool copyingFont_ = false;
};

class TDBLookupGridColumnEh : public TColumnEh {
    TV_CLASS(TDBLookupGridColumnEh, TColumnEh)
public:
    explicit TDBLookupGridColumnEh(TCollection* collection = nullptr);
    ~TDBLookupGridColumnEh() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;

    TGridColumnSpecCellEh* SpecCell() const { return specCell_.get(); }
    void SetSpecCell(TGridColumnSpecCellEh* v) { specCell_->Assign(v); }
    void SetIndex(int index) override;
    void SetWidth(int v) override;

private:
    std::unique_ptr<TGridColumnSpecCellEh> specCell_;
};

class TDBLookupGridColumnDefValuesEh : public TColumnDefValuesEh {
    TV_CLASS(TDBLookupGridColumnDefValuesEh, TColumnDefValuesEh)
public:
    using TColumnDefValuesEh::TColumnDefValuesEh;
};

} // namespace tv
