// The port list, the selection lists bound to a port, and the setup dialog
// driven without a window.
#include <sys/stat.h>

#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "core/stringlist.h"
#include "serial/comerror.h"
#include "serial/comport.h"
#include "serial/comportlist.h"
#include "serial/comselect.h"
#include "serial/comsetup.h"
#include "tests/serial/pty.h"
#include "tests/support/tempdir.h"

using namespace tv;

namespace {

// A copy of the kernel's tty class folder: each entry a folder, with a
// "device" inside for ports that have hardware behind them.
void AddTty(const tvtest::TempDir& dir, const std::string& name, bool device, const char* type = nullptr) {
    std::string entry = dir.file(name);
    mkdir(entry.c_str(), 0755);
    if (device) mkdir((entry + "/device").c_str(), 0755);
    if (type) std::ofstream(entry + "/type") << type << "\n";
}

std::string ListOf(const TStrings& list) {
    std::string out;
    for (int i = 0; i < list.Count(); ++i) out += (i ? "," : "") + list.Strings(i);
    return out;
}

// The person at the setup window: picks texts, then presses OK or Cancel.
struct Person {
    std::vector<std::pair<int, std::string>> picks;
    bool ok = true;
    std::vector<std::string> shown;  // what each list showed when the window opened

    Person() {
        TComSetupData::OnShowModal = [this](TComSetupData& window) {
            shown.clear();
            for (int i = 1; i <= 6; ++i) shown.push_back(window.Combo(i).Text());
            for (auto& [combo, text] : picks) {
                window.Combo(combo).SetText(text);
                window.Combo(combo).Change();
            }
            return ok;
        };
    }
    ~Person() { TComSetupData::OnShowModal = nullptr; }
};

} // namespace

TEST(ComPortList, ListsPortsWithHardwareInTextOrder) {
    tvtest::TempDir dir;
    AddTty(dir, "ttyS10", true, "4");
    AddTty(dir, "ttyS2", true, "4");
    AddTty(dir, "ttyS0", true, "4");
    AddTty(dir, "ttyS1", true, "0");  // reserved, no UART
    AddTty(dir, "ttyUSB0", true);
    AddTty(dir, "tty1", false);       // a console
    TStringList list;
    list.Add("old entry");
    EnumComPortsIn(dir.path().string(), &list);
    EXPECT_EQ(ListOf(list), "/dev/ttyS0,/dev/ttyS10,/dev/ttyS2,/dev/ttyUSB0");
}

TEST(ComPortList, AnUnreadableDeviceListRaisesCodeTwentyThree) {
    TStringList list;
    try {
        EnumComPortsIn("/tallyvo/no/such/folder", &list);
        FAIL() << "listed";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.Code(), 23);
        EXPECT_EQ(e.SystemCode(), 2);
        EXPECT_EQ(e.Message(), "Registry error (win error code: 2)");
    }
    EXPECT_NO_THROW(EnumComPorts(&list));  // the machine's own list reads
}

