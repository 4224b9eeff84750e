#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

#include "i18n/gnugettextinstance.h"
#include "i18n/mofile.h"
#include "i18n/postring.h"
#include "tests/i18n/catalogs.h"
#include "tests/support/tempdir.h"

using namespace i18ntest;
using tv::TGnuGettextInstance;

TEST(EscapePoString, QuotesTextsAsPoStrings) {
    struct Case {
        std::string text;
        std::string po;
    } cases[] = {
        {"", "\"\""},
        {"Cerrar", "\"Cerrar\""},
        {"Año ñ", "\"Año ñ\""},
        {"one\ntwo", "\"one\\n\"\r\n\"two\""},
        {"ends\n", "\"ends\\n\"\r\n\"\""},
        {"a\r\nb", "\"a\\r\\n\"\r\n\"b\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"C:\\temp", "\"C:\\\\temp\""},
        {"a\tb", "\"a\\tb\""},
        {std::string("x\x01" "7y", 4), "\"x\\0017y\""},
    };
    for (const Case& c : cases) EXPECT_EQ(tv::EscapePoString(c.text), c.po) << c.text;
}

namespace {

class UntranslatedLog : public ::testing::Test {
protected:
    UntranslatedLog() {
        const std::string d = dir.path().string();
        BuildCatalog(d, "es", "default",
                     PoHeader() + "msgid \"Close\"\nmsgstr \"Cerrar\"\n\nmsgid \"Same\"\nmsgstr \"Same\"\n");
        BuildCatalog(d, "es", "cport", PoHeader() + "msgid \"Port\"\nmsgstr \"Puerto\"\n");
        gt.BindTextDomain("default", d);
        gt.BindTextDomain("cport", d);
        gt.UseLanguage("es");
    }
    std::string Log() const { return ReadFile(dir.file("untranslated.po")); }

    tvtest::TempDir dir;
    TGnuGettextInstance gt;
};

} // namespace

TEST_F(UntranslatedLog, WritesEachUntranslatedDefaultIdOnce) {
    gt.TranslateText("Not yet");  // closed log: nothing
    gt.OpenUntranslatedLog(dir.file("untranslated.po"));
    gt.TranslateText("Close");
    gt.TranslateText("Not yet");
    gt.TranslateText("Not yet");
    gt.TranslateText("Same");
    gt.TranslateText("");
    gt.TranslateInDomain("cport", "Port");
    gt.TranslateInDomain("cport", "Not in cport");
    gt.TranslateInDomain("Default", "Case matters");
    gt.TranslateText("Two\nlines\n");
    gt.SetEnabled(false);
    gt.TranslateText("Disabled");
    EXPECT_EQ(Log(),
              "msgid \"Not yet\"\r\nmsgstr \"\"\r\n\r\n"
              "msgid \"Same\"\r\nmsgstr \"\"\r\n\r\n"
              "msgid \"Two\\n\"\r\n\"lines\\n\"\r\n\"\"\r\nmsgstr \"\"\r\n\r\n");
}

TEST_F(UntranslatedLog, IsACatalogMsgfmtReads) {
    gt.OpenUntranslatedLog(dir.file("untranslated.po"));
    const std::vector<std::string> ids = {"Plain", "Two\nlines", "Tab\there", "Quote \"q\"", "Back\\slash",
                                          "CR LF\r\nend", "Bell\x07" "1", "Año"};
    for (const auto& id : ids) gt.TranslateText(id);

    // A translator fills in the entries; msgfmt must read back the same ids.
    std::string po = PoHeader() + Log();
    po = std::regex_replace(po, std::regex("msgstr \"\""), "msgstr \"T\"");
    po = std::regex_replace(po, std::regex("msgid \"\"\r?\nmsgstr \"T\""), "msgid \"\"\nmsgstr \"\"", std::regex_constants::format_first_only);
    WriteFile(dir.file("filled.po"), po);
    Msgfmt(dir.file("filled.po"), dir.file("filled.mo"));
    tv::TMoFile mo(dir.file("filled.mo"));
    for (const auto& id : ids) {
        EXPECT_EQ(gt.TranslateText(id), id);  // no catalog yet
    }
    gt.BindTextDomain("default", dir.path().string() + "/filled");
    std::filesystem::create_directories(dir.path() / "filled/es/LC_MESSAGES");
    std::filesystem::copy_file(dir.file("filled.mo"), dir.file("filled/es/LC_MESSAGES/default.mo"));
    for (const auto& id : ids) {
        std::string key;
        for (char c : id)
            if (c != '\r') key += c;
        EXPECT_EQ(mo.Find(key), "T") << id;
        EXPECT_EQ(gt.TranslateText(id), "T") << id;
    }
}
