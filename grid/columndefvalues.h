#pragma once
// The grid's default column values: what a column, its title and its footer
// show until they assign their own.
#include <memory>

#include "core/persistent.h"
#include "grid/gridtypes.h"

namespace tv {

class TColumnDefValuesEh;

class TColumnTitleDefValuesEh : public TPersistent {
    TV_CLASS(TColumnTitleDefValuesEh, TPersistent)
public:
    explicit TColumnTitleDefValuesEh(TColumnDefValuesEh* owner = nullptr) : owner_(owner) {}
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override;

    TAlignment Alignment() const;
    void SetAlignment(TAlignment v);
    TColor Color() const;
    void SetColor(TColor v);
    bool EndEllipsis() const { return endEllipsis_; }
    void SetEndEllipsis(bool v);
    TTextOrientationEh Orientation() const { return orientation_; }
    void SetOrientation(TTextOrientationEh v);
    bool TitleButton() const { return titleButton_; }
    void SetTitleButton(bool v) { titleButton_ = v; }
    bool ToolTips() const { return toolTips_; }
    void SetToolTips(bool v) { toolTips_ = v; }
    bool AlignmentAssigned() const { return alignmentAssigned_; }
    bool ColorAssigned() const { return colorAssigned_; }

private:
    bool IsAlignmentStored() const;
    bool IsColorStored() const;
    TCustomDBGridEh* Grid() const;
    TColumnDefValuesEh* owner_;
    TAlignment alignment_ = taLeftJustify;
    TColor color_ = clBtnFace;
    bool alignmentAssigned_ = false, colorAssigned_ = false;
    bool endEllipsis_ = false, titleButton_ = false, toolTips_ = false;
    TTextOrientationEh orientation_ = tohHorizontal;
};

class TColumnFooterDefValuesEh : public TPersistent {
    TV_CLASS(TColumnFooterDefValuesEh, TPersistent)
public:
    explicit TColumnFooterDefValuesEh(TColumnDefValuesEh* owner = nullptr) : owner_(owner) {}
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override;
    bool ToolTips() const { return toolTips_; }
    void SetToolTips(bool v) { toolTips_ = v; }

private:
    TColumnDefValuesEh* owner_;
    bool toolTips_ = false;
};

class TColumnDefValuesEh : public TPersistent {
    TV_CLASS(TColumnDefValuesEh, TPersistent)
public:
    explicit TColumnDefValuesEh(TCustomDBGridEh* grid = nullptr);
    ~TColumnDefValuesEh() override;
    static void Publish(TPublisher&) {}
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override;
    TCustomDBGridEh* Grid() const { return grid_; }

    bool AlwaysShowEditButton() const { return alwaysShowEditButton_; }
    void SetAlwaysShowEditButton(bool v);
    bool AutoDropDown() const { return autoDropDown_; }
    void SetAutoDropDown(bool v) { autoDropDown_ = v; }
    bool DblClickNextVal() const { return dblClickNextVal_; }
    void SetDblClickNextVal(bool v) { dblClickNextVal_ = v; }
    bool DropDownShowTitles() const { return dropDownShowTitles_; }
    void SetDropDownShowTitles(bool v) { dropDownShowTitles_ = v; }
    bool DropDownSizing() const { return dropDownSizing_; }
    void SetDropDownSizing(bool v) { dropDownSizing_ = v; }
    bool EndEllipsis() const { return endEllipsis_; }
    void SetEndEllipsis(bool v);
    TColumnFooterDefValuesEh* Footer() const { return footer_.get(); }
    void SetFooter(TColumnFooterDefValuesEh* v) { footer_->Assign(v); }
    bool HighlightRequired() const { return highlightRequired_; }
    void SetHighlightRequired(bool v);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout v);
    TColumnTitleDefValuesEh* Title() const { return title_.get(); }
    void SetTitle(TColumnTitleDefValuesEh* v) { title_->Assign(v); }
    bool ToolTips() const { return toolTips_; }
    void SetToolTips(bool v) { toolTips_ = v; }

private:
    void Repaint();
    TCustomDBGridEh* grid_;
    std::unique_ptr<TColumnTitleDefValuesEh> title_;
    std::unique_ptr<TColumnFooterDefValuesEh> footer_;
    bool alwaysShowEditButton_ = false, autoDropDown_ = false, dblClickNextVal_ = false;
    bool dropDownShowTitles_ = false, dropDownSizing_ = false, endEllipsis_ = false;
    bool highlightRequired_ = false, toolTips_ = false;
    TTextLayout layout_ = tlTop;
};

// The published form of the default values, as TDBGridEh.ColumnDefValues.
class TDBGridEhColumnDefValuesEh : public TColumnDefValuesEh {
    TV_CLASS(TDBGridEhColumnDefValuesEh, TColumnDefValuesEh)
public:
    using TColumnDefValuesEh::TColumnDefValuesEh;
    static void Publish(TPublisher& p);
};

} // namespace tv
