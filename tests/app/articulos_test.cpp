// Article rules on a seeded company database: validation, units, stock,
// costs and the price rules.
#include <gtest/gtest.h>

#include "app/data/dm.h"
#include "app/data/dmart.h"
#include "core/datetime.h"
#include "core/stringlist.h"
#include "framework/data/field.h"
#include "tests/support/app/modulos.h"

using namespace tv;
using namespace tv::app;

namespace {

// Saturday 2026-03-07 and Monday 2026-03-09.
TDateTime Sabado(int hora) { return EncodeDateTime(2026, 3, 7, hora, 0, 0, 0); }
TDateTime Lunes(int hora) { return EncodeDateTime(2026, 3, 9, hora, 0, 0, 0); }

class Articulos : public apptest::ModulosTest {
protected:
    void SetUp() override {
        ModulosTest::SetUp();
        SetClock([this] { return ahora_; });
        Sql("insert into articulo (arti_cod, arti_des, arti_unidad, taiv_cod, arti_consumo, arti_peso, arti_ancho, "
            "arti_alto) values ('PT1', 'Café de prueba', 'UNIDAD', 3, 30, 500, 10, 20)");
        Sql("insert into articulo_unidad values ('PT1', 'CAJA', 12, 1)");
        Sql("insert into barras_articulo values ('7709990001', 'PT1', 'CAJA')");
        Sql("insert into precios_articulo values ('PT1', 1, 1025, 0, 0)");
        Sql("insert into precios_articulo values ('PT1', 2, 1075, 40, 6)");  // branch 1, from 6 units
        Sql("insert into precios_articulo values ('PT1', 3, 1250, 0, 0)");
        Sql("insert into precios_articulo values ('PT1', 4, 1350, 0, 0)");
        Sql("insert into movimiento_articulo (moar_id, arti_cod, bode_cod, moar_fecha, moar_cant, moar_costo) "
            "values (90001, 'PT1', '01', '2026/01/05', 10, 800)");
        Sql("insert into movimiento_articulo (moar_id, arti_cod, bode_cod, moar_fecha, moar_cant, moar_costo) "
            "values (90002, 'PT1', '01', '2026/02/01', 10, 900)");
        consumo_ = Registro({"CONSUMO:c"})->FieldByName("CONSUMO");
    }
    void TearDown() override {
        SetClock(nullptr);
        ModulosTest::TearDown();
    }
    Currency Precio(int lista, Currency cantidad = 1, Currency divisor = 1) {
        return fdmArt->precio_articulo("PT1", "UNIDAD", lista, consumo_, cantidad, 1, divisor);
    }

    TDateTime ahora_ = Lunes(12);
    TField* consumo_ = nullptr;
};

} // namespace

TEST_F(Articulos, ValidationByCodeAndByBarCode) {
    auto* r = Registro({"ID:s", "DES:s", "UNIDAD:s"});
    TField *id = r->FieldByName("ID"), *des = r->FieldByName("DES"), *unidad = r->FieldByName("UNIDAD");
    EXPECT_FALSE(fdmArt->valide_articulo("7709990001", id, des, unidad));
    EXPECT_EQ(id->AsString(), "PT1");
    EXPECT_EQ(des->AsString(), "Café de prueba");
    EXPECT_EQ(unidad->AsString(), "CAJA");

    // Text already in the document stays; the alert of today shows as a reminder.
    Sql("insert into articulo_alertas values (9901, 'PT1', '2026/03/01', '2026/03/31', 'Promoción 2x1')");
    des->SetAsString("Mi descripción");
    unidad->SetAsString("UNIDAD");
    fdmArt->valide_articulo("PT1", id, des, unidad);
    EXPECT_EQ(des->AsString(), "Mi descripción");
    EXPECT_EQ(unidad->AsString(), "UNIDAD");
    EXPECT_EQ(barra_.texto, "RECORDAR: Promoción 2x1");

    EXPECT_FALSE(fdmArt->valide_articulo("", id, des, unidad));
    EXPECT_TRUE(avisos_.mostrados.empty());
    EXPECT_FALSE(fdmArt->valide_articulo("PT1' or ''='", id, des, unidad));
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{"Código no encontrado"});
    EXPECT_TRUE(fdmArt->existe_articulo("7709990001"));
    EXPECT_FALSE(fdmArt->existe_articulo("NADA"));
    EXPECT_FALSE(fdmArt->existe_articulo(""));
}

