#include "grid/gridstyle.h"

#include <algorithm>
#include <cmath>

#include "framework/ui/application.h"
#include "grid/dbgrideh.h"
#include "platform/gdi/dc.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/messages.h"
#include "platform/window/paint.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"

namespace tv {

namespace {
TDBGridEhStyle* gDefaultStyle = nullptr;
constexpr const char* kUtilityClass = "TDBGridEhStyleWindow";

int ReadScreenColorCount() {
    win::HDC dc = win::GetDC(nullptr);
    int n = win::GetDeviceCaps(dc, win::NUMCOLORS);
    win::ReleaseDC(nullptr, dc);
    return n;
}
} // namespace

TDBGridEhStyle* DBGridEhDefaultStyle() { return gDefaultStyle; }
void SetDBGridEhDefaultStyle(TDBGridEhStyle* style) { gDefaultStyle = style; }

TDBGridEhStyle::TDBGridEhStyle() { screenColorCount_ = ReadScreenColorCount(); }

TDBGridEhStyle::~TDBGridEhStyle() {
    if (gDefaultStyle == this) gDefaultStyle = nullptr;
    std::vector<TCustomDBGridEh*> grids;
    grids.swap(grids_);
    for (TCustomDBGridEh* g : grids) g->SetStyle(gDefaultStyle);
    if (window_ && win::IsWindow(window_)) win::DestroyWindow(window_);
}

void TDBGridEhStyle::AddGrid(TCustomDBGridEh* grid) {
    if (!HasGrid(grid)) grids_.push_back(grid);
    if (window_ && win::IsWindow(window_)) return;
    win::WNDCLASS wc;
    if (!win::GetClassInfo(kUtilityClass, &wc)) {
        wc.lpfnWndProc = [](win::HWND wnd, win::UINT msg, win::WPARAM wp, win::LPARAM lp) -> win::LRESULT {
            return win::DefWindowProc(wnd, msg, wp, lp);
        };
        wc.lpszClassName = kUtilityClass;
        win::RegisterClass(wc);
    }
    window_ = win::CreateWindowEx(0, kUtilityClass, "", 0, 0, 0, 0, 0, nullptr, nullptr);
    if (!window_) return;
    // The window's procedure reaches the style through a property, so a freed
    // style never answers.
    TDBGridEhStyle* self = this;
    win::SetWindowLongPtr(window_, win::GWLP_WNDPROC,
        reinterpret_cast<win::LONG_PTR>(win::MakeWindowProc(
            [self](win::HWND wnd, win::UINT msg, win::WPARAM wp, win::LPARAM lp) -> win::LRESULT {
                if (msg == win::WM_SYSCOLORCHANGE) {
                    try {
                        self->SysColorChanged();
                    } catch (...) {
                        if (Application) Application->HandleException(nullptr);
                    }
                    return 0;
                }
                return win::DefWindowProc(wnd, msg, wp, lp);
            })));
}

void TDBGridEhStyle::RemoveGrid(TCustomDBGridEh* grid) {
    grids_.erase(std::remove(grids_.begin(), grids_.end(), grid), grids_.end());
}

bool TDBGridEhStyle::HasGrid(const TCustomDBGridEh* grid) const {
    return std::find(grids_.begin(), grids_.end(), grid) != grids_.end();
}

void TDBGridEhStyle::SysColorChanged() { screenColorCount_ = ReadScreenColorCount(); }

void TDBGridEhStyle::GetDataCellColors(TCustomDBGridEh*, bool current, bool active, TColor& background,
                                       TFont* font) {
    if (active) {
        if (LightenSelection && TrueColorScreen() && !current) {
            background = LightenColor(ColorToRGB(background), ColorToRGB(clHighlight), true);
        } else {
            background = clHighlight;
            font->SetColor(clHighlightText);
        }
    } else if (current) {
        background = clBtnShadow;
        font->SetColor(clHighlightText);
    } else {
        background = TrueColorScreen() ? LightenColor(ColorToRGB(background), ColorToRGB(clBtnShadow), false)
                                       : TColor(clBtnFace);
    }
}

void TDBGridEhStyle::GetTitleCellColors(TCustomDBGridEh*, bool active, TColor& background, TFont* font) {
    if (active) {
        if (LightenSelection && TrueColorScreen()) {
            background = LightenColor(ColorToRGB(background), ColorToRGB(clHighlight), true);
        } else {
            background = clHighlight;
            font->SetColor(clHighlightText);
        }
    } else {
        background = TrueColorScreen() ? LightenColor(ColorToRGB(background), ColorToRGB(clBtnShadow), false)
                                       : TColor(clBtnFace);
    }
}

TColor LightenColor(TColor color, TColor glass, bool ungray) {
    auto channel = [&](int shift) {
        double c = (color >> shift) & 0xFF, g = (glass >> shift) & 0xFF;
        double v = c + (g - c) * 0.5;
        v = v + (225 - v) * 0.6;
        if (ungray) v = v - (122 - v) * 0.25;
        return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
    };
    return channel(0) | (channel(8) << 8) | (channel(16) << 16);
}

} // namespace tv
