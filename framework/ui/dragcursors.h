#pragma once
// The cursors of a drag: the arrow with a sheet below it (crDrag), or with
// a stack of sheets (crMultiDrag). Drawn once and kept for the process.
#include "platform/wintypes.h"

namespace tv {

win::HCURSOR DragCursorImage(bool multiple);

} // namespace tv
