// The drop-down list boxes and their size grip.
#include <gtest/gtest.h>

#include "editorfixture.h"
#include "editors/dropdownplacement.h"
#include "editors/popuplistbox.h"
#include "editors/sizegrip.h"
#include "core/strutils.h"
#include "framework/ui/imagelist.h"
#include "framework/ui/picture.h"
#include "framework/ui/stdctrls/scrollbar.h"
#include "framework/ui/uimessages.h"
#include "platform/controls/ownerdraw.h"
#include "platform/gdi/objects.h"
#include "platform/region.h"
#include "platform/window/menu.h"
#include "platform/window/messages.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/window.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class PopupListbox : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        list = new TPopupListboxEh(form);
        list->SetParent(form);
        list->SetItemHeight(16);
        for (const char* s : {"Arroz", "Arveja", "Banano", "Café", "Ñame", "Papa", "Yuca", "Zanahoria", "Ahuyama"})
            list->Items()->Add(s);
        SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    }
    void ShowAt(int x, int y) {
        SetWindowPos(list->Handle(), HWND_TOP, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        ProcessPendingMessages();
    }
    void Char(char32_t c) { SendMessage(list->Handle(), WM_CHAR, WPARAM(c), 0); }
    TPopupListboxEh* list = nullptr;
    RECT work;
};

TEST_F(PopupListbox, ShowsWholeRowsOnly) {
    int frame = list->FrameHeight();
    EXPECT_EQ(frame, 4); // two raised edges
    list->SetBounds(0, 0, 120, frame + 16 * 7 + 8);
    EXPECT_EQ(list->Height(), frame + 16 * 7);
    EXPECT_EQ(list->RowCount(), 7);
    SetListBoxRowCount(list, 0);
    EXPECT_EQ(list->Height(), frame + 16);
    SetListBoxRowCount(list, 3);
    EXPECT_EQ(list->Height(), frame + 48);
    list->SetBounds(0, 0, 120, 2);
    EXPECT_EQ(list->RowCount(), 1);
}

TEST_F(PopupListbox, TypingSearchesByTheBeginningAndRestartsAfterAPause) {
    list->SetBounds(0, 0, 120, 100);
    ShowAt(100, 100);
    Char('a');
    EXPECT_EQ(list->ItemIndex(), 0);
    Char('r');
    Char('v');
    EXPECT_EQ(list->SearchText(), "arv");
    EXPECT_EQ(list->ItemIndex(), 1);
    clock->Advance(2001);
    Char('b');
    EXPECT_EQ(list->SearchText(), "b");
    EXPECT_EQ(list->ItemIndex(), 2);
    clock->Advance(1999);
    Char('x');
    EXPECT_EQ(list->SearchText(), "bx");
    Char(27);
    EXPECT_EQ(list->SearchText(), "");
    Char(U'ñ');
    EXPECT_EQ(list->ItemIndex(), 4);
    for (int i = 0; i < 40; ++i) Char('z');
    EXPECT_EQ(Utf8Length(list->SearchText()), 32u);
    EXPECT_FALSE(list->CanFocus());
}

