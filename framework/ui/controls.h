#pragma once
// The control hierarchy: TControl (bounds, alignment, visibility, font and
// colour, mouse, the message path), TWinControl (a window of the platform,
// children, tab order, focus and keys), TGraphicControl (painted by its
// parent on the parent's window) and TCustomControl (a window that paints
// itself on a canvas).
//
// A message reaches a control as: platform window procedure -> MainWndProc
// (catches what escapes and gives it to Application->HandleException) ->
// WindowProc (replaceable, WndProc by default) -> Dispatch (the handlers of
// each class, ancestors through Base::Dispatch) -> DefaultHandler (the
// platform's procedure of the window class).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/component.h"
#include "core/properties.h"
#include "core/sets.h"
#include "framework/data/dbtypes.h" // TAlignment, shared with fields
#include "framework/ui/bidimode.h"
#include "framework/ui/dragdrop.h"
#include "framework/ui/graphics.h"
#include "framework/ui/sizeconstraints.h"
#include "framework/ui/uimessages.h"
#include "platform/window/window.h"

namespace tv {

class TWinControl;
class TCustomForm;
class TPopupMenu;
class TBasicAction;
class TActionLink;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;

enum TControlStyleFlag {
    csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed, csSetCaption, csOpaque,
    csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable, csNoStdEvents,
    csDisplayDragImage, csReflector, csActionClient, csMenuEvents, csNeedsBorderPaint, csParentBackground
};
using TControlStyle = TSet<TControlStyleFlag>;
enum TControlStateFlag {
    csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing, csCreating,
    csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking
};
using TControlState = TSet<TControlStateFlag>;

// Cursors: negative numbers are the standard shapes, positive ones those an
// application adds to the screen.
using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                  crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11, crDrag = -12,
                  crNoDrop = -13, crHSplit = -14, crVSplit = -15, crMultiDrag = -16, crSQLWait = -17, crNo = -18,
                  crAppStart = -19, crHelp = -20, crHandPoint = -21, crSizeAll = -22;
const TIdentMap& CursorIdents();

extern const TEnumInfo TAlignInfo;
extern const TEnumInfo TAnchorKindInfo;
extern const TEnumInfo TAlignmentInfo;
// Input methods: kept and stored; the desktop's input method composes text
// through SDL2's text input whatever a control asks here.
enum TImeMode { imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata, imChinese,
                imSHanguel, imHanguel };
extern const TEnumInfo TImeModeInfo;

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TObject* sender, win::WORD& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char32_t& key)>;
using TMouseWheelEvent =
    std::function<void(TObject* sender, TShiftState shift, int wheelDelta, win::POINT mousePos, bool& handled)>;
using TMouseWheelUpDownEvent =
    std::function<void(TObject* sender, TShiftState shift, win::POINT mousePos, bool& handled)>;
// Before a control's pop-up menu shows: the point in client coordinates
// ((-1, -1) from the keyboard); a handler that sets `handled` keeps it shut.
using TContextPopupEvent = std::function<void(TObject* sender, win::POINT mousePos, bool& handled)>;

// The modifier keys held now (from the key state of the last message).
TShiftState KeyboardShiftState();
TShiftState KeysToShiftState(win::WPARAM keys);

// Tells whether an object is still alive after user code ran: a handler may
// free the control whose message it is handling.
class TAliveToken {
public:
    TAliveToken() : alive_(std::make_shared<bool>(true)) {}
    ~TAliveToken() { *alive_ = false; }
    std::shared_ptr<bool> Watch() const { return alive_; }

private:
    std::shared_ptr<bool> alive_;
};

