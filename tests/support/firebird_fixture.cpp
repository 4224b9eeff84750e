#include "tests/support/firebird_fixture.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>

#include "framework/data/sql/database_setup.h"

namespace tvtest {

namespace fs = std::filesystem;

std::string SourceRoot() {
    if (const char* root = std::getenv("TALLYVO_SOURCE_DIR"))
        return root;
    std::error_code ec;
    fs::path p = fs::read_symlink("/proc/self/exe", ec).parent_path();
    for (; !p.empty() && p != p.root_path(); p = p.parent_path())
        if (fs::exists(p / "db" / "company"))
            return p.string();
#ifdef TALLYVO_SOURCE_DIR
    return TALLYVO_SOURCE_DIR;
#else
    throw std::runtime_error("no se encuentra la carpeta db/ del proyecto");
#endif
}

namespace {

// A key that changes whenever a script changes.
std::string ScriptsKey(const fs::path& db, int articles) {
    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(db))
        if (e.is_regular_file())
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    std::size_t h = std::hash<int>{}(articles);
    for (const fs::path& f : files) {
        std::ifstream in(f, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        h = h * 1099511628211ULL ^ std::hash<std::string>{}(f.filename().string() + text.str());
    }
    std::ostringstream key;
    key << std::hex << h;
    return key.str();
}

// Builds the template once per script version; other processes wait on the lock.
fs::path Template(int articles) {
    fs::path db = fs::path(SourceRoot()) / "db";
    fs::path cache = fs::temp_directory_path() / ("tallyvo-fbcache-" + std::to_string(getuid())) /
                     ScriptsKey(db, articles);
    fs::create_directories(cache);
    int fd = open((cache / "lock").c_str(), O_CREAT | O_RDWR, 0600);
    if (fd < 0 || flock(fd, LOCK_EX) != 0)
        throw std::runtime_error("no se pudo bloquear " + cache.string());
    try {
        if (!fs::exists(cache / "ready")) {
            fs::remove_all(cache / "datos");
            tv::fb::CreateGeneralDatabase((cache / "datos" / "general.fdb").string(), db.string(), true);
            tv::fb::CompanyDemo demo{"Supermercado La Economía", articles};
            tv::fb::CreateCompanyDatabase((cache / "datos" / "001" / "tallyvo.fdb").string(), db.string(), &demo);
            std::ofstream(cache / "ready") << "ok\n";
        }
    } catch (...) {
        close(fd);
        throw;
    }
    close(fd);
    return cache / "datos";
}

} // namespace

FirebirdDatabases::FirebirdDatabases(int articles) {
    fs::copy(Template(articles), dir_.path() / "datos", fs::copy_options::recursive);
}

void FirebirdDatabases::OpenToServer() const {
    fs::permissions(dir_.path(), fs::perms::all, fs::perm_options::add);
    for (const auto& e : fs::recursive_directory_iterator(dir_.path()))
        fs::permissions(e.path(), fs::perms::all, fs::perm_options::add);
}

std::string FirebirdDatabases::GeneralPath() const { return ServerEntry() + "/datos/general.fdb"; }

std::string FirebirdDatabases::CompanyPath(const std::string& company) const {
    return ServerEntry() + "/datos/" + company + "/tallyvo.fdb";
}

} // namespace tvtest
