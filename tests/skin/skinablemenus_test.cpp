// Skinned menus: a form's menu opened by the mouse and by the keys through
// the input queue, drawn by the skin (the bar's items and the pop-up's), the
// chosen command run; the sizes of the kinds of items; the application's own
// handlers kept.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "framework/ui/menus.h"
#include "framework/ui/picture.h"
#include "platform/backend/headless.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/shapes.h"
#include "platform/window/input.h"
#include "platform/window/menu.h"
#include "platform/window/paint.h"
#include "platform/window/timer.h"
#include "skin/internalskins.h"
#include "skin/skinablemenus.h"
#include "skin/skinmanager.h"
#include "support/headless_ui.h"

using namespace tv;
using namespace tv::win;

namespace {

class SkinnedMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        clock = tvtest::StartHeadlessUI();
        sm = std::make_unique<TsSkinManager>(Application);
        sm->SetActive(false);
        LoadInternalSkins(sm->InternalSkins());
        sm->SetSkinDirectory("/no/skins");
        sm->SetSkinName(DefaultInternalSkin);
        sm->SetActive(true);
        // A window like the station's main one: a menu bar, no skin provider.
        form = new TForm(Application);
        form->SetBounds(40, 40, 400, 300);
        menu = new TMainMenu(form);
        archivo = Item(menu->Items(), "&Archivo");
        nuevo = Item(archivo, "&Nuevo");
        Item(archivo, "-");
        salir = Item(archivo, "&Salir");
        Item(menu->Items(), "A&yuda");
        nuevo->OnClick = [this](TObject*) { chosen = "Nuevo"; };
        salir->OnClick = [this](TObject*) { chosen = "Salir"; };
        form->SetMenu(menu);
        form->Show();
        Application->ProcessMessages();
        UpdateAllWindows();
    }
    void TearDown() override {
        delete form;
        sm.reset();
        tvtest::StopHeadlessUI();
    }
    TMenuItem* Item(TMenuItem* parent, const char* caption) {
        auto* i = new TMenuItem(form);
        i->SetCaption(caption);
        parent->Add(i);
        return i;
    }
    static TColor Screen(int x, int y) {
        UpdateAllWindows();
        HDC dc = GetDC(nullptr);
        TColor c = TColor(GetPixel(dc, x, y));
        ReleaseDC(nullptr, dc);
        return c;
    }
    // The colour of the item section under the mouse.
    TColor HotItem() { return sm->gd[std::size_t(sm->GetSectionIndex("MENUITEM"))].HotColor; }
    RECT BarItem(int pos) {
        RECT r{};
        GetMenuItemRect(form->Handle(), GetMenu(form->Handle()), UINT(pos), &r);
        return r;
    }
    std::shared_ptr<FakeClock> clock;
    std::unique_ptr<TsSkinManager> sm;
    TForm* form = nullptr;
    TMainMenu* menu = nullptr;
    TMenuItem *archivo = nullptr, *nuevo = nullptr, *salir = nullptr;
    std::string chosen;
};

TEST_F(SkinnedMenuTest, TheMenusOfAFormAreHookedWhenTheProgramComesToTheFront) {
    EXPECT_TRUE(sm->SkinableMenus()->Active());
    EXPECT_TRUE(menu->OwnerDraw());
    EXPECT_TRUE(TsSkinableMenus::IsOwnDraw(archivo->OnAdvancedDrawItem)) << "a bar item";
    EXPECT_TRUE(TsSkinableMenus::IsOwnDraw(nuevo->OnAdvancedDrawItem)) << "a pop-up item";
    EXPECT_TRUE(TsSkinableMenus::IsOwnMeasure(nuevo->OnMeasureItem));
    sm->SetActive(false);
    EXPECT_FALSE(nuevo->OnAdvancedDrawItem) << "only its own handlers go, with the skin";
    EXPECT_FALSE(menu->OwnerDraw());
}

