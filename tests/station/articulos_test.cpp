// The article windows as a person uses them over the demo company: the list's
// searches, creating, modifying and deleting an article, the keys, exporting
// the selection to each format and printing the list.
#include "estacion.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>

#include "app/data/dm.h"
#include "app/windows/articulos.h"
#include "app/windows/edtarticulo.h"
#include "app/windows/nvoarticulo.h"
#include "app/windows/consprecios.h"
#include "app/windows/principal.h"
#include "core/datetime.h"
#include "core/unitinit.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/ui/application.h"
#include "framework/ui/checkcontrols.h"
#include "framework/ui/menus.h"
#include "framework/ui/printers.h"
#include "framework/ui/speedbutton.h"
#include "framework/ui/stdctrls/dbedit.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/filedialogs.h"
#include "grid/dbgrideh.h"
#include "grid/stfilter.h"
#include "gridservices/preview/previewform.h"
#include "gridservices/preview/printerpreview.h"
#include "platform/backend/headless.h"
#include "platform/clipboard/clipboard.h"
#include "platform/printer/printers.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/shapes.h"
#include "platform/window/input.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/paint.h"
#include "tests/support/tempdir.h"

using namespace tv;
using namespace tv::app;
using namespace tv::win;

namespace {

std::string Sh(const std::string& command) {
    std::string out;
    FILE* p = ::popen((command + " 2>&1").c_str(), "r");
    if (!p) return out;
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    ::pclose(p);
    return out;
}

// The cells of an exported file as each format's own reader sees them, one a line.
constexpr const char* kLector = R"PY(
import sys, csv, html.parser, subprocess
ruta, formato = sys.argv[1], sys.argv[2]
if formato == 'txt':
    for linea in open(ruta, encoding='utf-8', errors='replace'):
        for c in linea.rstrip('\r\n').split('\t'): print(c.strip())
elif formato == 'csv':
    for fila in csv.reader(open(ruta, newline='', encoding='utf-8', errors='replace'), delimiter=';'):
        for c in fila: print(c.strip())
elif formato == 'htm':
    class P(html.parser.HTMLParser):
        def handle_data(self, d):
            if d.strip(): print(d.strip())
    P().feed(open(ruta, encoding='utf-8', errors='replace').read())
elif formato == 'rtf':
    print(subprocess.run(['unrtf', '--text', ruta], capture_output=True, text=True).stdout)
elif formato == 'xls':
    import xlrd
    h = xlrd.open_workbook(ruta).sheet_by_index(0)
    for r in range(h.nrows):
        for c in h.row_values(r): print(str(c).strip())
)PY";

class Articulos : public estacion::EstacionTest {
protected:
    void SetUp() override {
        EstacionTest::SetUp();
        fdm->conecte_general(servidor, "SYSDBA", "x");
        fdm->conecte_compania(servidor, "001", "SYSDBA", "x");
        fdm->usuario = "CAJERO";
        // As after logging in: the main window asks for no login when it activates.
        fprincipal->primera_activacion = false;
        fprincipal->Show();
        SetMessageHook([this](const TMessageRequest& r) {
            dichos.push_back(r);
            return r.buttons.Contains(mbYes) ? respuesta : mrOk;
        });
        lista = NewForm<Tfarticulos>(Application);
        Application->ProcessMessages();
    }

