#pragma once
// The business modules as start-up creates them, over a fresh demo company
// database (embedded engine), with a person's scripted answers to the boxes.
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/data/avisos.h"
#include "framework/core/component.h"
#include "framework/data/clientdataset.h"
#include "framework/ui/application.h"
#include "tests/support/firebird_fixture.h"
#include "tests/support/tempdir.h"

namespace negociotest {

class NegocioTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Sql(const std::string& sql);
    // First column of the first row as text; "<sin filas>" without one.
    std::string Valor(const std::string& sql);
    void Configure(const std::string& modulo, const std::string& categoria, const std::string& propiedad,
                   const std::string& valor);
    // One appended record of loose fields "NOMBRE:tipo", tipo s (text), c (decimal), i (integer), d (date).
    tv::TClientDataSet* Registro(const std::vector<std::string>& campos);

    // Boxes shown in order, and the Yes/No answers a person gives to questions.
    std::vector<std::pair<tv::app::TTipoAviso, std::string>> mostrados;
    std::deque<bool> respuestas;
    std::vector<std::string> Textos() const;

private:
    std::unique_ptr<tvtest::FirebirdDatabases> dbs_;
    tvtest::TempDir registro_, dir_;
    tv::TApplication aplicacion_;
    std::vector<std::unique_ptr<tv::TClientDataSet>> registros_;
};

} // namespace negociotest
