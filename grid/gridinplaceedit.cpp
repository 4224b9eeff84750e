#include "grid/gridinplaceedit.h"

#include <algorithm>

#include "editors/specrow.h"
#include "core/stringlist.h"
#include "core/strutils.h"
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "grid/column.h"
#include "grid/dbgrideh.h"
#include "editors/calculator.h"
#include "editors/popuplistbox.h"
#include "grid/lookupcelldropdown.h"
#include "framework/ui/menus.h"
#include "framework/ui/uimessages.h"
#include "grid/gridunit.h"
#include "platform/clipboard/clipboard.h"
#include "platform/controls/edit.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"

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
    if (wordWrapMode_) {
        params.Style &= ~ES_AUTOHSCROLL;
        params.Style |= ES_MULTILINE;
    }
}

void TDBGridInplaceEdit::SetWrapMode(bool v) {
    if (v == wordWrapMode_) return;
    wordWrapMode_ = v;
    if (HandleAllocated()) RecreateWnd();
}

void TDBGridInplaceEdit::UpdateContents() {
    if (popupOpen_) CloseUp(false);
    HideMRUList(false);
    TCustomDBGridEh* g = Grid();
    TColumnEh* c = Column();
    editKind_ = c ? ColumnEditKind(c) : ekPlainEh;
    // The alignment and the wrapping are styles of the window: a change of
    // either makes it anew, once.
    bool recreate = false;
    if (c) {
        Font()->Assign(c->Font());
        TAlignment a = c->Alignment();
        if (a != alignment_) {
            alignment_ = a;
            recreate = true;
        }
    }
    bool wrap = c && g && c->WordWrap() && g->MultiLineRows();
    if (wrap != wordWrapMode_) {
        wordWrapMode_ = wrap;
        recreate = true;
    }
    if (recreate && HandleAllocated()) RecreateWnd();
    if (!g || !Host()) {
        TInplaceEdit::UpdateContents();
        return;
    }
    SetText("");
    try {
        SetEditMask(Host()->InplaceEditMask());
    } catch (const EDBEditError&) {
        SetEditMask(""); // a cell with a broken mask is edited without one
    }
    // The grid's text passes the cell-parameter events, which leave the
    // cell's colour, image and read-only state in the grid's parameters.
    std::string text = Host()->InplaceEditText();
    readOnlyFromParams_ = false;
    cellImageIndex_ = -1;
    if (c) {
        TColCellParamsEh* p = g->ColCellParams();
        SetColor(p->Background);
        cellImageIndex_ = p->ImageIndex;
        readOnlyFromParams_ = p->ReadOnly != !c->CanModify(false);
        SetReadOnly(readOnlyFromParams_ ? p->ReadOnly : c->ReadOnly());
    }
    SetText(text);
    SetMaxLength(IsMasked() ? Mask().Count() : Host()->InplaceEditLimit());
    SetModified(false);
    BoundsChanged();
}

// --- keys ---

bool TDBGridInplaceEdit::IsListCell() const {
    TColumnEh* c = Column();
    if (!c) return false;
    int kind = c->GetColumnType();
    return kind == ctLookupField || kind == ctKeyPickList;
}

bool TDBGridInplaceEdit::BeginListEdit() {
    TCustomDBGridEh* g = Grid();
    if (!g) return false;
    g->DataLink()->Edit();
    if (!g->DataLink()->Editing()) return false;
    g->DataLink()->SetModified(true);
    return true;
}

void TDBGridInplaceEdit::SetTextSelected(const std::string& text, int selStart) {
    SetText(text);
    int len = int(Utf8Length(text));
    SetSelStart(std::min(selStart, len));
    SetSelLength(std::max(0, len - selStart));
    if (TCustomDBGridEh* g = Grid()) g->SetEditorText(text);
}

void TDBGridInplaceEdit::ListFollows() {
    TCustomDBGridEh* g = Grid();
    if (g && lookupDropDown_ && lookupDropDown_->Visible() && editKind_ == ekLookupListEh)
        lookupDropDown_->Follow(g->EditorKeyValue());
}

bool TDBGridInplaceEdit::LocateLookupText(const std::string& text, bool partial, std::string& found, Variant& key) {
    TColumnEh* c = Column();
    TField* f = c ? c->Field() : nullptr;
    TDataSet* list = c ? c->ListDataSet() : nullptr;
    if (!f || !list || !list->Active()) return false;
    TLocateOptions options{loCaseInsensitive};
    if (partial) options.Include(loPartialKey);
    if (!list->Locate(f->LookupResultField(), Variant(text), options)) return false;
    TField* result = list->FindField(f->LookupResultField());
    found = result ? result->Text() : text;
    key = list->FieldValues(f->LookupKeyFields());
    return true;
}