class TControl : public TComponent {
    TV_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* owner = nullptr);
    ~TControl() override;
    static void Publish(TPublisher& p);

    // --- the message path ---
    std::function<void(Message&)> WindowProc;
    win::LRESULT Perform(win::UINT msg, win::WPARAM wParam = 0, win::LPARAM lParam = 0);
    virtual void WndProc(Message& msg);
    virtual void Dispatch(Message& msg);
    virtual void DefaultHandler(Message& msg);
    std::shared_ptr<bool> Alive() const { return token_.Watch(); }

    // --- placement ---
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    win::RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    void SetBoundsRect(const win::RECT& r) { SetBounds(r.left, r.top, r.Width(), r.Height()); }
    virtual win::RECT ClientRect();
    int ClientWidth() { return ClientRect().right; }
    int ClientHeight() { return ClientRect().bottom; }
    virtual void SetClientWidth(int v);
    virtual void SetClientHeight(int v);
    void SetClientSize(int w, int h);
    win::POINT ClientOrigin();
    win::POINT ClientToScreen(win::POINT p);
    win::POINT ScreenToClient(win::POINT p);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign v);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors v);

    // --- state ---
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show();
    void Hide() { SetVisible(false); }
    virtual bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool v);
    std::string Caption() { return GetText(); }
    void SetCaption(const std::string& v) { SetText(v); }
    std::string Text() { return GetText(); }
    void SetText(const std::string& v);
    TFont* Font() const { return font_; }
    void SetFont(TFont* v) { font_->Assign(v); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool v);
    bool ParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool v);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v) { hint_ = v; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool v);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor v);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* v);
    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle v) { controlStyle_ = v; }
    TControlState ControlState() const { return controlState_; }
    void SetControlState(TControlState v) { controlState_ = v; }
    TSizeConstraints* Constraints() const { return constraints_.get(); }
    void SetConstraints(TSizeConstraints* v) { constraints_->Assign(v); }
    bool IsStoredColor() const { return !parentColor_; }
    bool IsStoredFont() const { return !parentFont_; }
    bool IsStoredShowHint() const { return !parentShowHint_; }
    bool IsStoredCtl3D() const { return !parentCtl3D_; }

    // --- reading order ---
    // A control takes its parent's BiDiMode while ParentBiDiMode is set.
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode v);
    bool ParentBiDiMode() const { return parentBiDiMode_; }
    void SetParentBiDiMode(bool v);
    bool IsStoredBiDiMode() const { return !parentBiDiMode_; }
    // Only where the desktop reads right to left (SysLocale().MiddleEast):
    // alignment mirrored with bdRightToLeft; text read right to left with any
    // mode but bdLeftToRight; the vertical scroll bar at the left with
    // bdRightToLeft and bdRightToLeftNoAlign.
    virtual bool UseRightToLeftAlignment() const;
    virtual bool UseRightToLeftReading() const;
    virtual bool UseRightToLeftScrollBar() const;
    bool IsRightToLeft() const;
    // The alignment of what the control shows in itself, before mirroring.
    virtual TAlignment GetControlsAlignment() const { return taLeftJustify; }
    // DrawText flags for this control: left and right exchanged when the
    // alignment is mirrored, DT_RTLREADING when it reads right to left.
    win::UINT DrawTextBiDiModeFlags(win::UINT flags) const;
    win::UINT DrawTextBiDiModeFlagsReadingOnly() const;

    // --- dragging ---
    TDragMode DragMode() const { return dragMode_; }
    virtual void SetDragMode(TDragMode v) { dragMode_ = v; }
    TDragKind DragKind() const { return dragKind_; }
    void SetDragKind(TDragKind v) { dragKind_ = v; }
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor v) { dragCursor_ = v; }
    // Starts a drag of this control: at once, or once the mouse moved
    // `threshold` pixels (-1: the mouse's DragThreshold). A press of the
    // control ends as if released first.
    void BeginDrag(bool immediate, int threshold = -1);
    void EndDrag(bool drop);
    bool Dragging() const;
    // The drop target's side; a descendant may take drops its own way.
    virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
    virtual void DragDrop(TObject* source, int x, int y);

    // --- actions ---
    TBasicAction* Action() const;
    void SetAction(TBasicAction* action);
    // The action link copies the action's properties here.
    virtual void ActionChange(TObject* sender, bool checkDefaults);
    // An action without a handler of its own asks its targets (the focused
    // control, the active form, the main form); a control takes it when the
    // action handles it. True when this control took it.
    virtual bool ExecuteAction(TBasicAction* action);
    virtual bool UpdateAction(TBasicAction* action);

    // --- painting ---
    virtual void Invalidate();
    void Repaint();
    virtual void Update();
    void Refresh() { Repaint(); }
    // Draws the control (and its children) into any device context at (x, y).
    virtual void PaintTo(win::HDC dc, int x, int y);
    // True while the control and its parents are visible and shown.
    virtual bool Showing() const;
    void BringToFront();
    void SendToBack();

    virtual void Click();
    virtual void DblClick();

    // --- the component model ---
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;
    void Loaded() override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnResize;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TContextPopupEvent OnContextPopup;
    TStartDragEvent OnStartDrag;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TEndDragEvent OnEndDrag;
    TStartDockEvent OnStartDock;
    TEndDragEvent OnEndDock;

