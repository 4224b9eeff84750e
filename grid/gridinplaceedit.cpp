#include "grid/gridinplaceedit.h"

#include "framework/core/stringlist.h"
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "grid/column.h"
#include "grid/dbgrideh.h"
#include "grid/lookupcelldropdown.h"
#include "framework/ui/uimessages.h"
#include "platform/controls/edit.h"
#include "platform/window/input.h"

namespace tv {

using namespace tv::win;

TDBGridEditKindEh ColumnEditKind(TColumnEh* column) {
    if (!column) return ekPlainEh;
    switch (column->ButtonStyle()) {
    case cbsEllipsis: return ekEllipsisEh;
    case cbsUpDown: return ekUpDownEh;
    case cbsDropDown: return ekDropDownEh;
    case cbsNone: return ekPlainEh;
    case cbsAuto: break;
    }
    TField* f = column->Field();
    if (!f) return ekPlainEh;
    TCustomDBGridEh* grid = column->Grid();
    if (f->FieldKind() == fkLookup) {
        std::vector<TField*> keys;
        if (!f->KeyFields().empty() && f->DataSet()) keys = f->DataSet()->GetFieldList(f->KeyFields());
        bool linkWritable = grid && !grid->ReadOnly() && grid->DataLink()->Active() && !grid->DataLink()->ReadOnly();
        bool keysWritable = grid && grid->GridDesigning() ? true : !keys.empty() && FieldsCanModify(keys);
        return keysWritable && linkWritable && !column->ReadOnly() ? ekLookupListEh : ekPlainEh;
    }
    if (column->PickList() && column->PickList()->Count() > 0 && !column->ReadOnly()) return ekPickListEh;
    TFieldType t = f->DataType();
    if ((t == ftDate || t == ftDateTime || t == ftTimeStamp) && !column->ReadOnly()) return ekCalendarEh;
    return ekPlainEh;
}

TDBGridInplaceEdit::TDBGridInplaceEdit(TComponent* owner) : TInplaceEdit(owner) {}

TDBGridInplaceEdit::~TDBGridInplaceEdit() = default;

TCustomDBGridEh* TDBGridInplaceEdit::Grid() const { return dynamic_cast<TCustomDBGridEh*>(Owner()); }

TColumnEh* TDBGridInplaceEdit::Column() const {
    TCustomDBGridEh* g = Grid();
    return g ? g->CurrentColumn() : nullptr;
}

void TDBGridInplaceEdit::CreateParams(TCreateParams& params) {
    TInplaceEdit::CreateParams(params);
    if (alignment_ == taRightJustify) params.Style |= ES_RIGHT;
    else if (alignment_ == taCenter) params.Style |= ES_CENTER;
}

void TDBGridInplaceEdit::UpdateContents() {
    TColumnEh* c = Column();
    if (c) {
        editKind_ = ColumnEditKind(c);
        Font()->Assign(c->Font());
        SetColor(c->Color());
        SetReadOnly(c->ReadOnly());
        TAlignment a = c->Alignment();
        if (a != alignment_) {
            alignment_ = a;
            // The text's alignment is a style of the window.
            if (HandleAllocated()) RecreateWnd();
        }
    } else {
        editKind_ = ekPlainEh;
    }
    TInplaceEdit::UpdateContents();
}

void TDBGridInplaceEdit::KeyDown(WORD& key, TShiftState shift) {
    TCustomDBGridEh* g = Grid();
    // A lookup cell drops its list down with Alt+Down; while it is open the
    // moving keys go to it, Enter takes the row and Esc does not.
    bool altArrow = (key == VK_DOWN || key == VK_UP) && shift == TShiftState{ssAlt};
    if (lookupDropDown_ && lookupDropDown_->Visible()) {
        if (lookupDropDown_->RouteKey(key)) {
            key = 0;
            return;
        }
        if (key == VK_RETURN || key == VK_ESCAPE || altArrow) {
            swallowChar_ = key == VK_RETURN ? 13 : key == VK_ESCAPE ? 27 : 0;
            lookupDropDown_->CloseUp(key != VK_ESCAPE);
            key = 0;
            return;
        }
    } else if (altArrow && editKind_ == ekLookupListEh) {
        if (!lookupDropDown_) lookupDropDown_ = std::make_unique<TLookupCellDropDownEh>(this);
        if (lookupDropDown_->DropDown(Column())) {
            key = 0;
            return;
        }
    }
    if (g && key == VK_RETURN && shift == TShiftState{ssCtrl} &&
        (editKind_ == ekEllipsisEh || editKind_ == ekDropDownEh)) {
        // A button's cell: Ctrl+Enter presses the button and types no line break.
        key = 0;
        if (g->OnEditButtonClick) g->OnEditButtonClick(g);
        return;
    }
    if (g && key == VK_RETURN && g->OptionsEh().Contains(dghEnterAsTab)) {
        g->KeyDown(key, shift);
        key = 0;
        return;
    }
    TInplaceEdit::KeyDown(key, shift);
}

void TDBGridInplaceEdit::KeyPress(char32_t& key) {
    if (swallowChar_ != 0) {
        bool same = key == swallowChar_;
        swallowChar_ = 0;
        if (same) {
            key = 0;
            return;
        }
    }
    TInplaceEdit::KeyPress(key);
}

void TDBGridInplaceEdit::Dispatch(Message& msg) {
    bool open = lookupDropDown_ && lookupDropDown_->Visible();
    if (open && msg.Msg == CM_WANTSPECIALKEY && (msg.WParam == VK_RETURN || msg.WParam == VK_ESCAPE)) {
        msg.Result = 1;
        return;
    }
    if (open && msg.Msg == WM_KILLFOCUS) lookupDropDown_->CloseUp(false);
    TInplaceEdit::Dispatch(msg);
}

} // namespace tv
