// The setup window on the headless desktop, answered by a person's keys and
// clicks: its stored texts in Spanish, the lists filled and bound to the
// port, OK pushing the choices to an open pseudo-terminal, Cancel, Esc and
// closing leaving it alone; and a list with AutoApply on a window of its own.
#include <asm/termbits.h>
#include <sys/ioctl.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/formreader.h"
#include "core/stringlist.h"
#include "core/unitinit.h"
#include "framework/ui/application.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/screen.h"
#include "i18n/gnugettext.h"
#include "platform/backend/headless.h"
#include "platform/window/desktop.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "serial/comcombobox.h"
#include "serial/comerror.h"
#include "serial/comport.h"
#include "serial/comportlist.h"
#include "serial/comsetupform.h"
#include "tests/serial/pty.h"
#include "tests/support/tempdir.h"

using namespace tv;
using namespace tv::win;

namespace {

struct termios2 LineOf(const serialtest::PtyPair& pty) {
    struct termios2 t {};
    EXPECT_EQ(ioctl(pty.Master(), TCGETS2, &t), 0);
    return t;
}

std::string ListOf(const TStrings& list) {
    std::string out;
    for (int i = 0; i < list.Count(); ++i) out += (i ? "," : "") + list.Strings(i);
    return out;
}

// The setup window while it is shown.
TComSetupFrm* SetupWindow() {
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (auto* form = dynamic_cast<TComSetupFrm*>(Screen->Forms(i)); form && form->Visible()) return form;
    return nullptr;
}

template <class T>
T* Part(TComponent* form, const std::string& name) {
    auto* part = dynamic_cast<T*>(form->FindComponent(name));
    EXPECT_NE(part, nullptr) << name;
    return part;
}

// What a person does: picks an entry with the arrow keys, clicks a button.
void Choose(TComComboBox* combo, const std::string& text) {
    int target = combo->Items()->IndexOf(text);
    ASSERT_GE(target, 0) << text;
    combo->SetFocus();
    ProcessPendingMessages();
    for (int guard = 0; combo->ItemIndex() != target && guard < 32; ++guard)
        PressKey(combo->ItemIndex() < target ? VK_DOWN : VK_UP);
    ASSERT_EQ(combo->Text(), text);
}

void ClickOn(TControl* control) {
    POINT p = control->ClientToScreen({control->Width() / 2, control->Height() / 2});
    Click(p.x, p.y);
}

class SetupWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetDesktop();
        ClearScript();
        InitializeUnits();
        InitializeUI();
    }
    void TearDown() override {
        FinalizeUI();
        FinalizeUnits();
        ClearScript();
        ResetDesktop();
    }

    // The station's Spanish catalog of the port, with the value texts of the
    // lists translated too, as a careless catalog might have them.
    void SpeakSpanish() {
        std::filesystem::path folder = dir.path() / "es" / "LC_MESSAGES";
        std::filesystem::create_directories(folder);
        std::ofstream(dir.file("values.po"))
            << "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
               "msgid \"None\"\nmsgstr \"Ninguna\"\n\nmsgid \"Custom\"\nmsgstr \"A la medida\"\n\n"
               "msgid \"Hardware\"\nmsgstr \"Por hardware\"\n\nmsgid \"COM1\"\nmsgstr \"Puerto 1\"\n";
        std::string command = "msgcat --use-first '" TALLYVO_SOURCE_DIR "/i18n/po/es/cport.po' '" +
                              dir.file("values.po") + "' | msgfmt -o '" + (folder / "cport.mo").string() + "' -";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        ASSERT_NE(DefaultInstance(), nullptr);
        DefaultInstance()->BindTextDomain("cport", dir.path().string());
        DefaultInstance()->UseLanguage("es");
    }

    tvtest::TempDir dir;
};

} // namespace

