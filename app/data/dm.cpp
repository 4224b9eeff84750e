#include "app/data/dm.h"

#include "app/data/archivos.h"
#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/dmart.h"
#include "app/data/numeroletras.h"
#include "app/data/sqltexto.h"
#include "core/formatsettings.h"
#include "core/properties.h"
#include "core/strutils.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/ui/application.h"
#include "skin/internalskins.h"
#include "skin/skinmanager.h"
#include "framework/data/sql/sqlstoredproc.h"

namespace tv::app {

Tfdm* fdm = nullptr;

namespace {

// Driver settings every connection of the station shares; login replaces the
// database, the user and the password.
void PrepareConexion(TSQLConnection* c, const std::string& nombre_conexion, const std::string& libreria_cliente,
                     bool trim_char_false) {
    c->SetDriverName("Interbase");
    c->SetGetDriverFunc("getSQLDriverINTERBASE");
    c->SetLibraryName("dbexpint.dll");
    c->SetVendorLib(libreria_cliente);
    c->SetConnectionName(nombre_conexion);
    c->SetLoginPrompt(false);
    c->Params().SetText(
        "BlobSize=-1\nCommitRetain=False\nDatabase=database.fdb\nSQLDialect=3\n"
        "Interbase TransIsolation=ReadCommited\nWaitOnLocks=True\nLocaleCode=0000\nRoleName=RoleName\n"
        "User_Name=sysdba\nPassword=quillmoss\n");
    if (trim_char_false) c->Params().SetValues("Trim Char", "False");
}

void Conecte(TSQLConnection* c, const std::string& base, const std::string& usuario, const std::string& clave) {
    c->Close();
    c->Params().SetValues("Database", base);
    c->Params().SetValues("User_Name", usuario);
    c->Params().SetValues("Password", clave);
    c->Open();
}

} // namespace

Tfdm::Tfdm(TComponent* owner) : TDataModule(owner) { fdm = this; }

void Tfdm::Publish(TPublisher& p) {
    p.Method("DataModuleCreate", &Tfdm::DataModuleCreate);
    p.Field("Tallyvo", &Tfdm::Tallyvo);
    p.Field("ConGeneral", &Tfdm::ConGeneral);
    p.Field("ConReplica", &Tfdm::ConReplica);
    p.Field("QConfiguracion", &Tfdm::QConfiguracion);
    p.Field("PConfiguracion", &Tfdm::PConfiguracion);
    p.Field("CConfiguracion", &Tfdm::CConfiguracion);
    p.Field("QBorrar", &Tfdm::QBorrar);
    p.Field("PBorrar", &Tfdm::PBorrar);
    p.Field("CBorrar", &Tfdm::CBorrar);
    p.Field("TNomcampos", &Tfdm::TNomcampos);
    p.Field("PNomcampos", &Tfdm::PNomcampos);
    p.Field("CNomcampos", &Tfdm::CNomcampos);
    p.Field("QValiduser", &Tfdm::QValiduser);
    p.Field("QAcceso", &Tfdm::QAcceso);
    p.Field("PAcceso", &Tfdm::PAcceso);
    p.Field("CAcceso", &Tfdm::CAcceso);
    p.Field("QAccesous", &Tfdm::QAccesous);
    p.Field("PAccesous", &Tfdm::PAccesous);
    p.Field("CAccesous", &Tfdm::CAccesous);
    p.Field("TUsracceso", &Tfdm::TUsracceso);
    p.Field("TCompania", &Tfdm::TCompania);
    p.Field("Pcompania", &Tfdm::Pcompania);
    p.Field("CCompania", &Tfdm::CCompania);
    p.Field("DCompania", &Tfdm::DCompania);
    p.Field("TAgencia", &Tfdm::TAgencia);
    p.Field("PAgencia", &Tfdm::PAgencia);
    p.Field("CAgencia", &Tfdm::CAgencia);
    p.Field("TTipodoc", &Tfdm::TTipodoc);
    p.Field("DTipodoc", &Tfdm::DTipodoc);
    p.Field("TPrefijo", &Tfdm::TPrefijo);
    p.Field("QNomtipo", &Tfdm::QNomtipo);
    p.Field("QNumerodoc", &Tfdm::QNumerodoc);
    p.Field("QValida", &Tfdm::QValida);
    p.Field("TTipocomp", &Tfdm::TTipocomp);
    p.Field("DTipocomp", &Tfdm::DTipocomp);
    p.Field("TPrefconta", &Tfdm::TPrefconta);
    p.Field("QPrefijos", &Tfdm::QPrefijos);
    p.Field("TCuentas", &Tfdm::TCuentas);
    p.Field("PCuentaconta", &Tfdm::PCuentaconta);
    p.Field("CCuentaconta", &Tfdm::CCuentaconta);
    p.Field("QNomcuenta", &Tfdm::QNomcuenta);
    p.Field("TProyectos", &Tfdm::TProyectos);
    p.Field("DProyectos", &Tfdm::DProyectos);
    p.Field("TCentros", &Tfdm::TCentros);
    p.Field("QValcentro", &Tfdm::QValcentro);
    p.Field("PValcentro", &Tfdm::PValcentro);
    p.Field("CValcentro", &Tfdm::CValcentro);
    p.Field("QValtercero", &Tfdm::QValtercero);
    p.Field("PValtercero", &Tfdm::PValtercero);
    p.Field("CValtercero", &Tfdm::CValtercero);
    p.Field("QContabiliza", &Tfdm::QContabiliza);
    p.Field("DContabiliza", &Tfdm::DContabiliza);
    p.Field("QContabdetalle", &Tfdm::QContabdetalle);
    p.Field("Tformatos", &Tfdm::Tformatos);
    p.Field("DFormatos", &Tfdm::DFormatos);
    p.Field("Tformadatos", &Tfdm::Tformadatos);
    p.Field("Tformalineas", &Tfdm::Tformalineas);
    p.Field("QFormatos", &Tfdm::QFormatos);
    p.Field("QImprdoc", &Tfdm::QImprdoc);
    p.Field("QDocrela", &Tfdm::QDocrela);
    p.Field("PDocrela", &Tfdm::PDocrela);
    p.Field("CDocrela", &Tfdm::CDocrela);
    p.Field("Qdocrelaitem", &Tfdm::Qdocrelaitem);
    p.Field("PDocrelaitem", &Tfdm::PDocrelaitem);
    p.Field("CDocrelaitem", &Tfdm::CDocrelaitem);
    p.Field("TConsolidef", &Tfdm::TConsolidef);
    p.Field("PConsolide", &Tfdm::PConsolide);
    p.Field("CConsolide", &Tfdm::CConsolide);
    p.Field("QConsolidado", &Tfdm::QConsolidado);
    p.Field("PConsolidado", &Tfdm::PConsolidado);
    p.Field("CConsolidado", &Tfdm::CConsolidado);
    p.Field("TReplica", &Tfdm::TReplica);
    p.Field("PReplica", &Tfdm::PReplica);
    p.Field("CReplica", &Tfdm::CReplica);
    p.Field("QReplica", &Tfdm::QReplica);
    p.Field("PReplicas", &Tfdm::PReplicas);
    p.Field("CReplicas", &Tfdm::CReplicas);
    p.Field("TReplarticulo", &Tfdm::TReplarticulo);
    p.Field("PReplarticulo", &Tfdm::PReplarticulo);
    p.Field("CReplarticulo", &Tfdm::CReplarticulo);
    p.Field("QReplarticulo", &Tfdm::QReplarticulo);
    p.Field("QborraReplica", &Tfdm::QborraReplica);
    p.Field("TEntreplica", &Tfdm::TEntreplica);
    p.Field("DEntreplica", &Tfdm::DEntreplica);
    p.Field("TEntdetreplica", &Tfdm::TEntdetreplica);
    p.Field("QPrefrep", &Tfdm::QPrefrep);
    p.Field("QBodrep", &Tfdm::QBodrep);
    p.Field("TPtosventa", &Tfdm::TPtosventa);
    p.Field("TFormapago", &Tfdm::TFormapago);
    p.Field("TCaja", &Tfdm::TCaja);
    p.Field("TCuentabco", &Tfdm::TCuentabco);
    p.Field("TConfigpos", &Tfdm::TConfigpos);
    p.Field("TAsesores", &Tfdm::TAsesores);
    p.Field("TSubEmpresa", &Tfdm::TSubEmpresa);
    p.Field("TTasacambio", &Tfdm::TTasacambio);
    p.Field("TMoneda", &Tfdm::TMoneda);
    p.Field("TPrograma", &Tfdm::TPrograma);
    p.Field("DPrograma", &Tfdm::DPrograma);
    p.Field("TModulo", &Tfdm::TModulo);
    p.Field("DModulo", &Tfdm::DModulo);
    p.Field("TOpcion", &Tfdm::TOpcion);
    p.Field("TSoporte", &Tfdm::TSoporte);
    p.Field("QInterfaces", &Tfdm::QInterfaces);
    p.Field("QPuc", &Tfdm::QPuc);
    p.Field("QCuentas", &Tfdm::QCuentas);
    p.Field("SCreectapuc", &Tfdm::SCreectapuc);
    p.Field("SPCtaPadre", &Tfdm::SPCtaPadre);
    p.Field("SAfectable", &Tfdm::SAfectable);
    p.Field("SContapend", &Tfdm::SContapend);
    p.Field("SIdinterfaz", &Tfdm::SIdinterfaz);
    p.Field("Smueveformato", &Tfdm::Smueveformato);
    p.Field("SConsolidedoc", &Tfdm::SConsolidedoc);
    p.Field("IdConsolide", &Tfdm::IdConsolide);
    p.Field("SCambiaprecReplic", &Tfdm::SCambiaprecReplic);
    p.Field("SCopyListReplic", &Tfdm::SCopyListReplic);
    p.Field("SFormprecRep", &Tfdm::SFormprecRep);
    p.Field("SPIdEntreplica", &Tfdm::SPIdEntreplica);
    p.Field("sSkinManager1", &Tfdm::sSkinManager1);
}

Tfdm::~Tfdm() {
    DestroyComponents();
    if (fdm == this) fdm = nullptr;
}

void Tfdm::Loaded() {
    TDataModule::Loaded();
    PrepareConexion(Tallyvo, "IBLocal", "gds32.dll", false);
    PrepareConexion(ConGeneral, "IBConnection", "GDS32.DLL", true);
    PrepareConexion(ConReplica, "IBLocal", "GDS32.DLL", false);

    enlace_consulta(QConfiguracion, PConfiguracion, CConfiguracion, Tallyvo, false, "SELECT * FROM CONFIGURACION");
    enlace_consulta(QBorrar, PBorrar, CBorrar, Tallyvo);
    TNomcampos->SetSQLConnection(Tallyvo);
    TNomcampos->SQL().SetText("SELECT * FROM NOMBRES_CAMPOS");
    PNomcampos->SetDataSet(TNomcampos);
    CNomcampos->SetProviderName(PNomcampos->Name());
    QValiduser->SetSQLConnection(ConGeneral);
    enlace_consulta(QAcceso, PAcceso, CAcceso, ConGeneral);
    enlace_consulta(QAccesous, PAccesous, CAccesous, Tallyvo);
    TUsracceso->SetSQLConnection(Tallyvo);
    TCompania->SetSQLConnection(ConGeneral);
    TCompania->SQL().SetText("SELECT * FROM COMPANIA");
    Pcompania->SetDataSet(TCompania);
    CCompania->SetProviderName(Pcompania->Name());
    DCompania->SetDataSet(CCompania);
    TAgencia->SetSQLConnection(Tallyvo);
    TAgencia->SQL().SetText("SELECT * FROM SUCURSALES");
    PAgencia->SetDataSet(TAgencia);
    CAgencia->SetProviderName(PAgencia->Name());
    TTipodoc->SetSQLConnection(Tallyvo);
    TTipodoc->SQL().SetText("SELECT * FROM TIPO_DOCUMENTO ORDER BY TIDO_NOMLARGO");
    DTipodoc->SetDataSet(TTipodoc);
    TPrefijo->SetSQLConnection(Tallyvo);
    TPrefijo->SQL().SetText("SELECT * FROM PREFIJOS WHERE TIDO_COD = :TIDO_COD ORDER BY PREF_PRE");
    TPrefijo->SetDataSource(DTipodoc);
    for (TSQLQuery* q : {QNomtipo, QNumerodoc, QValida}) q->SetSQLConnection(Tallyvo);
    EnlaceConjuntos();

    // The internal skins travel as a resource of the build, not inside this
    // module's definition, so the manager is switched on once they are in.
    LoadInternalSkins(sSkinManager1->InternalSkins());
    sSkinManager1->SetActive(true);
}

void Tfdm::DataModuleCreate(TObject*) {
    nombre_mes = {"Enero", "Febrero", "Marzo",      "Abril",   "Mayo",      "Junio",   "Julio",
                  "Agosto", "Septiembre", "Octubre", "Noviembre", "Diciembre", "Ajustes", "Cierre"};
    FormatSettings.DateSeparator = '/';
    FormatSettings.ShortDateFormat = "yyyy/mm/dd";
    tamano_paquete = 1000;
    if (Application)
        Application->OnException = [this](TObject* sender, Exception& e) { ENoManejada(sender, e); };
    tono_modulo();
}

void Tfdm::tono_modulo() {
    struct Tono {
        const char* modulo;
        int matiz, saturacion;
    };
    static constexpr Tono tonos[] = {{"INVENTARIO", 220, 50},  {"FACTURACION", 0, 0},   {"COMPRAS", 80, 0},
                                     {"CARTERA", 200, 40},     {"C. X PAGAR", 160, 0},  {"CONTABILIDAD", 40, 0},
                                     {"TESORERIA", 250, 0}};
    if (!sSkinManager1) return;
    for (const Tono& t : tonos)
        if (modulo == t.modulo) {
            sSkinManager1->SetHueOffset(t.matiz);
            sSkinManager1->SetSaturation(t.saturacion);
        }
}

TColor Tfdm::color_solicitando() const {
    return sSkinManager1 ? sSkinManager1->GetGlobalColor() : TColor(ColorToRGB(clBtnFace));
}

void Tfdm::ConfigurarProviders(TComponent* raiz) {
    for (int i = 0; i < raiz->ComponentCount(); ++i) {
        TComponent* c = raiz->Components(i);
        if (c->ComponentCount() > 0) {
            ConfigurarProviders(c);
        } else if (auto* p = dynamic_cast<TDataSetProvider*>(c)) {
            p->OnUpdateError = [this](TObject* sender, TDataSet* ds, EUpdateError& e, TUpdateKind kind,
                                      TResolverResponse& response) { ManejarError(sender, ds, e, kind, response); };
        } else if (auto* cds = dynamic_cast<TClientDataSet*>(c)) {
            cds->SetPacketRecords(tamano_paquete);
            cds->BeforeGetRecords = [this](TObject* sender, Variant& data) { mostrar_mensaje(sender, data); };
            cds->AfterGetRecords = [this](TObject* sender, Variant& data) { quitar_mensaje(sender, data); };
            auto manejo = [this](TDataSet* ds, EDatabaseError& e, TDataAction& action) {
                ManejarClientError(ds, e, action);
            };
            cds->OnDeleteError = manejo;
            cds->OnEditError = manejo;
            cds->OnPostError = manejo;
        }
    }
}

// --- settings ----------------------------------------------------------------------

void Tfdm::cargue_configuracion() {
    // A second company choice reads the new company's settings.
    CConfiguracion->Close();
    CConfiguracion->Open();
    CConfiguracion->Last();
}

bool Tfdm::BusqueConfiguracion(const std::string& modulo_conf, const std::string& categoria,
                               const std::string& propiedad, std::string& valor) {
    valor.clear();
    if (!CConfiguracion->Active()) return false;
    if (!CConfiguracion->Locate("CONF_MODULO;CONF_CATEGORIA;CONF_PROPIEDAD",
                                VarArrayOf({modulo_conf, categoria, propiedad}), {}))
        return false;
    valor = CConfiguracion->FieldByName("CONF_VALOR")->AsString();
    return true;
}

std::string Tfdm::configuracion(const std::string& modulo_conf, const std::string& categoria,
                                const std::string& propiedad) {
    std::string valor;
    if (!BusqueConfiguracion(modulo_conf, categoria, propiedad, valor))
        muestre_error("No se encontró la configuración " + propiedad);
    return valor;
}

void Tfdm::nombre_impresora(const std::string& nombre, std::string& impresora) {
    lea_impresora(archivo_aplicacion("impresoras.cfg"), nombre, impresora);
}

void Tfdm::numero_a_letras(Currency monto, std::string& texto) {
    std::string moneda = configuracion("GENERAL", "GENERAL", "NOMBRE DE LA MONEDA A USAR EN LOS MONTOS EN LETRAS");
    std::string fraccion = configuracion("GENERAL", "GENERAL", "FRACCION DE MONEDA EN MONTOS EN LETRAS");
    std::string final_texto = configuracion("GENERAL", "GENERAL", "FINAL DE LA CADENA DE MONTOS EN LETRAS");
    texto = app::numero_a_letras(monto, moneda, fraccion, final_texto);
}

// --- login ---------------------------------------------------------------------------

void Tfdm::conecte_general(const std::string& servidor, const std::string& usuario_tecleado,
                           const std::string& clave) {
    Conecte(ConGeneral, servidor + "/datos/general.fdb", usuario_tecleado, clave);
}

bool Tfdm::busque_usuario(const std::string& usuario_tecleado, std::string& nombre, bool& administrador) {
    abra(CAcceso, "select usua_nombre, usua_admin from usuario where usua_cod = " +
                      sql_texto(AnsiUpperCase(usuario_tecleado)));
    bool hay = !CAcceso->IsEmpty();
    if (hay) {
        nombre = CAcceso->Fields()[0]->AsString();
        administrador = CAcceso->Fields()[1]->AsString() == "S";
    }
    CAcceso->Close();
    return hay;
}

std::string Tfdm::nombre_compania(const std::string& compania) {
    abra(CAcceso, "select com_nombre from compania where comp_cod = " + sql_texto(compania));
    std::string nombre = CAcceso->IsEmpty() ? std::string() : CAcceso->Fields()[0]->AsString();
    CAcceso->Close();
    return nombre;
}

void Tfdm::conecte_compania(const std::string& servidor, const std::string& compania_tecleada,
                            const std::string& usuario_tecleado, const std::string& clave) {
    // The server compares codes without their trailing blanks, so "001 " finds
    // company 001; its folder is named without them.
    const std::string compania = TrimRight(compania_tecleada);
    CCompania->Close();
    CCompania->Open();
    CCompania->Locate("COMP_COD", compania, {});
    Conecte(Tallyvo, servidor + "/datos/" + compania + "/tallyvo.fdb", usuario_tecleado, clave);
    cargue_configuracion();
    duracion_busquedas = StrToInt(configuracion("GENERAL", "GENERAL", "DURACION DE LAS BUSQUEDAS")) * 1000;
    std::string existencias =
        TrimRight(configuracion("INVENTARIO", "EXISTENCIAS", "CODIGO COMPAÑIA CONSULTA EXISTENCIAS"));
    if (Tallyvo->Connected() && !existencias.empty() && fdmArt)
        Conecte(fdmArt->Compania2, servidor + "/datos/" + existencias + "/tallyvo.fdb", usuario_tecleado, clave);
}

bool Tfdm::busque_usuario_compania(const std::string& usuario_tecleado, int& sucursal_usuario) {
    abra(CAccesous, "select * from usuario where user_cod = " + sql_texto(AnsiUpperCase(usuario_tecleado)));
    bool hay = !CAccesous->IsEmpty();
    if (hay) sucursal_usuario = CAccesous->FieldByName("SUCU_ID")->AsInteger();
    CAccesous->Close();
    return hay;
}

void Tfdm::registre_ingreso(const std::string& usuario_tecleado, const std::string& nombre,
                            TDateTime fecha_trabajo) {
    nombre_usuario = nombre;
    usuario = AnsiUpperCase(usuario_tecleado);
    fecha = DateToStr(fecha_trabajo);
    ejecute(CBorrar, "INSERT INTO AUDITORIA(TIDO_COD, AUDI_IDDOC, AUDI_OPER, AUDI_COD) VALUES (131, 0, 'I', " +
                         sql_texto(usuario) + ")");
}

bool Tfdm::usuario_administrador() {
    abra(CAcceso, "select usua_admin from usuario where usua_cod = " + sql_texto(usuario));
    bool admin = !CAcceso->IsEmpty() && CAcceso->Fields()[0]->AsString() == "S";
    CAcceso->Close();
    return admin;
}

} // namespace tv::app
