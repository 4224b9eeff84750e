// Copy, cut, paste and clearing on real grids: the four clipboard formats,
// a round trip through the exchange format into another grid, text pasted
// into a selection or appended, bad input, and the questions asked.
#include "exchange_fixture.h"

#include "core/streams.h"
#include "framework/data/fields_numeric.h"
#include "framework/data/fields_string.h"
#include "gridservices/exchange/exportrtf.h"
#include "gridservices/exchange/exporttext.h"
#include "gridservices/exchange/exportvcldbif.h"
#include "gridservices/exchange/exportxls.h"
#include "gridservices/exchange/gridclipboard.h"
#include "gridservices/exchange/importtext.h"
#include "gridservices/exchange/importvcldbif.h"
#include "platform/backend/headless.h"
#include "platform/clipboard/clipboard.h"

namespace tvtest {
namespace {

using namespace tv;

std::string Block(win::UINT format) {
    std::vector<win::BYTE> data;
    win::OpenClipboard(nullptr);
    bool ok = win::GetClipboardData(format, data);
    win::CloseClipboard();
    return ok ? std::string(data.begin(), data.end()) : "<none>";
}

void PutText(const std::string& text) {
    win::OpenClipboard(nullptr);
    win::SetClipboardText(text);
    win::CloseClipboard();
}

TEST_F(ExchangeTest, CopyPutsTextCsvRtfAndTheExchangeFormat) {
    GridCopyToClipboard(grid, true);
    EXPECT_EQ(Block(win::CF_UNICODETEXT), Export(TDBGridEhExportAsText::StaticClass(), grid, true) + '\0');
    EXPECT_EQ(Block(CF_CSV()), Export(TDBGridEhExportAsCSV::StaticClass(), grid, true) + '\0');
    EXPECT_EQ(Block(CF_RICHTEXT()), Export(TDBGridEhExportAsRTF::StaticClass(), grid, true) + '\0');
    EXPECT_EQ(Block(CF_VCLDBIF()), Export(TDBGridEhExportAsVCLDBIF::StaticClass(), grid, true));
    EXPECT_EQ(win::GetClipboardFormatName(CF_VCLDBIF()), "VCLDBIF");
    EXPECT_EQ(win::GetClipboardFormatName(CF_RICHTEXT()), "Rich Text Format");
    EXPECT_FALSE(data->ControlsDisabled());
    // The clipboard is closed again for others.
    EXPECT_TRUE(win::OpenClipboard(nullptr));
    win::CloseClipboard();
}

TEST_F(ExchangeTest, ExchangeFormatCarriesTypedValuesIntoAnotherGrid) {
    TClientDataSet* other = NewArticles("Copia");
    TDBGridEh* target = NewGrid("Destino", other, 240);
    Pump();
    GridCopyToClipboard(grid, true);
    target->SetSelectedIndex(0);
    GridPasteFromClipboard(target, false);
    ASSERT_EQ(other->RecordCount(), 3);
    for (int code : {1, 2, 3})
        for (const char* f : {"NOMBRE", "PRECIO", "FECHA", "NOTA"})
            EXPECT_EQ(Field(other, code, f), Field(data, code, f)) << code << " " << f;
    EXPECT_EQ(other->FieldByName("FECHA")->DataType(), ftDate);
}

TEST_F(ExchangeTest, TextPastedIntoASelectedColumnFillsItsRecords) {
    PutText("uno\r\ndos\tsobra\r\n");
    grid->Selection().Columns().SelectColumn(grid->Columns()->Items(4), false);
    GridPasteFromClipboard(grid, false);
    EXPECT_EQ(Field(data, 1, "NOTA"), "uno");
    EXPECT_EQ(Field(data, 2, "NOTA"), "dos");
    EXPECT_EQ(Field(data, 3, "NOTA"), "<null>");
    EXPECT_EQ(Field(data, 2, "CODIGO"), "2");
}

TEST_F(ExchangeTest, TextPastedAtTheEndAppendsEveryLine) {
    data->Last();
    data->Next();
    ASSERT_TRUE(data->Eof());
    grid->SetSelectedIndex(0);
    PutText("10\tPapa criolla\t\t\tpor kilo\r\n11\tÑame");
    GridPasteFromClipboard(grid, false);
    ASSERT_EQ(data->RecordCount(), 5);
    EXPECT_EQ(Field(data, 10, "NOMBRE"), "Papa criolla");
    EXPECT_EQ(Field(data, 10, "NOTA"), "por kilo");
    EXPECT_EQ(Field(data, 10, "PRECIO"), "<null>");
    EXPECT_EQ(Field(data, 11, "NOMBRE"), "Ñame");
}

TEST_F(ExchangeTest, TextPastedMidwayOverwritesFromTheCurrentCellThenAppends) {
    data->Locate("CODIGO", 2, {});
    grid->SetSelectedIndex(4);
    PutText("nota dos\r\nnota tres\r\nnota nueva");
    GridPasteFromClipboard(grid, false);
    EXPECT_EQ(Field(data, 1, "NOTA"), "dice \"hola\"; adiós");
    EXPECT_EQ(Field(data, 2, "NOTA"), "nota dos");
    EXPECT_EQ(Field(data, 3, "NOTA"), "nota tres");
    ASSERT_EQ(data->RecordCount(), 4);
    data->Last();
    EXPECT_EQ(data->FieldByName("NOTA")->AsString(), "nota nueva");
    EXPECT_TRUE(data->FieldByName("CODIGO")->IsNull());

    // Without leave to append, the surplus lines are dropped.
    grid->SetAllowedOperations(grid->AllowedOperations() - TDBGridEhAllowedOperations{alopAppendEh});
    data->Locate("CODIGO", 3, {});
    PutText("última\r\nsobrante");
    GridPasteFromClipboard(grid, false);
    EXPECT_EQ(Field(data, 3, "NOTA"), "última");
    EXPECT_EQ(data->RecordCount(), 4);
}

// A value with a line break, a tab or quotes leaves as one quoted cell and
// comes back whole, as a spreadsheet writes and reads such cells.
TEST_F(ExchangeTest, TextValuesWithLineBreaksStayOneCell) {
    const std::string nota = "uno\r\ndos\t\"tres\"";
    data->Locate("CODIGO", 1, {});
    data->Edit();
    data->FieldByName("NOTA")->SetAsString(nota);
    data->Post();
    std::string text = Export(TDBGridEhExportAsText::StaticClass(), grid, true);
    EXPECT_NE(text.find("\"uno\r\ndos\t\"\"tres\"\"\""), std::string::npos) << text;

    data->First();
    PutText("\"uno\r\ndos\t\"\"tres\"\"\"\r\n\"cuatro\"\r\n\"sin cierre");
    grid->Selection().Columns().SelectColumn(grid->Columns()->Items(4), false);
    GridPasteFromClipboard(grid, false);
    EXPECT_EQ(Field(data, 1, "NOTA"), nota);
    EXPECT_EQ(Field(data, 2, "NOTA"), "cuatro");
    EXPECT_EQ(Field(data, 3, "NOTA"), "\"sin cierre") << "a quote never closed is part of the text";
}

// Cells with quotes of their own, as article names carry them, go to the
// clipboard as they stand unless the paste would read them otherwise; the
// text copied with Ctrl+C, taken through a text editor and pasted with Ctrl+V
// into another grid, gives back every cell as it was.
TEST_F(ExchangeTest, TextCopiedAndPastedBackKeepsEveryCell) {
    const struct {
        const char *name, *note, *written;
    } cells[] = {
        {"\"Especial\" arroz", "\"24\" pulgadas", "\"Especial\" arroz\t\"24\" pulgadas"},
        {"\"entre comillas\"", "\"\"", "\"\"\"entre comillas\"\"\"\t\"\"\"\"\"\""},
        {"\"a\"\"b\"", "\"", "\"\"\"a\"\"\"\"b\"\"\"\t\"\"\"\""},
        // Unquoted, the open quote would run on through the next cell's closing one.
        {"\"sin cierre", "fin\"", "\"\"\"sin cierre\"\tfin\""},
        {"a \"b\" c", "\"x\" ", "a \"b\" c\t\"x\" "},
        {"uno\tdos", "línea\r\notra", "\"uno\tdos\"\t\"línea\r\notra\""},
        {"\"", "\"\"\"", "\"\"\"\"\t\"\"\"\"\"\"\"\""},
        {"arroz", "", "arroz\t"},
    };
    TClientDataSet* from = NewArticles("Origen");
    int code = 0;
    for (const auto& c : cells) Append(from, ++code, c.name, 1.0, 0, c.note);
    from->First();
    TDBGridEh* source = NewGrid("Rejilla", from, 0);
    TClientDataSet* to = NewArticles("Copia");
    TDBGridEh* target = NewGrid("Destino", to, 240);
    for (TDBGridEh* g : {source, target}) {
        for (int c : {0, 2, 3}) g->Columns()->Items(c)->SetVisible(false);
        g->SetOptions(g->Options() - TDBGridOptions{dgTitles});
        g->SetEditActions({geaCopyEh, geaPasteEh, geaSelectAllEh});
    }
    grid->SetVisible(false);
    Pump();

    source->SetFocus();
    win::PressKey('A', false, true);
    win::PressKey('C', false, true);
    std::string expected;
    for (const auto& c : cells) expected += (expected.empty() ? "" : "\r\n") + std::string(c.written);
    std::string copied = Block(win::CF_UNICODETEXT);
    EXPECT_EQ(copied, expected + '\0');

    PutText(copied.substr(0, copied.size() - 1));
    target->SetFocus();
    win::PressKey('V', false, true);
    ASSERT_EQ(to->RecordCount(), int(std::size(cells)));
    to->First();
    for (const auto& c : cells) {
        EXPECT_EQ(to->FieldByName("NOMBRE")->AsString(), c.name);
        EXPECT_EQ(to->FieldByName("NOTA")->AsString(), c.note);
        to->Next();
    }
    EXPECT_TRUE(said.empty()) << said.front();
}

TEST_F(ExchangeTest, ATabAtTheLineEndLeavesTheLastColumnAlone) {
    TMemoryStream s;
    s.WriteString(std::string("\tx\t\r\n", 5) + '\0');
    s.SetPosition(0);
    grid->Selection().SelectAll();
    data->Locate("CODIGO", 1, {});
    for (int c : {0, 2, 3}) grid->Columns()->Items(c)->SetVisible(false);
    ImportGridFromStream(TDBGridEhImportAsText::StaticClass(), grid, s, false);
    EXPECT_EQ(Field(data, 1, "NOMBRE"), "");
    EXPECT_EQ(Field(data, 1, "NOTA"), "x");
    EXPECT_EQ(Field(data, 2, "NOMBRE"), "Azúcar, morena");
}

TEST_F(ExchangeTest, BrokenInputRaisesItsMessageAndKeepsThePosition) {
    struct Case {
        TClass importer;
        std::string bytes, message;
    } cases[] = {
        {TDBGridEhImportAsText::StaticClass(), std::string("a\rb\0", 4),
         "TDBGridEhImportAsText.CheckState: Invalid text format"},
        {TDBGridEhImportAsText::StaticClass(), std::string("a\r\0", 3),
         "TDBGridEhImportAsText.CheckState: Invalid text format"},
        {TDBGridEhImportAsVCLDBIF::StaticClass(), std::string("VCLDBIX\x01\x01\0\0\0\x01\0\x02\0", 14),
         "TDBGridEhImportAsVCLDBIF.ReadPrefix: Invalid VCLDBIF format"},
        {TDBGridEhImportAsVCLDBIF::StaticClass(), "VCLD", "TDBGridEhImportAsVCLDBIF.ReadPrefix: Invalid VCLDBIF format"},
        {TDBGridEhImportAsVCLDBIF::StaticClass(), std::string("VCLDBIF\x01\x01\0\0\0\x01\0\x05\xFF\xFF\0\0ab", 20),
         "TDBGridEhImportAsVCLDBIF.ReadPrefix: Invalid VCLDBIF format"},
    };
    for (const Case& c : cases) {
        data->Locate("CODIGO", 2, {});
        TMemoryStream s;
        s.WriteString(c.bytes);
        s.SetPosition(0);
        try {
            ImportGridFromStream(c.importer, grid, s, false);
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 2);
        EXPECT_FALSE(data->ControlsDisabled());
        EXPECT_EQ(data->State(), dsBrowse);
    }
}

TEST_F(ExchangeTest, ValueErrorsAskYesNoOrAll) {
    grid->Selection().Columns().SelectColumn(grid->Columns()->Items(2), false);
    auto paste = [&](const std::string& text) {
        PutText(text);
        GridPasteFromClipboard(grid, false);
        data->CheckBrowseMode();
    };
    answers = {mrYes};
    paste("x\r\n7,5\r\ny");
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[0].substr(0, 28), "Error during insert value:\n'");
    EXPECT_EQ(said[0].substr(said[0].size() - 15), "\n\nIgnore error?");

