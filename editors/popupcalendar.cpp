#include "editors/popupcalendar.h"

#include <cmath>

#include "core/sysformat.h"
#include "framework/ui/uimessages.h"
#include "platform/controls/monthcal.h"
#include "platform/gdi/gdi.h"
#include "platform/window/input.h"
#include "platform/window/messages.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"

namespace tv {

using namespace win;

namespace {

constexpr UINT kDateHits = 0x20001;

SYSTEMTIME ToSystemTime(TDateTime d) {
    int y = 0, m = 0, day = 0;
    DecodeDate(d, y, m, day);
    SYSTEMTIME st;
    st.wYear = WORD(y);
    st.wMonth = WORD(m);
    st.wDay = WORD(day);
    return st;
}

} // namespace

TPopupMonthCalendarEh::TPopupMonthCalendarEh(TComponent* owner) : TWinControl(owner) {
    RegisterMonthCalClass();
    SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
    SetParentCtl3D(false);
    SetCtl3D(true);
    SetTabStop(false);
    date_ = TDateTime(std::floor(double(Now())));
}

void TPopupMonthCalendarEh::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    RegisterMonthCalClass();
    WNDCLASS wc;
    if (GetClassInfo(MONTHCAL_CLASS, &wc)) defProc_ = wc.lpfnWndProc;
    params.Style = (params.Style & ~(WS_CHILD | WS_BORDER)) | WS_POPUP | WS_CLIPCHILDREN;
    if (!Ctl3D()) params.Style |= WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW;
    params.WindowClass.style |= CS_SAVEBITS;
}

void TPopupMonthCalendarEh::CreateHandle() {
    TWinControl::CreateHandle();
    SetDate(date_);
    FitToCalendar();
}

void TPopupMonthCalendarEh::FitToCalendar() {
    if (!HandleAllocated()) return;
    RECT r{};
    SendMessage(Handle(), MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&r));
    int frame = 2 * BorderWidth() + (Ctl3D() ? 0 : 2);
    SetBounds(Left(), Top(), r.Width() + frame, r.Height() + frame);
}

TDateTime TPopupMonthCalendarEh::Date() {
    if (HandleAllocated()) {
        SYSTEMTIME st;
        if (SendMessage(Handle(), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st)))
            TryEncodeDate(st.wYear, st.wMonth, st.wDay, date_);
    }
    return date_;
}

void TPopupMonthCalendarEh::SetDate(TDateTime v) {
    date_ = TDateTime(std::floor(double(v)));
    if (!HandleAllocated()) return;
    SYSTEMTIME st = ToSystemTime(date_);
    SendMessage(Handle(), MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
}

void TPopupMonthCalendarEh::CloseUp(bool accept) {
    if (auto* o = dynamic_cast<IPopupOwnerEh*>(Owner())) o->CloseDropDown(accept);
}

void TPopupMonthCalendarEh::KeyDown(WORD& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    if (key == VK_RETURN || key == VK_ESCAPE) {
        CloseUp(key == VK_RETURN);
        key = 0;
    }
}

void TPopupMonthCalendarEh::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case WM_GETDLGCODE:
        msg.Result = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS;
        return;
    case WM_SETFOCUS:
        // The calendar may hold the keys while it is open, but for the form the
        // focus stays on its editor: no exit, no posting.
        DefaultHandler(msg);
        return;
    case CM_WANTSPECIALKEY:
        if (msg.WParam == VK_RETURN || msg.WParam == VK_ESCAPE) {
            CloseUp(msg.WParam == VK_RETURN);
            msg.Result = 1;
            return;
        }
        break;
    case WM_LBUTTONDOWN: {
        POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
        RECT r = ClientRect();
        if (!PtInRect(&r, p)) {
            CloseUp(false);
            return;
        }
        break;
    }
    case WM_LBUTTONUP: {
        TWinControl::Dispatch(msg);
        if (!HandleAllocated()) return;
        MCHITTESTINFO hi;
        hi.pt = POINT{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
        RECT r = ClientRect();
        if (!PtInRect(&r, hi.pt)) return;
        UINT hit = UINT(SendMessage(Handle(), MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hi)));
        if ((hit & kDateHits) != 0 && hit != MCHT_CALENDARDAY && hit != MCHT_TITLEBTNNEXT &&
            hit != MCHT_TITLEBTNPREV)
            CloseUp(true);
        return;
    }
    case WM_KILLFOCUS: {
        TWinControl::Dispatch(msg);
        HWND to = reinterpret_cast<HWND>(msg.WParam);
        if (HandleAllocated() && (!to || !IsChild(Handle(), to))) PostMessage(Handle(), WM_POPUPCLOSE_EH, 0, 0);
        return;
    }
    case WM_POPUPCLOSE_EH:
        CloseUp(false);
        return;
    case WM_MOUSEWHEEL: {
        int delta = std::int16_t(HIWORD(msg.WParam));
        SetDate(TDateTime(double(Date()) + (delta < 0 ? 1 : -1)));
        msg.Result = 0;
        return;
    }
    case WM_NCCALCSIZE:
        TWinControl::Dispatch(msg);
        if (Ctl3D() && msg.WParam) {
            RECT& r = reinterpret_cast<NCCALCSIZE_PARAMS*>(msg.LParam)->rgrc[0];
            r = RECT{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
        }
        return;
    case WM_NCPAINT:
        TWinControl::Dispatch(msg);
        if (Ctl3D() && HandleAllocated()) {
            HDC dc = GetWindowDC(Handle());
            RECT r{0, 0, Width(), Height()};
            DrawEdge(dc, &r, BDR_RAISEDOUTER, BF_RECT | BF_ADJUST);
            DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
            ReleaseDC(Handle(), dc);
        }
        return;
    case CM_CTL3DCHANGED:
        TWinControl::Dispatch(msg);
        if (HandleAllocated()) RecreateWnd();
        return;
    default:
        break;
    }
    TWinControl::Dispatch(msg);
}

} // namespace tv
