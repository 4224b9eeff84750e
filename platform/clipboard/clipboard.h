#pragma once
// The clipboard: formats registered by name, several formats at once, text
// as UTF-8. The text formats are the display backend's clipboard (the
// desktop's, on the desktop backend): text put here pastes in other
// programs, and a copy made in another program replaces everything this
// one put, its own formats too. Other formats stay in the process.
#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace tv::win {

// Standard formats. CF_TEXT and CF_UNICODETEXT both hold UTF-8 here: putting
// either makes both available.
constexpr UINT CF_TEXT = 1, CF_BITMAP = 2, CF_DIB = 8, CF_UNICODETEXT = 13, CF_ENHMETAFILE = 14;

// The same name always gives the same id (from 0xC000 up, compared without
// case, as Windows does); 0 for an empty name.
UINT RegisterClipboardFormat(const std::string& name);
// The name of a registered format, empty for a standard or unknown one.
std::string GetClipboardFormatName(UINT format);

// Opening is owned by one caller at a time: a second OpenClipboard fails
// until CloseClipboard.
BOOL OpenClipboard(HWND owner);
BOOL CloseClipboard();
// Empties it and makes the opener its owner. Fails when it is not open.
BOOL EmptyClipboard();
// Puts a block of bytes under a format, kept as given; the first put after
// opening empties the clipboard. Text blocks end with a 0 byte. Fails (FALSE) when it is not open or the format is 0.
BOOL SetClipboardData(UINT format, std::vector<BYTE> data);
// Puts the text with its 0 byte; reading text stops at the first 0 byte.
BOOL SetClipboardText(const std::string& utf8);
// Needs the clipboard open; an absent format gives false.
bool GetClipboardData(UINT format, std::vector<BYTE>& data);
bool GetClipboardText(std::string& utf8);
// Works without opening.
BOOL IsClipboardFormatAvailable(UINT format);
std::vector<UINT> EnumClipboardFormats();
int CountClipboardFormats();
HWND GetClipboardOwner();

} // namespace tv::win
