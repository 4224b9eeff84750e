#include "skin/mdiform.h"

#include "framework/ui/forms.h"
#include "framework/ui/menus.h"
#include "platform/window/queue.h"
#include "skin/scrolladapters.h"
#include "skin/skinprovider.h"

namespace tv {

TsMDIForm::TsMDIForm(TsSkinProvider* provider) : provider_(provider), form_(provider->Form()) {
    ProviderState.MDIMain = provider;
    if (form_) form_->HandleNeeded();
}

TsMDIForm::~TsMDIForm() = default;

void TsMDIForm::Update() {
    if (provider_->ComponentState().Contains(csDesigning) || client_) return;
    UpdateMDIClient();
}

void TsMDIForm::UpdateMDIClient() {
    if (!form_ || !form_->ClientHandle()) return;
    if (!provider_->SkinData()->Skinned()) {
        client_.reset();
        return;
    }
    if (client_ && client_->Detached) client_.reset();
    if (!client_) {
        client_ = std::make_unique<TacMDIWnd>(form_->ClientHandle(), true, provider_->SkinData()->GetSkinManager(),
                                              nullptr, true);
        client_->Form = form_;
        client_->FormLink = provider_->SkinData();
    }
}

void TsMDIForm::UpdateMDIMenu() {
    TCustomForm* child = form_ ? form_->ActiveMDIChild() : nullptr;
    if (child && child->WindowState() == wsMaximized && form_->Menu() && form_->Menu()->Items()->Count() > 0) {
        provider_->SkinData()->Updating = true;
        win::ProcessPendingMessages();
        provider_->SkinData()->Updating = false;
        provider_->SkinData()->BGChanged = false;
    }
    provider_->InvalidateFrame(true);
}

} // namespace tv
