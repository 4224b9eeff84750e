#include "editors/dbcombobox.h"

#include <algorithm>

#include "editors/dropdownplacement.h"
#include "editors/editimage.h"
#include "editors/fielddatalink.h"
#include "editors/paintutils.h"
#include "editors/publishedit.h"
#include "editors/sizegrip.h"
#include "editors/variantutils.h"
#include "core/scopeguards.h"
#include "core/stringlist.h"
#include "core/strutils.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/imagelist.h"
#include "platform/clipboard/clipboard.h"
#include "platform/controls/edit.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/text.h"
#include "platform/window/cursor.h"
#include "platform/window/paint.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/window.h"
#include "framework/ui/uimessages.h"

namespace tv {

using namespace tv::win;

namespace {

bool IsStringField(const TField* f) {
    return f && (f->DataType() == ftString || f->DataType() == ftWideString);
}

bool IsMouseMessage(UINT msg) { return msg >= WM_LBUTTONDOWN && msg <= 0x0209; }

} // namespace

TCustomDBComboBoxEh::TCustomDBComboBoxEh(TComponent* owner)
    : TCustomDBEditEh(owner), items_(std::make_unique<TStringList>()), keyItems_(std::make_unique<TStringList>()),
      dropDownBox_(std::make_unique<TDropDownBoxEh>()) {
    RenewEditButton();
    items_->OnChange = [this](TObject*) { ListsChanged(false); };
    keyItems_->OnChange = [this](TObject*) { ListsChanged(true); };
}

TCustomDBComboBoxEh::~TCustomDBComboBoxEh() {
    items_->OnChange = nullptr;
    keyItems_->OnChange = nullptr;
}

std::unique_ptr<TEditButtonEh> TCustomDBComboBoxEh::NewEditButton() {
    return std::make_unique<TVisibleEditButtonEh>(this);
}

TStrings* TCustomDBComboBoxEh::Items() const { return items_.get(); }
void TCustomDBComboBoxEh::SetItems(TStrings* v) { items_->Assign(v); }
TStrings* TCustomDBComboBoxEh::KeyItems() const { return keyItems_.get(); }
void TCustomDBComboBoxEh::SetKeyItems(TStrings* v) { keyItems_->Assign(v); }

// --- mode and current item ---------------------------------------------------------

void TCustomDBComboBoxEh::ListsChanged(bool keysChanged) {
    itemsCount_ = items_->Count();
    bool wasKeyBased = keyBased_;
    keyBased_ = false;
    if (keyItems_->Count() > 0) {
        keyBased_ = true;
        itemsCount_ = std::min(items_->Count(), keyItems_->Count());
        PutText("");
    }
    RefreshReadOnly();
    FollowText();
    ClearFieldMaxLength();
    // In key mode the text comes from the key, so new items show it again.
    if (keysChanged || keyBased_ || wasKeyBased) Reload();
}

void TCustomDBComboBoxEh::FollowText() {
    int i = items_->IndexOf(Text());
    currentItem_ = i < itemsCount_ ? i : -1;
    ShowCurrentInList();
    RefreshImageIndex();
}

void TCustomDBComboBoxEh::ShowCurrentInList() {
    if (listVisible_ && list_) list_->SetItemIndex(currentItem_);
}

void TCustomDBComboBoxEh::PutText(const std::string& text) {
    TFlagGuard putting(puttingText_);
    TControl::SetText(text);
}

void TCustomDBComboBoxEh::RequestItems() {
    if (items_->Count() == 0 && OnGetItemsList) OnGetItemsList(this);
}

void TCustomDBComboBoxEh::SelectItemSilently(int index) {
    if (index == currentItem_) return;
    RequestItems();
    if (index < 0 || index >= itemsCount_) {
        currentItem_ = -1;
        keyValue_ = Null();
    } else {
        currentItem_ = index;
        if (keyBased_) keyValue_ = Variant(keyItems_->Strings(index));
    }
    RefreshImageIndex();
    ShowCurrentInList();
    PutText(currentItem_ >= 0 ? items_->Strings(currentItem_) : std::string());
}

void TCustomDBComboBoxEh::SelectItem(int index) {
    if (ComponentState().Contains(csDesigning) && !IsDataIndependent()) return;
    try {
        PutDataSetInEditState();
    } catch (...) {
        DataLink()->ReloadControl();
        throw;
    }
    SelectItemSilently(index);
    CommitWritten();
}

void TCustomDBComboBoxEh::RefreshImageIndex() {
    itemImageIndex_ = currentItem_;
    if (OnGetItemImageIndex) OnGetItemImageIndex(this, currentItem_, itemImageIndex_);
    TCustomDBEditEh::RefreshImageIndex();
}

// --- text, value and field -----------------------------------------------------------

TAlignment TCustomDBComboBoxEh::FieldAlignment() {
    return keyBased_ ? taLeftJustify : TCustomDBEditEh::FieldAlignment();
}

Variant TCustomDBComboBoxEh::CurrentValue() { return keyBased_ ? keyValue_ : Variant(Text()); }

bool TCustomDBComboBoxEh::CharAllowed(char32_t c) { return keyBased_ || TCustomDBEditEh::CharAllowed(c); }

void TCustomDBComboBoxEh::SetValueSilently(const Variant& value) {
    if (!keyBased_) {
        TCustomDBEditEh::SetValueSilently(value);
        return;
    }
    keyValue_ = value;
    currentItem_ = -1;
    std::string text;
    if (!value.IsNull() && !value.IsEmpty()) {
        int pos = keyItems_->IndexOf(VariantToTextSafe(value));
        if (pos >= 0 && pos < itemsCount_) {
            currentItem_ = pos;
            text = items_->Strings(pos);
        }
    }
    RefreshImageIndex();
    ShowCurrentInList();
    PutText(text);
}

void TCustomDBComboBoxEh::SetTextSilently(const std::string& text) {
    if (!keyBased_) {
        TCustomDBEditEh::SetTextSilently(text);
        FollowText();
        return;
    }
    int pos = items_->IndexOf(text);
    if (pos < 0 || pos >= itemsCount_) return; // only an item can be shown
    currentItem_ = pos;
    keyValue_ = Variant(keyItems_->Strings(pos));
    RefreshImageIndex();
    ShowCurrentInList();
    PutText(items_->Strings(pos));
}

void TCustomDBComboBoxEh::Change() {
    TCustomDBEditEh::Change();
    if (!keyBased_ && !puttingText_) FollowText();
}

void TCustomDBComboBoxEh::FieldDataChanged() {
    TFieldDataLinkEh* link = DataLink();
    if (TField* f = Field()) {
        if (AlignmentAssigned() && f->Alignment() != Alignment()) Invalidate();
        if (!EditMaskAssigned()) {
            try {
                TCustomMaskEdit::SetEditMask(f->EditMask());
            } catch (const Exception&) {
                TCustomMaskEdit::SetEditMask("");
            }
        }
        if (!ComponentState().Contains(csDesigning) && IsStringField(f) && MaxLength() == 0 && !keyBased_)
            SetMaxLength(f->Size());
        if (keyBased_) {
            SetValueSilently(f->IsNull() ? Null() : Variant(f->Text()));
        } else if (EditorFocused() && link->CanModify()) {
            SetValueSilently(Variant(f->Text()));
        } else {
            SetEditText(f->DisplayText());
            FollowText();
        }
    } else {
        if (!EditMaskAssigned()) TCustomMaskEdit::SetEditMask("");
        if (!IsDataIndependent()) {
            SetEditText("");
            FollowText();
        } else if (keyBased_) {
            SetValueSilently(link->UnboundValue());
        } else {
            SetEditText(VariantToTextSafe(link->UnboundValue()));
            FollowText();
        }
    }
    RefreshReadOnly();
    SetModified(false);
}

void TCustomDBComboBoxEh::PostToField() {
    TFieldDataLinkEh* link = DataLink();
    if (keyBased_ && keyValue_.IsNull()) {
        link->SetValue(Null());
    } else if (keyBased_ || !IsDataIndependent()) {
        link->SetText(VariantToTextSafe(Value()));
    } else {
        link->SetText(EditText());
    }
}

void TCustomDBComboBoxEh::CommitText() {
    if (OnNotInList && currentItem_ < 0 && !Text().empty()) {
        bool recheck = false;
        std::string text = Text();
        OnNotInList(this, text, recheck);
        // The handler may have added the text to the items.
        if (recheck) {
            if (keyBased_) {
                SetTextSilently(text);
            } else {
                FollowText();
            }
        }
    }
    TCustomDBEditEh::CommitText();
}

void TCustomDBComboBoxEh::RefreshReadOnly() {
    TCustomDBEditEh::RefreshReadOnly();
    if (keyBased_) TCustomEdit::SetReadOnly(true);
}

void TCustomDBComboBoxEh::ClearFieldMaxLength() {
    if (keyBased_) {
        if (MaxLength() > 0) SetMaxLength(0);
        return;
    }
    TCustomDBEditEh::ClearFieldMaxLength();
}

void TCustomDBComboBoxEh::TextToPaint(std::string& text) {
    TField* f = Field();
    if (keyBased_ && f && ControlState().Contains(csPaintCopy)) {
        int pos = keyItems_->IndexOf(f->Text());
        text = pos >= 0 && pos < itemsCount_ ? items_->Strings(pos) : f->DisplayText();
        if (CharCase() == ecUpperCase) text = AnsiUpperCase(text);
        if (CharCase() == ecLowerCase) text = AnsiLowerCase(text);
        return;
    }
    TCustomDBEditEh::TextToPaint(text);
}

void TCustomDBComboBoxEh::Clear() {
    if (keyBased_) {
        SetValue(Null());
    } else {
        TCustomDBEditEh::Clear();
    }
}

// --- searching -----------------------------------------------------------------------

int TCustomDBComboBoxEh::SelectionStartChars() { return HandleAllocated() ? SelStart() : 0; }

bool TCustomDBComboBoxEh::LocateText(const std::string& text, bool partial) {
    int before = currentItem_;
    if (!DataLink()->BeginFieldEdit()) return false;
    try {
        std::u32string wanted = Utf8ToUtf32(text);
        int found = -1;
        for (int i = 0; i < itemsCount_; ++i) {
            std::string item = items_->Strings(i);
            if (partial) item = Utf32ToUtf8(Utf8ToUtf32(item).substr(0, wanted.size()));
            if (AnsiCompareText(item, text) == 0) {
                found = i;
                break;
            }
        }
        if (found < 0) {
            // What was typed stays: only the current item goes.
            if (!keyBased_ && currentItem_ >= 0) {
                currentItem_ = -1;
                RefreshImageIndex();
                ShowCurrentInList();
            }
            return false;
        }
        SelectItemSilently(found);
        if (HandleAllocated()) {
            int end = int(Utf8Length(Text()));
            int from = std::min(int(wanted.size()), end);
            SendMessage(Handle(), EM_SETSEL, WPARAM(end), LPARAM(from));
        }
    } catch (...) {
        try {
            SelectItemSilently(before);
        } catch (...) {
        }
        return false;
    }
    return currentItem_ != before;
}

bool TCustomDBComboBoxEh::SearchTyped(const std::string& text) {
    if (!IsDataIndependent() && !Field()) return false;
    if (!DataLink()->BeginFieldEdit()) return false;
    if (text == "\b") {
        int len = int(Utf8Length(Text()));
        if (!HandleAllocated() || len == 0) return false;
        int start = SelStart(), length = SelLength();
        if (start == 0 && length == len) {
            SendMessage(Handle(), EM_SETSEL, WPARAM(len), LPARAM(len - 1));
        } else {
            SendMessage(Handle(), EM_SETSEL, WPARAM(len), LPARAM(std::max(start - 1, 0)));
        }
        return false;
    }
    std::u32string shown = Utf8ToUtf32(Text());
    size_t start = std::min(size_t(SelectionStartChars()), shown.size());
    std::string search = Utf32ToUtf8(shown.substr(0, start)) + text;
    RequestItems();
    return LocateText(search, true);
}

// Typing without keys completes the text from the items.
void TCustomDBComboBoxEh::AfterCharTyped(char32_t c) {
    if (keyBased_ || GetKeyState(VK_CONTROL) < 0 || !HandleAllocated()) return;
    if (c == U'.' || (c < 32 && c != 8)) return;
    int len = int(Utf8Length(Text()));
    int start = SelStart();
    if (start != len || SelLength() > 0 || c == 8) {
        RequestItems();
        if (LocateText(Text(), false)) SendMessage(Handle(), EM_SETSEL, WPARAM(start), LPARAM(len));
        return;
    }
    SearchTyped("");
}

void TCustomDBComboBoxEh::SelectNextValue(bool prior) {
    if (!DataLink()->BeginFieldEdit()) return;
    int before = currentItem_;
    RequestItems();
    int index = currentItem_;
    if (prior) {
        if (index > 0) --index;
        else if (index < 0) index = itemsCount_ - 1;
    } else if (index + 1 < itemsCount_) {
        ++index;
    }
    SelectItemSilently(index);
    if (currentItem_ != before) SelectAll();
}

// --- keys and mouse ------------------------------------------------------------------

void TCustomDBComboBoxEh::KeyDown(WORD& key, TShiftState shift) {
    TCustomDBEditEh::KeyDown(key, shift);
    if (key == 0) return;
    if ((key == VK_UP || key == VK_DOWN) && !shift.Contains(ssAlt)) {
        // Between wrapped lines the arrows move the caret, unless all is selected.
        bool wholeText = SelStart() == 0 && SelLength() == int(Utf8Length(Text()));
        if (WordWrap() && !wholeText) return;
        if (!ReadOnly() && !listVisible_ && DataLink()->BeginFieldEdit()) {
            SelectNextValue(key == VK_UP);
            key = 0;
        }
        return;
    }
    if (key == VK_DELETE && keyBased_ && !ReadOnly() && DataLink()->BeginFieldEdit()) {
        TField* f = Field();
        if (IsDataIndependent() || !f || !f->Required()) SetValueSilently(Null());
    }
}

void TCustomDBComboBoxEh::KeyPress(char32_t& key) {
    if (listVisible_ && (key == 13 || key == 27)) {
        CloseDropDown(key == 13);
        key = 0;
        return;
    }
    TCustomDBEditEh::KeyPress(key);
    if (key == 0) return;
    if (key == 8 && keyBased_) {
        if (!ReadOnly()) SearchTyped("\b");
        key = 0;
        return;
    }
    if (key > 31) {
        if (dropDownBox_->AutoDrop() && !listVisible_) OpenDropDown();
        if (keyBased_) {
            if (!ReadOnly()) SearchTyped(Utf8Encode(key));
            key = 0;
        }
    }
}

bool TCustomDBComboBoxEh::DoMouseWheelDown(TShiftState shift, POINT mousePos) {
    if (TCustomDBEditEh::DoMouseWheelDown(shift, mousePos)) return true;
    if (shift.Contains(ssShift) || shift.Contains(ssCtrl) || shift.Contains(ssAlt) || ReadOnly() || !DataLink()->BeginFieldEdit()) return false;
    SelectNextValue(false);
    return true;
}

bool TCustomDBComboBoxEh::DoMouseWheelUp(TShiftState shift, POINT mousePos) {
    if (TCustomDBEditEh::DoMouseWheelUp(shift, mousePos)) return true;
    if (shift.Contains(ssShift) || shift.Contains(ssCtrl) || shift.Contains(ssAlt) || ReadOnly() || !DataLink()->BeginFieldEdit()) return false;
    SelectNextValue(true);
    return true;
}

void TCustomDBComboBoxEh::EditButtonDown(bool topButton) {
    if (EditButton()->Style() == ebsUpDownEh) {
        if (!ReadOnly() && DataLink()->BeginFieldEdit()) SelectNextValue(topButton);
        return;
    }
    TCustomDBEditEh::EditButtonDown(topButton);
}

// A press on the editor or its button, dragged onto the open list, goes on in the list.
bool TCustomDBComboBoxEh::DragIntoList(TControl* from, int x, int y) {
    if (!listVisible_ || !list_ || !list_->HandleAllocated() || !HandleAllocated()) return false;
    if (GetCapture() != Handle()) return false;
    POINT screen = from->ClientToScreen({x, y});
    POINT p = list_->ScreenToClient(screen);
    RECT r = list_->ClientRect();
    if (!PtInRect(&r, p)) return false;
    from->Perform(WM_CANCELMODE, 0, 0);
    if (GetCapture() == Handle()) ReleaseCapture();
    SendMessage(list_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    return true;
}

void TCustomDBComboBoxEh::ButtonControlMouseMove(TObject* sender, TShiftState shift, int x, int y) {
    TCustomDBEditEh::ButtonControlMouseMove(sender, shift, x, y);
    if (auto* c = dynamic_cast<TControl*>(sender); c && c == ButtonControl(0)) DragIntoList(c, x, y);
}

void TCustomDBComboBoxEh::MouseMove(TShiftState shift, int x, int y) {
    TCustomDBEditEh::MouseMove(shift, x, y);
    DragIntoList(this, x, y);
}

bool TCustomDBComboBoxEh::IsButtonShortCut(int vk) {
    TShortCut sc = ShortCut(WORD(vk), KeyboardShiftState());
    if (EditButton()->ShortCut() != scNone && EditButton()->ShortCut() == sc) return true;
    for (int i = 0; i < EditButtons()->Count(); ++i) {
        TEditButtonEh* b = EditButtons()->ButtonAt(i);
        if (b->ShortCut() != scNone && b->ShortCut() == sc) return true;
    }
    return false;
}

bool TCustomDBComboBoxEh::RouteKeyToList(int vk) {
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (vk == VK_PRIOR || vk == VK_NEXT || vk == VK_UP || vk == VK_DOWN || ((vk == VK_HOME || vk == VK_END) && ctrl)) {
        if (list_ && list_->HandleAllocated()) SendMessage(list_->Handle(), WM_KEYDOWN, WPARAM(vk), 0);
        return true;
    }
    return false;
}

void TCustomDBComboBoxEh::WndProc(Message& msg) {
    if (listVisible_ && (msg.Msg == WM_KEYDOWN || msg.Msg == WM_SYSKEYDOWN) && !IsButtonShortCut(int(msg.WParam)) &&
        RouteKeyToList(int(msg.WParam)))
        return;
    TCustomDBEditEh::WndProc(msg);
}

void TCustomDBComboBoxEh::DefaultHandler(Message& msg) {
    // In key mode the text is never edited by hand: the edit window sees no mouse.
    if (keyBased_ && IsMouseMessage(msg.Msg)) {
        if (msg.Msg == WM_RBUTTONUP && !PopupMenu() && HandleAllocated()) {
            POINT p = ClientToScreen({GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)});
            SendMessage(Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()), MAKELPARAM(p.x, p.y));
        }
        return;
    }
    TCustomDBEditEh::DefaultHandler(msg);
}

