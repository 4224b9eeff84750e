// The lookup combo box: typed text searching the list, the keys and the wheel
// that step through it, and the drop-down grid.
#include <algorithm>

#include "editors/dblookupcombobox.h"
#include "editors/dropdownplacement.h"
#include "editors/sizegrip.h"
#include "editors/variantutils.h"
#include "core/strutils.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/uimessages.h"
#include "platform/clipboard/clipboard.h"
#include "platform/controls/edit.h"
#include "platform/region.h"
#include "platform/window/cursor.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

namespace {

bool IsDataOrInternalCalc(const TField* f) {
    return f && (f->FieldKind() == fkData || f->FieldKind() == fkInternalCalc);
}

bool IsMouseButtonMessage(UINT msg) { return msg >= WM_LBUTTONDOWN && msg <= WM_MBUTTONDBLCLK; }

int TextLength(TCustomDBLookupComboboxEh* c) { return int(Utf8Length(c->Text())); }

} // namespace

// --- searching -------------------------------------------------------------------------------

bool TCustomDBLookupComboboxEh::LocateText(const std::string& text, bool partial) {
    if (!listActive_ || !currentListField_ || !CanModifyKey(true)) return false;
    TLocateOptions options{loCaseInsensitive};
    if (partial) options.Include(loPartialKey);
    try {
        if (!ListDataSet()->Locate(currentListField_->FieldName(), Variant(text), options)) {
            if (style_ == csDropDownEh) SetKeyValue(Null());
            return false;
        }
        // One OnChange at most, however often the text changes meanwhile.
        changeFired_ = false;
        TNotifyEvent saved = OnChange;
        OnChange = [this](TObject*) { changeFired_ = true; };
        try {
            SetKeyValue(ListKeyValue());
            ShowText(currentListField_->DisplayText());
        } catch (...) {
            OnChange = saved;
            throw;
        }
        OnChange = saved;
        if (HandleAllocated()) {
            int shown = TextLength(this);
            int typed = std::min(int(Utf8Length(text)), shown);
            SendMessage(Handle(), EM_SETSEL, WPARAM(shown), LPARAM(typed));
        }
        if (changeFired_ && OnChange) OnChange(this);
        return true;
    } catch (const std::exception&) {
        if (style_ == csDropDownEh) {
            SetKeyValue(Null());
        } else {
            ShowText(Text());
            if (HandleAllocated()) SendMessage(Handle(), EM_SETSEL, WPARAM(TextLength(this)), LPARAM(TextLength(this)));
        }
        return false;
    }
}

void TCustomDBLookupComboboxEh::ProcessSearchKey(const std::string& text) {
    if (!IsDataOrInternalCalc(currentListField_) || !CanModifyKey(true)) return;
    int length = TextLength(this);
    if (text == "\b") {
        if (!HandleAllocated() || length == 0) return;
        int selected = SelLength();
        int from = selected == length ? length - 1 : length - (std::abs(selected) + 1);
        SendMessage(Handle(), EM_SETSEL, WPARAM(length), LPARAM(std::max(from, 0)));
        return;
    }
    std::u32string shown = Utf8ToUtf32(Text());
    size_t start = HandleAllocated() ? std::min(size_t(SelStart()), shown.size()) : shown.size();
    LocateText(Utf32ToUtf8(shown.substr(0, start)) + text, true);
}

// After the text changed in the window: the whole text is searched, or, typing
// at the end, completed from the list.
void TCustomDBLookupComboboxEh::SearchAfterEdit(bool backspace) {
    if (!HandleAllocated()) return;
    int start = SelStart();
    if (backspace || start != TextLength(this) || SelLength() > 0) {
        if (LocateText(Text(), false)) SendMessage(Handle(), EM_SETSEL, WPARAM(TextLength(this)), LPARAM(start));
        return;
    }
    ProcessSearchKey("");
}

void TCustomDBLookupComboboxEh::SetTextSilently(const std::string& text) {
    if (standalone_) {
        TCustomDBEditEh::SetTextSilently(text);
        return;
    }
    if (style_ == csDropDownEh) ShowText(text);
    LocateText(text, false);
}

void TCustomDBLookupComboboxEh::SelectNextRecord(bool up) {
    if (!CanModifyKey(true) || !listLink_->Active()) return;
    TDataSet* ds = ListDataSet();
    if (FindKeyRecord()) {
        ds->MoveBy(up ? -1 : 1);
    } else {
        ds->First();
    }
    SetKeyValue(ListKeyValue());
    if (EditorFocused()) SelectAllText();
}