void TDBGridInplaceEdit::TextToLookupValue() {
    TCustomDBGridEh* g = Grid();
    TColumnEh* c = Column();
    if (!g || !c || !c->CanModify(true)) return;
    g->SetEditorText(Text());
    if (editKind_ != ekLookupListEh) return;
    std::string found;
    Variant key;
    g->SetEditorKeyValue(LocateLookupText(Text(), false, found, key) ? key : Null());
}

// Delete and Backspace in a lookup or key-list cell: such a cell is cleared
// as a whole, or edited freely only through the column's OnNotInList.
bool TDBGridInplaceEdit::DeleteKey(bool backspace) {
    TCustomDBGridEh* g = Grid();
    TColumnEh* c = Column();
    if (!backspace && !c->CanModify(false)) return false;
    std::u32string t = Utf8ToUtf32(Text());
    int start = SelStart(), len = SelLength();
    bool whole = start == 0 && len >= int(t.size());
    if (!backspace && whole && !t.empty() && c->CanModify(true)) {
        if (editKind_ == ekLookupListEh) {
            BeginListEdit();
            g->SetEditorKeyValue(Null());
            SetTextSelected("", 0);
            ListFollows();
        } else if (c->GetColumnType() == ctKeyPickList) {
            BeginListEdit();
            g->SetEditorKeyValue(Null());
            SetTextSelected("", 0);
        }
        return true;
    }
    if (!c->OnNotInList) {
        // Without free text Backspace only moves the caret.
        if (backspace) {
            WORD left = VK_LEFT;
            TInplaceEdit::KeyDown(left, {});
        }
        return true;
    }
    if (!c->CanModify(true)) return true;
    if (len > 0) {
        t.erase(size_t(start), size_t(len));
    } else if (backspace && start > 0) {
        t.erase(size_t(--start), 1);
    } else if (!backspace && start < int(t.size())) {
        t.erase(size_t(start), 1);
    }
    BeginListEdit();
    SetText(Utf32ToUtf8(t));
    SetSelStart(start);
    TextToLookupValue();
    ListFollows();
    return true;
}

bool TDBGridInplaceEdit::SpecRowShortCut(WORD key, TShiftState shift) {
    TCustomDBGridEh* g = Grid();
    TColumnEh* c = Column();
    if (editKind_ != ekLookupListEh || !c->DropDownSpecRow()->Visible()) return false;
    TSpecRowEh* spec = c->DropDownSpecRow();
    if (spec->ShortCut() == 0 || TShortCut(spec->ShortCut()) != ShortCut(key, shift)) return false;
    if (!c->CanModify(false)) return false;
    if (c->CanModify(true)) {
        BeginListEdit();
        g->SetEditorKeyValue(spec->Value());
        SetTextSelected(spec->CellText(0), 0);
        SelectAll();
        ListFollows();
    }
    return true;
}

// Up and Down reach the grid only from an always-shown editor, and then only
// from the first line (Up), the last line (Down) or a wholly selected text.
bool TDBGridInplaceEdit::LineKeyLeavesText(WORD key) {
    TCustomDBGridEh* g = Grid();
    if (!g || !g->Options().Contains(dgAlwaysShowEditor) || !HandleAllocated()) return false;
    if (SelStart() == 0 && SelLength() == int(Utf8Length(Text()))) return true;
    auto line = SendMessage(WindowHandle(), EM_LINEFROMCHAR, WPARAM(-1), 0);
    if (key == VK_UP) return line == 0;
    return line >= SendMessage(WindowHandle(), EM_GETLINECOUNT, 0, 0) - 1;
}

