// The subsystem's start-up: after translation, it joins the "cport" domain to
// the resource-string domains and translates its messages from real catalogs.
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "core/unitinit.h"
#include "i18n/gnugettext.h"
#include "serial/comerror.h"
#include "serial/comunit.h"
#include "tests/support/tempdir.h"

using namespace tv;

namespace {

void Catalog(const tvtest::TempDir& dir, const std::string& domain, const std::string& entries) {
    std::filesystem::path folder = dir.path() / "es" / "LC_MESSAGES";
    std::filesystem::create_directories(folder);
    std::string po = (folder / (domain + ".po")).string();
    std::ofstream(po) << "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n" << entries;
    std::string command = "msgfmt -o '" + (folder / (domain + ".mo")).string() + "' '" + po + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

} // namespace

TEST(ComPortUnit, StartsAfterTranslationAndTranslatesItsMessages) {
    std::vector<std::string> order = UnitOrder();
    auto translation = std::find(order.begin(), order.end(), "translation");
    auto serial = std::find(order.begin(), order.end(), "serial_port");
    ASSERT_NE(serial, order.end());
    ASSERT_NE(translation, order.end());
    EXPECT_LT(translation, serial);

    tvtest::TempDir dir;
    Catalog(dir, "default",
            "msgid \"Registry error\"\nmsgstr \"Error del registro\"\n\n"
            "msgid \" (win error code: %d)\"\nmsgstr \" (código de error del sistema: %d)\"\n");
    Catalog(dir, "cport", "msgid \"Setup\"\nmsgstr \"Configuración\"\n");

    InitializeUnits();
    ASSERT_NE(DefaultInstance(), nullptr);
    EXPECT_EQ(TranslateOverResourceStringDomains("Setup"), "Setup");
    DefaultInstance()->BindTextDomain("default", dir.path().string());
    DefaultInstance()->BindTextDomain("cport", dir.path().string());
    DefaultInstance()->UseLanguage("es");
    // What start-up does, now that catalogs are there.
    InitializeComPortUnit();
    EXPECT_EQ(EComPort(23, 5).Message(), "Error del registro (código de error del sistema: 5)");
    EXPECT_EQ(EComPort(16).Message(), "Failed to store settings");
    EXPECT_EQ(TranslateOverResourceStringDomains("Setup"), "Configuración");

    FinalizeUnits();
    EXPECT_EQ(EComPort(23, 5).Message(), "Registry error (win error code: 5)");
}
