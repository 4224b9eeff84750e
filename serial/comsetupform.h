#pragma once
// The port setup window, read from its stored definition: six lists
// (Combo1 to Combo6) bound to one port by RunComSetupDialog, OK and Cancel.
#include <memory>

#include "framework/ui/forms.h"

namespace tv {

class TComComboBox;
class TComSetupView;

class TComSetupFrm : public TForm {
    TV_CLASS(TComSetupFrm, TForm)
public:
    explicit TComSetupFrm(TComponent* owner = nullptr);
    ~TComSetupFrm() override;
    static void Publish(TPublisher& p);

    // Combo1 to Combo6.
    TComComboBox* Combo(int index) const;

    // The lists keep their value texts; everything else is translated in
    // the "cport" domain.
    void FormCreate(TObject* sender);
};

// Makes the classes of the stored window known to the reader.
void RegisterComSetupClasses();
// The setup window as RunComSetupDialog uses it. Without a running
// application there is no window to show, and the windowless lists stand in.
std::unique_ptr<TComSetupView> NewComSetupView();

} // namespace tv
