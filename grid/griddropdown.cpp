// The cell editor's drop-downs: the pick list, the lookup cell's data grid,
// the month calendar and the calculator; opening them, the keys that go to
// them while open, and taking the chosen value when they close.
#include <algorithm>
#include <cmath>

#include "editors/calculator.h"
#include "editors/dropdownplacement.h"
#include "editors/editbuttoncontrol.h"
#include "editors/paintutils.h"
#include "editors/popupdatagrid.h"
#include "editors/popupcalendar.h"
#include "editors/popuplistbox.h"
#include "editors/sizegrip.h"
#include "core/datetime.h"
#include "core/stringlist.h"
#include "core/sysformat.h"
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "grid/column.h"
#include "grid/dbgrideh.h"
#include "grid/gridinplaceedit.h"
#include "grid/lookupcelldropdown.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/window/paint.h"
#include "platform/window/sysmetrics.h"
#include "platform/gdi/text.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

namespace {

bool IsNumericField(TField* f) {
    if (!f) return false;
    switch (f->DataType()) {
    case ftSmallint: case ftInteger: case ftWord: case ftLargeint: case ftFloat: case ftCurrency: case ftBCD:
    case ftFMTBcd: case ftAutoInc:
        return true;
    default:
        return false;
    }
}

void ShowBelow(TControl* editor, TWinControl* popup) {
    POINT p = PlaceDropDownWindow(editor, popup, ddaLeftEh);
    SetWindowPos(popup->Handle(), HWND_TOP, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    popup->SetVisible(true);
}

void HidePopup(TWinControl* popup) {
    if (popup->HandleAllocated())
        SetWindowPos(popup->Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    popup->SetVisible(false);
}

} // namespace

bool TDBGridInplaceEdit::CalculatorKind() const {
    TColumnEh* c = Column();
    return editKind_ == ekDropDownEh && c && IsNumericField(c->Field());
}

bool TDBGridInplaceEdit::HasPopupKind() const {
    return editKind_ == ekPickListEh || editKind_ == ekLookupListEh || editKind_ == ekCalendarEh || CalculatorKind();
}

TWinControl* TDBGridInplaceEdit::ActivePopup() const {
    switch (editKind_) {
    case ekPickListEh: return pickList_;
    case ekCalendarEh: return calendar_;
    case ekDropDownEh: return CalculatorKind() ? calculator_ : nullptr;
    default: return nullptr;
    }
}

TPopupListboxEh* TDBGridInplaceEdit::PickListBox() {
    if (pickList_) return pickList_;
    pickList_ = new TPopupListboxEh(this);
    pickList_->SetVisible(false);
    pickList_->SetCtl3D(true);
    pickList_->SetParent(this);
    pickList_->OnMouseUp = [this](TObject*, TMouseButton button, TShiftState, int x, int y) {
        if (button != mbLeft || !pickList_) return;
        CloseUp(x >= 0 && y >= 0 && x < pickList_->ClientWidth() && y < pickList_->ClientHeight());
    };
    return pickList_;
}

TPopupMonthCalendarEh* TDBGridInplaceEdit::CalendarPopup() {
    if (calendar_) return calendar_;
    calendar_ = new TPopupMonthCalendarEh(this);
    calendar_->SetVisible(false);
    calendar_->SetParent(this);
    return calendar_;
}

TPopupCalculatorEh* TDBGridInplaceEdit::CalculatorPopup() {
    if (calculator_) return calculator_;
    calculator_ = new TPopupCalculatorEh(this);
    calculator_->SetVisible(false);
    calculator_->SetParent(this);
    if (HandleAllocated()) calculator_->HandleNeeded();
    return calculator_;
}

void TDBGridInplaceEdit::DropDown() {
    TCustomDBGridEh* g = Grid();
    TColumnEh* c = Column();
    if (popupOpen_ || !g || !c || !HasPopupKind()) return;
    HideMRUList(false);
    switch (editKind_) {
    case ekLookupListEh:
        if (!lookupDropDown_) lookupDropDown_ = std::make_unique<TLookupCellDropDownEh>(this);
        if (!lookupDropDown_->DropDown(c)) return;
        break;
    case ekCalendarEh: {
        TPopupMonthCalendarEh* cal = CalendarPopup();
        cal->HandleNeeded();
        cal->SetColor(Color());
        cal->SetFont(Font());
        TDateTime d = Date();
        if (!Text().empty() && !TryStrToDate(Text(), d)) {
            TField* f = c->Field();
            d = f && !f->IsNull() && double(f->AsDateTime()) != 0 ? f->AsDateTime() : Date();
        }
        cal->SetDate(d);
        ShowBelow(this, cal);
        break;
    }
    case ekDropDownEh: {
        TPopupCalculatorEh* calc = CalculatorPopup();
        calc->HandleNeeded();
        double v = 0;
        if (!Text().empty() && !TryStrToFloat(Text(), v)) v = 0;
        calc->SetValue(Variant(v));
        calc->SetFlat(g->Flat());
        SetSelLength(0);
        ShowBelow(this, calc);
        break;
    }
    case ekPickListEh: {
        TPopupListboxEh* list = PickListBox();
        list->HandleNeeded();
        list->SetColor(Color());
        list->SetFont(Font());
        TStrings* pick = c->PickList();
        bool keyed = !c->KeyListEmpty();
        int count = keyed ? std::min(c->KeyList()->Count(), pick->Count()) : pick->Count();
        list->Items()->BeginUpdate();
        list->Items()->Clear();
        for (int i = 0; i < count; ++i) list->Items()->AddObject(pick->Strings(i), pick->Objects(i));
        list->Items()->EndUpdate();
        list->SetItemHeight(GetFontTextHeight(this));
        SetListBoxRowCount(list, std::min(count, c->DropDownRows()));
        TField* f = c->Field();
        list->SetItemIndex(f && f->IsNull() ? -1 : LocateInStrings(keyed ? pick : list->Items(), Text(), false));
        int widest = 0;
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, Font()->Handle());
        for (int i = 0; i < count; ++i) {
            SIZE s{};
            GetTextExtentPoint32(dc, pick->Strings(i), &s);
            widest = std::max(widest, int(s.cx));
        }
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        int frame = list->Width() - list->ClientWidth();
        int wanted = c->DropDownWidth() > 0 ? c->DropDownWidth() : widest + 4 + frame +
                     (count > c->DropDownRows() ? GetSystemMetrics(SM_CXVSCROLL) : 0);
        list->SetWidth(std::max(wanted, Width()));
        ShowBelow(this, list);
        if (list->SizeGrip()) list->SizeGrip()->SetVisible(c->DropDownSizing());
        list->SetSizeGripResized(false);
        break;
    }
    default:
        return;
    }
    popupOpen_ = true;
    Invalidate();
    if (CanFocus() && !Focused()) SetFocus();
    if (TEditButtonControlEh* b = ButtonControl(0)) b->SetAlwaysDown(true);
}

void TDBGridInplaceEdit::CloseUp(bool accept) {
    TCustomDBGridEh* g = Grid();
    TColumnEh* c = Column();
    if (!popupOpen_) return;
    popupOpen_ = false;
    if (TEditButtonControlEh* b = ButtonControl(0)) b->SetAlwaysDown(false);
    if (HWND captured = GetCapture()) SendMessage(captured, WM_CANCELMODE, 0, 0);
    if (editKind_ == ekLookupListEh) {
        // The lookup cell's list writes the chosen key itself.
        if (lookupDropDown_) lookupDropDown_->CloseUp(accept);
        if (!accept && g) SetText(g->EditText());
        Invalidate();
        return;
    }
    TWinControl* popup = ActivePopup();
    Variant value = Null();
    if (popup == pickList_ && pickList_) {
        int i = pickList_->ItemIndex();
        if (i >= 0 && c) value = Variant(c->KeyListEmpty() ? pickList_->Items()->Strings(i) : c->KeyList()->Strings(i));
        if (pickList_->SizeGripResized() && c && pickList_->ItemHeight() > 0) {
            c->SetDropDownRows(pickList_->ClientHeight() / pickList_->ItemHeight());
            c->SetDropDownWidth(pickList_->Width());
        }
    }
    if (popup) HidePopup(popup);
    Invalidate();
    if (!g || !c) return;
    if (!accept) {
        if (popup == pickList_) SetText(g->EditText());
        return;
    }
    if (popup == calendar_ && calendar_) {
        if (c->CanModify(true) && EditCanModify()) {
            TDateTime d = calendar_->Date();
            g->DataLink()->Edit();
            c->WriteCellValue(DateToStr(d), Variant(d), false);
            SelectAll();
        }
    } else if (popup == calculator_ && calculator_) {
        if (c->CanModify(true) && EditCanModify()) {
            Variant v = calculator_->GetValue();
            if (!v.IsNull() && !v.IsEmpty()) {
                std::string text = FloatToStr(v.AsDouble());
                SetText(text);
                g->SetEditorText(text);
                SelectAll();
            }
        }
    } else if (popup == pickList_ && pickList_) {
        if (!value.IsNull() && EditCanModify()) {
            int i = pickList_->ItemIndex();
            std::string text = !c->KeyListEmpty() && i >= 0 ? pickList_->Items()->Strings(i) : value.AsString();
            SetText(text);
            g->SetEditorText(text);
            SelectAll();
        }
    }
}

void TDBGridInplaceEdit::KeyUp(WORD& key, TShiftState shift) {
    TInplaceEdit::KeyUp(key, shift);
    // The open list never has the focus: a Ctrl released here ends its sort marking.
    if (popupOpen_ && editKind_ == ekLookupListEh && lookupDropDown_) lookupDropDown_->RouteKeyUp(key);
}

void TDBGridInplaceEdit::Notification(TComponent* component, TOperation operation) {
    TInplaceEdit::Notification(component, operation);
    if (operation != opRemove || !lookupDropDown_ || !lookupDropDown_->ListFreed(component)) return;
    // The column took its list away: nothing is left to drop down.
    if (editKind_ == ekLookupListEh) {
        popupOpen_ = false;
        if (TEditButtonControlEh* b = ButtonControl(0)) b->SetAlwaysDown(false);
        editKind_ = ekPlainEh;
    }
}

// Keys of a cell with a drop-down: Alt+Down or Alt+Up opens and closes it,
// Ctrl+Enter opens it, Enter takes the choice and Esc does not; while it is
// open the moving keys go to it.
bool TDBGridInplaceEdit::HandleListKey(WORD& key, TShiftState shift) {
    if (!HasPopupKind()) return false;
    bool alt = shift.Contains(ssAlt);
    bool calc = CalculatorKind();
    if ((key == VK_DOWN || key == VK_UP) && alt) {
        if (popupOpen_) CloseUp(true);
        else DropDown();
        key = 0;
        return true;
    }
    if (popupOpen_ && !alt && !calc && (key == VK_RETURN || key == VK_ESCAPE)) {
        swallowChar_ = key == VK_RETURN ? 13 : 27;
        CloseUp(key == VK_RETURN);
        key = 0;
        return true;
    }
    if (!popupOpen_ && key == VK_RETURN && shift == TShiftState{ssCtrl}) {
        swallowChar_ = 10;
        DropDown();
        key = 0;
        return true;
    }
    if (!popupOpen_) return false;
    if (calc) {
        if (key == VK_ESCAPE || key == VK_RETURN) {
            // Esc closes; Enter computes first and closes when the calculator says so.
            if (key == VK_ESCAPE) SendMessage(calculator_->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
            else SendMessage(calculator_->Handle(), WM_CHAR, 13, 0);
            swallowChar_ = key == VK_RETURN ? 13 : 27;
            key = 0;
            return true;
        }
        return false;
    }
    bool ctrl = shift.Contains(ssCtrl);
    bool moving = ((key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN) && !shift.Contains(ssShift)) ||
                  ((key == VK_HOME || key == VK_END) && ctrl) ||
                  ((key == VK_LEFT || key == VK_RIGHT) && editKind_ == ekCalendarEh);
    if (!moving) return false;
    if (editKind_ == ekLookupListEh) {
        if (lookupDropDown_ && lookupDropDown_->RouteKey(key) && lookupDropDown_->DataList()) {
            SetText(lookupDropDown_->DataList()->SelectedText());
            SelectAll();
        }
    } else if (TWinControl* popup = ActivePopup()) {
        SendMessage(popup->Handle(), WM_KEYDOWN, WPARAM(key), 0);
        if (popup == pickList_ && pickList_->ItemIndex() >= 0) {
            std::string item = pickList_->Items()->Strings(pickList_->ItemIndex());
            if (item != Text()) {
                SetText(item);
                SelectAll();
            }
        }
    }
    key = 0;
    return true;
}

} // namespace tv
