#pragma once
// Message boxes: MessageDlg, ShowMessage and the application's MessageBox,
// with their button sets and kinds, and Beep. A hook can answer them in
// place of a person (tests do, and read what they said).
#include <functional>
#include <string>

#include "core/sets.h"
#include "framework/ui/forms.h"

namespace tv {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// What a message box asks.
struct TMessageRequest {
    std::string text;
    std::string caption;
    TMsgDlgType type = mtCustom;
    TMsgDlgButtons buttons;
};

// Answers with a modal result (mrOk, mrYes...). Without a hook a dialog is shown.
using TMessageHook = std::function<TModalResult(const TMessageRequest&)>;
TMessageHook SetMessageHook(TMessageHook hook);

TModalResult MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
void ShowMessage(const std::string& msg);
// The dialog a message box shows, for callers that want to change it first.
TCustomForm* CreateMessageDialog(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons);
// Asks the hook, or shows the dialog.
TModalResult RunMessage(const TMessageRequest& request);

// Sounds the bell; a hook may listen instead (tests count the beeps).
void Beep();
std::function<void()> SetBeepHook(std::function<void()> hook);

} // namespace tv
