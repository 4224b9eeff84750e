// Third parties on the demo company: suppliers, clients, drivers, their
// withholdings and collectors.
#include <gtest/gtest.h>

#include "app/data/dm.h"
#include "app/data/dmter.h"
#include "core/datetime.h"
#include "framework/data/field.h"
#include "tests/support/app/modulos.h"

using namespace tv;
using namespace tv::app;

namespace {
class Terceros : public apptest::ModulosTest {
protected:
    void SetUp() override {
        ModulosTest::SetUp();
        doc_ = Registro({"RTEFTE:c", "RTEIVA:c", "RTEICA:c", "SIMPLIFICADO:s", "VENDEDOR:i", "COBRADOR:s"});
    }
    TField* F(const char* nombre) { return doc_->FieldByName(nombre); }
    tv::TClientDataSet* doc_ = nullptr;
};
} // namespace

TEST_F(Terceros, ExistenceNamesAndFlags) {
    EXPECT_TRUE(fdmter->existe_nit("52345678"));
    EXPECT_FALSE(fdmter->existe_nit("999"));
    EXPECT_FALSE(fdmter->existe_nit("52345678' or '1'='1"));
    EXPECT_EQ(fdmter->dv("900555111"), 6);

    std::string texto;
    fdmter->valide_proveedor("860001234", texto);
    EXPECT_EQ(texto, "S");
    fdmter->valide_solocliente("52345678", texto);
    EXPECT_EQ(texto, "S");
    fdmter->nom_tercero("52345678", texto);
    EXPECT_EQ(texto, "Ana María Rodríguez");
    EXPECT_TRUE(fdmter->valide_conductor("1020304050"));
    EXPECT_FALSE(fdmter->valide_conductor("52345678"));
    fdmter->nombre_conductor("1020304050", texto);
    EXPECT_EQ(texto, "Jairo Méndez (conductor)");

    EXPECT_TRUE(fdmter->valide_tercero("52345678"));
    EXPECT_FALSE(fdmter->valide_tercero("NADIE"));
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{"Tercero Inactivo o no encontrado."});

    // An inactive supplier is no supplier for documents, but keeps its name.
    Sql("update terceros set terc_estado = 'N' where terc_nit = '860001234'");
    fdmter->valide_proveedor("860001234", texto);
    EXPECT_EQ(texto, "");
    fdmter->nombre_proveedor("860001234", texto);
    EXPECT_EQ(texto, "Distribuidora Andina de Alimentos S.A.");
    fdmter->nom_tercero("860001234", texto);
    EXPECT_EQ(texto, "");
}

TEST_F(Terceros, SupplierWithholdingsFillOnlyEmptyFields) {
    std::string nombre;
    F("RTEFTE")->SetAsCurrency(Currency(3));
    F("RTEICA")->SetAsString("0");
    fdmter->valide_proveedor_ret("860001234", F("RTEFTE"), F("RTEIVA"), F("RTEICA"), F("SIMPLIFICADO"), nombre);
    EXPECT_EQ(nombre, "Distribuidora Andina de Alimentos S.A.");
    EXPECT_EQ(F("RTEFTE")->AsCurrency(), Currency(3));
    EXPECT_EQ(F("RTEICA")->AsCurrency(), Currency::FromRaw(4140));
    EXPECT_EQ(F("SIMPLIFICADO")->AsString(), "N");

    // The simplified regime always takes the configured VAT withholding, written either way.
    F("RTEIVA")->SetAsCurrency(Currency(7));
    fdmter->valide_proveedor_ret("79888777", F("RTEFTE"), F("RTEIVA"), F("RTEICA"), F("SIMPLIFICADO"), nombre);
    EXPECT_EQ(F("RTEIVA")->AsCurrency(), Currency(15));
    EXPECT_EQ(F("SIMPLIFICADO")->AsString(), "S");
    Configure("COMPRAS", "FACTURAS", "PORCENTAJE DE RETENCION DE IVA PARA REGIMEN SIMPLIFICADO", "15,5");
    fdmter->valide_proveedor_ret("79888777", F("RTEFTE"), F("RTEIVA"), F("RTEICA"), F("SIMPLIFICADO"), nombre);
    EXPECT_EQ(F("RTEIVA")->AsCurrency(), Currency::FromRaw(155000));

    Sql("update terceros set terc_estado = 'N' where terc_nit = '79888777'");
    F("RTEFTE")->Clear();
    fdmter->valide_proveedor_ret("79888777", F("RTEFTE"), F("RTEIVA"), F("RTEICA"), F("SIMPLIFICADO"), nombre);
    EXPECT_EQ(nombre, "");
    EXPECT_TRUE(F("RTEFTE")->IsNull());

    fdmter->valide_retenciones("79888777", F("RTEFTE"), F("RTEIVA"), F("RTEICA"), nombre);
    EXPECT_EQ(F("RTEFTE")->AsCurrency(), Currency::FromRaw(25000));
    EXPECT_EQ(F("RTEIVA")->AsCurrency(), Currency(0));
    EXPECT_EQ(nombre, "Hernando Quintero (régimen simplificado)");
    EXPECT_EQ(fdmter->base_rtfte("860001234"), Currency(1145000));
    EXPECT_EQ(fdmter->base_rtfte("52345678"), Currency(0));
    EXPECT_EQ(fdmter->precio_proveedor("860001234", "000001", EncodeDate(2025, 6, 1)), Currency(1800));
    EXPECT_EQ(fdmter->precio_proveedor("", "000001", EncodeDate(2025, 6, 1)), Currency(0));
}

