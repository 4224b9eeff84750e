// Edit masks: the first line is the mask, the rest is typed, pasted and read back.
#include <cstdint>
#include <string>

#include "core/exceptions.h"
#include "core/strutils.h"
#include "framework/ui/stdctrls/editmask.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t eol = input.find('\n');
    const std::string mask = input.substr(0, eol);
    const std::string rest = eol == std::string::npos ? std::string() : input.substr(eol + 1);
    try {
        tv::TEditMask m(mask);
        std::u32string typed = tv::Utf8ToUtf32(rest);
        std::u32string text = m.EmptyEditText();
        int from = 0, to = 0;
        for (char32_t c : typed) m.TypeChar(text, from, to, c);
        m.Backspace(text, from, to);
        from = 0;
        m.DeleteForward(text, from, to);
        m.Paste(text, from, to, typed);
        m.FirstMissing(text);
        m.Strip(text);
        m.Format(typed);
        m.Normalize(typed);
        m.EditableAtOrAfter(int(typed.size()) % (m.Count() + 1));
        m.EditableBefore(int(typed.size()) % (m.Count() + 1));
    } catch (const tv::Exception&) {
    }
    return 0;
}
