#pragma once
// TFichaArticulo, the record of one article as the new-article and
// edit-article windows show it: code, description and unit over the article
// module's keyed query, F2 to save, Esc to start over, Salir to leave.
#include <string>

#include "framework/ui/forms.h"

namespace tv {
class TBlobField;
class TClientDataSet;
class TDBEdit;
class TDataSet;
class TDataSetProvider;
class TDataSource;
class TDateField;
class TFMTBCDField;
class TIntegerField;
class TLabel;
class TMemoField;
class TPanel;
class TSpeedButton;
class TStringField;
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
    // The rest of the stored definition's components.
    TPanel *Panel1 = nullptr, *Panel2 = nullptr;
    TLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    TStringField *CArticuloARTI_COD = nullptr, *CArticuloARTI_DES = nullptr, *CArticuloARTI_DESVAR = nullptr,
                 *CArticuloARTI_TIPO = nullptr, *CArticuloARTI_EXIST = nullptr, *CArticuloARTI_UNIDAD = nullptr,
                 *CArticuloGRUP_COD = nullptr, *CArticuloSUBG_COD = nullptr, *CArticuloMARC_COD = nullptr,
                 *CArticuloESAR_COD = nullptr, *CArticuloARTI_USUARIO = nullptr;
    TDateField* CArticuloARTI_FECHA = nullptr;
    TFMTBCDField *CArticuloARTI_PRECIO = nullptr, *CArticuloARTI_CONSUMO = nullptr, *CArticuloARTI_IMPOTRO = nullptr,
                 *CArticuloARTI_PESO = nullptr, *CArticuloARTI_ANCHO = nullptr, *CArticuloARTI_ALTO = nullptr,
                 *CArticuloARTI_LARGO = nullptr, *CArticuloARTI_MAX = nullptr, *CArticuloARTI_MIN = nullptr;
    TMemoField* CArticuloARTI_OBS = nullptr;
    TBlobField* CArticuloARTI_FOTO = nullptr;
    TIntegerField *CArticuloARTI_DIAS = nullptr, *CArticuloTAIV_COD = nullptr;

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
