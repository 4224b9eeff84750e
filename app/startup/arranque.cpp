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
#include "framework/ui/application.h"

namespace tv::app {

void cree_modulos_centrales(TApplication* aplicacion) {
    aplicacion->CreateForm(fdm);
    aplicacion->CreateForm(fdmArt);
}

void cree_modulos_negocio(TApplication* aplicacion) {
    aplicacion->CreateForm(fdmbnc);
    aplicacion->CreateForm(fdmcar);
    aplicacion->CreateForm(fdmcja);
    aplicacion->CreateForm(fdmcmp);
    aplicacion->CreateForm(fdmcnt);
    aplicacion->CreateForm(fdmcxp);
    aplicacion->CreateForm(fdmfact);
    aplicacion->CreateForm(fdmInv);
    aplicacion->CreateForm(fdmter);
}

} // namespace tv::app
