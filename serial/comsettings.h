#pragma once
// The groups of port settings: parity, flow control, timeouts and queue sizes.
// Each belongs to one port and pushes a change to it (the port applies it to
// an open device).
#include "core/persistent.h"
#include "serial/comtypes.h"

namespace tv {

class TCustomComPort;

class TComParity : public TPersistent {
    TV_CLASS(TComParity, TPersistent)
public:
    static void Publish(TPublisher& p);
    explicit TComParity(TCustomComPort* port = nullptr) : port_(port) {}
    // Copies every setting of another parity object; nothing is applied.
    void Assign(TPersistent* source) override;
    TCustomComPort* ComPort() const { return port_; }

    TParityBits Bits() const { return bits_; }
    void SetBits(TParityBits value);
    bool Check() const { return check_; }
    void SetCheck(bool value);
    bool Replace() const { return replace_; }
    void SetReplace(bool value);
    char ReplaceChar() const { return replaceChar_; }
    void SetReplaceChar(char value);

private:
    void Changed();
    TCustomComPort* port_;
    TParityBits bits_ = prNone;
    bool check_ = false;
    bool replace_ = false;
    char replaceChar_ = 0;
};

class TComFlowControl : public TPersistent {
    TV_CLASS(TComFlowControl, TPersistent)
public:
    static void Publish(TPublisher& p);
    explicit TComFlowControl(TCustomComPort* port = nullptr) : port_(port) {}
    void Assign(TPersistent* source) override;
    TCustomComPort* ComPort() const { return port_; }

    // Follows from ControlRTS, OutCTSFlow and the two Xon/Xoff flags.
    TFlowControl FlowControl() const;
    // Hardware, Software and None set those four flags; Custom leaves them.
    // The port applies the result even when nothing changed.
    void SetFlowControl(TFlowControl value);

    bool OutCTSFlow() const { return outCTSFlow_; }
    void SetOutCTSFlow(bool value);
    bool OutDSRFlow() const { return outDSRFlow_; }
    void SetOutDSRFlow(bool value);
    TDTRFlowControl ControlDTR() const { return controlDTR_; }
    void SetControlDTR(TDTRFlowControl value);
    TRTSFlowControl ControlRTS() const { return controlRTS_; }
    void SetControlRTS(TRTSFlowControl value);
    bool XonXoffOut() const { return xonXoffOut_; }
    void SetXonXoffOut(bool value);
    bool XonXoffIn() const { return xonXoffIn_; }
    void SetXonXoffIn(bool value);
    bool DSRSensitivity() const { return dsrSensitivity_; }
    void SetDSRSensitivity(bool value);
    bool TxContinueOnXoff() const { return txContinueOnXoff_; }
    void SetTxContinueOnXoff(bool value);
    char XonChar() const { return xonChar_; }
    void SetXonChar(char value);
    char XoffChar() const { return xoffChar_; }
    void SetXoffChar(char value);

private:
    void Changed();
    TCustomComPort* port_;
    bool outCTSFlow_ = false;
    bool outDSRFlow_ = false;
    TDTRFlowControl controlDTR_ = dtrDisable;
    TRTSFlowControl controlRTS_ = rtsDisable;
    bool xonXoffOut_ = false;
    bool xonXoffIn_ = false;
    bool dsrSensitivity_ = false;
    bool txContinueOnXoff_ = false;
    char xonChar_ = 17;
    char xoffChar_ = 19;
};

// Milliseconds; -1 is the interval's "return at once" marker.
class TComTimeouts : public TPersistent {
    TV_CLASS(TComTimeouts, TPersistent)
public:
    static void Publish(TPublisher& p);
    explicit TComTimeouts(TCustomComPort* port = nullptr) : port_(port) {}
    void Assign(TPersistent* source) override;
    TCustomComPort* ComPort() const { return port_; }

    int ReadInterval() const { return readInterval_; }
    void SetReadInterval(int value);
    int ReadTotalMultiplier() const { return readTotalMultiplier_; }
    void SetReadTotalMultiplier(int value);
    int ReadTotalConstant() const { return readTotalConstant_; }
    void SetReadTotalConstant(int value);
    int WriteTotalMultiplier() const { return writeTotalMultiplier_; }
    void SetWriteTotalMultiplier(int value);
    int WriteTotalConstant() const { return writeTotalConstant_; }
    void SetWriteTotalConstant(int value);

private:
    void Set(int& field, int value);
    TCustomComPort* port_;
    int readInterval_ = -1;
    int readTotalMultiplier_ = 0;
    int readTotalConstant_ = 0;
    int writeTotalMultiplier_ = 100;
    int writeTotalConstant_ = 1000;
};

// Queue sizes in bytes; an odd positive size is taken one lower.
class TComBuffer : public TPersistent {
    TV_CLASS(TComBuffer, TPersistent)
public:
    static void Publish(TPublisher& p);
    explicit TComBuffer(TCustomComPort* port = nullptr) : port_(port) {}
    void Assign(TPersistent* source) override;
    TCustomComPort* ComPort() const { return port_; }

    int InputSize() const { return inputSize_; }
    void SetInputSize(int value);
    int OutputSize() const { return outputSize_; }
    void SetOutputSize(int value);

private:
    void Set(int& field, int value);
    TCustomComPort* port_;
    int inputSize_ = 1024;
    int outputSize_ = 1024;
};

} // namespace tv
