// The station's local files in the application directory the registry names.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <fstream>
#include <sstream>

#include "app/data/archivos.h"
#include "core/datetime.h"
#include "core/formatsettings.h"
#include "core/registry.h"
#include "tests/support/app/modulos.h"

using namespace tv::app;
using apptest::AvisosGuionados;
using apptest::DirectorioAplicacion;

namespace {
void Escriba(const std::string& ruta, const std::string& bytes) { std::ofstream(ruta, std::ios::binary) << bytes; }
std::string Lea(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}
} // namespace

TEST(Archivos, TheDirectoryComesFromTheRegistryEveryTime) {
    AvisosGuionados avisos;
    DirectorioAplicacion dir;
    EXPECT_EQ(diraplicacion(), dir.Carpeta());
    EXPECT_EQ(archivo_aplicacion("SERVIDORES.cfg"), dir.Carpeta() + "/SERVIDORES.cfg");
    {
        tv::TRegistry r;
        r.SetRootKey(tv::HKEY_LOCAL_MACHINE);
        r.DeleteKey(kClaveAplicacion);
    }
    EXPECT_EQ(diraplicacion(), "");
    ASSERT_EQ(avisos.mostrados.size(), 1u);
    EXPECT_NE(avisos.mostrados[0].second.find("HKEY_LOCAL_MACHINE\\Software\\Orvane\\Tallyvo2008"), std::string::npos);
    EXPECT_NE(avisos.mostrados[0].second.find("Directorio"), std::string::npos);
}

TEST(Archivos, ServerListOneEntryPerLineWhateverTheLineEnds) {
    DirectorioAplicacion dir;
    std::string ruta = dir.Ruta("SERVIDORES.cfg");
    const std::pair<const char*, std::vector<std::string>> casos[] = {
        {"localhost:/srv/a\nservidor2:/srv/b\n", {"localhost:/srv/a", "servidor2:/srv/b"}},
        {"localhost:/srv/a\r\nservidor2:/srv/b\r\n", {"localhost:/srv/a", "servidor2:/srv/b"}},
        {"localhost:/srv/a\rservidor2:/srv/b", {"localhost:/srv/a", "servidor2:/srv/b"}},  // no byte swallowed
        {"/srv/solo", {"/srv/solo"}},                                                        // last line without end
        {"a\n\nb\n", {"a", "", "b"}},
        {"", {}},
    };
    for (const auto& [bytes, esperado] : casos) {
        Escriba(ruta, bytes);
        EXPECT_EQ(lea_servidores(ruta), esperado) << bytes;
    }
    EXPECT_TRUE(lea_servidores(dir.Ruta("no-existe.cfg")).empty());
}

TEST(Archivos, ServerLinesThatAreNoTextAndOversizedFilesAreRefusedInSpanish) {
    AvisosGuionados avisos;
    DirectorioAplicacion dir;
    const std::string ruta = dir.Ruta("SERVIDORES.cfg");
    Escriba(ruta, std::string("uno\r\nlocal\0host:/srv\r\n", 23) + std::string(256, 'x') + "\r\n" +
                      std::string(255, 'y') + "\r\nta\bb\r\n");
    EXPECT_EQ(lea_servidores(ruta), (std::vector<std::string>{"uno", std::string(255, 'y')}));
    EXPECT_EQ(avisos.Textos(), std::vector<std::string>{"Se omitieron las líneas 2, 3, 5 del archivo " + ruta +
                                                        ": tienen caracteres que no son texto o más de 255 caracteres."});
    avisos.mostrados.clear();
    Escriba(ruta, std::string(10 << 20, 'a'));
    EXPECT_TRUE(lea_servidores(ruta).empty());
    EXPECT_EQ(avisos.Textos(), std::vector<std::string>{"El archivo " + ruta +
                                                        " tiene 10485760 bytes, más de lo que cabe en una lista de "
                                                        "servidores; no se leyó."});
}

TEST(Archivos, ConnectionFileLosesOnlyItsLineEnd) {
    AvisosGuionados avisos;
    DirectorioAplicacion dir;
    std::string ruta = dir.Ruta("conexion.cfg"), ubicacion;
    for (const char* bytes : {"localhost:/srv/tallyvo\r\n", "localhost:/srv/tallyvo\n", "localhost:/srv/tallyvo"}) {
        Escriba(ruta, bytes);
        ASSERT_TRUE(lea_ubicacion(ruta, ubicacion));
        EXPECT_EQ(ubicacion, "localhost:/srv/tallyvo");
    }
    EXPECT_FALSE(lea_ubicacion(dir.Ruta("falta.cfg"), ubicacion));
    EXPECT_EQ(ubicacion, "");
    EXPECT_EQ(avisos.Textos(), std::vector<std::string>{"No se encontró el archivo de conexión con la base de datos."});
}

