#include "i18n/pluralforms.h"

#include <cstdint>
#include <string>

namespace tv {

namespace {

// The magnitude in 64 bits: the most negative count has no 32-bit magnitude.
std::int64_t Magnitude(int count) {
    const std::int64_t n = count;
    return n < 0 ? -n : n;
}

bool InTeens(std::int64_t n) { return n % 100 >= 10 && n % 100 <= 19; }

} // namespace

int PluralFormNotOne(int count) { return Magnitude(count) == 1 ? 0 : 1; }

int PluralFormSingle(int) { return 0; }

int PluralFormAboveOne(int count) { return Magnitude(count) <= 1 ? 0 : 1; }

int PluralFormLatvian(int count) {
    const std::int64_t n = Magnitude(count);
    if (n % 10 == 1 && n % 100 != 11) return 0;
    return n != 0 ? 1 : 2;
}

int PluralFormIrish(int count) {
    const std::int64_t n = Magnitude(count);
    return n == 1 ? 0 : n == 2 ? 1 : 2;
}

int PluralFormLithuanian(int count) {
    const std::int64_t n = Magnitude(count);
    if (n % 10 == 1 && n % 100 != 11) return 0;
    return n % 10 >= 2 && !InTeens(n) ? 1 : 2;
}

int PluralFormSlavic(int count) {
    const std::int64_t n = Magnitude(count);
    if (n % 10 == 1 && n % 100 != 11) return 0;
    return n % 10 >= 2 && n % 10 <= 4 && !InTeens(n) ? 1 : 2;
}

int PluralFormPolish(int count) {
    const std::int64_t n = Magnitude(count);
    if (n == 1) return 0;
    return n % 10 >= 2 && n % 10 <= 4 && !InTeens(n) ? 1 : 2;
}

int PluralFormSlovenian(int count) {
    const std::int64_t n = Magnitude(count) % 100;
    return n == 1 ? 0 : n == 2 ? 1 : n == 3 || n == 4 ? 2 : 3;
}

TPluralRule PluralRuleForLanguage(std::string_view code) {
    std::string lower;
    for (char c : code) lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    const std::string two = lower.substr(0, 2);
    const auto any = [&](std::initializer_list<const char*> codes) {
        for (const char* c : codes)
            if (two == c) return true;
        return false;
    };
    if (any({"en", "de"})) return PluralFormNotOne;
    if (any({"hu", "ko", "zh", "ja", "tr"})) return PluralFormSingle;
    if (any({"fr", "fa"}) || lower == "pt_br") return PluralFormAboveOne;
    if (two == "lv") return PluralFormLatvian;
    if (two == "ga") return PluralFormIrish;
    if (two == "lt") return PluralFormLithuanian;
    if (any({"ru", "cs", "sk", "uk", "hr"})) return PluralFormSlavic;
    if (two == "pl") return PluralFormPolish;
    if (two == "sl") return PluralFormSlovenian;
    return PluralFormNotOne;
}

} // namespace tv
