#pragma once
// A GNU gettext .mo catalog read into memory. Every offset and length is checked
// against the data before use, so a damaged file is rejected at load time and a
// loaded catalog never reads outside its bytes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tv {

class TMoFile {
public:
    // Reads `size` bytes at `offset` of the file (size 0: up to the end of the
    // file). Raises tv::Exception with the reader's texts when the file cannot be
    // opened or read, or is not a valid catalog.
    TMoFile(const std::string& path, std::uint64_t offset = 0, std::uint64_t size = 0);
    TMoFile(const TMoFile&) = delete;
    TMoFile& operator=(const TMoFile&) = delete;

    // The translation of a plain message id (the first form of a plural entry),
    // nothing when the catalog has no entry. Context entries never match, and
    // the empty id is not an entry.
    std::optional<std::string_view> Find(std::string_view msgid) const;
    // Form `index` (from 0) of the entry of `msgid`; nothing without an entry
    // or when the entry has fewer forms.
    std::optional<std::string_view> FindForm(std::string_view msgid, std::uint64_t index) const;
    // The translation of the empty id: the catalog's header lines.
    std::string_view Header() const { return header_; }

private:
    void Parse(const std::string& path);

    std::string data_;
    std::string_view header_;
    // Key: the id up to its first NUL (the singular of a plural entry).
    std::unordered_map<std::string_view, std::string_view> entries_;
};

} // namespace tv
