#include "platform/controls/standardclasses.h"

#include "platform/controls/combobox.h"
#include "platform/controls/edit.h"
#include "platform/controls/listbox.h"
#include "platform/controls/listview.h"
#include "platform/controls/monthcal.h"
#include "platform/controls/scrollbarcontrol.h"
#include "platform/controls/tooltip.h"
#include "platform/controls/treeview.h"

namespace tv::win {

void RegisterStandardClasses() {
    RegisterEditClass();
    RegisterListBoxClasses();
    RegisterComboBoxClass();
    RegisterMonthCalClass();
    RegisterToolTipClass();
    RegisterScrollBarClass();
    RegisterListViewClass();
    RegisterTreeViewClass();
}

} // namespace tv::win