    said.clear();
    answers = {mrAll};
    paste("x\r\ny\r\nz");
    EXPECT_EQ(said.size(), 1u);

    said.clear();
    answers = {mrNo};
    EXPECT_THROW(paste("x\r\ny"), EAbort);
    EXPECT_EQ(said.size(), 1u);
    EXPECT_FALSE(data->ControlsDisabled());
}

TEST_F(ExchangeTest, ClearingAsksByKindAndClearsOrDeletes) {
    TDBGridEhSelection& sel = grid->Selection();
    MarkOf(data, 2);
    sel.GetRows().SetCurrentRowSelected(true);
    answers = {mrCancel};
    ClearGridSelection(grid, false);
    EXPECT_EQ(said, std::vector<std::string>{"¿Desea eliminar el registro?"});
    EXPECT_EQ(data->RecordCount(), 3);
    answers = {mrOk};
    ClearGridSelection(grid, false);
    EXPECT_EQ(data->RecordCount(), 2);
    EXPECT_EQ(sel.SelectionType(), gstNon);

    said.clear();
    sel.Rect().Select(1, MarkOf(data, 1), false);
    sel.Rect().Select(2, MarkOf(data, 1), true);
    data->Locate("CODIGO", 3, {});
    ClearGridSelection(grid, false);
    EXPECT_EQ(said, std::vector<std::string>{"Clear selected cells?"});
    data->CheckBrowseMode();
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 3);
    EXPECT_EQ(Field(data, 1, "NOMBRE"), "<null>");
    EXPECT_EQ(Field(data, 1, "PRECIO"), "<null>");
    EXPECT_EQ(Field(data, 1, "NOTA"), "dice \"hola\"; adiós");

