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

// One band of a banded list: rects[begin, end) share top and bottom.
struct BandAt {
    const std::vector<RECT>& rects;
    std::size_t begin = 0, end = 0;
    explicit BandAt(const std::vector<RECT>& r) : rects(r) { Next(); }
    bool Done() const { return begin >= rects.size(); }
    LONG Top() const { return rects[begin].top; }
    LONG Bottom() const { return rects[begin].bottom; }
    void Next() {
        begin = end;
        while (end < rects.size() && rects[end].top == rects[begin].top) ++end;
    }
};

// Appends to `out` the spans of the row [top, bottom) that `op` keeps of two
// sorted span lists (either may be empty), then merges the band into the one
// above when they touch and hold the same spans.
template <class Op>
void CombineBand(const RECT* a, const RECT* aEnd, const RECT* b, const RECT* bEnd, LONG top, LONG bottom,
                 std::size_t* lastBand, std::vector<RECT>& out, Op op) {
    const std::size_t start = out.size();
    bool inA = false, inB = false, on = false;
    LONG from = 0;
    constexpr LONG kNone = INT32_MAX;
    for (;;) {
        const LONG xa = a == aEnd ? kNone : inA ? a->right : a->left;
        const LONG xb = b == bEnd ? kNone : inB ? b->right : b->left;
        const LONG x = std::min(xa, xb);
        if (x == kNone) break;
        if (xa == x) {
            if (inA) ++a;
            inA = !inA;
        }
        if (xb == x) {
            if (inB) ++b;
            inB = !inB;
        }
        const bool now = op(inA, inB);
        if (now == on) continue;
        on = now;
        if (on) {
            from = x;
        } else if (out.size() > start && out.back().right == from) {
            out.back().right = x;
        } else {
            out.push_back({from, top, x, bottom});
        }
    }
    if (out.size() == start) return;
    const std::size_t prev = *lastBand, count = out.size() - start;
    if (prev < start && start - prev == count && out[prev].bottom == top &&
        std::equal(out.begin() + prev, out.begin() + start, out.begin() + start,
                   [](const RECT& p, const RECT& q) { return p.left == q.left && p.right == q.right; })) {
        for (std::size_t i = prev; i < start; ++i) out[i].bottom = bottom;
        out.resize(start);
        return;
    }
    *lastBand = start;
}