TEST(ComPortList, PortNamesStandForDeviceFiles) {
    EXPECT_EQ(ComPortDevicePath("COM1"), "/dev/ttyS0");
    EXPECT_EQ(ComPortDevicePath("com12"), "/dev/ttyS11");
    EXPECT_EQ(ComPortDevicePath("\\\\.\\COM3"), "/dev/ttyS2");
    EXPECT_EQ(ComPortDevicePath("ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(ComPortDevicePath("/dev/pts/7"), "/dev/pts/7");
    EXPECT_EQ(ComPortDevicePath("COM0"), "/dev/COM0");
    EXPECT_EQ(ComPortDevicePath("COM1x"), "/dev/COM1x");
    EXPECT_EQ(ComPortDevicePath(""), "");
    EXPECT_TRUE(SameComPort("COM1", "/dev/ttyS0"));
    EXPECT_FALSE(SameComPort("", ""));
}

TEST(ComSelect, EachKindListsItsTextsAndShowsThePortsValue) {
    TComPort port;
    port.SetBaudRate(brCustom);
    port.SetStopBits(sbTwoStopBits);
    port.FlowControl()->SetControlRTS(rtsEnable);  // flags that make Custom
    struct Case {
        TComProperty kind;
        std::string items;
        std::string shown;
    };
    for (const Case& c : {Case{cpBaudRate,
                               "Custom,110,300,600,1200,2400,4800,9600,14400,19200,38400,56000,57600,115200,128000,256000",
                               "Custom"},
                          Case{cpDataBits, "5,6,7,8", "8"}, Case{cpStopBits, "1,1.5,2", "2"},
                          Case{cpParity, "None,Odd,Even,Mark,Space", "None"},
                          Case{cpFlowControl, "Hardware,Software,None,Custom", "Custom"}, Case{cpNone, "", ""}}) {
        SCOPED_TRACE(c.items);
        TStringList items;
        TComSelect select(&items);
        select.SetComProperty(c.kind);
        EXPECT_EQ(ListOf(items), c.items);
        EXPECT_EQ(select.ItemIndex(), c.kind == cpNone ? -1 : 0);  // first entry without a port
        select.SetComPort(&port);
        EXPECT_EQ(select.Text(), c.shown);
    }
}

TEST(ComSelect, TextSelectsOnlyWhatIsListed) {
    TStringList items;
    TComSelect select(&items);
    select.SetComProperty(cpParity);
    select.SetText("Even");
    EXPECT_EQ(select.ItemIndex(), 2);
    select.SetText("Sideways");
    EXPECT_EQ(select.ItemIndex(), 2);
    EXPECT_EQ(select.Text(), "Even");
}

TEST(ComSelect, AChoiceIsPendingUntilAppliedOrAppliedAtOnce) {
    TComPort port;
    TStringList items;
    TComSelect select(&items);
    select.SetComProperty(cpBaudRate);
    select.SetComPort(&port);
    select.SetText("19200");
    select.Change();
    EXPECT_EQ(select.PendingBaudRate(), br19200);
    EXPECT_EQ(port.BaudRate(), br9600);
    select.ApplySettings();
    EXPECT_EQ(port.BaudRate(), br19200);

    select.SetAutoApply(true);
    select.SetText("110");
    select.Change();
    EXPECT_EQ(port.BaudRate(), br110);
}

TEST(ComSelect, APortTakesTheEntryItsBoxShowsAndAnAbsentOneShowsAndTakesNothing) {
    TComPort port;  // "COM1"
    TStringList items;
    TComSelect select(&items);
    select.SetComProperty(cpPort);
    // A machine with these two ports.
    items.Clear();
    items.Add("/dev/ttyS0");
    items.Add("/dev/ttyUSB0");
    select.SetComPort(&port);
    EXPECT_EQ(select.Text(), "/dev/ttyS0");
    select.ApplySettings();
    EXPECT_EQ(port.Port(), "/dev/ttyS0");

    port.SetPort("COM4");  // not present
    select.UpdateSettings();
    EXPECT_EQ(select.ItemIndex(), -1);
    select.ApplySettings();
    EXPECT_EQ(port.Port(), "");

    select.SetText("/dev/ttyUSB0");
    select.Change();
    select.ApplySettings();
    EXPECT_EQ(port.Port(), "/dev/ttyUSB0");
}

TEST(ComSelect, FreeingThePortUnbindsAndSelectsTheFirstEntry) {
    TStringList items;
    TComSelect select(&items);
    select.SetComProperty(cpDataBits);
    {
        TComPort port;
        port.SetDataBits(dbSeven);
        select.SetComPort(&port);
        EXPECT_EQ(select.Text(), "7");
    }
    EXPECT_EQ(select.ComPort(), nullptr);
    EXPECT_EQ(select.ItemIndex(), 0);
    select.ApplySettings();  // nothing bound: nothing happens
}

TEST(ComSetup, OkAppliesTheChoicesAndCancelLeavesThePort) {
    TComPort port;
    port.SetPort("/dev/ttyUSB7");
    {
        Person person;
        person.picks = {{2, "19200"}, {3, "7"}, {4, "2"}, {5, "Even"}, {6, "Software"}};
        person.ok = false;
        port.ShowSetupDialog();
        EXPECT_EQ(person.shown, (std::vector<std::string>{"", "9600", "8", "1", "None", "None"}));
        EXPECT_EQ(port.BaudRate(), br9600);
        EXPECT_EQ(port.Parity()->Bits(), prNone);
        EXPECT_EQ(port.FlowControl()->FlowControl(), fcNone);

        person.ok = true;
        port.ShowSetupDialog();
    }
    EXPECT_EQ(port.BaudRate(), br19200);
    EXPECT_EQ(port.DataBits(), dbSeven);
    EXPECT_EQ(port.StopBits(), sbTwoStopBits);
    EXPECT_EQ(port.Parity()->Bits(), prEven);
    EXPECT_EQ(port.FlowControl()->FlowControl(), fcSoftware);
    // A port the list does not show showed an empty box, and OK stored that.
    EXPECT_EQ(port.Port(), "");
    EXPECT_EQ(port.UpdateCount(), 0);
}

TEST(ComSetup, CustomValuesSurviveOk) {
    TComPort port;
    port.SetBaudRate(brCustom);
    port.SetCustomBaudRate(31250);
    port.FlowControl()->SetOutCTSFlow(true);  // no named flow control
    port.FlowControl()->SetXonXoffIn(true);
    Person person;
    port.ShowSetupDialog();
    EXPECT_EQ(person.shown[1], "Custom");
    EXPECT_EQ(person.shown[5], "Custom");
    EXPECT_EQ(port.BaudRate(), brCustom);
    EXPECT_EQ(port.CustomBaudRate(), 31250);
    EXPECT_TRUE(port.FlowControl()->OutCTSFlow());
    EXPECT_TRUE(port.FlowControl()->XonXoffIn());
    EXPECT_EQ(port.Port(), person.shown[0]);
}

TEST(ComSetup, AFailureWhileApplyingPassesOutAndClosesTheBracket) {
    serialtest::PtyPair pty;
    TComPort port;
    port.SetPort(pty.SlavePath());
    port.SetEvents({});
    port.Open();
    {
        Person person;
        person.picks = {{2, "19200"}};
        auto shown = TComSetupData::OnShowModal;
        TComSetupData::OnShowModal = [&](TComSetupData& window) {
            // An adapter that was listed and is unplugged before OK.
            window.Combo(1).Items()->Add("/dev/tallyvo-unplugged");
            window.Combo(1).SetText("/dev/tallyvo-unplugged");
            window.Combo(1).Change();
            return shown(window);
        };
        try {
            port.ShowSetupDialog();
            FAIL() << "applied";
        } catch (const EComPort& e) {
            EXPECT_EQ(e.Code(), 1);
        }
    }
    EXPECT_EQ(port.UpdateCount(), 0);
    EXPECT_FALSE(port.Connected());
    port.SetPort(pty.SlavePath());
    port.Open();
    port.SetBaudRate(br57600);
    EXPECT_EQ(port.BaudRate(), br57600);
    port.Close();
}
