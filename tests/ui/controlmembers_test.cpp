// Members every control has beside its look: the reading order taken from
// the parent, the size limits, the handler that keeps a context menu shut,
// and how stored forms keep them.
#include <cairo.h>

#include "core/formreader.h"
#include "core/formwriter.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/checkcontrols.h"
#include "framework/ui/menus.h"
#include "platform/gdi/text.h"
#include "platform/window/desktop.h"
#include "platform/window/paint.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"
#include "uifixture.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class ControlMembersTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        form = new TForm(nullptr);
        form->SetName("Ventana");
        form->SetBounds(20, 20, 400, 300);
        edit = new TTestEdit(form);
        edit->SetName("Campo");
        edit->SetBounds(10, 10, 120, 24);
        edit->SetParent(form);
        form->Show();
        Application->ProcessMessages();
    }
    void TearDown() override {
        delete form;
        SysLocale().MiddleEast = true;
        UiTest::TearDown();
    }
    DWORD ExStyle(TWinControl* c) { return DWORD(GetWindowLong(c->Handle(), GWL_EXSTYLE)); }
    TForm* form = nullptr;
    TTestEdit* edit = nullptr;
};

TEST_F(ControlMembersTest, AChildReadsAsItsParentUntilItIsToldOtherwise) {
    form->SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(edit->BiDiMode(), bdRightToLeft);
    EXPECT_TRUE(edit->ParentBiDiMode());
    EXPECT_TRUE(edit->UseRightToLeftAlignment());
    // The child's window is made anew with the styles of the reading order.
    DWORD rtl = WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR | WS_EX_RIGHT;
    EXPECT_EQ(ExStyle(edit) & rtl, rtl);
    EXPECT_EQ(edit->DrawTextBiDiModeFlags(DT_LEFT), UINT(DT_RIGHT | DT_RTLREADING));
    EXPECT_EQ(edit->DrawTextBiDiModeFlags(DT_RIGHT), UINT(DT_LEFT | DT_RTLREADING));

    edit->SetBiDiMode(bdRightToLeftReadingOnly);
    EXPECT_FALSE(edit->ParentBiDiMode());
    EXPECT_FALSE(edit->UseRightToLeftAlignment());
    EXPECT_TRUE(edit->UseRightToLeftReading());
    EXPECT_EQ(ExStyle(edit) & rtl, DWORD(WS_EX_RTLREADING));
    form->SetBiDiMode(bdLeftToRight);
    EXPECT_EQ(edit->BiDiMode(), bdRightToLeftReadingOnly);

    edit->SetParentBiDiMode(true);
    EXPECT_EQ(edit->BiDiMode(), bdLeftToRight);
    EXPECT_EQ(ExStyle(edit) & rtl, 0u);
    // A control put on a right-to-left parent takes its mode at once.
    form->SetBiDiMode(bdRightToLeft);
    auto* later = new TTestEdit(form);
    later->SetParent(form);
    EXPECT_EQ(later->BiDiMode(), bdRightToLeft);
    // Where the desktop does not read right to left, nothing is mirrored.
    SysLocale().MiddleEast = false;
    EXPECT_FALSE(later->UseRightToLeftAlignment());
    EXPECT_FALSE(later->UseRightToLeftReading());
    EXPECT_EQ(later->DrawTextBiDiModeFlags(DT_LEFT), UINT(DT_LEFT));
}

// The first and last x of dark pixels of a control on the screen, -1 when none.
std::pair<int, int> InkOf(TControl* c) {
    UpdateAllWindows();
    cairo_surface_t* s = GetDesktopSurface();
    cairo_surface_flush(s);
    const unsigned char* d = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    std::pair<int, int> span{-1, -1};
    for (int y = 0; y < c->Height(); ++y)
        for (int x = 0; x < c->Width(); ++x) {
            POINT p = c->ClientToScreen({x, y});
            const unsigned char* px = d + p.y * stride + p.x * 4;
            if (px[0] + px[1] + px[2] > 3 * 90) continue;
            if (span.first < 0) span.first = x;
            span.first = std::min(span.first, x);
            span.second = std::max(span.second, x);
        }
    return span;
}

TEST_F(ControlMembersTest, ALabelAndACheckBoxDrawOnTheReadingSide) {
    auto* label = new TLabel(form);
    label->SetAutoSize(false);
    label->SetBounds(10, 60, 200, 20);
    label->SetCaption("Precio");
    label->SetParent(form);
    auto* check = new TCheckBox(form);
    check->SetBounds(10, 100, 200, 20);
    check->SetParent(form);
    for (TBiDiMode mode : {bdLeftToRight, bdRightToLeft}) {
        form->SetBiDiMode(mode);
        form->Invalidate();
        auto [first, last] = InkOf(label);
        ASSERT_GE(first, 0);
        if (mode == bdRightToLeft) EXPECT_GT(first, 100);
        else EXPECT_LT(last, 100);
        // The box (without a caption, the only ink) changes sides too.
        auto [boxFirst, boxLast] = InkOf(check);
        ASSERT_GE(boxFirst, 0);
        if (mode == bdRightToLeft) EXPECT_GT(boxFirst, 100);
        else EXPECT_LT(boxLast, 100);
    }
}

