// TWinControl: the window, its children, painting and the message handlers.
#include <algorithm>
#include <map>

#include "framework/ui/application.h"
#include "framework/ui/controls.h"
#include "framework/ui/forms.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "platform/window/cursor.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"

namespace tv {

using namespace tv::win;

namespace {

constexpr const char* kControlProp = "TvControl";
// The control whose window is being created: its first messages arrive
// before CreateWindowEx returns the handle.
TWinControl* g_creating = nullptr;

LRESULT ClassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

void EnsureClass(const TCreateParams& p) {
    // Asked every time: a reset of the desktop forgets registered classes.
    WNDCLASS existing;
    if (GetClassInfo(p.WinClassName, &existing)) return;
    WNDCLASS wc = p.WindowClass;
    wc.lpszClassName = p.WinClassName;
    wc.lpfnWndProc = &ClassProc;
    RegisterClass(wc);
}

} // namespace

const TEnumInfo TBorderStyleInfo{"TBorderStyle",
                                 {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};

namespace {
LRESULT ClassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    TWinControl* c = TWinControl::FindControl(wnd);
    if (!c) {
        c = g_creating;
        if (!c) return DefWindowProc(wnd, msg, wp, lp);
        g_creating = nullptr;
        c->AttachWindow(wnd);
    }
    Message m{msg, wp, lp, 0};
    c->MainWndProc(m);
    return m.Result;
}
} // namespace

TWinControl* TWinControl::SetCreatingControl(TWinControl* c) {
    TWinControl* old = g_creating;
    g_creating = c;
    return old;
}

TWinControl* TWinControl::FindControl(HWND wnd) {
    if (!wnd || !IsWindow(wnd)) return nullptr;
    return static_cast<TWinControl*>(GetProp(wnd, kControlProp));
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
    defProc_ = [](HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProc(w, m, wp, lp); };
}

TWinControl::~TWinControl() {
    Destroying();
    if (parent_) {
        // The focus leaves a control that goes away.
        if (TCustomForm* f = GetParentForm(this)) f->DefocusControl(this, true);
        parent_->RemoveControl(this);
    }
    DestroyHandle();
    // Children that are not owned by this control lose their parent.
    while (!controls_.empty()) controls_.back()->SetParent(nullptr);
}

void TWinControl::Publish(TPublisher& p) {
    p.Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).Default(-1);
    p.Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false);
    p.Event("OnEnter", &TWinControl::OnEnter);
    p.Event("OnExit", &TWinControl::OnExit);
    p.Event("OnKeyDown", &TWinControl::OnKeyDown);
    p.Event("OnKeyPress", &TWinControl::OnKeyPress);
    p.Event("OnKeyUp", &TWinControl::OnKeyUp);
    p.Event("OnMouseWheel", &TControl::OnMouseWheel);
}

// --- the window ------------------------------------------------------------------

void TWinControl::CreateParams(TCreateParams& p) {
    p.Caption = text_;
    p.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (controlStyle_.Contains(csAcceptsControls)) p.Style |= WS_CLIPCHILDREN;
    if (!Enabled()) p.Style |= WS_DISABLED;
    if (tabStop_) p.Style |= WS_TABSTOP;
    p.X = left_;
    p.Y = top_;
    p.Width = width_;
    p.Height = height_;
    if (parent_) p.WndParent = parent_->Handle();
    p.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    p.WindowClass.hCursor = LoadCursor(IDC_ARROW);
    p.WinClassName = ClassName();
    // The reading order and alignment the window's own class follows.
    if (UseRightToLeftReading()) p.ExStyle |= WS_EX_RTLREADING;
    if (UseRightToLeftScrollBar()) p.ExStyle |= WS_EX_LEFTSCROLLBAR;
    if (UseRightToLeftAlignment() && GetControlsAlignment() == taLeftJustify) p.ExStyle |= WS_EX_RIGHT;
}

