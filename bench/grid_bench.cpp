// The data grid over a client dataset of 100,000 articles with 15 columns:
//   repaint  the whole grid, 40 rows and the titles, against the same cells
//            drawn with Cairo and one Pango layout per cell (backgrounds, grid
//            lines, clipped text aligned as the field says; the texts are read
//            out of the fields beforehand)
//   export   the grid exported as CSV, against a plain C++ loop writing the
//            same bytes from the same dataset (each field's display text
//            quoted, the separator, the line ends)
//   bench_grid_bench [rounds [rows [csv|bare]]]   fewer rows, or one export
//            side alone, for a profiler
#include <cairo.h>
#include <malloc.h>
#include <pango/pangocairo.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/benchtable.h"
#include "core/exceptions.h"
#include "core/streams.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "grid/dbgrideh.h"
#include "grid/gridunit.h"
#include "gridservices/exchange/gridexport.h"
#include "gridservices/exchange/exporttext.h"
#include "platform/controls/standardclasses.h"
#include "platform/gdi/devicecontext.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/objects.h"
#include "platform/window/desktop.h"
#include "platform/window/paint.h"

using namespace tv;

namespace {

int kRows = 100000;
constexpr int kColWidth = 84;

struct FieldSpec {
    const char* name;
    TFieldType type;
    int size;
};
const FieldSpec kFields[] = {
    {"CODIGO", ftInteger, 0},   {"NOMBRE", ftString, 40},   {"REFERENCIA", ftString, 20}, {"UNIDAD", ftString, 10},
    {"PRECIO", ftCurrency, 0},  {"COSTO", ftFloat, 0},      {"EXISTENCIA", ftInteger, 0}, {"MINIMO", ftInteger, 0},
    {"MAXIMO", ftInteger, 0},   {"FECHA", ftDate, 0},       {"GRUPO", ftString, 20},      {"MARCA", ftString, 20},
    {"IVA", ftFloat, 0},        {"ACTIVO", ftString, 1},    {"NOTA", ftString, 40},
};
const char* const kWords[] = {"Arroz Diana 500 g", "Café Sello Rojo", "Panela redonda", "Aceite Premier 1 L",
                              "Sal Refisal", "Azúcar Manuelita", "Lentejas 500 g", "Fríjol bola roja",
                              "Chocolate Corona", "Harina PAN", "Atún Van Camps", "Leche Alquería; entera"};

void Fill(TClientDataSet* data) {
    for (const FieldSpec& f : kFields) data->FieldDefs().Add(f.name, f.type, f.size);
    data->CreateDataSet();
    std::vector<TField*> fs;
    for (const FieldSpec& f : kFields) fs.push_back(data->FieldByName(f.name));
    data->DisableControls();
    for (int i = 0; i < kRows; ++i) {
        const unsigned h = static_cast<unsigned>(i) * 2654435761u;
        data->Append();
        fs[0]->SetAsInteger(i + 1);
        fs[1]->SetAsString(kWords[h % 12]);
        fs[2]->SetAsString("REF-" + std::to_string(h % 99991));
        fs[3]->SetAsString(h % 4 ? "UNIDAD" : "PAQUETE");
        fs[4]->SetAsCurrency(Currency::FromRaw(static_cast<std::int64_t>(h % 5000000) * 100));
        fs[5]->SetAsFloat((h % 300000) / 7.0);
        fs[6]->SetAsInteger(static_cast<int>(h % 900));
        fs[7]->SetAsInteger(10);
        fs[8]->SetAsInteger(200);
        fs[9]->SetAsDateTime(TDateTime(45000 + (h % 1000)));
        fs[10]->SetAsString(h % 3 ? "ABARROTES" : "ASEO");
        fs[11]->SetAsString(h % 5 ? "GENÉRICA" : "\"LA \"FINA\"");
        fs[12]->SetAsFloat(h % 2 ? 19 : 5);
        fs[13]->SetAsString(h % 7 ? "S" : "N");
        if (h % 5 == 0) fs[14]->SetAsString("Consérvese en lugar fresco");
        data->Post();
    }
    data->First();
    data->EnableControls();
}

// The bare repaint: one Pango context, one layout per cell.
class BarePainter {
public:
    BarePainter(int width, int height, int rowHeight, const win::DeviceFont& font)
        : width_(width), height_(height), rowHeight_(rowHeight), font_(font) {
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    }
    ~BarePainter() { cairo_surface_destroy(surface_); }

