#pragma once
// TColumnTitleEh: a column's title (caption with "|" between levels, font,
// colours, image, orientation, title button and sort marker).
#include <memory>
#include <string>

#include "core/persistent.h"
#include "framework/ui/graphics.h"
#include "grid/gridtypes.h"

namespace tv {

class TColumnTitleEh : public TPersistent {
    TV_CLASS(TColumnTitleEh, TPersistent)
public:
    explicit TColumnTitleEh(TColumnEh* column = nullptr);
    ~TColumnTitleEh() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override;
    TColumnEh* Column() const { return column_; }

    TAlignment Alignment() const;
    void SetAlignment(TAlignment v);
    std::string Caption() const;
    virtual void SetCaption(const std::string& v);
    TColor Color() const;
    void SetColor(TColor v);
    bool EndEllipsis() const;
    void SetEndEllipsis(bool v);
    TFont* Font() const;
    void SetFont(TFont* v);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v) { hint_ = v; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    TTextOrientationEh Orientation() const;
    void SetOrientation(TTextOrientationEh v);
    int SortIndex() const { return sortIndex_; }
    void SetSortIndex(int v);
    TSortMarkerEh SortMarker() const { return sortMarker_; }
    void SetSortMarker(TSortMarkerEh v);
    bool TitleButton() const;
    void SetTitleButton(bool v);
    bool ToolTips() const;
    void SetToolTips(bool v);

    virtual void RestoreDefaults();
    void ToggleSortMarker(bool keepOthers);
    int SortMarkerWidth() const;
    TFont* DefaultFont() const;
    // The sort index without the bookkeeping of the sort-marked list.
    void SetSortIndexDirect(int v) { sortIndex_ = v; }
    void SetSortMarkerDirect(TSortMarkerEh v) { sortMarker_ = v; }

private:
    friend class TColumnEh;
    bool Assigned(TColumnEhValue v) const;
    void Flag(TColumnEhValue v);
    void FontChanged(TObject*);
    void ColumnChanged(bool all);
    TColumnDefValuesEh* DefValues() const;

    TColumnEh* column_;
    std::unique_ptr<TFont> font_;
    bool fontCopying_ = false;
    TAlignment alignment_ = taLeftJustify;
    std::string caption_;
    TColor color_ = clBtnFace;
    bool endEllipsis_ = false, titleButton_ = false, toolTips_ = false;
    std::string hint_;
    int imageIndex_ = -1;
    TTextOrientationEh orientation_ = tohHorizontal;
    int sortIndex_ = 0;
    TSortMarkerEh sortMarker_ = smNoneEh;
};

} // namespace tv
