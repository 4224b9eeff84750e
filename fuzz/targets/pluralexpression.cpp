// The plural expression of a catalog header, parsed and evaluated.
#include <cstdint>
#include <string_view>

#include "i18n/pluralexpression.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    if (auto e = tv::TPluralExpression::Parse(text))
        for (std::uint64_t n : {0ull, 1ull, 2ull, 3ull, 11ull, 100ull, 18446744073709551615ull}) e->Evaluate(n);
    bool malformed = false;
    tv::PluralFormsOfHeader(text, malformed);
    return 0;
}
