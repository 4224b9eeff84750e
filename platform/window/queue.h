#pragma once
// The message queue of the desktop: sending, posting, retrieving and
// dispatching messages, and modal loops.
#include <functional>
#include <string>

#include "platform/window/messages.h"

namespace tv::win {

LRESULT SendMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Sends the record itself; its Result receives the answer.
void SendMessage(HWND wnd, Message& msg);
BOOL PostMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);

// Retrieves a message: posted and input messages first, then WM_PAINT for a
// window that needs painting, then WM_TIMER. `wnd` limits to a window and its
// children (HWND_MESSAGE_ONLY: messages posted to no window); min/max limit the
// numbers (0, 0: all).
BOOL PeekMessage(MSG* msg, HWND wnd, UINT min, UINT max, UINT removeFlags);
// Waits for a message; 0 on WM_QUIT, 1 otherwise.
BOOL GetMessage(MSG* msg, HWND wnd, UINT min, UINT max);
BOOL WaitMessage();
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);
LONG GetMessageTime();
DWORD GetMessagePos();

// Numbers from 0xC000, the same for the same name (case-insensitive).
UINT RegisterWindowMessage(const std::string& name);

// Runs a nested message loop until `wnd` is destroyed or hidden, or `done`
// answers true. A WM_QUIT seen inside is posted again for the outer loop and
// ends this one. Returns false when it ended on WM_QUIT.
bool RunModalLoop(HWND wnd, const std::function<bool()>& done = {});
// Dispatches every message that is waiting, without waiting for more.
void ProcessPendingMessages();

} // namespace tv::win
