#pragma once
#include <string>

namespace tv {

// The language of the user's locale as "ll_CC", or "C" when the locale names
// no language and country.
std::string GetOSLanguage();

} // namespace tv
