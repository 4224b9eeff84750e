// TControl: what every control has, windowed or not.
#include "framework/ui/controls.h"

#include <algorithm>

#include "framework/ui/actions.h"
#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "framework/ui/menus.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/text.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TAlignInfo{"TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"}};
const TEnumInfo TAnchorKindInfo{"TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"}};
const TEnumInfo TAlignmentInfo{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
const TEnumInfo TImeModeInfo{"TImeMode",
                             {"imDisable", "imClose", "imOpen", "imDontCare", "imSAlpha", "imAlpha", "imHira",
                              "imSKata", "imKata", "imChinese", "imSHanguel", "imHanguel"}};

const TIdentMap& CursorIdents() {
    static const TIdentMap map{
        {crDefault, "crDefault"}, {crNone, "crNone"}, {crArrow, "crArrow"}, {crCross, "crCross"},
        {crIBeam, "crIBeam"}, {crSizeNESW, "crSizeNESW"}, {crSizeNS, "crSizeNS"}, {crSizeNWSE, "crSizeNWSE"},
        {crSizeWE, "crSizeWE"}, {crUpArrow, "crUpArrow"}, {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
        {crNoDrop, "crNoDrop"}, {crHSplit, "crHSplit"}, {crVSplit, "crVSplit"}, {crMultiDrag, "crMultiDrag"},
        {crSQLWait, "crSQLWait"}, {crNo, "crNo"}, {crAppStart, "crAppStart"}, {crHelp, "crHelp"},
        {crHandPoint, "crHandPoint"}, {crSizeAll, "crSizeAll"}};
    return map;
}

TShiftState KeyboardShiftState() {
    TShiftState s;
    if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
    if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
    return s;
}

TShiftState KeysToShiftState(WPARAM keys) {
    TShiftState s;
    if (keys & MK_SHIFT) s.Include(ssShift);
    if (keys & MK_CONTROL) s.Include(ssCtrl);
    if (keys & MK_LBUTTON) s.Include(ssLeft);
    if (keys & MK_RBUTTON) s.Include(ssRight);
    if (keys & MK_MBUTTON) s.Include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
    return s;
}

TCustomForm* GetParentForm(const TControl* control) {
    const TControl* c = control;
    while (c && c->Parent()) c = c->Parent();
    return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(c));
}

bool IsAccel(char32_t ch, const std::string& caption) {
    auto lower = [](char32_t c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') { ++i; continue; }
        return lower(char32_t(static_cast<unsigned char>(caption[i + 1]))) == lower(ch);
    }
    return false;
}

// The control under the mouse, told CM_MOUSELEAVE when the mouse moves on.
namespace {
TControl* g_mouseControl = nullptr;
std::shared_ptr<bool> g_mouseAlive;
} // namespace

TControl::TControl(TComponent* owner)
    : TComponent(owner), font_(new TFont), constraints_(std::make_unique<TSizeConstraints>()) {
    WindowProc = [this](Message& m) { WndProc(m); };
    font_->OnChange = [this](TObject*) { FontChanged(); };
    constraints_->OnChange = [this] {
        if (!ComponentState().Contains(csLoading)) SetBounds(left_, top_, width_, height_);
    };
}

TControl::~TControl() {
    TDragEngine::ControlDestroying(this);
    if (g_mouseControl == this) g_mouseControl = nullptr;
    actionLink_.reset();
    if (parent_) parent_->RemoveControl(this);
    delete font_;
}

void TControl::Publish(TPublisher& p) {
    p.Integer("Left", &TControl::Left, &TControl::SetLeft).Scaled();
    p.Integer("Top", &TControl::Top, &TControl::SetTop).Scaled();
    p.Integer("Width", &TControl::Width, &TControl::SetWidth).Scaled();
    p.Integer("Height", &TControl::Height, &TControl::SetHeight).Scaled();
    p.Component("Action", &TControl::Action, &TControl::SetAction);
    p.Enum("Align", &TControl::Align, &TControl::SetAlign, TAlignInfo).Default(alNone);
    p.Set("Anchors", &TControl::Anchors, &TControl::SetAnchors, TAnchorKindInfo).Default(TAnchors{akLeft, akTop});
    p.Enum("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode, TBiDiModeInfo).Stored(&TControl::IsStoredBiDiMode);
    p.String("Caption", &TControl::Caption, &TControl::SetCaption);
    p.Integer("Color", &TControl::Color, &TControl::SetColor).Idents(ColorIdents()).Stored(&TControl::IsStoredColor);
    p.Object("Constraints", &TControl::Constraints, &TControl::SetConstraints);
    p.Boolean("Ctl3D", &TControl::Ctl3D, &TControl::SetCtl3D).Stored(&TControl::IsStoredCtl3D);
    p.Integer("Cursor", &TControl::Cursor, &TControl::SetCursor).Idents(CursorIdents()).Default(crDefault);
    p.Integer("DragCursor", &TControl::DragCursor, &TControl::SetDragCursor).Idents(CursorIdents()).Default(crDrag);
    p.Enum("DragKind", &TControl::DragKind, &TControl::SetDragKind, TDragKindInfo).Default(dkDrag);
    p.Enum("DragMode", &TControl::DragMode, &TControl::SetDragMode, TDragModeInfo).Default(dmManual);
    p.Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true);
    p.Object("Font", &TControl::Font, &TControl::SetFont).Stored(&TControl::IsStoredFont);
    p.String("Hint", &TControl::Hint, &TControl::SetHint);
    p.Boolean("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode).Default(true);
    p.Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(true);
    p.Boolean("ParentCtl3D", &TControl::ParentCtl3D, &TControl::SetParentCtl3D).Default(true);
    p.Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(true);
    p.Boolean("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(true);
    p.Component("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
    p.Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Stored(&TControl::IsStoredShowHint);
    p.Boolean("Visible", &TControl::Visible, &TControl::SetVisible).Default(true);
    p.Event("OnClick", &TControl::OnClick);
    p.Event("OnContextPopup", &TControl::OnContextPopup);
    p.Event("OnDblClick", &TControl::OnDblClick);
    p.Event("OnDragDrop", &TControl::OnDragDrop);
    p.Event("OnDragOver", &TControl::OnDragOver);
    p.Event("OnEndDock", &TControl::OnEndDock);
    p.Event("OnEndDrag", &TControl::OnEndDrag);
    p.Event("OnMouseDown", &TControl::OnMouseDown);
    p.Event("OnMouseMove", &TControl::OnMouseMove);
    p.Event("OnMouseUp", &TControl::OnMouseUp);
    p.Event("OnResize", &TControl::OnResize);
    p.Event("OnStartDock", &TControl::OnStartDock);
    p.Event("OnStartDrag", &TControl::OnStartDrag);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    Message m{msg, wParam, lParam, 0};
    WindowProc(m);
    return m.Result;
}

LRESULT TControl::ParentPerform(UINT msg, WPARAM wParam, LPARAM lParam) {
    return parent_ ? parent_->Perform(msg, wParam, lParam) : 0;
}

void TControl::WndProc(Message& msg) {
    // A left press on an automatic drag source starts the drag instead of
    // the control's own press handling.
    if ((msg.Msg == WM_LBUTTONDOWN || msg.Msg == WM_LBUTTONDBLCLK) && dragMode_ == dmAutomatic &&
        !ComponentState().Contains(csDesigning)) {
        BeginAutoDrag();
        return;
    }
    Dispatch(msg);
}

void TControl::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN: case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MOUSEMOVE: {
        // The window's own procedure acts first (an edit takes the focus and
        // moves its caret, a combo box drops its list), then the framework's
        // events. A right button's release is told first and then asks for
        // the context menu (the default procedure's WM_CONTEXTMENU).
        auto alive = Alive();
        if (msg.Msg == WM_RBUTTONUP) {
            MouseMessage(msg);
            if (*alive) DefaultHandler(msg);
            return;
        }
        DefaultHandler(msg);
        if (*alive) MouseMessage(msg);
        return;
    }
    case WM_CANCELMODE: case CM_CANCELMODE:
        mouseCaptured_ = false;
        controlState_.Exclude(csClicked);
        controlState_.Exclude(csLButtonDown);
        if (parent_ && parent_->mouseControl_ == this) {
            parent_->mouseControl_ = nullptr;
            if (parent_->HandleAllocated() && GetCapture() == parent_->WindowHandle()) ReleaseCapture();
        }
        // The window's own procedure ends its modes too (a dropped list closes).
        if (msg.Msg == WM_CANCELMODE) DefaultHandler(msg);
        return;
    case WM_CONTEXTMENU: {
        if (msg.Result != 0) return;
        POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
        bool fromKeys = p.x == -1 && p.y == -1;
        auto alive = Alive();
        bool handled = false;
        DoContextPopup(fromKeys ? POINT{-1, -1} : ScreenToClient(p), handled);
        if (!*alive) return;
        if (handled) {
            msg.Result = 1;
            return;
        }
        if (popupMenu_ && popupMenu_->AutoPopup()) {
            if (fromKeys) p = ClientToScreen({0, 0});
            popupMenu_->SetPopupComponent(this);
            popupMenu_->Popup(p.x, p.y);
            msg.Result = 1;
            return;
        }
        break;
    }
    case CM_PARENTBIDIMODECHANGED:
        if (parentBiDiMode_ && parent_) {
            SetBiDiMode(parent_->BiDiMode());
            parentBiDiMode_ = true;
        }
        return;
    case CM_BIDIMODECHANGED: Invalidate(); return;
    case CM_PARENTFONTCHANGED:
        if (parentFont_) {
            TFont* src = msg.WParam ? reinterpret_cast<TFont*>(msg.LParam) : parent_ ? parent_->Font() : nullptr;
            if (src) {
                font_->Assign(src);
                parentFont_ = true;
            }
        }
        return;
    case CM_PARENTCOLORCHANGED:
        if (parentColor_ && parent_) {
            SetColor(msg.WParam ? TColor(msg.LParam) : parent_->Color());
            parentColor_ = true;
        }
        return;
    case CM_PARENTCTL3DCHANGED:
        if (parentCtl3D_ && parent_) {
            SetCtl3D(parent_->Ctl3D());
            parentCtl3D_ = true;
        }
        return;
    case CM_PARENTSHOWHINTCHANGED:
        if (parentShowHint_ && parent_) {
            SetShowHint(parent_->ShowHint());
            parentShowHint_ = true;
        }
        return;
    case CM_ENABLEDCHANGED: case CM_FONTCHANGED: case CM_COLORCHANGED: case CM_TEXTCHANGED:
        Invalidate();
        return;
    case CM_HITTEST:
        msg.Result = HTCLIENT;
        return;
    case CM_MOUSEWHEEL:
        msg.Result = DoMouseWheel(KeysToShiftState(LOWORD(msg.WParam)), std::int16_t(HIWORD(msg.WParam)),
                                  {GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)})
                         ? 1
                         : 0;
        return;
    case CM_MOUSEENTER:
        if (OnMouseEnter) OnMouseEnter(this);
        return;
    case CM_MOUSELEAVE:
        if (OnMouseLeave) OnMouseLeave(this);
        return;
    default:
        break;
    }
    DefaultHandler(msg);
}

void TControl::DefaultHandler(Message& msg) {
    switch (msg.Msg) {
    case WM_GETTEXT:
        if (auto* out = reinterpret_cast<std::string*>(msg.LParam)) *out = text_;
        msg.Result = LRESULT(text_.size());
        return;
    case WM_GETTEXTLENGTH:
        msg.Result = LRESULT(text_.size());
        return;
    case WM_SETTEXT:
        text_ = msg.LParam ? reinterpret_cast<const char*>(msg.LParam) : "";
        msg.Result = 1;
        return;
    default:
        break;
    }
}

void TControl::MouseMessage(Message& msg) {
    POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
    TShiftState shift = KeysToShiftState(msg.WParam);
    auto alive = Alive();
    if (Application) Application->HintMouseMessage(this, msg);
    auto capture = [&](bool on) {
        if (auto* w = dynamic_cast<TWinControl*>(this)) {
            if (!w->HandleAllocated()) return;
            // A window procedure that took the capture itself (a dropped
            // combo list, an edit tracking its selection) keeps and ends it.
            if (on) {
                if (GetCapture()) return;
                SetCapture(w->WindowHandle());
                mouseCaptured_ = true;
            } else if (mouseCaptured_) {
                mouseCaptured_ = false;
                if (GetCapture() == w->WindowHandle()) ReleaseCapture();
            }
        } else if (parent_) {
            parent_->mouseControl_ = on ? this : nullptr;
            if (!parent_->HandleAllocated()) return;
            if (on) SetCapture(parent_->WindowHandle());
            else if (GetCapture() == parent_->WindowHandle()) ReleaseCapture();
        }
    };
    switch (msg.Msg) {
    case WM_MOUSEMOVE:
        if (g_mouseControl != this) {
            TControl* old = g_mouseControl;
            auto oldAlive = g_mouseAlive;
            g_mouseControl = this;
            g_mouseAlive = alive;
            mouseInside_ = true;
            if (old && oldAlive && *oldAlive) old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(old));
            if (!*alive) return;
            Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(this));
            if (!*alive) return;
            if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated()) {
                TRACKMOUSEEVENT tme;
                tme.dwFlags = TME_LEAVE;
                tme.hwndTrack = w->WindowHandle();
                TrackMouseEvent(&tme);
            }
        }
        MouseMove(shift, p.x, p.y);
        return;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
        if (msg.Msg == WM_LBUTTONDBLCLK) shift.Include(ssDouble);
        if (controlStyle_.Contains(csCaptureMouse)) capture(true);
        if (controlStyle_.Contains(csClickEvents)) controlState_.Include(csClicked);
        controlState_.Include(csLButtonDown);
        if (msg.Msg == WM_LBUTTONDBLCLK && controlStyle_.Contains(csDoubleClicks)) {
            DblClick();
            if (!*alive) return;
        }
        MouseDown(mbLeft, shift, p.x, p.y);
        return;
    case WM_LBUTTONUP: {
        bool clicked = controlState_.Contains(csClicked);
        controlState_.Exclude(csClicked);
        controlState_.Exclude(csLButtonDown);
        capture(false);
        MouseUp(mbLeft, shift, p.x, p.y);
        if (!*alive) return;
        RECT r = ClientRect();
        if (clicked && PtInRect(&r, p)) Click();
        return;
    }
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
        if (msg.Msg == WM_RBUTTONDBLCLK) shift.Include(ssDouble);
        MouseDown(mbRight, shift, p.x, p.y);
        return;
    case WM_RBUTTONUP:
        MouseUp(mbRight, shift, p.x, p.y);
        if (!*alive) return;
        // The context menu comes with the button's release; a window asks
        // for it through its own procedure.
        if ((popupMenu_ || OnContextPopup) && !dynamic_cast<TWinControl*>(this)) {
            POINT s = ClientToScreen(p);
            Perform(WM_CONTEXTMENU, 0, MAKELPARAM(s.x, s.y));
        }
        return;
    case WM_MBUTTONDOWN:
        MouseDown(mbMiddle, shift, p.x, p.y);
        return;
    case WM_MBUTTONUP:
        MouseUp(mbMiddle, shift, p.x, p.y);
        return;
    }
}

