#pragma once
// Tfconfigura, the serial-device configuration: F4 sets up the cash drawer's
// port and F7 the scale's, each stored in its ini file of the application
// directory ("cnfptocaj.ini", "cnfptobal.ini").
#include <string>

#include "framework/ui/forms.h"

namespace tv {
class TBitBtn;
class TComPort;
class TPanel;
} // namespace tv

namespace tv::app {

class Tfconfigura : public TForm {
    TV_CLASS(Tfconfigura, TForm)
public:
    explicit Tfconfigura(TComponent* owner = nullptr);
    ~Tfconfigura() override;
    static void Publish(TPublisher& p);

    TBitBtn* SpeedButton1 = nullptr;  // "F4: Monedero"
    TBitBtn* SpeedButton2 = nullptr;  // "F7: Balanza"
    TComPort* ComPort1 = nullptr;
    // The rest of the stored definition's components.
    TPanel* Panel1 = nullptr;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormKeyDown(TObject* sender, win::WORD& key, TShiftState shift);
    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);

private:
    // Runs the port's setup dialog; stores the settings only when it was confirmed.
    void ConfigureDispositivo(const std::string& archivo);
};

} // namespace tv::app
