#pragma once
// What the common controls (month calendar, header, list view, tree view)
// tell their parent with WM_NOTIFY: every record starts with this header,
// and the codes below are shared by all of them.
#include "platform/wintypes.h"

namespace tv::win {

struct NMHDR {
    HWND hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

constexpr UINT NM_FIRST = 0;
constexpr UINT NM_CLICK = NM_FIRST - 2, NM_DBLCLK = NM_FIRST - 3, NM_RETURN = NM_FIRST - 4, NM_RCLICK = NM_FIRST - 5,
               NM_SETFOCUS = NM_FIRST - 7, NM_KILLFOCUS = NM_FIRST - 8;

// Sends `record` (whose first member is an NMHDR) to the parent of `from`,
// filling its header; returns the parent's answer.
LRESULT SendNotify(HWND from, UINT code, NMHDR& record);

} // namespace tv::win
