#include "framework/ui/graphics.h"

#include <cmath>

#include "framework/ui/picture.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/raster.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"
#include "platform/gdi/clipping.h"
#include "platform/window/sysmetrics.h"

namespace tv {

using namespace tv::win;

COLORREF ColorToRGB(TColor color) {
    if (color & clSystemColor) return GetSysColor(int(color & 0xFF));
    return COLORREF(color) & 0xFFFFFF;
}

const TIdentMap& ColorIdents() {
    static const TIdentMap map{
        {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
        {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
        {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
        {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
        {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"}, {clCream, "clCream"}, {clMedGray, "clMedGray"},
        {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"}, {clActiveCaption, "clActiveCaption"},
        {clInactiveCaption, "clInactiveCaption"}, {clMenu, "clMenu"}, {clWindow, "clWindow"},
        {clWindowFrame, "clWindowFrame"}, {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"},
        {clCaptionText, "clCaptionText"}, {clActiveBorder, "clActiveBorder"},
        {clInactiveBorder, "clInactiveBorder"}, {clAppWorkSpace, "clAppWorkSpace"},
        {clHighlight, "clHighlight"}, {clHighlightText, "clHighlightText"}, {clBtnFace, "clBtnFace"},
        {clBtnShadow, "clBtnShadow"}, {clGrayText, "clGrayText"}, {clBtnText, "clBtnText"},
        {clInactiveCaptionText, "clInactiveCaptionText"}, {clBtnHighlight, "clBtnHighlight"},
        {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"}, {clInfoText, "clInfoText"},
        {clInfoBk, "clInfoBk"}, {clHotLight, "clHotLight"}, {clMenuHighlight, "clMenuHighlight"},
        {clMenuBar, "clMenuBar"}, {clNone, "clNone"}, {clDefault, "clDefault"}};
    return map;
}

std::string ColorToString(TColor color) {
    std::string s;
    if (IntToIdent(ColorIdents(), color, s)) return s;
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%.8X", unsigned(color));
    return buf;
}

const TEnumInfo TFontStyleInfo{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
const TEnumInfo TFontPitchInfo{"TFontPitch", {"fpDefault", "fpVariable", "fpFixed"}};
const TEnumInfo TPenStyleInfo{"TPenStyle",
                              {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"}};
const TEnumInfo TPenModeInfo{"TPenMode",
                             {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot",
                              "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask",
                              "pmNotMask", "pmXor", "pmNotXor"}};
const TEnumInfo TBrushStyleInfo{"TBrushStyle", {"bsSolid", "bsClear", "bsHorizontal", "bsVertical",
                                                "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"}};

// --- TGraphicsObject ---------------------------------------------------------

TGraphicsObject::~TGraphicsObject() { FreeHandle(); }

void TGraphicsObject::Changed() {
    FreeHandle();
    if (OnChange) OnChange(this);
}

void TGraphicsObject::FreeHandle() {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
}

// --- TFont -------------------------------------------------------------------

TFont::TFont() : pixelsPerInch_(ScreenPixelsPerInch()) {}

void TFont::Publish(TPublisher& p) {
    p.Integer("Charset", &TFont::Charset, &TFont::SetCharset).Default(1);
    p.Integer("Color", &TFont::Color, &TFont::SetColor).Idents(ColorIdents()).NoDefault();
    p.Integer("Height", &TFont::Height, &TFont::SetHeight).NoDefault();
    p.String("Name", &TFont::Name, &TFont::SetName);
    p.Enum("Pitch", &TFont::Pitch, &TFont::SetPitch, TFontPitchInfo).Default(fpDefault);
    p.Integer("Size", &TFont::Size, &TFont::SetSize).Stored(false);
    p.Set("Style", &TFont::Style, &TFont::SetStyle, TFontStyleInfo).Default(TFontStyles{});
}

void TFont::Assign(TPersistent* source) {
    if (auto* f = dynamic_cast<TFont*>(source)) {
        name_ = f->name_;
        height_ = f->height_;
        color_ = f->color_;
        style_ = f->style_;
        charset_ = f->charset_;
        pitch_ = f->pitch_;
        if (pixelsPerInch_ != f->pixelsPerInch_ && height_ < 0)
            height_ = -int(std::lround(double(-height_) * pixelsPerInch_ / f->pixelsPerInch_));
        Changed();
        return;
    }
    TGraphicsObject::Assign(source);
}

bool TFont::Equals(const TFont* o) const {
    return o && name_ == o->name_ && height_ == o->height_ && color_ == o->color_ && style_ == o->style_ &&
           charset_ == o->charset_ && pitch_ == o->pitch_;
}

void TFont::SetName(const std::string& v) {
    if (v.empty() || v == name_) return;
    name_ = v;
    Changed();
}

int TFont::Size() const { return -int(std::lround(double(height_) * 72 / pixelsPerInch_)); }

void TFont::SetSize(int v) { SetHeight(-int(std::lround(double(v) * pixelsPerInch_ / 72))); }

void TFont::SetHeight(int v) {
    if (v == height_) return;
    height_ = v;
    Changed();
}

void TFont::SetColor(TColor v) {
    if (v == color_) return;
    color_ = v;
    if (OnChange) OnChange(this);
}

void TFont::SetStyle(TFontStyles v) {
    if (v == style_) return;
    style_ = v;
    Changed();
}

void TFont::SetCharset(int v) {
    if (v == charset_) return;
    charset_ = v;
    Changed();
}

void TFont::SetPitch(TFontPitch v) {
    if (v == pitch_) return;
    pitch_ = v;
    Changed();
}

HFONT TFont::Handle() {
    if (!handle_) {
        LOGFONT lf;
        lf.lfHeight = height_;
        lf.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = style_.Contains(fsItalic);
        lf.lfUnderline = style_.Contains(fsUnderline);
        lf.lfStrikeOut = style_.Contains(fsStrikeOut);
        lf.lfCharSet = BYTE(charset_);
        lf.lfPitchAndFamily = pitch_ == fpFixed ? FIXED_PITCH : pitch_ == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
        lf.lfFaceName = name_;
        handle_ = CreateFontIndirect(lf);
    }
    return static_cast<HFONT>(handle_);
}

// --- TPen ----------------------------------------------------------------------

void TPen::Publish(TPublisher& p) {
    p.Integer("Color", &TPen::Color, &TPen::SetColor).Idents(ColorIdents()).Default(clBlack);
    p.Enum("Mode", &TPen::Mode, &TPen::SetMode, TPenModeInfo).Default(pmCopy);
    p.Enum("Style", &TPen::Style, &TPen::SetStyle, TPenStyleInfo).Default(psSolid);
    p.Integer("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

void TPen::Assign(TPersistent* source) {
    if (auto* o = dynamic_cast<TPen*>(source)) {
        color_ = o->color_;
        width_ = o->width_;
        style_ = o->style_;
        mode_ = o->mode_;
        Changed();
        return;
    }
    TGraphicsObject::Assign(source);
}

void TPen::SetColor(TColor v) { if (v != color_) { color_ = v; Changed(); } }
void TPen::SetWidth(int v) { if (v >= 0 && v != width_) { width_ = v; Changed(); } }
void TPen::SetStyle(TPenStyle v) { if (v != style_) { style_ = v; Changed(); } }
void TPen::SetMode(TPenMode v) { if (v != mode_) { mode_ = v; Changed(); } }

HPEN TPen::Handle() {
    if (!handle_) handle_ = CreatePen(int(style_), width_, ColorToRGB(color_));
    return static_cast<HPEN>(handle_);
}

// --- TBrush --------------------------------------------------------------------

void TBrush::Publish(TPublisher& p) {
    p.Integer("Color", &TBrush::Color, &TBrush::SetColor).Idents(ColorIdents()).Default(clWhite);
    p.Enum("Style", &TBrush::Style, &TBrush::SetStyle, TBrushStyleInfo).Default(bsSolid);
}

void TBrush::Assign(TPersistent* source) {
    if (auto* o = dynamic_cast<TBrush*>(source)) {
        color_ = o->color_;
        style_ = o->style_;
        Changed();
        return;
    }
    TGraphicsObject::Assign(source);
}

void TBrush::SetColor(TColor v) {
    if (v == color_ && style_ != bsClear) return;
    color_ = v;
    if (style_ == bsClear) style_ = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle v) { if (v != style_) { style_ = v; Changed(); } }

HBRUSH TBrush::Handle() {
    if (!handle_) {
        LOGBRUSH lb;
        lb.lbColor = ColorToRGB(color_);
        if (style_ == bsSolid) lb.lbStyle = BS_SOLID;
        else if (style_ == bsClear) lb.lbStyle = BS_NULL;
        else {
            lb.lbStyle = BS_HATCHED;
            lb.lbHatch = std::uintptr_t(int(style_) - int(bsHorizontal));
        }
        handle_ = CreateBrushIndirect(lb);
    }
    return static_cast<HBRUSH>(handle_);
}

// --- TCanvas -------------------------------------------------------------------

TCanvas::TCanvas() : font_(new TFont), pen_(new TPen), brush_(new TBrush) {
    font_->OnChange = [this](TObject*) { fontValid_ = false; };
    pen_->OnChange = [this](TObject*) { penValid_ = false; };
    brush_->OnChange = [this](TObject*) { brushValid_ = false; };
}

TCanvas::~TCanvas() {
    DeselectHandles();
    delete font_;
    delete pen_;
    delete brush_;
}

HDC TCanvas::Handle() {
    if (!dc_) CreateHandle();
    if (!dc_) throw EInvalidOperation("Canvas does not allow drawing");
    return dc_;
}

void TCanvas::SetHandle(HDC dc) {
    if (dc == dc_) return;
    DeselectHandles();
    dc_ = dc;
}

void TCanvas::DeselectHandles() {
    if (dc_) {
        if (oldFont_) SelectObject(dc_, oldFont_);
        if (oldPen_) SelectObject(dc_, oldPen_);
        if (oldBrush_) SelectObject(dc_, oldBrush_);
    }
    oldFont_ = oldPen_ = oldBrush_ = nullptr;
    fontValid_ = penValid_ = brushValid_ = false;
}

void TCanvas::Lock() {
    lock_.lock();
    ++lockCount_;
}

void TCanvas::Unlock() {
    --lockCount_;
    lock_.unlock();
}

void TCanvas::RequiredState(bool font, bool pen, bool brush) {
    HDC dc = Handle();
    if (font && !fontValid_) {
        HGDIOBJ old = SelectObject(dc, font_->Handle());
        if (!oldFont_) oldFont_ = old;
        SetTextColor(dc, ColorToRGB(font_->Color()));
        fontValid_ = true;
    }
    if (pen && !penValid_) {
        HGDIOBJ old = SelectObject(dc, pen_->Handle());
        if (!oldPen_) oldPen_ = old;
        static const int rop[] = {R2_BLACK, R2_WHITE, R2_NOP, R2_NOT, R2_COPYPEN, R2_NOTCOPYPEN, R2_MERGEPENNOT,
                                  R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN, R2_NOTMERGEPEN,
                                  R2_MASKPEN, R2_NOTMASKPEN, R2_XORPEN, R2_NOTXORPEN};
        SetROP2(dc, rop[pen_->Mode()]);
        penValid_ = true;
    }
    if (brush && !brushValid_) {
        HGDIOBJ old = SelectObject(dc, brush_->Handle());
        if (!oldBrush_) oldBrush_ = old;
        SetBkColor(dc, ColorToRGB(brush_->Color()));
        SetBkMode(dc, brush_->Style() == bsSolid ? OPAQUE : TRANSPARENT);
        brushValid_ = true;
    }
}

void TCanvas::Changing() { if (OnChanging) OnChanging(this); }
void TCanvas::Changed() { if (OnChange) OnChange(this); }

void TCanvas::MoveTo(int x, int y) {
    RequiredState(false, false, false);
    MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    Changing();
    RequiredState(false, true, true);
    win::LineTo(dc_, x, y);
    Changed();
}

POINT TCanvas::PenPos() {
    POINT p;
    GetCurrentPositionEx(Handle(), &p);
    return p;
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    Changing();
    RequiredState(false, true, true);
    win::Rectangle(dc_, x1, y1, x2, y2);
    Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
    Changing();
    RequiredState(false, true, true);
    win::RoundRect(dc_, x1, y1, x2, y2, x3, y3);
    Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Changing();
    RequiredState(false, true, true);
    win::Ellipse(dc_, x1, y1, x2, y2);
    Changed();
}

void TCanvas::Polygon(const std::vector<POINT>& pts) {
    Changing();
    RequiredState(false, true, true);
    win::Polygon(dc_, pts.data(), int(pts.size()));
    Changed();
}

void TCanvas::Polyline(const std::vector<POINT>& pts) {
    Changing();
    RequiredState(false, true, true);
    win::Polyline(dc_, pts.data(), int(pts.size()));
    Changed();
}

void TCanvas::FillRect(const RECT& r) {
    Changing();
    RequiredState(false, false, true);
    win::FillRect(dc_, &r, brush_->Handle());
    Changed();
}

void TCanvas::FrameRect(const RECT& r) {
    Changing();
    RequiredState(false, false, true);
    win::FrameRect(dc_, &r, brush_->Handle());
    Changed();
}

void TCanvas::DrawFocusRect(const RECT& r) {
    Changing();
    RequiredState(false, false, true);
    win::DrawFocusRect(dc_, &r);
    Changed();
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    Changing();
    RequiredState(true, false, true);
    win::ExtTextOut(dc_, x, y, brush_->Style() == bsSolid ? ETO_OPAQUE : 0, nullptr, text);
    MoveToEx(dc_, x + TextWidth(text), y, nullptr);
    Changed();
}

void TCanvas::TextRect(const RECT& r, int x, int y, const std::string& text) {
    Changing();
    RequiredState(true, false, true);
    UINT opts = ETO_CLIPPED | (brush_->Style() == bsSolid ? ETO_OPAQUE : 0);
    win::ExtTextOut(dc_, x, y, opts, &r, text);
    Changed();
}

int TCanvas::DrawText(const std::string& text, RECT& r, UINT format) {
    Changing();
    RequiredState(true, false, true);
    int h = win::DrawText(dc_, text, &r, format);
    Changed();
    return h;
}

SIZE TCanvas::TextExtent(const std::string& text) {
    RequiredState(true, false, false);
    SIZE s;
    GetTextExtentPoint32(dc_, text, &s);
    return s;
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    Changing();
    RequiredState(false, false, false);
    graphic->Draw(this, RECT{x, y, x + graphic->Width(), y + graphic->Height()});
    Changed();
}

void TCanvas::StretchDraw(const RECT& r, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    Changing();
    RequiredState(false, false, false);
    graphic->Draw(this, r);
    Changed();
}

void TCanvas::CopyRect(const RECT& dest, TCanvas* source, const RECT& src) {
    Changing();
    RequiredState(false, false, true);
    StretchBlt(dc_, dest.left, dest.top, dest.Width(), dest.Height(), source->Handle(), src.left, src.top,
               src.Width(), src.Height(), SRCCOPY);
    Changed();
}

COLORREF TCanvas::Pixels(int x, int y) { return GetPixel(Handle(), x, y); }

void TCanvas::SetPixels(int x, int y, TColor c) {
    Changing();
    SetPixel(Handle(), x, y, ColorToRGB(c));
    Changed();
}

RECT TCanvas::ClipRect() {
    RECT r;
    GetClipBox(Handle(), &r);
    return r;
}

} // namespace tv
