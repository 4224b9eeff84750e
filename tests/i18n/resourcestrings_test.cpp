#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

#include "core/datetime.h"
#include "core/exceptions.h"
#include "core/resourcestrings.h"
#include "core/unitinit.h"
#include "i18n/domain.h"
#include "i18n/gnugettext.h"
#include "tests/i18n/catalogs.h"
#include "tests/support/tempdir.h"

using namespace i18ntest;

namespace {

TV_RESOURCESTRING(SRestore, "Restore")
TV_RESOURCESTRING(SAvailableSkins, "Available skins")
TV_RESOURCESTRING(SPortOnly, "Registry error")
TV_RESOURCESTRING(STwoLines, "Line one\nline two")
TV_RESOURCESTRING(SNotUtf8, "Year")

// Each test starts the translation unit afresh, as the program does once.
class ResourceStrings : public ::testing::Test {
protected:
    ResourceStrings() {
        tv::FinalizeTranslation();
        tv::InitializeTranslation();
        const std::string d = dir.path().string();
        // Latin-1 declared: the "Year" entry is no UTF-8, the others are plain bytes.
        BuildCatalog(d, "es", "default",
                     "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=ISO-8859-1\\n\"\n\n"
                     "msgid \"Restore\"\nmsgstr \"Restaurar\"\n\n"
                                  "msgid \"Line one\\nline two\"\nmsgstr \"Línea uno\\nlínea dos\"\n\n"
                                  "msgid \"Year\"\nmsgstr \"A\xf1o\"\n");
        BuildCatalog(d, "es", "cport",
                     PoHeader() + "msgid \"Registry error\"\nmsgstr \"Error del registro\"\n\n"
                                  "msgid \"Restore\"\nmsgstr \"Restaurar puerto\"\n\n"
                                  "msgid \"Year\"\nmsgstr \"Año\"\n");
        Instance().BindTextDomain("default", d);
        Instance().BindTextDomain("cport", d);
        Instance().UseLanguage("es_CO");
    }
    ~ResourceStrings() override {
        tv::FinalizeTranslation();
        tv::InitializeTranslation();
    }
    static tv::TGnuGettextInstance& Instance() { return *tv::DefaultInstance(); }

    tvtest::TempDir dir;
};

} // namespace

TEST(TranslationUnit, StartsAsAUnitOfTheProgram) {
    const auto order = tv::UnitOrder();
    EXPECT_NE(std::find(order.begin(), order.end(), "translation"), order.end());
    ASSERT_NE(tv::DefaultInstance(), nullptr);
    EXPECT_EQ(tv::DefaultInstance()->TextDomain(), "default");
    EXPECT_TRUE(tv::DefaultInstance()->Enabled());
}

TEST_F(ResourceStrings, PassThroughTheDomainsInOrder) {
    EXPECT_EQ(tv::LoadResString(SRestore), "Restaurar");
    EXPECT_EQ(tv::LoadResString(SAvailableSkins), "Available skins");
    EXPECT_EQ(tv::LoadResString(STwoLines), "Línea uno\nlínea dos");
    EXPECT_EQ(tv::LoadResString(SPortOnly), "Registry error");

    tv::AddResourceStringDomain("cport");
    EXPECT_EQ(tv::LoadResString(SPortOnly), "Error del registro");
    EXPECT_EQ(tv::LoadResString(SRestore), "Restaurar");  // "default" first
    // "default" cannot decode its entry; "cport" is asked instead of failing.
    EXPECT_EQ(tv::LoadResString(SNotUtf8), "Año");
    EXPECT_THROW(tv::TranslateText("Year"), tv::Exception);

    EXPECT_EQ(tv::LoadResStringTranslated(nullptr), "");
    const std::string longText(1500, 'x');
    const tv::ResourceString longString{0, longText.c_str()};
    EXPECT_EQ(tv::LoadResString(longString), longText);

    Instance().SetEnabled(false);
    EXPECT_EQ(tv::LoadResString(SRestore), "Restore");
}

TEST_F(ResourceStrings, ABareLineFeedDoesNotStopTheSearchAtDefault) {
    const std::string d = dir.path().string();
    BuildCatalog(d, "es", "cport", PoHeader() + "msgid \"Port\\nclosed\"\nmsgstr \"Puerto\\ncerrado\"\n");
    Instance().UseLanguage("es");
    tv::AddResourceStringDomain("cport");
    const tv::ResourceString text{0, "Port\nclosed"};
    EXPECT_EQ(tv::LoadResString(text), "Puerto\ncerrado");
}

TEST_F(ResourceStrings, AResourceStringOnlyCportTranslatesIsStillLogged) {
    tv::AddResourceStringDomain("cport");
    Instance().OpenUntranslatedLog(dir.file("log.po"));
    EXPECT_EQ(tv::LoadResString(SPortOnly), "Error del registro");
    EXPECT_EQ(tv::LoadResString(SRestore), "Restaurar");
    EXPECT_EQ(ReadFile(dir.file("log.po")), "msgid \"Registry error\"\r\nmsgstr \"\"\r\n\r\n");
}

