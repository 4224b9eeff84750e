#include "platform/region.h"

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <utility>

#include "platform/gdi/liveobjects.h"

namespace tv::win {
namespace {

using Span = std::pair<LONG, LONG>; // [left, right)

struct Band {
    LONG top, bottom;
    std::vector<Span> spans;
};

std::vector<Band> ToBands(const std::vector<RECT>& rects) {
    std::vector<Band> bands;
    for (const RECT& r : rects) {
        if (bands.empty() || bands.back().top != r.top)
            bands.push_back({r.top, r.bottom, {}});
        bands.back().spans.push_back({r.left, r.right});
    }
    return bands;
}

// Spans of one region in the row [y, ...) : regions are banded, so a binary
// search on band tops finds it.
const std::vector<Span>* SpansAt(const std::vector<Band>& bands, LONG y) {
    auto it = std::upper_bound(bands.begin(), bands.end(), y,
                               [](LONG v, const Band& b) { return v < b.top; });
    if (it == bands.begin()) return nullptr;
    --it;
    return (y >= it->top && y < it->bottom) ? &it->spans : nullptr;
}

// Combines two sorted span lists with a boolean operation on membership.
template <class Op>
std::vector<Span> CombineSpans(const std::vector<Span>* a, const std::vector<Span>* b, Op op) {
    std::vector<LONG> xs;
    if (a) for (auto& s : *a) { xs.push_back(s.first); xs.push_back(s.second); }
    if (b) for (auto& s : *b) { xs.push_back(s.first); xs.push_back(s.second); }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    auto inside = [](const std::vector<Span>* l, LONG x) {
        if (!l) return false;
        for (auto& s : *l) if (x >= s.first && x < s.second) return true;
        return false;
    };
    std::vector<Span> out;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        if (!op(inside(a, xs[i]), inside(b, xs[i]))) continue;
        if (!out.empty() && out.back().second == xs[i]) out.back().second = xs[i + 1];
        else out.push_back({xs[i], xs[i + 1]});
    }
    return out;
}

// Rebuilds the banded rectangle list, merging vertically adjacent equal bands.
std::vector<RECT> FromBands(std::vector<Band>& bands) {
    std::vector<Band> merged;
    for (auto& b : bands) {
        if (b.spans.empty() || b.top >= b.bottom) continue;
        if (!merged.empty() && merged.back().bottom == b.top && merged.back().spans == b.spans)
            merged.back().bottom = b.bottom;
        else
            merged.push_back(std::move(b));
    }
    std::vector<RECT> out;
    for (auto& b : merged)
        for (auto& s : b.spans) out.push_back({s.first, b.top, s.second, b.bottom});
    return out;
}

template <class Op>
std::vector<RECT> Combine(const std::vector<RECT>& ra, const std::vector<RECT>& rb, Op op) {
    auto ba = ToBands(ra), bb = ToBands(rb);
    std::vector<LONG> ys;
    for (auto& b : ba) { ys.push_back(b.top); ys.push_back(b.bottom); }
    for (auto& b : bb) { ys.push_back(b.top); ys.push_back(b.bottom); }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    std::vector<Band> out;
    for (size_t i = 0; i + 1 < ys.size(); ++i) {
        auto spans = CombineSpans(SpansAt(ba, ys[i]), SpansAt(bb, ys[i]), op);
        if (!spans.empty()) out.push_back({ys[i], ys[i + 1], std::move(spans)});
    }
    return FromBands(out);
}

std::vector<RECT> RectList(int l, int t, int r, int b) {
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    if (l == r || t == b) return {};
    return {RECT{l, t, r, b}};
}

// Builds a region row by row from a function giving the spans of each row.
template <class RowSpans>
HRGN FromRows(int top, int bottom, RowSpans rowSpans) {
    std::vector<Band> bands;
    for (int y = top; y < bottom; ++y) {
        std::vector<Span> spans = rowSpans(y);
        std::sort(spans.begin(), spans.end());
        std::vector<Span> clean;
        for (auto& s : spans) {
            if (s.first >= s.second) continue;
            if (!clean.empty() && s.first <= clean.back().second)
                clean.back().second = std::max(clean.back().second, s.second);
            else clean.push_back(s);
        }
        bands.push_back({y, y + 1, std::move(clean)});
    }
    auto* rgn = new RegionObject;
    rgn->rects = FromBands(bands);
    return rgn;
}

// Half-width of an ellipse of radii (rx, ry) at vertical distance dy from its
// centre, sampled at the pixel row's middle.
double EllipseHalf(double rx, double ry, double dy) {
    if (ry <= 0) return 0;
    double t = 1.0 - (dy * dy) / (ry * ry);
    return t <= 0 ? 0 : rx * std::sqrt(t);
}

} // namespace

