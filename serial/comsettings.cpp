#include "serial/comsettings.h"

#include "serial/comport.h"

namespace tv {

// --- parity ------------------------------------------------------------------------

void TComParity::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TComParity*>(source)) {
        bits_ = other->bits_;
        check_ = other->check_;
        replace_ = other->replace_;
        replaceChar_ = other->replaceChar_;
        return;
    }
    TPersistent::Assign(source);
}

void TComParity::Changed() {
    if (port_) port_->ApplyDCB();
}

void TComParity::SetBits(TParityBits value) {
    if (value == bits_) return;
    bits_ = value;
    Changed();
}

void TComParity::SetCheck(bool value) {
    if (value == check_) return;
    check_ = value;
    Changed();
}

void TComParity::SetReplace(bool value) {
    if (value == replace_) return;
    replace_ = value;
    Changed();
}

void TComParity::SetReplaceChar(char value) {
    if (value == replaceChar_) return;
    replaceChar_ = value;
    Changed();
}

// --- flow control ----------------------------------------------------------------------

void TComFlowControl::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TComFlowControl*>(source)) {
        outCTSFlow_ = other->outCTSFlow_;
        outDSRFlow_ = other->outDSRFlow_;
        controlDTR_ = other->controlDTR_;
        controlRTS_ = other->controlRTS_;
        xonXoffOut_ = other->xonXoffOut_;
        xonXoffIn_ = other->xonXoffIn_;
        dsrSensitivity_ = other->dsrSensitivity_;
        txContinueOnXoff_ = other->txContinueOnXoff_;
        xonChar_ = other->xonChar_;
        xoffChar_ = other->xoffChar_;
        return;
    }
    TPersistent::Assign(source);
}

void TComFlowControl::Changed() {
    if (port_) port_->ApplyDCB();
}

TFlowControl TComFlowControl::FlowControl() const {
    if (controlRTS_ == rtsHandshake && outCTSFlow_ && !xonXoffIn_ && !xonXoffOut_) return fcHardware;
    if (controlRTS_ == rtsDisable && !outCTSFlow_ && xonXoffIn_ && xonXoffOut_) return fcSoftware;
    if (controlRTS_ == rtsDisable && !outCTSFlow_ && !xonXoffIn_ && !xonXoffOut_) return fcNone;
    return fcCustom;
}

void TComFlowControl::SetFlowControl(TFlowControl value) {
    if (value != fcCustom) {
        controlRTS_ = rtsDisable;
        outCTSFlow_ = false;
        xonXoffIn_ = false;
        xonXoffOut_ = false;
        if (value == fcHardware) {
            controlRTS_ = rtsHandshake;
            outCTSFlow_ = true;
        } else if (value == fcSoftware) {
            xonXoffIn_ = true;
            xonXoffOut_ = true;
        }
    }
    Changed();
}

#define TV_FLOW_SETTER(Setter, Type, field) \
    void TComFlowControl::Setter(Type value) { \
        if (value == field) return;           \
        field = value;                        \
        Changed();                            \
    }
TV_FLOW_SETTER(SetOutCTSFlow, bool, outCTSFlow_)
TV_FLOW_SETTER(SetOutDSRFlow, bool, outDSRFlow_)
TV_FLOW_SETTER(SetControlDTR, TDTRFlowControl, controlDTR_)
TV_FLOW_SETTER(SetControlRTS, TRTSFlowControl, controlRTS_)
TV_FLOW_SETTER(SetXonXoffOut, bool, xonXoffOut_)
TV_FLOW_SETTER(SetXonXoffIn, bool, xonXoffIn_)
TV_FLOW_SETTER(SetDSRSensitivity, bool, dsrSensitivity_)
TV_FLOW_SETTER(SetTxContinueOnXoff, bool, txContinueOnXoff_)
TV_FLOW_SETTER(SetXonChar, char, xonChar_)
TV_FLOW_SETTER(SetXoffChar, char, xoffChar_)
#undef TV_FLOW_SETTER

// --- timeouts ------------------------------------------------------------------------------

void TComTimeouts::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TComTimeouts*>(source)) {
        readInterval_ = other->readInterval_;
        readTotalMultiplier_ = other->readTotalMultiplier_;
        readTotalConstant_ = other->readTotalConstant_;
        writeTotalMultiplier_ = other->writeTotalMultiplier_;
        writeTotalConstant_ = other->writeTotalConstant_;
        return;
    }
    TPersistent::Assign(source);
}

void TComTimeouts::Set(int& field, int value) {
    if (value == field) return;
    field = value;
    if (port_) port_->ApplyTimeouts();
}

void TComTimeouts::SetReadInterval(int value) { Set(readInterval_, value); }
void TComTimeouts::SetReadTotalMultiplier(int value) { Set(readTotalMultiplier_, value); }
void TComTimeouts::SetReadTotalConstant(int value) { Set(readTotalConstant_, value); }
void TComTimeouts::SetWriteTotalMultiplier(int value) { Set(writeTotalMultiplier_, value); }
void TComTimeouts::SetWriteTotalConstant(int value) { Set(writeTotalConstant_, value); }

// --- buffer ----------------------------------------------------------------------------------

void TComBuffer::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TComBuffer*>(source)) {
        inputSize_ = other->inputSize_;
        outputSize_ = other->outputSize_;
        return;
    }
    TPersistent::Assign(source);
}

void TComBuffer::Set(int& field, int value) {
    if (value > 0 && value % 2 != 0) --value;
    if (value == field) return;
    field = value;
    if (port_) port_->ApplyBuffer();
}

void TComBuffer::SetInputSize(int value) { Set(inputSize_, value); }
void TComBuffer::SetOutputSize(int value) { Set(outputSize_, value); }

} // namespace tv
