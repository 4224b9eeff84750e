#include "framework/ui/actions.h"

#include <algorithm>

#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "framework/ui/screen.h"
#include "framework/ui/printers.h"
#include "framework/ui/stdctrls/printersetupdialog.h"

namespace tv {

using namespace tv::win;

namespace {
// Targets of an action that no handler took: the focused control, the active
// form, the main form.
bool DispatchToTargets(TBasicAction* a, bool execute) {
    std::vector<TControl*> targets;
    if (Screen && Screen->ActiveControl()) targets.push_back(Screen->ActiveControl());
    if (Screen && Screen->ActiveForm()) targets.push_back(Screen->ActiveForm());
    if (Application && Application->MainForm()) targets.push_back(Application->MainForm());
    for (TControl* t : targets)
        if (execute ? t->ExecuteAction(a) : t->UpdateAction(a)) return true;
    return false;
}
} // namespace

// --- TBasicAction --------------------------------------------------------------------

TBasicAction::TBasicAction(TComponent* owner) : TComponent(owner) {}

TBasicAction::~TBasicAction() {
    for (TActionLink* l : std::vector<TActionLink*>(clients_)) l->SetAction(nullptr);
}

void TBasicAction::Publish(TPublisher& p) {
    p.Event("OnExecute", &TBasicAction::OnExecute);
    p.Event("OnUpdate", &TBasicAction::OnUpdate);
}

bool TBasicAction::Execute() {
    if (!OnExecute) return false;
    OnExecute(this);
    return true;
}

bool TBasicAction::Update() {
    if (!OnUpdate) return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::Change() {
    for (TActionLink* l : std::vector<TActionLink*>(clients_)) l->Changed();
}

// --- TContainedAction ----------------------------------------------------------------

TContainedAction::~TContainedAction() {
    if (actionList_) actionList_->RemoveAction(this);
}

void TContainedAction::Publish(TPublisher& p) {
    p.String("Category", &TContainedAction::Category, &TContainedAction::SetCategory);
}

void TContainedAction::SetActionList(TCustomActionList* list) {
    if (list == actionList_) return;
    if (actionList_) actionList_->RemoveAction(this);
    if (list) list->AddAction(this);
}

int TContainedAction::Index() const { return actionList_ ? actionList_->IndexOf(this) : -1; }

TComponent* TContainedAction::GetParentComponent() const { return actionList_; }

void TContainedAction::SetParentComponent(TComponent* parent) {
    if (auto* l = dynamic_cast<TCustomActionList*>(parent)) SetActionList(l);
}

bool TContainedAction::Execute() {
    auto alive = std::make_shared<bool>(true);
    if (actionList_ && actionList_->ExecuteAction(this)) return true;
    if (Application && Application->ExecuteAction(this)) return true;
    if (TBasicAction::Execute()) return true;
    return DispatchToTargets(this, true);
}

bool TContainedAction::Update() {
    if (actionList_ && actionList_->UpdateAction(this)) return true;
    if (Application && Application->UpdateAction(this)) return true;
    if (TBasicAction::Update()) return true;
    return DispatchToTargets(this, false);
}

// --- TCustomAction -------------------------------------------------------------------

void TCustomAction::Publish(TPublisher& p) {
    p.Boolean("AutoCheck", &TCustomAction::AutoCheck, &TCustomAction::SetAutoCheck).Default(false);
    p.String("Caption", &TCustomAction::Caption, &TCustomAction::SetCaption);
    p.Boolean("Checked", &TCustomAction::Checked, &TCustomAction::SetChecked).Default(false);
    p.Boolean("Enabled", &TCustomAction::Enabled, &TCustomAction::SetEnabled).Default(true);
    p.Integer("GroupIndex", &TCustomAction::GroupIndex, &TCustomAction::SetGroupIndex).Default(0);
    p.Integer("HelpContext", &TCustomAction::HelpContext, &TCustomAction::SetHelpContext).Default(0);
    p.String("Hint", &TCustomAction::Hint, &TCustomAction::SetHint);
    p.Integer("ImageIndex", &TCustomAction::ImageIndex, &TCustomAction::SetImageIndex).Default(-1);
    p.Integer("ShortCut", &TCustomAction::ShortCut, &TCustomAction::SetShortCut).Default(0);
    p.Boolean("Visible", &TCustomAction::Visible, &TCustomAction::SetVisible).Default(true);
}

void TCustomAction::SetCaption(const std::string& v) { if (v != caption_) { caption_ = v; Change(); } }
void TCustomAction::SetEnabled(bool v) { if (v != enabled_) { enabled_ = v; Change(); } }
void TCustomAction::SetHint(const std::string& v) { if (v != hint_) { hint_ = v; Change(); } }
void TCustomAction::SetImageIndex(int v) { if (v != imageIndex_) { imageIndex_ = v; Change(); } }
void TCustomAction::SetShortCut(TShortCut v) { if (v != shortCut_) { shortCut_ = v; Change(); } }
void TCustomAction::SetVisible(bool v) { if (v != visible_) { visible_ = v; Change(); } }

void TCustomAction::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    // Actions of one group are checked one at a time.
    if (v && groupIndex_ > 0 && ActionList()) {
        for (int i = 0; i < ActionList()->ActionCount(); ++i)
            if (auto* o = dynamic_cast<TCustomAction*>(ActionList()->Actions(i));
                o && o != this && o->groupIndex_ == groupIndex_)
                o->SetChecked(false);
    }
    Change();
}

bool TCustomAction::Update() {
    bool handled = TContainedAction::Update();
    if (!handled && disableIfNoHandler_) SetEnabled(static_cast<bool>(OnExecute));
    return handled;
}

bool TCustomAction::Execute() {
    auto alive = std::make_shared<bool>(true);
    Update();
    if (!enabled_) return false;
    if (autoCheck_) SetChecked(!checked_);
    return TContainedAction::Execute();
}

// --- TCustomActionList ---------------------------------------------------------------

TCustomActionList::~TCustomActionList() {
    for (TContainedAction* a : std::vector<TContainedAction*>(actions_)) RemoveAction(a);
}

void TCustomActionList::Publish(TPublisher& p) {
    p.Component("Images", &TCustomActionList::Images, &TCustomActionList::SetImages);
    p.Event("OnExecute", &TCustomActionList::OnExecute);
    p.Event("OnUpdate", &TCustomActionList::OnUpdate);
}

void TCustomActionList::AddAction(TContainedAction* a) {
    if (std::find(actions_.begin(), actions_.end(), a) != actions_.end()) return;
    actions_.push_back(a);
    a->actionList_ = this;
}

void TCustomActionList::RemoveAction(TContainedAction* a) {
    auto it = std::find(actions_.begin(), actions_.end(), a);
    if (it == actions_.end()) return;
    actions_.erase(it);
    a->actionList_ = nullptr;
}

int TCustomActionList::IndexOf(const TContainedAction* a) const {
    auto it = std::find(actions_.begin(), actions_.end(), a);
    return it == actions_.end() ? -1 : int(it - actions_.begin());
}

bool TCustomActionList::IsShortCut(Message& msg) {
    TShortCut sc = ShortCutFromMessage(msg);
    if (!sc) return false;
    for (TContainedAction* a : std::vector<TContainedAction*>(actions_)) {
        auto* ca = dynamic_cast<TCustomAction*>(a);
        if (!ca || ca->ShortCut() != sc) continue;
        ca->Update();
        if (ca->Enabled() && ca->Visible()) {
            ca->Execute();
            return true;
        }
        return false;
    }
    return false;
}

bool TCustomActionList::ExecuteAction(TBasicAction* action) {
    bool handled = false;
    if (OnExecute) OnExecute(action, handled);
    return handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* action) {
    bool handled = false;
    if (OnUpdate) OnUpdate(action, handled);
    return handled;
}

void TCustomActionList::UpdateAll() {
    for (TContainedAction* a : std::vector<TContainedAction*>(actions_)) a->Update();
}

void TCustomActionList::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (TContainedAction* a : actions_)
        if (a->Owner() == root) proc(a);
}

