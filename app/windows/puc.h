#pragma once
// Tfpuc, the official chart of accounts of the company's chart type: search by
// code or name, pick one account (Enter) for the new-account window, or
// create every selected chart account in the company's chart at once.
#include <string>

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
class TIntegerField;
class TLabel;
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

class Tfpuc : public TForm {
    TV_CLASS(Tfpuc, TForm)
public:
    explicit Tfpuc(TComponent* owner = nullptr);
    ~Tfpuc() override;
    static void Publish(TPublisher& p);

    TEdit* EBuscar = nullptr;
    TSpeedButton* sbBuscar = nullptr;
    TRadioGroup* RBuscar = nullptr;
    TCheckBox* CkDesorden = nullptr;
    TDBGridEh* DBGridEh1 = nullptr;
    TDBNavigator* DBNavigator1 = nullptr;
    TSpeedButton *SBSelec = nullptr, *SpeedButton1 = nullptr, *SpeedButton2 = nullptr;
    TDataSetProvider* PPuc = nullptr;
    TClientDataSet* CPuc = nullptr;
    TDataSource* DSPuc = nullptr;
    TDataSetProvider* PBorrar = nullptr;
    TClientDataSet* CBorrar = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem *ppmCopy = nullptr, *ppmSelectAll = nullptr, *ppmPreview = nullptr, *ppmSaveSelection = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;
    TPrintDBGridEh* PrintDBGridEh1 = nullptr;
    TsSkinProvider* sSkinProvider1 = nullptr;
    // The rest of the stored definition's components.
    TPanel *Panel1 = nullptr, *Panel2 = nullptr;
    TLabel* Label1 = nullptr;
    TIntegerField* CPucTIPU_COD = nullptr;
    TStringField *CPucPUC_COD = nullptr, *CPucPUC_NOM = nullptr, *CPucPUC_TERC = nullptr, *CPucPUC_RETEN = nullptr,
                 *CPucPUC_CTAAJUS = nullptr, *CPucPUC_CTACORR = nullptr, *CPucPUC_AJDB = nullptr;
    TMenuItem* N1 = nullptr;

    // The chart of the company's type, and that with the search and order shown.
    std::string consulta_base, consulta_actual;

    void FormCreate(TObject* sender);
    void FormKeyDown(TObject* sender, win::WORD& key, TShiftState shift);
    void sbBuscarClick(TObject* sender);
    void SBSelecClick(TObject* sender);
    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void DBGridEh1TitleClick(TColumnEh* column);
    void DBGridEh1DrawColumnCell(TObject* sender, const win::RECT& rect, int dataCol, TColumnEh* column,
                                 TGridDrawState state);
    void ppmCopyClick(TObject* sender);
    void ppmSelectAllClick(TObject* sender);
    void ppmPreviewClick(TObject* sender);
    void ppmSaveSelectionClick(TObject* sender);

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
