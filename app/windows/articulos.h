#pragma once
// Tfarticulos, the article list: searches the articles by code or description,
// opens the new-article and edit-article windows, deletes an article after
// asking, hands the chosen code back through Tfdm::codigo_articulo, and
// copies, prints and exports the grid.
#include "app/windows/listabusqueda.h"

namespace tv {
class TCheckBox;
class TClientDataSet;
class TDataSetProvider;
class TDataSource;
class TSpeedButton;
class TStringField;
} // namespace tv

namespace tv::app {

class Tfarticulos : public TListaBusqueda {
    TV_CLASS(Tfarticulos, TListaBusqueda)
public:
    explicit Tfarticulos(TComponent* owner = nullptr);
    ~Tfarticulos() override;
    static void Publish(TPublisher& p);

    TCheckBox* CkBuscar = nullptr;
    TCheckBox* ckfiltro = nullptr;
    TSpeedButton *SBNuevo = nullptr, *SBModificar = nullptr, *SBBorrar = nullptr;
    TDataSetProvider* PArticulo = nullptr;
    TClientDataSet* CArticulo = nullptr;
    TDataSource* DArticulo = nullptr;
    // The client dataset's fields.
    TStringField *CArticuloARTI_COD = nullptr, *CArticuloARTI_DES = nullptr, *CArticuloARTI_UNIDAD = nullptr;

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
    void ckfiltroClick(TObject* sender);

    // The statement the search button runs for what the search panel shows.
    std::string TextoBusqueda() const;

private:
    std::string CodigoActual() const;
};

// The list while it is open; cleared when it frees itself.
extern Tfarticulos* farticulos;

} // namespace tv::app
