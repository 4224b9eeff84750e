// Storing port settings in ini files and the registry store, and reading
// them back.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/registry.h"
#include "serial/comerror.h"
#include "serial/comport.h"
#include "tests/support/tempdir.h"

using namespace tv;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// The key=value lines of a file, without blank lines.
std::string Lines(const std::string& text) {
    std::string out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) out += line + "\n";
    }
    return out;
}

class StorageTest : public ::testing::Test {
protected:
    void SetUp() override {
        port.SetName("ComPort1");
        ini = dir.file("cnfptocaj.ini");
    }
    tvtest::TempDir dir;
    TComPort port;
    std::string ini;
};

void ChooseEveryGroup(TComPort& port) {
    port.SetStoredGroups({sgBasic, sgFlowControl, sgBuffer, sgTimeouts, sgParity, sgOthers});
}

void SetEverything(TComPort& port) {
    port.SetPort("/dev/ttyUSB0");
    port.SetBaudRate(brCustom);
    port.SetCustomBaudRate(250000);
    port.SetStopBits(sbOne5StopBits);
    port.SetDataBits(dbSeven);
    port.SetEventChar('\n');
    port.SetDiscardNull(true);
    port.Parity()->SetBits(prMark);
    port.Parity()->SetCheck(true);
    port.Parity()->SetReplace(true);
    port.Parity()->SetReplaceChar(static_cast<char>(200));
    port.Buffer()->SetInputSize(4096);
    port.Buffer()->SetOutputSize(512);
    port.Timeouts()->SetReadInterval(10);
    port.Timeouts()->SetReadTotalConstant(20);
    port.Timeouts()->SetReadTotalMultiplier(30);
    port.Timeouts()->SetWriteTotalConstant(40);
    port.Timeouts()->SetWriteTotalMultiplier(50);
    TComFlowControl* f = port.FlowControl();
    f->SetControlRTS(rtsToggle);
    f->SetControlDTR(dtrHandshake);
    f->SetDSRSensitivity(true);
    f->SetOutCTSFlow(true);
    f->SetOutDSRFlow(true);
    f->SetTxContinueOnXoff(true);
    f->SetXonXoffIn(true);
    f->SetXonXoffOut(false);
    f->SetXoffChar('S');
    f->SetXonChar(' ');
}

void ExpectSame(TComPort& a, TComPort& b) {
    EXPECT_EQ(a.Port(), b.Port());
    EXPECT_EQ(a.BaudRate(), b.BaudRate());
    EXPECT_EQ(a.CustomBaudRate(), b.CustomBaudRate());
    EXPECT_EQ(a.StopBits(), b.StopBits());
    EXPECT_EQ(a.DataBits(), b.DataBits());
    EXPECT_EQ(a.EventChar(), b.EventChar());
    EXPECT_EQ(a.DiscardNull(), b.DiscardNull());
    EXPECT_EQ(a.Parity()->Bits(), b.Parity()->Bits());
    EXPECT_EQ(a.Parity()->Check(), b.Parity()->Check());
    EXPECT_EQ(a.Parity()->Replace(), b.Parity()->Replace());
    EXPECT_EQ(a.Parity()->ReplaceChar(), b.Parity()->ReplaceChar());
    EXPECT_EQ(a.Buffer()->InputSize(), b.Buffer()->InputSize());
    EXPECT_EQ(a.Buffer()->OutputSize(), b.Buffer()->OutputSize());
    EXPECT_EQ(a.Timeouts()->ReadInterval(), b.Timeouts()->ReadInterval());
    EXPECT_EQ(a.Timeouts()->ReadTotalConstant(), b.Timeouts()->ReadTotalConstant());
    EXPECT_EQ(a.Timeouts()->ReadTotalMultiplier(), b.Timeouts()->ReadTotalMultiplier());
    EXPECT_EQ(a.Timeouts()->WriteTotalConstant(), b.Timeouts()->WriteTotalConstant());
    EXPECT_EQ(a.Timeouts()->WriteTotalMultiplier(), b.Timeouts()->WriteTotalMultiplier());
    TComFlowControl *fa = a.FlowControl(), *fb = b.FlowControl();
    EXPECT_EQ(fa->ControlRTS(), fb->ControlRTS());
    EXPECT_EQ(fa->ControlDTR(), fb->ControlDTR());
    EXPECT_EQ(fa->DSRSensitivity(), fb->DSRSensitivity());
    EXPECT_EQ(fa->OutCTSFlow(), fb->OutCTSFlow());
    EXPECT_EQ(fa->OutDSRFlow(), fb->OutDSRFlow());
    EXPECT_EQ(fa->TxContinueOnXoff(), fb->TxContinueOnXoff());
    EXPECT_EQ(fa->XonXoffIn(), fb->XonXoffIn());
    EXPECT_EQ(fa->XonXoffOut(), fb->XonXoffOut());
    EXPECT_EQ(fa->XoffChar(), fb->XoffChar());
    EXPECT_EQ(fa->XonChar(), fb->XonChar());
}

} // namespace

