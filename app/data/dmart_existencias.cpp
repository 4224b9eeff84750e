// TfdmArt: units and their factors, lots, and the stock check of a document line.
#include "app/data/avisos.h"
#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "app/data/dmart.h"
#include "app/data/sqltexto.h"
#include "core/stringlist.h"
#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"

namespace tv::app {

namespace {
void LlenaLista(TClientDataSet* c, const std::string& columna, TStrings* lista) {
    for (c->First(); !c->Eof(); c->Next()) lista->Add(c->FieldByName(columna)->AsString());
    c->Close();
}

std::string ConMiles(Currency valor) { return FormatCurr("#,##0.00", valor); }
} // namespace

void TfdmArt::lista_unidades(const std::string& codigo, TStrings* lista) {
    lista->Clear();
    abra(CArticuloUnidad, "select * from unidades(" + sql_texto(codigo) + ")");
    LlenaLista(CArticuloUnidad, "UNIDAD", lista);
}

void TfdmArt::valide_unidad(const std::string& codigo, TField* campo_unidad) {
    if (codigo.empty() || campo_unidad->AsString().empty()) return;
    abra(CArticuloUnidad, "select * from unidades(" + sql_texto(codigo) + ")");
    std::string tecleada = campo_unidad->AsString(), primera;
    bool hallada = false;
    for (CArticuloUnidad->First(); !CArticuloUnidad->Eof() && !hallada; CArticuloUnidad->Next()) {
        std::string u = CArticuloUnidad->FieldByName("UNIDAD")->AsString();
        if (CArticuloUnidad->RecNo() == 1) primera = u;
        hallada = u == tecleada;
    }
    CArticuloUnidad->Close();
    if (!hallada) campo_unidad->SetAsString(primera);
}

Currency TfdmArt::factor_unidad(const std::string& codigo, const std::string& unidad) {
    if (codigo.empty() || unidad.empty()) return Currency(1);
    abra(CFactor, "SELECT * FROM FACTOR_UNIDAD_CANT(" + sql_texto(codigo) + "," + sql_texto(unidad) + ")");
    Currency factor = CFactor->IsEmpty() ? Currency(1) : CFactor->FieldByName("FACTOR")->AsCurrency();
    CFactor->Close();
    return factor;
}

void TfdmArt::lista_lotes(const std::string& codigo, const std::string& bodega, Currency cantidad, TStrings* lista) {
    lista->Clear();
    abra(CLotes, "select * from lista_lotes(" + sql_texto(codigo) + ", " + sql_texto(bodega) + ", " +
                     sql_numero(cantidad) + ")");
    LlenaLista(CLotes, "LOTE", lista);
}

int TfdmArt::lista_listas(const std::string& codigo, const std::string& bandera, TDateTime fecha, TStrings* lista) {
    lista->Clear();
    abra(CListapre, "select * from listas_articulo(" + sql_texto(codigo) + "," + sql_fecha(fecha) + ", 0," +
                        sql_texto(bandera) + "," + sql_hora(Time()) + "," + IntToStr(fdm->sucursal) +
                        ") order by codlista");
    int primera = CListapre->IsEmpty() ? 0 : CListapre->FieldByName("CODLISTA")->AsInteger();
    LlenaLista(CListapre, "NOMLISTA", lista);
    return primera;
}

Currency TfdmArt::saldo_lote(const std::string& codigo, const std::string& bodega, const std::string& lote) {
    if (codigo.empty() || lote.empty()) return Currency(0);
    abra(CSaldolote, "SELECT * FROM SALDO_LOTE(" + sql_texto(codigo) + "," + sql_texto(bodega) + "," +
                         sql_texto(lote) + ")");
    Currency saldo = CSaldolote->IsEmpty() ? Currency(0) : CSaldolote->FieldByName("SALDO")->AsCurrency();
    CSaldolote->Close();
    return saldo;
}

void TfdmArt::seleccione_lote(const std::string& codigo, const std::string& bodega, TField* campo_cantidad,
                              const std::string& unidad, std::string& lote) {
    if (codigo.empty()) return;
    Currency factor = factor_unidad(codigo, unidad);
    abra(CSeleclote, "SELECT * FROM SELECCIONE_LOTE(" + sql_texto(codigo) + "," + sql_texto(bodega) + "," +
                         sql_numero(campo_cantidad->AsCurrency() * factor) + ")");
    std::string elegido = CSeleclote->IsEmpty() ? std::string() : CSeleclote->FieldByName("LOTE")->AsString();
    CSeleclote->Close();
    if (!elegido.empty()) {
        lote = elegido;
        return;
    }
    fdm->mostrar_advertencia(
        "La existencia de cualquier lote es insuficiente. Se suguiere la cantidad máxima disponible.");
    abra(CMaxlote, "SELECT * FROM FECHAS_ANTERIORES_LOTE(" + sql_texto(codigo) + ")");
    if (CMaxlote->IsEmpty()) {
        CMaxlote->Close();
        fdm->mostrar_advertencia("No hay ningún lote para ese artículo.");
        lote.clear();
        campo_cantidad->SetAsCurrency(Currency(0));
        return;
    }
    lote = CMaxlote->FieldByName("LOTE")->AsString();
    Currency saldo = CMaxlote->FieldByName("SALDO")->AsCurrency();
    CMaxlote->Close();
    // A unit stored with factor 0 would divide by zero: its balance stands as is.
    campo_cantidad->SetAsCurrency(factor.IsZero() ? saldo : saldo / factor);
}

bool TfdmArt::existencia_insuficiente(const std::string& codigo, const std::string& bodega, TDateTime fecha,
                                      Currency cantidad, const std::string& unidad, bool revisar_reserva) {
    if (codigo.empty() || bodega.empty()) return true;
    abra(CMovarti, "select arti_exist from articulo where arti_cod = " + sql_texto(codigo));
    bool hay = !CMovarti->IsEmpty();
    std::string maneja = hay ? CMovarti->Fields()[0]->AsString() : std::string();
    CMovarti->Close();
    if (!hay || maneja == "N") return true;

    bool sigue = true, respuesta = true;
    abra(CValexistencia, "SELECT * FROM EXISTENCIAS_UNIDAD(" + sql_texto(codigo) + "," + sql_fecha(fecha) + "," +
                             sql_texto(unidad) + ") where bodega = " + sql_texto(bodega));
    if (CValexistencia->IsEmpty()) {
        CValexistencia->Close();
        muestre_mensaje("El artículo nunca ha tenido existencia en la bodega.");
        return false;
    }
    Currency existencia = CValexistencia->FieldByName("EXISTENCIA")->AsCurrency();
    Currency reservado = CValexistencia->FieldByName("RESERVADO")->AsCurrency();

    if (existencia < cantidad) {
        std::string accion = fdm->configuracion("INVENTARIO", "EXISTENCIAS", "ACCION A TOMAR SI LA EXISTENCIA ES INSUFICIENTE");
        std::string texto = "la existencia del artículo " + codigo + " es insuficiente en la bodega " + bodega;
        if (accion == "AVISAR") {
            fdm->mostrar_advertencia(texto + ". Disponible: " + ConMiles(existencia));
            sigue = false;
        } else if (accion == "AVISARG" || accion == "PROHIBIR") {
            muestre_mensaje(texto + "\nDisponible: " + ConMiles(existencia));
            respuesta = accion == "AVISARG";
            sigue = false;
        }
    }
    Currency disponible = existencia - reservado;
    if (sigue && revisar_reserva && disponible < cantidad) {
        std::string accion = fdm->configuracion("INVENTARIO", "EXISTENCIAS", "ACCION A TOMAR SI LA EXISTENCIA ESTA RESERVADA");
        if (accion == "PROHIBIR") {
            muestre_mensaje("La existencia del artículo " + codigo + " está reservada.\nDisponible: " +
                            ConMiles(disponible));
            respuesta = false;
            sigue = false;
        } else if (accion == "AVISAR") {
            fdm->mostrar_advertencia("La existencia del artículo " + codigo + " está reservada. Disponible: " +
                                     ConMiles(disponible));
            sigue = false;
        }
    }
    if (sigue && respuesta &&
        fdm->configuracion("INVENTARIO", "EXISTENCIAS", "AVISAR SI EXISTENCIA BAJO MINIMO") == "SI") {
        abra(CMinimo, "select * from minimo_articulo(" + sql_texto(codigo) + "," + sql_fecha(fecha) + "," +
                          sql_texto(bodega) + ")");
        if (!CMinimo->IsEmpty()) {
            Currency minimo = CMinimo->FieldByName("MINIMO")->AsCurrency();
            if (!minimo.IsZero() && minimo > existencia - cantidad)
                fdm->mostrar_advertencia("La existencia quedará bajo el mínimo.");
        }
        CMinimo->Close();
    }
    CValexistencia->Close();
    return respuesta;
}

} // namespace tv::app
