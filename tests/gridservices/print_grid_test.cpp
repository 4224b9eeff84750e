// Printing a data grid: the component's settings and their storage, jobs of
// a few hundred records printed to a real PDF and read back with poppler's
// tools, the same job in the preview, and the page layout's edge cases
// (no records, a column wider than the page, fitting to the page width).
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <thread>
#include <regex>
#include <sstream>

#include "core/datetime.h"
#include "core/formreader.h"
#include "core/formwriter.h"
#include "core/streams.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/forms.h"
#include "framework/ui/imagelist.h"
#include "framework/ui/menus.h"
#include "framework/ui/picture.h"
#include "framework/ui/printers.h"
#include "grid/dbgrideh.h"
#include "grid/gridunit.h"
#include "gridservices/exchange/exporttext.h"
#include "gridservices/preview/previewform.h"
#include "core/exceptions.h"
#include "framework/data/dberror.h"
#include "core/sysformat.h"
#include "gridservices/print/pagesetupdialog.h"
#include "gridservices/print/printdbgrideh.h"
#include "i18n/gnugettext.h"
#include "platform/backend/headless.h"
#include "support/scopedenv.h"
#include "support/tempdir.h"
#include "platform/printer/printers.h"
#include "previewfixture.h"

namespace tvtest {
namespace {

using namespace tv;
using tv::win::kPdfPrinterName;
using tv::win::ScriptStep;

class GridPrintTest : public PreviewTest {
protected:
    void SetUp() override {
        PreviewTest::SetUp();
        InitializeGridUnit();
        form = new TForm(nullptr);
        form->SetBounds(10, 10, 640, 420);
        data = new TClientDataSet(form);
        data->FieldDefs().Add("CODIGO", ftInteger);
        data->FieldDefs().Add("NOMBRE", ftString, 30);
        data->FieldDefs().Add("PRECIO", ftFloat);
        data->CreateDataSet();
        source = new TDataSource(form);
        source->SetDataSet(data);
        grid = new TDBGridEh(form);
        grid->SetName("Rejilla");
        grid->SetBounds(0, 0, 600, 300);
        grid->SetParent(form);
        grid->SetDataSource(source);
        form->Show();
        printer = new TPrintDBGridEh(form);
        printer->SetDBGridEh(grid);
        Printer()->SetPrinterIndex(Printer()->Printers()->IndexOf(kPdfPrinterName));
    }

    void TearDown() override {
        delete form;
        FinalizeGridUnit();
        PreviewTest::TearDown();
    }

    void Fill(int rows, const char* sameName = nullptr) {
        data->DisableControls();
        for (int i = 1; i <= rows; ++i) {
            data->Append();
            data->FieldByName("CODIGO")->SetAsInteger(i);
            char name[32];
            std::snprintf(name, sizeof name, "Producto %03d", i);
            data->FieldByName("NOMBRE")->SetAsString(sameName ? sameName : name);
            data->FieldByName("PRECIO")->SetAsFloat(100.0 * i);
            data->Post();
        }
        data->EnableControls();
        data->First();
    }

    // Prints straight to the PDF printer and returns the file.
    std::string PrintToPdf(const std::string& name = "rejilla.pdf") {
        std::string file = tmp.file(name);
        Printer()->SetOutputFile(file);
        TVirtualPrinter direct;
        printer->PrintTo(&direct);
        return file;
    }

