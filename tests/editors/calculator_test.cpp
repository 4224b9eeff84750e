// The calculator driven by keys and clicks, and its drop-down form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editorfixture.h"
#include "editors/calculator.h"
#include "editors/editbuttoncontrol.h"
#include "core/formatsettings.h"
#include "framework/ui/basiccontrols.h"
#include "platform/clipboard/clipboard.h"
#include "platform/window/messages.h"
#include "framework/ui/uimessages.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class Calculator : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        calc = new TCalculatorEh(form);
        calc->SetParent(form);
        calc->SetLeft(10);
        calc->SetTop(10);
        calc->SetTabStop(true);
        Focus(calc);
    }
    void Focus(TWinControl* c) {
        c->SetFocus();
        ProcessPendingMessages();
    }
    // Types as a person at the keyboard; "\b" is Backspace, "\r" Enter.
    void Type(const std::string& keys) {
        for (char k : keys) {
            if (k == '\b') {
                PressKey(VK_BACK);
            } else if (k == '\r') {
                PressKey(VK_RETURN);
            } else {
                TypeText(std::string(1, k));
            }
        }
    }
    void ClickButton(const std::string& name) {
        auto* b = dynamic_cast<TControl*>(calc->FindComponent(name));
        ASSERT_TRUE(b) << name;
        POINT p = At(b, b->Width() / 2, b->Height() / 2);
        Click(p.x, p.y);
    }
    std::string Equal() { return dynamic_cast<TControl*>(calc->FindComponent("spEqual"))->Caption(); }
    TCalculatorEh* calc = nullptr;
};

TEST_F(Calculator, IsBuiltFromItsDefinition) {
    int buttons = 0;
    for (int i = 0; i < calc->ComponentCount(); ++i)
        if (auto* b = dynamic_cast<TSpeedButtonEh*>(calc->Components(i))) {
            ++buttons;
            EXPECT_EQ(b->Style(), ebsGlyphEh);
            EXPECT_TRUE(b->Active());
            EXPECT_TRUE(b->Flat());
        }
    EXPECT_EQ(buttons, 23);
    EXPECT_EQ(calc->DisplayText(), "0");
    EXPECT_EQ(Equal(), "Ok");
    EXPECT_GT(calc->Width(), 100);
    EXPECT_GT(calc->Height(), 80);
}

TEST_F(Calculator, ComputesWhatIsTyped) {
    struct Case { const char* keys; const char* shown; } cases[] = {
        {"12+3=", "15"},     {"12+3==", "15"},    {"200+10%", "220"},   {"50*10%", "5"},
        {"7-10=", "-3"},     {"9/4=", "2,25"},    {"1.5*2=", "3"},      {"2.5.1+1=", "3,51"},
        {"5i", "-5"},        {"5i\b", "0"},       {"123\b", "12"},      {"4s", "2"},
        {"4r", "0,25"},      {"2+3*4=", "20"},    {"c", "0"},           {"12+3\r", "15"},
        {"123456789012345", "123456789012345"},   {"1234567890123456", "123456789012345"},
    };
    for (const Case& c : cases) {
        Type("c");
        Type(c.keys);
        EXPECT_EQ(calc->DisplayText(), c.shown) << c.keys;
    }
    // A minus sign leaves room for the fifteenth digit and no more.
    Type("c1i23456789012345");
    EXPECT_EQ(calc->DisplayText(), "-123456789012345");
    Type("6");
    EXPECT_EQ(calc->DisplayText(), "-123456789012345");
}

TEST_F(Calculator, ErrorsBlockEveryKeyButC) {
    for (const char* keys : {"1/0=", "0r", "4is"}) {
        Type("c");
        Type(keys);
        EXPECT_EQ(calc->DisplayText(), "Error") << keys;
        EXPECT_TRUE(calc->InError());
        Type("12+");
        EXPECT_EQ(calc->DisplayText(), "Error");
        EXPECT_EQ(calc->DisplayValue(), 0);
        Type("c");
        EXPECT_EQ(calc->DisplayText(), "0");
        EXPECT_FALSE(calc->InError());
    }
}

TEST_F(Calculator, TheEqualButtonShowsWhetherAnOperationIsPending) {
    Type("12+");
    EXPECT_EQ(Equal(), "Ok");
    Type("3");
    EXPECT_EQ(Equal(), "=");
    Type("=");
    EXPECT_EQ(Equal(), "Ok");
    // With a zero operand there is nothing to compute.
    Type("c0+3");
    EXPECT_EQ(Equal(), "Ok");
}

