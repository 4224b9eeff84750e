#pragma once
// TsSkinProvider: the component that draws its form in the skin. It takes
// over the form's window procedure and from then on draws the frame, the
// title bar with its buttons and the menu line from a cache bitmap, shows
// its own window menu, answers the skin message for the form and gives the
// form's controls their window adapters.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/component.h"
#include "framework/ui/controls.h"
#include "platform/region.h"
#include "skin/commondata.h"
#include "skin/titlebuttons.h"

namespace tv {

class TCustomForm;
class TMenuItem;
class TacCtrlAdapter;
class TacScrollWnd;
class TsMDIForm;
class TsSystemMenu;

enum TsGripMode { gmNone, gmRightBottom };
enum TsResizeMode { rmStandard, rmBorder };
extern const TEnumInfo TsGripModeInfo;
extern const TEnumInfo TsResizeModeInfo;

// Codes of the title buttons: their hit codes.
constexpr int tbMinimize = 8, tbMaximize = 9, tbClose = 20, tbHelp = 21;
constexpr int tbMDIClose = 101, tbMDIRestore = 102, tbMDIMinimize = 103;
constexpr int tbUser = 1000; // + the button's index

// Asked of every control the adapter would take: it may refuse it or give
// it another section.
using TAddItemEvent = std::function<void(TComponent* item, bool& canBeAdded, std::string& skinSection)>;

class TsSkinProvider : public TComponent {
    TV_CLASS(TsSkinProvider, TComponent)
public:
    explicit TsSkinProvider(TComponent* owner = nullptr);
    ~TsSkinProvider() override;
    static void Publish(TPublisher& p);
    void Loaded() override;

    // --- properties ---
    TAlignment CaptionAlignment() const { return captionAlignment_; }
    void SetCaptionAlignment(TAlignment v);
    TsGripMode GripMode() const { return gripMode_; }
    void SetGripMode(TsGripMode v) { gripMode_ = v; }
    bool MakeSkinMenu() const { return makeSkinMenu_; }
    void SetMakeSkinMenu(bool v) { makeSkinMenu_ = v; }
    const std::string& MenuLineSkin() const { return menuLineSkin_; }
    void SetMenuLineSkin(const std::string& v);
    TsResizeMode ResizeMode() const { return resizeMode_; }
    void SetResizeMode(TsResizeMode v) { resizeMode_ = v; }
    bool ScreenSnap() const { return screenSnap_; }
    void SetScreenSnap(bool v) { screenSnap_ = v; }
    bool ShowAppIcon() const { return showAppIcon_; }
    void SetShowAppIcon(bool v);
    TsCommonData* SkinData() const { return skinData_.get(); }
    void SetSkinData(TsCommonData* v);
    int SnapBuffer() const { return snapBuffer_; }
    void SetSnapBuffer(int v) { snapBuffer_ = v; }
    TsTitleButtons* TitleButtons() const { return titleButtons_.get(); }
    void SetTitleButtons(TsTitleButtons* v) { titleButtons_->Assign(v); }
    TsTitleIcon* TitleIcon() const { return titleIcon_.get(); }
    void SetTitleIcon(TsTitleIcon* v) { titleIcon_->Assign(v); }
    const std::string& TitleSkin() const { return titleSkin_; }
    void SetTitleSkin(const std::string& v);
    bool UseGlobalColor() const { return useGlobalColor_; }
    void SetUseGlobalColor(bool v);
    TAddItemEvent OnSkinItem;

    // --- the form's window procedure ---
    // Runs once the provider is complete (the constructor calls it).
    void AfterConstruction();
    void PrepareForm();
    // The procedure that stands in the form's place.
    void HandleMessage(win::Message& msg);
    TCustomForm* Form() const { return form_; }
    // False once the provider is gone: a handler may free the form.
    std::shared_ptr<bool> Alive() const { return token_.Watch(); }
    TacCtrlAdapter* Adapter() const { return adapter_.get(); }
    TsSystemMenu* SystemMenu() const { return systemMenu_.get(); }
    TsMDIForm* MDIForm() const { return mdiForm_.get(); }
    TacScrollWnd* FormScrollWnd() const { return formScrollWnd_.get(); }
    void ApplyGlobalColor();
    void AdaptFormScrollBars();

    // --- frame geometry, frame coordinates ---
    int BorderWidth() const;
    int BorderHeight() const;
    int CaptionHeight() const;
    int FrameTopOffset() const;
    int MenuLineHeight() const;
    int TopAreaHeight() const;
    int ClientOffsetX() const;
    int ClientOffsetY() const;
    int FormWidth() const;
    int FormHeight() const;
    win::POINT WindowOrigin() const;
    win::RECT IconRect() const;
    int IconWidth() const;
    int IconHeight() const;
    bool IconShown() const;
    int TitleButtonHeight() const;
    int TitleButtonWidth() const;
    int UserButtonWidth(const TsTitleButton* b) const;
    int ButtonsWidth() const;
    int SystemButtonCount() const;
    int MenuLineRows();
    bool MenuVisible() const;
    bool MDIButtonsShown() const;
    // The buttons' places along the title bar (and the MDI buttons').
    void PlaceTitleButtons();
    TsCaptionButton* ButtonOf(int code);
    bool HasBorder() const;
    bool HasCaption() const;

    // --- hit testing and the frame's mouse ---
    int NCHitTest(win::POINT screen, win::LRESULT incoming);
    int HotButton() const { return curHot_; }
    void SetHotButton(int code, bool repaint = true);
    void SetPressedButton(int code);
    void ShowSystemMenu(int x, int y);
    // The transparent corners of the border masks, frame coordinates.
    const std::vector<win::RECT>& BorderRegion() const { return regionRects_; }
    void BuildBorderRegionData();
    win::HRGN CreateFormRegion(int x, int y);
    void UpdateWindowRegion(bool redraw);
    void StartBorderOperation(int x, int y);
    void EndBorderOperation(int x, int y);
    void DrawBorderOutline(int x, int y);