TEST_F(SetupWindowTest, TheWindowSpeaksSpanishAndItsListsKeepTheirValueTexts) {
    SpeakSpanish();
    TComPort port;
    port.FlowControl()->SetFlowControl(fcHardware);
    std::vector<std::string> texts, lists;
    std::string portShown = "?";
    bool centred = false;
    ScriptStep([&] {
        TComSetupFrm* form = SetupWindow();
        ASSERT_NE(form, nullptr);
        texts.push_back(form->Caption());
        texts.push_back(Part<TControl>(form, "GroupBox1")->Caption());
        for (int i = 1; i <= 6; ++i) {
            auto* label = Part<TLabel>(form, "Label" + std::to_string(i));
            texts.push_back(label->Caption());
            // The longer Spanish texts still end clear of their lists.
            EXPECT_LE(label->Left() + label->Width() + 4, form->Combo(i)->Left()) << label->Caption();
            EXPECT_LE(form->Combo(i)->Left() + form->Combo(i)->Width(), Part<TControl>(form, "GroupBox1")->ClientWidth());
        }
        texts.push_back(Part<TButton>(form, "Button1")->Caption());
        texts.push_back(Part<TButton>(form, "Button2")->Caption());
        for (int i = 2; i <= 6; ++i) lists.push_back(ListOf(*form->Combo(i)->Items()) + " = " + form->Combo(i)->Text());
        portShown = form->Combo(1)->Text();
        EXPECT_EQ(form->ClientWidth(), 231);
        EXPECT_EQ(form->ClientHeight(), 216);
        centred = form->Left() == (ScreenWidth() - form->Width()) / 2 &&
                  form->Top() == (ScreenHeight() - form->Height()) / 2;
        ClickOn(Part<TButton>(form, "Button1"));
    });
    port.ShowSetupDialog();
    EXPECT_EQ(texts, (std::vector<std::string>{"Configuración", " Parámetros ", "Puerto", "Velocidad",
                                               "Bits de datos", "Bits de parada", "Paridad", "Ctrl. de flujo",
                                               "Aceptar", "Cancelar"}));
    EXPECT_EQ(lists, (std::vector<std::string>{
                         "Custom,110,300,600,1200,2400,4800,9600,14400,19200,38400,56000,57600,115200,128000,256000"
                         " = 9600",
                         "5,6,7,8 = 8", "1,1.5,2 = 1", "None,Odd,Even,Mark,Space = None",
                         "Hardware,Software,None,Custom = Hardware"}));
    EXPECT_TRUE(centred);
    // OK read the value texts back into the same settings.
    EXPECT_EQ(port.BaudRate(), br9600);
    EXPECT_EQ(port.Parity()->Bits(), prNone);
    EXPECT_EQ(port.FlowControl()->FlowControl(), fcHardware);
    // "COM1" shows as the device it names when the machine has it, and OK
    // stores what showed.
    TStringList machine;
    EnumComPorts(&machine);
    EXPECT_EQ(portShown, machine.IndexOf("/dev/ttyS0") >= 0 ? "/dev/ttyS0" : "");
    EXPECT_EQ(port.Port(), portShown);
}

TEST_F(SetupWindowTest, OkPushesTheChoicesToTheOpenDeviceAndCancelOrClosingLeavesIt) {
    enum Answer { Ok, Cancel, CloseBox, EscKey };
    for (Answer answer : {Cancel, CloseBox, EscKey, Ok}) {
        SCOPED_TRACE(answer);
        serialtest::PtyPair pty;
        TComPort port;
        port.SetPort(pty.SlavePath());
        port.SetEvents({});
        port.Open();
        std::string portList, portShown = "?";
        ScriptStep([&] {
            TComSetupFrm* form = SetupWindow();
            ASSERT_NE(form, nullptr);
            portList = ListOf(*form->Combo(1)->Items());
            portShown = form->Combo(1)->Text();
            // The box shows nothing, and OK would store that: the person
            // picks the line, as from an adapter that the list offers.
            form->Combo(1)->Items()->Add(pty.SlavePath());
            Choose(form->Combo(1), pty.SlavePath());
            Choose(form->Combo(2), "19200");
            Choose(form->Combo(3), "7");
            Choose(form->Combo(4), "2");
            Choose(form->Combo(5), "Mark");
            Choose(form->Combo(6), "Hardware");
            // Nothing reaches the port before the window closes.
            EXPECT_EQ(port.BaudRate(), br9600);
            if (answer == CloseBox) PostMessage(form->Handle(), WM_CLOSE, 0, 0);
            else if (answer == EscKey) QueueKey(VK_ESCAPE);  // Esc acts as the Cancel button
            else ClickOn(Part<TButton>(form, answer == Ok ? "Button1" : "Button2"));
        });
        port.ShowSetupDialog();
        EXPECT_EQ(PendingScriptSteps(), 0u);
        EXPECT_EQ(Screen->FormCount(), 0);  // the window is freed

        TStringList machine;
        EnumComPorts(&machine);
        EXPECT_EQ(portList, ListOf(machine));
        EXPECT_EQ(portShown, "");  // a pseudo-terminal is no serial port of the machine
        EXPECT_EQ(port.Port(), pty.SlavePath());
        EXPECT_TRUE(port.Connected());
        auto line = LineOf(pty);
        if (answer == Ok) {
            EXPECT_EQ(port.BaudRate(), br19200);
            EXPECT_EQ(port.DataBits(), dbSeven);
            EXPECT_EQ(port.StopBits(), sbTwoStopBits);
            EXPECT_EQ(port.Parity()->Bits(), prMark);
            EXPECT_EQ(port.FlowControl()->FlowControl(), fcHardware);
            EXPECT_EQ(line.c_ospeed, 19200u);
            EXPECT_TRUE(line.c_cflag & CSTOPB);
            EXPECT_TRUE(line.c_cflag & CMSPAR);
            EXPECT_TRUE(line.c_cflag & CRTSCTS);
        } else {
            EXPECT_EQ(port.BaudRate(), br9600);
            EXPECT_EQ(port.DataBits(), dbEight);
            EXPECT_EQ(port.StopBits(), sbOneStopBit);
            EXPECT_EQ(port.Parity()->Bits(), prNone);
            EXPECT_EQ(port.FlowControl()->FlowControl(), fcNone);
            EXPECT_EQ(line.c_ospeed, 9600u);
            EXPECT_FALSE(line.c_cflag & (CSTOPB | CMSPAR | CRTSCTS));
        }
        port.Close();
    }
}

