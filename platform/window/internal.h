#pragma once
// State of the virtual desktop shared by the files of the window system.
// Nothing outside platform/window and platform/backend includes this.
#include <cairo.h>

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/region.h"
#include "platform/window/cursor.h"
#include "platform/window/menu.h"
#include "platform/window/mdi.h"
#include "platform/window/scrollbar.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"

namespace tv::win {

struct WindowProcInstance {
    WindowProcFn fn;
};
using ProcPtr = std::shared_ptr<WindowProcInstance>;

struct WindowClass {
    WNDCLASS wc;
    ATOM atom = 0;
    ProcPtr proc;
    bool system = false;
};

struct ScrollBarState {
    SCROLLINFO info{sizeof(SCROLLINFO), 0, 0, 100, 0, 0, 0};
    UINT disabledArrows = 0; // ESB_* bits
    bool tracking = false;
};

struct MdiClientState {
    HMENU windowMenu = nullptr;
    UINT idFirstChild = 0xFF00;
    HWND active = nullptr;
    bool maximized = false;
    std::vector<HWND> order; // creation order, for ids and the window list
};

struct ProcLayer {
    ProcPtr proc;
    WNDPROC saved = nullptr; // what was on top when this layer went in
};

struct Window {
    std::shared_ptr<WindowClass> cls;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT_PTR id = 0;
    HMENU menu = nullptr;
    Window* parent = nullptr; // the desktop window for top-level windows
    Window* owner = nullptr;
    std::vector<Window*> children; // z-order: front is on top
    RECT rect;   // window rectangle in the parent's client coordinates
    RECT client; // client rectangle relative to the window's top-left corner
    std::vector<ProcLayer> procs;
    std::map<WindowProcInstance*, WNDPROC> removedLayers; // removed layer -> what it saved
    std::vector<ProcPtr> keepAlive;
    LONG_PTR userData = 0;
    std::vector<LONG_PTR> extra;
    std::map<std::string, void*> props;
    std::unique_ptr<RegionObject> windowRgn;     // window coordinates
    std::unique_ptr<RegionObject> updateRgn;     // window coordinates
    bool ncDirty = false;
    bool eraseDirty = false;
    bool internalPaint = false;
    bool redrawOff = false;
    bool created = false;
    bool destroying = false;
    bool dead = false;
    int activeCalls = 0;
    ScrollBarState hbar, vbar;
    RECT normalRect; // position to restore from minimized or maximized
    bool hasNormalRect = false;
    std::unique_ptr<MdiClientState> mdi; // for MDI client windows
    bool mdiChild = false;
    bool ncActive = false;
    bool paintValidated = false;
    std::unique_ptr<RegionObject> paintClip; // screen coordinates, between BeginPaint and EndPaint
};

struct RawInput {
    enum Kind { MouseMove, ButtonDown, ButtonUp, Wheel, KeyDown, KeyUp, Char } kind;
    POINT pt;
    int button = 0; // 0 left, 1 right, 2 middle
    int value = 0;  // wheel delta, virtual key or code point
    DWORD time = 0;
    BYTE mods = 0; // at the time of the event: 1 Shift, 2 Ctrl, 4 Alt, 8/16/32 left/right/middle button
    // Given its window as it reached the head of the queue (a look at the
    // queue that leaves it there); dropped when that came to no message.
    bool taken = false;
    bool dropped = false;
    MSG msg;
};

struct TimerEntry {
    HWND wnd = nullptr;
    UINT_PTR id = 0;
    UINT interval = 0;
    std::uint64_t due = 0;
    TIMERPROC proc;
};

struct ClickRecord {
    HWND wnd = nullptr;
    UINT msg = 0;
    DWORD time = 0;
    POINT pt;
};

class Backend;

struct DesktopState {
    cairo_surface_t* surface = nullptr;
    int width = 1024, height = 768;
    RECT workArea{0, 0, 1024, 768};
    Window* desktopWnd = nullptr;
    Window* appWnd = nullptr;
    std::unordered_set<Window*> live;
    std::deque<Window*> graveyard;
    std::map<std::string, std::shared_ptr<WindowClass>> classes; // lower-case names
    ATOM nextAtom = 0xC000;
    std::deque<MSG> posted;
    std::deque<RawInput> input;
    bool quitPosted = false;
    int quitCode = 0;
    HWND focus = nullptr, active = nullptr, capture = nullptr;
    std::vector<Window*> activating; // activations under way, outermost first
    bool appActive = false;
    std::vector<TimerEntry> timers;
    UINT_PTR nextTimerId = 1;
    std::shared_ptr<Clock> clock;
    BYTE keys[256] = {};      // as of the last retrieved message
    BYTE asyncKeys[256] = {}; // now
    POINT cursorPos{0, 0};
    ClickRecord lastClick;
    HWND mouseWindow = nullptr;
    HWND trackWnd = nullptr;
    DWORD trackFlags = 0;
    LRESULT trackHit = 0;
    DWORD hoverTime = 400;
    std::uint64_t hoverStart = 0;
    POINT hoverPt;
    DWORD msgTime = 0;
    POINT msgPt;
    std::map<std::string, UINT> registeredMessages;
    UINT doubleClickTime = 500;
    HCURSOR cursor = nullptr;
    int cursorShowCount = 0;
    std::map<int, WindowHook> appHooks;
    int nextHookId = 1;
    int lockedUpdate = 0;
    HWND lockWindow = nullptr;
};

DesktopState& D();
void EnsureDesktop();

// Live, not yet destroyed (or being destroyed but still answering).
inline Window* W(HWND h) { return (h && D().live.count(h)) ? h : nullptr; }

// Coordinates.
POINT WindowOrigin(const Window* w);  // window's top-left in screen coordinates
POINT ClientOrigin(const Window* w);  // client's top-left in screen coordinates
RECT ScreenWindowRect(const Window* w);
RECT ScreenClientRect(const Window* w);
bool IsTopLevel(const Window* w);
// Whether the tracking sizes bind the window: a sizing frame or a caption.
inline bool HasSizingFrameOrCaption(DWORD style) { return (style & WS_THICKFRAME) || HasCaption(style); }
bool ReallyVisible(const Window* w);  // the window and all its ancestors visible
// The window under a screen point and its hit-test code.
HWND WindowFromPointHit(POINT pt, LRESULT* hit);
bool InsideWindowShape(const Window* w, POINT screenPt);
RECT MaximizedRect(Window* w);
// `r` moved, as little as it takes, to lie inside `area` where it fits.
RECT KeptInArea(const RECT& r, const RECT& area);
// After the screen or the parent's client area changed: a maximised window
// fills it again, a minimised one keeps to its bottom line, a top-level one
// stays where it can be seen; the z-order and the activation stay as they are.
void FollowParentArea(Window* w);

// Messages.
LRESULT Send(Window* w, UINT msg, WPARAM wp, LPARAM lp);
void InvokeProcs(Window* w, Message& m);

// Painting.
void InvalidateScreenArea(const RECT& screenRc); // every window under it
void InvalidateWindowArea(Window* w, const RegionObject& windowCoords, bool erase, bool frame, bool children);
void AfterGeometryChange(Window* w, const RECT& oldScreen, bool hadVisible);
Window* NextWindowToPaint(Window* root, Window* filter);
void PaintWindowNow(Window* w); // WM_NCPAINT / WM_PAINT as due
bool NeedsPaint(const Window* w);
// Cairo on the desktop surface, clipped to a screen region, origin moved to
// `origin` (screen). The caller destroys it.
cairo_t* SurfaceCairo(const RegionObject& clipScreen, POINT origin);
std::unique_ptr<RegionObject> VisibleRegion(Window* w, bool clientOnly, bool clipChildren, bool clipSiblings);
COLORREF BrushColor(HBRUSH brush, COLORREF fallback);
void DropWindowFromPaint(Window* w);

// Non-client area.
RECT CalcClientRect(Window* w, const RECT& windowRectParent); // asks WM_NCCALCSIZE; window-relative
LRESULT DefNcHitTest(Window* w, POINT screenPt);
void DefNcCalcSize(Window* w, RECT* rc);
void DefNcPaint(Window* w);
void DrawNonClient(Window* w, HDC dc); // window coordinates
int FrameWidth(const Window* w);
int FrameHeight(const Window* w);
int CaptionHeight(const Window* w);
bool HasMenuBar(const Window* w);
RECT MenuBarRect(Window* w);                 // window coordinates
RECT ScrollBarRect(Window* w, int bar);      // window coordinates; empty when not shown
bool ScrollBarShown(const Window* w, int bar);
RECT SizeBoxRect(Window* w);
void CaptionButtonRects(Window* w, RECT* close, RECT* max, RECT* min, RECT* help, RECT* sysMenu);
void TrackScrollBar(Window* w, int bar, POINT screenPt);
bool ScrollBarContextMenu(Window* w, POINT screenPt);
void TrackMenuBar(Window* w, POINT screenPt);

// Input.
void OnWindowDestroyedInput(Window* w);
void OnWindowHiddenOrDisabled(Window* w);
// The message of a raw event: `take` when it leaves the head of the queue
// (the mouse's cursor, activation, double clicks and parent notices happen
// then); without it only what the message would be now. False: no message.
bool TranslateRawInput(const RawInput& in, MSG& msg, bool take);
// Whether the event could become a message in the range (0, 0: any).
bool RawInputMayBecome(const RawInput& in, UINT min, UINT max);
void ActivateTopLevel(HWND top, WORD how);
// WM_MOUSEHOVER of TrackMouseEvent: milliseconds until due (-1: none), and the message when due.
long long HoverDueIn();
bool TakeHover(MSG* msg);

// Timers.
void RemoveTimersOf(HWND wnd);
bool TakeDueTimer(HWND filter, MSG* msg, bool remove);

// Menus.
void DestroyMenuOwnedBy(Window* w);

// MDI.
void RegisterMdiClientClass();
void MdiChildDestroyed(Window* child);
void MdiChildActivated(Window* child);

// The backend.
Backend& CurrentBackend();

} // namespace tv::win