    static int Pages(const std::string& pdf) {
        std::smatch m;
        std::string info = PdfInfo(pdf);
        return std::regex_search(info, m, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(m[1]) : -1;
    }

    // The text of each page.
    static std::vector<std::string> PageTexts(const std::string& pdf) {
        std::vector<std::string> pages;
        std::stringstream all(PdfText(pdf));
        std::string page;
        while (std::getline(all, page, '\f')) pages.push_back(page);
        if (!pages.empty() && pages.back().find_first_not_of(" \n") == std::string::npos) pages.pop_back();
        return pages;
    }

    TForm* form = nullptr;
    TClientDataSet* data = nullptr;
    TDataSource* source = nullptr;
    TDBGridEh* grid = nullptr;
    TPrintDBGridEh* printer = nullptr;
};

TEST_F(GridPrintTest, NewComponentStoresUnitsAndOptionsButNotDefaultMargins) {
    printer->SetName("PrintDBGridEh1");
    std::string text = WriteComponentText(printer);
    EXPECT_NE(text.find("Units = MM"), std::string::npos) << text;
    EXPECT_NE(text.find("DBGridEh = Rejilla"), std::string::npos) << text;
    EXPECT_NE(text.find("Options = []"), std::string::npos) << text;
    EXPECT_EQ(text.find("Margin"), std::string::npos) << text;
    EXPECT_EQ(text.find("GridText_Data"), std::string::npos) << text;

    printer->Page()->SetLeftMargin(Currency(1.5));
    printer->AfterGridText()->Add("Impreso: %[Today]");
    text = WriteComponentText(printer);
    EXPECT_NE(text.find("Page.LeftMargin = 1.5"), std::string::npos) << text;
    EXPECT_NE(text.find("AfterGridText_Data"), std::string::npos) << text;
    EXPECT_EQ(text.find("BeforeGridText_Data"), std::string::npos) << text;

    // Read back into a new component.
    TPrintDBGridEh copy;
    ReadComponentText(text, &copy);
    EXPECT_EQ(copy.Page()->LeftMargin(), Currency(1.5));
    EXPECT_EQ(copy.Page()->TopMargin(), Currency(2));
    ASSERT_EQ(copy.AfterGridText()->Count(), 1);
    EXPECT_EQ(copy.AfterGridText()->Strings(0), "Impreso: %[Today]");
    EXPECT_EQ(copy.BeforeGridText()->Count(), 0);
}

TEST_F(GridPrintTest, SwitchingUnitsConvertsTheMarginsToFourDecimals) {
    printer->SetUnits(Inches);
    EXPECT_EQ(printer->Page()->LeftMargin(), Currency(0.7874));
    EXPECT_EQ(printer->Page()->BottomMargin(), Currency(0.7874));
    printer->SetUnits(Inches);
    EXPECT_EQ(printer->Page()->TopMargin(), Currency(0.7874));
    printer->SetUnits(MM);
    EXPECT_EQ(printer->Page()->RightMargin(), Currency(2));
}

TEST_F(GridPrintTest, SeveralHundredRecordsPrintInOrderWithTitlesAndHeaderOnEveryPage) {
    Fill(300);
    printer->PageHeader()->CenterText()->Add("Página &[Page] de &[Pages]");
    printer->PageHeader()->LeftText()->Add("Fecha &[ShortDate]");
    printer->PageHeader()->SetLineType(pcltDoubleLine);
    printer->BeforeGridText()->Add("Lista de artículos");
    printer->AfterGridText()->Add("Impreso: %[TODAY]");
    std::string today = DateToStr(Date());
    printer->SetSubstitutionPairs({"%[Today]", today});
    int before = 0, after = 0;
    printer->OnBeforePrint = [&](TObject*) { ++before; };
    printer->OnAfterPrint = [&](TObject*) { ++after; };
    data->MoveBy(41);
    TBookmark current = data->GetBookmark();

    std::string pdf = PrintToPdf();
    std::string info = PdfInfo(pdf);
    EXPECT_NE(info.find("595.276 x 841.89"), std::string::npos) << info; // A4 portrait
    int pages = Pages(pdf);
    ASSERT_GT(pages, 3);
    std::vector<std::string> texts = PageTexts(pdf);
    ASSERT_EQ(int(texts.size()), pages);
    int next = 1;
    for (int p = 0; p < pages; ++p) {
        const std::string& t = texts[std::size_t(p)];
        EXPECT_NE(t.find("CODIGO"), std::string::npos) << "page " << p + 1;
        EXPECT_NE(t.find("NOMBRE"), std::string::npos) << "page " << p + 1;
        EXPECT_NE(t.find("Página " + std::to_string(p + 1) + " de " + std::to_string(pages)), std::string::npos)
            << t.substr(0, 300);
        EXPECT_NE(t.find("Fecha " + today), std::string::npos);
        // The records follow one another across the pages.
        for (;;) {
            char name[32];
            std::snprintf(name, sizeof name, "Producto %03d", next);
            if (t.find(name) == std::string::npos) break;
            ++next;
        }
    }
    EXPECT_EQ(next, 301);
    EXPECT_NE(texts.front().find("Lista de artículos"), std::string::npos);
    EXPECT_EQ(texts[1].find("Lista de artículos"), std::string::npos);
    EXPECT_NE(texts.back().find("Producto 300"), std::string::npos);
    EXPECT_NE(texts.back().find("Impreso: " + today), std::string::npos);
    EXPECT_EQ(texts.back().find("%[TODAY]"), std::string::npos);
    // The job leaves the stored texts, the record and the events as they were.
    EXPECT_EQ(printer->AfterGridText()->Strings(0), "Impreso: %[TODAY]");
    EXPECT_EQ(data->GetBookmark(), current);
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);

