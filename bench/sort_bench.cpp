// Sorting a client dataset of 100,000 rows on two case-insensitive text fields
// (an index built and selected, as the grid's title click does), against
// std::sort over the same texts comparing with the same collation at every
// comparison, ties kept in their original order.
//   bench_sort_bench [rounds [index|bare]]   one side alone, for a profiler
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

#include "bench/benchtable.h"
#include "core/component.h"
#include "core/exceptions.h"
#include "core/strutils.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"

using namespace tv;

namespace {

constexpr int kRows = 100000;
const char* const kWords[] = {"árbol", "Arroz", "azúcar", "Café", "Éxito", "nabo", "Ñame", "ñoquis", "Oliva",
                              "Zanahoria", "panela", "Yuca", "maíz", "Fríjol", "lenteja", "atún", "Cebolla",
                              "tomate", "papa", "Limón"};

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
    const std::string only = argc > 2 ? argv[2] : "";
    try {
        TComponent owner(nullptr);
        auto* data = new TClientDataSet(&owner);
        data->FieldDefs().Add("NOMBRE", ftString, 40);
        data->FieldDefs().Add("MARCA", ftString, 40);
        data->CreateDataSet();
        TField* nombre = data->FieldByName("NOMBRE");
        TField* marca = data->FieldByName("MARCA");
        std::vector<std::string> a, b;
        data->DisableControls();
        for (int i = 0; i < kRows; ++i) {
            const unsigned h = static_cast<unsigned>(i) * 2654435761u;
            a.push_back(std::string(kWords[h % 20]) + " " + std::to_string(h % 97));
            b.push_back(std::string(kWords[(h / 20) % 20]) + " de la casa " + std::to_string(h % 13));
            data->Append();
            nombre->SetAsString(a.back());
            marca->SetAsString(b.back());
            data->Post();
        }
        data->EnableControls();
        data->MergeChangeLog();

        std::string first;
        auto project = [&] {
            const double ms = bench::Time([&] {
                data->AddIndex("ixNombreMarca", "NOMBRE;MARCA", {}, "", "NOMBRE;MARCA");
                data->SetIndexName("ixNombreMarca");
                data->First();
            });
            first = nombre->AsString() + " / " + marca->AsString();
            data->SetIndexName("");
            data->DeleteIndex("ixNombreMarca");
            return ms;
        };
        std::string bareFirst;
        auto bare = [&] {
            std::vector<int> order(kRows);
            std::iota(order.begin(), order.end(), 0);
            const double ms = bench::Time([&] {
                std::sort(order.begin(), order.end(), [&](int x, int y) {
                    int c = AnsiCompareText(a[x], a[y]);
                    if (c == 0) c = AnsiCompareText(b[x], b[y]);
                    return c != 0 ? c < 0 : x < y;
                });
            });
            bareFirst = a[order[0]] + " / " + b[order[0]];
            return ms;
        };
        if (only == "index" || only == "bare") {
            for (int r = 0; r < rounds; ++r)
                std::printf("%s: %.3f ms\n", only.c_str(), only == "index" ? project() : bare());
            return 0;
        }
        bench::Header();
        bench::Row("sort 100,000 rows on two case-insensitive text fields", bench::Interleave(rounds, project, bare),
                   "ms");
        if (first != bareFirst) std::printf("  (first rows differ: %s | %s)\n", first.c_str(), bareFirst.c_str());
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
