#include "app/windows/edtarticulo.h"

#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/data/params.h"

namespace tv::app {

void Tfedtarticulo::Publish(TPublisher& p) { p.Method("CArticuloAfterEdit", &Tfedtarticulo::CArticuloAfterEdit); }

bool Tfedtarticulo::Prepare() {
    const std::string codigo = fdm->codigo_articulo;
    fdm->codigo_articulo.clear();
    // Only that row is fetched, so an unknown code finds nothing to edit
    // instead of turning the edit into a new article.
    parametro(CArticulo->Params(), "COD").SetAsString(codigo);
    CArticulo->Open();
    if (codigo.empty() || !CArticulo->Locate("ARTI_COD", Variant(codigo), {})) {
        muestre_mensaje(codigo.empty() ? "No hay un artículo para modificar."
                                       : "El artículo " + codigo + " no existe.");
        return false;
    }
    CArticulo->Edit();
    return true;
}

void Tfedtarticulo::Reinicie() { CArticulo->Edit(); }

void Tfedtarticulo::CArticuloAfterEdit(TDataSet*) { CArticulo->FieldByName("ARTI_USUARIO")->SetAsString(fdm->usuario); }

} // namespace tv::app
