// The price query's look-up against the bare Firebird call of the same
// procedure, over the demo data, the two sides interleaved scan by scan:
//   data part  the station's Edit1Exit without its controls (the client
//              dataset's command text, the provider, the query, every field of
//              the row read) against the procedure prepared once with "?"
//              parameters in a kept read-only read-committed transaction
//   whole      leaving the bar-code edit until the row is painted (the focus
//              walk, the data-aware labels, memo and picture, the messages it
//              caused)
//   painting   the part of it spent painting (the messages processed after the
//              look-up) against the same texts and picture drawn with plain
//              Cairo and Pango: one layout per text, the picture (PNG or JPEG)
//              decoded once per scan, each control's rectangle filled first
//   bench_station_bench DEMO [scans] [data|bare|whole|paint]
// Naming one side runs only that side (for a profiler such as callgrind;
// paint runs the whole scan and the bare painting).
// DEMO is a demo folder of the bench's own (scripts/bench.sh makes
// build/bench/datos/demo).
#include <cairo.h>
#include <pango/pangocairo.h>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

#include <algorithm>
#include <cstring>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/data/dm.h"
#include "app/data/dmart.h"
#include "app/startup/arranque.h"
#include "app/startup/unidades.h"
#include "app/windows/consprecios.h"
#include "app/windows/principal.h"
#include "app/windows/ventanas.h"
#include "framework/ui/stdctrls/dbimage.h"
#include "framework/ui/stdctrls/dbtext.h"
#include "platform/gdi/fonts.h"
#include "platform/window/paint.h"
#include "bench/barefirebird.h"
#include "bench/benchtable.h"
#include "core/exceptions.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/data/sql/fb_database.h"
#include "framework/data/sql/fb_statement.h"
#include "framework/ui/application.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/dbmemo.h"
#include "tools/support/ownstore.h"

using namespace tv;
using namespace tv::app;

