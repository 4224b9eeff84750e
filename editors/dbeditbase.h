#pragma once
// The base of the library's text editors: a masked edit bound to one field
// through TFieldDataLinkEh, or holding a value of its own when it has neither
// data source nor field name. It shows the field's display text, and its edit
// text while focused; the window stays read-only until editing starts (a
// typed character, Del, Shift+Ins, cut, paste, a Text or Value write), and
// leaving the editor posts the text, through OnUpdateData when it is set.
// It carries edit buttons at its right edge and can sit inside a holder
// control (a grid cell).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editors/editbuttons.h"
#include "editors/inplaceinterfaces.h"
#include "editors/popupinterfaces.h"
#include "core/variant.h"
#include "framework/ui/stdctrls/maskedit.h"

namespace tv {

class TBasicAction;
class TDataSource;
class TCustomImageList;
class TEditImageEh;
class TField;
class TFieldDataLinkEh;
class TMRUListEh;
class TMRUListboxEh;
class TPopupMenu;
class TShape;


using TUpdateDataEventEh = std::function<void(TObject* sender, bool& handled)>;
using TGetImageIndexEventEh = std::function<void(TObject* sender, int& imageIndex)>;
using TOnCheckDrawRequiredStateEventEh = std::function<void(TObject* sender, bool& drawState)>;

class TCustomDBEditEh : public TCustomMaskEdit, public IPopupOwnerEh, public IInplaceEditorEh {
    TV_CLASS(TCustomDBEditEh, TCustomMaskEdit)
public:
    explicit TCustomDBEditEh(TComponent* owner = nullptr);
    ~TCustomDBEditEh() override;

    TFieldDataLinkEh* DataLink() const { return link_.get(); }
    TField* Field() const;
    virtual TDataSource* DataSource() const;
    virtual void SetDataSource(TDataSource* v);
    virtual const std::string& DataField() const;
    virtual void SetDataField(const std::string& v);

    // Writing puts a bound dataset into edit state and posts at once; a value
    // the field refuses reloads the control and the error goes on.
    std::string Text() { return GetText(); }
    void SetText(const std::string& v);
    Variant Value() { return CurrentValue(); }
    void SetValue(const Variant& v) { AssignValue(v); }

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    TAlignment Alignment() { return alignmentAssigned_ ? alignment_ : FieldAlignment(); }
    void SetAlignment(TAlignment v);
    bool AlignmentAssigned() const { return alignmentAssigned_; }
    const std::string& EditMask() const { return TCustomMaskEdit::EditMask(); }
    void SetEditMask(const std::string& v);
    bool EditMaskAssigned() const { return maskAssigned_; }

    bool EditorFocused() const { return focused_; }
    bool DataPosting() const { return dataPosting_; }
    bool Modified() { return TCustomEdit::Modified(); }
    bool IsDataIndependent() const;

    TEditButtonEh* EditButton() const { return editButton_.get(); }
    void SetEditButton(TEditButtonEh* v);
    TEditButtonsEh* EditButtons() const { return editButtons_.get(); }
    void SetEditButtons(TEditButtonsEh* v);
    TEditImageEh* EditImage() const { return image_.get(); }
    // Setting an image list also shows the image.
    TCustomImageList* Images() const;
    void SetImages(TCustomImageList* v);
    // The list box of recently used texts, once it dropped down.
    TMRUListboxEh* MRUListControl() const { return mruBox_; }
    bool MRUListDroppedDown() const;
    TMRUListEh* MRUList() const { return mruList_.get(); }
    void SetMRUList(TMRUListEh* v);
    // A dotted red line under an empty required field.
    bool HighlightRequired() const { return highlightRequired_; }
    void SetHighlightRequired(bool v);
    int ImageAreaWidth() const { return imageAreaWidth_; }
    // A tip with the whole text when it does not fit the box.
    bool Tooltips() const { return tooltips_; }
    void SetTooltips(bool v);
    // The editor's own hint setting; the framework's follows it or Tooltips.
    bool ShowHint() const { return ownShowHint_; }
    void SetShowHint(bool v);
    bool TextFits();
    // The flat border is drawn active while hot, focused or always.
    bool AlwaysShowBorder() const { return alwaysShowBorder_; }
    void SetAlwaysShowBorder(bool v);
    bool BorderActive() const { return borderActive_; }
    // With a single border the height follows the font (and a taller image).
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    // A multi-line window that wraps its text at the last blank that fits,
    // aligned by the window itself.
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);

