#pragma once
// Tfacceso, the login window: a server entry, the user and the password
// (leaving the password connects the general database), the company (leaving
// it connects the company database and loads its settings and price lists),
// the price list and the work date. F2 confirms, F9 opens the serial-device
// configuration for administrators, Esc leaves.
#include <string>
#include <vector>

#include "framework/ui/forms.h"

namespace tv {
class TBitBtn;
class TClientDataSet;
class TComboBox;
class TDBDateTimeEditEh;
class TDBLookupComboboxEh;
class TDataSetProvider;
class TDataSource;
class TEdit;
class TImage;
class TIntegerField;
class TLabel;
class TPanel;
class TSQLQuery;
class TStringField;
class TsPanel;
} // namespace tv

namespace tv::app {

class Tfacceso : public TForm {
    TV_CLASS(Tfacceso, TForm)
public:
    explicit Tfacceso(TComponent* owner = nullptr);
    ~Tfacceso() override;
    static void Publish(TPublisher& p);

    TComboBox* Servidor = nullptr;
    TEdit* TUsuario = nullptr;
    TEdit* TNomUsr = nullptr;
    TEdit* TClave = nullptr;
    TEdit* TCia = nullptr;
    TEdit* TNomcia = nullptr;
    TDBLookupComboboxEh* LLista = nullptr;
    TDBDateTimeEditEh* Fecha = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TBitBtn* BitBtn3 = nullptr;
    TPanel* Aviso = nullptr;
    TImage* Image1 = nullptr;
    TImage* Image2 = nullptr;
    TDataSetProvider* PListapre = nullptr;
    TClientDataSet* CListapre = nullptr;
    TDataSource* DListapre = nullptr;
    TSQLQuery* QValusuario = nullptr;
    TSQLQuery* Qnomcompania = nullptr;
    TDataSetProvider* Pnomcia = nullptr;
    TClientDataSet* Cnomcia = nullptr;
    TDataSetProvider* Pusuario = nullptr;
    TClientDataSet* CUsuario = nullptr;
    TDataSetProvider* PBorrar = nullptr;
    TClientDataSet* CBorrar = nullptr;
    TDataSetProvider* PValideusr = nullptr;
    TClientDataSet* CValideusr = nullptr;
    // The rest of the stored definition's components.
    TsPanel *Panel1 = nullptr, *Panel2 = nullptr;
    TLabel *Label9 = nullptr, *Label10 = nullptr, *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr,
           *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr;
    TStringField *CUsuarioUSER_COD = nullptr, *CUsuarioUSER_ANOCNT = nullptr;
    TIntegerField *CUsuarioUSER_PERCNT = nullptr, *CUsuarioSUCU_ID = nullptr;

    // Server entries of "SERVIDORES.cfg".
    std::vector<std::string> servidores;

    void FormCreate(TObject* sender);
    void FormActivate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormKeyDown(TObject* sender, win::WORD& key, TShiftState shift);
    void Enteratab(TObject* sender, char32_t& key);
    void TClaveExit(TObject* sender);
    void TCiaExit(TObject* sender);
    void BitBtn1Click(TObject* sender);
    void BitBtn2Click(TObject* sender);
    void BitBtn3Click(TObject* sender);

    // The code of the price list chosen in LLista; empty when none is.
    std::string lista_elegida();

private:
    void EnlaceComponentes();
    // What the general and company steps found stops counting once the user
    // or the password changes.
    void OlvideUsuario(TObject* sender);
    void OlvideCompania();
    // Whether the focus is going back to the server, the user or the password.
    bool VuelveAtras() const;
    void CargueListas(int sucursal);
};

} // namespace tv::app
