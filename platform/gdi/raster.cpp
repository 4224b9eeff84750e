#include "platform/gdi/raster.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "core/exceptions.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objectimpl.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/recorder.h"
#include "platform/picture/bitmap.h"
#include "platform/picture/bitmapobject.h"

namespace tv::win {

namespace {

using SurfacePtr = std::shared_ptr<cairo_surface_t>;
SurfacePtr Own(cairo_surface_t* s) { return SurfacePtr(s, cairo_surface_destroy); }

// Where a device context's pixels are read from: its surface and the
// surface position of its device origin.
struct Source {
    cairo_surface_t* surface = nullptr;
    int originX = 0, originY = 0;
};

Source SourceOf(DeviceContext* dc) {
    Source s;
    if (!dc) return s;
    if (dc->kind == DCKind::Memory) {
        auto* bmp = static_cast<BitmapObject*>(dc->bitmap);
        if (!bmp || bmp->Empty()) return s;
        s.surface = bmp->SurfaceForReading();
    } else if (dc->kind != DCKind::Metafile && dc->kind != DCKind::Printer) {
        s.surface = dc->surface;
    }
    s.originX = dc->originX;
    s.originY = dc->originY;
    return s;
}

// The source rectangle, scaled into a tile of the destination's size.
SurfacePtr MakeTile(cairo_surface_t* src, double sx, double sy, double sw, double sh, int w, int h, bool flipX,
                    bool flipY, bool smooth) {
    auto tile = Own(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
    cairo_t* t = cairo_create(tile.get());
    cairo_pattern_t* p = cairo_pattern_create_for_surface(src);
    cairo_pattern_set_filter(p, smooth ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    cairo_pattern_set_extend(p, CAIRO_EXTEND_NONE);
    cairo_matrix_t m;
    cairo_matrix_init(&m, (flipX ? -sw : sw) / w, 0, 0, (flipY ? -sh : sh) / h, flipX ? sx + sw : sx,
                      flipY ? sy + sh : sy);
    cairo_pattern_set_matrix(p, &m);
    cairo_set_operator(t, CAIRO_OPERATOR_SOURCE);
    cairo_set_source(t, p);
    cairo_paint(t);
    cairo_pattern_destroy(p);
    cairo_destroy(t);
    cairo_surface_flush(tile.get());
    return tile;
}

std::uint32_t Ternary(DWORD rop, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    unsigned table = (rop >> 16) & 0xFF;
    std::uint32_t r = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!(table & (1u << i))) continue;
        r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    }
    return r & 0xFFFFFF;
}

bool UsesSource(DWORD rop) {
    unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 2) & 0x33) != (t & 0x33);
}

