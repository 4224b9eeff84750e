// The value texts of the enumerations, the store forms of flags and
// characters, and the messages of EComPort.
#include <gtest/gtest.h>

#include "serial/comerror.h"
#include "serial/comstorage.h"
#include "serial/comtypes.h"

using namespace tv;

TEST(ComTexts, EveryValueReadsBackFromItsText) {
    for (int i = 0; i < BaudRateCount; ++i)
        EXPECT_EQ(StrToBaudRate(BaudRateToStr(TBaudRate(i))), TBaudRate(i));
    for (int i = 0; i < StopBitsCount; ++i) EXPECT_EQ(StrToStopBits(StopBitsToStr(TStopBits(i))), TStopBits(i));
    for (int i = 0; i < DataBitsCount; ++i) EXPECT_EQ(StrToDataBits(DataBitsToStr(TDataBits(i))), TDataBits(i));
    for (int i = 0; i < ParityCount; ++i) EXPECT_EQ(StrToParity(ParityToStr(TParityBits(i))), TParityBits(i));
    for (int i = 0; i < FlowControlCount; ++i)
        EXPECT_EQ(StrToFlowControl(FlowControlToStr(TFlowControl(i))), TFlowControl(i));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(StrToDTR(DTRToStr(TDTRFlowControl(i))), TDTRFlowControl(i));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(StrToRTS(RTSToStr(TRTSFlowControl(i))), TRTSFlowControl(i));
    EXPECT_EQ(BaudRateToStr(brCustom), "Custom");
    EXPECT_EQ(BaudRateToStr(br256000), "256000");
    EXPECT_EQ(StopBitsToStr(sbOne5StopBits), "1.5");
    EXPECT_EQ(ParityToStr(prSpace), "Space");
    EXPECT_EQ(RTSToStr(rtsToggle), "Toggle");
}

TEST(ComTexts, TextsCompareWithoutCaseAndUnknownTextsFallBack) {
    EXPECT_EQ(StrToBaudRate("custom"), brCustom);
    EXPECT_EQ(StrToBaudRate("CUSTOM"), brCustom);
    EXPECT_EQ(StrToBaudRate("115200"), br115200);
    EXPECT_EQ(StrToBaudRate("1000"), br9600);
    EXPECT_EQ(StrToBaudRate(""), br9600);
    EXPECT_EQ(StrToParity("odd"), prOdd);
    EXPECT_EQ(StrToParity("sometimes"), prNone);
    EXPECT_EQ(StrToStopBits("3"), sbOneStopBit);
    EXPECT_EQ(StrToDataBits("9"), dbEight);
    EXPECT_EQ(StrToFlowControl("xyz"), fcCustom);
    EXPECT_EQ(StrToDTR("on"), dtrDisable);
    EXPECT_EQ(StrToRTS("handshake"), rtsHandshake);
    EXPECT_EQ(StrToRTS("off"), rtsDisable);
}

TEST(ComTexts, EventCodesBothWays) {
    EXPECT_EQ(ComEventCode(evRxChar), 0x0001u);
    EXPECT_EQ(ComEventCode(evRxFlag), 0x0002u);
    EXPECT_EQ(ComEventCode(evTxEmpty), 0x0004u);
    EXPECT_EQ(ComEventCode(evRLSD), 0x0020u);
    EXPECT_EQ(ComEventCode(evRing), 0x0100u);
    EXPECT_EQ(ComEventCode(evRx80Full), 0x0400u);
    EXPECT_EQ(ComEventCodes(AllComEvents), 0x05FFu);
    EXPECT_EQ(ComEventsFromCodes(0x0100 | 0x0020), (TComEvents{evRing, evRLSD}));
    EXPECT_EQ(ComEventsFromCodes(ComEventCodes(AllComEvents)), AllComEvents);
}

TEST(ComStoreForms, FlagsAndCharacters) {
    EXPECT_EQ(BoolToSettingText(true), "Yes");
    EXPECT_EQ(BoolToSettingText(false), "No");
    EXPECT_TRUE(SettingTextToBool("yes"));
    EXPECT_TRUE(SettingTextToBool("YES"));
    EXPECT_FALSE(SettingTextToBool("True"));
    EXPECT_FALSE(SettingTextToBool(""));

    struct Case {
        int code;
        std::string text;
    };
    for (const Case& c : {Case{17, "#17"}, Case{32, "#32"}, Case{'A', "A"}, Case{127, "\x7f"}, Case{128, "#128"},
                          Case{0, "#0"}, Case{33, "!"}, Case{255, "#255"}, Case{'#', "#"}}) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(CharToSettingText(static_cast<char>(c.code)), c.text);
        EXPECT_EQ(static_cast<unsigned char>(SettingTextToChar(c.text)), c.code);
    }
    struct Read {
        std::string text;
        int code;
    };
    for (const Read& r : {Read{"#300", 44}, Read{"#", '#'}, Read{"", 0}, Read{"#x", 0}, Read{"#12x", 0},
                          Read{"Zed", 'Z'}, Read{"#-1", 255}}) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(static_cast<unsigned char>(SettingTextToChar(r.text)), r.code);
    }
}

TEST(ComErrors, MessagesCarryTheSystemCodeWhenThereIsOne) {
    EComPort withCode(1, 2);
    EXPECT_EQ(withCode.Code(), 1);
    EXPECT_EQ(withCode.SystemCode(), 2);
    EXPECT_EQ(withCode.Message(), "Unable to open com port (win error code: 2)");
    EComPort alone(16);
    EXPECT_EQ(alone.SystemCode(), -1);
    EXPECT_EQ(alone.Message(), "Failed to store settings");
    EXPECT_STREQ(alone.ClassName(), "EComPort");
    EXPECT_EQ(ComErrorMessage(23), "Registry error");
    EXPECT_EQ(ComErrorMessage(22), "A component is linked to OnRxBuf event");
    EXPECT_EQ(ComErrorMessage(0), "");
    EXPECT_EQ(ComErrorMessage(24), "");
}

TEST(ComErrors, TranslatedMessagesAndSuffix) {
    TranslateComErrorMessages([](const std::string& text) {
        if (text == "Registry error") return std::string("Error del registro");
        if (text == " (win error code: %d)") return std::string(" (código de error: %d)");
        return text;
    });
    EXPECT_EQ(EComPort(23, 5).Message(), "Error del registro (código de error: 5)");
    EXPECT_EQ(EComPort(14).Message(), "Cannot set property while connected");
    // A translation that lost its directive still shows the code.
    TranslateComErrorMessages([](const std::string& text) {
        return text == " (win error code: %d)" ? std::string(" (código %s %d)") : text;
    });
    EXPECT_EQ(EComPort(1, 2).Message(), "Unable to open com port (win error code: 2)");
    ResetComErrorMessages();
    EXPECT_EQ(EComPort(23, 5).Message(), "Registry error (win error code: 5)");
}
