#include "i18n/assemblyanalyzer.h"

#include <cstring>
#include <fstream>
#include <unistd.h>
#include <vector>

#include "core/strutils.h"

namespace tv {

namespace {

// volatile: the packaging step changes these bytes in the file, so the
// compiler must not fold them into the code as zeros.
[[gnu::used]] volatile const unsigned char gMarker[TAssemblyAnalyzer::kMarkerLength] = {
    '6', '6', '3', '7', 'D', 'B', '2', 'E', '-', '6', '2', 'E', '1', '-', '4', 'A', '6', '0', '-', 'A', 'C', '1', '9',
    '-', 'C', '2', '3', '8', '6', '7', '0', '4', '6', 'A', '8', '9', 0, 0, 0, 0, 0, 0, 0, 0};

std::uint64_t ReadLittleEndian(const unsigned char* p) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

std::string ExecutablePath() {
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    return n > 0 ? std::string(buffer.data(), static_cast<std::size_t>(n)) : std::string();
}

const volatile unsigned char* TAssemblyAnalyzer::Marker() { return gMarker; }

bool TAssemblyAnalyzer::CaseLess::operator()(const std::string& a, const std::string& b) const {
    return CompareText(a, b) < 0;
}

TAssemblyAnalyzer::TAssemblyAnalyzer() : executable_(ExecutablePath()), directory_(DirectoryOf(executable_)) {
    unsigned char offset[8];
    for (std::size_t i = 0; i < 8; ++i) offset[i] = gMarker[kMarkerTextLength + i];
    firstEntry_ = ReadLittleEndian(offset);
}

TAssemblyAnalyzer::TAssemblyAnalyzer(std::string executable, std::uint64_t firstEntry)
    : executable_(std::move(executable)), directory_(DirectoryOf(executable_)), firstEntry_(firstEntry) {}

void TAssemblyAnalyzer::ScanAppendedFiles() {
    if (firstEntry_ == 0 || executable_.empty()) return;
    std::ifstream in(executable_, std::ios::binary);
    if (!in) return;
    in.seekg(0, std::ios::end);
    const std::uint64_t fileSize = static_cast<std::uint64_t>(in.tellg());

    // Each entry must lie after the one before it and inside the file, so a
    // damaged chain can neither loop nor read outside the executable.
    std::uint64_t at = firstEntry_;
    while (at != 0 && at <= fileSize && fileSize - at >= 24) {
        unsigned char head[24];
        in.seekg(static_cast<std::streamoff>(at));
        if (!in.read(reinterpret_cast<char*>(head), 24)) return;
        const std::uint64_t next = ReadLittleEndian(head);
        const std::uint64_t offset = ReadLittleEndian(head + 8);
        const std::uint64_t size = ReadLittleEndian(head + 16);
        // A next offset of 0 marks the end of the chain: that entry has no name
        // to read, since its name would run up to the next entry.
        if (next == 0) return;
        if (next < at + 24 || next > fileSize || next - at - 24 > 4096) return;
        std::string name(static_cast<std::size_t>(next - at - 24), '\0');
        if (!in.read(name.data(), static_cast<std::streamsize>(name.size()))) return;
        name = Trim(name);
        if (offset > fileSize || size > fileSize - offset) return;
        if (!name.empty() && !files_.emplace(name, TAssemblyFileInfo{offset, size}).second) return;
        at = next;
    }
}

std::string TAssemblyAnalyzer::Relative(const std::string& path) const {
    if (!directory_.empty() && path.compare(0, directory_.size(), directory_) == 0)
        return path.substr(directory_.size());
    return path;
}

bool TAssemblyAnalyzer::AppendedFileExists(const std::string& path) const {
    return files_.count(Relative(path)) != 0;
}

void TAssemblyAnalyzer::AppendedFileInfo(const std::string& path, std::string& realFile, std::uint64_t& offset,
                                         std::uint64_t& size) const {
    auto it = files_.find(Relative(path));
    if (it == files_.end()) {
        realFile = path;
        offset = 0;
        size = 0;
        return;
    }
    realFile = executable_;
    offset = it->second.offset;
    size = it->second.size;
}

} // namespace tv
