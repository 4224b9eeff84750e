// The port as a stored form defines it: the configuration window's ComPort1,
// and a stored open port that opens once its form is read.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/formreader.h"
#include "serial/comport.h"
#include "tests/serial/pty.h"

using namespace tv;

namespace {

std::unique_ptr<TComponent> ReadForm(const std::string& text) {
    RegisterClass(TComPort::StaticClass());
    auto root = std::make_unique<TComponent>();
    TReader reader(text, "test form");
    reader.ReadRootComponent(root.get());
    return root;
}

} // namespace

TEST(ComPortForm, TheConfigurationWindowsPortReadsFromItsDefinition) {
    auto root = ReadForm(R"(object Fconfigura: TComponent
  object ComPort1: TComPort
    BaudRate = br19200
    Port = 'COM3'
    Parity.Bits = prEven
    StopBits = sbTwoStopBits
    DataBits = dbSeven
    Events = [evRxChar, evTxEmpty, evRxFlag, evRing, evBreak, evCTS, evDSR, evError, evRLSD, evRx80Full]
    FlowControl.OutCTSFlow = False
    FlowControl.OutDSRFlow = False
    FlowControl.ControlDTR = dtrDisable
    FlowControl.ControlRTS = rtsHandshake
    FlowControl.XonXoffOut = False
    FlowControl.XonXoffIn = False
    FlowControl.XonChar = #5
    Timeouts.ReadInterval = 25
  end
end
)");
    auto* port = dynamic_cast<TComPort*>(root->FindComponent("ComPort1"));
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(port->BaudRate(), br19200);
    EXPECT_EQ(port->Port(), "COM3");
    EXPECT_EQ(port->Parity()->Bits(), prEven);
    EXPECT_EQ(port->StopBits(), sbTwoStopBits);
    EXPECT_EQ(port->DataBits(), dbSeven);
    EXPECT_EQ(port->Events(), AllComEvents);
    EXPECT_EQ(port->FlowControl()->ControlRTS(), rtsHandshake);
    EXPECT_EQ(port->FlowControl()->XonChar(), 5);
    EXPECT_EQ(port->Timeouts()->ReadInterval(), 25);
    EXPECT_FALSE(port->Connected());
}

TEST(ComPortForm, AStoredOpenPortOpensOnceItsFormIsRead) {
    serialtest::PtyPair pty;
    auto root = ReadForm("object Station: TComponent\n  object Drawer: TComPort\n    Connected = True\n    Port = '" +
                         pty.SlavePath() + "'\n    Events = []\n  end\nend\n");
    auto* port = dynamic_cast<TComPort*>(root->FindComponent("Drawer"));
    ASSERT_NE(port, nullptr);
    EXPECT_TRUE(port->Connected());
    port->Write("!", 1);
    EXPECT_EQ(pty.Receive(1), "!");
}