std::uint32_t ToPixel(COLORREF c) {
    return (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

// The copy itself: the source tile (or none) onto the device rectangle.
void Blit(DeviceContext* dc, RECT d, bool flipX, bool flipY, cairo_surface_t* src, double sx, double sy, double sw,
          double sh, DWORD rop, const COLORREF* key, int constAlpha = -1, bool srcAlpha = false) {
    cairo_t* cr = BeginDraw(dc);
    int w = d.right - d.left, h = d.bottom - d.top;
    if (!cr || w <= 0 || h <= 0) return;
    SurfacePtr tile;
    if (src && src != cairo_get_target(cr) && rop == SRCCOPY && !key && constAlpha < 0 && dc->deviceScale == 1) {
        // A plain copy from another surface samples the source straight onto
        // the destination, as painting a tile of the scaled source would,
        // without making the tile. Within one surface the tile is the snapshot
        // that lets the two rectangles overlap.
        if (sw <= 0 || sh <= 0) return;
        cairo_pattern_t* p = cairo_pattern_create_for_surface(src);
        cairo_pattern_set_filter(p, dc->st.stretchMode == HALFTONE ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
        cairo_pattern_set_extend(p, CAIRO_EXTEND_NONE);
        cairo_matrix_t m;
        cairo_matrix_init(&m, (flipX ? -sw : sw) / w, 0, 0, (flipY ? -sh : sh) / h, flipX ? sx + sw : sx,
                          flipY ? sy + sh : sy);
        cairo_matrix_translate(&m, -d.left, -d.top);
        cairo_pattern_set_matrix(p, &m);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source(cr, p);
        cairo_rectangle(cr, d.left, d.top, w, h);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        return;
    }
    if (src) {
        if (sw <= 0 || sh <= 0) return;
        tile = MakeTile(src, sx, sy, sw, sh, w, h, flipX, flipY, dc->st.stretchMode == HALFTONE);
        BYTE* data = cairo_image_surface_get_data(tile.get());
        int stride = cairo_image_surface_get_stride(tile.get());
        bool opaque = constAlpha >= 0 && !srcAlpha;
        if (key || opaque || rop != SRCCOPY) {
            std::uint32_t k = key ? ToPixel(*key) : 0;
            for (int y = 0; y < h; ++y) {
                auto* row = reinterpret_cast<std::uint32_t*>(data + std::size_t(y) * stride);
                for (int x = 0; x < w; ++x) {
                    if (opaque) row[x] |= 0xFF000000u;
                    if (key && (row[x] & 0xFFFFFF) == k) row[x] = 0;
                }
            }
            cairo_surface_mark_dirty(tile.get());
        }
    }
    if (tile && (rop == SRCCOPY || key || constAlpha >= 0)) {
        cairo_set_operator(cr, key || constAlpha >= 0 ? CAIRO_OPERATOR_OVER : CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr, tile.get(), d.left, d.top);
        cairo_rectangle(cr, d.left, d.top, w, h);
        if (constAlpha >= 0) {
            cairo_clip(cr);
            cairo_paint_with_alpha(cr, constAlpha / 255.0);
            cairo_reset_clip(cr);
            dc->clipDirty = true;
        } else {
            cairo_fill(cr);
        }
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        return;
    }
    cairo_surface_t* target = cairo_get_target(cr);
    if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) {
        // Vector targets take the copy as it is.
        if (tile) {
            cairo_set_source_surface(cr, tile.get(), d.left, d.top);
            cairo_rectangle(cr, d.left, d.top, w, h);
            cairo_fill(cr);
        }
        return;
    }
    std::uint32_t pat = ToPixel(BrushColor(dc->st.brush));
    cairo_surface_flush(target);
    BYTE* data = cairo_image_surface_get_data(target);
    int stride = cairo_image_surface_get_stride(target);
    int tw = cairo_image_surface_get_width(target), th = cairo_image_surface_get_height(target);
    RECT area{d.left + dc->originX, d.top + dc->originY, d.right + dc->originX, d.bottom + dc->originY};
    std::vector<RECT> clips;
    if (auto clip = EffectiveClip(dc)) clips = *clip;
    else clips.push_back(RECT{0, 0, tw, th});
    const BYTE* tdata = tile ? cairo_image_surface_get_data(tile.get()) : nullptr;
    int tstride = tile ? cairo_image_surface_get_stride(tile.get()) : 0;
    for (const RECT& c : clips) {
        RECT r{std::max({area.left, c.left, LONG(0)}), std::max({area.top, c.top, LONG(0)}),
               std::min({area.right, c.right, LONG(tw)}), std::min({area.bottom, c.bottom, LONG(th)})};
        for (LONG y = r.top; y < r.bottom; ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(data + std::size_t(y) * stride);
            const auto* trow =
                tdata ? reinterpret_cast<const std::uint32_t*>(tdata + std::size_t(y - area.top) * tstride) : nullptr;
            for (LONG x = r.left; x < r.right; ++x) {
                std::uint32_t s = trow ? trow[x - area.left] : 0;
                row[x] = (row[x] & 0xFF000000u) | Ternary(rop, pat, s, row[x]);
            }
        }
    }
    cairo_surface_mark_dirty(target);
}

// Device rectangle of a logical one, remembering mirroring.
RECT DeviceBox(DeviceContext* dc, int x, int y, int cx, int cy, bool& flipX, bool& flipY) {
    double x1 = x, y1 = y, x2 = double(x) + cx, y2 = double(y) + cy;
    LogicalToDevice(dc, x1, y1);
    LogicalToDevice(dc, x2, y2);
    flipX = x2 < x1;
    flipY = y2 < y1;
    return RECT{LONG(std::lround(std::min(x1, x2))), LONG(std::lround(std::min(y1, y2))),
                LONG(std::lround(std::max(x1, x2))), LONG(std::lround(std::max(y1, y2)))};
}

// The source pixels as a top-down 32-bit DIB, for keeping in a metafile.
struct CapturedBits {
    std::vector<BYTE> bits;
    BITMAPINFO info;
};

std::shared_ptr<CapturedBits> Capture(cairo_surface_t* src, double sx, double sy, double sw, double sh) {
    int w = int(std::lround(std::abs(sw))), h = int(std::lround(std::abs(sh)));
    auto out = std::make_shared<CapturedBits>();
    out->info.bmiHeader.biWidth = w;
    out->info.bmiHeader.biHeight = -h;
    out->info.bmiHeader.biBitCount = 32;
    if (w <= 0 || h <= 0 || !src) return out;
    auto tile = MakeTile(src, std::min(sx, sx + sw), std::min(sy, sy + sh), std::abs(sw), std::abs(sh), w, h, false,
                         false, false);
    out->bits.resize(std::size_t(w) * h * 4);
    const BYTE* data = cairo_image_surface_get_data(tile.get());
    int stride = cairo_image_surface_get_stride(tile.get());
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + std::size_t(y) * stride);
        BYTE* dst = out->bits.data() + std::size_t(y) * w * 4;
        for (int x = 0; x < w; ++x) {
            std::uint32_t p = row[x], a = p >> 24;
            auto um = [a](std::uint32_t c) { return a == 0 ? 0u : std::min(255u, (c * 255 + a / 2) / a); };
            dst[x * 4 + 0] = BYTE(um(p & 0xFF));
            dst[x * 4 + 1] = BYTE(um((p >> 8) & 0xFF));
            dst[x * 4 + 2] = BYTE(um((p >> 16) & 0xFF));
            dst[x * 4 + 3] = BYTE(a);
        }
    }
    return out;
}