    // The same job in the preview makes as many pages.
    TPrinterPreview* preview = PrinterPreviewInstance();
    preview->OwnPrinter()->SetPrinterIndex(preview->OwnPrinter()->Printers()->IndexOf(kPdfPrinterName));
    printer->OpenPreview();
    EXPECT_EQ(preview->PageCount(), pages);
    EXPECT_FALSE(preview->GetPrinting());
    EXPECT_TRUE(PreviewForm()->Visible());
}

TEST_F(GridPrintTest, TheTextStartsAtTheLeftMarginFromThePapersEdge) {
    Fill(3);
    printer->Page()->SetLeftMargin(Currency(3)); // 3 cm = 85 points
    std::string pdf = PrintToPdf();
    std::string boxes = Shell("pdftotext -bbox '" + pdf + "' -");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(boxes, m, std::regex("xMin=\"([0-9.]+)\"[^>]*>CODIGO<"))) << boxes.substr(0, 500);
    double x = std::stod(m[1]);
    EXPECT_GT(x, 85.0);
    EXPECT_LT(x, 92.0);
}

TEST_F(GridPrintTest, AnEmptyDatasetPrintsOnePageWithTheTitles) {
    printer->PageFooter()->RightText()->Add("Pie de página");
    printer->Title()->Add("Inventario");
    std::string pdf = PrintToPdf();
    EXPECT_EQ(Pages(pdf), 1);
    std::string text = PdfText(pdf);
    EXPECT_NE(text.find("CODIGO"), std::string::npos) << text;
    EXPECT_NE(text.find("Inventario"), std::string::npos);
    EXPECT_NE(text.find("Pie de página"), std::string::npos);
}

TEST_F(GridPrintTest, NoGridOrAClosedDatasetPrintsNothing) {
    int before = 0;
    printer->OnBeforePrint = [&](TObject*) { ++before; };
    data->Close();
    std::string pdf = PrintToPdf();
    EXPECT_EQ(before, 0);
    EXPECT_FALSE(Printer()->Printing());
    printer->SetDBGridEh(nullptr);
    printer->PrintTo(PrinterPreviewInstance());
    EXPECT_EQ(before, 0);
    // Freeing the grid forgets it.
    printer->SetDBGridEh(grid);
    delete grid;
    grid = nullptr;
    EXPECT_EQ(printer->DBGridEh(), nullptr);
}

TEST_F(GridPrintTest, WideGridsSplitIntoPageWideGroupsUnlessFitted) {
    Fill(20);
    grid->Columns()->Items(1)->SetWidth(700); // wider than the 6.3 inches of the page
    grid->Columns()->Items(2)->SetWidth(500);
    std::string split = PrintToPdf("partido.pdf");
    EXPECT_EQ(Pages(split), 3);
    std::vector<std::string> texts = PageTexts(split);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_NE(texts[0].find("CODIGO"), std::string::npos);
    EXPECT_NE(texts[1].find("NOMBRE"), std::string::npos);
    EXPECT_EQ(texts[1].find("CODIGO"), std::string::npos);
    EXPECT_NE(texts[2].find("PRECIO"), std::string::npos);
    EXPECT_NE(texts[2].find("2000"), std::string::npos);

    // The title is centred over the whole grid: the middle page carries it.
    printer->Title()->Add("Inventario");
    texts = PageTexts(PrintToPdf("titulo.pdf"));
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].find("Inventario"), std::string::npos);
    EXPECT_NE(texts[1].find("Inventario"), std::string::npos);
    EXPECT_EQ(texts[2].find("Inventario"), std::string::npos);
    printer->Title()->Clear();

    printer->SetOptions(TPrintDBGridEhOptions{pghFitGridToPageWidth});
    std::string scaled = PrintToPdf("escalado.pdf");
    EXPECT_EQ(Pages(scaled), 1);
    std::string text = PdfText(scaled);
    for (const char* s : {"CODIGO", "NOMBRE", "PRECIO", "Producto 020"}) EXPECT_NE(text.find(s), std::string::npos) << s;

    // Widths measured from the printed texts bring the columns back onto one page.
    printer->SetOptions(TPrintDBGridEhOptions{pghOptimalColWidths});
    std::string optimal = PrintToPdf("optimo.pdf");
    EXPECT_EQ(Pages(optimal), 1);
    EXPECT_NE(PdfText(optimal).find("Producto 020"), std::string::npos);

    printer->SetOptions(TPrintDBGridEhOptions{pghFitGridToPageWidth, pghFitingByColWidths});
    std::string narrowed = PrintToPdf("estrecho.pdf");
    EXPECT_EQ(Pages(narrowed), 1);
    EXPECT_NE(PdfText(narrowed).find("PRECIO"), std::string::npos);
}


// An amount wider than its column prints whole inside it, in smaller type,
// never with its leading digits cut away so that it reads as another number:
// in rows of one line and of two, and the footer's total. The column's title
// starts at its cell's left edge, where the amounts must start at the earliest.
TEST_F(GridPrintTest, AmountsTooWideForTheirColumnPrintWhole) {
    const double amounts[] = {1999999999.99, -2147483648.5, 9223372036854775807.0, 12.5};
    int code = 0;
    for (double a : amounts) {
        data->Append();
        data->FieldByName("CODIGO")->SetAsInteger(++code);
        data->FieldByName("NOMBRE")->SetAsString("Saldo");
        data->FieldByName("PRECIO")->SetAsFloat(a);
        data->Post();
    }
    grid->Columns()->Items(2)->SetWidth(40);
    // Where each word of the printed page starts and ends.
    auto words = [&] {
        std::map<std::string, std::pair<double, double>> found;
        std::string boxes = Shell("pdftotext -bbox '" + PrintToPdf() + "' -");
        std::regex word(R"re(<word xMin="([0-9.]+)" yMin="[0-9.]+" xMax="([0-9.]+)" yMax="[0-9.]+">([^<]+)</word>)re");
        for (auto i = std::sregex_iterator(boxes.begin(), boxes.end(), word); i != std::sregex_iterator(); ++i)
            found[(*i)[3]] = {std::stod((*i)[1]), std::stod((*i)[2])};
        return found;
    };
    auto inside = [](const std::map<std::string, std::pair<double, double>>& page, const std::string& amount) {
        auto title = page.find("PRECIO"), at = page.find(amount);
        return title != page.end() && at != page.end() && at->second.first >= title->second.first - 0.5;
    };
    for (int lines : {1, 2}) {
        SCOPED_TRACE(lines);
        grid->SetRowLines(lines);
        auto page = words();
        for (data->First(); !data->Eof(); data->Next()) {
            std::string amount = data->FieldByName("PRECIO")->DisplayText();
            EXPECT_TRUE(inside(page, amount)) << amount;
        }
    }
    data->Locate("CODIGO", 3, {});
    data->Delete();
    grid->SetFooterRowCount(1);
    grid->Columns()->Items(2)->Footer()->SetValueType(fvtSum);
    std::string total = FloatToStrF(1999999999.99 - 2147483648.5 + 12.5, ffGeneral, 15, 0);
    EXPECT_TRUE(inside(words(), total)) << total;
}

