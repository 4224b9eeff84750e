#pragma once
// The headless backend (the default): shows nothing. Tests drive the desktop
// through the helpers below, which go through the same message path as the
// desktop backend's input, and through scripted steps that run whenever a
// message loop would wait.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>

#include "platform/backend/backend.h"
#include "platform/window/rawinput.h"

namespace tv::win {

class HeadlessBackend : public Backend {
public:
    void WaitForInput(long long timeoutMs) override;
    void Wake() override;
    std::string ClipboardText() override { return clipboard_; }
    void SetClipboardText(const std::string& text) override { clipboard_ = text; }

private:
    std::string clipboard_;
    std::mutex wakeLock_;
    std::condition_variable woken_;
    bool wake_ = false;
};

// A step run when a message loop waits for input (a person's next action).
void ScriptStep(std::function<void()> step);
void ClearScript();
size_t PendingScriptSteps();

// Each helper injects the input and then dispatches what it caused.
// Points are screen coordinates.
void Click(int x, int y, int button = 0);
void DoubleClick(int x, int y, int button = 0);
void MouseDown(int x, int y, int button = 0);
void MouseUp(int x, int y, int button = 0);
void MoveMouse(int x, int y);
void Drag(int fromX, int fromY, int toX, int toY, int steps = 4, int button = 0);
void Wheel(int x, int y, int delta);
// A key pressed and released with the modifiers held around it.
void PressKey(int vk, bool shift = false, bool ctrl = false, bool alt = false);
void TypeText(const std::string& utf8);

// The same input, only queued, as a person's input arrives while the program
// is busy: nothing is dispatched until a message loop runs
// (Application->ProcessMessages, HandleMessage, a modal loop).
void QueueClick(int x, int y, int button = 0);
void QueueDoubleClick(int x, int y, int button = 0);
void QueueMouseDown(int x, int y, int button = 0);
void QueueMouseUp(int x, int y, int button = 0);
void QueueMouseMove(int x, int y);
void QueueDrag(int fromX, int fromY, int toX, int toY, int steps = 4, int button = 0);
void QueueWheel(int x, int y, int delta);
void QueueKey(int vk, bool shift = false, bool ctrl = false, bool alt = false);
void QueueText(const std::string& utf8);

// A point of a window's client area in screen coordinates.
POINT ClientPointToScreen(HWND wnd, int x, int y);

} // namespace tv::win
