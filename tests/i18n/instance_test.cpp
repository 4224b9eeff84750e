#include <filesystem>
#include <gtest/gtest.h>

#include "core/exceptions.h"
#include "i18n/domain.h"
#include "i18n/gnugettextinstance.h"
#include "i18n/language.h"
#include "tests/i18n/catalogs.h"
#include "tests/support/tempdir.h"

using namespace i18ntest;
using tv::TGnuGettextInstance;

namespace {

class Translation : public ::testing::Test {
protected:
    Translation() {
        const std::string d = dir.path().string();
        BuildCatalog(d, "es", "default",
                     PoHeader("nplurals=2; plural=(n != 1);") +
                         "msgid \"Close\"\nmsgstr \"Cerrar\"\n\n"
                         "msgid \"Two\\nlines\"\nmsgstr \"Dos\\nlíneas\"\n\n"
                         "msgid \"Same\"\nmsgstr \"Same\"\n\n"
                         "msgid \"%d article\"\nmsgid_plural \"%d articles\"\n"
                         "msgstr[0] \"%d artículo\"\nmsgstr[1] \"%d artículos\"\n");
        BuildCatalog(d, "es_CO", "default", PoHeader() + "msgid \"Close\"\nmsgstr \"Cerrar (Colombia)\"\n");
        BuildCatalog(d, "es", "cport", PoHeader() + "msgid \"Port\"\nmsgstr \"Puerto\"\n");
        BuildCatalog(d, "de", "default", PoHeader() + "msgid \"Close\"\nmsgstr \"Schließen\"\n");
    }
    void Bind(TGnuGettextInstance& gt) {
        gt.BindTextDomain("default", dir.path().string());
        gt.BindTextDomain("cport", dir.path().string());
    }

    tvtest::TempDir dir;
};

} // namespace

TEST_F(Translation, LooksUpByDomainAndLanguage) {
    TGnuGettextInstance gt;
    Bind(gt);
    gt.UseLanguage("es");
    EXPECT_EQ(gt.TranslateText("Close"), "Cerrar");
    EXPECT_EQ(gt.TranslateInDomain("cport", "Port"), "Puerto");
    EXPECT_EQ(gt.TranslateInDomain("default", "Port"), "Port");
    EXPECT_EQ(gt.TranslateInDomain("CPORT", "Port"), "Puerto");
    EXPECT_EQ(gt.TranslateText("Not in any catalog"), "Not in any catalog");

    gt.SetTextDomain("cport");
    EXPECT_EQ(gt.TranslateText("Port"), "Puerto");

    gt.UseLanguage("de_DE");
    EXPECT_EQ(gt.TranslateInDomain("default", "Close"), "Schließen");
    EXPECT_EQ(gt.TranslateInDomain("cport", "Port"), "Port");

    gt.SetEnabled(false);
    EXPECT_EQ(gt.TranslateInDomain("default", "Close"), "Close");
}

