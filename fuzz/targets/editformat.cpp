// The date-time editor's format: the first line is the format, the rest a
// text read at the elements' places and combined into a value.
#include <cstdint>
#include <string>

#include "editors/editformat.h"
#include "core/exceptions.h"
#include "core/strutils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t eol = input.find('\n');
    const std::string format = input.substr(0, eol);
    const std::string text = eol == std::string::npos ? std::string() : input.substr(eol + 1);
    try {
        tv::EditFormatPattern(format);
        tv::TEditFormatEh f = tv::ParseEditFormat(format);
        tv::TElementValuesEh values = tv::ReadElements(tv::Utf8ToUtf32(text), f.elements);
        tv::Variant result;
        tv::CombineElements(values, f.elements, tv::Null(), true, result);
        tv::CombineElements(values, f.elements, tv::Null(), false, result);
        tv::SplitDateTime(result);
    } catch (const tv::Exception&) {
    }
    return 0;
}
