#pragma once
// Image lists: equal-sized images kept with their transparency, drawn in the
// states the controls use (normal, transparent, mask, selected and focused
// blends, disabled).
#include "platform/wintypes.h"

namespace tv::win {

struct ImageList;
using HIMAGELIST = ImageList*;

constexpr UINT ILC_MASK = 0x1, ILC_COLOR24 = 0x18, ILC_COLOR32 = 0x20;
constexpr UINT ILD_NORMAL = 0x0, ILD_TRANSPARENT = 0x1, ILD_BLEND25 = 0x2, ILD_FOCUS = 0x2, ILD_BLEND50 = 0x4,
               ILD_SELECTED = 0x4, ILD_BLEND = 0x4, ILD_MASK = 0x10, ILD_IMAGE = 0x20;
constexpr COLORREF CLR_NONE = 0xFFFFFFFF, CLR_DEFAULT = 0xFF000000;

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
// Adds the images a bitmap holds side by side. `mask` (may be null): white
// pixels are transparent. A 32-bit image keeps its own alpha. Returns the
// index of the first image added, -1 on failure.
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
// Pixels of colour `maskColor` become transparent.
int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColor);
BOOL ImageList_Remove(HIMAGELIST list, int index); // -1 removes all
int ImageList_GetImageCount(HIMAGELIST list);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color);
COLORREF ImageList_GetBkColor(HIMAGELIST list);

// `bk`: CLR_NONE draws transparently, CLR_DEFAULT uses the list's background
// colour; `fg`: the blend colour of ILD_BLEND25/50 (CLR_DEFAULT: the
// highlight colour; CLR_NONE: the image half shows through).
BOOL ImageList_DrawEx(HIMAGELIST list, int index, HDC dc, int x, int y, int dx, int dy, COLORREF bk, COLORREF fg,
                      UINT style);
BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);
// The disabled look: the image in grey, lightened.
BOOL ImageList_DrawDisabled(HIMAGELIST list, int index, HDC dc, int x, int y);

} // namespace tv::win
