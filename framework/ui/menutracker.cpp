// What the framework does while the platform shows one of its menus: items
// brought up to date before their popup opens, the MDI window list in the
// window menu, the highlighted item's hint, owner-drawn items; and the hidden
// window that owns the popups of TPopupMenu.
#include <algorithm>

#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "framework/ui/hintwindow.h"
#include "framework/ui/menus.h"
#include "framework/ui/screen.h"
#include "platform/gdi/dc.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/queue.h"

namespace tv {

using namespace tv::win;

namespace {

constexpr const char* kPopupListClass = "TvPopupList";

// The window menu's entries are filled again, and with them the MDI window list.
void InitPopup(HMENU menu) {
    if (TMenuItem* item = TMenuItem::FromHandle(menu)) item->UpdateItems();
}

void MenuSelect(WPARAM wp, LPARAM lp) {
    if (!Application) return;
    auto menu = reinterpret_cast<HMENU>(lp);
    UINT flags = HIWORD(wp);
    if (flags == 0xFFFF && !menu) {
        Application->SetHint("");
        return;
    }
    TMenuItem* item = nullptr;
    if (IsMenu(menu))
        item = TMenuItem::FromData(GetMenuItemData(menu, LOWORD(wp), (flags & MF_POPUP) ? MF_BYPOSITION : MF_BYCOMMAND));
    Application->SetHint(item ? GetLongHint(item->Hint()) : "");
}

LRESULT PopupListProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    Message m{msg, wp, lp, 0};
    if (DispatchMenuMessage(m)) return m.Result;
    return DefWindowProc(wnd, msg, wp, lp);
}

} // namespace

bool DispatchMenuMessage(Message& msg) {
    switch (msg.Msg) {
    case WM_INITMENU:
        if (TMainMenu* bar = TMainMenu::FromHandle(reinterpret_cast<HMENU>(msg.WParam))) bar->UpdateItems();
        msg.Result = 0;
        return true;
    case WM_INITMENUPOPUP:
        InitPopup(reinterpret_cast<HMENU>(msg.WParam));
        msg.Result = 0;
        return true;
    case WM_MENUSELECT:
        MenuSelect(msg.WParam, msg.LParam);
        msg.Result = 0;
        return true;
    case WM_EXITMENULOOP:
        if (Application) Application->SetHint("");
        return false;
    case WM_MEASUREITEM: {
        auto* mi = reinterpret_cast<MEASUREITEMSTRUCT*>(msg.LParam);
        if (!mi || mi->CtlType != ODT_MENU) return false;
        TMenuItem* item = TMenuItem::FromData(mi->itemData);
        if (!item) item = FindMenuItemByCommand(mi->itemID);
        if (!item) return false;
        HDC dc = CreateCompatibleDC(nullptr);
        TCanvas canvas;
        canvas.SetHandle(dc);
        if (Screen) canvas.Font()->Assign(Screen->MenuFont());
        int w = int(mi->itemWidth), h = int(mi->itemHeight);
        item->MeasureItem(&canvas, w, h);
        canvas.SetHandle(nullptr);
        DeleteDC(dc);
        mi->itemWidth = UINT(std::max(0, w));
        mi->itemHeight = UINT(std::max(0, h));
        msg.Result = 1;
        return true;
    }
    case WM_DRAWITEM: {
        auto* di = reinterpret_cast<DRAWITEMSTRUCT*>(msg.LParam);
        if (!di || di->CtlType != ODT_MENU) return false;
        TMenuItem* item = TMenuItem::FromData(di->itemData);
        if (!item) item = FindMenuItemByCommand(di->itemID);
        if (!item) return false;
        TCanvas canvas;
        canvas.SetHandle(di->hDC);
        if (Screen) canvas.Font()->Assign(Screen->MenuFont());
        item->AdvancedDrawItem(&canvas, di->rcItem, di->itemState, false);
        canvas.SetHandle(nullptr);
        msg.Result = 1;
        return true;
    }
    default: return false;
    }
}

HWND PopupListWindow() {
    static HWND wnd = nullptr;
    if (wnd && IsWindow(wnd) && GetClassName(wnd) == kPopupListClass) return wnd;
    WNDCLASS wc;
    if (!GetClassInfo(kPopupListClass, &wc)) {
        wc = WNDCLASS{};
        wc.lpszClassName = kPopupListClass;
        wc.lpfnWndProc = &PopupListProc;
        RegisterClass(wc);
    }
    wnd = CreateWindowEx(WS_EX_TOOLWINDOW, kPopupListClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr);
    return wnd;
}

} // namespace tv
