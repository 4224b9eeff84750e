#include "tests/support/tempdir.h"

#include <cstdlib>
#include <stdexcept>
#include <system_error>
#include <unistd.h>

namespace tvtest {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "tallyvo-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot create a temporary folder");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string SourcePath(const std::string& relative) {
    const char* root = std::getenv("TALLYVO_SOURCE_DIR");
    return std::string(root ? root : ".") + "/" + relative;
}

} // namespace tvtest
