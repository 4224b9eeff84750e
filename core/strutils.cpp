#include "core/strutils.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

#include "core/exceptions.h"
#include "core/sysconsts.h"
#include "core/sysformat.h"

namespace tv {

namespace {

// One character of the text: its code point, its byte length and whether the
// bytes were well-formed UTF-8 (an ill-formed byte stands for itself, Latin-1).
struct Decoded {
    char32_t cp;
    std::size_t len;
    bool valid;
};

Decoded DecodeAt(std::string_view s, std::size_t pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) return {b0, 1, true};
    std::size_t need;
    char32_t cp;
    if ((b0 & 0xE0) == 0xC0) { need = 1; cp = b0 & 0x1F; }
    else if ((b0 & 0xF0) == 0xE0) { need = 2; cp = b0 & 0x0F; }
    else if ((b0 & 0xF8) == 0xF0) { need = 3; cp = b0 & 0x07; }
    else return {b0, 1, false};
    if (pos + need >= s.size()) return {b0, 1, false};
    for (std::size_t i = 1; i <= need; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) return {b0, 1, false};
        cp = (cp << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are not characters.
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[need] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {b0, 1, false};
    return {cp, need + 1, true};
}

// Case mapping for Latin-1 and Latin Extended-A, enough for Spanish and the
// other languages of the region.
char32_t ToUpper(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c < 0x80) return c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x137 && (c & 1)) return c - 1;
    if (c >= 0x139 && c <= 0x148 && !(c & 1)) return c - 1;
    if (c >= 0x14A && c <= 0x177 && (c & 1)) return c - 1;
    if (c >= 0x179 && c <= 0x17E && !(c & 1)) return c - 1;
    return c;
}

char32_t ToLower(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c < 0x80) return c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c == 0x178) return 0xFF;
    if (c >= 0x100 && c <= 0x137 && !(c & 1)) return c + 1;
    if (c >= 0x139 && c <= 0x148 && (c & 1)) return c + 1;
    if (c >= 0x14A && c <= 0x177 && !(c & 1)) return c + 1;
    if (c >= 0x179 && c <= 0x17E && (c & 1)) return c + 1;
    return c;
}

// Maps every well-formed character and keeps ill-formed bytes as they are.
template <class F>
std::string MapChars(std::string_view s, F map) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) {
        const Decoded d = DecodeAt(s, pos);
        if (d.valid) Utf8Append(out, map(d.cp));
        else out.append(s.substr(pos, d.len));
        pos += d.len;
    }
    return out;
}

// Lower-cases without changing any byte offset, for searching.
std::string FoldSameLength(std::string_view s) {
    std::string out(s);
    for (std::size_t pos = 0; pos < s.size();) {
        const Decoded d = DecodeAt(s, pos);
        if (d.valid) {
            const std::string enc = Utf8Encode(ToLower(d.cp));
            if (enc.size() == d.len) out.replace(pos, d.len, enc);
        }
        pos += d.len;
    }
    return out;
}

// Collation of letters as a Spanish reader orders them: the base letter first
// (ñ is its own letter after n), then the accent, then the case.
struct Weights {
    std::uint32_t primary;
    std::uint8_t secondary;
    std::uint8_t tertiary; // 0 lower, 1 upper
};

Weights WeightOf(char32_t c) {
    const bool upper = ToLower(c) != c;
    const char32_t lc = ToLower(c);
    auto letter = [&](char base, std::uint8_t accent) {
        return Weights{0x300u + static_cast<std::uint32_t>(base - 'a') * 4u, accent, static_cast<std::uint8_t>(upper)};
    };
    if (lc >= 'a' && lc <= 'z') return letter(static_cast<char>(lc), 0);
    if (c >= '0' && c <= '9') return {0x200u + (c - '0'), 0, 0};
    if (c < 0x80) return {c, 0, 0};
    switch (lc) {
    case 0xE0: return letter('a', 2);
    case 0xE1: return letter('a', 1);
    case 0xE2: return letter('a', 3);
    case 0xE3: return letter('a', 5);
    case 0xE4: return letter('a', 4);
    case 0xE5: return letter('a', 6);
    case 0xE7: return letter('c', 7);
    case 0xE8: return letter('e', 2);
    case 0xE9: return letter('e', 1);
    case 0xEA: return letter('e', 3);
    case 0xEB: return letter('e', 4);
    case 0xEC: return letter('i', 2);
    case 0xED: return letter('i', 1);
    case 0xEE: return letter('i', 3);
    case 0xEF: return letter('i', 4);
    case 0xF1: { Weights w = letter('n', 0); w.primary += 2; return w; }
    case 0xF2: return letter('o', 2);
    case 0xF3: return letter('o', 1);
    case 0xF4: return letter('o', 3);
    case 0xF5: return letter('o', 5);
    case 0xF6: return letter('o', 4);
    case 0xF8: return letter('o', 8);
    case 0xF9: return letter('u', 2);
    case 0xFA: return letter('u', 1);
    case 0xFB: return letter('u', 3);
    case 0xFC: return letter('u', 4);
    case 0xFD: return letter('y', 1);
    case 0xFF: return letter('y', 4);
    default: return {0x1000u + lc, 0, static_cast<std::uint8_t>(upper)};
    }
}

