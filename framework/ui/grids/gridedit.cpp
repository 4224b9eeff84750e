// TCustomGrid and its cell editor: when it shows, what text it gets and gives
// back, where it stands, and the focus between the two.
#include "framework/ui/grids/grid.h"
#include "framework/ui/forms.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"

namespace tv {

using namespace tv::win;

TCustomEdit* TCustomGrid::CreateEditor() {
    auto* e = new TCustomEdit(this);
    e->SetBorderStyle(bsNone);
    return e;
}

bool TCustomGrid::CanEditShow() {
    return options_.Contains(goEditing) && !options_.Contains(goRowSelect) && editorMode_ &&
           !ComponentState().Contains(csDesigning) && HandleAllocated() &&
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
    editorMode_ = false;
    HideEdit();
}

void TCustomGrid::HideEdit() {
    if (!inplaceEdit_ || !inplaceEdit_->Visible()) return;
    UpdateText();
    bool hadFocus = inplaceEdit_->Focused();
    editCell_ = {-1, -1};
    // The grid takes the focus back before its editor goes.
    if (hadFocus && HandleAllocated()) SetFocus();
    if (inplaceEdit_) inplaceEdit_->Hide();
    InvalidateCell(current_.X, current_.Y);
}

void TCustomGrid::UpdateText() {
    if (!inplaceEdit_ || editCell_.X < 0) return;
    SetEditText(editCell_.X, editCell_.Y, inplaceEdit_->Text());
}

void TCustomGrid::UpdateEdit() {
    if (showingEditor_ || !CanEditShow()) return;
    showingEditor_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{showingEditor_};
    auto alive = Alive();
    if (!inplaceEdit_) {
        inplaceEdit_ = CreateEditor();
        inplaceEdit_->SetVisible(false);
        inplaceEdit_->SetParent(this);
        HookEditor();
    }
    bool fresh = false;
    if (!(editCell_ == current_) || !inplaceEdit_->Visible()) {
        if (inplaceEdit_->Visible()) UpdateText();
        if (!*alive || !inplaceEdit_) return;
        editCell_ = current_;
        inplaceEdit_->SetMaxLength(GetEditLimit());
        inplaceEdit_->SetText(GetEditText(current_.X, current_.Y));
        fresh = true;
    }
    RECT r = CellRect(current_.X, current_.Y);
    if (r.right <= r.left || r.bottom <= r.top) {
        // The cell is out of view: the editor waits hidden.
        inplaceEdit_->Hide();
        return;
    }
    bool gridFocused = Focused();
    inplaceEdit_->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    inplaceEdit_->Show();
    if (fresh) inplaceEdit_->SelectAll();
    if (gridFocused) inplaceEdit_->SetFocus();
}

void TCustomGrid::ShowEditorChar(char32_t ch) {
    ShowEditor();
    if (inplaceEdit_ && inplaceEdit_->Visible() && inplaceEdit_->HandleAllocated())
        PostMessage(inplaceEdit_->WindowHandle(), WM_CHAR, WPARAM(ch), 0);
}

void TCustomGrid::InvalidateEditor() {
    if (!inplaceEdit_ || !inplaceEdit_->Visible() || editCell_.X < 0) return;
    inplaceEdit_->SetText(GetEditText(editCell_.X, editCell_.Y));
    UpdateEdit();
}

// Keys typed in the editor that belong to the grid. Esc puts the cell's text
// back; Enter writes the editor's text and closes it.
void TCustomGrid::EditorKeyDown(WORD& key, TShiftState shift) {
    auto alive = Alive();
    switch (key) {
    case VK_ESCAPE:
        if (inplaceEdit_ && editCell_.X >= 0) inplaceEdit_->SetText(GetEditText(editCell_.X, editCell_.Y));
        if (!*alive) return;
        if (options_.Contains(goAlwaysShowEditor)) {
            if (inplaceEdit_) inplaceEdit_->SelectAll();
        } else {
            HideEditor();
        }
        key = 0;
        break;
    case VK_RETURN:
        if (options_.Contains(goAlwaysShowEditor)) {
            UpdateText();
            if (*alive && inplaceEdit_) inplaceEdit_->SelectAll();
        } else {
            HideEditor();
        }
        key = 0;
        break;
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT:
        KeyDown(key, shift);
        key = 0;
        break;
    case VK_TAB:
        if (options_.Contains(goTabs) && !shift.Contains(ssAlt)) {
            KeyDown(key, shift);
            key = 0;
        }
        break;
    case VK_LEFT: case VK_RIGHT: case VK_HOME: case VK_END:
        if (shift.Contains(ssCtrl)) {
            KeyDown(key, shift);
            key = 0;
        }
        break;
    default:
        break;
    }
}

// The editor is a plain edit until the framework's in-place editor takes
// over; its keys reach the grid through its window procedure.
void TCustomGrid::HookEditor() {
    TCustomEdit* e = inplaceEdit_;
    auto previous = e->WindowProc;
    e->WindowProc = [this, e, previous](Message& m) {
        switch (m.Msg) {
        case WM_GETDLGCODE:
            previous(m);
            m.Result |= DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS;
            return;
        case WM_KEYDOWN: {
            if (inplaceEdit_ != e) break;
            auto alive = e->Alive();
            WORD key = WORD(m.WParam);
            EditorKeyDown(key, KeyboardShiftState());
            if (!*alive) return;
            if (key == 0) {
                m.Result = 0;
                return;
            }
            m.WParam = key;
            break;
        }
        case WM_CHAR:
            // Enter, Esc and Tab were keys of the grid.
            if (m.WParam == 13 || m.WParam == 27 || m.WParam == 9) {
                m.Result = 0;
                return;
            }
            break;
        default:
            break;
        }
        previous(m);
    };
}

} // namespace tv