void TWinControl::CreateWnd() {
    TCreateParams p;
    CreateParams(p);
    if (p.WndParent == nullptr && (p.Style & WS_CHILD)) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    EnsureClass(p);
    CreateWindowHandle(p);
    if (!handle_) throw EOutOfResources("Error creating window");
    InitializeWindow();
}

void TWinControl::CreateWindowHandle(const TCreateParams& p) {
    TWinControl* saved = g_creating;
    g_creating = this;
    HWND wnd = CreateWindowEx(p.ExStyle, p.WinClassName, p.Caption, p.Style, p.X, p.Y, p.Width, p.Height,
                              p.WndParent, nullptr, p.Param);
    g_creating = saved;
    if (wnd && !handle_) AttachWindow(wnd);
}

void TWinControl::AttachWindow(HWND wnd) {
    handle_ = wnd;
    SetProp(wnd, kControlProp, this);
}

void TWinControl::DetachWindow() {
    if (handle_ && IsWindow(handle_)) RemoveProp(handle_, kControlProp);
    handle_ = nullptr;
    showing_ = false;
}

void TWinControl::CreateHandle() {
    if (handle_) return;
    controlState_.Include(csCreating);
    try {
        CreateWnd();
    } catch (...) {
        controlState_.Exclude(csCreating);
        throw;
    }
    controlState_.Exclude(csCreating);
    for (TControl* c : std::vector<TControl*>(controls_))
        if (auto* w = dynamic_cast<TWinControl*>(c); w && !w->handle_) w->CreateHandle();
    RECT r;
    GetClientRect(handle_, &r);
    lastClientW_ = r.right;
    lastClientH_ = r.bottom;
    Realign();
    UpdateShowing();
}

void TWinControl::HandleNeeded() {
    if (handle_) return;
    if (parent_) parent_->HandleNeeded();
    if (!handle_) CreateHandle();
}

HWND TWinControl::Handle() {
    HandleNeeded();
    return handle_;
}

void TWinControl::DestroyWnd() {
    if (!handle_) return;
    text_ = GetText();
    HWND h = handle_;
    DestroyWindow(h);
    DetachWindow();
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    controlState_.Include(csDestroyingHandle);
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
    DestroyWnd();
    controlState_.Exclude(csDestroyingHandle);
}

void TWinControl::RecreateWnd() {
    if (!handle_) return;
    bool hadFocus = Focused();
    DestroyHandle();
    UpdateControlState();
    if (parent_ ? parent_->HandleAllocated() : true) HandleNeeded();
    // The form still names this control active, so going through it would do
    // nothing: hand the new window the focus directly.
    if (hadFocus && handle_) win::SetFocus(handle_);
}

void TWinControl::MainWndProc(Message& msg) {
    auto alive = Alive();
    try {
        WindowProc(msg);
    } catch (...) {
        if (Application) Application->HandleException(*alive ? this : nullptr);
    }
}

void TWinControl::DefaultHandler(Message& msg) {
    if (handle_) {
        msg.Result = defProc_(handle_, msg.Msg, msg.WParam, msg.LParam);
        return;
    }
    TControl::DefaultHandler(msg);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    Realign();
}

// --- the message handlers -----------------------------------------------------------

void TWinControl::WndProc(Message& msg) {
    switch (msg.Msg) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_CHAR: case WM_SYSCHAR:
        // The keys the window system hands straight to the window pass the
        // framework's pre-processing first: shortcuts, dialog keys, accelerators.
        if (Perform(CN_BASE + msg.Msg, msg.WParam, msg.LParam)) {
            msg.Result = 0;
            return;
        }
        break;
    case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: case WM_MBUTTONDOWN: case WM_MBUTTONUP: {
        // Mouse messages over a graphic child go to it.
        POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
        TControl* target = mouseControl_;
        if (!target && GetCapture() != handle_) target = ControlAtPos(p, false);
        if (!target && GetCapture() == handle_ && msg.Msg != WM_MOUSEMOVE) target = nullptr;
        if (target && !dynamic_cast<TWinControl*>(target)) {
            Message m{msg.Msg, msg.WParam, MAKELPARAM(p.x - target->Left(), p.y - target->Top()), 0};
            target->WindowProc(m);
            msg.Result = m.Result;
            return;
        }
        break;
    }
    default:
        break;
    }
    TControl::WndProc(msg);
}