    template <class T>
    static T* Abierta() {
        for (int i = 0; i < Application->ComponentCount(); ++i)
            if (auto* f = dynamic_cast<T*>(Application->Components(i))) return f;
        return nullptr;
    }
    static POINT Centro(TControl* c) { return c->ClientToScreen({c->Width() / 2, c->Height() / 2}); }
    static void Pulse(TControl* c) {
        POINT p = Centro(c);
        Click(p.x, p.y);
    }
    static void Escriba(TWinControl* e, const std::string& texto) {
        Pulse(e);
        PressKey(VK_HOME);
        PressKey(VK_END, true);
        if (texto.empty()) PressKey(VK_DELETE);
        else TypeText(texto);
    }
    void Busque(int columna, const std::string& texto, bool cualquier_orden) {
        Pulse(lista->RBuscar->Buttons(columna));
        Escriba(lista->EBuscar, texto);
        if (lista->CkBuscar->Checked() != cualquier_orden) Pulse(lista->CkBuscar);
        Pulse(lista->SpeedButton1);
    }
    std::vector<std::string> Columna(const char* campo) {
        std::vector<std::string> v;
        TClientDataSet* c = lista->CArticulo;
        for (c->First(); !c->Eof(); c->Next()) v.push_back(c->FieldByName(campo)->AsString());
        c->First();
        return v;
    }
    // A click on the grid's first data row gives it the focus.
    void EnfoqueGrilla() {
        TDBGridEh* g = lista->DBGridEh1;
        RECT r = g->CellRect(2, 1);
        POINT p = g->ClientToScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        Click(p.x, p.y);
    }
    // Right-click on the grid and the menu item of that accelerator letter;
    // `luego` answers the window the item opens.
    void Menu(char letra, std::function<void()> luego = {}) {
        ScriptStep([letra] { QueueKey(letra); });  // the menu's own loop reads it
        if (luego) ScriptStep(std::move(luego));
        POINT p = Centro(lista->DBGridEh1);
        Click(p.x, p.y, 1);
        Application->ProcessMessages();
    }
    // "&Guardar selección" under `ruta` with the save dialog's filter number `indice`.
    void Guarde(const std::string& ruta, int indice) {
        Menu('G', [ruta, indice] {
            PressKey(VK_TAB);  // to the type list
            PressKey(VK_HOME);
            for (int i = 1; i < indice; ++i) PressKey(VK_DOWN);
            PressKey(VK_TAB, true);
            PressKey(VK_HOME);
            PressKey(VK_END, true);
            TypeText(ruta);
            PressKey(VK_RETURN);
        });
    }
    int Articulos_en_base() { return std::stoi(Valor("select count(*) from articulo")); }

    Tfarticulos* lista = nullptr;
    TModalResult respuesta = mrNo;
};

struct CasoBusqueda {
    const char* como;
    int columna;  // 0 code, 1 description
    const char* texto;
    bool cualquier_orden;
    const char* consulta;  // the same rows straight from the database
};

TEST_F(Articulos, SearchesByCodeAndDescriptionQuoteTheText) {
    Sql("insert into articulo (arti_cod, arti_des, arti_unidad, taiv_cod) values ('Q1', 'JUGO O''RANGE 250', 'UNIDAD', 0)");
    const CasoBusqueda casos[] = {
        {"from a code on", 0, "000290", false, "select arti_cod from articulo where arti_cod >= '000290' order by arti_cod"},
        {"descriptions from the text on, a range", 1, "JUGO O'R", false,
         "select arti_cod from articulo where arti_des >= 'JUGO O''R' order by arti_des"},
        {"a quote anywhere in the description", 1, "O'RAN", true,
         "select arti_cod from articulo where arti_des like '%O''RAN%' order by arti_des"},
        {"a quote that would end the literal", 0, "' or 1=1 --", true,
         "select arti_cod from articulo where arti_cod like '%'' or 1=1 --%'"},
        {"nothing typed lists all by the chosen column", 1, "", false,
         "select arti_cod from articulo order by arti_des"},
    };
    for (const CasoBusqueda& c : casos) {
        SCOPED_TRACE(c.como);
        Busque(c.columna, c.texto, c.cualquier_orden);
        std::vector<std::string> esperados;
        std::string todos = Valor("select list(arti_cod, '|') from (" + std::string(c.consulta) + ")");
        if (todos != "<sin filas>" && !todos.empty())
            for (size_t i = 0, j; i <= todos.size(); i = j + 1) {
                j = todos.find('|', i);
                if (j == std::string::npos) j = todos.size();
                esperados.push_back(todos.substr(i, j - i));
            }
        std::vector<std::string> vistos = Columna("ARTI_COD");
        if (std::string(c.consulta).find("order by arti_des") != std::string::npos) {
            // Descriptions that compare equal may come in either order: compare the descriptions.
            std::vector<std::string> des = Columna("ARTI_DES");
            EXPECT_TRUE(std::is_sorted(des.begin(), des.end())) << c.texto;
            std::sort(vistos.begin(), vistos.end());
            std::sort(esperados.begin(), esperados.end());
        }
        EXPECT_EQ(vistos, esperados);
    }
    EXPECT_EQ(Columna("ARTI_COD").size(), 301u);
    EXPECT_TRUE(Dichos().empty()) << Dichos()[0];
}

