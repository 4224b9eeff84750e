#pragma once
// The options of a lookup grid, which its owners (lookup combo boxes and the
// data grid's lookup columns) read and write without the grid's header.
#include "core/properties.h"
#include "core/sets.h"

namespace tv {

enum TDBLookupGridEhOption {
    dlgColumnResizeEh, dlgColLinesEh, dlgRowLinesEh, dlgAutoSortMarkingEh, dlgMultiSortMarkingEh
};
using TDBLookupGridEhOptions = TSet<TDBLookupGridEhOption>;
extern const TEnumInfo TDBLookupGridEhOptionInfo;

} // namespace tv
