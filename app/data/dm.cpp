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

void Tfdm::Publish(TPublisher& p) { p.Method("DataModuleCreate", &Tfdm::DataModuleCreate); }

Tfdm::~Tfdm() {
    DestroyComponents();
    if (fdm == this) fdm = nullptr;
}

void Tfdm::Loaded() {
    TDataModule::Loaded();
    Tallyvo = componente<TSQLConnection>(this, "Tallyvo");
    ConGeneral = componente<TSQLConnection>(this, "ConGeneral");
    ConReplica = componente<TSQLConnection>(this, "ConReplica");
    PrepareConexion(Tallyvo, "IBLocal", "gds32.dll", false);
    PrepareConexion(ConGeneral, "IBConnection", "GDS32.DLL", true);
    PrepareConexion(ConReplica, "IBLocal", "GDS32.DLL", false);

    CConfiguracion = enlace_consulta(this, "Configuracion", Tallyvo, false, "SELECT * FROM CONFIGURACION");
    QBorrar = componente<TSQLQuery>(this, "QBorrar");
    CBorrar = enlace_consulta(this, "Borrar", Tallyvo);
    CNomcampos = componente<TClientDataSet>(this, "CNomcampos");
    {
        auto* t = componente<TSQLQuery>(this, "TNomcampos");
        t->SetSQLConnection(Tallyvo);
        t->SQL().SetText("SELECT * FROM NOMBRES_CAMPOS");
        auto* p = componente<TDataSetProvider>(this, "PNomcampos");
        p->SetDataSet(t);
        CNomcampos->SetProviderName(p->Name());
    }
    QValiduser = componente<TSQLQuery>(this, "QValiduser");
    QValiduser->SetSQLConnection(ConGeneral);
    CAcceso = enlace_consulta(this, "Acceso", ConGeneral);
    CAccesous = enlace_consulta(this, "Accesous", Tallyvo);
    TUsracceso = componente<TSQLQuery>(this, "TUsracceso");
    TUsracceso->SetSQLConnection(Tallyvo);
    {
        auto* t = componente<TSQLQuery>(this, "TCompania");
        t->SetSQLConnection(ConGeneral);
        t->SQL().SetText("SELECT * FROM COMPANIA");
        auto* p = componente<TDataSetProvider>(this, "Pcompania");
        p->SetDataSet(t);
        CCompania = componente<TClientDataSet>(this, "CCompania");
        CCompania->SetProviderName(p->Name());
        DCompania = componente<TDataSource>(this, "DCompania");
        DCompania->SetDataSet(CCompania);
    }
    {
        auto* t = componente<TSQLQuery>(this, "TAgencia");
        t->SetSQLConnection(Tallyvo);
        t->SQL().SetText("SELECT * FROM SUCURSALES");
        auto* p = componente<TDataSetProvider>(this, "PAgencia");
        p->SetDataSet(t);
        CAgencia = componente<TClientDataSet>(this, "CAgencia");
        CAgencia->SetProviderName(p->Name());
    }
    TTipodoc = componente<TSQLQuery>(this, "TTipodoc");
    TTipodoc->SetSQLConnection(Tallyvo);
    TTipodoc->SQL().SetText("SELECT * FROM TIPO_DOCUMENTO ORDER BY TIDO_NOMLARGO");
    DTipodoc = componente<TDataSource>(this, "DTipodoc");
    DTipodoc->SetDataSet(TTipodoc);
    TPrefijo = componente<TSQLQuery>(this, "TPrefijo");
    TPrefijo->SetSQLConnection(Tallyvo);
    TPrefijo->SQL().SetText("SELECT * FROM PREFIJOS WHERE TIDO_COD = :TIDO_COD ORDER BY PREF_PRE");
    TPrefijo->SetDataSource(DTipodoc);
    for (const char* nombre : {"QNomtipo", "QNumerodoc", "QValida"})
        componente<TSQLQuery>(this, nombre)->SetSQLConnection(Tallyvo);
    QNomtipo = componente<TSQLQuery>(this, "QNomtipo");
    QNumerodoc = componente<TSQLQuery>(this, "QNumerodoc");
    QValida = componente<TSQLQuery>(this, "QValida");
    EnlaceConjuntos();

    // The internal skins travel as a resource of the build, not inside this
    // module's definition, so the manager is switched on once they are in.
    sSkinManager1 = componente<TsSkinManager>(this, "sSkinManager1");
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
