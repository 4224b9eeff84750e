#include "framework/ui/stdctrls/filedialogs.h"

#include <fnmatch.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "core/strutils.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/dialogs.h"
#include "framework/ui/forms.h"
#include "framework/ui/stdctrls/combobox.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/listbox.h"

namespace tv {

namespace fs = std::filesystem;

namespace {

struct FilterEntry {
    std::string description;
    std::vector<std::string> masks;
};

std::vector<FilterEntry> ParseFilter(const std::string& filter) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= filter.size()) {
        size_t bar = filter.find('|', start);
        if (bar == std::string::npos) bar = filter.size();
        parts.push_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    std::vector<FilterEntry> out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        FilterEntry e{parts[i], {}};
        size_t s = 0;
        const std::string& m = parts[i + 1];
        while (s <= m.size()) {
            size_t semi = m.find(';', s);
            if (semi == std::string::npos) semi = m.size();
            std::string one = Trim(m.substr(s, semi - s));
            if (!one.empty()) e.masks.push_back(one);
            s = semi + 1;
        }
        if (e.masks.empty()) e.masks.push_back("*");
        out.push_back(e);
    }
    if (out.empty()) out.push_back({"Todos los archivos (*.*)", {"*"}});
    return out;
}

bool Matches(const std::string& name, const std::vector<std::string>& masks) {
    for (const auto& m : masks) {
        std::string mm = m == "*.*" ? "*" : m;
        if (fnmatch(mm.c_str(), name.c_str(), FNM_CASEFOLD) == 0) return true;
    }
    return false;
}

// The window of the dialog and what it does.
class TFileDialogForm : public TForm {
public:
    TFileDialogForm(TOpenDialog& dlg, bool saving) : TForm(nullptr), dlg_(dlg), saving_(saving) {
        filters_ = ParseFilter(dlg.Filter());
        SetCaption(!dlg.Title().empty() ? dlg.Title() : saving ? "Guardar como" : "Abrir");
        SetBorderStyle(bsDialog);
        SetPosition(poScreenCenter);
        SetBounds(0, 0, 440, 360);
        folder_ = new TLabel(this);
        folder_->SetParent(this);
        folder_->SetLeft(10);
        folder_->SetTop(10);
        list_ = new TListBox(this);
        list_->SetParent(this);
        list_->SetBounds(10, 32, 410, 200);
        auto* nameLabel = new TLabel(this);
        nameLabel->SetParent(this);
        nameLabel->SetCaption("Nombre:");
        nameLabel->SetLeft(10);
        nameLabel->SetTop(246);
        name_ = new TEdit(this);
        name_->SetParent(this);
        name_->SetBounds(80, 242, 240, 24);
        auto* typeLabel = new TLabel(this);
        typeLabel->SetParent(this);
        typeLabel->SetCaption("Tipo:");
        typeLabel->SetLeft(10);
        typeLabel->SetTop(280);
        types_ = new TComboBox(this);
        types_->SetParent(this);
        types_->SetStyle(csDropDownList);
        types_->SetBounds(80, 276, 240, 24);
        for (const auto& f : filters_) types_->Items()->Add(f.description);
        ok_ = new TButton(this);
        ok_->SetParent(this);
        ok_->SetCaption(saving ? "&Guardar" : "&Abrir");
        ok_->SetBounds(335, 242, 85, 25);
        ok_->SetDefault(true);
        auto* cancel = new TButton(this);
        cancel->SetParent(this);
        cancel->SetCaption("Cancelar");
        cancel->SetBounds(335, 276, 85, 25);
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);

        int idx = std::clamp(dlg.FilterIndex(), 1, int(filters_.size())) - 1;
        types_->SetItemIndex(idx);
        fs::path start = dlg.InitialDir().empty() ? fs::current_path() : fs::path(dlg.InitialDir());
        fs::path given(dlg.FileName());
        if (given.has_parent_path() && fs::is_directory(given.parent_path())) start = given.parent_path();
        dir_ = fs::is_directory(start) ? start : fs::current_path();
        name_->SetText(given.filename().string());
        Fill();