struct SourceRect {
    double x, y, w, h;
    bool flipX, flipY;
};

SourceRect SourceBox(DeviceContext* src, const Source& s, int sx, int sy, int scx, int scy) {
    double x1 = sx, y1 = sy, x2 = double(sx) + scx, y2 = double(sy) + scy;
    LogicalToDevice(src, x1, y1);
    LogicalToDevice(src, x2, y2);
    SourceRect r{std::min(x1, x2) + s.originX, std::min(y1, y2) + s.originY, std::abs(x2 - x1), std::abs(y2 - y1),
                 x2 < x1, y2 < y1};
    return r;
}

BOOL StretchImpl(const char* name, HDC hdest, int x, int y, int cx, int cy, HDC hsrc, int sx, int sy, int scx,
                 int scy, DWORD rop, const COLORREF* key, int constAlpha = -1, bool srcAlpha = false) {
    DeviceContext* dc = Dc(hdest);
    DeviceContext* src = Dc(hsrc);
    if (!dc) return FALSE;
    bool needSource = key || constAlpha >= 0 || UsesSource(rop);
    if (needSource && !src) return FALSE;
    Source s = needSource ? SourceOf(src) : Source{};
    SourceRect sr = needSource ? SourceBox(src, s, sx, sy, scx, scy) : SourceRect{0, 0, 0, 0, false, false};
    if (dc->recorder) {
        std::shared_ptr<CapturedBits> bits;
        if (needSource) bits = Capture(s.surface, sr.x, sr.y, sr.w, sr.h);
        COLORREF k = key ? *key : 0;
        bool hasKey = key != nullptr;
        CallScope scope(dc, name, Args(x, y, cx, cy) + ", " + Args(sx, sy, scx, scy) + ", " + Args(unsigned(rop)),
                        [=](HDC t) {
                            if (!bits) {
                                PatBlt(t, x, y, cx, cy, rop);
                                return;
                            }
                            int w = bits->info.bmiHeader.biWidth, h = -bits->info.bmiHeader.biHeight;
                            HDC mem = CreateCompatibleDC(t);
                            HBITMAP bmp = CreateDIBitmap(w, h, 32);
                            for (int row = 0; row < h; ++row)
                                std::memcpy(static_cast<BitmapObject*>(bmp)->Row(row, true),
                                            bits->bits.data() + std::size_t(row) * w * 4, std::size_t(w) * 4);
                            HGDIOBJ old = SelectObject(mem, bmp);
                            int fx = sr.flipX ? -1 : 1, fy = sr.flipY ? -1 : 1;
                            int ox = sr.flipX ? w : 0, oy = sr.flipY ? h : 0;
                            if (hasKey) {
                                TransparentBlt(t, x, y, cx, cy, mem, ox, oy, fx * w, fy * h, k);
                            } else if (constAlpha >= 0) {
                                BLENDFUNCTION bf;
                                bf.SourceConstantAlpha = BYTE(constAlpha);
                                bf.AlphaFormat = srcAlpha ? AC_SRC_ALPHA : 0;
                                AlphaBlend(t, x, y, cx, cy, mem, ox, oy, fx * w, fy * h, bf);
                            } else {
                                StretchBlt(t, x, y, cx, cy, mem, ox, oy, fx * w, fy * h, rop);
                            }
                            SelectObject(mem, old);
                            DeleteDC(mem);
                            DeleteObject(bmp);
                        });
        if (scope.Captured()) return TRUE;
    }
    bool flipX = false, flipY = false;
    RECT d = DeviceBox(dc, x, y, cx, cy, flipX, flipY);
    if (needSource && !s.surface) return FALSE;
    flipX ^= sr.flipX;
    flipY ^= sr.flipY;
    Blit(dc, d, flipX, flipY, needSource ? s.surface : nullptr, sr.x, sr.y, sr.w, sr.h, rop, key, constAlpha,
         srcAlpha);
    return TRUE;
}

} // namespace

