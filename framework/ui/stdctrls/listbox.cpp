#include "framework/ui/stdctrls/listbox.h"

#include "platform/controls/listbox.h"
#include "platform/controls/ownerdraw.h"
#include "platform/controls/standardclasses.h"
#include "platform/gdi/dc.h"
#include "platform/window/queue.h"
#include "framework/ui/stdctrls/windowitems.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TListBoxStyleInfo{"TListBoxStyle",
                                  {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable", "lbVirtual", "lbVirtualOwnerDraw"}};

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TWindowItems>(this, ListBoxItemMessages)),
      canvas_(std::make_unique<TCanvas>()), brush_(std::make_unique<TBrush>()) {
    // Clicks and double clicks come from the list's notifications, once per choice.
    controlStyle_ = TControlStyle{csCaptureMouse, csSetCaption};
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetParentColor(false);
}

TCustomListBox::~TCustomListBox() { DestroyHandle(); }

void TCustomListBox::Publish(TPublisher& p) {
    p.Boolean("ExtendedSelect", &TCustomListBox::ExtendedSelect, &TCustomListBox::SetExtendedSelect).Default(true);
    p.Integer("ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight).Default(16);
    p.Object("Items", &TCustomListBox::Items, &TCustomListBox::SetItems);
    p.Boolean("MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect).Default(false);
    p.Boolean("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted).Default(false);
    p.Enum("Style", &TCustomListBox::Style, &TCustomListBox::SetStyle, TListBoxStyleInfo).Default(lbStandard);
}

void TCustomListBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    RegisterStandardClasses();
    WNDCLASS wc;
    if (GetClassInfo(WC_LISTBOX, &wc)) defProc_ = wc.lpfnWndProc;
    p.Style |= LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    switch (style_) {
    case lbOwnerDrawFixed: p.Style |= LBS_OWNERDRAWFIXED; break;
    case lbOwnerDrawVariable: p.Style |= LBS_OWNERDRAWVARIABLE; break;
    case lbVirtual: case lbVirtualOwnerDraw: p.Style = (p.Style & ~LBS_HASSTRINGS) | LBS_OWNERDRAWFIXED | LBS_NODATA; break;
    default: break;
    }
    if (sorted_ && style_ != lbVirtual && style_ != lbVirtualOwnerDraw) p.Style |= LBS_SORT;
    if (multiSelect_) p.Style |= extendedSelect_ ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
    if (Ctl3D()) p.ExStyle |= WS_EX_CLIENTEDGE;
    else p.Style |= WS_BORDER;
}

void TCustomListBox::InitializeWindow() {
    // An id of its own, so the parent can route WM_MEASUREITEM back here.
    SetWindowLong(handle_, GWL_ID, NextControlId());
    SendMessage(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
    if (style_ != lbStandard) SendMessage(handle_, LB_SETITEMHEIGHT, 0, itemHeight_);
    if (style_ == lbVirtual || style_ == lbVirtualOwnerDraw) SendMessage(handle_, LB_SETCOUNT, WPARAM(virtualCount_), 0);
    else items_->WindowCreated();
    if (keptIndex_ >= 0) SetItemIndex(keptIndex_);
    SendMessage(handle_, LB_SETTOPINDEX, WPARAM(keptTop_), 0);
}

void TCustomListBox::DestroyWnd() {
    if (handle_) {
        keptIndex_ = ItemIndex();
        keptTop_ = TopIndex();
        if (style_ == lbVirtual || style_ == lbVirtualOwnerDraw) virtualCount_ = Count();
        else items_->WindowDestroying();
    }
    TWinControl::DestroyWnd();
}

int TCustomListBox::ItemIndex() {
    if (!handle_) return keptIndex_;
    return int(SendMessage(handle_, multiSelect_ ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int v) {
    keptIndex_ = v;
    if (!handle_ || ItemIndex() == v) return;
    if (multiSelect_) SendMessage(handle_, LB_SETCARETINDEX, WPARAM(v), 0);
    else SendMessage(handle_, LB_SETCURSEL, WPARAM(v), 0);
}

int TCustomListBox::TopIndex() { return handle_ ? int(SendMessage(handle_, LB_GETTOPINDEX, 0, 0)) : keptTop_; }

void TCustomListBox::SetTopIndex(int v) {
    keptTop_ = v;
    if (handle_) SendMessage(handle_, LB_SETTOPINDEX, WPARAM(v), 0);
}

int TCustomListBox::ItemAtPos(POINT pos, bool existing) {
    LRESULT r = SendMessage(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(pos.x, pos.y));
    if (HIWORD(r) == 0) return LOWORD(r);
    return existing ? -1 : Count();
}

RECT TCustomListBox::ItemRect(int index) {
    RECT r{};
    SendMessage(Handle(), LB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

void TCustomListBox::SetItemHeight(int v) {
    if (v <= 0) return;
    itemHeight_ = v;
    if (handle_ && style_ != lbStandard) {
        SendMessage(handle_, LB_SETITEMHEIGHT, 0, v);
        Invalidate();
    }
}

void TCustomListBox::SetStyle(TListBoxStyle v) {
    if (v == style_) return;
    style_ = v;
    RecreateWnd();
}

void TCustomListBox::SetSorted(bool v) {
    if (v == sorted_) return;
    sorted_ = v;
    RecreateWnd();
}

void TCustomListBox::SetMultiSelect(bool v) {
    if (v == multiSelect_) return;
    multiSelect_ = v;
    RecreateWnd();
}

void TCustomListBox::SetExtendedSelect(bool v) {
    if (v == extendedSelect_) return;
    extendedSelect_ = v;
    RecreateWnd();
}

bool TCustomListBox::Selected(int index) {
    LRESULT r = SendMessage(Handle(), LB_GETSEL, WPARAM(index), 0);
    if (r == LB_ERR) throw EListError("Índice de lista fuera de los límites (" + std::to_string(index) + ")");
    return r != 0;
}

void TCustomListBox::SetSelected(int index, bool v) {
    if (multiSelect_) {
        if (SendMessage(Handle(), LB_SETSEL, v, index) == LB_ERR)
            throw EListError("Índice de lista fuera de los límites (" + std::to_string(index) + ")");
    } else if (v) {
        SetItemIndex(index);
    } else if (ItemIndex() == index) {
        SetItemIndex(-1);
    }
}

int TCustomListBox::SelCount() {
    if (!multiSelect_) return ItemIndex() >= 0 ? 1 : 0;
    return int(SendMessage(Handle(), LB_GETSELCOUNT, 0, 0));
}

int TCustomListBox::Count() {
    if (style_ == lbVirtual || style_ == lbVirtualOwnerDraw)
        return handle_ ? int(SendMessage(handle_, LB_GETCOUNT, 0, 0)) : virtualCount_;
    return items_->Count();
}

void TCustomListBox::SetCount(int v) {
    virtualCount_ = std::max(0, v);
    if (handle_ && (style_ == lbVirtual || style_ == lbVirtualOwnerDraw))
        SendMessage(handle_, LB_SETCOUNT, WPARAM(virtualCount_), 0);
}

void TCustomListBox::DrawItem(int index, RECT rect, TOwnerDrawState state) {
    if (OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    canvas_->FillRect(rect);
    std::string text;
    if (style_ == lbVirtual || style_ == lbVirtualOwnerDraw) {
        if (OnData) OnData(this, index, text);
    } else if (index >= 0 && index < items_->Count()) {
        text = items_->Strings(index);
    }
    canvas_->TextOut(rect.left + 2, rect.top, text);
}

void TCustomListBox::MeasureItem(int index, int& height) {
    if (OnMeasureItem) OnMeasureItem(this, index, height);
}

void TCustomListBox::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case CN_COMMAND:
        if (HIWORD(msg.WParam) == LBN_SELCHANGE) Click();
        else if (HIWORD(msg.WParam) == LBN_DBLCLK) DblClick();
        msg.Result = 0;
        return;
    case CN_DRAWITEM: {
        auto* di = reinterpret_cast<win::DRAWITEMSTRUCT*>(msg.LParam);
        TOwnerDrawState st;
        if (di->itemState & win::ODS_SELECTED) st.Include(odSelected);
        if (di->itemState & win::ODS_FOCUS_ITEM) st.Include(odFocused);
        if (di->itemState & win::ODS_DISABLED) st.Include(odDisabled);
        canvas_->SetHandle(di->hDC);
        canvas_->Font()->Assign(Font());
        canvas_->Brush()->SetColor(st.Contains(odSelected) ? clHighlight : Color());
        if (st.Contains(odSelected)) canvas_->Font()->SetColor(clHighlightText);
        try {
            DrawItem(int(di->itemID), di->rcItem, st);
            if (st.Contains(odFocused)) canvas_->DrawFocusRect(di->rcItem);
        } catch (...) {
            canvas_->SetHandle(nullptr);
            throw;
        }
        canvas_->SetHandle(nullptr);
        msg.Result = TRUE;
        return;
    }
    case CN_MEASUREITEM: {
        auto* mi = reinterpret_cast<win::MEASUREITEMSTRUCT*>(msg.LParam);
        int h = itemHeight_;
        MeasureItem(int(mi->itemID), h);
        mi->itemHeight = UINT(std::max(1, h));
        msg.Result = TRUE;
        return;
    }
    case CN_CTLCOLORLISTBOX: {
        HDC dc = reinterpret_cast<HDC>(msg.WParam);
        SetTextColor(dc, ColorToRGB(Font()->Color()));
        SetBkColor(dc, ColorToRGB(Color()));
        brush_->SetColor(Color());
        msg.Result = reinterpret_cast<LRESULT>(brush_->Handle());
        return;
    }
    case CM_FONTCHANGED:
        if (handle_) SendMessage(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
        break;
    default:
        break;
    }
    TWinControl::Dispatch(msg);
}

} // namespace tv