// --- links ----------------------------------------------------------------------------

TActionLink::~TActionLink() { SetAction(nullptr); }

void TActionLink::SetAction(TBasicAction* action) {
    if (action == action_) return;
    if (action_) {
        auto& c = action_->clients_;
        c.erase(std::remove(c.begin(), c.end(), this), c.end());
    }
    action_ = action;
    if (action_) action_->clients_.push_back(this);
}

bool TActionLink::Execute(TComponent* component) {
    if (!action_) return false;
    action_->SetActionComponent(component);
    auto* a = action_;
    bool r = a->Execute();
    return r;
}

bool TActionLink::Update() { return action_ && action_->Update(); }

void TControlActionLink::Changed() { static_cast<TControl*>(client_)->ActionChange(action_, false); }

void TMenuActionLink::Changed() { static_cast<TMenuItem*>(client_)->ActionChange(action_, false); }

// --- standard actions -------------------------------------------------------------------

std::function<void()> TFilePrintSetup::ShowPrinterSetup;

TFileExit::TFileExit(TComponent* owner) : TCustomAction(owner) { SetCaption("&Salir"); }

void TFileExit::ExecuteTarget(TObject*) {
    if (Application && Application->MainForm()) Application->MainForm()->Close();
}

TFilePrintSetup::TFilePrintSetup(TComponent* owner) : TCustomAction(owner) { SetCaption("&Configurar impresora"); }