    // --- painting ---
    void InitTitleButtonImages();
    void PaintAll();
    void PaintCaption(const TCacheInfo& ci, const win::RECT& r);
    void PaintTitleButtons();
    void RepaintTitleButton(int code);
    void PaintCachedFrame(win::HDC dc);
    void PaintForm(win::HDC dc, bool repaintChildren);
    void PaintIcon();
    void PaintMenuItem(TMenuItem* item, const win::RECT& r, win::UINT state);
    // The frame as the cache holds it (form-sized, 24-bit).
    TBitmap* FrameCache() const { return skinData_->CacheBmp.get(); }
    bool FormActive() const { return formActive_; }
    // Marks the frame to be rebuilt and asks for WM_NCPAINT.
    void InvalidateFrame(bool full = true);
    void ResetMenuRows() { menuRows_ = -1; }
    void SetMenuPainterOwnerDraw();

    TsCaptionButton BtnMin, BtnMax, BtnClose, BtnHelp, BtnMDIClose, BtnMDIRestore, BtnMDIMin;
    int UserButtonImage = -1;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TsMDIForm;
    void CallOld(win::Message& msg);
    void AlphaCommand(win::Message& msg);
    void SkinLoaded(win::Message& msg);
    void SkinRemoved(win::Message& msg);
    void Refresh(win::Message& msg);
    void WindowMessage(win::Message& msg);
    // Gives the message to the form's own procedure; false when that freed the provider.
    bool PassOn(win::Message& msg);
    bool FormShowing() const;
    bool CacheSizeDiffers() const;
    // The window messages WindowMessage hands on, one method each.
    void FormCreated(win::Message& msg);
    void FormSized(win::Message& msg);
    void FormActivated(win::Message& msg);
    void CaptionSet(win::Message& msg);
    void CaptionChanged(win::Message& msg);
    void MinMaxInfo(win::Message& msg);
    void PositionChanged(win::Message& msg);
    void HitTest(win::Message& msg);
    void ParentNotified(win::Message& msg);
    void MDIChildChanged(win::Message& msg);
    void ShowingChanged(win::Message& msg);
    // Mouse and system commands of the frame.
    void NCButtonDown(win::Message& msg);
    void NCButtonUp(win::Message& msg);
    void NCButtonDblClk(win::Message& msg);
    void NCRButton(win::Message& msg);
    void SysCommand(win::Message& msg);
    void MouseMoveOutline(win::Message& msg);
    void Snap(win::WINDOWPOS* pos);
    // Painting on the window.
    void NCPaint(win::Message& msg);
    void Print(win::Message& msg);
    void Paint(win::Message& msg);
    void NCActivate(win::Message& msg);
    void RepaintChangedMenuItems(win::HDC dc);
    void TakeTitleButtonsStrip();
    void PaintTextAndButtons(const win::RECT& frame, int textTop, int textBottom);
    void PaintMenuLine(const win::RECT& frame);
    bool Creating() const;
    bool Loading() const;
    bool Destroying() const;
    bool Painting() const;

    TCustomForm* form_ = nullptr;
    std::function<void(win::Message&)> oldProc_;
    bool hooked_ = false;
    std::unique_ptr<TsCommonData> skinData_;
    std::unique_ptr<TBitmap> stripBmp_, menuLineBmp_, titleCache_;
    std::vector<win::RECT> regionRects_;
    int curHot_ = 0;
    int menuRows_ = -1;
    std::vector<bool> barHilite_; // bar items' highlight as last painted

    bool formActive_ = true;
    bool fullRepaint_ = true;
    bool regionChanged_ = true;
    bool inRegionUpdate_ = false;
    bool framePainted_ = false;
    bool firstPaint_ = false;
    bool firstPrepare_ = true;
    bool menuOwnerDrawSet_ = false;
    bool inAnimation_ = false;
    bool linkPainting_ = false;

    std::unique_ptr<TsSystemMenu> systemMenu_;
    std::unique_ptr<TsMDIForm> mdiForm_;
    std::unique_ptr<TacCtrlAdapter> adapter_;
    std::unique_ptr<TacScrollWnd> formScrollWnd_;

    TAlignment captionAlignment_ = taLeftJustify;
    TsGripMode gripMode_ = gmNone;
    bool makeSkinMenu_ = true;
    std::string menuLineSkin_;
    TsResizeMode resizeMode_ = rmStandard;
    bool screenSnap_ = false;
    bool showAppIcon_ = true;
    int snapBuffer_ = 10;
    std::unique_ptr<TsTitleButtons> titleButtons_;
    std::unique_ptr<TsTitleIcon> titleIcon_;
    std::string titleSkin_;
    bool useGlobalColor_ = true;
    std::shared_ptr<bool> formAlive_;
    TAliveToken token_;
};

// What all providers share: one MDI main form, one maximized MDI child, one
// title button held down at a time.
struct TsProviderState {
    TsSkinProvider* MDIMain = nullptr;
    TsSkinProvider* MaximizedChild = nullptr;
    bool ButtonDown = false;
    bool MaximizeNextChild = false;
};
extern TsProviderState ProviderState;

// The provider of the control's form, asked through the skin message.
TsSkinProvider* GetFormSkinProvider(TControl* control);
// Icon size for a caption of height `h`.
int IconSizeForCaption(int h);
// Snapping of one coordinate: c moves to edge - size when within `buffer`.
int SnapCoordinate(int c, int edge, int size, int buffer);

} // namespace tv
