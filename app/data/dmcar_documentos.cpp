#include "app/data/dmcar_documentos.h"

#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/sqltexto.h"
#include "core/strutils.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"

namespace tv::app {

int TDocumentoHallado::tome(Currency& saldo_doc, Currency& rtfte_doc, Currency& rtiva_doc,
                            Currency& rtica_doc) const {
    bool v = valido();
    saldo_doc = v ? saldo : Currency();
    rtfte_doc = v ? rtfte : Currency();
    rtiva_doc = v ? rtiva : Currency();
    rtica_doc = v ? rtica : Currency();
    return v ? id : 0;
}

void TDocumentoHallado::rechace(TField* campo_id, std::initializer_list<TField*> montos) const {
    if (hay) {
        std::string mensaje = mensaje_documento(error);
        if (!mensaje.empty()) muestre_mensaje(mensaje);
    }
    campo_id->SetAsInteger(0);
    for (TField* f : montos) f->SetAsCurrency(Currency());
}

TDocumentoHallado busque_documento(TClientDataSet* c, const std::string& procedimiento, int tipo,
                                   const std::string& prefijo, const std::string& numero, const std::string& nit,
                                   TDateTime fecha, bool con_numprov) {
    abra(c, "select * from " + procedimiento + "(" + IntToStr(tipo) + ", " + sql_texto(prefijo) + "," +
                sql_texto(numero) + ", " + sql_texto(nit) + ", " + sql_fecha(fecha) + ")");
    TDocumentoHallado d;
    d.hay = !c->IsEmpty();
    if (d.hay) {
        d.error = c->FieldByName("ERROR")->AsInteger();
        d.id = c->FieldByName("ID")->AsInteger();
        d.saldo = c->FieldByName("SALDO")->AsCurrency();
        d.rtfte = c->FieldByName("RTFTE")->AsCurrency();
        d.rtiva = c->FieldByName("RTIVA")->AsCurrency();
        d.rtica = c->FieldByName("RTICA")->AsCurrency();
        d.dtof = c->FieldByName("DTOF")->AsCurrency();
        if (con_numprov) d.numprov = c->FieldByName("NUMPROV")->AsString();
    }
    c->Close();
    return d;
}

std::string mensaje_documento(int error) {
    switch (error) {
    case 1: return "No se encontró el documento indicado.";
    case 2: return "El documento indicado pertenece a otro Cliente.";
    case 3: return "La fecha del abono es anterior al documento.";
    case 4: return "Documento totalmente cancelado.";
    default: return {};
    }
}

TOrigenAnticipo origen_anticipo(TClientDataSet* borrar, const std::string& consulta) {
    abra(borrar, consulta);
    TOrigenAnticipo o = borrar->IsEmpty()                        ? TOrigenAnticipo::oaSinFila
                        : borrar->Fields()[0]->AsInteger() != 0 ? TOrigenAnticipo::oaConDocumento
                                                                 : TOrigenAnticipo::oaSinDocumento;
    borrar->Close();
    return o;
}

Currency saldo_documento(TClientDataSet* c, TClientDataSet* borrar, const std::string& procedimiento, int tipo,
                         int id, TDateTime fecha, int tipo_anticipo, const std::string& consulta_anticipo) {
    Currency resultado;
    abra(c, "select * from " + procedimiento + "(" + IntToStr(tipo) + ", " + IntToStr(id) + "," + sql_fecha(fecha) +
                ",1)");
    if (!c->IsEmpty()) {
        Currency saldo = c->FieldByName("SALDO")->AsCurrency();
        if (tipo != tipo_anticipo) {
            resultado = saldo;
        } else {
            switch (origen_anticipo(borrar, consulta_anticipo + IntToStr(id))) {
            case TOrigenAnticipo::oaConDocumento: resultado = saldo; break;
            case TOrigenAnticipo::oaSinDocumento: resultado = -saldo; break;
            case TOrigenAnticipo::oaSinFila: break;
            }
        }
    }
    c->Close();
    return resultado;
}

} // namespace tv::app
