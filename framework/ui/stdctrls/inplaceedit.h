#pragma once
// TInplaceEdit: the masked edit a grid holds inside its current cell. The
// grid is reached through TInplaceEditHost, which the grid implements: it
// gives the cell's text, mask and limit, takes the navigation keys the
// editor hands on at the text's edges, and says whether the cell may change.
// A grid with editors of its own derives from TInplaceEdit and overrides
// UpdateContents and BoundsChanged.
#include <string>

#include "framework/ui/stdctrls/maskedit.h"

namespace tv {

class TInplaceEditHost {
public:
    virtual ~TInplaceEditHost() = default;
    virtual std::string InplaceEditText() = 0;
    virtual std::string InplaceEditMask() { return {}; }
    virtual int InplaceEditLimit() { return 0; }
    virtual bool InplaceCanModify() { return true; }
    // Whether Tab belongs to the host (else it moves the focus on the form).
    virtual bool InplaceWantTab() { return true; }
    // Keys the editor does not keep: the grid moves on them.
    virtual void InplaceKeyDown(win::WORD& key, TShiftState shift) = 0;
    // Every character typed, before the editor takes it; 0 drops it.
    virtual void InplaceKeyPress(char32_t& key) { (void)key; }
    // The editor's window that hands the focus back when the editor hides.
    virtual TWinControl* InplaceHostControl() = 0;
};

class TInplaceEdit : public TCustomMaskEdit {
    TV_CLASS(TInplaceEdit, TCustomMaskEdit)
public:
    explicit TInplaceEdit(TComponent* owner = nullptr);
    TInplaceEditHost* Host() const { return host_; }
    void SetHost(TInplaceEditHost* h) { host_ = h; }

    // Reloads text, mask and limit from the grid's current cell.
    virtual void UpdateContents();
    // Where the cell is now: an empty rectangle (the cell is out of view)
    // hides the editor, any other moves it there (Move).
    void UpdateLoc(const win::RECT& loc);
    // Places the editor over a cell, lays it out (BoundsChanged) and shows
    // it, without taking the focus.
    void Move(const win::RECT& loc);
    // Hides it; the focus goes back to the grid when the editor had it.
    void HideEditor();
    void Deselect();
    bool PosEqual(const win::RECT& rect) const;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    // After every move or resize: the text's rectangle inside the editor.
    void BoundsChanged() override;
    void DoExit() override;
    bool EditCanModify() override;
    void KeyDown(win::WORD& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void Dispatch(Message& msg) override;

private:
    TInplaceEditHost* host_ = nullptr;
};

} // namespace tv
