// Pictures as they come from a database column or a skin folder: BMP, PNG, JPEG.
#include <cstdint>

#include "core/exceptions.h"
#include "platform/gdi/objects.h"
#include "platform/picture/bitmapobject.h"
#include "platform/picture/picturefile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        tv::win::DeleteObject(tv::win::ReadPicture(data, size));
    } catch (const tv::Exception&) {
    }
    return 0;
}
