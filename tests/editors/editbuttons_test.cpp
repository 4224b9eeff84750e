// Edit buttons: the stored items and the speed button that shows them.
#include <gtest/gtest.h>

#include "editorfixture.h"
#include "editors/editbuttons.h"
#include "core/exceptions.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/picture.h"
#include "platform/window/sysmetrics.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

TEST(EditButtonItems, DefaultsOfPlainAndVisibleButtons) {
    TEditButtonEh plain(static_cast<TCollection*>(nullptr));
    EXPECT_FALSE(plain.Visible());
    EXPECT_EQ(plain.ShortCut(), 0);
    EXPECT_EQ(plain.Style(), ebsDropDownEh);
    EXPECT_EQ(plain.NumGlyphs(), 1);
    TVisibleEditButtonEh visible(static_cast<TCollection*>(nullptr));
    EXPECT_TRUE(visible.Visible());
    EXPECT_EQ(visible.ShortCut(), 32808); // Alt+Down
    TEditButtonsEh buttons(nullptr);
    TEditButtonEh* added = buttons.Add();
    EXPECT_TRUE(dynamic_cast<TVisibleEditButtonEh*>(added));
    EXPECT_TRUE(added->Visible());
    EXPECT_EQ(buttons.ButtonAt(0), added);
}

TEST(EditButtonItems, NumGlyphsIsKeptBetweenOneAndFour) {
    TEditButtonEh b(static_cast<TCollection*>(nullptr));
    b.SetNumGlyphs(0);
    EXPECT_EQ(b.NumGlyphs(), 1);
    b.SetNumGlyphs(9);
    EXPECT_EQ(b.NumGlyphs(), 4);
    b.SetNumGlyphs(3);
    EXPECT_EQ(b.NumGlyphs(), 3);
}

TEST(EditButtonItems, ChangesAreSignalledOnlyWhenAValueChanges) {
    TEditButtonEh b(static_cast<TCollection*>(nullptr));
    int changes = 0;
    b.OnChanged = [&](TObject* item) {
        EXPECT_EQ(item, &b);
        ++changes;
    };
    b.SetStyle(ebsDropDownEh);
    b.SetVisible(false);
    b.SetWidth(0);
    b.SetHint("");
    b.SetNumGlyphs(-3);
    EXPECT_EQ(changes, 0);
    b.SetStyle(ebsUpDownEh);
    b.SetVisible(true);
    b.SetWidth(12);
    b.SetHint("Buscar");
    b.SetShortCut(scAlt | VK_DOWN); // stored silently
    EXPECT_EQ(changes, 4);

    // Items of a collection report through the collection.
    TEditButtonsEh buttons(nullptr);
    std::vector<TCollectionItem*> seen;
    buttons.OnChanged = [&](TCollectionItem* item) { seen.push_back(item); };
    TEditButtonEh* item = buttons.Add();
    seen.clear();
    item->SetStyle(ebsEllipsisEh);
    item->SetStyle(ebsEllipsisEh);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], item);
}

TEST(EditButtonItems, AssignCopiesAButtonAndRefusesOtherSources) {
    TEditButtonEh from(static_cast<TCollection*>(nullptr));
    from.SetStyle(ebsPlusEh);
    from.SetVisible(true);
    from.SetWidth(14);
    from.SetHint("Agregar");
    from.SetNumGlyphs(2);
    from.SetShortCut(scCtrl | 'N');
    TBitmap glyph;
    glyph.SetSize(8, 6);
    from.SetGlyph(&glyph);
    int clicks = 0;
    from.OnClick = [&](TObject*, bool&) { ++clicks; };
    TEditButtonEh to(static_cast<TCollection*>(nullptr));
    to.Assign(&from);
    EXPECT_EQ(to.Style(), ebsPlusEh);
    EXPECT_TRUE(to.Visible());
    EXPECT_EQ(to.Width(), 14);
    EXPECT_EQ(to.Hint(), "Agregar");
    EXPECT_EQ(to.NumGlyphs(), 2);
    EXPECT_EQ(to.ShortCut(), scCtrl | 'N');
    EXPECT_EQ(to.Glyph()->Width(), 8);
    EXPECT_NE(to.Glyph(), from.Glyph());
    bool handled = false;
    ASSERT_TRUE(to.OnClick);
    to.OnClick(&to, handled);
    EXPECT_EQ(clicks, 1);
    TBitmap notAButton;
    EXPECT_THROW(to.Assign(&notAButton), Exception);
}

