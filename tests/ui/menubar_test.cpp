// A form's menu bar and popup menus as the platform shows them: the MDI
// window list, item hints, owner-drawn items, items updated before their
// popup opens, and menus or forms that go while a popup shows.
#include "uifixture.h"

#include "framework/ui/actions.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/menus.h"
#include "platform/window/menu.h"
#include "platform/window/queue.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const std::string& caption) {
    auto* i = new TMenuItem(owner);
    i->SetCaption(caption);
    parent->Add(i);
    return i;
}

std::vector<HWND> OpenPopups() {
    std::vector<HWND> found;
    EnumWindows([&](HWND h) {
        if (GetClassName(h) == POPUPMENU_CLASS && IsWindowVisible(h)) found.push_back(h);
        return TRUE;
    });
    return found;
}

std::vector<std::string> Texts(HMENU menu) {
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        std::string t;
        GetMenuString(menu, UINT(i), &t, MF_BYPOSITION);
        texts.push_back(t);
    }
    return texts;
}

class TMdiChild : public TForm {
    TV_CLASS(TMdiChild, TForm)
public:
    using TForm::TForm;
};

TEST_F(UiTest, TheWindowMenuOfTheBarListsTheMdiChildrenAndChoosesOne) {
    TForm* main = nullptr;
    Application->CreateForm(main);
    main->SetFormStyle(fsMDIForm);
    main->SetBounds(0, 0, 640, 480);
    auto* menu = new TMainMenu(main);
    TMenuItem* ventana = AddItem(main, menu->Items(), "&Ventana");
    auto* actions = new TActionList(main);
    auto* cascade = new TWindowCascade(main);
    cascade->SetActionList(actions);
    AddItem(main, ventana, "")->SetAction(cascade);
    main->SetMenu(menu);
    main->SetWindowMenu(ventana);
    main->Show();
    std::vector<TMdiChild*> children;
    for (const char* caption : {"Facturas", "Recibos", "Compras"}) {
        auto* c = new TMdiChild(Application);
        c->SetCaption(caption);
        c->SetFormStyle(fsMDIChild);
        c->SetBounds(0, 0, 200, 150);
        c->Show();
        children.push_back(c);
    }
    ASSERT_EQ(main->ActiveMDIChild(), children[2]);
    // An action changes its caption between two showings: the popup is
    // filled again and the list comes back after it.
    cascade->SetCaption("&Cascada");

    std::vector<std::string> shown;
    UINT checked = 0;
    ScriptStep([&] {
        ASSERT_EQ(OpenPopups().size(), 1u);
        HMENU list = ventana->Handle();
        shown = Texts(list);
        for (int i = 0; i < GetMenuItemCount(list); ++i)
            if (GetMenuState(list, UINT(i), MF_BYPOSITION) & MF_CHECKED) checked = UINT(i);
        Key('2');
    });
    Press('V', false, false, true);
    EXPECT_EQ(shown, (std::vector<std::string>{"&Cascada", "", "&1 Facturas", "&2 Recibos", "&3 Compras"}));
    EXPECT_EQ(checked, 4u) << "the active child";
    EXPECT_EQ(main->ActiveMDIChild(), children[1]);
    EXPECT_TRUE(OpenPopups().empty());
    EXPECT_EQ(PendingScriptSteps(), 0u);
}

TEST_F(UiTest, TheHighlightedItemsHintIsTheApplicationsHintUntilTheMenuCloses) {
    auto* f = NewForm<TForm>(Application);
    auto* menu = new TMainMenu(f);
    TMenuItem* archivo = AddItem(f, menu->Items(), "&Archivo");
    archivo->SetHint("Documentos y salida");
    AddItem(f, archivo, "&Nuevo")->SetHint("Nuevo|Crea un documento nuevo");
    AddItem(f, archivo, "&Salir");
    auto* status = new TStatusBar(f);
    status->SetParent(f);
    status->SetSimplePanel(true);
    Application->OnHint = [&](TObject*) { status->SetSimpleText(Application->Hint()); };
    f->SetMenu(menu);
    f->Show();

    std::vector<std::string> seen;
    ScriptStep([&] {
        seen.push_back(status->SimpleText()); // the bar item
        Key(VK_DOWN);
    });
    ScriptStep([&] {
        seen.push_back(status->SimpleText()); // Nuevo, its long hint
        Key(VK_DOWN);
    });
    ScriptStep([&] {
        seen.push_back(status->SimpleText()); // Salir has none
        Key(VK_UP);
    });
    ScriptStep([&] {
        seen.push_back(Application->Hint());
        Key(VK_ESCAPE);
        Key(VK_ESCAPE);
    });
    Press(VK_F10);
    EXPECT_EQ(seen, (std::vector<std::string>{"Documentos y salida", "Crea un documento nuevo", "",
                                              "Crea un documento nuevo"}));
    EXPECT_EQ(Application->Hint(), "");
    EXPECT_EQ(status->SimpleText(), "");

    // A popup menu's items give their hints the same way.
    auto* popup = new TPopupMenu(f);
    AddItem(f, popup->Items(), "&Copiar")->SetHint("Copia la selección");
    std::string during;
    ScriptStep([&] {
        Key(VK_DOWN);
        ScriptStep([&] {
            during = Application->Hint();
            Key(VK_ESCAPE);
        });
    });
    popup->Popup(100, 100);
    EXPECT_EQ(during, "Copia la selección");
    EXPECT_EQ(Application->Hint(), "");
}

