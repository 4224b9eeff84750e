#include <cstring>
#include <gtest/gtest.h>

#include "core/exceptions.h"
#include "i18n/mofile.h"
#include "tests/i18n/catalogs.h"
#include "tests/support/tempdir.h"

using namespace i18ntest;

namespace {

const std::string kPo = PoHeader("nplurals=3; plural=(n==1 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2);") +
                        "msgid \"Close\"\nmsgstr \"Zamknij\"\n\n"
                        "msgid \"file\"\nmsgid_plural \"files\"\nmsgstr[0] \"plik\"\nmsgstr[1] \"pliki\"\nmsgstr[2] \"plików\"\n\n"
                        "msgctxt \"menu\"\nmsgid \"Open\"\nmsgstr \"Otwórz menu\"\n\n"
                        "msgid \"Two\\nlines\"\nmsgstr \"Dwie\\nlinie\"\n";

std::string Compile(const tvtest::TempDir& dir, const std::string& options) {
    return BuildCatalog(dir.path().string(), "pl", "default", kPo, options);
}

} // namespace

TEST(MoFile, ReadsCatalogsOfBothByteOrdersWithOrWithoutHashTable) {
    for (const char* options : {"", "--endianness=big", "--endianness=little --no-hash", "--endianness=big --no-hash"}) {
        SCOPED_TRACE(options);
        tvtest::TempDir dir;
        tv::TMoFile mo(Compile(dir, options));
        EXPECT_EQ(mo.Find("Close"), "Zamknij");
        EXPECT_EQ(mo.Find("Two\nlines"), "Dwie\nlinie");
        EXPECT_EQ(mo.Find("file"), "plik");
        EXPECT_EQ(mo.FindForm("file", 2), "plików");
        EXPECT_FALSE(mo.FindForm("file", 3));
        EXPECT_FALSE(mo.Find("files"));
        EXPECT_FALSE(mo.Find("Missing"));
        // Context entries are not plain ids, and the header is no entry.
        EXPECT_FALSE(mo.Find("Open"));
        EXPECT_FALSE(mo.Find(""));
        EXPECT_NE(mo.Header().find("Plural-Forms: nplurals=3;"), std::string_view::npos);
    }
}

TEST(MoFile, ReadsACatalogAtAnOffsetInsideAnotherFile) {
    tvtest::TempDir dir;
    const std::string catalog = ReadFile(Compile(dir, ""));
    const std::string host = dir.file("host.bin");
    WriteFile(host, std::string(1000, 'x') + catalog + std::string(77, 'y'));
    tv::TMoFile mo(host, 1000, catalog.size());
    EXPECT_EQ(mo.Find("Close"), "Zamknij");
}

TEST(MoFile, RejectsDamagedFilesWithTheReadersMessage) {
    tvtest::TempDir dir;
    const std::string good = ReadFile(Compile(dir, "--no-hash"));
    const auto patched = [&](std::size_t at, std::uint32_t value) {
        std::string bytes = good;
        std::memcpy(bytes.data() + at, &value, 4);
        return bytes;
    };
    std::uint32_t translationsTable;
    std::memcpy(&translationsTable, good.data() + 16, 4);

    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"truncated header", good.substr(0, 20)},
        {"truncated strings", good.substr(0, good.size() - 30)},
        {"bad magic", patched(0, 0x12345678)},
        {"unknown major revision", patched(4, 0x00020000)},
        {"count beyond the file", patched(8, 0x10000000)},
        {"table beyond the file", patched(12, 0xfffffff0)},
        {"string length beyond the file", patched(translationsTable + 8, 0x7fffffff)},
        {"string offset beyond the file", patched(translationsTable + 12, 0xfffffff0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = dir.file("bad.mo");
        WriteFile(path, c.bytes);
        try {
            tv::TMoFile mo(path);
            ADD_FAILURE() << "accepted";
        } catch (const tv::Exception& e) {
            EXPECT_EQ(e.Message(), "This file is not a valid GNU gettext mo file: " + path);
        }
    }
    try {
        tv::TMoFile mo(dir.file("missing.mo"));
        ADD_FAILURE() << "accepted";
    } catch (const tv::Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot open file " + dir.file("missing.mo"));
    }
}
