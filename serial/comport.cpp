#include "serial/comport.h"

#include <exception>

#include "core/unitinit.h"
#include "serial/comerror.h"
#include "serial/comhandler.h"
#include "serial/comportlist.h"
#include "serial/comsetup.h"
#include "serial/comsync.h"
#include "serial/comthread.h"
#include "serial/comunit.h"

namespace tv {

TV_UNIT(serial_port, urSerialPort, &InitializeComPortUnit, &FinalizeComPortUnit)

TCustomComPort::TCustomComPort(TComponent* owner)
    : TComponent(owner),
      parity_(std::make_unique<TComParity>(this)),
      flowControl_(std::make_unique<TComFlowControl>(this)),
      timeouts_(std::make_unique<TComTimeouts>(this)),
      buffer_(std::make_unique<TComBuffer>(this)) {}

TCustomComPort::~TCustomComPort() {
    try {
        Close();
    } catch (...) {
        // Freeing goes on; Close has already released the device and the thread.
    }
}

// --- life ----------------------------------------------------------------------

bool TCustomComPort::CanApply() const {
    TComponentState s = ComponentState();
    return connected_ && updateCount_ == 0 && !s.Contains(csDesigning) && !s.Contains(csLoading);
}

void TCustomComPort::SetConnected(bool value) {
    TComponentState s = ComponentState();
    if (s.Contains(csDesigning) || s.Contains(csLoading)) {
        connected_ = value;
        return;
    }
    if (value)
        Open();
    else
        Close();
}

void TCustomComPort::Open() {
    if (connected_ || ComponentState().Contains(csDesigning)) return;
    FireBeforeOpen();
    OpenDeviceHandle();
    connected_ = true;
    try {
        ApplySettings();
    } catch (...) {
        CloseDeviceHandle();
        connected_ = false;
        throw;
    }
    try {
        // Under window synchronisation the thread's messages go through the
        // hand-off queue (comsync.h), which stands in for the hidden window.
        if (!events_.Empty()) thread_ = std::make_unique<TComThread>(*this);
    } catch (...) {
        CloseDeviceHandle();
        connected_ = false;
        throw;
    }
    FireAfterOpen();
    // A port that cannot tell its lines right after opening is of no use: it
    // is closed again rather than left open behind the error.
    TComLineSignals signals;
    try {
        signals = Signals();
    } catch (...) {
        std::exception_ptr failure = std::current_exception();
        try {
            Close();
        } catch (...) {
        }
        std::rethrow_exception(failure);
    }
    FireSignals(signals);
}

void TCustomComPort::FireSignals(TComLineSignals signals) {
    FireCTSChange(signals.Contains(lsCTS));
    FireDSRChange(signals.Contains(lsDSR));
    FireRLSDChange(signals.Contains(lsRLSD));
}

void TCustomComPort::Close() {
    if (!connected_ || ComponentState().Contains(csDesigning)) return;
    // The thread cannot wait for its own end.
    if (thread_ && thread_->IsCurrentThread())
        throw EInvalidOperation("Cannot close a port from its own event thread");
    FireSignals({});
    FireBeforeClose();
    // A failed purge still closes the port; the failure is reported after.
    int purgeError = device_.Purge(true, true, true);
    if (thread_) {
        // The thread may be waiting for the main thread, which waits here for
        // the thread: its hand-offs are released first.
        ComBeginClose(this);
        thread_.reset();
        ComEndClose(this);
    }
    CloseDeviceHandle();
    connected_ = false;
    FireAfterClose();
    if (purgeError) throw EComPort(CError_PurgeFailed, purgeError);
}

void TCustomComPort::EndUpdate() {
    if (updateCount_ <= 0) return;
    if (--updateCount_ == 0) ApplySettings();
}

void TCustomComPort::Loaded() {
    TComponent::Loaded();
    if (connected_ && !ComponentState().Contains(csDesigning)) {
        connected_ = false;
        try {
            Open();
        } catch (...) {
            ComHandleException(this);
        }
    }
}

void TCustomComPort::OpenDeviceHandle() {
    if (int error = device_.Open(DevicePath())) throw EComPort(CError_OpenFailed, error);
}

void TCustomComPort::CloseDeviceHandle() { device_.Close(); }

std::string TCustomComPort::DevicePath() const { return ComPortDevicePath(port_); }

void TCustomComPort::ApplySettings() {
    ApplyBuffer();
    ApplyDCB();
    ApplyTimeouts();
}

void TCustomComPort::ApplyDCB() {
    if (!CanApply()) return;
    TComDCB dcb;
    dcb.BaudRate = baudRate_ == brCustom ? customBaudRate_ : BaudRateValue(baudRate_);
    dcb.XonLim = static_cast<std::uint16_t>(buffer_->InputSize() / 4);
    dcb.XoffLim = dcb.XonLim;
    dcb.EvtChar = eventChar_;
    dcb.XonChar = flowControl_->XonChar();
    dcb.XoffChar = flowControl_->XoffChar();
    dcb.ByteSize = static_cast<std::uint8_t>(5 + dataBits_);
    dcb.Parity = static_cast<std::uint8_t>(parity_->Bits());
    dcb.StopBits = static_cast<std::uint8_t>(stopBits_);
    std::uint32_t flags = dcbBinary;
    if (discardNull_) flags |= dcbNull;
    if (flowControl_->OutCTSFlow()) flags |= dcbOutxCtsFlow;
    if (flowControl_->OutDSRFlow()) flags |= dcbOutxDsrFlow;
    static constexpr std::uint32_t DTRBits[] = {0, dcbDtrEnable, dcbDtrHandshake};
    static constexpr std::uint32_t RTSBits[] = {0, dcbRtsEnable, dcbRtsHandshake, dcbRtsToggle};
    flags |= DTRBits[flowControl_->ControlDTR()];
    flags |= RTSBits[flowControl_->ControlRTS()];
    if (flowControl_->XonXoffOut()) flags |= dcbOutX;
    if (flowControl_->XonXoffIn()) flags |= dcbInX;
    if (flowControl_->DSRSensitivity()) flags |= dcbDsrSensitivity;
    if (flowControl_->TxContinueOnXoff()) flags |= dcbTxContinueOnXoff;
    if (parity_->Check()) {
        flags |= dcbParity;
        if (parity_->Replace()) {
            flags |= dcbErrorChar;
            dcb.ErrorChar = parity_->ReplaceChar();
        }
    }
    dcb.Flags = flags;
    if (int error = device_.SetState(dcb)) throw EComPort(CError_SetStateFailed, error);
}

void TCustomComPort::ApplyTimeouts() {
    if (!CanApply()) return;
    TComDeviceTimeouts t;
    // -1 reaches the device as the all-ones value.
    t.ReadIntervalTimeout = static_cast<std::uint32_t>(timeouts_->ReadInterval());
    t.ReadTotalTimeoutMultiplier = static_cast<std::uint32_t>(timeouts_->ReadTotalMultiplier());
    t.ReadTotalTimeoutConstant = static_cast<std::uint32_t>(timeouts_->ReadTotalConstant());
    t.WriteTotalTimeoutMultiplier = static_cast<std::uint32_t>(timeouts_->WriteTotalMultiplier());
    t.WriteTotalTimeoutConstant = static_cast<std::uint32_t>(timeouts_->WriteTotalConstant());
    device_.SetTimeouts(t);
}

void TCustomComPort::ApplyBuffer() {
    if (!CanApply()) return;
    if (int error = device_.SetQueueSizes(buffer_->InputSize(), buffer_->OutputSize()))
        throw EComPort(CError_SetupComFailed, error);
}

// --- the device -----------------------------------------------------------------

int TCustomComPort::InputCount() {
    int count = 0;
    if (int error = device_.InputCount(count)) throw EComPort(CError_ClearComFailed, error);
    return count;
}

TComLineSignals TCustomComPort::Signals() {
    unsigned status = 0;
    if (int error = device_.ModemStatus(status)) throw EComPort(CError_ModemStatFailed, error);
    TComLineSignals signals;
    if (status & MS_CTS_ON) signals.Include(lsCTS);
    if (status & MS_DSR_ON) signals.Include(lsDSR);
    if (status & MS_RING_ON) signals.Include(lsRing);
    if (status & MS_RLSD_ON) signals.Include(lsRLSD);
    return signals;
}

TComErrors TCustomComPort::LastErrors() {
    unsigned flags = 0;
    if (int error = device_.ClearErrors(flags)) throw EComPort(CError_ClearComFailed, error);
    TComErrors errors;
    if (flags & CE_FRAME) errors.Include(ceFrame);
    if ((flags & CE_RXPARITY) && parity_->Check()) errors.Include(ceRxParity);
    if (flags & CE_OVERRUN) errors.Include(ceOverrun);
    if (flags & CE_RXOVER) errors.Include(ceRxOver);
    if (flags & CE_TXFULL) errors.Include(ceTxFull);
    if (flags & CE_BREAK) errors.Include(ceBreak);
    if (flags & CE_IOE) errors.Include(ceIO);
    if (flags & CE_MODE) errors.Include(ceMode);
    return errors;
}

int TCustomComPort::Read(void* buffer, int count) {
    if (!buffer && count > 0) throw EComPort(CError_InvalidAsync);
    int done = 0;
    if (int error = device_.Read(buffer, count, done)) throw EComPort(CError_ReadFailed, error);
    return done;
}

int TCustomComPort::Write(const void* buffer, int count) {
    if (!buffer && count > 0) throw EComPort(CError_InvalidAsync);
    int done = 0;
    if (int error = device_.Write(buffer, count, done)) throw EComPort(CError_WriteFailed, error);
    return done;
}

void TCustomComPort::Purge() {
    if (int error = device_.Purge(true, true, true)) throw EComPort(CError_PurgeFailed, error);
}

void TCustomComPort::ShowSetupDialog() { RunComSetupDialog(this); }

// --- events -----------------------------------------------------------------------

void TCustomComPort::DoEvents(TComEvents events) {
    // A handler may close the port: what is left of the set is dropped then.
    auto wants = [&](TComEvent event) { return connected_ && events.Contains(event); };
    if (wants(evError)) {
        TComErrors errors = LastErrors();
        if (!errors.Empty()) FireError(errors);
    }
    if (wants(evRxChar)) {
        int count = InputCount();
        if (count > 0) FireRxChar(count);
    }
    if (wants(evTxEmpty)) FireTxEmpty();
    if (wants(evBreak)) FireBreak();
    if (wants(evRing)) FireRing();
    if (wants(evCTS)) FireCTSChange(Signals().Contains(lsCTS));
    if (wants(evDSR)) FireDSRChange(Signals().Contains(lsDSR));
    if (wants(evRxFlag)) FireRxFlag();
    if (wants(evRLSD)) FireRLSDChange(Signals().Contains(lsRLSD));
    if (wants(evRx80Full)) FireRx80Full();
}

void TCustomComPort::DoEventsGuarded(TComEvents events) {
    try {
        DoEvents(events);
    } catch (...) {
        ComHandleException(this);
    }
}

void TCustomComPort::WindowMethod(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (msg != CM_COMPORTEVENT || !connected_) return;
    DoEventsGuarded(ComEventsFromCodes(static_cast<unsigned>(wParam)));
}

void TCustomComPort::FireAfterClose() { if (OnAfterClose) OnAfterClose(this); }
void TCustomComPort::FireAfterOpen() { if (OnAfterOpen) OnAfterOpen(this); }
void TCustomComPort::FireBeforeClose() { if (OnBeforeClose) OnBeforeClose(this); }
void TCustomComPort::FireBeforeOpen() { if (OnBeforeOpen) OnBeforeOpen(this); }
void TCustomComPort::FireRxChar(int count) { if (OnRxChar) OnRxChar(this, count); }
void TCustomComPort::FireRxBuf(const void* buffer, int count) { if (OnRxBuf) OnRxBuf(this, buffer, count); }
void TCustomComPort::FireTxEmpty() { if (OnTxEmpty) OnTxEmpty(this); }
void TCustomComPort::FireBreak() { if (OnBreak) OnBreak(this); }
void TCustomComPort::FireRing() { if (OnRing) OnRing(this); }
void TCustomComPort::FireRxFlag() { if (OnRxFlag) OnRxFlag(this); }
void TCustomComPort::FireCTSChange(bool onOff) { if (OnCTSChange) OnCTSChange(this, onOff); }
void TCustomComPort::FireDSRChange(bool onOff) { if (OnDSRChange) OnDSRChange(this, onOff); }
void TCustomComPort::FireError(TComErrors errors) { if (OnError) OnError(this, errors); }
void TCustomComPort::FireRLSDChange(bool onOff) { if (OnRLSDChange) OnRLSDChange(this, onOff); }
void TCustomComPort::FireRx80Full() { if (OnRx80Full) OnRx80Full(this); }

// --- settings ------------------------------------------------------------------------

void TCustomComPort::SetBaudRate(TBaudRate value) {
    if (value == baudRate_) return;
    baudRate_ = value;
    ApplyDCB();
}

void TCustomComPort::SetCustomBaudRate(int value) {
    if (value == customBaudRate_) return;
    customBaudRate_ = value;
    ApplyDCB();
}

void TCustomComPort::SetPort(const std::string& value) {
    if (value == port_) return;
    port_ = value;
    TComponentState s = ComponentState();
    if (connected_ && !s.Contains(csDesigning) && !s.Contains(csLoading)) {
        Close();
        Open();
    }
}

void TCustomComPort::SetParity(TComParity* value) {
    parity_->Assign(value);
    ApplyDCB();
}

void TCustomComPort::SetStopBits(TStopBits value) {
    if (value == stopBits_) return;
    stopBits_ = value;
    ApplyDCB();
}

void TCustomComPort::SetDataBits(TDataBits value) {
    if (value == dataBits_) return;
    dataBits_ = value;
    ApplyDCB();
}

void TCustomComPort::SetDiscardNull(bool value) {
    if (value == discardNull_) return;
    discardNull_ = value;
    ApplyDCB();
}

void TCustomComPort::SetEventChar(char value) {
    if (value == eventChar_) return;
    eventChar_ = value;
    ApplyDCB();
}

void TCustomComPort::SetBuffer(TComBuffer* value) {
    buffer_->Assign(value);
    ApplyBuffer();
}

void TCustomComPort::SetFlowControl(TComFlowControl* value) {
    flowControl_->Assign(value);
    ApplyDCB();
}

void TCustomComPort::SetTimeouts(TComTimeouts* value) {
    timeouts_->Assign(value);
    ApplyTimeouts();
}

void TCustomComPort::SetSyncMethod(TSyncMethod value) {
    if (value == syncMethod_) return;
    TComponentState s = ComponentState();
    if (connected_ && !s.Contains(csDesigning) && !s.Contains(csLoading)) throw EComPort(CError_ConnChangeProp);
    syncMethod_ = value;
}

} // namespace tv
