#pragma once
// The logic of a selection list bound to one setting of a port: which texts it
// lists, which entry shows the port's value, and what a choice writes back.
// A combo box holds one and lends it its item list and its selection.
#include <memory>
#include <string>

#include "serial/comtypes.h"

namespace tv {

class TStrings;
class TCustomComPort;

enum TComProperty { cpNone, cpPort, cpBaudRate, cpDataBits, cpStopBits, cpParity, cpFlowControl };

class TComSelect {
public:
    explicit TComSelect(TStrings* items);
    virtual ~TComSelect();
    TComSelect(const TComSelect&) = delete;
    TComSelect& operator=(const TComSelect&) = delete;

    TStrings* Items() const { return items_; }
    // The selected entry, -1 for none. A combo box answers with its own.
    virtual int ItemIndex() const { return itemIndex_; }
    virtual void SetItemIndex(int index) { itemIndex_ = index; }

    TComProperty ComProperty() const { return property_; }
    // Fills the list for the kind and selects the port's value, or the first
    // entry when no port is bound.
    void SetComProperty(TComProperty value);
    TCustomComPort* ComPort() const { return port_; }
    // Binds the port, follows its freeing, and shows its value.
    void SetComPort(TCustomComPort* value);
    bool AutoApply() const { return autoApply_; }
    void SetAutoApply(bool value) { autoApply_ = value; }

    // The selected entry's text; setting selects the first equal entry and
    // leaves the selection as it is for a text not in the list.
    std::string Text() const;
    void SetText(const std::string& value);

    // The selection changed: the selected text becomes the pending value,
    // and with AutoApply the port takes it at once.
    void Change();
    // Writes the pending value of the bound kind to the port.
    void ApplySettings();
    // Selects the entry that shows the port's current value.
    void UpdateSettings();

    const std::string& PendingPort() const { return pendingPort_; }
    TBaudRate PendingBaudRate() const { return baudRate_; }
    TDataBits PendingDataBits() const { return dataBits_; }
    TStopBits PendingStopBits() const { return stopBits_; }
    TParityBits PendingParity() const { return parity_; }
    TFlowControl PendingFlowControl() const { return flowControl_; }

private:
    class TPortWatch;
    void PortFreed();
    std::string CurrentText() const;
    void TakePending(const std::string& text);

    TStrings* items_;
    int itemIndex_ = -1;
    TComProperty property_ = cpNone;
    TCustomComPort* port_ = nullptr;
    bool autoApply_ = false;
    std::unique_ptr<TPortWatch> watch_;

    std::string pendingPort_;
    TBaudRate baudRate_ = br9600;
    TDataBits dataBits_ = dbEight;
    TStopBits stopBits_ = sbOneStopBit;
    TParityBits parity_ = prNone;
    TFlowControl flowControl_ = fcNone;
};

} // namespace tv