int RegionObject::Complexity() const {
    if (rects.empty()) return NULLREGION;
    return rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

RECT RegionObject::Box() const {
    if (rects.empty()) return {};
    RECT box{INT32_MAX, rects.front().top, INT32_MIN, rects.back().bottom};
    for (auto& r : rects) { box.left = std::min(box.left, r.left); box.right = std::max(box.right, r.right); }
    return box;
}

bool RegionObject::Contains(int x, int y) const {
    for (auto& r : rects) {
        if (r.top > y) break;
        if (y < r.bottom && x >= r.left && x < r.right) return true;
    }
    return false;
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    auto* rgn = new RegionObject;
    rgn->rects = RectList(left, top, right, bottom);
    return rgn;
}

HRGN CreateRectRgnIndirect(const RECT* rc) {
    return rc ? CreateRectRgn(rc->left, rc->top, rc->right, rc->bottom) : CreateRectRgn(0, 0, 0, 0);
}

HRGN CreateRgnFromRects(const RECT* rects, int count) {
    auto* rgn = new RegionObject;
    for (int i = 0; i < count; ++i)
        rgn->rects = Combine(rgn->rects, RectList(rects[i].left, rects[i].top, rects[i].right, rects[i].bottom),
                             [](bool a, bool b) { return a || b; });
    return rgn;
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    return CreateRoundRectRgn(left, top, right, bottom, std::abs(right - left), std::abs(bottom - top));
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ew, int eh) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    ew = std::min(std::abs(ew), right - left);
    eh = std::min(std::abs(eh), bottom - top);
    double rx = ew / 2.0, ry = eh / 2.0;
    return FromRows(top, bottom, [&](int y) -> std::vector<Span> {
        double cy = y + 0.5, dy = 0;
        if (cy < top + ry) dy = top + ry - cy;
        else if (cy > bottom - ry) dy = cy - (bottom - ry);
        if (dy == 0 || ry <= 0) return {{left, right}};
        double inset = rx - EllipseHalf(rx, ry, dy);
        LONG l = LONG(std::lround(left + inset)), r = LONG(std::lround(right - inset));
        return {{l, r}};
    });
}

HRGN CreatePolygonRgn(const POINT* pts, int count, int fillMode) {
    if (!pts || count < 3) return CreateRectRgn(0, 0, 0, 0);
    LONG top = pts[0].y, bottom = pts[0].y;
    for (int i = 1; i < count; ++i) { top = std::min(top, pts[i].y); bottom = std::max(bottom, pts[i].y); }
    return FromRows(top, bottom, [&](int y) -> std::vector<Span> {
        double cy = y + 0.5;
        std::vector<std::pair<double, int>> hits; // x, direction
        for (int i = 0; i < count; ++i) {
            const POINT& a = pts[i];
            const POINT& b = pts[(i + 1) % count];
            if (a.y == b.y) continue;
            bool down = b.y > a.y;
            double y0 = down ? a.y : b.y, y1 = down ? b.y : a.y;
            if (cy < y0 || cy >= y1) continue;
            double x = a.x + (cy - a.y) * double(b.x - a.x) / double(b.y - a.y);
            hits.push_back({x, down ? 1 : -1});
        }
        std::sort(hits.begin(), hits.end());
        std::vector<Span> spans;
        int winding = 0;
        for (size_t i = 0; i + 1 < hits.size(); ++i) {
            winding += (fillMode == WINDING) ? hits[i].second : 1;
            bool in = (fillMode == WINDING) ? winding != 0 : (winding % 2) != 0;
            if (!in) continue;
            LONG l = LONG(std::ceil(hits[i].first - 0.5)), r = LONG(std::ceil(hits[i + 1].first - 0.5));
            if (l < r) spans.push_back({l, r});
        }
        return spans;
    });
}

int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode) {
    if (!LiveObject(dest) || !LiveObject(a) || (b && !LiveObject(b))) return ERROR;
    std::vector<RECT> result;
    switch (mode) {
    case RGN_COPY: result = a->rects; break;
    case RGN_AND:
        if (!b) return ERROR;
        result = Combine(a->rects, b->rects, [](bool x, bool y) { return x && y; });
        break;
    case RGN_OR:
        if (!b) return ERROR;
        result = Combine(a->rects, b->rects, [](bool x, bool y) { return x || y; });
        break;
    case RGN_XOR:
        if (!b) return ERROR;
        result = Combine(a->rects, b->rects, [](bool x, bool y) { return x != y; });
        break;
    case RGN_DIFF:
        if (!b) return ERROR;
        result = Combine(a->rects, b->rects, [](bool x, bool y) { return x && !y; });
        break;
    default: return ERROR;
    }
    dest->rects = std::move(result);
    return dest->Complexity();
}