TEST_F(Articulos, CreateModifyAndDeleteAnArticle) {
    // F5: a fresh row with the article defaults.
    PressKey(VK_F5);
    Tfnvoarticulo* nuevo = Abierta<Tfnvoarticulo>();
    ASSERT_NE(nuevo, nullptr);
    EXPECT_EQ(nuevo->Caption(), "Nuevo artículo");
    EXPECT_EQ(nuevo->Height(), 190);
    EXPECT_EQ(nuevo->Width(), 395);
    EXPECT_EQ(nuevo->DBEdit3->Text(), "UNIDAD");
    Escriba(nuevo->DBEdit1, "T-100");
    PressKey(VK_RETURN);  // Enter moves on to the description
    EXPECT_EQ(nuevo->ActiveControl(), nuevo->DBEdit2);
    TypeText("TÉ VERDE");
    PressKey(VK_F2);
    Application->ProcessMessages();
    EXPECT_EQ(Abierta<Tfnvoarticulo>(), nullptr);
    EXPECT_EQ(Valor("select arti_des, arti_desvar, arti_tipo, arti_exist, arti_unidad, arti_usuario, taiv_cod "
                    "from articulo where arti_cod = 'T-100'"),
              "TÉ VERDE|S|A|B|UNIDAD|CAJERO|0");
    // The list shows it once it is active again.
    EXPECT_TRUE(lista->CArticulo->Locate("ARTI_COD", Variant("T-100"), {}));

    // F4 on it: its row, and the change saved.
    Sql("update articulo set arti_usuario = 'OTRO' where arti_cod = 'T-100'");
    Busque(0, "T-100", false);
    PressKey(VK_F4);
    Tfedtarticulo* edicion = Abierta<Tfedtarticulo>();
    ASSERT_NE(edicion, nullptr);
    EXPECT_EQ(edicion->Caption(), "Modificar artículo");
    EXPECT_EQ(fdm->codigo_articulo, "");
    EXPECT_EQ(edicion->DBEdit2->Text(), "TÉ VERDE");
    Escriba(edicion->DBEdit2, "TÉ VERDE ORGÁNICO");
    PressKey(VK_F2);
    Application->ProcessMessages();
    EXPECT_EQ(Abierta<Tfedtarticulo>(), nullptr);
    EXPECT_EQ(Valor("select arti_des, arti_usuario from articulo where arti_cod = 'T-100'"), "TÉ VERDE ORGÁNICO|CAJERO");
    EXPECT_EQ(Valor("select count(*) from articulo where arti_cod = 'T-100'"), "1");

    // F3 asks first: No keeps it, Yes deletes it.
    const int antes = Articulos_en_base();
    PressKey(VK_F3);
    EXPECT_EQ(Articulos_en_base(), antes);
    respuesta = mrYes;
    PressKey(VK_F3);
    EXPECT_EQ(Dichos(), (std::vector<std::string>{"Desea borrar definitivamente el artículo T-100 ?",
                                                  "Desea borrar definitivamente el artículo T-100 ?"}));
    EXPECT_EQ(Articulos_en_base(), antes - 1);
    EXPECT_EQ(Valor("select count(*) from articulo where arti_cod = 'T-100'"), "0");
    EXPECT_FALSE(lista->CArticulo->Locate("ARTI_COD", Variant("T-100"), {}));
}

