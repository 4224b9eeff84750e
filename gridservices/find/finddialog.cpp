#include "gridservices/find/finddialog.h"

#include "editors/dbcheckbox.h"
#include "editors/dbcombobox.h"
#include "core/stringlist.h"
#include "core/strutils.h"
#include "core/sysformat.h"
#include "core/unitinit.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/application.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/dialogs.h"
#include "grid/column.h"
#include "grid/columntitle.h"
#include "grid/dbgrideh.h"
#include "grid/gridunit.h"
#include "platform/window/input.h"

namespace tv {

namespace {

TDBGridEhFindDlg* gDialog = nullptr;

const char* const kAll = "<All>";

template <class T>
T* Part(TComponent* root, const char* name) {
    T* c = dynamic_cast<T*>(root->FindComponent(name));
    if (!c) throw EComponentError(root->Name() + ": " + name + " is missing");
    return c;
}

int IndexOfText(TStrings* items, const std::string& text) {
    for (int i = 0; i < items->Count(); ++i)
        if (items->Strings(i) == text) return i;
    return -1;
}

} // namespace

TDBGridEhFindDlg::TDBGridEhFindDlg(TComponent* owner) : TForm(owner) {}

TDBGridEhFindDlg::~TDBGridEhFindDlg() {
    if (grid_) grid_->RemoveFreeNotification(this);
    if (gDialog == this) gDialog = nullptr;
}

void TDBGridEhFindDlg::Publish(TPublisher& p) {
    p.Method("bFindClick", &TDBGridEhFindDlg::bFindClick);
    p.Method("bCancelClick", &TDBGridEhFindDlg::bCancelClick);
    p.Method("cbFindInChange", &TDBGridEhFindDlg::cbFindInChange);
    p.Method("cbTextChange", &TDBGridEhFindDlg::cbTextChange);
    p.Method("FormKeyDown", &TDBGridEhFindDlg::FormKeyDown);
}

void TDBGridEhFindDlg::Loaded() {
    TForm::Loaded();
    Label1 = Part<TLabel>(this, "Label1");
    Label2 = Part<TLabel>(this, "Label2");
    cbMatchType = Part<TLabel>(this, "cbMatchType");
    Label3 = Part<TLabel>(this, "Label3");
    cbText = Part<TDBComboBoxEh>(this, "cbText");
    cbFindIn = Part<TDBComboBoxEh>(this, "cbFindIn");
    cbMatchinType = Part<TDBComboBoxEh>(this, "cbMatchinType");
    cbFindDirection = Part<TDBComboBoxEh>(this, "cbFindDirection");
    cbCharCase = Part<TDBCheckBoxEh>(this, "cbCharCase");
    cbUseFormat = Part<TDBCheckBoxEh>(this, "cbUseFormat");
    bFind = Part<TButton>(this, "bFind");
    bCancel = Part<TButton>(this, "bCancel");
}

void TDBGridEhFindDlg::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation == opRemove && component == grid_) {
        grid_ = nullptr;
        findIn_.clear();
        columns_.clear();
        search_.SetColumns({});
    }
}

void TDBGridEhFindDlg::Prepare(TCustomDBGridEh* grid, const std::string& text, bool modal) {
    search_.SetColumns({});
    cbText->SetText(text);
    if (grid_ != grid) {
        if (grid_) grid_->RemoveFreeNotification(this);
        grid_ = grid;
        if (grid_) grid_->FreeNotification(this);
    }
    FillFindIn();
    if (Visible()) Close();
    // The text box takes the focus when the window shows.
    focusText_ = true;
    RebuildColumns();
    if (modal) {
        SetFormStyle(fsNormal);
        ShowModal();
    } else {
        SetFormStyle(fsStayOnTop);
        Show();
        SetFocus();
    }
}

void TDBGridEhFindDlg::DoShow() {
    if (focusText_ && cbText->CanFocus()) SetActiveControl(cbText);
    focusText_ = false;
    TForm::DoShow();
}

void TDBGridEhFindDlg::FillFindIn() {
    TNotifyEvent onChange = cbFindIn->OnChange;
    cbFindIn->OnChange = nullptr;
    findIn_.clear();
    TStringList texts;
    if (grid_) {
        TColumnsEhList& visible = grid_->VisibleColumns();
        for (int i = 0; i < visible.Count(); ++i) {
            texts.Add(visible.Items(i)->Title()->Caption());
            findIn_.push_back(visible.Items(i));
        }
    }
    texts.Add(kAll);
    cbFindIn->SetItems(&texts);
    cbFindIn->SetKeyItems(&texts);
    cbFindIn->OnChange = onChange;
    int chosen = -1;
    if (grid_)
        if (TColumnEh* current = grid_->CurrentColumn())
            chosen = IndexOfText(cbFindIn->Items(), current->Title()->Caption());
    if (chosen >= 0) cbFindIn->SelectItem(chosen);
    else cbFindIn->Clear();
}

