#pragma once
// A settings store of the program's own, for the developer tools and the
// benchmarks that run the station's code: a temporary folder, removed when
// the object goes, whose store names a folder inside it as the application
// folder. The station's code then writes its error log and reads its files
// there, never in the user's store or the folders it names.
#include <string>

namespace tvtools {

class OwnStore {
public:
    // Raises std::runtime_error when the folder or the store cannot be made.
    OwnStore();
    ~OwnStore();
    OwnStore(const OwnStore&) = delete;
    OwnStore& operator=(const OwnStore&) = delete;

    const std::string& ApplicationFolder() const { return application_; }

private:
    std::string folder_, application_;
};

} // namespace tvtools