TEST_F(Articulos, SmallLookUps) {
    std::string texto;
    fdmArt->estado_articulo("PT1", texto);
    EXPECT_EQ(texto, "A");
    fdmArt->estado_articulo("", texto);
    EXPECT_EQ(texto, "A");
    EXPECT_FALSE(fdmArt->descvar_articulo("PT1"));
    EXPECT_TRUE(fdmArt->descvar_articulo(""));
    fdmArt->desc_articulo("PT1", texto);
    EXPECT_EQ(texto, "Café de prueba");
    fdmArt->desc_articulo("P'T1", texto);
    EXPECT_EQ(texto, "");
    fdmArt->barras_articulo("PT1", texto);
    EXPECT_EQ(texto, "7709990001");
    Sql("insert into stands values ('A-12', 'PT1', '01')");
    fdmArt->stand_articulo("PT1", "01", texto);
    EXPECT_EQ(texto, "A-12");
    fdmArt->stand_articulo("PT1", "02", texto);
    EXPECT_EQ(texto, "");
    EXPECT_TRUE(fdmArt->tiene_movimiento("PT1"));
    EXPECT_FALSE(fdmArt->tiene_movimiento("NADA"));

    auto* r = Registro({"IVA:c", "CONSUMO:c"});
    fdmArt->imptos_articulo("PT1", r->FieldByName("IVA"), r->FieldByName("CONSUMO"));
    EXPECT_EQ(r->FieldByName("IVA")->AsCurrency(), Currency(19));
    EXPECT_EQ(r->FieldByName("CONSUMO")->AsCurrency(), Currency(30));
}

TEST_F(Articulos, UnitsAndTheirFactors) {
    TStringList lista;
    lista.Add("vieja");
    fdmArt->lista_unidades("PT1", &lista);
    ASSERT_EQ(lista.Count(), 2);
    EXPECT_EQ(lista.Strings(0), "UNIDAD");
    EXPECT_EQ(lista.Strings(1), "CAJA");
    EXPECT_EQ(fdmArt->factor_unidad("PT1", "CAJA"), Currency(12));
    EXPECT_EQ(fdmArt->factor_unidad("PT1", "KILO"), Currency(1));
    EXPECT_EQ(fdmArt->factor_unidad("PT1", ""), Currency(1));

    auto* r = Registro({"UNIDAD:s", "PESO:f", "VOLUMEN:f"});
    TField* unidad = r->FieldByName("UNIDAD");
    unidad->SetAsString("KILO");
    fdmArt->valide_unidad("PT1", unidad);
    EXPECT_EQ(unidad->AsString(), "UNIDAD");
    unidad->SetAsString("CAJA");
    fdmArt->valide_unidad("PT1", unidad);
    EXPECT_EQ(unidad->AsString(), "CAJA");

    // 500 g a unit, two boxes of twelve; one dimension missing leaves no volume.
    fdmArt->peso_y_volumen("PT1", "CAJA", Currency(2), r->FieldByName("PESO"), r->FieldByName("VOLUMEN"));
    EXPECT_DOUBLE_EQ(r->FieldByName("PESO")->AsFloat(), 12.0);
    EXPECT_DOUBLE_EQ(r->FieldByName("VOLUMEN")->AsFloat(), 0.0);
    Sql("update articulo set arti_largo = 5 where arti_cod = 'PT1'");
    fdmArt->peso_y_volumen("PT1", "UNIDAD", Currency(3), r->FieldByName("PESO"), r->FieldByName("VOLUMEN"));
    EXPECT_DOUBLE_EQ(r->FieldByName("VOLUMEN")->AsFloat(), 3.0);
    fdmArt->peso_y_volumen("NADA", "UNIDAD", Currency(3), r->FieldByName("PESO"), r->FieldByName("VOLUMEN"));
    EXPECT_DOUBLE_EQ(r->FieldByName("PESO")->AsFloat(), 0.0);
}

