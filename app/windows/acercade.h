#pragma once
// Tfacercade, the about box: the system's name and version.
#include "framework/ui/forms.h"

namespace tv::app {

class Tfacercade : public TForm {
    TV_CLASS(Tfacercade, TForm)
public:
    explicit Tfacercade(TComponent* owner = nullptr);
    ~Tfacercade() override;
    static void Publish(TPublisher& p);

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
};

} // namespace tv::app
