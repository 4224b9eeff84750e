#include "platform/controls/standardclasses.h"

#include "platform/controls/edit.h"
#include "platform/controls/listbox.h"
#include "platform/controls/monthcal.h"
#include "platform/controls/scrollbarcontrol.h"
#include "platform/controls/tooltip.h"
#include "platform/controls/combobox.h"

namespace tv::win {

void RegisterStandardClasses() {
    RegisterEditClass();
    RegisterListBoxClasses();
    RegisterComboBoxClass();
    RegisterMonthCalClass();
    RegisterToolTipClass();
    RegisterScrollBarClass();
}

} // namespace tv::win
