#pragma once
// Tfacceso, the login window: a server entry, the user and the password
// (leaving the password connects the general database), the company (leaving
// it connects the company database and loads its settings and price lists),
// the price list and the work date. F2 confirms, F9 opens the serial-device
// configuration for administrators, Esc leaves.
#include <memory>
#include <string>
#include <vector>

#include "framework/ui/forms.h"

namespace tv {
class TBitBtn;
class TClientDataSet;
class TComboBox;
class TDataSetProvider;
class TEdit;
class TImage;
class TLabel;
class TMaskEdit;
class TPanel;
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
    TComboBox* LLista = nullptr;
    TMaskEdit* Fecha = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TBitBtn* BitBtn3 = nullptr;
    TPanel* Aviso = nullptr;
    TImage* Image1 = nullptr;
    TImage* Image2 = nullptr;
    TDataSetProvider* PListapre = nullptr;
    TClientDataSet* CListapre = nullptr;

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
    void CargueListas(int sucursal);

    // LLista shows the names; these are their codes, in the same order.
    std::vector<std::string> codigos_listas_;
    // A branch with one list: LLista takes the focus but neither drops nor changes.
    // Shared with the list's message filter, which may outlive this object's members.
    std::shared_ptr<bool> lista_fija_ = std::make_shared<bool>(false);
};

} // namespace tv::app
