#pragma once
// Tfpreginterfaz, the small dialog in which the user picks the accounting
// interface to apply when a document type and prefix have several.
#include "framework/ui/forms.h"
#include "grid/gridtypes.h"

namespace tv {
class TBitBtn;
class TColumnEh;
class TDBGridEh;
class TDataSource;
class TPanel;
class TsSkinProvider;
} // namespace tv

namespace tv::app {

class Tfpreginterfaz : public TForm {
    TV_CLASS(Tfpreginterfaz, TForm)
public:
    explicit Tfpreginterfaz(TComponent* owner = nullptr);
    ~Tfpreginterfaz() override;
    static void Publish(TPublisher& p);

    TPanel* Panel1 = nullptr;
    TBitBtn* BitBtn1 = nullptr;  // "F2:Grabar"
    TBitBtn* BitBtn2 = nullptr;  // "Esc:Cancelar"
    TDBGridEh* DBGridEh1 = nullptr;
    TsSkinProvider* sSkinProvider1 = nullptr; // frame in the skin's "FORM" section, snapping on

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormKeyDown(TObject* sender, win::WORD& key, TShiftState shift);
    void DBGridEh1DblClick(TObject* sender);
    void DBGridEh1DrawColumnCell(TObject* sender, const win::RECT& rect, int dataCol, TColumnEh* column,
                                 TGridDrawState state);
};

// The dialog of the choice under way; cleared when it frees itself.
extern Tfpreginterfaz* fpreginterfaz;

// Shows the dialog over `interfaces` (owned by `modulo`); true when the user
// confirmed, the chosen interface being the list's current row.
bool pregunte_interfaz(TComponent* modulo, TDataSource* interfaces);

} // namespace tv::app
