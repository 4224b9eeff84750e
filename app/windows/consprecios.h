#pragma once
// Tfconsprecios, the price query: a scanned bar code runs the stored
// procedure CONSULTA_ARTICULOS_PRECIOS with the chosen price list and the
// window's data-aware controls show the article's row: description, group,
// brand, unit, prices, taxes, weight, dimensions, notes and picture.
#include <string>

#include "framework/ui/forms.h"

namespace tv {
class TClientDataSet;
class TDataSetProvider;
class TDataSource;
class TDBImage;
class TDBMemo;
class TDBText;
class TEdit;
class TLabel;
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
