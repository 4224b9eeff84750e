// Opening a client dataset over 100,000 rows of ARTICULO through the provider,
// against reading the same rows and columns with the Firebird client's object
// interface alone, interleaved in one process.
//   bench_firebird_bench [folder [rounds [provider|bare]]]   keeps the database in the folder and reuses it;
//   a side named runs alone, rounds times, for a profiler
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/barefirebird.h"
#include "bench/benchtable.h"
#include "core/component.h"
#include "framework/data/clientdataset.h"
#include "framework/data/provider.h"
#include "framework/data/sql/database_setup.h"
#include "framework/data/sql/fb_database.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"

namespace fs = std::filesystem;
using namespace tv;

namespace {

constexpr int kRows = 100000;
const char* kQuery = "SELECT * FROM ARTICULO";

std::string SourceRoot(const char* argv0) {
    if (const char* root = std::getenv("TALLYVO_SOURCE_DIR"))
        return root;
    std::error_code ec;
    for (fs::path p = fs::weakly_canonical(argv0, ec).parent_path(); !p.empty() && p != p.root_path(); p = p.parent_path())
        if (fs::exists(p / "db" / "company"))
            return p.string();
    return fs::current_path().string();
}

void Fill(const std::string& path) {
    fb::FbDatabase db;
    db.Open(path, {});
    db.ExecuteImmediate(
        "EXECUTE BLOCK AS DECLARE I INTEGER = 1; BEGIN WHILE (I <= " + std::to_string(kRows) +
        ") DO BEGIN "
        "INSERT INTO ARTICULO (ARTI_COD, ARTI_DES, ARTI_DESVAR, ARTI_TIPO, ARTI_EXIST, ARTI_UNIDAD, ARTI_FECHA, "
        "ARTI_PRECIO, ARTI_CONSUMO, ARTI_IMPOTRO, ARTI_PESO, ARTI_ANCHO, ARTI_ALTO, ARTI_LARGO, ARTI_OBS, ARTI_MAX, "
        "ARTI_MIN, ARTI_DIAS, ESAR_COD, ARTI_USUARIO, TAIV_COD, ARTI_LOTE, ARTI_PUM) VALUES (LPAD(:I, 8, '0'), "
        "'Artículo de prueba número ' || :I, 'N', 'A', 'S', 'UNIDAD', DATEADD(-MOD(:I, 700) DAY TO DATE '2025-06-30'), "
        "500 + MOD(:I * 7919, 20000), 0, 0, MOD(:I, 900), 5, 10, 15, IIF(MOD(:I, 5) = 0, 'Consérvese en lugar fresco.', NULL), "
        "200, 10, 30, 'A', 'ADMIN', 3, 'N', 100); I = I + 1; END END");
}

// The project's side: the station's way to read a table, a provider over the
// SQL query feeding a client dataset in one packet, on a kept connection.
class ProviderReader {
public:
    explicit ProviderReader(const std::string& path) {
        conn_ = new TSQLConnection(&owner_);
        conn_->SetLoginPrompt(false);
        conn_->Params().SetValues("Database", path);
        conn_->Params().SetValues("User_Name", "sysdba");
        conn_->Open();
        auto* q = new TSQLQuery(&owner_);
        q->SetSQLConnection(conn_);
        q->SQL().SetText(kQuery);
        auto* p = new TDataSetProvider(&owner_);
        p->SetName("PArticulos");
        p->SetDataSet(q);
        cds_ = new TClientDataSet(&owner_);
        cds_->SetProviderName("PArticulos");
        cds_->SetPacketRecords(-1);
    }
    [[gnu::noinline]] int Read() {
        cds_->Open();
        int rows = cds_->RecordCount();
        cds_->Close();
        return rows;
    }

private:
    TComponent owner_;
    TSQLConnection* conn_ = nullptr;
    TClientDataSet* cds_ = nullptr;
};

} // namespace

int main(int argc, char** argv) {
    bool keep = argc > 1;
    fs::path dir = keep ? fs::path(argv[1]) : fs::temp_directory_path() / ("tallyvo-bench-" + std::to_string(getpid()));
    std::string path = (dir / "tallyvo.fdb").string();
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    const std::string only = argc > 3 ? argv[3] : "";
    int rc = 0;
    try {
        if (!fs::exists(path)) {
            fs::create_directories(dir);
            std::fprintf(stderr, "Creando %d artículos...\n", kRows);
            fb::CreateCompanyDatabase(path, fb::ScriptsFolder(SourceRoot(argv[0])), nullptr);
            Fill(path);
        }
        bench::BareFirebird bare(path, "SYSDBA", "");
        bare.Prepare(kQuery);
        ProviderReader provider(path);
        int rows = 0;
        volatile long long sink = 0;
        if (only == "provider" || only == "bare") {
            for (int i = 0; i < rounds; ++i) {
                if (only == "provider") {
                    rows = provider.Read();
                    if (rows != kRows) throw std::runtime_error("filas leídas: " + std::to_string(rows));
                } else {
                    sink = sink + bare.Run();
                }
            }
            return 0;
        }
        bench::Pair p = bench::Interleave(
            rounds, [&] { return bench::Time([&] { rows = provider.Read(); }); },
            [&] { return bench::Time([&] { sink = sink + bare.Run(); }); });
        if (rows != kRows) throw std::runtime_error("filas leídas: " + std::to_string(rows));
        bench::Row("provider into a client dataset, 100,000 rows", p, "ms");
    } catch (const Firebird::FbException& e) {
        std::fprintf(stderr, "%s\n", bench::Describe(e).c_str());
        rc = 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        rc = 1;
    }
    if (!keep)
        fs::remove_all(dir);
    return rc;
}
