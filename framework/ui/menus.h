#pragma once
// Menus: TMenuItem trees shown as a form's menu bar (TMainMenu) or as a
// popup (TPopupMenu), with shortcuts, checks, radio groups, pictures and
// owner drawing through WM_MEASUREITEM and WM_DRAWITEM.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/component.h"
#include "framework/ui/controls.h"
#include "framework/ui/picture.h"
#include "platform/window/menu.h"

namespace tv {

class TMenu;
class TMenuActionLink;

// A key with its modifiers: the virtual key plus scShift, scCtrl, scAlt.
using TShortCut = int;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;
TShortCut ShortCut(win::WORD key, TShiftState shift);
// "Ctrl+X", "Alt+F4", "Shift+Supr"... ; empty for none.
std::string ShortCutToText(TShortCut shortCut);
TShortCut TextToShortCut(const std::string& text);
// The shortcut a key message makes, with the modifiers held now.
TShortCut ShortCutFromMessage(const Message& msg);

enum TMenuBreak { mbNone, mbBreak, mbBarBreak };
enum TPopupAlignment { paLeft, paRight, paCenter };
enum TMenuAnimations { maLeftToRight, maRightToLeft, maTopToBottom, maBottomToTop, maNone };
using TMenuAnimation = TSet<TMenuAnimations>;
extern const TEnumInfo TMenuBreakInfo;
extern const TEnumInfo TPopupAlignmentInfo;
extern const TEnumInfo TMenuAnimationsInfo;

using TMenuMeasureItemEvent = std::function<void(TObject* sender, TCanvas* canvas, int& width, int& height)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TObject* sender, TCanvas* canvas, win::RECT rect, win::UINT state)>;

class TMenuItem : public TComponent {
    TV_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* owner = nullptr);
    ~TMenuItem() override;
    static void Publish(TPublisher& p);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut v);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool v);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Default() const { return default_; }
    void SetDefault(bool v);
    TMenuBreak Break() const { return break_; }
    void SetBreak(TMenuBreak v);
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool v) { autoCheck_ = v; }
    TBitmap* Bitmap();
    void SetBitmap(TBitmap* v);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v) { hint_ = v; }
    bool IsLine() const { return caption_ == "-"; }
    TBasicAction* Action() const;
    void SetAction(TBasicAction* action);
    void ActionChange(TObject* sender, bool checkDefaults);

    int Count() const { return int(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(size_t(index)); }
    TMenuItem* Parent() const { return parent_; }
    int MenuIndex() const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    void Delete(int index);
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Find(const std::string& caption) const;
    TMenu* GetParentMenu() const;
    win::UINT Command() const { return command_; }
    // The platform menu of the item's children. It keeps its handle while the
    // items change (an open popup or the MDI window list may be showing it).
    win::HMENU Handle();
    // The live item whose platform entry carries `data`, or null.
    static TMenuItem* FromData(win::LONG_PTR data);
    // The item whose children `menu` shows, or null.
    static TMenuItem* FromHandle(win::HMENU menu);

    virtual void Click();
    void InitiateAction();
    // Before its popup shows: the children update from their actions and
    // the platform entries follow them (and the draw handlers assigned since).
    void UpdateItems();
    void MeasureItem(TCanvas* canvas, int& width, int& height);
    void AdvancedDrawItem(TCanvas* canvas, win::RECT rect, win::UINT state, bool topLevel);
    bool HasOwnerDraw() const;

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void Loaded() override;

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TMenu;
    friend class TMainMenu;
    friend class TPopupMenu;
    void MenuChanged();
    void Populate();
    void FreeHandle();
    void ForgetHandles();
    void RefreshHandles();
    void TurnSiblingsOff();
    std::string caption_;
    TShortCut shortCut_ = 0;
    bool checked_ = false, radioItem_ = false, enabled_ = true, visible_ = true, default_ = false, autoCheck_ = false;
    int groupIndex_ = 0;
    TMenuBreak break_ = mbNone;
    std::unique_ptr<TBitmap> bitmap_;
    int imageIndex_ = -1;
    std::string hint_;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;
    win::UINT command_ = 0;
    win::HMENU handle_ = nullptr;
    std::unique_ptr<TMenuActionLink> actionLink_;
};

// The item that has the command id, across every menu of the program.
TMenuItem* FindMenuItemByCommand(win::UINT command);
// Clicks the item of the command; false when none has it.
bool DispatchMenuCommand(win::UINT command);

class TMenu : public TComponent {
    TV_CLASS(TMenu, TComponent)
public:
    explicit TMenu(TComponent* owner = nullptr);
    ~TMenu() override;
    static void Publish(TPublisher& p);

    TMenuItem* Items() const { return items_; }
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool v);
    TComponent* Images() const { return images_; }
    void SetImages(TComponent* v) { images_ = v; }
    virtual win::HMENU Handle() { return items_->Handle(); }
    win::HWND WindowHandle() const { return window_; }
    virtual void SetWindowHandle(win::HWND wnd) { window_ = wnd; }
    bool IsShortCut(Message& msg);
    bool DispatchCommand(win::UINT command);
    // The item with the shortcut, enabled and visible along its path, or null.
    TMenuItem* FindShortCut(TShortCut sc) const;

    void GetChildren(const TGetChildProc& proc, TComponent* root) override;

protected:
    friend class TMenuItem;
    virtual void MenuChanged(TMenuItem*) {}
    TMenuItem* items_;
    win::HWND window_ = nullptr;
    TAliveToken token_;

private:
    bool ownerDraw_ = false;
    TComponent* images_ = nullptr;
};

class TMainMenu : public TMenu {
    TV_CLASS(TMainMenu, TMenu)
public:
    using TMenu::TMenu;
    ~TMainMenu() override;
    win::HMENU Handle() override;
    void SetWindowHandle(win::HWND wnd) override;
    // The main menu whose bar `menu` is, or null.
    static TMainMenu* FromHandle(win::HMENU menu);
    // Before the bar enters menu mode: its items update from their actions.
    void UpdateItems();

protected:
    void MenuChanged(TMenuItem* source) override;

private:
    void Populate();
    void ForgetDestroyedBar();
    win::HMENU bar_ = nullptr;
};

class TPopupMenu : public TMenu {
    TV_CLASS(TPopupMenu, TMenu)
public:
    using TMenu::TMenu;
    static void Publish(TPublisher& p);
    // Shows the menu at a screen point and waits for the choice; the chosen
    // item is clicked.
    virtual void Popup(int x, int y);
    TPopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPopupAlignment v) { alignment_ = v; }
    // Kept for the skins, which turn the animation off; popups show at once.
    TMenuAnimation MenuAnimation() const { return menuAnimation_; }
    void SetMenuAnimation(TMenuAnimation v) { menuAnimation_ = v; }
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool v) { autoPopup_ = v; }
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* v) { popupComponent_ = v; }
    TNotifyEvent OnPopup;

private:
    TPopupAlignment alignment_ = paLeft;
    bool autoPopup_ = true;
    TMenuAnimation menuAnimation_;
    TComponent* popupComponent_ = nullptr;
};

// The menu messages that the window showing a menu gets, answered for the
// framework's items: WM_INITMENUPOPUP (the items update from their actions,
// the window menu gets its MDI window list), WM_MENUSELECT (the highlighted
// item's hint becomes the application's hint, cleared when the menu closes),
// WM_MEASUREITEM and WM_DRAWITEM of owner-drawn items. False when the message
// is not about a framework item.
bool DispatchMenuMessage(Message& msg);
// The hidden window that owns the popups of TPopupMenu.
win::HWND PopupListWindow();

} // namespace tv