TEST_F(Calculator, ButtonsSendTheirKeys) {
    for (const char* b : {"SpeedButton1", "SpeedButton2", "SpeedButton5", "SpeedButton13", "SpeedButton6",
                          "spEqual"})
        ClickButton(b);
    EXPECT_EQ(calc->DisplayText(), "9,3"); // 7,3 + 2
    ClickButton("SpeedButton3");
    EXPECT_EQ(calc->DisplayText(), "-9,3");
    // Backspace after a result begins a new number.
    ClickButton("SpeedButton22");
    EXPECT_EQ(calc->DisplayText(), "0");
    ClickButton("SpeedButton1");
    ClickButton("SpeedButton12");
    ClickButton("SpeedButton22");
    EXPECT_EQ(calc->DisplayText(), "7");
    ClickButton("SpeedButton24"); // Cancel has no action
    EXPECT_EQ(calc->DisplayText(), "7");
    ClickButton("SpeedButton23");
    EXPECT_EQ(calc->DisplayText(), "0");
    for (const char* b : {"SpeedButton10", "SpeedButton15", "SpeedButton9", "SpeedButton19"}) ClickButton(b);
    EXPECT_EQ(calc->DisplayText(), "0,2"); // 4 * 5 %
}

TEST_F(Calculator, DeleteWheelAndClipboard) {
    Type("42");
    PressKey(VK_DELETE);
    EXPECT_EQ(calc->DisplayText(), "0");
    Type("42");
    POINT p = At(calc, 20, 60);
    Wheel(p.x, p.y, 120);
    EXPECT_EQ(calc->DisplayText(), "43");
    Wheel(p.x, p.y, -240);
    EXPECT_EQ(calc->DisplayText(), "41");
    PressKey('C', false, true);
    std::string text;
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(GetClipboardText(text));
    EXPECT_EQ(text, "41");
    EmptyClipboard();
    SetClipboardText(" 12,5 ");
    CloseClipboard();
    PressKey('V', false, true);
    EXPECT_EQ(calc->DisplayText(), "12,5");
}

// An editor that owns a drop-down and records how it was asked to close it.
class TOwnerEdit : public TPanel, public IPopupOwnerEh {
    TV_CLASS(TOwnerEdit, TPanel)
public:
    using TPanel::TPanel;
    void CloseDropDown(bool accept) override { closes.push_back(accept); }
    std::vector<bool> closes;
};

class PopupCalculator : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        owner = new TOwnerEdit(form);
        owner->SetParent(form);
        owner->SetBounds(10, 10, 120, 21);
        popup = new TPopupCalculatorEh(owner);
        popup->SetParent(owner);
        POINT p = At(owner, 0, 21);
        SetWindowPos(popup->Handle(), HWND_TOP, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        ProcessPendingMessages();
    }
    // What the editor forwards while the calculator is open.
    void Send(const std::string& keys) {
        for (char k : keys) SendMessage(popup->Handle(), WM_CHAR, WPARAM(k == '\r' ? 13 : k), 0);
    }
    TOwnerEdit* owner = nullptr;
    TPopupCalculatorEh* popup = nullptr;
};

TEST_F(PopupCalculator, EnterComputesFirstAndThenAccepts) {
    popup->SetValue(Variant(12.0));
    EXPECT_EQ(popup->DisplayText(), "12");
    Send("+3\r");
    EXPECT_TRUE(owner->closes.empty());
    EXPECT_EQ(popup->DisplayText(), "15");
    EXPECT_TRUE(popup->GetEnterCanClose());
    Send("\r");
    ASSERT_EQ(owner->closes, std::vector<bool>{true});
    EXPECT_EQ(popup->GetValue().AsDouble(), 15);
}

TEST_F(PopupCalculator, EscAndTheCloseMessageCloseWithoutAccepting) {
    SendMessage(popup->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessage(popup->Handle(), WM_POPUPCLOSE_EH, 0, 0);
    ASSERT_FALSE(owner->closes.empty());
    for (bool accepted : owner->closes) EXPECT_FALSE(accepted);
    EXPECT_EQ(popup->Perform(CM_WANTSPECIALKEY, VK_RETURN, 0), 1);
    EXPECT_EQ(owner->closes.back(), true);
}

TEST_F(PopupCalculator, AnErrorHandsBackNoNumber) {
    popup->SetValue(Variant(1));
    Send("/0=");
    EXPECT_TRUE(popup->InError());
    EXPECT_TRUE(popup->GetValue().IsEmpty());
    popup->SetValue(Variant(7));
    EXPECT_FALSE(popup->InError());
    EXPECT_EQ(popup->GetValue().AsDouble(), 7);
}

TEST_F(PopupCalculator, NeverTakesTheFocusNorTheActivation) {
    EXPECT_FALSE(popup->CanFocus());
    EXPECT_EQ(popup->Perform(WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
    EXPECT_TRUE(GetWindowLongPtr(popup->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(GetWindowLongPtr(popup->Handle(), GWL_STYLE) & WS_POPUP);
    // The frame is two pixels on every side.
    RECT c;
    GetClientRect(popup->Handle(), &c);
    EXPECT_EQ(c.right, popup->Width() - 4);
    EXPECT_EQ(c.bottom, popup->Height() - 4);
}

TEST_F(PopupCalculator, FlatReachesEveryButton) {
    EXPECT_TRUE(popup->GetFlat());
    popup->SetFlat(false);
    EXPECT_FALSE(popup->GetFlat());
    auto* b = dynamic_cast<TSpeedButtonEh*>(popup->FindComponent("SpeedButton1"));
    ASSERT_TRUE(b);
    EXPECT_FALSE(b->Flat());
}

} // namespace
} // namespace tvtest
