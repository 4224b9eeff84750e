// Document numbering, dates, rights and the small look-ups documents share.
#include <gtest/gtest.h>

#include "app/data/dm.h"
#include "app/data/dmcja.h"
#include "app/data/dmfact.h"
#include "app/data/dminv.h"
#include "framework/data/field.h"
#include "tests/support/app/modulos.h"

using namespace tv;
using namespace tv::app;

namespace {

class Numeracion : public apptest::ModulosTest {
protected:
    void Entrada(int id, const std::string& prefijo, const std::string& numero) {
        Sql("insert into entradas (entr_id, pref_pre, entr_numero, entr_fecha) values (" + std::to_string(id) +
            ", '" + prefijo + "', '" + numero + "', '2026/01/10')");
    }
};

} // namespace

TEST_F(Numeracion, CompleteNumeroPadsShortNumbers) {
    const std::pair<const char*, const char*> casos6[] = {
        {"", "000000"}, {"42", "000042"}, {"12345", "012345"}, {"123456", "123456"}, {"1234567", "1234567"}};
    std::string r;
    for (const auto& [n, esperado] : casos6) {
        fdm->complete_numero(n, r);
        EXPECT_EQ(r, esperado);
    }
    fdm->complete_numero3("7", r);
    EXPECT_EQ(r, "007");
    fdm->complete_numero3("1234", r);
    EXPECT_EQ(r, "1234");
}

TEST_F(Numeracion, ExisteNumeroFillsTheSlotOfItsModule) {
    Entrada(501, "0000", "000010");
    EXPECT_TRUE(fdm->existe_numero(11, "0000", ""));
    EXPECT_TRUE(fdm->existe_numero(11, "0000", "10"));
    EXPECT_EQ(fdmInv->id_entr, "501");
    EXPECT_FALSE(fdm->existe_numero(11, "0000", "11"));
    EXPECT_EQ(fdmInv->id_entr, "");
    EXPECT_FALSE(fdm->existe_numero(11, "AB'C", "10"));  // a quote in the prefix is one literal
    // Types outside the table (bank documents, unknown codes) are not found.
    EXPECT_FALSE(fdm->existe_numero(71, "0000", "10"));
    EXPECT_FALSE(fdm->existe_numero(99, "0000", "10"));
}

TEST_F(Numeracion, ANewNumberIsAccepted) {
    auto* r = Registro({"NUMERO:s"});
    r->FieldByName("NUMERO")->SetAsString("000001");
    EXPECT_TRUE(fdm->valide_numero(11, "0000", r->FieldByName("NUMERO"), "000001"));
    EXPECT_EQ(r->FieldByName("NUMERO")->AsString(), "000001");
    EXPECT_TRUE(avisos_.mostrados.empty());
}

TEST_F(Numeracion, AProposedNumberTakenMeanwhileMovesPastTheUsedOnes) {
    for (int i = 0; i < 3; ++i) Entrada(600 + i, "0000", "00002" + std::to_string(i));
    auto* r = Registro({"NUMERO:s"});
    r->FieldByName("NUMERO")->SetAsString("000020");
    EXPECT_TRUE(fdm->valide_numero(11, "0000", r->FieldByName("NUMERO"), "000020"));
    EXPECT_EQ(r->FieldByName("NUMERO")->AsString(), "000023");
    EXPECT_TRUE(avisos_.mostrados.empty());
}

TEST_F(Numeracion, ATypedUsedNumberAsksWhetherToConsultIt) {
    Entrada(700, "0000", "000005");
    auto* r = Registro({"NUMERO:s"});
    r->FieldByName("NUMERO")->SetAsString("000005");
    avisos_.respuestas = {true, false};
    EXPECT_TRUE(fdm->valide_numero(11, "0000", r->FieldByName("NUMERO"), "000009"));
    EXPECT_EQ(fdmInv->id_entr, "700");
    fdmcja->id_reca = "viejo";
    EXPECT_FALSE(fdm->valide_numero(11, "0000", r->FieldByName("NUMERO"), "000009"));
    EXPECT_EQ(fdmInv->id_entr, "");
    EXPECT_EQ(fdmcja->id_reca, "");
    EXPECT_EQ(avisos_.Textos(), (std::vector<std::string>{"Documento 000005 previamente registrado. Consultar?",
                                                          "Documento 000005 previamente registrado. Consultar?"}));
}

TEST_F(Numeracion, ThePrefixIsRegisteredOnce) {
    Sql("delete from prefijos where tido_cod = 14");
    fdm->registre_prefijo(14);
    fdm->registre_prefijo(14);
    EXPECT_EQ(Valor("select count(*) from prefijos where tido_cod = 14 and pref_pre = '0000'"), "1");
    Sql("update prefijos set pref_activo = 'N' where tido_cod = 14");
    fdm->registre_prefijo(14);
    EXPECT_EQ(Valor("select pref_activo || pref_actual || pref_auto from prefijos where tido_cod = 14"), "S000001N");
}

