#include "skin/skinbroadcast.h"

#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "skin/skinmanager.h"
#include "skin/skinmessage.h"

namespace tv {

using namespace win;

namespace {

bool Designing(const TComponent& c) { return c.ComponentState().Contains(csDesigning); }

bool Broadcastable(TCustomForm* f) {
    return f && f->FormStyle() != fsMDIChild && !f->ComponentState().Contains(csDestroying);
}

bool TopLevelShown(TCustomForm* f) { return Broadcastable(f) && !f->Parent() && f->Visible() && f->HandleAllocated(); }

template <class Each>
void FormsLastFirst(Each each) {
    if (!Application) return;
    for (int i = Application->ComponentCount() - 1; i >= 0; --i)
        if (auto* f = dynamic_cast<TCustomForm*>(Application->Components(i))) each(f);
}

void Send(TsSkinManager& sm, int sub) {
    Message msg;
    msg.Msg = SM_ALPHACMD;
    msg.WParam = SkinCommand(sub);
    msg.LParam = LPARAM(&sm);
    BroadcastToForms(msg);
}

} // namespace

void LockFormsRedraw() {
    FormsLastFirst([](TCustomForm* f) {
        if (TopLevelShown(f)) SendMessage(f->Handle(), WM_SETREDRAW, 0, 0);
    });
}

void UnlockFormsRedraw(TsSkinManager*, bool repaint) {
    if (!Application) return;
    for (int i = 0; i < Application->ComponentCount(); ++i) {
        auto* f = dynamic_cast<TCustomForm*>(Application->Components(i));
        if (!TopLevelShown(f)) continue;
        SendMessage(f->Handle(), WM_SETREDRAW, 1, 0);
        if (repaint)
            RedrawWindow(f->Handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    }
}

void BroadcastToChildren(TWinControl* parent, Message& msg) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        Message copy = msg;
        c->Perform(copy.Msg, copy.WParam, copy.LParam);
        if (auto* w = dynamic_cast<TWinControl*>(c)) BroadcastToChildren(w, msg);
    }
}

void BroadcastToForms(Message& msg) {
    FormsLastFirst([&](TCustomForm* f) {
        if (!Broadcastable(f)) return;
        f->Perform(msg.Msg, msg.WParam, msg.LParam);
        BroadcastToChildren(f, msg);
        if (f->FormStyle() == fsMDIForm && f->ClientHandle()) SendMessage(f->ClientHandle(), msg.Msg, msg.WParam, msg.LParam);
    });
}

void ApplySkinToForms(TsSkinManager& sm) {
    if (!Designing(sm)) LockFormsRedraw();
    Send(sm, SKCMD_SKIN_LOADED);
}

void RepaintSkinnedForms(TsSkinManager& sm) {
    if (!Designing(sm)) Send(sm, SKCMD_BEFORE_REFRESH);
    bool loading = sm.ComponentState().Contains(csLoading);
    if (!Designing(sm) && !loading && Application && Application->MainForm()) {
        LockFormsRedraw();
        Send(sm, SKCMD_REFRESH);
        UnlockFormsRedraw(&sm, true);
    } else {
        Send(sm, SKCMD_REFRESH);
        // Forms locked by the skin change get their redrawing back.
        if (!Designing(sm)) UnlockFormsRedraw(&sm, false);
    }
}

void RemoveSkinFromForms(TsSkinManager& sm) { Send(sm, SKCMD_SKIN_REMOVED); }

} // namespace tv
