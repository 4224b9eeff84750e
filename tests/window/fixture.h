#pragma once
// Shared fixture of the window-system tests: a clean desktop with a fake
// clock, and a window class that records the messages it receives.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend/headless.h"
#include "platform/window/cursor.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/desktop.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"
#include "core/exceptions.h"

namespace tvtest {

using namespace tv::win;

struct Logged {
    HWND wnd;
    UINT msg;
    WPARAM wp;
    LPARAM lp;
};

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Registers "Rec" (CS_DBLCLKS, white background): every message is logged,
    // then handed to `hook` (when it answers true the message is consumed with
    // `hookResult`), then to DefWindowProc.
    HWND Make(DWORD style, int x, int y, int w, int h, HWND parent = nullptr, DWORD exStyle = 0, int id = 0);
    std::vector<UINT> Messages(HWND wnd) const;
    std::vector<UINT> Only(const std::vector<UINT>& wanted, HWND wnd = nullptr) const;
    size_t Count(HWND wnd, UINT msg) const;
    const Logged* Last(HWND wnd, UINT msg) const;
    void ClearLog() { log.clear(); }

    std::shared_ptr<FakeClock> clock;
    std::vector<Logged> log;
    std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)> hook;
};

// Colour of a desktop pixel as 0x00BBGGRR.
COLORREF Pixel(int x, int y);

} // namespace tvtest
