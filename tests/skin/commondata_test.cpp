// The control skin link: its section by kind, the answers to the skin
// message, the background colour it gives its children, and the colours an
// edit takes from its section.
#include <gtest/gtest.h>

#include "core/strutils.h"
#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "framework/ui/stdctrls/edit.h"
#include "platform/window/desktop.h"
#include "skin/blending.h"
#include "skin/commondata.h"
#include "skin/skinmessage.h"
#include "skin/skinpaint_fixture.h"

using namespace tv;

namespace {

// A control carrying a link that sees its messages first.
template <class Base>
class Linked : public Base {
public:
    explicit Linked(TComponent* owner, int coc = 0) : Base(owner), link(this, true) { link.COC = coc; }
    void WndProc(win::Message& msg) override {
        if (CommonMessageFilter(msg, &link)) return;
        Base::WndProc(msg);
    }
    TsCommonData link;
};

class CommonDataTest : public ::testing::Test, public skintest::PaintSkin {
protected:
    void SetUp() override {
        win::ResetDesktop();
        InitializeUI();
        panelSection = AddSection("PANEL", 0x000000);
        AddSection("EDIT", 0x102030);
        Section(1).FontColor[0] = 0x405060;
        sm.SkinData.Active = true;
        form = new TForm(Application);
        form->SetBounds(0, 0, 200, 100);
        form->SetColor(clWhite);
        form->Show();
    }
    void TearDown() override {
        ParentBackColor = clSkinKey;
        FinalizeUI();
    }
    template <class C>
    Linked<C>* Make(int coc, TWinControl* parent) {
        auto* c = new Linked<C>(form, coc);
        c->link.SetSkinManager(&sm);
        if (parent) c->SetParent(parent);
        c->SetBounds(10, 10, 50, 30);
        return c;
    }
    win::LRESULT Cmd(TControl* c, int sub) { return PerformAlphaCmd(c, sub, win::LPARAM(&sm)); }
    int panelSection = -1;
    TForm* form = nullptr;
};

TEST_F(CommonDataTest, SectionByKindAndByName) {
    auto* panel = Make<TCustomControl>(51, form);
    panel->link.UpdateIndexes();
    EXPECT_EQ(panel->link.SkinSection(), "PANEL");
    EXPECT_EQ(panel->link.SkinIndex, panelSection);

    auto* other = Make<TCustomControl>(4242, form);
    other->link.UpdateIndexes();
    EXPECT_EQ(other->link.SkinSection(), UpperCase(other->ClassName()));
    EXPECT_EQ(other->link.SkinIndex, -1);

    other->link.SetSkinSection("panel");
    EXPECT_EQ(other->link.SkinSection(), "PANEL");
    EXPECT_EQ(other->link.SkinIndex, panelSection);
    other->link.BGChanged = false;
    other->link.SetSkinSection("PANEL"); // the same text: nothing
    EXPECT_FALSE(other->link.BGChanged);
    other->link.SetSkinSection(static_cast<const char*>(nullptr));
    EXPECT_EQ(other->link.SkinSection(), "UNKNOWN");
    EXPECT_EQ(other->link.SkinIndex, -1);
}

TEST_F(CommonDataTest, SkinMessageFromItsOwnManagerOnly) {
    auto* panel = Make<TCustomControl>(51, form);
    panel->link.UpdateIndexes();
    panel->link.UpdateCacheBitmap();
    TsSkinManager otherManager;
    otherManager.SetActive(false);

    PerformAlphaCmd(panel, SKCMD_SKIN_REMOVED, win::LPARAM(&otherManager));
    EXPECT_EQ(panel->link.SkinIndex, panelSection);
    EXPECT_FALSE(panel->link.Updating);

    Cmd(panel, SKCMD_SKIN_LOADED);
    EXPECT_TRUE(panel->link.Updating);
    EXPECT_TRUE(panel->link.IsUpdating());
    Cmd(panel, SKCMD_REFRESH);
    EXPECT_FALSE(panel->link.Updating);
    EXPECT_TRUE(panel->link.BGChanged);

    Cmd(panel, SKCMD_SKIN_REMOVED);
    EXPECT_EQ(panel->link.SkinIndex, -1);
    EXPECT_EQ(panel->link.BorderIndex, -1);
    EXPECT_EQ(panel->link.CacheBmp->Width(), 0);
    EXPECT_TRUE(panel->link.Updating);
}

TEST_F(CommonDataTest, QueriesAnswerInLParam) {
    auto* panel = Make<TCustomControl>(51, form);
    panel->link.UpdateIndexes();
    EXPECT_TRUE(ControlIsSkinned(panel));
    EXPECT_FALSE(ControlIsSkinned(form));

    panel->link.UpdateCacheBitmap();
    auto* child = Make<TCustomControl>(51, panel);
    TCacheInfo ci = child->link.GetCacheInfo();
    EXPECT_TRUE(ci.Ready);
    EXPECT_EQ(ci.Bmp, panel->link.CacheBmp.get());
    EXPECT_FALSE(Make<TCustomControl>(51, nullptr)->link.GetCacheInfo().Ready);

    // A window without a handle hears nothing.
    auto* hidden = new Linked<TCustomControl>(form, 51);
    EXPECT_EQ(PerformAlphaCmd(hidden, SKCMD_IS_SKINNED, 0), 0);
}

TEST_F(CommonDataTest, BackgroundColourByTransparency) {
    auto* panel = Make<TCustomControl>(51, form);
    panel->link.UpdateIndexes();
    struct Case {
        int transparency;
        TColor expected;
    } cases[] = {{0, 0x000000}, {50, 0x313131}, {100, 0xFFFFFF}};
    for (const Case& k : cases) {
        Section(panelSection).Transparency = k.transparency;
        EXPECT_EQ(GetParentBgColor(panel), k.expected) << k.transparency;
    }
    panel->link.SetSkinSection("NOSUCH");
    panel->SetColor(clRed);
    EXPECT_EQ(GetParentBgColor(panel), TColor(0x0000FF));
}

TEST_F(CommonDataTest, UpdatingWithoutParentAndHover) {
    auto* orphan = Make<TCustomControl>(51, nullptr);
    orphan->link.UpdateIndexes();
    EXPECT_TRUE(orphan->link.IsUpdating());

    auto* panel = Make<TCustomControl>(51, form);
    auto* button = Make<TCustomControl>(93, form);
    for (auto* c : {panel, button}) c->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_FALSE(panel->link.MouseAbove);
    EXPECT_TRUE(button->link.MouseAbove);
    button->Perform(CM_ENABLEDCHANGED, 0, 0);
    EXPECT_FALSE(button->link.MouseAbove);
}

TEST_F(CommonDataTest, AnEditTakesItsSectionColoursUnlessCustom) {
    auto* edit = Make<TEdit>(97, form);
    edit->link.UpdateIndexes();
    EXPECT_EQ(edit->link.SkinSection(), "EDIT");
    EXPECT_EQ(edit->Color(), TColor(0x102030));
    EXPECT_EQ(edit->Font()->Color(), TColor(0x405060));

    Cmd(edit, SKCMD_SKIN_REMOVED);
    EXPECT_EQ(edit->Color(), clWindow);
    EXPECT_EQ(edit->Font()->Color(), clWindowText);

    edit->link.SetCustomColor(true);
    edit->link.UpdateIndexes();
    Cmd(edit, SKCMD_REFRESH);
    EXPECT_EQ(edit->Color(), clWindow);
    EXPECT_EQ(edit->Font()->Color(), TColor(0x405060));
}

} // namespace
