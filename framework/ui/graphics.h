#pragma once
// Colours and the drawing objects of the framework: TFont, TPen and TBrush
// (each tells its OnChange when it changes and creates its platform object
// on demand), and TCanvas, which draws with them on a device context.
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "core/persistent.h"
#include "core/properties.h"
#include "core/sets.h"
#include "platform/wintypes.h"

namespace tv {

// 0x00BBGGRR, or a system colour: 0x80000000 plus the colour index.
using TColor = std::int32_t;
constexpr TColor clSystemColor = TColor(0x80000000);
constexpr TColor clScrollBar = clSystemColor | 0, clBackground = clSystemColor | 1,
                 clActiveCaption = clSystemColor | 2, clInactiveCaption = clSystemColor | 3,
                 clMenu = clSystemColor | 4, clWindow = clSystemColor | 5, clWindowFrame = clSystemColor | 6,
                 clMenuText = clSystemColor | 7, clWindowText = clSystemColor | 8,
                 clCaptionText = clSystemColor | 9, clActiveBorder = clSystemColor | 10,
                 clInactiveBorder = clSystemColor | 11, clAppWorkSpace = clSystemColor | 12,
                 clHighlight = clSystemColor | 13, clHighlightText = clSystemColor | 14,
                 clBtnFace = clSystemColor | 15, clBtnShadow = clSystemColor | 16, clGrayText = clSystemColor | 17,
                 clBtnText = clSystemColor | 18, clInactiveCaptionText = clSystemColor | 19,
                 clBtnHighlight = clSystemColor | 20, cl3DDkShadow = clSystemColor | 21,
                 cl3DLight = clSystemColor | 22, clInfoText = clSystemColor | 23, clInfoBk = clSystemColor | 24,
                 clHotLight = clSystemColor | 26, clMenuHighlight = clSystemColor | 29, clMenuBar = clSystemColor | 30;
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF, clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;

// The RGB value of a colour, system colours resolved through the platform.
win::COLORREF ColorToRGB(TColor color);
// Names of the colours for stored definitions ("clBtnFace").
const TIdentMap& ColorIdents();
std::string ColorToString(TColor color);

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot, pmMergeNotPen,
                pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor };
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

extern const TEnumInfo TFontStyleInfo;
extern const TEnumInfo TFontPitchInfo;
extern const TEnumInfo TPenStyleInfo;
extern const TEnumInfo TPenModeInfo;
extern const TEnumInfo TBrushStyleInfo;

// What the three drawing objects share: a change notice and a platform handle
// made again after each change.
class TGraphicsObject : public TPersistent {
    TV_CLASS(TGraphicsObject, TPersistent)
public:
    ~TGraphicsObject() override;
    std::function<void(TObject* sender)> OnChange;

protected:
    void Changed();
    void FreeHandle();
    win::HGDIOBJ handle_ = nullptr;
};

class TFont : public TGraphicsObject {
    TV_CLASS(TFont, TGraphicsObject)
public:
    TFont();
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& v);
    // Points at the font's pixels per inch; Height is pixels (negative: of the character).
    int Size() const;
    void SetSize(int v);
    int Height() const { return height_; }
    void SetHeight(int v);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles v);
    int Charset() const { return charset_; }
    void SetCharset(int v);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch v);
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int v) { pixelsPerInch_ = v; }
    win::HFONT Handle();
    bool Equals(const TFont* other) const;

private:
    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_;
    int charset_ = 1;
    TFontPitch pitch_ = fpDefault;
    int pixelsPerInch_ = 96;
};

class TPen : public TGraphicsObject {
    TV_CLASS(TPen, TGraphicsObject)
public:
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    int Width() const { return width_; }
    void SetWidth(int v);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle v);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode v);
    win::HPEN Handle();

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
};

class TBrush : public TGraphicsObject {
    TV_CLASS(TBrush, TGraphicsObject)
public:
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle v);
    win::HBRUSH Handle();

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

class TGraphic;

enum TCanvasStates { csHandleValid, csFontValid, csPenValid, csBrushValid };

// Draws on a device context with its font, pen and brush. A canvas that
// has no device context asks CreateHandle for one when it first draws.
class TCanvas : public TPersistent {
    TV_CLASS(TCanvas, TPersistent)
public:
    TCanvas();
    ~TCanvas() override;

    win::HDC Handle();
    void SetHandle(win::HDC dc);
    bool HandleAllocated() const { return dc_ != nullptr; }

    TFont* Font() const { return font_; }
    void SetFont(TFont* v) { font_->Assign(v); }
    TPen* Pen() const { return pen_; }
    void SetPen(TPen* v) { pen_->Assign(v); }
    TBrush* Brush() const { return brush_; }
    void SetBrush(TBrush* v) { brush_->Assign(v); }

    // Drawing threads take the lock; the main thread's drawing is unaffected.
    void Lock();
    void Unlock();
    int LockCount() const { return lockCount_; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    win::POINT PenPos();
    void SetPenPos(win::POINT p) { MoveTo(p.x, p.y); }
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const win::RECT& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Polygon(const std::vector<win::POINT>& pts);
    void Polyline(const std::vector<win::POINT>& pts);
    void FillRect(const win::RECT& r);
    void FrameRect(const win::RECT& r);
    void DrawFocusRect(const win::RECT& r);
    void TextOut(int x, int y, const std::string& text);
    void TextRect(const win::RECT& r, int x, int y, const std::string& text);
    // DrawText with the canvas's font and colours; returns the height drawn.
    int DrawText(const std::string& text, win::RECT& r, win::UINT format);
    win::SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const win::RECT& r, TGraphic* graphic);
    void CopyRect(const win::RECT& dest, TCanvas* source, const win::RECT& src);
    win::COLORREF Pixels(int x, int y);
    void SetPixels(int x, int y, TColor c);
    win::RECT ClipRect();

    std::function<void(TObject*)> OnChange;
    std::function<void(TObject*)> OnChanging;

protected:
    virtual void CreateHandle() {}
    // Puts the canvas's objects into the device context before drawing.
    void RequiredState(bool font, bool pen, bool brush);
    void Changing();
    void Changed();
    void DeselectHandles();
    win::HDC dc_ = nullptr;

private:
    TFont* font_;
    TPen* pen_;
    TBrush* brush_;
    bool fontValid_ = false, penValid_ = false, brushValid_ = false;
    win::HGDIOBJ oldFont_ = nullptr, oldPen_ = nullptr, oldBrush_ = nullptr;
    int lockCount_ = 0;
    std::recursive_mutex lock_;
};

} // namespace tv