TEST_F(Articulos, ListPriceRoundedAndItsConsumptionTax) {
    Configure("FACTURACION", "ARTICULOS", "REDONDEO AL MULTIPLO DE DIEZ EN PRECIOS", "5");
    EXPECT_EQ(Precio(1), Currency(1000));
    EXPECT_EQ(consumo_->AsCurrency(), Currency(30));  // the list has none: the article's
    EXPECT_EQ(Precio(2), Currency(1100));
    EXPECT_EQ(consumo_->AsCurrency(), Currency(40));
    Configure("FACTURACION", "ARTICULOS", "REDONDEO AL MULTIPLO DE DIEZ EN PRECIOS", "2");
    EXPECT_EQ(Precio(3), Currency(1200));
    EXPECT_EQ(Precio(4), Currency(1400));
    EXPECT_EQ(Precio(4, 1, 2), Currency(700));  // 675 to hundreds
    Configure("FACTURACION", "ARTICULOS", "REDONDEO AL MULTIPLO DE DIEZ EN PRECIOS", "-1");
    EXPECT_EQ(Precio(4, 1, 3), Currency::FromRaw(4500000));  // 450,0

    consumo_->SetAsCurrency(Currency(7));
    EXPECT_EQ(Precio(99), Currency(0));  // no price in that list
    EXPECT_EQ(consumo_->AsCurrency(), Currency(7));
    EXPECT_EQ(fdmArt->precio_articulo("", "UNIDAD", 1, consumo_, 1, 1, 1), Currency(0));
    EXPECT_EQ(fdmArt->precio_articulo("PT1'", "UNIDAD", 1, consumo_, 1, 1, 1), Currency(0));
}

TEST_F(Articulos, QuantityPriceWithAndWithoutAMatch) {
    Configure("FACTURACION", "DOCUMENTOS", "TRAER PRECIO MINIMO SEGUN CANTIDAD", "SI");
    EXPECT_EQ(Precio(3, 10), Currency(1100));  // list 2 rules from 6 units at point of sale 1
    EXPECT_EQ(consumo_->AsCurrency(), Currency(40));
    EXPECT_EQ(Precio(3, 2), Currency(1200));   // no quantity price: the list's own
    EXPECT_EQ(Precio(3, -5), Currency(1200));  // a negative quantity finds none either
    // The exempt list never looks at the quantity.
    EXPECT_EQ(Precio(1, 10), Currency(1000));
    // Half a box is six units.
    EXPECT_EQ(fdmArt->precio_articulo("PT1", "CAJA", 3, consumo_, Currency::FromRaw(5000), 1, 1), Currency(1100));
    // A user of branch 1 takes the lists of the branch.
    fdm->sucursal = 1;
    EXPECT_EQ(Precio(3, 6), Currency(1100));
    fdm->sucursal = 2;
    EXPECT_EQ(Precio(3, 6), Currency(1200));
}

TEST_F(Articulos, PriceOfTheHourAtThePointOfSale) {
    auto pos = [&](int lista, Currency cantidad = 1) {
        return fdmArt->precio_articulo_pos("PT1", "UNIDAD", lista, consumo_, cantidad, 1);
    };
    ahora_ = Sabado(15);
    EXPECT_EQ(pos(1), Currency(1200));  // "Sábado feliz" rules on Saturday from 14 to 18
    ahora_ = Sabado(19);
    EXPECT_EQ(pos(1), Currency(1000));
    ahora_ = Lunes(7);
    EXPECT_EQ(pos(1), Currency(1400));  // "Madrugadores" on Monday from 6 to 9
    ahora_ = Lunes(9) + 1.0 / 24 / 60;  // 09:01
    EXPECT_EQ(pos(1), Currency(1000));
    ahora_ = Lunes(12);
    Configure("FACTURACION", "DOCUMENTOS", "TRAER PRECIO MINIMO SEGUN CANTIDAD", "SI");
    EXPECT_EQ(pos(1, 10), Currency(1100));  // no exempt list here
}

