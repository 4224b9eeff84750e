// The export walk with the text and CSV writers: which records and columns
// each selection gives, titles, footers with their totals, quoting, files,
// and the grid's position kept.
#include "exchange_fixture.h"

#include <filesystem>
#include <set>

#include "core/datetime.h"
#include "core/sysformat.h"
#include "framework/data/controlsoff.h"
#include "gridservices/exchange/exporthtml.h"
#include "gridservices/exchange/exportrtf.h"
#include "gridservices/exchange/exporttext.h"
#include "gridservices/exchange/exportvcldbif.h"
#include "gridservices/exchange/exportxls.h"

namespace tvtest {
namespace {

using namespace tv;

TEST_F(ExchangeTest, NoSelectionWritesNothingInAnyFormat) {
    for (TClass cls : {TDBGridEhExportAsText::StaticClass(), TDBGridEhExportAsCSV::StaticClass(),
                       TDBGridEhExportAsHTML::StaticClass(), TDBGridEhExportAsRTF::StaticClass(),
                       TDBGridEhExportAsXLS::StaticClass(), TDBGridEhExportAsVCLDBIF::StaticClass()})
        EXPECT_EQ(Export(cls, grid, false), "") << cls->name;
    // A file is still made, and emptied when it held something.
    std::string path = Save(tmp, "salida.txt", "contenido viejo");
    ExportGridToFile(TDBGridEhExportAsText::StaticClass(), grid, path, false);
    EXPECT_EQ(Sh("cat '" + path + "'"), "");
}

TEST_F(ExchangeTest, TextIsTabSeparatedWithoutFinalLineEnd) {
    grid->Columns()->Items(3)->SetVisible(false);
    grid->Columns()->Items(4)->SetVisible(false);
    grid->Columns()->Items(2)->SetVisible(false);
    std::string body = "1\tCafé Ñandú\r\n2\tAzúcar, morena\r\n3\t";
    grid->SetOptions(grid->Options() - TDBGridOptions{dgTitles});
    EXPECT_EQ(Export(TDBGridEhExportAsText::StaticClass(), grid, true), body);
    grid->SetOptions(grid->Options() + TDBGridOptions{dgTitles});
    EXPECT_EQ(Export(TDBGridEhExportAsText::StaticClass(), grid, true), "CODIGO\tNOMBRE\r\n" + body);
    // A value with a line break is quoted, so that it reads back as one cell.
    grid->Columns()->Items(4)->SetVisible(true);
    std::string text = Export(TDBGridEhExportAsText::StaticClass(), grid, true);
    EXPECT_NE(text.find("\t\"línea uno\r\nlínea dos\"\r\n3\t\t"), std::string::npos) << text;
    EXPECT_NE(text.find("\tdice \"hola\"; adiós\r\n"), std::string::npos) << "inner quotes alone need none";
}

TEST_F(ExchangeTest, CSVReadsBackWithPythonsReader) {
    std::string path = tmp.file("articulos.csv");
    ExportGridToFile(TDBGridEhExportAsCSV::StaticClass(), grid, path, true);
    std::string out = Sh("python3 -c \"import csv,sys\nfor r in csv.reader(open(sys.argv[1], newline='', "
                          "encoding='utf-8'), delimiter=';'): print(repr(r))\" '" + path + "'");
    auto shown = [&](int code, const char* field) {
        data->Locate("CODIGO", code, {});
        return data->FieldByName(field)->DisplayText();
    };
    EXPECT_EQ(out, "['CODIGO', 'NOMBRE', 'PRECIO', 'FECHA', 'NOTA']\n"
                   "['1', 'Café Ñandú', '" + shown(1, "PRECIO") + "', '" + shown(1, "FECHA") +
                       "', 'dice \"hola\"; adiós']\n"
                   "['2', 'Azúcar, morena', '', '', 'línea uno\\r\\nlínea dos']\n"
                   "['3', '', '" + shown(3, "PRECIO") + "', '" + shown(3, "FECHA") + "', '']\n");
    EXPECT_EQ(CSVQuoted("a \"b\""), "\"a \"\"b\"\"\"");
}

TEST_F(ExchangeTest, EachSelectionKindPicksItsRecordsAndColumns) {
    grid->SetOptions(grid->Options() - TDBGridOptions{dgTitles});
    TDBGridEhSelection& sel = grid->Selection();
    auto text = [&] { return Export(TDBGridEhExportAsCSV::StaticClass(), grid, false); };
    for (int c : {2, 3, 4}) grid->Columns()->Items(c)->SetVisible(false);

    for (int code : {3, 1}) {
        MarkOf(data, code);
        sel.GetRows().SetCurrentRowSelected(true);
    }
    EXPECT_EQ(text(), "\"1\";\"Café Ñandú\"\r\n\"3\";\"\"");

    // The rectangle holds its columns only, and stops at its bottom row.
    for (int c : {2, 3, 4}) grid->Columns()->Items(c)->SetVisible(true);
    sel.Rect().Select(1, MarkOf(data, 2), false);
    sel.Rect().Select(1, MarkOf(data, 1), true);
    EXPECT_EQ(text(), "\"Café Ñandú\"\r\n\"Azúcar, morena\"");

    // Selected columns go out in their order in the grid.
    sel.Columns().SelectColumn(grid->Columns()->Items(4), true);
    sel.Columns().SelectColumn(grid->Columns()->Items(0), true);
    EXPECT_EQ(text(), "\"1\";\"dice \"\"hola\"\"; adiós\"\r\n\"2\";\"línea uno\r\nlínea dos\"\r\n\"3\";\"\"");
}

TEST_F(ExchangeTest, FootersTotalSumsAndCountsOverTheExportedRecords) {
    grid->SetOptions(grid->Options() - TDBGridOptions{dgTitles});
    grid->SetFooterRowCount(2);
    for (int c : {1, 3, 4}) grid->Columns()->Items(c)->SetVisible(false);
    TColumnEh* code = grid->Columns()->Items(0);
    TColumnEh* price = grid->Columns()->Items(2);
    code->Footers()->Add()->SetValueType(fvtCount);
    code->Footers()->Add()->SetValueType(fvtStaticText);
    code->Footers()->Items(1)->SetValue("Total");
    price->Footers()->Add()->SetValueType(fvtSum);
    price->Footers()->Add()->SetValueType(fvtSum);
    price->Footers()->Items(1)->SetFieldName("CODIGO");
    std::string all = Export(TDBGridEhExportAsText::StaticClass(), grid, true);
    std::string sum = FloatToStrF(3.75, ffGeneral, 15, 0);
    EXPECT_EQ(all.substr(all.find("\r\n3\t") + 2),
              "3\t" + FloatToStr(2.25) + "\r\n3\t" + sum + "\r\nTotal\t6");

    // A display format on the field shapes its sum; the footer event has the last word.
    data->FieldByName("PRECIO")->SetDisplayFormat("0.000");
    grid->OnGetFooterParams = [](TObject*, int dataCol, int row, TColumnEh*, TFont*, TColor&, TAlignment&,
                                 TGridDrawState, std::string& text) {
        if (dataCol == 0 && row == 1) text = "Suma";
    };
    TDBGridEhSelection& sel = grid->Selection();
    MarkOf(data, 2);
    sel.GetRows().SetCurrentRowSelected(true);
    EXPECT_EQ(Export(TDBGridEhExportAsText::StaticClass(), grid, false),
              "2\t\r\n1\t" + FormatFloat("0.000", 0) + "\r\nSuma\t2");
}

// A file is replaced only by a finished export: one that fails halfway leaves
// the file the user named as it was, in every format, and makes no file where
// there was none. A finished one keeps the file's permissions and links.
TEST_F(ExchangeTest, AFailedExportLeavesTheNamedFileAsItWas) {
    namespace fs = std::filesystem;
    grid->OnGetCellParams = [this](TObject*, TColumnEh*, TFont*, TColor&, TGridDrawState) {
        if (data->FieldByName("CODIGO")->AsInteger() == 3) throw EDatabaseError("falla");
    };
    const std::string old = Save(tmp, "salida", "contenido viejo"), fresh = tmp.file("nueva");
    for (TClass cls : {TDBGridEhExportAsText::StaticClass(), TDBGridEhExportAsCSV::StaticClass(),
                       TDBGridEhExportAsHTML::StaticClass(), TDBGridEhExportAsRTF::StaticClass(),
                       TDBGridEhExportAsXLS::StaticClass(), TDBGridEhExportAsVCLDBIF::StaticClass()}) {
        EXPECT_THROW(ExportGridToFile(cls, grid, old, true), EDatabaseError) << cls->name;
        EXPECT_EQ(Sh("cat '" + old + "'"), "contenido viejo") << cls->name;
        EXPECT_THROW(ExportGridToFile(cls, grid, fresh, true), EDatabaseError) << cls->name;
        EXPECT_FALSE(fs::exists(fresh)) << cls->name;
    }
    grid->OnGetCellParams = nullptr;
    fs::permissions(old, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(old, tmp.file("enlace"));
    ExportGridToFile(TDBGridEhExportAsText::StaticClass(), grid, tmp.file("enlace"), true);
    EXPECT_TRUE(fs::is_symlink(tmp.file("enlace")));
    EXPECT_EQ(Sh("cat '" + old + "'"), Export(TDBGridEhExportAsText::StaticClass(), grid, true));
    EXPECT_EQ(fs::status(old).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    std::set<std::string> left;
    for (const auto& f : fs::directory_iterator(tmp.path())) left.insert(f.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{"enlace", "salida"}));
}

TEST_F(ExchangeTest, PositionAndControlsComeBackEvenWhenACellFails) {
    data->Locate("CODIGO", 2, {});
    const std::string whole = Export(TDBGridEhExportAsCSV::StaticClass(), grid, true);
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 2);
    grid->OnGetCellParams = [this](TObject*, TColumnEh*, TFont*, TColor&, TGridDrawState) {
        if (data->FieldByName("CODIGO")->AsInteger() == 3) throw EDatabaseError("falla");
    };
    EXPECT_THROW(Export(TDBGridEhExportAsHTML::StaticClass(), grid, true), EDatabaseError);
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 2);
    EXPECT_FALSE(data->ControlsDisabled());
    // What was exported before the failing cell still reaches the stream.
    TStringStream partial;
    EXPECT_THROW(ExportGridToStream(TDBGridEhExportAsCSV::StaticClass(), grid, partial, true), EDatabaseError);
    EXPECT_EQ(partial.DataString(), whole.substr(0, whole.find("\r\n\"3\"") + 2));
    // A disk that refuses the bytes fails the export, however late they are written.
    grid->OnGetCellParams = nullptr;
    EXPECT_THROW(ExportGridToFile(TDBGridEhExportAsCSV::StaticClass(), grid, "/dev/full", true), EWriteError);
    EXPECT_EQ(data->FieldByName("CODIGO")->AsInteger(), 2);
    EXPECT_FALSE(data->ControlsDisabled());
}

TEST_F(ExchangeTest, ALargeExportFillsOneBlockOfTheStream) {
    // Enough rows for several of the exporter's 64 KB blocks, even when half are selected.
    TControlsOff off(data);
    for (int code = 4; code <= 4000; ++code)
        Append(data, code, "Artículo de prueba", code / 8.0, EncodeDate(2026, 1 + code % 12, 1),
               "Nota de sesenta caracteres más o menos, con \"comillas\"");
    auto expected = [&](bool odd) {
        std::string out = "\"CODIGO\";\"NOMBRE\";\"PRECIO\";\"FECHA\";\"NOTA\"";
        for (data->First(); !data->Eof(); data->Next()) {
            if (odd && data->FieldByName("CODIGO")->AsInteger() % 2 == 0) continue;
            out += "\r\n";
            for (int i = 0; i < data->FieldCount(); ++i)
                out += (i ? ";" : "") + CSVQuoted(data->Fields()[i]->DisplayText());
        }
        return out;
    };
    for (bool odd : {false, true}) {
        SCOPED_TRACE(odd ? "the odd codes, selected" : "all the records");
        if (odd)
            for (data->First(); !data->Eof(); data->Next())
                if (data->FieldByName("CODIGO")->AsInteger() % 2)
                    grid->Selection().GetRows().SetCurrentRowSelected(true);
        const std::string want = expected(odd);
        ASSERT_GT(want.size(), 3u << 16);
        // Where the stream keeps its bytes, seen from every cell and at the end.
        TStringStream stream;
        std::set<const char*> blocks;
        grid->OnGetCellParams = [&](TObject*, TColumnEh*, TFont*, TColor&, TGridDrawState) {
            if (stream.Size() > 0) blocks.insert(stream.DataString().data());
        };
        ExportGridToStream(TDBGridEhExportAsCSV::StaticClass(), grid, stream, !odd);
        grid->OnGetCellParams = nullptr;
        blocks.insert(stream.DataString().data());
        EXPECT_EQ(stream.DataString(), want);
        EXPECT_EQ(blocks.size(), 1u) << "the stream's block moved as it grew";
        EXPECT_LT(stream.DataString().capacity(), want.size() + want.size() / 4);
    }
}

} // namespace
} // namespace tvtest
