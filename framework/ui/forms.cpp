// TCustomForm: creation from the stored definition, showing, closing,
// modal loops, activation and focus.
#include "framework/ui/forms.h"

#include <algorithm>

#include "core/formreader.h"
#include "core/rtlconsts.h"
#include "core/sysformat.h"
#include "framework/ui/actions.h"
#include "framework/ui/application.h"
#include "framework/ui/menus.h"
#include "framework/ui/screen.h"
#include "platform/gdi/dc.h"
#include "platform/window/input.h"
#include "platform/window/mdi.h"
#include "platform/window/menu.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/desktop.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TFormStyleInfo{"TFormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}};
const TEnumInfo TBorderIconInfo{"TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
const TEnumInfo TPositionInfo{"TPosition",
                              {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                               "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"}};
const TEnumInfo TWindowStateInfo{"TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"}};

const TIdentMap& ModalResultIdents() {
    static const TIdentMap map{{mrNone, "mrNone"}, {mrOk, "mrOk"},       {mrCancel, "mrCancel"},
                               {mrAbort, "mrAbort"}, {mrRetry, "mrRetry"}, {mrIgnore, "mrIgnore"},
                               {mrYes, "mrYes"},   {mrNo, "mrNo"},       {mrAll, "mrAll"},
                               {mrNoToAll, "mrNoToAll"}, {mrYesToAll, "mrYesToAll"}};
    return map;
}

// The focus walk counts moves: a handler that moves the focus ends the walk
// that called it.
namespace {
int g_focusCount = 0;
bool SendFocusMessage(TWinControl* c, UINT msg) {
    int count = g_focusCount;
    auto alive = c->Alive();
    c->Perform(msg);
    return *alive && g_focusCount == count;
}
} // namespace

// --- creation ----------------------------------------------------------------------

TCustomForm::TCustomForm(TComponent* owner)
    : TWinControl(owner), icon_(std::make_unique<TIcon>()), canvas_(std::make_unique<TControlCanvas>()) {
    SetVisible(false);
    controlStyle_ = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 320, 240);
    SetColor(clBtnFace);
    canvas_->SetControl(this);
    pixelsPerInch_ = ScreenPixelsPerInch();
    if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    // Marked first: freeing the focused control hands the focus to this
    // window, which must not make a dying form the screen's focused one.
    Destroying();
    DoDestroy();
    if (Application && Application->mainForm_ == this) Application->mainForm_ = nullptr;
    if (Screen) Screen->RemoveForm(this);
    // The components may refer to the menu and to each other; free them while
    // the form is still whole.
    DestroyComponents();
    canvas_->FreeHandle();
    DestroyHandle();
}

