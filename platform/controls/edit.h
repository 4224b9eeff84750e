#pragma once
// The edit window class ("Edit"): single or multiple lines of text with a
// caret, a selection, the clipboard and one level of undo. Positions and
// the text limit count characters. Strings go in and out as UTF-8: EM_REPLACESEL
// takes a const char*, EM_GETLINE fills the std::string* in lParam.
#include "platform/wintypes.h"

namespace tv::win {

inline constexpr const char* WC_EDIT = "Edit";

constexpr DWORD ES_LEFT = 0x0000, ES_CENTER = 0x0001, ES_RIGHT = 0x0002, ES_MULTILINE = 0x0004,
                ES_UPPERCASE = 0x0008, ES_LOWERCASE = 0x0010, ES_PASSWORD = 0x0020, ES_AUTOVSCROLL = 0x0040,
                ES_AUTOHSCROLL = 0x0080, ES_NOHIDESEL = 0x0100, ES_OEMCONVERT = 0x0400, ES_READONLY = 0x0800,
                ES_WANTRETURN = 0x1000, ES_NUMBER = 0x2000;

constexpr UINT EM_GETSEL = 0x00B0, EM_SETSEL = 0x00B1, EM_GETRECT = 0x00B2, EM_SETRECT = 0x00B3,
               EM_SETRECTNP = 0x00B4, EM_SCROLL = 0x00B5, EM_LINESCROLL = 0x00B6, EM_SCROLLCARET = 0x00B7,
               EM_GETMODIFY = 0x00B8, EM_SETMODIFY = 0x00B9, EM_GETLINECOUNT = 0x00BA, EM_LINEINDEX = 0x00BB,
               EM_LINELENGTH = 0x00C1, EM_REPLACESEL = 0x00C2, EM_GETLINE = 0x00C4, EM_LIMITTEXT = 0x00C5,
               EM_SETLIMITTEXT = 0x00C5, EM_CANUNDO = 0x00C6, EM_UNDO = 0x00C7, EM_LINEFROMCHAR = 0x00C9,
               EM_SETPASSWORDCHAR = 0x00CC, EM_EMPTYUNDOBUFFER = 0x00CD, EM_GETFIRSTVISIBLELINE = 0x00CE,
               EM_SETREADONLY = 0x00CF, EM_GETPASSWORDCHAR = 0x00D2, EM_SETMARGINS = 0x00D3,
               EM_GETMARGINS = 0x00D4, EM_GETLIMITTEXT = 0x00D5, EM_POSFROMCHAR = 0x00D6, EM_CHARFROMPOS = 0x00D7;

constexpr WPARAM EC_LEFTMARGIN = 0x0001, EC_RIGHTMARGIN = 0x0002, EC_USEFONTINFO = 0xFFFF;

// Notifications, in the high word of WM_COMMAND's wParam.
constexpr WORD EN_SETFOCUS = 0x0100, EN_KILLFOCUS = 0x0200, EN_CHANGE = 0x0300, EN_UPDATE = 0x0400,
               EN_ERRSPACE = 0x0500, EN_MAXTEXT = 0x0501, EN_HSCROLL = 0x0601, EN_VSCROLL = 0x0602;

// The limit a new edit window has, and the largest one.
constexpr int EDIT_DEFAULT_LIMIT = 30000;
constexpr int EDIT_MAX_LIMIT = 0x7FFFFFFE;

void RegisterEditClass();

} // namespace tv::win
