#pragma once
// Display backends: something that shows the desktop surface and turns a
// person's input into window messages. The window system asks the backend to
// wait when its queue is empty.
#include <memory>
#include <string>

#include "platform/wintypes.h"

namespace tv::win {

class Backend {
public:
    virtual ~Backend() = default;
    // Called when the queue has nothing to give: wait at most `timeoutMs`
    // (-1: until something happens) for input and inject it.
    virtual void WaitForInput(long long timeoutMs) = 0;
    // Ends the wait in progress, or else the next one, at once. Any thread may
    // call it: it is how work handed to the main thread gets looked at.
    virtual void Wake() = 0;
    // The desktop surface changed; show it when the backend shows anything.
    virtual void Present() {}
    virtual void CursorChanged(HCURSOR) {}
    // The host's text clipboard; the headless backend keeps its own.
    virtual std::string ClipboardText() = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
};

// The backend in use (the headless one unless another is set).
Backend& CurrentBackend();
void SetBackend(std::unique_ptr<Backend> backend);

// Raw input, as a backend or a test produces it. Coordinates are screen
// pixels; buttons 0 left, 1 right, 2 middle. The events are turned into
// messages when the queue hands them out, like hardware input.
void InjectMouseMove(int x, int y);
void InjectMouseButton(int button, bool down, int x, int y);
void InjectMouseWheel(int delta, int x, int y);
void InjectKey(int vk, bool down);
// One character typed (a Unicode code point), sent as WM_CHAR.
void InjectChar(std::uint32_t codePoint);

} // namespace tv::win
