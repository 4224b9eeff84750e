// HTML, RTF, worksheet and exchange-format writers, each read back by a
// real reader where one exists: Python's html.parser, unrtf, xlrd.
#include "exchange_fixture.h"

#include <cstdio>
#include <regex>

#include "gridservices/exchange/exporthtml.h"
#include "gridservices/exchange/exportrtf.h"
#include "gridservices/exchange/exporttext.h"
#include "gridservices/exchange/exportvcldbif.h"
#include "gridservices/exchange/exportxls.h"
#include "gridservices/exchange/gridclipboard.h"
#include "platform/clipboard/clipboard.h"

namespace tvtest {
namespace {

using namespace tv;

// Prints the text of each table cell, row by row, as html.parser sees it.
const char* kHtmlCells = R"(
import sys
from html.parser import HTMLParser
class P(HTMLParser):
    def __init__(s):
        super().__init__(); s.rows=[]; s.cell=None; s.title=''; s.intitle=False; s.spans=[]
    def handle_starttag(s, tag, attrs):
        if tag=='title': s.intitle=True
        if tag=='tr': s.rows.append([])
        if tag=='td':
            s.cell=''; a=dict(attrs)
            if 'colspan' in a or 'rowspan' in a: s.spans.append((a.get('colspan'), a.get('rowspan')))
    def handle_endtag(s, tag):
        if tag=='title': s.intitle=False
        if tag=='td': s.rows[-1].append(s.cell); s.cell=None
    def handle_data(s, d):
        if s.intitle: s.title+=d.strip()
        elif s.cell is not None: s.cell+=d
p=P(); p.feed(open(sys.argv[1], encoding='utf-8').read()); p.close()
print(p.title)
for r in p.rows: print(repr(r))
print(p.spans)
)";

// The text unrtf reads from the document, letters decoded.
std::string RtfText(const std::string& path) {
    return Sh("unrtf --html '" + path + "' | /usr/bin/python3 -c \"import sys,html,re\n"
              "print(html.unescape(re.sub('<[^>]*>', '', sys.stdin.read())))\"");
}

TEST_F(ExchangeTest, HTMLTableReadsBackWithItsTitleAndCells) {
    data->Locate("CODIGO", 3, {});
    data->Edit();
    data->FieldByName("NOMBRE")->SetAsString("<b> & \"c\"");
    data->Post();
    for (int c : {2, 3}) grid->Columns()->Items(c)->SetVisible(false);
    std::string html = Export(TDBGridEhExportAsHTML::StaticClass(), grid, true);
    EXPECT_NE(html.find("<TD WIDTH=" + std::to_string(grid->Columns()->Items(1)->Width()) + " ALIGN=\"LEFT\" BGCOLOR=#FFFFFF>"),
              std::string::npos);
    EXPECT_NE(html.find("&lt;b&gt; &amp; &quot;c&quot;"), std::string::npos) << html;
    EXPECT_NE(html.find(">&nbsp;</FONT>"), std::string::npos);
    std::string out = Sh("/usr/bin/python3 -c \"$(cat '" + Save(tmp, "p.py", kHtmlCells) + "')\" '" +
                          Save(tmp, "t.html", html) + "'");
    EXPECT_EQ(out, "DBGridEh1\n"
                   "['CODIGO', 'NOMBRE', 'NOTA']\n"
                   "['1', 'Café Ñandú', 'dice \"hola\"; adiós']\n"
                   "['2', 'Azúcar, morena', 'línea uno\\nlínea dos']\n"
                   "['3', '<b> & \"c\"', '\\xa0']\n"
                   "[]\n");
}

TEST_F(ExchangeTest, HTMLPrefixFollowsLinesAndLook) {
    grid->SetFixedColor(clRed);
    std::string html = Export(TDBGridEhExportAsHTML::StaticClass(), grid, true);
    EXPECT_EQ(html.substr(0, html.find("<TR>")),
              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\r\n<HTML>\r\n<HEAD>\r\n<TITLE>\r\nDBGridEh1\r\n"
              "</TITLE>\r\n</HEAD>\r\n<BODY>\r\n<TABLE BORDER=1 CELLSPACING=0 CELLPADDING=2 BGCOLOR=#FF0000>\r\n\r\n");
    grid->SetOptions(grid->Options() - TDBGridOptions{dgColLines, dgRowLines});
    grid->SetFlat(true);
    html = Export(TDBGridEhExportAsHTML::StaticClass(), grid, true);
    EXPECT_NE(html.find("<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=1 BGCOLOR"), std::string::npos);
    EXPECT_EQ(html.substr(html.size() - 28), "</TABLE>\r\n</BODY>\r\n</HTML>\r\n");
    EXPECT_EQ(HTMLColorText(clNone), "000000");
    EXPECT_EQ(HTMLColorText(clWhite), "FFFFFF");
}

TEST_F(ExchangeTest, MultiLevelTitlesSpanTheirColumns) {
    grid->Columns()->Items(2)->Title()->SetCaption("Valores|Precio");
    grid->Columns()->Items(3)->Title()->SetCaption("Valores|Fecha");
    grid->SetUseMultiTitle(true);
    Pump();
    std::string html = Export(TDBGridEhExportAsHTML::StaticClass(), grid, true);
    EXPECT_NE(html.find("  <TD ALIGN=\"CENTER\" COLSPAN = \"2\">"), std::string::npos) << html;
    std::string out = Sh("/usr/bin/python3 -c \"$(cat '" + Save(tmp, "p.py", kHtmlCells) + "')\" '" +
                          Save(tmp, "t.html", html) + "'");
    EXPECT_NE(out.find("['CODIGO', 'NOMBRE', 'Valores', 'NOTA']\n['Precio', 'Fecha']\n"), std::string::npos) << out;
    EXPECT_NE(out.find("('2', None)"), std::string::npos) << out;

    // In RTF the block's inner borders are not drawn: the upper cell of two
    // columns draws no right border, the second one under it no left border.
    std::string rtf = Export(TDBGridEhExportAsRTF::StaticClass(), grid, true);
    std::string top = rtf.substr(rtf.find("\\trowd"), rtf.find("{\\trrh0") - rtf.find("\\trowd"));
    std::vector<std::string> defs;
    for (std::size_t at = 0, end; (end = top.find("\\cellx", at)) != std::string::npos; at = end + 6)
        defs.push_back(top.substr(at, end - at));
    ASSERT_EQ(defs.size(), 5u);
    EXPECT_EQ(defs[2].find("\\clbrdrr"), std::string::npos) << defs[2];
    EXPECT_NE(defs[2].find("\\clbrdrl"), std::string::npos);
    EXPECT_EQ(defs[3].find("\\clbrdrl"), std::string::npos) << defs[3];
    // CODIGO spans both rows: its upper cell has no bottom border.
    EXPECT_EQ(defs[0].find("\\clbrdrb"), std::string::npos) << defs[0];
    std::string text = RtfText(Save(tmp, "t.rtf", rtf));
    EXPECT_NE(text.find("Valores"), std::string::npos) << text;
    EXPECT_NE(text.find("Precio"), std::string::npos);
}

TEST_F(ExchangeTest, RTFTablesAndTextRuns) {
    for (int c : {0, 2, 3}) grid->Columns()->Items(c)->SetVisible(false);
    grid->Columns()->Items(1)->SetWidth(100);
    grid->Columns()->Items(4)->SetWidth(100);
    TFont* f = grid->Columns()->Items(1)->Font();
    f->SetName("Arial");
    f->SetSize(8);
    f->SetStyle({fsBold});
    f->SetColor(clBlack);
    grid->SetOptions(grid->Options() - TDBGridOptions{dgTitles});
    std::string rtf = Export(TDBGridEhExportAsRTF::StaticClass(), grid, true);
    EXPECT_EQ(rtf.substr(0, rtf.find("\\red", 30)), "{\\rtf0\\ansi\r\n{\\colortbl\\red0\\green0\\blue0;");
    EXPECT_NE(rtf.find(";\\red255\\green255\\blue255;"), std::string::npos);
    EXPECT_NE(rtf.find("{\\fonttbl\\f0\\fnil Arial;"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\pard\\intbl{\\ql\\sb24\\sa24\\fs16\\b\\f0\\cf0\\cb1 Caf\\u233\\'3f"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\cellx1500\r\n"), std::string::npos);
    EXPECT_NE(rtf.find("\\cellx3000\r\n"), std::string::npos);
    EXPECT_EQ(rtf.back(), '}');
    // A real reader sees the letters, the quotes and the line break.
    std::string text = RtfText(Save(tmp, "t.rtf", rtf));
    for (const char* s : {"Café Ñandú", "dice \"hola\"; adiós", "Azúcar, morena", "línea uno", "línea dos"})
        EXPECT_NE(text.find(s), std::string::npos) << s << "\n" << text;
    EXPECT_EQ(RTFEscaped("a\\b{c}"), "a\\\\b\\{c\\}");
}

TEST_F(ExchangeTest, WorksheetReadsBackWithXlrd) {
    grid->SetFooterRowCount(1);
    grid->Columns()->Items(0)->Footer()->SetValueType(fvtCount);
    grid->Columns()->Items(2)->Footer()->SetValueType(fvtSum);
    grid->Columns()->Items(1)->Footer()->SetValueType(fvtStaticText);
    grid->Columns()->Items(1)->Footer()->SetValue("Totales ñ");
    std::string path = tmp.file("articulos.xls");
    ExportGridToFile(TDBGridEhExportAsXLS::StaticClass(), grid, path, true);
    std::string out = Sh("/usr/bin/python3 -c \"import xlrd,sys\nsh=xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)\n"
                          "for r in range(sh.nrows): print([(c.ctype, c.value) for c in sh.row(r)])\" '" + path + "'");
    data->Locate("CODIGO", 1, {});
    std::string d1 = data->FieldByName("FECHA")->DisplayText();
    data->Locate("CODIGO", 3, {});
    std::string d3 = data->FieldByName("FECHA")->DisplayText();
    EXPECT_EQ(out, "[(1, 'CODIGO'), (1, 'NOMBRE'), (1, 'PRECIO'), (1, 'FECHA'), (1, 'NOTA')]\n"
                   "[(2, 1.0), (1, 'Café Ñandú'), (2, 1.5), (1, '" + d1 + "'), (1, 'dice \"hola\"; adiós')]\n"
                   "[(2, 2.0), (1, 'Azúcar, morena'), (0, ''), (0, ''), (1, 'línea uno\\r\\nlínea dos')]\n"
                   "[(2, 3.0), (0, ''), (2, 2.25), (1, '" + d3 + "'), (0, '')]\n"
                   "[(2, 3.0), (1, 'Totales ñ'), (2, 3.75), (1, ''), (1, '')]\n");
}

TEST_F(ExchangeTest, WorksheetRecordsByteByByte) {
    for (int c : {1, 3, 4}) grid->Columns()->Items(c)->SetVisible(false);
    grid->Columns()->Items(0)->Title()->SetCaption("Código");
    grid->Columns()->Items(2)->Title()->SetCaption("Precio");
    TDBGridEhSelection& sel = grid->Selection();
    MarkOf(data, 2);
    sel.GetRows().SetCurrentRowSelected(true);
    std::string x = Export(TDBGridEhExportAsXLS::StaticClass(), grid, false);
    auto le16 = [](int v) { return std::string{char(v & 0xFF), char(v >> 8)}; };
    std::string expected = le16(0x0809) + le16(8) + le16(0) + le16(0x10) + le16(0) + le16(0) +
                           le16(0x42) + le16(2) + le16(1252) +
                           le16(0x0204) + le16(14) + le16(0) + le16(0) + le16(0) + le16(6) + "C\xF3" "digo" +
                           le16(0x0204) + le16(14) + le16(0) + le16(1) + le16(0) + le16(6) + "Precio" +
                           le16(0x027E) + le16(10) + le16(1) + le16(0) + le16(0) + std::string{10, 0, 0, 0} +
                           le16(0x0201) + le16(6) + le16(1) + le16(1) + le16(0) + le16(0x000A) + le16(0);
    EXPECT_EQ(x, expected);
}

TEST_F(ExchangeTest, ExchangeFormatHeaderAndTypedValues) {
    for (int c : {3, 4}) grid->Columns()->Items(c)->SetVisible(false);
    TDBGridEhSelection& sel = grid->Selection();
    MarkOf(data, 2);
    sel.GetRows().SetCurrentRowSelected(true);
    std::string x = Export(TDBGridEhExportAsVCLDBIF::StaticClass(), grid, false);
    std::string name = "Azúcar, morena";
    std::string expected = std::string("VCLDBIF\x01\x03\0\0\0\x01\0\x01\0\x01\0", 18) + std::string("\x03\x02\0\0\0", 5) +
                           "\x05" + std::string{char(name.size()), 0, 0, 0} + name + "\x02" + std::string(1, '\0');
    EXPECT_EQ(x, expected);
}

// Balances past the 32-bit range, and at and past the 64-bit one, in each
// type an amount is kept in: every format writes them all, and its reader
// reads back what the grid shows (the worksheet: the value itself).
TEST_F(ExchangeTest, LargeAmountsExportInEveryFormat) {
    auto balances = [&](const std::string& name) {
        auto* ds = new TClientDataSet(form);
        ds->SetName(name);
        ds->FieldDefs().Add("REAL", ftFloat);
        ds->FieldDefs().Add("MONEDA", ftCurrency);
        ds->FieldDefs().Add("DECIMAL", ftBCD, 4);
        ds->FieldDefs().Add("FMT", ftFMTBcd, 2).SetPrecision(18);
        ds->CreateDataSet();
        return ds;
    };
    TClientDataSet* saldos = balances("Saldos");
    // Currency and the decimals hold up to 922337203685477.5807.
    const struct {
        double value;
        bool decimal;
    } amounts[] = {{2147483647.0, true},          {2147483648.0, true},         {-2147483648.0, true},
                   {-2147483649.0, true},         {2200000000.75, true},        {4294967296.0, true},
                   {922337203685477.0, true},     {-922337203685477.0, true},   {9223372036854775807.0, false},
                   {-9223372036854775808.0, false}, {1e19, false},                {-1.5e300, false}};
    for (const auto& a : amounts) {
        saldos->Append();
        saldos->FieldByName("REAL")->SetAsFloat(a.value);
        if (a.decimal)
            for (const char* f : {"MONEDA", "DECIMAL", "FMT"}) saldos->FieldByName(f)->SetAsFloat(a.value);
        saldos->Post();
    }
    TDBGridEh* g = NewGrid("Rejilla", saldos, 240);
    Pump();
    // What the grid shows, row by row, as a reader prints it.
    std::string shown, values;
    for (saldos->First(); !saldos->Eof(); saldos->Next()) {
        std::string row = "[", nums;
        for (int i = 0; i < saldos->FieldCount(); ++i) {
            TField* f = saldos->Fields().Fields(i);
            row += std::string(i ? ", " : "") + "'" + f->DisplayText() + "'";
            char number[40];
            std::snprintf(number, sizeof number, "%.17g", f->AsFloat());
            nums += std::string(i ? " " : "") + (f->IsNull() ? "-" : number);
        }
        shown += row + "]\n";
        values += nums + "\n";
    }
    const std::string titles = "['REAL', 'MONEDA', 'DECIMAL', 'FMT']\n";

    std::string html = Sh("/usr/bin/python3 -c \"$(cat '" + Save(tmp, "p.py", kHtmlCells) + "')\" '" +
                          Save(tmp, "t.html", Export(TDBGridEhExportAsHTML::StaticClass(), g, true)) + "'");
    EXPECT_EQ(html, "Rejilla\n" + titles + std::regex_replace(shown, std::regex("''"), "'\\xa0'") + "[]\n");

    std::string csv = Sh("/usr/bin/python3 -c \"import csv,sys\nfor r in csv.reader(open(sys.argv[1], encoding='utf-8', "
                         "newline=''), delimiter=';'): print(r)\" '" +
                         Save(tmp, "t.csv", Export(TDBGridEhExportAsCSV::StaticClass(), g, true)) + "'");
    EXPECT_EQ(csv, titles + shown);

    std::string rtf = RtfText(Save(tmp, "t.rtf", Export(TDBGridEhExportAsRTF::StaticClass(), g, true)));
    for (saldos->First(); !saldos->Eof(); saldos->Next())
        for (int i = 0; i < saldos->FieldCount(); ++i)
            EXPECT_NE(rtf.find(saldos->Fields().Fields(i)->DisplayText()), std::string::npos)
                << saldos->Fields().Fields(i)->DisplayText();

    std::string path = tmp.file("saldos.xls");
    ExportGridToFile(TDBGridEhExportAsXLS::StaticClass(), g, path, true);
    std::string xls = Sh("/usr/bin/python3 -c \"import xlrd,sys\nsh=xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)\n"
                         "for r in range(1, sh.nrows): print(' '.join('%.17g' % c.value if c.ctype == 2 else '-' "
                         "for c in sh.row(r)))\" '" + path + "'");
    EXPECT_EQ(xls, values);

    // The copy puts every format; the exchange format carries the values into
    // another grid of the same columns.
    GridCopyToClipboard(g, true);
    std::vector<win::BYTE> text;
    win::OpenClipboard(nullptr);
    EXPECT_TRUE(win::GetClipboardData(win::CF_TEXT, text));
    win::CloseClipboard();
    EXPECT_EQ(std::string(text.begin(), text.end()), Export(TDBGridEhExportAsText::StaticClass(), g, true) + '\0');
    TClientDataSet* copia = balances("Copia");
    TDBGridEh* destino = NewGrid("Destino", copia, 0);
    Pump();
    destino->SetSelectedIndex(0);
    GridPasteFromClipboard(destino, false);
    ASSERT_EQ(copia->RecordCount(), saldos->RecordCount());
    for (saldos->First(), copia->First(); !saldos->Eof(); saldos->Next(), copia->Next())
        for (int i = 0; i < saldos->FieldCount(); ++i)
            EXPECT_EQ(copia->Fields().Fields(i)->DisplayText(), saldos->Fields().Fields(i)->DisplayText()) << i;
}

TEST_F(ExchangeTest, WorksheetRefusesRowsItCannotNumber) {
    for (int c : {1, 2, 3, 4}) grid->Columns()->Items(c)->SetVisible(false);
    grid->SetOptions(grid->Options() - TDBGridOptions{dgTitles});
    data->DisableControls();
    for (int i = 4; i <= 65536; ++i) {
        data->Append();
        data->FieldByName("CODIGO")->SetAsInteger(i);
        data->Post();
    }
    data->EnableControls();
    // 65536 rows fit exactly; one more cannot be numbered.
    EXPECT_NO_THROW(Export(TDBGridEhExportAsXLS::StaticClass(), grid, true));
    grid->SetOptions(grid->Options() + TDBGridOptions{dgTitles});
    const std::string path = Save(tmp, "articulos.xls", "la hoja de ayer");
    try {
        ExportGridToFile(TDBGridEhExportAsXLS::StaticClass(), grid, path, true);
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "La hoja de cálculo no admite más de 65536 filas; exporte menos registros.");
    }
    // The refusal leaves the sheet the user had, not the part written before it.
    EXPECT_EQ(Sh("cat '" + path + "'"), "la hoja de ayer");
    EXPECT_EQ(Sh("ls -A '" + tmp.path().string() + "'"), "articulos.xls\n");
}

} // namespace
} // namespace tvtest
