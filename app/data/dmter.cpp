#include "app/data/dmter.h"

#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/digitoverificacion.h"
#include "app/data/dm.h"
#include "app/data/sqltexto.h"
#include "core/formatsettings.h"
#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlquery.h"

namespace tv::app {

Tfdmter* fdmter = nullptr;

namespace {

std::string ConsultaProveedor(const std::string& nit, bool solo_activos) {
    return std::string("select t.terc_nit, terc_nom, prov_retefte, prov_rteiva, prov_rteica, prov_rtftebase, "
                       "prov_simplificado from terceros t, proveedores p where t.terc_nit = p.terc_nit") +
           (solo_activos ? " and terc_estado = 'S'" : "") + " and t.terc_nit = " + sql_texto(nit) +
           " and t.terc_prov = 'S'";
}

std::string ConsultaCliente(const std::string& nit) {
    return "select t.terc_nit, terc_nom, vend_cod, clie_estado, clie_rtefte, clie_rteiva, clie_rteica, "
           "clie_rtftebase, clie_dtomax, clie_cupo from terceros t, clientes c where t.terc_nit = c.terc_nit and "
           "t.terc_nit = " + sql_texto(nit) + " and t.terc_clie = 'S'";
}

// The named column of the first row, as text; empty without a row.
std::string Columna(TClientDataSet* c, const std::string& sql, const std::string& columna) {
    abra(c, sql);
    std::string valor = c->IsEmpty() ? std::string() : c->FieldByName(columna)->AsString();
    c->Close();
    return valor;
}

bool Vacio(TField* campo) { return campo->AsString().empty() || campo->AsString() == "0"; }

// The collector of a client whose collector is active; cleared otherwise.
void Cobrador(TClientDataSet* c, TField* campo) {
    if (c->FieldByName("COBR_ESTADO")->AsString() == "S")
        campo->SetAsString(c->FieldByName("COBR_COD")->AsString());
    else
        campo->Clear();
}

} // namespace

Tfdmter::Tfdmter(TComponent* owner) : TDataModule(owner) { fdmter = this; }

void Tfdmter::Loaded() {
    TDataModule::Loaded();
    TSQLConnection* tallyvo = fdm->Tallyvo;
    enlace_consulta(QExisteterc, PExisteterc, CExisteterc, tallyvo);
    enlace_consulta(QTerceros, PTerceros, CTerceros, tallyvo);
    enlace_consulta(QValcliente, PValcliente, CValcliente, tallyvo);
    enlace_consulta(QPrecprov, PPrecprov, CPrecprov, tallyvo);
    enlace_consulta(QCartera, PCartera, CCartera, tallyvo);
    enlace_consulta(QTercero, PTercero, CTercero, tallyvo);
    enlace_consulta(QValidtercero, PValidtercero, CValidtercero, tallyvo);
    enlace_consulta(Qvalideretenciones, Pvalideretenciones, Cvalideretenciones, tallyvo);
    enlace_consulta(QCliente, PCliente, CCliente, tallyvo);
    enlace_consulta(QClientes, PClientes, CClientes, tallyvo);
    enlace_consulta(QValideretencart, PValideretencart, CValideretencart, tallyvo);
    enlace_consulta(QTerceroa, PTerceroa, CTerceroa, tallyvo);
}

Tfdmter::~Tfdmter() {
    DestroyComponents();
    if (fdmter == this) fdmter = nullptr;
}

void Tfdmter::Publish(TPublisher& p) {
    p.Field("QExisteterc", &Tfdmter::QExisteterc);
    p.Field("PExisteterc", &Tfdmter::PExisteterc);
    p.Field("CExisteterc", &Tfdmter::CExisteterc);
    p.Field("QTerceros", &Tfdmter::QTerceros);
    p.Field("PTerceros", &Tfdmter::PTerceros);
    p.Field("CTerceros", &Tfdmter::CTerceros);
    p.Field("QValcliente", &Tfdmter::QValcliente);
    p.Field("PValcliente", &Tfdmter::PValcliente);
    p.Field("CValcliente", &Tfdmter::CValcliente);
    p.Field("QPrecprov", &Tfdmter::QPrecprov);
    p.Field("PPrecprov", &Tfdmter::PPrecprov);
    p.Field("CPrecprov", &Tfdmter::CPrecprov);
    p.Field("QCartera", &Tfdmter::QCartera);
    p.Field("PCartera", &Tfdmter::PCartera);
    p.Field("CCartera", &Tfdmter::CCartera);
    p.Field("QTercero", &Tfdmter::QTercero);
    p.Field("PTercero", &Tfdmter::PTercero);
    p.Field("CTercero", &Tfdmter::CTercero);
    p.Field("QValidtercero", &Tfdmter::QValidtercero);
    p.Field("PValidtercero", &Tfdmter::PValidtercero);
    p.Field("CValidtercero", &Tfdmter::CValidtercero);
    p.Field("Qvalideretenciones", &Tfdmter::Qvalideretenciones);
    p.Field("Pvalideretenciones", &Tfdmter::Pvalideretenciones);
    p.Field("Cvalideretenciones", &Tfdmter::Cvalideretenciones);
    p.Field("QCliente", &Tfdmter::QCliente);
    p.Field("PCliente", &Tfdmter::PCliente);
    p.Field("CCliente", &Tfdmter::CCliente);
    p.Field("QClientes", &Tfdmter::QClientes);
    p.Field("PClientes", &Tfdmter::PClientes);
    p.Field("CClientes", &Tfdmter::CClientes);
    p.Field("QValideretencart", &Tfdmter::QValideretencart);
    p.Field("PValideretencart", &Tfdmter::PValideretencart);
    p.Field("CValideretencart", &Tfdmter::CValideretencart);
    p.Field("QTerceroa", &Tfdmter::QTerceroa);
    p.Field("PTerceroa", &Tfdmter::PTerceroa);
    p.Field("CTerceroa", &Tfdmter::CTerceroa);
}

int Tfdmter::dv(const std::string& nit) { return digito_verificacion(nit); }

bool Tfdmter::existe_nit(const std::string& nit) {
    abra(CExisteterc, "select terc_nit, terc_nom, terc_clie, terc_prov from terceros where terc_nit = " +
                          sql_texto(nit));
    bool hay = !CExisteterc->IsEmpty();
    CExisteterc->Close();
    return hay;
}

void Tfdmter::valide_proveedor(const std::string& nit, std::string& bandera) {
    bandera = Columna(CExisteterc,
                      "select terc_nit, terc_nom, terc_clie,terc_prov from terceros where terc_estado = 'S' and "
                      "terc_nit = " + sql_texto(nit), "TERC_PROV");
}

void Tfdmter::valide_solocliente(const std::string& nit, std::string& bandera) {
    bandera = Columna(CExisteterc,
                      "select terc_nit, terc_nom, terc_clie, terc_prov from terceros where terc_nit = " +
                          sql_texto(nit), "TERC_CLIE");
}

bool Tfdmter::valide_conductor(const std::string& nit) {
    abra(CExisteterc, "select terc_nit, terc_nom, terc_clie,terc_prov from terceros where terc_conductor = 'S' and "
                      "terc_nit = " + sql_texto(nit));
    bool hay = !CExisteterc->IsEmpty();
    CExisteterc->Close();
    return hay;
}

void Tfdmter::nombre_conductor(const std::string& nit, std::string& nombre) {
    nombre = Columna(CTerceroa, "select t.terc_nit, terc_nom from terceros t where t.terc_nit = " + sql_texto(nit) +
                                    " and t.terc_conductor = 'S'", "TERC_NOM");
}

void Tfdmter::nom_tercero(const std::string& nit, std::string& nombre) {
    nombre = Columna(CTercero, "select terc_nit, terc_nom from terceros where terc_estado = 'S' and terc_nit = " +
                                   sql_texto(nit), "TERC_NOM");
}

void Tfdmter::nombre_proveedor(const std::string& nit, std::string& nombre) {
    nombre = Columna(CTerceros, ConsultaProveedor(nit, false), "TERC_NOM");
}

Currency Tfdmter::DelProveedor(const std::string& nit, const std::string& columna) {
    abra(CTerceros, ConsultaProveedor(nit, false));
    Currency valor = CTerceros->IsEmpty() ? Currency(0) : CTerceros->FieldByName(columna)->AsCurrency();
    CTerceros->Close();
    return valor;
}

Currency Tfdmter::base_rtfte(const std::string& nit) { return DelProveedor(nit, "PROV_RTFTEBASE"); }

void Tfdmter::valide_proveedor_ret(const std::string& nit, TField* campo_retefuente, TField* campo_reteiva,
                                   TField* campo_ica, TField* campo_simplificado, std::string& nombre) {
    abra(CTerceros, ConsultaProveedor(nit, true));
    if (CTerceros->IsEmpty()) {
        CTerceros->Close();
        nombre.clear();
        return;
    }
    if (Vacio(campo_retefuente)) campo_retefuente->SetAsCurrency(CTerceros->FieldByName("PROV_RETEFTE")->AsCurrency());
    if (Vacio(campo_reteiva)) campo_reteiva->SetAsCurrency(CTerceros->FieldByName("PROV_RTEIVA")->AsCurrency());
    if (Vacio(campo_ica)) campo_ica->SetAsCurrency(CTerceros->FieldByName("PROV_RTEICA")->AsCurrency());
    std::string simplificado = CTerceros->FieldByName("PROV_SIMPLIFICADO")->AsString();
    nombre = CTerceros->FieldByName("TERC_NOM")->AsString();
    CTerceros->Close();
    campo_simplificado->SetAsString(simplificado);
    if (simplificado == "S") {
        // The setting is stored as text with either decimal separator.
        std::string porcentaje = fdm->configuracion("COMPRAS", "FACTURAS",
                                                    "PORCENTAJE DE RETENCION DE IVA PARA REGIMEN SIMPLIFICADO");
        campo_reteiva->SetAsCurrency(StrToCurr(StringReplace(Trim(porcentaje), ",", "."), TFormatSettings::Invariant()));
    }
}

Currency Tfdmter::precio_proveedor(const std::string& codigo1, const std::string& codigo2, TDateTime fecha) {
    if (codigo1.empty() || codigo2.empty()) return Currency(0);
    abra(CPrecprov, "select * from costo_proveedor(" + sql_texto(codigo1) + "," + sql_texto(codigo2) + "," +
                        sql_fecha(fecha) + ")");
    Currency costo = CPrecprov->IsEmpty() || CPrecprov->FieldByName("COSTO")->IsNull()
                         ? Currency(0)
                         : CPrecprov->FieldByName("COSTO")->AsCurrency();
    CPrecprov->Close();
    return costo;
}

void Tfdmter::valide_cliente(const std::string& nit, TField* campo_retefuente, TField* campo_reteiva,
                             TField* campo_ica, TField* campo_vendedor, std::string& nombre) {
    abra(CValcliente, ConsultaCliente(nit));
    if (CValcliente->IsEmpty()) {
        CValcliente->Close();
        nombre.clear();
        return;
    }
    if (CValcliente->FieldByName("CLIE_ESTADO")->AsString() != "A") {
        CValcliente->Close();
        muestre_mensaje("Cliente inactivo o bloqueado. consulte el estado del cliente.");
        nombre = "**__INACTIVO__**";
        return;
    }
    campo_retefuente->SetAsCurrency(CValcliente->FieldByName("CLIE_RTEFTE")->AsCurrency());
    campo_reteiva->SetAsCurrency(CValcliente->FieldByName("CLIE_RTEIVA")->AsCurrency());
    campo_ica->SetAsCurrency(CValcliente->FieldByName("CLIE_RTEICA")->AsCurrency());
    campo_vendedor->SetValue(CValcliente->FieldByName("VEND_COD")->Value());
    nombre = CValcliente->FieldByName("TERC_NOM")->AsString();
    CValcliente->Close();
}

void Tfdmter::nombre_cliente(const std::string& nit, std::string& nombre) {
    nombre = Columna(CValcliente, ConsultaCliente(nit), "TERC_NOM");
}

Currency Tfdmter::DelCliente(const std::string& nit, const std::string& columna) {
    abra(CValcliente, ConsultaCliente(nit));
    TField* f = CValcliente->IsEmpty() ? nullptr : CValcliente->FieldByName(columna);
    Currency valor = f && !f->IsNull() ? f->AsCurrency() : Currency(0);
    CValcliente->Close();
    return valor;
}

Currency Tfdmter::base_rtfte_cli(const std::string& nit) { return DelCliente(nit, "CLIE_RTFTEBASE"); }
Currency Tfdmter::descuento_max(const std::string& nit) { return DelCliente(nit, "CLIE_DTOMAX"); }
Currency Tfdmter::cupo_credito(const std::string& nit) { return DelCliente(nit, "CLIE_CUPO"); }

Currency Tfdmter::cartera_vencida_cliente(const std::string& nit, TDateTime fecha) {
    if (nit.empty()) return Currency(0);
    abra(CCartera, "select sum(saldo) saldo from vencido_cliente(" + sql_texto(nit) + "," + sql_fecha(fecha) +
                       ",0,'S')");
    TField* saldo = CCartera->IsEmpty() ? nullptr : CCartera->Fields()[0];
    Currency valor = saldo && !saldo->IsNull() ? saldo->AsCurrency() : Currency(0);
    CCartera->Close();
    return valor;
}

bool Tfdmter::valide_tercero(const std::string& nit) {
    bool ok = Columna(CValidtercero, "select * from existe_tercero(" + sql_texto(nit) + ")", "OK") == "S";
    if (!ok) muestre_mensaje("Tercero Inactivo o no encontrado.");
    return ok;
}

void Tfdmter::valide_retenciones(const std::string& nit, TField* campo_retefuente, TField* campo_reteiva,
                                 TField* campo_ica, std::string& nombre) {
    abra(Cvalideretenciones, "select TERC_NOM,PROV_RETEFTE,PROV_RTEIVA,PROV_RTEICA FROM PROVEEDORES c,TERCEROS t "
                             "where c.terc_nit = t.terc_nit and t.terc_nit = " + sql_texto(nit));
    nombre.clear();
    if (!Cvalideretenciones->IsEmpty()) {
        campo_retefuente->SetAsCurrency(Cvalideretenciones->FieldByName("PROV_RETEFTE")->AsCurrency());
        campo_reteiva->SetAsCurrency(Cvalideretenciones->FieldByName("PROV_RTEIVA")->AsCurrency());
        campo_ica->SetAsCurrency(Cvalideretenciones->FieldByName("PROV_RTEICA")->AsCurrency());
        nombre = Cvalideretenciones->FieldByName("TERC_NOM")->AsString();
    }
    Cvalideretenciones->Close();
}

int Tfdmter::cobrador_cliente(const std::string& nit) {
    abra(CCliente, "select t.terc_nit, terc_nom, cobr_cod, clie_rtefte, clie_rteiva, clie_rteica, clie_rtftebase, "
                   "clie_dtomax from terceros t, clientes c where t.terc_nit = c.terc_nit and t.terc_nit = " +
                       sql_texto(nit) + " and t.terc_clie = 'S'");
    TField* cobrador = CCliente->IsEmpty() ? nullptr : CCliente->FieldByName("COBR_COD");
    int codigo = cobrador && !cobrador->IsNull() ? cobrador->AsInteger() : 0;
    CCliente->Close();
    return codigo;
}

void Tfdmter::valide_clientCartera(const std::string& nit, TField* campo_cobrador, std::string& nombre) {
    abra(CClientes, "select t.terc_nit, terc_nom, c.cobr_cod,cb.cobr_estado from terceros t, clientes c left outer "
                    "join  cobradores cb on ( cb.cobr_cod = c.cobr_cod )  where t.terc_nit = c.terc_nit and "
                    "t.terc_nit = " + sql_texto(nit) + " and t.terc_clie = 'S'");
    nombre.clear();
    if (!CClientes->IsEmpty()) {
        nombre = CClientes->FieldByName("TERC_NOM")->AsString();
        Cobrador(CClientes, campo_cobrador);
    }
    CClientes->Close();
}

void Tfdmter::valide_retenCartera(const std::string& nit, TField* campo_retefuente, TField* campo_reteiva,
                                  TField* campo_ica, TField* campo_cobrador, std::string& nombre) {
    abra(CValideretencart, "select TERC_NOM,CLIE_RTEFTE,CLIE_RTEIVA,CLIE_RTEICA,c.COBR_COD,COBR_ESTADO FROM CLIENTES "
                           "c left outer join  cobradores cb on ( c.cobr_cod = CB.cobr_cod  ), TERCEROS t where "
                           "c.terc_nit = t.terc_nit and  t.terc_nit = " + sql_texto(nit));
    nombre.clear();
    if (!CValideretencart->IsEmpty()) {
        campo_retefuente->SetAsCurrency(CValideretencart->FieldByName("CLIE_RTEFTE")->AsCurrency());
        campo_reteiva->SetAsCurrency(CValideretencart->FieldByName("CLIE_RTEIVA")->AsCurrency());
        campo_ica->SetAsCurrency(CValideretencart->FieldByName("CLIE_RTEICA")->AsCurrency());
        Cobrador(CValideretencart, campo_cobrador);
        nombre = CValideretencart->FieldByName("TERC_NOM")->AsString();
    }
    CValideretencart->Close();
}

} // namespace tv::app
