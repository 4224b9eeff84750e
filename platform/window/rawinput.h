#pragma once
// What the display backends hand to the window system: a person's raw input,
// and the marks on it that only the two sides know. Private to platform/
// (the headless helpers and the platform's tests use it too); the layers
// above get input as window messages.
#include <cstdint>

#include "platform/wintypes.h"

namespace tv::win {

// Set on a virtual key whose characters the backend sends itself, as typed
// text: the window system must not make them a second time from the key.
constexpr int kTextKey = 0x10000;
// What that mark becomes in the LParam of the key's message, so that
// TranslateMessage makes only control characters from it.
constexpr LPARAM KF_TEXT_FROM_BACKEND = LPARAM(1) << 25;

// Raw input, as a backend or a test produces it. Coordinates are screen
// pixels; buttons 0 left, 1 right, 2 middle. The events are turned into
// messages when the queue hands them out, like hardware input.
void InjectMouseMove(int x, int y);
void InjectMouseButton(int button, bool down, int x, int y);
void InjectMouseWheel(int delta, int x, int y);
// `vk` may carry kTextKey.
void InjectKey(int vk, bool down);
// One character typed (a Unicode code point), sent as WM_CHAR.
void InjectChar(std::uint32_t codePoint);

} // namespace tv::win
