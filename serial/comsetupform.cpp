#include "serial/comsetupform.h"

#include <string>

#include "core/exceptions.h"
#include "framework/ui/application.h"
#include "framework/ui/screen.h"
#include "i18n/gnugettext.h"
#include "framework/ui/checkcontrols.h"
#include "serial/comcombobox.h"
#include "serial/comsetup.h"

namespace tv {

namespace {

// The window behind RunComSetupDialog; it frees the window when done.
class TComSetupFormView : public TComSetupView {
public:
    explicit TComSetupFormView(TComSetupFrm* form) : form_(form), alive_(form->Alive()) {}
    ~TComSetupFormView() override {
        if (*alive_) form_->Free();
    }
    TComSelect& Combo(int index) override { return form_->Combo(index)->Selection(); }
    bool ShowModal() override { return form_->ShowModal() == mrOk; }

private:
    TComSetupFrm* form_;
    std::shared_ptr<bool> alive_;
};

} // namespace

TComSetupFrm::TComSetupFrm(TComponent* owner) : TForm(owner) {}

TComSetupFrm::~TComSetupFrm() = default;

void TComSetupFrm::Publish(TPublisher& p) { p.Method("FormCreate", &TComSetupFrm::FormCreate); }

TComComboBox* TComSetupFrm::Combo(int index) const {
    auto* combo = dynamic_cast<TComComboBox*>(FindComponent("Combo" + std::to_string(index)));
    if (!combo) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return combo;
}

void TComSetupFrm::FormCreate(TObject*) {
    for (int i = 1; i <= 6; ++i) TP_Ignore(this, "Combo" + std::to_string(i));
    TranslateComponent(this, "cport");
}

void RegisterComSetupClasses() { RegisterClasses({TGroupBox::StaticClass(), TComComboBox::StaticClass(), TComSetupFrm::StaticClass()}); }

std::unique_ptr<TComSetupView> NewComSetupView() {
    if (!Application || !Screen) return std::make_unique<TComSetupData>();
    RegisterComSetupClasses();
    return std::make_unique<TComSetupFormView>(NewForm<TComSetupFrm>(nullptr));
}

} // namespace tv
