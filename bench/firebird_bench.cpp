// Opening a client dataset over 100,000 rows of ARTICULO through the provider,
// against reading the same rows and columns with the Firebird client's object
// interface alone, interleaved in one process.
//   bench_firebird_bench [folder [rounds]]   keeps the database in the folder and reuses it
#include <firebird/Interface.h>
#include <ibase.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/benchtable.h"
#include "framework/core/component.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/database_setup.h"
#include "framework/data/sql/fb_database.h"
#include "framework/data/sql/fb_statement.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"

namespace fs = std::filesystem;
using namespace tv;

namespace {

constexpr int kRows = 100000;
const char* kQuery = "SELECT * FROM ARTICULO";

std::string SourceRoot(const char* argv0)
{
    if (const char* root = std::getenv("TALLYVO_SOURCE_DIR"))
        return root;
    std::error_code ec;
    for (fs::path p = fs::weakly_canonical(argv0, ec).parent_path(); !p.empty() && p != p.root_path(); p = p.parent_path())
        if (fs::exists(p / "db" / "company"))
            return p.string();
    return fs::current_path().string();
}

void Fill(const std::string& path)
{
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

// The bare side: one attachment, the statement prepared once and read in a
// kept read-only, read-committed transaction; every row and column copied out
// of the message, blobs read whole.
class BareReader {
public:
    explicit BareReader(const std::string& path) {
        using namespace Firebird;
        IMaster* master = fb_get_master_interface();
        ThrowStatusWrapper st(master->getStatus());
        IXpbBuilder* dpb = master->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&st, isc_dpb_user_name, "SYSDBA");
        dpb->insertString(&st, isc_dpb_lc_ctype, "UTF8");
        att_ = master->getDispatcher()->attachDatabase(&st, path.c_str(), dpb->getBufferLength(&st), dpb->getBuffer(&st));
        dpb->dispose();
        const unsigned char tpb[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed, isc_tpb_rec_version,
                                     isc_tpb_nowait};
        tra_ = att_->startTransaction(&st, sizeof tpb, tpb);
        stmt_ = att_->prepare(&st, tra_, 0, kQuery, 3, IStatement::PREPARE_PREFETCH_METADATA);
        meta_ = stmt_->getOutputMetadata(&st);
        st.getStatus()->dispose();
    }
    ~BareReader() {
        using namespace Firebird;
        ThrowStatusWrapper st(fb_get_master_interface()->getStatus());
        meta_->release();
        stmt_->free(&st);
        tra_->commit(&st);
        att_->detach(&st);
        st.getStatus()->dispose();
    }

    long long Read() {
        using namespace Firebird;
        ThrowStatusWrapper st(fb_get_master_interface()->getStatus());
        long long checksum = 0;
        unsigned n = meta_->getCount(&st);
        std::vector<unsigned char> buf(meta_->getMessageLength(&st));
        std::vector<unsigned> offsets(n), nulls(n), types(n), lengths(n);
        for (unsigned i = 0; i < n; ++i) {
            offsets[i] = meta_->getOffset(&st, i);
            nulls[i] = meta_->getNullOffset(&st, i);
            types[i] = meta_->getType(&st, i);
            lengths[i] = meta_->getLength(&st, i);
        }
        IResultSet* rs = stmt_->openCursor(&st, tra_, nullptr, nullptr, meta_, 0);
        std::vector<std::string> row(n);
        while (rs->fetchNext(&st, buf.data()) == IStatus::RESULT_OK) {
            for (unsigned i = 0; i < n; ++i) {
                if (*reinterpret_cast<short*>(&buf[nulls[i]])) {
                    row[i].clear();
                    continue;
                }
                unsigned char* p = &buf[offsets[i]];
                if (types[i] == SQL_VARYING) {
                    unsigned short len;
                    std::memcpy(&len, p, 2);
                    row[i].assign(reinterpret_cast<char*>(p + 2), len);
                } else if (types[i] == SQL_BLOB) {
                    ISC_QUAD id;
                    std::memcpy(&id, p, sizeof id);
                    IBlob* blob = att_->openBlob(&st, tra_, &id, 0, nullptr);
                    char seg[32768];
                    unsigned got = 0;
                    row[i].clear();
                    while (blob->getSegment(&st, sizeof seg, seg, &got) != IStatus::RESULT_NO_DATA) {
                        row[i].append(seg, got);
                        if (got == 0) break;
                    }
                    row[i].append(seg, got);
                    blob->close(&st);
                } else {
                    row[i].assign(reinterpret_cast<char*>(p), lengths[i]);
                }
            }
            checksum += static_cast<long long>(row[0].size());
        }
        rs->close(&st);
        st.getStatus()->dispose();
        return checksum;
    }

private:
    Firebird::IAttachment* att_ = nullptr;
    Firebird::ITransaction* tra_ = nullptr;
    Firebird::IStatement* stmt_ = nullptr;
    Firebird::IMessageMetadata* meta_ = nullptr;
};

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
    int Read() {
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

int main(int argc, char** argv)
{
    bool keep = argc > 1;
    fs::path dir = keep ? fs::path(argv[1]) : fs::temp_directory_path() / ("tallyvo-bench-" + std::to_string(getpid()));
    std::string path = (dir / "tallyvo.fdb").string();
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    try {
        if (!fs::exists(path)) {
            fs::create_directories(dir);
            std::fprintf(stderr, "Creando %d artículos...\n", kRows);
            fb::CreateCompanyDatabase(path, fb::ScriptsFolder(SourceRoot(argv[0])), nullptr);
            Fill(path);
        }
        BareReader bare(path);
        ProviderReader provider(path);
        int rows = 0;
        volatile long long sink = 0;
        bench::Pair p = bench::Interleave(
            rounds, [&] { return bench::Time([&] { rows = provider.Read(); }); },
            [&] { return bench::Time([&] { sink = sink + bare.Read(); }); });
        if (rows != kRows) throw std::runtime_error("filas leídas: " + std::to_string(rows));
        bench::Row("provider into a client dataset, 100,000 rows", p, "ms");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        if (!keep)
            fs::remove_all(dir);
        return 1;
    }
    if (!keep)
        fs::remove_all(dir);
    return 0;
}