int Sign(long long v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

// Compares level by level (letters, then accents, then case) without
// allocating: sorting long lists calls this a great many times.
int Collate(std::string_view a, std::string_view b, bool withCase) {
    for (int level = 0; level < (withCase ? 3 : 2); ++level) {
        std::size_t pa = 0, pb = 0;
        while (pa < a.size() && pb < b.size()) {
            const Decoded da = DecodeAt(a, pa), db = DecodeAt(b, pb);
            pa += da.len;
            pb += db.len;
            const Weights wa = WeightOf(da.cp), wb = WeightOf(db.cp);
            const std::uint32_t x = level == 0 ? wa.primary : level == 1 ? wa.secondary : wa.tertiary;
            const std::uint32_t y = level == 0 ? wb.primary : level == 1 ? wb.secondary : wb.tertiary;
            if (x != y) return x < y ? -1 : 1;
        }
        if (level == 0 && (pa < a.size() || pb < b.size())) return pa < a.size() ? 1 : -1;
    }
    return 0;
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

} // namespace

// --- UTF-8 -------------------------------------------------------------------

char32_t Utf8Next(std::string_view s, std::size_t& pos) {
    if (pos >= s.size()) return 0;
    const Decoded d = DecodeAt(s, pos);
    pos += d.len;
    return d.cp;
}

std::size_t Utf8Prev(std::string_view s, std::size_t pos) {
    if (pos == 0) return 0;
    pos = std::min(pos, s.size());
    std::size_t start = pos - 1;
    // Walk back over at most three continuation bytes, then check the lead byte
    // really covers them; otherwise the last byte stands alone.
    std::size_t k = start;
    for (int i = 0; i < 3 && k > 0 && (static_cast<unsigned char>(s[k]) & 0xC0) == 0x80; ++i) --k;
    const Decoded d = DecodeAt(s, k);
    if (k + d.len == pos) return k;
    return start;
}

void Utf8Append(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string Utf8Encode(char32_t c) {
    std::string s;
    Utf8Append(s, c);
    return s;
}

std::u32string Utf8ToUtf32(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) out += Utf8Next(s, pos);
    return out;
}

std::string Utf32ToUtf8(std::u32string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char32_t c : s) Utf8Append(out, c);
    return out;
}

std::size_t Utf8Length(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < s.size(); ++n) pos += DecodeAt(s, pos).len;
    return n;
}

std::size_t Utf8Offset(std::string_view s, std::size_t index) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < index && pos < s.size(); ++i) pos += DecodeAt(s, pos).len;
    return pos;
}

std::size_t Utf8IndexOf(std::string_view s, std::size_t offset) {
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < s.size() && pos < offset; ++n) pos += DecodeAt(s, pos).len;
    return n;
}

bool IsValidUtf8(std::string_view s) {
    for (std::size_t pos = 0; pos < s.size();) {
        const Decoded d = DecodeAt(s, pos);
        if (!d.valid) return false;
        pos += d.len;
    }
    return true;
}

std::string EnsureUtf8(std::string_view s) {
    if (IsValidUtf8(s)) return std::string(s);
    std::string out;
    for (std::size_t pos = 0; pos < s.size();) Utf8Append(out, Utf8Next(s, pos));
    return out;
}

char32_t CharUpper(char32_t c) { return ToUpper(c); }
char32_t CharLower(char32_t c) { return ToLower(c); }

bool IsLetter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || ToLower(c) != ToUpper(c) || c == 0xDF;
}

bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }

// --- positions -----------------------------------------------------------------

int Length(std::string_view s) { return static_cast<int>(Utf8Length(s)); }

