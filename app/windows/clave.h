#pragma once
// Tfclave, the password prompt that authorises the closing of the point of
// sale or a return, against the passwords kept in the settings.
#include "framework/ui/forms.h"

namespace tv {
class TBitBtn;
class TEdit;
class TLabel;
class TPanel;
} // namespace tv

namespace tv::app {

class Tfclave : public TForm {
    TV_CLASS(Tfclave, TForm)
public:
    explicit Tfclave(TComponent* owner = nullptr);
    ~Tfclave() override;
    static void Publish(TPublisher& p);

    TEdit* TClave = nullptr;
    TBitBtn* BitBtn1 = nullptr;  // "Autoriza"
    TBitBtn* BitBtn2 = nullptr;  // "Cancela"
    // The rest of the stored definition's components.
    TPanel* GroupBox1 = nullptr;
    TLabel *Label2 = nullptr, *Label1 = nullptr;

    void FormKeyDown(TObject* sender, win::WORD& key, TShiftState shift);
    void Enteratab(TObject* sender, char32_t& key);
    void BitBtn1Click(TObject* sender);
};

} // namespace tv::app