TEST_F(SkinnedMenuTest, OpenedByTheMouseTheHighlightedItemIsTheSkins) {
    RECT bar = BarItem(0);
    TColor highlighted = 0, barItem = 0;
    ScriptStep([&] {
        HWND popup = FindWindow(POPUPMENU_CLASS, "");
        ASSERT_NE(popup, nullptr);
        RECT pr;
        GetWindowRect(popup, &pr);
        QueueMouseMove(pr.left + 20, pr.top + 3 + 8);
    });
    ScriptStep([&] {
        HWND popup = FindWindow(POPUPMENU_CLASS, "");
        RECT pr;
        GetWindowRect(popup, &pr);
        highlighted = Screen(pr.right - 3 - 6, pr.top + 3 + 8);
        barItem = Screen(bar.left + 2, (bar.top + bar.bottom) / 2);
        QueueClick(pr.left + 20, pr.top + 3 + 8);
    });
    QueueClick((bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2);
    Application->ProcessMessages();
    EXPECT_EQ(chosen, "Nuevo");
    EXPECT_EQ(highlighted, HotItem()) << "the item under the mouse takes the hot item section";
    EXPECT_EQ(barItem, HotItem()) << "and so does its bar item while its pop-up is open";
    EXPECT_NE(HotItem(), sm->gd[std::size_t(sm->GetSectionIndex("MAINMENU"))].Color);
    EXPECT_EQ(PendingScriptSteps(), 0u);
}

TEST_F(SkinnedMenuTest, OpenedByTheKeysTheDividerIsSkipped) {
    QueueKey(VK_MENU);
    QueueKey(VK_DOWN);
    QueueKey(VK_DOWN);
    QueueKey(VK_RETURN);
    Application->ProcessMessages();
    EXPECT_EQ(chosen, "Salir");
}

TEST_F(SkinnedMenuTest, EachKindOfItemHasItsSize) {
    TsSkinableMenus* m = sm->SkinableMenus();
    TBitmap scratch;
    scratch.SetSize(10, 10);
    TCanvas* c = scratch.Canvas();
    auto* line = archivo->Items(1);
    EXPECT_EQ(m->ItemHeight(c, line), 2) << "a divider";
    TMenuItem* section = Item(archivo, "-Sección-");
    TMenuItem* right = Item(archivo, "\bDerecha");
    int w1 = 0, h1 = 0, w2 = 0, h2 = 0;
    m->MeasureItem(section, c, w1, h1);
    m->MeasureItem(nuevo, c, w2, h2);
    EXPECT_GT(w1, 0) << "a section caption is measured with its text";
    int plain = int(1.25 * c->TextHeight("W") + 0.5);
    EXPECT_EQ(h2, std::max(plain, 16) + 2 * m->Margin());
    EXPECT_EQ(h1, plain + 2 * m->Margin());
    (void)right;
    EXPECT_EQ(m->SkinBorderWidth(), 3) << "the menu border has no width of its own";
    m->SetSkinBorderWidth(-1);
    sm->ma[std::size_t(sm->GetMaskIndexByName("MAINMENU", "BORDERSMASK"))].PropertyName = "GONE";
    EXPECT_EQ(m->SkinBorderWidth(), 0) << "no border image, no border";
}

TEST_F(SkinnedMenuTest, TheExtraLineShowsByDefaultButNotBesideTheSkinList) {
    TsSkinableMenus* m = sm->SkinableMenus();
    sm->MenuSupport()->SetUseExtraLine(true);
    TBitmap scratch;
    scratch.SetSize(10, 10);
    int with = 0, h = 0, without = 0;
    ResetMenuCache();
    m->MeasureItem(nuevo, scratch.Canvas(), with, h);
    EXPECT_EQ(m->ExtraLineWidth(false), 32) << "the default caption, no handler needed";
    archivo->Items(0)->SetName("SkinSelectItem");
    ResetMenuCache();
    m->MeasureItem(nuevo, scratch.Canvas(), without, h);
    EXPECT_EQ(m->ExtraLineWidth(false), 0);
    EXPECT_EQ(with - without, 32);
}

TEST_F(SkinnedMenuTest, TheApplicationsOwnHandlersAreKept) {
    int drawn = 0;
    auto* extra = Item(archivo, "Propio");
    extra->OnAdvancedDrawItem = [&](TObject*, TCanvas*, RECT, UINT) { ++drawn; };
    archivo->OnAdvancedDrawItem = [&](TObject*, TCanvas*, RECT, UINT) { ++drawn; };
    sm->SkinableMenus()->HookAll(true);
    EXPECT_FALSE(TsSkinableMenus::IsOwnDraw(extra->OnAdvancedDrawItem)) << "a pop-up item keeps its handler";
    EXPECT_TRUE(TsSkinableMenus::IsOwnDraw(archivo->OnAdvancedDrawItem)) << "a bar item always takes the skin's";
    sm->SkinableMenus()->HookAll(false);
    EXPECT_TRUE(extra->OnAdvancedDrawItem) << "and is not taken away";
}

} // namespace
