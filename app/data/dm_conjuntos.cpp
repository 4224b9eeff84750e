// The stored datasets of the central module that the business services and
// windows share: accounting, print formats, related and consolidated
// documents, replication, reference tables and the run-time queries.
#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/data/sql/sqlstoredproc.h"

namespace tv::app {

namespace {

// A query with its text; `maestra` is the data source whose fields fill
// its parameters.
struct TConsulta {
    TSQLQuery* consulta;
    const char* sql;
    TDataSource* maestra;
    bool replica;  // on the replication target instead of the company database
};

// Query -> provider -> client dataset.
struct TCadena {
    TSQLQuery* consulta;
    TDataSetProvider* proveedor;
    TClientDataSet* cliente;
    bool texto_libre;
};

struct TProcedimiento {
    TSQLStoredProc* componente;
    const char* procedimiento;
    bool replica;
};

struct TFuente {
    TDataSource* fuente;
    TSQLQuery* conjunto;
};

} // namespace

void Tfdm::EnlaceConjuntos() {
    const TConsulta consultas[] = {
        // accounting
        {TTipocomp, "SELECT * FROM TIPO_COMPROBANTE ORDER BY TICO_COD", nullptr, false},
        {TPrefconta, "SELECT * FROM PREFIJOS_CONTA WHERE TICO_COD = :TICO_COD", DTipocomp, false},
        {QPrefijos, "select * from prefijos_conta", nullptr, false},
        {TCuentas, "SELECT * FROM CUENTAS", nullptr, false},
        {QNomcuenta, "select cuen_nom from cuentas", nullptr, false},
        {TProyectos, "SELECT * FROM PROYECTOS", nullptr, false},
        {TCentros, "SELECT * FROM CENTROS WHERE PROY_COD = :PROY_COD", DProyectos, false},
        {QValcentro, "", nullptr, false},
        {QValtercero, "", nullptr, false},
        {QContabiliza, "SELECT * FROM CONTABILIZACION WHERE CNTB_TIPOREF = :TIPO AND CNTB_IDREF = :ID", nullptr, false},
        {QContabdetalle, "SELECT * FROM CONTABILIZACION_DET WHERE CNTB_ID = :CNTB_ID", DContabiliza, false},
        // print formats
        {Tformatos, "SELECT * FROM FORMATOS", nullptr, false},
        {Tformadatos, "SELECT * FROM FORMATO_DATOS WHERE TIDO_COD = :TIDO_COD AND PREF_PRE = :PREF_PRE", DFormatos,
         false},
        {Tformalineas, "SELECT * FROM FORMATO_LINEAS WHERE TIDO_COD = :TIDO_COD AND PREF_PRE = :PREF_PRE", DFormatos,
         false},
        {QFormatos, "", nullptr, false},
        {QImprdoc, "", nullptr, false},
        // related and consolidated documents
        {QDocrela, "", nullptr, false},
        {Qdocrelaitem, "", nullptr, false},
        {TConsolidef, "SELECT * FROM CONSOLIDE_FALTANTES WHERE CEFA_ID = :ID", nullptr, false},
        {QConsolidado, "", nullptr, false},
        // replication
        {TReplica, "SELECT * FROM REPLICA_COMPANIA", nullptr, false},
        {QReplica, "", nullptr, false},
        {TReplarticulo, "SELECT * FROM REPLICA_ARTICULO_ESTADO WHERE RPAE_ID = :ID", nullptr, false},
        {QReplarticulo, "", nullptr, false},
        {QborraReplica, "", nullptr, true},
        {TEntreplica, "SELECT * FROM ENTRADAS WHERE ENTR_ID = :ID", nullptr, true},
        {TEntdetreplica, "SELECT * FROM ENTRADAS_DETALLE WHERE ENTR_ID = :ENTR_ID", DEntreplica, true},
        {QPrefrep, "SELECT * FROM PREFIJOS WHERE TIDO_COD = 11", nullptr, true},
        {QBodrep, "SELECT * FROM BODEGA", nullptr, true},
        // reference tables
        {TPtosventa, "SELECT * FROM PUNTO_VENTA", nullptr, false},
        {TFormapago, "SELECT * FROM FORMAS_PAGO", nullptr, false},
        {TCaja, "SELECT * FROM CAJAS", nullptr, false},
        {TCuentabco, "SELECT * FROM CUENTAS_BANCO", nullptr, false},
        {TConfigpos, "SELECT * FROM CONFIGURA_POS", nullptr, false},
        {TAsesores, "SELECT * FROM ASESORES", nullptr, false},
        {TSubEmpresa, "SELECT * FROM SUCURSALES", nullptr, false},
        {TTasacambio, "SELECT * FROM TASA_CAMBIO_MONEDA", nullptr, false},
        {TMoneda, "SELECT * FROM TIPOS_MONEDA", nullptr, false},
        {TPrograma, "SELECT * FROM PROGRAMAS", nullptr, false},
        {TModulo, "SELECT * FROM MODULOS WHERE PROG_ID = :PROG_ID", DPrograma, false},
        {TOpcion, "SELECT * FROM OPCIONES WHERE PROG_ID = :PROG_ID AND MODU_ID = :MODU_ID", DModulo, false},
        {TSoporte, "SELECT * FROM SOPORTE WHERE SOPO_ID = :ID", nullptr, false},
        // run-time queries of the services and windows of this station
        {QInterfaces, "", nullptr, false},
        {QPuc, "", nullptr, false},
        {QCuentas, "", nullptr, false},
    };

    const TFuente fuentes[] = {
        {DTipocomp, TTipocomp},   {DProyectos, TProyectos}, {DContabiliza, QContabiliza},
        {DFormatos, Tformatos},   {DEntreplica, TEntreplica}, {DPrograma, TPrograma},
        {DModulo, TModulo},
    };

    const TCadena cadenas[] = {
        {TCuentas, PCuentaconta, CCuentaconta, false},
        {QValcentro, PValcentro, CValcentro, false},
        {QValtercero, PValtercero, CValtercero, true},
        {QDocrela, PDocrela, CDocrela, true},
        {Qdocrelaitem, PDocrelaitem, CDocrelaitem, true},
        {TConsolidef, PConsolide, CConsolide, false},
        {QConsolidado, PConsolidado, CConsolidado, true},
        {TReplica, PReplica, CReplica, false},
        {QReplica, PReplicas, CReplicas, true},
        {TReplarticulo, PReplarticulo, CReplarticulo, false},
    };

    const TProcedimiento procedimientos[] = {
        {SCreectapuc, "CREE_CUENTA_PUC", false},
        {SPCtaPadre, "PADRE", false},
        {SAfectable, "ES_AFECTABLE", false},
        {SContapend, "CONTABILIZA_PENDIENTE", false},
        {SIdinterfaz, "CAMBIE_ID_INTINVENTARIO", false},
        {Smueveformato, "MOVER_FORMATO", false},
        {SConsolidedoc, "CONSOLIDE_PENDIENTES", false},
        {IdConsolide, "CAMBIE_ID_CONS", false},
        {SCambiaprecReplic, "CAMBIO_PRECIOS", true},
        {SCopyListReplic, "COPIA_LISTA_PRECIOS", true},
        {SFormprecRep, "FORMULA_PRECIOS", true},
        {SPIdEntreplica, "CAMBIE_ID_ENTRADA", true},
    };

    for (const TConsulta& c : consultas) {
        c.consulta->SetSQLConnection(c.replica ? ConReplica : Tallyvo);
        c.consulta->SQL().SetText(c.sql);
    }
    for (const TFuente& f : fuentes) f.fuente->SetDataSet(f.conjunto);
    for (const TConsulta& c : consultas)
        if (c.maestra) c.consulta->SetDataSource(c.maestra);
    for (const TCadena& c : cadenas) {
        c.proveedor->SetDataSet(c.consulta);
        if (c.texto_libre) {
            TProviderOptions o = c.proveedor->Options();
            o.Include(poAllowCommandText);
            c.proveedor->SetOptions(o);
        }
        c.cliente->SetProviderName(c.proveedor->Name());
    }
    CConsolidado->SetCommandText("select arti_cod, cofa_codbar, cofa_cant, cofa_unidad, cofa_prunit, cofa_descite, "
                                 "cofa_bodega, cofa_dtoite, cofa_lote, lote_vence, cofa_lista from consolidado_faltantes");
    for (const TProcedimiento& p : procedimientos) {
        p.componente->SetSQLConnection(p.replica ? ConReplica : Tallyvo);
        p.componente->SetStoredProcName(p.procedimiento);
    }
}

} // namespace tv::app
