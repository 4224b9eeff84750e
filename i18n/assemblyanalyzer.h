#pragma once
// The index of files appended to the executable. A packaging step writes the
// offset of the first entry into the 8 bytes that follow the marker text in the
// executable; as built those bytes are zero and nothing is appended.
#include <cstdint>
#include <map>
#include <string>

namespace tv {

struct TAssemblyFileInfo {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

class TAssemblyAnalyzer {
public:
    // The index of the running executable.
    TAssemblyAnalyzer();
    // The index of `executable`, whose entry chain starts at `firstEntry`
    // (0: nothing appended).
    TAssemblyAnalyzer(std::string executable, std::uint64_t firstEntry);

    // Reads the entry chain. A damaged chain ends the scan and keeps what was read.
    void ScanAppendedFiles();
    // `path` is relative to the executable's directory, or absolute below it.
    bool AppendedFileExists(const std::string& path) const;
    // The file to read, with the entry's offset and size; the path itself with
    // zeros when it is not appended.
    void AppendedFileInfo(const std::string& path, std::string& realFile, std::uint64_t& offset,
                          std::uint64_t& size) const;

    const std::string& Executable() const { return executable_; }
    // The 44-byte marker of this executable: the 36 marker characters, then the
    // 8-byte little-endian offset the packaging step fills in.
    static const volatile unsigned char* Marker();
    static constexpr std::size_t kMarkerTextLength = 36;
    static constexpr std::size_t kMarkerLength = 44;

private:
    std::string Relative(const std::string& path) const;

    struct CaseLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };

    std::string executable_;
    std::string directory_;
    std::uint64_t firstEntry_ = 0;
    std::map<std::string, TAssemblyFileInfo, CaseLess> files_;
};

// Full path of the running executable.
std::string ExecutablePath();

} // namespace tv