int OffsetRgn(HRGN rgn, int dx, int dy) {
    if (!LiveObject(rgn)) return ERROR;
    for (auto& r : rgn->rects) { r.left += dx; r.right += dx; r.top += dy; r.bottom += dy; }
    return rgn->Complexity();
}

BOOL PtInRegion(HRGN rgn, int x, int y) { return LiveObject(rgn) && rgn->Contains(x, y) ? TRUE : FALSE; }

BOOL RectInRegion(HRGN rgn, const RECT* rc) {
    if (!LiveObject(rgn) || !rc) return FALSE;
    for (auto& r : rgn->rects)
        if (r.left < rc->right && rc->left < r.right && r.top < rc->bottom && rc->top < r.bottom) return TRUE;
    return FALSE;
}

int GetRgnBox(HRGN rgn, RECT* rc) {
    if (!LiveObject(rgn) || !rc) return ERROR;
    *rc = rgn->Box();
    return rgn->Complexity();
}

BOOL EqualRgn(HRGN a, HRGN b) {
    if (!LiveObject(a) || !LiveObject(b)) return FALSE;
    if (a->rects.size() != b->rects.size()) return FALSE;
    for (size_t i = 0; i < a->rects.size(); ++i)
        if (!EqualRect(&a->rects[i], &b->rects[i])) return FALSE;
    return TRUE;
}

BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom) {
    if (!LiveObject(rgn)) return FALSE;
    rgn->rects = RectList(left, top, right, bottom);
    return TRUE;
}

const std::vector<RECT>& RegionRects(HRGN rgn) {
    static const std::vector<RECT> none;
    return LiveObject(rgn) ? rgn->rects : none;
}

BOOL SetRect(RECT* rc, int l, int t, int r, int b) {
    if (!rc) return FALSE;
    *rc = {l, t, r, b};
    return TRUE;
}
BOOL SetRectEmpty(RECT* rc) { return SetRect(rc, 0, 0, 0, 0); }
BOOL IsRectEmpty(const RECT* rc) { return !rc || rc->left >= rc->right || rc->top >= rc->bottom; }
BOOL EqualRect(const RECT* a, const RECT* b) {
    return a && b && a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}
BOOL PtInRect(const RECT* rc, POINT pt) {
    return rc && pt.x >= rc->left && pt.x < rc->right && pt.y >= rc->top && pt.y < rc->bottom;
}
BOOL OffsetRect(RECT* rc, int dx, int dy) {
    if (!rc) return FALSE;
    rc->left += dx; rc->right += dx; rc->top += dy; rc->bottom += dy;
    return TRUE;
}
BOOL InflateRect(RECT* rc, int dx, int dy) {
    if (!rc) return FALSE;
    rc->left -= dx; rc->right += dx; rc->top -= dy; rc->bottom += dy;
    return TRUE;
}
BOOL IntersectRect(RECT* d, const RECT* a, const RECT* b) {
    if (!d || !a || !b) return FALSE;
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) { SetRectEmpty(d); return FALSE; }
    *d = r;
    return TRUE;
}
BOOL UnionRect(RECT* d, const RECT* a, const RECT* b) {
    if (!d || !a || !b) return FALSE;
    if (IsRectEmpty(a)) { *d = IsRectEmpty(b) ? RECT{} : *b; return !IsRectEmpty(d); }
    if (IsRectEmpty(b)) { *d = *a; return TRUE; }
    *d = {std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
          std::max(a->bottom, b->bottom)};
    return TRUE;
}
BOOL SubtractRect(RECT* d, const RECT* a, const RECT* b) {
    if (!d || !a || !b) return FALSE;
    RECT r = *a, x;
    if (IntersectRect(&x, a, b)) {
        if (x.top == r.top && x.bottom == r.bottom) {
            if (x.left == r.left) r.left = x.right;
            else if (x.right == r.right) r.right = x.left;
        } else if (x.left == r.left && x.right == r.right) {
            if (x.top == r.top) r.top = x.bottom;
            else if (x.bottom == r.bottom) r.bottom = x.top;
        }
    }
    *d = r;
    return !IsRectEmpty(&r);
}
BOOL CopyRect(RECT* d, const RECT* s) {
    if (!d || !s) return FALSE;
    *d = *s;
    return TRUE;
}

} // namespace tv::win
