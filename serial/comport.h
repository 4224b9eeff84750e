#pragma once
// The serial-port component: the complete line settings of one port, their
// storage, and the port's life on a terminal device with an event thread that
// turns line events into the component's events.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/component.h"
#include "serial/comdevice.h"
#include "serial/comsettings.h"
#include "serial/comtypes.h"

namespace tv {

class TComThread;
class TCustomIniFile;
class TRegistry;

// The message that the event thread sends to a port's hidden window under
// window synchronisation; the first parameter is the event's line-event code.
inline constexpr unsigned CM_COMPORTEVENT = 1025;

class TCustomComPort : public TComponent {
    TV_CLASS(TCustomComPort, TComponent)
public:
    explicit TCustomComPort(TComponent* owner = nullptr);
    ~TCustomComPort() override;

    using TNotifyEvent = std::function<void(TObject* sender)>;
    using TRxCharEvent = std::function<void(TObject* sender, int count)>;
    using TRxBufEvent = std::function<void(TObject* sender, const void* buffer, int count)>;
    using TComSignalEvent = std::function<void(TObject* sender, bool onOff)>;
    using TComErrorEvent = std::function<void(TObject* sender, TComErrors errors)>;

    // --- life --------------------------------------------------------------------
    void Open();
    void Close();
    bool Connected() const { return connected_; }
    void SetConnected(bool value);

    // Settings changed inside a bracket reach an open device once, at the
    // outermost EndUpdate.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // --- the device ----------------------------------------------------------------
    // Bytes waiting in the input queue.
    int InputCount();
    TComLineSignals Signals();
    // The line errors since the last call.
    TComErrors LastErrors();
    // Wait as Timeouts says; answer the number of bytes read or written.
    int Read(void* buffer, int count);
    int Write(const void* buffer, int count);
    // Discards both queues and ends reads and writes under way.
    void Purge();
    // The terminal device that Port names.
    std::string DevicePath() const;

    // --- storage -----------------------------------------------------------------------
    // Writes the chosen groups to the ini file `path` (section Name) or under
    // the registry key `path`\Name. Any failure raises code 16.
    void StoreSettings(bool toIniFile, const std::string& path);
    // Reads them back through the setters. Any failure raises code 17.
    void LoadSettings(bool fromIniFile, const std::string& path);
    // The setup window for this port; OK applies the six choices.
    void ShowSetupDialog();

    // --- settings --------------------------------------------------------------------------
    TBaudRate BaudRate() const { return baudRate_; }
    void SetBaudRate(TBaudRate value);
    int CustomBaudRate() const { return customBaudRate_; }
    void SetCustomBaudRate(int value);
    const std::string& Port() const { return port_; }
    void SetPort(const std::string& value);
    TComParity* Parity() const { return parity_.get(); }
    void SetParity(TComParity* value);
    TStopBits StopBits() const { return stopBits_; }
    void SetStopBits(TStopBits value);
    TDataBits DataBits() const { return dataBits_; }
    void SetDataBits(TDataBits value);
    bool DiscardNull() const { return discardNull_; }
    void SetDiscardNull(bool value);
    char EventChar() const { return eventChar_; }
    void SetEventChar(char value);
    TComEvents Events() const { return events_; }
    void SetEvents(TComEvents value) { events_ = value; }
    TComBuffer* Buffer() const { return buffer_.get(); }
    void SetBuffer(TComBuffer* value);
    TComFlowControl* FlowControl() const { return flowControl_.get(); }
    void SetFlowControl(TComFlowControl* value);
    TComTimeouts* Timeouts() const { return timeouts_.get(); }
    void SetTimeouts(TComTimeouts* value);
    TSyncMethod SyncMethod() const { return syncMethod_; }
    void SetSyncMethod(TSyncMethod value);
    TComStoredGroups StoredGroups() const { return storedGroups_; }
    void SetStoredGroups(TComStoredGroups value) { storedGroups_ = value; }

    TNotifyEvent OnAfterOpen, OnAfterClose, OnBeforeOpen, OnBeforeClose;
    TRxCharEvent OnRxChar;
    TRxBufEvent OnRxBuf;  // kept for stored forms; the port never raises it
    TNotifyEvent OnTxEmpty, OnBreak, OnRing, OnRxFlag, OnRx80Full;
    TComSignalEvent OnCTSChange, OnDSRChange, OnRLSDChange;
    TComErrorEvent OnError;

    void Loaded() override;

protected:
    virtual void StoreRegistry(TRegistry& reg);
    virtual void StoreIniFile(TCustomIniFile& ini);
    virtual void LoadRegistry(TRegistry& reg);
    virtual void LoadIniFile(TCustomIniFile& ini);
    virtual void OpenDeviceHandle();
    virtual void CloseDeviceHandle();
    virtual void ApplySettings();

    virtual void FireAfterClose();
    virtual void FireAfterOpen();
    virtual void FireBeforeClose();
    virtual void FireBeforeOpen();
    virtual void FireRxChar(int count);
    virtual void FireRxBuf(const void* buffer, int count);
    virtual void FireTxEmpty();
    virtual void FireBreak();
    virtual void FireRing();
    virtual void FireRxFlag();
    virtual void FireCTSChange(bool onOff);
    virtual void FireDSRChange(bool onOff);
    virtual void FireError(TComErrors errors);
    virtual void FireRLSDChange(bool onOff);
    virtual void FireRx80Full();
    virtual void ApplyDCB();
    virtual void ApplyTimeouts();
    virtual void ApplyBuffer();

    // The hidden window's procedure under window synchronisation.
    virtual void WindowMethod(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

private:
    friend class TComParity;
    friend class TComFlowControl;
    friend class TComTimeouts;
    friend class TComBuffer;
    friend class TComThread;

    bool CanApply() const;
    void StoreRegistryAt(const std::string& path);
    void LoadRegistryAt(const std::string& path);
    // The handling of one set of events, in the fixed order.
    void DoEvents(TComEvents events);
    // The same, with a failing handler reported instead of ending the thread.
    void DoEventsGuarded(TComEvents events);
    void FireSignals(TComLineSignals signals);

    TComDevice device_;
    std::unique_ptr<TComThread> thread_;
    std::atomic<bool> connected_{false};
    int updateCount_ = 0;

    TBaudRate baudRate_ = br9600;
    int customBaudRate_ = 9600;
    std::string port_ = "COM1";
    TStopBits stopBits_ = sbOneStopBit;
    TDataBits dataBits_ = dbEight;
    bool discardNull_ = false;
    char eventChar_ = 0;
    TComEvents events_ = AllComEvents;
    TSyncMethod syncMethod_ = smThreadSync;
    TComStoredGroups storedGroups_ = TComStoredGroups{sgBasic};
    std::unique_ptr<TComParity> parity_;
    std::unique_ptr<TComFlowControl> flowControl_;
    std::unique_ptr<TComTimeouts> timeouts_;
    std::unique_ptr<TComBuffer> buffer_;
};

// The component as placed on forms: it publishes the settings.
class TComPort : public TCustomComPort {
    TV_CLASS(TComPort, TCustomComPort)
public:
    static void Publish(TPublisher& p);
    using TCustomComPort::TCustomComPort;
};

} // namespace tv
