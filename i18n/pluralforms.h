#pragma once
// The plural rules of the language families: each maps a count to the index of
// a plural form, counted from 0, and works on the count's magnitude.
#include <string_view>

namespace tv {

using TPluralRule = int (*)(int count);

int PluralFormNotOne(int count);
int PluralFormSingle(int count);
int PluralFormAboveOne(int count);
int PluralFormLatvian(int count);
int PluralFormIrish(int count);
int PluralFormLithuanian(int count);
int PluralFormSlavic(int count);
int PluralFormPolish(int count);
int PluralFormSlovenian(int count);

// The rule of a language code ("pl_PL", "pt_BR", "C").
TPluralRule PluralRuleForLanguage(std::string_view code);

} // namespace tv