void TCustomForm::Publish(TPublisher& p) {
    p.Component("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
    p.Boolean("AutoScroll", &TCustomForm::AutoScroll, &TCustomForm::SetAutoScroll).Default(true);
    p.Set("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons, TBorderIconInfo)
        .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
    p.Enum("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle, TBorderStyleInfo)
        .Default(bsSizeable);
    p.Integer("ClientHeight", &TCustomForm::ClientHeightValue, &TCustomForm::SetClientHeight).Scaled();
    p.Integer("ClientWidth", &TCustomForm::ClientWidthValue, &TCustomForm::SetClientWidth).Scaled();
    p.Enum("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle, TFormStyleInfo).Default(fsNormal);
    p.Object("Icon", &TCustomForm::Icon, &TCustomForm::SetIcon);
    p.Boolean("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview).Default(false);
    p.Component("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu);
    p.Boolean("OldCreateOrder", &TCustomForm::OldCreateOrder, &TCustomForm::SetOldCreateOrder).Default(false);
    p.Integer("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch).NoDefault();
    p.Enum("Position", &TCustomForm::Position, &TCustomForm::SetPosition, TPositionInfo).Default(poDesigned);
    p.Boolean("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled).Default(true);
    p.Integer("TextHeight", &TCustomForm::TextHeight, &TCustomForm::SetTextHeight).NoDefault();
    p.Boolean("Visible", &TCustomForm::Visible, &TCustomForm::SetVisible).Default(false);
    p.Component("WindowMenu", &TCustomForm::WindowMenu, &TCustomForm::SetWindowMenu);
    p.Enum("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState, TWindowStateInfo)
        .Default(wsNormal);
    p.Event("OnActivate", &TCustomForm::OnActivate);
    p.Event("OnClose", &TCustomForm::OnClose);
    p.Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
    p.Event("OnCreate", &TCustomForm::OnCreate);
    p.Event("OnDeactivate", &TCustomForm::OnDeactivate);
    p.Event("OnDestroy", &TCustomForm::OnDestroy);
    p.Event("OnHide", &TCustomForm::OnHide);
    p.Event("OnPaint", &TCustomForm::OnPaint);
    p.Event("OnShortCut", &TCustomForm::OnShortCut);
    p.Event("OnShow", &TCustomForm::OnShow);
}

void TCustomForm::AfterConstruction() {
    formState_.Include(fsCreating);
    try {
        TClass cls = ClassType();
        if (cls != TForm::StaticClass() && cls != TCustomForm::StaticClass()) {
            if (!InitInheritedComponent(this, TForm::StaticClass()))
                throw EReadError(Format(LoadResString(SResNotFound), ClassName()));
            // A definition made at another resolution than the screen's is
            // scaled to it as a whole (bounds, fonts, and what controls add).
            int screenPpi = Screen ? Screen->PixelsPerInch() : 0;
            if (scaled_ && screenPpi > 0 && pixelsPerInch_ > 0 && pixelsPerInch_ != screenPpi) {
                ChangeScale(screenPpi, pixelsPerInch_);
                pixelsPerInch_ = screenPpi;
            }
        }
        DoCreate();
    } catch (...) {
        formState_.Exclude(fsCreating);
        throw;
    }
    formState_.Exclude(fsCreating);
    // A definition that makes the form visible shows it now.
    if (Visible() && !Showing()) {
        SetVisible(false);
        SetVisible(true);
    }
}

void TCustomForm::Free() {
    DoDestroy();
    delete this;
}

void TCustomForm::Release() {
    if (HandleAllocated()) PostMessage(WindowHandle(), CM_RELEASE, 0, 0);
    else Free();
}

void TCustomForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

void TCustomForm::DoDestroy() {
    if (destroyDone_) return;
    destroyDone_ = true;
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            if (Application) Application->HandleException(this);
        }
    }
}

void TCustomForm::GetChildren(const TGetChildProc& proc, TComponent* root) {
    TWinControl::GetChildren(proc, root);
    if (root != this) return;
    for (int i = 0; i < ComponentCount(); ++i)
        if (!Components(i)->HasParent()) proc(Components(i));
}

void TCustomForm::Loaded() {
    TWinControl::Loaded();
    // The active control named by the definition takes the focus when the form shows.
    if (activeControl_ && !activeControl_->ContainsControl(activeControl_)) activeControl_ = nullptr;
}

void TCustomForm::Notification(TComponent* c, TOperation op) {
    TWinControl::Notification(c, op);
    if (op != opRemove) return;
    // The menu is already half gone: only forget it.
    if (c == menu_) menu_ = nullptr;
    if (c == windowMenu_) windowMenu_ = nullptr;
    if (c == activeControl_) activeControl_ = nullptr;
    if (c == focusedControl_) focusedControl_ = nullptr;
}

// --- the window -------------------------------------------------------------------------

void TCustomForm::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style = WS_CLIPCHILDREN;
    p.ExStyle = 0;
    p.WndParent = Application ? Application->Handle() : nullptr;
    switch (borderStyle_) {
    case bsNone: p.Style |= WS_POPUP; break;
    case bsSingle: p.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: p.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog: p.Style |= WS_POPUP | WS_CAPTION; p.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE; break;
    case bsToolWindow: p.Style |= WS_CAPTION; p.ExStyle |= WS_EX_TOOLWINDOW; break;
    case bsSizeToolWin: p.Style |= WS_CAPTION | WS_THICKFRAME; p.ExStyle |= WS_EX_TOOLWINDOW; break;
    }
    if (borderStyle_ != bsNone) {
        if (borderIcons_.Contains(biSystemMenu)) p.Style |= WS_SYSMENU;
        if (borderStyle_ == bsSingle || borderStyle_ == bsSizeable) {
            if (borderIcons_.Contains(biMinimize)) p.Style |= WS_MINIMIZEBOX;
            if (borderIcons_.Contains(biMaximize)) p.Style |= WS_MAXIMIZEBOX;
        }
        if (borderIcons_.Contains(biHelp)) p.ExStyle |= WS_EX_CONTEXTHELP;
    }
    if (formStyle_ == fsStayOnTop) p.ExStyle |= WS_EX_TOPMOST;
    if (formStyle_ == fsMDIChild) p.ExStyle |= WS_EX_MDICHILD;
    if (!Enabled()) p.Style |= WS_DISABLED;
    p.WindowClass.style = CS_DBLCLKS;
    p.WindowClass.hbrBackground = nullptr;
}

void TCustomForm::CreateWindowHandle(const TCreateParams& p) {
    if (formStyle_ != fsMDIChild) {
        TWinControl::CreateWindowHandle(p);
        return;
    }
    TCustomForm* main = MainMdiForm();
    if (!main || !main->ClientHandle())
        throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
    defProc_ = [](HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefMDIChildProc(w, m, wp, lp); };
    DWORD style = (p.Style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) |
                  WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    // The MDI client makes the window; its first messages arrive before the handle.
    TWinControl* saved = SetCreatingControl(this);
    HWND wnd = CreateMDIWindow(p.WinClassName, p.Caption, style, p.X, p.Y, p.Width, p.Height, main->ClientHandle());
    SetCreatingControl(saved);
    if (wnd && !HandleAllocated()) AttachWindow(wnd);
}

void TCustomForm::CreateWnd() {
    TWinControl::CreateWnd();
    if (formStyle_ == fsMDIForm) {
        CLIENTCREATESTRUCT ccs;
        ccs.hWindowMenu = windowMenu_ ? windowMenu_->Handle() : nullptr;
        RECT r;
        GetClientRect(WindowHandle(), &r);
        clientHandle_ = CreateWindowEx(WS_EX_CLIENTEDGE, MDICLIENT_CLASS, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                       0, 0, r.right, r.bottom, WindowHandle(), nullptr,
                                       reinterpret_cast<LONG_PTR>(&ccs));
        HWND client = clientHandle_;
        defProc_ = [client](HWND w, UINT m, WPARAM wp, LPARAM lp) {
            return DefFrameProc(w, IsWindow(client) ? client : nullptr, m, wp, lp);
        };
    }
    if (menu_) menu_->SetWindowHandle(WindowHandle());
}

void TCustomForm::DestroyWnd() {
    if (menu_) menu_->SetWindowHandle(nullptr);
    clientHandle_ = nullptr;
    TWinControl::DestroyWnd();
}

void TCustomForm::DefaultHandler(Message& msg) {
    TWinControl::DefaultHandler(msg);
}

RECT TCustomForm::ClientRect() {
    if (HandleAllocated()) return TWinControl::ClientRect();
    TCreateParams p;
    CreateParams(p);
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, p.Style, menu_ != nullptr, p.ExStyle);
    return {0, 0, std::max(0, Width() - r.Width()), std::max(0, Height() - r.Height())};
}

void TCustomForm::SetClientWidth(int v) {
    if (ComponentState().Contains(csLoading) && !HandleAllocated()) {
        SetWidth(v + (Width() - ClientRect().right));
        return;
    }
    SetWidth(v + (Width() - ClientRect().right));
}

void TCustomForm::SetClientHeight(int v) { SetHeight(v + (Height() - ClientRect().bottom)); }

void TCustomForm::PaintWindow(HDC dc) {
    canvas_->Lock();
    canvas_->FreeHandle();
    canvas_->SetHandle(dc);
    try {
        Paint();
    } catch (...) {
        canvas_->SetHandle(nullptr);
        canvas_->Unlock();
        throw;
    }
    canvas_->SetHandle(nullptr);
    canvas_->Unlock();
}

void TCustomForm::Paint() {
    if (OnPaint) OnPaint(this);
}

// --- properties -----------------------------------------------------------------------

void TCustomForm::SetFormStyle(TFormStyle v) {
    if (v == formStyle_) return;
    formStyle_ = v;
    if (v == fsMDIChild && !ComponentState().Contains(csLoading)) SetVisible(true);
    if (HandleAllocated()) RecreateWnd();
}

void TCustomForm::SetBorderStyle(TBorderStyle v) {
    if (v == borderStyle_) return;
    borderStyle_ = v;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons v) {
    if (v == borderIcons_) return;
    borderIcons_ = v;
    if (HandleAllocated()) RecreateWnd();
}

TWindowState TCustomForm::WindowState() const {
    if (HandleAllocated() && IsWindowVisible(WindowHandle())) {
        if (IsIconic(WindowHandle())) return wsMinimized;
        if (IsZoomed(WindowHandle())) return wsMaximized;
        return wsNormal;
    }
    return windowState_;
}

void TCustomForm::SetWindowState(TWindowState v) {
    windowState_ = v;
    if (HandleAllocated() && Showing()) {
        static const int cmd[] = {SW_SHOWNORMAL, SW_MINIMIZE, SW_SHOWMAXIMIZED};
        ShowWindow(WindowHandle(), cmd[v]);
    }
}

void TCustomForm::SetMenu(TMainMenu* v) {
    if (menu_ == v) return;
    if (menu_) {
        menu_->SetWindowHandle(nullptr);
        menu_->RemoveFreeNotification(this);
    }
    menu_ = v;
    if (menu_) {
        menu_->FreeNotification(this);
        if (HandleAllocated()) menu_->SetWindowHandle(WindowHandle());
    }
}

void TCustomForm::SetWindowMenu(TMenuItem* v) {
    windowMenu_ = v;
    if (v) v->FreeNotification(this);
}

// --- showing ---------------------------------------------------------------------------

void TCustomForm::VisibleChanging() {
    if (formStyle_ == fsMDIChild && Visible() && !ComponentState().Contains(csDestroying))
        throw EInvalidOperation("Cannot hide an MDI Child Form");
}

void TCustomForm::Show() {
    SetVisible(true);
    if (HandleAllocated()) {
        SetWindowPos(WindowHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        if (formStyle_ != fsMDIChild) SetActiveWindow(WindowHandle());
    }
}

void TCustomForm::PlaceForm() {
    if (placed_) return;
    placed_ = true;
    int w = Width(), h = Height();
    auto center = [&](const RECT& area) { SetBounds(area.left + (area.Width() - w) / 2, area.top + (area.Height() - h) / 2, w, h); };
    switch (position_) {
    case poScreenCenter: case poDesktopCenter: center(RECT{0, 0, ScreenWidth(), ScreenHeight()}); break;
    case poMainFormCenter: case poOwnerFormCenter: {
        TCustomForm* f = position_ == poOwnerFormCenter ? dynamic_cast<TCustomForm*>(Owner()) : nullptr;
        if (!f && Application) f = Application->MainForm();
        if (f && f != this) {
            RECT r;
            GetWindowRect(f->Handle(), &r);
            center(r);
        } else {
            center(RECT{0, 0, ScreenWidth(), ScreenHeight()});
        }
        break;
    }
    default: break;
    }
}

void TCustomForm::ShowingChanged() {
    HWND h = WindowHandle();
    if (Showing()) {
        DoShow();
        if (!HandleAllocated()) return;
        PlaceForm();
        static const int cmd[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
        if (formStyle_ == fsMDIChild) {
            ShowWindow(h, windowState_ == wsMaximized ? SW_SHOWMAXIMIZED : SW_SHOW);
            if (TCustomForm* main = MainMdiForm(); main && main->ClientHandle())
                SendMessage(main->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(h), 0);
        } else {
            ShowWindow(h, cmd[windowState_]);
        }
    } else {
        DoHide();
        if (HandleAllocated()) ShowWindow(h, SW_HIDE);
    }
}

void TCustomForm::DoShow() {
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
    if (OnHide) OnHide(this);
}

// --- closing ------------------------------------------------------------------------------

bool TCustomForm::CloseQuery() {
    if (formStyle_ == fsMDIForm) {
        for (int i = 0; i < MDIChildCount(); ++i)
            if (!MDIChildren(i)->CloseQuery()) return false;
    }
    bool can = true;
    if (OnCloseQuery) OnCloseQuery(this, can);
    return can;
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose) OnClose(this, action);
}

void TCustomForm::Close() {
    if (formState_.Contains(fsModal)) {
        modalResult_ = mrCancel;
        return;
    }
    auto alive = Alive();
    if (!CloseQuery() || !*alive) return;
    TCloseAction action = formStyle_ == fsMDIChild ? (borderIcons_.Contains(biMinimize) ? caMinimize : caNone)
                                                   : caHide;
    DoClose(action);
    if (!*alive || action == caNone) return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
    } else if (action == caHide) {
        Hide();
    } else if (action == caMinimize) {
        SetWindowState(wsMinimized);
    } else {
        Release();
    }
}

void TCustomForm::CloseModal() {
    auto alive = Alive();
    try {
        TCloseAction action = caNone;
        if (CloseQuery()) {
            action = caHide;
            DoClose(action);
        }
        if (!*alive) return;
        if (action == caNone) modalResult_ = mrNone;
        else if (action == caFree) Release();
    } catch (...) {
        if (*alive) modalResult_ = mrNone;
        if (Application) Application->HandleException(*alive ? this : nullptr);
    }
}

TModalResult TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || formState_.Contains(fsModal) || formStyle_ == fsMDIChild)
        throw EInvalidOperation("Cannot make a visible window modal");
    if (HWND cap = GetCapture()) SendMessage(cap, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    auto alive = Alive();
    formState_.Include(fsModal);
    HWND activeWindow = GetActiveWindow();
    Screen->saveFocusedList_.insert(Screen->saveFocusedList_.begin(), Screen->focusedForm_);
    Screen->focusedForm_ = this;
    // Every other window of the application waits while this one is shown.
    std::vector<HWND> disabled;
    HWND self = Handle();
    EnumWindows([&](HWND w) {
        if (w != self && IsWindowVisible(w) && IsWindowEnabled(w) && w != GetApplicationWindow()) {
            disabled.push_back(w);
        }
        return TRUE;
    });
    for (HWND w : disabled) EnableWindow(w, FALSE);
    TModalResult result = mrCancel;
    auto restore = [&] {
        auto& list = Screen->saveFocusedList_;
        if (!list.empty()) {
            TCustomForm* f = list.front();
            list.erase(list.begin());
            Screen->focusedForm_ = f;
        } else {
            Screen->focusedForm_ = nullptr;
        }
        for (HWND w : disabled)
            if (IsWindow(w)) EnableWindow(w, TRUE);
        if (activeWindow && IsWindow(activeWindow)) SetActiveWindow(activeWindow);
        if (*alive) formState_.Exclude(fsModal);
    };
    try {
        Show();
        SendMessage(self, CM_ACTIVATE, 0, 0);
        if (*alive) modalResult_ = mrNone;
        while (*alive) {
            Application->HandleMessage();
            if (!*alive) break;
            if (Application->Terminated()) modalResult_ = mrCancel;
            else if (modalResult_ != mrNone) CloseModal();
            if (!*alive || modalResult_ != mrNone) break;
        }
        if (*alive) {
            result = modalResult_;
            SendMessage(self, CM_DEACTIVATE, 0, 0);
            if (*alive) Hide();
        }
    } catch (...) {
        if (*alive && Visible()) {
            try { Hide(); } catch (...) {}
        }
        restore();
        throw;
    }
    restore();
    return result;
}

// --- activation and focus ---------------------------------------------------------------------

void TCustomForm::Activate() {
    if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
    if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::SetActive(bool v) {
    active_ = v;
    if (v) {
        if (!activeControl_) activeControl_ = FindNextControl(nullptr, true, true, false);
        SetWindowFocus();
    }
}

void TCustomForm::SetWindowFocus() {
    TWinControl* c = activeControl_ && activeControl_->CanFocus() ? activeControl_ : this;
    if (c->HandleAllocated() || c == this) win::SetFocus(c->Handle());
}

void TCustomForm::SetFocus() {
    if (!active_) {
        if (!(Visible() && Enabled())) throw EInvalidOperation("Cannot focus a disabled or invisible window");
        SetWindowFocus();
    }
}

void TCustomForm::SetActiveControl(TWinControl* c) {
    if (c == activeControl_) return;
    if (c && !ComponentState().Contains(csLoading) &&
        (c == this || GetParentForm(c) != this || !c->CanFocus()))
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    activeControl_ = c;
    if (!ComponentState().Contains(csLoading) && active_) SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* c) {
    bool wasActive = active_;
    SetActiveControl(c);
    if (!wasActive) SetFocus();
}

void TCustomForm::DefocusControl(TWinControl* c, bool removing) {
    if (removing && focusedControl_ && c->ContainsControl(focusedControl_)) focusedControl_ = c->Parent();
    if (activeControl_ && c->ContainsControl(activeControl_)) {
        activeControl_ = nullptr;
        if (active_ && !ComponentState().Contains(csDestroying) && HandleAllocated() && removing == false) {
            // A control that is disabled or hidden while it has the focus
            // hands it to the next one: the focus never rests on nothing.
            TWinControl* next = FindNextControl(c, true, true, false);
            if (next && !c->ContainsControl(next)) activeControl_ = next;
            SetWindowFocus();
        }
    }
}

bool TCustomForm::SetFocusedControl(TWinControl* c) {
    if (ComponentState().Contains(csDestroying)) return false;
    ++g_focusCount;
    activeControl_ = c != this ? c : nullptr;
    Screen->SetActive(this, c);
    if (c->ControlState().Contains(csFocusing)) return false;
    auto alive = c->Alive();
    auto self = Alive();
    c->SetControlState(c->ControlState() + TControlState{csFocusing});
    struct Unmark {
        TWinControl* c;
        std::shared_ptr<bool> alive;
        ~Unmark() { if (*alive) c->SetControlState(c->ControlState() - TControlState{csFocusing}); }
    } unmark{c, alive};
    if (Screen->focusedForm_ != this) {
        if (TCustomForm* old = Screen->focusedForm_) {
            Screen->focusedForm_ = nullptr;
            if (!SendFocusMessage(old, CM_DEACTIVATE)) return false;
        }
        Screen->focusedForm_ = this;
        if (!SendFocusMessage(this, CM_ACTIVATE)) return false;
    }
    if (!focusedControl_) focusedControl_ = this;
    if (focusedControl_ != c) {
        while (focusedControl_ && !focusedControl_->ContainsControl(c)) {
            TWinControl* leaving = focusedControl_;
            focusedControl_ = leaving->Parent();
            if (!SendFocusMessage(leaving, CM_EXIT)) return false;
        }
        while (focusedControl_ != c) {
            TWinControl* t = c;
            while (t->Parent() != focusedControl_) t = t->Parent();
            focusedControl_ = t;
            if (!SendFocusMessage(t, CM_ENTER)) return false;
        }
    }
    return *self;
}

// --- messages ----------------------------------------------------------------------------------

void TCustomForm::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case WM_ACTIVATE:
        DefaultHandler(msg);
        if (formStyle_ != fsMDIForm || !ActiveMDIChild()) SetActive(LOWORD(msg.WParam) != WA_INACTIVE);
        else SetActive(LOWORD(msg.WParam) != WA_INACTIVE);
        return;
    case WM_MDIACTIVATE:
        DefaultHandler(msg);
        if (formStyle_ == fsMDIChild) {
            bool on = reinterpret_cast<HWND>(msg.LParam) == WindowHandle();
            active_ = on;
            if (on) {
                if (!activeControl_) activeControl_ = FindNextControl(nullptr, true, true, false);
                SetWindowFocus();
            }
        }
        return;
    case WM_CLOSE:
        Close();
        return;
    case WM_SETFOCUS:
        // The form itself has the focus only when it has no control to give it to.
        DefaultHandler(msg);
        if (activeControl_ && activeControl_ != this && activeControl_->CanFocus() && activeControl_->HandleAllocated()) {
            win::SetFocus(activeControl_->WindowHandle());
            return;
        }
        SetFocusedControl(this);
        return;
    case CM_ACTIVATE:
        Activate();
        return;
    case CM_DEACTIVATE:
        Deactivate();
        return;
    case CM_RELEASE:
        Free();
        return;
    case CM_SHOWINGCHANGED:
        ShowingChanged();
        return;
    case CM_VISIBLECHANGED:
        if (Visible()) HandleNeeded();
        UpdateShowing();
        return;
    case CM_DIALOGKEY:
        if (GetKeyState(VK_MENU) >= 0) {
            if (msg.WParam == WPARAM(VK_TAB) && GetKeyState(VK_CONTROL) >= 0) {
                SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
                msg.Result = 1;
                return;
            }
            if (msg.WParam == WPARAM(VK_LEFT) || msg.WParam == WPARAM(VK_RIGHT) || msg.WParam == WPARAM(VK_UP) ||
                msg.WParam == WPARAM(VK_DOWN)) {
                if (activeControl_ && activeControl_->Parent()) {
                    activeControl_->Parent()->SelectNext(activeControl_,
                                                         msg.WParam == WPARAM(VK_RIGHT) || msg.WParam == WPARAM(VK_DOWN),
                                                         false);
                    msg.Result = 1;
                }
                return;
            }
        }
        break;
    case WM_COMMAND:
        if (HIWORD(msg.WParam) == 0 && msg.LParam == 0) {
            // A menu command: the menu bar's, a popup's, or the window list's.
            if (menu_ && menu_->DispatchCommand(LOWORD(msg.WParam))) return;
            if (DispatchMenuCommand(LOWORD(msg.WParam))) return;
        }
        break;
    case WM_MEASUREITEM: case WM_DRAWITEM: case WM_INITMENU: case WM_INITMENUPOPUP: case WM_MENUSELECT:
    case WM_EXITMENULOOP:
        if (DispatchMenuMessage(msg)) return;
        break;
    case WM_WINDOWPOSCHANGED:
        TWinControl::Dispatch(msg);
        if (formStyle_ == fsMDIForm && clientHandle_ && IsWindow(clientHandle_)) {
            RECT r = ClientRect();
            AdjustClientRect(r);
            RECT a = r;
            AlignControls(nullptr, a);
            MoveWindow(clientHandle_, a.left, a.top, a.Width(), a.Height(), TRUE);
        }
        return;
    case WM_SIZE:
        TWinControl::Dispatch(msg);
        if (formStyle_ == fsMDIForm && clientHandle_ && IsWindow(clientHandle_)) {
            RECT r = ClientRect();
            AlignControls(nullptr, r);
            MoveWindow(clientHandle_, r.left, r.top, r.Width(), r.Height(), TRUE);
        }
        return;
    default:
        break;
    }
    TWinControl::Dispatch(msg);
}

bool TCustomForm::IsShortCut(Message& msg) {
    bool handled = false;
    if (OnShortCut) OnShortCut(msg, handled);
    if (handled) return true;
    if (menu_ && menu_->IsShortCut(msg)) return true;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* list = dynamic_cast<TCustomActionList*>(Components(i)); list && list->IsShortCut(msg)) return true;
    // The active MDI child's shortcuts come before nothing.
    if (formStyle_ == fsMDIForm) {
        if (TCustomForm* child = ActiveMDIChild(); child && child->IsShortCut(msg)) return true;
    }
    return false;
}

void TCustomForm::UpdateActions() {
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* list = dynamic_cast<TCustomActionList*>(Components(i))) list->UpdateAll();
}

// --- MDI -------------------------------------------------------------------------------------

TCustomForm* TCustomForm::MainMdiForm() const {
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    if (main && main->formStyle_ == fsMDIForm) {
        main->HandleNeeded();
        return main;
    }
    return nullptr;
}

int TCustomForm::MDIChildCount() const {
    if (formStyle_ != fsMDIForm || !clientHandle_) return 0;
    int n = 0;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* f = Screen->Forms(i);
        if (f->formStyle_ == fsMDIChild && f->HandleAllocated() && GetParent(f->WindowHandle()) == clientHandle_) ++n;
    }
    return n;
}

