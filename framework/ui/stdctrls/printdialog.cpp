#include "framework/ui/stdctrls/printdialog.h"

#include <memory>

#include "core/strutils.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/checkcontrols.h"
#include "framework/ui/dialogs.h"
#include "framework/ui/forms.h"
#include "framework/ui/stdctrls/edit.h"

namespace tv {

namespace {

class TPrintDialogForm : public TForm {
public:
    explicit TPrintDialogForm(TPrintDialog& d) : TForm(nullptr), d_(d) {
        SetCaption("Imprimir");
        SetBorderStyle(bsDialog);
        SetPosition(poScreenCenter);
        SetBounds(0, 0, 330, 200);
        all_ = Radio("&Todas", 10, 10);
        pages_ = Radio("&Páginas", 10, 40);
        pages_->SetEnabled(d.Options().Contains(poPageNums));
        Label("desde:", 100, 44);
        from_ = Edit(150, 40, d.FromPage());
        Label("hasta:", 200, 44);
        to_ = Edit(250, 40, d.ToPage());
        Label("Copias:", 10, 84);
        copies_ = Edit(100, 80, d.Copies());
        bool byPages = d.PrintRange() == prPageNums && pages_->Enabled();
        all_->SetChecked(!byPages);
        pages_->SetChecked(byPages);
        from_->SetEnabled(pages_->Enabled());
        to_->SetEnabled(pages_->Enabled());
        from_->OnChange = to_->OnChange = [this](TObject*) {
            if (pages_->Enabled()) pages_->SetChecked(true);
        };
        auto* ok = new TButton(this);
        ok->SetParent(this);
        ok->SetCaption("Aceptar");
        ok->SetBounds(130, 130, 85, 25);
        ok->SetDefault(true);
        ok->OnClick = [this](TObject*) { Accept(); };
        auto* cancel = new TButton(this);
        cancel->SetParent(this);
        cancel->SetCaption("Cancelar");
        cancel->SetBounds(225, 130, 85, 25);
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);
        OnShow = [this](TObject*) {
            if (copies_->CanFocus()) SetActiveControl(copies_);
        };
    }
    TEdit* from_;
    TEdit* to_;
    TEdit* copies_;
    TRadioButton* all_;
    TRadioButton* pages_;

private:
    TRadioButton* Radio(const char* caption, int x, int y) {
        auto* r = new TRadioButton(this);
        r->SetParent(this);
        r->SetCaption(caption);
        r->SetBounds(x, y, 85, 20);
        return r;
    }
    void Label(const char* caption, int x, int y) {
        auto* l = new TLabel(this);
        l->SetParent(this);
        l->SetCaption(caption);
        l->SetLeft(x);
        l->SetTop(y);
    }
    TEdit* Edit(int x, int y, int value) {
        auto* e = new TEdit(this);
        e->SetParent(this);
        e->SetBounds(x, y, 45, 22);
        e->SetMaxLength(5);
        e->SetText(std::to_string(value));
        return e;
    }
    static bool Number(TEdit* e, int& v) {
        try {
            v = StrToInt(Trim(e->Text()));
            return true;
        } catch (const EConvertError&) {
            return false;
        }
    }
    void Accept() {
        int copies = 0;
        if (!Number(copies_, copies) || copies < 1) {
            MessageDlg("El número de copias debe ser al menos 1.", mtError, {mbOK});
            return;
        }
        if (pages_->Checked()) {
            int a = 0, b = 0;
            bool ok = Number(from_, a) && Number(to_, b);
            if (!ok || a < d_.MinPage() || b > d_.MaxPage() || a < 1) {
                MessageDlg("El número de página debe estar entre " + std::to_string(d_.MinPage()) + " y " +
                               std::to_string(d_.MaxPage()) + ".",
                           mtError, {mbOK});
                return;
            }
            if (a > b) {
                MessageDlg("La página inicial no puede ser mayor que la final.", mtError, {mbOK});
                return;
            }
        }
        SetModalResult(mrOk);
    }
    TPrintDialog& d_;
};

} // namespace

void TPrintDialog::Publish(TPublisher& p) {
    p.Integer("Copies", &TPrintDialog::Copies, &TPrintDialog::SetCopies).Default(1);
    p.Integer("FromPage", &TPrintDialog::FromPage, &TPrintDialog::SetFromPage).Default(0);
    p.Integer("ToPage", &TPrintDialog::ToPage, &TPrintDialog::SetToPage).Default(0);
    p.Integer("MinPage", &TPrintDialog::MinPage, &TPrintDialog::SetMinPage).Default(0);
    p.Integer("MaxPage", &TPrintDialog::MaxPage, &TPrintDialog::SetMaxPage).Default(0);
}

bool TPrintDialog::Execute() {
    std::unique_ptr<TPrintDialogForm> f(new TPrintDialogForm(*this));
    if (f->ShowModal() != mrOk) return false;
    copies_ = StrToInt(Trim(f->copies_->Text()));
    if (f->pages_->Checked()) {
        range_ = prPageNums;
        fromPage_ = StrToInt(Trim(f->from_->Text()));
        toPage_ = StrToInt(Trim(f->to_->Text()));
    } else {
        range_ = prAllPages;
    }
    return true;
}

} // namespace tv
