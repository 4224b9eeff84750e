#include "tests/i18n/catalogs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace i18ntest {

std::string PoHeader(const std::string& pluralForms) {
    std::string h = "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n";
    if (!pluralForms.empty()) h += "\"Plural-Forms: " + pluralForms + "\\n\"\n";
    return h + "\n";
}

void Msgfmt(const std::string& po, const std::string& mo, const std::string& options) {
    const std::string command = "msgfmt " + options + " -o '" + mo + "' '" + po + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

std::string BuildCatalog(const std::string& directory, const std::string& language, const std::string& domain,
                         const std::string& po, const std::string& options) {
    const std::filesystem::path folder = std::filesystem::path(directory) / language / "LC_MESSAGES";
    std::filesystem::create_directories(folder);
    const std::string poPath = (folder / (domain + ".po")).string();
    const std::string moPath = (folder / (domain + ".mo")).string();
    WriteFile(poPath, po);
    Msgfmt(poPath, moPath, options);
    return moPath;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace i18ntest
