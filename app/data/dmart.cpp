#include "app/data/dmart.h"

#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "app/data/sqltexto.h"
#include "core/stringlist.h"
#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/data/sql/sqltable.h"

namespace tv::app {

TfdmArt* fdmArt = nullptr;

TfdmArt::TfdmArt(TComponent* owner) : TDataModule(owner) { fdmArt = this; }

TfdmArt::~TfdmArt() {
    DestroyComponents();
    if (fdmArt == this) fdmArt = nullptr;
}

void TfdmArt::Publish(TPublisher& p) {
    p.Field("Compania2", &TfdmArt::Compania2);
    p.Field("QExistencia2", &TfdmArt::QExistencia2);
    p.Field("Query2", &TfdmArt::Query2);
    p.Field("PCompania2", &TfdmArt::PCompania2);
    p.Field("CCompania2", &TfdmArt::CCompania2);
    p.Field("TListprecios", &TfdmArt::TListprecios);
    p.Field("QArticulos", &TfdmArt::QArticulos);
    p.Field("TArticulo", &TfdmArt::TArticulo);
    p.Field("QValarticulo", &TfdmArt::QValarticulo);
    p.Field("PValarticulo", &TfdmArt::PValarticulo);
    p.Field("CValarticulo", &TfdmArt::CValarticulo);
    p.Field("QArticulo", &TfdmArt::QArticulo);
    p.Field("PArticulo", &TfdmArt::PArticulo);
    p.Field("CArticulo", &TfdmArt::CArticulo);
    p.Field("QArticuloUnidad", &TfdmArt::QArticuloUnidad);
    p.Field("PArticuloUnidad", &TfdmArt::PArticuloUnidad);
    p.Field("CArticuloUnidad", &TfdmArt::CArticuloUnidad);
    p.Field("QLotes", &TfdmArt::QLotes);
    p.Field("PLotes", &TfdmArt::PLotes);
    p.Field("CLotes", &TfdmArt::CLotes);
    p.Field("QListapre", &TfdmArt::QListapre);
    p.Field("PListapre", &TfdmArt::PListapre);
    p.Field("CListapre", &TfdmArt::CListapre);
    p.Field("QSeleclote", &TfdmArt::QSeleclote);
    p.Field("PSeleclote", &TfdmArt::PSeleclote);
    p.Field("CSeleclote", &TfdmArt::CSeleclote);
    p.Field("QMaxlote", &TfdmArt::QMaxlote);
    p.Field("PMaxlote", &TfdmArt::PMaxlote);
    p.Field("CMaxlote", &TfdmArt::CMaxlote);
    p.Field("QSaldolote", &TfdmArt::QSaldolote);
    p.Field("PSaldolote", &TfdmArt::PSaldolote);
    p.Field("CSaldolote", &TfdmArt::CSaldolote);
    p.Field("QFactor", &TfdmArt::QFactor);
    p.Field("PFactor", &TfdmArt::PFactor);
    p.Field("CFactor", &TfdmArt::CFactor);
    p.Field("QValexistencia", &TfdmArt::QValexistencia);
    p.Field("PValexistencia", &TfdmArt::PValexistencia);
    p.Field("CValexistencia", &TfdmArt::CValexistencia);
    p.Field("QMinimo", &TfdmArt::QMinimo);
    p.Field("PMinimo", &TfdmArt::PMinimo);
    p.Field("CMinimo", &TfdmArt::CMinimo);
    p.Field("QMovarti", &TfdmArt::QMovarti);
    p.Field("PMovarti", &TfdmArt::PMovarti);
    p.Field("CMovarti", &TfdmArt::CMovarti);
    p.Field("QUltcosto", &TfdmArt::QUltcosto);
    p.Field("PUltcosto", &TfdmArt::PUltcosto);
    p.Field("CUltcosto", &TfdmArt::CUltcosto);
    p.Field("QCostoprom", &TfdmArt::QCostoprom);
    p.Field("PCostoprom", &TfdmArt::PCostoprom);
    p.Field("CCostoprom", &TfdmArt::CCostoprom);
    p.Field("QUltimoc", &TfdmArt::QUltimoc);
    p.Field("PUltimoc", &TfdmArt::PUltimoc);
    p.Field("CUltimoc", &TfdmArt::CUltimoc);
    p.Field("QPrecioart", &TfdmArt::QPrecioart);
    p.Field("PPrecioart", &TfdmArt::PPrecioart);
    p.Field("CPrecioart", &TfdmArt::CPrecioart);
    p.Field("QListahoy", &TfdmArt::QListahoy);
    p.Field("PListahoy", &TfdmArt::PListahoy);
    p.Field("CListahoy", &TfdmArt::CListahoy);
    p.Field("QAlerta", &TfdmArt::QAlerta);
    p.Field("PAlerta", &TfdmArt::PAlerta);
    p.Field("CAlerta", &TfdmArt::CAlerta);
    p.Field("QPesoart", &TfdmArt::QPesoart);
    p.Field("PPesoart", &TfdmArt::PPesoart);
    p.Field("CPesoart", &TfdmArt::CPesoart);
    p.Field("QStand", &TfdmArt::QStand);
    p.Field("PStand", &TfdmArt::PStand);
    p.Field("CStand", &TfdmArt::CStand);
    p.Field("QRef", &TfdmArt::QRef);
    p.Field("PRef", &TfdmArt::PRef);
    p.Field("CRef", &TfdmArt::CRef);
}

void TfdmArt::Loaded() {
    TDataModule::Loaded();
    TSQLConnection* tallyvo = fdm->Tallyvo;
    Compania2->SetDriverName("Interbase");
    Compania2->SetGetDriverFunc("getSQLDriverINTERBASE");
    Compania2->SetLibraryName("dbexpint.dll");
    Compania2->SetVendorLib("GDS32.DLL");
    Compania2->SetLoginPrompt(false);
    Compania2->Params().SetText(
        "BlobSize=-1\nCommitRetain=False\nDatabase=database.fdb\nErrorResourceFile=\nLocaleCode=0000\n"
        "Password=quillmoss\nRoleName=RoleName\nServerCharSet=\nSQLDialect=3\n"
        "Interbase TransIsolation=ReadCommited\nUser_Name=sysdba\nWaitOnLocks=True\nTrim Char=False\n");
    QExistencia2->SetSQLConnection(Compania2);
    QExistencia2->SQL().SetText("SELECT * FROM EXISTENCIAS_UNIDAD('01', '2004-01-01', 'UNIDAD')");
    Query2->SetSQLConnection(Compania2);
    PCompania2->SetDataSet(Query2);
    CCompania2->SetProviderName(PCompania2->Name());
    TListprecios->SetSQLConnection(tallyvo);
    TListprecios->SetTableName("LISTA_PRECIOS");
    QArticulos->SetSQLConnection(tallyvo);
    QArticulos->SQL().SetText("select * from articulo");
    TArticulo->SetSQLConnection(tallyvo);
    TArticulo->SQL().SetText("SELECT * FROM ARTICULO WHERE ARTI_COD = :COD");

    enlace_consulta(QValarticulo, PValarticulo, CValarticulo, tallyvo);
    enlace_consulta(QArticulo, PArticulo, CArticulo, tallyvo);
    enlace_consulta(QArticuloUnidad, PArticuloUnidad, CArticuloUnidad, tallyvo);
    enlace_consulta(QLotes, PLotes, CLotes, tallyvo);
    enlace_consulta(QListapre, PListapre, CListapre, tallyvo);
    enlace_consulta(QSeleclote, PSeleclote, CSeleclote, tallyvo);
    enlace_consulta(QMaxlote, PMaxlote, CMaxlote, tallyvo);
    enlace_consulta(QSaldolote, PSaldolote, CSaldolote, tallyvo);
    enlace_consulta(QFactor, PFactor, CFactor, tallyvo);
    enlace_consulta(QValexistencia, PValexistencia, CValexistencia, tallyvo);
    enlace_consulta(QMinimo, PMinimo, CMinimo, tallyvo);
    enlace_consulta(QMovarti, PMovarti, CMovarti, tallyvo);
    enlace_consulta(QUltcosto, PUltcosto, CUltcosto, tallyvo);
    enlace_consulta(QCostoprom, PCostoprom, CCostoprom, tallyvo);
    enlace_consulta(QUltimoc, PUltimoc, CUltimoc, tallyvo);
    enlace_consulta(QPrecioart, PPrecioart, CPrecioart, tallyvo);
    enlace_consulta(QListahoy, PListahoy, CListahoy, tallyvo);
    enlace_consulta(QAlerta, PAlerta, CAlerta, tallyvo);
    enlace_consulta(QPesoart, PPesoart, CPesoart, tallyvo);
    enlace_consulta(QStand, PStand, CStand, tallyvo);
    enlace_consulta(QRef, PRef, CRef, tallyvo);
}

// --- articles -------------------------------------------------------------------------

bool TfdmArt::valide_articulo(const std::string& codigo, TField* campo_id, TField* campo_descripcion,
                              TField* campo_unidad) {
    if (codigo.empty()) return false;
    abra(CValarticulo, "select * from valide_articulo(" + sql_texto(codigo) + ")");
    int tipo = StrToInt(CValarticulo->FieldByName("TIPO")->AsString());
    if (tipo == 0) {
        CValarticulo->Close();
        muestre_mensaje("Código no encontrado");
        return false;
    }
    if (tipo != 1 && tipo != 2) {
        CValarticulo->Close();
        return false;
    }
    std::string id = CValarticulo->FieldByName("ID")->AsString();
    std::string descripcion = CValarticulo->FieldByName("DESCRIPCION")->AsString();
    std::string unidad = CValarticulo->FieldByName("UNIDAD")->AsString();
    bool por_lotes = CValarticulo->FieldByName("LOTE")->AsString() == "L";
    CValarticulo->Close();
    campo_id->SetAsString(id);
    mostrar_alerta_articulo(codigo, Date());
    if (campo_descripcion->AsString().empty()) campo_descripcion->SetAsString(descripcion);
    if (campo_unidad->AsString().empty()) campo_unidad->SetAsString(unidad);
    return por_lotes;
}

bool TfdmArt::existe_articulo(const std::string& codigo) {
    if (codigo.empty()) return false;
    abra(CValarticulo, "select * from valide_articulo(" + sql_texto(codigo) + ")");
    std::string tipo = CValarticulo->FieldByName("TIPO")->AsString();
    CValarticulo->Close();
    return tipo == "1" || tipo == "2";
}

namespace {
// The first column of the first row as text; empty without a row.
std::string PrimerValor(TClientDataSet* c, const std::string& sql, bool* hubo = nullptr) {
    abra(c, sql);
    bool hay = !c->IsEmpty();
    std::string valor = hay ? c->Fields()[0]->AsString() : std::string();
    c->Close();
    if (hubo) *hubo = hay;
    return valor;
}
} // namespace

void TfdmArt::estado_articulo(const std::string& codigo, std::string& estado) {
    if (codigo.empty()) {
        estado = "A";
        return;
    }
    estado = PrimerValor(CArticulo, "select esar_cod from articulo where arti_cod = " + sql_texto(codigo));
}

bool TfdmArt::descvar_articulo(const std::string& codigo) {
    if (codigo.empty()) return true;
    return PrimerValor(CArticulo, "select arti_desvar from articulo where arti_cod = " + sql_texto(codigo)) == "S";
}

void TfdmArt::desc_articulo(const std::string& codigo, std::string& descripcion) {
    descripcion.clear();
    if (codigo.empty()) return;
    descripcion = PrimerValor(CArticulo, "select arti_des from articulo where arti_cod = " + sql_texto(codigo));
}

void TfdmArt::imptos_articulo(const std::string& codigo, TField* campo_iva, TField* campo_consumo) {
    abra(CArticulo, "select taiv_porc, arti_consumo from articulo a, tarifa_iva t where a.taiv_cod = t.taiv_cod "
                    "and arti_cod = " + sql_texto(codigo));
    if (!CArticulo->IsEmpty()) {
        campo_iva->SetValue(CArticulo->Fields()[0]->Value());
        campo_consumo->SetValue(CArticulo->Fields()[1]->Value());
    }
    CArticulo->Close();
}

Currency TfdmArt::PorcentajeIva(const std::string& codigo) {
    abra(CArticulo, "SELECT taiv_porc FROM articulo a, tarifa_iva t where a.taiv_cod = t.taiv_cod and arti_cod = " +
                        sql_texto(codigo));
    Currency iva = CArticulo->IsEmpty() ? Currency(0) : CArticulo->Fields()[0]->AsCurrency();
    CArticulo->Close();
    return iva;
}

void TfdmArt::stand_articulo(const std::string& codigo, const std::string& bodega, std::string& stand) {
    stand = PrimerValor(CStand, "SELECT STAND_COD FROM STANDS WHERE ARTI_COD = " + sql_texto(codigo) +
                                    " AND STAND_BODEGA = " + sql_texto(bodega));
}

void TfdmArt::barras_articulo(const std::string& codigo, std::string& barras) {
    barras = PrimerValor(CRef, "select first 1 coba_cod from barras_articulo where arti_cod = " + sql_texto(codigo));
}

bool TfdmArt::tiene_movimiento(const std::string& codigo) {
    abra(CMovarti, "select count(*) from movimiento_articulo where arti_cod = " + sql_texto(codigo));
    bool hay = CMovarti->Fields()[0]->AsInteger() > 0;
    CMovarti->Close();
    return hay;
}

void TfdmArt::mostrar_alerta_articulo(const std::string& codigo, TDateTime fecha) {
    bool hubo = false;
    std::string mensaje =
        PrimerValor(CAlerta, "select aral_mensaje from articulo_alertas where arti_cod = " + sql_texto(codigo) +
                                 " and aral_fechaini <= " + sql_fecha(fecha) + " and aral_fechafin >= " +
                                 sql_fecha(fecha), &hubo);
    if (hubo) fdm->mostrar_alerta(mensaje);
}

void TfdmArt::peso_y_volumen(const std::string& codigo, const std::string& unidad, Currency cantidad,
                             TField* campo_peso, TField* campo_volumen) {
    abra(CPesoart, "select arti_peso, arti_ancho,arti_largo,arti_alto from articulo where arti_cod = " +
                       sql_texto(codigo));
    if (CPesoart->IsEmpty()) {
        CPesoart->Close();
        campo_peso->SetAsFloat(0);
        campo_volumen->SetAsFloat(0);
        return;
    }
    TField* peso = CPesoart->Fields()[0];
    TField* ancho = CPesoart->Fields()[1];
    TField* largo = CPesoart->Fields()[2];
    TField* alto = CPesoart->Fields()[3];
    bool con_peso = !peso->IsNull();
    double p = con_peso ? peso->AsFloat() : 0;
    bool con_medidas = !ancho->IsNull() && !largo->IsNull() && !alto->IsNull();
    double medidas = con_medidas ? ancho->AsFloat() * largo->AsFloat() * alto->AsFloat() : 0;
    CPesoart->Close();
    double k = factor_unidad(codigo, unidad).ToDouble();
    double q = cantidad.ToDouble();
    campo_peso->SetAsFloat(con_peso ? p * q * k / 1000 : 0);
    campo_volumen->SetAsFloat(con_medidas ? medidas * q * k / 1000 : 0);
}

std::string TfdmArt::texto_consulta_precios(const std::string& barras, const std::string& lista) const {
    return "SELECT * FROM CONSULTA_ARTICULOS_PRECIOS(" + sql_texto(barras) + "," + sql_entero(lista) + ")";
}

} // namespace tv::app