TEST_F(GridPrintTest, FootersAddUpThePrintedRecordsAndDuplicatesShowOncePerPage) {
    Fill(120, "Igual");
    grid->SetFooterRowCount(1);
    grid->Columns()->Items(0)->Footer()->SetValueType(fvtCount);
    grid->Columns()->Items(2)->Footer()->SetValueType(fvtSum);
    grid->Columns()->Items(1)->SetHideDuplicates(true);
    std::string pdf = PrintToPdf();
    std::vector<std::string> texts = PageTexts(pdf);
    ASSERT_GT(texts.size(), 1u);
    for (const std::string& t : texts) {
        std::size_t first = t.find("Igual");
        ASSERT_NE(first, std::string::npos);
        EXPECT_EQ(t.find("Igual", first + 1), std::string::npos) << t;
    }
    std::regex footer("\\n\\s*120\\s+726000\\s*\\n");
    EXPECT_TRUE(std::regex_search(texts.back(), footer)) << texts.back();
}

TEST_F(GridPrintTest, OnlyTheSelectedRecordsPrintInDatasetOrder) {
    Fill(30);
    TBookmarkListEh& rows = grid->SelectedBookmarks();
    for (int n : {17, 4, 25}) {
        data->First();
        data->MoveBy(n - 1);
        rows.SetCurrentRowSelected(true);
    }
    data->First();
    std::string text = PdfText(PrintToPdf());
    std::size_t a = text.find("Producto 004"), b = text.find("Producto 017"), c = text.find("Producto 025");
    ASSERT_NE(a, std::string::npos);
    ASSERT_NE(b, std::string::npos);
    ASSERT_NE(c, std::string::npos);
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
    EXPECT_EQ(text.find("Producto 001"), std::string::npos);
    EXPECT_EQ(text.find("Producto 018"), std::string::npos);
}

TEST_F(GridPrintTest, StopInThePreviewEndsTheJobKeepingThePagesMade) {
    Fill(300);
    TPrinterPreview* preview = PrinterPreviewInstance();
    int cells = 0, after = 0;
    // The user presses Stop while the third page is being printed.
    grid->OnGetCellParams = [&](TObject*, TColumnEh*, TFont*, TColor&, TGridDrawState) {
        if (preview->GetPageNumber() == 3 && ++cells == 5) preview->Abort();
    };
    printer->OnAfterPrint = [&](TObject*) { ++after; };
    printer->OpenPreview();
    EXPECT_EQ(preview->PageCount(), 3);
    EXPECT_FALSE(preview->GetPrinting());
    EXPECT_EQ(after, 1);
}

// A heading in Arial 14 bold, centred, and a line in Times New Roman with
// the date's placeholder.
const char* const kHeading =
    "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}}"
    "\\pard\\qc\\f0\\fs28\\b Plan de cuentas\\par\\pard\\b0\\f1\\fs20 Corte al %[Today] \\'fanico\\par}";

void LoadRtf(TStrings* list, const std::string& rtf) {
    TStringStream s(rtf);
    list->LoadFromStream(s);
}

std::string SavedRtf(TStrings* list) {
    TStringStream s;
    list->SaveToStream(s);
    return s.DataString();
}

TEST_F(GridPrintTest, RichTextsSurviveTheStoredFormByteForByte) {
    printer->SetName("PrintDBGridEh1");
    printer->SetDBGridEh(nullptr);
    LoadRtf(printer->BeforeGridText(), kHeading);
    printer->AfterGridText()->Add("Impreso: %[Today]");
    std::string text = WriteComponentText(printer);
    EXPECT_NE(text.find("BeforeGridText_Data"), std::string::npos) << text;
    EXPECT_NE(text.find("AfterGridText_Data"), std::string::npos) << text;

    TPrintDBGridEh copy;
    ReadComponentText(text, &copy);
    ASSERT_EQ(copy.BeforeGridText()->Count(), 2);
    EXPECT_EQ(copy.BeforeGridText()->Strings(0), "Plan de cuentas");
    EXPECT_EQ(copy.BeforeGridText()->Strings(1), "Corte al %[Today] único");
    EXPECT_EQ(SavedRtf(copy.BeforeGridText()), SavedRtf(printer->BeforeGridText()));
    EXPECT_EQ(WriteComponentText(&copy), text);
    // What is stored is the rich text and its closing zero byte.
    std::string stored = SavedRtf(copy.AfterGridText());
    EXPECT_EQ(stored.rfind("{\\rtf1", 0), 0u);
    EXPECT_EQ(stored.back(), '\0');

    // A plain list assigned comes in line by line; a rich one with its formatting.
    TStringList plain;
    plain.Add("uno");
    plain.Add("dos");
    copy.SetAfterGridText(&plain);
    ASSERT_EQ(copy.AfterGridText()->Count(), 2);
    EXPECT_EQ(copy.AfterGridText()->Strings(1), "dos");
    copy.SetAfterGridText(printer->BeforeGridText());
    EXPECT_EQ(SavedRtf(copy.AfterGridText()), SavedRtf(printer->BeforeGridText()));
}

