#include "app/data/dmcmp.h"

#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/contabilizacion_documentos.h"
#include "app/data/dm.h"
#include "app/data/sqltexto.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/fielddefs.h"

namespace tv::app {

Tfdmcmp* fdmcmp = nullptr;

Tfdmcmp::Tfdmcmp(TComponent* owner) : TDataModule(owner) {
    fdmcmp = this;
}

Tfdmcmp::~Tfdmcmp() {
    DestroyComponents();
    if (fdmcmp == this) fdmcmp = nullptr;
}

void Tfdmcmp::Loaded() {
    TDataModule::Loaded();
    CInterfaces = enlace_consulta(this, "Interfaces", fdm->Tallyvo);
    DInterfaces = componente<TDataSource>(this, "DInterfaces");
    DInterfaces->SetDataSet(CInterfaces);
    contacmp = enlace_cadena(this, "SContacmp", "PContacmp", "CContacmp", true);
    enlace_documentos(this);
    // Suggested purchases, kept in memory by the windows that fill them.
    auto* sugerido = componente<TClientDataSet>(this, "Csugerido");
    sugerido->FieldDefs().Add("Articulo", ftString, 15, false);
    sugerido->FieldDefs().Add("Bodega", ftString, 2, false);
    sugerido->FieldDefs().Add("Sugerido", ftFMTBcd, 4, false);
    sugerido->FieldDefs()[2].SetPrecision(15);
    sugerido->FieldDefs().Add("Unidad", ftString, 8, false);
}

int Tfdmcmp::abre_interfaz(int tipo, const std::string& prefijo, bool preguntar) {
    bool escogida = false;
    int id = escoja_interfaz(this, CInterfaces, DInterfaces,
                             consulta_interfaces("INTERFAZ_COMPRAS", "INCO", tipo) + " and pref_pre = " +
                                 sql_texto(prefijo),
                             preguntar, &escogida);
    if (escogida && id == 0) muestre_mensaje("La interfaz contable para este documento es incorrecta (ID=0).");
    return id;
}

int Tfdmcmp::contabilice_facturac(int id, int interfaz) {
    return contabilice_documento(contacmp, fdm->CBorrar, "contabil_factcomp", 21, id, interfaz);
}
int Tfdmcmp::contabilice_devolucionc(int id, int interfaz) {
    return contabilice_documento(contacmp, fdm->CBorrar, "contabil_devolcomp", 24, id, interfaz);
}

} // namespace tv::app