std::string Copy(std::string_view s, int index, int count) {
    if (index < 1) index = 1;
    if (count <= 0) return {};
    const std::size_t from = Utf8Offset(s, static_cast<std::size_t>(index - 1));
    if (from >= s.size()) return {};
    std::size_t to = from;
    for (int i = 0; i < count && to < s.size(); ++i) to += DecodeAt(s, to).len;
    return std::string(s.substr(from, to - from));
}

int Pos(std::string_view sub, std::string_view s) { return PosEx(sub, s, 1); }

int PosEx(std::string_view sub, std::string_view s, int offset) {
    if (sub.empty() || offset < 1) return 0;
    const std::size_t from = Utf8Offset(s, static_cast<std::size_t>(offset - 1));
    if (from >= s.size()) return 0;
    const std::size_t at = s.find(sub, from);
    if (at == std::string_view::npos) return 0;
    return static_cast<int>(Utf8IndexOf(s, at)) + 1;
}

void Delete(std::string& s, int index, int count) {
    if (index < 1 || count <= 0) return;
    const std::size_t from = Utf8Offset(s, static_cast<std::size_t>(index - 1));
    if (from >= s.size()) return;
    std::size_t to = from;
    for (int i = 0; i < count && to < s.size(); ++i) to += DecodeAt(s, to).len;
    s.erase(from, to - from);
}

void Insert(std::string_view sub, std::string& s, int index) {
    if (index < 1) index = 1;
    s.insert(Utf8Offset(s, static_cast<std::size_t>(index - 1)), sub);
}

std::string LeftStr(std::string_view s, int count) { return Copy(s, 1, count); }

std::string RightStr(std::string_view s, int count) {
    const int len = Length(s);
    if (count >= len) return std::string(s);
    return Copy(s, len - count + 1, count);
}

std::string MidStr(std::string_view s, int index, int count) { return Copy(s, index, count); }

// --- case ------------------------------------------------------------------------

std::string AnsiUpperCase(std::string_view s) { return MapChars(s, ToUpper); }
std::string AnsiLowerCase(std::string_view s) { return MapChars(s, ToLower); }
std::string UpperCase(std::string_view s) { return AnsiUpperCase(s); }
std::string LowerCase(std::string_view s) { return AnsiLowerCase(s); }

int AnsiCompareStr(std::string_view a, std::string_view b) {
    const int r = Collate(a, b, true);
    if (r != 0) return r;
    // Distinct texts never compare equal: fall back to the bytes.
    return Sign(a.compare(b));
}

int AnsiCompareText(std::string_view a, std::string_view b) { return Collate(a, b, false); }

namespace {

// A letter's weight in a collation key: one byte for the weights of ASCII, the
// digits and the letters (every weight below 0x1000), in their order; any other
// weight is kWideWeight and three bytes, above them all. No code is 0, which
// ends the letters' part of a key.
constexpr unsigned char kWideWeight = 0xF0;

unsigned char NarrowCode(std::uint32_t primary) {
    if (primary < 0x80) return static_cast<unsigned char>(primary + 1);
    if (primary >= 0x200 && primary <= 0x209) return static_cast<unsigned char>(0x81 + (primary - 0x200));
    return static_cast<unsigned char>(0x8B + (primary - 0x300));
}

struct AsciiKey {
    char primary, secondary, tertiary;
};

// The ASCII characters' key bytes, from the same weights as every other character.
const std::array<AsciiKey, 128>& AsciiKeys() {
    static const std::array<AsciiKey, 128> table = [] {
        std::array<AsciiKey, 128> t{};
        for (char32_t c = 0; c < 128; ++c) {
            const Weights w = WeightOf(c);
            t[c] = {static_cast<char>(NarrowCode(w.primary)), static_cast<char>(w.secondary),
                    static_cast<char>(w.tertiary)};
        }
        return t;
    }();
    return table;
}

} // namespace

