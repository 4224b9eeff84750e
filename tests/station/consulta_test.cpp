// The price query: a scanned bar code runs CONSULTA_ARTICULOS_PRECIOS with
// the chosen price list and the window's data-aware controls show the row as
// the cashier reads it.
#include "estacion.h"

#include <filesystem>

#include "app/data/dm.h"
#include "app/windows/consprecios.h"
#include "app/windows/principal.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/ui/application.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/picture.h"
#include "framework/ui/stdctrls/dbimage.h"
#include "framework/ui/stdctrls/dbmemo.h"
#include "framework/ui/stdctrls/dbtext.h"
#include "framework/ui/stdctrls/edit.h"
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

    // A real 3 x 2 picture, red at the top left and blue at the bottom right,
    // as hexadecimal digits.
    static std::string Foto() {
        TBitmap b;
        b.SetPixelFormat(pf24bit);
        b.SetSize(3, 2);
        b.Canvas()->Brush()->SetColor(clWhite);
        b.Canvas()->FillRect({0, 0, 3, 2});
        b.Canvas()->SetPixels(0, 0, clRed);
        b.Canvas()->SetPixels(2, 1, clBlue);
        std::string bytes = b.SaveToBytes(), hex;
        for (unsigned char c : bytes) hex += "0123456789ABCDEF"[c >> 4], hex += "0123456789ABCDEF"[c & 15];
        return hex;
    }
    TBitmap* Mostrada() { return q->DBImage1->Picture(); }

    std::string lista;
    Tfconsprecios* q = nullptr;
};

