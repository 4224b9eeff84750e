// The skin manager: the default manager, the skin message that reaches every
// form and control on a skin change, redrawing held back meanwhile, and the
// change events.
#include <gtest/gtest.h>

#include <vector>

#include "core/formreader.h"
#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "platform/window/desktop.h"
#include "skin/internalskins.h"
#include "skin/skinmanager.h"
#include "skin/skinmessage.h"
#include "skin/skinpanel.h"
#include "framework/ui/basiccontrols.h"

using namespace tv;

namespace {

// Records the skin sub-commands of a skin change (no queries) and the redraw
// switches that reach it.
template <class Base>
class Probe : public Base {
public:
    using Base::Base;
    void WndProc(win::Message& msg) override {
        int sub = int(win::HIWORD(msg.WParam));
        bool change = sub == SKCMD_SKIN_LOADED || sub == SKCMD_SKIN_REMOVED || sub == SKCMD_REFRESH ||
                      sub == SKCMD_BEFORE_REFRESH;
        if (msg.Msg == SM_ALPHACMD && change) heard.push_back(sub);
        if (msg.Msg == win::WM_SETREDRAW) redraw.push_back(int(msg.WParam));
        Base::WndProc(msg);
    }
    std::vector<int> heard, redraw;
};

class SkinManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        win::ResetDesktop();
        InitializeUI();
        form = new Probe<TForm>(Application);
        form->SetBounds(0, 0, 200, 100);
        child = new Probe<TsPanel>(form);
        child->SetParent(form);
        form->Show();
    }
    void TearDown() override { FinalizeUI(); }
    Probe<TForm>* form = nullptr;
    Probe<TsPanel>* child = nullptr;
};

TEST_F(SkinManagerTest, TheFirstManagerIsTheDefault) {
    auto* first = new TsSkinManager;
    TsSkinManager second;
    EXPECT_EQ(DefaultManager(), first);
    EXPECT_TRUE(first->IsDefault());
    EXPECT_FALSE(second.IsDefault());
    delete first;
    EXPECT_EQ(DefaultManager(), nullptr);
    second.SetIsDefault(false);
    EXPECT_EQ(DefaultManager(), &second) << "with no default manager, this one becomes it";
    second.SetIsDefault(false);
    EXPECT_TRUE(second.IsDefault()) << "a default manager stays default";
    EXPECT_EQ(second.MenuSupport()->ExtraLineWidth(), 32);
    EXPECT_EQ(second.AnimEffects()->SkinChanging()->Time(), 100);
    EXPECT_EQ(second.AnimEffects()->FormShow()->Time(), 0);
}

TEST_F(SkinManagerTest, ASkinChangeReachesEveryFormAndControl) {
    TsSkinManager sm;
    sm.SetActive(false);
    EXPECT_EQ(form->heard, (std::vector<int>{SKCMD_SKIN_REMOVED}));
    form->heard.clear();
    child->heard.clear();
    LoadInternalSkins(sm.InternalSkins());
    sm.SetSkinDirectory("/no/skins");
    std::vector<std::string> events;
    sm.OnBeforeChange = [&](TObject*) { events.push_back("before " + std::to_string(sm.SkinData.Active)); };
    sm.OnAfterChange = [&](TObject*) { events.push_back("after " + std::to_string(sm.SkinData.Active)); };
    sm.SetSkinName("Arena");
    EXPECT_TRUE(form->heard.empty()) << "an inactive manager only stores the name";
    sm.SetActive(true);
    EXPECT_EQ(form->heard, (std::vector<int>{SKCMD_SKIN_LOADED, SKCMD_BEFORE_REFRESH, SKCMD_REFRESH}));
    EXPECT_EQ(child->heard, form->heard);
    EXPECT_EQ(form->redraw, (std::vector<int>{0, 1})) << "redrawing held back, then given back";
    EXPECT_EQ(events, (std::vector<std::string>{"before 0", "after 1"}));
    EXPECT_EQ(sm.SkinInfo(), "4.83");

    form->heard.clear();
    sm.SetActive(false);
    EXPECT_EQ(form->heard, (std::vector<int>{SKCMD_SKIN_REMOVED}));
    EXPECT_TRUE(sm.gd.empty());
    EXPECT_EQ(sm.GetGlobalColor(), TColor(ColorToRGB(clBtnFace)));
}

TEST_F(SkinManagerTest, ANestedBroadcastReachesEachControlOnce) {
    auto* outer = new Probe<TsPanel>(form);
    outer->SetParent(form);
    auto* inner = new Probe<TsPanel>(form);
    inner->SetParent(outer);
    auto* label = new Probe<TGraphicControl>(form);
    label->SetParent(inner);
    auto* plain = new TPanel(form);
    plain->SetParent(inner);
    auto* deep = new Probe<TsPanel>(form);
    deep->SetParent(plain);
    form->HandleNeeded();
    deep->HandleNeeded();
    TsSkinManager sm;
    sm.SetActive(false);
    LoadInternalSkins(sm.InternalSkins());
    sm.SetSkinName("Arena");
    for (auto* heard : {&outer->heard, &inner->heard, &label->heard, &deep->heard}) heard->clear();
    sm.SetActive(true);
    EXPECT_EQ(outer->heard, (std::vector<int>{SKCMD_SKIN_LOADED, SKCMD_BEFORE_REFRESH, SKCMD_REFRESH}));
    // A skinned panel passes on the load and the refresh itself.
    const std::vector<int> passedOn{SKCMD_SKIN_LOADED, SKCMD_REFRESH};
    EXPECT_EQ(inner->heard, passedOn);
    EXPECT_EQ(label->heard, passedOn) << "a graphic control gets it from its skinned parent";
    EXPECT_EQ(deep->heard, passedOn) << "found through a plain panel, which is only walked";
}

