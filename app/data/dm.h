#pragma once
// Tfdm, the central data module: the company, general and replication
// connections, the settings store, the scratch command pair, the shared
// queries of the business services, the error handlers, the status-bar
// messages, the user context of the logged-in user and document numbering.
// One instance, `fdm`, created first at start-up.
#include <array>
#include <string>

#include "app/data/ventanaprincipal.h"
#include "framework/ui/forms.h"
#include "core/currency.h"
#include "core/datetime.h"
#include "core/variant.h"
#include "framework/data/dbtypes.h"

namespace tv {
class EDatabaseError;
class Exception;
class TClientDataSet;
class TDataSet;
class TDataSetProvider;
class TDataSource;
class TField;
class TSQLConnection;
class TSQLQuery;
class TSQLStoredProc;
class TSQLTable;
class TsSkinManager;
} // namespace tv

namespace tv::app {

class Tfdm : public TDataModule {
    TV_CLASS(Tfdm, TDataModule)
public:
    explicit Tfdm(TComponent* owner = nullptr);
    ~Tfdm() override;
    static void Publish(TPublisher& p);

    // --- components (from the stored definition) ---
    TSQLConnection* Tallyvo = nullptr;     // company database
    TSQLConnection* ConGeneral = nullptr;  // general database
    TSQLConnection* ConReplica = nullptr;  // replication target, never opened here
    TClientDataSet* CConfiguracion = nullptr;
    TSQLQuery* QBorrar = nullptr;
    TClientDataSet* CBorrar = nullptr;
    TClientDataSet* CNomcampos = nullptr;
    TSQLQuery* QValiduser = nullptr;
    TClientDataSet* CAcceso = nullptr;
    TClientDataSet* CAccesous = nullptr;
    TSQLQuery* TUsracceso = nullptr;
    TClientDataSet* CCompania = nullptr;
    TDataSource* DCompania = nullptr;
    TClientDataSet* CAgencia = nullptr;
    TSQLQuery* TTipodoc = nullptr;
    TDataSource* DTipodoc = nullptr;
    TSQLQuery* TPrefijo = nullptr;
    TSQLQuery* QNomtipo = nullptr;
    TSQLQuery* QNumerodoc = nullptr;
    TSQLQuery* QValida = nullptr;
    TSQLQuery* TCuentas = nullptr;          // table CUENTAS, for the new-account window
    TSQLStoredProc* SCreectapuc = nullptr;  // CREE_CUENTA_PUC (CUENTA)
    TSQLStoredProc* SPCtaPadre = nullptr;   // PADRE (CUENTA) -> PADRE
    TSQLQuery* QInterfaces = nullptr;       // run-time queries of the services and windows
    TSQLQuery* QPuc = nullptr;
    TSQLQuery* QCuentas = nullptr;
    TsSkinManager* sSkinManager1 = nullptr;  // the application's skin
    // The rest of the stored definition's components.
    TSQLQuery *QConfiguracion = nullptr, *TNomcampos = nullptr, *QAcceso = nullptr, *QAccesous = nullptr,
              *TCompania = nullptr, *TAgencia = nullptr, *TTipocomp = nullptr, *TPrefconta = nullptr,
              *QPrefijos = nullptr, *QNomcuenta = nullptr, *TProyectos = nullptr, *TCentros = nullptr,
              *QValcentro = nullptr, *QValtercero = nullptr, *QContabiliza = nullptr, *QContabdetalle = nullptr,
              *Tformatos = nullptr, *Tformadatos = nullptr, *Tformalineas = nullptr, *QFormatos = nullptr,
              *QImprdoc = nullptr, *QDocrela = nullptr, *Qdocrelaitem = nullptr, *TConsolidef = nullptr,
              *QConsolidado = nullptr, *TReplica = nullptr, *QReplica = nullptr, *TReplarticulo = nullptr,
              *QReplarticulo = nullptr, *QborraReplica = nullptr, *TEntreplica = nullptr, *TEntdetreplica = nullptr,
              *QPrefrep = nullptr, *QBodrep = nullptr, *TPtosventa = nullptr, *TFormapago = nullptr, *TCaja = nullptr,
              *TCuentabco = nullptr, *TConfigpos = nullptr, *TAsesores = nullptr, *TSubEmpresa = nullptr,
              *TTasacambio = nullptr, *TMoneda = nullptr, *TPrograma = nullptr, *TModulo = nullptr, *TOpcion = nullptr,
              *TSoporte = nullptr;
    TDataSetProvider *PConfiguracion = nullptr, *PBorrar = nullptr, *PNomcampos = nullptr, *PAcceso = nullptr,
                     *PAccesous = nullptr, *Pcompania = nullptr, *PAgencia = nullptr, *PCuentaconta = nullptr,
                     *PValcentro = nullptr, *PValtercero = nullptr, *PDocrela = nullptr, *PDocrelaitem = nullptr,
                     *PConsolide = nullptr, *PConsolidado = nullptr, *PReplica = nullptr, *PReplicas = nullptr,
                     *PReplarticulo = nullptr;
    TDataSource *DTipocomp = nullptr, *DProyectos = nullptr, *DContabiliza = nullptr, *DFormatos = nullptr,
                *DEntreplica = nullptr, *DPrograma = nullptr, *DModulo = nullptr;
    TClientDataSet *CCuentaconta = nullptr, *CValcentro = nullptr, *CValtercero = nullptr, *CDocrela = nullptr,
                   *CDocrelaitem = nullptr, *CConsolide = nullptr, *CConsolidado = nullptr, *CReplica = nullptr,
                   *CReplicas = nullptr, *CReplarticulo = nullptr;
    TSQLStoredProc *SAfectable = nullptr, *SContapend = nullptr, *SIdinterfaz = nullptr, *Smueveformato = nullptr,
                   *SConsolidedoc = nullptr, *IdConsolide = nullptr, *SCambiaprecReplic = nullptr,
                   *SCopyListReplic = nullptr, *SFormprecRep = nullptr, *SPIdEntreplica = nullptr;

