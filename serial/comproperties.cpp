#include "serial/comproperties.h"

#include "serial/comport.h"

namespace tv {

const TEnumInfo BaudRateInfo{"TBaudRate",
                             {"brCustom", "br110", "br300", "br600", "br1200", "br2400", "br4800", "br9600",
                              "br14400", "br19200", "br38400", "br56000", "br57600", "br115200", "br128000",
                              "br256000"}};
const TEnumInfo StopBitsInfo{"TStopBits", {"sbOneStopBit", "sbOne5StopBits", "sbTwoStopBits"}};
const TEnumInfo DataBitsInfo{"TDataBits", {"dbFive", "dbSix", "dbSeven", "dbEight"}};
const TEnumInfo ParityBitsInfo{"TParityBits", {"prNone", "prOdd", "prEven", "prMark", "prSpace"}};
const TEnumInfo DTRFlowControlInfo{"TDTRFlowControl", {"dtrDisable", "dtrEnable", "dtrHandshake"}};
const TEnumInfo RTSFlowControlInfo{"TRTSFlowControl", {"rtsDisable", "rtsEnable", "rtsHandshake", "rtsToggle"}};
const TEnumInfo FlowControlInfo{"TFlowControl", {"fcHardware", "fcSoftware", "fcNone", "fcCustom"}};
const TEnumInfo ComEventInfo{"TComEvent",
                             {"evRxChar", "evTxEmpty", "evRxFlag", "evRing", "evBreak", "evCTS", "evDSR", "evError",
                              "evRLSD", "evRx80Full"}};
const TEnumInfo SyncMethodInfo{"TSyncMethod", {"smThreadSync", "smWindowSync", "smNone"}};

void TComParity::Publish(TPublisher& p) {
    p.Enum("Bits", &TComParity::Bits, &TComParity::SetBits, ParityBitsInfo).Default(prNone);
    p.Boolean("Check", &TComParity::Check, &TComParity::SetCheck).Default(false);
    p.Boolean("Replace", &TComParity::Replace, &TComParity::SetReplace).Default(false);
    p.Char("ReplaceChar", &TComParity::ReplaceChar, &TComParity::SetReplaceChar).Default(0);
}

void TComFlowControl::Publish(TPublisher& p) {
    using F = TComFlowControl;
    // Follows from the flags, which are stored themselves.
    p.Enum("FlowControl", &F::FlowControl, &F::SetFlowControl, FlowControlInfo).Stored(false);
    p.Boolean("OutCTSFlow", &F::OutCTSFlow, &F::SetOutCTSFlow).Default(false);
    p.Boolean("OutDSRFlow", &F::OutDSRFlow, &F::SetOutDSRFlow).Default(false);
    p.Enum("ControlDTR", &F::ControlDTR, &F::SetControlDTR, DTRFlowControlInfo).Default(dtrDisable);
    p.Enum("ControlRTS", &F::ControlRTS, &F::SetControlRTS, RTSFlowControlInfo).Default(rtsDisable);
    p.Boolean("XonXoffOut", &F::XonXoffOut, &F::SetXonXoffOut).Default(false);
    p.Boolean("XonXoffIn", &F::XonXoffIn, &F::SetXonXoffIn).Default(false);
    p.Boolean("DSRSensitivity", &F::DSRSensitivity, &F::SetDSRSensitivity).Default(false);
    p.Boolean("TxContinueOnXoff", &F::TxContinueOnXoff, &F::SetTxContinueOnXoff).Default(false);
    p.Char("XonChar", &F::XonChar, &F::SetXonChar).Default(17);
    p.Char("XoffChar", &F::XoffChar, &F::SetXoffChar).Default(19);
}

void TComTimeouts::Publish(TPublisher& p) {
    using T = TComTimeouts;
    p.Integer("ReadInterval", &T::ReadInterval, &T::SetReadInterval).Default(-1);
    p.Integer("ReadTotalMultiplier", &T::ReadTotalMultiplier, &T::SetReadTotalMultiplier).Default(0);
    p.Integer("ReadTotalConstant", &T::ReadTotalConstant, &T::SetReadTotalConstant).Default(0);
    p.Integer("WriteTotalMultiplier", &T::WriteTotalMultiplier, &T::SetWriteTotalMultiplier).Default(100);
    p.Integer("WriteTotalConstant", &T::WriteTotalConstant, &T::SetWriteTotalConstant).Default(1000);
}

void TComBuffer::Publish(TPublisher& p) {
    p.Integer("InputSize", &TComBuffer::InputSize, &TComBuffer::SetInputSize).Default(1024);
    p.Integer("OutputSize", &TComBuffer::OutputSize, &TComBuffer::SetOutputSize).Default(1024);
}

void TComPort::Publish(TPublisher& p) {
    using C = TCustomComPort;
    p.Boolean("Connected", &C::Connected, &C::SetConnected).Default(false);
    p.Enum("BaudRate", &C::BaudRate, &C::SetBaudRate, BaudRateInfo).Default(br9600);
    p.String("Port", &C::Port, &C::SetPort).Default("COM1");
    p.Object("Parity", &C::Parity, &C::SetParity);
    p.Enum("StopBits", &C::StopBits, &C::SetStopBits, StopBitsInfo).Default(sbOneStopBit);
    p.Enum("DataBits", &C::DataBits, &C::SetDataBits, DataBitsInfo).Default(dbEight);
    p.Boolean("DiscardNull", &C::DiscardNull, &C::SetDiscardNull).Default(false);
    p.Char("EventChar", &C::EventChar, &C::SetEventChar).Default(0);
    p.Set("Events", &C::Events, &C::SetEvents, ComEventInfo).Default(AllComEvents);
    p.Object("Buffer", &C::Buffer, &C::SetBuffer);
    p.Object("FlowControl", &C::FlowControl, &C::SetFlowControl);
    p.Object("Timeouts", &C::Timeouts, &C::SetTimeouts);
    p.Enum("SyncMethod", &C::SyncMethod, &C::SetSyncMethod, SyncMethodInfo).Default(smThreadSync);
    p.Event("OnAfterOpen", &C::OnAfterOpen);
    p.Event("OnAfterClose", &C::OnAfterClose);
    p.Event("OnBeforeOpen", &C::OnBeforeOpen);
    p.Event("OnBeforeClose", &C::OnBeforeClose);
    p.Event("OnRxChar", &C::OnRxChar);
    p.Event("OnRxBuf", &C::OnRxBuf);
    p.Event("OnTxEmpty", &C::OnTxEmpty);
    p.Event("OnBreak", &C::OnBreak);
    p.Event("OnRing", &C::OnRing);
    p.Event("OnCTSChange", &C::OnCTSChange);
    p.Event("OnDSRChange", &C::OnDSRChange);
    p.Event("OnRLSDChange", &C::OnRLSDChange);
    p.Event("OnRxFlag", &C::OnRxFlag);
    p.Event("OnError", &C::OnError);
    p.Event("OnRx80Full", &C::OnRx80Full);
}

} // namespace tv
