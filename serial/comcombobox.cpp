#include "serial/comcombobox.h"

#include "serial/comport.h"

namespace tv {

const TEnumInfo TComPropertyInfo{"TComProperty",
                                 {"cpNone", "cpPort", "cpBaudRate", "cpDataBits", "cpStopBits", "cpParity",
                                  "cpFlowControl"}};

// The selection answers with the combo box's own selected entry.
class TComComboBox::TComboSelect : public TComSelect {
public:
    explicit TComboSelect(TComComboBox& combo) : TComSelect(combo.Items()), combo_(combo) {}
    int ItemIndex() const override { return combo_.ItemIndex(); }
    void SetItemIndex(int index) override { combo_.SetItemIndex(index); }

private:
    TComComboBox& combo_;
};

TComComboBox::TComComboBox(TComponent* owner)
    : TCustomComboBox(owner), select_(std::make_unique<TComboSelect>(*this)) {
    SetStyle(csDropDownList);
}

TComComboBox::~TComComboBox() = default;

void TComComboBox::Publish(TPublisher& p) {
    p.Component("ComPort", &TComComboBox::ComPort, &TComComboBox::SetComPort);
    p.Enum("ComProperty", &TComComboBox::ComProperty, &TComComboBox::SetComProperty, TComPropertyInfo)
        .Default(cpNone);
    p.Boolean("AutoApply", &TComComboBox::AutoApply, &TComComboBox::SetAutoApply).Default(false);
    p.String("Text", &TComComboBox::Text, &TComComboBox::SetText);
}

void TComComboBox::SetComProperty(TComProperty value) {
    select_->SetComProperty(value);
    // Without a window the combo box keeps its former index through a
    // cleared list; an empty list selects nothing.
    if (Items()->Count() == 0) SetItemIndex(-1);
}

void TComComboBox::Change() {
    select_->Change();
    TCustomComboBox::Change();
}

} // namespace tv