    // --- user context ---
    std::string modulo;
    std::array<std::string, 14> nombre_mes;
    std::string usuario;         // upper case
    std::string nombre_usuario;
    std::string fecha;           // work date, short date format
    int sucursal = 0;            // SUCU_ID, 0 = none
    int duracion_busquedas = 0;  // milliseconds
    int tamano_paquete = 0;
    bool contabilizado = false;
    // The article code handed between the article windows.
    std::string codigo_articulo;
    // The main window, once it exists.
    IVentanaPrincipal* principal = nullptr;

    void DataModuleCreate(TObject* sender);
    // Hooks every provider and client dataset owned, at any depth, by `componente`.
    void ConfigurarProviders(TComponent* componente);

    // --- errors and status messages ---
    void ENoManejada(TObject* sender, Exception& e);
    void ManejarError(TObject* sender, TDataSet* dataset, Exception& e, TUpdateKind kind,
                      TResolverResponse& response);
    void ManejarClientError(TDataSet* dataset, EDatabaseError& e, TDataAction& action);
    void mostrar_advertencia(const std::string& texto);
    void mostrar_alerta(const std::string& texto);
    void mostrar_mensaje(TObject* sender, Variant& owner_data);
    void quitar_mensaje(TObject* sender, Variant& owner_data);
    // The status bar's colour while rows are fetched: the skin's global colour.
    TColor color_solicitando() const;
    // Tints the skin with the hue offset and saturation of `modulo`'s
    // business module; a module without an entry leaves the skin as it is.
    void tono_modulo();

    // --- settings ---
    void cargue_configuracion();
    // The setting's value; a missing one is reported in an error box and reads "".
    std::string configuracion(const std::string& modulo_conf, const std::string& categoria,
                              const std::string& propiedad);
    void nombre_impresora(const std::string& nombre, std::string& impresora);

    // --- login (the login and main windows call these) ---
    // Connects the general database at `servidor`/datos/general.fdb as the user.
    void conecte_general(const std::string& servidor, const std::string& usuario_tecleado,
                         const std::string& clave);
    // The user's name and administrator flag in the general database; false when absent.
    bool busque_usuario(const std::string& usuario_tecleado, std::string& nombre, bool& administrador);
    // COM_NOMBRE of the company; empty when absent.
    std::string nombre_compania(const std::string& compania);
    // Connects the company database at `servidor`/datos/<compania>/tallyvo.fdb,
    // loads its settings and the search duration, and, when the stock company
    // setting names one, connects the article module's second connection.
    void conecte_compania(const std::string& servidor, const std::string& compania,
                          const std::string& usuario_tecleado, const std::string& clave);
    // The user's branch in the company database; false when the user is not registered there.
    bool busque_usuario_compania(const std::string& usuario_tecleado, int& sucursal_usuario);
    // Stores the user context and writes the login's audit row.
    void registre_ingreso(const std::string& usuario_tecleado, const std::string& nombre, TDateTime fecha_trabajo);
    // Whether the general database marks the logged-in user as an administrator.
    bool usuario_administrador();

    // --- numbering and validation ---
    void complete_numero(const std::string& numero, std::string& resultado);
    void complete_numero3(const std::string& numero, std::string& resultado);
    bool existe_numero(int tipo, const std::string& prefijo, const std::string& numero);
    bool valide_numero(int tipo, const std::string& prefijo, TField* campo, const std::string& propuesto);
    void registre_prefijo(int tipo);
    void valide_fecha(TField* campo);
    bool valide_acceso(const std::string& modulo_acceso, int opcion);
    bool acceso_editacomproba(const std::string& codigo_usuario, const std::string& modulo_acceso, int opcion);
    void valide_usuario(const std::string& codigo, std::string& nombre);
    void nombre_campo(const std::string& nombre, std::string& descripcion);
    void nombre_tipo(int tipo, std::string& nombre);
    void num_documento(int tipo, int id, std::string& texto);
    void numero_documento(int tipo, int id, TField* campo_prefijo, TField* campo_numero);
    void razon_anulacion(int tipo, int id, std::string& texto);

    void numero_a_letras(Currency monto, std::string& texto);

protected:
    // Joins what the stored definition names: connections, queries, providers.
    void Loaded() override;

private:
    bool BusqueConfiguracion(const std::string& modulo_conf, const std::string& categoria,
                             const std::string& propiedad, std::string& valor);
    void MuestreAviso(TAvisoBarra aviso, const std::string& texto);
    std::string TextoErrorCliente(TDataSet* dataset, const std::string& mensaje);
    // Joins the shared datasets of the stored definition to their connections.
    void EnlaceConjuntos();
};

extern Tfdm* fdm;

} // namespace tv::app