TEST_F(Numeracion, LockDateAndFutureDates) {
    SetClock([] { return EncodeDate(2026, 3, 10); });
    Configure("CONTABILIDAD", "GENERAL", "FECHA DE BLOQUEO", "20260301");
    auto* r = Registro({"FECHA:d"});
    TField* f = r->FieldByName("FECHA");

    f->SetAsDateTime(EncodeDate(2026, 3, 1));  // exactly on the lock date
    fdm->valide_fecha(f);
    EXPECT_EQ(f->AsDateTime(), EncodeDate(2026, 3, 1));
    f->SetAsDateTime(EncodeDate(2026, 3, 15));  // today + 5 days is allowed
    fdm->valide_fecha(f);
    EXPECT_EQ(f->AsDateTime(), EncodeDate(2026, 3, 15));
    EXPECT_TRUE(avisos_.mostrados.empty());

    f->SetAsDateTime(EncodeDate(2026, 3, 16));
    fdm->valide_fecha(f);
    EXPECT_EQ(f->AsDateTime(), EncodeDate(2026, 3, 10));
    f->SetAsDateTime(EncodeDate(2026, 2, 28));
    fdm->valide_fecha(f);
    EXPECT_EQ(f->AsDateTime(), EncodeDate(2026, 3, 10));
    EXPECT_EQ(avisos_.Textos(),
              (std::vector<std::string>{
                  "La fecha del documento es demasiado lejana. Revise la fecha del mismo y la fecha del sistema.",
                  "La compañía esta bloqueada a: 2026/03/01"}));

    // Today before the lock date: the field takes the lock date.
    Configure("CONTABILIDAD", "GENERAL", "FECHA DE BLOQUEO", "20260401");
    f->SetAsDateTime(EncodeDate(2026, 3, 20));
    fdm->valide_fecha(f);
    EXPECT_EQ(f->AsDateTime(), EncodeDate(2026, 4, 1));

    Configure("CONTABILIDAD", "GENERAL", "FECHA DE BLOQUEO", "");
    f->SetAsDateTime(EncodeDate(2020, 1, 1));
    fdm->valide_fecha(f);
    EXPECT_EQ(f->AsDateTime(), EncodeDate(2020, 1, 1));
    SetClock(nullptr);
}

TEST_F(Numeracion, RightsOfAUserOnAnOption) {
    fdm->registre_ingreso("cajero", "Juan", Date());
    EXPECT_TRUE(fdm->valide_acceso("FACTURACION", 0));
    EXPECT_FALSE(fdm->valide_acceso("CONTABILIDAD", 0));
    EXPECT_FALSE(fdm->valide_acceso("INVENTARIO", 3));
    barra_.administrador = true;
    EXPECT_TRUE(fdm->valide_acceso("CONTABILIDAD", 0));
    EXPECT_TRUE(fdm->acceso_editacomproba("CAJERO", "FACTURACION", 0));
    EXPECT_FALSE(fdm->acceso_editacomproba("CAJERO'--", "FACTURACION", 0));
}

TEST_F(Numeracion, SmallLookUps) {
    std::string texto;
    fdm->valide_usuario("CAJERO", texto);
    EXPECT_EQ(texto, "Juan Pérez Cajero");
    fdm->valide_usuario("NADIE", texto);
    EXPECT_EQ(texto, "");
    EXPECT_EQ(avisos_.Textos(), std::vector<std::string>{"Nombre de usuario incorrecto"});

    fdm->nombre_campo("ARTI_COD", texto);
    EXPECT_EQ(texto, "Código del artículo");
    fdm->nombre_campo("arti_cod", texto);
    EXPECT_EQ(texto, "arti_cod");

    fdm->nombre_tipo(31, texto);
    EXPECT_EQ(texto, "FACTURA");
    fdm->nombre_tipo(98, texto);
    EXPECT_EQ(texto, "");

    Sql("insert into facturas_compra (faco_id, pref_pre, faco_numero, faco_fecha) values (77, 'FC', '000123', "
        "'2026/01/10')");
    fdm->num_documento(21, 77, texto);
    EXPECT_EQ(texto, "FC000123");
    fdm->num_documento(21, 78, texto);
    EXPECT_EQ(texto, "");
    fdm->num_documento(11, 77, texto);  // inventory types are not among its documents
    EXPECT_EQ(texto, "");
    auto* r = Registro({"PREFIJO:s", "NUMERO:s"});
    fdm->numero_documento(21, 77, r->FieldByName("PREFIJO"), r->FieldByName("NUMERO"));
    EXPECT_EQ(r->FieldByName("PREFIJO")->AsString() + r->FieldByName("NUMERO")->AsString(), "FC000123");
}

TEST_F(Numeracion, AnnulmentReason) {
    Sql("insert into auditoria (audi_id, tido_cod, audi_iddoc, audi_oper, audi_cod, audi_razon, audi_usuario) "
        "values (9001, 31, 5, 'A', 'ADMIN', 'Precio errado', 'ADMIN')");
    Sql("insert into auditoria (audi_id, tido_cod, audi_iddoc, audi_oper, audi_cod, audi_usuario) "
        "values (9002, 31, 6, 'A', 'ADMIN', 'CAJERO')");
    std::string texto = "previo";
    fdm->razon_anulacion(31, 5, texto);
    EXPECT_EQ(texto, "Precio errado. Anulado por:ADMIN");
    fdm->razon_anulacion(31, 6, texto);
    EXPECT_EQ(texto, "Sin explicación del usuario. Anulado por:CAJERO");
    fdm->razon_anulacion(31, 7, texto);  // not annulled
    EXPECT_EQ(texto, "");
}

TEST_F(Numeracion, AmountInWordsReadsTheSettings) {
    std::string texto;
    fdm->numero_a_letras(Currency(1500), texto);
    EXPECT_EQ(texto, "UN MIL QUINIENTOS PESOS  M/CTE.");
}
