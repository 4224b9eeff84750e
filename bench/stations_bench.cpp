// Several stations scanning at once through one Firebird server on loopback,
// without painting: each station is a process of its own that looks bar codes
// up as fast as it can for a few seconds.
//   project  the station's data path: the client dataset's command text, the
//            provider, the query on a TSQLConnection, every field read
//   bare     the procedure prepared once with "?" parameters through the
//            Firebird client, in a kept read-only read-committed transaction
// Prints the scans per second of all stations together and the worst
// station's 99th percentile, for each count of stations.
//   bench_stations_bench COMPANY_DATABASE [counts, e.g. 1,4,16,32] [seconds]
// The company database (scripts/bench.sh names its own demo's) is copied to
// a folder of its own and reached through the server that TALLYVO_FB_SERVER
// names ("localhost/<port>", the bench's own that scripts/bench.sh starts with
// scripts/services/firebird.sh), as SYSDBA with the password TALLYVO_FB_PASSWORD.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/data/sqltexto.h"
#include "bench/barefirebird.h"
#include "bench/benchtable.h"
#include "core/component.h"
#include "core/exceptions.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"

namespace fs = std::filesystem;
using namespace tv;

namespace {

const char* kCall = "SELECT * FROM CONSULTA_ARTICULOS_PRECIOS(?, ?)";
volatile std::size_t g_bytes = 0;

struct Target {
    std::string database, password;
};

// One station's look-up, either side.
class Scanner {
public:
    virtual ~Scanner() = default;
    virtual void Scan(const std::string& code) = 0;
};

class ProjectScanner : public Scanner {
public:
    explicit ProjectScanner(const Target& t) {
        auto* conn = new TSQLConnection(&owner_);
        conn->SetLoginPrompt(false);
        conn->Params().SetValues("Database", t.database);
        conn->Params().SetValues("User_Name", "SYSDBA");
        conn->Params().SetValues("Password", t.password);
        conn->Open();
        auto* q = new TSQLQuery(&owner_);
        q->SetSQLConnection(conn);
        auto* p = new TDataSetProvider(&owner_);
        p->SetName("PArticulos");
        p->SetOptions({poAllowCommandText});
        p->SetDataSet(q);
        cds_ = new TClientDataSet(&owner_);
        cds_->SetProviderName("PArticulos");
    }
    void Scan(const std::string& code) override {
        cds_->Close();
        cds_->SetCommandText("SELECT * FROM CONSULTA_ARTICULOS_PRECIOS(" + app::sql_texto(code) + "," +
                             app::sql_entero("1") + ")");
        cds_->Open();
        std::size_t bytes = 0;
        for (int i = 0; i < cds_->FieldCount(); ++i) bytes += cds_->Fields()[i]->AsString().size();
        g_bytes = g_bytes + bytes;
    }

private:
    TComponent owner_{nullptr};
    TClientDataSet* cds_ = nullptr;
};

class BareScanner : public Scanner {
public:
    explicit BareScanner(const Target& t) : fb_(t.database, "SYSDBA", t.password) { fb_.Prepare(kCall); }
    void Scan(const std::string& code) override { g_bytes = g_bytes + fb_.Run({code, "1"}); }

private:
    bench::BareFirebird fb_;
};

void WriteAll(int fd, const std::string& s) {
    std::size_t done = 0;
    while (done < s.size()) {
        const ssize_t n = write(fd, s.data() + done, s.size() - done);
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

std::string ReadAll(int fd) {
    std::string s;
    char buf[4096];
    for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;) s.append(buf, static_cast<std::size_t>(n));
    return s;
}

// The bar codes, read in a process of its own: the Firebird client is not
// started in the parent, whose children would inherit it.
std::vector<std::string> Codes(const Target& t) {
    int out[2];
    if (pipe(out) != 0) throw Exception("pipe");
    const pid_t pid = fork();
    if (pid == 0) {
        close(out[0]);
        try {
            bench::BareFirebird fb(t.database, "SYSDBA", t.password);
            fb.Prepare("SELECT FIRST 400 COBA_COD FROM BARRAS_ARTICULO ORDER BY ARTI_COD");
            std::string codes;
            fb.Run({}, [&](const std::vector<std::string>& row) { codes += row[0] + "\n"; });
            WriteAll(out[1], codes);
        } catch (const Firebird::FbException& e) {
            std::fprintf(stderr, "%s\n", bench::Describe(e).c_str());
            _exit(1);
        }
        _exit(0);
    }
    close(out[1]);
    std::istringstream in(ReadAll(out[0]));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    std::vector<std::string> codes;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) codes.push_back(line);
    if (codes.empty()) throw Exception("No hay códigos de barras en " + t.database);
    return codes;
}

struct Result {
    double perSecond = 0, p99 = 0; // p99 in milliseconds, the worst station's
};

Result Run(const Target& t, bool project, int stations, double seconds, const std::vector<std::string>& codes) {
    int ready[2], go[2], results[2];
    if (pipe(ready) != 0 || pipe(go) != 0 || pipe(results) != 0) throw Exception("pipe");
    std::vector<pid_t> pids;
    for (int s = 0; s < stations; ++s) {
        const pid_t pid = fork();
        if (pid == 0) {
            close(ready[0]), close(go[1]), close(results[0]);
            try {
                std::unique_ptr<Scanner> scanner;
                if (project)
                    scanner = std::make_unique<ProjectScanner>(t);
                else
                    scanner = std::make_unique<BareScanner>(t);
                std::size_t next = static_cast<std::size_t>(s) * 37;
                for (int i = 0; i < 20; ++i) scanner->Scan(codes[next++ % codes.size()]);
                WriteAll(ready[1], "r");
                char c;
                if (read(go[0], &c, 1) != 1) _exit(1);
                std::vector<double> lat;
                const auto end = bench::Clock::now() + std::chrono::duration<double>(seconds);
                for (auto now = bench::Clock::now(); now < end;) {
                    scanner->Scan(codes[next++ % codes.size()]);
                    const auto after = bench::Clock::now();
                    lat.push_back(bench::Ms(after - now));
                    now = after;
                }
                std::sort(lat.begin(), lat.end());
                const double p99 = lat.empty() ? 0 : lat[lat.size() * 99 / 100];
                WriteAll(results[1], std::to_string(lat.size()) + " " + std::to_string(p99) + "\n");
            } catch (const Exception& e) {
                std::fprintf(stderr, "%s\n", e.Message().c_str());
                WriteAll(ready[1], "x");
                _exit(1);
            } catch (const Firebird::FbException& e) {
                std::fprintf(stderr, "%s\n", bench::Describe(e).c_str());
                WriteAll(ready[1], "x");
                _exit(1);
            }
            _exit(0);
        }
        pids.push_back(pid);
    }
    close(ready[1]), close(go[0]), close(results[1]);
    bool failed = false;
    for (int s = 0; s < stations; ++s) {
        char c = 'x';
        if (read(ready[0], &c, 1) != 1 || c != 'r') failed = true;
    }
    WriteAll(go[1], std::string(static_cast<std::size_t>(stations), 'g'));
    close(go[1]);
    std::istringstream in(ReadAll(results[0]));
    close(ready[0]), close(results[0]);
    for (pid_t pid : pids) {
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) failed = true;
    }
    if (failed) throw Exception("Una estación falló");
    Result r;
    double count = 0, p99 = 0;
    while (in >> count >> p99) {
        r.perSecond += count / seconds;
        r.p99 = std::max(r.p99, p99);
    }
    return r;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_stations_bench COMPANY_DATABASE [counts] [seconds]\n");
        return 2;
    }
    const std::string company = argv[1];
    std::vector<int> counts;
    {
        std::istringstream in(argc > 2 ? argv[2] : "1,4,16");
        for (std::string n; std::getline(in, n, ',');) counts.push_back(std::atoi(n.c_str()));
    }
    const double seconds = argc > 3 ? std::atof(argv[3]) : 2;
    const fs::path dir = fs::temp_directory_path() / ("tallyvo-bench-stations-" + std::to_string(getpid()));
    int rc = 0;
    try {
        fs::create_directories(dir);
        fs::copy_file(company, dir / "tallyvo.fdb");
        const char* server = std::getenv("TALLYVO_FB_SERVER");
        const char* pw = std::getenv("TALLYVO_FB_PASSWORD");
        if (!server || !*server || !pw)
            throw Exception("TALLYVO_FB_SERVER y TALLYVO_FB_PASSWORD nombran el servidor (scripts/bench.sh los pone)");
        const Target target{std::string(server) + ":" + (dir / "tallyvo.fdb").string(), pw};
        const std::vector<std::string> codes = Codes(target);
        bench::Header();
        for (int n : counts) {
            const double load = bench::LoadAverage();
            // Project and bare alternate, twice, the better of each kept.
            Result p, b;
            for (int round = 0; round < 2; ++round) {
                Result rp = Run(target, true, n, seconds, codes);
                Result rb = Run(target, false, n, seconds, codes);
                if (rp.perSecond > p.perSecond) p = rp;
                if (rb.perSecond > b.perSecond) b = rb;
            }
            const std::string what = std::to_string(n) + (n == 1 ? " station" : " stations") + " scanning at once";
            bench::Row(what + ", scans/s", {p.perSecond, b.perSecond, (load + bench::LoadAverage()) / 2}, "/s");
            bench::Row(what + ", p99", {p.p99, b.p99, (load + bench::LoadAverage()) / 2}, "ms");
        }
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        rc = 1;
    }
    fs::remove_all(dir);
    return rc;
}
