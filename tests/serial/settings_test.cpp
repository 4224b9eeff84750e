// The settings objects: defaults, the derived flow control, odd queue sizes
// and assignment.
#include <gtest/gtest.h>

#include "core/exceptions.h"
#include "serial/comport.h"

using namespace tv;

TEST(ComSettings, APortStartsWithTheDefaults) {
    TComPort port;
    EXPECT_EQ(port.Port(), "COM1");
    EXPECT_EQ(port.BaudRate(), br9600);
    EXPECT_EQ(port.CustomBaudRate(), 9600);
    EXPECT_EQ(port.DataBits(), dbEight);
    EXPECT_EQ(port.StopBits(), sbOneStopBit);
    EXPECT_EQ(port.Events(), AllComEvents);
    EXPECT_EQ(port.SyncMethod(), smThreadSync);
    EXPECT_EQ(port.StoredGroups(), TComStoredGroups{sgBasic});
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(port.Parity()->Bits(), prNone);
    EXPECT_EQ(port.FlowControl()->FlowControl(), fcNone);
    EXPECT_EQ(port.FlowControl()->XonChar(), 17);
    EXPECT_EQ(port.FlowControl()->XoffChar(), 19);
    EXPECT_EQ(port.Timeouts()->ReadInterval(), -1);
    EXPECT_EQ(port.Timeouts()->WriteTotalMultiplier(), 100);
    EXPECT_EQ(port.Timeouts()->WriteTotalConstant(), 1000);
    EXPECT_EQ(port.Buffer()->InputSize(), 1024);
    EXPECT_EQ(port.Parity()->ComPort(), &port);
}

TEST(ComSettings, FlowControlFollowsFromFourFlags) {
    TComFlowControl f;
    struct Case {
        TRTSFlowControl rts;
        bool cts, xin, xout;
        TFlowControl expected;
    };
    for (const Case& c : {Case{rtsHandshake, true, false, false, fcHardware},
                          Case{rtsHandshake, true, true, false, fcCustom},
                          Case{rtsDisable, false, true, true, fcSoftware},
                          Case{rtsDisable, false, true, false, fcCustom},
                          Case{rtsDisable, false, false, false, fcNone},
                          Case{rtsEnable, false, false, false, fcCustom},
                          Case{rtsDisable, true, false, false, fcCustom}}) {
        f.SetControlRTS(c.rts);
        f.SetOutCTSFlow(c.cts);
        f.SetXonXoffIn(c.xin);
        f.SetXonXoffOut(c.xout);
        EXPECT_EQ(f.FlowControl(), c.expected);
    }
    // DTR, DSR and the rest play no part.
    f.SetFlowControl(fcNone);
    f.SetControlDTR(dtrHandshake);
    f.SetOutDSRFlow(true);
    f.SetDSRSensitivity(true);
    f.SetTxContinueOnXoff(true);
    EXPECT_EQ(f.FlowControl(), fcNone);
}

TEST(ComSettings, SettingFlowControlSetsTheFlagsAndCustomLeavesThem) {
    TComFlowControl f;
    f.SetFlowControl(fcSoftware);
    EXPECT_TRUE(f.XonXoffIn());
    EXPECT_TRUE(f.XonXoffOut());
    f.SetFlowControl(fcHardware);
    EXPECT_EQ(f.ControlRTS(), rtsHandshake);
    EXPECT_TRUE(f.OutCTSFlow());
    EXPECT_FALSE(f.XonXoffIn());
    f.SetXonXoffIn(true);
    f.SetFlowControl(fcCustom);
    EXPECT_EQ(f.ControlRTS(), rtsHandshake);
    EXPECT_TRUE(f.XonXoffIn());
    EXPECT_EQ(f.FlowControl(), fcCustom);
    f.SetFlowControl(fcNone);
    EXPECT_EQ(f.ControlRTS(), rtsDisable);
    EXPECT_FALSE(f.OutCTSFlow() || f.XonXoffIn() || f.XonXoffOut());
}

TEST(ComSettings, OddPositiveQueueSizesAreTakenOneLower) {
    TComBuffer b;
    b.SetInputSize(1025);
    EXPECT_EQ(b.InputSize(), 1024);
    b.SetOutputSize(7);
    EXPECT_EQ(b.OutputSize(), 6);
    b.SetOutputSize(-3);
    EXPECT_EQ(b.OutputSize(), -3);
}

TEST(ComSettings, AssignCopiesWithinAClassOnly) {
    TComPort a, b;
    a.FlowControl()->SetFlowControl(fcHardware);
    a.FlowControl()->SetXonChar('Q');
    a.Parity()->SetBits(prEven);
    a.Parity()->SetReplaceChar('?');
    a.Timeouts()->SetReadTotalConstant(77);
    a.Buffer()->SetOutputSize(4096);
    b.SetFlowControl(a.FlowControl());
    b.SetParity(a.Parity());
    b.SetTimeouts(a.Timeouts());
    b.SetBuffer(a.Buffer());
    EXPECT_EQ(b.FlowControl()->FlowControl(), fcHardware);
    EXPECT_EQ(b.FlowControl()->XonChar(), 'Q');
    EXPECT_EQ(b.Parity()->Bits(), prEven);
    EXPECT_EQ(b.Parity()->ReplaceChar(), '?');
    EXPECT_EQ(b.Timeouts()->ReadTotalConstant(), 77);
    EXPECT_EQ(b.Buffer()->OutputSize(), 4096);
    // Each keeps its own port.
    EXPECT_EQ(b.FlowControl()->ComPort(), &b);
    EXPECT_THROW(b.Parity()->Assign(a.Timeouts()), EConvertError);
}