TEST_F(UiTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheirHandlers) {
    auto* f = NewForm<TForm>(Application);
    auto* menu = new TMainMenu(f);
    TMenuItem* archivo = AddItem(f, menu->Items(), "&Archivo");
    TMenuItem* plain = AddItem(f, archivo, "&Abrir");
    TMenuItem* drawn = AddItem(f, archivo, "&Dibujado");
    bool clicked = false;
    drawn->OnClick = [&](TObject*) { clicked = true; };
    f->SetMenu(menu);
    f->Show();
    EXPECT_FALSE(GetMenuState(archivo->Handle(), drawn->Command(), MF_BYCOMMAND) & MF_OWNERDRAW);
    // Handlers bound once the menu shows on the bar (as a skin binds them)
    // take over at the next showing.
    drawn->OnMeasureItem = [](TObject*, TCanvas* canvas, int& w, int& h) {
        EXPECT_NE(canvas, nullptr);
        w = 150;
        h = 31;
    };
    std::vector<std::pair<RECT, UINT>> draws;
    drawn->OnAdvancedDrawItem = [&](TObject* sender, TCanvas* canvas, RECT r, UINT state) {
        EXPECT_EQ(sender, drawn);
        canvas->Brush()->SetColor(clRed);
        canvas->FillRect(r);
        draws.push_back({r, state});
    };
    ScriptStep([] { Key(VK_DOWN); });
    ScriptStep([] { Key(VK_RETURN); });
    Press('A', false, false, true);
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(GetMenuState(archivo->Handle(), drawn->Command(), MF_BYCOMMAND) & MF_OWNERDRAW);
    ASSERT_FALSE(draws.empty());
    EXPECT_EQ(draws.front().first.Height(), 31);
    EXPECT_TRUE(draws.back().second & ODS_SELECTED) << "drawn again when highlighted";

    // The whole menu drawn by the owner: every entry turns over at once.
    EXPECT_FALSE(GetMenuState(archivo->Handle(), plain->Command(), MF_BYCOMMAND) & MF_OWNERDRAW);
    menu->SetOwnerDraw(true);
    EXPECT_TRUE(GetMenuState(archivo->Handle(), plain->Command(), MF_BYCOMMAND) & MF_OWNERDRAW);
}

TEST_F(UiTest, AMenuOrItsFormGoingWhileAPopupShowsEndsTheMenu) {
    auto* f = NewForm<TForm>(Application);
    auto* menu = new TMainMenu(f);
    TMenuItem* archivo = AddItem(f, menu->Items(), "&Archivo");
    AddItem(f, archivo, "&Nuevo");
    f->SetMenu(menu);
    f->Show();
    ScriptStep([&] {
        ASSERT_EQ(OpenPopups().size(), 1u);
        delete menu;
    });
    Press('A', false, false, true);
    EXPECT_TRUE(OpenPopups().empty());
    EXPECT_EQ(f->Menu(), nullptr);
    EXPECT_EQ(GetMenu(f->Handle()), nullptr);

    // A popup menu freed by a handler while it shows.
    auto* popup = new TPopupMenu(f);
    AddItem(f, popup->Items(), "&Copiar");
    ScriptStep([&] { delete popup; });
    popup->Popup(50, 50);
    EXPECT_TRUE(OpenPopups().empty());

    // The form goes while its bar's popup shows.
    auto* menu2 = new TMainMenu(f);
    AddItem(f, AddItem(f, menu2->Items(), "&Ventana"), "&Cascada");
    f->SetMenu(menu2);
    ScriptStep([&] { delete f; });
    Press('V', false, false, true);
    EXPECT_TRUE(OpenPopups().empty());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(PendingScriptSteps(), 0u);
}

} // namespace
} // namespace tvtest
