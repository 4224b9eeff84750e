#include "framework/ui/stdctrls/combobox.h"

#include "framework/ui/stdctrls/edit.h"
#include "platform/controls/combobox.h"
#include "platform/controls/ownerdraw.h"
#include "platform/controls/standardclasses.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/text.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "framework/ui/stdctrls/windowitems.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TComboBoxStyleInfo{"TComboBoxStyle",
                                   {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"}};

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TWindowItems>(this, ComboBoxItemMessages)),
      canvas_(std::make_unique<TCanvas>()), brush_(std::make_unique<TBrush>()) {
    // A click is a choice from the list (its notification), not any press on the box.
    controlStyle_ = TControlStyle{csCaptureMouse, csSetCaption, csDoubleClicks, csFixedHeight};
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    SetParentColor(false);
}

TCustomComboBox::~TCustomComboBox() { DestroyHandle(); }

void TCustomComboBox::Publish(TPublisher& p) {
    p.Enum("Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle, TComboBoxStyleInfo).Default(csDropDown);
    p.Integer("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount).Default(8);
    p.Integer("ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight);
    p.Integer("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex).Default(-1);
    p.Object("Items", &TCustomComboBox::Items, &TCustomComboBox::SetItems);
    p.Integer("MaxLength", &TCustomComboBox::MaxLength, &TCustomComboBox::SetMaxLength).Default(0);
    p.Boolean("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted).Default(false);
    p.Event("OnChange", &TCustomComboBox::OnChange);
    p.Event("OnSelect", &TCustomComboBox::OnSelect);
    p.Event("OnDropDown", &TCustomComboBox::OnDropDown);
    p.Event("OnCloseUp", &TCustomComboBox::OnCloseUp);
}

void TComboBox::Publish(TPublisher& p) { p.String("Text", &TComboBox::Text, &TComboBox::SetText); }

void TCustomComboBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    RegisterStandardClasses();
    WNDCLASS wc;
    if (GetClassInfo(WC_COMBOBOX, &wc)) defProc_ = wc.lpfnWndProc;
    static const DWORD kinds[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                                  CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE};
    p.Style |= kinds[style_] | CBS_AUTOHSCROLL;
    if (Ctl3D()) p.ExStyle |= WS_EX_CLIENTEDGE;
    else p.Style |= WS_BORDER;
    if (style_ >= csOwnerDrawFixed) p.Style |= CBS_HASSTRINGS;
    if (sorted_) p.Style |= CBS_SORT;
    if (style_ == csSimple) p.Height = std::max(p.Height, 60);
}

void TCustomComboBox::InitializeWindow() {
    // An id of its own, so the parent can route WM_MEASUREITEM back here.
    SetWindowLong(handle_, GWL_ID, NextControlId());
    SendMessage(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
    SendMessage(handle_, CB_SETMINVISIBLE, WPARAM(dropDownCount_), 0);
    if (maxLength_) SendMessage(handle_, CB_LIMITTEXT, WPARAM(maxLength_), 0);
    if (itemHeight_ > 0) {
        SendMessage(handle_, CB_SETITEMHEIGHT, 0, itemHeight_);
        SendMessage(handle_, CB_SETITEMHEIGHT, WPARAM(-1), itemHeight_);
    }
    items_->WindowCreated();
    HookEdit();
    if (keptIndex_ >= 0) SendMessage(handle_, CB_SETCURSEL, WPARAM(keptIndex_), 0);
    else if (style_ != csDropDownList && !text_.empty()) SetWindowText(handle_, text_);
}

void TCustomComboBox::HookEdit() {
    COMBOBOXINFO ci;
    SendMessage(handle_, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&ci));
    if (!ci.hwndItem) return;
    editHook_ = MakeWindowProc([this](HWND e, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        switch (m) {
        case WM_KEYDOWN: case WM_SYSKEYDOWN: {
            if (Perform(CN_BASE + m, wp, lp)) return 0;
            Message k{m, wp, lp, 0};
            if (DoKeyDown(k)) return 0;
            wp = k.WParam;
            break;
        }
        case WM_KEYUP: case WM_SYSKEYUP: {
            Message k{m, wp, lp, 0};
            if (DoKeyUp(k)) return 0;
            wp = k.WParam;
            break;
        }
        case WM_CHAR: {
            if (Perform(CN_CHAR, wp, lp)) return 0;
            Message k{m, wp, lp, 0};
            if (DoKeyPress(k)) return 0;
            wp = k.WParam;
            break;
        }
        default:
            break;
        }
        return CallWindowProc(editPrev_, e, m, wp, lp);
    });
    editWnd_ = ci.hwndItem;
    editPrev_ = SetWindowProc(ci.hwndItem, editHook_);
}

void TCustomComboBox::DestroyWnd() {
    if (editHook_) {
        // Out of the edit's chain first, so its own procedure still sees its end.
        if (IsWindow(editWnd_)) SetWindowProc(editWnd_, editPrev_);
        FreeWindowProc(editHook_);
        editHook_ = editPrev_ = nullptr;
        editWnd_ = nullptr;
    }
    if (handle_) {
        keptIndex_ = int(SendMessage(handle_, CB_GETCURSEL, 0, 0));
        text_ = GetText();
        items_->WindowDestroying();
    }
    TWinControl::DestroyWnd();
}

std::string TCustomComboBox::GetText() {
    if (handle_) return GetWindowText(handle_);
    return TWinControl::GetText();
}

int TCustomComboBox::ItemIndex() {
    if (handle_) return int(SendMessage(handle_, CB_GETCURSEL, 0, 0));
    return keptIndex_;
}

void TCustomComboBox::SetItemIndex(int v) {
    if (v < -1 || v >= items_->Count()) v = -1;
    keptIndex_ = v;
    if (handle_ && ItemIndex() != v) SendMessage(handle_, CB_SETCURSEL, WPARAM(v), 0);
}

void TCustomComboBox::SetStyle(TComboBoxStyle v) {
    if (v == style_) return;
    style_ = v;
    RecreateWnd();
}

void TCustomComboBox::SetSorted(bool v) {
    if (v == sorted_) return;
    sorted_ = v;
    if (handle_) {
        // The window sorts as items go in: put them in again.
        TStringList all;
        all.Assign(items_.get());
        int idx = ItemIndex();
        std::string cur = idx >= 0 ? items_->Strings(idx) : std::string();
        RecreateWnd();
        if (handle_) {
            items_->Clear();
            for (int i = 0; i < all.Count(); ++i) items_->AddObject(all.Strings(i), all.Objects(i));
            if (idx >= 0) SetItemIndex(items_->IndexOf(cur));
        }
    }
}

void TCustomComboBox::SetDropDownCount(int v) {
    dropDownCount_ = std::max(1, v);
    if (handle_) SendMessage(handle_, CB_SETMINVISIBLE, WPARAM(dropDownCount_), 0);
}

void TCustomComboBox::SetMaxLength(int v) {
    maxLength_ = std::max(0, v);
    if (handle_) SendMessage(handle_, CB_LIMITTEXT, WPARAM(maxLength_), 0);
}

void TCustomComboBox::SetItemHeight(int v) {
    itemHeight_ = v;
    if (handle_ && v > 0) {
        SendMessage(handle_, CB_SETITEMHEIGHT, 0, v);
        SendMessage(handle_, CB_SETITEMHEIGHT, WPARAM(-1), v);
    }
}

bool TCustomComboBox::DroppedDown() { return handle_ && SendMessage(handle_, CB_GETDROPPEDSTATE, 0, 0) != 0; }

void TCustomComboBox::SetDroppedDown(bool v) { SendMessage(Handle(), CB_SHOWDROPDOWN, v, 0); }

void TCustomComboBox::Clear() {
    items_->Clear();
    SetText("");
}

void TCustomComboBox::SelectAll() {
    if (handle_) SendMessage(handle_, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void TCustomComboBox::Change() {
    if (OnChange) OnChange(this);
}

void TCustomComboBox::Select() {
    Change();
    if (OnSelect) OnSelect(this);
}

void TCustomComboBox::DropDown() {
    if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
    if (OnCloseUp) OnCloseUp(this);
}

void TCustomComboBox::DrawItem(int index, RECT rect, TOwnerDrawState state) {
    if (OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    canvas_->FillRect(rect);
    if (index >= 0 && index < items_->Count())
        canvas_->TextOut(rect.left + 2, rect.top, items_->Strings(index));
}

void TCustomComboBox::MeasureItem(int index, int& height) {
    if (OnMeasureItem) OnMeasureItem(this, index, height);
}

void TCustomComboBox::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case WM_KEYDOWN:
        // Esc or Enter on the open list closes it and does nothing else: the
        // form's keys (its preview, its cancel button) act when no list is open.
        closingChar_ = 0;
        if ((msg.WParam == VK_ESCAPE || msg.WParam == VK_RETURN) && handle_ && DroppedDown()) {
            closingChar_ = msg.WParam == VK_ESCAPE ? 27 : 13;
            DefaultHandler(msg);
            return;
        }
        break;
    case WM_CHAR:
        if (closingChar_ && msg.WParam == closingChar_) {
            closingChar_ = 0;
            return;
        }
        closingChar_ = 0;
        break;
    case CN_COMMAND:
        switch (HIWORD(msg.WParam)) {
        case CBN_SELCHANGE:
            Click();
            Select();
            break;
        case CBN_EDITCHANGE: Change(); break;
        case CBN_DROPDOWN: DropDown(); break;
        case CBN_CLOSEUP: CloseUp(); break;
        default: break;
        }
        msg.Result = 0;
        return;
    case CM_TEXTCHANGED:
        Change();
        TWinControl::Dispatch(msg);
        return;
    case CN_DRAWITEM: {
        auto* di = reinterpret_cast<win::DRAWITEMSTRUCT*>(msg.LParam);
        TOwnerDrawState st;
        if (di->itemState & win::ODS_SELECTED) st.Include(odSelected);
        if (di->itemState & win::ODS_FOCUS_ITEM) st.Include(odFocused);
        if (di->itemState & win::ODS_DISABLED) st.Include(odDisabled);
        if (di->itemState & win::ODS_COMBOBOXEDIT) st.Include(odComboBoxEdit);
        canvas_->SetHandle(di->hDC);
        canvas_->Font()->Assign(Font());
        canvas_->Brush()->SetColor(st.Contains(odSelected) ? clHighlight : Color());
        if (st.Contains(odSelected)) canvas_->Font()->SetColor(clHighlightText);
        try {
            DrawItem(int(di->itemID), di->rcItem, st);
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
        int h = itemHeight_ > 0 ? itemHeight_ : int(mi->itemHeight);
        MeasureItem(int(mi->itemID), h);
        mi->itemHeight = UINT(h);
        msg.Result = TRUE;
        return;
    }
    case CN_CTLCOLOREDIT: case CN_CTLCOLORSTATIC: case CN_CTLCOLORLISTBOX: {
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
