#pragma once
// How field values compare: one rule for index keys, filters and Locate, so
// that a record found by one is placed the same way by the others.
#include <string_view>

#include "core/variant.h"

namespace tv {

// Negative, 0 or positive. Null (and Empty) sorts before every value; texts
// compare as a Spanish reader orders them (accents beside their letter, ñ after
// n), without regard to case when asked; numbers, currencies, dates and
// booleans compare by value.
int CompareFieldValues(const Variant& a, const Variant& b, bool caseInsensitive = false);

// SQL LIKE: "%" any run of characters, "_" one character (counted as UTF-8
// characters, not bytes).
bool LikeMatch(std::string_view text, std::string_view pattern, bool caseInsensitive = false);

// True when `text` begins with `prefix` (characters), optionally without regard to case.
bool StartsWithText(std::string_view text, std::string_view prefix, bool caseInsensitive);

} // namespace tv
