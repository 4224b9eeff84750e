#pragma once
// What the drawing of one grid cell works out once and hands from step to step.
#include "grid/dbgrideh.h"

namespace tv {

struct TCustomDBGridEh::TCellPaintEh {
    int col = 0, row = 0;
    win::RECT given{};  // as the paint loop gave it
    win::RECT rect{};   // less the raised frame
    TGridDrawState state;
    bool raised = false;
    bool highlighted = false;
    bool pressed = false;
    int margin = 2, vmargin = 2;
    TCellTypeEh type;
    int areaCol = 0, areaRow = 0;
    int dataCol = 0, dataRow = 0;
};

} // namespace tv
