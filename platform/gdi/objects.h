#pragma once
// Drawing objects: pens, brushes, fonts and the stock objects, with the
// Windows names the controls use. Bitmaps are in platform/picture/bitmap.h,
// regions in platform/region.h.
#include <string>

#include "platform/window/sysmetrics.h"
#include "platform/wintypes.h"

namespace tv::win {

// Pen styles.
constexpr int PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5,
              PS_INSIDEFRAME = 6;
constexpr DWORD PS_STYLE_MASK = 0x0F;
constexpr DWORD PS_ENDCAP_ROUND = 0x000, PS_ENDCAP_SQUARE = 0x100, PS_ENDCAP_FLAT = 0x200, PS_ENDCAP_MASK = 0xF00;
constexpr DWORD PS_JOIN_ROUND = 0x0000, PS_JOIN_BEVEL = 0x1000, PS_JOIN_MITER = 0x2000, PS_JOIN_MASK = 0xF000;
constexpr DWORD PS_COSMETIC = 0x00000, PS_GEOMETRIC = 0x10000;

// Brush styles and hatches.
constexpr UINT BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = 1, BS_HATCHED = 2, BS_PATTERN = 3;
constexpr int HS_HORIZONTAL = 0, HS_VERTICAL = 1, HS_FDIAGONAL = 2, HS_BDIAGONAL = 3, HS_CROSS = 4, HS_DIAGCROSS = 5;

// Font weights, charsets, pitch and families, precisions.
constexpr int FW_DONTCARE = 0, FW_THIN = 100, FW_LIGHT = 300, FW_NORMAL = 400, FW_MEDIUM = 500,
              FW_SEMIBOLD = 600, FW_BOLD = 700, FW_HEAVY = 900;
constexpr BYTE ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2, OEM_CHARSET = 255;
constexpr BYTE DEFAULT_PITCH = 0, FIXED_PITCH = 1, VARIABLE_PITCH = 2;
constexpr BYTE FF_DONTCARE = 0x00, FF_ROMAN = 0x10, FF_SWISS = 0x20, FF_MODERN = 0x30, FF_SCRIPT = 0x40,
               FF_DECORATIVE = 0x50;
constexpr BYTE OUT_DEFAULT_PRECIS = 0, OUT_TT_PRECIS = 4, OUT_TT_ONLY_PRECIS = 7;
constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
constexpr BYTE DEFAULT_QUALITY = 0, NONANTIALIASED_QUALITY = 3, ANTIALIASED_QUALITY = 4;

struct LOGPEN {
    UINT lopnStyle = PS_SOLID;
    POINT lopnWidth{1, 0}; // only x counts
    COLORREF lopnColor = 0;
};

struct LOGBRUSH {
    UINT lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    std::uintptr_t lbHatch = 0; // hatch style, or the HBITMAP of a pattern brush
};

struct EXTLOGPEN {
    DWORD elpPenStyle = 0;
    DWORD elpWidth = 1;
    UINT elpBrushStyle = BS_SOLID;
    COLORREF elpColor = 0;
};

// LOGFONT (face name as UTF-8 std::string) comes with the system parameters.

// Stock objects.
constexpr int WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, DKGRAY_BRUSH = 3, BLACK_BRUSH = 4,
              NULL_BRUSH = 5, HOLLOW_BRUSH = 5, WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8,
              OEM_FIXED_FONT = 10, ANSI_FIXED_FONT = 11, ANSI_VAR_FONT = 12, SYSTEM_FONT = 13,
              DEVICE_DEFAULT_FONT = 14, DEFAULT_PALETTE = 15, SYSTEM_FIXED_FONT = 16, DEFAULT_GUI_FONT = 17,
              DC_BRUSH = 18, DC_PEN = 19;

// Object types (GetObjectType, GetCurrentObject).
constexpr UINT OBJ_PEN = 1, OBJ_BRUSH = 2, OBJ_DC = 3, OBJ_PAL = 5, OBJ_FONT = 6, OBJ_BITMAP = 7,
               OBJ_REGION = 8, OBJ_MEMDC = 10, OBJ_EXTPEN = 11, OBJ_ENHMETADC = 12, OBJ_ENHMETAFILE = 13;

// The objects behind the handles (complete, so handles convert to HGDIOBJ).
struct PenObject : GdiObject {
    PenObject() : GdiObject(GdiKind::Pen) {}
    int style = PS_SOLID; // PS_SOLID .. PS_INSIDEFRAME
    int width = 1;        // logical units; 0 and 1 are one device pixel
    COLORREF color = 0;
    bool geometric = false;
    DWORD endCap = PS_ENDCAP_ROUND;
    DWORD join = PS_JOIN_ROUND;
};

struct BrushObject : GdiObject {
    BrushObject() : GdiObject(GdiKind::Brush) {}
    UINT style = BS_SOLID;
    COLORREF color = 0;
    int hatch = 0;
    HBITMAP pattern = nullptr; // owned copy for BS_PATTERN
    ~BrushObject() override;
};

struct FontObject : GdiObject {
    FontObject() : GdiObject(GdiKind::Font) {}
    LOGFONT lf;
};

HPEN CreatePen(int style, int width, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN& lp);
// Geometric pens (flat ends, mitred joins); cosmetic ones act as CreatePen.
HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH& brush, DWORD styleCount = 0,
                  const DWORD* styles = nullptr);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int hatch, COLORREF color);
// The brush keeps its own copy of the bitmap's pixels.
HBRUSH CreatePatternBrush(HBITMAP bitmap);
HBRUSH CreateBrushIndirect(const LOGBRUSH& lb);
HFONT CreateFontIndirect(const LOGFONT& lf);
HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charset, DWORD outPrecision, DWORD clipPrecision,
                 DWORD quality, DWORD pitchAndFamily, const std::string& face);

HGDIOBJ GetStockObject(int index);
// Deletes any drawing object; stock objects and null are left alone. Returns
// FALSE for those.
BOOL DeleteObject(HGDIOBJ obj);
// Selects a pen, brush, font or bitmap (memory device contexts) and returns
// the previous one; a region is copied as the clip region and the region
// complexity is returned cast to a handle, as Windows does.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ obj);
HGDIOBJ GetCurrentObject(HDC dc, UINT type);
UINT GetObjectType(HGDIOBJ obj);
// Copies the object's description (LOGPEN, EXTLOGPEN, LOGBRUSH, LOGFONT,
// BITMAP) into `buffer`; returns the bytes written, or the size needed when
// `buffer` is null, 0 on failure.
int GetObject(HGDIOBJ obj, int size, void* buffer);

} // namespace tv::win
