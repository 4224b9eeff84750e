#include "platform/gdi/clipping.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/devicecontext.h"
#include "platform/gdi/liveobjects.h"
#include "platform/gdi/recorder.h"

namespace tv::win {

namespace {

std::unique_ptr<RegionObject, RegionDeleter> Owned(HRGN r) { return std::unique_ptr<RegionObject, RegionDeleter>(r); }

// The whole device as a region, for combining with "no clip region".
HRGN DeviceRegion(DeviceContext* dc) {
    int w = dc->width > 0 ? dc->width : 1 << 20, h = dc->height > 0 ? dc->height : 1 << 20;
    return CreateRectRgn(0, 0, w, h);
}

HRGN CurrentClip(DeviceContext* dc) {
    if (!dc->st.clip) return DeviceRegion(dc);
    return CreateRgnFromRects(dc->st.clip->data(), int(dc->st.clip->size()));
}

int Store(DeviceContext* dc, HRGN rgn) {
    dc->st.clip = std::make_shared<std::vector<RECT>>(RegionRects(rgn));
    dc->clipDirty = true;
    return rgn->Complexity();
}

int Complexity(DeviceContext* dc) {
    if (!dc->st.clip) return SIMPLEREGION;
    if (dc->st.clip->empty()) return NULLREGION;
    return dc->st.clip->size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

} // namespace

int ExtSelectClipRgn(HDC hdc, HRGN rgn, int mode) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || (rgn && !LiveObject(rgn))) return ERROR;
    std::shared_ptr<RegionObject> kept;
    if (rgn) {
        kept.reset(CreateRectRgn(0, 0, 0, 0), RegionDeleter());
        CombineRgn(kept.get(), rgn, nullptr, RGN_COPY);
    }
    CallScope scope(dc, "ExtSelectClipRgn",
                    (rgn ? Args(int(RegionRects(rgn).size())) + " rects" : std::string("null")) + ", " + Args(mode),
                    [kept, mode](HDC t) { ExtSelectClipRgn(t, kept.get(), mode); });
    if (!rgn) {
        if (mode != RGN_COPY) return ERROR;
        dc->st.clip.reset();
        dc->clipDirty = true;
        return SIMPLEREGION;
    }
    if (mode == RGN_COPY) return Store(dc, rgn);
    auto current = Owned(CurrentClip(dc));
    auto result = Owned(CreateRectRgn(0, 0, 0, 0));
    if (CombineRgn(result.get(), current.get(), rgn, mode) == ERROR) return ERROR;
    return Store(dc, result.get());
}

int SelectClipRgn(HDC dc, HRGN rgn) { return ExtSelectClipRgn(dc, rgn, RGN_COPY); }

static int ClipRect(HDC hdc, const char* name, int l, int t, int r, int b, int mode,
                    int (*self)(HDC, int, int, int, int)) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return ERROR;
    CallScope scope(dc, name, [&] { return CallRecord{Args(l, t, r, b), [=](HDC x) { self(x, l, t, r, b); }}; });
    RECT d = RectToDevice(dc, RECT{l, t, r, b});
    auto rect = Owned(CreateRectRgn(d.left, d.top, d.right, d.bottom));
    auto current = Owned(CurrentClip(dc));
    auto result = Owned(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(result.get(), current.get(), rect.get(), mode);
    return Store(dc, result.get());
}

int IntersectClipRect(HDC dc, int l, int t, int r, int b) {
    return ClipRect(dc, "IntersectClipRect", l, t, r, b, RGN_AND, IntersectClipRect);
}
int ExcludeClipRect(HDC dc, int l, int t, int r, int b) {
    return ClipRect(dc, "ExcludeClipRect", l, t, r, b, RGN_DIFF, ExcludeClipRect);
}

int OffsetClipRgn(HDC hdc, int dx, int dy) {
    DeviceContext* dc = Dc(hdc);
    if (!dc) return ERROR;
    CallScope scope(dc, "OffsetClipRgn", Args(dx, dy), [=](HDC t) { OffsetClipRgn(t, dx, dy); });
    if (!dc->st.clip) return SIMPLEREGION;
    double sx = ScaleX(dc), sy = ScaleY(dc);
    int ddx = int(std::lround(dx * sx)), ddy = int(std::lround(dy * sy));
    auto moved = std::make_shared<std::vector<RECT>>(*dc->st.clip);
    for (RECT& r : *moved) {
        r.left += ddx;
        r.right += ddx;
        r.top += ddy;
        r.bottom += ddy;
    }
    dc->st.clip = moved;
    dc->clipDirty = true;
    return Complexity(dc);
}

int GetClipBox(HDC hdc, RECT* rect) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !rect) return ERROR;
    RECT box{0, 0, dc->width, dc->height};
    if (dc->deviceClip) {
        auto r = Owned(CreateRgnFromRects(dc->deviceClip->data(), int(dc->deviceClip->size())));
        OffsetRgn(r.get(), -dc->originX, -dc->originY);
        box = r->Box();
    }
    if (dc->st.clip) {
        auto r = Owned(CreateRgnFromRects(dc->st.clip->data(), int(dc->st.clip->size())));
        if (dc->deviceClip || dc->width > 0) {
            auto dev = Owned(CreateRectRgn(box.left, box.top, box.right, box.bottom));
            CombineRgn(r.get(), r.get(), dev.get(), RGN_AND);
        }
        box = r->Box();
    }
    int complexity = (box.right <= box.left || box.bottom <= box.top) ? NULLREGION : Complexity(dc);
    double x1 = box.left, y1 = box.top, x2 = box.right, y2 = box.bottom;
    DeviceToLogical(dc, x1, y1);
    DeviceToLogical(dc, x2, y2);
    *rect = RECT{LONG(std::lround(std::min(x1, x2))), LONG(std::lround(std::min(y1, y2))),
                 LONG(std::lround(std::max(x1, x2))), LONG(std::lround(std::max(y1, y2)))};
    return complexity;
}

int GetClipRgn(HDC hdc, HRGN rgn) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !LiveObject(rgn)) return -1;
    if (!dc->st.clip) return 0;
    auto r = Owned(CreateRgnFromRects(dc->st.clip->data(), int(dc->st.clip->size())));
    CombineRgn(rgn, r.get(), nullptr, RGN_COPY);
    return 1;
}

BOOL RectVisible(HDC hdc, const RECT* rect) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !rect) return FALSE;
    RECT d = RectToDevice(dc, *rect);
    if (d.right <= d.left || d.bottom <= d.top) return FALSE;
    auto clip = EffectiveClip(dc);
    if (!clip) {
        if (dc->width <= 0 || dc->height <= 0) return TRUE;
        return d.left < dc->width && d.top < dc->height && d.right > 0 && d.bottom > 0;
    }
    OffsetRect(&d, dc->originX, dc->originY);
    for (const RECT& c : *clip) {
        RECT i;
        if (IntersectRect(&i, &c, &d)) return TRUE;
    }
    return FALSE;
}

BOOL PtVisible(HDC dc, int x, int y) {
    RECT r{x, y, x + 1, y + 1};
    return RectVisible(dc, &r);
}

} // namespace tv::win
