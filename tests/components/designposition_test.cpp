// Where a designer put the non-visual components of a data module or form:
// read from a stored definition, kept, and written back.
#include <gtest/gtest.h>

#include "components/fixtures.h"
#include "core/exceptions.h"
#include "core/formreader.h"
#include "core/formwriter.h"

using namespace tv;
using namespace fx;

namespace {

class TTestTimer : public TComponent {
    TV_CLASS(TTestTimer, TComponent)
public:
    using TComponent::TComponent;
    int Interval() const { return interval_; }
    void SetInterval(int v) { interval_ = v; }
    static void Publish(TPublisher& p) { p.Integer("Interval", &TTestTimer::Interval, &TTestTimer::SetInterval).Default(1000); }

private:
    int interval_ = 1000;
};

const char* kModule = R"(object DM: TTestForm
  object Timer1: TTestTimer
    Interval = 500
    Left = 40
    Top = 8
  end
  object Far: TTestTimer
    Left = -12
    Top = 70000
  end
  object Unplaced: TTestTimer
  end
  object Button1: TTestControl
    Left = 16
  end
end
)";

class DesignPosition : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterFixtures();
        RegisterClass(TTestTimer::StaticClass());
    }
};

} // namespace

TEST_F(DesignPosition, ReadKeptAndWrittenBackAfterThePublishedProperties) {
    TTestForm dm;
    ReadComponentText(kModule, &dm);
    auto* timer = dm.FindComponent("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->DesignLeft(), 40);
    EXPECT_EQ(timer->DesignTop(), 8);
    EXPECT_EQ(timer->DesignInfo(), 40 | (8 << 16));
    auto* far = dm.FindComponent("Far");
    EXPECT_EQ(far->DesignLeft(), -12);
    EXPECT_EQ(far->DesignTop(), 70000) << "kept whole, not cut to 16 bits";
    // A control's own Left is its position, not design information.
    auto* button = dynamic_cast<TTestControl*>(dm.FindComponent("Button1"));
    EXPECT_EQ(button->Left(), 16);
    EXPECT_EQ(button->DesignLeft(), 0);

    std::string written = WriteComponentText(&dm);
    EXPECT_EQ(written, kModule);

    // Moved in code: the new place is what is written.
    timer->SetDesignInfo(5 | (-3 << 16));
    EXPECT_EQ(timer->DesignLeft(), 5);
    EXPECT_EQ(timer->DesignTop(), -3);
    TTestForm again;
    ReadComponentText(WriteComponentText(&dm), &again);
    EXPECT_EQ(again.FindComponent("Timer1")->DesignTop(), -3);
}

TEST_F(DesignPosition, AnInheritedDefinitionWritesOnlyAMove) {
    TTestForm ancestor;
    ReadComponentText(kModule, &ancestor);
    TTestForm derived;
    ReadComponentText(kModule, &derived);
    std::string same = WriteComponentText(&derived, &ancestor);
    EXPECT_EQ(same.find("Left"), std::string::npos) << same;
    derived.FindComponent("Timer1")->SetDesignPosition(40, 96);
    std::string moved = WriteComponentText(&derived, &ancestor);
    EXPECT_NE(moved.find("inherited Timer1: TTestTimer\n    Left = 40\n    Top = 96\n"), std::string::npos) << moved;
}

TEST_F(DesignPosition, ABadValueNamesTheProperty) {
    TTestForm dm;
    try {
        ReadComponentText("object DM: TTestForm\n  object T: TTestTimer\n    Left = 'x'\n  end\nend\n", &dm);
        FAIL() << "a text is no position";
    } catch (const EReadError& e) {
        EXPECT_NE(std::string(e.what()).find("T"), std::string::npos) << e.what();
    }
}
