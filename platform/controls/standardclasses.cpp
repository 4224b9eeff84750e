#include "platform/controls/standardclasses.h"

#include "platform/controls/edit.h"

namespace tv::win {

void RegisterStandardClasses() {
    RegisterEditClass();
}

} // namespace tv::win
