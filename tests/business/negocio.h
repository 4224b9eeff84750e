#pragma once
// The business modules as start-up creates them over a fresh demo company
// database, with SYSDBA as the user who posts.
#include "tests/support/app/modulos.h"

namespace negociotest {

class NegocioTest : public apptest::ModulosTest {
protected:
    void SetUp() override;
};

} // namespace negociotest
