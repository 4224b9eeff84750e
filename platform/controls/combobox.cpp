// The combo box window procedure. The items live in its list box; the
// combo box passes its CB_ messages on as the matching LB_ ones.
#include "platform/controls/combobox.h"

#include <algorithm>
#include <string>

#include "core/strutils.h"
#include "platform/controls/controlclass.h"
#include "platform/controls/edit.h"
#include "platform/controls/listbox.h"
#include "platform/controls/ownerdraw.h"
#include "platform/controls/windowstate.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/edges.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"
#include "platform/window/cursor.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/desktop.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/window.h"

namespace tv::win {

namespace {

constexpr int kEditId = 1001, kListId = 1000;

struct ComboState {
    HWND edit = nullptr;
    HWND list = nullptr;
    HFONT font = nullptr;
    bool dropped = false;
    bool focused = false;
    int droppedWidth = 0;
    int minVisible = 8;
    int itemHeight = 0;
    int selOnDrop = -1;
    WNDPROC editPrev = nullptr;
    WNDPROC editProc = nullptr;
};

const WindowStateProp<ComboState> kState{"TvComboState"};
ComboState* State(HWND w) { return kState.Get(w); }
DWORD Kind(HWND w) { return DWORD(GetWindowLong(w, GWL_STYLE)) & 3; }
DWORD Style(HWND w) { return DWORD(GetWindowLong(w, GWL_STYLE)); }

void Notify(HWND w, WORD code) {
    if (HWND p = GetParent(w)) SendMessage(p, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w), code), reinterpret_cast<LPARAM>(w));
}

int ButtonWidth() { return GetSystemMetrics(SM_CXVSCROLL); }

RECT ItemRect(HWND w) {
    RECT r;
    GetClientRect(w, &r);
    if (Kind(w) != CBS_SIMPLE) r.right -= ButtonWidth();
    if (Kind(w) == CBS_SIMPLE) {
        ComboState* s = State(w);
        int h = s && s->itemHeight > 0 ? s->itemHeight : 0;
        if (h <= 0) {
            HDC dc = CreateCompatibleDC(nullptr);
            HGDIOBJ old = SelectObject(dc, s && s->font ? s->font : GetStockObject(DEFAULT_GUI_FONT));
            TEXTMETRIC tm;
            GetTextMetrics(dc, &tm);
            SelectObject(dc, old);
            DeleteDC(dc);
            h = tm.tmHeight;
        }
        r.bottom = std::min<LONG>(r.bottom, h + 6);
    }
    return r;
}

std::string ItemText(ComboState& s, int i) {
    std::string t;
    if (i >= 0) SendMessage(s.list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(&t));
    return t;
}

int CurSel(ComboState& s) { return int(SendMessage(s.list, LB_GETCURSEL, 0, 0)); }

// The edit shows the selected item's text, all of it selected.
void ShowSelectionInEdit(HWND w, ComboState& s) {
    if (!s.edit) {
        InvalidateRect(w, nullptr, TRUE);
        return;
    }
    int i = CurSel(s);
    if (i >= 0) {
        SetWindowText(s.edit, ItemText(s, i));
        SendMessage(s.edit, EM_SETSEL, 0, -1);
    }
}

void PlaceList(HWND w, ComboState& s) {
    if (Kind(w) == CBS_SIMPLE) {
        RECT c;
        GetClientRect(w, &c);
        RECT it = ItemRect(w);
        MoveWindow(s.list, 0, it.bottom, c.right, std::max<LONG>(0, c.bottom - it.bottom), TRUE);
        return;
    }
    RECT wr;
    GetWindowRect(w, &wr);
    int count = int(SendMessage(s.list, LB_GETCOUNT, 0, 0));
    int ih = int(SendMessage(s.list, LB_GETITEMHEIGHT, 0, 0));
    int rows = std::clamp(count, 1, std::max(1, s.minVisible));
    int h = rows * ih + 2;
    int width = std::max<int>(wr.Width(), s.droppedWidth);
    int y = wr.bottom;
    if (y + h > ScreenHeight() && wr.top - h >= 0) y = wr.top - h; // above when there is no room below
    SetWindowPos(s.list, HWND_TOPMOST, wr.left, y, width, h, SWP_NOACTIVATE);
}

