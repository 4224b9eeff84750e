// The grid's side of its cell editor: the text, key, mask and limit it hands
// to the editor for the current cell, and UpdateData, which writes the
// editor's text (and the key of a lookup or key-list cell) back to the field.
#include <string>

#include "editors/specrow.h"
#include "editors/variantutils.h"
#include "core/stringlist.h"
#include "core/strutils.h"
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "grid/dbgrideh.h"
#include "grid/gridinplaceedit.h"
#include "grid/platformwrappers.h"

namespace tv {

int LocateInStrings(TStrings* list, const std::string& text, bool partial) {
    if (!list) return -1;
    std::u32string wanted = Utf8ToUtf32(text);
    for (int i = 0; i < list->Count(); ++i) {
        std::string entry = list->Strings(i);
        if (partial) {
            std::u32string e = Utf8ToUtf32(entry);
            if (e.size() < wanted.size()) continue;
            entry = Utf32ToUtf8(e.substr(0, wanted.size()));
        }
        if (LocaleCompareText(entry, text) == 0) return i;
    }
    return -1;
}

namespace {

std::string WithCrLf(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

bool IsLookupWithKeys(TField* f) { return f && f->FieldKind() == fkLookup && !f->KeyFields().empty() && f->DataSet(); }

} // namespace

bool TCustomDBGridEh::LookupKeyFound(TColumnEh* column) {
    TField* f = column ? column->Field() : nullptr;
    TDataSet* list = f ? f->LookupDataSet() : nullptr;
    if (!IsLookupWithKeys(f) || !list || !list->Active()) return false;
    return list->Locate(f->LookupKeyFields(), f->DataSet()->FieldValues(f->KeyFields()), {loCaseInsensitive});
}

std::string TCustomDBGridEh::GetEditText(int, int) {
    // A key from an earlier cell never goes with this cell's text.
    editorKeyValue_ = Null();
    TColumnEh* c = CurrentColumn();
    if (!dataLink_->Active() || !c) {
        editText_.clear();
        return editText_;
    }
    TField* f = c->Field();
    std::string text;
    if (f) {
        if (!c->KeyListEmpty()) {
            int i = c->KeyList()->IndexOf(f->Text());
            TStrings* pick = c->PickList();
            text = i >= 0 && pick && i < pick->Count() ? pick->Strings(i) : std::string();
        } else if (drawMemoText_ && f->DataType() == ftMemo) {
            text = WithCrLf(f->AsString());
        } else {
            text = f->Text();
        }
        if (IsLookupWithKeys(f)) {
            Variant key = f->DataSet()->FieldValues(f->KeyFields());
            TSpecRowEh* spec = c->DropDownSpecRow();
            if (spec->Visible() &&
                (VariantsEqual(key, spec->Value()) || (spec->ShowIfNotInKeyList() && !LookupKeyFound(c)))) {
                editorKeyValue_ = spec->Value();
                text = spec->CellText(0);
            } else {
                editorKeyValue_ = key;
            }
        }
    }
    // The cell-parameter events may change what the editor shows and whether
    // it may change it; the editor reads the rest of them from here.
    TColCellParamsEh* p = colCellParams_.get();
    c->FillColCellParams(p);
    p->Col = Col();
    p->Row = Row();
    p->Background = c->Color();
    p->State = {gdFocused};
    p->Text = text;
    p->ReadOnly = !c->CanModify(false);
    p->ReadOnlyAssigned = false;
    bool readOnly = p->ReadOnly;
    GetCellParams(c, p->Font(), p->Background, p->State);
    c->GetColCellParams(true, p);
    if (p->ReadOnly != readOnly) p->ReadOnlyAssigned = true;
    editText_ = p->Text;
    return editText_;
}

void TCustomDBGridEh::SetEditText(int, int, const std::string& value) { editText_ = value; }

std::string TCustomDBGridEh::GetEditMask(int, int) {
    TColumnEh* c = CurrentColumn();
    if (!c || !dataLink_->Active()) return {};
    if (!c->EditMask().empty()) return c->EditMask();
    TField* f = c->Field();
    if (!f || !c->KeyListEmpty()) return {};
    return f->EditMask();
}

int TCustomDBGridEh::GetEditLimit() {
    TColumnEh* c = CurrentColumn();
    TField* f = c ? c->Field() : nullptr;
    if (!f || !c->KeyListEmpty()) return 0;
    if (IsStringType(f->DataType()) && f->DataType() != ftMemo && f->DataType() != ftFmtMemo) return f->Size();
    return 0;
}

void TCustomDBGridEh::UpdateData() {
    TColumnEh* c = CurrentColumn();
    if (!c) return;
    TField* f = c->Field();
    TStrings* pick = c->PickList();
    int kind = c->GetColumnType();
    if (f && kind == ctKeyPickList) {
        // A key-list cell stores the key that goes with the chosen entry; a
        // text no entry matches stores nothing (Null) unless the column's
        // OnNotInList handler adds the entry.
        int i = editText_.empty() ? -1 : LocateInStrings(pick, editText_, false);
        if (i >= 0) {
            if (i < c->KeyList()->Count()) editorKeyValue_ = Variant(c->KeyList()->Strings(i));
        } else if (!editText_.empty() && c->OnNotInList) {
            bool accept = false;
            c->OnNotInList(c, editText_, accept);
            i = accept ? LocateInStrings(pick, editText_, false) : -1;
            editorKeyValue_ = i >= 0 && i < c->KeyList()->Count() ? Variant(c->KeyList()->Strings(i)) : Null();
        } else {
            editorKeyValue_ = Null();
        }
        c->WriteCellValue(editText_, editorKeyValue_, false);
        return;
    }
    if (IsLookupWithKeys(f)) {
        TDataSet* list = c->ListDataSet();
        auto locate = [&] {
            return list && list->Active() &&
                   list->Locate(f->LookupResultField(), Variant(editText_), {loCaseInsensitive});
        };
        if (editorKeyValue_.IsNull() && !editText_.empty() && c->OnNotInList && !locate()) {
            bool accept = false;
            c->OnNotInList(c, editText_, accept);
            if (accept && locate()) editorKeyValue_ = list->FieldValues(f->LookupKeyFields());
        }
        if (FieldsCanModify(f->DataSet()->GetFieldList(f->KeyFields()))) {
            f->DataSet()->Edit();
            c->WriteCellValue(editText_, editorKeyValue_, false);
        }
        // The cell shows the new text at once, not after the next lookup.
        if (drawMemoText_ && f->DataType() == ftMemo) f->SetAsString(editText_);
        else f->SetText(editText_);
        return;
    }
    if (f && kind == ctPickList && c->OnNotInList && LocateInStrings(pick, editText_, false) < 0) {
        bool accept = false;
        c->OnNotInList(c, editText_, accept);
    }
    c->WriteCellValue(editText_, Variant(editText_), true);
}

} // namespace tv
