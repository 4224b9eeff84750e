#pragma once
// The creation order of the data modules at start-up. The program creates,
// owned by the application: the central module and the article module, then
// its main window and price query, then the business modules.
namespace tv {
class TApplication;
}

namespace tv::app {

// Tfdm (global fdm) and TfdmArt.
void cree_modulos_centrales(TApplication* aplicacion);
// Tfdmbnc, Tfdmcar, Tfdmcja, Tfdmcmp, Tfdmcnt, Tfdmcxp, Tfdmfact, TfdmInv, Tfdmter.
void cree_modulos_negocio(TApplication* aplicacion);

} // namespace tv::app
