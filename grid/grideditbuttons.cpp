// The cell editor's buttons: the main button of the edit kind (drop-down,
// ellipsis or up/down) and the column's further EditButtons, laid out from
// the right edge inwards, their presses, clicks, menus and shortcuts, and the
// up/down stepping of values.
#include <algorithm>
#include <climits>
#include <cmath>

#include "editors/buttonsizes.h"
#include "editors/editbuttoncontrol.h"
#include "editors/editbuttons.h"
#include "editors/popupdatagrid.h"
#include "framework/ui/graphiccontrols.h"
#include "framework/ui/menus.h"
#include "grid/column.h"
#include "grid/dbgrideh.h"
#include "grid/gridinplaceedit.h"
#include "grid/lookupcelldropdown.h"
#include "platform/controls/edit.h"
#include "platform/region.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

namespace {

TEditButtonStyleEh MainButtonStyle(TDBGridEditKindEh kind) {
    switch (kind) {
    case ekEllipsisEh: return ebsEllipsisEh;
    case ekUpDownEh: return ebsUpDownEh;
    default: return ebsDropDownEh;
    }
}

} // namespace

TEditButtonControlEh* TDBGridInplaceEdit::ButtonControl(int index) const {
    if (index < 0 || index >= int(buttons_.size())) return nullptr;
    return buttons_[size_t(index)].control;
}

TEditButtonEh* TDBGridInplaceEdit::ExtraButton(int index) const {
    TColumnEh* c = Column();
    if (!c || index < 1 || index - 1 >= c->EditButtons()->Count()) return nullptr;
    return c->EditButtons()->ButtonAt(index - 1);
}

void TDBGridInplaceEdit::UpdateEditButtons() {
    TCustomDBGridEh* g = Grid();
    TColumnEh* c = Column();
    bool flat = g && g->Flat();
    size_t count = size_t(1 + (c ? c->EditButtons()->Count() : 0));
    while (buttons_.size() > count) {
        // Surplus buttons stay owned by the editor, hidden.
        buttons_.back().control->SetVisible(false);
        buttons_.back().separator->SetVisible(false);
        spareButtons_.push_back(buttons_.back());
        buttons_.pop_back();
    }
    while (buttons_.size() < count) {
        TButtonPairEh p;
        if (!spareButtons_.empty()) {
            p = spareButtons_.back();
            spareButtons_.pop_back();
        } else {
            p.control = new TEditButtonControlEh(this);
            p.control->SetParent(this);
            p.separator = new TShape(this);
            p.separator->SetParent(this);
        }
        buttons_.push_back(p);
    }
    int clientH = ClientHeight();
    int defaultWidth = flat ? FlatButtonDefaultWidth() : GetSystemMetrics(SM_CXVSCROLL);
    int height = INT_MAX;
    std::vector<int> widths(count, 0);
    for (size_t i = 0; i < count; ++i) {
        TButtonPairEh& p = buttons_[i];
        TEditButtonControlEh* b = p.control;
        bool visible;
        int w;
        int h;
        if (i == 0) {
            visible = editKind_ != ekPlainEh;
            b->SetStyle(MainButtonStyle(editKind_));
            b->SetHint("");
            w = visible ? defaultWidth : 0;
            h = std::lround(1.5 * w) < clientH ? EditButtonDefaultHeight(w, flat) : clientH;
        } else {
            TEditButtonEh* item = ExtraButton(int(i));
            visible = item->Visible();
            b->SetStyle(item->Style());
            if (item->Style() == ebsGlyphEh) b->SetGlyph(item->Glyph());
            b->SetNumGlyphs(item->NumGlyphs());
            b->SetHint(item->Hint());
            w = !visible ? 0 : item->Width() > 0 ? item->Width() : defaultWidth;
            h = std::lround(1.5 * w) < clientH ? w : clientH;
        }
        b->SetVisible(visible);
        b->SetFlat(flat);
        b->SetTag(std::intptr_t(i));
        b->OnDown = [this](TObject* s, bool top, bool& autoRepeat, bool& handled) {
            EditButtonDown(s, top, autoRepeat, handled);
        };
        b->OnClick = [this](TObject* s) { EditButtonClick(s); };
        b->OnMouseMove = [this](TObject* s, TShiftState shift, int x, int y) { ButtonMouseMove(s, shift, x, y); };
        b->OnMouseUp = [](TObject* s, TMouseButton, TShiftState, int x, int y) {
            auto* bc = static_cast<TEditButtonControlEh*>(s);
            auto* e = dynamic_cast<TDBGridInplaceEdit*>(bc->Owner());
            if (e && (x < 0 || y < 0 || x >= bc->Width() || y >= bc->Height())) e->keepPopupOnClick_ = false;
        };
        p.separator->SetVisible(flat && visible);
        widths[i] = w;
        if (visible) height = std::min(height, h);
    }
    if (height == INT_MAX) height = clientH;
    bool rightToLeft = c && c->UseRightToLeftAlignment();
    int used = 0;
    for (size_t i = count; i-- > 0;) {
        TButtonPairEh& p = buttons_[i];
        if (!p.control->Visible()) continue;
        int x = rightToLeft ? used : ClientWidth() - used - widths[i];
        p.control->SetBounds(x, 0, widths[i], height);
        used += widths[i];
        if (p.separator->Visible()) {
            p.separator->SetBounds(rightToLeft ? used : ClientWidth() - used - 1, 0, 1, height);
            used += 1;
        }
    }
    buttonAreaWidth_ = used;
}

