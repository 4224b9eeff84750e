#pragma once
// TDBGridEhStyle: drawing settings shared by grids (lightened selections,
// focus frames) and the screen's colour count, re-read when system colours
// change. One default style serves every grid.
#include <vector>

#include "core/persistent.h"
#include "framework/ui/graphics.h"
#include "platform/wintypes.h"

namespace tv {

class TCustomDBGridEh;
class TFont;
struct TColCellColorsEh;

class TDBGridEhStyle : public TPersistent {
    TV_CLASS(TDBGridEhStyle, TPersistent)
public:
    TDBGridEhStyle();
    ~TDBGridEhStyle() override;
    static void Publish(TPublisher&) {}

    bool LightenSelection = true;
    bool DrawFocusFrame = true;
    // Choosing from a filter row's list (or closing it) applies the filter at once.
    bool FilterEditCloseUpApplyFilter = false;
    int ScreenColorCount() const { return screenColorCount_; }

    void AddGrid(TCustomDBGridEh* grid);
    void RemoveGrid(TCustomDBGridEh* grid);
    int GridCount() const { return static_cast<int>(grids_.size()); }
    bool HasGrid(const TCustomDBGridEh* grid) const;

    // Colours of a highlighted data cell: `current` for the current cell (or
    // row under row select) when it shows as such, `active` while the grid or
    // its editor has the focus.
    virtual void GetDataCellColors(TCustomDBGridEh* grid, bool current, bool active, TColor& background, TFont* font);
    // Colours of a highlighted footer, separator or other fixed cell.
    virtual void GetTitleCellColors(TCustomDBGridEh* grid, bool active, TColor& background, TFont* font);
    bool TrueColorScreen() const { return screenColorCount_ == -1; }
    virtual void SysColorChanged();
    win::HWND UtilityWindow() const { return window_; }

private:
    std::vector<TCustomDBGridEh*> grids_;
    win::HWND window_ = nullptr;
    int screenColorCount_ = -1;
};

// The process-wide default style; nil once freed.
TDBGridEhStyle* DBGridEhDefaultStyle();
void SetDBGridEhDefaultStyle(TDBGridEhStyle* style);

// Per channel: v = c + (g - c) / 2, then towards 225 by 0.6, and with ungray
// away from 122 by a quarter; rounded and kept in 0..255.
TColor LightenColor(TColor color, TColor glass, bool ungray);

} // namespace tv