TEST(Archivos, PrinterMapMatchesTheWholeName) {
    AvisosGuionados avisos;
    DirectorioAplicacion dir;
    std::string ruta = dir.Ruta("impresoras.cfg");
    Escriba(ruta, "SUBFACTURA,Epson sótano\r\nFACTURA,\nFACTURA,Epson TM-T20\nREMISION,HP LaserJet\n");
    std::string impresora = "previa";
    ASSERT_TRUE(lea_impresora(ruta, "FACTURA", impresora));
    EXPECT_EQ(impresora, "Epson TM-T20");
    lea_impresora(ruta, "REMISION", impresora);
    EXPECT_EQ(impresora, "HP LaserJet");
    lea_impresora(ruta, "COTIZACION", impresora);
    EXPECT_EQ(impresora, "");
    impresora = "queda";
    EXPECT_FALSE(lea_impresora(dir.Ruta("otro.cfg"), "FACTURA", impresora));
    EXPECT_EQ(impresora, "queda");
    EXPECT_EQ(avisos.Textos(), std::vector<std::string>{"Error abriendo el archivo" + dir.Ruta("otro.cfg")});
}

TEST(Archivos, ErrorLogAppendsOneLinePerError) {
    DirectorioAplicacion dir;
    tv::SetClock([] { return tv::EncodeDateTime(2026, 3, 7, 14, 5, 9, 0); });
    tv::FormatSettings.ShortDateFormat = "yyyy/mm/dd";
    std::string ruta = dir.Ruta("ERRORES.TXT");
    anote_error(ruta, "", "primero");
    anote_error(ruta, "CAJERO", "SQL Server Error: violation\nsegunda línea");
    tv::SetClock(nullptr);
    tv::ResetFormatSettings();
    EXPECT_EQ(Lea(ruta), "2026/03/07,14:05:09,,primero\n"
                         "2026/03/07,14:05:09,CAJERO,SQL Server Error: violation segunda línea\n");
    // A full disk is reported, not taken for success.
    EXPECT_THROW(anote_error("/dev/full", "CAJERO", "sin espacio"), tv::EInOutError);
}

TEST(Archivos, ALogLineIsWrittenWholeOrNotAtAll) {
    DirectorioAplicacion dir;
    const std::string ruta = dir.Ruta("ERRORES.TXT");
    anote_error(ruta, "CAJERO", "primero");
    const std::string antes = Lea(ruta);
    {
        // A disk with room for 100 more bytes of the file.
        struct rlimit limite {};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limite), 0);
        auto senal = signal(SIGXFSZ, SIG_IGN);
        struct rlimit corto = limite;
        corto.rlim_cur = antes.size() + 100;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &corto), 0);
        std::string mensaje;
        try {
            anote_error(ruta, "CAJERO", std::string(389, 'x'));
        } catch (const tv::EInOutError& e) {
            mensaje = e.Message();
        }
        setrlimit(RLIMIT_FSIZE, &limite);
        signal(SIGXFSZ, senal);
        EXPECT_EQ(mensaje, "No se pudo escribir el registro de errores " + ruta +
                               ": el archivo alcanzó el tamaño máximo permitido.");
    }
    EXPECT_EQ(Lea(ruta), antes);
    std::string mensaje;
    try {
        anote_error("/dev/full", "CAJERO", "sin espacio");
    } catch (const tv::EInOutError& e) {
        mensaje = e.Message();
    }
    EXPECT_EQ(mensaje, "No se pudo escribir el registro de errores /dev/full: el disco está lleno.");

    // A fragment that an older program left keeps its own line.
    Escriba(ruta, antes + "2026/03/07,14:05:09,CAJERO,cortad");
    anote_error(ruta, "CAJERO", "siguiente");
    const std::string despues = Lea(ruta);
    EXPECT_EQ(despues.substr(0, antes.size() + 34), antes + "2026/03/07,14:05:09,CAJERO,cortad\n");
    EXPECT_EQ(despues.substr(despues.size() - 18), ",CAJERO,siguiente\n") << despues;
}