void TWinControl::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case WM_PAINT:
        PaintHandler(msg);
        return;
    case WM_ERASEBKGND:
        EraseBackground(msg);
        return;
    case WM_WINDOWPOSCHANGED:
        if (!handle_) break;
        FollowWindowBounds(msg);
        return;
    case WM_SIZE:
        DefaultHandler(msg);
        RealignAfterResize();
        return;
    case WM_SETFOCUS:
        DefaultHandler(msg);
        if (TCustomForm* f = GetParentForm(this)) f->SetFocusedControl(this);
        return;
    case WM_KILLFOCUS:
        DefaultHandler(msg);
        return;
    case WM_KEYDOWN: case WM_SYSKEYDOWN:
        if (!DoKeyDown(msg)) DefaultHandler(msg);
        return;
    case WM_KEYUP: case WM_SYSKEYUP:
        if (!DoKeyUp(msg)) DefaultHandler(msg);
        return;
    case WM_CHAR:
        if (!DoKeyPress(msg)) DefaultHandler(msg);
        return;
    case CN_KEYDOWN: case CN_SYSKEYDOWN:
        PreprocessKey(msg);
        return;
    case CN_CHAR: case CN_SYSCHAR:
        PreprocessChar(msg);
        return;
    case CM_CHILDKEY:
        msg.Result = parent_ ? parent_->Perform(CM_CHILDKEY, msg.WParam, msg.LParam) : 0;
        return;
    case CM_DIALOGKEY: case CM_DIALOGCHAR:
        OfferToChildren(msg);
        return;
    case WM_MOUSEWHEEL:
        RouteMouseWheel(msg);
        return;
    case WM_MOUSELEAVE:
        Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
        return;
    case WM_COMMAND: case WM_NOTIFY: case WM_DRAWITEM: case WM_MEASUREITEM: case WM_HSCROLL: case WM_VSCROLL:
    case WM_CTLCOLORBTN: case WM_CTLCOLOREDIT: case WM_CTLCOLORSTATIC: case WM_CTLCOLORLISTBOX:
        ReflectToChild(msg);
        return;
    case CM_SHOWINGCHANGED:
        ShowOrHideWindow();
        return;
    case CM_VISIBLECHANGED:
        VisibilityChanged();
        return;
    case CM_ENABLEDCHANGED:
        EnabledStateChanged();
        return;
    case CM_FONTCHANGED: case CM_COLORCHANGED: case CM_CTL3DCHANGED: case CM_SHOWHINTCHANGED:
        PassChangeToChildren(msg.Msg);
        return;
    case CM_BIDIMODECHANGED:
        // The window's styles carry the reading order.
        if (handle_ && !controlState_.Contains(csDestroyingHandle)) RecreateWnd();
        PassChangeToChildren(msg.Msg);
        return;
    case CM_SYSCOLORCHANGE:
        SystemColorsChanged();
        return;
    case CM_RECREATEWND:
        RecreateWnd();
        return;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case WM_NCDESTROY:
        DefaultHandler(msg);
        DetachWindow();
        return;
    case WM_CANCELMODE:
        if (mouseControl_) mouseControl_->Perform(CM_CANCELMODE);
        break;
    default:
        break;
    }
    TControl::Dispatch(msg);
}

void TWinControl::EraseBackground(Message& msg) {
    HDC dc = reinterpret_cast<HDC>(msg.WParam);
    if (!controlStyle_.Contains(csOpaque) && dc) {
        RECT r;
        GetClientRect(handle_, &r);
        HBRUSH b = CreateSolidBrush(ColorToRGB(Color()));
        FillRect(dc, &r, b);
        DeleteObject(b);
    }
    msg.Result = 1;
}

