#pragma once
// Mapping modes: logical coordinates to device pixels.
#include "platform/wintypes.h"

namespace tv::win {

constexpr int MM_TEXT = 1, MM_LOMETRIC = 2, MM_HIMETRIC = 3, MM_LOENGLISH = 4, MM_HIENGLISH = 5,
              MM_TWIPS = 6, MM_ISOTROPIC = 7, MM_ANISOTROPIC = 8;

// Returns the previous mode, 0 for an unknown mode.
int SetMapMode(HDC dc, int mode);
int GetMapMode(HDC dc);
BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* old);
BOOL GetWindowOrgEx(HDC dc, POINT* pt);
BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* old);
BOOL GetViewportOrgEx(HDC dc, POINT* pt);
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* old);
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, POINT* old);
// Extents count only in MM_ISOTROPIC and MM_ANISOTROPIC; a zero extent is refused.
BOOL SetWindowExtEx(HDC dc, int cx, int cy, SIZE* old);
BOOL GetWindowExtEx(HDC dc, SIZE* size);
BOOL SetViewportExtEx(HDC dc, int cx, int cy, SIZE* old);
BOOL GetViewportExtEx(HDC dc, SIZE* size);
BOOL LPtoDP(HDC dc, POINT* pts, int count);
BOOL DPtoLP(HDC dc, POINT* pts, int count);

} // namespace tv::win
