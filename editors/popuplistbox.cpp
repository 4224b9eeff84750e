#include "editors/popuplistbox.h"

#include <algorithm>

#include "editors/dropdownplacement.h"
#include "editors/paintutils.h"
#include "editors/sizegrip.h"
#include "core/strutils.h"
#include "framework/ui/imagelist.h"
#include "framework/ui/stdctrls/scrollbar.h"
#include "platform/controls/listbox.h"
#include "platform/gdi/gdi.h"
#include "platform/window/input.h"
#include "platform/window/messages.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"

namespace tv {

using namespace win;

namespace {
constexpr size_t kMaxSearch = 32;
constexpr DWORD kSearchPause = 2000;
} // namespace

TPopupListboxEh::TPopupListboxEh(TComponent* owner) : TCustomListBox(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
    SetStyle(lbOwnerDrawFixed);
    SetTabStop(false);
    grip_ = new TSizeGripEh(this);
    grip_->SetParent(this);
    grip_->SetTriangleShape(true);
    grip_->SetPosition(sgpBottomRight);
    OnData = [this](TWinControl*, int index, std::string& text) {
        if (extendedItems_ && index >= 0 && index < extendedItems_->Count()) text = extendedItems_->Strings(index);
    };
}

TPopupListboxEh::~TPopupListboxEh() = default;

void TPopupListboxEh::CreateParams(TCreateParams& params) {
    TCustomListBox::CreateParams(params);
    params.Style = (params.Style & ~(WS_CHILD | WS_BORDER)) | WS_POPUP | WS_CLIPCHILDREN;
    if (!Ctl3D()) params.Style |= WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.WindowClass.style |= CS_SAVEBITS;
}

void TPopupListboxEh::CreateWnd() {
    TCustomListBox::CreateWnd();
    // Drawn as focused, though it never takes the focus.
    Message m{WM_SETFOCUS, 0, 0, 0};
    DefaultHandler(m);
}

int TPopupListboxEh::ItemHeightOrFont() const {
    int h = ItemHeight();
    return h > 0 ? h : GetFontTextHeight(const_cast<TPopupListboxEh*>(this));
}

int TPopupListboxEh::FrameHeight() const { return (Ctl3D() ? 0 : 2) + 2 * BorderWidth(); }

void TPopupListboxEh::SetBounds(int left, int top, int width, int height) {
    int frame = FrameHeight(), item = std::max(ItemHeightOrFont(), 1);
    rowCount_ = std::max((height - frame) / item, 1);
    TCustomListBox::SetBounds(left, top, width, frame + rowCount_ * item);
}

void SetListBoxRowCount(TPopupListboxEh* list, int rows) {
    int item = list->ItemHeight() > 0 ? list->ItemHeight() : GetFontTextHeight(list);
    list->SetHeight(std::max(rows, 1) * item + list->FrameHeight());
}

void TPopupListboxEh::AssignImages(TCustomImageList* images) {
    images_ = images;
    Invalidate();
}

void TPopupListboxEh::SetExtendedItems(TStrings* items) {
    extendedItems_ = items;
    if (items) {
        SetStyle(lbVirtualOwnerDraw);
        SetCount(items->Count());
    } else {
        SetStyle(lbOwnerDrawFixed);
    }
    Invalidate();
}

void TPopupListboxEh::Resized() {
    grip_->UpdatePosition();
    resized_ = true;
}

void TPopupListboxEh::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case WM_MOUSEACTIVATE:
        msg.Result = MA_NOACTIVATE;
        return;
    case WM_DROPDOWNPLACED_EH:
        grip_->MoveToCorner(int(msg.WParam));
        return;
    case WM_WINDOWPOSCHANGING:
        if (!ComponentState().Contains(csReading) && !ComponentState().Contains(csDestroying)) {
            auto* wp = reinterpret_cast<WINDOWPOS*>(msg.LParam);
            KeepDropDownMinimumSize(*wp);
            if (!(wp->flags & SWP_NOSIZE)) {
                // A size from the grip also shows whole rows.
                int frame = FrameHeight(), item = std::max(ItemHeightOrFont(), 1);
                rowCount_ = std::max((wp->cy - frame) / item, 1);
                wp->cy = frame + rowCount_ * item;
            }
        }
        break;
    case WM_NCCALCSIZE:
        TCustomListBox::Dispatch(msg);
        if (Ctl3D() && msg.WParam) {
            RECT& r = reinterpret_cast<NCCALCSIZE_PARAMS*>(msg.LParam)->rgrc[0];
            r = RECT{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
        }
        return;
    case WM_NCPAINT:
        TCustomListBox::Dispatch(msg);
        if (Ctl3D() && HandleAllocated()) {
            HDC dc = GetWindowDC(Handle());
            RECT r;
            GetWindowRect(Handle(), &r);
            r = RECT{0, 0, r.Width(), r.Height()};
            DrawEdge(dc, &r, BDR_RAISEDOUTER, BF_RECT | BF_ADJUST);
            DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
            ReleaseDC(Handle(), dc);
        }
        return;
    case WM_SIZE:
        TCustomListBox::Dispatch(msg);
        Resized();
        return;
    case CM_CTL3DCHANGED:
        TCustomListBox::Dispatch(msg);
        if (HandleAllocated()) RecreateWnd();
        return;
    default:
        break;
    }
    TCustomListBox::Dispatch(msg);
}