void DropDown(HWND w, ComboState& s) {
    if (s.dropped || Kind(w) == CBS_SIMPLE) return;
    Notify(w, CBN_DROPDOWN);
    if (!IsWindow(w)) return;
    s.selOnDrop = CurSel(s);
    s.dropped = true;
    PlaceList(w, s);
    int cur = CurSel(s);
    if (cur >= 0) SendMessage(s.list, LB_SETTOPINDEX, WPARAM(cur), 0);
    ShowWindow(s.list, SW_SHOWNA);
    SetCapture(w);
    InvalidateRect(w, nullptr, TRUE);
}

void CloseUp(HWND w, ComboState& s, bool accept) {
    if (!s.dropped) return;
    s.dropped = false;
    ShowWindow(s.list, SW_HIDE);
    if (GetCapture() == w) ReleaseCapture();
    if (!accept && CurSel(s) != s.selOnDrop) {
        SendMessage(s.list, LB_SETCURSEL, WPARAM(s.selOnDrop), 0);
        ShowSelectionInEdit(w, s);
    }
    Notify(w, accept ? CBN_SELENDOK : CBN_SELENDCANCEL);
    InvalidateRect(w, nullptr, TRUE);
    Notify(w, CBN_CLOSEUP);
}

// The user moved the selection.
void Selected(HWND w, ComboState& s, int i) {
    if (i == CurSel(s)) return;
    SendMessage(s.list, LB_SETCURSEL, WPARAM(i), 0);
    ShowSelectionInEdit(w, s);
    InvalidateRect(w, nullptr, TRUE);
    Notify(w, CBN_SELCHANGE);
}

// Keys for the combo box, wherever they were typed; true when taken.
bool ComboKey(HWND w, ComboState& s, int vk, bool alt) {
    int count = int(SendMessage(s.list, LB_GETCOUNT, 0, 0));
    if ((vk == VK_F4 && !alt) || (alt && (vk == VK_DOWN || vk == VK_UP))) {
        if (s.dropped) CloseUp(w, s, true);
        else DropDown(w, s);
        return true;
    }
    if (vk == VK_RETURN && s.dropped) {
        CloseUp(w, s, true);
        return true;
    }
    if (vk == VK_ESCAPE && s.dropped) {
        CloseUp(w, s, false);
        return true;
    }
    int cur = CurSel(s), next = cur;
    switch (vk) {
    case VK_UP: next = cur < 0 ? 0 : cur - 1; break;
    case VK_DOWN: next = cur + 1; break;
    case VK_PRIOR: next = cur - 7; break;
    case VK_NEXT: next = cur + 7; break;
    case VK_HOME: if (s.edit) return false; next = 0; break;
    case VK_END: if (s.edit) return false; next = count - 1; break;
    default: return false;
    }
    if (count == 0) return true;
    Selected(w, s, std::clamp(next, 0, count - 1));
    return true;
}

LRESULT EditSubclass(HWND e, UINT msg, WPARAM wp, LPARAM lp, HWND combo) {
    ComboState* s = State(combo);
    if (s) {
        switch (msg) {
        case WM_KEYDOWN: case WM_SYSKEYDOWN:
            if (ComboKey(combo, *s, int(wp), msg == WM_SYSKEYDOWN || GetKeyState(VK_MENU) < 0)) return 0;
            break;
        case WM_CHAR:
            if ((wp == 13 || wp == 27) && !s->dropped) break;
            if (wp == 13 || wp == 27) return 0;
            break;
        case WM_KILLFOCUS:
            if (s->dropped && reinterpret_cast<HWND>(wp) != s->list) CloseUp(combo, *s, false);
            break;
        default:
            break;
        }
    }
    return CallWindowProc(s ? s->editPrev : nullptr, e, msg, wp, lp);
}

