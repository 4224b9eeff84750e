#pragma once
// Streams: TStream and its memory, file and string forms, with little-endian
// helpers. ReadBuffer/WriteBuffer raise EReadError "Stream read error" and
// EWriteError "Stream write error" when fewer bytes move than asked.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/object.h"

namespace tv {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };
inline constexpr TSeekOrigin soBeginning = TSeekOrigin::soBeginning;
inline constexpr TSeekOrigin soCurrent = TSeekOrigin::soCurrent;
inline constexpr TSeekOrigin soEnd = TSeekOrigin::soEnd;

class TStream : public TObject {
    TV_CLASS(TStream, TObject)
public:
    // Moves up to `count` bytes; returns how many moved.
    virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
    virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
    // Returns the new position.
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

    std::int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t pos) { Seek(pos, soBeginning); }
    virtual std::int64_t Size();
    virtual void SetSize(std::int64_t size);
    // Room to grow to `size` bytes without moving the bytes held, for a writer
    // that knows roughly how much it will write. Only a hint: size, position
    // and bytes stay as they are, and a stream may ignore it.
    virtual void Reserve(std::int64_t size) { (void)size; }

    void ReadBuffer(void* buffer, std::int64_t count);
    void WriteBuffer(const void* buffer, std::int64_t count);
    void WriteString(const std::string& bytes) { WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size())); }
    // Reads `count` bytes (raising the read error when fewer are left).
    std::string ReadString(std::int64_t count);
    // The bytes from the position to the end.
    std::string ReadToEnd();

    // Copies `count` bytes from `source`; 0 copies the whole source from its start.
    // Returns the number copied.
    std::int64_t CopyFrom(TStream& source, std::int64_t count);
};

class TMemoryStream : public TStream {
    TV_CLASS(TMemoryStream, TStream)
public:
    TMemoryStream() = default;

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override { return size_; }
    void SetSize(std::int64_t size) override;
    void Reserve(std::int64_t size) override;

    std::uint8_t* Memory() { return data_.data(); }
    const std::uint8_t* Memory() const { return data_.data(); }
    std::int64_t Capacity() const { return static_cast<std::int64_t>(data_.size()); }
    std::string DataString() const { return std::string(reinterpret_cast<const char*>(data_.data()), size_); }
    void Clear();

    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::string& fileName);
    void SaveToStream(TStream& stream) const;
    void SaveToFile(const std::string& fileName) const;

protected:
    // The capacity to allocate for a request of `newCapacity` bytes; the base
    // rounds up to steps of 8192. Raises EStreamError "Out of memory while
    // expanding memory stream" when the block cannot be had.
    virtual std::int64_t Realloc(std::int64_t newCapacity);

private:
    void SetCapacity(std::int64_t capacity);
    std::vector<std::uint8_t> data_;
    std::int64_t size_ = 0;
    std::int64_t position_ = 0;
};

// File open modes: one access mode combined with one share mode, or fmCreate.
inline constexpr unsigned fmCreate = 0xFFFF;
inline constexpr unsigned fmOpenRead = 0x0000;
inline constexpr unsigned fmOpenWrite = 0x0001;
inline constexpr unsigned fmOpenReadWrite = 0x0002;
inline constexpr unsigned fmShareCompat = 0x0000;
inline constexpr unsigned fmShareExclusive = 0x0010;
inline constexpr unsigned fmShareDenyWrite = 0x0020;
inline constexpr unsigned fmShareDenyRead = 0x0030;
inline constexpr unsigned fmShareDenyNone = 0x0040;

class TFileStream : public TStream {
    TV_CLASS(TFileStream, TStream)
public:
    // fmCreate creates or empties the file (EFCreateError "Cannot create file
    // "x". <reason>"); the other modes open an existing file (EFOpenError
    // "Cannot open file "x". <reason>").
    TFileStream(const std::string& fileName, unsigned mode);
    ~TFileStream() override;

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    void SetSize(std::int64_t size) override;
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
    int fd_ = -1;
};

class TStringStream : public TStream {
    TV_CLASS(TStringStream, TStream)
public:
    explicit TStringStream(std::string data = {}) : data_(std::move(data)) {}

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(data_.size()); }
    void SetSize(std::int64_t size) override;
    void Reserve(std::int64_t size) override;

    const std::string& DataString() const { return data_; }
    // Reads up to `count` characters' bytes from the position.
    std::string ReadStr(std::int64_t count);
    void WriteStr(const std::string& s) { Write(s.data(), static_cast<std::int64_t>(s.size())); }

private:
    std::string data_;
    std::int64_t position_ = 0;
};

// --- little-endian values ------------------------------------------------------

std::uint8_t ReadU8(TStream& s);
std::uint16_t ReadU16LE(TStream& s);
std::uint32_t ReadU32LE(TStream& s);
std::uint64_t ReadU64LE(TStream& s);
inline std::int16_t ReadI16LE(TStream& s) { return static_cast<std::int16_t>(ReadU16LE(s)); }
inline std::int32_t ReadI32LE(TStream& s) { return static_cast<std::int32_t>(ReadU32LE(s)); }
inline std::int64_t ReadI64LE(TStream& s) { return static_cast<std::int64_t>(ReadU64LE(s)); }
double ReadDoubleLE(TStream& s);

void WriteU8(TStream& s, std::uint8_t v);
void WriteU16LE(TStream& s, std::uint16_t v);
void WriteU32LE(TStream& s, std::uint32_t v);
void WriteU64LE(TStream& s, std::uint64_t v);
inline void WriteI16LE(TStream& s, std::int16_t v) { WriteU16LE(s, static_cast<std::uint16_t>(v)); }
inline void WriteI32LE(TStream& s, std::int32_t v) { WriteU32LE(s, static_cast<std::uint32_t>(v)); }
inline void WriteI64LE(TStream& s, std::int64_t v) { WriteU64LE(s, static_cast<std::uint64_t>(v)); }
void WriteDoubleLE(TStream& s, double v);

// The same over byte buffers.
std::uint16_t GetU16LE(const void* p);
std::uint32_t GetU32LE(const void* p);
std::uint64_t GetU64LE(const void* p);
void PutU16LE(void* p, std::uint16_t v);
void PutU32LE(void* p, std::uint32_t v);
void PutU64LE(void* p, std::uint64_t v);

} // namespace tv
