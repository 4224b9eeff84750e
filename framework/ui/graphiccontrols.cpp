#include "framework/ui/graphiccontrols.h"

#include <algorithm>

#include "platform/gdi/edges.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TBevelShapeInfo{"TBevelShape",
                                {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"}};
const TEnumInfo TBevelStyleInfo{"TBevelStyle", {"bsLowered", "bsRaised"}};
const TEnumInfo TShapeTypeInfo{"TShapeType",
                               {"stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle"}};

// --- TImage ----------------------------------------------------------------------------

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
    controlStyle_.Include(csReplicatable);
    SetBounds(0, 0, 105, 105);
    picture_->OnChange = [this](TObject*) {
        if (TGraphic* g = picture_->Graphic()) g->SetTransparent(transparent_);
        Invalidate();
    };
}

TImage::~TImage() = default;

void TImage::Publish(TPublisher& p) {
    p.Boolean("Center", &TImage::Center, &TImage::SetCenter).Default(false);
    p.Object("Picture", &TImage::Picture, &TImage::SetPicture);
    p.Boolean("Proportional", &TImage::Proportional, &TImage::SetProportional).Default(false);
    p.Boolean("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false);
    p.Boolean("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(false);
}

void TImage::SetTransparent(bool v) {
    transparent_ = v;
    if (TGraphic* g = picture_->Graphic()) g->SetTransparent(v);
    Invalidate();
}

RECT TImage::DestRect() {
    int w = picture_->Width(), h = picture_->Height();
    int cw = ClientWidth(), ch = ClientHeight();
    if (stretch_ || (proportional_ && (w > cw || h > ch))) {
        if (proportional_ && w > 0 && h > 0) {
            // Keeps the picture's shape: the side that fits decides.
            if (double(cw) / w < double(ch) / h) {
                h = int(double(h) * cw / w);
                w = cw;
            } else {
                w = int(double(w) * ch / h);
                h = ch;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    RECT r{0, 0, w, h};
    if (center_) {
        r.left = (cw - w) / 2;
        r.top = (ch - h) / 2;
        r.right = r.left + w;
        r.bottom = r.top + h;
    }
    return r;
}

void TImage::Paint() {
    if (picture_->Graphic()) Canvas()->StretchDraw(DestRect(), picture_->Graphic());
}

// --- TBevel ----------------------------------------------------------------------------

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
    controlStyle_.Include(csReplicatable);
    SetBounds(0, 0, 50, 50);
}

void TBevel::Publish(TPublisher& p) {
    p.Enum("Shape", &TBevel::Shape, &TBevel::SetShape, TBevelShapeInfo).Default(bsBox);
    p.Enum("Style", &TBevel::Style, &TBevel::SetStyle, TBevelStyleInfo).Default(bsLowered);
}

void TBevel::Paint() {
    RECT r = ClientRect();
    UINT edge = style_ == bsLowered ? EDGE_ETCHED : EDGE_BUMP;
    UINT flags = 0;
    switch (shape_) {
    case bsBox: edge = style_ == bsLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER; flags = BF_RECT; break;
    case bsFrame: flags = BF_RECT; break;
    case bsTopLine: flags = BF_TOP; break;
    case bsBottomLine: flags = BF_BOTTOM; break;
    case bsLeftLine: flags = BF_LEFT; break;
    case bsRightLine: flags = BF_RIGHT; break;
    case bsSpacer: return;
    }
    DrawEdge(Canvas()->Handle(), &r, edge, flags);
}

// --- TShape ----------------------------------------------------------------------------

TShape::TShape(TComponent* owner)
    : TGraphicControl(owner), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()) {
    SetBounds(0, 0, 65, 65);
    pen_->OnChange = [this](TObject*) { Invalidate(); };
    brush_->OnChange = [this](TObject*) { Invalidate(); };
}

TShape::~TShape() = default;

void TShape::Publish(TPublisher& p) {
    p.Object("Brush", &TShape::Brush, &TShape::SetBrush);
    p.Object("Pen", &TShape::Pen, &TShape::SetPen);
    p.Enum("Shape", &TShape::Shape, &TShape::SetShape, TShapeTypeInfo).Default(stRectangle);
}

void TShape::Paint() {
    TCanvas* c = Canvas();
    c->Pen()->Assign(pen_.get());
    c->Brush()->Assign(brush_.get());
    int pw = pen_->Width();
    int x = pw / 2, y = pw / 2, w = Width() - pw + 1, h = Height() - pw + 1;
    if (pw == 0) {
        --w;
        --h;
    }
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        int s = std::min(w, h);
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    switch (shape_) {
    case stRectangle: case stSquare: c->Rectangle(x, y, x + w, y + h); break;
    case stRoundRect: case stRoundSquare: c->RoundRect(x, y, x + w, y + h, std::min(w, h) / 4, std::min(w, h) / 4); break;
    case stEllipse: case stCircle: c->Ellipse(x, y, x + w, y + h); break;
    }
}

} // namespace tv
