#include "skin/gradient.h"

#include <algorithm>
#include <cmath>

#include "framework/ui/picture.h"
#include "platform/gdi/shapes.h"
#include "skin/blending.h"

namespace tv {

using namespace win;

namespace {

TColor Lerp(TColor a, TColor b, double t) {
    auto ch = [&](int shift) {
        int x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
        return int(std::lround(x + (y - x) * t)) << shift;
    };
    return TColor(ch(0) | ch(8) | ch(16));
}

// Lays the steps along `length` pixels and calls `line` for each position.
template <class Line>
void Run(const TsGradArray& steps, int length, Line line) {
    int pos = 0;
    for (std::size_t i = 0; i < steps.size() && pos < length; ++i) {
        int n = i + 1 == steps.size() ? length - pos : int(std::lround(length * steps[i].Percent / 100.0));
        n = std::min(n, length - pos);
        for (int k = 0; k < n; ++k)
            line(pos + k, Lerp(steps[i].Color1, steps[i].Color2, n > 1 ? double(k) / (n - 1) : 0.0));
        pos += n;
    }
}

TRIVERTEX Vertex(int x, int y, TColor c) {
    TRIVERTEX v;
    v.x = x;
    v.y = y;
    v.Red = COLOR16((c & 0xFF) << 8);
    v.Green = COLOR16(((c >> 8) & 0xFF) << 8);
    v.Blue = COLOR16(((c >> 16) & 0xFF) << 8);
    return v;
}

} // namespace

void PaintGradient(TBitmap* bmp, RECT r, const TsGradArray& steps) {
    if (!bmp || bmp->Empty() || steps.empty()) return;
    r.right = std::min<LONG>(r.right, bmp->Width());
    r.bottom = std::min<LONG>(r.bottom, bmp->Height());
    r.left = std::max<LONG>(r.left, 0);
    r.top = std::max<LONG>(r.top, 0);
    if (r.right <= r.left || r.bottom <= r.top) return;
    switch (steps[0].Mode) {
    case gmVertical:
        Run(steps, r.bottom - r.top,
            [&](int y, TColor c) { FillRectPixels(bmp, RECT{r.left, r.top + y, r.right, r.top + y + 1}, c); });
        break;
    case gmHorizontal:
        Run(steps, r.right - r.left,
            [&](int x, TColor c) { FillRectPixels(bmp, RECT{r.left + x, r.top, r.left + x + 1, r.bottom}, c); });
        break;
    case gmCorners: {
        TColor c[5];
        for (int i = 0; i < 5; ++i) c[i] = i < int(steps.size()) ? steps[i].Color1 : c[i - 1];
        TRIVERTEX v[5] = {Vertex(r.left, r.top, c[0]), Vertex((r.left + r.right) / 2, (r.top + r.bottom) / 2, c[1]),
                          Vertex(r.right, r.top, c[2]), Vertex(r.right, r.bottom, c[3]), Vertex(r.left, r.bottom, c[4])};
        GRADIENT_TRIANGLE t[4] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
        GradientFill(bmp->Canvas()->Handle(), v, 5, t, 4, GRADIENT_FILL_TRIANGLE);
        break;
    }
    default: break;
    }
}

} // namespace tv