TEST_F(ControlMembersTest, ConstraintsHoldWheneverTheControlIsSized) {
    edit->Constraints()->SetMinWidth(50);
    edit->Constraints()->SetMaxWidth(150);
    edit->Constraints()->SetMaxHeight(30);
    edit->SetBounds(10, 10, 20, 60);
    EXPECT_EQ(edit->Width(), 50);
    EXPECT_EQ(edit->Height(), 30);
    RECT r;
    GetWindowRect(edit->Handle(), &r);
    EXPECT_EQ(r.right - r.left, 50); // the window follows
    edit->SetWidth(400);
    EXPECT_EQ(edit->Width(), 150);
    // A limit set later sizes the control at once.
    edit->Constraints()->SetMaxWidth(100);
    EXPECT_EQ(edit->Width(), 100);
    // Aligned to the whole client area, it still keeps within its limits.
    edit->SetAlign(alClient);
    EXPECT_EQ(edit->Width(), 100);
    EXPECT_EQ(edit->Height(), 30);
    // A minimum wins over a smaller maximum.
    edit->Constraints()->SetMinWidth(120);
    EXPECT_EQ(edit->Width(), 120);
}

TEST_F(ControlMembersTest, AContextPopupHandlerCanKeepTheMenuShut) {
    auto* menu = new TPopupMenu(form);
    auto* item = new TMenuItem(form);
    item->SetCaption("&Copiar");
    menu->Items()->Add(item);
    int shown = 0;
    menu->OnPopup = [&](TObject*) { ++shown; };
    edit->SetPopupMenu(menu);
    std::vector<POINT> asked;
    bool keepShut = true;
    edit->OnContextPopup = [&](TObject*, POINT p, bool& handled) {
        asked.push_back(p);
        handled = keepShut;
    };
    POINT p = edit->ClientToScreen({7, 5});
    QueueClick(p.x, p.y, 1);
    Application->ProcessMessages();
    EXPECT_EQ(shown, 0);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].x, 7); // in the control's own coordinates
    EXPECT_EQ(asked[0].y, 5);
    keepShut = false;
    clock->Advance(1000);
    QueueClick(p.x, p.y, 1);
    QueueKey(VK_ESCAPE);
    Application->ProcessMessages();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(asked.size(), 2u);
}

TEST_F(ControlMembersTest, StoredFormsKeepTheMembersThatDifferFromTheirDefaults) {
    std::string plain = WriteComponentText(form);
    for (const char* name : {"BiDiMode", "ParentBiDiMode", "DragMode", "DragKind", "DragCursor", "Constraints"})
        EXPECT_EQ(plain.find(name), std::string::npos) << name;

    form->SetBiDiMode(bdRightToLeft);
    edit->SetDragMode(dmAutomatic);
    edit->SetDragKind(dkDock);
    edit->SetDragCursor(crHandPoint);
    edit->Constraints()->SetMinHeight(22);
    std::string text = WriteComponentText(form);
    EXPECT_NE(text.find("BiDiMode = bdRightToLeft"), std::string::npos) << text;
    EXPECT_NE(text.find("DragMode = dmAutomatic"), std::string::npos) << text;
    EXPECT_NE(text.find("DragKind = dkDock"), std::string::npos) << text;
    EXPECT_NE(text.find("DragCursor = crHandPoint"), std::string::npos) << text;
    EXPECT_NE(text.find("Constraints.MinHeight = 22"), std::string::npos) << text;
    // The child takes its mode from the form: only the form stores it.
    EXPECT_EQ(text.find(" BiDiMode = "), text.rfind(" BiDiMode = ")) << text;

    TForm copy(nullptr);
    ReadComponentText(text, &copy);
    auto* field = dynamic_cast<TTestEdit*>(copy.FindComponent("Campo"));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(copy.BiDiMode(), bdRightToLeft);
    EXPECT_EQ(field->BiDiMode(), bdRightToLeft);
    EXPECT_TRUE(field->ParentBiDiMode());
    EXPECT_EQ(field->DragMode(), dmAutomatic);
    EXPECT_EQ(field->DragKind(), dkDock);
    EXPECT_EQ(field->DragCursor(), crHandPoint);
    EXPECT_EQ(field->Constraints()->MinHeight(), 22);
    EXPECT_EQ(WriteComponentText(&copy), text);
}

} // namespace
} // namespace tvtest
