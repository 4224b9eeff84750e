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

// A backend hands its input over through platform/window/rawinput.h.

} // namespace tv::win
