// The form skin provider: the frame's geometry and hit testing by table,
// the frame painted from the skin's images, the form moved, sized and
// closed by the mouse through the input queue, its window menu, the skin
// message it answers, and the adapters it gives the form's controls.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/ui/application.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/forms.h"
#include "framework/ui/grids/grid.h"
#include "framework/ui/stdctrls/combobox.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/listbox.h"
#include "platform/backend/headless.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "platform/window/sysmetrics.h"
#include "skin/ctrladapter.h"
#include "skin/imagepaint.h"
#include "skin/internalskins.h"
#include "skin/scrolladapters.h"
#include "skin/skinmanager.h"
#include "skin/skinmessage.h"
#include "skin/skinprovider.h"
#include "skin/skinutils.h"
#include "skin/systemmenu.h"
#include "support/headless_ui.h"

using namespace tv;
using namespace tv::win;

namespace {

class SkinProviderTest : public ::testing::Test {
protected:
    void SetUp() override {
        clock = tvtest::StartHeadlessUI();
        sm = std::make_unique<TsSkinManager>(Application);
        sm->SetActive(false);
        LoadInternalSkins(sm->InternalSkins());
        sm->SetSkinDirectory("/no/skins");
        sm->SetSkinName(DefaultInternalSkin);
        sm->SetActive(true);
    }
    void TearDown() override {
        sm.reset();
        tvtest::StopHeadlessUI();
    }
    // A form with a provider, shown at (100, 100).
    TForm* SkinnedForm(TBorderStyle style = bsSizeable, TBorderIcons icons = {biSystemMenu, biMinimize, biMaximize}) {
        auto* f = new TForm(Application);
        f->SetBorderStyle(style);
        f->SetBorderIcons(icons);
        f->SetCaption("Formulario");
        f->SetBounds(100, 100, 300, 200);
        provider = new TsSkinProvider(f);
        provider->SetScreenSnap(true);
        f->Show();
        Application->ProcessMessages();
        UpdateAllWindows();
        return f;
    }
    LRESULT Hit(TForm* f, int x, int y) {
        return SendMessage(f->Handle(), WM_NCHITTEST, 0, MAKELPARAM(f->Left() + x, f->Top() + y));
    }
    static TColor Screen(int x, int y) {
        UpdateAllWindows();
        HDC dc = GetDC(nullptr);
        TColor c = TColor(GetPixel(dc, x, y));
        ReleaseDC(nullptr, dc);
        return c;
    }
    std::shared_ptr<FakeClock> clock;
    std::unique_ptr<TsSkinManager> sm;
    TsSkinProvider* provider = nullptr;
};

TEST_F(SkinProviderTest, FrameGeometryFollowsTheBorderStyle) {
    struct Row {
        TBorderStyle style;
        int border, caption, buttons;
    };
    const int fixed = GetSystemMetrics(SM_CXFIXEDFRAME), sizing = GetSystemMetrics(SM_CXSIZEFRAME);
    const Row rows[] = {
        {bsSizeable, sizing, GetSystemMetrics(SM_CYCAPTION), 3},
        {bsSingle, fixed, GetSystemMetrics(SM_CYCAPTION), 3},
        {bsDialog, fixed, GetSystemMetrics(SM_CYCAPTION), 1},
        {bsToolWindow, fixed, GetSystemMetrics(SM_CYSMCAPTION), 1},
        {bsSizeToolWin, sizing, GetSystemMetrics(SM_CYSMCAPTION), 1},
        {bsNone, 0, 0, 0},
    };
    for (const Row& r : rows) {
        TForm* f = SkinnedForm(r.style);
        SCOPED_TRACE(TBorderStyleInfo.NameOf(r.style));
        EXPECT_EQ(provider->BorderWidth(), r.border);
        EXPECT_EQ(provider->BorderHeight(), r.border);
        EXPECT_EQ(provider->CaptionHeight(), r.caption);
        if (r.caption) {
            EXPECT_EQ(provider->SystemButtonCount(), r.buttons);
        }
        // The client area lies where the window system put it.
        POINT client = f->ClientToScreen(POINT{0, 0});
        EXPECT_EQ(provider->ClientOffsetX(), client.x - f->Left());
        EXPECT_EQ(provider->ClientOffsetY(), client.y - f->Top());
        EXPECT_EQ(provider->TopAreaHeight(), r.border + r.caption);
        delete f;
    }
}

TEST_F(SkinProviderTest, HitTestingByTable) {
    struct Row {
        TBorderStyle style;
        TBorderIcons icons;
        const char* where;
        int code;
    };
    const TBorderIcons all{biSystemMenu, biMinimize, biMaximize};
    const TBorderIcons help{biSystemMenu, biHelp};
    const Row rows[] = {
        {bsSizeable, all, "left", HTLEFT},           {bsSizeable, all, "right", HTRIGHT},
        {bsSizeable, all, "top", HTTOP},             {bsSizeable, all, "bottom", HTBOTTOM},
        {bsSizeable, all, "topleft", HTTOPLEFT},     {bsSizeable, all, "topright", HTTOPRIGHT},
        {bsSizeable, all, "bottomleft", HTBOTTOMLEFT}, {bsSizeable, all, "bottomright", HTBOTTOMRIGHT},
        {bsSizeable, all, "caption", HTCAPTION},     {bsSizeable, all, "icon", HTSYSMENU},
        {bsSizeable, all, "button1", HTCLOSE},       {bsSizeable, all, "button2", HTMAXBUTTON},
        {bsSizeable, all, "button3", HTMINBUTTON},   {bsSizeable, all, "client", HTCLIENT},
        {bsSizeable, {}, "button1", HTCAPTION},      {bsSizeable, {}, "icon", HTSYSMENU},
        {bsSingle, all, "left", HTBORDER},           {bsSingle, all, "button1", HTCLOSE},
        {bsSizeable, {biSystemMenu, biMinimize}, "button2", HTCAPTION}, // maximize shown, disabled
        {bsSizeable, {biSystemMenu, biMinimize}, "button3", HTMINBUTTON},
        {bsSingle, {biSystemMenu, biMinimize}, "button2", HTMINBUTTON}, // no maximize at all
        {bsDialog, help, "button1", HTCLOSE},        {bsDialog, help, "button2", HTHELP},
        {bsDialog, help, "icon", HTCAPTION},         {bsDialog, {}, "button1", HTCAPTION},
        {bsNone, {}, "client", HTCLIENT},
    };
    for (const Row& r : rows) {
        TForm* f = SkinnedForm(r.style, r.icons);
        SCOPED_TRACE(std::string(TBorderStyleInfo.NameOf(r.style)) + " " + r.where);
        int w = f->Width(), h = f->Height();
        int bw = provider->BorderWidth();
        int mid = (provider->BorderHeight() + provider->CaptionHeight()) / 2;
        int button = provider->TitleButtonWidth();
        std::string at = r.where;
        POINT p{w / 2, h / 2};
        if (at == "left") p = {bw / 2, h / 2};
        if (at == "right") p = {w - 1 - bw / 2, h / 2};
        if (at == "top") p = {w / 2, 1};
        if (at == "bottom") p = {w / 2, h - 1};
        if (at == "topleft") p = {1, 2};
        if (at == "topright") p = {w - 2, 2};
        if (at == "bottomleft") p = {1, h - 2};
        if (at == "bottomright") p = {w - 2, h - 2};
        if (at == "caption") p = {w / 2, mid};
        if (at == "icon") p = {bw + 2, mid};
        if (at.rfind("button", 0) == 0) p = {w - bw - button * (at.back() - '1') - button / 2, mid};
        EXPECT_EQ(Hit(f, p.x, p.y), r.code);
        delete f;
    }
}

TEST_F(SkinProviderTest, AFormWithoutCaptionLeavesHitTestingToTheWindow) {
    TForm* f = SkinnedForm(bsSizeable);
    SetWindowLong(f->Handle(), GWL_STYLE, GetWindowLong(f->Handle(), GWL_STYLE) & ~LONG_PTR(WS_CAPTION));
    SetWindowPos(f->Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(provider->CaptionHeight(), 0);
    int bw = provider->BorderWidth();
    EXPECT_EQ(Hit(f, f->Width() / 2, bw / 2), HTTOP);
    EXPECT_EQ(Hit(f, f->Width() - bw - 10, bw + 5), HTCLIENT) << "no title buttons without a caption";
    delete f;
}

TEST_F(SkinProviderTest, ADisabledUserButtonCountsAsCaption) {
    auto* f = new TForm(Application);
    f->SetBounds(100, 100, 300, 200);
    provider = new TsSkinProvider(f);
    TsTitleButton* b = provider->TitleButtons()->Add();
    EXPECT_EQ(b->Name(), "TsTitleButton");
    f->Show();
    UpdateAllWindows();
    provider->PlaceTitleButtons();
    RECT r = b->Data.Rect;
    int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    EXPECT_EQ(Hit(static_cast<TForm*>(f), x, y), tbUser);
    b->SetEnabled(false);
    EXPECT_EQ(Hit(static_cast<TForm*>(f), x, y), HTCAPTION);
    delete f;
}

} // namespace
namespace {

// The pixel of state `state` of an image at (x, y) of the state.
TColor ImagePixel(TsSkinManager& sm, int image, int state, int x, int y) {
    const TsMaskData& md = sm.ma[std::size_t(image)];
    int sw = md.R.Width() / md.ImageCount;
    HDC dc = sm.MasterBitmap->Canvas()->Handle();
    return TColor(GetPixel(dc, md.R.left + state * sw + x, md.R.top + y));
}

TEST_F(SkinProviderTest, TheFrameIsPaintedFromTheSkinsImages) {
    TForm* f = SkinnedForm(bsSizeable);
    int border = provider->SkinData()->BorderIndex;
    ASSERT_GE(border, 0);
    int mid = f->Height() / 2;
    // Active: the hot state of the border; its first column is the frame's.
    EXPECT_EQ(Screen(f->Left(), f->Top() + mid), ImagePixel(*sm, border, 1, 0, 5));
    EXPECT_EQ(Screen(f->Left() + f->Width() - 1, f->Top() + mid), ImagePixel(*sm, border, 1, 11, 5));
    EXPECT_EQ(Screen(f->Left(), f->Top()), Screen(f->Left() - 1, f->Top()))
        << "the corner the mask leaves out is not the window's";
    // The close button's glyph, ink for ink.
    provider->PlaceTitleButtons();
    const TsMaskData& close = sm->ma[std::size_t(provider->BtnClose.ImageIndex)];
    RECT r = provider->BtnClose.Rect;
    int inks = 0;
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) {
            TColor px = ImagePixel(*sm, provider->BtnClose.ImageIndex, 0, x, y);
            if (px == clSkinKey) continue;
            ++inks;
            ASSERT_EQ(Screen(f->Left() + r.left + x, f->Top() + r.top + y), px) << x << "," << y;
        }
    EXPECT_GT(inks, 10);
    EXPECT_EQ(close.ImageCount, 3);

