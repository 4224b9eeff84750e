// Message catalogs (.mo) and the plural rule of their header.
#include <cstdint>
#include <string>

#include "core/exceptions.h"
#include "fuzz/fuzzsupport.h"
#include "i18n/mofile.h"
#include "i18n/pluralexpression.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        tv::TMoFile mo(tvfuzz::WriteScratch("catalog.mo", data, size));
        mo.Find("Cancel");
        mo.FindForm("%d file", 1);
        bool malformed = false;
        if (auto forms = tv::PluralFormsOfHeader(mo.Header(), malformed))
            for (std::uint64_t n : {0, 1, 2, 5, 11, 21, 101}) forms->expression.Evaluate(n);
    } catch (const tv::Exception&) {
    }
    return 0;
}
