#pragma once
// Tfconsprecios, the price query: a scanned bar code runs the stored
// procedure CONSULTA_ARTICULOS_PRECIOS with the chosen price list and the
// window shows the article's row: description, group, brand, unit, prices,
// taxes, weight, dimensions, notes and picture.
#include <string>
#include <utility>
#include <vector>

#include "framework/ui/forms.h"

namespace tv {
class TClientDataSet;
class TDataSetProvider;
class TDataSource;
class TEdit;
class TLabel;
class TMemo;
} // namespace tv

namespace tv::app {

class TImagen;

class Tfconsprecios : public TForm {
    TV_CLASS(Tfconsprecios, TForm)
public:
    explicit Tfconsprecios(TComponent* owner = nullptr);
    ~Tfconsprecios() override;
    static void Publish(TPublisher& p);

    TLabel* NomCia = nullptr;
    TEdit* Edit1 = nullptr;
    TImagen* DBImage1 = nullptr;
    TMemo* DBMemo1 = nullptr;
    TDataSetProvider* PArticulos = nullptr;
    TClientDataSet* CArticulos = nullptr;
    TDataSource* DArticulos = nullptr;

    void FormCreate(TObject* sender);
    void Enteratab(TObject* sender, char32_t& key);
    void Edit1Exit(TObject* sender);

    // The label showing a column of the row (DES, GRUPO, PRECIO...).
    TLabel* Etiqueta(const std::string& columna) const;

private:
    void EnlaceComponentes();
    // Shows the current row of CArticulos; blanks without one.
    void MuestreArticulo();

    std::vector<std::pair<TLabel*, std::string>> etiquetas_;
};

// The price query shown after login.
extern Tfconsprecios* fconsprecios;

} // namespace tv::app