TEST_F(Terceros, ClientsCopyTheirTermsUnlessBlocked) {
    std::string nombre;
    fdmter->valide_cliente("900555111", F("RTEFTE"), F("RTEIVA"), F("RTEICA"), F("VENDEDOR"), nombre);
    EXPECT_EQ(nombre, "Restaurante El Fogón S.A.S.");
    EXPECT_EQ(F("RTEFTE")->AsCurrency(), Currency::FromRaw(25000));
    EXPECT_EQ(F("RTEIVA")->AsCurrency(), Currency(15));
    EXPECT_EQ(F("RTEICA")->AsCurrency(), Currency::FromRaw(9660));
    EXPECT_EQ(F("VENDEDOR")->AsInteger(), 2);
    EXPECT_EQ(fdmter->base_rtfte_cli("900555111"), Currency(1145000));
    EXPECT_EQ(fdmter->descuento_max("900555111"), Currency(5));
    EXPECT_EQ(fdmter->cupo_credito("900555111"), Currency(15000000));
    Sql("update clientes set clie_cupo = null where terc_nit = '52345678'");
    EXPECT_EQ(fdmter->cupo_credito("52345678"), Currency(0));
    EXPECT_EQ(fdmter->cupo_credito("NADIE"), Currency(0));
    fdmter->nombre_cliente("52345678", nombre);
    EXPECT_EQ(nombre, "Ana María Rodríguez");

    Sql("update clientes set clie_estado = 'B' where terc_nit = '900555111'");
    F("RTEFTE")->SetAsCurrency(Currency(1));
    fdmter->valide_cliente("900555111", F("RTEFTE"), F("RTEIVA"), F("RTEICA"), F("VENDEDOR"), nombre);
    EXPECT_EQ(nombre, "**__INACTIVO__**");
    EXPECT_EQ(F("RTEFTE")->AsCurrency(), Currency(1));
    EXPECT_EQ(avisos_.Textos(),
              std::vector<std::string>{"Cliente inactivo o bloqueado. consulte el estado del cliente."});
    fdmter->valide_cliente("NADIE", F("RTEFTE"), F("RTEIVA"), F("RTEICA"), F("VENDEDOR"), nombre);
    EXPECT_EQ(nombre, "");
}

TEST_F(Terceros, CollectorsAndOverdueBalances) {
    std::string nombre;
    EXPECT_EQ(fdmter->cobrador_cliente("52345678"), 1);
    EXPECT_EQ(fdmter->cobrador_cliente("860001234"), 0);
    fdmter->valide_clientCartera("52345678", F("COBRADOR"), nombre);
    EXPECT_EQ(F("COBRADOR")->AsString(), "1");
    fdmter->valide_clientCartera("900555111", F("COBRADOR"), nombre);  // collector 2 has retired
    EXPECT_TRUE(F("COBRADOR")->IsNull());
    EXPECT_EQ(nombre, "Restaurante El Fogón S.A.S.");
    F("COBRADOR")->SetAsString("1");
    fdmter->valide_retenCartera("900555111", F("RTEFTE"), F("RTEIVA"), F("RTEICA"), F("COBRADOR"), nombre);
    EXPECT_TRUE(F("COBRADOR")->IsNull());
    EXPECT_EQ(F("RTEIVA")->AsCurrency(), Currency(15));

    EXPECT_EQ(fdmter->cartera_vencida_cliente("1020304050", EncodeDate(2026, 3, 1)), Currency(0));
    EXPECT_EQ(fdmter->cartera_vencida_cliente("", EncodeDate(2026, 3, 1)), Currency(0));
    Sql("insert into movimiento_clientes (mvcl_id, terc_nit, mvcl_tiporef, mvcl_idref, mvcl_tipodoc, mvcl_iddoc, "
        "mvcl_fecha, mvcl_vence, mvcl_valor) values (99001, '1020304050', 31, 99001, 31, 99001, '2026/01/01', "
        "'2026/01/31', 50000)");
    EXPECT_EQ(fdmter->cartera_vencida_cliente("1020304050", EncodeDate(2026, 3, 1)), Currency(50000));
    EXPECT_EQ(fdmter->cartera_vencida_cliente("1020304050", EncodeDate(2026, 1, 15)), Currency(0));
}
