#include "skin/skinutils.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/properties.h"
#include "core/stringlist.h"
#include "core/strutils.h"
#include "platform/window/sysmetrics.h"

namespace tv {

using namespace win;

int GetCaptionFontHeight() {
    NONCLIENTMETRICS ncm;
    if (!SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0)) return 0;
    return ncm.lfCaptionFont.lfHeight;
}

int SplitColorValue(int value) {
    if (value < 0) return 0;
    if (value > 254) return 255;
    return value;
}

TIniSections SplitIniSections(const TStrings& lines) {
    TIniSections result;
    for (int i = 0; i < lines.Count(); ++i) {
        std::string line = Trim(lines.Strings(i));
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            result.push_back({line.substr(1, line.size() - 2), {}});
        } else if (!result.empty()) {
            result.back().Lines.push_back(line);
        }
    }
    return result;
}

std::string GetIniSectionString(const TIniSections& sections, const std::string& section, const std::string& key,
                                const std::string& def) {
    for (const auto& s : sections) {
        if (s.Name != section) continue;
        for (const auto& line : s.Lines) {
            auto eq = line.find('=');
            if (eq != std::string::npos && Trim(line.substr(0, eq)) == key) return line.substr(eq + 1);
        }
        return def;
    }
    return def;
}

int GetIniSectionInteger(const TIniSections& sections, const std::string& section, const std::string& key, int def) {
    std::string v = Trim(GetIniSectionString(sections, section, key, {}));
    if (v.empty()) return def;
    try {
        if (v.size() > 2 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X')) return int(std::stoul(v.substr(2), nullptr, 16));
    } catch (...) {
        return def;
    }
    int n = 0;
    return TryStrToInt(v, n) ? n : def;
}

void FillMessageRecord(Message& msg, UINT message, WPARAM wParam, LPARAM lParam, LRESULT result) {
    msg.Msg = message;
    msg.WParam = wParam;
    msg.LParam = lParam;
    msg.Result = result;
}

namespace {
bool IsSep(char c, std::string_view seps) { return seps.find(c) != std::string_view::npos; }
} // namespace

int NthWordPosition(int n, std::string_view text, std::string_view separators) {
    int count = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsSep(text[i], separators)) ++i;
        if (i >= text.size()) break;
        if (++count == n) return int(i) + 1;
        while (i < text.size() && !IsSep(text[i], separators)) ++i;
    }
    return 0;
}

std::string ExtractWordBySet(int n, std::string_view text, std::string_view separators) {
    int pos = NthWordPosition(n, text, separators);
    if (pos == 0) return {};
    std::size_t i = std::size_t(pos - 1), j = i;
    while (j < text.size() && !IsSep(text[j], separators)) ++j;
    return std::string(text.substr(i, j - i));
}

int CountWordsBySet(std::string_view text, std::string_view separators) {
    int count = 0;
    bool inWord = false;
    for (char c : text) {
        bool sep = IsSep(c, separators);
        if (!sep && !inWord) ++count;
        inWord = !sep;
    }
    return count;
}

std::string RemoveChar(std::string_view text, char c) {
    std::string r;
    for (char x : text)
        if (x != c) r += x;
    return r;
}

TCacheInfo MakeCacheInfo(TBitmap* bmp, int x, int y) { return FillCacheInfo(bmp, x, y); }

std::string GetProgramFolder() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    return exe.parent_path().string() + "/";
}

std::string NormalizeDirectory(const std::string& dir) {
    if (dir.empty()) return dir;
    std::string r = dir;
    if (r.back() == '/') r.back() = '\\';
    else if (r.size() == 1) r += ":\\";
    else if (r.back() != '\\') r += '\\';
    return r;
}

bool IsAbsoluteSkinPath(const std::string& path) {
    return path.find(':') != std::string::npos || (!path.empty() && (path[0] == '/' || path[0] == '\\'));
}

std::string LocalSkinPath(const std::string& path) {
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    // Doubled separators from joined parts are harmless but untidy.
    std::string clean;
    for (char c : p)
        if (!(c == '/' && !clean.empty() && clean.back() == '/')) clean += c;
    namespace fs = std::filesystem;
    std::error_code ec;
    if (clean.empty() || fs::exists(clean, ec)) return clean;
    // Skin files are named by people on systems that ignore case.
    fs::path fp(clean);
    fs::path dir = fp.parent_path().empty() ? fs::path(".") : fp.parent_path();
    std::string wanted = UpperCase(fp.filename().string());
    for (const auto& e : fs::directory_iterator(dir, ec)) {
        if (UpperCase(e.path().filename().string()) == wanted) return e.path().string();
    }
    return clean;
}

RECT GetWorkArea() {
    RECT r;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

bool HasPublishedProperty(TObject* obj, std::string_view name) {
    return obj && GetPropInfo(obj, name) != nullptr;
}

TObject* GetObjectPropertyByName(TObject* obj, std::string_view name) {
    if (!obj) return nullptr;
    const TPropInfo* p = GetPropInfo(obj, name);
    if (!p) return nullptr;
    switch (p->Kind()) {
    case TPropKind::Object:
    case TPropKind::Collection:
    case TPropKind::StringList:
    case TPropKind::ComponentRef: return p->GetObject(obj);
    default: return nullptr;
    }
}

int GetOrdPropertyByName(TObject* obj, std::string_view name) {
    if (!obj) return -1;
    const TPropInfo* p = GetPropInfo(obj, name);
    if (!p) return -1;
    try {
        return int(p->GetOrd(obj));
    } catch (...) {
        return -1;
    }
}

void SetOrdPropertyByName(TObject* obj, std::string_view name, int value) {
    if (!obj) return;
    if (const TPropInfo* p = GetPropInfo(obj, name)) p->SetOrd(obj, value);
}

} // namespace tv
