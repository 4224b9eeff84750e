#include "serial/comselect.h"

#include "core/component.h"
#include "core/stringlist.h"
#include "serial/comport.h"
#include "serial/comportlist.h"

namespace tv {

// Tells the selection when its port is freed.
class TComSelect::TPortWatch : public TComponent {
public:
    explicit TPortWatch(TComSelect& select) : select_(select) {}

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == opRemove && component == select_.port_) select_.PortFreed();
    }

private:
    TComSelect& select_;
};

TComSelect::TComSelect(TStrings* items) : items_(items), watch_(std::make_unique<TPortWatch>(*this)) {}

TComSelect::~TComSelect() = default;

void TComSelect::SetComProperty(TComProperty value) {
    property_ = value;
    items_->BeginUpdate();
    items_->Clear();
    switch (value) {
    case cpPort: EnumComPorts(items_); break;
    case cpBaudRate:
        for (int i = 0; i < BaudRateCount; ++i) items_->Add(BaudRateToStr(static_cast<TBaudRate>(i)));
        break;
    case cpDataBits:
        for (int i = 0; i < DataBitsCount; ++i) items_->Add(DataBitsToStr(static_cast<TDataBits>(i)));
        break;
    case cpStopBits:
        for (int i = 0; i < StopBitsCount; ++i) items_->Add(StopBitsToStr(static_cast<TStopBits>(i)));
        break;
    case cpParity:
        for (int i = 0; i < ParityCount; ++i) items_->Add(ParityToStr(static_cast<TParityBits>(i)));
        break;
    case cpFlowControl:
        for (int i = 0; i < FlowControlCount; ++i) items_->Add(FlowControlToStr(static_cast<TFlowControl>(i)));
        break;
    case cpNone: break;
    }
    items_->EndUpdate();
    if (items_->Count() == 0) return;
    if (port_)
        UpdateSettings();
    else
        SetItemIndex(0);
}

void TComSelect::SetComPort(TCustomComPort* value) {
    if (value == port_) return;
    if (port_) watch_->RemoveFreeNotification(port_);
    port_ = value;
    if (port_) {
        watch_->FreeNotification(port_);
        UpdateSettings();
    }
}

void TComSelect::PortFreed() {
    port_ = nullptr;
    if (items_->Count() > 0) SetItemIndex(0);
}

std::string TComSelect::Text() const {
    int i = ItemIndex();
    return i >= 0 && i < items_->Count() ? items_->Strings(i) : std::string();
}

void TComSelect::SetText(const std::string& value) {
    for (int i = 0; i < items_->Count(); ++i)
        if (items_->Strings(i) == value) {
            SetItemIndex(i);
            return;
        }
}

void TComSelect::TakePending(const std::string& text) {
    switch (property_) {
    case cpPort: pendingPort_ = text; break;
    case cpBaudRate: baudRate_ = StrToBaudRate(text); break;
    case cpDataBits: dataBits_ = StrToDataBits(text); break;
    case cpStopBits: stopBits_ = StrToStopBits(text); break;
    case cpParity: parity_ = StrToParity(text); break;
    case cpFlowControl: flowControl_ = StrToFlowControl(text); break;
    case cpNone: break;
    }
}

void TComSelect::Change() {
    TakePending(Text());
    if (autoApply_) ApplySettings();
}

void TComSelect::ApplySettings() {
    if (!port_) return;
    switch (property_) {
    case cpPort: port_->SetPort(pendingPort_); break;
    case cpBaudRate: port_->SetBaudRate(baudRate_); break;
    case cpDataBits: port_->SetDataBits(dataBits_); break;
    case cpStopBits: port_->SetStopBits(stopBits_); break;
    case cpParity: port_->Parity()->SetBits(parity_); break;
    case cpFlowControl: port_->FlowControl()->SetFlowControl(flowControl_); break;
    case cpNone: break;
    }
}

std::string TComSelect::CurrentText() const {
    switch (property_) {
    case cpPort: return port_->Port();
    case cpBaudRate: return BaudRateToStr(port_->BaudRate());
    case cpDataBits: return DataBitsToStr(port_->DataBits());
    case cpStopBits: return StopBitsToStr(port_->StopBits());
    case cpParity: return ParityToStr(port_->Parity()->Bits());
    case cpFlowControl: return FlowControlToStr(port_->FlowControl()->FlowControl());
    case cpNone: break;
    }
    return {};
}

void TComSelect::UpdateSettings() {
    if (!port_ || property_ == cpNone) return;
    std::string current = CurrentText();
    int index = items_->IndexOf(current);
    if (index >= 0) {
        SetItemIndex(index);
        TakePending(items_->Strings(index));
        return;
    }
    if (property_ == cpPort)
        for (int i = 0; i < items_->Count() && index < 0; ++i)
            if (SameComPort(items_->Strings(i), current)) index = i;
    SetItemIndex(index);
    // What the box shows is what OK stores: a port listed under its device
    // name ("COM1" as /dev/ttyS0) becomes that device, one the machine lacks
    // shows an empty box and stores nothing.
    if (index >= 0) TakePending(items_->Strings(index));
    else if (property_ == cpPort) pendingPort_.clear();
}

} // namespace tv
