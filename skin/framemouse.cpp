// The mouse on a skinned form's frame: title buttons pressed and let go,
// the window menu, double clicks on the title, the system commands, moving
// and sizing by an outline, and snapping to the edges of the work area.
#include <algorithm>

#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "skin/mdiform.h"
#include "skin/skinablemenus.h"
#include "skin/skinmanager.h"
#include "skin/skinmessage.h"
#include "skin/skinprovider.h"
#include "skin/skinutils.h"
#include "skin/systemmenu.h"

namespace tv {

using namespace win;

namespace {

// One outline operation at a time, as there is one mouse.
struct Outline {
    bool running = false;
    bool notMoved = false;
    bool move = false;
    int code = 0; // the hit code it sizes by, 0 until one is known
    POINT last{};
    int left = 0, top = 0, right = 0, bottom = 0;
    int minW = 0, minH = 0;
    HDC dc = nullptr;
    int savedDC = 0;
    TsSkinProvider* owner = nullptr;
} outline;

bool Live(TsSkinProvider* p) { return p && !p->ComponentState().Contains(csDestroying); }

POINT PointOf(LPARAM lp) { return POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }

bool IsTitleButton(int code) {
    return code == HTMINBUTTON || code == HTMAXBUTTON || code == HTCLOSE || code == HTHELP ||
           (code >= tbMDIClose && code <= tbMDIMinimize);
}

} // namespace

// --- button states --------------------------------------------------------------

void TsSkinProvider::SetHotButton(int code, bool repaint) {
    if (code == curHot_) return;
    int old = curHot_;
    curHot_ = code;
    if (TsCaptionButton* b = ButtonOf(old)) {
        b->State = 0;
        if (repaint) RepaintTitleButton(old);
    }
    ProviderState.ButtonDown = false;
    if (TsCaptionButton* b = ButtonOf(code)) {
        b->State = 1;
        if (repaint) RepaintTitleButton(code);
    }
}

void TsSkinProvider::SetPressedButton(int code) {
    if (curHot_ != code) {
        if (TsCaptionButton* b = ButtonOf(curHot_)) {
            b->State = 0;
            RepaintTitleButton(curHot_);
        }
        curHot_ = code;
    }
    TsCaptionButton* b = ButtonOf(code);
    if (!b) return;
    bool allowed = true;
    if (code == tbMaximize && systemMenu_)
        allowed = systemMenu_->EnabledMax() || (form_->WindowState() == wsMaximized && systemMenu_->EnabledRestore());
    if (code == tbMDIRestore && systemMenu_) allowed = systemMenu_->EnabledMax();
    if (!allowed) return;
    b->State = 2;
    ProviderState.ButtonDown = true;
    RepaintTitleButton(code);
}

void TsSkinProvider::ShowSystemMenu(int x, int y) {
    if (!systemMenu_ || !form_->HandleAllocated()) return;
    if (makeSkinMenu_) {
        systemMenu_->RemoveSkinItems();
        systemMenu_->MakeSkinItems();
    }
    TsSkinManager* sm = skinData_->GetSkinManager();
    if (sm && sm->SkinnedPopups()) sm->SkinableMenus()->HookPopupMenu(systemMenu_.get(), sm->SkinData.Active);
    systemMenu_->UpdateItems();
    systemMenu_->SetWindowHandle(form_->Handle());
    systemMenu_->Popup(x, y);
}

// --- the left button -------------------------------------------------------------------

void TsSkinProvider::NCButtonDown(Message& msg) {
    TsSkinManager* sm = skinData_->GetSkinManager();
    int code = int(msg.WParam);
    POINT o = WindowOrigin();
    POINT screen = PointOf(msg.LParam);
    TsSkinProvider* maxChild = ProviderState.MaximizedChild;
    if (code == HTSYSMENU) {
        if (!sm || !sm->SkinnedPopups()) return CallOld(msg);
        SetHotButton(0);
        if (form_->FormStyle() != fsMDIChild) ShowSystemMenu(o.x + BorderWidth(), o.y + BorderHeight() + IconHeight());
        else if (ProviderState.MDIMain) ShowSystemMenu(o.x, o.y + CaptionHeight() + 4);
        return;
    }
    if (IsTitleButton(code)) {
        if (Live(maxChild) && maxChild->systemMenu_) {
            if (code == tbMDIMinimize && !maxChild->systemMenu_->EnabledMin()) return;
            if (code == tbMDIRestore && !maxChild->systemMenu_->EnabledRestore()) return;
        }
        SetPressedButton(code);
        return;
    }
    if (code >= tbUser && code - tbUser < titleButtons_->Count()) {
        SetPressedButton(code);
        TsTitleButton* b = titleButtons_->Items(code - tbUser);
        if (b->OnMouseDown) b->OnMouseDown(b, mbLeft, TShiftState{}, screen.x, screen.y);
        return;
    }
    if (form_->WindowState() == wsMinimized) {
        SendMessage(form_->Handle(), WM_SYSCOMMAND, 0xF012, msg.LParam);
        return;
    }
    SetHotButton(0);
    if (form_->WindowState() == wsMaximized && screen.y - o.y <= BorderHeight() + CaptionHeight()) {
        if (!form_->Active() && form_->CanFocus()) form_->SetFocus();
        return;
    }
    if (resizeMode_ == rmBorder && code != HTMENU && !outline.running) {
        bool sizing = code >= HTLEFT && code <= HTBOTTOMRIGHT;
        if (code != HTCAPTION && !sizing) return CallOld(msg);
        outline.code = sizing ? code : 0;
        SendMessage(form_->Handle(), WM_SYSCOMMAND, sizing ? SC_SIZE : SC_MOVE, msg.LParam);
        return;
    }
    CallOld(msg);
}

void TsSkinProvider::NCButtonUp(Message& msg) {
    auto alive = Alive();
    bool client = msg.Msg == WM_LBUTTONUP;
    // A button let go in the client area is a title button's only while one
    // is held; its key flags are no hit code.
    int code = client ? (ProviderState.ButtonDown && ButtonOf(curHot_) ? curHot_ : -1) : int(msg.WParam);
    POINT screen = PointOf(msg.LParam);
    if (client && form_->HandleAllocated()) ClientToScreen(form_->Handle(), &screen);
    POINT o = WindowOrigin();
    POINT p{screen.x - o.x, screen.y - o.y};
    bool pressed = ProviderState.ButtonDown;
    bool minimized = form_->WindowState() == wsMinimized;
    TsSkinManager* sm = skinData_->GetSkinManager();
    TCustomForm* activeChild = form_->FormStyle() == fsMDIForm ? form_->ActiveMDIChild() : nullptr;
    auto done = [&] { msg.WParam = 0; };
    switch (code) {
    case HTMINBUTTON:
        if (!pressed) {
            SetHotButton(0);
            return done();
        }
        if (!PtInRect(&BtnMin.Rect, p)) return CallOld(msg);
        SetHotButton(0);
        if (Application && Application->MainForm() == form_) SendMessage(form_->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        else SendMessage(form_->Handle(), WM_SYSCOMMAND, minimized ? SC_RESTORE : SC_MINIMIZE, 0);
        return done();
    case HTMAXBUTTON:
        if (minimized && !(systemMenu_ && systemMenu_->EnabledMax())) return done();
        if (!pressed) {
            SetHotButton(0);
            return done();
        }
        if (form_->FormStyle() == fsMDIChild && Live(ProviderState.MDIMain)) ProviderState.MDIMain->skinData_->Updating = true;
        SetHotButton(0);
        if (form_->WindowState() == wsMaximized) {
            if (form_->FormStyle() == fsMDIChild) ProviderState.MaximizedChild = nullptr;
            else form_->SetWindowState(wsNormal);
            if (*alive) SendMessage(form_->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
        } else {
            if (form_->FormStyle() == fsMDIChild) ProviderState.MaximizedChild = nullptr;
            else form_->SetWindowState(wsMaximized);
            if (*alive) SendMessage(form_->Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        }
        if (!*alive) return;
        ProcessPendingMessages();
        if (*alive && systemMenu_) systemMenu_->UpdateItems();
        return done();
    case HTCLOSE:
        if (pressed) {
            BtnClose.State = 0;
            curHot_ = 0;
            ProviderState.ButtonDown = false;
            done();
            SendMessage(form_->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
            return;
        }
        SetHotButton(0);
        return done();
    case HTHELP:
        if (pressed) {
            SendMessage(form_->Handle(), WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
            if (!*alive) return;
            SetHotButton(0);
            if (systemMenu_) systemMenu_->UpdateItems();
            SendMessage(form_->Handle(), WM_NCPAINT, 1, 0);
        } else {
            SetHotButton(0);
        }
        return done();
    case tbMDIClose:
    case tbMDIRestore:
    case tbMDIMinimize:
        if (pressed && activeChild && activeChild->HandleAllocated()) {
            if (code == tbMDIMinimize && Live(ProviderState.MDIMain)) ProviderState.MDIMain->skinData_->Updating = true;
            WPARAM cmd = code == tbMDIClose ? SC_CLOSE : code == tbMDIRestore ? SC_RESTORE : SC_MINIMIZE;
            SendMessage(activeChild->Handle(), WM_SYSCOMMAND, cmd, 0);
        }
        if (*alive) SetHotButton(0, code == tbMDIMinimize);
        return done();
    default: break;
    }
    if (code >= tbUser && code - tbUser < titleButtons_->Count()) {
        if (pressed) {
            TsTitleButton* b = titleButtons_->Items(code - tbUser);
            if (b->OnMouseUp) b->OnMouseUp(b, mbLeft, TShiftState{}, screen.x, screen.y);
        }
        if (*alive) SetHotButton(0);
        return done();
    }
    if (!client && minimized) {
        if (ProviderState.MDIMain && sm && sm->SkinnedPopups()) {
            POINT c;
            GetCursorPos(&c);
            ShowSystemMenu(c.x, c.y);
            return done();
        }
        return CallOld(msg);
    }
    if (resizeMode_ == rmBorder && form_->WindowState() != wsMaximized && outline.running && outline.owner == this) {
        EndBorderOperation(screen.x, screen.y);
        return done();
    }
    CallOld(msg);
}

void TsSkinProvider::NCButtonDblClk(Message& msg) {
    // A quick second click on a title button is one more press of it.
    int code = int(msg.WParam);
    if (IsTitleButton(code) || (code >= tbUser && code - tbUser < titleButtons_->Count())) return NCButtonDown(msg);
    if (resizeMode_ == rmBorder && outline.running && outline.owner == this) {
        POINT c;
        GetCursorPos(&c);
        EndBorderOperation(c.x, c.y);
    }
    if (msg.WParam == WPARAM(HTCAPTION) && systemMenu_ && (systemMenu_->EnabledMax() || systemMenu_->EnabledRestore())) {
        TWindowState s = form_->WindowState();
        if (s == wsMaximized || s == wsMinimized) {
            SendMessage(form_->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
        } else {
            if (form_->FormStyle() == fsMDIChild) ProviderState.MaximizedChild = this;
            else form_->SetWindowState(wsMaximized);
            SendMessage(form_->Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        }
        if (systemMenu_) systemMenu_->UpdateItems();
        msg.WParam = 0;
    } else if (msg.WParam == WPARAM(HTSYSMENU)) {
        form_->Close();
    }
}

void TsSkinProvider::NCRButton(Message& msg) {
    TsSkinManager* sm = skinData_->GetSkinManager();
    bool skinned = sm && sm->SkinnedPopups();
    bool title = msg.WParam == WPARAM(HTCAPTION) || msg.WParam == WPARAM(HTSYSMENU);
    if (msg.Msg == WM_NCRBUTTONDOWN) {
        if (!(skinned && title)) CallOld(msg);
        return;
    }
    if (!skinned) return CallOld(msg);
    if (title) {
        SetHotButton(0);
        POINT p = PointOf(msg.LParam);
        ShowSystemMenu(p.x, p.y);
    }
}

// --- system commands ------------------------------------------------------------------

void TsSkinProvider::SysCommand(Message& msg) {
    auto alive = Alive();
    WPARAM cmd = msg.WParam & 0xFFF0;
    if (msg.WParam == 0xF012) form_->Repaint();
    if (resizeMode_ == rmBorder && !outline.running && (cmd == SC_MOVE || cmd == SC_SIZE) &&
        form_->WindowState() == wsNormal) {
        // The outline takes the place of the system's own loop.
        outline.move = cmd == SC_MOVE;
        outline.notMoved = true;
        if (!outline.move && outline.code == 0) outline.code = HTBOTTOMRIGHT;
        SetCapture(form_->Handle());
        POINT c;
        GetCursorPos(&c);
        StartBorderOperation(c.x, c.y);
        return;
    }
    if (form_->FormStyle() == fsMDIChild) {
        TsSkinProvider* main = ProviderState.MDIMain;
        bool wasMax = form_->WindowState() == wsMaximized;
        if (wasMax && cmd != SC_MAXIMIZE && Live(main)) main->skinData_->Updating = true;
        auto refreshMain = [&] {
            if (!Live(main) || !main->form_->HandleAllocated()) return;
            main->skinData_->Updating = true;
            ProcessPendingMessages();
            if (!Live(main)) return;
            main->skinData_->BGChanged = true;
            main->menuRows_ = -1;
            if (main->mdiForm_) main->mdiForm_->UpdateMDIMenu();
            main->skinData_->Updating = false;
            RedrawWindow(main->form_->Handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
        };
        switch (cmd) {
        case SC_MINIMIZE:
            ProviderState.MaximizedChild = nullptr;
            CallOld(msg);
            if (!*alive) return;
            if (wasMax) refreshMain();
            if (systemMenu_) systemMenu_->UpdateItems();
            titleCache_.reset();
            skinData_->BGChanged = true;
            refreshMain();
            return;
        case SC_MAXIMIZE:
            ProviderState.MaximizedChild = this;
            CallOld(msg);
            if (!*alive) return;
            RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_UPDATENOW | RDW_FRAME);
            if (Live(main)) {
                main->menuRows_ = -1;
                if (main->mdiForm_) refreshMain();
            }
            if (systemMenu_) systemMenu_->UpdateItems();
            return;
        case SC_CLOSE:
            ProviderState.MaximizedChild = nullptr;
            CallOld(msg);
            if (wasMax && Live(main) && main->mdiForm_) refreshMain();
            return;
        case SC_RESTORE:
            ProviderState.MaximizedChild = nullptr;
            if (ProviderState.MaximizeNextChild) return;
            CallOld(msg);
            if (!*alive) return;
            RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_UPDATENOW | RDW_FRAME);
            ProcessPendingMessages();
            if (!*alive) return;
            if (wasMax) refreshMain();
            if (systemMenu_) systemMenu_->UpdateItems();
            return;
        default:
            CallOld(msg);
            if (Live(main)) main->skinData_->Updating = false;
            return;
        }
    }
    CallOld(msg);
    if (!*alive) return;
    if (form_->FormStyle() == fsMDIForm) {
        if (cmd == SC_MINIMIZE || cmd == SC_MAXIMIZE || cmd == SC_RESTORE) InvalidateFrame(false);
        return;
    }
    if (cmd == SC_MAXIMIZE || cmd == SC_RESTORE) {
        if (systemMenu_ && systemMenu_->VisibleMax()) {
            BtnMax.State = 0;
            RepaintTitleButton(tbMaximize);
        }
        SetHotButton(0);
        skinData_->BGChanged = true;
        if (form_->HandleAllocated()) SendMessage(form_->Handle(), WM_NCPAINT, 1, 0);
    }
}

// --- moving and sizing by an outline ---------------------------------------------------

void TsSkinProvider::DrawBorderOutline(int x, int y) {
    if (!outline.dc) return;
    int l = outline.left, t = outline.top, r = outline.right, b = outline.bottom;
    if (outline.move) {
        l = x;
        t = y;
        r = x + FormWidth();
        b = y + FormHeight();
    }
    POINT pts[5] = {{l, t}, {r, t}, {r, b}, {l, b}, {l, t}};
    Polyline(outline.dc, pts, 5);
}

void TsSkinProvider::StartBorderOperation(int x, int y) {
    outline.running = true;
    outline.owner = this;
    outline.dc = GetDC(nullptr);
    outline.savedDC = SaveDC(outline.dc);
    SetROP2(outline.dc, R2_NOT);
    RECT wr{};
    GetWindowRect(form_->Handle(), &wr);
    outline.left = wr.left;
    outline.top = wr.top;
    outline.last = POINT{x, y};
    if (!outline.move) {
        outline.minH = form_->Constraints()->MinHeight();
        outline.minW = form_->Constraints()->MinWidth();
        outline.bottom = outline.top + FormHeight();
        outline.right = outline.left + FormWidth();
    }
    DrawBorderOutline(outline.left, outline.top);
}

void TsSkinProvider::MouseMoveOutline(Message& msg) {
    CallOld(msg);
    if (!outline.running || outline.owner != this || !outline.dc) return;
    POINT q;
    GetCursorPos(&q);
    if (outline.move) {
        outline.notMoved = false;
        DrawBorderOutline(outline.left, outline.top);
        outline.left += q.x - outline.last.x;
        outline.top += q.y - outline.last.y;
        outline.last = q;
        DrawBorderOutline(outline.left, outline.top);
        return;
    }
    if (outline.notMoved) {
        outline.last = q;
        outline.notMoved = false;
        // The edges start from where the mouse first moved.
        outline.right = outline.left + FormWidth();
        outline.bottom = outline.top + FormHeight();
    }
    DrawBorderOutline(0, 0);
    RECT wr{};
    GetWindowRect(form_->Handle(), &wr);
    int dx = q.x - outline.last.x, dy = q.y - outline.last.y;
    int c = outline.code;
    bool left = c == HTLEFT || c == HTTOPLEFT || c == HTBOTTOMLEFT;
    bool right = c == HTRIGHT || c == HTTOPRIGHT || !(c >= HTLEFT && c <= HTBOTTOMLEFT);
    bool top = c == HTTOP || c == HTTOPLEFT || c == HTTOPRIGHT;
    bool bottom = c == HTBOTTOM || c == HTBOTTOMLEFT || !(c >= HTLEFT && c <= HTBOTTOMLEFT);
    if (left) outline.left = std::min(int(wr.left) + dx, outline.right - outline.minW);
    if (top) outline.top = std::min(int(wr.top) + dy, outline.bottom - outline.minH);
    if (right) outline.right = std::max(int(wr.right) + dx, outline.left + outline.minW);
    if (bottom) outline.bottom = std::max(int(wr.bottom) + dy, outline.top + outline.minH);
    DrawBorderOutline(0, 0);
}

void TsSkinProvider::EndBorderOperation(int, int) {
    if (!outline.running) return;
    ReleaseCapture();
    outline.running = false;
    DrawBorderOutline(outline.left, outline.top);
    if (outline.dc) {
        RestoreDC(outline.dc, outline.savedDC);
        ReleaseDC(nullptr, outline.dc);
    }
    outline.dc = nullptr;
    HWND wnd = form_->Handle();
    // The outline is drawn on the screen; a child window is placed in its parent.
    POINT at{outline.left, outline.top};
    if ((GetWindowLong(wnd, GWL_STYLE) & WS_CHILD) && GetParent(wnd)) ScreenToClient(GetParent(wnd), &at);
    if (!outline.notMoved) {
        if (outline.move) MoveWindow(wnd, at.x, at.y, FormWidth(), FormHeight(), TRUE);
        else MoveWindow(wnd, at.x, at.y, outline.right - outline.left, outline.bottom - outline.top, TRUE);
    }
    outline.notMoved = false;
    outline.code = 0;
    outline.owner = nullptr;
}

// --- snapping ---------------------------------------------------------------------------

void TsSkinProvider::Snap(WINDOWPOS* pos) {
    if (!pos || inRegionUpdate_ || !screenSnap_ || form_->WindowState() == wsMaximized) return;
    // A change that does not move the window, and a child of an MDI form
    // (its place is in the parent's client area), are left where they are.
    if ((pos->flags & SWP_NOMOVE) || form_->FormStyle() == fsMDIChild) return;
    if (pos->x == 0 && pos->y == 0) return;
    RECT wa = GetWorkArea();
    int w = (pos->flags & SWP_NOSIZE) ? FormWidth() : pos->cx;
    int h = (pos->flags & SWP_NOSIZE) ? FormHeight() : pos->cy;
    const int monitorLeft = 0, monitorTop = 0; // one screen
    pos->x = SnapCoordinate(pos->x, wa.right, w, snapBuffer_);
    pos->y = SnapCoordinate(pos->y, wa.bottom, h, snapBuffer_);
    pos->x = SnapCoordinate(pos->x, wa.left, monitorLeft, snapBuffer_);
    pos->y = SnapCoordinate(pos->y, wa.top, monitorTop, snapBuffer_);
}

} // namespace tv
