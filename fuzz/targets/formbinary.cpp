// The binary values of stored form definitions: a picture's data as a form
// keeps it (its class name, then the picture's own bytes).
#include <cstdint>
#include <string>

#include "core/exceptions.h"
#include "core/formreader.h"
#include "framework/ui/forms.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tvfuzz::StartHeadlessOnce();
    static const char* hex = "0123456789ABCDEF";
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i) bytes += hex[data[i] >> 4], bytes += hex[data[i] & 15];
    const std::string text = "object F: TForm\n  object I: TImage\n    Picture.Data = {" + bytes +
                             "}\n  end\n  object G: TBitBtn\n    Glyph.Data = {" + bytes + "}\n  end\nend\n";
    tv::TForm* form = new tv::TForm(nullptr);
    try {
        tv::ReadComponentText(text, form);
    } catch (const tv::Exception&) {
    }
    delete form;
    return 0;
}
