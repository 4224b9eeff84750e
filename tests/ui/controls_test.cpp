// What every control gets from TControl: the double click in the shift state
// of the press, the wheel through its virtual steps up the parents, and the
// scaling of a form made at another resolution than the screen's.
#include "uifixture.h"

#include "core/object.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class ControlsTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        form = new TForm(nullptr);
        form->SetBounds(20, 20, 400, 300);
        edit = new TTestEdit(form);
        edit->SetBounds(10, 10, 120, 24);
        edit->SetParent(form);
        form->Show();
        edit->SetFocus();
        Application->ProcessMessages();
    }
    void TearDown() override {
        delete form;
        UiTest::TearDown();
    }
    TForm* form = nullptr;
    TTestEdit* edit = nullptr;
};

TEST_F(ControlsTest, TheSecondPressOfADoubleClickCarriesSsDouble) {
    std::vector<std::string> seen;
    edit->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState s, int, int) {
        seen.push_back(std::string(b == mbLeft ? "left" : "right") + (s.Contains(ssDouble) ? " double" : ""));
    };
    edit->OnDblClick = [&](TObject*) { seen.push_back("dblclick"); };
    POINT p = edit->ClientToScreen({5, 5});
    DoubleClick(p.x, p.y);
    Application->ProcessMessages();
    EXPECT_EQ(seen, (std::vector<std::string>{"left", "dblclick", "left double"}));
    seen.clear();
    clock->Advance(2000);
    DoubleClick(p.x, p.y, 1);
    Application->ProcessMessages();
    EXPECT_EQ(seen, (std::vector<std::string>{"right", "right double"}));
}

TEST_F(ControlsTest, TheWheelStepsThroughTheEventsAndThenToTheParent) {
    std::vector<std::string> seen;
    bool takeWheel = false, takeDown = false;
    edit->OnMouseWheel = [&](TObject*, TShiftState, int delta, POINT, bool& handled) {
        seen.push_back("wheel " + std::to_string(delta));
        handled = takeWheel;
    };
    edit->OnMouseWheelDown = [&](TObject*, TShiftState, POINT, bool& handled) {
        seen.push_back("down");
        handled = takeDown;
    };
    edit->OnMouseWheelUp = [&](TObject*, TShiftState, POINT, bool&) { seen.push_back("up"); };
    form->OnMouseWheel = [&](TObject*, TShiftState, int delta, POINT, bool&) {
        seen.push_back("form " + std::to_string(delta));
    };
    POINT p = edit->ClientToScreen({5, 5});
    struct Case {
        int delta;
        bool takeWheel, takeDown;
        std::vector<std::string> want;
    } cases[] = {
        {-2 * WHEEL_DELTA, false, false, {"wheel -240", "down", "down", "form -240"}},
        {-WHEEL_DELTA, false, true, {"wheel -120", "down"}},
        {WHEEL_DELTA, false, false, {"wheel 120", "up", "form 120"}},
        {-WHEEL_DELTA, true, false, {"wheel -120"}},
        // Half notches add up to one.
        {-WHEEL_DELTA / 2, false, true, {"wheel -60", "form -60"}},
        {-WHEEL_DELTA / 2, false, true, {"wheel -60", "down"}},
    };
    for (const Case& c : cases) {
        seen.clear();
        takeWheel = c.takeWheel;
        takeDown = c.takeDown;
        Wheel(p.x, p.y, c.delta);
        Application->ProcessMessages();
        EXPECT_EQ(seen, c.want) << c.delta;
    }
}

// A control with sizes of its own that follow the scale.
class TScaleProbe : public TCustomControl {
    TV_CLASS(TScaleProbe, TCustomControl)
public:
    using TCustomControl::TCustomControl;
    int inner = 50;

protected:
    void ChangeScale(int m, int d) override {
        TCustomControl::ChangeScale(m, d);
        inner = inner * m / d;
    }
};

class TScaledForm : public TForm {
    TV_CLASS(TScaledForm, TForm)
public:
    using TForm::TForm;
};

class TUnscaledForm : public TForm {
    TV_CLASS(TUnscaledForm, TForm)
public:
    using TForm::TForm;
};

TEST_F(UiTest, AFormMadeAtAnotherResolutionIsScaledToTheScreens) {
    RegisterClass(TScaleProbe::StaticClass());
    const char* body =
        "  PixelsPerInch = 120\n  ClientWidth = 500\n  ClientHeight = 250\n"
        "  Font.Height = -15\n"
        "  object Probe: TScaleProbe\n    Left = 20\n    Top = 41\n    Width = 100\n    Height = 30\n"
        "    ParentFont = False\n    Font.Height = -20\n  end\n"
        "  object Edit1: TTestEdit\n    Left = 10\n    Top = 10\n    Width = 60\n    Height = 20\n  end\n"
        "end\n";
    Define("TScaledForm", std::string("object ScaledForm: TScaledForm\n") + body);
    Define("TUnscaledForm", std::string("object UnscaledForm: TUnscaledForm\n  Scaled = False\n") + body);
    ASSERT_EQ(Screen->PixelsPerInch(), 96);

    auto* f = NewForm<TScaledForm>(nullptr);
    auto* probe = dynamic_cast<TScaleProbe*>(f->FindComponent("Probe"));
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(f->ClientWidth(), 400);
    EXPECT_EQ(f->ClientHeight(), 200);
    EXPECT_EQ(f->PixelsPerInch(), 96);
    EXPECT_EQ(f->Font()->Height(), -12);
    EXPECT_EQ(probe->Left(), 16);
    EXPECT_EQ(probe->Top(), 33);  // 32.8
    EXPECT_EQ(probe->Width(), 80);
    EXPECT_EQ(probe->Height(), 24);
    EXPECT_EQ(probe->Font()->Height(), -16);
    EXPECT_EQ(probe->inner, 40);
    auto* e = dynamic_cast<TControl*>(f->FindComponent("Edit1"));
    EXPECT_EQ(e->Width(), 48);
    EXPECT_EQ(e->Font()->Height(), -12);  // follows the form's font
    delete f;

    auto* u = NewForm<TUnscaledForm>(nullptr);
    probe = dynamic_cast<TScaleProbe*>(u->FindComponent("Probe"));
    EXPECT_EQ(u->ClientWidth(), 500);
    EXPECT_EQ(probe->Width(), 100);
    EXPECT_EQ(probe->Font()->Height(), -20);
    EXPECT_EQ(probe->inner, 50);
    delete u;
}

} // namespace
} // namespace tvtest
