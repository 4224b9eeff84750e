// Stored form definitions read into real windows: a form with the standard
// controls, scaled to another resolution, shown and painted.
#include <cstdint>
#include <string>

#include "framework/core/exceptions.h"
#include "framework/core/formreader.h"
#include "framework/ui/forms.h"
#include "fuzz/fuzzsupport.h"
#include "platform/window/paint.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tvfuzz::StartHeadlessOnce();
    tv::TForm* form = new tv::TForm(nullptr);
    try {
        tv::ReadComponentText(std::string_view(reinterpret_cast<const char*>(data), size), form, 120);
        form->Show();
        tv::win::UpdateAllWindows();
    } catch (const tv::Exception&) {
    }
    delete form;
    return 0;
}
