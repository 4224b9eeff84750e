// The price query's look-up against the bare Firebird call of the same
// procedure, over the demo data in one run:
//   station   leaving the bar-code edit until the row is shown (the price
//             query's Edit1Exit through the focus walk, provider and client
//             dataset, the data-aware labels, memo and picture following the
//             data links, then the messages it caused, painting included)
//   bare      the same SQL text prepared, opened and every column of its row
//             read (blobs included) through the Firebird client
//   bench_station_bench [demo folder] [scans]
// The demo folder is the one scripts/run.sh creates (TALLYVO_DEMO, by default
// ~/.local/share/tallyvo/demo).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/data/dm.h"
#include "app/data/dmart.h"
#include "app/startup/arranque.h"
#include "app/startup/unidades.h"
#include "app/windows/consprecios.h"
#include "app/windows/principal.h"
#include "app/windows/ventanas.h"
#include "framework/core/exceptions.h"
#include "framework/data/sql/fb_database.h"
#include "framework/data/sql/fb_statement.h"
#include "framework/ui/application.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/dbmemo.h"

using namespace tv;
using namespace tv::app;
using Clock = std::chrono::steady_clock;

namespace {

// SQL_BLOB of the Firebird message descriptions.
constexpr unsigned kSqlBlob = 520;
// Read bytes are kept so that reading the row is not optimised away.
volatile std::size_t g_bytes = 0;

double Micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

struct Figures {
    double mean = 0, median = 0;
};

Figures Summarise(std::vector<double> v) {
    Figures f;
    for (double x : v) f.mean += x;
    f.mean /= double(v.size());
    std::sort(v.begin(), v.end());
    f.median = v[v.size() / 2];
    return f;
}

} // namespace

int main(int argc, char** argv) {
    std::string demo = argc > 1 ? argv[1] : "";
    if (demo.empty()) {
        const char* env = std::getenv("TALLYVO_DEMO");
        const char* home = std::getenv("HOME");
        demo = env ? env : std::string(home ? home : ".") + "/.local/share/tallyvo/demo";
    }
    const int scans = argc > 2 ? std::atoi(argv[2]) : 400;
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

        auto station = [&](const std::string& code) {
            consulta->Edit1->SetFocus();
            Application->ProcessMessages();
            consulta->Edit1->SetText(code);
            auto t0 = Clock::now();
            consulta->DBMemo1->SetFocus();  // leaves the edit: the look-up runs
            Application->ProcessMessages();
            return Micros(Clock::now() - t0);
        };
        auto bare = [&](const std::string& code) {
            auto t0 = Clock::now();
            fb::FbStatement q(db);
            q.Prepare(fdmArt->texto_consulta_precios(code, "1"));
            q.Open();
            std::size_t bytes = 0;
            if (q.Fetch())
                for (int i = 0; i < q.ColumnCount(); ++i)
                    if (!q.IsNull(i))
                        bytes += q.Column(i).sqlType == kSqlBlob ? q.AsBlob(i).size() : q.AsString(i).size();
            q.Close();
            g_bytes = g_bytes + bytes;
            return Micros(Clock::now() - t0);
        };

        // Warm both paths (statement caches, pages) before measuring.
        for (std::size_t i = 0; i < std::min<std::size_t>(20, codes.size()); ++i) station(codes[i]), bare(codes[i]);
        std::vector<double> tStation, tBare;
        for (const std::string& c : codes) {
            tStation.push_back(station(c));
            tBare.push_back(bare(c));
        }
        Figures s = Summarise(tStation), b = Summarise(tBare);
        std::printf("look-ups: %zu bar codes of company 001 (%s)\n", codes.size(), company.c_str());
        std::printf("station (leave the edit -> row shown): mean %8.1f us  median %8.1f us\n", s.mean, s.median);
        std::printf("bare Firebird call of the procedure:   mean %8.1f us  median %8.1f us\n", b.mean, b.median);
        std::printf("ratio station / bare:                  mean %8.2f     median %8.2f\n", s.mean / b.mean,
                    s.median / b.median);
        consulta->Free();
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        return 1;
    }
    FinalizeUI();
    return 0;
}
