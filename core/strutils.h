#pragma once
// String helpers over UTF-8 std::string. Positions are counted from 1 and
// clamp instead of throwing; lengths and positions count characters. Case
// mapping and comparison know the Spanish letters whatever the process locale.
#include <cstdint>
#include <string>
#include <string_view>

namespace tv {

// --- UTF-8 characters -------------------------------------------------------

// Decodes the character at byte offset `pos` and advances `pos` past it. An
// invalid byte decodes as itself (Latin-1) and advances by one, so broken text
// never loops or crashes.
char32_t Utf8Next(std::string_view s, std::size_t& pos);
// Byte offset of the start of the character before byte offset `pos` (0 at the start).
std::size_t Utf8Prev(std::string_view s, std::size_t pos);
// Appends the UTF-8 encoding of `c`.
void Utf8Append(std::string& out, char32_t c);
std::string Utf8Encode(char32_t c);
std::u32string Utf8ToUtf32(std::string_view s);
std::string Utf32ToUtf8(std::u32string_view s);
// Number of characters.
std::size_t Utf8Length(std::string_view s);
// Byte offset of the character with 0-based index `index` (s.size() when past the end).
std::size_t Utf8Offset(std::string_view s, std::size_t index);
// 0-based character index of byte offset `offset`.
std::size_t Utf8IndexOf(std::string_view s, std::size_t offset);
// True when the text is well-formed UTF-8.
bool IsValidUtf8(std::string_view s);
// Text read from a Latin-1 source, made UTF-8 (valid UTF-8 passes unchanged).
std::string EnsureUtf8(std::string_view s);

char32_t CharUpper(char32_t c);
char32_t CharLower(char32_t c);
bool IsLetter(char32_t c);
bool IsDigit(char32_t c);

// --- 1-based positions, character counts -------------------------------------

int Length(std::string_view s);
// Up to `count` characters from character position `index` (1-based); clamps.
std::string Copy(std::string_view s, int index, int count);
// Position (1-based, in characters) of `sub` in `s`, 0 when absent or empty.
int Pos(std::string_view sub, std::string_view s);
int PosEx(std::string_view sub, std::string_view s, int offset = 1);
// Deletes `count` characters from position `index`; clamps.
void Delete(std::string& s, int index, int count);
// Inserts `sub` before character position `index`; clamps.
void Insert(std::string_view sub, std::string& s, int index);
std::string LeftStr(std::string_view s, int count);
std::string RightStr(std::string_view s, int count);
std::string MidStr(std::string_view s, int index, int count);

// --- case --------------------------------------------------------------------

std::string AnsiUpperCase(std::string_view s);
std::string AnsiLowerCase(std::string_view s);
// The same mapping: the station's texts are Spanish whatever the locale.
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
// <0, 0, >0. The Ansi forms order letters as a Spanish reader expects:
// accents sort beside their base letter, ñ after n.
int AnsiCompareStr(std::string_view a, std::string_view b);
int AnsiCompareText(std::string_view a, std::string_view b);
// Bytes whose order (std::string's) is AnsiCompareStr's (withCase) or
// AnsiCompareText's order of the texts: a sort computes one per row instead of
// collating at every comparison.
std::string AnsiCollationKey(std::string_view s, bool withCase);
// The same key appended to `out`, so that many keys can share one buffer.
void AppendCollationKey(std::string& out, std::string_view s, bool withCase);
bool AnsiSameText(std::string_view a, std::string_view b);
bool AnsiSameStr(std::string_view a, std::string_view b);
bool AnsiStartsText(std::string_view sub, std::string_view s);
bool AnsiEndsText(std::string_view sub, std::string_view s);
int AnsiPos(std::string_view sub, std::string_view s);
// CompareText/SameText fold ASCII letters and, so that user texts behave,
// the Spanish letters as well; ordering is by code point.
int CompareText(std::string_view a, std::string_view b);
int CompareStr(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);

// --- trimming, quoting, replacing ---------------------------------------------

// Trimming removes spaces and control characters (<= ' ').
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);
std::string QuotedStr(std::string_view s);
std::string AnsiQuotedStr(std::string_view s, char quote);
// Removes the quotes of a quoted text and undoubles the inner ones; text not
// starting with the quote comes back unchanged.
std::string AnsiDequotedStr(std::string_view s, char quote);

enum class TReplaceFlag : unsigned { rfReplaceAll = 1, rfIgnoreCase = 2 };
class TReplaceFlags {
public:
    constexpr TReplaceFlags() = default;
    constexpr TReplaceFlags(TReplaceFlag f) : bits_(static_cast<unsigned>(f)) {}
    constexpr TReplaceFlags operator|(TReplaceFlag f) const { return FromBits(bits_ | static_cast<unsigned>(f)); }
    constexpr bool Contains(TReplaceFlag f) const { return (bits_ & static_cast<unsigned>(f)) != 0; }

private:
    static constexpr TReplaceFlags FromBits(unsigned b) { TReplaceFlags r; r.bits_ = b; return r; }
    unsigned bits_ = 0;
};
constexpr TReplaceFlags operator|(TReplaceFlag a, TReplaceFlag b) { return TReplaceFlags(a) | b; }
inline constexpr TReplaceFlag rfReplaceAll = TReplaceFlag::rfReplaceAll;
inline constexpr TReplaceFlag rfIgnoreCase = TReplaceFlag::rfIgnoreCase;

std::string StringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags = {});
std::string StringOfChar(char c, int count);
std::string StringOfChar(char32_t c, int count);
std::string DupeString(std::string_view s, int count);

// --- integers -----------------------------------------------------------------

std::string IntToStr(std::int64_t value);
// Upper-case hex, zero-padded to at least `digits`.
std::string IntToHex(std::int64_t value, int digits);
// Decimal, optionally signed, or hex with "$" or "0x"; surrounding blanks allowed.
// Raises EConvertError "'x' is not a valid integer value".
int StrToInt(std::string_view s);
std::int64_t StrToInt64(std::string_view s);
int StrToIntDef(std::string_view s, int def);
std::int64_t StrToInt64Def(std::string_view s, std::int64_t def);
bool TryStrToInt(std::string_view s, int& value);
bool TryStrToInt64(std::string_view s, std::int64_t& value);
// "True"/"False" and numbers (0 false); raises EConvertError otherwise.
bool StrToBool(std::string_view s);
bool StrToBoolDef(std::string_view s, bool def);
bool TryStrToBool(std::string_view s, bool& value);
std::string BoolToStr(bool b, bool useBoolStrs = false);

} // namespace tv
