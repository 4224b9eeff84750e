#include "i18n/mofile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/exceptions.h"

namespace tv {

namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kMagicSwapped = 0xde120495;

std::uint32_t Swap(std::uint32_t v) {
    return (v >> 24) | ((v >> 8) & 0xff00) | ((v << 8) & 0xff0000) | (v << 24);
}

class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() { if (fd_ >= 0) ::close(fd_); }
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

TMoFile::TMoFile(const std::string& path, std::uint64_t offset, std::uint64_t size) {
    FileHandle fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) throw Exception("Cannot open file " + path);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        throw Exception("Cannot open file " + path);
    const std::uint64_t fileSize = static_cast<std::uint64_t>(st.st_size);
    if (offset > fileSize) throw Exception("This file is not a valid GNU gettext mo file: " + path);
    if (size == 0) size = fileSize - offset;
    if (size > fileSize - offset) throw Exception("This file is not a valid GNU gettext mo file: " + path);
    // A catalog is small; anything claiming gigabytes is a damaged index.
    if (size > (std::uint64_t(1) << 30)) throw Exception("This file is not a valid GNU gettext mo file: " + path);

    data_.resize(static_cast<std::size_t>(size));
    std::size_t done = 0;
    while (done < data_.size()) {
        ssize_t n = ::pread(fd.get(), data_.data() + done, data_.size() - done,
                            static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            std::string reason = n < 0 ? std::strerror(errno) : "unexpected end of file";
            throw Exception("Cannot map file " + path + " into memory. Reason: " + reason);
        }
        done += static_cast<std::size_t>(n);
    }
    Parse(path);
}

void TMoFile::Parse(const std::string& path) {
    const auto invalid = [&] { return Exception("This file is not a valid GNU gettext mo file: " + path); };
    const std::uint64_t size = data_.size();
    if (size < 28) throw invalid();

    std::uint32_t magic;
    std::memcpy(&magic, data_.data(), 4);
    bool swapped;
    if (magic == kMagic) swapped = false;
    else if (magic == kMagicSwapped) swapped = true;
    else throw invalid();

    const auto word = [&](std::uint64_t at) -> std::uint32_t {
        if (at + 4 > size) throw invalid();
        std::uint32_t v;
        std::memcpy(&v, data_.data() + at, 4);
        return swapped ? Swap(v) : v;
    };

    const std::uint32_t revision = word(4);
    if ((revision >> 16) > 1) throw invalid();
    const std::uint64_t count = word(8);
    const std::uint64_t originals = word(12);
    const std::uint64_t translations = word(16);
    if (originals + count * 8 > size || translations + count * 8 > size) throw invalid();

    const auto text = [&](std::uint64_t table, std::uint64_t i) -> std::string_view {
        const std::uint64_t length = word(table + i * 8);
        const std::uint64_t at = word(table + i * 8 + 4);
        if (at > size || length > size - at) throw invalid();
        return std::string_view(data_.data() + at, static_cast<std::size_t>(length));
    };

    entries_.reserve(static_cast<std::size_t>(count));
    for (std::uint64_t i = 0; i < count; ++i) {
        std::string_view id = text(originals, i);
        std::string_view translation = text(translations, i);
        if (id.empty()) {
            header_ = translation;
            continue;
        }
        const std::size_t nul = id.find('\0');
        if (nul != std::string_view::npos) id = id.substr(0, nul);
        entries_.emplace(id, translation);
    }
}

std::optional<std::string_view> TMoFile::FindForm(std::string_view msgid, std::uint64_t index) const {
    if (msgid.empty()) return std::nullopt;
    auto it = entries_.find(msgid);
    if (it == entries_.end()) return std::nullopt;
    std::string_view forms = it->second;
    for (;;) {
        const std::size_t nul = forms.find('\0');
        if (index == 0) return nul == std::string_view::npos ? forms : forms.substr(0, nul);
        if (nul == std::string_view::npos) return std::nullopt;
        forms.remove_prefix(nul + 1);
        --index;
    }
}

std::optional<std::string_view> TMoFile::Find(std::string_view msgid) const {
    return FindForm(msgid, 0);
}

} // namespace tv
