#pragma once
// The preview's cursors, the magnifier over a page and the hand that pans
// it, added to the screen's cursors from the program's resources
// "MAGNIFIEREH" and "HANDEH" on first use.
#include "framework/ui/controls.h"

namespace tv {

TCursor MagnifierCursor();
TCursor HandCursor();

} // namespace tv
