#include "app/data/consultas.h"

#include "framework/data/params.h"

#include "framework/data/clientdataset.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"

namespace tv::app {

TClientDataSet* enlace_consulta(TSQLQuery* q, TDataSetProvider* p, TClientDataSet* c, TSQLConnection* conexion,
                                bool texto_libre, const std::string& sql) {
    q->SetSQLConnection(conexion);
    if (!sql.empty()) q->SQL().SetText(sql);
    p->SetDataSet(q);
    if (texto_libre) {
        TProviderOptions o = p->Options();
        o.Include(poAllowCommandText);
        p->SetOptions(o);
    }
    c->SetProviderName(p->Name());
    return c;
}

void abra(TClientDataSet* c, const std::string& sql) {
    c->Close();
    c->SetCommandText(sql);
    c->Open();
}

void ejecute(TClientDataSet* c, const std::string& sql) {
    c->Close();
    c->SetCommandText(sql);
    c->Execute();
}

TParam& parametro(TParams& params, const std::string& nombre) {
    if (TParam* p = params.FindParam(nombre)) return *p;
    return params.Add(nombre, ftString);
}

} // namespace tv::app