void AppendCollationKey(std::string& out, std::string_view s, bool withCase) {
    // The letters' weights, an end below any weight so that a shorter text comes
    // first, then the accents and the case (as many as the letters, so equal
    // letters leave them the same length), then the bytes that break a tie.
    // The accents and the case are written past the room the letters may take
    // and moved down after them.
    const std::size_t n = s.size(), base = out.size();
    out.resize(base + 6 * n + 1);
    char* const primary = out.data() + base;
    char* const secondary = primary + 4 * n + 1;
    char* const tertiary = secondary + n;
    const std::array<AsciiKey, 128>& ascii = AsciiKeys();
    std::size_t chars = 0, p = 0;
    for (std::size_t pos = 0; pos < n; ++chars) {
        const auto b = static_cast<unsigned char>(s[pos]);
        if (b < 0x80) {
            const AsciiKey& k = ascii[b];
            primary[p++] = k.primary;
            secondary[chars] = k.secondary;
            tertiary[chars] = k.tertiary;
            ++pos;
            continue;
        }
        const Decoded d = DecodeAt(s, pos);
        pos += d.len;
        const Weights w = WeightOf(d.cp);
        if (w.primary < 0x1000) {
            primary[p++] = static_cast<char>(NarrowCode(w.primary));
        } else {
            primary[p++] = static_cast<char>(kWideWeight);
            primary[p++] = static_cast<char>(w.primary >> 16);
            primary[p++] = static_cast<char>(w.primary >> 8);
            primary[p++] = static_cast<char>(w.primary);
        }
        secondary[chars] = static_cast<char>(w.secondary);
        tertiary[chars] = static_cast<char>(w.tertiary);
    }
    primary[p++] = '\0';
    std::memmove(primary + p, secondary, chars);
    p += chars;
    if (withCase) {
        std::memmove(primary + p, tertiary, chars);
        p += chars;
    }
    out.resize(base + p);
    if (withCase) out.append(s);
}

std::string AnsiCollationKey(std::string_view s, bool withCase) {
    std::string key;
    AppendCollationKey(key, s, withCase);
    return key;
}

bool AnsiSameText(std::string_view a, std::string_view b) { return AnsiCompareText(a, b) == 0; }
bool AnsiSameStr(std::string_view a, std::string_view b) { return a == b; }

bool AnsiStartsText(std::string_view sub, std::string_view s) {
    const int n = Length(sub);
    return n <= Length(s) && AnsiSameText(Copy(s, 1, n), sub);
}

bool AnsiEndsText(std::string_view sub, std::string_view s) {
    const int n = Length(sub);
    return n <= Length(s) && AnsiSameText(RightStr(s, n), sub);
}

int AnsiPos(std::string_view sub, std::string_view s) { return Pos(sub, s); }

int CompareText(std::string_view a, std::string_view b) {
    // Field and component names are ASCII: their bytes compare without decoding,
    // up to the first byte of another character on either side.
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t pa = 0;
    for (; pa < common; ++pa) {
        const auto x = static_cast<unsigned char>(a[pa]), y = static_cast<unsigned char>(b[pa]);
        if ((x | y) >= 0x80) break;
        const unsigned char lx = x >= 'A' && x <= 'Z' ? x + 32 : x, ly = y >= 'A' && y <= 'Z' ? y + 32 : y;
        if (lx != ly) return lx < ly ? -1 : 1;
    }
    std::size_t pb = pa;
    while (pa < a.size() && pb < b.size()) {
        const char32_t ca = ToLower(Utf8Next(a, pa)), cb = ToLower(Utf8Next(b, pb));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (pa < a.size()) return 1;
    if (pb < b.size()) return -1;
    return 0;
}

int CompareStr(std::string_view a, std::string_view b) { return Sign(a.compare(b)); }
bool SameText(std::string_view a, std::string_view b) { return CompareText(a, b) == 0; }

// --- trimming, quoting, replacing ---------------------------------------------------

std::string Trim(std::string_view s) { return TrimLeft(TrimRight(s)); }

std::string TrimLeft(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    return std::string(s.substr(i));
}

std::string TrimRight(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && IsBlank(s[n - 1])) --n;
    return std::string(s.substr(0, n));
}

std::string QuotedStr(std::string_view s) { return AnsiQuotedStr(s, '\''); }

std::string AnsiQuotedStr(std::string_view s, char quote) {
    std::string out;
    out.reserve(s.size() + 2);
    out += quote;
    for (char c : s) {
        out += c;
        if (c == quote) out += quote;
    }
    out += quote;
    return out;
}

std::string AnsiDequotedStr(std::string_view s, char quote) {
    if (s.empty() || s[0] != quote) return std::string(s);
    std::string out;
    std::size_t i = 1;
    for (; i < s.size(); ++i) {
        if (s[i] == quote) {
            if (i + 1 < s.size() && s[i + 1] == quote) {
                out += quote;
                ++i;
            } else {
                return out;
            }
        } else {
            out += s[i];
        }
    }
    // No closing quote: the text was not a quoted one.
    return std::string(s);
}

