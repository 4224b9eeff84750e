// Stored form definitions read into real windows: a form with the standard
// controls, scaled to another resolution, shown and painted.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/exceptions.h"
#include "core/formreader.h"
#include "framework/ui/forms.h"
#include "fuzz/fuzzsupport.h"
#include "platform/window/paint.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tvfuzz::StartHeadlessOnce();
    // Another form stays shown, as the station's main window does.
    static tv::TForm* main = [] {
        auto* f = new tv::TForm(nullptr);
        f->Show();
        return f;
    }();
    (void)main;
    tv::TForm* form = new tv::TForm(nullptr);
    try {
        tv::ReadComponentText(std::string_view(reinterpret_cast<const char*>(data), size), form, 120);
        form->Show();
        tv::win::UpdateAllWindows();
    } catch (const tv::Exception& e) {
        if (std::getenv("TALLYVO_FUZZ_VERBOSE")) std::fprintf(stderr, "%s\n", e.what());
    }
    delete form;
    return 0;
}