    // The button control of button `index` (0: the main button, i: extra
    // button i-1), after the layout; null when there is none.
    TEditButtonControlEh* ButtonControl(int index) const;
    int ButtonWidth() const { return buttonWidth_; }
    bool DroppedDown() const { return droppedDown_; }
    // The text area: the client rectangle less the buttons.
    virtual void TextAreaRect(win::RECT& r);

    // In-place use inside a holder control.
    void SetInplaceEditHolder(TWinControl* holder) override;
    bool InplaceMode() const { return inplaceMode_; }
    TWinControl* InplaceEditHolder() const { return holder_; }
    // In a cell of the holder: shown there (an empty rectangle hides it), or
    // outside in-place mode simply placed.
    void PlaceInCell(const win::RECT& r);
    void ShowInCell(const win::RECT& r, bool redraw);
    void HideFromCell();
    void SetFocus() override;
    // In a holder's cell Visible() answers whether its window shows; hiding
    // it there leaves the cell.
    void SetVisible(bool v);
    // An action on the editor, else on its data source.
    bool ExecuteAction(TBasicAction* action);
    bool UpdateAction(TBasicAction* action);
    TFont* GetEditorFont() override { return Font(); }
    void SetEditorBorderStyle(TBorderStyle style) override { SetBorderStyle(style); }
    void SetEditorFont(TFont* font) override { SetFont(font); }
    void SetEditorColor(TColor color) override { SetColor(color); }
    void SetOnKeyPress(TKeyPressEvent handler) override { OnKeyPress = std::move(handler); }
    void SetOnExit(TNotifyEvent handler) override { OnExit = std::move(handler); }

    void CloseDropDown(bool accept) override;
    virtual void OpenDropDown();
    // The window of the open drop-down (list, calendar, grid), or none.
    virtual TWinControl* DropDownWindow() { return nullptr; }

    void Dispatch(Message& msg) override;
    // Right to left by the framework's rule for the first field: numbers and
    // dates keep their alignment.
    bool UseRightToLeftAlignment() const override;
    TAlignment GetControlsAlignment() const override { return const_cast<TCustomDBEditEh*>(this)->Alignment(); }

    TUpdateDataEventEh OnUpdateData;
    TButtonClickEventEh OnButtonClick;
    TButtonDownEventEh OnButtonDown;
    TGetImageIndexEventEh OnGetImageIndex;
    TOnCheckDrawRequiredStateEventEh OnCheckDrawRequiredState;

protected:
    virtual bool ButtonsUsable();
    virtual std::unique_ptr<TFieldDataLinkEh> NewDataLink();
    virtual std::unique_ptr<TEditButtonEh> NewEditButton();
    virtual TEditButtonControlEh* NewEditButtonControl();
    virtual std::unique_ptr<TEditButtonsEh> NewEditButtons();
    virtual std::unique_ptr<TEditImageEh> NewEditImage();
    virtual TAlignment FieldAlignment();
    virtual std::string FieldEditMask();
    virtual int BaseImageIndex() { return -1; }
    virtual Variant CurrentValue();
    virtual bool CharAllowed(char32_t c);
    virtual void DataActiveChanged();
    virtual void EditButtonDown(bool topButton);
    virtual void FieldDataChanged();
    virtual void ButtonControlClick(TObject* sender);
    virtual void ButtonControlMouseDown(TObject* sender, bool topButton, bool& autoRepeat, bool& handled);
    virtual void ButtonControlMouseMove(TObject*, TShiftState, int, int) {}
    virtual void EditStateChanged();
    virtual void SetTextSilently(const std::string& text);
    virtual void SetValueSilently(const Variant& value);
    virtual void PostToField();
    virtual void ClearFieldMaxLength();
    virtual void SetFocused(bool v);
    virtual void AssignValue(const Variant& value);
    virtual void RefreshReadOnly();
    virtual void RefreshImageIndex();
    virtual void RefreshShowHint();
    virtual void FitHeightToFont();
    virtual void ApplyAutoSizeStyle();
    virtual void CommitText();
    // After Text or Value was written: posts it, unless a posting is under way;
    // a failure puts the field's value back into the control.
    void CommitWritten();
    // A bound editor puts its dataset into edit state before a written value
    // reaches the control, so a dataset that cannot be edited refuses first.
    void PutDataSetInEditState();
    // A descendant's constructor makes its own main button (NewEditButton is
    // not yet its own while the base is built).
    void RenewEditButton();
    // The same for the field data link (before the editor is bound).
    void RenewDataLink();
    // Raises OnUpdateData with DataPosting set; true when it handled the posting.
    bool RunUpdateData();
    // The strip of the edit buttons and of the image, in client coordinates.
    bool InButtonArea(win::POINT client);
    // The strip of the image: at the left, at the right when reading right to left.
    win::RECT ImageArea();
    // What the text shows as: Alignment, mirrored right to left (not for numbers).
    TAlignment ShownAlignment();
    // The alignment the edit window gives its text by itself (see CreateParams).
    TAlignment WindowAlignment();
    // The extended styles of the reading order, set only when they changed.
    void MatchReadingStyles();
    virtual TMRUListboxEh* NewMRUListControl();
    virtual void DrawRequiredMark(win::HDC dc);
    virtual void TextToPaint(std::string& text);
    void PaintWindow(win::HDC dc) override;
    virtual void AcceptMRUItem(const std::string& item, bool& accept);
    virtual void MRUListResized();
    virtual void UserTextChanged();
    void MRUDropDown();
    void MRUCloseUp(bool accept);

