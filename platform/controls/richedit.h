#pragma once
// The rich-edit window class: formatted paragraphs (font, size, bold, italic,
// underline, strike-out, colour, alignment) with a caret, a selection and the
// clipboard's "Rich Text Format"; RTF and plain text streamed in and out; and
// the format-range request that lays a range of the text onto a device
// context. Positions count characters; a paragraph break counts as one
// (WM_GETTEXT gives it as CR LF). Strings go in and out as UTF-8.
//
// It also answers the edit window's messages (selection, replacement, lines,
// limit, modified flag). Lines are the shown lines: paragraphs, or their
// wrapped rows when the window wraps (no ES_AUTOHSCROLL and no WS_HSCROLL).
#include <string>

#include "platform/controls/edit.h"
#include "platform/window/messages.h"
#include "platform/wintypes.h"

namespace tv::win {

inline constexpr const char* WC_RICHEDIT = "RichEdit";

constexpr UINT EM_EXGETSEL = WM_USER + 52, EM_EXLIMITTEXT = WM_USER + 53, EM_EXLINEFROMCHAR = WM_USER + 54,
               EM_EXSETSEL = WM_USER + 55, EM_FINDTEXT = WM_USER + 56, EM_FORMATRANGE = WM_USER + 57,
               EM_GETCHARFORMAT = WM_USER + 58, EM_GETEVENTMASK = WM_USER + 59, EM_GETPARAFORMAT = WM_USER + 61,
               EM_GETSELTEXT = WM_USER + 62, EM_SETBKGNDCOLOR = WM_USER + 67, EM_SETCHARFORMAT = WM_USER + 68,
               EM_SETEVENTMASK = WM_USER + 69, EM_SETPARAFORMAT = WM_USER + 71, EM_STREAMIN = WM_USER + 73,
               EM_STREAMOUT = WM_USER + 74, EM_GETTEXTRANGE = WM_USER + 75, EM_FINDTEXTEX = WM_USER + 79,
               EM_GETTEXTLENGTHEX = WM_USER + 95;

// Event mask (EM_SETEVENTMASK) and notifications: EN_CHANGE comes as
// WM_COMMAND, EN_SELCHANGE as WM_NOTIFY with a SELCHANGE.
constexpr DWORD ENM_NONE = 0, ENM_CHANGE = 0x1, ENM_SELCHANGE = 0x80000;
constexpr UINT EN_SELCHANGE = 0x0702;

struct CHARRANGE {
    LONG cpMin = 0;
    LONG cpMax = 0; // -1: the end of the text
};

struct SELCHANGE {
    HWND hwndFrom = nullptr; // the header of WM_NOTIFY records
    UINT_PTR idFrom = 0;
    UINT code = 0;
    CHARRANGE chrg;
    WORD seltyp = 0;
};

// Character formats. Sizes are in twips (a twentieth of a point).
constexpr DWORD CFM_BOLD = 0x1, CFM_ITALIC = 0x2, CFM_UNDERLINE = 0x4, CFM_STRIKEOUT = 0x8,
                CFM_FACE = 0x20000000, CFM_COLOR = 0x40000000, CFM_SIZE = 0x80000000,
                CFM_ALL = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_FACE | CFM_COLOR | CFM_SIZE;
constexpr DWORD CFE_BOLD = 0x1, CFE_ITALIC = 0x2, CFE_UNDERLINE = 0x4, CFE_STRIKEOUT = 0x8,
                CFE_AUTOCOLOR = 0x40000000;
// EM_SETCHARFORMAT targets; EM_GETCHARFORMAT takes SCF_DEFAULT or SCF_SELECTION.
constexpr WPARAM SCF_DEFAULT = 0x0, SCF_SELECTION = 0x1, SCF_ALL = 0x4;

struct CHARFORMAT {
    DWORD dwMask = 0;
    DWORD dwEffects = 0;
    LONG yHeight = 0;
    COLORREF crTextColor = 0;
    std::string szFaceName;
};

constexpr DWORD PFM_ALIGNMENT = 0x8;
constexpr WORD PFA_LEFT = 1, PFA_RIGHT = 2, PFA_CENTER = 3, PFA_JUSTIFY = 4;

struct PARAFORMAT {
    DWORD dwMask = 0;
    WORD wAlignment = PFA_LEFT;
};

// Streams. The callback is given a buffer to fill (stream-in) or to take
// (stream-out) and sets *pcb to the bytes it moved; any non-zero result stops
// the stream and is kept in dwError.
using EDITSTREAMCALLBACK = DWORD (*)(UINT_PTR cookie, BYTE* buffer, LONG cb, LONG* pcb);

struct EDITSTREAM {
    UINT_PTR dwCookie = 0;
    DWORD dwError = 0;
    EDITSTREAMCALLBACK pfnCallback = nullptr;
};

constexpr WPARAM SF_TEXT = 0x1, SF_RTF = 0x2, SFF_SELECTION = 0x8000;
// dwError of a stream-in whose bytes are not RTF, or nest deeper than the reader follows.
constexpr DWORD RICHEDIT_BAD_RTF = 0xFFFFFFFE;

// EM_FORMATRANGE: rc and rcPage are in twips of hdc's resolution. The text
// in chrg that fits in rc is laid out (and drawn when wParam is not 0); the
// result is the first character that did not fit (the range's end when all
// did) and rc.bottom becomes the bottom of the last line laid out. When rc's
// top is the page's top at least one line is laid out, so a request always
// makes progress. A null lParam releases what was kept between requests.
struct FORMATRANGE {
    HDC hdc = nullptr;
    HDC hdcTarget = nullptr;
    RECT rc;
    RECT rcPage;
    CHARRANGE chrg;
};

constexpr WPARAM FR_DOWN = 0x1, FR_WHOLEWORD = 0x2, FR_MATCHCASE = 0x4;

struct FINDTEXTEX {
    CHARRANGE chrg;
    std::string lpstrText;
    CHARRANGE chrgText; // EM_FINDTEXTEX: where it was found
};
using FINDTEXT = FINDTEXTEX;

struct TEXTRANGE {
    CHARRANGE chrg;
    std::string* lpstrText = nullptr;
};

constexpr DWORD GTL_DEFAULT = 0, GTL_USECRLF = 1;
struct GETTEXTLENGTHEX {
    DWORD flags = GTL_DEFAULT;
    UINT codepage = 0;
};

// Text a new window takes before it is limited otherwise, as EM_EXLIMITTEXT 0 sets it.
constexpr int RICHEDIT_DEFAULT_LIMIT = 64000;

void RegisterRichEditClass();

} // namespace tv::win
