#pragma once
// A desktop with the standard classes and a host window that records the
// notifications its children send.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/backend/headless.h"
#include "platform/clipboard/clipboard.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/desktop.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/window.h"

namespace tvtest {

using namespace tv::win;

struct Notice {
    HWND from;
    WORD code;
};

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    HWND Child(const std::string& cls, DWORD style, int x, int y, int w, int h, const std::string& text = "", int id = 7);
    // Notification codes of WM_COMMAND from `wnd`, in order.
    std::vector<WORD> Codes(HWND wnd) const;
    size_t CountCode(HWND wnd, WORD code) const;
    void ClearNotices() { notices.clear(); }
    static void PutClipboard(const std::string& text);

    // Sees the host's messages first; true when it answered.
    std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> hook;
    HWND host = nullptr;
    std::vector<Notice> notices;
    std::vector<UINT> hostMessages;
};

std::string Text(HWND wnd);

} // namespace tvtest