TEST_F(SetupWindowTest, APortThatCannotOpenOnOkFailsTheCallAndStillFreesTheWindow) {
    serialtest::PtyPair pty;
    TComPort port;
    port.SetPort(pty.SlavePath());
    port.SetEvents({});
    port.Open();
    ScriptStep([&] {
        TComSetupFrm* form = SetupWindow();
        ASSERT_NE(form, nullptr);
        // An adapter listed when the window opened, unplugged before OK.
        form->Combo(1)->Items()->Add("/dev/tallyvo-unplugged");
        Choose(form->Combo(1), "/dev/tallyvo-unplugged");
        Choose(form->Combo(2), "57600");
        PressKey(VK_RETURN);  // the default button
    });
    try {
        port.ShowSetupDialog();
        FAIL() << "applied";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.Code(), 1);
    }
    EXPECT_EQ(Screen->FormCount(), 0);
    EXPECT_EQ(port.UpdateCount(), 0);
    EXPECT_FALSE(port.Connected());
}

TEST_F(SetupWindowTest, WithoutARunningApplicationTheDialogShowsNothingAndCountsAsCancel) {
    FinalizeUI();
    TComPort port;
    port.SetBaudRate(br4800);
    port.ShowSetupDialog();
    EXPECT_EQ(port.BaudRate(), br4800);
}

TEST_F(SetupWindowTest, AStoredListWithAutoApplyChangesItsPortBeforeOnChange) {
    RegisterClass(TComPort::StaticClass());
    RegisterComSetupClasses();
    auto* form = new TForm(nullptr);
    ReadComponentText(R"(object Till: TForm
  Width = 300
  Height = 200
  object Scale: TComPort
    BaudRate = br19200
  end
  object Rate: TComComboBox
    Left = 8
    Top = 8
    ComPort = Scale
    ComProperty = cpBaudRate
    AutoApply = True
  end
  object Bits: TComComboBox
    Left = 8
    Top = 40
    ComPort = Scale
    ComProperty = cpDataBits
  end
end
)",
                      form);
    auto* port = Part<TComPort>(form, "Scale");
    auto* rate = Part<TComComboBox>(form, "Rate");
    auto* bits = Part<TComComboBox>(form, "Bits");
    EXPECT_EQ(rate->Style(), csDropDownList);
    EXPECT_EQ(rate->Text(), "19200");
    EXPECT_EQ(bits->Text(), "8");
    std::vector<TBaudRate> seen;
    rate->OnChange = [&](TObject*) { seen.push_back(port->BaudRate()); };
    form->Show();
    ProcessPendingMessages();

    Choose(rate, "38400");
    EXPECT_EQ(seen, (std::vector<TBaudRate>{br38400}));
    EXPECT_EQ(port->BaudRate(), br38400);
    Choose(bits, "7");  // no AutoApply: pending until applied
    EXPECT_EQ(port->DataBits(), dbEight);
    bits->ApplySettings();
    EXPECT_EQ(port->DataBits(), dbSeven);

    rate->OnChange = nullptr;
    delete port;
    EXPECT_EQ(rate->ComPort(), nullptr);
    EXPECT_EQ(rate->ItemIndex(), 0);
    EXPECT_EQ(rate->Text(), "Custom");
    Choose(rate, "110");  // nothing bound: nothing to change
    delete form;
}

TEST_F(SetupWindowTest, AListEmptiedBeforeItHasAWindowSelectsNothing) {
    TComComboBox combo;
    combo.SetComProperty(cpParity);
    combo.SetText("Even");
    combo.SetComProperty(cpNone);
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "");
    combo.SetComProperty(cpDataBits);
    EXPECT_EQ(combo.Text(), "5");
}
