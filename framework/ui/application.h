#pragma once
// The application object: creates the forms, runs the message loop, and is
// where every exception that escapes a handler ends.
#include <functional>
#include <string>
#include <type_traits>

#include "core/component.h"
#include "core/exceptions.h"
#include "framework/ui/controls.h"
#include "framework/ui/forms.h"

namespace tv {

using TExceptionEvent = std::function<void(TObject* sender, Exception& e)>;
class THintWindow;

class TApplication : public TComponent {
    TV_CLASS(TApplication, TComponent)
public:
    explicit TApplication(TComponent* owner = nullptr);
    ~TApplication() override;

    void Initialize() {}
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& v);

    // Creates a form or data module owned by the application; the first form
    // (not data module) becomes the main form.
    template <class T>
    void CreateForm(T*& ref) {
        static_assert(std::is_base_of_v<TCustomForm, T> || std::is_base_of_v<TDataModule, T>);
        T* f = new T(this);
        ref = f;
        try {
            if constexpr (std::is_base_of_v<TCustomForm, T>) {
                if (!mainForm_) mainForm_ = f;
            }
            f->AfterConstruction();
        } catch (...) {
            if (mainForm_ == reinterpret_cast<TCustomForm*>(f)) mainForm_ = nullptr;
            ref = nullptr;
            delete f;
            throw;
        }
    }
    TCustomForm* MainForm() const { return mainForm_; }
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool v) { showMainForm_ = v; }

    // Shows the main form and handles messages until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles every message waiting, without waiting for more.
    void ProcessMessages();
    // Handles one message, or idles (updating actions) and waits for one.
    void HandleMessage();
    // The exception being handled goes to OnException, or is shown.
    void HandleException(TObject* sender);
    void ShowException(const Exception& e);
    // The message box of the application, with the flags of the platform's
    // (MB_OK... | MB_ICON...). Returns IDOK, IDCANCEL, IDYES...
    int MessageBox(const std::string& text, const std::string& caption, win::UINT flags);

    win::HWND Handle() const;
    // Hooks see every message of the application window; true ends it there.
    int HookMainWindow(std::function<bool(Message&)> hook);
    void UnhookMainWindow(int id);

    int HintPause() const { return hintPause_; }
    void SetHintPause(int v) { hintPause_ = v; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int v) { hintHidePause_ = v; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v) { showHint_ = v; }
    TColor HintColor() const { return hintColor_; }
    void SetHintColor(TColor v) { hintColor_ = v; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v);
    TIcon* Icon() const { return icon_.get(); }
    void SetIcon(TIcon* v) { icon_->Assign(v); }
    // The mouse moved over a control: its hint shows after HintPause, and
    // goes when the mouse leaves it, after HintHidePause or on a click.
    void HintMouseMessage(TControl* control, const Message& msg);
    void CancelHint();
    THintWindow* HintWindow() const { return hintWindow_; }
    // Updates the actions of the visible forms (done when the loop idles).
    void UpdateActions();
    // Runs the action through the action lists' and the application's handlers.
    bool ExecuteAction(class TBasicAction* action);
    bool UpdateAction(class TBasicAction* action);

    TExceptionEvent OnException;
    TNotifyEvent OnIdle;
    TNotifyEvent OnHint;
    std::function<void(TBasicAction* action, bool& handled)> OnActionExecute;
    std::function<void(TBasicAction* action, bool& handled)> OnActionUpdate;

private:
    friend class TCustomForm;
    bool ProcessMessage();
    void Idle();

    std::string title_;
    TCustomForm* mainForm_ = nullptr;
    bool showMainForm_ = true;
    bool terminated_ = false;
    int stopHook_ = 0;
    int hintPause_ = 500, hintHidePause_ = 2500;
    bool showHint_ = true;
    TColor hintColor_ = clInfoBk;
    std::string hint_;
    std::unique_ptr<TIcon> icon_;
    void ActivateHint();
    void HideHint();
    TControl* hintControl_ = nullptr;
    std::shared_ptr<bool> hintAlive_;
    THintWindow* hintWindow_ = nullptr;
    win::UINT_PTR hintTimer_ = 0;
    win::RECT hintCursorRect_{};
};

// The process's application object and screen, made by InitializeUI.
extern TApplication* Application;

// Work that other threads hand to the main thread (a serial port's events):
// every message loop of the application calls the hook when it finds no
// message, before it waits; the hook answers whether it ran anything. A thread
// that hands work calls WakeMainThread so that a waiting loop looks again.
void SetSynchronizeHook(std::function<bool()> hook);
void WakeMainThread();

// Registers the framework's classes for stored definitions and creates the
// application and screen objects; FinalizeUI frees them. Both may run again
// (tests do, between cases).
void InitializeUI();
void FinalizeUI();

// Message box results.
constexpr int IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7;
constexpr win::UINT MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3,
                    MB_YESNO = 0x4, MB_RETRYCANCEL = 0x5, MB_ICONSTOP = 0x10, MB_ICONERROR = 0x10,
                    MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30, MB_ICONEXCLAMATION = 0x30,
                    MB_ICONINFORMATION = 0x40, MB_ICONASTERISK = 0x40;

} // namespace tv
