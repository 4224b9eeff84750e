#include "platform/clipboard/clipboard.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "platform/backend/backend.h"

namespace tv::win {

namespace {

struct Clipboard {
    std::vector<std::string> names; // registered formats, id = 0xC000 + index
    std::map<UINT, std::vector<BYTE>> data;
    bool open = false;
    bool putSinceOpen = false;
    HWND opener = nullptr;
    HWND owner = nullptr;
    // The desktop's text as this program last put or saw it.
    std::string shared;
};

Clipboard& Board() {
    static Clipboard c;
    return c;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

bool IsText(UINT f) { return f == CF_TEXT || f == CF_UNICODETEXT; }

void KeepText(Clipboard& c, std::vector<BYTE> block) {
    c.data[CF_TEXT] = block;
    c.data[CF_UNICODETEXT] = std::move(block);
}

// The text the desktop holds: another program's copy there replaces
// everything this one put, its own formats too.
Clipboard& Followed() {
    Clipboard& c = Board();
    std::string host = CurrentBackend().ClipboardText();
    if (host == c.shared) return c;
    c.shared = host;
    c.data.clear();
    c.owner = nullptr;
    if (!host.empty()) {
        std::vector<BYTE> block(host.begin(), host.end());
        block.push_back(0);
        KeepText(c, std::move(block));
    }
    return c;
}

void Share(Clipboard& c, const std::string& text) {
    Backend& host = CurrentBackend();
    host.SetClipboardText(text);
    // As the desktop gives it back, so that only another program's copy counts as a change.
    c.shared = host.ClipboardText();
}

} // namespace

UINT RegisterClipboardFormat(const std::string& name) {
    if (name.empty()) return 0;
    Clipboard& c = Board();
    std::string key = Lower(name);
    for (std::size_t i = 0; i < c.names.size(); ++i)
        if (Lower(c.names[i]) == key) return UINT(0xC000 + i);
    if (c.names.size() >= 0x3FFF) return 0;
    c.names.push_back(name);
    return UINT(0xC000 + c.names.size() - 1);
}

std::string GetClipboardFormatName(UINT format) {
    Clipboard& c = Board();
    if (format < 0xC000 || format - 0xC000 >= c.names.size()) return {};
    return c.names[format - 0xC000];
}

BOOL OpenClipboard(HWND owner) {
    Clipboard& c = Board();
    if (c.open) return FALSE;
    c.open = true;
    c.putSinceOpen = false;
    c.opener = owner;
    return TRUE;
}

BOOL CloseClipboard() {
    Clipboard& c = Board();
    if (!c.open) return FALSE;
    c.open = false;
    return TRUE;
}

BOOL EmptyClipboard() {
    Clipboard& c = Board();
    if (!c.open) return FALSE;
    c.data.clear();
    c.owner = c.opener;
    c.putSinceOpen = true;
    Share(c, "");
    return TRUE;
}

BOOL SetClipboardData(UINT format, std::vector<BYTE> data) {
    Clipboard& c = Board();
    if (!c.open || format == 0) return FALSE;
    if (!c.putSinceOpen) EmptyClipboard();
    if (IsText(format)) {
        // The block is kept as given; the text is what comes before its 0 byte.
        std::string text(data.begin(), std::find(data.begin(), data.end(), BYTE(0)));
        KeepText(c, std::move(data));
        Share(c, text);
        return TRUE;
    }
    c.data[format] = std::move(data);
    return TRUE;
}

BOOL SetClipboardText(const std::string& utf8) {
    std::vector<BYTE> block(utf8.begin(), utf8.end());
    block.push_back(0);
    return SetClipboardData(CF_UNICODETEXT, std::move(block));
}

bool GetClipboardData(UINT format, std::vector<BYTE>& data) {
    if (!Board().open) return false;
    Clipboard& c = Followed();
    auto it = c.data.find(format);
    if (it == c.data.end()) return false;
    data = it->second;
    return true;
}

bool GetClipboardText(std::string& utf8) {
    std::vector<BYTE> data;
    if (!GetClipboardData(CF_UNICODETEXT, data)) return false;
    utf8.assign(data.begin(), std::find(data.begin(), data.end(), BYTE(0)));
    return true;
}

BOOL IsClipboardFormatAvailable(UINT format) { return Followed().data.count(format) ? TRUE : FALSE; }

std::vector<UINT> EnumClipboardFormats() {
    std::vector<UINT> out;
    for (auto& [f, d] : Followed().data) out.push_back(f);
    return out;
}

int CountClipboardFormats() { return int(Followed().data.size()); }

HWND GetClipboardOwner() { return Followed().owner; }

} // namespace tv::win
