#pragma once
// The page settings of grid printing: the margins (TPageParams) and a page
// header or footer (TPageColontitle) with its three texts, font and rule.
#include <memory>

#include "core/currency.h"
#include "core/persistent.h"
#include "core/stringlist.h"
#include "framework/ui/graphics.h"

namespace tv {

// Margins count in centimetres with MM and in inches with Inches, from the
// paper's edge.
class TPageParams : public TPersistent {
    TV_CLASS(TPageParams, TPersistent)
public:
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;

    Currency BottomMargin() const { return bottom_; }
    void SetBottomMargin(Currency v) { bottom_ = v; }
    Currency LeftMargin() const { return left_; }
    void SetLeftMargin(Currency v) { left_ = v; }
    Currency RightMargin() const { return right_; }
    void SetRightMargin(Currency v) { right_ = v; }
    Currency TopMargin() const { return top_; }
    void SetTopMargin(Currency v) { top_ = v; }

private:
    Currency bottom_ = 2, left_ = 2, right_ = 2, top_ = 2;
};

enum TPageColontitleLineType { pcltNon, pcltSingleLine, pcltDoubleLine };
extern const TEnumInfo TPageColontitleLineTypeInfo;

class TPageColontitle : public TPersistent {
    TV_CLASS(TPageColontitle, TPersistent)
public:
    TPageColontitle();
    ~TPageColontitle() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;

    TStrings* CenterText() const { return center_.get(); }
    void SetCenterText(TStrings* v) { center_->Assign(v); }
    TStrings* LeftText() const { return left_.get(); }
    void SetLeftText(TStrings* v) { left_->Assign(v); }
    TStrings* RightText() const { return right_.get(); }
    void SetRightText(TStrings* v) { right_->Assign(v); }
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* v) { font_->Assign(v); }
    TPageColontitleLineType LineType() const { return lineType_; }
    void SetLineType(TPageColontitleLineType v) { lineType_ = v; }

private:
    std::unique_ptr<TStringList> center_, left_, right_;
    std::unique_ptr<TFont> font_;
    TPageColontitleLineType lineType_ = pcltNon;
};

} // namespace tv
