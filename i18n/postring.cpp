#include "i18n/postring.h"

namespace tv {

std::string EscapePoString(std::string_view text) {
    static const char digits[] = "01234567";
    std::string result = "\"";
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
        case '\n': result += "\\n\"\r\n\""; break;
        case '\r': result += "\\r"; break;
        case '\t': result += "\\t"; break;
        case '"': result += "\\\""; break;
        case '\\': result += "\\\\"; break;
        default:
            if (c < 32 || c == 127) {
                // Octal takes exactly three digits, so a following digit is never swallowed.
                result += '\\';
                result += digits[(c >> 6) & 7];
                result += digits[(c >> 3) & 7];
                result += digits[c & 7];
            } else {
                result += ch;
            }
        }
    }
    result += '"';
    return result;
}

} // namespace tv
