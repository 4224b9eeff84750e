#pragma once
// The enumerations of the serial port, their sets, and the texts that stand for
// each value in stored settings and in the setup window.
#include <string>

#include "core/sets.h"

namespace tv {

enum TBaudRate {
    brCustom, br110, br300, br600, br1200, br2400, br4800, br9600, br14400,
    br19200, br38400, br56000, br57600, br115200, br128000, br256000
};
enum TStopBits { sbOneStopBit, sbOne5StopBits, sbTwoStopBits };
enum TDataBits { dbFive, dbSix, dbSeven, dbEight };
enum TParityBits { prNone, prOdd, prEven, prMark, prSpace };
enum TDTRFlowControl { dtrDisable, dtrEnable, dtrHandshake };
enum TRTSFlowControl { rtsDisable, rtsEnable, rtsHandshake, rtsToggle };
enum TFlowControl { fcHardware, fcSoftware, fcNone, fcCustom };
enum TSyncMethod { smThreadSync, smWindowSync, smNone };

enum TComEvent { evRxChar, evTxEmpty, evRxFlag, evRing, evBreak, evCTS, evDSR, evError, evRLSD, evRx80Full };
using TComEvents = TSet<TComEvent>;
inline constexpr TComEvents AllComEvents{evRxChar, evTxEmpty, evRxFlag, evRing, evBreak,
                                         evCTS,    evDSR,     evError,  evRLSD, evRx80Full};

enum TComError { ceFrame, ceRxParity, ceOverrun, ceBreak, ceIO, ceMode, ceRxOver, ceTxFull };
using TComErrors = TSet<TComError>;

enum TComLineSignal { lsCTS, lsDSR, lsRing, lsRLSD };
using TComLineSignals = TSet<TComLineSignal>;

enum TComStoredGroup { sgBasic, sgFlowControl, sgBuffer, sgTimeouts, sgParity, sgOthers };
using TComStoredGroups = TSet<TComStoredGroup>;

// The line-event code of each event, as the device reports it.
unsigned ComEventCode(TComEvent event);
// The events of a set of line-event codes.
TComEvents ComEventsFromCodes(unsigned codes);
unsigned ComEventCodes(TComEvents events);

// The number of bits per second of a rate; brCustom gives 0 (the port's
// CustomBaudRate stands for it).
int BaudRateValue(TBaudRate rate);

std::string BaudRateToStr(TBaudRate value);
std::string StopBitsToStr(TStopBits value);
std::string DataBitsToStr(TDataBits value);
std::string ParityToStr(TParityBits value);
std::string FlowControlToStr(TFlowControl value);
std::string DTRToStr(TDTRFlowControl value);
std::string RTSToStr(TRTSFlowControl value);

// Case-insensitive; a text that is none of the value texts gives the fallback
// (br9600, sbOneStopBit, dbEight, prNone, fcCustom, dtrDisable, rtsDisable).
TBaudRate StrToBaudRate(const std::string& text);
TStopBits StrToStopBits(const std::string& text);
TDataBits StrToDataBits(const std::string& text);
TParityBits StrToParity(const std::string& text);
TFlowControl StrToFlowControl(const std::string& text);
TDTRFlowControl StrToDTR(const std::string& text);
TRTSFlowControl StrToRTS(const std::string& text);

// The number of texts of each enumeration, for filling lists in order.
inline constexpr int BaudRateCount = 16;
inline constexpr int StopBitsCount = 3;
inline constexpr int DataBitsCount = 4;
inline constexpr int ParityCount = 5;
inline constexpr int FlowControlCount = 4;

} // namespace tv
