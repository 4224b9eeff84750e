// Bank document numbering per account, and the bank interfaces.
#include <gtest/gtest.h>

#include "app/data/contabilizacion.h"
#include "app/data/dmbnc.h"
#include "framework/data/field.h"
#include "tests/business/negocio.h"

using namespace tv;
using namespace tv::app;

namespace {

class Bancos : public negociotest::NegocioTest {
protected:
    void Cheque(int id, int cuenta, const std::string& numero) {
        Sql("insert into cheques (cheq_id, cuba_cod, prba_pref, cheq_numero, cheq_fecha) values (" +
            std::to_string(id) + ", " + std::to_string(cuenta) + ", '0000', '" + numero + "', '2026/02/01')");
    }
    std::string Consecutivo(int tipo, int cuenta) {
        return Valor("select prba_numero from prefijos_bancos where tido_cod = " + std::to_string(tipo) +
                     " and cuba_cod = " + std::to_string(cuenta));
    }
};

} // namespace

TEST_F(Bancos, EachAccountKeepsItsOwnNumbering) {
    fdmbnc->registre_prefijoBnco(72, 1);
    fdmbnc->registre_prefijoBnco(72, 2);
    fdmbnc->registre_prefijoBnco(72, 1);  // a second time changes nothing
    EXPECT_EQ(Valor("select count(*) from prefijos_bancos where tido_cod = 72"), "2");
    EXPECT_EQ(Consecutivo(72, 1), "000001");

    Cheque(801, 1, "000012");
    Cheque(802, 1, "000013");
    Cheque(803, 2, "000012");
    EXPECT_TRUE(fdmbnc->existe_numerobco(72, "1", "0000", "12"));
    EXPECT_EQ(fdmbnc->id_cheq, "801");
    EXPECT_TRUE(fdmbnc->existe_numerobco(72, "2", "0000", "12"));
    EXPECT_EQ(fdmbnc->id_cheq, "803");
    EXPECT_FALSE(fdmbnc->existe_numerobco(72, "2", "0000", "13"));
    EXPECT_EQ(fdmbnc->id_cheq, "");
    // Neutral answers: an empty number leaves the slot, bad accounts and prefixes find nothing.
    fdmbnc->id_cheq = "previo";
    EXPECT_FALSE(fdmbnc->existe_numerobco(72, "1", "0000", ""));
    EXPECT_EQ(fdmbnc->id_cheq, "previo");
    EXPECT_FALSE(fdmbnc->existe_numerobco(72, "1 or 1=1", "0000", "12"));
    EXPECT_FALSE(fdmbnc->existe_numerobco(72, "1", "00'0", "12"));
    EXPECT_FALSE(fdmbnc->existe_numerobco(70, "1", "0000", "12"));

    // The proposed number, used twice over on account 1, moves past both.
    Sql("update prefijos_bancos set prba_numero = '000012' where tido_cod = 72 and cuba_cod = 1");
    auto* r = Registro({"NUMERO:s"});
    TField* numero = r->FieldByName("NUMERO");
    numero->SetAsString("000012");
    EXPECT_TRUE(fdmbnc->valide_numerobnco(72, "1", "0000", numero, "000012"));
    EXPECT_EQ(numero->AsString(), "000014");
    EXPECT_EQ(Consecutivo(72, 1), "000014");
    EXPECT_EQ(Consecutivo(72, 2), "000001");
    EXPECT_TRUE(avisos_.mostrados.empty());
}

TEST_F(Bancos, ATypedNumberInUseOffersTheDocument) {
    Cheque(801, 1, "000012");
    auto* r = Registro({"NUMERO:s"});
    TField* numero = r->FieldByName("NUMERO");
    numero->SetAsString("12");  // differs from "000012" as typed
    avisos_.respuestas = {true, false};
    EXPECT_TRUE(fdmbnc->valide_numerobnco(72, "1", "0000", numero, "000012"));
    EXPECT_EQ(fdmbnc->id_cheq, "801");
    EXPECT_FALSE(fdmbnc->valide_numerobnco(72, "1", "0000", numero, "000012"));
    EXPECT_EQ(fdmbnc->id_cheq, "");
    EXPECT_EQ(avisos_.Textos(), (std::vector<std::string>{"Documento 12 previamente registrado. Consultar?",
                                                  "Documento 12 previamente registrado. Consultar?"}));
    // An empty field is accepted and keeps what was found before.
    fdmbnc->id_cheq = "801";
    numero->SetAsString("");
    EXPECT_TRUE(fdmbnc->valide_numerobnco(72, "1", "0000", numero, "000012"));
    EXPECT_EQ(fdmbnc->id_cheq, "801");
}

TEST_F(Bancos, ReturnedChequesFollowTheSetting) {
    Configure("BANCOS", "DEVOLUCIONES", "CONSECUTIVOS POR CUENTA", "si");
    fdmbnc->registre_prefijoBnco(77, 1);
    fdmbnc->registre_prefijoBnco(77, 1);
    EXPECT_EQ(Valor("select count(*) from prefijos where tido_cod = 77 and pref_pre = '0000'"), "1");
    EXPECT_EQ(Valor("select count(*) from prefijos_bancos where tido_cod = 77"), "0");
    Configure("BANCOS", "DEVOLUCIONES", "CONSECUTIVOS POR CUENTA", "SI");
    fdmbnc->registre_prefijoBnco(77, 1);
    EXPECT_EQ(Valor("select count(*) from prefijos_bancos where tido_cod = 77"), "1");
}

TEST_F(Bancos, InterfacesAreFilteredByAccountExceptSharedReturnedCheques) {
    Sql("insert into interfaz_bancos values (501, 'Cheques cuenta 1', 72, '0000', 1)");
    Sql("insert into interfaz_bancos values (502, 'Cheques cuenta 2', 72, '0000', 2)");
    Sql("insert into interfaz_bancos values (503, 'Devoluciones', 77, 'A''B', 2)");
    EXPECT_EQ(fdmbnc->abre_interfaz(72, 1, "0000", true), 501);
    EXPECT_EQ(fdmbnc->abre_interfaz(72, 2, "0000", true), 502);
    EXPECT_EQ(fdmbnc->abre_interfaz(72, 2, "0000", false), 0);  // not asked: none taken
    EXPECT_TRUE(avisos_.mostrados.empty());
    EXPECT_EQ(fdmbnc->abre_interfaz(77, 1, "A'B", true), 0);  // per account: account 1 has none
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{
                            "No se han definido interfaces para el documento. No podrá grabar hasta no definirla."});
    Configure("BANCOS", "DEVOLUCIONES", "CONSECUTIVOS POR CUENTA", "si");
    EXPECT_EQ(fdmbnc->abre_interfaz(77, 1, "A'B", true), 503);
}
