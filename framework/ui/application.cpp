#include "framework/ui/application.h"

#include "core/sysformat.h"
#include "framework/ui/actions.h"
#include "framework/ui/dialogs.h"
#include "framework/ui/forms.h"
#include "framework/ui/hintwindow.h"
#include "framework/ui/screen.h"
#include "platform/backend/backend.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

TApplication* Application = nullptr;

namespace {

std::function<bool()>& SynchronizeHook() {
    static std::function<bool()> hook;
    return hook;
}

} // namespace

void SetSynchronizeHook(std::function<bool()> hook) { SynchronizeHook() = std::move(hook); }

void WakeMainThread() { CurrentBackend().Wake(); }

TApplication::TApplication(TComponent* owner) : TComponent(owner), icon_(std::make_unique<TIcon>()) {
    // A stop request from the desktop closes the main form, as its close
    // button would (the form may still refuse and say why).
    stopHook_ = HookApplicationWindow([this](Message& m) {
        if (m.Msg != WM_CLOSE) return false;
        if (mainForm_) mainForm_->Close();
        else Terminate();
        return true;
    });
}

TApplication::~TApplication() {
    UnhookApplicationWindow(stopHook_);
    CancelHint();
    delete hintWindow_;
    hintWindow_ = nullptr;
    // Forms and data modules go with OnDestroy run while they are whole,
    // the last created first.
    while (ComponentCount() > 0) {
        TComponent* c = Components(ComponentCount() - 1);
        if (auto* f = dynamic_cast<TCustomForm*>(c)) f->Free();
        else if (auto* d = dynamic_cast<TDataModule*>(c)) d->Free();
        else delete c;
    }
    if (Application == this) Application = nullptr;
}

void TApplication::SetTitle(const std::string& v) {
    title_ = v;
    SetWindowText(GetApplicationWindow(), v);
}

HWND TApplication::Handle() const { return GetApplicationWindow(); }

int TApplication::HookMainWindow(std::function<bool(Message&)> hook) { return HookApplicationWindow(std::move(hook)); }

void TApplication::UnhookMainWindow(int id) { UnhookApplicationWindow(id); }

void TApplication::Run() {
    if (mainForm_ && showMainForm_) {
        try {
            mainForm_->SetVisible(true);
        } catch (...) {
            HandleException(this);
        }
    }
    while (!terminated_) HandleMessage();
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

bool TApplication::ProcessMessage() {
    MSG msg;
    if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    try {
        // While a drag holds the mouse the keys are its own (Esc cancels it).
        if (TDragEngine::KeyMessage(msg)) return true;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    } catch (...) {
        HandleException(this);
    }
    return true;
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
        if (terminated_) break;
    }
}

void TApplication::HandleMessage() {
    if (!ProcessMessage()) Idle();
}

void TApplication::Idle() {
    // What handed work did may have queued messages: look again before waiting.
    bool handed = false;
    try {
        handed = SynchronizeHook() && SynchronizeHook()();
    } catch (...) {
        handed = true;
        HandleException(this);
    }
    try {
        UpdateActions();
        if (OnIdle) OnIdle(this);
    } catch (...) {
        HandleException(this);
    }
    // Waiting may run a test's scripted step; its failures are the test's.
    if (!handed) WaitMessage();
}

void TApplication::UpdateActions() {
    if (!Screen) return;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* f = Screen->Forms(i);
        if (f->Visible()) f->UpdateActions();
    }
}

bool TApplication::ExecuteAction(TBasicAction* action) {
    bool handled = false;
    if (OnActionExecute) OnActionExecute(action, handled);
    return handled;
}

bool TApplication::UpdateAction(TBasicAction* action) {
    bool handled = false;
    if (OnActionUpdate) OnActionUpdate(action, handled);
    return handled;
}

void TApplication::SetHint(const std::string& v) {
    if (v == hint_) return;
    hint_ = v;
    if (OnHint) OnHint(this);
}

void TApplication::HandleException(TObject* sender) {
    if (HWND cap = GetCapture()) SendMessage(cap, WM_CANCELMODE, 0, 0);
    std::exception_ptr ep = std::current_exception();
    if (!ep) return;
    try {
        std::rethrow_exception(ep);
    } catch (EAbort&) {
        // The silent exception.
    } catch (Exception& e) {
        if (OnException) OnException(sender, e);
        else ShowException(e);
    } catch (std::exception& e) {
        Exception wrapped(e.what());
        if (OnException) OnException(sender, wrapped);
        else ShowException(wrapped);
    }
}

void TApplication::ShowException(const Exception& e) {
    std::string msg = e.Message();
    if (!msg.empty() && msg.back() > '.') msg += '.';
    MessageBox(msg, title_, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
    TMessageRequest r;
    r.text = text;
    r.caption = caption;
    switch (flags & 0xF0) {
    case MB_ICONSTOP: r.type = mtError; break;
    case MB_ICONQUESTION: r.type = mtConfirmation; break;
    case MB_ICONWARNING: r.type = mtWarning; break;
    case MB_ICONINFORMATION: r.type = mtInformation; break;
    default: r.type = mtCustom; break;
    }
    switch (flags & 0x0F) {
    case MB_OKCANCEL: r.buttons = mbOKCancel; break;
    case MB_ABORTRETRYIGNORE: r.buttons = mbAbortRetryIgnore; break;
    case MB_YESNOCANCEL: r.buttons = mbYesNoCancel; break;
    case MB_YESNO: r.buttons = TMsgDlgButtons{mbYes, mbNo}; break;
    case MB_RETRYCANCEL: r.buttons = TMsgDlgButtons{mbRetry, mbCancel}; break;
    default: r.buttons = TMsgDlgButtons{mbOK}; break;
    }
    TModalResult m = RunMessage(r);
    switch (m) {
    case mrOk: return IDOK;
    case mrYes: return IDYES;
    case mrNo: return IDNO;
    case mrAbort: return IDABORT;
    case mrRetry: return IDRETRY;
    case mrIgnore: return IDIGNORE;
    default: return IDCANCEL;
    }
}

} // namespace tv