    // texts[row][col]; row 0 holds the titles.
    void Paint(const std::vector<std::vector<std::string>>& texts, const std::vector<bool>& right) {
        cairo_t* cr = cairo_create(surface_);
        PangoContext* ctx = pango_cairo_create_context(cr);
        cairo_font_options_t* opts = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(opts, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(opts, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(ctx, opts);
        cairo_font_options_destroy(opts);
        pango_cairo_context_set_resolution(ctx, 96);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        cairo_set_line_width(cr, 1);
        for (std::size_t r = 0; r < texts.size(); ++r) {
            const double y = double(r) * (rowHeight_ + 1);
            for (std::size_t c = 0; c < texts[r].size(); ++c) {
                const double x = double(c) * (kColWidth + 1);
                cairo_save(cr);
                cairo_rectangle(cr, x, y, kColWidth, rowHeight_);
                cairo_clip(cr);
                if (r == 0)
                    cairo_set_source_rgb(cr, 0.94, 0.94, 0.94);
                else
                    cairo_set_source_rgb(cr, 1, 1, 1);
                cairo_paint(cr);
                PangoLayout* layout = pango_layout_new(ctx);
                pango_layout_set_font_description(layout, font_.desc.get());
                pango_layout_set_text(layout, texts[r][c].data(), static_cast<int>(texts[r][c].size()));
                double tx = x + 2;
                if (right[c] && r > 0) {
                    int w = 0, h = 0;
                    pango_layout_get_pixel_size(layout, &w, &h);
                    tx = x + kColWidth - 2 - w;
                }
                cairo_set_source_rgb(cr, 0, 0, 0);
                cairo_move_to(cr, tx, y + 2);
                pango_cairo_show_layout(cr, layout);
                g_object_unref(layout);
                cairo_restore(cr);
                cairo_set_source_rgb(cr, 0.75, 0.75, 0.75);
                cairo_move_to(cr, x + kColWidth + 0.5, y);
                cairo_line_to(cr, x + kColWidth + 0.5, y + rowHeight_ + 1);
                cairo_move_to(cr, x, y + rowHeight_ + 0.5);
                cairo_line_to(cr, x + kColWidth + 1, y + rowHeight_ + 0.5);
                cairo_stroke(cr);
            }
        }
        g_object_unref(ctx);
        cairo_destroy(cr);
        cairo_surface_flush(surface_);
    }

private:
    int width_, height_, rowHeight_;
    win::DeviceFont font_;
    cairo_surface_t* surface_ = nullptr;
};

[[gnu::noinline]] std::string BareCsv(TClientDataSet* data, const std::vector<std::string>& titles) {
    const char sep = DBGridEhCSVSeparator;
    std::string out;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (i) out += sep;
        out += CSVQuoted(titles[i]);
    }
    TFields& fields = data->Fields();
    const int n = data->FieldCount();
    data->DisableControls();
    for (data->First(); !data->Eof(); data->Next()) {
        out += "\r\n";
        for (int i = 0; i < n; ++i) {
            if (i) out += sep;
            out += CSVQuoted(fields[i]->DisplayText());
        }
    }
    data->First();
    data->EnableControls();
    return out;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
    if (argc > 2) kRows = std::max(41, std::atoi(argv[2]));
    const std::string only = argc > 3 ? argv[3] : "";
    try {
        win::SetScreenSize(1400, 1000);
        win::RegisterStandardClasses();
        InitializeUI();
        InitializeGridUnit();
        auto* form = new TForm(nullptr);
        form->SetBounds(0, 0, 1390, 990);
        auto* data = new TClientDataSet(form);
        std::fprintf(stderr, "Creando %d artículos...\n", kRows);
        Fill(data);
        auto* source = new TDataSource(form);
        source->SetDataSet(data);
        auto* grid = new TDBGridEh(form);
        std::vector<std::string> titles;
        for (const FieldSpec& f : kFields) {
            TColumnEh* col = grid->Columns()->Add();
            col->SetFieldName(f.name);
            col->Title()->SetCaption(f.name);
            col->SetWidth(kColWidth);
            titles.push_back(f.name);
        }
        grid->SetDataSource(source);
        grid->SetParent(form);
        const int rowHeight = grid->DefaultRowHeight();
        grid->SetBounds(0, 0, 15 * (kColWidth + 1) + 24, 41 * (rowHeight + 1) + 24);
        form->Show();
        Application->ProcessMessages();
        win::UpdateAllWindows();
        const int visible = grid->VisibleRowCount();

        // The texts of the visible cells, as the fields show them.
        std::vector<std::vector<std::string>> texts(1, titles);
        std::vector<bool> right;
        for (int c = 0; c < data->FieldCount(); ++c)
            right.push_back(data->Fields()[c]->Alignment() == taRightJustify);
        data->DisableControls();
        for (int r = 0; r < visible && !data->Eof(); ++r, data->Next()) {
            std::vector<std::string> row;
            for (int c = 0; c < data->FieldCount(); ++c) row.push_back(data->Fields()[c]->DisplayText());
            texts.push_back(row);
        }
        data->First();
        data->EnableControls();
        Application->ProcessMessages();
        win::UpdateAllWindows();

        win::HDC dc = win::GetDC(grid->Handle());
        win::SelectObject(dc, grid->Font()->Handle());
        const win::DeviceFont font = win::CurrentDeviceFont(win::Dc(dc));
        win::ReleaseDC(grid->Handle(), dc);
        BarePainter bare(grid->Width(), grid->Height(), rowHeight, font);

        constexpr int kPaints = 40;
        auto project = [&] {
            return bench::Time([&] {
                       for (int i = 0; i < kPaints; ++i) {
                           grid->Invalidate();
                           win::UpdateWindow(grid->Handle());
                       }
                   }) /
                   kPaints;
        };
        auto plain = [&] {
            return bench::Time([&] {
                       for (int i = 0; i < kPaints; ++i) bare.Paint(texts, right);
                   }) /
                   kPaints;
        };
        if (only.empty()) project(), plain();
        std::printf("%d visible rows x %zu columns\n", visible, titles.size());
        if (only.empty()) {
            bench::Header();
            bench::Row("full repaint of a data grid, " + std::to_string(visible) + " rows x 15 columns",
                       bench::Interleave(rounds, project, plain), "ms");
        }

        // Each side grows its bytes from nothing inside the timing and drops
        // them after it. Blocks of 128 KB and more come fresh from the kernel
        // and go back to it when freed, in every round, as they do for the
        // first export of a process: left alone, glibc raises that threshold
        // to the largest block freed (16 MB after the first round) and then
        // keeps or returns the freed heap depending on where the blocks of the
        // rounds before, of either side, happened to lie, so a round found its
        // 15 MB already faulted in or not.
        mallopt(M_MMAP_THRESHOLD, 128 * 1024);
        auto csv = [&] {
            TStringStream stream;
            return bench::Time([&] { ExportGridToStream(TDBGridEhExportAsCSV::StaticClass(), grid, stream, true); });
        };
        auto loop = [&] {
            std::string out;
            return bench::Time([&] { out = BareCsv(data, titles); });
        };
        if (only == "csv" || only == "bare") {
            for (int r = 0; r < rounds; ++r) std::printf("%s: %.3f ms\n", only.c_str(), only == "csv" ? csv() : loop());
            delete form;
            FinalizeGridUnit();
            FinalizeUI();
            return 0;
        }
        {
            // The same bytes on both sides, checked once before the rounds.
            TStringStream stream;
            ExportGridToStream(TDBGridEhExportAsCSV::StaticClass(), grid, stream, true);
            const std::string written = BareCsv(data, titles);
            if (stream.DataString() != written)
                std::printf("  (the two sides wrote different bytes: %zu and %zu)\n", stream.DataString().size(),
                            written.size());
        }
        bench::Row("CSV export of " + std::to_string(kRows) + " rows x 15 columns",
                   bench::Interleave(rounds, csv, loop), "ms");
        delete form;
        FinalizeGridUnit();
        FinalizeUI();
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
