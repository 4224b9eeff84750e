#pragma once
// Forms and data modules: the windows and non-visual containers that the
// application creates from their stored definitions.
#include <memory>
#include <string>
#include <vector>

#include "framework/ui/controls.h"
#include "framework/ui/icon.h"
#include "framework/ui/picture.h"

namespace tv {

class TMainMenu;
class TMenuItem;
class TPopupMenu;

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;
const TIdentMap& ModalResultIdents();

enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                 poMainFormCenter, poOwnerFormCenter };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormStateFlag { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSet<TFormStateFlag>;
enum TTileMode { tbHorizontal, tbVertical };

extern const TEnumInfo TFormStyleInfo;
extern const TEnumInfo TBorderIconInfo;
extern const TEnumInfo TPositionInfo;
extern const TEnumInfo TWindowStateInfo;

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;
using TShortCutEvent = std::function<void(Message& msg, bool& handled)>;

class TCustomForm : public TWinControl {
    TV_CLASS(TCustomForm, TWinControl)
public:
    explicit TCustomForm(TComponent* owner = nullptr);
    ~TCustomForm() override;
    static void Publish(TPublisher& p);

    // Reads the form's stored definition (the resources named after its class
    // and its ancestors down from TForm) and runs OnCreate. Called by
    // Application->CreateForm and NewForm once the object is complete.
    virtual void AfterConstruction();
    // Runs OnDestroy and frees the form.
    void Free();
    // Frees the form once the messages waiting for it are handled.
    void Release();

    void Show();
    void Hide() { SetVisible(false); }
    void Close();
    bool CloseQuery();
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult v) { modalResult_ = v; }
    void SetFocus() override;
    bool CanFocus() override { return Visible() && Enabled(); }

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* c);
    void FocusControl(TWinControl* c);
    // Keeps the focus bookkeeping right when a control goes or hides.
    void DefocusControl(TWinControl* c, bool removing);
    // Sends CM_EXIT and CM_ENTER along the way from the old focused control to
    // the new; a handler that moves the focus elsewhere ends the walk.
    bool SetFocusedControl(TWinControl* c);
    bool Active() const { return active_; }
    TFormState FormState() const { return formState_; }

    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle v);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons v);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition v) { position_ = v; }
    TWindowState WindowState() const;
    void SetWindowState(TWindowState v);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool v) { keyPreview_ = v; }
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* v);
    TMenuItem* WindowMenu() const { return windowMenu_; }
    void SetWindowMenu(TMenuItem* v);
    TIcon* Icon() const { return icon_.get(); }
    void SetIcon(TIcon* v) { icon_->Assign(v); }
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool v) { autoScroll_ = v; }
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int v) { pixelsPerInch_ = v; }
    bool Scaled() const { return scaled_; }
    void SetScaled(bool v) { scaled_ = v; }
    bool OldCreateOrder() const { return oldCreateOrder_; }
    void SetOldCreateOrder(bool v) { oldCreateOrder_ = v; }
    int TextHeight() const { return textHeight_; }
    void SetTextHeight(int v) { textHeight_ = v; }
    TCanvas* Canvas() const { return canvas_.get(); }

    win::RECT ClientRect() override;
    void SetClientWidth(int v) override;
    void SetClientHeight(int v) override;
    int ClientWidthValue() { return ClientWidth(); }
    int ClientHeightValue() { return ClientHeight(); }

    // --- MDI ---
    win::HWND ClientHandle() const { return clientHandle_; }
    int MDIChildCount() const;
    TCustomForm* MDIChildren(int index) const;
    TCustomForm* ActiveMDIChild() const;
    void Cascade();
    void Tile();
    void ArrangeIcons();
    void Next();
    void Previous();
    TTileMode TileMode() const { return tileMode_; }
    void SetTileMode(TTileMode v) { tileMode_ = v; }

    // Shortcuts of the menu and of the form's action lists.
    virtual bool IsShortCut(Message& msg);
    // Updates the form's actions (done by the application when it idles).
    void UpdateActions();

    void Dispatch(Message& msg) override;
    // Written as the root: the controls, then the components it owns that
    // have no parent (timers, menus, action lists).
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void DefaultHandler(Message& msg) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TShortCutEvent OnShortCut;

protected:
    friend class TWinControl;
    friend class TApplication;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void CreateWindowHandle(const TCreateParams& params) override;
    void DestroyWnd() override;
    void PaintWindow(win::HDC dc) override;
    void Loaded() override;
    void VisibleChanging() override;
    virtual void DoCreate();
    virtual void DoDestroy();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    virtual void Activate();
    virtual void Deactivate();
    virtual void Paint();
    void Notification(TComponent* component, TOperation operation) override;

private:
    void SetWindowFocus();
    void SetActive(bool v);
    void CloseModal();
    void ShowingChanged();
    void PlaceForm();
    TCustomForm* MainMdiForm() const;

    TWinControl* activeControl_ = nullptr;
    TWinControl* focusedControl_ = nullptr;
    bool active_ = false;
    TFormState formState_;
    TModalResult modalResult_ = mrNone;
    TFormStyle formStyle_ = fsNormal;
    TBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
    TPosition position_ = poDesigned;
    TWindowState windowState_ = wsNormal;
    bool keyPreview_ = false;
    TMainMenu* menu_ = nullptr;
    TMenuItem* windowMenu_ = nullptr;
    std::unique_ptr<TIcon> icon_;
    bool autoScroll_ = true;
    int pixelsPerInch_ = 96;
    bool scaled_ = true;
    bool oldCreateOrder_ = false;
    int textHeight_ = 13;
    std::unique_ptr<TControlCanvas> canvas_;
    win::HWND clientHandle_ = nullptr;
    win::WNDPROC clientProc_ = nullptr;
    TTileMode tileMode_ = tbHorizontal;
    bool destroyDone_ = false;
    bool placed_ = false;
};

class TForm : public TCustomForm {
    TV_CLASS(TForm, TCustomForm)
public:
    using TCustomForm::TCustomForm;
};

// Creates a form or data module of class T and reads its stored definition.
template <class T>
T* NewForm(TComponent* owner) {
    T* f = new T(owner);
    try {
        f->AfterConstruction();
    } catch (...) {
        delete f;
        throw;
    }
    return f;
}

class TDataModule : public TComponent {
    TV_CLASS(TDataModule, TComponent)
public:
    explicit TDataModule(TComponent* owner = nullptr);
    ~TDataModule() override;
    static void Publish(TPublisher& p);
    virtual void AfterConstruction();
    void Free();

    int Left() const { return left_; }
    void SetLeft(int v) { left_ = v; }
    int Top() const { return top_; }
    void SetTop(int v) { top_ = v; }
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }
    int Height() const { return height_; }
    void SetHeight(int v) { height_ = v; }
    bool OldCreateOrder() const { return oldCreateOrder_; }
    void SetOldCreateOrder(bool v) { oldCreateOrder_ = v; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;

private:
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool oldCreateOrder_ = false;
    bool destroyDone_ = false;
};

} // namespace tv
