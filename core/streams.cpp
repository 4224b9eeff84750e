#include "core/streams.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "core/exceptions.h"
#include "core/rtlconsts.h"
#include "core/sysformat.h"

namespace tv {

// --- TStream -------------------------------------------------------------------

std::int64_t TStream::Size() {
    std::int64_t pos = Seek(0, soCurrent);
    std::int64_t size = Seek(0, soEnd);
    Seek(pos, soBeginning);
    return size;
}

void TStream::SetSize(std::int64_t) {}

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
    if (count != 0 && Read(buffer, count) != count) throw EReadError(LoadResString(SReadError));
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
    if (count != 0 && Write(buffer, count) != count) throw EWriteError(LoadResString(SWriteError));
}

std::string TStream::ReadString(std::int64_t count) {
    if (count < 0 || count > Size() - Position()) throw EReadError(LoadResString(SReadError));
    std::string s(static_cast<std::size_t>(count), '\0');
    ReadBuffer(s.data(), count);
    return s;
}

std::string TStream::ReadToEnd() {
    std::int64_t left = Size() - Position();
    if (left <= 0) return {};
    std::string s(static_cast<std::size_t>(left), '\0');
    s.resize(static_cast<std::size_t>(Read(s.data(), left)));
    return s;
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::int64_t result = count;
    constexpr std::int64_t kBuffer = 61440;
    std::string buffer(static_cast<std::size_t>(std::min(count, kBuffer)), '\0');
    while (count > 0) {
        std::int64_t n = std::min(count, kBuffer);
        source.ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        count -= n;
    }
    return result;
}

// --- TMemoryStream ---------------------------------------------------------------

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count) {
    if (position_ < 0 || count <= 0) return 0;
    std::int64_t n = std::min(count, size_ - position_);
    if (n <= 0) return 0;
    std::memcpy(buffer, data_.data() + position_, static_cast<std::size_t>(n));
    position_ += n;
    return n;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
    if (position_ < 0 || count <= 0) return 0;
    std::int64_t end = position_ + count;
    if (end > size_) {
        if (end > Capacity()) SetCapacity(end);
        size_ = end;
    }
    std::memcpy(data_.data() + position_, buffer, static_cast<std::size_t>(count));
    position_ = end;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    switch (origin) {
    case TSeekOrigin::soBeginning: position_ = offset; break;
    case TSeekOrigin::soCurrent: position_ += offset; break;
    case TSeekOrigin::soEnd: position_ = size_ + offset; break;
    }
    return position_;
}

void TMemoryStream::SetSize(std::int64_t size) {
    if (size < 0) size = 0;
    std::int64_t old = size_;
    SetCapacity(size);
    size_ = size;
    if (size > old) std::fill(data_.begin() + old, data_.begin() + size, 0);
    if (position_ > size) position_ = size;
}

void TMemoryStream::Reserve(std::int64_t size) {
    // The block grows to the capacity that writes up to `size` will ask, in
    // Realloc's steps; the capacity itself moves only as they come.
    if (size <= Capacity()) return;
    try {
        data_.reserve(static_cast<std::size_t>(Realloc(size)));
    } catch (const std::exception&) {
        // A hint the memory cannot meet is dropped.
    }
}

void TMemoryStream::SetCapacity(std::int64_t capacity) {
    std::int64_t c = Realloc(capacity);
    if (c == Capacity()) return;
    try {
        data_.resize(static_cast<std::size_t>(c));
        if (c == 0) data_.shrink_to_fit();
    } catch (const std::bad_alloc&) {
        throw EStreamError(LoadResString(SMemoryStreamError));
    } catch (const std::length_error&) {
        throw EStreamError(LoadResString(SMemoryStreamError));
    }
}

std::int64_t TMemoryStream::Realloc(std::int64_t newCapacity) {
    constexpr std::int64_t kDelta = 8192;
    if (newCapacity > 0 && newCapacity != size_) newCapacity = (newCapacity + (kDelta - 1)) & ~(kDelta - 1);
    return newCapacity;
}

