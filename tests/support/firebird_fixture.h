#pragma once
// Demo databases for tests: a general database and a company database created
// from the project's db/ scripts with the embedded engine, laid out as the
// station expects them under a server entry:
//   <entry>/datos/general.fdb and <entry>/datos/<company>/tallyvo.fdb
// The first test program that needs them builds a template once (cached per
// version of the scripts in the temporary folder); each fixture copies it.
#include <string>

#include "tests/support/tempdir.h"

namespace tvtest {

class FirebirdDatabases {
public:
    // Company "001" with `articles` demo articles, and the demo general database.
    explicit FirebirdDatabases(int articles = 300);

    // The folder that plays the server entry (no host: embedded engine).
    std::string ServerEntry() const { return dir_.path().string(); }
    std::string GeneralPath() const;
    std::string CompanyPath(const std::string& company = "001") const;
    const TempDir& Dir() const { return dir_; }
    // The server may run under its own account: let it read and write the copy.
    void OpenToServer() const;

private:
    TempDir dir_;
};

// The repository's root: TALLYVO_SOURCE_DIR, or the folder above the running
// program that holds db/.
std::string SourceRoot();

} // namespace tvtest
