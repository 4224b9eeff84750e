#pragma once
// The data-aware editor with a list of items. Without keys the items are
// proposals: the text is free, typing completes it from the list and the
// field receives the text. With keys (KeyItems not empty) it is a pick list:
// item i shows Items[i] and stands for KeyItems[i]; the field receives the
// key and typed characters search the list.
#include <functional>
#include <memory>
#include <string>

#include "editors/dbeditbase.h"
#include "editors/dropdownbox.h"
#include "editors/mrulist.h"
#include "editors/popuplistbox.h"

namespace tv {

class TStringList;
class TStrings;

using TNotInListEventEh = std::function<void(TObject* sender, const std::string& newText, bool& recheckInList)>;
using TAcceptEventEh = std::function<void(TObject* sender, bool& accept)>;

class TCustomDBComboBoxEh : public TCustomDBEditEh {
    TV_CLASS(TCustomDBComboBoxEh, TCustomDBEditEh)
public:
    explicit TCustomDBComboBoxEh(TComponent* owner = nullptr);
    ~TCustomDBComboBoxEh() override;

    TStrings* Items() const;
    void SetItems(TStrings* v);
    TStrings* KeyItems() const;
    void SetKeyItems(TStrings* v);
    bool KeyBased() const { return keyBased_; }
    int ItemsCount() const { return itemsCount_; }
    int CurrentItem() const { return currentItem_; }
    // Makes the item current and posts it (a bound editor edits its record);
    // a failure puts the field's value back and goes on.
    void SelectItem(int index);
    int ItemImageIndex() const { return itemImageIndex_; }
    TDropDownBoxEh* DropDownBox() const { return dropDownBox_.get(); }
    void SetDropDownBox(TDropDownBoxEh* v) { dropDownBox_->Assign(v); }
    // The drop-down list, created hidden on first use.
    TPopupListboxEh* PopupList();
    bool ListVisible() const { return listVisible_; }
    // In key mode the value goes to Null (and is posted); otherwise the text is emptied.
    void Clear();

    void OpenDropDown() override;
    void CloseDropDown(bool accept) override;
    TWinControl* DropDownWindow() override { return listVisible_ ? list_ : nullptr; }
    void Dispatch(Message& msg) override;

    TNotInListEventEh OnNotInList;
    TListGetImageIndexEventEh OnGetItemImageIndex;
    TNotifyEvent OnDropDown;
    TCloseUpEventEh OnCloseUp;
    // Raised when the items are needed while Items is empty.
    TNotifyEvent OnGetItemsList;
    // Raised when the list closes; may change whether it accepts.
    TAcceptEventEh OnClosingUp;

protected:
    virtual bool LocateText(const std::string& text, bool partial);
    virtual bool SearchTyped(const std::string& text);
    virtual void RequestItems();
    virtual void SelectItemSilently(int index);
    // The list box class of the drop-down; descendants may give their own.
    virtual TPopupListboxEh* NewPopupList();

    std::unique_ptr<TEditButtonEh> NewEditButton() override;
    void EditButtonDown(bool topButton) override;
    TAlignment FieldAlignment() override;
    Variant CurrentValue() override;
    bool CharAllowed(char32_t c) override;
    void FieldDataChanged() override;
    void RefreshReadOnly() override;
    void SetTextSilently(const std::string& text) override;
    void SetValueSilently(const Variant& value) override;
    void ClearFieldMaxLength() override;
    int BaseImageIndex() override { return itemImageIndex_; }
    void RefreshImageIndex() override;
    void ButtonControlMouseMove(TObject* sender, TShiftState shift, int x, int y) override;
    void PostToField() override;
    void CommitText() override;
    void TextToPaint(std::string& text) override;

    void Change() override;
    void KeyDown(win::WORD& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    bool DoMouseWheelDown(TShiftState shift, win::POINT mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, win::POINT mousePos) override;
    void WndProc(Message& msg) override;
    void DefaultHandler(Message& msg) override;

    // Steps to the item before or after the current one.
    void SelectNextValue(bool prior);

private:
    void ListsChanged(bool keysChanged);
    // The current item becomes the one whose text the editor shows.
    void FollowText();
    void ShowCurrentInList();
    void PutText(const std::string& text);
    void AfterCharTyped(char32_t c);
    bool DragIntoList(TControl* from, int x, int y);
    bool RouteKeyToList(int vk);
    bool IsButtonShortCut(int vk);
    int SelectionStartChars();

    std::unique_ptr<TStringList> items_, keyItems_;
    std::unique_ptr<TDropDownBoxEh> dropDownBox_;
    TPopupListboxEh* list_ = nullptr;
    bool keyBased_ = false;
    int itemsCount_ = 0;
    int currentItem_ = -1;
    Variant keyValue_;
    int itemImageIndex_ = -1;
    bool listVisible_ = false;
    bool puttingText_ = false;
    char32_t swallowChar_ = 0;
};

class TDBComboBoxEh : public TCustomDBComboBoxEh {
    TV_CLASS(TDBComboBoxEh, TCustomDBComboBoxEh)
public:
    using TCustomDBComboBoxEh::TCustomDBComboBoxEh;
    static void Publish(TPublisher& p);
    bool IsTextStored() const;
};

} // namespace tv