namespace {

// Read bytes are kept so that reading the row is not optimised away.
volatile std::size_t g_bytes = 0;

double Micros(bench::Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

// A control's rectangle in its form's client area.
win::RECT FormRect(TControl* c) {
    int x = c->Left(), y = c->Top();
    for (TControl* p = c->Parent(); p && p->Parent(); p = p->Parent()) x += p->Left(), y += p->Top();
    return {x, y, x + c->Width(), y + c->Height()};
}

// The font a control paints with, as the device resolves it.
win::DeviceFont FontOf(TControl* c, win::Window* window) {
    win::HDC dc = win::GetDC(window);
    win::SelectObject(dc, c->Font()->Handle());
    win::DeviceFont f = win::CurrentDeviceFont(win::Dc(dc));
    win::ReleaseDC(window, dc);
    return f;
}

// What a scan shows: each text in its rectangle and font, the memo's text and
// the picture's PNG bytes.
struct ScanView {
    struct Text {
        win::RECT r;
        std::shared_ptr<PangoFontDescription> font;
        TAlignment alignment;
        bool wrap;
        std::string text;
    };
    std::vector<Text> texts;
    win::RECT place{};
    std::string picture; // PNG or JPEG bytes
};

// A picture of the demo (PNG or JPEG) decoded into a Cairo surface by the
// libraries themselves: Cairo's PNG reader, libjpeg straight into the surface's rows.
cairo_surface_t* DecodePicture(const std::string& bytes) {
    if (bytes.size() > 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xD8) {
        struct Failure {
            jpeg_error_mgr mgr;
            std::jmp_buf jump;
        } failure;
        jpeg_decompress_struct info;
        info.err = jpeg_std_error(&failure.mgr);
        failure.mgr.error_exit = [](j_common_ptr c) { std::longjmp(reinterpret_cast<Failure*>(c->err)->jump, 1); };
        cairo_surface_t* out = nullptr;
        if (setjmp(failure.jump)) {
            jpeg_destroy_decompress(&info);
            if (out) cairo_surface_destroy(out);
            return cairo_image_surface_create(CAIRO_FORMAT_RGB24, 0, 0);
        }
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_EXT_BGRX; // Cairo's RGB24 in memory
        jpeg_start_decompress(&info);
        out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(info.output_width),
                                         static_cast<int>(info.output_height));
        unsigned char* data = cairo_image_surface_get_data(out);
        const int stride = cairo_image_surface_get_stride(out);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = data + static_cast<std::ptrdiff_t>(info.output_scanline) * stride;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        cairo_surface_mark_dirty(out);
        return out;
    }
    struct Reader {
        const char* data;
        std::size_t left;
    } in{bytes.data(), bytes.size()};
    return cairo_image_surface_create_from_png_stream(
        [](void* closure, unsigned char* out, unsigned int length) {
            auto* r = static_cast<Reader*>(closure);
            if (length > r->left) return CAIRO_STATUS_READ_ERROR;
            std::memcpy(out, r->data, length);
            r->data += length;
            r->left -= length;
            return CAIRO_STATUS_SUCCESS;
        },
        &in);
}

// The bare painting: one Cairo context on a surface of the form's size, one
// Pango layout per text, the picture decoded and stretched into its place
// as the station stretches (nearest pixel).
class BareScanPainter {
public:
    BareScanPainter(int width, int height) {
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
        cr_ = cairo_create(surface_);
        ctx_ = pango_cairo_create_context(cr_);
        cairo_font_options_t* opts = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(opts, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(opts, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(ctx_, opts);
        cairo_font_options_destroy(opts);
        pango_cairo_context_set_resolution(ctx_, 96);
    }
    ~BareScanPainter() {
        g_object_unref(ctx_);
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
    }

    void Paint(const ScanView& v) {
        for (const ScanView::Text& t : v.texts) {
            const double w = t.r.right - t.r.left, h = t.r.bottom - t.r.top;
            cairo_save(cr_);
            cairo_rectangle(cr_, t.r.left, t.r.top, w, h);
            cairo_clip(cr_);
            cairo_set_source_rgb(cr_, 0.94, 0.94, 0.94);
            cairo_paint(cr_);
            PangoLayout* layout = pango_layout_new(ctx_);
            pango_layout_set_font_description(layout, t.font.get());
            pango_layout_set_text(layout, t.text.data(), static_cast<int>(t.text.size()));
            if (t.wrap) {
                pango_layout_set_width(layout, static_cast<int>(w * PANGO_SCALE));
                pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
            }
            double x = t.r.left;
            if (t.alignment != taLeftJustify) {
                int lw = 0, lh = 0;
                pango_layout_get_pixel_size(layout, &lw, &lh);
                x += t.alignment == taRightJustify ? w - lw : (w - lw) / 2;
            }
            cairo_set_source_rgb(cr_, 0, 0, 0);
            cairo_move_to(cr_, x, t.r.top);
            pango_cairo_show_layout(cr_, layout);
            g_object_unref(layout);
            cairo_restore(cr_);
        }
        const win::RECT& p = v.place;
        cairo_save(cr_);
        cairo_rectangle(cr_, p.left, p.top, p.right - p.left, p.bottom - p.top);
        cairo_clip(cr_);
        cairo_set_source_rgb(cr_, 1, 1, 1);
        cairo_paint(cr_);
        if (!v.picture.empty()) {
            cairo_surface_t* img = DecodePicture(v.picture);
            const int iw = cairo_image_surface_get_width(img), ih = cairo_image_surface_get_height(img);
            if (cairo_surface_status(img) == CAIRO_STATUS_SUCCESS && iw > 0 && ih > 0) {
                cairo_translate(cr_, p.left, p.top);
                cairo_scale(cr_, double(p.right - p.left) / iw, double(p.bottom - p.top) / ih);
                cairo_set_source_surface(cr_, img, 0, 0);
                // As the station stretches a picture (no halftone).
                cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
                cairo_paint(cr_);
            }
            cairo_surface_destroy(img);
        }
        cairo_restore(cr_);
        cairo_surface_flush(surface_);
    }

private:
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
    PangoContext* ctx_ = nullptr;
};

} // namespace

int main(int argc, char** argv) {
    // The demo is named, never taken from the user's folders: scripts/bench.sh
    // makes one of the bench's own.
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_station_bench DEMO [scans] [data|bare|whole|paint]\n");
        return 2;
    }
    const std::string demo = argv[1];
    // The station's code writes its error log in a folder of this program's own.
    tvtools::OwnStore store;
    const int scans = argc > 2 ? std::atoi(argv[2]) : 400;
    const std::string only = argc > 3 ? argv[3] : "";
    const std::string company = demo + "/datos/001/tallyvo.fdb";
    try {
        registre_unidades();
        registre_ventanas();
        InitializeUI();
        cree_modulos_centrales(Application);
        conecte_aplicacion();
        Application->CreateForm(fprincipal);
        cree_modulos_negocio(Application);
        fdm->conecte_general(demo, "SYSDBA", "x");
        fdm->conecte_compania(demo, "001", "SYSDBA", "x");
        fprincipal->lista_precios = "1";

        fb::FbDatabase db;
        db.Open(company, {});
        std::vector<std::string> codes;
        {
            fb::FbStatement q(db);
            q.Prepare("SELECT FIRST " + std::to_string(scans) +
                      " COBA_COD FROM BARRAS_ARTICULO ORDER BY ARTI_COD");
            q.Open();
            while (q.Fetch()) codes.push_back(q.AsString(0));
            q.Close();
        }
        if (codes.empty()) throw Exception("No hay códigos de barras en " + company);

        Tfconsprecios* consulta = NewForm<Tfconsprecios>(fprincipal);
        consulta->Show();
        Application->ProcessMessages();

        TClientDataSet* articulos = consulta->CArticulos;
        // The station's look-up without its controls, every field of the row read.
        auto data = [&](const std::string& code) {
            articulos->DisableControls();
            auto t0 = bench::Clock::now();
            articulos->Close();
            articulos->SetCommandText(fdmArt->texto_consulta_precios(code, "1"));
            articulos->Open();
            std::size_t bytes = 0;
            for (int i = 0; i < articulos->FieldCount(); ++i) bytes += articulos->Fields()[i]->AsString().size();
            const double us = Micros(bench::Clock::now() - t0);
            articulos->EnableControls();
            g_bytes = g_bytes + bytes;
            return us;
        };
        double lastPainting = 0;
        auto whole = [&](const std::string& code) {
            consulta->Edit1->SetFocus();
            Application->ProcessMessages();
            consulta->Edit1->SetText(code);
            auto t0 = bench::Clock::now();
            consulta->DBMemo1->SetFocus(); // leaves the edit: the look-up runs
            auto t1 = bench::Clock::now();
            Application->ProcessMessages();
            auto t2 = bench::Clock::now();
            lastPainting = Micros(t2 - t1);
            return Micros(t2 - t0);
        };

        // The bare painting's view of the scan just shown: the data-aware texts,
        // the edit's code and the memo's text in their controls' fonts, the picture.
        std::vector<std::pair<TControl*, std::shared_ptr<PangoFontDescription>>> shown;
        TDBImage* picture = consulta->DBImage1;
        for (int i = 0; i < consulta->ComponentCount(); ++i)
            if (auto* t = dynamic_cast<TDBText*>(consulta->Components(i)))
                shown.emplace_back(t, FontOf(t, consulta->Handle()).desc);
        shown.emplace_back(consulta->Edit1, FontOf(consulta->Edit1, consulta->Handle()).desc);
        shown.emplace_back(consulta->DBMemo1, FontOf(consulta->DBMemo1, consulta->Handle()).desc);
        auto view = [&] {
            ScanView v;
            for (auto& [c, font] : shown) {
                ScanView::Text t{FormRect(c), font, taLeftJustify, c == consulta->DBMemo1, {}};
                if (auto* label = dynamic_cast<TDBText*>(c)) {
                    t.alignment = label->Alignment();
                    t.text = label->Caption();
                } else {
                    t.text = static_cast<TWinControl*>(c)->Text();
                }
                v.texts.push_back(std::move(t));
            }
            v.place = FormRect(picture);
            if (TField* f = picture->Field()) v.picture = f->AsString();
            return v;
        };
        BareScanPainter painter(consulta->ClientWidth(), consulta->ClientHeight());
        auto barePaint = [&](const ScanView& v) {
            auto t0 = bench::Clock::now();
            painter.Paint(v);
            return Micros(bench::Clock::now() - t0);
        };
        bench::BareFirebird fb(company, "SYSDBA", "");
        fb.Prepare("SELECT * FROM CONSULTA_ARTICULOS_PRECIOS(?, ?)");
        auto bare = [&](const std::string& code) {
            auto t0 = bench::Clock::now();
            g_bytes = g_bytes + fb.Run({code, "1"});
            return Micros(bench::Clock::now() - t0);
        };

        // Warm every path (statement caches, pages, fonts) before measuring.
        if (!only.empty()) {
            const std::function<double(const std::string&)> side =
                only == "bare" ? std::function<double(const std::string&)>(bare)
                : only == "whole" ? std::function<double(const std::string&)>(whole)
                : only == "paint" ? std::function<double(const std::string&)>([&](const std::string& c) {
                      whole(c);
                      return barePaint(view());
                  })
                                  : std::function<double(const std::string&)>(data);
            for (const std::string& c : codes) side(c);
            consulta->Free();
            FinalizeUI();
            return 0;
        }
        for (std::size_t i = 0; i < std::min<std::size_t>(20, codes.size()); ++i)
            data(codes[i]), whole(codes[i]), bare(codes[i]), barePaint(view());
        std::vector<double> tData, tWhole, tBare, tPaint, tBarePaint;
        std::size_t pictures = 0;
        const double load0 = bench::LoadAverage();
        // Scan by scan: a change of load falls on every side alike.
        // The side run second finds the engine's caches warm with the same code:
        // the order alternates.
        for (std::size_t i = 0; i < codes.size(); ++i) {
            const std::string& c = codes[i];
            if (i % 2) {
                tBare.push_back(bare(c));
                tData.push_back(data(c));
            } else {
                tData.push_back(data(c));
                tBare.push_back(bare(c));
            }
            tWhole.push_back(whole(c));
            tPaint.push_back(lastPainting);
            const ScanView v = view();
            pictures += !v.picture.empty();
            tBarePaint.push_back(barePaint(v));
        }
        const double load = (load0 + bench::LoadAverage()) / 2;
        std::printf("%zu bar codes of company 001 (%s; %zu with a picture), medians\n", codes.size(),
                    company.c_str(), pictures);
        bench::Header();
        bench::Row("price query, data part (scan to the row read)",
                   {bench::Median(tData), bench::Median(tBare), load}, "us");
        bench::Row("price query, leave the edit to the row painted", bench::Median(tWhole), "us");
        bench::Row("price query, painting after the scan",
                   {bench::Median(tPaint), bench::Median(tBarePaint), load}, "us");
        consulta->Free();
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        return 1;
    } catch (const Firebird::FbException& e) {
        std::fprintf(stderr, "%s\n", bench::Describe(e).c_str());
        return 1;
    }
    FinalizeUI();
    return 0;
}
