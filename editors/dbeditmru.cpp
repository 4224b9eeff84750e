// The drop-down of recently used texts of the base data-aware edit.
#include "editors/dbeditbase.h"
#include "editors/dropdownplacement.h"
#include "editors/fielddatalink.h"
#include "editors/mrulist.h"
#include "editors/paintutils.h"
#include "editors/popuplistbox.h"
#include "editors/sizegrip.h"
#include "core/stringlist.h"
#include "core/strutils.h"
#include "platform/controls/edit.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

TMRUListboxEh* TCustomDBEditEh::NewMRUListControl() {
    auto* box = new TMRUListboxEh(this);
    box->SetVisible(false);
    box->SetCtl3D(false);
    box->SetSorted(true);
    box->SetParent(this);
    box->OnMouseUp = [this, box](TObject*, TMouseButton button, TShiftState, int x, int y) {
        if (button != mbLeft) return;
        bool inside = x >= 0 && y >= 0 && x < box->ClientWidth() && y < box->ClientHeight();
        MRUCloseUp(inside);
    };
    return box;
}

RECT TCustomDBEditEh::FormattingRectOnScreen() {
    RECT r{};
    SendMessage(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    POINT a = ClientToScreen({r.left, r.top});
    POINT b = ClientToScreen({r.right, r.bottom});
    return RECT{a.x, a.y, b.x, b.y};
}

void TCustomDBEditEh::MRUDropDown() {
    if (!HandleAllocated()) return;
    if (!mruBox_) mruBox_ = NewMRUListControl();
    mruBox_->HandleNeeded();
    if (!mruList_->MatchingItems(mruBox_->Items(), Text())) {
        MRUCloseUp(false);
        return;
    }
    int count = mruBox_->Items()->Count();
    int rows = std::min(count, mruList_->Rows());
    RECT place = FormattingRectOnScreen();
    auto show = [&] {
        POINT p = CalcDropDownRect(place, mruBox_, ddaLeftEh);
        SetWindowPos(mruBox_->Handle(), HWND_TOP, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    };
    if (mruList_->DroppedDown()) {
        if (count == 0) {
            MRUCloseUp(false);
            return;
        }
        SetListBoxRowCount(mruBox_, rows);
        show();
        return;
    }
    if (count == 0) return;
    mruBox_->SetColor(Color());
    mruBox_->SetFont(Font());
    mruBox_->SetItemHeight(GetFontTextHeight(this));
    mruBox_->SetItemIndex(-1);
    SetListBoxRowCount(mruBox_, rows);
    mruBox_->SetWidth(place.right - place.left);
    show();
    mruBox_->SetVisible(true);
    if (mruBox_->SizeGrip()) mruBox_->SizeGrip()->SetVisible(true);
    mruBox_->OnResized = [this](TObject*) { MRUListResized(); };
    mruList_->SetDroppedDown(true);
}

void TCustomDBEditEh::MRUCloseUp(bool accept) {
    if (!mruList_->DroppedDown() || !mruBox_) return;
    if (GetCapture()) ReleaseCapture();
    bool hadFocus = mruBox_->HandleAllocated() && GetFocus() == mruBox_->Handle();
    SetWindowPos(mruBox_->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    mruBox_->SetVisible(false);
    if (hadFocus && CanFocus()) SetFocus();
    mruList_->SetDroppedDown(false);
    if (accept && !ReadOnly() && DataLink()->BeginFieldEdit() && mruBox_->ItemIndex() >= 0) {
        SetTextSilently(mruBox_->Items()->Strings(mruBox_->ItemIndex()));
        if (EditorFocused()) SelectAll();
    }
}

bool TCustomDBEditEh::MRUListDroppedDown() const { return mruList_->DroppedDown(); }

void TCustomDBEditEh::MRUListResized() {
    if (!mruList_->DroppedDown() || !mruBox_) return;
    mruList_->SetRows(mruBox_->RowCount());
    mruList_->SetWidth(mruBox_->Width());
}

void TCustomDBEditEh::AcceptMRUItem(const std::string& item, bool& accept) {
    std::string text = Text();
    std::u32string t = Utf8ToUtf32(text), i = Utf8ToUtf32(item);
    std::string head = Utf32ToUtf8(i.substr(0, t.size()));
    accept = mruList_->CaseSensitive() ? AnsiCompareStr(head, text) == 0 : AnsiCompareText(head, text) == 0;
    if (mruList_->OnFilterItem) mruList_->OnFilterItem(this, accept);
}

void TCustomDBEditEh::UserTextChanged() {
    std::string empty = IsMasked() ? Utf32ToUtf8(Mask().Strip(Mask().Format(U""))) : std::string();
    if (mruList_->DroppedDown() && Text() == empty) {
        MRUCloseUp(false);
        return;
    }
    if (mruList_->Active() && Showing() && !droppedDown_ && Text() != empty) mruList_->DropDown();
}

// Keys that move in the open list go to it; Enter takes its item, Esc closes it.
bool TCustomDBEditEh::RouteKeyToMRUList(int vk) {
    bool alt = GetKeyState(VK_MENU) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    if (((vk == VK_PRIOR || vk == VK_NEXT || vk == VK_UP || vk == VK_DOWN) && !alt) ||
        ((vk == VK_HOME || vk == VK_END) && ctrl)) {
        SendMessage(mruBox_->Handle(), WM_KEYDOWN, WPARAM(vk), 0);
        return true;
    }
    if (vk == VK_RETURN || vk == VK_ESCAPE) {
        MRUCloseUp(vk == VK_RETURN);
        swallowChar_ = vk == VK_RETURN ? 13 : 27;
        return true;
    }
    return false;
}

} // namespace tv