class EditButtonControl : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        button = new TEditButtonControlEh(form);
        button->SetParent(form);
        button->SetBounds(10, 10, 16, 20);
        button->OnDown = [this](TObject*, bool top, bool& autoRepeat, bool&) {
            downs.push_back(top);
            if (stopAfter && int(downs.size()) >= stopAfter) autoRepeat = false;
        };
        button->OnClick = [this](TObject*) { ++clicks; };
        ProcessPendingMessages();
    }
    TEditButtonControlEh* button = nullptr;
    std::vector<bool> downs;
    int clicks = 0;
    int stopAfter = 0;
};

TEST_F(EditButtonControl, AHeldLowerHalfRepeatsAfter400AndThenEvery100Ms) {
    button->SetStyle(ebsUpDownEh);
    POINT low = At(button, 8, 16);
    MouseDown(low.x, low.y);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_FALSE(downs[0]);
    EXPECT_EQ(button->PressedPart(), bppLowerEh);
    Tick(399);
    EXPECT_EQ(downs.size(), 1u);
    Tick(1);
    EXPECT_EQ(downs.size(), 2u);
    Tick(100);
    Tick(100);
    EXPECT_EQ(downs.size(), 4u);
    MouseUp(low.x, low.y);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->PressedPart(), bppNoneEh);
    Tick(1000);
    EXPECT_EQ(downs.size(), 4u);
    // The upper half fires with TopButton set; the event may stop the repetition.
    downs.clear();
    stopAfter = 2;
    POINT up = At(button, 8, 3);
    MouseDown(up.x, up.y);
    Tick(400);
    Tick(100);
    Tick(100);
    MouseUp(up.x, up.y);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_TRUE(downs[0]);
    EXPECT_TRUE(downs[1]);
}

TEST_F(EditButtonControl, LeavingThePressedHalfCancelsTheClickAndTheRepetition) {
    button->SetStyle(ebsUpDownEh);
    POINT up = At(button, 8, 3), low = At(button, 8, 16);
    MouseDown(up.x, up.y);
    MoveMouse(low.x, low.y);
    Tick(500);
    MouseUp(low.x, low.y);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(downs.size(), 1u);
    // A drop-down button clicks wherever it is released on it.
    button->SetStyle(ebsDropDownEh);
    MouseDown(up.x, up.y);
    EXPECT_EQ(button->PressedPart(), bppButtonEh);
    MouseUp(low.x, low.y);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downs.size(), 2u);
}

TEST_F(EditButtonControl, AlwaysDownHoldsTheButtonPressed) {
    button->SetAlwaysDown(true);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(button->PressedPart(), bppButtonEh);
    button->SetAlwaysDown(true);
    EXPECT_EQ(button->GroupIndex(), 1);
    button->SetAlwaysDown(false);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(button->GroupIndex(), 0);
    EXPECT_EQ(button->PressedPart(), bppNoneEh);
}

TEST_F(EditButtonControl, CreatedForAnEditorItSitsOnIt) {
    auto* editor = new TPanel(form);
    editor->SetParent(form);
    TEditButtonEh item(static_cast<TWinControl*>(editor));
    TEditButtonControlEh* c = item.CreateEditButtonControl();
    EXPECT_EQ(c->Owner(), editor);
    EXPECT_EQ(c->Parent(), editor);
    EXPECT_EQ(c->Width(), 10);
    EXPECT_EQ(c->Height(), 17);
    EXPECT_TRUE(c->ControlStyle().Contains(csReplicatable));
    EXPECT_FALSE(c->Transparent());
}

} // namespace
} // namespace tvtest

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

TEST_F(EditButtonControl, PaintsItsFaceOrItsGlyphInTheFlatFrame) {
    form->SetColor(TColor(RGB(1, 2, 250)));
    TBitmap target;
    target.SetSize(16, 20);
    HDC dc = target.Canvas()->Handle();
    button->SetStyle(ebsEllipsisEh);
    button->PaintTo(dc, 0, 0);
    EXPECT_EQ(PixelAt(dc, 7, 9), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(PixelAt(dc, 11, 9), GetSysColor(COLOR_BTNTEXT));
    // A flat glyph button that is not hot shows the parent's colour as its frame.
    button->SetStyle(ebsGlyphEh);
    button->SetFlat(true);
    button->PaintTo(dc, 0, 0);
    EXPECT_EQ(PixelAt(dc, 0, 0), COLORREF(RGB(1, 2, 250)));
    EXPECT_EQ(PixelAt(dc, 15, 19), COLORREF(RGB(1, 2, 250)));
    button->SetActive(true);
    button->PaintTo(dc, 0, 0);
    EXPECT_NE(PixelAt(dc, 0, 0), COLORREF(RGB(1, 2, 250)));
}

} // namespace
} // namespace tvtest
