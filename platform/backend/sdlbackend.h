#pragma once
// The desktop backend: one SDL window of the user's desktop that shows the
// virtual desktop's surface and turns keyboard and mouse into messages. The
// station runs maximised in it. The host's text clipboard is shared.
#include <memory>
#include <string>

#include "platform/backend/backend.h"

namespace tv::win {

struct SdlOptions {
    std::string title = "Tallyvo POS";
    int width = 1024;  // ignored in full screen, where the display's size is used
    int height = 768;
    bool fullScreen = false;
    bool resizable = true;
};

class SdlBackend : public Backend {
public:
    // Throws tv::EOSError when no display can be opened.
    explicit SdlBackend(const SdlOptions& options = {});
    ~SdlBackend() override;
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

    void WaitForInput(long long timeoutMs) override;
    void Wake() override;
    void Present() override;
    void CursorChanged(HCURSOR cursor) override;
    std::string ClipboardText() override;
    void SetClipboardText(const std::string& text) override;

    void SetFullScreen(bool on);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace tv::win
