// Icon and cursor files and resources.
#include <cstdint>

#include "core/exceptions.h"
#include "platform/picture/icon.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        auto images = tv::win::ReadIcons(data, size);
        if (!images.empty()) tv::win::NearestIconImage(images, 16);
    } catch (const tv::Exception&) {
    }
    try {
        tv::win::ReadIconResource(data, size);
    } catch (const tv::Exception&) {
    }
    return 0;
}
