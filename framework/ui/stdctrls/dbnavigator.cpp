#include "framework/ui/stdctrls/dbnavigator.h"

#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/ui/dialogs.h"
#include "framework/ui/speedbutton.h"

namespace tv {

const TEnumInfo TNavigateBtnInfo{"TNavigateBtn", {"nbFirst", "nbPrior", "nbNext", "nbLast", "nbInsert", "nbDelete",
                                                  "nbEdit", "nbPost", "nbCancel", "nbRefresh"}};

// The navigator's link: every change of the dataset updates the buttons.
class TNavDataLink : public TDataLink {
public:
    explicit TNavDataLink(TDBNavigator* nav) : nav_(nav) {}

protected:
    void ActiveChanged() override { nav_->UpdateButtons(); }
    void EditingChanged() override { nav_->UpdateButtons(); }
    void DataSetChanged() override { nav_->UpdateButtons(); }

private:
    TDBNavigator* nav_;
};

namespace {
const char* const kCaptions[] = {"|<", "<", ">", ">|", "+", "-", "^", "\xE2\x9C\x93", "x", "\xE2\x86\xBB"};
const char* const kHints[] = {"Primer registro", "Registro anterior", "Registro siguiente", "Último registro",
                              "Insertar registro", "Borrar registro", "Editar registro", "Guardar cambios",
                              "Cancelar cambios", "Refrescar datos"};
} // namespace

TDBNavigator::TDBNavigator(TComponent* owner) : TCustomControl(owner), link_(std::make_unique<TNavDataLink>(this)) {
    SetBounds(0, 0, 241, 25);
    for (int i = 0; i < 10; ++i) {
        auto* b = new TSpeedButton(this);
        b->SetCaption(kCaptions[i]);
        b->SetHint(kHints[i]);
        b->SetParent(this);
        auto which = TNavigateBtn(i);
        b->OnClick = [this, which](TObject*) { BtnClick(which); };
        buttons_[size_t(i)] = b;
    }
    Layout();
    UpdateButtons();
}

TDBNavigator::~TDBNavigator() { link_->SetDataSource(nullptr); }

void TDBNavigator::Publish(TPublisher& p) {
    p.Component("DataSource", &TDBNavigator::DataSource, &TDBNavigator::SetDataSource);
    p.Set("VisibleButtons", &TDBNavigator::VisibleButtons, &TDBNavigator::SetVisibleButtons, TNavigateBtnInfo);
    p.Boolean("ConfirmDelete", &TDBNavigator::ConfirmDelete, &TDBNavigator::SetConfirmDelete).Default(true);
}

TDataSource* TDBNavigator::DataSource() const { return link_->DataSource(); }

void TDBNavigator::SetDataSource(TDataSource* v) {
    link_->SetDataSource(v);
    if (v) v->FreeNotification(this);
    UpdateButtons();
}

void TDBNavigator::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && link_ && component == link_->DataSource()) SetDataSource(nullptr);
}

void TDBNavigator::SetVisibleButtons(TButtonSet v) {
    visible_ = v;
    Layout();
}

void TDBNavigator::Resize() {
    TCustomControl::Resize();
    Layout();
}

void TDBNavigator::Layout() {
    int count = 0;
    for (int i = 0; i < 10; ++i) count += visible_.Contains(TNavigateBtn(i));
    int x = 0, w = count ? Width() / count : 0;
    for (int i = 0; i < 10; ++i) {
        TSpeedButton* b = buttons_[size_t(i)];
        if (!b) continue;
        bool shown = visible_.Contains(TNavigateBtn(i));
        b->SetVisible(shown);
        if (shown) {
            b->SetBounds(x, 0, w, Height());
            x += w;
        }
    }
}

void TDBNavigator::UpdateButtons() {
    TDataSet* ds = link_->Active() ? link_->DataSet() : nullptr;
    bool active = ds != nullptr;
    bool editing = active && (ds->State() == dsEdit || ds->State() == dsInsert);
    bool canModify = active && ds->CanModify();
    bool bof = !active || ds->Bof(), eof = !active || ds->Eof();
    bool empty = active && bof && eof;
    auto set = [&](TNavigateBtn b, bool on) {
        if (buttons_[b]) buttons_[b]->SetEnabled(on);
    };
    set(nbFirst, active && !bof);
    set(nbPrior, active && !bof);
    set(nbNext, active && !eof);
    set(nbLast, active && !eof);
    set(nbInsert, canModify);
    set(nbDelete, canModify && !empty && !editing);
    set(nbEdit, canModify && !editing && !empty);
    set(nbPost, canModify && editing);
    set(nbCancel, canModify && editing);
    set(nbRefresh, active && !editing);
}

void TDBNavigator::BtnClick(TNavigateBtn b) {
    TDataSet* ds = link_->Active() ? link_->DataSet() : nullptr;
    if (!ds || (buttons_[b] && !buttons_[b]->Enabled())) return;
    if (BeforeAction) BeforeAction(this, b);
    switch (b) {
    case nbFirst: ds->First(); break;
    case nbPrior: ds->Prior(); break;
    case nbNext: ds->Next(); break;
    case nbLast: ds->Last(); break;
    case nbInsert: ds->Insert(); break;
    case nbEdit: ds->Edit(); break;
    case nbCancel: ds->Cancel(); break;
    case nbPost: ds->Post(); break;
    case nbRefresh: ds->Refresh(); break;
    case nbDelete:
        if (!confirmDelete_ || MessageDlg("¿Borrar el registro?", mtConfirmation, mbOKCancel) == mrOk) ds->Delete();
        break;
    }
    if (OnClick) OnClick(this, b);
}

} // namespace tv
