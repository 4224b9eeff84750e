#pragma once
// Tfpuc, the official chart of accounts of the company's chart type: search by
// code or name, pick one account (Enter) for the new-account window, or
// create every selected chart account in the company's chart at once.
#include <string>

#include "app/windows/listabusqueda.h"

namespace tv {
class TCheckBox;
class TClientDataSet;
class TColumnEh;
class TDataSetProvider;
class TDataSource;
class TIntegerField;
class TLabel;
class TSpeedButton;
class TStringField;
} // namespace tv

namespace tv::app {

class Tfpuc : public TListaBusqueda {
    TV_CLASS(Tfpuc, TListaBusqueda)
public:
    explicit Tfpuc(TComponent* owner = nullptr);
    ~Tfpuc() override;
    static void Publish(TPublisher& p);

    TSpeedButton* sbBuscar = nullptr;
    TCheckBox* CkDesorden = nullptr;
    TDataSetProvider* PPuc = nullptr;
    TClientDataSet* CPuc = nullptr;
    TDataSource* DSPuc = nullptr;
    // The rest of the stored definition's components.
    TLabel* Label1 = nullptr;
    TIntegerField* CPucTIPU_COD = nullptr;
    TStringField *CPucPUC_COD = nullptr, *CPucPUC_NOM = nullptr, *CPucPUC_TERC = nullptr, *CPucPUC_RETEN = nullptr, *CPucPUC_CTAAJUS = nullptr, *CPucPUC_CTACORR = nullptr, *CPucPUC_AJDB = nullptr;

    // The chart of the company's type, and that with the search and order shown.
    std::string consulta_base, consulta_actual;

    void FormCreate(TObject* sender);
    void FormKeyDown(TObject* sender, win::WORD& key, TShiftState shift);
    void sbBuscarClick(TObject* sender);
    void SBSelecClick(TObject* sender);
    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void DBGridEh1TitleClick(TColumnEh* column);

    // TIPU_COD of a "TIPO DE PUC A UTILIZAR" value.
    static int tipo_puc(const std::string& valor);

private:
    // Runs the base query with the search panel's condition, ordered by `orden`.
    void Busque(const std::string& orden);
    std::string ColumnaBusqueda() const;
};

// The chart window while it is open; cleared when it is freed.
extern Tfpuc* fpuc;

} // namespace tv::app
