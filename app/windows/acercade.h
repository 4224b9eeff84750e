#pragma once
// Tfacercade, the about box: the system's name and version.
#include "framework/ui/forms.h"

namespace tv {
class TImage;
class TLabel;
class TPanel;
} // namespace tv

namespace tv::app {

class Tfacercade : public TForm {
    TV_CLASS(Tfacercade, TForm)
public:
    explicit Tfacercade(TComponent* owner = nullptr);
    ~Tfacercade() override;
    static void Publish(TPublisher& p);

    // The stored definition's components.
    TPanel* Panel1 = nullptr;
    TLabel *Label1 = nullptr, *Label2 = nullptr;
    TImage *Image1 = nullptr, *Image2 = nullptr;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
};

} // namespace tv::app
