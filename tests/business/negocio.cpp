#include "tests/business/negocio.h"

#include "app/data/dm.h"

namespace negociotest {

void NegocioTest::SetUp() {
    ModulosTest::SetUp();
    tv::app::fdm->usuario = "SYSDBA";
}

} // namespace negociotest
