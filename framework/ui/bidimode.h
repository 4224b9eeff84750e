#pragma once
// Reading order and alignment of controls: the BiDiMode values, whether the
// desktop reads right to left at all, and the alignment a right-to-left
// control shows.
#include "core/properties.h"
#include "framework/data/dbtypes.h" // TAlignment

namespace tv {

class TField;

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
extern const TEnumInfo TBiDiModeInfo;

// What the desktop offers. Pango lays out right-to-left scripts on every
// desktop, so right to left is there (MiddleEast); nothing here asks for the
// double-byte input methods of the Far East.
struct TSysLocale {
    bool MiddleEast = true;
    bool FarEast = false;
};
TSysLocale& SysLocale();

// Left and right exchanged; centred text stays centred.
TAlignment ChangeBiDiModeAlignment(TAlignment alignment);

// Whether a data-aware control bound to `field` mirrors its alignment: only
// right to left, and never for the numeric, date and time fields, which keep
// their own alignment.
class TControl;
bool DBUseRightToLeftAlignment(const TControl* control, const TField* field);

} // namespace tv