void TMemoryStream::Clear() {
    SetCapacity(0);
    size_ = 0;
    position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream) {
    stream.SetPosition(0);
    std::int64_t count = stream.Size();
    SetSize(count);
    if (count != 0) stream.ReadBuffer(data_.data(), count);
    position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
    TFileStream f(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(f);
}

void TMemoryStream::SaveToStream(TStream& stream) const {
    if (size_ != 0) stream.WriteBuffer(data_.data(), size_);
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
    TFileStream f(fileName, fmCreate);
    SaveToStream(f);
}

// --- TFileStream -----------------------------------------------------------------

TFileStream::TFileStream(const std::string& fileName, unsigned mode) : fileName_(fileName) {
    if (mode == fmCreate) {
        fd_ = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd_ < 0)
            throw EFCreateError(Format(LoadResString(SFCreateErrorEx), fileName, std::string(std::strerror(errno))));
        return;
    }
    int flags = O_CLOEXEC;
    switch (mode & 3) {
    case fmOpenWrite: flags |= O_WRONLY; break;
    case fmOpenReadWrite: flags |= O_RDWR; break;
    default: flags |= O_RDONLY; break;
    }
    fd_ = ::open(fileName.c_str(), flags);
    int err = errno;
    if (fd_ >= 0) {
        struct stat st;
        if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
            ::close(fd_);
            fd_ = -1;
            err = EISDIR;
        }
    }
    if (fd_ < 0) throw EFOpenError(Format(LoadResString(SFOpenErrorEx), fileName, std::string(std::strerror(err))));
    // Exclusive sharing keeps other writers of this program out, as far as
    // advisory locks go.
    unsigned share = mode & 0xF0;
    if (share == fmShareExclusive || share == fmShareDenyWrite) {
        if (::flock(fd_, (share == fmShareExclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
            err = errno;
            ::close(fd_);
            fd_ = -1;
            throw EFOpenError(Format(LoadResString(SFOpenErrorEx), fileName, std::string(std::strerror(err))));
        }
    }
}

TFileStream::~TFileStream() {
    if (fd_ >= 0) ::close(fd_);
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count) {
    std::int64_t total = 0;
    auto* p = static_cast<char*>(buffer);
    while (total < count) {
        ssize_t n = ::read(fd_, p + total, static_cast<std::size_t>(count - total));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        total += n;
    }
    return total;
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count) {
    std::int64_t total = 0;
    auto* p = static_cast<const char*>(buffer);
    while (total < count) {
        ssize_t n = ::write(fd_, p + total, static_cast<std::size_t>(count - total));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        total += n;
    }
    return total;
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
    off_t r = ::lseek(fd_, static_cast<off_t>(offset), whence);
    return r < 0 ? -1 : static_cast<std::int64_t>(r);
}

void TFileStream::SetSize(std::int64_t size) {
    std::int64_t pos = Position();
    if (::ftruncate(fd_, static_cast<off_t>(size)) != 0) throw EStreamError(std::strerror(errno));
    if (pos > size) Seek(size, soBeginning);
}

// --- TStringStream ---------------------------------------------------------------

std::int64_t TStringStream::Read(void* buffer, std::int64_t count) {
    std::int64_t n = std::min(count, Size() - position_);
    if (n <= 0 || position_ < 0) return 0;
    std::memcpy(buffer, data_.data() + position_, static_cast<std::size_t>(n));
    position_ += n;
    return n;
}

std::int64_t TStringStream::Write(const void* buffer, std::int64_t count) {
    if (count <= 0 || position_ < 0) return 0;
    const auto at = static_cast<std::size_t>(position_), n = static_cast<std::size_t>(count);
    if (at == data_.size()) {
        // Writing at the end (an export, a save) appends without filling first.
        data_.append(static_cast<const char*>(buffer), n);
    } else {
        if (at + n > data_.size()) data_.resize(at + n);
        std::memcpy(data_.data() + at, buffer, n);
    }
    position_ += count;
    return count;
}

std::int64_t TStringStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    switch (origin) {
    case TSeekOrigin::soBeginning: position_ = offset; break;
    case TSeekOrigin::soCurrent: position_ += offset; break;
    case TSeekOrigin::soEnd: position_ = Size() + offset; break;
    }
    return position_;
}

