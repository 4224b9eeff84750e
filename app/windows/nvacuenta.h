#pragma once
// Tfnvacuenta, the new-account window: creates accounts of the company's chart
// one after another, with their flags, type and inflation-adjustment accounts,
// typed or taken from the official chart (PUC). The accounting module opens
// it when the user agrees to create a missing account.
#include <string>

#include "framework/ui/forms.h"

namespace tv {
class TBitBtn;
class TCheckBox;
class TClientDataSet;
class TDBCheckBox;
class TDBEdit;
class TDBRadioGroup;
class TDataSet;
class TDataSetProvider;
class TDataSource;
class TFMTBCDField;
class TField;
class TGroupBox;
class TLabel;
class TSpeedButton;
class TStringField;
class TsSkinProvider;
} // namespace tv

namespace tv::app {

class Tfnvacuenta : public TForm {
    TV_CLASS(Tfnvacuenta, TForm)
public:
    explicit Tfnvacuenta(TComponent* owner = nullptr);
    ~Tfnvacuenta() override;
    static void Publish(TPublisher& p);

    TDBEdit *ECod = nullptr, *ENom = nullptr, *EPorc = nullptr, *EBase = nullptr, *ECtaAjus = nullptr,
            *ECtaCorr = nullptr;
    TDBRadioGroup *DBRadioGroup1 = nullptr, *DBRadioGroup2 = nullptr;
    TDBCheckBox *CkTerceros = nullptr, *CkCentros = nullptr, *CkRetenciones = nullptr;
    TCheckBox* CkAjustable = nullptr;
    TBitBtn* BitBtn1 = nullptr;  // "PUC"
    TSpeedButton *SpeedButton1 = nullptr, *SBGrabar = nullptr, *SBCancelar = nullptr;
    TDataSetProvider* PCuentas = nullptr;
    TClientDataSet* CCuentas = nullptr;
    TDataSource* DSCuentas = nullptr;
    TDataSetProvider* PBorrar = nullptr;
    TClientDataSet* CBorrar = nullptr;
    TsSkinProvider* sSkinProvider1 = nullptr;
    // The rest of the stored definition's components.
    TLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
           *Label6 = nullptr;
    TGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr, *GroupBox3 = nullptr;
    TStringField *CCuentasCUEN_COD = nullptr, *CCuentasCUEN_NOM = nullptr, *CCuentasCUEN_TERCERO = nullptr,
                 *CCuentasCUEN_CENTRO = nullptr, *CCuentasCUEN_RETENCION = nullptr, *CCuentasCUEN_CTAJUSTE = nullptr,
                 *CCuentasCUEN_CTACORRECION = nullptr, *CCuentasCUEN_AJUSDB = nullptr, *CCuentasCUEN_TIPO = nullptr;
    TFMTBCDField *CCuentasCUEN_BASEMIN = nullptr, *CCuentasCUEN_PORC = nullptr;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormKeyDown(TObject* sender, win::WORD& key, TShiftState shift);
    void SBGrabarClick(TObject* sender);
    void SBCancelarClick(TObject* sender);
    void BitBtn1Click(TObject* sender);
    void SpeedButton1Click(TObject* sender);
    void CkRetencionesClick(TObject* sender);
    void CkAjustableClick(TObject* sender);
    void CCuentasAfterInsert(TDataSet* dataset);
    void CCuentasCUEN_CODChange(TField* sender);
    void CCuentasCUEN_CTAJUSTEChange(TField* sender);
    void CCuentasCUEN_CTACORRECIONChange(TField* sender);
    void Enteratab(TObject* sender, char32_t& key);

    // False when the user may not use accounting: the window then closes.
    bool Permitida() const { return permitida_; }

private:
    void ValideAjuste(TField* campo);
    // Percentage and minimum base are typed only for accounts that keep
    // withholding information.
    void HabiliteRetencion();
    void NuevaFila();

    bool permitida_ = true;
};

// The new-account window while it is open; cleared when it frees itself.
extern Tfnvacuenta* fnvacuenta;

// Opens the window for Tfdmcnt::cuenta_nueva. One window at a time: while one
// is open it comes to the front and the new code is refused (false).
bool abra_cuenta_nueva();

} // namespace tv::app
