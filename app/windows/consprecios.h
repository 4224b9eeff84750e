#pragma once
// Tfconsprecios, the price query: a scanned bar code runs the stored
// procedure CONSULTA_ARTICULOS_PRECIOS with the chosen price list and the
// window's data-aware controls show the article's row: description, group,
// brand, unit, prices, taxes, weight, dimensions, notes and picture.
#include <string>

#include "framework/ui/forms.h"

namespace tv {
class TBlobField;
class TClientDataSet;
class TDBImage;
class TDBMemo;
class TDBText;
class TDataSetProvider;
class TDataSource;
class TEdit;
class TFMTBCDField;
class TLabel;
class TMemoField;
class TPanel;
class TStringField;
} // namespace tv

namespace tv::app {

class Tfconsprecios : public TForm {
    TV_CLASS(Tfconsprecios, TForm)
public:
    explicit Tfconsprecios(TComponent* owner = nullptr);
    ~Tfconsprecios() override;
    static void Publish(TPublisher& p);

    TLabel* NomCia = nullptr;
    TEdit* Edit1 = nullptr;
    TDBImage* DBImage1 = nullptr;
    TDBMemo* DBMemo1 = nullptr;
    TDataSetProvider* PArticulos = nullptr;
    TClientDataSet* CArticulos = nullptr;
    TDataSource* DArticulos = nullptr;
    // The rest of the stored definition's components.
    TPanel *Panel1 = nullptr, *Panel2 = nullptr;
    TLabel *Label1 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr,
           *Label14 = nullptr, *Label15 = nullptr, *Label16 = nullptr, *Label17 = nullptr, *Label30 = nullptr,
           *Label31 = nullptr;
    TDBText *DBDes = nullptr, *DBGrupo = nullptr, *DBMarca = nullptr, *DBUnidad = nullptr, *DBPrecio = nullptr,
            *DBIva = nullptr, *DBConsumo = nullptr, *DBPeso = nullptr, *DBPum = nullptr, *DBLargo = nullptr,
            *DBAlto = nullptr, *DBAncho = nullptr, *DBTotal = nullptr;
    TStringField *CArticulosARTICULO = nullptr, *CArticulosDES = nullptr, *CArticulosGRUPO = nullptr,
                 *CArticulosMARCA = nullptr, *CArticulosUNIDAD = nullptr;
    TFMTBCDField *CArticulosPRECIO = nullptr, *CArticulosIVA = nullptr, *CArticulosPESO = nullptr,
                 *CArticulosLARGO = nullptr, *CArticulosALTO = nullptr, *CArticulosANCHO = nullptr,
                 *CArticulosPUM = nullptr, *CArticulosIVAMONTO = nullptr, *CArticulosCONSUMO = nullptr,
                 *CArticulosTOTAL = nullptr;
    TMemoField* CArticulosOBSERVACIONES = nullptr;
    TBlobField* CArticulosFOTO = nullptr;

    void FormCreate(TObject* sender);
    void Enteratab(TObject* sender, char32_t& key);
    void Edit1Exit(TObject* sender);

    // The data-aware label bound to a column of the row (DES, GRUPO, PRECIO...).
    TDBText* Etiqueta(const std::string& columna) const;

private:
    void EnlaceComponentes();
};

// The price query shown after login.
extern Tfconsprecios* fconsprecios;

} // namespace tv::app