TEST_F(StorageTest, ADefaultPortStoresTheBasicGroupOnly) {
    port.StoreSettings(true, ini);
    EXPECT_EQ(Lines(ReadFile(ini)),
              "[ComPort1]\nPort=COM1\nBaudRate=9600\nStopBits=1\nDataBits=8\nParity=None\nFlowControl=None\n");
}

TEST_F(StorageTest, ACustomRateStoresItsNumberAfterTheRate) {
    port.SetBaudRate(brCustom);
    port.SetCustomBaudRate(250000);
    port.FlowControl()->SetFlowControl(fcHardware);
    port.StoreSettings(true, ini);
    EXPECT_EQ(Lines(ReadFile(ini)), "[ComPort1]\nPort=COM1\nBaudRate=Custom\nCustomBaudRate=250000\nStopBits=1\n"
                                    "DataBits=8\nParity=None\nFlowControl=Hardware\n");
    port.FlowControl()->SetXonXoffIn(true);
    port.StoreSettings(true, ini);
    EXPECT_NE(ReadFile(ini).find("FlowControl=Custom"), std::string::npos);
}

TEST_F(StorageTest, EveryGroupIsWrittenInItsOrderAndReadsBack) {
    ChooseEveryGroup(port);
    SetEverything(port);
    port.StoreSettings(true, ini);
    EXPECT_EQ(Lines(ReadFile(ini)),
              "[ComPort1]\n"
              "Port=/dev/ttyUSB0\nBaudRate=Custom\nCustomBaudRate=250000\nStopBits=1.5\nDataBits=7\nParity=Mark\n"
              "FlowControl=Custom\n"
              "EventChar=#10\nDiscardNull=Yes\n"
              "Parity.Check=Yes\nParity.Replace=Yes\nParity.ReplaceChar=#200\n"
              "Buffer.OutputSize=512\nBuffer.InputSize=4096\n"
              "Timeouts.ReadInterval=10\nTimeouts.ReadTotalConstant=20\nTimeouts.ReadTotalMultiplier=30\n"
              "Timeouts.WriteTotalConstant=40\nTimeouts.WriteTotalMultiplier=50\n"
              "FlowControl.ControlRTS=Toggle\nFlowControl.ControlDTR=Handshake\nFlowControl.DSRSensitivity=Yes\n"
              "FlowControl.OutCTSFlow=Yes\nFlowControl.OutDSRFlow=Yes\nFlowControl.TxContinueOnXoff=Yes\n"
              "FlowControl.XonXoffIn=Yes\nFlowControl.XonXoffOut=No\nFlowControl.XoffChar=S\n"
              "FlowControl.XonChar=#32\n");

    TComPort back;
    back.SetName("ComPort1");
    ChooseEveryGroup(back);
    back.LoadSettings(true, ini);
    ExpectSame(port, back);
}

TEST_F(StorageTest, LoadingKeepsWhatIsMissingAndFallsBackOnWhatIsUnknown) {
    WriteFile(ini, "[ComPort1]\nBaudRate=custom\nParity=odd\nFlowControl=xyz\nStopBits=9\n[Other]\nPort=COM7\n");
    port.FlowControl()->SetOutCTSFlow(true);
    port.SetStopBits(sbTwoStopBits);
    port.LoadSettings(true, ini);
    EXPECT_EQ(port.Port(), "COM1");  // missing: unchanged
    EXPECT_EQ(port.BaudRate(), brCustom);
    EXPECT_EQ(port.CustomBaudRate(), 9600);  // missing number of a custom rate
    EXPECT_EQ(port.Parity()->Bits(), prOdd);
    EXPECT_TRUE(port.FlowControl()->OutCTSFlow());  // Custom leaves the flags
    EXPECT_EQ(port.StopBits(), sbOneStopBit);       // unknown text: the fallback
}

TEST_F(StorageTest, ADamagedFileLoadsWithoutHarm) {
    ChooseEveryGroup(port);
    WriteFile(ini, std::string("\0\xff", 2) +
                       " garbage\n[ComPort1\nPort\n=COM3\n[ComPort1]\nBaudRate=\nBuffer.InputSize=lots\n"
                       "FlowControl.XonChar=#x\nEventChar=#\nParity.Check=maybe\n");
    EXPECT_NO_THROW(port.LoadSettings(true, ini));
    EXPECT_EQ(port.Port(), "COM1");
    EXPECT_EQ(port.BaudRate(), br9600);
    EXPECT_EQ(port.Buffer()->InputSize(), 1024);
    EXPECT_EQ(port.FlowControl()->XonChar(), 0);
    EXPECT_EQ(port.EventChar(), '#');
    EXPECT_FALSE(port.Parity()->Check());
}

