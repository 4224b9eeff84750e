// Accounting periods, accounts, cost centres and voucher numbers.
#include <gtest/gtest.h>

#include "app/data/avisos.h"
#include "app/data/dm.h"
#include "app/data/dmcnt.h"
#include "framework/data/field.h"
#include "tests/business/negocio.h"

using namespace tv;
using namespace tv::app;

namespace {

class Contabilidad : public negociotest::NegocioTest {
protected:
    void TearDown() override {
        instale_ventana_cuenta_nueva(nullptr);
        NegocioTest::TearDown();
    }
    std::string Fecha(const std::string& ano, int mes, int dia, bool admin = false) {
        fdmcnt->ano_actual = ano;
        fdmcnt->mes_actual = mes;
        std::string f;
        if (admin) fdmcnt->compone_fecha_admin(dia, f);
        else fdmcnt->compone_fecha(dia, f);
        return f;
    }
    std::string PeriodoGuardado() {
        return Valor("select user_anocnt || '/' || user_percnt from usuario where user_cod = 'SYSDBA'");
    }
    void Comprobante(int consec, const std::string& numero) {
        Sql("insert into comprobante_encabezado (enco_consec, tico_cod, prco_pref, enco_numero, enco_fecha) values (" +
            std::to_string(consec) + ", 11, '0000', '" + numero + "', '2026/01/10')");
    }
};

} // namespace

TEST_F(Contabilidad, ComposesDatesInsideThePeriod) {
    struct Caso {
        const char* ano;
        int mes, dia;
        const char* fecha;
        int pitidos;
    } casos[] = {
        {"2026", 0, 5, "20260105", 0},   {"2026", 11, 31, "20261231", 0},
        {"2026", 12, 31, "20261331", 0},  // adjustments: month 13, 31 days
        {"2024", 1, 29, "20240229", 0},   {"2026", 1, 29, "20260228", 1},
        {"2000", 1, 29, "20000229", 0},   {"2100", 1, 29, "21000228", 1},  // Gregorian leap rule
        {"2026", 3, 31, "20260430", 1},   {"2026", 3, 0, "20260401", 1},   // no day 0
    };
    for (const Caso& c : casos) {
        int antes = pitidos();
        EXPECT_EQ(Fecha(c.ano, c.mes, c.dia), c.fecha) << c.ano << " " << c.mes << " " << c.dia;
        EXPECT_EQ(pitidos() - antes, c.pitidos) << c.fecha;
    }
    EXPECT_EQ(Fecha("2026", 8, 7, true), "2026/09/07");
    std::string dias = "sin cambio";
    fdmcnt->mes_actual = 13;
    fdmcnt->dias_mes(dias);
    EXPECT_EQ(dias, "sin cambio");
    std::string f;
    EXPECT_ANY_THROW(fdmcnt->compone_fecha(1, f));
}

TEST_F(Contabilidad, PeriodsMoveAcrossYearEndsAndTheAdjustmentsPeriod) {
    // The demo company starts its books in January 2025.
    fdmcnt->ano_actual = "2026";
    fdmcnt->mes_actual = 0;
    fdmcnt->mes_menos();
    EXPECT_EQ(fdmcnt->ano_actual, "2025");
    EXPECT_EQ(fdmcnt->mes_actual, 12);
    EXPECT_EQ(PeriodoGuardado(), "2025/12");
    fdmcnt->mes_mas();
    EXPECT_EQ(fdmcnt->ano_actual, "2026");
    EXPECT_EQ(fdmcnt->mes_actual, 0);
    EXPECT_EQ(PeriodoGuardado(), "2026/0");

    fdmcnt->ano_actual = "2025";
    fdmcnt->mes_actual = 11;
    fdmcnt->mes_mas();
    EXPECT_EQ(fdmcnt->mes_actual, 12);
    fdmcnt->mes_menos();
    EXPECT_EQ(fdmcnt->mes_actual, 11);

    // January of the first year is as far back as the books go.
    fdmcnt->mes_actual = 0;
    int antes = pitidos();
    fdmcnt->mes_menos();
    EXPECT_EQ(fdmcnt->ano_actual, "2025");
    EXPECT_EQ(fdmcnt->mes_actual, 0);
    EXPECT_EQ(pitidos() - antes, 1);
    Configure("CONTABILIDAD", "GENERAL", "MES DE INICIO", "4");
    fdmcnt->mes_actual = 4;
    fdmcnt->mes_menos();
    EXPECT_EQ(fdmcnt->mes_actual, 3);
    fdmcnt->mes_menos();
    EXPECT_EQ(fdmcnt->mes_actual, 3);
}

TEST_F(Contabilidad, AUserCodeWithAQuoteIsALiteralAndAFailedUpdateKeepsThePeriod) {
    Sql("insert into usuario (user_cod, user_nombre, user_anocnt, user_percnt) values ('O''NEIL', 'x', '2026', 3)");
    fdm->usuario = "O'NEIL";
    fdmcnt->ano_actual = "2026";
    fdmcnt->mes_actual = 3;
    fdmcnt->mes_mas();
    EXPECT_EQ(Valor("select user_percnt from usuario where user_cod = 'O''NEIL'"), "4");

    // A period the column cannot hold fails the update: nothing moves.
    fdmcnt->ano_actual = "99999";
    fdmcnt->mes_actual = 5;
    EXPECT_ANY_THROW(fdmcnt->mes_mas());
    EXPECT_EQ(fdmcnt->ano_actual, "99999");
    EXPECT_EQ(fdmcnt->mes_actual, 5);
}

