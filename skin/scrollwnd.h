#pragma once
// TacScrollWnd: takes over a control's window procedure, keeps the
// standard scroll bars out of its non-client area and answers for its own
// bars: their room, their parts under the mouse and the scroll requests a
// press on them sends to the control.
#include <memory>

#include "core/object.h"
#include "platform/window/messages.h"
#include "platform/window/scrollbar.h"

namespace tv {

class TsCommonData;
class TsSkinManager;
class TacScrollWnd;

struct TacScrollBar {
    int Flags = 0;    // 8 when the window has the bar's scroll style
    int Visible = 0;
    win::SCROLLINFO Info;
    int ArrowLength = -1, Thickness = -1; // -n: n times the system size
    int BarType = 0;                      // 0 horizontal, 1 vertical
    int MinThumb = 6;
    TacScrollWnd* Owner = nullptr;
};

// Parts of a bar are the scroll request codes; -1 is none.
constexpr int sbpNone = -1, sbpThumb = 5;

class TacScrollWnd : public TObject {
    TV_CLASS(TacScrollWnd, TObject)
public:
    // Without `subclass` the object only keeps the window's bars (a form's
    // own bars, which its provider paints with the frame).
    TacScrollWnd(win::HWND wnd, bool repaint, TsSkinManager* sm = nullptr, TsCommonData* link = nullptr,
                 bool subclass = true);
    ~TacScrollWnd() override;

    void AttachWindow(win::HWND wnd, bool repaint);
    void RefreshScrollInfo(bool repaint);
    // Paints both bars and the size box onto the window (or into `dc`,
    // whose origin is the window's top-left corner).
    void PaintScrollBars(win::HDC dc = nullptr);
    // Composes one bar (0 horizontal, 1 vertical) in its window position;
    // `thumbAt` >= 0 places the thumb there, pressed (a drag).
    void PaintScrollBar(int bar, win::HDC dc, int thumbAt = -1);
    bool BarEnabled(int bar) const;
    // The bars' rectangles relative to the window's top-left corner.
    win::RECT BarRect(int bar) const;
    // The window sits in the bottom-right corner of its parent's client area.
    bool AtParentsCorner() const;
    win::RECT GetHScrollRect() const;
    win::RECT GetVScrollRect() const;
    virtual void SaveControlColors() {}
    virtual void RestoreControlColors() {}
    virtual void ApplySkinColors() {}
    virtual void WndProc(win::Message& msg);

    win::HWND Wnd = nullptr;
    win::WNDPROC OldProc = nullptr;
    win::WNDPROC Proc = nullptr;
    std::unique_ptr<TacScrollBar> HBar, VBar;
    bool LeftLayout = false;
    int BorderLeft = 0, BorderRight = 0, BorderTop = 0, BorderBottom = 0;
    bool InCalculation = false;
    TsSkinManager* SkinManager = nullptr;
    TsCommonData* SkinData = nullptr;
    bool Sending = false;
    bool Detached = false;
    bool Subclassed = true;
    // The press in progress: its bar (0, 1, -1), part and scroll message.
    int PressedBar = -1, PressedPart = sbpNone;
    win::UINT ScrollMessage = 0;

private:
    void PassOn(win::Message& msg);
    int PartAt(int bar, win::POINT screen) const;
    void Hover(int bar);
    void HoverTick();
    void Press(win::Message& msg);
    void TrackMouse();
    void Release();
    void Timer(win::Message& msg);
    void CalcSize(win::Message& msg);
    win::LRESULT HitTest(win::POINT screen);
    std::unique_ptr<TsCommonData> ownLink_;
};

// The object attached to a window, or none.
TacScrollWnd* ScrollWndOf(win::HWND wnd);
void DetachScrollWnd(win::HWND wnd, bool freeIt, bool repaint, TacScrollWnd* sw);

// which 1: the bar's thickness; which 0: the arrow length.
int GetScrollBarSize(const TacScrollBar& bar, int which, bool useSkin);
// Thumb length and offset from the bar's first arrow for a bar `length` long.
void ThumbGeometry(const TacScrollBar& bar, int length, int& thumbLength, int& thumbOffset);
// The part at `pos` along a bar starting at `start` (`cross` tells whether
// the point lies within the bar's thickness).
int HitTestScrollBar(const TacScrollBar& bar, int start, int length, int pos, bool cross);
// The request with the window's redrawing held back around it.
void SendScrollRequest(win::HWND wnd, win::UINT msg, int code, int pos);

} // namespace tv
