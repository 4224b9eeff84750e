#pragma once
// Small routines the skin painters and the skin reader share: words of a
// text, ini text split into sections, folders, and published properties
// reached by name.
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/messages.h"
#include "platform/wintypes.h"
#include "skin/skindata.h"

namespace tv {

class TObject;
class TStrings;
class TBitmap;

// Height of the system caption font, 0 when the metrics cannot be read.
int GetCaptionFontHeight();
// A channel sum clamped to 0..255.
int SplitColorValue(int value);

// One section of ini text: its name and its key=value lines.
struct TIniSectionLines {
    std::string Name;
    std::vector<std::string> Lines;
};
using TIniSections = std::vector<TIniSectionLines>;
// Lines beginning with ";" and lines before the first section are left out.
TIniSections SplitIniSections(const TStrings& lines);
std::string GetIniSectionString(const TIniSections& sections, const std::string& section, const std::string& key,
                                const std::string& def);
// "0x" or "0X" introduces hexadecimal; an unreadable value gives the default.
int GetIniSectionInteger(const TIniSections& sections, const std::string& section, const std::string& key, int def);

void FillMessageRecord(win::Message& msg, win::UINT message, win::WPARAM wParam, win::LPARAM lParam,
                       win::LRESULT result = 0);
inline std::string IfThenStr(bool flag, const std::string& a, const std::string& b = {}) { return flag ? a : b; }
inline int IfThenInt(bool flag, int a, int b = 0) { return flag ? a : b; }
inline bool IsBetween(int value, int low, int high) { return low <= value && value <= high; }
inline int MaxOf(int a, int b) { return a > b ? a : b; }
inline int MinOf(int a, int b) { return a < b ? a : b; }
inline int RectWidth(const win::RECT& r) { return r.right - r.left; }
inline int RectHeight(const win::RECT& r) { return r.bottom - r.top; }

// Words are runs of characters outside `separators`; n counts from 1.
int NthWordPosition(int n, std::string_view text, std::string_view separators);
std::string ExtractWordBySet(int n, std::string_view text, std::string_view separators);
int CountWordsBySet(std::string_view text, std::string_view separators);
std::string RemoveChar(std::string_view text, char c);

TCacheInfo MakeCacheInfo(TBitmap* bmp, int x = 0, int y = 0);

// The program's folder with its final separator.
std::string GetProgramFolder();
// A folder name given a final "\" (a final "/" becomes "\"; a single
// character, a drive letter, gets ":\"); empty stays empty.
std::string NormalizeDirectory(const std::string& dir);
// A skin path written with "\" or "/" as a path of this system, its last
// part found without regard to case when no file has the exact name.
std::string LocalSkinPath(const std::string& path);
bool IsAbsoluteSkinPath(const std::string& path);

win::RECT GetWorkArea();

bool HasPublishedProperty(TObject* obj, std::string_view name);
TObject* GetObjectPropertyByName(TObject* obj, std::string_view name);
int GetOrdPropertyByName(TObject* obj, std::string_view name);
void SetOrdPropertyByName(TObject* obj, std::string_view name, int value);

} // namespace tv