void TControl::MouseDown(TMouseButton b, TShiftState s, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, b, s, x, y);
}
void TControl::MouseUp(TMouseButton b, TShiftState s, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, b, s, x, y);
}
void TControl::MouseMove(TShiftState s, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, s, x, y);
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) {
    auto alive = Alive();
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
    if (!*alive || handled) return true;
    // A fine wheel sends parts of a notch: they add up to whole ones.
    wheelAccumulator_ += wheelDelta;
    while (*alive && wheelAccumulator_ <= -WHEEL_DELTA) {
        wheelAccumulator_ += WHEEL_DELTA;
        handled = DoMouseWheelDown(shift, mousePos) || handled;
    }
    while (*alive && wheelAccumulator_ >= WHEEL_DELTA) {
        wheelAccumulator_ -= WHEEL_DELTA;
        handled = DoMouseWheelUp(shift, mousePos) || handled;
    }
    return handled || !*alive;
}

bool TControl::DoMouseWheelDown(TShiftState shift, POINT mousePos) {
    bool handled = false;
    if (OnMouseWheelDown) OnMouseWheelDown(this, shift, mousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState shift, POINT mousePos) {
    bool handled = false;
    if (OnMouseWheelUp) OnMouseWheelUp(this, shift, mousePos, handled);
    return handled;
}

void TControl::ChangeScale(int m, int d) {
    if (m == d || m <= 0 || d <= 0) return;
    // Rounded multiply-divide, halves away from zero, as the form reader does.
    auto scale = [&](int v) {
        long long n = (long long)v * m;
        return int(n >= 0 ? (n + d / 2) / d : -((-n + d / 2) / d));
    };
    if (parent_) SetBounds(scale(left_), scale(top_), scale(width_), scale(height_));
    else SetClientSize(scale(ClientWidth()), scale(ClientHeight())); // the frame is the window system's
    if (!parentFont_) font_->SetHeight(scale(font_->Height()));
}

void TControl::Click() {
    // A handler of the control's own stands before its action's.
    if (OnClick) OnClick(this);
    else if (actionLink_) actionLink_->Execute(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::ConstrainSize(int& width, int& height) const { constraints_->Apply(width, height); }

void TControl::SetBounds(int left, int top, int width, int height) {
    ConstrainSize(width, height);
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    bool resized = width != width_ || height != height_;
    if (parent_ && Visible()) parent_->Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged();
    Invalidate();
    RequestAlign();
    if (resized && !ComponentState().Contains(csLoading)) Resize();
}

void TControl::UpdateBoundsFromWindow(const RECT& r) {
    bool resized = r.Width() != width_ || r.Height() != height_;
    left_ = r.left;
    top_ = r.top;
    width_ = r.Width();
    height_ = r.Height();
    if (resized) {
        RequestAlign();
        if (!ComponentState().Contains(csLoading)) Resize();
    }
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

RECT TControl::ClientRect() { return {0, 0, width_, height_}; }

void TControl::SetClientWidth(int v) { SetWidth(v); }
void TControl::SetClientHeight(int v) { SetHeight(v); }
void TControl::SetClientSize(int w, int h) {
    SetClientWidth(w);
    SetClientHeight(h);
}

POINT TControl::ClientOrigin() {
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated()) {
        POINT p{0, 0};
        win::ClientToScreen(w->WindowHandle(), &p);
        return p;
    }
    if (!parent_) return {left_, top_};
    POINT p = parent_->ClientOrigin();
    return {p.x + left_, p.y + top_};
}

POINT TControl::ClientToScreen(POINT p) {
    POINT o = ClientOrigin();
    return {p.x + o.x, p.y + o.y};
}

POINT TControl::ScreenToClient(POINT p) {
    POINT o = ClientOrigin();
    return {p.x - o.x, p.y - o.y};
}

void TControl::RequestAlign() {
    if (parent_) parent_->Realign();
}

void TControl::SetAlign(TAlign v) {
    if (v == align_) return;
    TAlign old = align_;
    align_ = v;
    // A control taking the whole width or height keeps its size when it lets go.
    if (old == alNone && !ComponentState().Contains(csLoading)) {
        if (v == alLeft || v == alRight) anchors_ = TAnchors{akLeft, akTop, akBottom};
        else if (v == alTop || v == alBottom) anchors_ = TAnchors{akLeft, akTop, akRight};
        else if (v == alClient) anchors_ = TAnchors{akLeft, akTop, akRight, akBottom};
    }
    RequestAlign();
}

void TControl::SetAnchors(TAnchors v) { anchors_ = v; }

void TControl::SetVisible(bool v) {
    if (v == visible_) return;
    VisibleChanging();
    visible_ = v;
    Perform(CM_VISIBLECHANGED, v);
    RequestAlign();
}

void TControl::Show() {
    if (parent_) parent_->Show();
    SetVisible(true);
}

void TControl::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Perform(CM_ENABLEDCHANGED);
}

std::string TControl::GetText() { return text_; }

void TControl::SetTextBuf(const std::string& v) { Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(v.c_str())); }

void TControl::SetText(const std::string& v) {
    if (GetText() == v) return;
    SetTextBuf(v);
    text_ = v;
    Perform(CM_TEXTCHANGED);
}

void TControl::FontChanged() {
    parentFont_ = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool v) {
    if (v == parentFont_) return;
    parentFont_ = v;
    if (v && parent_) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetColor(TColor v) {
    if (v == color_) {
        parentColor_ = false;
        return;
    }
    color_ = v;
    parentColor_ = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool v) {
    if (v == parentColor_) return;
    parentColor_ = v;
    if (v && parent_) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetCtl3D(bool v) {
    parentCtl3D_ = false;
    if (v == ctl3D_) return;
    ctl3D_ = v;
    Perform(CM_CTL3DCHANGED);
}

void TControl::SetParentCtl3D(bool v) {
    if (v == parentCtl3D_) return;
    parentCtl3D_ = v;
    if (v && parent_) Perform(CM_PARENTCTL3DCHANGED);
}

void TControl::SetShowHint(bool v) {
    parentShowHint_ = false;
    if (v == showHint_) return;
    showHint_ = v;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool v) {
    if (v == parentShowHint_) return;
    parentShowHint_ = v;
    if (v && parent_) Perform(CM_PARENTSHOWHINTCHANGED);
}

// --- reading order ---

void TControl::SetBiDiMode(TBiDiMode v) {
    parentBiDiMode_ = false;
    if (v == biDiMode_) return;
    biDiMode_ = v;
    Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool v) {
    if (v == parentBiDiMode_) return;
    parentBiDiMode_ = v;
    if (v && parent_) Perform(CM_PARENTBIDIMODECHANGED);
}

bool TControl::UseRightToLeftAlignment() const { return SysLocale().MiddleEast && biDiMode_ == bdRightToLeft; }

bool TControl::UseRightToLeftReading() const { return SysLocale().MiddleEast && biDiMode_ != bdLeftToRight; }

bool TControl::UseRightToLeftScrollBar() const {
    return SysLocale().MiddleEast && (biDiMode_ == bdRightToLeft || biDiMode_ == bdRightToLeftNoAlign);
}

bool TControl::IsRightToLeft() const { return SysLocale().MiddleEast && biDiMode_ != bdLeftToRight; }

UINT TControl::DrawTextBiDiModeFlags(UINT flags) const {
    if (UseRightToLeftAlignment()) {
        if (flags & DT_RIGHT)
            flags &= ~DT_RIGHT;
        else if (!(flags & DT_CENTER))
            flags |= DT_RIGHT;
    }
    return flags | DrawTextBiDiModeFlagsReadingOnly();
}

UINT TControl::DrawTextBiDiModeFlagsReadingOnly() const { return UseRightToLeftReading() ? DT_RTLREADING : 0; }

// --- dragging ---

void TControl::BeginDrag(bool immediate, int threshold) { TDragEngine::Begin(this, immediate, threshold); }

void TControl::EndDrag(bool drop) {
    if (Dragging()) TDragEngine::End(drop);
}

bool TControl::Dragging() const { return TDragEngine::Source() == this; }

void TControl::BeginAutoDrag() { BeginDrag(Mouse->DragImmediate(), Mouse->DragThreshold()); }

void TControl::DoStartDrag(TDragObject*& dragObject) {
    if (OnStartDrag) OnStartDrag(this, dragObject);
}

void TControl::DoEndDrag(TObject* target, int x, int y) {
    if (OnEndDrag) OnEndDrag(this, target, x, y);
}

void TControl::DoStartDock(TDragDockObject*& dragObject) {
    if (OnStartDock) OnStartDock(this, dragObject);
}

void TControl::DoEndDock(TObject* target, int x, int y) {
    if (OnEndDock) OnEndDock(this, target, x, y);
}

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
    accept = false;
    if (!OnDragOver) return;
    accept = true;
    OnDragOver(this, source, x, y, state, accept);
}

void TControl::DragDrop(TObject* source, int x, int y) {
    if (OnDragDrop) OnDragDrop(this, source, x, y);
}

void TControl::DoContextPopup(POINT mousePos, bool& handled) {
    if (OnContextPopup) OnContextPopup(this, mousePos, handled);
}

void TControl::SetCursor(TCursor v) {
    if (v == cursor_) return;
    cursor_ = v;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* v) {
    if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = v;
    if (v) v->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove) {
        if (component == popupMenu_) popupMenu_ = nullptr;
        if (actionLink_ && component == actionLink_->Action()) actionLink_.reset();
    }
}

TBasicAction* TControl::Action() const { return actionLink_ ? actionLink_->Action() : nullptr; }

void TControl::SetAction(TBasicAction* action) {
    if (!action) {
        actionLink_.reset();
        return;
    }
    if (!actionLink_) actionLink_ = std::make_unique<TControlActionLink>(this);
    actionLink_->SetAction(action);
    action->FreeNotification(this);
    ActionChange(action, ComponentState().Contains(csLoading));
}

bool TControl::ExecuteAction(TBasicAction* action) {
    if (!action->HandlesTarget(this)) return false;
    action->ExecuteTarget(this);
    return true;
}

bool TControl::UpdateAction(TBasicAction* action) {
    if (!action->HandlesTarget(this)) return false;
    action->UpdateTarget(this);
    return true;
}

void TControl::ActionChange(TObject* sender, bool checkDefaults) {
    auto* a = dynamic_cast<TCustomAction*>(sender);
    if (!a) return;
    if (!checkDefaults || Caption().empty() || Caption() == Name()) SetCaption(a->Caption());
    if (!checkDefaults || Enabled()) SetEnabled(a->Enabled());
    if (!checkDefaults || Hint().empty()) SetHint(a->Hint());
    if (!checkDefaults || Visible()) SetVisible(a->Visible());
}

void TControl::Changed() { Perform(CM_CHANGED, 0, reinterpret_cast<LPARAM>(this)); }

void TControl::Invalidate() {
    if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
    RECT r = BoundsRect();
    InvalidateRect(parent_->WindowHandle(), &r, !controlStyle_.Contains(csOpaque));
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::Update() {
    if (parent_) parent_->Update();
}

void TControl::PaintTo(HDC dc, int x, int y) {
    Message m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    POINT old;
    SetViewportOrgEx(dc, x, y, &old);
    Dispatch(m);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::BringToFront() {
    if (!parent_) return;
    auto& v = parent_->controls_;
    v.erase(std::find(v.begin(), v.end(), this));
    v.push_back(this);
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
        SetWindowPos(w->WindowHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

void TControl::SendToBack() {
    if (!parent_) return;
    auto& v = parent_->controls_;
    v.erase(std::find(v.begin(), v.end(), this));
    v.insert(v.begin(), this);
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
        SetWindowPos(w->WindowHandle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* w = dynamic_cast<TWinControl*>(parent)) SetParent(w);
}

void TControl::Loaded() {
    TComponent::Loaded();
    if (parent_) {
        if (parentColor_) Perform(CM_PARENTCOLORCHANGED);
        if (parentFont_) Perform(CM_PARENTFONTCHANGED);
        if (parentShowHint_) Perform(CM_PARENTSHOWHINTCHANGED);
        if (parentBiDiMode_) Perform(CM_PARENTBIDIMODECHANGED);
    }
    int w = width_, h = height_; // the Constraints are read after the size
    ConstrainSize(w, h);
    if (w != width_ || h != height_) SetBounds(left_, top_, w, h);
    if (actionLink_) ActionChange(actionLink_->Action(), true);
}

} // namespace tv
