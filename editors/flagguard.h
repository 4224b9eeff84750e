#pragma once
// The editors' name for the core's flag guard.
#include "core/scopeguards.h"

namespace tv {

using TFlagGuardEh = TFlagGuard;

} // namespace tv