void TCustomDBComboBoxEh::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case WM_CHAR: {
        TCustomDBEditEh::Dispatch(msg);
        if (msg.WParam != 0) AfterCharTyped(char32_t(msg.WParam));
        return;
    }
    case WM_PASTE:
        if (keyBased_) {
            std::string clip;
            if (OpenClipboard(HandleAllocated() ? Handle() : nullptr)) {
                GetClipboardText(clip);
                CloseClipboard();
            }
            if (!clip.empty() && !ReadOnly()) SearchTyped(clip);
            return;
        }
        break;
    case WM_LBUTTONDOWN: {
        POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
        if (keyBased_ && !InButtonArea(p) && ButtonsUsable() && !DroppedDown()) {
            if (CanFocus() && !Focused()) SetFocus();
            noClickCloseUp_ = true;
            OpenDropDown();
        }
        break;
    }
    case WM_LBUTTONUP:
        TCustomDBEditEh::Dispatch(msg);
        if (keyBased_) {
            if (listVisible_ && !noClickCloseUp_) CloseDropDown(false);
            noClickCloseUp_ = false;
        }
        return;
    case WM_SETCURSOR:
        if (keyBased_) {
            ::tv::win::SetCursor(LoadCursor(IDC_ARROW));
            msg.Result = 1;
            return;
        }
        break;
    case WM_MOUSEWHEEL:
        if (listVisible_ && list_ && list_->HandleAllocated() &&
            SendMessage(list_->Handle(), WM_MOUSEWHEEL, msg.WParam, msg.LParam) != 0) {
            msg.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TCustomDBEditEh::Dispatch(msg);
}

