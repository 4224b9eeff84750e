// The editors read right to left: the edit keeps its buttons at the left and
// its image at the right, mirrors a text field's alignment but not a
// number's, and the check box puts its box on the other side.
#include <cairo.h>

#include "editorfixture.h"
#include "editors/dbcheckbox.h"
#include "editors/dbedit.h"
#include "editors/editbuttoncontrol.h"
#include "editors/editimage.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/imagelist.h"
#include "platform/controls/edit.h"
#include "platform/window/paint.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class RightToLeftEditorsTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        data = new TClientDataSet(form);
        data->FieldDefs().Add("NOMBRE", ftString, 20);
        data->FieldDefs().Add("PRECIO", ftInteger);
        data->FieldDefs().Add("ACTIVO", ftBoolean);
        data->CreateDataSet();
        data->Append();
        data->FieldByName("NOMBRE")->SetAsString("Arroz");
        data->FieldByName("PRECIO")->SetAsInteger(2500);
        data->FieldByName("ACTIVO")->SetAsBoolean(true);
        data->Post();
        source = new TDataSource(form);
        source->SetDataSet(data);
        form->SetBiDiMode(bdRightToLeft);
    }
    TDBEditEh* Editor(const char* field, int top) {
        auto* e = new TDBEditEh(form);
        e->SetParent(form);
        e->SetBounds(10, top, 200, 24);
        e->SetDataSource(source);
        e->SetDataField(field);
        e->HandleNeeded();
        return e;
    }
    // The first and last client x of dark pixels of a control, (-1, -1) when none.
    std::pair<int, int> Ink(TControl* c, int fromX, int toX) {
        UpdateAllWindows();
        cairo_surface_t* s = GetDesktopSurface();
        cairo_surface_flush(s);
        const unsigned char* d = cairo_image_surface_get_data(s);
        int stride = cairo_image_surface_get_stride(s);
        std::pair<int, int> span{-1, -1};
        for (int y = 3; y < c->Height() - 3; ++y)
            for (int x = fromX; x < toX; ++x) {
                POINT p = c->ClientToScreen({x, y});
                const unsigned char* px = d + p.y * stride + p.x * 4;
                if (px[0] + px[1] + px[2] > 3 * 90) continue;
                if (span.first < 0 || x < span.first) span.first = x;
                span.second = std::max(span.second, x);
            }
        return span;
    }
    TClientDataSet* data = nullptr;
    TDataSource* source = nullptr;
};

TEST_F(RightToLeftEditorsTest, ButtonsStandAtTheLeftAndTheImageAtTheRight) {
    auto* e = Editor("NOMBRE", 10);
    auto* list = new TImageList(form);
    list->SetWidth(16);
    list->SetHeight(16);
    e->SetImages(list);
    e->EditButton()->SetVisible(true);
    int clicks = 0;
    e->OnButtonClick = [&](TObject*, bool& handled) {
        ++clicks;
        handled = true;
    };
    ProcessPendingMessages();
    EXPECT_EQ(e->BiDiMode(), bdRightToLeft);
    TEditButtonControlEh* button = e->ButtonControl(0);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Left(), 0);
    RECT area = e->ClientRect();
    e->TextAreaRect(area);
    EXPECT_EQ(area.left, e->ButtonWidth());
    EXPECT_EQ(area.right, e->ClientWidth() - e->ImageAreaWidth());
    RECT text{};
    SendMessage(e->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_EQ(text.right, area.right); // the window's text leaves the image's strip free
    POINT p = At(e, e->ButtonWidth() / 2, e->ClientHeight() / 2);
    Click(p.x, p.y);
    EXPECT_EQ(clicks, 1);
}

TEST_F(RightToLeftEditorsTest, ATextIsMirroredAndANumberKeepsItsAlignment) {
    struct Case {
        const char* field;
        bool assignRight;
        bool inkAtRight;
    } cases[] = {
        {"NOMBRE", false, true}, // left-justified text: shown at the right
        {"NOMBRE", true, false}, // a text set to the right: shown at the left
        {"PRECIO", false, true}, // a number keeps its right alignment
    };
    int top = 10;
    for (const Case& c : cases) {
        auto* e = Editor(c.field, top);
        top += 30;
        if (c.assignRight) e->SetAlignment(taRightJustify);
        EXPECT_EQ(e->UseRightToLeftAlignment(), std::string(c.field) == "NOMBRE") << c.field;
        e->Invalidate();
        auto [first, last] = Ink(e, 2, e->ClientWidth() - 2);
        ASSERT_GE(first, 0) << c.field;
        int middle = e->ClientWidth() / 2;
        if (c.inkAtRight) EXPECT_GT(first, middle) << c.field << c.assignRight;
        else EXPECT_LT(last, middle) << c.field << c.assignRight;
    }
}

TEST_F(RightToLeftEditorsTest, TheCheckBoxPutsItsBoxOnTheOtherSide) {
    for (TBiDiMode mode : {bdLeftToRight, bdRightToLeft}) {
        auto* b = new TDBCheckBoxEh(form);
        b->SetParent(form);
        b->SetBounds(10, mode == bdRightToLeft ? 40 : 10, 150, 20);
        b->SetCaption("");
        b->SetDataSource(source);
        b->SetDataField("ACTIVO");
        b->SetBiDiMode(mode);
        b->Invalidate();
        // The checked box is the only ink: at the left, or read right to left at the right.
        auto [first, last] = Ink(b, 0, b->ClientWidth());
        ASSERT_GE(first, 0);
        if (mode == bdRightToLeft) {
            EXPECT_GT(first, b->ClientWidth() / 2);
            EXPECT_EQ(b->GetControlsAlignment(), taLeftJustify);
        } else {
            EXPECT_LT(last, b->ClientWidth() / 2);
            EXPECT_EQ(b->GetControlsAlignment(), taRightJustify);
        }
    }
}

} // namespace
} // namespace tvtest
