#include <cmath>

#include "platform/gdi/devicecontext.h"
#include "platform/gdi/recorder.h"
#include "platform/gdi/shapes.h"

namespace tv::win {

static double Channel(COLOR16 c) { return std::min(1.0, c / 65280.0); }

BOOL GradientFill(HDC hdc, const TRIVERTEX* vertices, ULONG vertexCount, const void* mesh, ULONG meshCount,
                  ULONG mode) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !vertices || !mesh || mode > GRADIENT_FILL_TRIANGLE) return FALSE;
    std::vector<TRIVERTEX> v(vertices, vertices + vertexCount);
    std::vector<ULONG> idx;
    ULONG per = mode == GRADIENT_FILL_TRIANGLE ? 3 : 2;
    const auto* m = static_cast<const ULONG*>(mesh);
    idx.assign(m, m + meshCount * per);
    for (ULONG i : idx)
        if (i >= vertexCount) return FALSE;
    CallScope scope(dc, "GradientFill", Args(int(vertexCount), int(meshCount), int(mode)), [v, idx, mode, per](HDC t) {
        GradientFill(t, v.data(), ULONG(v.size()), idx.data(), ULONG(idx.size() / per), mode);
    });
    if (scope.Captured()) return TRUE;
    cairo_t* cr = BeginDraw(dc);
    if (!cr) return TRUE;
    auto dev = [dc](const TRIVERTEX& t) {
        double x = t.x, y = t.y;
        LogicalToDevice(dc, x, y);
        return std::pair<double, double>{std::round(x), std::round(y)};
    };
    for (ULONG k = 0; k < meshCount; ++k) {
        cairo_pattern_t* p = nullptr;
        cairo_new_path(cr);
        if (mode == GRADIENT_FILL_TRIANGLE) {
            const TRIVERTEX* t[3] = {&v[idx[k * 3]], &v[idx[k * 3 + 1]], &v[idx[k * 3 + 2]]};
            p = cairo_pattern_create_mesh();
            cairo_mesh_pattern_begin_patch(p);
            for (int i = 0; i < 3; ++i) {
                auto [x, y] = dev(*t[i]);
                if (i == 0) cairo_mesh_pattern_move_to(p, x, y);
                else cairo_mesh_pattern_line_to(p, x, y);
                if (i == 0) cairo_move_to(cr, x, y);
                else cairo_line_to(cr, x, y);
            }
            cairo_close_path(cr);
            for (int i = 0; i < 3; ++i)
                cairo_mesh_pattern_set_corner_color_rgb(p, unsigned(i), Channel(t[i]->Red), Channel(t[i]->Green),
                                                        Channel(t[i]->Blue));
            cairo_mesh_pattern_end_patch(p);
        } else {
            const TRIVERTEX& a = v[idx[k * 2]];
            const TRIVERTEX& b = v[idx[k * 2 + 1]];
            auto [x1, y1] = dev(a);
            auto [x2, y2] = dev(b);
            cairo_rectangle(cr, std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
            p = mode == GRADIENT_FILL_RECT_H ? cairo_pattern_create_linear(x1, 0, x2, 0)
                                             : cairo_pattern_create_linear(0, y1, 0, y2);
            cairo_pattern_add_color_stop_rgb(p, 0, Channel(a.Red), Channel(a.Green), Channel(a.Blue));
            cairo_pattern_add_color_stop_rgb(p, 1, Channel(b.Red), Channel(b.Green), Channel(b.Blue));
        }
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    return TRUE;
}

} // namespace tv::win
