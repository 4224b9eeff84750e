// Reading the settings store, as the station does at every look-up of its
// application folder (every line of the error log among them): a store of
// 1,000, 5,000 and 20,000 keys read after it changed, and read again while it
// has not (just written, and a few seconds later); against reading the same file's lines and keeping each section in
// a hash table, the least any reader of it does.
//   bench_registry_bench [rounds [keys...]]   other sizes than these three
// The store is the bench's own, in a temporary folder removed at the end.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "bench/benchtable.h"
#include "core/exceptions.h"
#include "core/registry.h"

using namespace tv;
namespace fs = std::filesystem;

namespace {

const char* const kKey = "\\Software\\Orvane\\Tallyvo2008";

std::string StoreText(int keys, const std::string& folder) {
    std::ostringstream out;
    out << "[Software]\n\n[Software\\Orvane]\n\n[Software\\Orvane\\Tallyvo2008]\n\"Directorio\"=\"" << folder
        << "\"\n\n";
    for (int i = 0; i < keys; ++i)
        out << "[Software\\Orvane\\Puestos\\Puesto" << i << "]\n\"Puerto\"=\"COM" << i % 8
            << "\"\n\"Velocidad\"=dword:00002580\n\n";
    return out.str();
}

// The bare side: the file's lines, each section kept by name.
std::size_t BareRead(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::unordered_set<std::string> sections;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] == '[') sections.insert(line);
    return sections.size();
}

std::string ReadFolder() {
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    return reg.OpenKeyReadOnly(kKey) ? reg.ReadString("Directorio") : std::string();
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 9;
    std::vector<int> sizes;
    for (int i = 2; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty()) sizes = {1000, 5000, 20000};
    std::string tmpl = (fs::temp_directory_path() / "tallyvo-bench-registry-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) return 1;
    const fs::path dir = tmpl;
    setenv("TALLYVO_REGISTRY_DIR", dir.c_str(), 1);
    const std::string file = (dir / "HKEY_LOCAL_MACHINE.reg").string();
    int status = 0;
    try {
        bench::Header();
        for (int keys : sizes) {
            // Each round finds another file in place, as after another
            // process's write: the same size, another folder.
            const std::string texts[] = {StoreText(keys, "/srv/tallyvo0"), StoreText(keys, "/srv/tallyvo1")};
            int round = 0;
            auto replace = [&] {
                ++round;
                std::ofstream(file + ".nuevo", std::ios::binary) << texts[round % 2];
                fs::rename(file + ".nuevo", file);
            };
            bench::Pair changed = bench::Interleave(
                rounds,
                [&] {
                    replace();
                    const std::string expected = "/srv/tallyvo" + std::to_string(round % 2);
                    return bench::Time([&] {
                        if (ReadFolder() != expected) throw Exception("the folder was not read");
                    });
                },
                [&] { return bench::Time([&] { BareRead(file); }); });
            bench::Row("registry: folder from a changed store of " + std::to_string(keys) + " keys", changed, "ms");
        }
        // The largest store again, unchanged: just written, its bytes are
        // compared with those read; two seconds later, one look at the file.
        auto same = [&](const std::string& when) {
            bench::Pair p = bench::Interleave(
                rounds, [&] { return bench::Time([&] { ReadFolder(); }); },
                [&] { return bench::Time([&] { BareRead(file); }); });
            bench::Row("registry: folder from the same store of " + std::to_string(sizes.back()) + " keys, " + when, p,
                       "ms");
        };
        same("new");
        sleep(3);
        same("3 s old");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        status = 1;
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
    return status;
}