TEST_F(ResourceStrings, WithoutCatalogsOrAfterShutdownTextsComeBackAsStored) {
    tvtest::TempDir empty;
    Instance().BindTextDomain("default", empty.path().string());
    EXPECT_EQ(tv::LoadResString(SRestore), "Restore");
    Instance().BindTextDomain("default", dir.path().string());
    EXPECT_EQ(tv::LoadResString(SRestore), "Restaurar");

    tv::FinalizeTranslation();
    EXPECT_EQ(tv::DefaultInstance(), nullptr);
    EXPECT_EQ(tv::LoadResString(SRestore), "Restore");
    EXPECT_EQ(tv::TranslateText("Restore"), "Restore");
    tv::TranslateComponent(nullptr);
}

TEST(ShippedCatalogs, TranslateTheWindowMenuAndTheSerialPortIntoSpanish) {
    const std::string locale = std::string(TALLYVO_BINARY_DIR) + "/locale";
    tv::TGnuGettextInstance gt;
    gt.BindTextDomain("default", locale);
    gt.BindTextDomain("cport", locale);
    gt.UseLanguage("es_CO");
    EXPECT_EQ(gt.TranslateText("Restore"), "Restaurar");
    EXPECT_EQ(gt.TranslateText("Available skins"), "Apariencias disponibles");
    EXPECT_EQ(gt.TranslateText("Unable to open com port"), "No se pudo abrir el puerto serie");
    EXPECT_EQ(gt.TranslateInDomain("cport", " Settings "), " Parámetros ");
    EXPECT_EQ(gt.TranslateInDomain("cport", "Registry error"), "Error del registro");
    // The station's executable finds the same catalogs beside it.
    EXPECT_TRUE(std::filesystem::exists(std::string(TALLYVO_BINARY_DIR) + "/app/locale/es/LC_MESSAGES/cport.mo"));
}

namespace {

// The texts of every resource string the program declares, read from its sources.
std::vector<std::string> DeclaredResourceStrings() {
    namespace fs = std::filesystem;
    const std::regex declaration(R"re(TV_RESOURCESTRING(?:_ID)?\(\s*\w+\s*,\s*(?:\d+\s*,\s*)?"((?:[^"\\]|\\.)*)"\s*\))re");
    std::vector<std::string> texts;
    for (const char* folder : {"core", "framework", "platform", "grid", "editors", "gridservices", "skin", "i18n", "serial", "app"}) {
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(TALLYVO_SOURCE_DIR) / folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".h" && ext != ".cpp") continue;
            std::stringstream source;
            source << std::ifstream(entry.path()).rdbuf();
            const std::string text = source.str();
            for (std::sregex_iterator m(text.begin(), text.end(), declaration), end; m != end; ++m) {
                std::string unescaped;
                const std::string literal = (*m)[1];
                for (std::size_t i = 0; i < literal.size(); ++i) {
                    if (literal[i] == '\\' && i + 1 < literal.size()) {
                        ++i;
                        unescaped += literal[i] == 'n' ? '\n' : literal[i];
                    } else {
                        unescaped += literal[i];
                    }
                }
                texts.push_back(unescaped);
            }
        }
    }
    return texts;
}

} // namespace

TEST(ShippedCatalogs, CoverEveryResourceStringOfTheProgram) {
    const std::vector<std::string> texts = DeclaredResourceStrings();
    ASSERT_GT(texts.size(), 60u);
    tv::TDomain catalog("default");
    catalog.SetDirectory(std::string(TALLYVO_BINARY_DIR) + "/locale");
    catalog.SetLanguageCode("es_CO");
    for (const std::string& text : texts) EXPECT_TRUE(catalog.Lookup(text)) << text;
}

TEST(ShippedCatalogs, AnEnvironmentThatNamesNoLanguageGetsSpanish) {
    const std::string locale = std::string(TALLYVO_BINARY_DIR) + "/locale";
    ScopedEnv all("LC_ALL", nullptr), messages("LC_MESSAGES", nullptr), language("LANGUAGE", nullptr);
    for (const char* lang : {static_cast<const char*>(nullptr), "C", "C.UTF-8", "POSIX"}) {
        SCOPED_TRACE(lang ? lang : "(unset)");
        ScopedEnv env("LANG", lang);
        // The unit starts as the program starts it, and finds the shipped catalogs.
        tv::FinalizeTranslation();
        tv::InitializeTranslation();
        tv::AddResourceStringDomain("cport");
        tv::DefaultInstance()->BindTextDomain("default", locale);
        tv::DefaultInstance()->BindTextDomain("cport", locale);
        EXPECT_EQ(tv::DefaultInstance()->LanguageCode(), "es_CO");
        try {
            tv::StrToDate("2026/13/45");
            ADD_FAILURE() << "a date that is none was taken";
        } catch (const tv::EConvertError& e) {
            EXPECT_EQ(e.Message(), "'2026/13/45' no es una fecha válida");
        }
        EXPECT_EQ(tv::TranslateTextInDomain("cport", "Baud rate"), "Velocidad");
        EXPECT_EQ(tv::TranslateText("Unable to open com port"), "No se pudo abrir el puerto serie");
    }
    tv::FinalizeTranslation();
    tv::InitializeTranslation();
}
