// A data module's and a form's non-visual components keep where the designer
// put them through a read and a write of their stored definitions.
#include <memory>

#include "uifixture.h"
#include "core/formwriter.h"
#include "framework/ui/basiccontrols.h"

using namespace tv;
using namespace tvtest;

namespace {

class TPlacedModule : public TDataModule {
    TV_CLASS(TPlacedModule, TDataModule)
public:
    using TDataModule::TDataModule;
};

class TPlacedForm : public TForm {
    TV_CLASS(TPlacedForm, TForm)
public:
    using TForm::TForm;
};

const char* kModule = R"(object PlacedModule: TPlacedModule
  Left = 192
  Top = 107
  Height = 300
  Width = 400
  object Timer1: TTimer
    Interval = 2500
    Left = 24
    Top = 16
  end
  object ActionList1: TActionList
    Left = 88
    Top = 16
  end
  object ImageList1: TImageList
    Left = 152
    Top = 16
  end
end
)";

} // namespace

TEST_F(UiTest, NonVisualComponentsKeepTheirDesignPositions) {
    Define("TPlacedModule", kModule);
    std::unique_ptr<TPlacedModule> dm(NewForm<TPlacedModule>(nullptr));
    TComponent* timer = dm->FindComponent("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->DesignLeft(), 24);
    EXPECT_EQ(dm->FindComponent("ImageList1")->DesignLeft(), 152);
    EXPECT_EQ(dynamic_cast<TTimer*>(timer)->Interval(), 2500u);
    EXPECT_EQ(WriteComponentText(dm.get()), kModule);

    // On a form the controls keep their own Left and Top; the timer its design place.
    Define("TPlacedForm", "object PlacedForm: TPlacedForm\n"
                          "  object Label1: TLabel\n    Left = 8\n    Top = 12\n  end\n"
                          "  object Timer2: TTimer\n    Left = 300\n    Top = 40\n  end\nend\n");
    std::unique_ptr<TPlacedForm> form(NewForm<TPlacedForm>(nullptr));
    EXPECT_EQ(dynamic_cast<TControl*>(form->FindComponent("Label1"))->Left(), 8);
    EXPECT_EQ(form->FindComponent("Label1")->DesignLeft(), 0);
    EXPECT_EQ(form->FindComponent("Timer2")->DesignTop(), 40);
    std::string written = WriteComponentText(form.get());
    EXPECT_NE(written.find("object Timer2: TTimer\n    Left = 300\n    Top = 40\n  end"), std::string::npos) << written;
}