    said.clear();
    sel.Columns().SelectColumn(grid->Columns()->Items(4), false);
    ClearGridSelection(grid, false);
    data->CheckBrowseMode();
    EXPECT_TRUE(said.empty());
    EXPECT_EQ(Field(data, 1, "NOTA"), "<null>");
    EXPECT_NE(Field(data, 3, "PRECIO"), "<null>");
}

TEST_F(ExchangeTest, CutCopiesThenDeletesEverythingWithoutAsking) {
    std::string text = Export(TDBGridEhExportAsText::StaticClass(), grid, true);
    GridCutToClipboard(grid, true);
    EXPECT_TRUE(said.empty());
    EXPECT_TRUE(data->IsEmpty());
    EXPECT_EQ(Block(win::CF_TEXT), text + '\0');
}

TEST_F(ExchangeTest, PickListColumnsTakeTheShownTextAndStoreTheKey) {
    TColumnEh* code = grid->Columns()->Items(0);
    code->KeyList()->SetText("1\n2\n3");
    code->PickList()->SetText("Uno\nDos\nTres");
    grid->Selection().Columns().SelectColumn(code, false);
    std::string xls = Export(TDBGridEhExportAsXLS::StaticClass(), grid, false);
    EXPECT_NE(xls.find("Uno"), std::string::npos);
    PutText("Tres\r\nNada");
    GridPasteFromClipboard(grid, false);
    data->First();
    std::vector<std::string> codes;
    for (; !data->Eof(); data->Next()) codes.push_back(data->FieldByName("CODIGO")->IsNull() ? "<null>" : data->FieldByName("CODIGO")->AsString());
    EXPECT_EQ(codes, (std::vector<std::string>{"3", "<null>", "3"}));
}

