// Menus, actions and MDI windows.
#include "uifixture.h"

#include "framework/ui/actions.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/menus.h"
#include "framework/ui/toolbar.h"
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

TEST(ShortCutText, NamesModifiersAndKeys) {
    EXPECT_EQ(ShortCutToText(scCtrl | 'X'), "Ctrl+X");
    EXPECT_EQ(ShortCutToText(scAlt | VK_F4), "Alt+F4");
    EXPECT_EQ(ShortCutToText(scShift | scCtrl | VK_DELETE), "Shift+Ctrl+Del");
    EXPECT_EQ(ShortCutToText(VK_F12), "F12");
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(TextToShortCut("Ctrl+V"), scCtrl | 'V');
    EXPECT_EQ(TextToShortCut("Alt+F4"), scAlt | VK_F4);
}

TEST_F(UiTest, APopupMenuIsChosenWithTheKeyboard) {
    auto* f = NewForm<TForm>(Application);
    auto* popup = new TPopupMenu(f);
    std::vector<std::string> clicked;
    auto add = [&](const std::string& caption) {
        TMenuItem* i = AddItem(f, popup->Items(), caption);
        i->OnClick = [&clicked, i](TObject*) { clicked.push_back(i->Caption()); };
        return i;
    };
    add("&Copiar");
    add("-");
    add("&Imprimir")->SetEnabled(false);
    add("&Guardar selección");
    TMenuItem* more = add("&Más");
    TMenuItem* sub = AddItem(f, more, "&Exportar");
    sub->OnClick = [&](TObject*) { clicked.push_back("Exportar"); };
    f->Show();

    // Down, Down: past the separator and the disabled item.
    ScriptStep([] {
        Key(VK_DOWN);
        Key(VK_DOWN);
        Key(VK_RETURN);
    });
    popup->Popup(100, 100);
    EXPECT_EQ(clicked, (std::vector<std::string>{"&Guardar selección"}));

    // Up wraps to the last item; Right opens its submenu.
    clicked.clear();
    ScriptStep([] {
        Key(VK_UP);
        Key(VK_RIGHT);
    });
    ScriptStep([] { Key(VK_RETURN); });
    popup->Popup(100, 100);
    EXPECT_EQ(clicked, (std::vector<std::string>{"Exportar"}));

    // The accelerator letter chooses at once; Escape chooses nothing.
    clicked.clear();
    ScriptStep([] { Key('C'); });
    popup->Popup(100, 100);
    ScriptStep([] { Key('I'); Key(VK_ESCAPE); });
    popup->Popup(100, 100);
    EXPECT_EQ(clicked, (std::vector<std::string>{"&Copiar"}));
}

TEST_F(UiTest, APopupMenuOpensFromTheContextMenuOfItsControl) {
    auto* f = NewForm<TForm>(Application);
    auto* panel = new TPanel(f);
    panel->SetParent(f);
    auto* popup = new TPopupMenu(f);
    bool shown = false;
    popup->OnPopup = [&](TObject*) { shown = true; };
    AddItem(f, popup->Items(), "&Copiar");
    panel->SetPopupMenu(popup);
    f->Show();
    ScriptStep([] { Key(VK_ESCAPE); });
    POINT p = panel->ClientToScreen({5, 5});
    InjectMouseMove(p.x, p.y);
    InjectMouseButton(1, true, p.x, p.y);
    InjectMouseButton(1, false, p.x, p.y);
    Application->ProcessMessages();
    EXPECT_TRUE(shown);
    EXPECT_EQ(popup->PopupComponent(), panel);
}

TEST_F(UiTest, ActionsWithoutAHandlerShowDisabledAndTheirShortcutsDoNothing) {
    auto* f = NewForm<TForm>(Application);
    auto* list = new TActionList(f);
    auto* withHandler = new TAction(f);
    withHandler->SetCaption("&Nuevo Artículo");
    withHandler->SetShortCut(scCtrl | 'N');
    withHandler->SetActionList(list);
    int runs = 0;
    withHandler->OnExecute = [&](TObject*) { ++runs; };
    auto* without = new TAction(f);
    without->SetCaption("&Facturas");
    without->SetShortCut(scCtrl | 'F');
    without->SetActionList(list);
    auto* menu = new TMainMenu(f);
    TMenuItem* docs = AddItem(f, menu->Items(), "&Documentos");
    TMenuItem* nuevo = AddItem(f, docs, "");
    nuevo->SetAction(withHandler);
    TMenuItem* facturas = AddItem(f, docs, "");
    facturas->SetAction(without);
    auto* button = new TButton(f);
    button->SetParent(f);
    button->SetAction(without);
    f->SetMenu(menu);
    f->Show();

    EXPECT_EQ(nuevo->Caption(), "&Nuevo Artículo");
    EXPECT_EQ(nuevo->ShortCut(), scCtrl | 'N');
    Application->UpdateActions();
    EXPECT_TRUE(withHandler->Enabled());
    EXPECT_FALSE(without->Enabled());
    EXPECT_FALSE(facturas->Enabled());
    EXPECT_FALSE(button->Enabled());
    EXPECT_TRUE(nuevo->Enabled());

    Press('F', false, true);
    Press('N', false, true);
    EXPECT_EQ(runs, 1);
    nuevo->Click();
    EXPECT_EQ(runs, 2);
    // Giving the action a handler enables it at the next update.
    without->OnExecute = [&](TObject*) { runs += 10; };
    Application->UpdateActions();
    EXPECT_TRUE(facturas->Enabled());
    EXPECT_TRUE(button->Enabled());
    ClickAt(button);
    EXPECT_EQ(runs, 12);
}

