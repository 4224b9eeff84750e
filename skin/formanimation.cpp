#include "skin/formanimation.h"

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "framework/ui/picture.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/raster.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"
#include "skin/blending.h"
#include "skin/commondata.h"
#include "skin/skinmessage.h"

namespace tv {

using namespace win;

TOutputWindow::TOutputWindow(TComponent* owner) : TCustomControl(owner) {
    SetVisible(false);
    SetText("acOutputWindow");
    SetColor(0x800080);
}

void TOutputWindow::Dispatch(Message& msg) {
    if (msg.Msg == WM_ERASEBKGND) {
        msg.Result = 1;
        return;
    }
    TCustomControl::Dispatch(msg);
}

void TOutputWindow::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (Parent()) return;
    params.Style = WS_POPUP;
    params.WndParent = Application ? Application->Handle() : nullptr;
    if (params.WndParent && (GetWindowLong(params.WndParent, GWL_EXSTYLE) & WS_EX_TOPMOST))
        params.ExStyle |= WS_EX_TOPMOST;
}

namespace {

void Copy(TBitmap* to, HDC from, int x, int y) {
    BitBlt(to->Canvas()->Handle(), 0, 0, to->Width(), to->Height(), from, x, y, SRCCOPY);
}

// The control as it paints itself now, then each visible windowed child at
// its place (an MDI form's children first); a skinned control prints itself.
void PaintNew(TWinControl* control, HDC dc, int x, int y) {
    int saved = SaveDC(dc);
    POINT org;
    GetViewportOrgEx(dc, &org);
    SetViewportOrgEx(dc, org.x + x, org.y + y, nullptr);
    if (ControlIsSkinned(control)) {
        SendMessage(control->Handle(), WM_PRINT, WPARAM(dc), PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
    } else {
        Message m{WM_PAINT, WPARAM(dc), 0, 0};
        control->Dispatch(m);
    }
    RestoreDC(dc, saved);
    // Children lie in the client area, which a top-level window keeps inside its frame.
    POINT client{0, 0};
    if (control->HandleAllocated()) {
        RECT wr;
        GetWindowRect(control->Handle(), &wr);
        client = control->ClientToScreen(POINT{0, 0});
        client.x -= wr.left;
        client.y -= wr.top;
    }
    std::vector<TWinControl*> children;
    if (auto* f = dynamic_cast<TCustomForm*>(control); f && f->FormStyle() == fsMDIForm)
        for (int i = 0; i < f->MDIChildCount(); ++i) children.push_back(f->MDIChildren(i));
    for (int i = 0; i < control->ControlCount(); ++i)
        if (auto* w = dynamic_cast<TWinControl*>(control->Controls(i))) children.push_back(w);
    for (TWinControl* w : children) {
        if (!w->Visible() || !w->HandleAllocated()) continue;
        RECT cr;
        GetWindowRect(w->Handle(), &cr);
        POINT at = control->ScreenToClient(POINT{cr.left, cr.top});
        PaintNew(w, dc, x + client.x + at.x, y + client.y + at.y);
    }
}

} // namespace

int AnimateForm(TWinControl* control, int time, const std::function<void(int)>& pause) {
    if (!control || !control->HandleAllocated()) return 0;
    HWND wnd = control->Handle();
    RECT screen;
    GetWindowRect(wnd, &screen);
    int w = screen.right - screen.left, h = screen.bottom - screen.top;
    if (w <= 0 || h <= 0) return 0;
    auto wait = [&](int ms) {
        if (pause) pause(ms);
        else std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    };

    SendMessage(wnd, WM_SETREDRAW, 0, 0);
    std::unique_ptr<TBitmap> before(CreateBmp24(w, h)), after(CreateBmp24(w, h)), mixed(CreateBmp32(w, h));
    HDC desktop = GetDC(nullptr);
    Copy(before.get(), desktop, screen.left, screen.top);
    ReleaseDC(nullptr, desktop);

    auto out = std::make_unique<TOutputWindow>(nullptr);
    if (control->Parent()) {
        out->SetParent(control->Parent());
        out->SetBoundsRect(control->BoundsRect());
        SetWindowPos(out->Handle(), wnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } else {
        out->SetBounds(screen.left, screen.top, w, h);
        SetWindowPos(out->Handle(), HWND_TOP, screen.left, screen.top, w, h, SWP_NOACTIVATE);
    }
    ShowWindow(out->Handle(), SW_SHOWNA);
    PaintNew(control, after->Canvas()->Handle(), 0, 0);

    int rounds = 0;
    int steps = time / 10;
    HDC dc = GetDC(out->Handle());
    if (steps >= 1) {
        int alpha = 255, delta = 255 / steps;
        for (int i = 0; i <= steps; ++i, alpha -= delta) {
            CrossFadeBitmaps(mixed.get(), before.get(), after.get(), std::max(alpha, 0));
            BitBlt(dc, 0, 0, w, h, mixed->Canvas()->Handle(), 0, 0, SRCCOPY);
            ++rounds;
            wait(10);
        }
    }
    BitBlt(dc, 0, 0, w, h, after->Canvas()->Handle(), 0, 0, SRCCOPY);
    ReleaseDC(out->Handle(), dc);
    ShowWindow(out->Handle(), SW_HIDE);
    out.reset();
    SendMessage(wnd, WM_SETREDRAW, 1, 0);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME);
    return rounds;
}

} // namespace tv