// --- the drop-down list --------------------------------------------------------------

TPopupListboxEh* TCustomDBComboBoxEh::NewPopupList() { return new TPopupListboxEh(this); }

TPopupListboxEh* TCustomDBComboBoxEh::PopupList() {
    if (list_) return list_;
    list_ = NewPopupList();
    list_->SetVisible(false);
    list_->SetCtl3D(true);
    list_->SetParent(this);
    list_->OnMouseUp = [this](TObject*, TMouseButton button, TShiftState, int x, int y) {
        if (button != mbLeft || !list_) return;
        bool inside = x >= 0 && y >= 0 && x < list_->ClientWidth() && y < list_->ClientHeight();
        CloseDropDown(inside);
    };
    list_->OnGetImageIndex = [this](TObject*, int itemIndex, int& imageIndex) {
        if (OnGetItemImageIndex) OnGetItemImageIndex(this, itemIndex, imageIndex);
    };
    return list_;
}

void TCustomDBComboBoxEh::OpenDropDown() {
    if (listVisible_) return;
    TCustomDBEditEh::OpenDropDown();
    auto alive = Alive();
    if (OnDropDown) OnDropDown(this);
    if (!*alive) return;
    RequestItems();
    TPopupListboxEh* l = PopupList();
    l->HandleNeeded();
    l->SetColor(Color());
    l->SetFont(Font());
    TCustomImageList* images = EditImage()->Visible() ? Images() : nullptr;
    l->AssignImages(images);
    int itemHeight = GetFontTextHeight(this);
    if (images && EditImage()->UseImageHeight() && itemHeight <= images->Height()) itemHeight = images->Height();
    l->SetItemHeight(itemHeight);
    // Only the items that have a key can be chosen.
    l->Items()->BeginUpdate();
    l->Items()->Clear();
    for (int i = 0; i < itemsCount_; ++i) l->Items()->Add(items_->Strings(i));
    l->Items()->EndUpdate();
    l->SetItemIndex(currentItem_);
    int rows = std::min(dropDownBox_->Rows(), itemsCount_);
    SetListBoxRowCount(l, rows);
    int width = Width();
    if (dropDownBox_->Width() == -1) {
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, Font()->Handle());
        int widest = 0;
        for (int i = 0; i < itemsCount_; ++i) {
            SIZE s{};
            GetTextExtentPoint32(dc, items_->Strings(i), &s);
            widest = std::max(widest, int(s.cx));
        }
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        int client = widest + 5 + (images ? images->Width() + 4 : 0);
        width = client + 2 * l->BorderWidth() + (itemsCount_ > std::max(rows, 1) ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    } else if (dropDownBox_->Width() >= 1) {
        width = dropDownBox_->Width();
    }
    l->SetWidth(std::max(width, Width()));
    POINT p = PlaceDropDownWindow(this, l, int(dropDownBox_->Align()));
    SetWindowPos(l->Handle(), HWND_TOP, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    l->SetVisible(true);
    if (l->SizeGrip()) l->SizeGrip()->SetVisible(dropDownBox_->Sizable());
    l->SetSizeGripResized(false);
    listVisible_ = true;
    droppedDown_ = true;
}

void TCustomDBComboBoxEh::CloseDropDown(bool accept) {
    if (!listVisible_ || !list_) return;
    if (GetCapture()) ReleaseCapture();
    bool hadFocus = list_->HandleAllocated() && GetFocus() == list_->Handle();
    SetWindowPos(list_->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    list_->SetVisible(false);
    if (list_->SizeGripResized()) {
        dropDownBox_->SetRows(list_->RowCount());
        dropDownBox_->SetWidth(list_->Width());
    }
    if (hadFocus && CanFocus()) SetFocus();
    listVisible_ = false;
    droppedDown_ = false;
    TCustomDBEditEh::CloseDropDown(accept);
    auto alive = Alive();
    if (OnClosingUp) OnClosingUp(this, accept);
    if (!*alive) return;
    if (accept && !ReadOnly() && DataLink()->BeginFieldEdit()) {
        SelectItemSilently(list_->ItemIndex());
        if (EditorFocused()) SelectAll();
    }
    if (OnCloseUp) OnCloseUp(this, accept);
}

// --- the published combo box ---------------------------------------------------------

namespace {

bool ComboTextStored(const TDBComboBoxEh* e) {
    auto* self = const_cast<TDBComboBoxEh*>(e);
    return self->IsDataIndependent() && !self->Text().empty();
}

} // namespace

bool TDBComboBoxEh::IsTextStored() const { return ComboTextStored(this); }

void TDBComboBoxEh::Publish(TPublisher& p) {
    PublishEditorCommon<TDBComboBoxEh>(p);
    p.String("Text", &TDBComboBoxEh::Text, &TDBComboBoxEh::SetText).Stored(&TDBComboBoxEh::IsTextStored);
    p.String("EditMask", &TDBComboBoxEh::EditMask, &TDBComboBoxEh::SetEditMask)
        .Stored(&TDBComboBoxEh::EditMaskAssigned);
    p.Integer("MaxLength", &TDBComboBoxEh::MaxLength, &TDBComboBoxEh::SetMaxLength).Default(0);
    p.Enum("CharCase", &TDBComboBoxEh::CharCase, &TDBComboBoxEh::SetCharCase, TEditCharCaseInfo).Default(ecNormal);
    p.Boolean("WordWrap", &TDBComboBoxEh::WordWrap, &TDBComboBoxEh::SetWordWrap).Default(false);
    p.Object("DropDownBox", &TDBComboBoxEh::DropDownBox, &TDBComboBoxEh::SetDropDownBox);
    p.Strings("Items", &TDBComboBoxEh::Items, &TDBComboBoxEh::SetItems);
    p.Strings("KeyItems", &TDBComboBoxEh::KeyItems, &TDBComboBoxEh::SetKeyItems);
    p.Event("OnNotInList", &TDBComboBoxEh::OnNotInList);
    p.Event("OnGetItemImageIndex", &TDBComboBoxEh::OnGetItemImageIndex);
    p.Event("OnDropDown", &TDBComboBoxEh::OnDropDown);
    p.Event("OnCloseUp", &TDBComboBoxEh::OnCloseUp);
}

} // namespace tv
