// TCustomGrid and its cell editor: when it shows, what text it gets and gives
// back, where it stands, and the focus between the two.
#include "core/scopeguards.h"
#include "framework/ui/grids/grid.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"

namespace tv {

using namespace tv::win;

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

bool TCustomGrid::CanEditShow() {
    return options_.Contains(goEditing) && !options_.Contains(goRowSelect) && editorMode_ &&
           !ComponentState().Contains(csDesigning) && !ComponentState().Contains(csDestroying) && HandleAllocated() &&
           (options_.Contains(goAlwaysShowEditor) || IsActiveControl());
}

void TCustomGrid::SetEditorMode(bool v) {
    if (v) ShowEditor();
    else HideEditor();
}

void TCustomGrid::ShowEditor() {
    editorMode_ = true;
    UpdateEdit();
}

void TCustomGrid::HideEditor() {
    auto alive = Alive();
    // The text goes back first: a cell that refuses it keeps the editor open.
    if (inplaceEdit_ && inplaceEdit_->Visible()) {
        UpdateText();
        if (!*alive) return;
    }
    editorMode_ = false;
    if (!inplaceEdit_ || !inplaceEdit_->Visible()) return;
    editCell_ = {-1, -1};
    TFlagGuard reset(hidingEditor_);
    inplaceEdit_->HideEditor();
    if (*alive) InvalidateCell(current_.X, current_.Y);
}

void TCustomGrid::UpdateText() {
    if (!inplaceEdit_ || editCell_.X < 0) return;
    // An incomplete masked entry raises ("invalid input") before anything is written.
    if (inplaceEdit_->IsMasked() && inplaceEdit_->Modified()) inplaceEdit_->ValidateEdit();
    SetEditText(editCell_.X, editCell_.Y, inplaceEdit_->Text());
}

void TCustomGrid::UpdateEdit() {
    if (showingEditor_ || !CanEditShow()) return;
    TFlagGuard reset(showingEditor_);
    auto alive = Alive();
    if (!inplaceEdit_) {
        inplaceEdit_ = CreateEditor();
        inplaceEdit_->SetHost(this);
        inplaceEdit_->SetParent(this);
    }
    RECT r = CellRect(current_.X, current_.Y);
    bool inView = r.right > r.left && r.bottom > r.top;
    // What was typed for a cell the editor leaves (or that scrolled out of
    // view) is written before the editor goes on.
    if (inplaceEdit_->Visible() && (!(editCell_ == current_) || !inView)) {
        UpdateText();
        if (!*alive || !inplaceEdit_) return;
    }
    if (!inView) {
        editCell_ = {-1, -1};
        inplaceEdit_->UpdateLoc(r);
        return;
    }
    bool fresh = false;
    if (!(editCell_ == current_) || !inplaceEdit_->Visible()) {
        editCell_ = current_;
        inplaceEdit_->UpdateContents();
        fresh = true;
    }
    bool gridFocused = Focused();
    inplaceEdit_->UpdateLoc(r);
    if (fresh) inplaceEdit_->SelectAll();
    if (gridFocused) inplaceEdit_->SetFocus();
}

void TCustomGrid::ShowEditorChar(char32_t ch) {
    ShowEditor();
    if (inplaceEdit_ && inplaceEdit_->Visible() && inplaceEdit_->HandleAllocated())
        SendMessage(inplaceEdit_->WindowHandle(), WM_CHAR, WPARAM(ch), 0);
}

void TCustomGrid::InvalidateEditor() {
    // Forgetting the edited cell makes the editor read its contents again
    // without writing them.
    editCell_ = {-1, -1};
    UpdateEdit();
}

// Keys the editor hands on. Esc puts the cell's text back (and closes the
// editor unless it always shows); the others move in the grid.
void TCustomGrid::EditorKeyDown(WORD& key, TShiftState shift) {
    if (key != VK_ESCAPE) {
        KeyDown(key, shift);
        return;
    }
    key = 0;
    if (!inplaceEdit_) return;
    // Forgetting the edited cell drops what was typed: nothing is written.
    editCell_ = {-1, -1};
    if (options_.Contains(goAlwaysShowEditor)) UpdateEdit(); // the current cell's text again
    else HideEditor();
}

// Characters typed in the editor pass the grid's KeyPress first (Enter ends
// the edit there); a character the cell does not accept is dropped.
void TCustomGrid::InplaceKeyPress(char32_t& key) {
    auto alive = Alive();
    KeyPress(key);
    if (!*alive) {
        key = 0;
        return;
    }
    if (key >= 32 && !CanEditAcceptKey(key)) key = 0;
}

} // namespace tv