std::string StringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags) {
    if (oldPattern.empty()) return std::string(s);
    const bool ignoreCase = flags.Contains(rfIgnoreCase);
    const std::string hay = ignoreCase ? FoldSameLength(s) : std::string(s);
    const std::string needle = ignoreCase ? FoldSameLength(oldPattern) : std::string(oldPattern);
    std::string out;
    std::size_t from = 0;
    while (true) {
        const std::size_t at = hay.find(needle, from);
        if (at == std::string::npos) break;
        out.append(s.substr(from, at - from));
        out.append(newPattern);
        from = at + needle.size();
        if (!flags.Contains(rfReplaceAll)) break;
    }
    out.append(s.substr(from));
    return out;
}

std::string StringOfChar(char c, int count) { return count > 0 ? std::string(static_cast<std::size_t>(count), c) : ""; }

std::string StringOfChar(char32_t c, int count) { return DupeString(Utf8Encode(c), count); }

std::string DupeString(std::string_view s, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out.append(s);
    return out;
}

// --- integers ---------------------------------------------------------------------------

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

std::string IntToHex(std::int64_t value, int digits) {
    static const char kHex[] = "0123456789ABCDEF";
    auto u = static_cast<std::uint64_t>(value);
    std::string out;
    do {
        out += kHex[u & 0xF];
        u >>= 4;
    } while (u != 0);
    while (static_cast<int>(out.size()) < digits) out += '0';
    std::reverse(out.begin(), out.end());
    return out;
}

bool TryStrToInt64(std::string_view s, std::int64_t& value) {
    std::size_t i = 0, n = s.size();
    while (i < n && IsBlank(s[i])) ++i;
    while (n > i && IsBlank(s[n - 1])) --n;
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    int base = 10;
    if (i < n && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= n) return false;
    std::uint64_t acc = 0;
    const std::uint64_t limit = negative ? static_cast<std::uint64_t>(INT64_MAX) + 1 : static_cast<std::uint64_t>(INT64_MAX);
    for (; i < n; ++i) {
        const char c = s[i];
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else return false;
        if (base == 16) {
            // Hex is a bit pattern: up to 16 digits, two's complement.
            if (acc >> 60) return false;
            acc = acc * 16 + static_cast<std::uint64_t>(d);
        } else {
            if (acc > (limit - static_cast<std::uint64_t>(d)) / 10) return false;
            acc = acc * 10 + static_cast<std::uint64_t>(d);
        }
    }
    if (base == 16) {
        const auto v = static_cast<std::int64_t>(acc);
        value = negative ? -v : v;
    } else {
        value = negative ? static_cast<std::int64_t>(0 - acc) : static_cast<std::int64_t>(acc);
    }
    return true;
}

bool TryStrToInt(std::string_view s, int& value) {
    std::int64_t v;
    if (!TryStrToInt64(s, v)) return false;
    bool hex = s.find('$') != std::string_view::npos || s.find("0x") != std::string_view::npos ||
               s.find("0X") != std::string_view::npos;
    if (hex && v >= 0 && v <= 0xFFFFFFFFll) {
        value = static_cast<int>(static_cast<std::uint32_t>(v));
        return true;
    }
    if (v < INT_MIN || v > INT_MAX) return false;
    value = static_cast<int>(v);
    return true;
}

int StrToInt(std::string_view s) {
    int v;
    if (!TryStrToInt(s, v)) throw EConvertError(Format(LoadResString(SInvalidInteger), s));
    return v;
}

std::int64_t StrToInt64(std::string_view s) {
    std::int64_t v;
    if (!TryStrToInt64(s, v)) throw EConvertError(Format(LoadResString(SInvalidInteger), s));
    return v;
}

int StrToIntDef(std::string_view s, int def) {
    int v;
    return TryStrToInt(s, v) ? v : def;
}

std::int64_t StrToInt64Def(std::string_view s, std::int64_t def) {
    std::int64_t v;
    return TryStrToInt64(s, v) ? v : def;
}

bool TryStrToBool(std::string_view s, bool& value) {
    const std::string t = Trim(s);
    if (SameText(t, "True")) { value = true; return true; }
    if (SameText(t, "False")) { value = false; return true; }
    std::int64_t n;
    if (TryStrToInt64(t, n)) { value = n != 0; return true; }
    return false;
}

bool StrToBool(std::string_view s) {
    bool v;
    if (!TryStrToBool(s, v)) throw EConvertError(Format(LoadResString(SInvalidBoolean), s));
    return v;
}

bool StrToBoolDef(std::string_view s, bool def) {
    bool v;
    return TryStrToBool(s, v) ? v : def;
}

std::string BoolToStr(bool b, bool useBoolStrs) {
    if (useBoolStrs) return b ? "True" : "False";
    return b ? "-1" : "0";
}

} // namespace tv