TEST_F(StorageTest, APortValueThatNamesNoDeviceFailsTheLoadAndIsNotKept) {
    for (const std::string& valor : {std::string(10 << 20, 'x'), std::string("/dev/tty\0S0", 11), std::string(256, 'y')}) {
        SCOPED_TRACE(valor.size());
        WriteFile(ini, "[ComPort1]\nPort=" + valor + "\nBaudRate=19200\n");
        try {
            port.LoadSettings(true, ini);
            ADD_FAILURE() << "loaded";
        } catch (const EComPort& e) {
            EXPECT_EQ(e.Code(), 17);
        }
        EXPECT_EQ(port.Port(), "COM1");
        port.StoreSettings(true, ini);
        EXPECT_LT(ReadFile(ini).size(), 1000u);
    }
    WriteFile(ini, "[ComPort1]\nPort=" + std::string(255, 'z') + "\n");
    port.LoadSettings(true, ini);
    EXPECT_EQ(port.Port().size(), 255u);
}

TEST_F(StorageTest, AnUnwritablePathRaisesCodeSixteen) {
    WriteFile(dir.file("plain"), "not a folder");
    for (const std::string& path : {dir.file("plain") + "/cnfptocaj.ini", dir.path().string()}) {
        SCOPED_TRACE(path);
        try {
            port.StoreSettings(true, path);
            FAIL() << "stored";
        } catch (const EComPort& e) {
            EXPECT_EQ(e.Code(), 16);
            EXPECT_EQ(e.SystemCode(), -1);
            EXPECT_EQ(e.Message(), "Failed to store settings");
        }
    }
}

namespace {

class RegistryStorageTest : public StorageTest {
protected:
    void SetUp() override {
        StorageTest::SetUp();
        const char* old = std::getenv("TALLYVO_REGISTRY_DIR");
        saved_ = old ? old : "";
        hadOld_ = old != nullptr;
        setenv("TALLYVO_REGISTRY_DIR", dir.file("registry").c_str(), 1);
    }
    void TearDown() override {
        if (hadOld_)
            setenv("TALLYVO_REGISTRY_DIR", saved_.c_str(), 1);
        else
            unsetenv("TALLYVO_REGISTRY_DIR");
    }

private:
    std::string saved_;
    bool hadOld_ = false;
};

} // namespace

TEST_F(RegistryStorageTest, SettingsGoUnderTheKeyNamedByThePathAndTheComponent) {
    ChooseEveryGroup(port);
    SetEverything(port);
    port.StoreSettings(false, "HKEY_LOCAL_MACHINE\\Software\\Ports");

    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Ports\\ComPort1"));
    EXPECT_EQ(reg.ReadString("Port"), "/dev/ttyUSB0");
    EXPECT_EQ(reg.ReadInteger("CustomBaudRate"), 250000);
    EXPECT_EQ(reg.GetDataType("Buffer.InputSize"), TRegDataType::rdInteger);
    EXPECT_EQ(reg.ReadString("Parity.ReplaceChar"), "#200");
    EXPECT_EQ(reg.ReadString("FlowControl.XonChar"), "#32");

    TComPort back;
    back.SetName("ComPort1");
    ChooseEveryGroup(back);
    back.LoadSettings(false, "hkey_local_machine\\Software\\Ports\\");
    ExpectSame(port, back);
}

TEST_F(RegistryStorageTest, AnyOtherRootMeansTheCurrentUser) {
    port.SetPort("COM3");
    port.StoreSettings(false, "SOMEWHERE\\Software\\Tallyvo");
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Tallyvo\\ComPort1"));
    EXPECT_EQ(reg.ReadString("Port"), "COM3");
    EXPECT_EQ(reg.ReadString("BaudRate"), "9600");
    EXPECT_FALSE(reg.ValueExists("CustomBaudRate"));
}

TEST_F(RegistryStorageTest, AStoreThatCannotBeWrittenRaisesCodeSixteen) {
    WriteFile(dir.file("registry"), "a file where the store's folder should be");
    try {
        port.StoreSettings(false, "HKEY_CURRENT_USER\\Software\\Ports");
        FAIL() << "stored";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.Code(), 16);
    }
}

TEST_F(RegistryStorageTest, AMissingNumberFailsTheLoadWithCodeSeventeen) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\Ports\\ComPort1", true));
    reg.WriteString("BaudRate", "Custom");
    try {
        port.LoadSettings(false, "HKEY_CURRENT_USER\\Software\\Ports");
        FAIL() << "loaded";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.Code(), 17);
        EXPECT_EQ(e.Message(), "Failed to load settings");
    }
}
