#pragma once
// What the grid's clipboard keys (Ctrl+C, Ctrl+X, Ctrl+V, Ctrl+Insert,
// Shift+Insert, Shift+Delete, and Ctrl+Delete on selected cells) do. The grid
// services put their copy, cut, paste and clear here at their start-up, so the
// grid does not reach up to them; a program without them leaves the keys
// without effect.
#include "core/resourcestrings.h"
#include "platform/wintypes.h"

namespace tv {

// Asked by the Delete key and by the grid services' clear of selected records.
TV_RESOURCESTRING(SDeleteRecordQuestion, "¿Desea eliminar el registro?")

class TCustomDBGridEh;

struct TGridClipboardKeys {
    void (*copy)(TCustomDBGridEh* grid, bool all) = nullptr;
    void (*cut)(TCustomDBGridEh* grid, bool all) = nullptr;
    void (*paste)(TCustomDBGridEh* grid, bool all) = nullptr;
    void (*clear)(TCustomDBGridEh* grid, bool all) = nullptr;
    // The grid's own clipboard format, which a paste takes besides text.
    win::UINT (*dataFormat)() = nullptr;
};

TGridClipboardKeys& GridClipboardKeys();

} // namespace tv