TEST_F(GridPrintTest, FormattedTextPrintsAroundTheGridAndGoesOnToTheNextPage) {
    Fill(5);
    LoadRtf(printer->BeforeGridText(), kHeading);
    std::string notes = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 ";
    for (int i = 1; i <= 70; ++i) {
        char line[40];
        std::snprintf(line, sizeof line, "Nota %02d de %%[TODAY]\\par ", i);
        notes += line;
    }
    LoadRtf(printer->AfterGridText(), notes + "}");
    std::string today = DateToStr(Date());
    printer->SetSubstitutionPairs({"%[Today]", today});

    std::string pdf = PrintToPdf();
    std::vector<std::string> texts = PageTexts(pdf);
    ASSERT_GE(texts.size(), 2u);
    const std::string& first = texts[0];
    std::size_t heading = first.find("Plan de cuentas"), titles = first.find("CODIGO");
    ASSERT_NE(heading, std::string::npos) << first;
    ASSERT_NE(titles, std::string::npos);
    EXPECT_LT(heading, titles);
    EXPECT_NE(first.find("Corte al " + today + " único"), std::string::npos) << first;
    EXPECT_LT(first.find("Producto 005"), first.find("Nota 01 de " + today));
    // Every note once, in order, the last ones on a later page.
    std::string all;
    for (const std::string& t : texts) all += t;
    std::size_t at = 0;
    for (int i = 1; i <= 70; ++i) {
        char note[32];
        std::snprintf(note, sizeof note, "Nota %02d de ", i);
        std::size_t found = all.find(note, at);
        ASSERT_NE(found, std::string::npos) << note;
        EXPECT_EQ(all.find(note, found + 1), std::string::npos) << note;
        at = found;
    }
    EXPECT_EQ(first.find("Nota 70"), std::string::npos);
    EXPECT_NE(texts.back().find("Nota 70 de " + today), std::string::npos);
    EXPECT_EQ(all.find("%[TODAY]"), std::string::npos);

    // The heading keeps its fonts and is centred on the page.
    std::string fonts = Shell("pdffonts '" + pdf + "'");
    EXPECT_NE(fonts.find("Sans-Bold"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("Serif"), std::string::npos) << fonts;
    std::string boxes = Shell("pdftotext -f 1 -l 1 -bbox '" + pdf + "' -");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(boxes, m, std::regex("xMin=\"([0-9.]+)\"[^>]*xMax=\"([0-9.]+)\"[^>]*>de<")));
    EXPECT_NEAR((std::stod(m[1]) + std::stod(m[2])) / 2, 595.276 / 2, 25);

    // The stored texts show the placeholders again.
    EXPECT_EQ(printer->BeforeGridText()->Strings(1), "Corte al %[Today] único");
    EXPECT_EQ(printer->AfterGridText()->Strings(69), "Nota 70 de %[TODAY]");

    // The preview makes the same pages.
    TPrinterPreview* preview = PrinterPreviewInstance();
    preview->OwnPrinter()->SetPrinterIndex(preview->OwnPrinter()->Printers()->IndexOf(kPdfPrinterName));
    printer->OpenPreview();
    EXPECT_EQ(preview->PageCount(), int(texts.size()));
}

TEST_F(GridPrintTest, AValueHoldingItsPlaceholderIsPutInOnce) {
    Fill(1);
    printer->AfterGridText()->Add("[x] y [X]");
    printer->SetSubstitutionPairs({"[x]", "<[x]>"});
    std::string text = PdfText(PrintToPdf());
    EXPECT_NE(text.find("<[x]> y <[x]>"), std::string::npos) << text;
    EXPECT_EQ(printer->AfterGridText()->Strings(0), "[x] y [X]");
}

// The tests' own CUPS daemon (scripts/services/cups.sh, started by make
// test): its queues write PDF files with the cups-pdf driver into a folder.
constexpr const char* kCupsSocket = "/tmp/tallyvo-cups/cups.sock";
constexpr const char* kCupsOut = "/tmp/tallyvo-cups/out";

// Points the printers at that daemon while it lives; queues it adds for one
// test are removed with it.
class TestCups {
public:
    TestCups() {
        if (const char* was = std::getenv("CUPS_SERVER")) previous_ = was;
        ready_ = std::filesystem::exists(kCupsSocket);
        if (ready_) ::setenv("CUPS_SERVER", kCupsSocket, 1);
        Printer()->Refresh();
    }
    ~TestCups() {
        for (const std::string& q : queues_) Shell("lpadmin -x '" + q + "'");
        if (previous_) ::setenv("CUPS_SERVER", previous_->c_str(), 1);
        else ::unsetenv("CUPS_SERVER");
        Printer()->Refresh();
        Printer()->SetPrinterIndex(Printer()->Printers()->IndexOf(kPdfPrinterName));
    }
    bool Ready() const { return ready_; }

    // A PDF queue of its own for each call, so its jobs are told apart from
    // those of other tests and test runs that share the daemon.
    std::string AddQueue() {
        static int made = 0;
        std::string name = "Rejilla-" + std::to_string(::getpid()) + "-" + std::to_string(made++);
        int rc = -1;
        std::string out =
            Shell("lpadmin -p '" + name + "' -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd", &rc);
        EXPECT_EQ(rc, 0) << out;
        queues_.push_back(name);
        Printer()->Refresh();
        return name;
    }

    // A job the daemon finished, as its page log tells: the queue, the job's
    // number, the pages it counted and the job's name.
    struct Job {
        std::string queue, id, name;
        int pages = 0;
    };

