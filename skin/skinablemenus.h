#pragma once
// TsSkinableMenus: draws the application's menus in the skin. It binds its
// measuring and drawing handlers to the menu items (keeping the ones the
// application bound itself); a pop-up menu is drawn over a bitmap of the
// whole menu prepared once per opened menu, and the items of a form's menu
// bar over its menu line.
#include <functional>
#include <memory>
#include <vector>

#include "core/persistent.h"
#include "framework/data/dbtypes.h"
#include "framework/ui/graphics.h"
#include "framework/ui/uimessages.h"
#include "platform/wintypes.h"

namespace tv {

class TBitmap;
class TCanvas;
class TComponent;
class TMainMenu;
class TMenuItem;
class TPopupMenu;
class TsSkinManager;
class TsSkinProvider;

enum TsMenuItemType { smCaption, smDivider, smNormal, smTopLine };

// The state of an owner-drawn item under the mouse (the window system sets none).
constexpr win::UINT ODS_HOTLIGHT = 0x40;

using TsMenuManagerDrawItemEvent =
    std::function<void(TObject* sender, TCanvas* canvas, win::RECT r, win::UINT state, TsMenuItemType type)>;

class TsSkinableMenus : public TPersistent {
    TV_CLASS(TsSkinableMenus, TPersistent)
public:
    explicit TsSkinableMenus(TsSkinManager* manager = nullptr);
    ~TsSkinableMenus() override;
    static void Publish(TPublisher& p);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { alignment_ = v; }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v) { bevelWidth_ = v; }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v) { borderWidth_ = v; }
    TFont* CaptionFont() const { return captionFont_.get(); }
    void SetCaptionFont(TFont* v) { captionFont_->Assign(v); }
    // The frame width the skin's "MAINMENU" border gives; -1 until looked up.
    int SkinBorderWidth();
    void SetSkinBorderWidth(int v) { skinBorderWidth_ = v; }
    int Margin() const { return margin_; }
    void SetMargin(int v) { margin_ = v; }
    int Spacing() const { return spacing_; }
    void SetSpacing(int v) { spacing_ = v; }
    TsMenuManagerDrawItemEvent OnDrawItem;

    bool Active() const { return active_; }
    void SetActive(bool v);
    // Binds (or unbinds) the handlers of every menu of the application.
    void HookAll(bool flag);
    void Refresh();
    void HookMenu(TMenuItem* item, bool flag);
    void HookMainMenu(TMainMenu* menu, bool flag);
    void HookPopupMenu(TPopupMenu* menu, bool flag);
    void HookItem(TMenuItem* item, bool flag);

    // The handlers of pop-up items and of menu-bar items.
    void MeasureItem(TObject* sender, TCanvas* canvas, int& width, int& height);
    void DrawItem(TObject* sender, TCanvas* canvas, win::RECT r, win::UINT state);
    void MeasureMainMenuItem(TObject* sender, TCanvas* canvas, int& width, int& height);
    void DrawMainMenuItem(TObject* sender, TCanvas* canvas, win::RECT r, win::UINT state);
    // Whether a handler is one of this object's.
    static bool IsOwnDraw(const std::function<void(TObject*, TCanvas*, win::RECT, win::UINT)>& f);
    static bool IsOwnMeasure(const std::function<void(TObject*, TCanvas*, int&, int&)>& f);

    int ItemHeight(TCanvas* canvas, TMenuItem* item);
    int MenuHeight(TCanvas* canvas, TMenuItem* item);
    int MenuWidth(TCanvas* canvas, TMenuItem* item);
    void ImageSize(TMenuItem* item, int& w, int& h);
    int ExtraLineWidth(bool adjustToBorder);
    void BuildMenuCache(TMenuItem* firstItem, int width, win::HWND wnd, int height);
    void PaintPopupFrame(win::HWND wnd, TBitmap* bmp);
    void DrawDivider(TCanvas* canvas, const win::RECT& r, TBitmap* background, TMenuItem* item);
    void FreeMenuCache();
    bool HasMaximizedMDIChild();

    std::vector<win::RECT> RegionRects;
    TsSkinManager* Manager;

private:
    TsSkinProvider* ProviderOf(TMenuItem* item);
    void FetchExtraLine(TMenuItem* firstItem);
    TAlignment alignment_ = taLeftJustify;
    int bevelWidth_ = 0, borderWidth_ = 3, skinBorderWidth_ = 0, margin_ = 3, spacing_ = 6;
    std::unique_ptr<TFont> captionFont_;
    bool active_ = false;
    bool framePainting_ = false;
};

// The prepared picture of the open pop-up menu, and the first item of the
// menu it was prepared for (one pop-up menu is open at a time).
TBitmap* MenuCacheBitmap();
void ResetMenuCache();

} // namespace tv
