// The cell editor's list of recently used texts: the column's MRUList drops
// down below the text while typing, offering the texts that begin with it;
// Enter or a click takes one.
#include <algorithm>

#include "editors/dropdownplacement.h"
#include "editors/mrulist.h"
#include "editors/paintutils.h"
#include "editors/popuplistbox.h"
#include "editors/sizegrip.h"
#include "core/stringlist.h"
#include "grid/column.h"
#include "grid/dbgrideh.h"
#include "grid/gridinplaceedit.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

TMRUListEh* TDBGridInplaceEdit::ColumnMRUList() const {
    TColumnEh* c = Column();
    return c ? c->MRUList() : nullptr;
}

bool TDBGridInplaceEdit::MRUListDroppedDown() const {
    TMRUListEh* list = ColumnMRUList();
    return list && list->DroppedDown() && mruBox_ && mruBox_->Visible();
}

TMRUListboxEh* TDBGridInplaceEdit::MRUListBox() {
    if (mruBox_) return mruBox_;
    mruBox_ = new TMRUListboxEh(this);
    mruBox_->SetVisible(false);
    mruBox_->SetCtl3D(false);
    mruBox_->SetSorted(true);
    mruBox_->SetParent(this);
    mruBox_->OnMouseUp = [this](TObject*, TMouseButton button, TShiftState, int x, int y) {
        if (button != mbLeft || !mruBox_) return;
        HideMRUList(x >= 0 && y >= 0 && x < mruBox_->ClientWidth() && y < mruBox_->ClientHeight());
    };
    return mruBox_;
}

void TDBGridInplaceEdit::ShowMRUList() {
    TMRUListEh* list = ColumnMRUList();
    if (!list || !HandleAllocated()) return;
    TMRUListboxEh* box = MRUListBox();
    box->HandleNeeded();
    if (!list->MatchingItems(box->Items(), Text())) return;
    int count = box->Items()->Count();
    RECT text = GetTextRect();
    POINT a = ClientToScreen({text.left, text.top}), b = ClientToScreen({text.right, text.bottom});
    RECT place{a.x, a.y, b.x, b.y};
    auto show = [&] {
        POINT p = CalcDropDownRect(place, box, ddaLeftEh);
        SetWindowPos(box->Handle(), HWND_TOP, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    };
    if (count == 0) {
        HideMRUList(false);
        return;
    }
    SetListBoxRowCount(box, std::min(count, list->Rows()));
    if (list->DroppedDown()) {
        show();
        return;
    }
    box->SetColor(Color());
    box->SetFont(Font());
    box->SetItemHeight(GetFontTextHeight(this));
    box->SetItemIndex(-1);
    SetListBoxRowCount(box, std::min(count, list->Rows()));
    int width = place.right - place.left;
    box->SetWidth(list->Width() > width ? list->Width() : width);
    show();
    box->SetVisible(true);
    if (box->SizeGrip()) box->SizeGrip()->SetVisible(true);
    box->OnResized = [this](TObject*) {
        TMRUListEh* l = ColumnMRUList();
        if (!l || !l->DroppedDown() || !mruBox_) return;
        l->SetRows(mruBox_->RowCount());
        l->SetWidth(mruBox_->Width());
    };
    list->SetDroppedDown(true);
}

void TDBGridInplaceEdit::HideMRUList(bool accept) {
    TMRUListEh* list = ColumnMRUList();
    if (!mruBox_ || !mruBox_->Visible()) {
        if (list) list->SetDroppedDown(false);
        return;
    }
    if (GetCapture()) ReleaseCapture();
    bool hadFocus = mruBox_->HandleAllocated() && GetFocus() == mruBox_->Handle();
    SetWindowPos(mruBox_->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    mruBox_->SetVisible(false);
    if (hadFocus && CanFocus()) SetFocus();
    if (list) list->SetDroppedDown(false);
    TCustomDBGridEh* g = Grid();
    if (!accept || ReadOnly() || !g || mruBox_->ItemIndex() < 0) return;
    g->DataLink()->Edit();
    if (!g->DataLink()->Editing()) return;
    g->DataLink()->SetModified(true);
    std::string item = mruBox_->Items()->Strings(mruBox_->ItemIndex());
    SetText(item);
    g->SetEditorText(item);
    if (Focused()) SelectAll();
}

// After the user changed the text: the list follows it, and closes on an empty text.
void TDBGridInplaceEdit::MRUFollowsText(bool backspace) {
    TMRUListEh* list = ColumnMRUList();
    if (!list) return;
    bool blank = Text().empty();
    if (blank && !backspace) {
        if (list->DroppedDown()) HideMRUList(false);
        return;
    }
    if (list->Active() && Showing() && !popupOpen_) ShowMRUList();
}

bool TDBGridInplaceEdit::RouteKeyToMRUList(WORD& key, TShiftState shift) {
    if (!MRUListDroppedDown()) return false;
    bool alt = shift.Contains(ssAlt), ctrl = shift.Contains(ssCtrl);
    if (((key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN) && !alt) ||
        ((key == VK_HOME || key == VK_END) && ctrl)) {
        SendMessage(mruBox_->Handle(), WM_KEYDOWN, WPARAM(key), 0);
        key = 0;
        return true;
    }
    if (key == VK_RETURN || key == VK_ESCAPE) {
        swallowChar_ = key == VK_RETURN ? 13 : 27;
        HideMRUList(key == VK_RETURN);
        key = 0;
        return true;
    }
    return false;
}

} // namespace tv
