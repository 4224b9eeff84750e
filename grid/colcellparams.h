#pragma once
// TColCellParamsEh: what one cell shows (text, font, colours, alignment,
// image, check box), filled by its column and changed by the cell events
// before drawing, printing or export read it back.
#include <memory>
#include <string>

#include "framework/ui/graphics.h"
#include "grid/gridtypes.h"

namespace tv {

class TColCellParamsEh : public TObject {
    TV_CLASS(TColCellParamsEh, TObject)
public:
    TColCellParamsEh();
    ~TColCellParamsEh() override;
    static void Publish(TPublisher&) {}

    int Row = -1, Col = -1;
    TGridDrawState State;
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* f) { font_->Assign(f); }
    TColor Background = clWindow;
    TAlignment Alignment = taLeftJustify;
    int ImageIndex = -1;
    std::string Text;
    TCheckBoxState CheckboxState = cbUnchecked;
    bool ReadOnly = false;
    // Set by a cell-parameters handler that decides the editor's read-only state itself.
    bool TextEditing = false;
    bool ReadOnlyAssigned = false;

private:
    std::unique_ptr<TFont> font_;
};

} // namespace tv
