#include "framework/ui/stdctrls/fontdialog.h"

#include "core/strutils.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/checkcontrols.h"
#include "framework/ui/dialogs.h"
#include "framework/ui/forms.h"
#include "framework/ui/stdctrls/combobox.h"
#include "framework/ui/stdctrls/listbox.h"
#include "platform/gdi/text.h"

namespace tv {

namespace {

class TFontDialogForm : public TForm {
public:
    explicit TFontDialogForm(TFont* font) : TForm(nullptr) {
        SetCaption("Fuente");
        SetBorderStyle(bsDialog);
        SetPosition(poScreenCenter);
        SetBounds(0, 0, 420, 300);
        faces = new TListBox(this);
        faces->SetParent(this);
        faces->SetBounds(10, 10, 230, 240);
        for (const std::string& f : win::InstalledFontFamilies()) faces->Items()->Add(f);
        std::string current = win::ResolveFontFamily(font->Name());
        faces->SetItemIndex(faces->Items()->IndexOf(current));
        sizes = new TComboBox(this);
        sizes->SetParent(this);
        sizes->SetBounds(250, 10, 70, 24);
        for (int s : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72}) sizes->Items()->Add(std::to_string(s));
        sizes->SetText(std::to_string(font->Size()));
        bold = new TCheckBox(this);
        bold->SetParent(this);
        bold->SetCaption("&Negrita");
        bold->SetBounds(250, 50, 120, 20);
        bold->SetChecked(font->Style().Contains(fsBold));
        italic = new TCheckBox(this);
        italic->SetParent(this);
        italic->SetCaption("&Cursiva");
        italic->SetBounds(250, 76, 120, 20);
        italic->SetChecked(font->Style().Contains(fsItalic));
        auto* ok = new TButton(this);
        ok->SetParent(this);
        ok->SetCaption("Aceptar");
        ok->SetBounds(250, 190, 85, 25);
        ok->SetDefault(true);
        ok->OnClick = [this](TObject*) { Accept(); };
        auto* cancel = new TButton(this);
        cancel->SetParent(this);
        cancel->SetCaption("Cancelar");
        cancel->SetBounds(250, 225, 85, 25);
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);
        OnShow = [this](TObject*) {
            if (faces->CanFocus()) SetActiveControl(faces);
        };
    }
    int size = 0;
    TListBox* faces;
    TComboBox* sizes;
    TCheckBox* bold;
    TCheckBox* italic;

private:
    void Accept() {
        try {
            size = StrToInt(Trim(sizes->Text()));
        } catch (const EConvertError&) {
            size = 0;
        }
        if (size < 1 || size > 1638) {
            MessageDlg("El tamaño debe ser un número entre 1 y 1638.", mtError, {mbOK});
            return;
        }
        if (faces->ItemIndex() < 0) {
            MessageDlg("Elija una fuente de la lista.", mtError, {mbOK});
            return;
        }
        SetModalResult(mrOk);
    }
};

} // namespace

TFontDialog::TFontDialog(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {}
TFontDialog::~TFontDialog() = default;

void TFontDialog::Publish(TPublisher& p) { p.Object("Font", &TFontDialog::Font, &TFontDialog::SetFont); }

bool TFontDialog::Execute() {
    std::unique_ptr<TFontDialogForm> f(new TFontDialogForm(font_.get()));
    if (f->ShowModal() != mrOk) return false;
    font_->SetName(f->faces->Items()->Strings(f->faces->ItemIndex()));
    font_->SetSize(f->size);
    TFontStyles st = font_->Style();
    if (f->bold->Checked()) st.Include(fsBold);
    else st.Exclude(fsBold);
    if (f->italic->Checked()) st.Include(fsItalic);
    else st.Exclude(fsItalic);
    font_->SetStyle(st);
    return true;
}

} // namespace tv