        list_->OnClick = [this](TObject*) { Picked(false); };
        list_->OnDblClick = [this](TObject*) { Picked(true); };
        types_->OnChange = [this](TObject*) { Fill(); };
        ok_->OnClick = [this](TObject*) { Accept(); };
        // The name box has the focus when the window shows.
        OnShow = [this](TObject*) {
            if (name_->CanFocus()) SetActiveControl(name_);
        };
    }

    int FilterIndex() const { return std::max(0, types_->ItemIndex()) + 1; }
    const std::string& Chosen() const { return chosen_; }

private:
    void Fill() {
        folder_->SetCaption(dir_.string());
        list_->Items()->Clear();
        entries_.clear();
        std::vector<std::string> dirs, files;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(dir_, fs::directory_options::skip_permission_denied, ec)) {
            std::string n = e.path().filename().string();
            if (!n.empty() && n[0] == '.') continue;
            std::error_code ec2;
            if (e.is_directory(ec2)) dirs.push_back(n);
            else if (Matches(n, filters_[size_t(FilterIndex() - 1)].masks)) files.push_back(n);
        }
        auto byName = [](const std::string& a, const std::string& b) { return AnsiCompareText(a, b) < 0; };
        std::sort(dirs.begin(), dirs.end(), byName);
        std::sort(files.begin(), files.end(), byName);
        if (dir_.has_parent_path() && dir_ != dir_.root_path()) {
            list_->Items()->Add("[..]");
            entries_.push_back({"..", true});
        }
        for (auto& d : dirs) {
            list_->Items()->Add("[" + d + "]");
            entries_.push_back({d, true});
        }
        for (auto& f : files) {
            list_->Items()->Add(f);
            entries_.push_back({f, false});
        }
    }
    void Enter(const std::string& sub) {
        dir_ = sub == ".." ? dir_.parent_path() : dir_ / sub;
        Fill();
    }
    void Picked(bool twice) {
        int i = list_->ItemIndex();
        if (i < 0 || i >= int(entries_.size())) return;
        if (entries_[size_t(i)].second) {
            if (twice) Enter(entries_[size_t(i)].first);
            return;
        }
        name_->SetText(entries_[size_t(i)].first);
        if (twice) Accept();
    }
    void Accept() {
        std::string typed = Trim(name_->Text());
        if (typed.empty()) return;
        fs::path p = fs::path(typed).is_absolute() ? fs::path(typed) : dir_ / typed;
        std::error_code ec;
        if (fs::is_directory(p, ec)) {
            dir_ = fs::weakly_canonical(p, ec);
            name_->SetText("");
            Fill();
            return;
        }
        if (!fs::is_directory(p.parent_path(), ec)) {
            MessageDlg("La carpeta \"" + p.parent_path().string() + "\" no existe.", mtError, {mbOK});
            return;
        }
        if (saving_ && !p.has_extension() && !dlg_.DefaultExt().empty()) {
            std::string ext = dlg_.DefaultExt();
            if (ext[0] != '.') ext = "." + ext;
            p += ext;
        }
        bool exists = fs::exists(p, ec);
        if (!saving_ && !exists && dlg_.Options().Contains(ofFileMustExist)) {
            MessageDlg("No se encuentra el archivo \"" + p.filename().string() + "\".", mtError, {mbOK});
            return;
        }
        if (saving_ && exists && dlg_.Options().Contains(ofOverwritePrompt) &&
            MessageDlg("El archivo \"" + p.filename().string() + "\" ya existe.\n¿Desea reemplazarlo?", mtConfirmation,
                       {mbYes, mbNo}) != mrYes)
            return;
        chosen_ = p.string();
        SetModalResult(mrOk);
    }

    TOpenDialog& dlg_;
    bool saving_;
    std::vector<FilterEntry> filters_;
    fs::path dir_;
    std::vector<std::pair<std::string, bool>> entries_; // name, is a folder
    std::string chosen_;
    TLabel* folder_;
    TListBox* list_;
    TEdit* name_;
    TComboBox* types_;
    TButton* ok_;
};

} // namespace

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

void TOpenDialog::Publish(TPublisher& p) {
    p.String("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt);
    p.String("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName);
    p.String("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter);
    p.Integer("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1);
    p.String("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir);
    p.String("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
}

bool TOpenDialog::Execute() {
    std::unique_ptr<TFileDialogForm> form(new TFileDialogForm(*this, Saving()));
    if (form->ShowModal() != mrOk) return false;
    fileName_ = form->Chosen();
    filterIndex_ = form->FilterIndex();
    return true;
}

} // namespace tv
