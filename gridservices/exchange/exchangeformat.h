#pragma once
// Little-endian building blocks of the binary formats: the exchange format
// "VCLDBIF" (header and value tags) and the worksheet records.
#include <cstdint>
#include <cstring>
#include <string>

namespace tv {

inline constexpr char kExchangeSignature[] = "VCLDBIF";
inline constexpr int kExchangeHeaderSize = 12;
inline constexpr std::uint8_t kExchangeVersion = 1;

enum TExchangeTag : std::uint8_t { xtEnd = 0, xtUnassigned = 1, xtNull = 2, xtInteger = 3, xtFloat = 4,
                                   xtString = 5, xtBinary = 6 };

inline void AppendLE16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

inline void AppendLE32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

inline void AppendLEDouble(std::string& out, double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, 8);
    for (int i = 0; i < 8; ++i) out += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

inline std::uint32_t LoadLE32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

inline double LoadLEDouble(const unsigned char* p) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = bits << 8 | p[i];
    double d;
    std::memcpy(&d, &bits, 8);
    return d;
}

} // namespace tv
