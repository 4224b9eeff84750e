#include "core/formreader.h"
#include "core/rtlconsts.h"
#include "core/sysformat.h"
#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "framework/ui/screen.h"

namespace tv {

TDataModule::TDataModule(TComponent* owner) : TComponent(owner) {
    if (Screen) Screen->AddDataModule(this);
}

TDataModule::~TDataModule() {
    if (!destroyDone_ && OnDestroy) {
        destroyDone_ = true;
        OnDestroy(this);
    }
    if (Screen) Screen->RemoveDataModule(this);
}

void TDataModule::Publish(TPublisher& p) {
    p.Integer("Left", &TDataModule::Left, &TDataModule::SetLeft);
    p.Integer("Top", &TDataModule::Top, &TDataModule::SetTop);
    p.Integer("Height", &TDataModule::Height, &TDataModule::SetHeight);
    p.Integer("Width", &TDataModule::Width, &TDataModule::SetWidth);
    p.Boolean("OldCreateOrder", &TDataModule::OldCreateOrder, &TDataModule::SetOldCreateOrder).Default(false);
    p.Event("OnCreate", &TDataModule::OnCreate);
    p.Event("OnDestroy", &TDataModule::OnDestroy);
}

void TDataModule::AfterConstruction() {
    if (ClassType() != TDataModule::StaticClass()) {
        if (!InitInheritedComponent(this, TDataModule::StaticClass()))
            throw EReadError(Format(LoadResString(SResNotFound), ClassName()));
    }
    if (OnCreate) OnCreate(this);
}

void TDataModule::Free() {
    if (!destroyDone_) {
        destroyDone_ = true;
        try {
            if (OnDestroy) OnDestroy(this);
        } catch (...) {
            if (Application) Application->HandleException(this);
        }
    }
    delete this;
}

} // namespace tv