TEST_F(Articulos, AFailedSaveKeepsTheWindowAndWhatWasTyped) {
    const int antes = Articulos_en_base();
    PressKey(VK_F5);
    Tfnvoarticulo* nuevo = Abierta<Tfnvoarticulo>();
    ASSERT_NE(nuevo, nullptr);
    Escriba(nuevo->DBEdit1, "000001");  // taken
    Escriba(nuevo->DBEdit2, "CAFÉ DUPLICADO");
    PressKey(VK_F2);
    Application->ProcessMessages();
    ASSERT_EQ(Dichos().size(), 1u);
    EXPECT_EQ(Abierta<Tfnvoarticulo>(), nuevo) << "the window stays";
    EXPECT_EQ(nuevo->DBEdit2->Text(), "CAFÉ DUPLICADO");
    EXPECT_EQ(Articulos_en_base(), antes);

    // Mended and saved again: one article, not two.
    Escriba(nuevo->DBEdit1, "C-900");
    PressKey(VK_F2);
    Application->ProcessMessages();
    EXPECT_EQ(Abierta<Tfnvoarticulo>(), nullptr);
    EXPECT_EQ(Articulos_en_base(), antes + 1);
    EXPECT_EQ(Valor("select arti_des from articulo where arti_cod = 'C-900'"), "CAFÉ DUPLICADO");
    EXPECT_EQ(Valor("select arti_des from articulo where arti_cod = '000001'"),
              Valor("select arti_des from articulo where arti_cod = '000001'"));

    // Esc after a failed save discards the row: nothing of it reaches the next save.
    PressKey(VK_F5);
    nuevo = Abierta<Tfnvoarticulo>();
    ASSERT_NE(nuevo, nullptr);
    Escriba(nuevo->DBEdit1, "000002");
    Escriba(nuevo->DBEdit2, "OTRO DUPLICADO");
    Escriba(nuevo->DBEdit3, "CAJA");
    PressKey(VK_F2);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(nuevo->DBEdit1->Text(), "");
    EXPECT_EQ(nuevo->DBEdit2->Text(), "");
    EXPECT_EQ(nuevo->DBEdit3->Text(), "UNIDAD");
    Escriba(nuevo->DBEdit1, "C-901");
    Escriba(nuevo->DBEdit2, "TINTO");
    PressKey(VK_F2);
    Application->ProcessMessages();
    EXPECT_EQ(Abierta<Tfnvoarticulo>(), nullptr);
    EXPECT_EQ(Articulos_en_base(), antes + 2);
    EXPECT_EQ(Valor("select count(*) from articulo where arti_des = 'OTRO DUPLICADO'"), "0");
}

TEST_F(Articulos, ARefusedDeleteKeepsTheListAndItsRows) {
    ASSERT_NE(Valor("select count(*) from movimiento_articulo where arti_cod = '000001'"), "0");
    respuesta = mrYes;
    const size_t filas = Columna("ARTI_COD").size();
    lista->CArticulo->First();
    PressKey(VK_F3);
    Application->ProcessMessages();
    ASSERT_EQ(Dichos().size(), 2u);
    EXPECT_EQ(Dichos()[0], "Desea borrar definitivamente el artículo 000001 ?");
    EXPECT_EQ(Dichos()[1], "Está borrando o insertando un registro en la tabla MOVIMIENTO_ARTICULO que tiene una "
                           "relación con otra tabla.");
    EXPECT_EQ(farticulos, lista);
    EXPECT_EQ(Columna("ARTI_COD").size(), filas);
    EXPECT_EQ(Valor("select count(*) from articulo where arti_cod = '000001'"), "1");
}

TEST_F(Articulos, EditingWithNothingToEditAddsNothing) {
    Busque(0, "ZZZ", false);
    ASSERT_TRUE(lista->CArticulo->IsEmpty());
    const int antes = Articulos_en_base();
    PressKey(VK_F4);
    Application->ProcessMessages();
    EXPECT_EQ(Dichos(), (std::vector<std::string>{"No hay un artículo para modificar."}));
    EXPECT_EQ(Abierta<Tfedtarticulo>(), nullptr);
    PressKey(VK_F2);
    EXPECT_EQ(Articulos_en_base(), antes);

    // A code that someone else deleted meanwhile.
    fdm->codigo_articulo = "BORRADO";
    NewForm<Tfedtarticulo>(Application);
    Application->ProcessMessages();
    EXPECT_EQ(Dichos().back(), "El artículo BORRADO no existe.");
    EXPECT_EQ(Abierta<Tfedtarticulo>(), nullptr);
    EXPECT_EQ(Articulos_en_base(), antes);
}

TEST_F(Articulos, TheKeysActOnlyWithoutModifiers) {
    EXPECT_EQ(lista->Caption(), "Artículos del inventario");
    EXPECT_EQ(lista->Height(), 304);
    EXPECT_EQ(lista->Width(), 512);
    respuesta = mrYes;
    PressKey(VK_F3, true);
    PressKey(VK_F5, false, true);
    Application->ProcessMessages();
    EXPECT_TRUE(Dichos().empty());
    EXPECT_EQ(Abierta<Tfnvoarticulo>(), nullptr);

    PressKey(VK_F12, true);
    EXPECT_EQ(lista->ActiveControl(), lista->EBuscar);

    // The filter row follows its check box.
    EXPECT_FALSE(lista->DBGridEh1->STFilter()->Visible());
    Pulse(lista->ckfiltro);
    EXPECT_TRUE(lista->DBGridEh1->STFilter()->Visible());
    Pulse(lista->ckfiltro);
    EXPECT_FALSE(lista->DBGridEh1->STFilter()->Visible());

    // Enter picks the current article and closes the list.
    EnfoqueGrilla();
    PressKey(VK_DOWN);
    const std::string actual = lista->CArticulo->FieldByName("ARTI_COD")->AsString();
    PressKey(VK_RETURN);
    Application->ProcessMessages();
    EXPECT_EQ(fdm->codigo_articulo, actual);
    EXPECT_EQ(farticulos, nullptr);
}

