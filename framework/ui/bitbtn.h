#pragma once
// TBitBtn: a push button with a picture beside its caption, and kinds that
// bring their caption and modal result.
#include <memory>

#include "framework/ui/basiccontrols.h"
#include "framework/ui/picture.h"

namespace tv {

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
extern const TEnumInfo TBitBtnKindInfo;
extern const TEnumInfo TButtonLayoutInfo;

class TBitBtn : public TButton {
    TV_CLASS(TBitBtn, TButton)
public:
    explicit TBitBtn(TComponent* owner = nullptr);
    ~TBitBtn() override;
    static void Publish(TPublisher& p);

    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* v) { glyph_->Assign(v); Invalidate(); }
    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind v);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v) { layout_ = v; Invalidate(); }
    // Pixels between picture and caption; -1 centres them.
    int Spacing() const { return spacing_; }
    void SetSpacing(int v) { spacing_ = v; Invalidate(); }
    // Pixels from the edge to the picture; -1 centres the whole.
    int Margin() const { return margin_; }
    void SetMargin(int v) { margin_ = v; Invalidate(); }
    void Click() override;

protected:
    void Paint() override;

private:
    std::unique_ptr<TBitmap> glyph_;
    TBitBtnKind kind_ = bkCustom;
    TButtonLayout layout_ = blGlyphLeft;
    int spacing_ = 4, margin_ = -1;
};

} // namespace tv
