#pragma once
// Registering one of the standard window classes: global to the process,
// with its style, standard cursor and window procedure; a class already
// registered is left as it is.
#include <string>

#include "platform/window/window.h"

namespace tv::win {

void RegisterControlClass(const std::string& name, UINT style, int cursor, WindowProcFn proc);

} // namespace tv::win