void TFilePrintSetup::ExecuteTarget(TObject*) {
    if (ShowPrinterSetup) {
        ShowPrinterSetup();
        return;
    }
    TPrinter* printer = Printer();
    TPrinterSetupDialog dialog;
    int current = printer->PrinterIndex();
    dialog.SetPrinterName(printer->Printers()->Strings(current));
    if (!dialog.Execute()) return;
    int chosen = printer->Printers()->IndexOf(dialog.PrinterName());
    if (chosen >= 0 && chosen != current) printer->SetPrinterIndex(chosen);
}

TCustomForm* TWindowAction::Form(TObject* target) const {
    auto* f = dynamic_cast<TCustomForm*>(target);
    return f && f->FormStyle() == fsMDIForm ? f : nullptr;
}

bool TWindowAction::HandlesTarget(TObject* target) { return Form(target) != nullptr; }

void TWindowAction::UpdateTarget(TObject* target) {
    TCustomForm* f = Form(target);
    SetEnabled(f && f->MDIChildCount() > 0);
}

TWindowArrange::TWindowArrange(TComponent* owner) : TWindowAction(owner) { SetCaption("&Organizar"); }
void TWindowArrange::ExecuteTarget(TObject* t) { if (auto* f = Form(t)) f->ArrangeIcons(); }

TWindowCascade::TWindowCascade(TComponent* owner) : TWindowAction(owner) { SetCaption("C&ascada"); }
void TWindowCascade::ExecuteTarget(TObject* t) { if (auto* f = Form(t)) f->Cascade(); }

TWindowClose::TWindowClose(TComponent* owner) : TWindowAction(owner) { SetCaption("&Cerrar"); }
void TWindowClose::ExecuteTarget(TObject* t) {
    if (auto* f = Form(t))
        if (TCustomForm* c = f->ActiveMDIChild()) c->Close();
}

TWindowMinimizeAll::TWindowMinimizeAll(TComponent* owner) : TWindowAction(owner) { SetCaption("&Minimizar todas"); }
void TWindowMinimizeAll::ExecuteTarget(TObject* t) {
    if (auto* f = Form(t))
        for (int i = f->MDIChildCount() - 1; i >= 0; --i) f->MDIChildren(i)->SetWindowState(wsMinimized);
}

TWindowTileHorizontal::TWindowTileHorizontal(TComponent* owner) : TWindowAction(owner) { SetCaption("&Mosaico"); }
void TWindowTileHorizontal::ExecuteTarget(TObject* t) {
    if (auto* f = Form(t)) {
        f->SetTileMode(tbHorizontal);
        f->Tile();
    }
}

bool TEditAction::HandlesTarget(TObject* target) {
    auto* w = dynamic_cast<TWinControl*>(target);
    return w && w->Focused() && (w->Perform(WM_GETDLGCODE) & DLGC_HASSETSEL);
}

void TEditAction::UpdateTarget(TObject* target) { SetEnabled(HandlesTarget(target)); }

void TEditAction::ExecuteTarget(TObject* target) {
    if (auto* w = dynamic_cast<TWinControl*>(target)) w->Perform(message_);
}

TEditCut::TEditCut(TComponent* owner) : TEditAction(owner) {
    SetCaption("C&ortar");
    SetShortCut(scCtrl | 'X');
    message_ = WM_CUT;
}
TEditCopy::TEditCopy(TComponent* owner) : TEditAction(owner) {
    SetCaption("&Copiar");
    SetShortCut(scCtrl | 'C');
    message_ = WM_COPY;
}
TEditPaste::TEditPaste(TComponent* owner) : TEditAction(owner) {
    SetCaption("&Pegar");
    SetShortCut(scCtrl | 'V');
    message_ = WM_PASTE;
}

} // namespace tv
