#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "i18n/assemblyanalyzer.h"
#include "i18n/domain.h"
#include "i18n/gnugettext.h"
#include "tests/i18n/catalogs.h"
#include "tests/support/tempdir.h"

using namespace i18ntest;

namespace {

void PutLittleEndian(std::string& bytes, std::uint64_t v) {
    for (int i = 0; i < 8; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xff);
}

struct Entry {
    std::string name;
    std::string content;
};

// Appends the files and their entry chain to `bytes` the way the packaging
// step does; returns the offset of the first entry.
std::uint64_t AppendFiles(std::string& bytes, const std::vector<Entry>& entries) {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> places;
    for (const Entry& e : entries) {
        places.emplace_back(bytes.size(), e.content.size());
        bytes += e.content;
    }
    const std::uint64_t first = bytes.size();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::uint64_t next = bytes.size() + 24 + entries[i].name.size();
        PutLittleEndian(bytes, next);
        PutLittleEndian(bytes, places[i].first);
        PutLittleEndian(bytes, places[i].second);
        bytes += entries[i].name;
    }
    PutLittleEndian(bytes, 0);
    PutLittleEndian(bytes, 0);
    PutLittleEndian(bytes, 0);
    return first;
}

std::string CatalogBytes(const tvtest::TempDir& dir, const std::string& translation) {
    return ReadFile(BuildCatalog(dir.file("po"), "es", "default",
                                 PoHeader() + "msgid \"Restore\"\nmsgstr \"" + translation + "\"\n"));
}

} // namespace

TEST(AppendedFiles, IndexesTheFilesOfTheChain) {
    tvtest::TempDir dir;
    const std::string catalog = CatalogBytes(dir, "Restaurar");
    std::string bytes(500, 'p');
    const std::uint64_t first =
        AppendFiles(bytes, {{"locale/es/LC_MESSAGES/default.mo", catalog}, {" notes.txt ", "hello"}});
    const std::string exe = dir.file("station");
    WriteFile(exe, bytes);

    tv::TAssemblyAnalyzer index(exe, first);
    index.ScanAppendedFiles();
    EXPECT_TRUE(index.AppendedFileExists("locale/es/LC_MESSAGES/default.mo"));
    EXPECT_TRUE(index.AppendedFileExists(dir.file("locale/ES/LC_MESSAGES/default.mo")));
    EXPECT_TRUE(index.AppendedFileExists("notes.txt"));
    EXPECT_FALSE(index.AppendedFileExists("locale/de/LC_MESSAGES/default.mo"));
    std::string file;
    std::uint64_t offset, size;
    index.AppendedFileInfo("notes.txt", file, offset, size);
    EXPECT_EQ(file, exe);
    EXPECT_EQ(bytes.substr(offset, size), "hello");
    index.AppendedFileInfo("other.txt", file, offset, size);
    EXPECT_EQ(file, "other.txt");
    EXPECT_EQ(offset + size, 0u);

    // A domain reads the appended catalog, also through the language fallback.
    tv::TDomain domain("default", &index);
    domain.SetDirectory(dir.file("locale"));
    domain.SetLanguageCode("es_CO");
    EXPECT_EQ(domain.gettext("Restore"), "Restaurar");
    EXPECT_EQ(domain.CatalogPath(), dir.file("locale/es/LC_MESSAGES/default.mo"));
}

