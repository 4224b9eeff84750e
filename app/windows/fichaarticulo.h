#pragma once
// TFichaArticulo, the record of one article as the new-article and
// edit-article windows show it: code, description and unit over the article
// module's keyed query, F2 to save, Esc to start over, Salir to leave.
#include <string>

#include "framework/ui/forms.h"

namespace tv {
class TClientDataSet;
class TDataSet;
class TDataSetProvider;
class TDataSource;
class TDBEdit;
class TSpeedButton;
class TsSkinProvider;
} // namespace tv

namespace tv::app {

class TFichaArticulo : public TForm {
    TV_CLASS(TFichaArticulo, TForm)
public:
    explicit TFichaArticulo(TComponent* owner = nullptr);
    ~TFichaArticulo() override;
    static void Publish(TPublisher& p);

    TDBEdit *DBEdit1 = nullptr, *DBEdit2 = nullptr, *DBEdit3 = nullptr;
    TSpeedButton *SBGrabar = nullptr, *SBCancelar = nullptr, *SBSalir = nullptr;
    TDataSetProvider* PArticulo = nullptr;
    TClientDataSet* CArticulo = nullptr;
    TDataSource* DArticulo = nullptr;
    TsSkinProvider* sSkinProvider1 = nullptr;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormKeyDown(TObject* sender, win::WORD& key, TShiftState shift);
    // Saves the row; the window closes only once the database took it.
    void SBGrabarClick(TObject* sender);
    void SBCancelarClick(TObject* sender);
    void SBSalirClick(TObject* sender);
    void Enteratab(TObject* sender, char32_t& key);

protected:
    // Opens CArticulo and puts it in the state the window edits in; false
    // when there is nothing to edit (the window then closes).
    virtual bool Prepare() = 0;
    // Back to that state after Esc: the row typed so far is discarded.
    virtual void Reinicie() = 0;
};

} // namespace tv::app
