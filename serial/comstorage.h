#pragma once
// The text forms of port settings in an ini file or the registry: yes/no for
// flags, and characters as themselves or as "#" and their code.
#include <string>

namespace tv {

// "Yes" or "No".
std::string BoolToSettingText(bool value);
// True only for "yes" in any case.
bool SettingTextToBool(const std::string& text);
// Codes 33 to 127 as the character itself, every other code as "#" and the
// decimal code ("#0", "#17", "#200").
std::string CharToSettingText(char value);
// The reverse: empty gives #0, a lone "#" the character #, "#" and a number
// the number's low eight bits, "#" and anything else #0, any other text its
// first character.
char SettingTextToChar(const std::string& text);

} // namespace tv
