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
class TDataSetProvider;
class TDataSource;
class TDBDateTimeEditEh;
class TDBLookupComboboxEh;
class TEdit;
class TImage;
class TLabel;
class TPanel;
class TSQLQuery;
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
