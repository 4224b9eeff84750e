#include "gridservices/print/pagesetupdialog.h"

#include <cmath>

#include "core/sysformat.h"
#include "framework/ui/application.h"
#include "framework/ui/printers.h"
#include "gridservices/print/printdbgrideh.h"

namespace tv {

namespace {

TfPrnDBGridEhSetupDialog* dialog = nullptr;

template <class T>
T* Place(TWinControl* parent, TComponent* owner, const char* name, int l, int t, int w, int h) {
    T* c = new T(owner);
    c->SetName(name);
    c->SetBounds(l, t, w, h);
    c->SetParent(parent);
    return c;
}

Currency MarginOf(TEdit* edit) {
    return Currency(std::round(StrToFloat(edit->Text()) * 10000.0) / 10000.0);
}

} // namespace

TfPrnDBGridEhSetupDialog::TfPrnDBGridEhSetupDialog(TComponent* owner) : TForm(owner) {
    SetName("fPrnDBGridEhSetupDialog");
    SetCaption("Printer setup");
    SetBorderStyle(bsDialog);
    SetBorderIcons(TBorderIcons{biSystemMenu});
    SetPosition(poScreenCenter);
    SetClientWidth(368);
    SetClientHeight(185);
    Font()->SetName("MS Sans Serif");
    Font()->SetSize(8);
    gbPrintFields = Place<TGroupBox>(this, this, "gbPrintFields", 8, 6, 149, 130);
    gbPrintFields->SetCaption(" &Margins ");
    struct Row { TLabel** label; TEdit** edit; const char* ln; const char* en; const char* text; int lt, et; };
    Row rows[] = {{&Label5, &seUpMargin, "Label5", "seUpMargin", "&Top", 26, 24},
                  {&Label6, &seLowMargin, "Label6", "seLowMargin", "&Bottom", 51, 49},
                  {&Label7, &seLeftMargin, "Label7", "seLeftMargin", "&Left", 77, 73},
                  {&Label8, &seRightMargin, "Label8", "seRightMargin", "&Right", 102, 98}};
    for (Row& r : rows) {
        *r.label = Place<TLabel>(gbPrintFields, this, r.ln, 14, r.lt, 40, 13);
        (*r.label)->SetCaption(r.text);
        *r.edit = Place<TEdit>(gbPrintFields, this, r.en, 62, r.et, 70, 21);
        (*r.edit)->SetText("0");
        (*r.edit)->OnExit = [this](TObject* s) { MarginExit(s); };
        (*r.label)->SetFocusControl(*r.edit);
    }
    rgFitingType = Place<TRadioGroup>(this, this, "rgFitingType", 172, 6, 185, 55);
    rgFitingType->Items()->Add("Scale whole &grid");
    rgFitingType->Items()->Add("C&hange column widths");
    rgFitingType->SetItemIndex(0);
    rgFitingType->SetEnabled(false);
    cbFitWidthToPage = Place<TCheckBox>(this, this, "cbFitWidthToPage", 184, 4, 145, 17);
    cbFitWidthToPage->SetCaption("&Fits the width on one page");
    cbFitWidthToPage->OnClick = [this](TObject* s) { cbFitWidthToPageClick(s); };
    cbOptimalColWidths = Place<TCheckBox>(this, this, "cbOptimalColWidths", 234, 68, 123, 17);
    cbOptimalColWidths->SetCaption("Optimal column &widths");
    cbAutoStretch = Place<TCheckBox>(this, this, "cbAutoStretch", 174, 92, 101, 17);
    cbAutoStretch->SetCaption("&Stretch long lines");
    cbColored = Place<TCheckBox>(this, this, "cbColored", 300, 92, 57, 17);
    cbColored->SetCaption("&Colored");
    for (TCheckBox* c : {cbFitWidthToPage, cbOptimalColWidths, cbAutoStretch, cbColored}) c->SetAlignment(taLeftJustify);
    ePrintFont = Place<TEdit>(this, this, "ePrintFont", 174, 115, 161, 21);
    bPrintFont = Place<TButton>(this, this, "bPrintFont", 336, 115, 23, 21);
    bPrintFont->SetCaption("...");
    bPrintFont->Font()->SetStyle(TFontStyles{fsBold});
    bPrintFont->OnClick = [this](TObject* s) { bPrintFontClick(s); };
    bPrinterSetupDialog = Place<TButton>(this, this, "bPrinterSetupDialog", 9, 151, 80, 25);
    bPrinterSetupDialog->SetCaption("&Printer setup");
    bPrinterSetupDialog->OnClick = [this](TObject* s) { bPrinterSetupDialogClick(s); };
    bOk = Place<TButton>(this, this, "bOk", 191, 151, 80, 26);
    bOk->SetCaption("&Ok");
    bOk->SetDefault(true);
    bOk->SetModalResult(mrOk);
    bCancel = Place<TButton>(this, this, "bCancel", 279, 151, 80, 26);
    bCancel->SetCaption("&Cancel");
    bCancel->SetCancel(true);
    bCancel->SetModalResult(mrCancel);
    FontDialog1 = new TFontDialog(this);
    FontDialog1->SetName("FontDialog1");
    PrinterSetupDialog1 = new TPrinterSetupDialog(this);
    PrinterSetupDialog1->SetName("PrinterSetupDialog1");
    int order = 0;
    for (TWinControl* c : std::initializer_list<TWinControl*>{gbPrintFields, cbFitWidthToPage, rgFitingType,
                                                              cbOptimalColWidths, cbAutoStretch, cbColored, ePrintFont,
                                                              bPrintFont, bPrinterSetupDialog, bOk, bCancel})
        c->SetTabOrder(order++);
}

void TfPrnDBGridEhSetupDialog::cbFitWidthToPageClick(TObject*) {
    rgFitingType->SetEnabled(cbFitWidthToPage->Checked());
}

void TfPrnDBGridEhSetupDialog::bPrintFontClick(TObject*) {
    FontDialog1->Font()->SetName(ePrintFont->Text());
    if (FontDialog1->Execute()) ePrintFont->SetText(FontDialog1->Font()->Name());
}

void TfPrnDBGridEhSetupDialog::bPrinterSetupDialogClick(TObject*) { PrinterSetupDialog1->Execute(); }

void TfPrnDBGridEhSetupDialog::MarginExit(TObject* sender) {
    if (auto* edit = dynamic_cast<TEdit*>(sender)) StrToFloat(edit->Text());
}

TfPrnDBGridEhSetupDialog* PageSetupDialog() { return dialog; }

bool RunPageSetupDialog(TPrintDBGridEh* component) {
    if (!dialog) {
        dialog = new TfPrnDBGridEhSetupDialog(Application);
        // Forget it when the application frees it.
        dialog->OnDestroy = [](TObject*) { dialog = nullptr; };
    }
    TfPrnDBGridEhSetupDialog* d = dialog;
    TPageParams* page = component->Page();
    d->seUpMargin->SetText(FloatToStr(page->TopMargin().ToDouble()));
    d->seLowMargin->SetText(FloatToStr(page->BottomMargin().ToDouble()));
    d->seLeftMargin->SetText(FloatToStr(page->LeftMargin().ToDouble()));
    d->seRightMargin->SetText(FloatToStr(page->RightMargin().ToDouble()));
    TPrintDBGridEhOptions o = component->Options();
    d->cbFitWidthToPage->SetChecked(o.Contains(pghFitGridToPageWidth));
    d->rgFitingType->SetEnabled(o.Contains(pghFitGridToPageWidth));
    d->ePrintFont->SetText(component->PrintFontName());
    d->cbAutoStretch->SetChecked(o.Contains(pghRowAutoStretch));
    d->cbColored->SetChecked(o.Contains(pghColored));
    d->rgFitingType->SetItemIndex(o.Contains(pghFitingByColWidths) ? 1 : 0);
    d->cbOptimalColWidths->SetChecked(o.Contains(pghOptimalColWidths));
    d->bPrinterSetupDialog->SetEnabled(Printer()->Printers()->Count() > 0);
    if (d->ShowModal() != mrOk) return false;
    page->SetTopMargin(MarginOf(d->seUpMargin));
    page->SetBottomMargin(MarginOf(d->seLowMargin));
    page->SetLeftMargin(MarginOf(d->seLeftMargin));
    page->SetRightMargin(MarginOf(d->seRightMargin));
    auto set = [&o](TPrintDBGridEhOption opt, bool on) {
        if (on)
            o.Include(opt);
        else
            o.Exclude(opt);
    };
    set(pghFitGridToPageWidth, d->cbFitWidthToPage->Checked());
    set(pghRowAutoStretch, d->cbAutoStretch->Checked());
    set(pghColored, d->cbColored->Checked());
    set(pghFitingByColWidths, d->rgFitingType->ItemIndex() == 1);
    set(pghOptimalColWidths, d->cbOptimalColWidths->Checked());
    component->SetOptions(o);
    component->SetPrintFontName(d->ePrintFont->Text());
    return true;
}

} // namespace tv