TEST_F(Translation, FallsBackFromTheCountryToTheLanguage) {
    TGnuGettextInstance gt;
    Bind(gt);
    struct Case {
        const char* language;
        const char* close;
        const char* port;
    } cases[] = {
        {"es_CO", "Cerrar (Colombia)", "Puerto"},  // "cport" has only "es"
        {"es_MX", "Cerrar", "Puerto"},
        {"es", "Cerrar", "Puerto"},
        {"fr_FR", "Close", "Port"},
        {"C", "Close", "Port"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        gt.UseLanguage(c.language);
        EXPECT_EQ(gt.LanguageCode(), c.language);
        EXPECT_EQ(gt.TranslateText("Close"), c.close);
        EXPECT_EQ(gt.TranslateInDomain("cport", "Port"), c.port);
    }
}

TEST_F(Translation, ChoosesTheLanguageFromTheEnvironment) {
    struct Case {
        const char* lang;
        const char* lcAll;
        const char* lcMessages;
        const char* language;
        const char* chosen;
    } cases[] = {
        {"de_DE.UTF-8", "es_CO.UTF-8", nullptr, nullptr, "de_DE"},
        {"es_CO.ISO-8859-1", nullptr, nullptr, nullptr, "es_CO"},
        {nullptr, "es_CO.UTF-8", "de_DE", nullptr, "es_CO"},
        {nullptr, nullptr, "de_AT.UTF-8", "fr_FR", "de_AT"},
        {nullptr, nullptr, nullptr, "pt_BR:es_ES", "pt_BR"},
        // A LANG that names no language leaves the choice to the user's locale...
        {"C.UTF-8", nullptr, "de_AT.UTF-8", nullptr, "de_AT"},
        // ...and where nothing names one, the station's own setting holds.
        {"C.UTF-8", nullptr, nullptr, nullptr, "es_CO"},
        {"C", nullptr, nullptr, nullptr, "es_CO"},
        {"POSIX", nullptr, nullptr, nullptr, "es_CO"},
        {nullptr, "C", nullptr, nullptr, "es_CO"},
        {nullptr, nullptr, "POSIX", "C", "es_CO"},
        {nullptr, nullptr, nullptr, nullptr, "es_CO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        ScopedEnv lang("LANG", c.lang), all("LC_ALL", c.lcAll), messages("LC_MESSAGES", c.lcMessages),
            language("LANGUAGE", c.language);
        TGnuGettextInstance gt;
        EXPECT_EQ(gt.LanguageCode(), c.chosen);
    }
    ScopedEnv lang("LANG", "de_DE.UTF-8");
    TGnuGettextInstance gt;
    Bind(gt);
    EXPECT_EQ(gt.TranslateText("Close"), "Schließen");  // from de, since de_DE has none
    gt.UseLanguage("");
    EXPECT_EQ(gt.LanguageCode(), "de_DE");
}

TEST_F(Translation, DefaultDomainLooksBesideTheExecutable) {
    TGnuGettextInstance gt;
    const std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();
    EXPECT_EQ(gt.BaseDirectory(), exe.substr(0, exe.rfind('/') + 1) + "locale");
    tv::TDomain domain("default");
    domain.SetDirectory(gt.BaseDirectory());
    domain.SetLanguageCode("es_CO");
    EXPECT_EQ(domain.Directory(), gt.BaseDirectory() + "/");
}

TEST_F(Translation, KeepsLineEndsAndNeverAnswersTheEmptyIdWithTheHeader) {
    TGnuGettextInstance gt;
    Bind(gt);
    gt.UseLanguage("es");
    EXPECT_EQ(gt.TranslateText("Two\nlines"), "Dos\nlíneas");
    EXPECT_EQ(gt.TranslateText("Two\r\nlines"), "Dos\r\nlíneas");
    // Untranslated texts come back exactly as given.
    EXPECT_EQ(gt.TranslateText("Other\nlines"), "Other\nlines");
    EXPECT_EQ(gt.TranslateText("Other\r\nlines"), "Other\r\nlines");
    EXPECT_EQ(gt.TranslateText(""), "");
}

TEST_F(Translation, ChoosesPluralFormsByTheCatalogsExpression) {
    const std::string d = dir.path().string();
    // Polish has three forms; the catalog's expression decides, whatever the
    // language code says.
    BuildCatalog(d, "pl", "default",
                 PoHeader("nplurals=3; plural=(n==1 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2);") +
                     "msgid \"%d article\"\nmsgid_plural \"%d articles\"\n"
                     "msgstr[0] \"%d artykuł\"\nmsgstr[1] \"%d artykuły\"\nmsgstr[2] \"%d artykułów\"\n");
    // Without a Plural-Forms line the language's rule applies (Russian: three forms).
    BuildCatalog(d, "ru", "default",
                 PoHeader() + "msgid \"%d article\"\nmsgid_plural \"%d articles\"\n"
                              "msgstr[0] \"%d статья\"\nmsgstr[1] \"%d статьи\"\nmsgstr[2] \"%d статей\"\n",
                 "--no-hash");
    TGnuGettextInstance gt;
    Bind(gt);
    struct Case {
        const char* language;
        int count;
        const char* text;
    } cases[] = {
        {"es_MX", 1, "%d artículo"}, {"es_MX", 0, "%d artículos"}, {"es_MX", 2, "%d artículos"},
        {"es_MX", -1, "%d artículo"},
        {"pl_PL", 1, "%d artykuł"},  {"pl_PL", 3, "%d artykuły"},  {"pl_PL", 5, "%d artykułów"},
        {"pl_PL", 22, "%d artykuły"}, {"pl_PL", 112, "%d artykułów"},
        {"ru_RU", 21, "%d статья"},  {"ru_RU", 3, "%d статьи"},    {"ru_RU", 11, "%d статей"},
        {"fr_FR", 1, "%d article"},  {"fr_FR", 5, "%d articles"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " " + std::to_string(c.count));
        gt.UseLanguage(c.language);
        EXPECT_EQ(gt.NTranslateInDomain("default", "%d article", "%d articles", c.count), c.text);
    }
    gt.UseLanguage("es");
    EXPECT_EQ(gt.NTranslateInDomain("default", "%d box", "%d boxes", 1), "%d box");
    EXPECT_EQ(gt.NTranslateInDomain("default", "%d box", "%d boxes", 7), "%d boxes");
}

TEST_F(Translation, BadCatalogsLeaveTextsUntranslated) {
    const std::string d = dir.path().string();
    const std::string entry = "msgid \"%d article\"\nmsgid_plural \"%d articles\"\n"
                              "msgstr[0] \"%d artículo\"\nmsgstr[1] \"%d artículos\"\n\n"
                              "msgid \"Close\"\nmsgstr \"Cerrar\"\n";
    // A plural expression that does not parse, one that divides by zero, one
    // that points past the forms.
    BuildCatalog(d, "xa", "default", PoHeader("nplurals=2; plural=n !!= 1;") + entry);
    BuildCatalog(d, "xb", "default", PoHeader("nplurals=2; plural=n % 0;") + entry);
    BuildCatalog(d, "xc", "default", PoHeader("nplurals=2; plural=n*3;") + entry);
    // A catalog cut in half, and one whose string table points outside the file.
    const std::string good = ReadFile(BuildCatalog(d, "xd", "default", PoHeader() + entry));
    WriteFile(d + "/xd/LC_MESSAGES/default.mo", good.substr(0, good.size() / 2));
    std::filesystem::create_directories(d + "/xe/LC_MESSAGES");
    std::string lying = good;
    lying[16] = static_cast<char>(0xf0);
    WriteFile(d + "/xe/LC_MESSAGES/default.mo", lying);
    // A directory where the catalog should be.
    std::filesystem::create_directories(d + "/xf/LC_MESSAGES/default.mo");

    TGnuGettextInstance gt;
    Bind(gt);
    for (const char* language : {"xa", "xb", "xc"}) {
        SCOPED_TRACE(language);
        gt.UseLanguage(language);
        EXPECT_EQ(gt.NTranslateInDomain("default", "%d article", "%d articles", 1), "%d article");
        EXPECT_EQ(gt.NTranslateInDomain("default", "%d article", "%d articles", 9), "%d articles");
        EXPECT_EQ(gt.TranslateText("Close"), "Cerrar");
    }
    for (const char* language : {"xd", "xe", "xf", "missing"}) {
        SCOPED_TRACE(language);
        gt.UseLanguage(language);
        EXPECT_EQ(gt.TranslateText("Close"), "Close");
        EXPECT_EQ(gt.NTranslateInDomain("default", "%d article", "%d articles", 2), "%d articles");
    }
}

TEST_F(Translation, ATranslationThatIsNotUtf8RaisesTheCouldNotTranslateError) {
    const std::string d = dir.path().string();
    BuildCatalog(d, "xl", "default",
                 "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=ISO-8859-1\\n\"\n\n"
                 "msgid \"Close\"\nmsgstr \"Cerrar\"\n\nmsgid \"Year\"\nmsgstr \"A\xf1o\"\n");
    TGnuGettextInstance gt;
    Bind(gt);
    gt.UseLanguage("xl");
    EXPECT_EQ(gt.TranslateText("Close"), "Cerrar");
    try {
        gt.TranslateText("Year");
        ADD_FAILURE() << "no error";
    } catch (const tv::Exception& e) {
        EXPECT_EQ(e.Message(), "Error: Could not translate Year. Probably because the mo file doesn't contain "
                               "utf-8 encoded translations.");
    }
}
