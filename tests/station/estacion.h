#pragma once
// The station as the program starts it, on the headless desktop: the data
// modules, the main window and the price query created in start-up order over
// a copy of the demo databases (embedded engine), the application directory
// in a temporary folder, a fake clock, and a person's answers to the message
// boxes (recorded).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/ui/dialogs.h"
#include "tests/support/app/modulos.h"
#include "tests/support/firebird_fixture.h"

namespace tv::win {
class FakeClock;
}

namespace estacion {

class EstacionTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // One value read from the company database as SYSDBA.
    std::string Valor(const std::string& sql);
    void Sql(const std::string& sql);
    std::string ArchivoAplicacion(const std::string& nombre) const;
    std::string Lea(const std::string& nombre) const;
    // Texts of the message boxes shown so far.
    std::vector<std::string> Dichos() const;

    std::unique_ptr<apptest::DirectorioAplicacion> aplicacion;
    std::unique_ptr<tvtest::FirebirdDatabases> dbs;
    std::shared_ptr<tv::win::FakeClock> reloj;
    std::vector<tv::TMessageRequest> dichos;
    std::string servidor;
};

} // namespace estacion