void TPopupListboxEh::MouseMove(TShiftState shift, int x, int y) {
    TCustomListBox::MouseMove(shift, x, y);
    if (x == lastMouse_.x && y == lastMouse_.y) return;
    lastMouse_ = {x, y};
    // A held left button drags the choice along, as in any list box.
    bool dragging = shift.Contains(ssLeft) && HandleAllocated() && GetCapture() == Handle();
    if (!dragging && (shift.Contains(ssLeft) || shift.Contains(ssRight) || shift.Contains(ssMiddle))) return;
    int i = ItemAtPos({x, y}, true);
    if (i >= 0 && i != ItemIndex()) SetItemIndex(i);
}

void TPopupListboxEh::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        int i = ItemAtPos({x, y}, true);
        if (i >= 0 && i != ItemIndex()) SetItemIndex(i);
    }
    TCustomListBox::MouseDown(button, shift, x, y);
}

// The list never takes the focus from its editor: its window does not see a
// press, which would focus it (MouseDown chooses the item instead).
void TPopupListboxEh::DefaultHandler(Message& msg) {
    if (msg.Msg == WM_LBUTTONDOWN || msg.Msg == WM_LBUTTONDBLCLK) {
        msg.Result = 0;
        return;
    }
    TCustomListBox::DefaultHandler(msg);
}

bool TPopupListboxEh::DoMouseWheelDown(TShiftState shift, POINT mousePos) {
    if (!TCustomListBox::DoMouseWheelDown(shift, mousePos)) SetTopIndex(TopIndex() + 1);
    return true;
}

bool TPopupListboxEh::DoMouseWheelUp(TShiftState shift, POINT mousePos) {
    if (!TCustomListBox::DoMouseWheelUp(shift, mousePos)) SetTopIndex(std::max(TopIndex() - 1, 0));
    return true;
}

void TPopupListboxEh::KeyPress(char32_t& key) {
    if (key == 8 || key == 27) {
        searchText_.clear();
    } else if (key >= 32) {
        DWORD now = GetTickCount();
        if (now - lastKeyTime_ > kSearchPause) searchText_.clear();
        lastKeyTime_ = now;
        if (Utf8Length(searchText_) < kMaxSearch) Utf8Append(searchText_, key);
        if (HandleAllocated()) SendMessage(Handle(), LB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(searchText_.c_str()));
        key = 0;
    }
    TCustomListBox::KeyPress(key);
}

