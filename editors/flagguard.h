#pragma once
// The editors' name for the core's flag guard.
#include "framework/core/scopeguards.h"

namespace tv {

using TFlagGuardEh = TFlagGuard;

} // namespace tv
