#pragma once
// Keeps a dataset's controls disabled for a scope.
#include "core/scopeguards.h"
#include "framework/data/dataset.h"

namespace tv {

// DisableControls now, EnableControls when the scope ends or at Release; a
// null dataset does nothing.
using TControlsOff = TPairedCall<TDataSet, &TDataSet::DisableControls, &TDataSet::EnableControls>;

} // namespace tv
