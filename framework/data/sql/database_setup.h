#pragma once
// Creates the station's databases from the SQL scripts of the project's db/
// folder: db/general/*.sql for the general database, db/company/*.sql for a
// company database (schema, procedures and the settings), each in name order,
// and, when asked, the demo data of db/demo/. Runs with the embedded engine
// when the paths carry no host.
#include <string>

namespace tv::fb {

struct CompanyDemo {
    std::string name;   // goes into the setting "NOMBRE COMPAÑIA"
    int articles = 300; // how many demo articles to make
    std::string kind = "SUPERMERCADO"; // what the shop sells: SUPERMERCADO or FERRETERIA
};

// The scripts folder of a source tree: <root>/db.
std::string ScriptsFolder(const std::string& sourceRoot);

void CreateGeneralDatabase(const std::string& path, const std::string& scriptsDir, bool withDemo);
// A null demo gives an empty company with its settings.
void CreateCompanyDatabase(const std::string& path, const std::string& scriptsDir, const CompanyDemo* demo);

} // namespace tv::fb