// Sweeps the bands of both regions top to bottom; each row where neither
// changes is combined once.
template <class Op>
std::vector<RECT> Combine(const std::vector<RECT>& ra, const std::vector<RECT>& rb, Op op) {
    std::vector<RECT> out;
    out.reserve(ra.size() + rb.size());
    BandAt a(ra), b(rb);
    std::size_t lastBand = SIZE_MAX;
    LONG y = INT32_MIN;
    while (!a.Done() || !b.Done()) {
        const bool aHere = !a.Done() && a.Top() <= y, bHere = !b.Done() && b.Top() <= y;
        if (!aHere && !bHere) {
            // A gap in both: jump to the next band's top.
            y = std::min(a.Done() ? INT32_MAX : a.Top(), b.Done() ? INT32_MAX : b.Top());
            continue;
        }
        LONG next = INT32_MAX;
        if (!a.Done()) next = std::min(next, aHere ? a.Bottom() : a.Top());
        if (!b.Done()) next = std::min(next, bHere ? b.Bottom() : b.Top());
        const RECT* none = nullptr;
        CombineBand(aHere ? ra.data() + a.begin : none, aHere ? ra.data() + a.end : none,
                    bHere ? rb.data() + b.begin : none, bHere ? rb.data() + b.end : none, y, next, &lastBand, out, op);
        y = next;
        if (aHere && a.Bottom() <= y) a.Next();
        if (bHere && b.Bottom() <= y) b.Next();
    }
    return out;
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

namespace {

bool Inside(const RECT& in, const RECT& out) {
    return out.left <= in.left && out.top <= in.top && in.right <= out.right && in.bottom <= out.bottom;
}

bool Disjoint(const RECT& a, const RECT& b) {
    return a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
}

// The results that need no sweep (a rectangle or an empty region on either
// side, one side inside the other), written into `out` without allocating
// when it has room. False when the sweep is needed.
bool CombineAtOnce(const std::vector<RECT>& a, const std::vector<RECT>& b, int mode, std::vector<RECT>& out) {
    auto take = [&out](const std::vector<RECT>& from) {
        if (&from != &out) out.assign(from.begin(), from.end());
        return true;
    };
    auto one = [&out](const RECT& r) {
        out.assign(1, r);
        return true;
    };
    auto none = [&out] {
        out.clear();
        return true;
    };
    if (a.empty()) return mode == RGN_AND || mode == RGN_DIFF ? none() : take(b);
    if (b.empty()) return mode == RGN_AND ? none() : take(a);
    const RECT boxA{a.size() == 1 ? a[0] : RECT{}}, boxB{b.size() == 1 ? b[0] : RECT{}};
    switch (mode) {
    case RGN_AND:
        if (a.size() == 1 && b.size() == 1) {
            RECT r;
            return IntersectRect(&r, &a[0], &b[0]) ? one(r) : none();
        }
        if (b.size() == 1 && std::all_of(a.begin(), a.end(), [&](const RECT& r) { return Inside(r, boxB); }))
            return take(a);
        if (a.size() == 1 && std::all_of(b.begin(), b.end(), [&](const RECT& r) { return Inside(r, boxA); }))
            return take(b);
        return false;
    case RGN_OR:
        if (b.size() == 1 && std::any_of(a.begin(), a.end(), [&](const RECT& r) { return Inside(boxB, r); }))
            return take(a);
        if (a.size() == 1 && std::any_of(b.begin(), b.end(), [&](const RECT& r) { return Inside(boxA, r); }))
            return take(b);
        if (a.size() == 1 && b.size() == 1) {
            // Side by side in one band, or one above the other with the same sides.
            if (boxA.top == boxB.top && boxA.bottom == boxB.bottom && boxA.left <= boxB.right && boxB.left <= boxA.right)
                return one({std::min(boxA.left, boxB.left), boxA.top, std::max(boxA.right, boxB.right), boxA.bottom});
            if (boxA.left == boxB.left && boxA.right == boxB.right && boxA.top <= boxB.bottom && boxB.top <= boxA.bottom)
                return one({boxA.left, std::min(boxA.top, boxB.top), boxA.right, std::max(boxA.bottom, boxB.bottom)});
        }
        return false;
    case RGN_DIFF:
        if (b.size() == 1) {
            if (std::all_of(a.begin(), a.end(), [&](const RECT& r) { return Disjoint(r, boxB); })) return take(a);
            if (std::all_of(a.begin(), a.end(), [&](const RECT& r) { return Inside(r, boxB); })) return none();
        }
        return false;
    default: return false;
    }
}

} // namespace

int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode) {
    if (!LiveObject(dest) || !LiveObject(a) || (b && !LiveObject(b))) return ERROR;
    if (mode == RGN_COPY) {
        if (dest != a) dest->rects = a->rects;
        return dest->Complexity();
    }
    if (mode < RGN_AND || mode > RGN_DIFF || !b) return ERROR;
    if (CombineAtOnce(a->rects, b->rects, mode, dest->rects)) return dest->Complexity();
    std::vector<RECT> result;
    switch (mode) {
    case RGN_AND: result = Combine(a->rects, b->rects, [](bool x, bool y) { return x && y; }); break;
    case RGN_OR: result = Combine(a->rects, b->rects, [](bool x, bool y) { return x || y; }); break;
    case RGN_XOR: result = Combine(a->rects, b->rects, [](bool x, bool y) { return x != y; }); break;
    default: result = Combine(a->rects, b->rects, [](bool x, bool y) { return x && !y; }); break;
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