TEST_F(UiTest, AMenuBarCommandClicksItsItem) {
    auto* f = NewForm<TForm>(Application);
    auto* menu = new TMainMenu(f);
    TMenuItem* archivo = AddItem(f, menu->Items(), "&Archivo");
    TMenuItem* salir = AddItem(f, archivo, "&Salir");
    bool clicked = false;
    salir->OnClick = [&](TObject*) { clicked = true; };
    f->SetMenu(menu);
    f->Show();
    ASSERT_EQ(GetMenu(f->Handle()), menu->Handle());
    EXPECT_EQ(GetMenuItemCount(menu->Handle()), 1);
    SendMessage(f->Handle(), WM_COMMAND, MAKEWPARAM(int(salir->Command()), 0), 0);
    EXPECT_TRUE(clicked);
    // Alt+A opens the bar's popup with its first item selected.
    clicked = false;
    ScriptStep([] { Key(VK_RETURN); });
    SendMessage(f->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'a');
    EXPECT_TRUE(clicked);
}

TEST_F(UiTest, RadioItemsOfAGroupAreCheckedOneAtATime) {
    auto* f = NewForm<TForm>(Application);
    auto* popup = new TPopupMenu(f);
    TMenuItem* a = AddItem(f, popup->Items(), "A");
    TMenuItem* b = AddItem(f, popup->Items(), "B");
    for (TMenuItem* i : {a, b}) {
        i->SetRadioItem(true);
        i->SetGroupIndex(1);
    }
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
}

TEST_F(UiTest, ToolButtonsStandInARowCheckInGroupsAndDropTheirMenus) {
    auto* f = NewForm<TForm>(Application);
    auto* bar = new TToolBar(f);
    bar->SetParent(f);
    auto button = [&](TToolButtonStyle style, int left) {
        auto* b = new TToolButton(f);
        b->SetParent(bar);
        b->SetLeft(left);
        b->SetStyle(style);
        return b;
    };
    TToolButton* bold = button(tbsCheck, 1000);
    TToolButton* italic = button(tbsCheck, 2000);
    TToolButton* divider = button(tbsDivider, 3000);
    TToolButton* print = button(tbsDropDown, 4000);
    bold->SetGrouped(true);
    italic->SetGrouped(true);
    auto* menu = new TPopupMenu(f);
    bool chosen = false;
    TMenuItem* preview = AddItem(f, menu->Items(), "&Vista previa");
    preview->OnClick = [&](TObject*) { chosen = true; };
    print->SetDropdownMenu(menu);
    f->Show();
    EXPECT_EQ(bold->Left(), 0);
    EXPECT_EQ(italic->Left(), bold->Width());
    EXPECT_EQ(divider->Left(), italic->Left() + italic->Width());
    EXPECT_EQ(print->Left(), divider->Left() + divider->Width());
    EXPECT_GT(print->Width(), bold->Width()); // room for the arrow
    ClickAt(bold);
    ClickAt(italic);
    EXPECT_FALSE(bold->Down());
    EXPECT_TRUE(italic->Down());
    ScriptStep([] { Key(VK_DOWN); Key(VK_RETURN); });
    ClickAt(print, print->Width() - 4, 5);
    EXPECT_TRUE(chosen);
}

// --- MDI ----------------------------------------------------------------------------

class TMdiChild : public TForm {
    TV_CLASS(TMdiChild, TForm)
public:
    using TForm::TForm;
};

TEST_F(UiTest, MdiChildrenAreCountedListedInTheWindowMenuAndArranged) {
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
    Application->UpdateActions();
    EXPECT_FALSE(cascade->Enabled()); // no children yet

    auto child = [&](const std::string& caption) {
        auto* c = new TMdiChild(Application);
        c->SetCaption(caption);
        c->SetFormStyle(fsMDIChild);
        c->SetBounds(0, 0, 200, 150);
        c->Show();
        return c;
    };
    TMdiChild* facturas = child("Facturas");
    TMdiChild* recibos = child("Recibos");
    EXPECT_EQ(main->MDIChildCount(), 2);
    EXPECT_EQ(main->ActiveMDIChild(), recibos);
    HMENU list = ventana->Handle();
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(list); ++i) {
        std::string t;
        GetMenuString(list, UINT(i), &t, MF_BYPOSITION);
        texts.push_back(t);
    }
    EXPECT_NE(std::find(texts.begin(), texts.end(), "&1 Facturas"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "&2 Recibos"), texts.end());

    Application->UpdateActions();
    EXPECT_TRUE(cascade->Enabled());
    cascade->Execute();
    EXPECT_NE(facturas->Left(), recibos->Left()); // cascaded windows step down and right

    main->Next();
    EXPECT_EQ(main->ActiveMDIChild(), facturas);

    // Closing a child minimises it; with caFree it goes away.
    recibos->OnClose = [](TObject*, TCloseAction& a) { a = caFree; };
    recibos->Close();
    Application->ProcessMessages();
    EXPECT_EQ(main->MDIChildCount(), 1);
    EXPECT_THROW(facturas->Hide(), EInvalidOperation);
}

} // namespace
} // namespace tvtest