    // Waits for the finished job that satisfies `which`.
    template <class F>
    std::optional<Job> Finished(F which) {
        std::regex line(R"(^(\S+) \S+ (\d+) \[[^\]]*\] total (\d+) - \S+ (.*) \S+ \S+$)");
        for (int i = 0; i < 240; ++i) {
            std::ifstream log("/tmp/tallyvo-cups/log/page_log");
            std::string text;
            while (std::getline(log, text)) {
                std::smatch m;
                if (!std::regex_match(text, m, line)) continue;
                Job job{m[1], m[2], m[4], std::stoi(m[3])};
                if (which(job)) return job;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
        }
        return std::nullopt;
    }

    // The PDF file the cups-pdf driver wrote for a job.
    static std::string FileOf(const Job& job) {
        std::string end = "-job_" + job.id + ".pdf";
        for (int i = 0; i < 120; ++i) {
            for (const auto& f : std::filesystem::directory_iterator(kCupsOut)) {
                std::string name = f.path().filename().string();
                if (name.size() > end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0)
                    return f.path().string();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
        }
        return {};
    }

private:
    bool ready_ = false;
    std::optional<std::string> previous_;
    std::vector<std::string> queues_;
};

#define NEEDS_CUPS(cups)                                                                                       \
    if (!(cups).Ready()) GTEST_SKIP() << "the tests' CUPS daemon is not running (bash scripts/services/cups.sh start)"

TEST_F(GridPrintTest, AGridPrintedToACupsQueueArrivesWithItsPagesUnderTheJobsTitle) {
    Fill(150);
    int pages = Pages(PrintToPdf());
    ASSERT_GT(pages, 1);
    TestCups cups;
    NEEDS_CUPS(cups);
    std::string queue = cups.AddQueue();
    Printer()->SetPrinterIndex(Printer()->Printers()->IndexOf(queue));
    TVirtualPrinter direct;
    printer->PrintTo(&direct);
    // The queue knows the job by the title the job had from its start.
    std::optional<TestCups::Job> job = cups.Finished([&](const TestCups::Job& j) { return j.queue == queue; });
    ASSERT_TRUE(job) << Shell("lpstat -W all -o '" + queue + "'");
    EXPECT_EQ(job->name, "Tabular information");
    EXPECT_EQ(job->pages, pages);
    std::string pdf = TestCups::FileOf(*job);
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(Pages(pdf), pages);
    EXPECT_NE(PdfInfo(pdf).find("Tabular information"), std::string::npos) << PdfInfo(pdf);
    EXPECT_NE(Shell("pdffonts '" + pdf + "' | tail -n +3"), "") << "the grid arrived without fonts";
    EXPECT_EQ(Shell("pdfimages -list '" + pdf + "' | tail -n +3"), "") << "the grid arrived as pictures";
}

TEST_F(GridPrintTest, AQueueNamedPdfIsListedBesideTheFilePrinterAndPrintsUnderTheProgramsTitle) {
    TestCups cups;
    NEEDS_CUPS(cups);
    TStrings* list = Printer()->Printers();
    EXPECT_EQ(list->Strings(0), kPdfPrinterName);
    int queue = list->IndexOf("PDF");
    ASSERT_GT(queue, 0) << list->Text();
    Printer()->SetPrinterIndex(queue);
    std::string device, driver, port;
    win::DEVMODE* mode = nullptr;
    Printer()->GetPrinter(device, driver, port, mode);
    EXPECT_EQ(driver, "cups");
    std::string title = "Lista " + std::to_string(::getpid());
    Printer()->SetTitle(title);
    Printer()->BeginDoc();
    Printer()->Canvas()->TextOut(300, 300, "Primera hoja");
    Printer()->NewPage();
    Printer()->Canvas()->TextOut(300, 300, "Segunda hoja");
    Printer()->EndDoc();
    std::optional<TestCups::Job> job = cups.Finished([&](const TestCups::Job& j) { return j.name == title; });
    ASSERT_TRUE(job) << Shell("lpstat -W all -o PDF");
    EXPECT_EQ(job->queue, "PDF");
    EXPECT_EQ(job->pages, 2);
    std::string pdf = TestCups::FileOf(*job);
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(Pages(pdf), 2);
    EXPECT_NE(PdfInfo(pdf).find(title), std::string::npos) << PdfInfo(pdf);
    // The queue's file keeps the text and its fonts: no page became a picture on the way.
    std::string text = Shell("pdftotext '" + pdf + "' -");
    EXPECT_NE(text.find("Primera hoja"), std::string::npos) << text;
    EXPECT_NE(text.find("Segunda hoja"), std::string::npos) << text;
    EXPECT_EQ(Shell("pdfimages -list '" + pdf + "' | tail -n +3"), "");
    // Nothing went to the file printer's working folder.
    EXPECT_FALSE(std::filesystem::exists(title + ".pdf"));
    std::filesystem::remove(pdf);
}

// The spool files the printer layer makes for CUPS jobs, in the session's temporary folder.
std::set<std::string> SpoolFiles(const std::filesystem::path& folder) {
    std::set<std::string> found;
    for (const auto& f : std::filesystem::directory_iterator(folder))
        if (f.path().filename().string().rfind("tallyvo-print", 0) == 0) found.insert(f.path().string());
    return found;
}

TEST_F(GridPrintTest, AQueueThatRefusesTheJobSaysSoInSpanishAndLeavesNoFile) {
    Fill(10);
    TestCups cups;
    NEEDS_CUPS(cups);
    Printer()->SetPrinterIndex(Printer()->Printers()->IndexOf("Rechaza"));
    // A temporary folder of this test's own, so that spool files of other tests
    // running beside it are not counted.
    tvtest::TempDir temp;
    tvtest::ScopedEnv tmpdir("TMPDIR", temp.path().c_str());
    int after = 0;
    printer->OnAfterPrint = [&](TObject*) { ++after; };
    TVirtualPrinter direct;
    try {
        printer->PrintTo(&direct);
        ADD_FAILURE() << "the queue took the job";
    } catch (const EPrinter& e) {
        EXPECT_EQ(e.Message(), "La impresora \"Rechaza\" no aceptó el documento");
    }
    EXPECT_EQ(after, 1);
    EXPECT_FALSE(Printer()->Printing());
    for (const std::string& f : SpoolFiles(temp.path())) ADD_FAILURE() << "left behind: " << f;
}

TEST_F(GridPrintTest, AFailingOnBeforePrintLeavesNoJobOpen) {
    Fill(5);
    int after = 0;
    printer->OnBeforePrint = [](TObject*) { throw Exception("Sin papel"); };
    printer->OnAfterPrint = [&](TObject*) { ++after; };
    TPrinterPreview* preview = PrinterPreviewInstance();
    EXPECT_THROW(printer->OpenPreview(), Exception);
    EXPECT_FALSE(preview->GetPrinting());
    EXPECT_EQ(after, 1);
    // The preview is not left waiting for the job's end to close.
    ASSERT_TRUE(PreviewForm()->Visible());
    PreviewForm()->Close();
    EXPECT_FALSE(PreviewForm()->Visible());

    EXPECT_THROW(PrintToPdf(), Exception);
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_EQ(after, 2);
    EXPECT_FALSE(std::filesystem::exists(tmp.file("rejilla.pdf"))) << "no blank page is left behind";
}

// A job that fails after its first pages leaves nothing: no file where there
// was none, the user's earlier file untouched, no open job, and on a queue
// no job at all.
TEST_F(GridPrintTest, AJobThatFailsHalfwayLeavesNoOutput) {
    Fill(150);
    grid->OnGetCellParams = [this](TObject*, TColumnEh*, TFont*, TColor&, TGridDrawState) {
        if (data->FieldByName("CODIGO")->AsInteger() == 120) throw EDatabaseError("Lectura fallida");
    };
    EXPECT_THROW(PrintToPdf(), EDatabaseError);
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_FALSE(std::filesystem::exists(tmp.file("rejilla.pdf")));
    const std::string earlier = tmp.file("ayer.pdf");
    std::ofstream(earlier) << "el informe de ayer";
    EXPECT_THROW(PrintToPdf("ayer.pdf"), EDatabaseError);
    EXPECT_TRUE(Shell("cat '" + earlier + "'") == "el informe de ayer") << "the earlier file was replaced";
    EXPECT_EQ(Shell("ls -A '" + tmp.path().string() + "'"), "ayer.pdf\n") << "no part file stays";

    TestCups cups;
    NEEDS_CUPS(cups);
    std::string queue = cups.AddQueue();
    Printer()->SetPrinterIndex(Printer()->Printers()->IndexOf(queue));
    TVirtualPrinter direct;
    EXPECT_THROW(printer->PrintTo(&direct), EDatabaseError);
    // A job that succeeds after it is the first the queue finishes.
    grid->OnGetCellParams = nullptr;
    Printer()->SetTitle("Prueba");
    Printer()->BeginDoc();
    Printer()->Canvas()->TextOut(300, 300, "Hoja buena");
    Printer()->EndDoc();
    std::optional<TestCups::Job> first = cups.Finished([&](const TestCups::Job& j) { return j.queue == queue; });
    ASSERT_TRUE(first) << Shell("lpstat -W all -o '" + queue + "'");
    EXPECT_EQ(first->name, "Prueba");
}

// Balances whose total lies beyond a currency's range: printing or saving the
// list from its menu says so in Spanish and leaves no file that shows another
// number as the total.
TEST_F(GridPrintTest, ATotalBeyondACurrencysRangeIsRefusedInSpanishAndLeavesNoFile) {
    using namespace tv::win;
    for (double saldo : {600e12, 400e12}) {
        data->Append();
        data->FieldByName("CODIGO")->SetAsInteger(data->RecordCount() + 1);
        data->FieldByName("PRECIO")->SetAsFloat(saldo);
        data->Post();
    }
    data->First();
    grid->SetFooterRowCount(1);
    grid->Columns()->Items(2)->Title()->SetCaption("Saldo");
    grid->Columns()->Items(2)->Footer()->SetValueType(fvtSum);
    auto* menu = new TPopupMenu(form);
    auto add = [&](const char* caption, std::function<void()> run) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        item->OnClick = [run](TObject*) { run(); };
        menu->Items()->Add(item);
    };
    add("&Imprimir", [this] {
        Printer()->SetOutputFile(tmp.file("saldos.pdf"));
        TVirtualPrinter direct;
        printer->PrintTo(&direct);
    });
    add("&Guardar", [this] { ExportGridToFile(TDBGridEhExportAsCSV::StaticClass(), grid, tmp.file("saldos.csv"), true); });
    grid->SetPopupMenu(menu);
    const std::string refused = "El total de la columna \"Saldo\" está fuera del rango de una moneda "
                                "(±922.337.203.685.477,5807); revise sus valores.";
    for (char letter : {'I', 'G'}) {
        SCOPED_TRACE(letter);
        said.clear();
        ScriptStep([letter] { QueueKey(letter); });
        POINT p = grid->ClientToScreen(POINT{200, 100});
        QueueClick(p.x, p.y, 1);
        Application->ProcessMessages();
        EXPECT_EQ(said, std::vector<std::string>{refused});
    }
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_EQ(Shell("ls -A '" + tmp.path().string() + "'"), "") << "no file is left";
}

// The job is named by the resource text, so the Spanish catalog names it in
// the preview, in the PDF and on the queue; the name is given once the job
// has begun, after OnBeforePrint.
TEST_F(GridPrintTest, TheJobsNameIsTranslated) {
    FinalizeTranslation();
    InitializeTranslation();
    DefaultInstance()->BindTextDomain("default", TALLYVO_BINARY_DIR "/locale");
    DefaultInstance()->UseLanguage("es");
    struct Untranslate {
        ~Untranslate() {
            FinalizeTranslation();
            InitializeTranslation();
        }
    } untranslate;
    Fill(3);
    printer->OnBeforePrint = [](TObject*) { Printer()->SetTitle("Puesto por el evento"); };
    std::string pdf = PrintToPdf();
    EXPECT_NE(PdfInfo(pdf).find("Title:           Información tabular"), std::string::npos) << PdfInfo(pdf);
    printer->OnBeforePrint = nullptr;
    printer->OpenPreview();
    EXPECT_EQ(PreviewForm()->Caption(), "Preview - Información tabular");
    PreviewForm()->Close();

    TestCups cups;
    NEEDS_CUPS(cups);
    std::string queue = cups.AddQueue();
    Printer()->SetPrinterIndex(Printer()->Printers()->IndexOf(queue));
    TVirtualPrinter direct;
    printer->PrintTo(&direct);
    std::optional<TestCups::Job> job = cups.Finished([&](const TestCups::Job& j) { return j.queue == queue; });
    ASSERT_TRUE(job) << Shell("lpstat -W all -o '" + queue + "'");
    EXPECT_EQ(job->name, "Información tabular");
}

TEST_F(GridPrintTest, PageSetupStoresTheDialogsValuesOnlyWhenConfirmed) {
    std::string oneAndHalf = FloatToStr(1.5);
    ScriptStep([&] {
        TfPrnDBGridEhSetupDialog* d = PageSetupDialog();
        EXPECT_EQ(d->seLeftMargin->Text(), "2");
        d->seLeftMargin->SetText(oneAndHalf);
        d->cbFitWidthToPage->SetChecked(true);
        d->rgFitingType->SetItemIndex(1);
        d->ePrintFont->SetText("DejaVu Sans");
        d->bOk->Click();
    });
    EXPECT_TRUE(printer->PageSetup());
    EXPECT_EQ(printer->Page()->LeftMargin(), Currency(1.5));
    EXPECT_EQ(printer->Options(), (TPrintDBGridEhOptions{pghFitGridToPageWidth, pghFitingByColWidths}));
    EXPECT_EQ(printer->PrintFontName(), "DejaVu Sans");

    ScriptStep([] {
        PageSetupDialog()->seRightMargin->SetText("9");
        PageSetupDialog()->bCancel->Click();
    });
    EXPECT_FALSE(printer->PageSetup());
    EXPECT_EQ(printer->Page()->RightMargin(), Currency(2));

    // A margin that is not a number stops at the conversion, storing nothing.
    ScriptStep([] {
        PageSetupDialog()->seUpMargin->SetText("dos");
        PageSetupDialog()->bOk->Click();
    });
    EXPECT_THROW(printer->PageSetup(), Exception);
    EXPECT_EQ(printer->Page()->TopMargin(), Currency(2));
    EXPECT_EQ(printer->Page()->LeftMargin(), Currency(1.5));
}


TEST_F(GridPrintTest, MultiLevelTitlesPrintTheirUpperLevelOnEveryPage) {
    Fill(150);
    grid->Columns()->Items(0)->Title()->SetCaption("Artículo|Código");
    grid->Columns()->Items(1)->Title()->SetCaption("Artículo|Descripción");
    grid->Columns()->Items(2)->Title()->SetCaption("Valor");
    grid->SetUseMultiTitle(true);
    std::vector<std::string> texts = PageTexts(PrintToPdf());
    ASSERT_GT(texts.size(), 1u);
    for (const std::string& t : texts) {
        std::size_t upper = t.find("Artículo"), code = t.find("Código"), name = t.find("Descripción");
        ASSERT_NE(upper, std::string::npos) << t.substr(0, 400);
        ASSERT_NE(code, std::string::npos);
        ASSERT_NE(name, std::string::npos);
        EXPECT_LT(upper, code); // the upper level above its columns
        EXPECT_NE(t.find("Valor"), std::string::npos);
    }
}

TEST_F(GridPrintTest, PageMacrosIgnoreCaseAndAnEscapedOneStaysAsWritten) {
    Fill(5);
    printer->PageFooter()->LeftText()->Add("hoja &[page] de &[Pages]");
    printer->PageFooter()->RightText()->Add("macro &&[Pages]");
    std::string text = PdfText(PrintToPdf());
    EXPECT_NE(text.find("hoja 1 de 1"), std::string::npos) << text;
    EXPECT_NE(text.find("macro &&[Pages]"), std::string::npos) << text;
}


TEST_F(GridPrintTest, TitleImagesPrintInPlaceOfTheCaption) {
    Fill(3);
    auto* images = new TImageList(form);
    TBitmap red;
    red.SetSize(16, 16);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect({0, 0, 16, 16});
    images->Add(&red, nullptr);
    grid->SetTitleImages(images);
    grid->Columns()->Items(1)->Title()->SetImageIndex(0);
    std::string pdf = PrintToPdf();
    std::string text = PdfText(pdf);
    EXPECT_EQ(text.find("NOMBRE"), std::string::npos);
    EXPECT_NE(text.find("CODIGO"), std::string::npos);
    std::string list = Shell("pdfimages -list '" + pdf + "'");
    EXPECT_NE(list.find("image"), std::string::npos) << list;
}

} // namespace
} // namespace tvtest
