#pragma once
// The default window procedure: what a window does with a message that its
// own procedure passes on.
#include "platform/window/window.h"

namespace tv::win {

LRESULT DefWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
void DefWindowProc(HWND wnd, Message& msg);

} // namespace tv::win
