#pragma once
// The drop-down list of combo editors (with images, incremental search and a
// size grip), and the drop-down list of an editor's recently used texts.
#include <functional>
#include <string>

#include "framework/ui/stdctrls/listbox.h"

namespace tv {

class TCustomImageList;
class TScrollBar;
class TSizeGripEh;

using TListGetImageIndexEventEh = std::function<void(TObject* sender, int itemIndex, int& imageIndex)>;

class TPopupListboxEh : public TCustomListBox {
    TV_CLASS(TPopupListboxEh, TCustomListBox)
public:
    // `owner` is the editor that drops the list down.
    explicit TPopupListboxEh(TComponent* owner = nullptr);
    ~TPopupListboxEh() override;

    TSizeGripEh* SizeGrip() const { return grip_; }
    TCustomImageList* Images() const { return images_; }
    void AssignImages(TCustomImageList* images);
    // Items shown by index without copying them; null shows Items again.
    TStrings* ExtendedItems() const { return extendedItems_; }
    void SetExtendedItems(TStrings* items);
    // Set when the list changes size (the user dragged its grip).
    bool SizeGripResized() const { return resized_; }
    void SetSizeGripResized(bool v) { resized_ = v; }
    const std::string& SearchText() const { return searchText_; }
    int BorderWidth() const { return Ctl3D() ? 2 : 0; }
    // The list's height for whole rows.
    int FrameHeight() const;
    int RowCount() const { return rowCount_; }
    bool CanFocus() override { return false; }
    void SetBounds(int left, int top, int width, int height) override;
    void Dispatch(Message& msg) override;
    void DefaultHandler(Message& msg) override;

    TListGetImageIndexEventEh OnGetImageIndex;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DrawItem(int index, win::RECT rect, TOwnerDrawState state) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    bool DoMouseWheelDown(TShiftState shift, win::POINT mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, win::POINT mousePos) override;
    virtual void Resized();
    int ItemHeightOrFont() const;
    TSizeGripEh* grip_ = nullptr;

private:
    TCustomImageList* images_ = nullptr;
    TStrings* extendedItems_ = nullptr;
    std::string searchText_;
    unsigned long long lastKeyTime_ = 0;
    win::POINT lastMouse_{-1, -1};
    int rowCount_ = 0;
    bool resized_ = false;
};

// Sets the list's height for `rows` whole rows (at least one) and its frame.
void SetListBoxRowCount(TPopupListboxEh* list, int rows);

// The recently used texts, with a scroll bar of its own beside the grip.
class TMRUListboxEh : public TPopupListboxEh {
    TV_CLASS(TMRUListboxEh, TPopupListboxEh)
public:
    explicit TMRUListboxEh(TComponent* owner = nullptr);
    ~TMRUListboxEh() override;
    TScrollBar* ScrollBar() const { return scrollBar_; }
    void UpdateScrollBar();
    void Dispatch(Message& msg) override;

    TNotifyEvent OnResized;

protected:
    void CreateParams(TCreateParams& params) override;
    void Resized() override;

private:
    TScrollBar* scrollBar_ = nullptr;
    std::function<void(Message&)> scrollBarProc_;
    bool moveLock_ = false;
};

} // namespace tv
