#include "app/data/dminv.h"

#include "app/data/consultas.h"
#include "app/data/contabilizacion_documentos.h"
#include "app/data/dm.h"
#include "app/data/sqltexto.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"

namespace tv::app {

TfdmInv* fdmInv = nullptr;

TfdmInv::TfdmInv(TComponent* owner) : TDataModule(owner) {
    fdmInv = this;
}

TfdmInv::~TfdmInv() {
    DestroyComponents();
    if (fdmInv == this) fdmInv = nullptr;
}

void TfdmInv::Loaded() {
    TDataModule::Loaded();
    // The inventory list reads through the module's own query.
    CInterfaces = enlace_cadena(this, "QInterfaz", "PInterfaces", "CInterfaces").resultado;
    DInterfaces = componente<TDataSource>(this, "DInterfaces");
    DInterfaces->SetDataSet(CInterfaces);
    containv = enlace_cadena(this, "SContainv", "PContainv", "CContainv");
    enlace_documentos(this);
}

int TfdmInv::abre_interfaz(int tipo, const std::string& prefijo, bool preguntar) {
    return escoja_interfaz(this, CInterfaces, DInterfaces,
                           consulta_interfaces("INTERFAZ_INVENTARIO", "ININ", tipo) + " and pref_pre = " +
                               sql_texto(prefijo),
                           preguntar);
}

int TfdmInv::contabilice_entrada(int id, int interfaz) {
    return contabilice_documento(containv, fdm->CBorrar, "contabil_entrada", 11, id, interfaz);
}
int TfdmInv::contabilice_salida(int id, int interfaz) {
    return contabilice_documento(containv, fdm->CBorrar, "contabil_salida", 12, id, interfaz);
}
int TfdmInv::contabilice_traslado(int id, int interfaz) {
    return contabilice_documento(containv, fdm->CBorrar, "contabil_traslamercancia", 13, id, interfaz);
}
int TfdmInv::contabilice_ajuste(int id, int interfaz) {
    return contabilice_documento(containv, fdm->CBorrar, "contabil_ajuste", 14, id, interfaz);
}
int TfdmInv::contabilice_ensamble(int id, int interfaz) {
    return contabilice_documento(containv, fdm->CBorrar, "contabil_ensamble", 15, id, interfaz);
}
int TfdmInv::contabilice_desensamble(int id, int interfaz) {
    return contabilice_documento(containv, fdm->CBorrar, "contabil_desensamble", 16, id, interfaz);
}

} // namespace tv::app
