// Opening a client dataset over 100,000 rows of ARTICULO through the provider,
// against reading the same rows and columns with the Firebird client's object
// interface alone. Prints both times and their ratio.
//   firebird_bench [folder]   keeps the database in the folder and reuses it
#include <firebird/Interface.h>
#include <ibase.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

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
using Clock = std::chrono::steady_clock;

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

// Every row and column through the object interface, values copied out of the message.
double ReadBare(const std::string& path, long long& checksum)
{
    using namespace Firebird;
    auto start = Clock::now();
    IMaster* master = fb_get_master_interface();
    ThrowStatusWrapper st(master->getStatus());
    IProvider* prov = master->getDispatcher();
    IXpbBuilder* dpb = master->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
    dpb->insertString(&st, isc_dpb_user_name, "SYSDBA");
    dpb->insertString(&st, isc_dpb_lc_ctype, "UTF8");
    IAttachment* att = prov->attachDatabase(&st, path.c_str(), dpb->getBufferLength(&st), dpb->getBuffer(&st));
    const unsigned char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed, isc_tpb_rec_version, isc_tpb_wait};
    ITransaction* tra = att->startTransaction(&st, sizeof tpb, tpb);
    IStatement* stmt = att->prepare(&st, tra, 0, kQuery, 3, IStatement::PREPARE_PREFETCH_METADATA);
    IMessageMetadata* meta = stmt->getOutputMetadata(&st);
    unsigned n = meta->getCount(&st);
    std::vector<unsigned char> buf(meta->getMessageLength(&st));
    IResultSet* rs = stmt->openCursor(&st, tra, nullptr, nullptr, meta, 0);
    std::vector<std::string> row(n);
    while (rs->fetchNext(&st, buf.data()) == IStatus::RESULT_OK) {
        for (unsigned i = 0; i < n; ++i) {
            if (*reinterpret_cast<short*>(&buf[meta->getNullOffset(&st, i)])) {
                row[i].clear();
                continue;
            }
            unsigned char* p = &buf[meta->getOffset(&st, i)];
            unsigned type = meta->getType(&st, i);
            if (type == SQL_VARYING) {
                unsigned short len;
                std::memcpy(&len, p, 2);
                row[i].assign(reinterpret_cast<char*>(p + 2), len);
            } else if (type == SQL_BLOB) {
                ISC_QUAD id;
                std::memcpy(&id, p, sizeof id);
                IBlob* blob = att->openBlob(&st, tra, &id, 0, nullptr);
                char seg[32768];
                unsigned got = 0;
                row[i].clear();
                while (blob->getSegment(&st, sizeof seg, seg, &got) != IStatus::RESULT_NO_DATA) {
                    row[i].append(seg, got);
                    if (got == 0)
                        break;
                }
                row[i].append(seg, got);
                blob->close(&st);
            } else {
                row[i].assign(reinterpret_cast<char*>(p), meta->getLength(&st, i));
            }
        }
        checksum += static_cast<long long>(row[0].size());
    }
    rs->close(&st);
    meta->release();
    stmt->free(&st);
    tra->commit(&st);
    att->detach(&st);
    dpb->dispose();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The same rows through the SQL dataset alone, every field's value read.
double ReadThroughQuery(const std::string& path)
{
    auto start = Clock::now();
    TComponent owner;
    auto* conn = new TSQLConnection(&owner);
    conn->Params().SetValues("Database", path);
    conn->Params().SetValues("User_Name", "sysdba");
    auto* q = new TSQLQuery(&owner);
    q->SetSQLConnection(conn);
    q->SQL().SetText(kQuery);
    q->Open();
    while (!q->Eof()) {
        for (TField* f : q->Fields())
            f->AsVariant();
        q->Next();
    }
    q->Close();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double ReadThroughProvider(const std::string& path, long long& rows)
{
    auto start = Clock::now();
    TComponent owner;
    auto* conn = new TSQLConnection(&owner);
    conn->SetLoginPrompt(false);
    conn->Params().SetValues("Database", path);
    conn->Params().SetValues("User_Name", "sysdba");
    auto* q = new TSQLQuery(&owner);
    q->SetSQLConnection(conn);
    q->SQL().SetText(kQuery);
    auto* p = new TDataSetProvider(&owner);
    p->SetName("PArticulos");
    p->SetDataSet(q);
    auto* cds = new TClientDataSet(&owner);
    cds->SetProviderName("PArticulos");
    cds->SetPacketRecords(-1);
    cds->Open();
    rows = cds->RecordCount();
    double t = std::chrono::duration<double>(Clock::now() - start).count();
    cds->Close();
    return t;
}

} // namespace

int main(int argc, char** argv)
{
    bool keep = argc > 1;
    fs::path dir = keep ? fs::path(argv[1]) : fs::temp_directory_path() / ("tallyvo-bench-" + std::to_string(getpid()));
    std::string path = (dir / "tallyvo.fdb").string();
    try {
        if (!fs::exists(path)) {
            std::cout << "Creando " << kRows << " artículos..." << std::endl;
            fb::CreateCompanyDatabase(path, fb::ScriptsFolder(SourceRoot(argv[0])), nullptr);
            Fill(path);
        }
        double bare = 1e9, query = 1e9, provider = 1e9;
        long long checksum = 0, rows = 0;
        for (int run = 0; run < 3; ++run) {
            bare = std::min(bare, ReadBare(path, checksum));
            query = std::min(query, ReadThroughQuery(path));
            provider = std::min(provider, ReadThroughProvider(path, rows));
        }
        std::cout << "filas en el client dataset: " << rows << "\n";
        std::cout << "API de Firebird sola:       " << bare << " s\n";
        std::cout << "TSQLQuery sola:             " << query << " s\n";
        std::cout << "proveedor y client dataset: " << provider << " s\n";
        std::cout << "razón:                      " << provider / bare << "\n";
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        if (!keep)
            fs::remove_all(dir);
        return 1;
    }
    if (!keep)
        fs::remove_all(dir);
    return 0;
}
