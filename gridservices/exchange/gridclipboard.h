#pragma once
// The grid's clipboard commands and the clearing of its selection. A copy
// puts the selection in four formats at once: plain text, "Csv", "Rich Text
// Format" and the typed exchange format "VCLDBIF"; paste prefers the last.
#include "core/resourcestrings.h"
#include "grid/dbgrideh.h"
#include "grid/gridclipboardkeys.h"
#include "platform/wintypes.h"

namespace tv {

TV_RESOURCESTRING(SDeleteMultipleRecordsQuestion, "¿Desea eliminar todos los registros seleccionados?")
TV_RESOURCESTRING(SClearSelectedCellsEh, "Clear selected cells?")

// Registered by name on first use; the same ids for the life of the process.
win::UINT CF_VCLDBIF();
win::UINT CF_CSV();
win::UINT CF_RICHTEXT();
// Registers the formats and gives the grid's clipboard keys their work.
void RegisterGridClipboardFormats();

void GridCopyToClipboard(TCustomDBGridEh* grid, bool all);
void GridCutToClipboard(TCustomDBGridEh* grid, bool all);
void GridPasteFromClipboard(TCustomDBGridEh* grid, bool all);
void ClearGridSelection(TCustomDBGridEh* grid, bool all);

} // namespace tv
