#include "skin/skinbroadcast.h"

#include <vector>

#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "skin/commondata.h"
#include "skin/formanimation.h"
#include "skin/skinprovider.h"
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

void UnlockFormsRedraw(TsSkinManager* sm, bool repaint) {
    if (!Application) return;
    for (int i = 0; i < Application->ComponentCount(); ++i) {
        auto* f = dynamic_cast<TCustomForm*>(Application->Components(i));
        if (!TopLevelShown(f)) continue;
        HWND wnd = f->Handle();
        TsSkinProvider* p = reinterpret_cast<TsSkinProvider*>(SendMessage(wnd, SM_ALPHACMD, SkinCommand(SKCMD_GET_PROVIDER), 0));
        if (repaint && p && sm && p->SkinData()->GetSkinManager() == sm) {
            TacSkinChanging* fade = sm->AnimEffects()->SkinChanging();
            if (fade->Active()) AnimateForm(f, fade->Time());
            SendMessage(wnd, WM_SETREDRAW, 1, 0);
            SetWindowRgn(wnd, nullptr, FALSE);
            p->UpdateWindowRegion(false);
            RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
            continue;
        }
        SendMessage(wnd, WM_SETREDRAW, 1, 0);
        if (repaint)
            RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    }
}

namespace {

bool Destroying(const TComponent* c) { return c->ComponentState().Contains(csDestroying); }

// A control that answers the skinned query takes a skin message through its
// own window procedure and hands it on to its children itself.
void Deliver(TControl* c, const Message& msg) {
    auto* w = dynamic_cast<TWinControl*>(c);
    if (w && w->HandleAllocated()) SendMessage(w->Handle(), msg.Msg, msg.WParam, msg.LParam);
    else c->Perform(msg.Msg, msg.WParam, msg.LParam);
}

void Walk(TWinControl* parent, const Message& msg) {
    // A child may go while the message is handled: the list is copied and
    // each control checked again before its turn.
    std::vector<TControl*> children;
    for (int i = 0; i < parent->ControlCount(); ++i) children.push_back(parent->Controls(i));
    for (TControl* c : children) {
        if (!parent->ContainsControl(c) || Destroying(c)) continue;
        auto* w = dynamic_cast<TWinControl*>(c);
        if (!w) c->Perform(msg.Msg, msg.WParam, msg.LParam);
        else if (ControlIsSkinned(w)) Deliver(w, msg);
        else Walk(w, msg);
    }
}

} // namespace

void BroadcastToChildren(TWinControl* parent, Message& msg) {
    if (!parent) return;
    try {
        Walk(parent, msg);
    } catch (...) {
        // A failing control ends the walk; the skin change goes on.
    }
}

void BroadcastToForms(Message& msg) {
    FormsLastFirst([&](TCustomForm* f) {
        if (!Broadcastable(f)) return;
        // A form with a provider hands the message on to its controls itself.
        bool passesOn = ControlIsSkinned(f);
        Deliver(f, msg);
        if (!passesOn && !Destroying(f)) BroadcastToChildren(f, msg);
        if (!Destroying(f) && f->FormStyle() == fsMDIForm && f->ClientHandle())
            SendMessage(f->ClientHandle(), msg.Msg, msg.WParam, msg.LParam);
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
