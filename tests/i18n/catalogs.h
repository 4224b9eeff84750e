#pragma once
// Test catalogs: small .po texts compiled by the real msgfmt.
#include <string>
#include <vector>

#include "tests/support/scopedenv.h"

namespace i18ntest {

// The header entry of a UTF-8 catalog, with an optional Plural-Forms line.
std::string PoHeader(const std::string& pluralForms = "");

// Compiles `po` with msgfmt (extra options such as "--endianness=big") into
// `directory`/`language`/LC_MESSAGES/`domain`.mo and returns the .mo path.
std::string BuildCatalog(const std::string& directory, const std::string& language, const std::string& domain,
                         const std::string& po, const std::string& options = "");

// Compiles a .po file into a .mo file; fails the test when msgfmt does.
void Msgfmt(const std::string& po, const std::string& mo, const std::string& options = "");

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

using tvtest::ScopedEnv;

} // namespace i18ntest