void TDBGridInplaceEdit::KeyDown(WORD& key, TShiftState shift) {
    TCustomDBGridEh* g = Grid();
    TColumnEh* c = Column();
    if (HandleListKey(key, shift) || RouteKeyToMRUList(key, shift)) return;
    if (!g || !c) {
        TInplaceEdit::KeyDown(key, shift);
        return;
    }
    if (key == VK_RETURN && shift == TShiftState{ssCtrl} && (editKind_ == ekEllipsisEh || editKind_ == ekDropDownEh)) {
        // A button's cell: Ctrl+Enter presses the button and types no line break.
        key = 0;
        swallowChar_ = 10;
        if (g->OnEditButtonClick) g->OnEditButtonClick(g);
        return;
    }
    if ((key == VK_DELETE || key == VK_BACK) && shift.Empty() && IsListCell()) {
        if (DeleteKey(key == VK_BACK)) {
            swallowChar_ = key == VK_BACK ? 8 : 0;
            key = 0;
            return;
        }
    }
    if (key == VK_INSERT && shift == TShiftState{ssShift} && IsListCell()) {
        key = 0;
        SendMessage(WindowHandle(), WM_PASTE, 0, 0);
        return;
    }
    if ((key == VK_UP || key == VK_DOWN) && wordWrapMode_ && !LineKeyLeavesText(key)) {
        // Between the wrapped lines the arrows move the caret.
        TCustomMaskEdit::KeyDown(key, shift);
        return;
    }
    if (key == VK_RETURN && shift == TShiftState{ssCtrl}) {
        // Ctrl+Enter types a line feed (here it arrives as a carriage return).
        lineFeedPending_ = true;
        key = 0;
        return;
    }
    const TDBGridEhShortcuts& keys = DBGridEhShortcuts();
    TShortCut sc = ShortCut(key, shift);
    if ((key == VK_RETURN && g->OptionsEh().Contains(dghEnterAsTab)) || sc == TShortCut(keys.CopyPreviousValue)) {
        g->KeyDown(key, shift);
        key = 0;
        return;
    }
    if (sc == TShortCut(keys.IncSearch) && g->OptionsEh().Contains(dghIncSearch)) {
        key = 0;
        if (g->IncSearchActive() && g->OptionsEh().Contains(dghDialogFind) && keys.FindDialog == keys.IncSearch) {
            g->ResetIncSearch();
            g->ExecuteFindDialog(SelText());
        } else {
            g->ResetIncSearch();
            g->IncrementalSearch("", -1, 0);
        }
        return;
    }
    if (sc == TShortCut(keys.FindDialog) && g->OptionsEh().Contains(dghDialogFind)) {
        key = 0;
        g->ExecuteFindDialog(SelText());
        return;
    }
    if (SpecRowShortCut(key, shift) || EditButtonShortCut(key, shift)) {
        key = 0;
        return;
    }
    TInplaceEdit::KeyDown(key, shift);
}

void TDBGridInplaceEdit::KeyPress(char32_t& key) {
    if (swallowChar_ != 0) {
        // Ctrl+Enter types a line feed or a carriage return, by the platform.
        bool same = key == swallowChar_ || (swallowChar_ == 10 && key == 13);
        swallowChar_ = 0;
        if (same) {
            key = 0;
            return;
        }
    }
    if (lineFeedPending_) {
        lineFeedPending_ = false;
        if (key == 13 || key == 10) {
            // A line break in a wrapping cell; a one-line cell drops it.
            if (!wordWrapMode_ || !EditCanModify()) {
                key = 0;
                return;
            }
            key = 10;
            TInplaceEdit::KeyPress(key);
            return;
        }
    }
    if (key == 22 && IsListCell()) {
        // Ctrl+V: a list cell takes only what its list completes.
        key = 0;
        SendMessage(WindowHandle(), WM_PASTE, 0, 0);
        return;
    }
    if (popupOpen_ && CalculatorKind()) {
        // The open calculator takes what is typed.
        if (key >= 32 && key <= 126 && calculator_) SendMessage(calculator_->Handle(), WM_CHAR, WPARAM(key), 0);
        key = 0;
        return;
    }
    if (key >= 32 && !popupOpen_ && Column() && Column()->AutoDropDown() && HasPopupKind()) DropDown();
    if (key >= 32 && !ReadOnly()) {
        std::string typed = Utf8Encode(key);
        AutoComplete(typed);
        if (typed.empty()) {
            key = 0;
            return;
        }
    }
    TInplaceEdit::KeyPress(key);
}

void TDBGridInplaceEdit::AutoComplete(std::string& typed) {
    TCustomDBGridEh* g = Grid();
    TColumnEh* c = Column();
    if (!g || !c || typed.empty()) return;
    if (typed.size() == 1 && static_cast<unsigned char>(typed[0]) < 32) return;
    std::u32string t = Utf8ToUtf32(Text());
    std::string prefix = Utf32ToUtf8(t.substr(0, std::min(size_t(SelStart()), t.size()))) + typed;
    int prefixLen = int(Utf8Length(prefix));
    int kind = c->GetColumnType();
    if (editKind_ == ekLookupListEh) {
        // A lookup cell holds only texts of its list (or free text through OnNotInList).
        typed.clear();
        if (!EditCanModify() || !g->DataEditAllowed() || !c->ListDataSet()) return;
        std::string found;
        Variant key;
        if (LocateLookupText(prefix, true, found, key)) {
            if (!BeginListEdit()) return;
            g->SetEditorKeyValue(key);
            SetTextSelected(found, prefixLen);
            ListFollows();
        } else if (c->OnNotInList) {
            if (!BeginListEdit()) return;
            g->SetEditorKeyValue(Null());
            SetTextSelected(prefix, prefixLen);
            ListFollows();
        }
        return;
    }
    if (kind != ctKeyPickList && editKind_ != ekPickListEh) return;
    bool keyCell = kind == ctKeyPickList;
    if (keyCell) typed.clear(); // entries of the list only, or free text through OnNotInList
    if (!EditCanModify()) return;
    int i = LocateInStrings(c->PickList(), prefix, true);
    if (i >= 0) {
        typed.clear();
        if (!BeginListEdit()) return;
        SetTextSelected(c->PickList()->Strings(i), prefixLen);
    } else if (keyCell && c->OnNotInList) {
        if (!BeginListEdit()) return;
        g->SetEditorKeyValue(Null());
        SetTextSelected(prefix, prefixLen);
    }
}

