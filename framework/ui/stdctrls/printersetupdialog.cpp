#include "framework/ui/stdctrls/printersetupdialog.h"

#include <memory>

#include "framework/ui/basiccontrols.h"
#include "framework/ui/forms.h"
#include "framework/ui/stdctrls/combobox.h"
#include "platform/printer/printers.h"

namespace tv {

TPrinterSetupDialog::TPrinterSetupDialog(TComponent* owner) : TComponent(owner), printer_(win::DefaultPrinterName()) {}

bool TPrinterSetupDialog::Execute() {
    std::unique_ptr<TForm> f(new TForm(nullptr));
    f->SetCaption("Configurar impresora");
    f->SetBorderStyle(bsDialog);
    f->SetPosition(poScreenCenter);
    f->SetBounds(0, 0, 360, 140);
    auto* label = new TLabel(f.get());
    label->SetParent(f.get());
    label->SetCaption("&Nombre:");
    label->SetLeft(10);
    label->SetTop(18);
    auto* names = new TComboBox(f.get());
    names->SetParent(f.get());
    names->SetStyle(csDropDownList);
    names->SetBounds(80, 14, 260, 24);
    for (const auto& p : win::EnumPrinters()) names->Items()->Add(p.name);
    int current = names->Items()->IndexOf(printer_);
    names->SetItemIndex(current >= 0 ? current : 0);
    auto* ok = new TButton(f.get());
    ok->SetParent(f.get());
    ok->SetCaption("Aceptar");
    ok->SetBounds(160, 70, 85, 25);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    auto* cancel = new TButton(f.get());
    cancel->SetParent(f.get());
    cancel->SetCaption("Cancelar");
    cancel->SetBounds(255, 70, 85, 25);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    TForm* form = f.get();
    f->OnShow = [form, names](TObject*) {
        if (names->CanFocus()) form->SetActiveControl(names);
    };
    if (f->ShowModal() != mrOk || names->ItemIndex() < 0) return false;
    printer_ = names->Items()->Strings(names->ItemIndex());
    return true;
}

} // namespace tv