// --- keys and the wheel ------------------------------------------------------------------

void TCustomDBLookupComboboxEh::KeyPress(char32_t& key) {
    if (listVisible_ && (key == 13 || key == 27)) {
        CloseDropDown(key == 13);
        key = 0;
        return;
    }
    TCustomDBEditEh::KeyPress(key);
    if (key == 0 || standalone_) return;
    if (key == 8 && style_ == csDropDownListEh) {
        ProcessSearchKey("\b");
        key = 0;
        return;
    }
    if (key > 31) {
        if (dropDownBox_->AutoDrop() && listActive_ && !listVisible_) OpenDropDown();
        if (style_ == csDropDownListEh) {
            ProcessSearchKey(Utf8Encode(key));
            key = 0;
        }
    }
}

void TCustomDBLookupComboboxEh::KeyDown(WORD& key, TShiftState shift) {
    TCustomDBEditEh::KeyDown(key, shift);
    if (key == 0 || standalone_) return;
    TSpecRowEh* spec = dropDownBox_->SpecRow();
    if (listActive_ && spec->Visible() && int(ShortCut(key, shift)) == spec->ShortCut()) {
        SetKeyValue(spec->Value());
        ShowText(spec->CellText(listFieldIndex_));
        SelectAllText();
        key = 0;
        return;
    }
    if (listActive_ && (key == VK_UP || key == VK_DOWN) && !listVisible_ && CanModifyKey(true)) {
        SelectNextRecord(key == VK_UP);
        key = 0;
        return;
    }
    bool ctrl = shift.Contains(ssCtrl);
    if (listVisible_ && (key == VK_CONTROL || key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN ||
                         ((key == VK_HOME || key == VK_END) && ctrl))) {
        dataList_->ForwardKeyDown(key, shift);
        key = 0;
        return;
    }
    if (key == VK_DELETE && style_ == csDropDownListEh && CanModifyKey(true)) {
        bool required = std::any_of(masterFields_.begin(), masterFields_.end(), [](TField* f) { return f->Required(); });
        if (required && SelLength() != TextLength(this)) {
            key = 0;
            return;
        }
        SetKeyValue(Null());
        ShowText("");
        key = 0;
    }
}

void TCustomDBLookupComboboxEh::KeyUp(WORD& key, TShiftState shift) {
    TCustomDBEditEh::KeyUp(key, shift);
    if (listVisible_ && key == VK_CONTROL) dataList_->ForwardKeyUp(key, shift);
}

bool TCustomDBLookupComboboxEh::DoMouseWheelDown(TShiftState shift, POINT mousePos) {
    if (TCustomDBEditEh::DoMouseWheelDown(shift, mousePos)) return true;
    if (standalone_ || shift.Contains(ssShift) || shift.Contains(ssCtrl) || shift.Contains(ssAlt) || ReadOnly() ||
        !CanModifyKey(true))
        return false;
    SelectNextRecord(false);
    return true;
}

bool TCustomDBLookupComboboxEh::DoMouseWheelUp(TShiftState shift, POINT mousePos) {
    if (TCustomDBEditEh::DoMouseWheelUp(shift, mousePos)) return true;
    if (standalone_ || shift.Contains(ssShift) || shift.Contains(ssCtrl) || shift.Contains(ssAlt) || ReadOnly() ||
        !CanModifyKey(true))
        return false;
    SelectNextRecord(true);
    return true;
}

void TCustomDBLookupComboboxEh::EditButtonDown(bool topButton) {
    if (EditButton()->Style() == ebsUpDownEh) {
        if (EditCanModify()) SelectNextRecord(topButton);
        return;
    }
    TCustomDBEditEh::EditButtonDown(topButton);
}

// --- the drop-down -------------------------------------------------------------------------

