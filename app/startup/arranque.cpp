#include "app/startup/arranque.h"

#include "app/data/dm.h"
#include "app/data/dmart.h"
#include "app/data/dmbnc.h"
#include "app/data/dmcar.h"
#include "app/data/dmcja.h"
#include "app/data/dmcmp.h"
#include "app/data/dmcnt.h"
#include "app/data/dmcxp.h"
#include "app/data/dmfact.h"
#include "app/data/dminv.h"
#include "app/data/dmter.h"

namespace tv::app {

void cree_modulos_centrales(TComponent* aplicacion) {
    new Tfdm(aplicacion);
    new TfdmArt(aplicacion);
}

void cree_modulos_negocio(TComponent* aplicacion) {
    new Tfdmbnc(aplicacion);
    new Tfdmcar(aplicacion);
    new Tfdmcja(aplicacion);
    new Tfdmcmp(aplicacion);
    new Tfdmcnt(aplicacion);
    new Tfdmcxp(aplicacion);
    new Tfdmfact(aplicacion);
    new TfdmInv(aplicacion);
    new Tfdmter(aplicacion);
}

} // namespace tv::app
