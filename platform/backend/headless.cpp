#include "platform/backend/headless.h"

#include <chrono>
#include <deque>
#include <thread>
#include <utility>

#include "core/exceptions.h"
#include "core/strutils.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"

namespace tv::win {
namespace {

std::deque<std::function<void()>>& Script() {
    static std::deque<std::function<void()>> steps;
    return steps;
}

void Pump() { ProcessPendingMessages(); }

// The loop was told that nothing can come, and nothing came since.
bool g_toldStuck = false;

} // namespace

void HeadlessBackend::WaitForInput(long long timeoutMs) {
    {
        std::lock_guard guard(wakeLock_);
        if (std::exchange(wake_, false)) {
            g_toldStuck = false;
            return;
        }
    }
    auto& steps = Script();
    if (!steps.empty()) {
        g_toldStuck = false;
        auto step = std::move(steps.front());
        steps.pop_front();
        step();
        return;
    }
    // With the system clock a pending timer is simply waited for; a fake
    // clock only moves when the test says so.
    if (timeoutMs >= 0 && !GetFakeClock()) {
        g_toldStuck = false;
        std::unique_lock guard(wakeLock_);
        woken_.wait_for(guard, std::chrono::milliseconds(timeoutMs), [&] { return wake_; });
        wake_ = false;
        return;
    }
    // Nothing can come: no step, no timer, no thread to wake the loop. The
    // loops end (each gives way to WM_QUIT); the first wait says why, once,
    // to whoever catches it, and the waits of the loops unwinding say nothing.
    PostQuitMessage(1);
    if (std::exchange(g_toldStuck, true)) return;
    throw EInvalidOperation("El bucle de mensajes espera una entrada que nunca llegará");
}

void HeadlessBackend::Wake() {
    std::lock_guard guard(wakeLock_);
    wake_ = true;
    woken_.notify_all();
}

void ScriptStep(std::function<void()> step) {
    g_toldStuck = false;
    Script().push_back(std::move(step));
}
void ClearScript() {
    Script().clear();
    g_toldStuck = false;
}
size_t PendingScriptSteps() { return Script().size(); }

void QueueMouseDown(int x, int y, int button) {
    InjectMouseMove(x, y);
    InjectMouseButton(button, true, x, y);
}

void QueueMouseUp(int x, int y, int button) {
    InjectMouseMove(x, y);
    InjectMouseButton(button, false, x, y);
}

void QueueClick(int x, int y, int button) {
    InjectMouseMove(x, y);
    InjectMouseButton(button, true, x, y);
    InjectMouseButton(button, false, x, y);
}

void QueueDoubleClick(int x, int y, int button) {
    QueueClick(x, y, button);
    QueueClick(x, y, button);
}

void QueueMouseMove(int x, int y) { InjectMouseMove(x, y); }

void QueueDrag(int fromX, int fromY, int toX, int toY, int steps, int button) {
    steps = steps < 1 ? 1 : steps;
    InjectMouseMove(fromX, fromY);
    InjectMouseButton(button, true, fromX, fromY);
    for (int i = 1; i <= steps; ++i)
        InjectMouseMove(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps);
    InjectMouseButton(button, false, toX, toY);
}

void QueueWheel(int x, int y, int delta) {
    InjectMouseMove(x, y);
    InjectMouseWheel(delta, x, y);
}

void QueueKey(int vk, bool shift, bool ctrl, bool alt) {
    if (shift) InjectKey(VK_SHIFT, true);
    if (ctrl) InjectKey(VK_CONTROL, true);
    if (alt) InjectKey(VK_MENU, true);
    InjectKey(vk, true);
    InjectKey(vk, false);
    if (alt) InjectKey(VK_MENU, false);
    if (ctrl) InjectKey(VK_CONTROL, false);
    if (shift) InjectKey(VK_SHIFT, false);
}

void QueueText(const std::string& utf8) {
    for (size_t i = 0; i < utf8.size();) {
        std::uint32_t cp = Utf8Next(utf8, i);
        // Letters and digits come with their key, as a keyboard gives them;
        // the character itself is sent as typed.
        int vk = 0;
        if (cp >= 'a' && cp <= 'z') vk = int(cp - 32);
        else if ((cp >= 'A' && cp <= 'Z') || (cp >= '0' && cp <= '9')) vk = int(cp);
        else if (cp == ' ') vk = VK_SPACE;
        if (vk) InjectKey(vk | kTextKey, true);
        InjectChar(cp);
        if (vk) InjectKey(vk | kTextKey, false);
    }
}

void MouseDown(int x, int y, int button) {
    QueueMouseDown(x, y, button);
    Pump();
}

void MouseUp(int x, int y, int button) {
    QueueMouseUp(x, y, button);
    Pump();
}

void Click(int x, int y, int button) {
    QueueClick(x, y, button);
    Pump();
}

void DoubleClick(int x, int y, int button) {
    Click(x, y, button);
    Click(x, y, button);
}

void MoveMouse(int x, int y) {
    QueueMouseMove(x, y);
    Pump();
}

void Drag(int fromX, int fromY, int toX, int toY, int steps, int button) {
    QueueDrag(fromX, fromY, toX, toY, steps, button);
    Pump();
}

void Wheel(int x, int y, int delta) {
    QueueWheel(x, y, delta);
    Pump();
}

void PressKey(int vk, bool shift, bool ctrl, bool alt) {
    QueueKey(vk, shift, ctrl, alt);
    Pump();
}

void TypeText(const std::string& utf8) {
    QueueText(utf8);
    Pump();
}

POINT ClientPointToScreen(HWND wnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(wnd, &p);
    return p;
}

} // namespace tv::win
