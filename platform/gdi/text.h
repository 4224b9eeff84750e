#pragma once
// Text output and measuring, laid out by Pango with fonts found by fontconfig.
#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace tv::win {

// DrawText formats.
constexpr UINT DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4,
               DT_BOTTOM = 0x8, DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40,
               DT_TABSTOP = 0x80, DT_NOCLIP = 0x100, DT_EXTERNALLEADING = 0x200, DT_CALCRECT = 0x400,
               DT_NOPREFIX = 0x800, DT_INTERNAL = 0x1000, DT_EDITCONTROL = 0x2000, DT_PATH_ELLIPSIS = 0x4000,
               DT_END_ELLIPSIS = 0x8000, DT_MODIFYSTRING = 0x10000, DT_RTLREADING = 0x20000,
               DT_WORD_ELLIPSIS = 0x40000, DT_NOFULLWIDTHCHARBREAK = 0x80000, DT_HIDEPREFIX = 0x100000,
               DT_PREFIXONLY = 0x200000;

struct DRAWTEXTPARAMS {
    UINT cbSize = sizeof(DRAWTEXTPARAMS);
    int iTabLength = 0; // in average character widths; 0 means 8
    int iLeftMargin = 0;
    int iRightMargin = 0;
    UINT uiLengthDrawn = 0; // out: characters drawn
};

// ExtTextOut options.
constexpr UINT ETO_OPAQUE = 0x2, ETO_CLIPPED = 0x4, ETO_RTLREADING = 0x80;

// SetTextAlign flags.
constexpr UINT TA_NOUPDATECP = 0, TA_UPDATECP = 1, TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6, TA_TOP = 0,
               TA_BOTTOM = 8, TA_BASELINE = 24, TA_RTLREADING = 256;

constexpr BYTE TMPF_FIXED_PITCH = 0x01, TMPF_VECTOR = 0x02, TMPF_TRUETYPE = 0x04;

struct TEXTMETRIC {
    LONG tmHeight = 0, tmAscent = 0, tmDescent = 0, tmInternalLeading = 0, tmExternalLeading = 0;
    LONG tmAveCharWidth = 0, tmMaxCharWidth = 0, tmWeight = 0, tmOverhang = 0;
    LONG tmDigitizedAspectX = 0, tmDigitizedAspectY = 0;
    char32_t tmFirstChar = 0x20, tmLastChar = 0xFFFD, tmDefaultChar = 0x20, tmBreakChar = 0x20;
    BYTE tmItalic = 0, tmUnderlined = 0, tmStruckOut = 0, tmPitchAndFamily = 0, tmCharSet = 0;
};

// The part of the outline metrics the controls read.
struct OUTLINETEXTMETRIC {
    UINT otmSize = sizeof(OUTLINETEXTMETRIC);
    TEXTMETRIC otmTextMetrics;
    UINT otmEMSquare = 0;
    int otmsCharSlopeRise = 1; // italic slope: rise over run, vertical is 1/0
    int otmsCharSlopeRun = 0;
    int otmItalicAngle = 0; // tenths of a degree, negative leans right
    int otmAscent = 0, otmDescent = 0;
    UINT otmLineGap = 0;
    RECT otmrcFontBox;
    int otmsUnderscoreSize = 0, otmsUnderscorePosition = 0;
    UINT otmsStrikeoutSize = 0;
    int otmsStrikeoutPosition = 0;
};

UINT SetTextAlign(HDC dc, UINT align);
UINT GetTextAlign(HDC dc);

BOOL TextOut(HDC dc, int x, int y, const std::string& text);
// `rect` may be null; `dx` (character advances) is not supported and must be null.
BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* rect, const std::string& text,
                const int* dx = nullptr);
// Returns the height of the text drawn (or measured with DT_CALCRECT), in
// logical units; with DT_VCENTER or DT_BOTTOM the offset from the top is added.
int DrawText(HDC dc, const std::string& text, RECT* rect, UINT format);
int DrawTextEx(HDC dc, const std::string& text, RECT* rect, UINT format, DRAWTEXTPARAMS* params);

BOOL GetTextExtentPoint32(HDC dc, const std::string& text, SIZE* size);
BOOL GetTextMetrics(HDC dc, TEXTMETRIC* tm);
UINT GetOutlineTextMetrics(HDC dc, UINT size, OUTLINETEXTMETRIC* otm);
// The family fontconfig chose for the selected font.
std::string GetTextFace(HDC dc);

// The installed family a face name resolves to ("Arial" gives a metric-
// compatible family; an unknown name gives the default sans-serif family).
std::string ResolveFontFamily(const std::string& face);
// The installed font families, sorted (the screen's and the printers' font lists).
std::vector<std::string> InstalledFontFamilies();

} // namespace tv::win
