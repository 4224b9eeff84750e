#pragma once
// Basic types shared by the window system and the drawing layer. Handles are
// opaque pointers to objects that live inside the process's virtual desktop.
#include <cstdint>

namespace tv::win {

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = std::uint32_t; // 0x00BBGGRR
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using ATOM = WORD;

struct Window;        // platform/window
struct DeviceContext; // platform/gdi
struct GdiObject;     // base of pens, brushes, fonts, bitmaps, regions, palettes
struct Menu;          // platform/window
struct Cursor;        // platform/window
struct MetafileData;  // platform/gdi
struct WindowProcInstance; // platform/window: a window procedure that can be installed and called

using HWND = Window*;
using HDC = DeviceContext*;
using HGDIOBJ = GdiObject*;
using HMENU = Menu*;
using HCURSOR = Cursor*;
using HICON = Cursor*;
using HENHMETAFILE = MetafileData*;
using WNDPROC = WindowProcInstance*;

struct PenObject;
struct BrushObject;
struct FontObject;
struct BitmapObject;
struct RegionObject;
using HPEN = PenObject*;
using HBRUSH = BrushObject*;
using HFONT = FontObject*;
using HBITMAP = BitmapObject*;
using HRGN = RegionObject*;

struct POINT { LONG x = 0, y = 0; };
struct SIZE { LONG cx = 0, cy = 0; };
struct RECT {
    LONG left = 0, top = 0, right = 0, bottom = 0;
    LONG Width() const { return right - left; }
    LONG Height() const { return bottom - top; }
};

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return BYTE(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return BYTE((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return BYTE((c >> 16) & 0xFF); }

constexpr WORD LOWORD(std::uintptr_t v) { return WORD(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return WORD((v >> 16) & 0xFFFF); }
constexpr std::int16_t GET_X_LPARAM(LPARAM l) { return std::int16_t(l & 0xFFFF); }
constexpr std::int16_t GET_Y_LPARAM(LPARAM l) { return std::int16_t((l >> 16) & 0xFFFF); }
constexpr LPARAM MAKELPARAM(int lo, int hi) {
    return LPARAM(std::uint32_t((std::uint32_t(lo) & 0xFFFF) | ((std::uint32_t(hi) & 0xFFFF) << 16)));
}
constexpr WPARAM MAKEWPARAM(int lo, int hi) { return WPARAM(std::uint32_t(MAKELPARAM(lo, hi))); }

// glib defines TRUE and FALSE as macros; either definition serves.
#ifndef TRUE
constexpr BOOL TRUE = 1;
#endif
#ifndef FALSE
constexpr BOOL FALSE = 0;
#endif

// Every drawing object (pen, brush, font, bitmap, region, palette) derives from
// this, so DeleteObject and GetObjectType work on any of them.
enum class GdiKind { Pen, Brush, Font, Bitmap, Region, Palette, ExtPen };
// Each one is known to the drawing layer from construction to destruction, so a
// handle to a deleted object is refused instead of read.
struct GdiObject {
    explicit GdiObject(GdiKind k);
    GdiObject(const GdiObject& other);
    GdiObject& operator=(const GdiObject&) = default;
    virtual ~GdiObject();
    GdiKind kind;
    bool stock = false; // stock objects are never freed
};

} // namespace tv::win
