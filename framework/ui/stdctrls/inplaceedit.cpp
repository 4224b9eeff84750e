#include "framework/ui/stdctrls/inplaceedit.h"

#include "core/strutils.h"
#include "platform/controls/edit.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"

namespace tv {

using namespace tv::win;

TInplaceEdit::TInplaceEdit(TComponent* owner) : TCustomMaskEdit(owner) {
    SetParentCtl3D(false);
    SetCtl3D(false);
    SetTabStop(false);
    SetBorderStyle(bsNone);
    SetVisible(false);
}

void TInplaceEdit::CreateParams(TCreateParams& p) {
    TCustomMaskEdit::CreateParams(p);
    p.Style &= ~WS_TABSTOP;
}

void TInplaceEdit::InitializeWindow() {
    TCustomMaskEdit::InitializeWindow();
    BoundsChanged();
}

void TInplaceEdit::BoundsChanged() {
    if (!HandleAllocated()) return;
    RECT r{2, 2, std::max(2, Width() - 2), std::max(2, Height())};
    SendMessage(handle_, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
    SendMessage(handle_, EM_SCROLLCARET, 0, 0);
}

void TInplaceEdit::UpdateContents() {
    if (!host_) return;
    SetText("");
    try {
        SetEditMask(host_->InplaceEditMask());
    } catch (const EDBEditError&) {
        SetEditMask(""); // a cell with a broken mask is edited without one
    }
    SetText(host_->InplaceEditText());
    SetMaxLength(IsMasked() ? Mask().Count() : host_->InplaceEditLimit());
    SetModified(false);
}

void TInplaceEdit::UpdateLoc(const RECT& loc) {
    if (loc.right <= loc.left || loc.bottom <= loc.top) HideEditor();
    else Move(loc);
}

void TInplaceEdit::Move(const RECT& loc) {
    SetBounds(loc.left, loc.top, loc.Width(), loc.Height());
    BoundsChanged();
    SetVisible(true);
    Invalidate();
}

void TInplaceEdit::HideEditor() {
    if (!Visible()) return;
    // The host takes the focus before the editor goes, so that the focus
    // never falls to the form.
    if (Focused() && host_)
        if (TWinControl* g = host_->InplaceHostControl(); g && g->CanFocus()) g->SetFocus();
    SetVisible(false);
}

void TInplaceEdit::Deselect() {
    if (HandleAllocated()) SendMessage(handle_, EM_SETSEL, WPARAM(0x7FFFFFFF), LPARAM(-1));
}

bool TInplaceEdit::PosEqual(const RECT& r) const {
    return Left() == r.left && Top() == r.top && Width() == r.Width() && Height() == r.Height();
}

// The grid checks the mask when it takes the text; undoing a cell whose
// stored text is incomplete must still close the editor.
void TInplaceEdit::DoExit() { TCustomEdit::DoExit(); }

bool TInplaceEdit::EditCanModify() { return !ReadOnly() && (!host_ || host_->InplaceCanModify()); }

void TInplaceEdit::KeyDown(WORD& key, TShiftState shift) {
    auto toGrid = [&] {
        if (host_) host_->InplaceKeyDown(key, shift);
        key = 0;
    };
    int len = int(Utf8Length(Text()));
    if (IsMasked()) len = Mask().Count();
    auto atStart = [&] {
        int s = SelStart(), n = SelLength();
        return s == 0 && (n == 0 || n == len);
    };
    auto atEnd = [&] { return SelStart() + SelLength() >= len; };
    switch (key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_ESCAPE:
        toGrid();
        return;
    case VK_LEFT: case VK_HOME:
        if (shift.Contains(ssCtrl) || (!shift.Contains(ssShift) && atStart())) {
            toGrid();
            return;
        }
        break;
    case VK_RIGHT: case VK_END:
        if (shift.Contains(ssCtrl) || (!shift.Contains(ssShift) && atEnd())) {
            toGrid();
            return;
        }
        break;
    case VK_TAB:
        if (!shift.Contains(ssAlt)) {
            toGrid();
            return;
        }
        break;
    case VK_DELETE:
        if (shift.Contains(ssCtrl)) {
            toGrid();
            return;
        }
        if (!EditCanModify()) {
            key = 0;
            return;
        }
        break;
    default:
        break;
    }
    TCustomMaskEdit::KeyDown(key, shift);
}

void TInplaceEdit::KeyPress(char32_t& key) {
    if (host_) host_->InplaceKeyPress(key);
    switch (key) {
    case 0: return;
    case 9: case 27: key = 0; return;
    case 13: {
        int len = int(Utf8Length(EditText()));
        if (SelStart() == 0 && SelLength() == len) Deselect();
        else SelectAll();
        key = 0;
        return;
    }
    default: break;
    }
    if ((key >= 32 || key == 8 || key == 22 || key == 24) && !EditCanModify()) {
        key = 0;
        return;
    }
    TCustomMaskEdit::KeyPress(key);
}

void TInplaceEdit::Dispatch(Message& msg) {
    if (msg.Msg == WM_GETDLGCODE) {
        TCustomMaskEdit::Dispatch(msg);
        // Enter and Esc end or undo the cell's edit instead of pressing the
        // form's default or cancel button.
        msg.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
        if (!host_ || host_->InplaceWantTab()) msg.Result |= DLGC_WANTTAB;
        return;
    }
    TCustomMaskEdit::Dispatch(msg);
}

} // namespace tv