TEST_F(Contabilidad, ValideCuentaAnswersEachErrorCode) {
    Sql("insert into cuentas (cuen_cod, cuen_nom) values ('11050501', 'Caja menor sede norte')");
    struct Caso {
        const char* cuenta;
        bool valida;
        const char* mensaje;
    } casos[] = {
        {"110510", true, nullptr},
        {"123", false, "El código de cuenta está incompleto o demasiado largo."},
        {"1105", false, "La cuenta es de nivel inferior al mínimo afectable."},
        {"110505", false, "La cuenta indicada tiene auxiliares definidos."},
        {"1105'1", false, "La cuenta especificada no existe."},  // the quote is part of the code
    };
    for (const Caso& c : casos) {
        avisos_.mostrados.clear();
        EXPECT_EQ(fdmcnt->valide_cuenta(c.cuenta), c.valida) << c.cuenta;
        EXPECT_EQ(avisos_.Textos(), c.mensaje ? std::vector<std::string>{c.mensaje} : std::vector<std::string>{})
            << c.cuenta;
    }
}

TEST_F(Contabilidad, AMissingAccountIsOfferedToTheNewAccountWindow) {
    // Without the chart-of-accounts windows there is nothing to offer.
    EXPECT_FALSE(fdmcnt->valide_cuenta("999999"));
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{"La cuenta especificada no existe."});

    int abiertas = 0;
    std::string vista;
    instale_ventana_cuenta_nueva([&] {
        ++abiertas, vista = fdmcnt->cuenta_nueva;
        return true;
    });
    avisos_.mostrados.clear();
    avisos_.respuestas = {false, true};
    EXPECT_FALSE(fdmcnt->valide_cuenta("999999"));
    EXPECT_EQ(abiertas, 0);
    EXPECT_TRUE(fdmcnt->valide_cuenta("999999"));
    EXPECT_EQ(abiertas, 1);
    EXPECT_EQ(vista, "999999");
    EXPECT_EQ(avisos_.Textos(), (std::vector<std::string>{"La cuenta especificada no existe. Desea Crearla?",
                                                  "La cuenta especificada no existe. Desea Crearla?"}));
}

TEST_F(Contabilidad, NamesCentresAndAssets) {
    std::string nombre = "previo";
    fdmcnt->nom_cuenta("110505", nombre);
    EXPECT_FALSE(nombre.empty());
    fdmcnt->nom_cuenta("1105' or '1'='1", nombre);
    EXPECT_EQ(nombre, "");

    EXPECT_TRUE(fdmcnt->valide_centro("GEN", "ADM"));
    EXPECT_TRUE(avisos_.mostrados.empty());
    EXPECT_FALSE(fdmcnt->valide_centro("GEN", "X'Y"));
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{"Proyecto-Centro no encontrado."});

    Sql("insert into activos_fijos (acfj_cod, acfj_desc) values ('AF''1', 'Nevera exhibidora')");
    fdmcnt->desc_activo("AF'1", nombre);
    EXPECT_EQ(nombre, "Nevera exhibidora");
    fdmcnt->desc_activo("", nombre);
    EXPECT_EQ(nombre, "");
    fdmcnt->desc_activo("NOEXISTE", nombre);
    EXPECT_EQ(nombre, "");
}

TEST_F(Contabilidad, VoucherNumbers) {
    Sql("insert into prefijos_conta (tico_cod, prco_pref, pref_numero) values (11, '0000', '000012')");
    Comprobante(9001, "000012");
    Comprobante(9002, "000013");
    Comprobante(9003, "000014");
    EXPECT_TRUE(fdmcnt->existe_ComContable(11, "0000", "13"));
    EXPECT_EQ(fdmcnt->consecutivo_comprobante, "9002");
    EXPECT_FALSE(fdmcnt->existe_ComContable(11, "0000", ""));
    EXPECT_FALSE(fdmcnt->existe_ComContable(11, "00'0", "13"));
    EXPECT_EQ(fdmcnt->consecutivo_comprobante, "");

    auto* r = Registro({"NUMERO:s"});
    TField* numero = r->FieldByName("NUMERO");
    // A free number is taken as it is.
    numero->SetAsString("000020");
    EXPECT_TRUE(fdmcnt->valide_NumComConta(11, "0000", "000012", numero));
    EXPECT_EQ(Valor("select pref_numero from prefijos_conta where tico_cod = 11"), "000012");
    // A typed number in use offers to consult it.
    numero->SetAsString("13");
    avisos_.respuestas = {true, false};
    EXPECT_TRUE(fdmcnt->valide_NumComConta(11, "0000", "000012", numero));
    EXPECT_EQ(fdmcnt->consecutivo_comprobante, "9002");
    EXPECT_FALSE(fdmcnt->valide_NumComConta(11, "0000", "000012", numero));
    EXPECT_EQ(fdmcnt->consecutivo_comprobante, "");
    EXPECT_EQ(avisos_.Textos().back(), "Comprobante 13 previamente registrado. Consultar?");
    // The automatic number in use moves past every used one.
    numero->SetAsString("000012");
    EXPECT_TRUE(fdmcnt->valide_NumComConta(11, "0000", "000012", numero));
    EXPECT_EQ(numero->AsString(), "000015");
    EXPECT_EQ(Valor("select pref_numero from prefijos_conta where tico_cod = 11"), "000015");
}