void TWinControl::FollowWindowBounds(Message& msg) {
    RECT r;
    GetWindowRect(handle_, &r);
    if (HWND p = GetParent(handle_); p && (GetWindowLong(handle_, GWL_STYLE) & WS_CHILD)) {
        POINT tl{r.left, r.top};
        win::ScreenToClient(p, &tl);
        r = {tl.x, tl.y, tl.x + r.Width(), tl.y + r.Height()};
    }
    UpdateBoundsFromWindow(r);
    DefaultHandler(msg);
}

void TWinControl::PreprocessKey(Message& msg) {
    msg.Result = 1;
    if (IsMenuKey(msg)) return;
    auto key = int(msg.WParam);
    if (Perform(CM_CHILDKEY, msg.WParam, reinterpret_cast<LPARAM>(this))) return;
    LRESULT mask = 0;
    switch (key) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN: case VK_ESCAPE: case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
    }
    if (mask && !Perform(CM_WANTSPECIALKEY, msg.WParam) && !(Perform(WM_GETDLGCODE) & mask)) {
        TCustomForm* f = GetParentForm(this);
        if (f && f->Perform(CM_DIALOGKEY, msg.WParam, msg.LParam)) return;
    }
    msg.Result = 0;
}

void TWinControl::PreprocessChar(Message& msg) {
    msg.Result = 1;
    // Accelerators answer only with Alt, or when the focused control takes no characters.
    if (msg.Msg == CN_SYSCHAR || !(Perform(WM_GETDLGCODE) & DLGC_WANTCHARS)) {
        TCustomForm* f = GetParentForm(this);
        if (f && (msg.Msg == CN_SYSCHAR || msg.WParam != 13) && f->Perform(CM_DIALOGCHAR, msg.WParam, msg.LParam))
            return;
    }
    msg.Result = 0;
}

void TWinControl::OfferToChildren(Message& msg) {
    // Broadcast to the children until one takes it.
    for (TControl* c : std::vector<TControl*>(controls_)) {
        if (!c->Visible() || !c->Enabled()) continue;
        if (c->Perform(msg.Msg, msg.WParam, msg.LParam)) {
            msg.Result = 1;
            return;
        }
    }
    msg.Result = 0;
}

// The wheel is offered to the control's events first; unanswered, it goes to
// the window's own procedure, which scrolls a window that scrolls itself (a
// list box, a memo, a list or tree view) and passes it on to the parent.
void TWinControl::RouteMouseWheel(Message& msg) {
    auto alive = Alive();
    msg.Result = Perform(CM_MOUSEWHEEL, msg.WParam, msg.LParam);
    if (!msg.Result && *alive) DefaultHandler(msg);
}

void TWinControl::ReflectToChild(Message& msg) {
    // Reflected to the child control that sent it.
    HWND child = nullptr;
    if (msg.Msg == WM_COMMAND) child = reinterpret_cast<HWND>(msg.LParam);
    else if (msg.Msg == WM_DRAWITEM) child = reinterpret_cast<DRAWITEMSTRUCT*>(msg.LParam)->hwndItem;
    else if (msg.Msg == WM_MEASUREITEM) child = GetDlgItem(handle_, int(reinterpret_cast<MEASUREITEMSTRUCT*>(msg.LParam)->CtlID));
    else if (msg.Msg == WM_NOTIFY) child = *reinterpret_cast<HWND*>(msg.LParam);
    else child = reinterpret_cast<HWND>(msg.LParam);
    if (child && child != handle_) {
        if (TWinControl* c = FindControl(child)) {
            msg.Result = c->Perform(CN_BASE + msg.Msg, msg.WParam, msg.LParam);
            return;
        }
    }
    DefaultHandler(msg);
}

