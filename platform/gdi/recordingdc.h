#pragma once
// A device context for tests: it draws on its own white surface like a
// memory device context and logs every call with its arguments and the
// objects current at that moment.
#include <cairo.h>

#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace tv::win {

struct RecordedCall {
    std::string name;    // "DrawText"
    std::string args;    // "\"Total\", {0, 0, 80, 20}, 0x840"
    std::string objects; // "pen=solid 1 #000000 brush=solid #FFFFFF font=Arial -11 400 text=#000000 bk=opaque #FFFFFF"
    std::string Line() const { return name + "(" + args + ")"; }
};

HDC CreateRecordingDC(int width, int height);
const std::vector<RecordedCall>& GetRecordedCalls(HDC dc);
void ClearRecordedCalls(HDC dc);
// The pixels drawn so far (owned by the device context).
cairo_surface_t* GetRecordingSurface(HDC dc);

} // namespace tv::win
