#include "app/data/dminv.h"

#include "app/data/consultas.h"
#include "app/data/contabilizacion_documentos.h"
#include "app/data/dm.h"
#include "app/data/sqltexto.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/data/sql/sqlstoredproc.h"

namespace tv::app {

TfdmInv* fdmInv = nullptr;

TfdmInv::TfdmInv(TComponent* owner) : TDataModule(owner) {
    fdmInv = this;
}

TfdmInv::~TfdmInv() {
    DestroyComponents();
    if (fdmInv == this) fdmInv = nullptr;
}

void TfdmInv::Publish(TPublisher& p) {
    p.Field("QInterfaz", &TfdmInv::QInterfaz);
    p.Field("PInterfaces", &TfdmInv::PInterfaces);
    p.Field("CInterfaces", &TfdmInv::CInterfaces);
    p.Field("DInterfaces", &TfdmInv::DInterfaces);
    p.Field("SContainv", &TfdmInv::SContainv);
    p.Field("PContainv", &TfdmInv::PContainv);
    p.Field("CContainv", &TfdmInv::CContainv);
    p.Field("TEntrada", &TfdmInv::TEntrada);
    p.Field("DEntrada", &TfdmInv::DEntrada);
    p.Field("TEntdetalle", &TfdmInv::TEntdetalle);
    p.Field("SPIdEntrada", &TfdmInv::SPIdEntrada);
    p.Field("TSalida", &TfdmInv::TSalida);
    p.Field("DSalida", &TfdmInv::DSalida);
    p.Field("TSaldetalle", &TfdmInv::TSaldetalle);
    p.Field("SPIdSalida", &TfdmInv::SPIdSalida);
    p.Field("TTraslado", &TfdmInv::TTraslado);
    p.Field("DTraslado", &TfdmInv::DTraslado);
    p.Field("TTrasdetalle", &TfdmInv::TTrasdetalle);
    p.Field("SPIdTraslado", &TfdmInv::SPIdTraslado);
    p.Field("TEnsamble", &TfdmInv::TEnsamble);
    p.Field("DEnsamble", &TfdmInv::DEnsamble);
    p.Field("TEnsdetalle", &TfdmInv::TEnsdetalle);
    p.Field("SPIdEnsamble", &TfdmInv::SPIdEnsamble);
    p.Field("TDesensamble", &TfdmInv::TDesensamble);
    p.Field("DDesensamble", &TfdmInv::DDesensamble);
    p.Field("TDesdetalle", &TfdmInv::TDesdetalle);
    p.Field("SPIdDesensamble", &TfdmInv::SPIdDesensamble);
    p.Field("TAjuste", &TfdmInv::TAjuste);
    p.Field("DAjuste", &TfdmInv::DAjuste);
    p.Field("TAjudetalle", &TfdmInv::TAjudetalle);
    p.Field("SPIdAjuste", &TfdmInv::SPIdAjuste);
    p.Field("TReserva", &TfdmInv::TReserva);
    p.Field("DReserva", &TfdmInv::DReserva);
    p.Field("TResdetalle", &TfdmInv::TResdetalle);
    p.Field("SPIdReserva", &TfdmInv::SPIdReserva);
    p.Field("TOrdeninv", &TfdmInv::TOrdeninv);
    p.Field("DOrdeninv", &TfdmInv::DOrdeninv);
    p.Field("TOrdinvdetalle", &TfdmInv::TOrdinvdetalle);
    p.Field("SPIdOrdeninv", &TfdmInv::SPIdOrdeninv);
    p.Field("SActualicecosto", &TfdmInv::SActualicecosto);
    p.Field("TImportacion", &TfdmInv::TImportacion);
    p.Field("TMaquinas", &TfdmInv::TMaquinas);
    p.Field("TOperarios", &TfdmInv::TOperarios);
}

void TfdmInv::Loaded() {
    TDataModule::Loaded();
    // The inventory list reads through the module's own query.
    enlace_cadena(QInterfaz, PInterfaces, CInterfaces);
    DInterfaces->SetDataSet(CInterfaces);
    containv = enlace_cadena(SContainv, PContainv, CContainv);
    enlace_documentos({
        {TEntrada, DEntrada, "ENTRADAS", "ENTR_ID", {{TEntdetalle, "ENTRADAS_DETALLE"}}, SPIdEntrada, "CAMBIE_ID_ENTRADA"},
        {TSalida, DSalida, "SALIDAS", "SALI_ID", {{TSaldetalle, "SALIDAS_DETALLE"}}, SPIdSalida, "CAMBIE_ID_SALIDA"},
        {TTraslado, DTraslado, "TRASFERENCIAS", "TRAN_ID", {{TTrasdetalle, "TRASFERENCIAS_DETALLE"}}, SPIdTraslado, "CAMBIE_ID_TRANSFER"},
        {TEnsamble, DEnsamble, "ENSAMBLES", "ENSA_ID", {{TEnsdetalle, "ENSAMBLES_DETALLE"}}, SPIdEnsamble, "CAMBIE_ID_ENSAMBLE"},
        {TDesensamble, DDesensamble, "DESENSAMBLES", "DESE_ID", {{TDesdetalle, "DESENSAMBLES_DETALLE"}}, SPIdDesensamble, "CAMBIE_ID_DESENSAMBLE"},
        {TAjuste, DAjuste, "AJUSTES", "AJUS_ID", {{TAjudetalle, "AJUSTES_DETALLE"}}, SPIdAjuste, "CAMBIE_ID_AJUSTEINV"},
        {TReserva, DReserva, "RESERVAS", "RESE_ID", {{TResdetalle, "RESERVAS_DETALLE"}}, SPIdReserva, "CAMBIE_ID_RESERVA"},
        {TOrdeninv, DOrdeninv, "ORDENES_INVENTARIO", "ORIN_ID", {{TOrdinvdetalle, "ORDENINVENTARIO_DETALLE"}}, SPIdOrdeninv, "CAMBIE_ID_ORDENMCIA"},
    });
    enlace_procedimientos({{SActualicecosto, "ACTUALICE_COSTO"}});
    enlace_tablas({
        {TImportacion, "SELECT * FROM IMPORTACION_INVENTARIO"},
        {TMaquinas, "SELECT * FROM ENSAMBLE_MAQUINA"},
        {TOperarios, "SELECT * FROM ENSAMBLE_OPERARIO"},
    });
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
