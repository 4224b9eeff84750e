#pragma once
// Device contexts: creation, the saved-state stack, colours and modes, and
// what a device can do.
#include "platform/region.h" // ALTERNATE, WINDING
#include "platform/wintypes.h"

namespace tv::win {

constexpr int TRANSPARENT = 1, OPAQUE = 2;

// Pen raster modes (SetROP2).
constexpr int R2_BLACK = 1, R2_NOTMERGEPEN = 2, R2_MASKNOTPEN = 3, R2_NOTCOPYPEN = 4, R2_MASKPENNOT = 5,
              R2_NOT = 6, R2_XORPEN = 7, R2_NOTMASKPEN = 8, R2_MASKPEN = 9, R2_NOTXORPEN = 10, R2_NOP = 11,
              R2_MERGENOTPEN = 12, R2_COPYPEN = 13, R2_MERGEPENNOT = 14, R2_MERGEPEN = 15, R2_WHITE = 16;

constexpr int BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4; // stretch modes

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// GetDeviceCaps indexes.
constexpr int DRIVERVERSION = 0, TECHNOLOGY = 2, HORZSIZE = 4, VERTSIZE = 6, HORZRES = 8, VERTRES = 10,
              BITSPIXEL = 12, PLANES = 14, NUMBRUSHES = 16, NUMPENS = 18, NUMFONTS = 22, NUMCOLORS = 24,
              RASTERCAPS = 38, ASPECTX = 40, ASPECTY = 42, ASPECTXY = 44, LOGPIXELSX = 88, LOGPIXELSY = 90,
              SIZEPALETTE = 104, NUMRESERVED = 106, COLORRES = 108, PHYSICALWIDTH = 110, PHYSICALHEIGHT = 111,
              PHYSICALOFFSETX = 112, PHYSICALOFFSETY = 113, SCALINGFACTORX = 114, SCALINGFACTORY = 115;
constexpr int DT_PLOTTER = 0, DT_RASDISPLAY = 1, DT_RASPRINTER = 2, DT_METAFILE = 5;

// A memory device context (on a 1x1 default bitmap until one is selected).
// `reference` may be null (the screen); its resolution is taken over.
HDC CreateCompatibleDC(HDC reference);
// Frees memory, printer and recording device contexts (a printer's open
// document is dropped). Surface contexts go through DeleteSurfaceDC, metafile
// contexts through CloseEnhMetaFile.
BOOL DeleteDC(HDC dc);
// The window a device context draws for (nullptr for memory, printer and
// metafile device contexts).
HWND WindowFromDC(HDC dc);

int SaveDC(HDC dc);
// `level` > 0 restores that saved state; < 0 counts back from the latest.
BOOL RestoreDC(HDC dc, int level);

COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetROP2(HDC dc, int mode);
int GetROP2(HDC dc);
int SetPolyFillMode(HDC dc, int mode);
int GetPolyFillMode(HDC dc);
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);
BOOL SetBrushOrgEx(HDC dc, int x, int y, POINT* old);
BOOL GetCurrentPositionEx(HDC dc, POINT* pt);
COLORREF GetNearestColor(HDC dc, COLORREF color);

int GetDeviceCaps(HDC dc, int index);

// The resolution of the screen (pixels per inch), used by new device contexts.
int ScreenPixelsPerInch();
void SetScreenPixelsPerInch(int dpi);

} // namespace tv::win
