#pragma once
// The hint window of an editor's tool tip: it shows the text in the font that
// the hint data carries (the editor's own).
#include "framework/ui/hintwindow.h"

namespace tv {

class TToolTipsWindow : public THintWindow {
    TV_CLASS(TToolTipsWindow, THintWindow)
public:
    using THintWindow::THintWindow;
    win::RECT CalcHintRect(int maxWidth, const std::string& hint, void* data) override;
};

} // namespace tv