TEST_F(Articulos, MinimumPriceFromCost) {
    // Average cost 850, last cost 900; VAT 19 %; rounding to hundreds.
    EXPECT_EQ(fdmArt->ultimo_costo("PT1", "UNIDAD", Date()), Currency(900));
    EXPECT_EQ(fdmArt->costo_promedio("PT1", "UNIDAD", Date()), Currency(850));
    EXPECT_EQ(fdmArt->costo_promedio("PT1", "CAJA", Date()), Currency(10200));
    EXPECT_EQ(fdmArt->ultimo_costo("PT1", "", Date()), Currency(0));
    EXPECT_EQ(fdmArt->precio_minimo("PT1", "UNIDAD", "S", 1), Currency(1000));  // 1011,50
    EXPECT_EQ(fdmArt->precio_minimo("PT1", "UNIDAD", "N", 1), Currency(800));   // 850, half to even
    Configure("FACTURACION", "ARTICULOS", "COSTO BASE PARA CALCULO DE PRECIOS DE VENTA AUTOMATICOS", "ULTIMO");
    EXPECT_EQ(fdmArt->precio_minimo("PT1", "UNIDAD", "S", 1), Currency(1100));  // 1071
    Configure("FACTURACION", "ARTICULOS", "COSTO BASE PARA CALCULO DE PRECIOS DE VENTA AUTOMATICOS", "MAYOR");
    EXPECT_EQ(fdmArt->precio_minimo("PT1", "UNIDAD", "N", 1), Currency(900));
    Configure("FACTURACION", "ARTICULOS", "REDONDEO AL MULTIPLO DE DIEZ EN PRECIOS", "5");
    EXPECT_EQ(fdmArt->precio_minimo("PT1", "UNIDAD", "N", 4), Currency(200));  // 225: half to the even fifty

    auto* r = Registro({"COSTO:c", "MARGEN:c"});
    fdmArt->utilidad_doc("PT1", "UNIDAD", Date(), Currency(2), Currency(1200), r->FieldByName("COSTO"),
                         r->FieldByName("MARGEN"), "N");
    EXPECT_EQ(r->FieldByName("COSTO")->AsCurrency(), Currency(850));
    EXPECT_EQ(r->FieldByName("MARGEN")->AsCurrency(), Currency(700));
}

TEST_F(Articulos, RoundingToFifties) {
    const std::pair<int, int> casos[] = {{25, 0}, {75, 100}, {125, 100}, {1025, 1000}, {1075, 1100}, {1060, 1050}};
    for (auto [precio, esperado] : casos)
        EXPECT_EQ(fdmArt->redondeo_a_cincuenta(Currency(precio), Currency(0)), Currency(esperado)) << precio;
    EXPECT_EQ(fdmArt->redondeo_a_cincuenta(Currency(100), Currency::FromRaw(115000)), Currency(1150));
}

