#include "serial/comsetupform.h"

#include <string>

#include "framework/core/exceptions.h"
#include "framework/ui/application.h"
#include "framework/ui/screen.h"
#include "i18n/gnugettext.h"
#include "platform/gdi/edges.h"
#include "serial/comcombobox.h"
#include "serial/comsetup.h"

namespace tv {

namespace {

// The framework has no group box yet. This one draws the etched frame with
// its caption on the top line and holds the labels and lists; a group box of
// the framework, once registered, takes its place in the stored window.
class TGroupBox : public TCustomControl {
    TV_CLASS(TGroupBox, TCustomControl)
public:
    explicit TGroupBox(TComponent* owner = nullptr) : TCustomControl(owner) {
        controlStyle_ = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                                      csDoubleClicks, csReplicatable};
        SetBounds(0, 0, 185, 105);
    }
    static void Publish(TPublisher&) {}

protected:
    void Paint() override {
        TCanvas* c = Canvas();
        win::RECT r = ClientRect();
        c->Brush()->SetColor(Color());
        c->Brush()->SetStyle(bsSolid);
        c->FillRect(r);
        c->Font()->Assign(Font());
        win::RECT frame{r.left, r.top + c->TextHeight("0") / 2, r.right, r.bottom};
        win::DrawEdge(c->Handle(), &frame, win::EDGE_ETCHED, win::BF_RECT);
        if (!Caption().empty()) c->TextOut(8, 0, Caption());
    }
};

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

void RegisterComSetupClasses() { RegisterClasses({TComComboBox::StaticClass(), TComSetupFrm::StaticClass()}); }

std::unique_ptr<TComSetupView> NewComSetupView() {
    if (!Application || !Screen) return std::make_unique<TComSetupData>();
    RegisterComSetupClasses();
    // The stand-in group box is known only while this window is read, so no
    // other stored window takes it for the framework's.
    struct StandIn {
        bool registered = !GetClass("TGroupBox");
        StandIn() {
            if (registered) RegisterClass(TGroupBox::StaticClass());
        }
        ~StandIn() {
            if (registered) UnRegisterClass(TGroupBox::StaticClass());
        }
    } standIn;
    return std::make_unique<TComSetupFormView>(NewForm<TComSetupFrm>(nullptr));
}

} // namespace tv
