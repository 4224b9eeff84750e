#include "i18n/language.h"

#include <cctype>
#include <cstdlib>
#include <string_view>

namespace tv {

namespace {

bool TwoLetters(std::string_view s) {
    return s.size() == 2 && std::isalpha(static_cast<unsigned char>(s[0])) &&
           std::isalpha(static_cast<unsigned char>(s[1]));
}

// "es_CO.UTF-8@euro" gives "es_CO"; anything else gives nothing.
std::string LanguageOf(std::string_view locale) {
    locale = locale.substr(0, locale.find_first_of(".@"));
    const std::size_t underscore = locale.find('_');
    if (underscore == std::string_view::npos) return std::string();
    const std::string_view language = locale.substr(0, underscore);
    const std::string_view country = locale.substr(underscore + 1);
    if (!TwoLetters(language) || !TwoLetters(country)) return std::string();
    return std::string(locale);
}

const char* Variable(const char* name) {
    const char* v = std::getenv(name);
    return v && *v ? v : nullptr;
}

} // namespace

std::string GetOSLanguage() {
    // The locale categories in the order the C library settles them; LANGUAGE
    // is a list of preferences, of which the first counts.
    if (const char* all = Variable("LC_ALL")) return LanguageOf(all).empty() ? StationLanguage : LanguageOf(all);
    for (const char* name : {"LC_MESSAGES", "LANGUAGE"}) {
        if (const char* v = Variable(name)) {
            std::string_view first(v);
            first = first.substr(0, first.find(':'));
            std::string code = LanguageOf(first);
            if (!code.empty()) return code;
        }
    }
    return StationLanguage;
}

bool NamesNoLanguage(const std::string& code) {
    const std::string name = code.substr(0, code.find_first_of(".@"));
    return name.empty() || name == "C" || name == "POSIX";
}

} // namespace tv
