#include "tools/support/ownstore.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "app/data/archivos.h"
#include "core/registry.h"

namespace tvtools {

namespace fs = std::filesystem;

OwnStore::OwnStore() {
    std::string tmpl = (fs::temp_directory_path() / "tallyvo-tool-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot make a temporary folder for the settings store");
    folder_ = tmpl;
    application_ = folder_ + "/aplicacion";
    fs::create_directories(application_);
    ::setenv("TALLYVO_REGISTRY_DIR", (folder_ + "/registro").c_str(), 1);
    tv::TRegistry reg;
    reg.SetRootKey(tv::HKEY_LOCAL_MACHINE);
    if (!reg.OpenKey(tv::app::kClaveAplicacion, true))
        throw std::runtime_error("cannot write the settings store in " + folder_);
    reg.WriteString(tv::app::kValorDirectorio, application_);
}

OwnStore::~OwnStore() {
    std::error_code ec;
    fs::remove_all(folder_, ec);
}

} // namespace tvtools