TEST_F(PopupListbox, TheGripFollowsThePlacementAndStopsAtTheWorkArea) {
    list->SetBounds(0, 0, 120, 100);
    TSizeGripEh* grip = list->SizeGrip();
    EXPECT_EQ(grip->Position(), sgpBottomRight);
    // Opened above its owner: the grip goes to the top-right corner.
    RECT owner{200, work.bottom - 25, 320, work.bottom - 4};
    POINT p = CalcDropDownRect(owner, list, ddaLeftEh);
    EXPECT_EQ(grip->Position(), sgpTopRight);
    ShowAt(p.x, p.y);
    EXPECT_EQ(grip->Left(), list->ClientWidth() - grip->Width());
    EXPECT_EQ(grip->Top(), 0);
    // Below again: back to the bottom.
    list->Perform(WM_DROPDOWNPLACED_EH, 3, 0);
    EXPECT_EQ(grip->Position(), sgpBottomRight);
    EXPECT_EQ(grip->Top(), list->ClientHeight() - grip->Height());

    // Dragging the grip far to the right and down stops at the work area.
    ShowAt(work.right - 200, work.bottom - 150);
    list->SetSizeGripResized(false);
    int resized = 0;
    grip->OnParentResized = [&](TObject*) { ++resized; };
    POINT from = grip->ClientToScreen({grip->Width() - 3, grip->Height() - 3});
    Drag(from.x, from.y, from.x + 600, from.y + 600, 4);
    RECT r;
    GetWindowRect(list->Handle(), &r);
    EXPECT_EQ(r.right, work.right);
    EXPECT_LE(r.bottom, work.bottom);
    EXPECT_GE(r.bottom, work.bottom - 16);
    EXPECT_GT(resized, 0);
    EXPECT_TRUE(list->SizeGripResized());
    EXPECT_EQ(grip->Left(), list->ClientWidth() - grip->Width());

    // Opened above, the grip on top moves the top edge; it stops at the work area's top.
    list->SetBounds(0, 0, 120, 100);
    p = CalcDropDownRect(owner, list, ddaLeftEh);
    ShowAt(p.x, p.y);
    ASSERT_EQ(grip->Position(), sgpTopRight);
    GetWindowRect(list->Handle(), &r);
    int left = r.left;
    from = grip->ClientToScreen({grip->Width() - 3, 2});
    Drag(from.x, from.y, from.x + 30, from.y - 3000, 4);
    GetWindowRect(list->Handle(), &r);
    EXPECT_EQ(r.top, work.top);
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.right - r.left, 150);
}

TEST_F(PopupListbox, TheMouseMakesTheItemUnderItCurrent) {
    list->SetBounds(0, 0, 120, 100);
    ShowAt(100, 100);
    POINT p = list->ClientToScreen({10, 16 * 2 + 5});
    MoveMouse(p.x, p.y);
    EXPECT_EQ(list->ItemIndex(), 2);
    // The wheel reaches it through its owner, which keeps the focus.
    SendMessage(list->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -120), MAKELPARAM(p.x, p.y));
    EXPECT_EQ(list->TopIndex(), 1);
    SendMessage(list->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(p.x, p.y));
    EXPECT_EQ(list->TopIndex(), 0);
}

TEST_F(PopupListbox, TheRecentTextsListShowsItsOwnScrollBarWhenNeeded) {
    auto* mru = new TMRUListboxEh(form);
    mru->SetParent(form);
    mru->SetItemHeight(16);
    mru->SetBounds(0, 0, 150, 4 + 16 * 4);
    SetWindowPos(mru->Handle(), HWND_TOP, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    for (const char* s : {"uno", "dos"}) mru->Items()->Add(s);
    mru->UpdateScrollBar();
    EXPECT_FALSE(mru->ScrollBar()->Visible());
    EXPECT_TRUE(mru->SizeGrip()->TriangleShape());
    for (const char* s : {"tres", "cuatro", "cinco", "seis"}) mru->Items()->Add(s);
    mru->UpdateScrollBar();
    EXPECT_TRUE(mru->ScrollBar()->Visible());
    EXPECT_FALSE(mru->SizeGrip()->TriangleShape());
    EXPECT_EQ(mru->ScrollBar()->Left(), mru->ClientWidth() - mru->ScrollBar()->Width());
    EXPECT_EQ(mru->ScrollBar()->Top(), 0);
    EXPECT_EQ(mru->ScrollBar()->Height(), mru->ClientHeight() - mru->SizeGrip()->Height());
    EXPECT_EQ(mru->ScrollBar()->PageSize(), 4);
    EXPECT_EQ(GetWindowLongPtr(mru->Handle(), GWL_STYLE) & WS_VSCROLL, 0);
    // The bar stays where the list puts it.
    SetWindowPos(mru->ScrollBar()->Handle(), nullptr, 3, 3, 10, 10, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(mru->ScrollBar()->Left(), mru->ClientWidth() - mru->ScrollBar()->Width());
    EXPECT_EQ(mru->ScrollBar()->Height(), mru->ClientHeight() - mru->SizeGrip()->Height());
}

} // namespace
} // namespace tvtest

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

