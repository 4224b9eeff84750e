// TfdmArt: costs, sale prices by list, quantity, weekday and hour, the rounding
// of prices, the minimum price and the margin of a document line.
#include <algorithm>

#include "app/data/consultas.h"
#include "app/data/dm.h"
#include "app/data/dmart.h"
#include "app/data/redondeo.h"
#include "app/data/sqltexto.h"
#include "core/strutils.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"

namespace tv::app {

namespace {
bool Divide(Currency divisor) { return divisor != Currency(1) && !divisor.IsZero(); }

// A consumption tax worth copying: stored and not zero.
bool HayConsumo(TField* consumo) { return !consumo->IsNull() && !consumo->AsCurrency().IsZero(); }

// 1 Monday ... 7 Sunday.
int DiaSemana(TDateTime dia) { return (DayOfWeek(dia) + 5) % 7 + 1; }
} // namespace

Currency TfdmArt::ultimo_costo(const std::string& codigo, const std::string& unidad, TDateTime fecha) {
    if (codigo.empty() || unidad.empty()) return Currency(0);
    abra(CUltcosto, "SELECT * FROM ULTIMO_COSTO(" + sql_texto(codigo) + "," + sql_fecha(fecha) + "," +
                        sql_texto(unidad) + ")");
    Currency costo = CUltcosto->IsEmpty() ? Currency(0) : CUltcosto->FieldByName("UCOSTO")->AsCurrency();
    CUltcosto->Close();
    return costo;
}

Currency TfdmArt::costo_promedio(const std::string& codigo, const std::string& unidad, TDateTime fecha) {
    if (codigo.empty() || unidad.empty()) return Currency(0);
    abra(CCostoprom, "SELECT * FROM COSTO_PROMEDIO_UNIDAD(" + sql_texto(codigo) + "," + sql_fecha(fecha) + "," +
                         sql_texto(unidad) + ")");
    Currency costo = CCostoprom->IsEmpty() ? Currency(0) : CCostoprom->FieldByName("COSTO")->AsCurrency();
    CCostoprom->Close();
    return costo;
}

Currency TfdmArt::redondeo_a_cincuenta(Currency precio, Currency factor) {
    return redondee_cincuenta(factor.IsZero() ? precio : precio * factor);
}

Currency TfdmArt::Redondee(const std::string& codigo, const std::string& unidad, Currency valor, int potencia,
                           bool con_factor) {
    bool hay_factor = false;
    Currency factor(0);
    if (con_factor) {
        abra(CFactor, "SELECT * FROM FACTOR_UNIDAD_PRE(" + sql_texto(codigo) + "," + sql_texto(unidad) + ")");
        hay_factor = !CFactor->IsEmpty();
        if (hay_factor) factor = CFactor->FieldByName("FACTOR")->AsCurrency();
        CFactor->Close();
    }
    if (potencia == 5) return redondeo_a_cincuenta(valor, factor);
    return redondee_potencia_diez(hay_factor ? valor * factor : valor, potencia);
}

Currency TfdmArt::Precio(const std::string& codigo, const std::string& unidad, int lista, TField* campo_consumo,
                         Currency cantidad, int punto_venta, Currency divisor, bool lista_exenta) {
    if (codigo.empty() || unidad.empty()) return Currency(0);
    int potencia = StrToInt(fdm->configuracion("FACTURACION", "ARTICULOS", "REDONDEO AL MULTIPLO DE DIEZ EN PRECIOS"));
    bool por_cantidad =
        fdm->configuracion("FACTURACION", "DOCUMENTOS", "TRAER PRECIO MINIMO SEGUN CANTIDAD") == "SI" &&
        !(lista_exenta &&
          lista == StrToInt(fdm->configuracion("FACTURACION", "DOCUMENTOS",
                                               "LISTA DE PRECIOS FIJOS SIN TENER EN CUENTA LA CANTIDAD")));
    if (por_cantidad) {
        Currency base = cantidad * factor_unidad(codigo, unidad);
        std::string sql = "select min(prar_fijo) PRAR_FIJO, min(prar_consumo) PRAR_CONSUMO from precios_articulo p, "
                          "lista_precios l";
        std::string comun = " where l.lipr_cod = p.lipr_cod and arti_cod = " + sql_texto(codigo) +
                            " and prar_fijo <> 0 and prar_cantmin >= 0.01 and prar_cantmin <= " + sql_numero(base);
        if (fdm->sucursal != 0)
            sql += comun + " and l.sucu_id = " + IntToStr(fdm->sucursal);
        else
            sql += ", punto_venta v" + comun + " and ((l.sucu_id = v.sucu_id and v.ptvt_id = " +
                   IntToStr(punto_venta) + ") or (v.sucu_id is null) or (v.sucu_id = 0))";
        abra(CPrecioart, sql);
        TField* fijo = CPrecioart->FieldByName("PRAR_FIJO");
        TField* consumo = CPrecioart->FieldByName("PRAR_CONSUMO");
        // An aggregate answers one row of nulls when nothing matches: no quantity price then.
        if (!CPrecioart->IsEmpty() && !fijo->IsNull()) {
            Currency precio = fijo->AsCurrency();
            if (HayConsumo(consumo))
                campo_consumo->SetAsCurrency(Divide(divisor) ? consumo->AsCurrency() / divisor
                                                             : consumo->AsCurrency());
            CPrecioart->Close();
            if (Divide(divisor)) precio = precio / divisor;
            return Redondee(codigo, unidad, precio, potencia, true);
        }
        CPrecioart->Close();
    }

    abra(CPrecioart, "select prar_fijo, prar_consumo from precios_articulo where arti_cod = " + sql_texto(codigo) +
                         " and lipr_cod = " + IntToStr(lista));
    if (CPrecioart->IsEmpty()) {
        CPrecioart->Close();
        return Currency(0);
    }
    Currency precio = CPrecioart->FieldByName("PRAR_FIJO")->AsCurrency();
    TField* consumo = CPrecioart->FieldByName("PRAR_CONSUMO");
    bool con_consumo = HayConsumo(consumo);
    if (con_consumo) campo_consumo->SetAsCurrency(consumo->AsCurrency());
    CPrecioart->Close();
    if (Divide(divisor)) precio = precio / divisor;
    Currency resultado = Redondee(codigo, unidad, precio, potencia, true);
    if (!con_consumo) {
        abra(CPrecioart, "select arti_precio prar_fijo, arti_consumo prar_consumo from articulo where arti_cod = " +
                             sql_texto(codigo));
        if (!CPrecioart->IsEmpty()) campo_consumo->SetValue(CPrecioart->FieldByName("PRAR_CONSUMO")->Value());
        CPrecioart->Close();
    }
    return resultado;
}

Currency TfdmArt::precio_articulo(const std::string& codigo, const std::string& unidad, int lista,
                                  TField* campo_consumo, Currency cantidad, int punto_venta, Currency divisor) {
    return Precio(codigo, unidad, lista, campo_consumo, cantidad, punto_venta, divisor, true);
}

Currency TfdmArt::precio_articulo_pos(const std::string& codigo, const std::string& unidad, int lista,
                                      TField* campo_consumo, Currency cantidad, int punto_venta) {
    TDateTime ahora = Now();
    abra(CListahoy, "select lipr_cod from lista_precios where lipr_diasem = " + IntToStr(DiaSemana(ahora)) +
                        " and lipr_horaini <= " + sql_hora(ahora) + " and lipr_horafin >= " + sql_hora(ahora));
    if (!CListahoy->IsEmpty()) lista = CListahoy->Fields()[0]->AsInteger();
    CListahoy->Close();
    return Precio(codigo, unidad, lista, campo_consumo, cantidad, punto_venta, Currency(1), false);
}

Currency TfdmArt::precio_minimo(const std::string& codigo, const std::string& unidad, const std::string& iva_incluido,
                                Currency divisor) {
    int potencia = StrToInt(fdm->configuracion("FACTURACION", "ARTICULOS", "REDONDEO AL MULTIPLO DE DIEZ EN PRECIOS"));
    std::string base =
        fdm->configuracion("FACTURACION", "ARTICULOS", "COSTO BASE PARA CALCULO DE PRECIOS DE VENTA AUTOMATICOS");
    Currency iva = PorcentajeIva(codigo);
    TDateTime hoy = Date();
    Currency costo;
    if (base == "ULTIMO")
        costo = ultimo_costo(codigo, unidad, hoy);
    else if (base == "PROMEDIO")
        costo = costo_promedio(codigo, unidad, hoy);
    else
        costo = std::max(ultimo_costo(codigo, unidad, hoy), costo_promedio(codigo, unidad, hoy));
    if (Divide(divisor)) costo = costo / divisor;
    Currency precio = iva_incluido == "S" ? costo * (Currency(1) + iva / Currency(100)) : costo;
    return Redondee(codigo, unidad, precio, potencia, false);
}

void TfdmArt::utilidad_doc(const std::string& codigo, const std::string& unidad, TDateTime fecha, Currency cantidad,
                           Currency precio, TField* campo_costo, TField* campo_margen,
                           const std::string& iva_incluido) {
    Currency costo = costo_promedio(codigo, unidad, fecha);
    if (iva_incluido == "S") costo = costo * (Currency(1) + PorcentajeIva(codigo) / Currency(100));
    campo_costo->SetAsCurrency(costo);
    campo_margen->SetAsCurrency((precio - costo) * cantidad);
}

} // namespace tv::app
