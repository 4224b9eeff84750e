#include "framework/core/exceptions.h"
#include "framework/core/resourcestrings.h"
#include "framework/core/unitinit.h"
#include "i18n/gnugettext.h"
#include "tests/i18n/catalogs.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

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
