// Rich text (RTF) read into a rich-edit document and written back.
#include <cstdint>
#include <string_view>

#include "platform/controls/richeditrtf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tv::win::RichCharFormat defaults;
    if (auto doc = tv::win::ReadRtf(bytes, defaults)) {
        std::string again = tv::win::WriteRtf(*doc, 0, 1 << 20);
        tv::win::ReadRtf(again, defaults);
    }
    tv::win::ReadPlainText(bytes, defaults);
    return 0;
}
