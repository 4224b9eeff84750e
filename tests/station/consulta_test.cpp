// The price query: a scanned bar code runs CONSULTA_ARTICULOS_PRECIOS with
// the chosen price list and the window shows the row as the cashier reads it.
#include "estacion.h"

#include "app/data/dm.h"
#include "app/windows/consprecios.h"
#include "app/windows/imagen.h"
#include "app/windows/principal.h"
#include "framework/ui/application.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/picture.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/memo.h"
#include "platform/backend/headless.h"
#include "platform/window/input.h"

using namespace tv;
using namespace tv::app;
using namespace tv::win;

namespace {

class Consulta : public estacion::EstacionTest {
protected:
    void SetUp() override {
        EstacionTest::SetUp();
        fdm->conecte_general(servidor, "SYSDBA", "x");
        fdm->conecte_compania(servidor, "001", "SYSDBA", "x");
        lista = Valor("select min(lipr_cod) from lista_precios");
        fprincipal->lista_precios = lista;
        fprincipal->ECompania->SetText("Supermercado La Economía");
        q = NewForm<Tfconsprecios>(fprincipal);
        q->Show();
        Application->ProcessMessages();
        q->Edit1->SetFocus();
        Application->ProcessMessages();
    }
    void Escanee(const std::string& codigo) {
        TypeText(codigo);
        PressKey(VK_RETURN);
        Application->ProcessMessages();
    }
    std::string Columna(const std::string& codigo, const std::string& columna) {
        return Valor("select " + columna + " from consulta_articulos_precios('" + codigo + "', " + lista + ")");
    }
    std::string Mostrado(const std::string& columna) { return q->Etiqueta(columna)->Caption(); }

    // A real 3 x 2 picture as hexadecimal digits.
    static std::string Foto() {
        TBitmap b;
        b.SetPixelFormat(pf24bit);
        b.SetSize(3, 2);
        std::string bytes = b.SaveToBytes(), hex;
        for (unsigned char c : bytes) hex += "0123456789ABCDEF"[c >> 4], hex += "0123456789ABCDEF"[c & 15];
        return hex;
    }

    std::string lista;
    Tfconsprecios* q = nullptr;
};

TEST_F(Consulta, AScanShowsTheProceduresRowFormatted) {
    Sql("update articulo set arti_peso = 1234.5, arti_largo = 0.25, arti_obs = 'Refrigerar', arti_foto = x'" +
        Foto() + "' where arti_cod = '000001'");
    EXPECT_EQ(q->NomCia->Caption(), "Supermercado La Economía");
    Escanee("000001");
    EXPECT_EQ(Dichos(), std::vector<std::string>{});
    EXPECT_EQ(Mostrado("DES"), Columna("000001", "des"));
    EXPECT_EQ(Mostrado("GRUPO"), Columna("000001", "grupo"));
    EXPECT_EQ(Mostrado("MARCA"), Columna("000001", "marca"));
    EXPECT_EQ(Mostrado("UNIDAD"), Columna("000001", "unidad"));
    EXPECT_EQ(Mostrado("PESO"), "1.234,50");  // the station's separators
    EXPECT_EQ(Mostrado("LARGO"), ",25");
    EXPECT_EQ(q->DBMemo1->Text(), "Refrigerar");
    ASSERT_FALSE(q->DBImage1->Vacia());
    EXPECT_EQ(q->DBImage1->Bitmap()->Width(), 3);
    EXPECT_FALSE(Mostrado("TOTAL").empty());
    // The next scan replaces the code.
    EXPECT_TRUE(q->Edit1->Focused());
    EXPECT_EQ(q->Edit1->SelLength(), 6);
}

TEST_F(Consulta, AnUnknownCodeBlanksTheWindow) {
    Escanee("000001");
    Escanee("no-existe");
    EXPECT_EQ(Dichos(), std::vector<std::string>{});
    EXPECT_EQ(Mostrado("DES"), "");
    EXPECT_EQ(Mostrado("TOTAL"), "");
    EXPECT_TRUE(q->DBImage1->Vacia());
}

TEST_F(Consulta, ABarCodeWithAQuoteIsOneLiteral) {
    Sql("insert into barras_articulo (coba_cod, arti_cod) values ('77''01', '000002')");
    Escanee("77'01");
    EXPECT_EQ(Dichos(), std::vector<std::string>{});
    EXPECT_EQ(Mostrado("DES"), Columna("000002", "des"));
}

TEST_F(Consulta, TheSameCodeScannedTwiceLooksUpTwice) {
    Escanee("000003");
    const std::string antes = Mostrado("DES");
    Sql("update articulo set arti_des = 'ARROZ NUEVO' where arti_cod = '000003'");
    Escanee("000003");
    EXPECT_NE(antes, "ARROZ NUEVO");
    EXPECT_EQ(Mostrado("DES"), "ARROZ NUEVO");
}

TEST_F(Consulta, AProcedureFailureReachesTheHandlerAndTheWindowStays) {
    fdm->usuario = "CAJERO";
    Escanee("0123456789012345678901234");  // longer than the procedure's argument
    ASSERT_EQ(dichos.size(), 1u);
    EXPECT_EQ(dichos[0].type, mtError);
    EXPECT_EQ(dichos[0].text.rfind("Se presento el siguiente error: ", 0), 0u) << dichos[0].text;
    const std::string log = Lea("ERRORES.TXT");
    EXPECT_NE(log.find(",CAJERO,"), std::string::npos) << log;
    EXPECT_EQ(log.substr(4, 1), "/") << log;  // the short date "yyyy/mm/dd" first
    EXPECT_TRUE(q->Visible());
    EXPECT_TRUE(q->Edit1->Focused());
    dichos.clear();
    Escanee("000001");
    EXPECT_EQ(Dichos(), std::vector<std::string>{});
    EXPECT_FALSE(Mostrado("DES").empty());
}

} // namespace
