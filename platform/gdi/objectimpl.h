#pragma once
// Helpers over the drawing objects for the drawing layer itself.
#include <memory>
#include <vector>

#include "platform/gdi/objects.h"

namespace tv::win {

// A copy of a pen, brush, font or bitmap, for keeping in a metafile.
std::shared_ptr<GdiObject> CloneObject(HGDIOBJ obj);

} // namespace tv::win