void TCustomDBLookupComboboxEh::OpenDropDown() {
    // A read-only combo keeps its choice: its list does not even open.
    if (!listActive_ || listVisible_ || ReadOnly()) return;
    if (!Focused() && CanFocus()) SetFocus();
    auto alive = Alive();
    if (OnDropDown) OnDropDown(this);
    if (!*alive) return;
    TPopupDataGridEh* list = dataList_;
    TLookupComboboxDropDownBoxEh* box = dropDownBox_.get();
    list->HandleNeeded();
    list->SetKeyValue(Null());
    list->SetSpecRow(box->SpecRow());
    list->SetColor(Color());
    list->SetFont(Font());
    list->SetShowTitles(box->ShowTitles());
    list->SetUseMultiTitleEh(box->UseMultiTitle());
    list->ApplyReadOnly(!CanModifyKey(false));
    TDataSet* ds = ListDataSet();
    int rows = box->Rows();
    if (ds && ds->IsSequenced() && ds->RecordCount() > 0 && ds->RecordCount() < rows) rows = ds->RecordCount();
    list->SetRowCount(rows);
    list->SetKeyFieldName(keyField_);
    std::string names;
    for (TField* f : listFields_) {
        if (!names.empty()) names += ';';
        names += f->FieldName();
    }
    list->SetListFieldName(names);
    auto current = std::find(listFields_.begin(), listFields_.end(), currentListField_);
    list->SetListFieldIndex(current == listFields_.end() ? 0 : int(current - listFields_.begin()));
    list->SetAutoFitColWidths(false);
    list->SetListSource(listLink_->DataSource());
    if (box->Width() == -1) {
        // The columns' width inside the grid's scroll bar, which is always there.
        int wanted = list->GetColumnsWidth();
        list->SetClientWidth(wanted);
        list->UpdateScrollBar();
        if (list->ClientWidth() < wanted) list->SetWidth(list->Width() + wanted - list->ClientWidth());
    } else if (box->Width() <= 0) {
        list->SetWidth(Width());
    } else {
        list->SetWidth(box->Width());
    }
    if (list->Width() < Width()) list->SetWidth(Width());
    list->SetAutoFitColWidths(box->AutoFitColWidths());
    list->SetKeyValue(keyValue_);
    list->ApplyReadOnly(!CanModifyKey(false));
    listColumnsMoved_ = false;
    list->OnColumnMoved = [this](TObject*, int, int) { listColumnsMoved_ = true; };
    list->SetRowCount(list->RowCount());
    HandleNeeded();
    POINT p = PlaceDropDownWindow(this, list, int(box->Align()));
    SetWindowPos(list->Handle(), HWND_TOP, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    list->SetVisible(true);
    list->SizeGrip()->ShowGrip(box->Sizable());
    listVisible_ = true;
    Invalidate();
    list->SetResizedByUser(false);
    TCustomDBEditEh::OpenDropDown();
    droppedDown_ = true;
}

void TCustomDBLookupComboboxEh::CloseDropDown(bool accept) {
    if (!listVisible_) return;
    if (HWND captured = GetCapture()) SendMessage(captured, WM_CANCELMODE, 0, 0);
    TPopupDataGridEh* list = dataList_;
    Variant chosen = list->KeyValue();
    SetWindowPos(list->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    list->SetVisible(false);
    listVisible_ = false;
    if (list->ResizedByUser()) {
        dropDownBox_->SetRows(list->RowCount());
        dropDownBox_->SetWidth(list->Width());
    }
    list->OnColumnMoved = nullptr;
    list->SetAutoFitColWidths(false);
    list->SetListSource(nullptr);
    if (listColumnsMoved_) {
        if (list->Columns()->GetState() != csCustomized) {
            listFieldIndex_ = list->ListFieldIndex();
            std::string names = list->ListField();
            listField_.clear();
            SetListField(names);
        }
        dropDownBox_->SpecRow()->SetCellsText(list->SpecRow()->CellsText());
    }
    Invalidate();
    droppedDown_ = false;
    TCustomDBEditEh::CloseDropDown(accept);
    if (accept && CanModifyKey(true)) {
        SetKeyValue(chosen);
        if (SpecRowClaimsKey()) ShowText(dropDownBox_->SpecRow()->CellText(listFieldIndex_));
        SelectAllText();
    }
    if (style_ == csDropDownEh && HandleAllocated()) SelectAllText();
    if (OnCloseUp) OnCloseUp(this, accept);
}

// A press on the combo or its button, dragged into the list's rows, goes on there.
bool TCustomDBLookupComboboxEh::DragIntoList(TControl* from, int x, int y) {
    if (!listVisible_ || !HandleAllocated() || GetCapture() != Handle() || !dataList_->HandleAllocated()) return false;
    POINT p = dataList_->ScreenToClient(from->ClientToScreen({x, y}));
    TGridRect cells = dataList_->GetDataRect();
    RECT rows = dataList_->BoxRect(cells.Left, cells.Top, cells.Right, cells.Bottom);
    if (!PtInRect(&rows, p)) return false;
    from->Perform(WM_CANCELMODE, 0, 0);
    if (GetCapture() == Handle()) ReleaseCapture();
    SendMessage(dataList_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    return true;
}

void TCustomDBLookupComboboxEh::MouseMove(TShiftState shift, int x, int y) {
    if (DragIntoList(this, x, y)) return;
    TCustomDBEditEh::MouseMove(shift, x, y);
}

void TCustomDBLookupComboboxEh::ButtonControlMouseMove(TObject* sender, TShiftState shift, int x, int y) {
    if (auto* c = dynamic_cast<TControl*>(sender); c && c == ButtonControl(0) && DragIntoList(c, x, y)) return;
    TCustomDBEditEh::ButtonControlMouseMove(sender, shift, x, y);
}

void TCustomDBLookupComboboxEh::Click() {
    TCustomDBEditEh::Click();
    if (ButtonsUsable() && listVisible_ && !noClickCloseUp_ && style_ == csDropDownListEh) CloseDropDown(false);
    noClickCloseUp_ = false;
}

// --- messages ------------------------------------------------------------------------------

void TCustomDBLookupComboboxEh::DefaultHandler(Message& msg) {
    if (!standalone_ && IsMouseButtonMessage(msg.Msg)) {
        POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
        if (style_ == csDropDownListEh || InButtonArea(p)) {
            if (msg.Msg == WM_RBUTTONUP && HandleAllocated()) {
                POINT s = ClientToScreen(p);
                SendMessage(Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()), MAKELPARAM(s.x, s.y));
            }
            return;
        }
    }
    TCustomDBEditEh::DefaultHandler(msg);
}

void TCustomDBLookupComboboxEh::Dispatch(Message& msg) {
    bool freeText = !standalone_ && style_ == csDropDownEh;
    bool ctrlOrAlt = GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
    switch (msg.Msg) {
    case WM_LBUTTONDOWN: {
        TCustomDBEditEh::Dispatch(msg);
        POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
        if (!standalone_ && style_ == csDropDownListEh && !InButtonArea(p) && ButtonsUsable() && !listVisible_) {
            OpenDropDown();
            noClickCloseUp_ = true;
        }
        return;
    }
    case WM_CHAR: {
        if (!freeText) break;
        TCustomDBEditEh::Dispatch(msg);
        char32_t c = char32_t(msg.WParam);
        // A full stop starts no search, as with Ctrl or Alt held.
        if (c == 0 || ctrlOrAlt || c == U'.' || (c < 32 && c != 8)) return;
        SearchAfterEdit(c == 8);
        return;
    }
    case WM_KEYDOWN:
        if (freeText && msg.WParam == WPARAM(VK_DELETE)) {
            CanModifyKey(true);
            TCustomDBEditEh::Dispatch(msg);
            SearchAfterEdit(false);
            return;
        }
        break;
    case WM_CUT:
        if (standalone_) break;
        CanModifyKey(true);
        TCustomDBEditEh::Dispatch(msg);
        LocateText(Text(), false);
        return;
    case WM_PASTE:
        if (standalone_) break;
        CanModifyKey(true);
        if (style_ == csDropDownEh) {
            TCustomDBEditEh::Dispatch(msg);
            LocateText(Text(), false);
        } else {
            std::string clip;
            if (OpenClipboard(HandleAllocated() ? Handle() : nullptr)) {
                GetClipboardText(clip);
                CloseClipboard();
            }
            if (!clip.empty()) ProcessSearchKey(clip);
        }
        return;
    case WM_SETCURSOR:
        if (!standalone_ && style_ == csDropDownListEh) {
            ::tv::win::SetCursor(LoadCursor(IDC_ARROW));
            msg.Result = 1;
            return;
        }
        break;
    case CM_MOUSEWHEEL:
        if (listVisible_ && dataList_->HandleAllocated() && dataList_->Perform(CM_MOUSEWHEEL, msg.WParam, msg.LParam)) {
            msg.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TCustomDBEditEh::Dispatch(msg);
}

} // namespace tv
