// The station's command line: sizes are read whole or refused, unknown options
// are refused, --help and --version win over starting.
#include <gtest/gtest.h>

#include "app/startup/lineaordenes.h"

using namespace tv::app;
using Accion = LineaOrdenes::Accion;

TEST(LineaOrdenes, SizesAreReadWholeOrRefused) {
    const struct {
        std::vector<std::string> args;
        int ancho, alto;
    } validos[] = {
        {{"--size", "1280x800"}, 1280, 800},
        {{"--size=1024x768", "--fullscreen"}, 1024, 768},
        {{}, 0, 0},
    };
    for (const auto& c : validos) {
        LineaOrdenes l = lea_linea_ordenes(c.args);
        EXPECT_EQ(l.accion, Accion::Ejecutar) << l.error;
        EXPECT_EQ(l.ancho, c.ancho);
        EXPECT_EQ(l.alto, c.alto);
    }
    for (const char* malo :
         {"abc", "1280", "1280x", "x800", "1280x800x", "0x600", "-5x600", "1280X800", "99999x800", " 1280x800", ""}) {
        LineaOrdenes l = lea_linea_ordenes({"--size", malo});
        EXPECT_EQ(l.accion, Accion::Error) << malo;
        EXPECT_NE(l.error.find(std::string("«") + malo + "»"), std::string::npos) << l.error;
    }
    EXPECT_EQ(lea_linea_ordenes({"--size"}).accion, Accion::Error);
}

TEST(LineaOrdenes, UnknownOptionsAreRefusedAndHelpWins) {
    LineaOrdenes l = lea_linea_ordenes({"--fullscreen", "--tamano", "1280x800"});
    EXPECT_EQ(l.accion, Accion::Error);
    EXPECT_EQ(l.error, "opción desconocida: «--tamano»");
    EXPECT_EQ(lea_linea_ordenes({"demo"}).accion, Accion::Error);
    EXPECT_EQ(lea_linea_ordenes({"--version", "--help"}).accion, Accion::Ayuda);
    EXPECT_EQ(lea_linea_ordenes({"--headless", "--version"}).accion, Accion::Version);
    // A bad option is refused even beside --help: nothing is guessed.
    EXPECT_EQ(lea_linea_ordenes({"--help", "--size", "abc"}).accion, Accion::Error);
    EXPECT_TRUE(lea_linea_ordenes({"--headless"}).sin_pantalla);
}
