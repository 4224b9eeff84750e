#pragma once
// Owner drawing by list and combo boxes: the records are the window
// system's (platform/window/menu.h); these are the kinds and states that
// only the controls use.
#include "platform/window/menu.h"

namespace tv::win {

constexpr UINT ODT_LISTBOX_ITEM = 2, ODT_COMBOBOX_ITEM = 3;
constexpr UINT ODA_FOCUS_CHANGE = 4;
constexpr UINT ODS_FOCUS_ITEM = 0x10, ODS_COMBOBOXEDIT = 0x1000;

} // namespace tv::win
