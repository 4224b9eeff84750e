#pragma once
#include <string>
#include <string_view>

namespace tv {

// A UTF-8 text as a quoted PO string: line feeds end a quoted line and start
// the next, and every other character msgfmt would misread is escaped.
std::string EscapePoString(std::string_view text);

} // namespace tv