TEST_F(Articulos, EscClosesTheList) {
    PressKey(VK_ESCAPE);
    Application->ProcessMessages();
    EXPECT_EQ(farticulos, nullptr);
    EXPECT_EQ(Abierta<Tfarticulos>(), nullptr);
}

TEST_F(Articulos, TheFilterRowAndTheIncrementalSearchTakeEnterAndEscBeforeTheWindow) {
    // The grid's dataset features, as the program's start-up registers them.
    InitializeUnits();
    struct Fin {
        ~Fin() { FinalizeUnits(); }
    } fin;
    TDBGridEh* g = lista->DBGridEh1;
    const size_t todas = Columna("ARTI_COD").size();
    Pulse(lista->ckfiltro);
    ASSERT_TRUE(g->STFilter()->Visible());
    // A click in the description's filter cell, a text and Enter.
    RECT r = g->CellRect(2, 1);
    POINT p = g->ClientToScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    Click(p.x, p.y);
    Application->ProcessMessages();
    ASSERT_TRUE(g->FilterEditorShown());
    const std::string descripcion = lista->CArticulo->FieldByName("ARTI_DES")->AsString();
    TypeText(descripcion);
    PressKey(VK_RETURN);
    Application->ProcessMessages();
    ASSERT_EQ(farticulos, lista) << "Enter in the filter row closed the window";
    EXPECT_LT(Columna("ARTI_COD").size(), todas) << lista->CArticulo->Filter();
    EXPECT_EQ(lista->CArticulo->FieldByName("ARTI_DES")->AsString(), descripcion);
    PressKey(VK_ESCAPE);
    Application->ProcessMessages();
    ASSERT_EQ(farticulos, lista) << "Esc in the filter row closed the window";

    // Typing in the grid searches; Esc ends the search, not the window.
    Pulse(lista->ckfiltro);
    EnfoqueGrilla();
    TypeText(descripcion.substr(0, 1));
    ASSERT_TRUE(g->IncSearchActive());
    PressKey(VK_ESCAPE);
    Application->ProcessMessages();
    ASSERT_EQ(farticulos, lista) << "Esc during the search closed the window";
    EXPECT_FALSE(g->IncSearchActive());
    // Without a search Esc still closes the list.
    PressKey(VK_ESCAPE);
    Application->ProcessMessages();
    EXPECT_EQ(farticulos, nullptr);
}

TEST_F(Articulos, AClickInTheScrollBarsChannelShowsTheNewTopRowAtOnce) {
    TDBGridEh* g = lista->DBGridEh1;
    EnfoqueGrilla();
    // The top data row as the screen shows it.
    auto fila = [g] {
        UpdateAllWindows();
        RECT r = g->CellRect(1, 1);
        std::vector<COLORREF> v;
        HDC dc = GetDC(nullptr);
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                POINT p = g->ClientToScreen({x, y});
                v.push_back(GetPixel(dc, p.x, p.y));
            }
        ReleaseDC(nullptr, dc);
        return v;
    };
    for (int vez = 0; vez < 3; ++vez) {
        SCOPED_TRACE(vez);
        // Below the thumb, above the down arrow: a page down.
        POINT p = g->ClientToScreen({g->ClientWidth() + GetSystemMetrics(SM_CXVSCROLL) / 2,
                                     g->ClientHeight() - GetSystemMetrics(SM_CYVSCROLL) - 4});
        const std::string antes = lista->CArticulo->FieldByName("ARTI_COD")->AsString();
        Click(p.x, p.y);
        Application->ProcessMessages();
        ASSERT_NE(lista->CArticulo->FieldByName("ARTI_COD")->AsString(), antes);
        const std::vector<COLORREF> mostrada = fila();
        InvalidateRect(g->Handle(), nullptr, TRUE);
        EXPECT_EQ(mostrada, fila());
    }
}

struct CasoFormato {
    int indice;  // of the save dialog's filter
    const char* nombre;
    const char* archivo;
    const char* formato;
};

