#pragma once
// The scroll-bar window class ("ScrollBar"): a window that is all scroll bar
// (SBS_HORZ or SBS_VERT). Its state is set and read with the scroll-bar
// calls and SB_CTL; presses and arrow keys become WM_HSCROLL or WM_VSCROLL
// to the parent, with the bar's handle in LParam.
#include "platform/wintypes.h"

namespace tv::win {

inline constexpr const char* WC_SCROLLBAR = "ScrollBar";

void RegisterScrollBarClass();

} // namespace tv::win
