#include "app/data/dmfact.h"

#include "app/data/consultas.h"
#include "app/data/contabilizacion_documentos.h"
#include "app/data/dm.h"
#include "app/data/sqltexto.h"
#include "core/strutils.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/data/sql/sqlquery.h"

namespace tv::app {

Tfdmfact* fdmfact = nullptr;

Tfdmfact::Tfdmfact(TComponent* owner) : TDataModule(owner) {
    fdmfact = this;
}

Tfdmfact::~Tfdmfact() {
    DestroyComponents();
    if (fdmfact == this) fdmfact = nullptr;
}

void Tfdmfact::Loaded() {
    TDataModule::Loaded();
    TSQLConnection* tallyvo = fdm->Tallyvo;
    QNrocopia = componente<TSQLQuery>(this, "QNrocopia");
    QNrocopia->SetSQLConnection(tallyvo);
    CInterfaces = enlace_consulta(this, "Interfaces", tallyvo);
    DInterfaces = componente<TDataSource>(this, "DInterfaces");
    DInterfaces->SetDataSet(CInterfaces);
    contafactura = enlace_cadena(this, "QContafactura", "PContafactura", "CContafactura", true);
    enlace_documentos(this);
}

std::string Tfdmfact::nombre_copia(int, int copia) {
    QNrocopia->Close();
    QNrocopia->SQL().SetText("SELECT * FROM NRO_COPIA(31, " + IntToStr(copia) + ")");
    QNrocopia->Open();
    std::string nombre = QNrocopia->IsEmpty() ? std::string() : QNrocopia->Fields()[0]->AsString();
    QNrocopia->Close();
    return nombre;
}

int Tfdmfact::abre_interfaz(int tipo, const std::string& prefijo, bool preguntar) {
    return escoja_interfaz(this, CInterfaces, DInterfaces,
                           consulta_interfaces("INTERFAZ_VENTAS", "INVE", tipo) + " and pref_pre = " +
                               sql_texto(prefijo),
                           preguntar);
}

int Tfdmfact::contabilice_factura(int id, int interfaz) {
    return contabilice_documento(contafactura, fdm->CBorrar, "contabil_factura", 31, id, interfaz);
}
int Tfdmfact::contabilice_devolucion(int id, int interfaz) {
    return contabilice_documento(contafactura, fdm->CBorrar, "contabil_devolcli", 33, id, interfaz);
}

} // namespace tv::app
