// The skinned panel: painted from its section through its cache, a cache
// rebuilt after a partial paint of a transparent panel, the skin message
// passed on to its children, and its own painting while no skin is active.
#include <gtest/gtest.h>

#include "framework/ui/application.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/forms.h"
#include "framework/ui/picture.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/window/desktop.h"
#include "skin/blending.h"
#include "skin/skinmessage.h"
#include "skin/skinpanel.h"
#include "skin/skinpaint_fixture.h"

using namespace tv;
using namespace tv::win;
using skintest::Px;

namespace {

class SkinPanelTest : public ::testing::Test, public skintest::PaintSkin {
protected:
    void SetUp() override {
        win::ResetDesktop();
        InitializeUI();
        AddSection("PANEL", 0x00FF00);
        outerSection = AddSection("OUTER", 0x0000FF);
        Section(outerSection).GradientPercent = 50;
        sm.SkinData.Active = true;
        form = new TForm(Application);
        form->SetBounds(0, 0, 200, 120);
        form->Show();
    }
    void TearDown() override {
        ParentBackColor = MaskFillColor = clSkinKey;
        FinalizeUI();
    }
    TsPanel* Panel(TWinControl* parent, const char* section = nullptr) {
        auto* p = new TsPanel(form);
        p->SkinData()->SetSkinManager(&sm);
        if (section) p->SkinData()->SetSkinSection(section);
        p->SetParent(parent);
        p->SetBounds(5, 5, 60, 40);
        p->SkinData()->UpdateIndexes();
        return p;
    }
    int outerSection = -1;
    TForm* form = nullptr;
};

TEST_F(SkinPanelTest, PaintsItsSectionFromTheCache) {
    TsPanel* p = Panel(form);
    EXPECT_EQ(p->SkinData()->SkinSection(), "PANEL");
    EXPECT_TRUE(p->ControlStyle().Contains(csOpaque));
    int painted = 0;
    p->OnPaint = [&](TObject*, TCanvas*) { ++painted; };
    TBitmap target;
    target.SetPixelFormat(pf24bit);
    target.SetSize(60, 40);
    p->PaintSkinned(target.Canvas()->Handle(), false);
    EXPECT_EQ(painted, 1);
    EXPECT_FALSE(p->SkinData()->BGChanged);
    EXPECT_EQ(Px(&target, 30, 3), TColor(0x00FF00));
    p->PaintSkinned(target.Canvas()->Handle(), false);
    EXPECT_EQ(painted, 1);  // the cache is reused
}

TEST_F(SkinPanelTest, ATransparentPanelPaintedInPartRebuildsItsWholeCache) {
    TsPanel* outer = Panel(form, "OUTER");
    outer->SetBounds(0, 0, 150, 100);
    TsPanel* p = Panel(outer);
    Section(0).Transparency = 50;
    p->SkinData()->UpdateIndexes();
    ASSERT_TRUE(p->SkinData()->IsTransparent());
    int painted = 0;
    p->OnPaint = [&](TObject*, TCanvas*) { ++painted; };
    TBitmap target;
    target.SetPixelFormat(pf24bit);
    target.SetSize(150, 100);
    // A child waits while its parent's background is not ready.
    EXPECT_TRUE(p->SkinData()->IsUpdating());
    outer->PaintSkinned(target.Canvas()->Handle(), false);
    EXPECT_FALSE(p->SkinData()->IsUpdating());
    target.SetSize(60, 40);
    p->PaintSkinned(target.Canvas()->Handle(), false);
    ASSERT_EQ(painted, 1);
    EXPECT_FALSE(p->SkinData()->PartlyPainted);

    HDC dc = target.Canvas()->Handle();
    int saved = SaveDC(dc);
    IntersectClipRect(dc, 0, 0, 20, 20);
    p->PaintSkinned(dc, false);
    RestoreDC(dc, saved);
    EXPECT_EQ(painted, 1);
    EXPECT_TRUE(p->SkinData()->PartlyPainted);
    p->PaintSkinned(target.Canvas()->Handle(), false);
    EXPECT_EQ(painted, 2);
}

TEST_F(SkinPanelTest, ALabelOnThePanelStandsOnThePanelsSkin) {
    TsPanel* p = Panel(form);
    p->SetBounds(0, 0, 120, 60);
    auto* label = new TLabel(form);
    label->SetParent(p);
    label->SetTransparent(true);
    label->SetCaption("W");
    label->SetBounds(10, 10, 60, 20);
    label->Font()->SetColor(clBlack);
    TBitmap target;
    target.SetPixelFormat(pf24bit);
    target.SetSize(120, 60);
    target.Canvas()->Brush()->SetColor(clRed);
    target.Canvas()->FillRect(win::RECT{0, 0, 120, 60});
    p->PaintSkinned(target.Canvas()->Handle(), false);
    EXPECT_EQ(Px(&target, 5, 5), TColor(0x00FF00)) << "the panel around the label";
    EXPECT_EQ(Px(&target, 65, 25), TColor(0x00FF00)) << "the panel's skin under the label, not a hole";
    bool ink = false;
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 30; ++x) ink = ink || Px(&target, x, y) == TColor(0);
    EXPECT_TRUE(ink) << "the label's text over it";
}

TEST_F(SkinPanelTest, SkinMessagesReachTheChildren) {
    TsPanel* outer = Panel(form, "OUTER");
    outer->SetBounds(0, 0, 150, 100);
    TsPanel* inner = Panel(outer);
    EXPECT_TRUE(ControlIsSkinned(outer));
    PerformAlphaCmd(outer, SKCMD_SKIN_LOADED, win::LPARAM(&sm));
    EXPECT_TRUE(outer->SkinData()->Updating);
    EXPECT_TRUE(inner->SkinData()->Updating);
    PerformAlphaCmd(outer, SKCMD_REFRESH, win::LPARAM(&sm));
    EXPECT_FALSE(inner->SkinData()->Updating);
    PerformAlphaCmd(outer, SKCMD_SKIN_REMOVED, win::LPARAM(&sm));
    EXPECT_EQ(inner->SkinData()->SkinIndex, -1);
    EXPECT_EQ(outer->SkinData()->SkinIndex, -1);
}

TEST_F(SkinPanelTest, WithoutASkinOnlyItsOwnHandlerPaints) {
    sm.SkinData.Active = false;
    sm.gd.clear();
    TsPanel* p = Panel(form);
    EXPECT_EQ(p->SkinData()->SkinIndex, -1);
    int painted = 0;
    p->OnPaint = [&](TObject*, TCanvas* c) {
        ++painted;
        c->Brush()->SetColor(clRed);
        c->FillRect(win::RECT{0, 0, 60, 40});
    };
    EXPECT_EQ(p->Perform(win::WM_ERASEBKGND, 0, 0), 1);
    EXPECT_EQ(painted, 0);
    TBitmap target;
    target.SetPixelFormat(pf24bit);
    target.SetSize(60, 40);
    p->Perform(win::WM_PRINT, win::WPARAM(target.Canvas()->Handle()), 0);
    EXPECT_EQ(painted, 1);
}

} // namespace