TCustomForm* TCustomForm::MDIChildren(int index) const {
    if (formStyle_ != fsMDIForm || !clientHandle_) return nullptr;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* f = Screen->Forms(i);
        if (f->formStyle_ == fsMDIChild && f->HandleAllocated() && GetParent(f->WindowHandle()) == clientHandle_) {
            if (index == 0) return f;
            --index;
        }
    }
    return nullptr;
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
    if (formStyle_ != fsMDIForm || !clientHandle_) return nullptr;
    HWND h = reinterpret_cast<HWND>(SendMessage(clientHandle_, WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<TCustomForm*>(FindControl(h));
}

void TCustomForm::Cascade() {
    if (clientHandle_) SendMessage(clientHandle_, WM_MDICASCADE, 0, 0);
}

void TCustomForm::Tile() {
    if (clientHandle_)
        SendMessage(clientHandle_, WM_MDITILE, tileMode_ == tbHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

void TCustomForm::ArrangeIcons() {
    if (clientHandle_) SendMessage(clientHandle_, WM_MDIICONARRANGE, 0, 0);
}

void TCustomForm::Next() {
    if (clientHandle_) SendMessage(clientHandle_, WM_MDINEXT, 0, 0);
}

void TCustomForm::Previous() {
    if (clientHandle_) SendMessage(clientHandle_, WM_MDINEXT, 0, 1);
}

} // namespace tv