    // Another form takes the activation: the frame takes the normal state.
    auto* other = new TForm(Application);
    other->SetBounds(500, 400, 100, 80);
    other->Show();
    Application->ProcessMessages();
    ASSERT_FALSE(provider->FormActive());
    EXPECT_EQ(Screen(f->Left(), f->Top() + mid), ImagePixel(*sm, border, 0, 0, 5));
    delete other;
    delete f;
}

TEST_F(SkinProviderTest, TheMouseOverATitleButtonLightsItAlone) {
    TForm* f = SkinnedForm(bsSizeable);
    provider->PlaceTitleButtons();
    RECT close = provider->BtnClose.Rect, max = provider->BtnMax.Rect;
    int image = provider->BtnClose.ImageIndex;
    QueueMouseMove(f->Left() + close.left + 3, f->Top() + close.top + 3);
    Application->ProcessMessages();
    EXPECT_EQ(provider->HotButton(), HTCLOSE);
    EXPECT_EQ(provider->BtnClose.State, 1);
    EXPECT_EQ(Screen(f->Left() + close.left + 1, f->Top() + close.top + 1), ImagePixel(*sm, image, 1, 1, 1));
    EXPECT_EQ(Screen(f->Left() + max.left + 1, f->Top() + max.top + 1),
              Screen(f->Left() + max.left - 1, f->Top() + max.top + 1))
        << "the other buttons keep the title bar behind them";
    QueueMouseMove(f->Left() + f->Width() / 2, f->Top() + f->Height() / 2);
    Application->ProcessMessages();
    EXPECT_EQ(provider->HotButton(), 0);
    EXPECT_EQ(provider->BtnClose.State, 0);
    delete f;
}

TEST_F(SkinProviderTest, AMinimizedFormsCacheHoldsOnlyTheTitle) {
    TForm* f = SkinnedForm(bsSizeable);
    SendMessage(f->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    UpdateAllWindows();
    ASSERT_EQ(f->WindowState(), wsMinimized);
    provider->SkinData()->BGChanged = true;
    provider->PaintAll();
    EXPECT_EQ(provider->FrameCache()->Height(), provider->BorderHeight() + provider->CaptionHeight() + 1);
    delete f;
}

TEST_F(SkinProviderTest, TheFormIsDraggedBySizedByAndSnappedToTheMouse) {
    TForm* f = SkinnedForm(bsSizeable);
    int y = provider->BorderHeight() + provider->CaptionHeight() / 2;
    QueueDrag(f->Left() + 60, f->Top() + y, f->Left() + 100, f->Top() + y + 30);
    Application->ProcessMessages();
    EXPECT_EQ(f->Left(), 140);
    EXPECT_EQ(f->Top(), 130);

    int right = f->Left() + f->Width() - 1, mid = f->Top() + f->Height() / 2;
    QueueDrag(right, mid, right + 30, mid);
    Application->ProcessMessages();
    EXPECT_EQ(f->Width(), 330) << "the right border sizes the form";

    RECT wa = GetWorkArea();
    struct Row {
        int gap;
        bool snaps;
    };
    for (Row r : {Row{9, true}, Row{10, false}}) {
        SCOPED_TRACE(r.gap);
        clock->Advance(1000); // not a double click
        f->SetBounds(100, 100, 300, 200);
        // Dragged so that its right edge ends `gap` pixels from the work area's.
        int dx = (wa.right - r.gap) - (f->Left() + f->Width());
        QueueDrag(f->Left() + 60, f->Top() + y, f->Left() + 60 + dx, f->Top() + y);
        Application->ProcessMessages();
        EXPECT_EQ(f->Left() + f->Width(), r.snaps ? wa.right : wa.right - r.gap);
    }
    delete f;
}

TEST_F(SkinProviderTest, SnappingLeavesZeroAndUnmovedPositionsAlone) {
    TForm* f = SkinnedForm(bsSizeable);
    WINDOWPOS pos{f->Handle(), nullptr, 0, 0, 300, 200, SWP_NOZORDER};
    SendMessage(f->Handle(), WM_WINDOWPOSCHANGING, 0, LPARAM(&pos));
    EXPECT_EQ(pos.x, 0) << "0, 0 is never snapped";
    EXPECT_EQ(pos.y, 0);
    pos = WINDOWPOS{f->Handle(), nullptr, 5, 5, 300, 200, SWP_NOZORDER | SWP_NOMOVE};
    SendMessage(f->Handle(), WM_WINDOWPOSCHANGING, 0, LPARAM(&pos));
    EXPECT_EQ(pos.x, 5) << "a change that does not move the window is not moved";
    pos = WINDOWPOS{f->Handle(), nullptr, 5, 5, 300, 200, SWP_NOZORDER};
    SendMessage(f->Handle(), WM_WINDOWPOSCHANGING, 0, LPARAM(&pos));
    EXPECT_EQ(pos.x, GetWorkArea().left);
    EXPECT_EQ(SnapCoordinate(91, 100, 0, 10), 100);
    EXPECT_EQ(SnapCoordinate(90, 100, 0, 10), 90);
    delete f;
}

TEST_F(SkinProviderTest, TitleButtonsActOnTheReleaseOverThem) {
    TForm* f = SkinnedForm(bsSizeable);
    bool closed = false;
    f->OnClose = [&](TObject*, TCloseAction& a) {
        closed = true;
        a = caHide;
    };
    provider->PlaceTitleButtons();
    auto centre = [&](const TsCaptionButton& b) {
        return POINT{f->Left() + (b.Rect.left + b.Rect.right) / 2, f->Top() + (b.Rect.top + b.Rect.bottom) / 2};
    };
    POINT max = centre(provider->BtnMax);
    QueueClick(max.x, max.y);
    Application->ProcessMessages();
    EXPECT_EQ(f->WindowState(), wsMaximized);
    provider->PlaceTitleButtons();
    max = centre(provider->BtnMax);
    QueueClick(max.x, max.y);
    Application->ProcessMessages();
    EXPECT_EQ(f->WindowState(), wsNormal) << "the same button restores";

    provider->PlaceTitleButtons();
    POINT close = centre(provider->BtnClose);
    QueueMouseDown(close.x, close.y);
    QueueMouseMove(f->Left() + 60, close.y);
    QueueMouseUp(f->Left() + 60, close.y);
    Application->ProcessMessages();
    EXPECT_FALSE(closed) << "let go elsewhere, the press is dropped";
    QueueClick(close.x, close.y);
    Application->ProcessMessages();
    EXPECT_TRUE(closed);
    delete f;
}

TEST_F(SkinProviderTest, TheWindowMenuOpensFromTheIconAndRunsItsCommands) {
    TForm* f = SkinnedForm(bsSizeable);
    bool closed = false;
    f->OnClose = [&](TObject*, TCloseAction& a) {
        closed = true;
        a = caHide;
    };
    int y = provider->BorderHeight() + provider->CaptionHeight() / 2;
    QueueClick(f->Left() + provider->BorderWidth() + 3, f->Top() + y);
    QueueKey(VK_UP); // from nothing chosen up to the last command
    QueueKey(VK_RETURN);
    Application->ProcessMessages();
    EXPECT_TRUE(closed);
    TsSystemMenu* menu = provider->SystemMenu();
    ASSERT_EQ(menu->Items()->Items(0)->Name(), "SkinSelectItem") << "the skins at the top";
    EXPECT_EQ(menu->Items()->Items(0)->Caption(), "Available skins");
    EXPECT_EQ(menu->Items()->Items(0)->Count(), 4);
    delete f;
}

TEST_F(SkinProviderTest, TheWindowMenuOfADialogHoldsMoveAndClose) {
    struct Row {
        TBorderStyle style;
        TBorderIcons icons;
        std::vector<std::string> shown;
    };
    const Row rows[] = {
        {bsDialog, {biSystemMenu}, {"ItemMove", "ItemClose"}},
        {bsDialog, {}, {"ItemMove"}},
        {bsSizeable, {biSystemMenu, biMinimize, biMaximize},
         {"ItemRestore", "ItemMove", "ItemSize", "ItemMinimize", "ItemMaximize", "ItemClose"}},
    };
    for (const Row& r : rows) {
        TForm* f = SkinnedForm(r.style, r.icons);
        TsSystemMenu* menu = provider->SystemMenu();
        menu->UpdateItems();
        std::vector<std::string> shown;
        for (int i = 0; i < menu->Items()->Count(); ++i)
            if (menu->Items()->Items(i)->Visible() && !menu->Items()->Items(i)->IsLine())
                shown.push_back(menu->Items()->Items(i)->Name());
        EXPECT_EQ(shown, r.shown);
        if (r.style == bsSizeable) {
            EXPECT_FALSE(menu->ItemRestore->Enabled());
            EXPECT_TRUE(menu->ItemMaximize->Enabled());
        }
        delete f;
    }
}

TEST_F(SkinProviderTest, TheSkinListRunsInColumnsOfTwenty) {
    TForm* f = SkinnedForm(bsSizeable);
    TsStoredSkins* skins = sm->InternalSkins();
    while (skins->Count() < 45) skins->Add()->SetName("Piel " + std::to_string(100 + skins->Count()));
    TsSystemMenu* menu = provider->SystemMenu();
    menu->MakeSkinItems();
    TMenuItem* list = menu->Items()->Items(0);
    ASSERT_EQ(list->Count(), 45);
    for (int i = 0; i < 45; ++i)
        EXPECT_EQ(list->Items(i)->Break(), i == 20 || i == 40 ? mbBreak : mbNone) << i;
    // The menu gave a caption an accelerator; the right skin is still chosen.
    TMenuItem* arena = list->Find("Arena");
    ASSERT_NE(arena, nullptr);
    arena->SetCaption("&Arena");
    arena->Click();
    EXPECT_EQ(sm->SkinName(), "Arena");
    menu->RemoveSkinItems();
    provider->SetMakeSkinMenu(false);
    EXPECT_EQ(menu->Items()->Items(0)->Name(), "ItemRestore") << "without the skin list, the window commands only";
    delete f;
}

// A form that records the skin messages its own procedure gets.
class RecordingForm : public TForm {
public:
    using TForm::TForm;
    void Dispatch(Message& msg) override {
        if (msg.Msg == SM_ALPHACMD) heard.push_back(int(HIWORD(msg.WParam)));
        TForm::Dispatch(msg);
    }
    std::vector<int> heard;
};

TEST_F(SkinProviderTest, UnknownSkinCommandsAreConsumed) {
    auto* f = new RecordingForm(Application);
    f->SetBounds(100, 100, 300, 200);
    provider = new TsSkinProvider(f);
    f->Show();
    for (int sub : {23, 26, 60}) SendAlphaCmd(f->Handle(), sub, 0);
    EXPECT_TRUE(f->heard.empty());
    EXPECT_EQ(SendMessage(f->Handle(), SM_ALPHACMD, SkinCommand(SKCMD_GET_PROVIDER), 0), LRESULT(provider));
    EXPECT_EQ(GetFormSkinProvider(f), provider);
    delete f;
}

TEST_F(SkinProviderTest, AnUnskinnedProviderLeavesTheFormAsItWas) {
    auto* f = new RecordingForm(Application);
    f->SetBounds(100, 100, 300, 200);
    provider = new TsSkinProvider(f);
    provider->SkinData()->SetSkinSection("NOSUCHSECTION");
    f->Show();
    UpdateAllWindows();
    EXPECT_TRUE(ControlIsSkinned(f)) << "it still answers the skinned query";
    EXPECT_NE(GetWindowLong(f->Handle(), GWL_STYLE) & WS_SYSMENU, 0) << "the system keeps its buttons";
    f->heard.clear();
    SendAlphaCmd(f->Handle(), 26, 0);
    EXPECT_EQ(f->heard, std::vector<int>{26}) << "other messages reach the form";
    // The section appears with the next skin load: the form is skinned.
    provider->SkinData()->SetSkinSection("FORM");
    SendMessage(f->Handle(), SM_ALPHACMD, SkinCommand(SKCMD_SKIN_LOADED), LPARAM(sm.get()));
    EXPECT_TRUE(provider->SkinData()->Skinned());
    EXPECT_EQ(GetWindowLong(f->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
    EXPECT_EQ(f->Color(), sm->GetGlobalColor());
    delete f;
}

// A new caption is painted into the skinned title at once.
TEST_F(SkinProviderTest, ANewCaptionIsPaintedAtOnce) {
    TForm* f = SkinnedForm(bsSizeable);
    int top = provider->BorderHeight(), height = provider->CaptionHeight();
    auto title = [&] {
        UpdateAllWindows();
        HDC dc = GetDC(nullptr);
        std::vector<TColor> px;
        for (int y = f->Top() + top; y < f->Top() + top + height; ++y)
            for (int x = f->Left() + 30; x < f->Left() + 160; ++x) px.push_back(TColor(GetPixel(dc, x, y)));
        ReleaseDC(nullptr, dc);
        return px;
    };
    std::vector<TColor> before = title();
    f->SetCaption("Artículos de la bodega principal");
    std::vector<TColor> after = title();
    EXPECT_NE(after, before);
    f->SetCaption("Formulario");
    EXPECT_EQ(title(), before);
    f->SetCaption("Artículos de la bodega principal");
    EXPECT_EQ(title(), after);
    delete f;
}

// A control made on the shown form gets its adapter.
TEST_F(SkinProviderTest, AControlMadeOnTheShownFormIsAdapted) {
    TForm* f = SkinnedForm(bsSizeable);
    auto* edit = new TEdit(f);
    edit->SetParent(f);
    edit->SetBounds(10, 10, 120, 22);
    Application->ProcessMessages();
    ASSERT_NE(provider->Adapter(), nullptr);
    EXPECT_GE(provider->Adapter()->IndexOf(edit), 0);
    delete f;
}

TEST_F(SkinProviderTest, AMaximizedFormCoversTheWorkAreaWithItsBordersOutside) {
    TForm* f = SkinnedForm(bsSizeable);
    MINMAXINFO mmi{};
    SendMessage(f->Handle(), WM_GETMINMAXINFO, 0, LPARAM(&mmi));
    RECT wa = GetWorkArea();
    int bw = provider->BorderWidth(), bh = provider->BorderHeight();
    EXPECT_EQ(mmi.ptMaxPosition.x, wa.left - bw);
    EXPECT_EQ(mmi.ptMaxPosition.y, wa.top - bh);
    EXPECT_EQ(mmi.ptMaxTrackSize.x, wa.right - wa.left + 2 * bw);
    EXPECT_EQ(mmi.ptMaxTrackSize.y, wa.bottom - wa.top + 2 * bh);
    EXPECT_EQ(f->Color(), sm->GetGlobalColor()) << "the form takes the skin's colour";
    provider->SetUseGlobalColor(false);
    EXPECT_EQ(f->Color(), TColor(clBtnFace));
    delete f;
}

TEST_F(SkinProviderTest, RemovingTheSkinGivesTheFormItsFrameBack) {
    TForm* f = SkinnedForm(bsSizeable);
    EXPECT_EQ(GetWindowLong(f->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(f->Handle(), rgn), ERROR) << "the corners are cut";
    sm->SetActive(false);
    EXPECT_NE(GetWindowLong(f->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
    EXPECT_EQ(GetWindowRgn(f->Handle(), rgn), ERROR);
    EXPECT_EQ(f->Color(), TColor(clBtnFace));
    EXPECT_EQ(Hit(static_cast<TForm*>(f), f->Width() - 8, 10), HTCLOSE) << "the system's own buttons";
    DeleteObject(rgn);
    delete f;
}

// --- the control adapter ---------------------------------------------------------

// A grid of another library, known only by its published "OptionsEh".
class TOtherGrid : public TCustomControl {
    TV_CLASS(TOtherGrid, TCustomControl)
public:
    using TCustomControl::TCustomControl;
    static void Publish(TPublisher& p) { p.Integer("OptionsEh", &TOtherGrid::Options, &TOtherGrid::SetOptions); }
    int Options() const { return options_; }
    void SetOptions(int v) { options_ = v; }

private:
    int options_ = 0;
};

// An edit that skins itself.
class TSelfSkinnedEdit : public TEdit {
public:
    using TEdit::TEdit;
    void WndProc(Message& msg) override {
        if (msg.Msg == SM_ALPHACMD && HIWORD(msg.WParam) == SKCMD_IS_SKINNED) {
            msg.LParam = 1;
            msg.Result = 1;
            return;
        }
        TEdit::WndProc(msg);
    }
};

TEST_F(SkinProviderTest, TheAdapterGivesEachKindOfControlItsWindowAdapter) {
    auto* f = new TForm(Application);
    f->SetBounds(100, 100, 400, 300);
    provider = new TsSkinProvider(f);
    auto place = [&](TWinControl* c, int y) {
        c->SetParent(f);
        c->SetBounds(10, y, 150, 40);
        return c;
    };
    auto* edit = static_cast<TEdit*>(place(new TEdit(f), 10));
    auto* list = place(new TListBox(f), 60);
    auto* combo = place(new TComboBox(f), 110);
    auto* grid = place(new TCustomGrid(f), 160);
    auto* other = place(new TOtherGrid(f), 210);
    auto* self = place(new TSelfSkinnedEdit(f), 250);
    TColor editColor = edit->Color(), editFont = edit->Font()->Color();
    f->Show();
    Application->ProcessMessages();
    TacCtrlAdapter* adapter = provider->Adapter();
    ASSERT_NE(adapter, nullptr);
    auto adapterOf = [&](TControl* c) -> TacScrollWnd* {
        int i = adapter->IndexOf(c);
        return i < 0 ? nullptr : adapter->GetItem(i)->ScrollWnd.get();
    };
    EXPECT_TRUE(dynamic_cast<TacEditWnd*>(adapterOf(edit)));
    EXPECT_TRUE(dynamic_cast<TacEditWnd*>(adapterOf(list)));
    EXPECT_EQ(adapterOf(combo), nullptr) << "a combo box is never adapted";
    EXPECT_TRUE(dynamic_cast<TacGridWnd*>(adapterOf(grid)));
    EXPECT_TRUE(dynamic_cast<TacGridEhWnd*>(adapterOf(other)));
    EXPECT_EQ(adapterOf(self), nullptr) << "a control that skins itself is left alone";
    EXPECT_EQ(adapter->Count(), 4);
    EXPECT_TRUE(ControlIsSkinned(edit));

    // The edit takes its section's colours, and has them back without the skin.
    const TsGeneralData& g = sm->gd[std::size_t(sm->GetSectionIndex("EDIT"))];
    UpdateAllWindows();
    EXPECT_EQ(edit->Color(), g.Color);
    EXPECT_EQ(edit->Font()->Color(), g.HotFontColor[0]);
    sm->SetActive(false);
    EXPECT_EQ(edit->Color(), editColor);
    EXPECT_EQ(edit->Font()->Color(), editFont);
    EXPECT_EQ(provider->Adapter(), nullptr);
    EXPECT_FALSE(ControlIsSkinned(edit)) << "its window procedure is its own again";
    delete f;
}

TEST_F(SkinProviderTest, OnSkinItemMayRefuseAControlOrChangeItsSection) {
    auto* f = new TForm(Application);
    f->SetBounds(100, 100, 400, 300);
    provider = new TsSkinProvider(f);
    auto* plain = new TEdit(f);
    plain->SetName("Plain");
    auto* panelled = new TEdit(f);
    panelled->SetName("Panelled");
    for (TEdit* e : {plain, panelled}) {
        e->SetParent(f);
        e->SetBounds(10, e == plain ? 10 : 50, 120, 22);
    }
    provider->OnSkinItem = [&](TComponent* c, bool& add, std::string& section) {
        if (c == plain) add = false;
        else section = "PANEL";
    };
    f->Show();
    Application->ProcessMessages();
    TacCtrlAdapter* adapter = provider->Adapter();
    EXPECT_LT(adapter->IndexOf(plain), 0);
    ASSERT_GE(adapter->IndexOf(panelled), 0);
    EXPECT_EQ(adapter->GetItem(adapter->IndexOf(panelled))->SkinData->SkinSection(), "PANEL");
    EXPECT_EQ(panelled->Color(), sm->gd[std::size_t(sm->GetSectionIndex("PANEL"))].Color);
    delete f;
}

} // namespace