void Paint(HWND w, ComboState& s, HDC given) {
    PAINTSTRUCT ps;
    HDC dc = given ? given : BeginPaint(w, &ps);
    RECT c;
    GetClientRect(w, &c);
    bool enabled = IsWindowEnabled(w);
    HGDIOBJ oldFont = SelectObject(dc, s.font ? s.font : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    HBRUSH brush = nullptr;
    if (HWND p = GetParent(w))
        brush = reinterpret_cast<HBRUSH>(SendMessage(p, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(w)));
    RECT item = ItemRect(w);
    if (brush) FillRect(dc, &item, brush);
    else {
        HBRUSH b = CreateSolidBrush(GetBkColor(dc));
        FillRect(dc, &item, b);
        DeleteObject(b);
    }
    if (!enabled) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    if (Kind(w) == CBS_DROPDOWNLIST) {
        int i = CurSel(s);
        RECT r{item.left + 1, item.top + 1, item.right - 1, item.bottom - 1};
        bool focusedLook = s.focused && !s.dropped;
        if (Style(w) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) {
            DRAWITEMSTRUCT di;
            di.CtlType = ODT_COMBOBOX_ITEM;
            di.CtlID = UINT(GetDlgCtrlID(w));
            di.itemID = UINT(i);
            di.itemAction = ODA_DRAWENTIRE;
            di.itemState = ODS_COMBOBOXEDIT | (focusedLook ? ODS_SELECTED | ODS_FOCUS_ITEM : 0) | (enabled ? 0 : ODS_DISABLED);
            di.hwndItem = w;
            di.hDC = dc;
            di.rcItem = r;
            di.itemData = i >= 0 ? LONG_PTR(SendMessage(s.list, LB_GETITEMDATA, WPARAM(i), 0)) : 0;
            if (HWND p = GetParent(w)) SendMessage(p, WM_DRAWITEM, WPARAM(di.CtlID), reinterpret_cast<LPARAM>(&di));
        } else {
            if (focusedLook) {
                HBRUSH hb = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
                FillRect(dc, &r, hb);
                DeleteObject(hb);
                SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
            }
            SetBkMode(dc, TRANSPARENT);
            RECT tr{r.left + 2, r.top, r.right - 2, r.bottom};
            DrawText(dc, ItemText(s, i), &tr, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
            if (focusedLook) DrawFocusRect(dc, &r);
        }
    }
    if (Kind(w) != CBS_SIMPLE) {
        RECT b{c.right - ButtonWidth(), c.top, c.right, c.bottom};
        DrawFrameControl(dc, &b, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (s.dropped ? DFCS_PUSHED : 0) | (enabled ? 0 : DFCS_INACTIVE));
    }
    SelectObject(dc, oldFont);
    if (!given) EndPaint(w, &ps);
}

// CB_ messages that are LB_ messages under another number.
UINT ListMessage(UINT msg) {
    switch (msg) {
    case CB_ADDSTRING: return LB_ADDSTRING;
    case CB_DELETESTRING: return LB_DELETESTRING;
    case CB_GETCOUNT: return LB_GETCOUNT;
    case CB_GETLBTEXT: return LB_GETTEXT;
    case CB_GETLBTEXTLEN: return LB_GETTEXTLEN;
    case CB_INSERTSTRING: return LB_INSERTSTRING;
    case CB_FINDSTRING: return LB_FINDSTRING;
    case CB_FINDSTRINGEXACT: return LB_FINDSTRINGEXACT;
    case CB_GETITEMDATA: return LB_GETITEMDATA;
    case CB_SETITEMDATA: return LB_SETITEMDATA;
    case CB_GETTOPINDEX: return LB_GETTOPINDEX;
    case CB_SETTOPINDEX: return LB_SETTOPINDEX;
    default: return 0;
    }
}

// --- what the window procedure delegates to ---

// The list (a child of a simple combo box, a pop-up of the others) and the
// edit of the kinds that have one.
LRESULT CreateParts(HWND w, ComboState& s) {
    DWORD st = Style(w);
    DWORD lbStyle = LBS_COMBOBOX | LBS_NOTIFY | WS_VSCROLL | WS_BORDER;
    if (st & CBS_SORT) lbStyle |= LBS_SORT;
    if (st & CBS_OWNERDRAWFIXED) lbStyle |= LBS_OWNERDRAWFIXED;
    if (st & CBS_OWNERDRAWVARIABLE) lbStyle |= LBS_OWNERDRAWVARIABLE;
    if (st & CBS_HASSTRINGS) lbStyle |= LBS_HASSTRINGS;
    if (Kind(w) == CBS_SIMPLE)
        s.list = CreateWindowEx(0, WC_COMBOLBOX, "", lbStyle | WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, w,
                                reinterpret_cast<HMENU>(std::intptr_t(kListId)));
    else
        s.list = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, WC_COMBOLBOX, "", lbStyle | WS_POPUP, 0, 0, 10, 10, w,
                                nullptr);
    if (!s.list) return -1;
    SetWindowLong(s.list, GWL_ID, kListId);
    if (Kind(w) != CBS_DROPDOWNLIST) {
        RECT it = ItemRect(w);
        DWORD es = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
        if (st & CBS_UPPERCASE) es |= ES_UPPERCASE;
        if (st & CBS_LOWERCASE) es |= ES_LOWERCASE;
        s.edit = CreateWindowEx(0, WC_EDIT, "", es, 2, 2, std::max<LONG>(1, it.right - 4),
                                std::max<LONG>(1, it.bottom - 4), w, reinterpret_cast<HMENU>(std::intptr_t(kEditId)));
        s.editProc = MakeWindowProc([w](HWND e, UINT m, WPARAM a, LPARAM b) { return EditSubclass(e, m, a, b, w); });
        s.editPrev = SetWindowProc(s.edit, s.editProc);
    }
    if (Kind(w) == CBS_SIMPLE) PlaceList(w, s);
    return 0;
}

// Without an edit the text must be one of the items (or empty).
LRESULT SetComboText(HWND w, ComboState& s, const char* t) {
    if (s.edit) return SendMessage(s.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(t));
    int i = int(SendMessage(s.list, LB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(t)));
    if (i < 0 && t && *t) return CB_ERR;
    SendMessage(s.list, LB_SETCURSEL, WPARAM(i), 0);
    InvalidateRect(w, nullptr, TRUE);
    return TRUE;
}

// The edit's and the list's notifications become the combo box's own.
void ChildCommand(HWND w, ComboState& s, HWND from, WORD code) {
    if (from == s.edit && s.edit) {
        if (code == EN_CHANGE) {
            Notify(w, CBN_EDITUPDATE);
            Notify(w, CBN_EDITCHANGE);
        } else if (code == EN_SETFOCUS && !s.focused) {
            s.focused = true;
            Notify(w, CBN_SETFOCUS);
        } else if (code == EN_KILLFOCUS) {
            HWND to = GetFocus();
            if (to != w && to != s.edit) {
                s.focused = false;
                if (s.dropped) CloseUp(w, s, false);
                Notify(w, CBN_KILLFOCUS);
            }
        }
        return;
    }
    if (from == s.list) {
        if (code == LBN_SELCHANGE) {
            ShowSelectionInEdit(w, s);
            InvalidateRect(w, nullptr, TRUE);
            Notify(w, CBN_SELCHANGE);
        } else if (code == LBN_DBLCLK) {
            Notify(w, CBN_DBLCLK);
        }
    }
}

// The dropped list has the capture: a click on an item picks it, any other
// click closes the list.
void ClickWhileDropped(HWND w, ComboState& s, UINT msg, WPARAM wp, POINT p) {
    POINT sp2 = p;
    ClientToScreen(w, &sp2);
    RECT lr;
    GetWindowRect(s.list, &lr);
    if (PtInRect(&lr, sp2)) {
        POINT lp2 = sp2;
        ScreenToClient(s.list, &lp2);
        LRESULT hit = SendMessage(s.list, LB_ITEMFROMPOINT, 0, MAKELPARAM(lp2.x, lp2.y));
        if (!HIWORD(hit)) {
            int i = LOWORD(hit);
            bool changed = i != CurSel(s);
            SendMessage(s.list, LB_SETCURSEL, WPARAM(i), 0);
            ShowSelectionInEdit(w, s);
            CloseUp(w, s, true);
            if (changed) Notify(w, CBN_SELCHANGE);
        }
        return;
    }
    RECT c;
    GetClientRect(w, &c);
    CloseUp(w, s, false);
    // A click outside goes on to where it was aimed.
    if (!PtInRect(&c, p)) {
        HWND target = WindowFromPoint(sp2);
        if (target && target != w) {
            POINT tp = sp2;
            ScreenToClient(target, &tp);
            PostMessage(target, msg, wp, MAKELPARAM(tp.x, tp.y));
        }
    }
}

LRESULT FillComboBoxInfo(HWND w, ComboState& s, COMBOBOXINFO* ci) {
    if (!ci) return FALSE;
    RECT c;
    GetClientRect(w, &c);
    ci->rcItem = ItemRect(w);
    ci->rcButton = Kind(w) == CBS_SIMPLE ? RECT{} : RECT{c.right - ButtonWidth(), c.top, c.right, c.bottom};
    ci->hwndCombo = w;
    ci->hwndItem = s.edit;
    ci->hwndList = s.list;
    return TRUE;
}

LRESULT ComboProc(HWND w, ComboState& s, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE: return CreateParts(w, s);
    case WM_NCDESTROY:
        if (s.list && IsWindow(s.list)) DestroyWindow(s.list);
        if (s.editProc) FreeWindowProc(s.editProc);
        return DefWindowProc(w, msg, wp, lp);
    case WM_SIZE:
        if (s.edit) {
            RECT it = ItemRect(w);
            MoveWindow(s.edit, 2, 2, std::max<LONG>(1, it.right - 4), std::max<LONG>(1, it.bottom - 4), TRUE);
        }
        if (Kind(w) == CBS_SIMPLE && s.list) PlaceList(w, s);
        return DefWindowProc(w, msg, wp, lp);
    case WM_SETFONT:
        s.font = reinterpret_cast<HFONT>(wp);
        if (s.edit) SendMessage(s.edit, WM_SETFONT, wp, lp);
        SendMessage(s.list, WM_SETFONT, wp, lp);
        if (LOWORD(lp)) InvalidateRect(w, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(s.font);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: case WM_PRINTCLIENT:
        Paint(w, s, reinterpret_cast<HDC>(wp));
        return 0;
    case WM_GETTEXT: case WM_GETTEXTLENGTH: {
        std::string t = s.edit ? GetWindowText(s.edit) : ItemText(s, CurSel(s));
        if (msg == WM_GETTEXT)
            if (auto* out = reinterpret_cast<std::string*>(lp)) *out = t;
        return LRESULT(t.size());
    }
    case WM_SETTEXT: return SetComboText(w, s, reinterpret_cast<const char*>(lp));
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
        if (s.dropped) code |= DLGC_WANTALLKEYS;
        return code;
    }
    case WM_SETFOCUS:
        s.focused = true;
        if (s.edit) {
            SetFocus(s.edit);
            SendMessage(s.edit, EM_SETSEL, 0, -1);
        }
        InvalidateRect(w, nullptr, TRUE);
        Notify(w, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS: {
        HWND to = reinterpret_cast<HWND>(wp);
        if (to == s.edit) return 0;
        s.focused = false;
        if (s.dropped) CloseUp(w, s, false);
        InvalidateRect(w, nullptr, TRUE);
        Notify(w, CBN_KILLFOCUS);
        return 0;
    }
    case WM_COMMAND:
        ChildCommand(w, s, reinterpret_cast<HWND>(lp), HIWORD(wp));
        return 0;
    case WM_MEASUREITEM: case WM_DRAWITEM: case WM_CTLCOLORLISTBOX:
        // The list's owner drawing and colours belong to the combo box's parent.
        if (msg == WM_MEASUREITEM) reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->CtlID = UINT(GetDlgCtrlID(w));
        if (HWND p = GetParent(w)) return SendMessage(p, msg, WPARAM(GetDlgCtrlID(w)), lp);
        return 0;
    case WM_CTLCOLOREDIT: case WM_CTLCOLORSTATIC:
        if (HWND p = GetParent(w)) return SendMessage(p, msg, wp, reinterpret_cast<LPARAM>(w));
        return 0;
    case WM_KEYDOWN: case WM_SYSKEYDOWN:
        if (ComboKey(w, s, int(wp), msg == WM_SYSKEYDOWN || GetKeyState(VK_MENU) < 0)) return 0;
        return DefWindowProc(w, msg, wp, lp);
    case WM_CHAR: {
        if (Kind(w) != CBS_DROPDOWNLIST || wp < 0x20) return 0;
        // One character picks the next item that starts with it.
        std::string prefix = Utf8Encode(char32_t(wp));
        int i = int(SendMessage(s.list, LB_FINDSTRING, WPARAM(CurSel(s)), reinterpret_cast<LPARAM>(prefix.c_str())));
        if (i >= 0) Selected(w, s, i);
        return 0;
    }
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: {
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (s.dropped) {
            ClickWhileDropped(w, s, msg, wp, p);
            return 0;
        }
        if (GetFocus() != w && GetFocus() != s.edit) SetFocus(w);
        RECT c;
        GetClientRect(w, &c);
        if (Kind(w) == CBS_DROPDOWNLIST || p.x >= c.right - ButtonWidth()) DropDown(w, s);
        return 0;
    }
    case WM_MOUSEWHEEL:
        if (s.dropped) return SendMessage(s.list, msg, wp, lp);
        ComboKey(w, s, std::int16_t(HIWORD(wp)) > 0 ? VK_UP : VK_DOWN, false);
        return 0;
    case WM_CAPTURECHANGED:
        if (s.dropped && reinterpret_cast<HWND>(lp) != w) CloseUp(w, s, false);
        return 0;
    case WM_CANCELMODE:
        CloseUp(w, s, false);
        return 0;
    case CB_SHOWDROPDOWN:
        if (wp) DropDown(w, s);
        else CloseUp(w, s, false);
        return TRUE;
    case CB_GETDROPPEDSTATE: return s.dropped;
    case CB_GETCURSEL: return CurSel(s);
    case CB_SETCURSEL: {
        LRESULT r = SendMessage(s.list, LB_SETCURSEL, wp, 0);
        int i = CurSel(s);
        if (s.edit) SetWindowText(s.edit, i >= 0 ? ItemText(s, i) : std::string());
        InvalidateRect(w, nullptr, TRUE);
        return r;
    }
    case CB_SELECTSTRING: {
        LRESULT r = SendMessage(s.list, LB_SELECTSTRING, wp, lp);
        if (r >= 0) {
            ShowSelectionInEdit(w, s);
            InvalidateRect(w, nullptr, TRUE);
        }
        return r;
    }
    case CB_RESETCONTENT:
        SendMessage(s.list, LB_RESETCONTENT, 0, 0);
        if (s.edit) SetWindowText(s.edit, "");
        InvalidateRect(w, nullptr, TRUE);
        return CB_OKAY;
    case CB_LIMITTEXT:
        if (!s.edit) return FALSE;
        SendMessage(s.edit, EM_LIMITTEXT, wp, 0);
        return TRUE;
    case CB_GETEDITSEL:
        if (!s.edit) return CB_ERR;
        return SendMessage(s.edit, EM_GETSEL, wp, lp);
    case CB_SETEDITSEL:
        if (!s.edit) return CB_ERR;
        SendMessage(s.edit, EM_SETSEL, WPARAM(std::int16_t(LOWORD(lp))), LPARAM(std::int16_t(HIWORD(lp))));
        return TRUE;
    case CB_SETITEMHEIGHT:
        if (std::intptr_t(wp) == -1) {
            s.itemHeight = LOWORD(lp);
            InvalidateRect(w, nullptr, TRUE);
            return 0;
        }
        return SendMessage(s.list, LB_SETITEMHEIGHT, wp, lp);
    case CB_GETITEMHEIGHT:
        if (std::intptr_t(wp) == -1) return ItemRect(w).Height();
        return SendMessage(s.list, LB_GETITEMHEIGHT, wp, 0);
    case CB_GETDROPPEDCONTROLRECT: {
        if (auto* r = reinterpret_cast<RECT*>(lp)) {
            if (!s.dropped) PlaceList(w, s);
            GetWindowRect(s.list, r);
            RECT wr;
            GetWindowRect(w, &wr);
            r->top = wr.top;
        }
        return TRUE;
    }
    case CB_SETDROPPEDWIDTH: s.droppedWidth = int(wp); return s.droppedWidth;
    case CB_GETDROPPEDWIDTH: return s.droppedWidth;
    case CB_SETMINVISIBLE: if (int(wp) <= 0) return FALSE; s.minVisible = int(wp); return TRUE;
    case CB_GETMINVISIBLE: return s.minVisible;
    case CB_GETCOMBOBOXINFO: return FillComboBoxInfo(w, s, reinterpret_cast<COMBOBOXINFO*>(lp));
    default:
        if (UINT lm = ListMessage(msg)) {
            LRESULT r = SendMessage(s.list, lm, wp, lp);
            if (msg == CB_DELETESTRING || msg == CB_ADDSTRING || msg == CB_INSERTSTRING) InvalidateRect(w, nullptr, TRUE);
            return r;
        }
        return DefWindowProc(w, msg, wp, lp);
    }
}

} // namespace

void RegisterComboBoxClass() {
    RegisterControlClass(WC_COMBOBOX, CS_DBLCLKS, IDC_ARROW, kState.Procedure(ComboProc));
}

} // namespace tv::win
