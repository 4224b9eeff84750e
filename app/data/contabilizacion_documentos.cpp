#include "app/data/contabilizacion_documentos.h"

#include <string>

#include "app/data/dm.h"
#include "framework/data/datasource.h"
#include "framework/data/params.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/data/sql/sqlstoredproc.h"

namespace tv::app {

namespace {

void Procedimiento(TSQLStoredProc* sp, const char* nombre) {
    sp->SetSQLConnection(fdm->Tallyvo);
    sp->SetStoredProcName(nombre);
}

} // namespace

void enlace_documentos(std::initializer_list<TDocumentoModulo> documentos) {
    TSQLConnection* tallyvo = fdm->Tallyvo;
    for (const TDocumentoModulo& d : documentos) {
        TSQLQuery* encabezado = d.encabezado;
        encabezado->SetSQLConnection(tallyvo);
        encabezado->SQL().SetText(std::string("SELECT * FROM ") + d.tabla + " WHERE " + d.clave + " = :ID");
        TParam& id = encabezado->Params().ParamByName("ID");
        id.SetDataType(d.sin_tipo ? ftUnknown : ftString);
        id.SetParamType(ptInput);
        id.SetAsString(d.defecto);
        d.fuente->SetDataSet(encabezado);
        for (const TLineaDocumento& l : d.lineas) {
            l.consulta->SetSQLConnection(tallyvo);
            l.consulta->SQL().SetText(std::string("SELECT * FROM ") + l.tabla + " WHERE " + d.clave + " = :" +
                                      d.clave);
            l.consulta->Params().ParamByName(d.clave).SetDataType(ftInteger);
            l.consulta->SetDataSource(d.fuente);
        }
        if (d.nuevo_id) Procedimiento(d.nuevo_id, d.procedimiento);
    }
}

void enlace_procedimientos(std::initializer_list<TProcedimientoModulo> procedimientos) {
    for (const TProcedimientoModulo& p : procedimientos) Procedimiento(p.componente, p.procedimiento);
}

void enlace_tablas(std::initializer_list<TTablaModulo> tablas) {
    for (const TTablaModulo& t : tablas) {
        t.consulta->SetSQLConnection(fdm->Tallyvo);
        t.consulta->SQL().SetText(t.sql);
        if (t.maestra) t.consulta->SetDataSource(t.maestra);
    }
}

} // namespace tv::app