// Pasting into a lookup or key-list cell completes the new text from the
// list, as typing does; other cells paste as any edit.
void TDBGridInplaceEdit::PasteText(const std::string& clip) {
    TCustomDBGridEh* g = Grid();
    TColumnEh* c = Column();
    std::u32string t = Utf8ToUtf32(Text());
    size_t start = std::min(size_t(SelStart()), t.size());
    size_t len = std::min(size_t(SelLength()), t.size() - start);
    std::string text = Utf32ToUtf8(t.substr(0, start)) + clip + Utf32ToUtf8(t.substr(start + len));
    int textLen = int(Utf8Length(text));
    std::string result;
    Variant key = Null();
    bool got = false;
    if (editKind_ == ekLookupListEh && c->ListDataSet()) {
        if (LocateLookupText(text, true, result, key)) got = true;
        else if (c->OnNotInList) got = true, result = text, key = Null();
    } else if (c->GetColumnType() == ctKeyPickList) {
        int i = LocateInStrings(c->PickList(), text, true);
        if (i >= 0 && EditCanModify()) got = true, result = c->PickList()->Strings(i);
        else if (i < 0 && c->OnNotInList) got = true, result = text;
    }
    if (!got || !BeginListEdit()) return;
    g->SetEditorKeyValue(key);
    SetTextSelected(result, std::min(textLen, int(Utf8Length(result))));
    ListFollows();
}

bool TDBGridInplaceEdit::TreeButtonPressed(int x, int y) {
    int tree = TreeAreaWidth();
    if (tree <= 0) return false;
    TCustomDBGridEh* g = Grid();
    int fromStart = g->UseRightToLeftAlignment() ? ClientWidth() - 1 - x : x;
    if (fromStart < tree - kTreeLevelWidthEh || fromStart >= tree) return false;
    // The grid toggles the node under the press: the current record's, under the editor.
    POINT p = g->ScreenToClient(ClientToScreen({x, y}));
    auto alive = Alive();
    bool toggled = g->TreeMouseDown(p.x, p.y, false);
    if (*alive) Invalidate();
    return toggled;
}

void TDBGridInplaceEdit::Dispatch(Message& msg) {
    if (msg.Msg == WM_CHAR) {
        // The list of recent texts follows what the user typed.
        std::string before = Text();
        auto ch = char32_t(msg.WParam);
        TInplaceEdit::Dispatch(msg);
        if (Text() != before || (ch == 8 && Text().empty())) MRUFollowsText(ch == 8);
        return;
    }
    if (msg.Msg == WM_LBUTTONDOWN && TreeButtonPressed(GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam))) return;
    if (msg.Msg == WM_KILLFOCUS && MRUListDroppedDown() && reinterpret_cast<HWND>(msg.WParam) != mruBox_->Handle())
        HideMRUList(false);
    if ((popupOpen_ || MRUListDroppedDown()) && msg.Msg == CM_WANTSPECIALKEY &&
        (msg.WParam == VK_RETURN || msg.WParam == VK_ESCAPE)) {
        msg.Result = 1;
        return;
    }
    if (popupOpen_ && msg.Msg == WM_MOUSEWHEEL) {
        msg.Result = 1;
        return;
    }
    if (popupOpen_ && msg.Msg == WM_KILLFOCUS) {
        TWinControl* popup = ActivePopup();
        HWND to = reinterpret_cast<HWND>(msg.WParam);
        if (!popup || !popup->HandleAllocated() || (to != popup->Handle() && !IsChild(popup->Handle(), to)))
            CloseUp(false);
    }
    if (msg.Msg == WM_PASTE && IsListCell()) {
        TCustomDBGridEh* g = Grid();
        TColumnEh* c = Column();
        if (!g || !g->DataEditAllowed() || !c->CanModify(false)) return;
        std::string clip;
        if (OpenClipboard(WindowHandle())) {
            GetClipboardText(clip);
            CloseClipboard();
        }
        if (!clip.empty()) PasteText(clip);
        return;
    }
    TInplaceEdit::Dispatch(msg);
}

} // namespace tv