TEST(AppendedFiles, ADamagedChainKeepsWhatWasRead) {
    tvtest::TempDir dir;
    const std::string exe = dir.file("station");
    const auto scan = [&](const std::string& bytes, std::uint64_t first) {
        WriteFile(exe, bytes);
        auto index = std::make_unique<tv::TAssemblyAnalyzer>(exe, first);
        index->ScanAppendedFiles();
        return index;
    };
    std::string good(100, 'p');
    const std::uint64_t first = AppendFiles(good, {{"a.mo", "AAAA"}, {"b.mo", "BBBB"}, {"c.mo", "CCCC"}});
    const std::uint64_t second = first + 24 + 4, third = second + 24 + 4;

    EXPECT_TRUE(scan(good, first)->AppendedFileExists("c.mo"));
    EXPECT_FALSE(scan(good, 0)->AppendedFileExists("a.mo"));
    EXPECT_FALSE(scan(good, good.size() + 10)->AppendedFileExists("a.mo"));

    // The second entry points back at the first: the scan must end.
    std::string loop = good;
    for (int i = 0; i < 8; ++i) loop[second + i] = static_cast<char>((first >> (8 * i)) & 0xff);
    auto index = scan(loop, first);
    EXPECT_TRUE(index->AppendedFileExists("a.mo"));
    EXPECT_FALSE(index->AppendedFileExists("b.mo"));

    // The second file claims more bytes than the executable has.
    std::string lying = good;
    lying[second + 16 + 3] = 0x7f;
    index = scan(lying, first);
    EXPECT_TRUE(index->AppendedFileExists("a.mo"));
    EXPECT_FALSE(index->AppendedFileExists("b.mo"));

    // A duplicate name ends the scan.
    std::string twice(100, 'p');
    const std::uint64_t start = AppendFiles(twice, {{"a.mo", "1"}, {"A.MO", "2"}, {"c.mo", "3"}});
    index = scan(twice, start);
    std::string file;
    std::uint64_t offset, size;
    index->AppendedFileInfo("a.mo", file, offset, size);
    EXPECT_EQ(twice.substr(offset, size), "1");
    EXPECT_FALSE(index->AppendedFileExists("c.mo"));

    // Cut inside the third entry.
    index = scan(good.substr(0, third + 10), first);
    EXPECT_TRUE(index->AppendedFileExists("b.mo"));
    EXPECT_FALSE(index->AppendedFileExists("c.mo"));
}

// Runs in a copy of this program that carries an appended catalog (below).
TEST(AppendedFiles, ChildFindsTheCatalogAppendedToItself) {
    if (!std::getenv("TALLYVO_I18N_APPENDED_CHILD")) GTEST_SKIP() << "runs inside the packaged copy";
    ASSERT_NE(tv::AppendedFiles(), nullptr);
    EXPECT_TRUE(tv::AppendedFiles()->AppendedFileExists("locale/es/LC_MESSAGES/default.mo"));
    EXPECT_FALSE(std::filesystem::exists(tv::DefaultInstance()->BaseDirectory()));
    EXPECT_EQ(tv::DefaultInstance()->LanguageCode(), "es_CO");
    EXPECT_EQ(tv::TranslateText("Restore"), "Restaurar (anexo)");
}

TEST(AppendedFiles, APackagedExecutableFindsItsCatalogThroughTheMarker) {
    if (std::getenv("TALLYVO_I18N_APPENDED_CHILD")) GTEST_SKIP();
    tvtest::TempDir dir;
    std::string program = ReadFile("/proc/self/exe");
    std::string marker;
    for (std::size_t i = 0; i < tv::TAssemblyAnalyzer::kMarkerTextLength; ++i)
        marker += static_cast<char>(tv::TAssemblyAnalyzer::Marker()[i]);
    const std::size_t at = program.find(marker);
    ASSERT_NE(at, std::string::npos);
    ASSERT_EQ(program.find(marker, at + 1), std::string::npos);
    ASSERT_EQ(program.substr(at + marker.size(), 8), std::string(8, '\0'));

    const std::uint64_t first =
        AppendFiles(program, {{"locale/es/LC_MESSAGES/default.mo", CatalogBytes(dir, "Restaurar (anexo)")}});
    for (int i = 0; i < 8; ++i) program[at + marker.size() + i] = static_cast<char>((first >> (8 * i)) & 0xff);
    const std::string copy = dir.file("station");
    WriteFile(copy, program);
    std::filesystem::permissions(copy, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);

    const std::string command = "TALLYVO_I18N_APPENDED_CHILD=1 LANG=es_CO.UTF-8 '" + copy +
                                "' --gtest_filter=AppendedFiles.ChildFindsTheCatalogAppendedToItself > '" +
                                dir.file("child.txt") + "' 2>&1";
    const int status = std::system(command.c_str());
    const std::string output = ReadFile(dir.file("child.txt"));
    ASSERT_TRUE(WIFEXITED(status)) << output;
    EXPECT_EQ(WEXITSTATUS(status), 0) << output;
    EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
    EXPECT_EQ(output.find("SKIPPED"), std::string::npos) << output;
}