protected:
    friend class TDragEngine;
    virtual void DoStartDrag(TDragObject*& dragObject);
    virtual void DoEndDrag(TObject* target, int x, int y);
    virtual void DoStartDock(TDragDockObject*& dragObject);
    virtual void DoEndDock(TObject* target, int x, int y);
    // A left press of a dmAutomatic control: the drag with the mouse's settings.
    void BeginAutoDrag();
    virtual void DoContextPopup(win::POINT mousePos, bool& handled);
    // Within the Constraints.
    void ConstrainSize(int& width, int& height) const;
    // The flag alone, without hiding or showing anything: a control whose
    // window another part shows and hides keeps its answer in step with it.
    void SetVisibleFlag(bool v) { visible_ = v; }
    void Notification(TComponent* component, TOperation operation) override;
    virtual std::string GetText();
    virtual void SetTextBuf(const std::string& v);
    virtual void Resize();
    virtual void Changed();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    // The wheel (CM_MOUSEWHEEL): OnMouseWheel, then, not handled, one
    // DoMouseWheelDown or DoMouseWheelUp per notch, each raising its event.
    // True when handled; otherwise the turn goes on to the parent.
    virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, win::POINT mousePos);
    virtual bool DoMouseWheelDown(TShiftState shift, win::POINT mousePos);
    virtual bool DoMouseWheelUp(TShiftState shift, win::POINT mousePos);
    // Scales the bounds (a window of its own: its client size) and a font of
    // its own by m / d: a form made for another screen resolution.
    virtual void ChangeScale(int m, int d);
    virtual void VisibleChanging() {}
    virtual void FontChanged();
    // Called when bounds change, before the parent realigns.
    virtual void BoundsChanged() {}
    // Tells the parent to move and size the controls again.
    void RequestAlign();
    void UpdateBoundsFromWindow(const win::RECT& r);
    TActionLink* ActionLink() const { return actionLink_.get(); }
    // Sends a message to the parent, if any, and returns its result.
    win::LRESULT ParentPerform(win::UINT msg, win::WPARAM wParam = 0, win::LPARAM lParam = 0);

    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState controlState_;
    std::string text_;
    TWinControl* parent_ = nullptr;

    // The framework's side of a mouse message: capture, clicks and the
    // OnMouse... events (the window's own procedure has had it already).
    void MouseMessage(Message& msg);

private:
    friend class TWinControl;
    TAlign align_ = alNone;
    TAnchors anchors_{akLeft, akTop};
    bool visible_ = true;
    bool enabled_ = true;
    TFont* font_;
    bool parentFont_ = true;
    TColor color_ = clWindow;
    bool parentColor_ = true;
    bool ctl3D_ = true, parentCtl3D_ = true;
    std::string hint_;
    bool showHint_ = false, parentShowHint_ = true;
    TCursor cursor_ = crDefault;
    TPopupMenu* popupMenu_ = nullptr;
    TBiDiMode biDiMode_ = bdLeftToRight;
    bool parentBiDiMode_ = true;
    TDragMode dragMode_ = dmManual;
    TDragKind dragKind_ = dkDrag;
    TCursor dragCursor_ = crDrag;
    std::unique_ptr<TSizeConstraints> constraints_;
    std::unique_ptr<TActionLink> actionLink_;
    bool mouseInside_ = false;
    bool mouseCaptured_ = false; // the window's capture was taken by the framework's button handling
    int wheelAccumulator_ = 0; // the part of a notch not yet acted on
    TAliveToken token_;
};

// The parameters a windowed control's window is made with.
struct TCreateParams {
    std::string Caption;
    win::DWORD Style = 0;
    win::DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    win::HWND WndParent = nullptr;
    win::LONG_PTR Param = 0;
    win::WNDCLASS WindowClass;
    // The window class: registered for the control's class unless it names a
    // class the platform already has, which is then subclassed.
    std::string WinClassName;
};

enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
extern const TEnumInfo TBorderStyleInfo;

