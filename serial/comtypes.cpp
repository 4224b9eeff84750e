#include "serial/comtypes.h"

#include <array>
#include <string_view>

#include "core/strutils.h"

namespace tv {

namespace {

constexpr std::array<const char*, BaudRateCount> BaudRateTexts{
    "Custom", "110", "300", "600", "1200", "2400", "4800", "9600",
    "14400", "19200", "38400", "56000", "57600", "115200", "128000", "256000"};
constexpr std::array<int, BaudRateCount> BaudRateValues{
    0, 110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000};
constexpr std::array<const char*, StopBitsCount> StopBitsTexts{"1", "1.5", "2"};
constexpr std::array<const char*, DataBitsCount> DataBitsTexts{"5", "6", "7", "8"};
constexpr std::array<const char*, ParityCount> ParityTexts{"None", "Odd", "Even", "Mark", "Space"};
constexpr std::array<const char*, FlowControlCount> FlowControlTexts{"Hardware", "Software", "None", "Custom"};
constexpr std::array<const char*, 3> DTRTexts{"Disable", "Enable", "Handshake"};
constexpr std::array<const char*, 4> RTSTexts{"Disable", "Enable", "Handshake", "Toggle"};

constexpr std::array<unsigned, 10> EventCodes{
    0x0001,  // evRxChar
    0x0004,  // evTxEmpty
    0x0002,  // evRxFlag
    0x0100,  // evRing
    0x0040,  // evBreak
    0x0008,  // evCTS
    0x0010,  // evDSR
    0x0080,  // evError
    0x0020,  // evRLSD
    0x0400,  // evRx80Full
};

template <class E, std::size_t N>
std::string TextOf(const std::array<const char*, N>& texts, E value) {
    auto i = static_cast<std::size_t>(value);
    return i < N ? texts[i] : std::string();
}

template <class E, std::size_t N>
E ValueOf(const std::array<const char*, N>& texts, const std::string& text, E fallback) {
    std::string upper = AnsiUpperCase(text);
    for (std::size_t i = 0; i < N; ++i)
        if (upper == AnsiUpperCase(texts[i])) return static_cast<E>(i);
    return fallback;
}

} // namespace

unsigned ComEventCode(TComEvent event) { return EventCodes[static_cast<std::size_t>(event)]; }

TComEvents ComEventsFromCodes(unsigned codes) {
    TComEvents events;
    for (std::size_t i = 0; i < EventCodes.size(); ++i)
        if (codes & EventCodes[i]) events.Include(static_cast<TComEvent>(i));
    return events;
}

unsigned ComEventCodes(TComEvents events) {
    unsigned codes = 0;
    for (std::size_t i = 0; i < EventCodes.size(); ++i)
        if (events.Contains(static_cast<TComEvent>(i))) codes |= EventCodes[i];
    return codes;
}

int BaudRateValue(TBaudRate rate) {
    auto i = static_cast<std::size_t>(rate);
    return i < BaudRateValues.size() ? BaudRateValues[i] : 0;
}

std::string BaudRateToStr(TBaudRate value) { return TextOf(BaudRateTexts, value); }
std::string StopBitsToStr(TStopBits value) { return TextOf(StopBitsTexts, value); }
std::string DataBitsToStr(TDataBits value) { return TextOf(DataBitsTexts, value); }
std::string ParityToStr(TParityBits value) { return TextOf(ParityTexts, value); }
std::string FlowControlToStr(TFlowControl value) { return TextOf(FlowControlTexts, value); }
std::string DTRToStr(TDTRFlowControl value) { return TextOf(DTRTexts, value); }
std::string RTSToStr(TRTSFlowControl value) { return TextOf(RTSTexts, value); }

TBaudRate StrToBaudRate(const std::string& text) { return ValueOf(BaudRateTexts, text, br9600); }
TStopBits StrToStopBits(const std::string& text) { return ValueOf(StopBitsTexts, text, sbOneStopBit); }
TDataBits StrToDataBits(const std::string& text) { return ValueOf(DataBitsTexts, text, dbEight); }
TParityBits StrToParity(const std::string& text) { return ValueOf(ParityTexts, text, prNone); }
TFlowControl StrToFlowControl(const std::string& text) { return ValueOf(FlowControlTexts, text, fcCustom); }
TDTRFlowControl StrToDTR(const std::string& text) { return ValueOf(DTRTexts, text, dtrDisable); }
TRTSFlowControl StrToRTS(const std::string& text) { return ValueOf(RTSTexts, text, rtsDisable); }

} // namespace tv