void TWinControl::ShowOrHideWindow() {
    if (handle_)
        SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                         (showing_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::VisibilityChanged() {
    if (!Visible() && parent_) {
        if (TCustomForm* f = GetParentForm(this)) f->DefocusControl(this, false);
    }
    UpdateControlState();
}

void TWinControl::EnabledStateChanged() {
    if (!Enabled() && parent_) {
        if (TCustomForm* f = GetParentForm(this)) f->DefocusControl(this, false);
    }
    if (handle_) EnableWindow(handle_, Enabled());
    Invalidate();
}

void TWinControl::PassChangeToChildren(UINT msg) {
    Invalidate();
    UINT parentMsg = msg == CM_FONTCHANGED       ? CM_PARENTFONTCHANGED
                     : msg == CM_COLORCHANGED    ? CM_PARENTCOLORCHANGED
                     : msg == CM_CTL3DCHANGED    ? CM_PARENTCTL3DCHANGED
                     : msg == CM_BIDIMODECHANGED ? CM_PARENTBIDIMODECHANGED
                                                 : CM_PARENTSHOWHINTCHANGED;
    for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(parentMsg);
}

void TWinControl::SystemColorsChanged() {
    for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(CM_SYSCOLORCHANGE);
    Invalidate();
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

// --- showing -------------------------------------------------------------------

void TWinControl::UpdateShowing() {
    bool show = Visible() && handle_ && (parent_ ? parent_->Showing() : true);
    if (show == showing_) {
        if (show)
            for (TControl* c : std::vector<TControl*>(controls_))
                if (auto* w = dynamic_cast<TWinControl*>(c)) w->UpdateShowing();
        return;
    }
    showing_ = show;
    if (show) {
        for (TControl* c : std::vector<TControl*>(controls_))
            if (auto* w = dynamic_cast<TWinControl*>(c)) w->UpdateShowing();
        Perform(CM_SHOWINGCHANGED);
    } else {
        Perform(CM_SHOWINGCHANGED);
        for (TControl* c : std::vector<TControl*>(controls_))
            if (auto* w = dynamic_cast<TWinControl*>(c)) w->UpdateShowing();
    }
}

void TWinControl::UpdateControlState() {
    if (!parent_) {
        UpdateShowing();
        return;
    }
    if (parent_->HandleAllocated() && !handle_ && Visible()) CreateHandle();
    else UpdateShowing();
}

void TWinControl::SetEnabled(bool v) { TControl::SetEnabled(v); }

// --- children --------------------------------------------------------------------

void TWinControl::InsertControl(TControl* c) {
    c->parent_ = this;
    controls_.push_back(c);
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
        tabList_.push_back(w);
        if (handle_ && !w->handle_) w->CreateHandle();
    }
    if (!ComponentState().Contains(csLoading) && !c->ComponentState().Contains(csLoading)) {
        c->Perform(CM_PARENTCOLORCHANGED);
        c->Perform(CM_PARENTFONTCHANGED);
        c->Perform(CM_PARENTSHOWHINTCHANGED);
        c->Perform(CM_PARENTCTL3DCHANGED);
        c->Perform(CM_PARENTBIDIMODECHANGED);
    }
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(c), TRUE);
    Realign();
    c->Invalidate();
}

void TWinControl::RemoveControl(TControl* c) {
    c->Invalidate();
    if (mouseControl_ == c) mouseControl_ = nullptr;
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
        if (TCustomForm* f = GetParentForm(this)) f->DefocusControl(w, true);
        w->DestroyHandle();
        tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), w), tabList_.end());
    }
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    c->parent_ = nullptr;
    if (!ComponentState().Contains(csDestroying)) {
        Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(c), FALSE);
        Realign();
    }
}

bool TWinControl::ContainsControl(const TControl* c) const {
    while (c && c != this) c = c->Parent();
    return c == this;
}

TControl* TWinControl::ControlAtPos(POINT pos, bool allowDisabled, bool allowWinControls) {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!allowWinControls && dynamic_cast<TWinControl*>(c)) continue;
        if (!c->Visible() || (!allowDisabled && !c->Enabled())) continue;
        RECT r = c->BoundsRect();
        if (PtInRect(&r, pos) && c->Perform(CM_HITTEST, 0, MAKELPARAM(pos.x - c->Left(), pos.y - c->Top())))
            return c;
    }
    return nullptr;
}

void TWinControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (TControl* c : controls_)
        if (c->Owner() == root) proc(c);
}

// --- painting ----------------------------------------------------------------------

void TWinControl::PaintHandler(Message& msg) {
    HDC dc = reinterpret_cast<HDC>(msg.WParam);
    PAINTSTRUCT ps;
    if (!dc) dc = BeginPaint(handle_, &ps);
    try {
        if (msg.WParam) {
            // Painting into a given device context: the background first.
            Message erase{WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, 0};
            Dispatch(erase);
        }
        int saved = SaveDC(dc);
        // Graphic children are painted on top of the window's own painting.
        for (TControl* c : controls_) {
            if (dynamic_cast<TWinControl*>(c) || !c->Visible() || !c->ControlStyle().Contains(csOpaque)) continue;
            ExcludeClipRect(dc, c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height());
        }
        PaintWindow(dc);
        RestoreDC(dc, saved);
        PaintControls(dc, nullptr);
    } catch (...) {
        if (!msg.WParam) EndPaint(handle_, &ps);
        throw;
    }
    if (!msg.WParam) EndPaint(handle_, &ps);
}

void TWinControl::PaintWindow(HDC dc) {
    Message m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(m);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
    for (TControl* c : std::vector<TControl*>(controls_)) {
        if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
        RECT r = c->BoundsRect();
        if (!RectVisible(dc, &r)) continue;
        int saved = SaveDC(dc);
        POINT org;
        GetViewportOrgEx(dc, &org);
        SetViewportOrgEx(dc, org.x + c->Left(), org.y + c->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
        Message m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
        c->Dispatch(m);
        RestoreDC(dc, saved);
    }
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
    HandleNeeded();
    int saved = SaveDC(dc);
    POINT org;
    GetViewportOrgEx(dc, &org);
    SetViewportOrgEx(dc, org.x + x, org.y + y, nullptr);
    IntersectClipRect(dc, 0, 0, width_, height_);
    Message m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    Dispatch(m);
    for (TControl* c : controls_) {
        auto* w = dynamic_cast<TWinControl*>(c);
        if (w && w->Visible()) w->PaintTo(dc, w->Left(), w->Top());
    }
    RestoreDC(dc, saved);
}

void TWinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, !controlStyle_.Contains(csOpaque));
}

void TWinControl::Update() {
    if (handle_) UpdateWindow(handle_);
}

RECT TWinControl::ClientRect() {
    if (handle_) {
        RECT r;
        GetClientRect(handle_, &r);
        return r;
    }
    return TControl::ClientRect();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    ConstrainSize(width, height);
    if (handle_ && !controlState_.Contains(csCreating)) {
        if (left == left_ && top == top_ && width == width_ && height == height_) return;
        SetWindowPos(handle_, nullptr, left, top, std::max(width, 0), std::max(height, 0),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        // The window's answer (WM_WINDOWPOSCHANGED) updated the fields; a
        // minimised or maximised window keeps its own.
        if (left_ != left || top_ != top || width_ != width || height_ != height) {
            if (!IsIconic(handle_) && !IsZoomed(handle_)) TControl::SetBounds(left, top, width, height);
        }
        return;
    }
    TControl::SetBounds(left, top, width, height);
}

void TWinControl::ChangeScale(int m, int d) {
    if (m == d || m <= 0 || d <= 0) return;
    DisableAlign();
    try {
        for (TControl* c : std::vector<TControl*>(controls_)) c->ChangeScale(m, d);
        TControl::ChangeScale(m, d);
    } catch (...) {
        EnableAlign();
        throw;
    }
    EnableAlign();
}

void TWinControl::SetZOrder(bool topMost) {
    if (topMost) BringToFront();
    else SendToBack();
}

} // namespace tv