void TDBGridInplaceEdit::EnableEditButtons() {
    for (TButtonPairEh& p : buttons_) {
        p.control->SetEnabled(true);
        p.control->SetActive(true);
        p.separator->Pen()->SetColor(clBtnFace);
    }
}

RECT TDBGridInplaceEdit::GetTextRect() {
    TCustomDBGridEh* g = Grid();
    bool flat = g && g->Flat();
    RECT r = flat ? RECT{2, 1, Width() - 2, Height() - 1} : RECT{2, 2, Width() - 2, Height()};
    TColumnEh* c = Column();
    if (c && c->UseRightToLeftAlignment()) {
        r.left += buttonAreaWidth_;
        r.right -= ImageAreaWidth();
    } else {
        r.right -= buttonAreaWidth_;
        r.left += ImageAreaWidth();
    }
    // The tree stands where the grid draws it, at the reading side of the cell.
    if (int tree = TreeAreaWidth(); tree > 0) {
        if (Grid()->UseRightToLeftAlignment())
            r.right -= tree + 1;
        else
            r.left += tree + 1;
    }
    if (r.right < r.left) r.right = r.left;
    return r;
}

void TDBGridInplaceEdit::BoundsChanged() {
    if (!HandleAllocated()) return;
    UpdateEditButtons();
    EnableEditButtons();
    RECT r = GetTextRect();
    SendMessage(WindowHandle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
    SendMessage(WindowHandle(), EM_SCROLLCARET, 0, 0);
}

TEditButtonEh* TDBGridInplaceEdit::FindEditButtonByShortCut(int shortCut) {
    TColumnEh* c = Column();
    if (!c || shortCut == 0) return nullptr;
    for (int i = 0; i < c->EditButtons()->Count(); ++i)
        if (c->EditButtons()->ButtonAt(i)->ShortCut() == shortCut) return c->EditButtons()->ButtonAt(i);
    return nullptr;
}

bool TDBGridInplaceEdit::EditButtonShortCut(WORD key, TShiftState shift) {
    TColumnEh* c = Column();
    TEditButtonEh* item = FindEditButtonByShortCut(ShortCut(key, shift));
    if (!c || !item) return false;
    TEditButtonControlEh* b = ButtonControl(item->Index() + 1);
    if (!b) return false;
    bool autoRepeat = false, handled = false;
    b->FireOnDown(true, autoRepeat, handled);
    b->Click();
    return true;
}

void TDBGridInplaceEdit::ButtonPressed(bool lowerHalf) {
    if (editKind_ == ekUpDownEh) {
        StepUpDownValue(lowerHalf);
    } else if (!popupOpen_) {
        DropDown();
        keepPopupOnClick_ = popupOpen_;
    }
}

void TDBGridInplaceEdit::EditButtonDown(TObject* sender, bool topButton, bool& autoRepeat, bool& handled) {
    if (CanFocus() && !Focused()) SetFocus();
    handled = false;
    auto* b = static_cast<TEditButtonControlEh*>(sender);
    int index = int(b->Tag());
    // The press that closed a button's menu does not open it again.
    if (menuClosedTag_ >= 0) {
        bool closing = menuClosedTag_ == index && DWORD(GetMessageTime()) <= menuClosedTime_;
        menuClosedTag_ = -1;
        if (closing) return;
    }
    TColumnEh* c = Column();
    if (!c) return;
    if (index == 0) {
        if (c->OnEditButtonDown) c->OnEditButtonDown(b, topButton, autoRepeat, handled);
        if (!handled) ButtonPressed(!topButton);
        return;
    }
    TEditButtonEh* item = ExtraButton(index);
    if (!item) return;
    if (item->OnDown) item->OnDown(b, topButton, autoRepeat, handled);
    if (handled || !item->DropdownMenu()) return;
    TPopupMenu* menu = item->DropdownMenu();
    POINT p = b->ClientToScreen({menu->Alignment() == paRight ? b->Width() : 0, b->Height()});
    auto alive = Alive();
    menu->Popup(p.x, p.y);
    if (!*alive) return;
    menuClosedTag_ = index;
    menuClosedTime_ = GetTickCount();
    b->Perform(WM_LBUTTONUP, 0, 0);
}

void TDBGridInplaceEdit::EditButtonClick(TObject* sender) {
    TCustomDBGridEh* g = Grid();
    TColumnEh* c = Column();
    auto* b = static_cast<TEditButtonControlEh*>(sender);
    int index = int(b->Tag());
    bool handled = false;
    auto alive = Alive();
    if (index == 0) {
        if ((editKind_ == ekEllipsisEh || editKind_ == ekDropDownEh) && g && g->OnEditButtonClick)
            g->OnEditButtonClick(g);
        if (!*alive) return;
        if (c && c->OnEditButtonClick) c->OnEditButtonClick(b, handled);
    } else if (TEditButtonEh* item = ExtraButton(index)) {
        if (item->OnClick) item->OnClick(b, handled);
    }
    if (!*alive) return;
    if (!handled && index == 0 && popupOpen_ && !keepPopupOnClick_) CloseUp(false);
    keepPopupOnClick_ = false;
}

void TDBGridInplaceEdit::ButtonMouseMove(TObject* sender, TShiftState, int x, int y) {
    auto* b = dynamic_cast<TControl*>(sender);
    if (!b || b != ButtonControl(0) || !popupOpen_ || !HandleAllocated() || GetCapture() != Handle()) return;
    TWinControl* popup = ActivePopup();
    RECT area{};
    if (editKind_ == ekLookupListEh) {
        TPopupDataGridEh* list = lookupDropDown_ ? lookupDropDown_->DataList() : nullptr;
        if (!list || !list->HandleAllocated()) return;
        TGridRect cells = list->GetDataRect();
        area = list->BoxRect(cells.Left, cells.Top, cells.Right, cells.Bottom);
        popup = list;
    } else {
        if (!popup || !popup->HandleAllocated()) return;
        area = popup->ClientRect();
    }
    POINT p = popup->ScreenToClient(b->ClientToScreen({x, y}));
    if (!PtInRect(&area, p)) return;
    b->Perform(WM_CANCELMODE, 0, 0);
    if (GetCapture() == Handle()) ReleaseCapture();
    SendMessage(popup->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
}

void TDBGridInplaceEdit::DblClick() {
    auto alive = Alive();
    TInplaceEdit::DblClick();
    if (!*alive) return;
    TColumnEh* c = Column();
    if (!c || !c->DblClickNextVal()) return;
    c->StepValue(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
}

void TDBGridInplaceEdit::StepUpDownValue(bool down) {
    TCustomDBGridEh* g = Grid();
    TColumnEh* c = Column();
    if (!g || !c || !c->CanModify(true)) return;
    if (g->EditText() != Text()) {
        g->SetEditorText(Text());
        g->UpdateData();
    }
    double step = down ? -c->Increment() : c->Increment();
    int kind = c->GetColumnType();
    // Lists step towards their next entry with the lower half.
    if (kind >= ctPickList && kind <= ctCheckboxes) step = -step;
    c->StepValue(step);
}

} // namespace tv
