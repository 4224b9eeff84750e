#pragma once
// TCustomComboBox and TComboBox over the platform's combo box window.
// Descendants that must act on a change before the handlers of the form
// override Change (the selection, typing) and call the inherited one after.
#include <memory>

#include "framework/ui/controls.h"
#include "framework/ui/stdctrls/windowitems.h"

namespace tv {

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
extern const TEnumInfo TComboBoxStyleInfo;
enum TOwnerDrawStateFlag { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odComboBoxEdit };
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;

class TCustomComboBox;
using TDrawItemEvent = std::function<void(TWinControl* control, int index, win::RECT rect, TOwnerDrawState state)>;
using TMeasureItemEvent = std::function<void(TWinControl* control, int index, int& height)>;

class TCustomComboBox : public TWinControl {
    TV_CLASS(TCustomComboBox, TWinControl)
public:
    explicit TCustomComboBox(TComponent* owner = nullptr);
    ~TCustomComboBox() override;
    static void Publish(TPublisher& p);

    TStrings* Items() const { return items_.get(); }
    void SetItems(TStrings* v) { items_->Assign(v); }
    int ItemIndex();
    void SetItemIndex(int v);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle v);
    bool Sorted() const { return sorted_; }
    void SetSorted(bool v);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int v);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int v);
    bool DroppedDown();
    void SetDroppedDown(bool v);
    TCanvas* Canvas() const { return canvas_.get(); }
    void Clear();
    void SelectAll();

    void Dispatch(Message& msg) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void DestroyWnd() override;
    std::string GetText() override;
    virtual void Change();
    // The user picked an item: Change, then OnSelect.
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();
    virtual void DrawItem(int index, win::RECT rect, TOwnerDrawState state);
    virtual void MeasureItem(int index, int& height);

private:
    std::unique_ptr<TWindowItems> items_;
    std::unique_ptr<TCanvas> canvas_;
    std::unique_ptr<TBrush> brush_;
    TComboBoxStyle style_ = csDropDown;
    bool sorted_ = false;
    int dropDownCount_ = 8;
    int maxLength_ = 0;
    int itemHeight_ = 0;
    int keptIndex_ = -1;
    win::WPARAM closingChar_ = 0; // the character of the key that closed the list, swallowed
    // The edit inside a drop-down combo box passes its keys through this
    // control first (shortcuts, Tab, the default button, OnKeyPress).
    win::WNDPROC editHook_ = nullptr;
    win::WNDPROC editPrev_ = nullptr;
    win::HWND editWnd_ = nullptr;
    void HookEdit();
};

class TComboBox : public TCustomComboBox {
    TV_CLASS(TComboBox, TCustomComboBox)
public:
    using TCustomComboBox::TCustomComboBox;
    static void Publish(TPublisher& p);
};

} // namespace tv
