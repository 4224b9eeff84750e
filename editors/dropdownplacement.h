#pragma once
// Where a drop-down window opens: below its owner when it fits, above when it
// fits only there (or there is more room there), cut to the work area.
#include "platform/window/messages.h"
#include "platform/wintypes.h"

namespace tv {

class TControl;
class TWinControl;

// Sent to a drop-down after placing it: 2 opened above, 3 below; 0 it sits
// against its owner's right side (or was pushed left), 1 against the left.
// Drop-down lists move their size grip with it.
constexpr win::UINT WM_DROPDOWNPLACED_EH = 0x0400 + 100;

enum TDropDownAlignEh : int { ddaLeftEh = 0, ddaRightEh = 1, ddaCenterEh = 2 };

// A drop-down window keeps at least a scroll bar's width and height.
void KeepDropDownMinimumSize(win::WINDOWPOS& wp);

// The top-left screen point of the drop-down for an owner rectangle in screen
// coordinates; may make the drop-down narrower or lower to fit.
win::POINT CalcDropDownRect(const win::RECT& owner, TWinControl* dropDown, int alignment);
// The same for an owner control, its bounds taken to the screen through its parent.
win::POINT PlaceDropDownWindow(TControl* owner, TWinControl* dropDown, int alignment);

} // namespace tv