TEST_F(PopupListbox, ItemsWithImagesAndExtendedItems) {
    TImageList images(nullptr);
    images.SetWidth(8);
    images.SetHeight(8);
    for (TColor c : {clRed, clBlue}) {
        TBitmap b;
        b.SetSize(8, 8);
        b.Canvas()->Brush()->SetColor(c);
        b.Canvas()->FillRect(RECT{0, 0, 8, 8});
        images.Add(&b, nullptr);
    }
    list->AssignImages(&images);
    list->OnGetImageIndex = [&](TObject* sender, int item, int& image) {
        EXPECT_EQ(sender, form);
        if (item == 1) image = 0;
        if (item == 0) image = 1;
    };
    list->SetBounds(0, 0, 120, 100);
    list->HandleNeeded();
    TBitmap target;
    target.SetSize(100, 32);
    auto draw = [&](int item, int top, bool selected) {
        DRAWITEMSTRUCT di;
        di.CtlType = ODT_LISTBOX;
        di.itemID = UINT(item);
        di.itemState = selected ? ODS_SELECTED : 0;
        di.hDC = target.Canvas()->Handle();
        di.rcItem = RECT{0, top, 100, top + 16};
        list->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&di));
    };
    draw(0, 0, false);
    draw(1, 16, true);
    HDC dc = target.Canvas()->Handle();
    // The image cell is the image width + 4, the image centred in it.
    EXPECT_EQ(PixelAt(dc, 3, 5), COLORREF(clBlue));
    EXPECT_EQ(PixelAt(dc, 9, 11), COLORREF(clBlue));
    EXPECT_NE(PixelAt(dc, 10, 5), COLORREF(clBlue));
    EXPECT_NE(PixelAt(dc, 3, 20) & 0xFF, 0u); // red, blended as selected
    EXPECT_EQ(PixelAt(dc, 95, 18), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(PixelAt(dc, 95, 2), ColorToRGB(list->Color()));

    TStringList extended;
    for (const char* s : {"uno", "dos", "tres"}) extended.Add(s);
    list->SetExtendedItems(&extended);
    EXPECT_EQ(list->Style(), lbVirtualOwnerDraw);
    EXPECT_EQ(list->Count(), 3);
    std::string text;
    list->OnData(list, 2, text);
    EXPECT_EQ(text, "tres");
    list->SetExtendedItems(nullptr);
    EXPECT_EQ(list->Style(), lbOwnerDrawFixed);
    list->AssignImages(nullptr);
}

} // namespace
} // namespace tvtest

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

TEST_F(PopupListbox, TheGripIsATriangleInItsCornerUnlessMadeRectangular) {
    list->SetBounds(0, 0, 120, 100);
    ShowAt(100, 100);
    TSizeGripEh* grip = list->SizeGrip();
    int w = grip->Width(), h = grip->Height();
    struct Case { int position; POINT inside; POINT outside; TCursor cursor; } cases[] = {
        {sgpBottomRight, {w - 2, h - 2}, {1, 1}, crSizeNWSE},
        {sgpBottomLeft, {1, h - 2}, {w - 2, 1}, crSizeNESW},
        {sgpTopLeft, {1, 1}, {w - 2, h - 2}, crSizeNWSE},
        {sgpTopRight, {w - 2, 1}, {1, h - 2}, crSizeNESW},
    };
    for (const Case& c : cases) {
        grip->SetPosition(c.position);
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(grip->Handle(), rgn), 0) << c.position;
        EXPECT_TRUE(PtInRegion(rgn, c.inside.x, c.inside.y)) << c.position;
        EXPECT_FALSE(PtInRegion(rgn, c.outside.x, c.outside.y)) << c.position;
        DeleteObject(rgn);
        EXPECT_EQ(grip->Cursor(), c.cursor);
        bool right = c.position == sgpTopRight || c.position == sgpBottomRight;
        bool bottom = c.position == sgpBottomRight || c.position == sgpBottomLeft;
        EXPECT_EQ(grip->Left(), right ? list->ClientWidth() - w : 0);
        EXPECT_EQ(grip->Top(), bottom ? list->ClientHeight() - h : 0);
    }
    grip->SetTriangleShape(false);
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(grip->Handle(), rgn), 0);
    DeleteObject(rgn);
    // Moved from outside, it goes back to its corner.
    grip->SetBounds(3, 3, w, h);
    EXPECT_EQ(grip->Left(), list->ClientWidth() - w);
}

} // namespace
} // namespace tvtest
