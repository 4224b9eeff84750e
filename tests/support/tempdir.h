#pragma once
// A temporary folder that lives as long as the object, for tests that need real files.
#include <filesystem>
#include <string>

namespace tvtest {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Path of a file in the source tree (test data, resources).
std::string SourcePath(const std::string& relative);

} // namespace tvtest
