#pragma once
// TDBGridInplaceEdit: the data grid's cell editor. It takes the text of the
// current column's field through the grid and its cell parameters, and the
// column's font, colour, alignment and read-only state. Key-list and lookup
// cells complete typed and pasted text from their lists and keep the key
// that goes with the text in the grid (EditorKeyValue).
#include <memory>
#include <string>
#include <vector>

#include "editors/popupinterfaces.h"
#include "core/variant.h"
#include "framework/ui/stdctrls/inplaceedit.h"
#include "grid/gridtypes.h"

namespace tv {

class TCustomDBGridEh;
class TColumnEh;
class TLookupCellDropDownEh;
class TStrings;
class TPopupListboxEh;
class TPopupMonthCalendarEh;
class TPopupCalculatorEh;
class TEditButtonControlEh;
class TEditButtonEh;
class TShape;
class TMRUListEh;
class TMRUListboxEh;

// How a column's cell is edited: the kind decides the button at its right.
enum TDBGridEditKindEh : unsigned char {
    ekPlainEh, ekEllipsisEh, ekPickListEh, ekLookupListEh, ekCalendarEh, ekUpDownEh, ekDropDownEh
};

// The edit kind of a column's cells (also used to draw always-shown buttons).
TDBGridEditKindEh ColumnEditKind(TColumnEh* column);

// The index of the first entry equal to `text` without regard to case (with
// `partial`, the first entry that begins with it), or -1.
int LocateInStrings(TStrings* list, const std::string& text, bool partial);

class TDBGridInplaceEdit : public TInplaceEdit, public IPopupOwnerEh {
    TV_CLASS(TDBGridInplaceEdit, TInplaceEdit)
public:
    explicit TDBGridInplaceEdit(TComponent* owner = nullptr);
    ~TDBGridInplaceEdit() override;
    TCustomDBGridEh* Grid() const;
    // The grid's column at its selected index, or none.
    TColumnEh* Column() const;
    TDBGridEditKindEh EditKind() const { return editKind_; }
    TAlignment Alignment() const { return alignment_; }
    // The window is multi-line and wraps its text: the column wraps words and
    // the grid's rows are taller than one line.
    bool WordWrapMode() const { return wordWrapMode_; }
    void SetWrapMode(bool v);
    // The image the cell parameters gave the cell (-1: none).
    int CellImageIndex() const { return cellImageIndex_; }
    // The cell parameters, not the column, decided the read-only state.
    bool ReadOnlyFromParams() const { return readOnlyFromParams_; }
    void UpdateContents() override;
    // The pop-up data grid of a lookup cell, once it dropped down.
    TLookupCellDropDownEh* LookupDropDown() const { return lookupDropDown_.get(); }
    void Dispatch(Message& msg) override;

    // --- drop-downs (griddropdown.cpp) ---
    void DropDown();
    void CloseUp(bool accept);
    void CloseDropDown(bool accept) override { CloseUp(accept); }
    bool PopupOpen() const { return popupOpen_; }
    // The drop-down of the current kind, when it has one other than the lookup list.
    TWinControl* ActivePopup() const;
    // Created on first use.
    TPopupListboxEh* PickListBox();
    TPopupMonthCalendarEh* CalendarPopup();
    TPopupCalculatorEh* CalculatorPopup();

    // --- the recently used texts (grideditmru.cpp) ---
    TMRUListboxEh* MRUListBox();
    bool MRUListDroppedDown() const;
    void ShowMRUList();
    void HideMRUList(bool accept);

    // --- buttons (grideditbuttons.cpp) ---
    // 0: the main button of the edit kind; i: the column's EditButtons item i - 1.
    TEditButtonControlEh* ButtonControl(int index) const;
    int ButtonAreaWidth() const { return buttonAreaWidth_; }
    // The text's rectangle: the editor less its buttons.
    win::RECT GetTextRect();
    // Steps the cell's value by the column's Increment (down: back).
    void StepUpDownValue(bool down);

protected:
    void BoundsChanged() override;
    void PaintWindow(win::HDC dc) override;
    virtual void ButtonPressed(bool lowerHalf);
    virtual void EditButtonClick(TObject* sender);
    virtual void EditButtonDown(TObject* sender, bool topButton, bool& autoRepeat, bool& handled);
    // A drag from the pressed main button onto the open list goes on in the list.
    virtual void ButtonMouseMove(TObject* sender, TShiftState shift, int x, int y);
    void DblClick() override;
    void KeyUp(win::WORD& key, TShiftState shift) override;
    void Notification(TComponent* component, TOperation operation) override;
    void CreateParams(TCreateParams& params) override;
    void KeyDown(win::WORD& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    // Completes the text from the cell's list as a character is typed; an
    // emptied `typed` swallows the key.
    virtual void AutoComplete(std::string& typed);

private:
    struct TButtonPairEh {
        TShape* separator = nullptr;
        TEditButtonControlEh* control = nullptr;
    };
    bool CalculatorKind() const;
    int ImageAreaWidth() const;
    // The tree area before the text in the first column of a grid that shows a tree.
    int TreeAreaWidth() const;
    // A press on the node button beside the text toggles the current node.
    bool TreeButtonPressed(int x, int y);
    bool RequiredStateShown();
    bool HasPopupKind() const;
    bool HandleListKey(win::WORD& key, TShiftState shift);
    void UpdateEditButtons();
    void EnableEditButtons();
    TEditButtonEh* ExtraButton(int index) const;
    TEditButtonEh* FindEditButtonByShortCut(int shortCut);
    bool EditButtonShortCut(win::WORD key, TShiftState shift);
    TMRUListEh* ColumnMRUList() const;
    void MRUFollowsText(bool backspace);
    bool RouteKeyToMRUList(win::WORD& key, TShiftState shift);
    bool IsListCell() const;
    // Up or Down in a wrapping editor: false keeps it for the caret.
    bool LineKeyLeavesText(win::WORD key);
    bool DeleteKey(bool backspace);
    bool SpecRowShortCut(win::WORD key, TShiftState shift);
    void TextToLookupValue();
    void PasteText(const std::string& clip);
    // Puts `text` in the editor with the characters from `selStart` on selected,
    // and keeps the grid's editor text with it.
    void SetTextSelected(const std::string& text, int selStart);
    bool BeginListEdit();
    void ListFollows();
    bool LocateLookupText(const std::string& text, bool partial, std::string& found, Variant& key);

    std::unique_ptr<TLookupCellDropDownEh> lookupDropDown_;
    char32_t swallowChar_ = 0;
    TDBGridEditKindEh editKind_ = ekPlainEh;
    TAlignment alignment_ = taLeftJustify;
    int cellImageIndex_ = -1;
    bool readOnlyFromParams_ = false;
    bool wordWrapMode_ = false;
    bool lineFeedPending_ = false;
    TPopupListboxEh* pickList_ = nullptr;
    TPopupMonthCalendarEh* calendar_ = nullptr;
    TPopupCalculatorEh* calculator_ = nullptr;
    TMRUListboxEh* mruBox_ = nullptr;
    bool popupOpen_ = false, keepPopupOnClick_ = false;
    std::vector<TButtonPairEh> buttons_, spareButtons_;
    int buttonAreaWidth_ = 0;
    int menuClosedTag_ = -1;
    win::DWORD menuClosedTime_ = 0;
};

} // namespace tv