TEST_F(Articulos, TheSelectionIsCopiedAndSavedInEachFormat) {
    tvtest::TempDir dir;
    std::ofstream(dir.file("lector.py")) << kLector;
    Busque(0, "000296", false);
    ASSERT_EQ(Columna("ARTI_COD"), (std::vector<std::string>{"000296", "000297", "000298", "000299", "000300"}));
    const CasoFormato casos[] = {
        {1, "lista", "lista.txt", "txt"},     {2, "precios", "precios.csv", "csv"},
        {2, "viejo.CSV", "viejo.CSV", "csv"}, {3, "pagina", "pagina.htm", "htm"},
        {4, "carta", "carta.rtf", "rtf"},     {5, "libro", "libro.xls", "xls"},
    };
    EnfoqueGrilla();
    Menu('L');  // "Se&lecccionar todo": every row the list shows
    ASSERT_EQ(lista->DBGridEh1->Selection().SelectionType(), gstAll);
    Menu('C');
    std::string copiado;
    OpenClipboard(nullptr);
    GetClipboardText(copiado);
    CloseClipboard();
    EXPECT_NE(copiado.find("000296"), std::string::npos) << copiado;
    EXPECT_NE(copiado.find("000300"), std::string::npos) << copiado;
    EXPECT_EQ(copiado.find("000295"), std::string::npos) << copiado;
    for (const CasoFormato& c : casos) {
        SCOPED_TRACE(c.archivo);
        const std::string ruta = (dir.path() / c.nombre).string();
        Guarde(ruta, c.indice);
        EXPECT_EQ(lista->SaveDialog1->FileName(), ruta);
        ASSERT_TRUE(std::filesystem::exists(dir.file(c.archivo)));
        std::string celdas = Sh("/usr/bin/python3 '" + dir.file("lector.py") + "' '" + dir.file(c.archivo) + "' " + c.formato);
        std::vector<std::string> codigos;
        std::regex codigo("\\b000[23]\\d\\d\\b");
        for (auto i = std::sregex_iterator(celdas.begin(), celdas.end(), codigo); i != std::sregex_iterator(); ++i)
            codigos.push_back(i->str());
        EXPECT_EQ(codigos, (std::vector<std::string>{"000296", "000297", "000298", "000299", "000300"})) << celdas;
        EXPECT_NE(celdas.find(Valor("select arti_des from articulo where arti_cod = '000298'")), std::string::npos)
            << celdas;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("viejo.CSV.csv")));

    // With nothing selected the file is made, empty.
    EnfoqueGrilla();
    ASSERT_EQ(lista->DBGridEh1->Selection().SelectionType(), gstNon);
    Guarde((dir.path() / "nada").string(), 1);
    ASSERT_TRUE(std::filesystem::exists(dir.file("nada.txt")));
    EXPECT_EQ(std::filesystem::file_size(dir.file("nada.txt")), 0u);
    EXPECT_TRUE(Dichos().empty());
}

TEST_F(Articulos, TheListPrintsToPdfWithTodaysDate) {
    tvtest::TempDir dir;
    const std::string pdf = dir.file("articulos.pdf");
    TPrinterPreview* vista = PrinterPreviewInstance();
    TPrinter* propia = vista->OwnPrinter();
    propia->SetPrinterIndex(propia->Printers()->IndexOf(kPdfPrinterName));
    propia->SetOutputFile(pdf);
    Busque(0, "000296", false);
    EnfoqueGrilla();
    Menu('I');
    TPreviewFormEh* ventana = PreviewForm();
    ASSERT_NE(ventana, nullptr);
    ASSERT_TRUE(ventana->Visible());
    ScriptStep([] { PressKey(VK_RETURN); });  // all pages
    Pulse(ventana->tbtPrint);
    Application->ProcessMessages();
    ASSERT_TRUE(std::filesystem::exists(pdf));
    std::string texto = Sh("pdftotext -layout '" + pdf + "' -");
    EXPECT_NE(texto.find("Artículos del inventario"), std::string::npos) << texto;
    EXPECT_NE(texto.find("Fecha: " + DateToStr(Date())), std::string::npos) << texto;
    EXPECT_EQ(texto.find("%[Today]"), std::string::npos) << texto;
    EXPECT_NE(texto.find("Page. 1"), std::string::npos) << texto;
    for (const char* c : {"000296", "000300"}) EXPECT_NE(texto.find(c), std::string::npos) << c;
    EXPECT_EQ(texto.find("000295"), std::string::npos);
    ventana->Close();
}

} // namespace
