#pragma once
// Graphic controls that only paint: TImage (a picture, stretched, centred or
// proportional), TBevel (a sunken or raised line or box) and TShape.
#include <memory>

#include "framework/ui/controls.h"
#include "framework/ui/picture.h"

namespace tv {

class TImage : public TGraphicControl {
    TV_CLASS(TImage, TGraphicControl)
public:
    explicit TImage(TComponent* owner = nullptr);
    ~TImage() override;
    static void Publish(TPublisher& p);
    TPicture* Picture() const { return picture_.get(); }
    void SetPicture(TPicture* v) { picture_->Assign(v); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v) { stretch_ = v; Invalidate(); }
    bool Center() const { return center_; }
    void SetCenter(bool v) { center_ = v; Invalidate(); }
    bool Proportional() const { return proportional_; }
    void SetProportional(bool v) { proportional_ = v; Invalidate(); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    // Where the picture is drawn in the client area.
    win::RECT DestRect();

protected:
    void Paint() override;

private:
    std::unique_ptr<TPicture> picture_;
    bool stretch_ = false, center_ = false, proportional_ = false, transparent_ = false;
};

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };
extern const TEnumInfo TBevelShapeInfo;
extern const TEnumInfo TBevelStyleInfo;

class TBevel : public TGraphicControl {
    TV_CLASS(TBevel, TGraphicControl)
public:
    explicit TBevel(TComponent* owner = nullptr);
    static void Publish(TPublisher& p);
    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape v) { shape_ = v; Invalidate(); }
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle v) { style_ = v; Invalidate(); }

protected:
    void Paint() override;

private:
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
extern const TEnumInfo TShapeTypeInfo;

class TShape : public TGraphicControl {
    TV_CLASS(TShape, TGraphicControl)
public:
    explicit TShape(TComponent* owner = nullptr);
    ~TShape() override;
    static void Publish(TPublisher& p);
    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType v) { shape_ = v; Invalidate(); }
    TPen* Pen() const { return pen_.get(); }
    void SetPen(TPen* v) { pen_->Assign(v); }
    TBrush* Brush() const { return brush_.get(); }
    void SetBrush(TBrush* v) { brush_->Assign(v); }

protected:
    void Paint() override;

private:
    TShapeType shape_ = stRectangle;
    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TBrush> brush_;
};

} // namespace tv