void TStringStream::SetSize(std::int64_t size) {
    data_.resize(static_cast<std::size_t>(std::max<std::int64_t>(size, 0)));
    if (position_ > size) position_ = size;
}

void TStringStream::Reserve(std::int64_t size) {
    if (size <= 0 || static_cast<std::uint64_t>(size) <= data_.capacity()) return;
    try {
        data_.reserve(static_cast<std::size_t>(size));
    } catch (const std::exception&) {
        // A hint the memory cannot meet is dropped.
    }
}

std::string TStringStream::ReadStr(std::int64_t count) {
    std::int64_t n = std::min(count, Size() - position_);
    if (n <= 0 || position_ < 0) return {};
    std::string s = data_.substr(static_cast<std::size_t>(position_), static_cast<std::size_t>(n));
    position_ += n;
    return s;
}

// --- little-endian values --------------------------------------------------------

std::uint16_t GetU16LE(const void* p) {
    auto* b = static_cast<const std::uint8_t*>(p);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}
std::uint32_t GetU32LE(const void* p) {
    auto* b = static_cast<const std::uint8_t*>(p);
    return std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) | (std::uint32_t(b[3]) << 24);
}
std::uint64_t GetU64LE(const void* p) {
    auto* b = static_cast<const std::uint8_t*>(p);
    return std::uint64_t(GetU32LE(b)) | (std::uint64_t(GetU32LE(b + 4)) << 32);
}
void PutU16LE(void* p, std::uint16_t v) {
    auto* b = static_cast<std::uint8_t*>(p);
    b[0] = static_cast<std::uint8_t>(v);
    b[1] = static_cast<std::uint8_t>(v >> 8);
}
void PutU32LE(void* p, std::uint32_t v) {
    auto* b = static_cast<std::uint8_t*>(p);
    for (int i = 0; i < 4; ++i) b[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void PutU64LE(void* p, std::uint64_t v) {
    auto* b = static_cast<std::uint8_t*>(p);
    for (int i = 0; i < 8; ++i) b[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint8_t ReadU8(TStream& s) {
    std::uint8_t b;
    s.ReadBuffer(&b, 1);
    return b;
}
std::uint16_t ReadU16LE(TStream& s) {
    std::uint8_t b[2];
    s.ReadBuffer(b, 2);
    return GetU16LE(b);
}
std::uint32_t ReadU32LE(TStream& s) {
    std::uint8_t b[4];
    s.ReadBuffer(b, 4);
    return GetU32LE(b);
}
std::uint64_t ReadU64LE(TStream& s) {
    std::uint8_t b[8];
    s.ReadBuffer(b, 8);
    return GetU64LE(b);
}
double ReadDoubleLE(TStream& s) {
    std::uint64_t bits = ReadU64LE(s);
    double d;
    std::memcpy(&d, &bits, 8);
    return d;
}

void WriteU8(TStream& s, std::uint8_t v) { s.WriteBuffer(&v, 1); }
void WriteU16LE(TStream& s, std::uint16_t v) {
    std::uint8_t b[2];
    PutU16LE(b, v);
    s.WriteBuffer(b, 2);
}
void WriteU32LE(TStream& s, std::uint32_t v) {
    std::uint8_t b[4];
    PutU32LE(b, v);
    s.WriteBuffer(b, 4);
}
void WriteU64LE(TStream& s, std::uint64_t v) {
    std::uint8_t b[8];
    PutU64LE(b, v);
    s.WriteBuffer(b, 8);
}
void WriteDoubleLE(TStream& s, double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, 8);
    WriteU64LE(s, bits);
}

} // namespace tv
