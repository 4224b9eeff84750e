#pragma once
// The tool tip window class ("tooltips_class32"): a pop-up that never takes
// the focus and shows one tool's text, placed by tracking messages (the
// editors and the grid show their hints this way). Texts are UTF-8.
#include <string>

#include "platform/wintypes.h"

namespace tv::win {

inline constexpr const char* TOOLTIPS_CLASS = "tooltips_class32";

constexpr DWORD TTS_ALWAYSTIP = 0x01, TTS_NOPREFIX = 0x02;
constexpr UINT TTF_IDISHWND = 0x0001, TTF_CENTERTIP = 0x0002, TTF_SUBCLASS = 0x0010, TTF_TRACK = 0x0020,
               TTF_ABSOLUTE = 0x0080, TTF_TRANSPARENT = 0x0100;

constexpr UINT TTM_ACTIVATE = 0x0400 + 1, TTM_GETTOOLCOUNT = 0x0400 + 13, TTM_TRACKACTIVATE = 0x0400 + 17,
               TTM_TRACKPOSITION = 0x0400 + 18, TTM_GETMAXTIPWIDTH = 0x0400 + 25, TTM_SETMAXTIPWIDTH = 0x0400 + 24,
               TTM_POP = 0x0400 + 28, TTM_UPDATE = 0x0400 + 29, TTM_ADDTOOL = 0x0400 + 50,
               TTM_DELTOOL = 0x0400 + 51, TTM_NEWTOOLRECT = 0x0400 + 52, TTM_GETTEXT = 0x0400 + 56,
               TTM_UPDATETIPTEXT = 0x0400 + 57;

struct TOOLINFO {
    UINT cbSize = sizeof(TOOLINFO);
    UINT uFlags = 0;
    HWND hwnd = nullptr;
    UINT_PTR uId = 0;
    RECT rect;
    std::string lpszText; // in and out
};

void RegisterToolTipClass();

} // namespace tv::win
