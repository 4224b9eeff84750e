#pragma once
// The pixel layer of skin painting: direct access to 24-bit bitmaps, the
// blends that make skin layers semi-transparent, copies that leave out the
// key colour, the disabled look and the colour operations of the skin
// tints. Every pixel loop of the skin painters lives behind this header.
//
// Rectangles marked "inclusive" below hold their right and bottom pixel;
// the others do not. Every operation clips itself against its bitmaps.
// None of them is re-entrant: they share accessors and the two fill colours.
#include <cstdint>
#include <utility>
#include <vector>

#include "framework/ui/graphics.h"
#include "platform/wintypes.h"
#include "skin/skindata.h"

namespace tv {

class TBitmap;
class TControl;

// The solid background of the parent while one control paints, and the
// colour put into transparent pixels of masked images without a cache;
// clSkinKey when unset.
extern TColor ParentBackColor;
extern TColor MaskFillColor;

// A 24-bit bitmap's rows, bound once and read or written by pixel.
class TacFast24 {
public:
    // False (and width 0) for a bitmap narrower or lower than 2 pixels, or
    // one that is not 24-bit.
    bool Attach(TBitmap* bmp);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // RGB, red in the low byte; no bounds check.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor c);
    win::BYTE* At(int x, int y) const { return row0_ + std::ptrdiff_t(y) * stride_ + x * 3; }

private:
    TBitmap* bmp_ = nullptr;
    int width_ = 0, height_ = 0;
    std::ptrdiff_t stride_ = 0;
    win::BYTE* row0_ = nullptr;
};

// A source and a destination bound for one blend of a rectangle.
class TacFastSum24 {
public:
    // False when either is narrower or lower than 2 pixels.
    bool Attach(TBitmap* src, TBitmap* dst);
    // dst = (dst * Alpha + src * (255 - Alpha) + 127) >> 8 over the rectangles.
    void BlendRows();

    int Width = 0, Height = 0; // the smaller of both
    win::BYTE Alpha = 0;
    win::RECT DstRect, SrcRect;

private:
    TacFast24 src_, dst_;
};

// New device-independent bitmaps; the caller owns them.
TBitmap* CreateBmp24(int width, int height);
TBitmap* CreateBmp32(int width, int height);

// Blends `srcRect` of the source onto the destination at `pt`; alpha is the
// weight of what is already there.
void BlendBitmapsAt(TBitmap* dst, TBitmap* src, win::BYTE alpha, win::POINT pt, const win::RECT& srcRect);
// Each channel becomes percent % of itself and the rest of the colour (inclusive).
void BlendColorRect(TBitmap* bmp, const win::RECT& r, int percent, TColor color);
// Mixes `srcRect` (inclusive) of the source onto the destination at x, y:
// (1 - factor) of the source, factor of the destination. Source pixels of
// the key colour are left out; a key that is no RGB value leaves none out.
void BlendBitmapRect(TBitmap* dst, int x, int y, TColor key, double factor, const win::RECT& srcRect, TBitmap* src);
// A white mask keeps the bitmap, a black one paints the colour; bitmaps of
// different sizes are left alone.
void BlendColorThroughMask(TBitmap* bmp, TBitmap* mask, TColor color);
// Blends the colour into the rectangle through a rounded mask with soft edges.
void BlendColorRoundRect(TBitmap* bmp, const win::RECT& r, int percent, int cornerSize, int blurWidth, TColor color);
// target (32-bit) = b + (a - b) * weight / 256, or weighted per channel by
// `weights` when given.
void CrossFadeBitmaps(TBitmap* target, TBitmap* a, TBitmap* b, int weight, TBitmap* weights = nullptr);
void GrayscaleBitmap(TBitmap* bmp);
// Flag 2 greys the bitmap; flag 1 lays 60 % of the parent's background over it.
constexpr int BE_FADE = 1, BE_GRAY = 2;
void ApplyBitmapEffects(TBitmap* bmp, int flags, TControl* parent, win::POINT offset, const TCacheInfo& ci);
void CopyBitmapKeyed(TBitmap* dst, TBitmap* src, int x, TColor key, int y);
// `srcRect` is inclusive.
void CopyRectKeyed(TBitmap* dst, TBitmap* src, int x, TColor key, const win::RECT& srcRect, int y);
// Key pixels take the parent's pixel from the cache when `useCache` and the
// cache is ready; otherwise as CopyRectKeyed.
void CopyRectKeyedFromCache(TBitmap* dst, TBitmap* src, int x, bool useCache, const TCacheInfo& ci, TColor key,
                            const win::RECT& srcRect, int y);

// Each channel moved `percent` % toward the grey average (negative: away).
TColor ChannelAverageLimited(TColor color, int percent);
// The colour with its hue turned by `degrees`; greys come back unchanged.
TColor ShiftHue(int degrees, TColor color);

// --- loops of the skin image and gradient painters --------------------------

// Plain copy of `srcRect` (exclusive) to x, y.
void CopyRectPixels(TBitmap* dst, int x, int y, TBitmap* src, const win::RECT& srcRect);
// `srcRect` (exclusive) stretched over `dstRect`, nearest pixel.
void StretchRectPixels(TBitmap* dst, const win::RECT& dstRect, TBitmap* src, const win::RECT& srcRect);
// Fills a rectangle (exclusive) with one colour.
void FillRectPixels(TBitmap* dst, const win::RECT& r, TColor color);
// Copies a rectangle of the cache bitmap, from (cx, cy), into the destination.
void CopyFromCache(TBitmap* dst, const win::RECT& r, const TCacheInfo& ci, int cx, int cy);

// What a masked copy does with a source pixel of the key colour.
enum class TKeyRule {
    Mix,          // mixed with its mask like any other
    Skip,         // left out
    Corner,       // the parent's cache pixel, else MaskFillColor, else copied as it is
    Texture       // the cache pixel (or MaskFillColor when set), else MaskFillColor, else left out
};
// Copies `srcRect` (exclusive) to x, y, mixing each pixel with the mask
// pixel `maskDy` rows below it: result = ((beneath - image) * m + image * 256) >> 8.
// `fade` is added to the mask value (faded glyphs).
void MixThroughMask(TBitmap* dst, int x, int y, TBitmap* src, const win::RECT& srcRect, int maskDy, TKeyRule rule,
                    const TCacheInfo& ci, int fade = 0);
// Passes every pixel that is neither the key colour nor a grey through `fn`.
void RecolorBitmap(TBitmap* bmp, TColor (*fn)(TColor, int), int arg);
// Runs of key-colour pixels in `count` pixels of row `y` from column `x`:
// pairs of (first offset, offset after the run).
void KeyRuns(TBitmap* src, int x, int y, int count, std::vector<std::pair<int, int>>& runs);

} // namespace tv
