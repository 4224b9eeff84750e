// Reading order and alignment of controls.
#include "framework/ui/bidimode.h"

#include "framework/data/field.h"
#include "framework/ui/controls.h"

namespace tv {

const TEnumInfo TBiDiModeInfo{"TBiDiMode",
                              {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"}};

TSysLocale& SysLocale() {
    static TSysLocale locale;
    return locale;
}

TAlignment ChangeBiDiModeAlignment(TAlignment alignment) {
    if (alignment == taLeftJustify) return taRightJustify;
    if (alignment == taRightJustify) return taLeftJustify;
    return alignment;
}

bool DBUseRightToLeftAlignment(const TControl* control, const TField* field) {
    if (!control || !SysLocale().MiddleEast || control->BiDiMode() != bdRightToLeft) return false;
    if (!field) return true;
    TFieldType t = field->DataType();
    return !IsNumericType(t) && !IsDateTimeType(t);
}

} // namespace tv
