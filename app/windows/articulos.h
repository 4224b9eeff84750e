#pragma once
// Tfarticulos, the article list: searches the articles by code or description,
// opens the new-article and edit-article windows, deletes an article after
// asking, hands the chosen code back through Tfdm::codigo_articulo, and
// copies, prints and exports the grid.
#include "framework/ui/forms.h"
#include "grid/gridtypes.h"

namespace tv {
class TCheckBox;
class TClientDataSet;
class TColumnEh;
class TDBGridEh;
class TDBNavigator;
class TDataSetProvider;
class TDataSource;
class TEdit;
class TMenuItem;
class TPanel;
class TPopupMenu;
class TPrintDBGridEh;
class TRadioGroup;
class TSaveDialog;
class TSpeedButton;
class TStringField;
class TsSkinProvider;
} // namespace tv

namespace tv::app {

class Tfarticulos : public TForm {
    TV_CLASS(Tfarticulos, TForm)
public:
    explicit Tfarticulos(TComponent* owner = nullptr);
    ~Tfarticulos() override;
    static void Publish(TPublisher& p);

    TSpeedButton* SpeedButton1 = nullptr;  // "&Buscar"
    TRadioGroup* RBuscar = nullptr;
    TEdit* EBuscar = nullptr;
    TCheckBox* CkBuscar = nullptr;
    TCheckBox* ckfiltro = nullptr;
    TDBGridEh* DBGridEh1 = nullptr;
    TDBNavigator* DBNavigator1 = nullptr;
    TSpeedButton *SBNuevo = nullptr, *SBModificar = nullptr, *SBBorrar = nullptr, *SBSelec = nullptr,
                 *SpeedButton2 = nullptr;
    TDataSetProvider* PArticulo = nullptr;
    TClientDataSet* CArticulo = nullptr;
    TDataSource* DArticulo = nullptr;
    TDataSetProvider* PBorrar = nullptr;
    TClientDataSet* CBorrar = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem *ppmCopy = nullptr, *ppmSelectAll = nullptr, *ppmPreview = nullptr, *ppmSaveSelection = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;
    TPrintDBGridEh* PrintDBGridEh1 = nullptr;
    TsSkinProvider* sSkinProvider1 = nullptr;
    // The rest of the stored definition's components.
    TPanel *Panel1 = nullptr, *Panel2 = nullptr;
    TStringField *CArticuloARTI_COD = nullptr, *CArticuloARTI_DES = nullptr, *CArticuloARTI_UNIDAD = nullptr;
    TMenuItem* N1 = nullptr;

    void FormCreate(TObject* sender);
    void FormActivate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormKeyDown(TObject* sender, win::WORD& key, TShiftState shift);
    void SpeedButton1Click(TObject* sender);
    void SBNuevoClick(TObject* sender);
    void SBModificarClick(TObject* sender);
    void SBBorrarClick(TObject* sender);
    void SBSelecClick(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void ppmCopyClick(TObject* sender);
    void ppmSelectAllClick(TObject* sender);
    void ppmPreviewClick(TObject* sender);
    void ppmSaveSelectionClick(TObject* sender);
    void ckfiltroClick(TObject* sender);
    void DBGridEh1DrawColumnCell(TObject* sender, const win::RECT& rect, int dataCol, TColumnEh* column,
                                 TGridDrawState state);

    // The statement the search button runs for what the search panel shows.
    std::string TextoBusqueda() const;

private:
    std::string CodigoActual() const;
};

// The list while it is open; cleared when it frees itself.
extern Tfarticulos* farticulos;

} // namespace tv::app