TEST_F(Articulos, StockCheckOfADocumentLine) {
    auto chequeo = [&](const std::string& codigo, const std::string& bodega, Currency cantidad) {
        return fdmArt->existencia_insuficiente(codigo, bodega, Date(), cantidad, "UNIDAD", true);
    };
    EXPECT_TRUE(chequeo("PT1", "01", 5));
    EXPECT_TRUE(avisos_.mostrados.empty());
    EXPECT_TRUE(chequeo("PT1", "01", 25));  // AVISAR
    EXPECT_EQ(barra_.texto, "Advertencia: la existencia del artículo PT1 es insuficiente en la bodega 01. "
                            "Disponible: 20,00");
    Configure("INVENTARIO", "EXISTENCIAS", "ACCION A TOMAR SI LA EXISTENCIA ES INSUFICIENTE", "PROHIBIR");
    EXPECT_FALSE(chequeo("PT1", "01", 25));
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{
                                    "la existencia del artículo PT1 es insuficiente en la bodega 01\nDisponible: 20,00"});
    // A policy none of the three proceeds silently to the reservation check...
    Configure("INVENTARIO", "EXISTENCIAS", "ACCION A TOMAR SI LA EXISTENCIA ES INSUFICIENTE", "");
    barra_.Tic();
    EXPECT_TRUE(chequeo("PT1", "01", 25));
    EXPECT_EQ(barra_.texto, "Advertencia: La existencia del artículo PT1 está reservada. Disponible: 20,00");
    Configure("INVENTARIO", "EXISTENCIAS", "ACCION A TOMAR SI LA EXISTENCIA ESTA RESERVADA", "PROHIBIR");
    avisos_.mostrados.clear();
    EXPECT_FALSE(chequeo("PT1", "01", 25));
    EXPECT_EQ(avisos_.Textos(),
              std::vector<std::string>{"La existencia del artículo PT1 está reservada.\nDisponible: 20,00"});
    // ...and, when neither refuses, warns under the minimum.
    Configure("INVENTARIO", "EXISTENCIAS", "ACCION A TOMAR SI LA EXISTENCIA ESTA RESERVADA", "");
    Sql("update articulo set arti_min = 18 where arti_cod = 'PT1'");
    barra_.Tic();
    EXPECT_TRUE(chequeo("PT1", "01", 25));
    EXPECT_EQ(barra_.texto, "Advertencia: La existencia quedará bajo el mínimo.");

    avisos_.mostrados.clear();
    EXPECT_FALSE(chequeo("PT1", "02", 1));
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{"El artículo nunca ha tenido existencia en la bodega."});
    Sql("update articulo set arti_exist = 'N' where arti_cod = 'PT1'");
    EXPECT_TRUE(chequeo("PT1", "02", 1));
    EXPECT_TRUE(chequeo("", "01", 1));
    EXPECT_TRUE(chequeo("NO'EXISTE", "01", 1));
}

TEST_F(Articulos, LotsWhenNoneSuffices) {
    auto* r = Registro({"CANTIDAD:c"});
    TField* cantidad = r->FieldByName("CANTIDAD");
    cantidad->SetAsCurrency(Currency(3));
    std::string lote = "previo";
    fdmArt->seleccione_lote("PT1", "01", cantidad, "UNIDAD", lote);
    EXPECT_EQ(lote, "");
    EXPECT_EQ(cantidad->AsCurrency(), Currency(0));
    EXPECT_EQ(barra_.texto, "Advertencia: No hay ningún lote para ese artículo.");

    Sql("insert into lotes values ('PT1', 'L1', '2026/06/30')");
    Sql("insert into movimiento_articulo (moar_id, arti_cod, bode_cod, moar_fecha, moar_cant, moar_costo, lote_cod) "
        "values (90003, 'PT1', '01', '2026/02/01', 24, 900, 'L1')");
    cantidad->SetAsCurrency(Currency(3));  // three boxes are 36 units: more than the lot holds
    fdmArt->seleccione_lote("PT1", "01", cantidad, "CAJA", lote);
    EXPECT_EQ(lote, "L1");
    EXPECT_EQ(cantidad->AsCurrency(), Currency(2));
    cantidad->SetAsCurrency(Currency(1));
    fdmArt->seleccione_lote("PT1", "01", cantidad, "CAJA", lote);
    EXPECT_EQ(lote, "L1");
    EXPECT_EQ(fdmArt->saldo_lote("PT1", "01", "L1"), Currency(24));
    EXPECT_EQ(fdmArt->saldo_lote("PT1", "01", ""), Currency(0));
    TStringList lotes;
    fdmArt->lista_lotes("PT1", "01", Currency(10), &lotes);
    EXPECT_EQ(lotes.Count(), 1);
}
