#pragma once
// The page set-up dialog of grid printing: margins, fitting, colours, row
// stretching and the print font of a TPrintDBGridEh.
#include "framework/ui/basiccontrols.h"
#include "framework/ui/checkcontrols.h"
#include "framework/ui/forms.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/fontdialog.h"
#include "framework/ui/stdctrls/printersetupdialog.h"

namespace tv {

class TPrintDBGridEh;

class TfPrnDBGridEhSetupDialog : public TForm {
    TV_CLASS(TfPrnDBGridEhSetupDialog, TForm)
public:
    explicit TfPrnDBGridEhSetupDialog(TComponent* owner = nullptr);

    TGroupBox* gbPrintFields;
    TLabel *Label5, *Label6, *Label7, *Label8;
    TEdit *seUpMargin, *seLowMargin, *seLeftMargin, *seRightMargin;
    TCheckBox* cbFitWidthToPage;
    TRadioGroup* rgFitingType;
    TCheckBox *cbOptimalColWidths, *cbAutoStretch, *cbColored;
    TEdit* ePrintFont;
    TButton *bPrintFont, *bPrinterSetupDialog, *bOk, *bCancel;
    TFontDialog* FontDialog1;
    TPrinterSetupDialog* PrinterSetupDialog1;

    void cbFitWidthToPageClick(TObject* sender);
    void bPrintFontClick(TObject* sender);
    void bPrinterSetupDialogClick(TObject* sender);
    // Leaving a margin checks that it is a number.
    void MarginExit(TObject* sender);
};

// Fills the dialog (made once, owned by the application) from the
// component, shows it and, on OK, stores its values; true when confirmed.
bool RunPageSetupDialog(TPrintDBGridEh* component);
// The dialog, null until first used.
TfPrnDBGridEhSetupDialog* PageSetupDialog();

} // namespace tv
