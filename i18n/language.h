#pragma once
#include <string>

namespace tv {

// The station's own regional setting, the one its number and date formats
// follow too: the user's locale when the environment names no language.
inline constexpr const char* StationLanguage = "es_CO";

// The language of the user's locale as "ll_CC", or the station's own when the
// environment names no language and country.
std::string GetOSLanguage();

// "C" and "POSIX" (with or without a character set) name no language.
bool NamesNoLanguage(const std::string& code);

} // namespace tv
