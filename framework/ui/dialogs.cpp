#include "framework/ui/dialogs.h"

#include <algorithm>
#include <cstdio>

#include "core/resourcestrings.h"
#include "framework/ui/application.h"
#include "framework/ui/basiccontrols.h"
#include "platform/window/desktop.h"

namespace tv {

TV_RESOURCESTRING(SMsgDlgWarning, "Advertencia")
TV_RESOURCESTRING(SMsgDlgError, "Error")
TV_RESOURCESTRING(SMsgDlgInformation, "Información")
TV_RESOURCESTRING(SMsgDlgConfirm, "Confirmación")
TV_RESOURCESTRING(SMsgDlgYes, "&Sí")
TV_RESOURCESTRING(SMsgDlgNo, "&No")
TV_RESOURCESTRING(SMsgDlgOK, "Aceptar")
TV_RESOURCESTRING(SMsgDlgCancel, "Cancelar")
TV_RESOURCESTRING(SMsgDlgAbort, "&Abortar")
TV_RESOURCESTRING(SMsgDlgRetry, "&Reintentar")
TV_RESOURCESTRING(SMsgDlgIgnore, "&Ignorar")
TV_RESOURCESTRING(SMsgDlgAll, "&Todos")
TV_RESOURCESTRING(SMsgDlgNoToAll, "N&o a todos")
TV_RESOURCESTRING(SMsgDlgYesToAll, "Sí a &todos")
TV_RESOURCESTRING(SMsgDlgHelp, "A&yuda")

namespace {
TMessageHook& Hook() {
    static TMessageHook h;
    return h;
}
std::function<void()>& BeepFn() {
    static std::function<void()> f;
    return f;
}

const ResourceString* ButtonCaption(TMsgDlgBtn b) {
    static const ResourceString* caps[] = {&SMsgDlgYes, &SMsgDlgNo, &SMsgDlgOK, &SMsgDlgCancel,
                                           &SMsgDlgAbort, &SMsgDlgRetry, &SMsgDlgIgnore, &SMsgDlgAll,
                                           &SMsgDlgNoToAll, &SMsgDlgYesToAll, &SMsgDlgHelp};
    return caps[b];
}

TModalResult ButtonResult(TMsgDlgBtn b) {
    static const TModalResult r[] = {mrYes, mrNo, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrAll, mrNoToAll,
                                     mrYesToAll, mrNone};
    return r[b];
}

std::string TypeCaption(TMsgDlgType t) {
    switch (t) {
    case mtWarning: return LoadResString(SMsgDlgWarning);
    case mtError: return LoadResString(SMsgDlgError);
    case mtInformation: return LoadResString(SMsgDlgInformation);
    case mtConfirmation: return LoadResString(SMsgDlgConfirm);
    default: return Application ? Application->Title() : std::string();
    }
}
} // namespace

TMessageHook SetMessageHook(TMessageHook hook) {
    TMessageHook old = std::move(Hook());
    Hook() = std::move(hook);
    return old;
}

TCustomForm* CreateMessageDialog(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons) {
    auto* f = new TForm(Application);
    f->SetBorderStyle(bsDialog);
    f->SetPosition(poScreenCenter);
    f->SetCaption(TypeCaption(type));
    auto* label = new TLabel(f);
    label->SetName("Message");
    label->SetParent(f);
    label->SetCaption(msg);
    // A long message wraps at half the screen's width: on one line the box
    // would stand wider than the screen, its text cut at both ends.
    if (const int widest = win::ScreenWidth() / 2; label->Width() > widest) {
        label->SetWidth(widest);
        label->SetWordWrap(true);
    }
    label->SetBounds(16, 16, label->Width(), label->Height());
    std::vector<TMsgDlgBtn> list;
    for (int b = mbYes; b <= mbHelp; ++b)
        if (buttons.Contains(TMsgDlgBtn(b))) list.push_back(TMsgDlgBtn(b));
    int bw = 75, gap = 8;
    int total = int(list.size()) * bw + std::max(0, int(list.size()) - 1) * gap;
    int cw = std::max(total, label->Width()) + 32;
    int ch = label->Height() + 16 + 16 + 25 + 16;
    f->SetClientWidth(cw);
    f->SetClientHeight(ch);
    int x = (cw - total) / 2;
    bool first = true;
    for (TMsgDlgBtn b : list) {
        auto* btn = new TButton(f);
        btn->SetParent(f);
        btn->SetCaption(LoadResString(*ButtonCaption(b)));
        btn->SetModalResult(ButtonResult(b));
        btn->SetBounds(x, ch - 16 - 25, bw, 25);
        if (first) btn->SetDefault(true);
        if (b == mbCancel || (b == mbNo && !buttons.Contains(mbCancel)) || list.size() == 1) btn->SetCancel(true);
        first = false;
        x += bw + gap;
    }
    return f;
}

TModalResult RunMessage(const TMessageRequest& r) {
    if (Hook()) return Hook()(r);
    TCustomForm* f = CreateMessageDialog(r.text, r.type, r.buttons);
    if (!r.caption.empty()) f->SetCaption(r.caption);
    TModalResult m = mrCancel;
    try {
        m = f->ShowModal();
    } catch (...) {
        f->Free();
        throw;
    }
    f->Free();
    return m;
}

TModalResult MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int) {
    TMessageRequest r;
    r.text = msg;
    r.caption = TypeCaption(type);
    r.type = type;
    r.buttons = buttons;
    return RunMessage(r);
}

void ShowMessage(const std::string& msg) {
    TMessageRequest r;
    r.text = msg;
    r.caption = Application ? Application->Title() : std::string();
    r.type = mtCustom;
    r.buttons = TMsgDlgButtons{mbOK};
    RunMessage(r);
}

void Beep() {
    if (BeepFn()) {
        BeepFn()();
        return;
    }
    std::fputc('\a', stderr);
}

std::function<void()> SetBeepHook(std::function<void()> hook) {
    auto old = std::move(BeepFn());
    BeepFn() = std::move(hook);
    return old;
}

} // namespace tv