void TDBGridEhFindDlg::RebuildColumns() {
    columns_.clear();
    int count = cbFindIn->Items()->Count();
    int chosen = IndexOfText(cbFindIn->Items(), cbFindIn->Text());
    if (chosen < 0 && count > 0) {
        chosen = count - 1;
        TNotifyEvent onChange = cbFindIn->OnChange;
        cbFindIn->OnChange = nullptr;
        cbFindIn->SelectItem(chosen);
        cbFindIn->OnChange = onChange;
    }
    if (chosen == count - 1) columns_ = findIn_;
    else if (chosen >= 0 && chosen < int(findIn_.size())) columns_.push_back(findIn_[std::size_t(chosen)]);
    std::vector<TGridSearch::TCellText> cells;
    for (TColumnEh* c : columns_) cells.push_back([this, c] { return CellText(c); });
    search_.SetColumns(std::move(cells));
    cbTextChange(this);
}

void TDBGridEhFindDlg::cbFindInChange(TObject*) { RebuildColumns(); }

void TDBGridEhFindDlg::cbTextChange(TObject*) { search_.Reset(Direction()); }

TFindDirection TDBGridEhFindDlg::Direction() const {
    int i = IndexOfText(cbFindDirection->Items(), cbFindDirection->Text());
    return i == 0 ? fdUp : i == 1 ? fdDown : fdAll;
}

TFindMatchType TDBGridEhFindDlg::MatchType() const {
    int i = IndexOfText(cbMatchinType->Items(), cbMatchinType->Text());
    return i == 1 ? fmWholeField : i == 2 ? fmFromBeginning : fmAnyPart;
}

std::string TDBGridEhFindDlg::CellText(TColumnEh* column) const {
    if (cbUseFormat->State() == cbChecked) return column->DisplayText();
    TField* f = column->Field();
    return f ? f->Text() : std::string();
}

void TDBGridEhFindDlg::bFindClick(TObject*) {
    bool ctrl = win::GetKeyState(win::VK_CONTROL) < 0;
    std::string text = cbText->Text();
    bool known = false;
    for (int i = 0; i < cbText->Items()->Count() && !known; ++i)
        known = AnsiSameText(cbText->Items()->Strings(i), text);
    if (!known) {
        TStringList history;
        history.Assign(cbText->Items());
        history.Add(text);
        cbText->SetItems(&history);
    }
    bool found = false;
    TDataSet* ds = grid_ && grid_->DataSource() ? grid_->DataSource()->DataSet() : nullptr;
    if (ds && ds->Active() && !columns_.empty()) {
        found = search_.FindNext(ds, text, MatchType(), cbCharCase->State() == cbChecked, Direction(), ctrl);
        if (found) grid_->SetSelectedIndex(columns_[std::size_t(search_.Position())]->Index());
    }
    if (!found) ShowMessage(Format(LoadResString(SFindStringNotFound), text));
}

void TDBGridEhFindDlg::bCancelClick(TObject*) { Close(); }

void TDBGridEhFindDlg::FormKeyDown(TObject*, win::WORD& key, TShiftState) {
    if (key != win::VK_RETURN && key != win::VK_ESCAPE) return;
    TWinControl* active = ActiveControl();
    if (!active || active->Perform(CM_WANTSPECIALKEY, key) == 0) {
        if (key == win::VK_ESCAPE) {
            if (!(FormState().Contains(fsModal))) Close();
        } else {
            bFindClick(this);
        }
    }
    cbText->SetModified(false);
}

TDBGridEhFindDlg* DBGridEhFindDlg() { return gDialog; }

void ShowGridFindDialog(TCustomDBGridEh* grid, const std::string& text, const std::string&,
                        const std::vector<std::string>&, bool modal) {
    if (!gDialog) gDialog = NewForm<TDBGridEhFindDlg>(Application);
    gDialog->Prepare(grid, text, modal);
}

void InitializeGridFindUnit() {
    RegisterClasses({TDBGridEhFindDlg::StaticClass(), TDBComboBoxEh::StaticClass(), TDBCheckBoxEh::StaticClass(),
                     TLabel::StaticClass(), TButton::StaticClass()});
    DBGridEhFindDialogProc = ShowGridFindDialog;
}

void FinalizeGridFindUnit() {
    DBGridEhFindDialogProc = nullptr;
    delete gDialog;
}

TV_UNIT(grid_find, urGrid + 30, &InitializeGridFindUnit, &FinalizeGridFindUnit)

} // namespace tv
