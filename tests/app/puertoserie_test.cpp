// A serial port in the running station: its events reach their handlers
// through the application's own message loop, and what fails there reaches the
// central handler (the error log and the error box).
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/data/dm.h"
#include "app/startup/puertoserie.h"
#include "framework/ui/basiccontrols.h"
#include "serial/comerror.h"
#include "serial/comport.h"
#include "tests/support/app/modulos.h"
#include "tests/serial/pty.h"

using namespace tv;
using namespace tv::app;

namespace {

class PuertoSerie : public apptest::ModulosTest {
protected:
    void SetUp() override {
        ModulosTest::SetUp();
        conecte_puerto_serie();
    }
    void TearDown() override {
        desconecte_puerto_serie();
        ModulosTest::TearDown();
    }

    // The loop that Application->Run and every modal window run, until `hecho`
    // answers true; false when ten seconds went by first.
    template <class F>
    bool CorraElBucle(F hecho) {
        bool vencido = false;
        TTimer vigilante;
        vigilante.SetInterval(10000);
        vigilante.OnTimer = [&](TObject*) { vencido = true; };
        while (!hecho() && !vencido) Application->HandleMessage();
        return !vencido;
    }

    std::string Bitacora() {
        std::ifstream f(dir_->Ruta("ERRORES.TXT"), std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
};

const char* Nombre(TSyncMethod metodo) {
    return metodo == smThreadSync ? "smThreadSync" : metodo == smWindowSync ? "smWindowSync" : "smNone";
}

} // namespace

TEST_F(PuertoSerie, TheLoopRunsTheEventsOfAnOpenPortOnTheMainThread) {
    for (TSyncMethod metodo : {smThreadSync, smWindowSync}) {
        SCOPED_TRACE(Nombre(metodo));
        serialtest::PtyPair linea;
        TComPort puerto;
        puerto.SetPort(linea.SlavePath());
        puerto.SetSyncMethod(metodo);
        const std::thread::id principal = std::this_thread::get_id();
        std::string leido;
        bool en_principal = false;
        puerto.OnRxChar = [&](TObject*, int cuantos) {
            en_principal = std::this_thread::get_id() == principal;
            char buf[32];
            leido.append(buf, static_cast<std::size_t>(puerto.Read(buf, std::min(cuantos, 32))));
        };
        puerto.Open();
        linea.Send("12,500 kg");
        EXPECT_TRUE(CorraElBucle([&] { return leido.size() == 9; })) << leido;
        EXPECT_EQ(leido, "12,500 kg");
        EXPECT_TRUE(en_principal);
        puerto.Close();
    }
}

TEST_F(PuertoSerie, AFailingHandlerReachesTheCentralHandler) {
    fdm->registre_ingreso("cajero", "Juan Pérez Cajero", Date());
    int vistos = 0;
    for (TSyncMethod metodo : {smThreadSync, smWindowSync, smNone}) {
        SCOPED_TRACE(Nombre(metodo));
        serialtest::PtyPair linea;
        TComPort puerto;
        puerto.SetPort(linea.SlavePath());
        puerto.SetSyncMethod(metodo);
        puerto.OnRxChar = [&](TObject*, int) {
            char buf[32];
            puerto.Read(buf, sizeof buf);
            throw Exception(std::string("La balanza no responde (") + Nombre(metodo) + ")");
        };
        puerto.Open();
        linea.Send("?");
        // Without synchronisation the handler fails on the event thread; the
        // report still waits for the main thread's loop.
        EXPECT_TRUE(CorraElBucle([&] { return static_cast<int>(avisos_.mostrados.size()) > vistos; }));
        puerto.Close();
        ASSERT_EQ(avisos_.mostrados.size(), static_cast<std::size_t>(++vistos));
        EXPECT_EQ(avisos_.mostrados.back().first, TTipoAviso::taError);
        EXPECT_NE(avisos_.mostrados.back().second.find(Nombre(metodo)), std::string::npos)
            << avisos_.mostrados.back().second;
        EXPECT_NE(Bitacora().find(",CAJERO,La balanza no responde (" + std::string(Nombre(metodo)) + ")\n"),
                  std::string::npos)
            << Bitacora();
    }
}

TEST_F(PuertoSerie, APortThatFailsToOpenWhileItsWindowIsReadIsLoggedAndShown) {
    TComPort puerto;
    puerto.SetPort("/dev/tallyvo-no-hay-puerto");
    puerto.IncludeState(csLoading);
    puerto.SetConnected(true);
    EXPECT_NO_THROW(puerto.Loaded());
    EXPECT_FALSE(puerto.Connected());
    ASSERT_EQ(avisos_.mostrados.size(), 1u);
    EXPECT_NE(Bitacora().find(ComErrorMessage(1)), std::string::npos) << Bitacora();
}
