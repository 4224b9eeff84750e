// The price query's look-up against the bare Firebird call of the same
// procedure, over the demo data, the two sides interleaved scan by scan:
//   data part  the station's Edit1Exit without its controls (the client
//              dataset's command text, the provider, the query, every field of
//              the row read) against the procedure prepared once with "?"
//              parameters in a kept read-only read-committed transaction
//   whole      leaving the bar-code edit until the row is painted (the focus
//              walk, the data-aware labels, memo and picture, the messages it
//              caused)
//   bench_station_bench [demo folder] [scans] [data|bare|whole]
// Naming one side runs only that side (for a profiler such as callgrind).
// The demo folder is the one scripts/run.sh creates (TALLYVO_DEMO, by default
// ~/.local/share/tallyvo/demo).
#include <algorithm>
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

using namespace tv;
using namespace tv::app;

namespace {

// Read bytes are kept so that reading the row is not optimised away.
volatile std::size_t g_bytes = 0;

double Micros(bench::Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

} // namespace

int main(int argc, char** argv) {
    std::string demo = argc > 1 ? argv[1] : "";
    if (demo.empty()) {
        const char* env = std::getenv("TALLYVO_DEMO");
        const char* home = std::getenv("HOME");
        demo = env ? env : std::string(home ? home : ".") + "/.local/share/tallyvo/demo";
    }
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
        auto whole = [&](const std::string& code) {
            consulta->Edit1->SetFocus();
            Application->ProcessMessages();
            consulta->Edit1->SetText(code);
            auto t0 = bench::Clock::now();
            consulta->DBMemo1->SetFocus(); // leaves the edit: the look-up runs
            Application->ProcessMessages();
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
                                  : std::function<double(const std::string&)>(data);
            for (const std::string& c : codes) side(c);
            consulta->Free();
            FinalizeUI();
            return 0;
        }
        for (std::size_t i = 0; i < std::min<std::size_t>(20, codes.size()); ++i)
            data(codes[i]), whole(codes[i]), bare(codes[i]);
        std::vector<double> tData, tWhole, tBare;
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
        }
        const double load = (load0 + bench::LoadAverage()) / 2;
        std::printf("%zu bar codes of company 001 (%s), medians\n", codes.size(), company.c_str());
        bench::Header();
        bench::Row("price query, data part (scan to the row read)",
                   {bench::Median(tData), bench::Median(tBare), load}, "us");
        bench::Row("price query, leave the edit to the row painted", bench::Median(tWhole), "us");
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