    bool EditCanModify() override;
    void Reset() override;
    void Change() override;
    void KeyDown(win::WORD& key, TShiftState shift) override;
    void KeyUp(win::WORD& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoEnter() override;
    void DoExit() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(Message& msg) override;
    void DefaultHandler(Message& msg) override;

    void Reload();
    void LayoutButtons();
    void RefreshButtons();
    void ApplyEditRect();
    // `focus`: 1 gaining, 0 losing, -1 ask the window system.
    void RefreshBorder(int focus = -1);
    void PaintFlatBorder();
    bool noClickCloseUp_ = false;
    bool droppedDown_ = false;

private:
    struct ButtonPair {
        TShape* separator = nullptr;
        TEditButtonControlEh* control = nullptr;
    };
    void ButtonsChanged();
    TEditButtonEh* ButtonOfControl(int index) const;
    bool RouteKeyToMRUList(int vk);
    bool InplaceWndProc(Message& msg);
    void ReleaseButtonCapture();
    bool PressOnlyClosedMenu(TEditButtonControlEh* control);
    void PopupButtonMenu(TEditButtonControlEh* control, TPopupMenu* menu);
    win::RECT FormattingRectOnScreen();

    std::unique_ptr<TFieldDataLinkEh> link_;
    std::unique_ptr<TEditButtonEh> editButton_;
    std::unique_ptr<TEditButtonsEh> editButtons_;
    std::unique_ptr<TEditImageEh> image_;
    std::unique_ptr<TMRUListEh> mruList_;
    std::vector<ButtonPair> buttons_;
    int buttonWidth_ = 0;
    bool readOnly_ = false;
    bool focused_ = false;
    bool dataPosting_ = false;
    bool textChangedByUser_ = false;
    bool alignmentAssigned_ = false, maskAssigned_ = false;
    TAlignment alignment_ = taLeftJustify;
    bool flat_ = false;
    bool wordWrap_ = false;
    bool autoSize_ = true;
    bool highlightRequired_ = false;
    bool alwaysShowBorder_ = false, borderActive_ = false, mouseAbove_ = false;
    bool tooltips_ = false, ownShowHint_ = false;
    int imageAreaWidth_ = 0;
    TWinControl* holder_ = nullptr;
    IInplaceEditHolderEh* holderIntf_ = nullptr;
    bool inplaceMode_ = false;
    bool holderFocusing_ = false;
    bool parentHintFollowing_ = false;
    TMRUListboxEh* mruBox_ = nullptr;
    char32_t swallowChar_ = 0;
    // The button whose menu closed last, and when: the press that closed the
    // menu (made while it was open) must not open it again.
    int menuClosedTag_ = -1;
    win::DWORD menuClosedTime_ = 0;
};

} // namespace tv
