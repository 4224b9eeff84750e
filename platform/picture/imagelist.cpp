#include "platform/picture/imagelist.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/raster.h"
#include "platform/picture/bitmap.h"
#include "platform/picture/bitmapobject.h"
#include "platform/window/sysmetrics.h"

namespace tv::win {

struct ImageList {
    int cx = 16, cy = 16;
    COLORREF bk = CLR_NONE;
    // One 32-bit bitmap per image, alpha 0 where transparent.
    std::vector<std::unique_ptr<BitmapObject>> images;
};

HIMAGELIST ImageList_Create(int cx, int cy, UINT, int, int) {
    if (cx <= 0 || cy <= 0) return nullptr;
    auto* l = new ImageList;
    l->cx = cx;
    l->cy = cy;
    return l;
}

BOOL ImageList_Destroy(HIMAGELIST list) {
    if (!list) return FALSE;
    delete list;
    return TRUE;
}

// Cuts a strip into images; `transparent` tells which source pixels are not part of the image.
template <class Pred>
static int AddStrip(HIMAGELIST list, HBITMAP image, Pred transparent) {
    if (!list || !image) return -1;
    auto* src = static_cast<BitmapObject*>(image);
    if (src->Empty() || src->height < list->cy) return -1;
    int count = src->width / list->cx;
    if (count <= 0) return -1;
    int first = int(list->images.size());
    int bpp = src->bpp / 8;
    for (int i = 0; i < count; ++i) {
        auto img = std::make_unique<BitmapObject>(list->cx, list->cy, 32);
        for (int y = 0; y < list->cy; ++y) {
            const BYTE* s = src->Row(y, false) + std::size_t(i) * list->cx * bpp;
            BYTE* d = img->Row(y, true);
            for (int x = 0; x < list->cx; ++x) {
                const BYTE* p = s + x * bpp;
                d[x * 4 + 0] = p[0];
                d[x * 4 + 1] = p[1];
                d[x * 4 + 2] = p[2];
                d[x * 4 + 3] = bpp == 4 ? p[3] : 255;
                if (transparent(i * list->cx + x, y, p)) d[x * 4 + 3] = 0;
            }
        }
        list->images.push_back(std::move(img));
    }
    return first;
}

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask) {
    auto* m = static_cast<BitmapObject*>(mask);
    if (m && (m->width < BitmapWidth(image) || m->height < BitmapHeight(image))) return -1;
    return AddStrip(list, image, [m](int x, int y, const BYTE*) {
        if (!m) return false;
        const BYTE* p = m->Row(y, false) + std::size_t(x) * (m->bpp / 8);
        return p[0] > 127 && p[1] > 127 && p[2] > 127;
    });
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF key) {
    return AddStrip(list, image, [key](int, int, const BYTE* p) {
        return p[2] == GetRValue(key) && p[1] == GetGValue(key) && p[0] == GetBValue(key);
    });
}

BOOL ImageList_Remove(HIMAGELIST list, int index) {
    if (!list) return FALSE;
    if (index == -1) {
        list->images.clear();
        return TRUE;
    }
    if (index < 0 || index >= int(list->images.size())) return FALSE;
    list->images.erase(list->images.begin() + index);
    return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST list) { return list ? int(list->images.size()) : 0; }

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy) {
    if (!list || !cx || !cy) return FALSE;
    *cx = list->cx;
    *cy = list->cy;
    return TRUE;
}

COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color) {
    if (!list) return CLR_NONE;
    COLORREF old = list->bk;
    list->bk = color;
    return old;
}

COLORREF ImageList_GetBkColor(HIMAGELIST list) { return list ? list->bk : CLR_NONE; }

namespace {

BYTE Mix(BYTE a, BYTE b, int percentB) { return BYTE((a * (100 - percentB) + b * percentB + 50) / 100); }

// Draws a prepared 32-bit image through a memory device context.
BOOL Put(HDC dc, BitmapObject* img, int x, int y, int dx, int dy, int alpha) {
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, img);
    BLENDFUNCTION bf;
    bf.SourceConstantAlpha = BYTE(alpha);
    bf.AlphaFormat = AC_SRC_ALPHA;
    BOOL ok = AlphaBlend(dc, x, y, dx, dy, mem, 0, 0, dx, dy, bf);
    SelectObject(mem, old);
    DeleteDC(mem);
    return ok;
}

} // namespace

BOOL ImageList_DrawEx(HIMAGELIST list, int index, HDC dc, int x, int y, int dx, int dy, COLORREF bk, COLORREF fg,
                      UINT style) {
    if (!list || !dc || index < 0 || index >= int(list->images.size())) return FALSE;
    BitmapObject* src = list->images[std::size_t(index)].get();
    if (dx <= 0 || dx > list->cx) dx = list->cx;
    if (dy <= 0 || dy > list->cy) dy = list->cy;
    BitmapObject img(list->cx, list->cy, 32);
    std::memcpy(img.Bits(true), src->Bits(false), std::size_t(src->stride) * src->height);
    if (bk == CLR_DEFAULT) bk = list->bk;
    if (style & ILD_TRANSPARENT) bk = CLR_NONE;
    int blend = (style & ILD_BLEND50) ? 50 : (style & ILD_BLEND25) ? 25 : 0;
    if (fg == CLR_DEFAULT) fg = GetSysColor(COLOR_HIGHLIGHT);
    int alpha = 255;
    for (int row = 0; row < img.height; ++row) {
        BYTE* p = img.Row(row, true);
        for (int col = 0; col < img.width; ++col, p += 4) {
            if (style & ILD_MASK) {
                // The mask: black where the image is, white where it is not.
                BYTE v = p[3] ? 0 : 255;
                p[0] = p[1] = p[2] = v;
                p[3] = 255;
                continue;
            }
            if (blend && fg != CLR_NONE && p[3]) {
                p[0] = Mix(p[0], GetBValue(fg), blend);
                p[1] = Mix(p[1], GetGValue(fg), blend);
                p[2] = Mix(p[2], GetRValue(fg), blend);
            }
            if (bk != CLR_NONE && p[3] < 255) {
                int a = p[3];
                p[0] = BYTE((p[0] * a + GetBValue(bk) * (255 - a) + 127) / 255);
                p[1] = BYTE((p[1] * a + GetGValue(bk) * (255 - a) + 127) / 255);
                p[2] = BYTE((p[2] * a + GetRValue(bk) * (255 - a) + 127) / 255);
                p[3] = 255;
            }
        }
    }
    if (blend && fg == CLR_NONE) alpha = 255 * (100 - blend) / 100;
    return Put(dc, &img, x, y, dx, dy, alpha);
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style) {
    return ImageList_DrawEx(list, index, dc, x, y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, style);
}

BOOL ImageList_DrawDisabled(HIMAGELIST list, int index, HDC dc, int x, int y) {
    if (!list || index < 0 || index >= int(list->images.size())) return FALSE;
    BitmapObject* src = list->images[std::size_t(index)].get();
    BitmapObject img(list->cx, list->cy, 32);
    std::memcpy(img.Bits(true), src->Bits(false), std::size_t(src->stride) * src->height);
    for (int row = 0; row < img.height; ++row) {
        BYTE* p = img.Row(row, true);
        for (int col = 0; col < img.width; ++col, p += 4) {
            BYTE g = BYTE((p[0] + p[1] + p[2]) / 3);
            g = BYTE(g + (255 - g) / 2);
            p[0] = p[1] = p[2] = g;
        }
    }
    return Put(dc, &img, x, y, list->cx, list->cy, 255);
}

} // namespace tv::win
