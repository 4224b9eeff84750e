#include "framework/data/sql/database_setup.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "framework/data/sql/fb_database.h"
#include "framework/data/sql/fb_statement.h"
#include "framework/data/sql/sql_script.h"

namespace tv::fb {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> ScriptsOf(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.is_regular_file() && e.path().extension() == ".sql")
            files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

// Loading runs without synchronous writes, which would make it many times
// slower; the finished database gets them back (see Finish).
void CreateFrom(FbDatabase& db, const std::string& path, const std::string& folder) {
    fs::create_directories(fs::path(path).parent_path());
    ConnectOptions options;
    options.forcedWrites = 0;
    db.Create(path, options);
    for (const std::string& script : ScriptsOf(folder))
        RunSqlScriptFile(db, script);
}

void SetContext(FbDatabase& db, const std::string& name, const std::string& value) {
    FbStatement q(db);
    q.Prepare("SELECT RDB$SET_CONTEXT('USER_SESSION', ?, ?) FROM RDB$DATABASE");
    q.Params().SetString(0, name);
    q.Params().SetString(1, value);
    q.Execute();
}

void Finish(FbDatabase& db, const std::string& path) {
    db.Close();
    ConnectOptions options;
    options.forcedWrites = 1;
    db.Open(path, options);
    db.Close();
}

} // namespace

std::string ScriptsFolder(const std::string& sourceRoot) { return (fs::path(sourceRoot) / "db").string(); }

void CreateGeneralDatabase(const std::string& path, const std::string& scriptsDir, bool withDemo) {
    FbDatabase db;
    CreateFrom(db, path, (fs::path(scriptsDir) / "general").string());
    if (withDemo)
        RunSqlScriptFile(db, (fs::path(scriptsDir) / "demo" / "general.sql").string());
    Finish(db, path);
}

void CreateCompanyDatabase(const std::string& path, const std::string& scriptsDir, const CompanyDemo* demo) {
    FbDatabase db;
    CreateFrom(db, path, (fs::path(scriptsDir) / "company").string());
    if (demo) {
        SetContext(db, "DEMO_NOMBRE", demo->name);
        SetContext(db, "DEMO_ARTICULOS", std::to_string(demo->articles));
        SetContext(db, "DEMO_TIPO", demo->kind);
        RunSqlScriptFile(db, (fs::path(scriptsDir) / "demo" / "company.sql").string());
    }
    Finish(db, path);
}

} // namespace tv::fb
