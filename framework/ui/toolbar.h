#pragma once
// TToolBar and TToolButton: a row of buttons with pictures from an image
// list, captions, check buttons, groups, drop-down menus, separators and
// dividers.
#include "framework/ui/controls.h"
#include "framework/ui/imagelist.h"

namespace tv {

class TPopupMenu;
class TToolBar;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
extern const TEnumInfo TToolButtonStyleInfo;

class TToolButton : public TGraphicControl {
    TV_CLASS(TToolButton, TGraphicControl)
public:
    explicit TToolButton(TComponent* owner = nullptr);
    static void Publish(TPublisher& p);
    TToolButtonStyle Style() const { return style_; }
    void SetStyle(TToolButtonStyle v);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v) { imageIndex_ = v; Invalidate(); }
    bool Down() const { return down_; }
    void SetDown(bool v);
    bool Grouped() const { return grouped_; }
    void SetGrouped(bool v) { grouped_ = v; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v) { allowAllUp_ = v; }
    TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(TPopupMenu* v) { dropdownMenu_ = v; }
    void Click() override;
    TToolBar* ToolBar() const;
    // Opens the drop-down menu under the button.
    void CheckMenuDropdown();

protected:
    void Paint() override;
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override;
    void MouseUp(TMouseButton b, TShiftState s, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TToolButtonStyle style_ = tbsButton;
    int imageIndex_ = -1;
    bool down_ = false, grouped_ = false, allowAllUp_ = false, pressing_ = false;
    TPopupMenu* dropdownMenu_ = nullptr;
};

class TToolBar : public TCustomControl {
    TV_CLASS(TToolBar, TCustomControl)
public:
    explicit TToolBar(TComponent* owner = nullptr);
    ~TToolBar() override;
    static void Publish(TPublisher& p);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* v);
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool v) { showCaptions_ = v; Realign(); Invalidate(); }
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int v) { buttonWidth_ = v; Realign(); }
    int ButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int v) { buttonHeight_ = v; Realign(); }
    bool Flat() const { return flat_; }
    void SetFlat(bool v) { flat_ = v; Invalidate(); }
    int ButtonCount() const;
    TToolButton* Buttons(int index) const;

protected:
    void AlignControls(TControl* control, win::RECT& rect) override;
    void Paint() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TCustomImageList* images_ = nullptr;
    TChangeLink imageLink_;
    bool showCaptions_ = false, flat_ = true;
    int buttonWidth_ = 23, buttonHeight_ = 22;
};

} // namespace tv
