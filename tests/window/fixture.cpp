#include "fixture.h"

#include <algorithm>

namespace tvtest {

void DesktopTest::SetUp() {
    ResetDesktop();
    ClearScript();
    clock = std::make_shared<FakeClock>(100000);
    SetClock(clock);
    WNDCLASS wc;
    wc.lpszClassName = "Rec";
    wc.style = CS_DBLCLKS;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_WINDOW + 1));
    wc.lpfnWndProc = [this](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        log.push_back({w, m, wp, lp});
        LRESULT r = 0;
        if (hook && hook(w, m, wp, lp, r)) return r;
        return DefWindowProc(w, m, wp, lp);
    };
    RegisterClass(wc);
}

void DesktopTest::TearDown() {
    hook = nullptr;
    ClearScript();
    ResetDesktop();
}

HWND DesktopTest::Make(DWORD style, int x, int y, int w, int h, HWND parent, DWORD exStyle, int id) {
    return CreateWindowEx(exStyle, "Rec", "t", style, x, y, w, h, parent,
                          reinterpret_cast<HMENU>(std::intptr_t(id)));
}

std::vector<UINT> DesktopTest::Messages(HWND wnd) const {
    std::vector<UINT> out;
    for (auto& l : log)
        if (!wnd || l.wnd == wnd) out.push_back(l.msg);
    return out;
}

std::vector<UINT> DesktopTest::Only(const std::vector<UINT>& wanted, HWND wnd) const {
    std::vector<UINT> out;
    for (auto& l : log)
        if ((!wnd || l.wnd == wnd) && std::find(wanted.begin(), wanted.end(), l.msg) != wanted.end())
            out.push_back(l.msg);
    return out;
}

size_t DesktopTest::Count(HWND wnd, UINT msg) const {
    return size_t(std::count_if(log.begin(), log.end(), [&](auto& l) { return l.wnd == wnd && l.msg == msg; }));
}

const Logged* DesktopTest::Last(HWND wnd, UINT msg) const {
    for (auto it = log.rbegin(); it != log.rend(); ++it)
        if (it->wnd == wnd && it->msg == msg) return &*it;
    return nullptr;
}

COLORREF Pixel(int x, int y) {
    cairo_surface_t* s = GetDesktopSurface();
    cairo_surface_flush(s);
    auto* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    std::uint32_t px = *reinterpret_cast<std::uint32_t*>(data + y * stride + x * 4);
    return RGB(BYTE((px >> 16) & 0xFF), BYTE((px >> 8) & 0xFF), BYTE(px & 0xFF));
}

} // namespace tvtest
