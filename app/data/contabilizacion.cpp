#include "app/data/contabilizacion.h"

#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "core/strutils.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlquery.h"

namespace tv::app {

namespace {

TPregunteInterfaz& Pregunta() {
    static TPregunteInterfaz pregunta;
    return pregunta;
}

// "código:texto " for each error row of the document, in the server's order.
std::string ListaErrores(TClientDataSet* errores, int tipo, int id) {
    std::string texto = "Se presentaron los siguientes errores en la contabilización: ";
    abra(errores, "select erro_codigo, erro_cadena from errores where erro_tipodoc = " + IntToStr(tipo) +
                      " and erro_iddoc = " + IntToStr(id));
    for (errores->First(); !errores->Eof(); errores->Next())
        texto += errores->Fields()[0]->AsString() + ":" + errores->Fields()[1]->AsString() + " ";
    errores->Close();
    return texto;
}

} // namespace

TCadenaContable enlace_cadena(TSQLQuery* consulta, TDataSetProvider* p, TClientDataSet* cliente, bool solo_cliente) {
    TCadenaContable c;
    c.consulta = consulta;
    c.resultado = cliente;
    c.consulta->SetSQLConnection(fdm->Tallyvo);
    p->SetDataSet(c.consulta);
    TProviderOptions o = p->Options();
    o.Include(poAllowCommandText);
    p->SetOptions(o);
    c.resultado->SetProviderName(p->Name());
    c.solo_cliente = solo_cliente;
    return c;
}

int contabilice_documento(const TCadenaContable& cadena, TClientDataSet* errores, const std::string& procedimiento,
                          int tipo, int id, int interfaz) {
    TClientDataSet* r = cadena.resultado;
    if (!cadena.solo_cliente) {
        cadena.consulta->Close();
        cadena.consulta->SetPrepared(false);
    }
    // A posting that fails on the server must not leave the previous one's flag.
    fdm->contabilizado = false;
    abra(r, "select * from " + procedimiento + "(" + IntToStr(id) + "," + IntToStr(interfaz) + ")");
    int idc = 0;
    if (!r->IsEmpty()) {
        if (r->Fields()[0]->AsInteger() > 0) muestre_mensaje(ListaErrores(errores, tipo, id));
        fdm->contabilizado = r->Fields()[1]->AsString() == "S";
        idc = r->Fields()[2]->AsInteger();
    }
    if (cadena.solo_cliente) r->Close();
    return idc;
}

void instale_pregunta_interfaz(TPregunteInterfaz pregunta) { Pregunta() = std::move(pregunta); }

std::string consulta_interfaces(const std::string& tabla, const std::string& prefijo_columna, int tipo) {
    return "select " + prefijo_columna + "_ID ID, " + prefijo_columna + "_NOMBRE NOMBRE from " + tabla +
           " where tido_cod = " + IntToStr(tipo);
}

int escoja_interfaz(TComponent* modulo, TClientDataSet* lista, TDataSource* fuente, const std::string& sql,
                    bool preguntar, bool* escogida) {
    int resultado = 0;
    if (escogida) *escogida = false;
    abra(lista, sql);
    if (lista->IsEmpty()) {
        muestre_mensaje("No se han definido interfaces para el documento. No podrá grabar hasta no definirla.");
    } else if (preguntar) {
        if (lista->RecordCount() < 2 || (Pregunta() && Pregunta()(modulo, fuente))) {
            resultado = lista->FieldByName("ID")->AsInteger();
            if (escogida) *escogida = true;
        }
    }
    lista->Close();
    return resultado;
}

} // namespace tv::app
