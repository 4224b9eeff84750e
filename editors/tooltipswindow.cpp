#include "editors/tooltipswindow.h"

#include "framework/ui/graphics.h"

namespace tv {

win::RECT TToolTipsWindow::CalcHintRect(int maxWidth, const std::string& hint, void* data) {
    if (data) Font()->Assign(static_cast<TFont*>(data));
    return THintWindow::CalcHintRect(maxWidth, hint, data);
}

} // namespace tv