TEST_F(Consulta, AScanShowsTheProceduresRowThroughTheDataAwareControls) {
    Sql("update articulo set arti_peso = 1234.5, arti_largo = 0.25, arti_alto = 0, arti_obs = 'Refrigerar', "
        "arti_foto = x'" + Foto() + "' where arti_cod = '000001'");
    EXPECT_EQ(q->NomCia->Caption(), "Supermercado La Economía");
    Escanee("000001");
    EXPECT_EQ(Dichos(), std::vector<std::string>{});
    for (const char* c : {"DES", "GRUPO", "MARCA", "UNIDAD"}) {
        SCOPED_TRACE(c);
        ASSERT_NE(q->Etiqueta(c), nullptr);
        EXPECT_EQ(q->Etiqueta(c)->DataSource(), q->DArticulos);
        EXPECT_EQ(Mostrado(c), Columna("000001", c));
    }
    // "#,###.00" with the station's separators; the rest as the field shows it.
    EXPECT_EQ(Mostrado("PESO"), "1.234,50");
    EXPECT_EQ(Mostrado("LARGO"), ",25");
    EXPECT_EQ(Mostrado("ALTO"), ",00");
    EXPECT_EQ(Mostrado("PRECIO"), q->CArticulos->FieldByName("PRECIO")->DisplayText());
    EXPECT_NE(Mostrado("PRECIO").find(','), std::string::npos) << Mostrado("PRECIO");
    EXPECT_EQ(Mostrado("IVA"), q->CArticulos->FieldByName("IVA")->DisplayText());
    EXPECT_EQ(Mostrado("TOTAL"), q->CArticulos->FieldByName("TOTAL")->DisplayText());
    EXPECT_FALSE(Mostrado("TOTAL").empty());
    EXPECT_EQ(q->DBMemo1->Text(), "Refrigerar");
    EXPECT_TRUE(q->DBMemo1->ReadOnly());
    ASSERT_FALSE(Mostrada()->Empty());
    EXPECT_EQ(Mostrada()->Width(), 3);
    EXPECT_EQ(Mostrada()->Height(), 2);
    EXPECT_EQ(Mostrada()->Canvas()->Pixels(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(Mostrada()->Canvas()->Pixels(2, 1), RGB(0, 0, 255));
    EXPECT_TRUE(q->DBImage1->Stretch());
    // The next scan replaces the code.
    EXPECT_TRUE(q->Edit1->Focused());
    EXPECT_EQ(q->Edit1->SelLength(), 6);

    // The controls follow the row through their links, not through a copy.
    q->CArticulos->Edit();
    q->CArticulos->FieldByName("DES")->SetAsString("ARTICULO CAMBIADO");
    q->CArticulos->FieldByName("PUM")->SetAsString("4321");
    EXPECT_EQ(Mostrado("DES"), "ARTICULO CAMBIADO");
    EXPECT_EQ(Mostrado("PUM"), "4.321,00");
    q->CArticulos->Cancel();
    EXPECT_EQ(Mostrado("DES"), Columna("000001", "DES"));
}

TEST_F(Consulta, AnArticleWithoutPictureOrAnUnknownCodeClearsThePicture) {
    Sql("update articulo set arti_foto = x'" + Foto() + "', arti_obs = 'Frágil' where arti_cod = '000001'");
    Sql("update articulo set arti_foto = null, arti_obs = null where arti_cod = '000002'");
    Escanee("000001");
    ASSERT_FALSE(Mostrada()->Empty());
    Escanee("000002");
    EXPECT_EQ(Dichos(), std::vector<std::string>{});
    EXPECT_EQ(Mostrado("DES"), Columna("000002", "DES"));
    EXPECT_TRUE(Mostrada()->Empty());
    EXPECT_EQ(q->DBMemo1->Text(), "");

    Escanee("000001");
    ASSERT_FALSE(Mostrada()->Empty());
    Escanee("no-existe");
    EXPECT_EQ(Dichos(), std::vector<std::string>{});
    EXPECT_EQ(Mostrado("DES"), "");
    EXPECT_EQ(Mostrado("TOTAL"), "");
    EXPECT_EQ(q->DBMemo1->Text(), "");
    EXPECT_TRUE(Mostrada()->Empty());
}

TEST_F(Consulta, ADamagedPictureShowsNothingAndThePriceStill) {
    Sql("update articulo set arti_foto = x'89504E470D0A1A0A0000' where arti_cod = '000001'");
    Escanee("000001");
    EXPECT_EQ(Dichos(), std::vector<std::string>{});
    EXPECT_TRUE(Mostrada()->Empty());
    EXPECT_FALSE(Mostrado("TOTAL").empty());
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

TEST_F(Consulta, ACodeLongerThanTheProceduresArgumentIsRefusedInSpanishAndTheWindowStays) {
    fdm->usuario = "CAJERO";
    Escanee("0123456789012345678901234");  // longer than the procedure's argument
    ASSERT_EQ(dichos.size(), 1u);
    EXPECT_EQ(dichos[0].type, mtError);
    EXPECT_EQ(dichos[0].text, "El texto es más largo de lo que admite la base de datos (admite 20 caracteres y "
                              "tiene 25).")
        << dichos[0].text;
    const std::string log = Lea("ERRORES.TXT");
    EXPECT_NE(log.find("string right truncation"), std::string::npos) << log;
    EXPECT_NE(log.find(",CAJERO,"), std::string::npos) << log;
    EXPECT_EQ(log.substr(4, 1), "/") << log;  // the short date "yyyy/mm/dd" first
    EXPECT_TRUE(q->Visible());
    EXPECT_TRUE(q->Edit1->Focused());
    dichos.clear();
    Escanee("000001");
    EXPECT_EQ(Dichos(), std::vector<std::string>{});
    EXPECT_FALSE(Mostrado("DES").empty());
}

TEST_F(Consulta, WhenTheDiskIsFullTheCashierIsToldTheErrorWasNotLogged) {
    std::filesystem::create_symlink("/dev/full", ArchivoAplicacion("ERRORES.TXT"));
    Escanee("0123456789012345678901234");
    ASSERT_EQ(dichos.size(), 1u);
    EXPECT_EQ(dichos[0].text, "El texto es más largo de lo que admite la base de datos (admite 20 caracteres y "
                              "tiene 25).\n\nNo se pudo escribir el registro de errores " +
                                  ArchivoAplicacion("ERRORES.TXT") + ": el disco está lleno.");
    EXPECT_TRUE(q->Edit1->Focused());
}

} // namespace
