#pragma once
// The private skin message: sub-command in the high word of WParam, a flag
// in the low word, the manager or an argument in LParam; queries answer in
// LParam with the result 1.
#include "platform/wintypes.h"

namespace tv {

constexpr win::UINT SM_ALPHACMD = 0xA100;

constexpr int SKCMD_SKIN_LOADED = 1;
constexpr int SKCMD_SKIN_REMOVED = 2;
constexpr int SKCMD_REFRESH = 3;
constexpr int SKCMD_GET_PROVIDER = 4;
constexpr int SKCMD_GET_CACHE = 5;
constexpr int SKCMD_PARENT_REPAINTED = 6;
constexpr int SKCMD_IS_SKINNED = 7;
constexpr int SKCMD_SET_UPDATING = 8;
constexpr int SKCMD_SET_EXTERNAL_PAINT = 9;
constexpr int SKCMD_IS_UPDATING = 10;
constexpr int SKCMD_GET_PARTLY_PAINTED = 11;
constexpr int SKCMD_PARENT_CHANGED = 12;
constexpr int SKCMD_INVALIDATE = 13;
constexpr int SKCMD_SET_FOCUS_CHILD = 15;
constexpr int SKCMD_BEFORE_REFRESH = 16;
constexpr int SKCMD_SET_BG_CHANGED = 17;
constexpr int SKCMD_NEEDS_PARENT_BG = 19;
constexpr int SKCMD_REPAINT_TREE = 20;
constexpr int SKCMD_GET_BG_COLOR = 21;
constexpr int SKCMD_SET_PARTLY_PAINTED = 22;
// Answered by window adapters and providers.
constexpr int SKCMD_REBUILD_CACHE = 23;
constexpr int SKCMD_ADAPT_CONTROLS = 25;
constexpr int SKCMD_GET_EFFECTS = 26;
constexpr int SKCMD_STOP_REDRAW = 51;
constexpr int SKCMD_RESUME_REDRAW = 52;

constexpr win::WPARAM SkinCommand(int sub, int flag = 0) {
    return (win::WPARAM(sub) << 16) | win::WPARAM(flag & 0xFFFF);
}

} // namespace tv