class TWinControl : public TControl {
    TV_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* owner = nullptr);
    ~TWinControl() override;
    static void Publish(TPublisher& p);

    void WndProc(Message& msg) override;
    void Dispatch(Message& msg) override;
    void DefaultHandler(Message& msg) override;
    // Runs WindowProc with the exception barrier of the message loop.
    void MainWndProc(Message& msg);

    // --- the window ---
    win::HWND Handle();
    win::HWND WindowHandle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded();
    void RecreateWnd();
    // The control whose window this is, or null.
    static TWinControl* FindControl(win::HWND wnd);
    // Binds a window being made to this control (its first messages come
    // before CreateWindowEx returns).
    void AttachWindow(win::HWND wnd);

    // --- children ---
    int ControlCount() const { return int(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(size_t(index)); }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;
    TControl* ControlAtPos(win::POINT pos, bool allowDisabled, bool allowWinControls = false);
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void PaintTo(win::HDC dc, int x, int y) override;

    // --- alignment ---
    void DisableAlign() { ++alignLevel_; }
    void EnableAlign();
    void Realign();
    bool AlignDisabled() const { return alignLevel_ > 0; }

    // --- focus and keys ---
    int TabOrder() const;
    void SetTabOrder(int v);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v);
    virtual bool CanFocus();
    bool Focused() const;
    virtual void SetFocus();
    std::vector<TWinControl*> GetTabOrderList();
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent);
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    void SelectFirst();

    // Stored for the grid and the editors; see TImeMode.
    TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode v) { imeMode_ = v; }
    const std::string& ImeName() const { return imeName_; }
    void SetImeName(const std::string& v) { imeName_ = v; }

    bool Showing() const override { return showing_; }
    win::RECT ClientRect() override;
    void SetBounds(int left, int top, int width, int height) override;
    void Invalidate() override;
    void Update() override;
    void SetEnabled(bool v) override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void DestroyWnd();
    virtual void DestroyHandle();
    virtual void CreateHandle();
    // The window exists: set its font and state.
    virtual void InitializeWindow() {}
    virtual void AlignControls(TControl* control, win::RECT& rect);
    virtual void AdjustClientRect(win::RECT& rect) {}
    // The children first, then the control itself.
    void ChangeScale(int m, int d) override;
    virtual void PaintWindow(win::HDC dc);
    void PaintHandler(Message& msg);
    void PaintControls(win::HDC dc, TControl* first);
    virtual void DoEnter();
    virtual void DoExit();
    virtual void KeyDown(win::WORD& key, TShiftState shift);
    virtual void KeyUp(win::WORD& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    bool DoKeyDown(Message& msg);
    bool DoKeyUp(Message& msg);
    bool DoKeyPress(Message& msg);
    // A key that shortcuts of popup menus, the form's menu and actions take.
    bool IsMenuKey(Message& msg);
    void UpdateShowing();
    void UpdateControlState();
    void SetZOrder(bool topMost);
    virtual void Loaded() override;

    // The platform procedure messages are passed on to.
    win::WNDPROC defWndProc_ = nullptr;
    std::function<win::LRESULT(win::HWND, win::UINT, win::WPARAM, win::LPARAM)> defProc_;
    win::HWND handle_ = nullptr;
    std::vector<TControl*> controls_;   // z-order of painting: first is at the bottom
    std::vector<TWinControl*> tabList_; // tab order
    TWinControl* captureChild_ = nullptr;

    // The control whose window is being made receives the window's first
    // messages; returns the one set before.
    static TWinControl* SetCreatingControl(TWinControl* c);

private:
    friend class TControl;
    void DetachWindow();
    void RealignAfterResize();
    // What Dispatch delegates to, one per message or group of messages.
    void EraseBackground(Message& msg);
    void FollowWindowBounds(Message& msg);
    void PreprocessKey(Message& msg);
    void PreprocessChar(Message& msg);
    void OfferToChildren(Message& msg);
    void RouteMouseWheel(Message& msg);
    void ReflectToChild(Message& msg);
    void ShowOrHideWindow();
    void VisibilityChanged();
    void EnabledStateChanged();
    void PassChangeToChildren(win::UINT msg);
    void SystemColorsChanged();
    void AnchorChildren(int dw, int dh);
    bool tabStop_ = false;
    bool showing_ = false;
    TImeMode imeMode_ = imDontCare;
    std::string imeName_;
    int alignLevel_ = 0;
    bool alignPending_ = false;
    int lastClientW_ = -1, lastClientH_ = -1;
    TControl* mouseControl_ = nullptr; // the graphic child that has the mouse captured
};

// The canvas of a control: on its window, or on its parent's for a graphic control.
class TControlCanvas : public TCanvas {
    TV_CLASS(TControlCanvas, TCanvas)
public:
    TControlCanvas() = default;
    ~TControlCanvas() override;
    TControl* Control() const { return control_; }
    void SetControl(TControl* c);
    // Gives back a device context the canvas took for itself.
    void FreeHandle();

protected:
    void CreateHandle() override;

private:
    TControl* control_ = nullptr;
    win::HWND dcWindow_ = nullptr;
};

class TGraphicControl : public TControl {
    TV_CLASS(TGraphicControl, TControl)
public:
    explicit TGraphicControl(TComponent* owner = nullptr);
    ~TGraphicControl() override;
    void Dispatch(Message& msg) override;
    TCanvas* Canvas() const { return canvas_.get(); }

protected:
    virtual void Paint() {}

private:
    std::unique_ptr<TControlCanvas> canvas_;
};

class TCustomControl : public TWinControl {
    TV_CLASS(TCustomControl, TWinControl)
public:
    explicit TCustomControl(TComponent* owner = nullptr);
    ~TCustomControl() override;
    TCanvas* Canvas() const { return canvas_.get(); }

protected:
    void PaintWindow(win::HDC dc) override;
    virtual void Paint() {}

private:
    std::unique_ptr<TControlCanvas> canvas_;
};

// The form a control stands on (null when none).
TCustomForm* GetParentForm(const TControl* control);
// Whether `ch` is the accelerator ("&x") of the caption.
bool IsAccel(char32_t ch, const std::string& caption);

} // namespace tv