// Sales lines whose category is shown by name through a lookup field.
struct Lines {
    TClientDataSet* ds;
    TDBGridEh* grid;
};

TEST_F(ExchangeTest, LookupColumnsMoveTheKeyAndFindTextByItsBeginning) {
    auto* cats = new TClientDataSet(form);
    cats->FieldDefs().Add("ID", ftInteger);
    cats->FieldDefs().Add("NOMBRE", ftString, 20);
    cats->CreateDataSet();
    const char* names[] = {"Abarrotes", "Bebidas", "Aseo"};
    for (int i = 0; i < 3; ++i) {
        cats->Append();
        cats->FieldByName("ID")->SetAsInteger(10 + i);
        cats->FieldByName("NOMBRE")->SetAsString(names[i]);
        cats->Post();
    }
    auto makeLines = [&](const std::string& name, int top) {
        auto* ds = new TClientDataSet(form);
        ds->SetName(name);
        auto* code = new TIntegerField(form);
        code->SetFieldName("CODIGO");
        code->SetDataSet(ds);
        auto* cat = new TIntegerField(form);
        cat->SetFieldName("CATEGORIA");
        cat->SetDataSet(ds);
        auto* shown = new TStringField(form);
        shown->SetFieldName("CATNOMBRE");
        shown->SetSize(20);
        shown->SetFieldKind(fkLookup);
        shown->SetKeyFields("CATEGORIA");
        shown->SetLookupDataSet(cats);
        shown->SetLookupKeyFields("ID");
        shown->SetLookupResultField("NOMBRE");
        shown->SetDataSet(ds);
        ds->CreateDataSet();
        return Lines{ds, NewGrid(name + "Rejilla", ds, top)};
    };
    Lines from = makeLines("Lineas", 0), to = makeLines("Copia", 240);
    for (int i = 1; i <= 2; ++i) {
        from.ds->Append();
        from.ds->FieldByName("CODIGO")->SetAsInteger(i);
        from.ds->FieldByName("CATEGORIA")->SetAsInteger(10 + i);
        from.ds->Post();
    }
    Pump();
    from.grid->Columns()->Items(1)->SetVisible(false);
    EXPECT_EQ(Export(TDBGridEhExportAsText::StaticClass(), from.grid, true), "CODIGO\tCATNOMBRE\r\n1\tBebidas\r\n2\tAseo");

    GridCopyToClipboard(from.grid, true);
    to.grid->Columns()->Items(1)->SetVisible(false);
    to.grid->SetSelectedIndex(0);
    GridPasteFromClipboard(to.grid, false);
    to.ds->First();
    EXPECT_EQ(to.ds->FieldByName("CATEGORIA")->AsInteger(), 11);
    EXPECT_EQ(to.ds->FieldByName("CATNOMBRE")->AsString(), "Bebidas");

    // Text finds the category by the beginning of its name, in any case.
    to.grid->Selection().Columns().SelectColumn(to.grid->Columns()->Items(2), false);
    PutText("abar\r\nninguna");
    GridPasteFromClipboard(to.grid, false);
    to.ds->First();
    EXPECT_EQ(to.ds->FieldByName("CATEGORIA")->AsInteger(), 10);
    to.ds->Next();
    EXPECT_EQ(to.ds->FieldByName("CATEGORIA")->AsInteger(), 12) << "a name not found changes nothing";
}

} // namespace
} // namespace tvtest
