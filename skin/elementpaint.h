#pragma once
// Painting a skinned element by its section: the background (colour,
// gradient, texture, by state) laid over the parent's background by the
// section's transparency, then the border image; and the text writers in
// the section's colours with their contours.
#include <string>

#include "platform/wintypes.h"
#include "skin/skindata.h"

namespace tv {

class TBitmap;
class TCanvas;
class TsSkinManager;

// States: 0 normal, 1 hot, 2 pressed; every state but 0 takes the hot values.
// `pt` is the element's offset added to the cache position; a manager of
// null is the default manager; a texture index of -1 is looked up.
void PaintItemBackground(int sectionIndex, const std::string& sectionName, const TCacheInfo& ci, TColor color,
                         int hotTexture, int texture, TsSkinManager* sm, TBitmap* bmp, win::POINT pt,
                         const win::RECT& r, int state);
// Textures used as given, colours always the section's.
void PaintItemBackgroundFast(int sectionIndex, int texture, int hotTexture, TsSkinManager* sm, TBitmap* bmp,
                             win::POINT pt, const win::RECT& r, int state, const TCacheInfo& ci,
                             const std::string& sectionName);
// The background, then the section's "BORDERSMASK".
void PaintSkinItem(int sectionIndex, const std::string& sectionName, const TCacheInfo& ci, int hotTexture,
                   int texture, TsSkinManager* sm, TBitmap* bmp, win::POINT pt, const win::RECT& r, int state,
                   bool fillCentre);
void PaintSkinItemFast(int sectionIndex, int border, int texture, TsSkinManager* sm, TBitmap* bmp, win::POINT pt,
                       const win::RECT& r, int state, bool fillCentre, TCacheInfo ci, const std::string& sectionName,
                       int hotTexture);
// PaintSkinItem composed off-screen and copied to the device context.
void PaintSkinItemToDC(int sectionIndex, const std::string& sectionName, const TCacheInfo& ci, TsSkinManager* sm,
                       win::HDC dc, const win::RECT& offset, const win::RECT& target, int state, bool fillCentre);

void FillDCRect(win::HDC dc, const win::RECT& r, TColor color);
// Copies only the four sides of a frame `frame` pixels wide.
void CopyFrame(win::HDC target, int x, int y, int frame, int srcY, int srcX, win::HDC source, int height, int width);
// `count` nested one-pixel frames; the rectangle ends deflated by count and count at 0.
void DrawBevelRect(win::HDC dc, win::RECT& r, TColor light, int& count, TColor dark);
// The text cut to the width with "..." (empty when nothing fits).
std::string CutTextToWidth(TCanvas* canvas, const std::string& text, int width);
// Text in the section's colours with its contours; without DT_WORDBREAK the
// rectangle becomes the text's box grown by 1.
void WriteSkinnedText(TCanvas* canvas, const std::string& text, bool enabled, TsSkinManager* sm, bool hot,
                      int sectionIndex, win::UINT flags, win::RECT& r);

} // namespace tv