TEST_F(SkinManagerTest, AFailedReloadDropsTheOldSkin) {
    TsSkinManager sm;
    sm.SetActive(false);
    LoadInternalSkins(sm.InternalSkins());
    sm.SetSkinDirectory("/no/skins");
    sm.SetSkinName("Arena");
    sm.SetActive(true);
    ASSERT_NE(sm.GetGlobalColor(), TColor(ColorToRGB(clBtnFace)));
    sm.InternalSkins()->Clear();
    form->heard.clear();
    sm.SetSkinName("Ninguna");
    EXPECT_FALSE(sm.Active());
    EXPECT_EQ(sm.SkinInfo(), "N/A");
    EXPECT_TRUE(sm.gd.empty()) << "no tables of the old skin are kept";
    EXPECT_TRUE(sm.ma.empty());
    EXPECT_EQ(sm.GetGlobalColor(), TColor(ColorToRGB(clBtnFace)));
    EXPECT_EQ(sm.ConstData.IndexGlobalInfo, -1);
    EXPECT_EQ(form->heard, std::vector<int>{SKCMD_SKIN_REMOVED}) << "every link forgets its indexes";
    EXPECT_EQ(child->SkinData()->SkinIndex, -1);
    EXPECT_FALSE(SkinIsChanging);
}

TEST_F(SkinManagerTest, TintChangesRepaintWithoutReloadingTheName) {
    TsSkinManager sm;
    sm.SetActive(false);
    LoadInternalSkins(sm.InternalSkins());
    sm.SetSkinName(DefaultInternalSkin);
    sm.SetActive(true);
    form->heard.clear();
    TColor before = sm.GetGlobalColor();
    sm.SetHueOffset(200);
    EXPECT_NE(sm.GetGlobalColor(), before);
    EXPECT_EQ(form->heard, (std::vector<int>{SKCMD_BEFORE_REFRESH, SKCMD_REFRESH}));
    form->heard.clear();
    sm.SetHueOffset(200);
    EXPECT_TRUE(form->heard.empty()) << "an unchanged value does nothing";
}

} // namespace

namespace {

TEST_F(SkinManagerTest, AStoredManagerLoadsItsInternalSkinWhileItIsRead) {
    const char* text = R"(object sSkinManager1: TsSkinManager
  AnimEffects.FormShow.Active = False
  AnimEffects.FormShow.Time = 200
  AnimEffects.SkinChanging.Time = 200
  InternalSkins = <
    item
      Name = 'Mini'
      GeneralData = <
        item
          SectionName = 'GLOBALINFO'
          Color = 1193046
          FontColor = '5059883 16771002 -1 -1 -1'
        end>
      Version = 5.000000000000000000
    end>
  SkinDirectory = '..\Skins'
  SkinName = 'Mini'
  SkinInfo = '5'
end
)";
    TsSkinManager sm(Application);
    std::vector<std::string> names;
    sm.OnAfterChange = [&](TObject*) { names.push_back(sm.SkinName()); };
    ReadComponentText(text, &sm);
    EXPECT_EQ(sm.SkinName(), "Mini");
    EXPECT_EQ(sm.SkinInfo(), "5");
    EXPECT_EQ(sm.GetGlobalColor(), 0x123456);
    EXPECT_EQ(sm.GetGlobalFontColor(), 0x4D352B);
    EXPECT_EQ(sm.MenuSupport()->IcoLineSkin(), "ICOLINE") << "set when empty after loading";
    EXPECT_FALSE(sm.AnimEffects()->FormShow()->Active());
    EXPECT_EQ(sm.AnimEffects()->SkinChanging()->Time(), 200);
    EXPECT_EQ(names, std::vector<std::string>{"Mini"}) << "the name loads the skin while it is read";
    EXPECT_EQ(form->heard.back(), SKCMD_REFRESH) << "and Loaded applies it once more";
}

} // namespace

#include "skin/formanimation.h"

namespace {

TEST_F(SkinManagerTest, TheCrossFadeRunsOneRoundEveryTenMilliseconds) {
    std::vector<int> pauses;
    auto pause = [&](int ms) { pauses.push_back(ms); };
    EXPECT_EQ(AnimateForm(form, 5, pause), 0) << "under 10 ms: no intermediate rounds";
    EXPECT_TRUE(pauses.empty());
    form->redraw.clear();
    EXPECT_EQ(AnimateForm(form, 30, pause), 4);
    EXPECT_EQ(pauses, (std::vector<int>{10, 10, 10, 10}));
    EXPECT_EQ(form->redraw, (std::vector<int>{0, 1})) << "redrawing stopped and resumed";
    child->SetBounds(10, 10, 50, 30);
    child->HandleNeeded();
    EXPECT_EQ(AnimateForm(child, 20, pause), 3) << "a child control is faded in its parent";
}

} // namespace

#include "core/object.h"
#include "skin/skinunit.h"

namespace {

TEST(SkinUnit, RegistersTheManagerForStoredForms) {
    InitializeSkinUnit();
    InitializeSkinUnit();
    EXPECT_EQ(GetClass("TsSkinManager"), TsSkinManager::StaticClass());
    EXPECT_GT(SkinScrollArrowWidth(), 0);
    FinalizeSkinUnit();
    EXPECT_NE(GetClass("TsSkinManager"), nullptr) << "counted";
    FinalizeSkinUnit();
    EXPECT_EQ(GetClass("TsSkinManager"), nullptr);
}

} // namespace