void TPopupListboxEh::DrawItem(int index, RECT rect, TOwnerDrawState state) {
    if (!images_) {
        TCustomListBox::DrawItem(index, rect, state);
        return;
    }
    TCanvas* c = Canvas();
    bool selected = state.Contains(odSelected);
    c->Brush()->SetColor(selected ? clHighlight : Color());
    c->Font()->SetColor(selected ? clHighlightText : Font()->Color());
    if (index < 0) {
        c->FillRect(rect);
        return;
    }
    int imageIndex = index;
    if (OnGetImageIndex) OnGetImageIndex(Owner(), index, imageIndex);
    RECT imageRect{rect.left, rect.top, rect.left + images_->Width() + 4, rect.bottom};
    c->FillRect(imageRect);
    PaintImageListImage(c->Handle(), imageRect, images_, imageIndex, selected);
    RECT text{rect.left + images_->Width() + 5, rect.top, rect.right, rect.bottom};
    std::string s;
    if (extendedItems_) {
        if (index < extendedItems_->Count()) s = extendedItems_->Strings(index);
    } else if (index < Items()->Count()) {
        s = Items()->Strings(index);
    }
    HDC dc = c->Handle();
    SetTextColor(dc, ColorToRGB(c->Font()->Color()));
    SetBkColor(dc, ColorToRGB(c->Brush()->Color()));
    c->TextRect(RECT{imageRect.right, rect.top, rect.right, rect.bottom}, text.left, text.top, s);
    if (state.Contains(odFocused)) c->DrawFocusRect(RECT{imageRect.right, rect.top, rect.right, rect.bottom});
}

// --- recently used texts ---------------------------------------------------------

TMRUListboxEh::TMRUListboxEh(TComponent* owner) : TPopupListboxEh(owner) {
    scrollBar_ = new TScrollBar(this);
    scrollBar_->SetControlStyle(scrollBar_->ControlStyle() + TControlStyle{csReplicatable});
    scrollBar_->SetKind(sbVertical);
    scrollBar_->SetTabStop(false);
    scrollBar_->SetWidth(GetSystemMetrics(SM_CXVSCROLL));
    scrollBar_->SetVisible(false);
    scrollBar_->SetParent(this);
    scrollBar_->OnScroll = [this](TObject*, TScrollCode code, int& pos) {
        if (HandleAllocated()) SendMessage(Handle(), WM_VSCROLL, MAKEWPARAM(int(code), pos), 0);
        UpdateScrollBar();
    };
    // The bar's place is the list's to say: a move made by anyone else is
    // swallowed and the bar placed again.
    scrollBarProc_ = scrollBar_->WindowProc;
    scrollBar_->WindowProc = [this](Message& msg) {
        if (msg.Msg == WM_WINDOWPOSCHANGED && !moveLock_ && HandleAllocated()) {
            UpdateScrollBar();
            return;
        }
        scrollBarProc_(msg);
    };
}

TMRUListboxEh::~TMRUListboxEh() { scrollBar_->WindowProc = scrollBarProc_; }

void TMRUListboxEh::CreateParams(TCreateParams& params) {
    TPopupListboxEh::CreateParams(params);
    params.Style &= ~(WS_VSCROLL | WS_HSCROLL);
}

void TMRUListboxEh::Resized() {
    TPopupListboxEh::Resized();
    UpdateScrollBar();
    if (OnResized) OnResized(this);
}

void TMRUListboxEh::UpdateScrollBar() {
    int cw = ClientWidth(), ch = ClientHeight();
    int w = scrollBar_->Width();
    int top = 0, bottom = ch;
    if (grip_->Position() == sgpBottomRight) {
        bottom = ch - grip_->Height();
    } else if (grip_->Position() == sgpTopRight) {
        top = grip_->Height();
    }
    moveLock_ = true;
    scrollBar_->SetCtl3D(false);
    scrollBar_->SetBounds(cw - w, top, w, std::max(bottom - top, 0));
    moveLock_ = false;
    scrollBar_->SetPageSize(0);
    int item = std::max(ItemHeightOrFont(), 1);
    int rows = ch / item;
    int count = Count();
    bool gripRight = grip_->Position() == sgpTopRight || grip_->Position() == sgpBottomRight;
    if (count > rows) {
        scrollBar_->SetParams(TopIndex(), 0, count - 1);
        scrollBar_->SetPageSize(rows);
        scrollBar_->SetVisible(true);
        grip_->SetTriangleShape(!gripRight);
    } else {
        scrollBar_->SetVisible(false);
        grip_->SetTriangleShape(true);
    }
}

void TMRUListboxEh::Dispatch(Message& msg) {
    TPopupListboxEh::Dispatch(msg);
    switch (msg.Msg) {
    case WM_DROPDOWNPLACED_EH:
    case WM_MOUSEWHEEL:
    case LB_ADDSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
    case LB_INSERTSTRING:
        if (HandleAllocated()) UpdateScrollBar();
        break;
    default:
        break;
    }
}

} // namespace tv
