#include "app/data/dmcnt.h"

#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/contabilizacion_documentos.h"
#include "app/data/dm.h"
#include "app/data/sqltexto.h"
#include "core/properties.h"
#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/ui/application.h"
#include "framework/data/datasource.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlstoredproc.h"

namespace tv::app {

Tfdmcnt* fdmcnt = nullptr;

namespace {

TAbreCuentaNueva& AbreCuentaNueva() {
    static TAbreCuentaNueva abre;
    return abre;
}

// Leap years by the Gregorian rule: a period composed as 2100/02/29 would be
// no date at all.
bool Bisiesto(int ano) { return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0; }

std::string DosDigitos(int n) { return n <= 9 ? "0" + IntToStr(n) : IntToStr(n); }

void Ejecute(TSQLQuery* q, const std::string& sql) {
    q->Close();
    q->SQL().SetText(sql);
    q->ExecSQL();
}

} // namespace

void instale_ventana_cuenta_nueva(TAbreCuentaNueva abre) { AbreCuentaNueva() = std::move(abre); }

Tfdmcnt::Tfdmcnt(TComponent* owner) : TDataModule(owner) { fdmcnt = this; }

void Tfdmcnt::Publish(TPublisher& p) {
    p.Method("DataModuleCreate", &Tfdmcnt::DataModuleCreate);
    p.Field("QCuentas", &Tfdmcnt::QCuentas);
    p.Field("PCuentas", &Tfdmcnt::PCuentas);
    p.Field("CCuentas", &Tfdmcnt::CCuentas);
    p.Field("QValidcuenta", &Tfdmcnt::QValidcuenta);
    p.Field("PValidcuenta", &Tfdmcnt::PValidcuenta);
    p.Field("CValidcuenta", &Tfdmcnt::CValidcuenta);
    p.Field("QValidcentro", &Tfdmcnt::QValidcentro);
    p.Field("PValidcentro", &Tfdmcnt::PValidcentro);
    p.Field("CValidcentro", &Tfdmcnt::CValidcentro);
    p.Field("QActivo", &Tfdmcnt::QActivo);
    p.Field("PActivo", &Tfdmcnt::PActivo);
    p.Field("CActivo", &Tfdmcnt::CActivo);
    p.Field("QUsuarios", &Tfdmcnt::QUsuarios);
    p.Field("QValida", &Tfdmcnt::QValida);
    p.Field("TComprobantes", &Tfdmcnt::TComprobantes);
    p.Field("DComprobantes", &Tfdmcnt::DComprobantes);
    p.Field("TComprDetalle", &Tfdmcnt::TComprDetalle);
    p.Field("SIdComproba", &Tfdmcnt::SIdComproba);
    p.Field("TEstructura", &Tfdmcnt::TEstructura);
    p.Field("TUsuarios", &Tfdmcnt::TUsuarios);
    p.Field("DSUsuarios", &Tfdmcnt::DSUsuarios);
    p.Field("TPlantilla", &Tfdmcnt::TPlantilla);
    p.Field("DPlantilla", &Tfdmcnt::DPlantilla);
    p.Field("TPlantilladetalle", &Tfdmcnt::TPlantilladetalle);
    p.Field("TAjustesinf", &Tfdmcnt::TAjustesinf);
    p.Field("TCierterc", &Tfdmcnt::TCierterc);
    p.Field("TCieranual", &Tfdmcnt::TCieranual);
    p.Field("TImportacion", &Tfdmcnt::TImportacion);
    p.Field("TConceptoconta", &Tfdmcnt::TConceptoconta);
    p.Field("TPresupuesto", &Tfdmcnt::TPresupuesto);
    p.Field("TCambiosit", &Tfdmcnt::TCambiosit);
    p.Field("TFlujoefe", &Tfdmcnt::TFlujoefe);
    p.Field("TCtasexport", &Tfdmcnt::TCtasexport);
    p.Field("TPrefexport", &Tfdmcnt::TPrefexport);
    p.Field("Tbuscconc", &Tfdmcnt::Tbuscconc);
    p.Field("TFtomediosm", &Tfdmcnt::TFtomediosm);
    p.Field("SIdPlantilla", &Tfdmcnt::SIdPlantilla);
    p.Field("SIdajusteinf", &Tfdmcnt::SIdajusteinf);
    p.Field("SIdcierreanual", &Tfdmcnt::SIdcierreanual);
    p.Field("Sidciertercero", &Tfdmcnt::Sidciertercero);
    p.Field("SSaldocta", &Tfdmcnt::SSaldocta);
    p.Field("SInsertasaldoini", &Tfdmcnt::SInsertasaldoini);
    p.Field("SMM", &Tfdmcnt::SMM);
}

void Tfdmcnt::Loaded() {
    TDataModule::Loaded();
    TSQLConnection* tallyvo = fdm->Tallyvo;
    enlace_consulta(QCuentas, PCuentas, CCuentas, tallyvo, true, "select * from cuentas");
    enlace_consulta(QValidcuenta, PValidcuenta, CValidcuenta, tallyvo);
    enlace_consulta(QValidcentro, PValidcentro, CValidcentro, tallyvo);
    enlace_consulta(QActivo, PActivo, CActivo, tallyvo);
    QUsuarios->SetSQLConnection(tallyvo);
    QValida->SetSQLConnection(tallyvo);
    enlace_documentos({
        {TComprobantes, DComprobantes, "COMPROBANTE_ENCABEZADO", "ENCO_CONSEC", {{TComprDetalle, "COMPROBANTE_DETALLE"}}, SIdComproba, "CAMBIE_ID_COMPROBA"},
    });
    enlace_procedimientos({
        {SIdPlantilla, "CAMBIE_ID_PLANTILLA"},
        {SIdajusteinf, "CAMBIE_ID_AJUSTESINF"},
        {SIdcierreanual, "CAMBIE_ID_CIERANUAL"},
        {Sidciertercero, "CAMBIE_ID_CIERTERC"},
        {SSaldocta, "SALDO_CUENTA"},
        {SInsertasaldoini, "INSERTE_SALDO_INICIAL"},
        {SMM, "MM_1001"},
    });
    enlace_tablas({
        {TEstructura, "SELECT * FROM ESTRUCTURA"},
        {TUsuarios, "SELECT * FROM USUARIO"},
        {TPlantilla, "SELECT * FROM PLANTILLA_ENCABEZADO"},
        {TPlantilladetalle, "SELECT * FROM PLANTILLA_DETALLE WHERE PLAN_ID = :PLAN_ID", DPlantilla},
        {TAjustesinf, "SELECT * FROM AJUSTES_INFLACION"},
        {TCierterc, "SELECT * FROM CIERRE_TERCEROS"},
        {TCieranual, "SELECT * FROM CIERRE_ANUAL"},
        {TImportacion, "SELECT * FROM IMPORTACION_INVENTARIO"},
        {TConceptoconta, "SELECT * FROM CONCEPTO_CONTABLE"},
        {TPresupuesto, "SELECT * FROM PRESUPUESTO"},
        {TCambiosit, "SELECT * FROM CAMBIO_SITUACION"},
        {TFlujoefe, "SELECT * FROM FLUJO_EFECTIVO"},
        {TCtasexport, "SELECT * FROM CUENTAS_EXPORTACION"},
        {TPrefexport, "SELECT * FROM PREFIJOS_EXPORTACION"},
        {Tbuscconc, "SELECT * FROM CONCEPTOS"},
        {TFtomediosm, "SELECT * FROM MEDIOSMAG_ARCHIVOS"},
    });
}

Tfdmcnt::~Tfdmcnt() {
    DestroyComponents();
    if (fdmcnt == this) fdmcnt = nullptr;
}

void Tfdmcnt::DataModuleCreate(TObject*) {
    nombre_mes = {"Enero",  "Febrero",    "Marzo",   "Abril",     "Mayo",      "Junio",   "Julio",
                  "Agosto", "Septiembre", "Octubre", "Noviembre", "Diciembre", "Ajustes", "Cierre"};
    fdm->ConfigurarProviders(this);
    if (Application)
        Application->OnException = [](TObject* sender, Exception& e) { fdm->ENoManejada(sender, e); };
}

int Tfdmcnt::ano_inicio() { return StrToInt(fdm->configuracion("CONTABILIDAD", "GENERAL", "AÑO DE INICIO")); }

int Tfdmcnt::mes_inicio() { return StrToInt(fdm->configuracion("CONTABILIDAD", "GENERAL", "MES DE INICIO")) - 1; }

void Tfdmcnt::dias_mes(std::string& dias) {
    switch (mes_actual) {
    case 1: dias = Bisiesto(StrToInt(ano_actual)) ? "29" : "28"; break;
    case 3: case 5: case 8: case 10: dias = "30"; break;
    case 0: case 2: case 4: case 6: case 7: case 9: case 11: case 12: dias = "31"; break;
    default: break;
    }
}

void Tfdmcnt::PartesFecha(int dia, std::string& ano, std::string& mes, std::string& dia_texto) {
    ano = ano_actual;
    mes = DosDigitos(mes_actual + 1);
    std::string dias;
    dias_mes(dias);
    int maximo = StrToInt(dias);  // a period outside 0..12 has no days: conversion error
    if (dia > maximo) {
        pite();
        dia_texto = dias;
    } else if (dia < 1) {
        // Day 0 or below is no date; the first day is the nearest one.
        pite();
        dia_texto = "01";
    } else {
        dia_texto = DosDigitos(dia);
    }
}

void Tfdmcnt::compone_fecha(int dia, std::string& fecha) {
    std::string a, m, d;
    PartesFecha(dia, a, m, d);
    fecha = a + m + d;
}

void Tfdmcnt::compone_fecha_admin(int dia, std::string& fecha) {
    std::string a, m, d;
    PartesFecha(dia, a, m, d);
    fecha = a + "/" + m + "/" + d;
}

void Tfdmcnt::nom_cuenta(const std::string& cuenta, std::string& nombre) {
    abra(CCuentas, "select cuen_cod, cuen_nom from cuentas where cuen_cod = " + sql_texto(cuenta));
    nombre = CCuentas->IsEmpty() ? std::string() : CCuentas->FieldByName("CUEN_NOM")->AsString();
    CCuentas->Close();
}

bool Tfdmcnt::valide_cuenta(const std::string& cuenta) {
    abra(CValidcuenta, "select * from valide_cuenta_c(" + sql_texto(cuenta) + ")");
    int error = CValidcuenta->IsEmpty() ? -1 : CValidcuenta->FieldByName("ERROR")->AsInteger();
    CValidcuenta->Close();
    switch (error) {
    case 0: return true;
    case 1:
        if (!AbreCuentaNueva()) {
            muestre_mensaje("La cuenta especificada no existe.");
            return false;
        }
        if (!confirme("La cuenta especificada no existe. Desea Crearla?")) return false;
        cuenta_nueva = cuenta;
        if (AbreCuentaNueva()()) return true;
        cuenta_nueva.clear();
        return false;
    case 2: muestre_mensaje("El código de cuenta está incompleto o demasiado largo."); return false;
    case 3: muestre_mensaje("La cuenta es de nivel inferior al mínimo afectable."); return false;
    case 4: muestre_mensaje("La cuenta indicada tiene auxiliares definidos."); return false;
    default: return false;
    }
}

bool Tfdmcnt::valide_centro(const std::string& proyecto, const std::string& centro) {
    abra(CValidcentro, "select * from existe_centro(" + sql_texto(proyecto) + "," + sql_texto(centro) + ")");
    bool ok = !CValidcentro->IsEmpty() && CValidcentro->FieldByName("OK")->AsString() == "S";
    CValidcentro->Close();
    if (!ok) muestre_mensaje("Proyecto-Centro no encontrado.");
    return ok;
}

void Tfdmcnt::GuardePeriodo(const std::string& ano, int mes) {
    // The period moves only once the user's row holds it.
    Ejecute(QUsuarios, "update usuario set user_anocnt = " + sql_texto(ano) + ",user_percnt = " + IntToStr(mes) +
                           " where user_cod = " + sql_texto(fdm->usuario));
    ano_actual = ano;
    mes_actual = mes;
}

void Tfdmcnt::mes_menos() {
    int ano = StrToInt(ano_actual);
    std::string nuevo_ano = ano_actual;
    int mes = mes_actual;
    if (ano > ano_inicio()) {
        if (mes == 0) {
            mes = 12;
            nuevo_ano = IntToStr(ano - 1);
        } else {
            --mes;
        }
    } else if (mes > mes_inicio()) {
        --mes;
    } else {
        pite();
    }
    GuardePeriodo(nuevo_ano, mes);
}

void Tfdmcnt::mes_mas() {
    std::string nuevo_ano = ano_actual;
    int mes = mes_actual;
    if (mes >= 12) {
        mes = 0;
        nuevo_ano = IntToStr(StrToInt(ano_actual) + 1);
    } else {
        ++mes;
    }
    GuardePeriodo(nuevo_ano, mes);
}

bool Tfdmcnt::existe_ComContable(int tipo, const std::string& prefijo, const std::string& numero) {
    if (numero.empty()) return false;
    std::string completo;
    fdm->complete_numero(numero, completo);
    TSQLQuery* q = fdm->QBorrar;
    q->Close();
    q->SQL().SetText("select enco_consec from comprobante_encabezado where tico_cod = " + IntToStr(tipo) +
                     " and prco_pref = " + sql_texto(prefijo) + " and enco_numero = " + sql_texto(completo));
    q->Open();
    bool existe = !q->IsEmpty();
    consecutivo_comprobante = existe ? q->Fields()[0]->AsString() : std::string();
    q->Close();
    return existe;
}

bool Tfdmcnt::valide_NumComConta(int tipo, const std::string& prefijo, const std::string& automatico,
                                 TField* campo) {
    std::string tecleado = campo->AsString();
    if (tecleado.empty()) return true;
    consecutivo_comprobante.clear();
    if (!existe_ComContable(tipo, prefijo, tecleado)) return true;
    if (tecleado != automatico) {
        if (confirme("Comprobante " + tecleado + " previamente registrado. Consultar?")) return true;
        consecutivo_comprobante.clear();
        return false;
    }
    std::string siguiente = automatico;
    do {
        fdm->complete_numero(IntToStr(StrToInt64(siguiente) + 1), siguiente);
        Ejecute(QValida, "update prefijos_conta set pref_numero = " + sql_texto(siguiente) +
                             " where tico_cod = " + IntToStr(tipo) + " and prco_pref = " + sql_texto(prefijo));
    } while (existe_ComContable(tipo, prefijo, siguiente));
    campo->SetAsString(siguiente);
    return true;
}

void Tfdmcnt::desc_activo(const std::string& activo, std::string& descripcion) {
    descripcion.clear();
    if (activo.empty()) return;
    abra(CActivo, "select acfj_desc from activos_fijos where acfj_cod = " + sql_texto(activo));
    if (!CActivo->IsEmpty()) descripcion = CActivo->Fields()[0]->AsString();
    CActivo->Close();
}

} // namespace tv::app