BOOL BitBlt(HDC dest, int x, int y, int cx, int cy, HDC src, int sx, int sy, DWORD rop) {
    return StretchImpl("BitBlt", dest, x, y, cx, cy, src, sx, sy, cx, cy, rop, nullptr);
}

BOOL StretchBlt(HDC dest, int x, int y, int cx, int cy, HDC src, int sx, int sy, int scx, int scy, DWORD rop) {
    return StretchImpl("StretchBlt", dest, x, y, cx, cy, src, sx, sy, scx, scy, rop, nullptr);
}

BOOL TransparentBlt(HDC dest, int x, int y, int cx, int cy, HDC src, int sx, int sy, int scx, int scy,
                    COLORREF transparent) {
    COLORREF key = transparent & 0xFFFFFF;
    return StretchImpl("TransparentBlt", dest, x, y, cx, cy, src, sx, sy, scx, scy, SRCCOPY, &key);
}

BOOL AlphaBlend(HDC dest, int x, int y, int cx, int cy, HDC src, int sx, int sy, int scx, int scy,
                BLENDFUNCTION blend) {
    return StretchImpl("AlphaBlend", dest, x, y, cx, cy, src, sx, sy, scx, scy, SRCCOPY, nullptr,
                       blend.SourceConstantAlpha, (blend.AlphaFormat & AC_SRC_ALPHA) != 0);
}

BOOL PatBlt(HDC hdc, int x, int y, int cx, int cy, DWORD rop) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || UsesSource(rop)) return FALSE;
    CallScope scope(dc, "PatBlt", Args(x, y, cx, cy) + ", " + Args(unsigned(rop)),
                    [=](HDC t) { PatBlt(t, x, y, cx, cy, rop); });
    if (scope.Captured()) return TRUE;
    bool fx, fy;
    RECT d = DeviceBox(dc, x, y, cx, cy, fx, fy);
    if (rop == PATCOPY) {
        FillPath(dc, dc->st.brush,
                 [&](cairo_t* cr) { cairo_rectangle(cr, d.left, d.top, d.right - d.left, d.bottom - d.top); }, false);
        return TRUE;
    }
    if (rop == BLACKNESS || rop == WHITENESS) {
        FillDeviceRect(dc, d, rop == BLACKNESS ? 0 : 0xFFFFFF);
        return TRUE;
    }
    Blit(dc, d, false, false, nullptr, 0, 0, 0, 0, rop, nullptr);
    return TRUE;
}

int StretchDIBits(HDC hdc, int x, int y, int cx, int cy, int sx, int sy, int scx, int scy, const void* bits,
                  const BITMAPINFO* info, UINT, DWORD rop) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !bits || !info) return 0;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    int bpp = h.biBitCount;
    int w = h.biWidth, rows = std::abs(h.biHeight);
    if ((bpp != 24 && bpp != 32) || w <= 0 || rows <= 0 || h.biCompression != BI_RGB) return 0;
    if (std::size_t(w) * std::size_t(rows) > (std::size_t(1) << 28)) return 0;
    // A top-down image of the bits, then the common stretching path through a memory DC.
    HDC mem = CreateCompatibleDC(hdc);
    HBITMAP bmp = CreateDIBitmap(w, rows, bpp);
    int srcStride = ((w * bpp / 8) + 3) & ~3;
    auto* b = static_cast<BitmapObject*>(bmp);
    for (int row = 0; row < rows; ++row) {
        int srcRow = h.biHeight > 0 ? rows - 1 - row : row;
        std::memcpy(b->Row(row, true), static_cast<const BYTE*>(bits) + std::size_t(srcRow) * srcStride,
                    std::size_t(w) * (bpp / 8));
    }
    HGDIOBJ old = SelectObject(mem, bmp);
    // DIB source coordinates count from the bottom row.
    int top = h.biHeight > 0 ? rows - sy - scy : sy;
    BOOL ok = StretchImpl("StretchDIBits", hdc, x, y, cx, cy, mem, sx, top, scx, scy, rop, nullptr);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bmp);
    return ok ? rows : 0;
}

} // namespace tv::win
