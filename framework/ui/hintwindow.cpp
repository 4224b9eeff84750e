#include "framework/ui/hintwindow.h"

#include "framework/ui/screen.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/text.h"
#include "platform/window/input.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

std::string GetShortHint(const std::string& hint) {
    auto bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string GetLongHint(const std::string& hint) {
    auto bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    SetVisible(false);
    SetColor(clInfoBk);
    if (Screen) Font()->Assign(Screen->HintFont());
}

void THintWindow::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.Style = WS_POPUP | WS_BORDER;
    p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    p.WndParent = nullptr;
    p.WindowClass.style |= CS_SAVEBITS;
}

RECT THintWindow::CalcHintRect(int maxWidth, const std::string& hint, void*) {
    HDC dc = CreateCompatibleDC(nullptr);
    TCanvas c;
    c.SetHandle(dc);
    c.Font()->Assign(Font());
    // As wide as the text's widest line, wrapped only beyond the widest allowed.
    UINT reading = DrawTextBiDiModeFlagsReadingOnly();
    RECT r{0, 0, 0, 0};
    c.DrawText(hint, r, DT_CALCRECT | DT_LEFT | DT_NOPREFIX | reading);
    if (r.right > maxWidth) {
        r = {0, 0, maxWidth, 0};
        c.DrawText(hint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | reading);
    }
    c.SetHandle(nullptr);
    DeleteDC(dc);
    r.right += 6;
    r.bottom += 2;
    return r;
}

void THintWindow::ActivateHint(RECT rect, const std::string& hint) {
    SetCaption(hint);
    // Kept on the screen.
    int w = rect.Width(), h = rect.Height();
    if (Screen) {
        RECT area{0, 0, Screen->Width(), Screen->Height()};
        if (rect.right > area.right) rect.left = area.right - w;
        if (rect.bottom > area.bottom) rect.top = area.bottom - h;
        if (rect.left < 0) rect.left = 0;
        if (rect.top < 0) rect.top = 0;
    }
    HandleNeeded();
    SetWindowPos(WindowHandle(), HWND_TOPMOST, rect.left, rect.top, w, h, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
}

void THintWindow::Dispatch(Message& msg) {
    if (msg.Msg == WM_NCHITTEST) {
        msg.Result = HTTRANSPARENT;
        return;
    }
    if (msg.Msg == WM_MOUSEACTIVATE) {
        msg.Result = MA_NOACTIVATE;
        return;
    }
    TCustomControl::Dispatch(msg);
}

void THintWindow::Paint() {
    TCanvas* c = Canvas();
    RECT r = ClientRect();
    c->Brush()->SetColor(Color());
    c->FillRect(r);
    c->Brush()->SetStyle(bsClear);
    c->Font()->Assign(Font());
    r.left += 2;
    r.top += 1;
    c->DrawText(Caption(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

} // namespace tv
