// The menu bar and the system menu driven by keys and the mouse, through the
// same input path a person's keyboard and mouse take.
#include "fixture.h"

#include "platform/backend/backend.h"
#include "platform/window/menu.h"

namespace tvtest {
namespace {

// Input a person gives while a menu loop waits.
void Keys(std::initializer_list<int> vks) {
    for (int vk : vks) {
        InjectKey(vk, true);
        InjectKey(vk, false);
    }
}

void MoveTo(POINT p) { InjectMouseMove(p.x, p.y); }

void ClickOn(POINT p) {
    InjectMouseMove(p.x, p.y);
    InjectMouseButton(0, true, p.x, p.y);
    InjectMouseButton(0, false, p.x, p.y);
}

POINT Middle(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

std::vector<HWND> OpenPopups() {
    std::vector<HWND> found;
    EnumWindows([&](HWND h) {
        if (GetClassName(h) == POPUPMENU_CLASS && IsWindowVisible(h)) found.push_back(h);
        return TRUE;
    });
    return found;
}

// A window with the bar "&Archivo | &Edición | A&yuda": Archivo holds Nuevo,
// a separator, Imprimir (grayed) and Salir; Edición holds Copiar and
// "Pegar especial" with a submenu; Ayuda is a plain command.
class MenuBarTest : public DesktopTest {
protected:
    enum { kNuevo = 100, kImprimir, kSalir, kCopiar, kTexto, kAyuda };

    void SetUp() override {
        DesktopTest::SetUp();
        file = CreatePopupMenu();
        AppendMenu(file, MF_STRING, kNuevo, "&Nuevo\tCtrl+N");
        AppendMenu(file, MF_SEPARATOR, 0, "");
        AppendMenu(file, MF_STRING | MF_GRAYED, kImprimir, "&Imprimir");
        AppendMenu(file, MF_STRING, kSalir, "&Salir");
        edit = CreatePopupMenu();
        AppendMenu(edit, MF_STRING, kCopiar, "&Copiar");
        special = CreatePopupMenu();
        AppendMenu(special, MF_STRING, kTexto, "Solo &texto");
        AppendMenu(edit, MF_POPUP, reinterpret_cast<UINT_PTR>(special), "&Pegar especial");
        bar = CreateMenu();
        AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&Archivo");
        AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edición");
        AppendMenu(bar, MF_STRING, kAyuda, "A&yuda");
        w = CreateWindowEx(0, "Rec", "Caja", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 500, 300, nullptr, bar);
        SetActiveWindow(w);
        SetFocus(w);
        ClearLog();
    }

    // The command ids that reached the window, in order.
    std::vector<UINT> Commands() const {
        std::vector<UINT> ids;
        for (auto& l : log)
            if (l.wnd == w && l.msg == WM_COMMAND) ids.push_back(LOWORD(l.wp));
        return ids;
    }
    // The popups opened, as the menus WM_INITMENUPOPUP named.
    std::vector<HMENU> Opened() const {
        std::vector<HMENU> menus;
        for (auto& l : log)
            if (l.wnd == w && l.msg == WM_INITMENUPOPUP) menus.push_back(reinterpret_cast<HMENU>(l.wp));
        return menus;
    }
    RECT BarItem(int pos) const {
        RECT r{};
        GetMenuItemRect(w, bar, UINT(pos), &r);
        return r;
    }
    bool BarHighlighted(int pos) const { return (GetMenuState(bar, UINT(pos), MF_BYPOSITION) & MF_HILITE) != 0; }
    void Run(int vk) {
        PressKey(vk);
        ProcessPendingMessages();
    }

    HMENU file = nullptr, edit = nullptr, special = nullptr, bar = nullptr;
    HWND w = nullptr;
};

TEST_F(MenuBarTest, F10HighlightsTheBarArrowsMoveAndEnterRunsTheCommand) {
    ScriptStep([&] {
        EXPECT_TRUE(BarHighlighted(0));
        EXPECT_TRUE(OpenPopups().empty());
        Keys({VK_LEFT});
    });
    ScriptStep([&] {
        // Left from the first item wraps to the last, Right back round.
        EXPECT_TRUE(BarHighlighted(2));
        EXPECT_FALSE(BarHighlighted(0));
        Keys({VK_RIGHT, VK_RIGHT, VK_DOWN});
    });
    ScriptStep([&] {
        // Down opened Edición with its first item selected; Down, Down wraps
        // past "Pegar especial" back to Copiar.
        EXPECT_EQ(Opened(), std::vector<HMENU>{edit});
        Keys({VK_DOWN, VK_DOWN, VK_RETURN});
    });
    Run(VK_F10);
    EXPECT_EQ(Commands(), std::vector<UINT>{kCopiar});
    EXPECT_FALSE(BarHighlighted(1));
    EXPECT_TRUE(OpenPopups().empty());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(PendingScriptSteps(), 0u);
    // The loop told the window it began and ended, and the last selection
    // said the menu closed.
    EXPECT_EQ(Count(w, WM_ENTERMENULOOP), 1u);
    EXPECT_EQ(Count(w, WM_EXITMENULOOP), 1u);
    EXPECT_EQ(Count(w, WM_INITMENU), 1u);
    ASSERT_NE(Last(w, WM_MENUSELECT), nullptr);
    EXPECT_EQ(HIWORD(Last(w, WM_MENUSELECT)->wp), 0xFFFF);
    EXPECT_EQ(Last(w, WM_MENUSELECT)->lp, 0);

    // Enter on a plain bar item runs it.
    ClearLog();
    ScriptStep([] { Keys({VK_LEFT, VK_RETURN}); });
    Run(VK_F10);
    EXPECT_EQ(Commands(), std::vector<UINT>{kAyuda});
}

TEST_F(MenuBarTest, AltAloneThenLettersOpenAndChoose) {
    ScriptStep([&] {
        EXPECT_TRUE(BarHighlighted(0));
        Keys({'E'}); // opens Edición
    });
    ScriptStep([&] {
        EXPECT_EQ(Opened(), std::vector<HMENU>{edit});
        Keys({'P'}); // its submenu
    });
    ScriptStep([] { Keys({'T'}); });
    Run(VK_MENU);
    EXPECT_EQ(Commands(), std::vector<UINT>{kTexto});
    EXPECT_EQ(Opened(), (std::vector<HMENU>{edit, special}));

    // Alt with another key between its press and release starts nothing.
    ClearLog();
    InjectKey(VK_MENU, true);
    InjectKey(VK_SHIFT, true);
    InjectKey(VK_SHIFT, false);
    InjectKey(VK_MENU, false);
    ProcessPendingMessages();
    // F10 with a modifier is another key.
    PressKey(VK_F10, true);
    PressKey(VK_F10, false, true);
    PressKey(VK_F10, false, false, true);
    EXPECT_EQ(Count(w, WM_ENTERMENULOOP), 0u);
}

TEST_F(MenuBarTest, AltAndALetterOpensThatPopupDirectly) {
    ScriptStep([&] {
        EXPECT_EQ(Opened(), std::vector<HMENU>{file});
        EXPECT_TRUE(BarHighlighted(0));
        ASSERT_EQ(OpenPopups().size(), 1u);
        // Its first item is selected: Down skips the separator and the grayed item.
        Keys({VK_DOWN, VK_RETURN});
    });
    PressKey('A', false, false, true);
    ProcessPendingMessages();
    EXPECT_EQ(Commands(), std::vector<UINT>{kSalir});

    // A letter that names a plain bar item runs it; one that names nothing does nothing.
    ClearLog();
    PressKey('Y', false, false, true);
    PressKey('Z', false, false, true);
    ProcessPendingMessages();
    EXPECT_EQ(Commands(), std::vector<UINT>{kAyuda});
    EXPECT_EQ(Count(w, WM_ENTERMENULOOP), 0u);
}

TEST_F(MenuBarTest, EscapeLeavesThePopupThenTheBar) {
    ScriptStep([] { Keys({VK_DOWN}); });
    ScriptStep([&] {
        ASSERT_EQ(OpenPopups().size(), 1u);
        Keys({VK_ESCAPE});
    });
    ScriptStep([&] {
        // The popup closed; the bar keeps its highlight and takes arrows.
        EXPECT_TRUE(OpenPopups().empty());
        EXPECT_TRUE(BarHighlighted(0));
        Keys({VK_RIGHT});
    });
    ScriptStep([&] {
        EXPECT_TRUE(BarHighlighted(1));
        Keys({VK_ESCAPE});
    });
    Run(VK_F10);
    EXPECT_EQ(PendingScriptSteps(), 0u);
    EXPECT_TRUE(Commands().empty());
    EXPECT_FALSE(BarHighlighted(1));
    EXPECT_EQ(Count(w, WM_EXITMENULOOP), 1u);
}

TEST_F(MenuBarTest, LeftAndRightInAPopupMoveAlongTheBar) {
    ScriptStep([] { Keys({VK_RIGHT}); }); // Nuevo has no submenu: on to Edición
    ScriptStep([&] {
        EXPECT_EQ(Opened(), (std::vector<HMENU>{file, edit}));
        Keys({VK_DOWN, VK_RIGHT}); // Pegar especial opens its submenu
    });
    ScriptStep([&] {
        EXPECT_EQ(OpenPopups().size(), 2u);
        Keys({VK_LEFT}); // closes the submenu only
    });
    ScriptStep([&] {
        EXPECT_EQ(OpenPopups().size(), 1u);
        Keys({VK_LEFT}); // back to Archivo
    });
    ScriptStep([&] {
        EXPECT_EQ(Opened().back(), file);
        Keys({VK_RETURN});
    });
    PressKey('A', false, false, true);
    ProcessPendingMessages();
    EXPECT_EQ(Commands(), std::vector<UINT>{kNuevo});
}

TEST_F(MenuBarTest, TheMouseHotTracksAlongTheBar) {
    ScriptStep([&] {
        EXPECT_EQ(Opened(), std::vector<HMENU>{file});
        MoveTo(Middle(BarItem(1))); // onto Edición: Archivo closes, Edición opens
    });
    ScriptStep([&] {
        EXPECT_EQ(Opened(), (std::vector<HMENU>{file, edit}));
        auto popups = OpenPopups();
        ASSERT_EQ(popups.size(), 1u);
        RECT pr;
        GetWindowRect(popups[0], &pr);
        EXPECT_EQ(pr.left, BarItem(1).left);
        int f = GetSystemMetrics(SM_CYFIXEDFRAME);
        ClickOn({pr.left + 30, pr.top + f + GetSystemMetrics(SM_CYMENU) / 2}); // Copiar
    });
    Click(Middle(BarItem(0)).x, Middle(BarItem(0)).y);
    ProcessPendingMessages();
    EXPECT_EQ(Commands(), std::vector<UINT>{kCopiar});

    // A click outside the menus leaves; a click on the open item's bar entry too.
    ClearLog();
    ScriptStep([] { ClickOn({450, 250}); });
    Click(Middle(BarItem(0)).x, Middle(BarItem(0)).y);
    ScriptStep([&] { ClickOn(Middle(BarItem(0))); });
    Click(Middle(BarItem(0)).x, Middle(BarItem(0)).y);
    ProcessPendingMessages();
    EXPECT_EQ(Count(w, WM_EXITMENULOOP), 2u);
    EXPECT_TRUE(Commands().empty());
    EXPECT_TRUE(OpenPopups().empty());
    EXPECT_EQ(PendingScriptSteps(), 0u);
}

TEST_F(MenuBarTest, AltSpaceOpensTheSystemMenu) {
    HMENU shown = nullptr;
    std::vector<std::string> texts;
    std::vector<bool> grayed;
    hook = [&](HWND h, UINT m, WPARAM wp, LPARAM lp, LRESULT&) {
        if (h == w && m == WM_INITMENUPOPUP) {
            EXPECT_EQ(HIWORD(lp), 1) << "the system menu";
            shown = reinterpret_cast<HMENU>(wp);
            for (int i = 0; i < GetMenuItemCount(shown); ++i) {
                std::string t;
                GetMenuString(shown, UINT(i), &t, MF_BYPOSITION);
                texts.push_back(t);
                grayed.push_back(GetMenuState(shown, UINT(i), MF_BYPOSITION) & MF_GRAYED);
            }
        }
        return false;
    };
    // "R" names a grayed item and does nothing; "C" closes.
    ScriptStep([] { Keys({'R'}); });
    ScriptStep([] { Keys({'C'}); });
    PressKey(VK_SPACE, false, false, true);
    ProcessPendingMessages();
    EXPECT_EQ(texts, (std::vector<std::string>{"&Restaurar", "&Mover", "&Tamaño", "Mi&nimizar", "Ma&ximizar", "",
                                               "&Cerrar\tAlt+F4"}));
    EXPECT_EQ(grayed, (std::vector<bool>{true, false, false, false, false, false, false}));
    const Logged* sys = Last(w, WM_SYSCOMMAND);
    ASSERT_NE(sys, nullptr);
    EXPECT_EQ(sys->wp & 0xFFF0, SC_CLOSE);
    EXPECT_FALSE(IsWindow(w)) << "the default procedure closed it";
    EXPECT_FALSE(IsMenu(shown)) << "the system menu is made for each showing";
}

TEST_F(MenuBarTest, TheSystemMenuOfAMaximisedWindow) {
    ShowWindow(w, SW_MAXIMIZE);
    ClearLog();
    ScriptStep([] { Keys({'M', 'T', 'X', 'R'}); }); // move, size, maximise are grayed
    PressKey(VK_SPACE, false, false, true);
    ProcessPendingMessages();
    ASSERT_NE(Last(w, WM_SYSCOMMAND), nullptr);
    EXPECT_EQ(Last(w, WM_SYSCOMMAND)->wp & 0xFFF0, SC_RESTORE);
    EXPECT_FALSE(GetWindowLong(w, GWL_STYLE) & WS_MAXIMIZE);
}

TEST_F(MenuBarTest, AMenuOrWindowDestroyedWhileItsPopupIsOpen) {
    // The menu goes: the loop ends without touching it.
    ScriptStep([&] {
        ASSERT_EQ(OpenPopups().size(), 1u);
        SetMenu(w, nullptr);
        DestroyMenu(bar);
    });
    PressKey('A', false, false, true);
    ProcessPendingMessages();
    EXPECT_TRUE(OpenPopups().empty());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(Commands().empty());

    // The popup's own menu is emptied while it shows: laid out again, and the
    // keys still work on what is left.
    HMENU bar2 = CreateMenu();
    HMENU list = CreatePopupMenu();
    AppendMenu(list, MF_STRING, 1, "&Uno");
    AppendMenu(list, MF_STRING, 2, "&Dos");
    AppendMenu(bar2, MF_POPUP, reinterpret_cast<UINT_PTR>(list), "&Lista");
    SetMenu(w, bar2);
    ClearLog();
    ScriptStep([&] {
        DeleteMenu(list, 0, MF_BYPOSITION);
        Keys({VK_DOWN, VK_UP, VK_RETURN});
    });
    PressKey('L', false, false, true);
    ProcessPendingMessages();
    EXPECT_EQ(Commands(), std::vector<UINT>{2});

    // The window goes.
    ScriptStep([&] {
        ASSERT_EQ(OpenPopups().size(), 1u);
        DestroyWindow(w);
    });
    PressKey('L', false, false, true);
    ProcessPendingMessages();
    EXPECT_FALSE(IsWindow(w));
    EXPECT_TRUE(OpenPopups().empty());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(PendingScriptSteps(), 0u);
}

TEST_F(MenuBarTest, LosingTheActivationLeavesTheMenu) {
    HWND other = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 200, 100, 80);
    SetActiveWindow(w);
    ClearLog();
    ScriptStep([&] { SetActiveWindow(other); });
    PressKey(VK_F10);
    ProcessPendingMessages();
    EXPECT_EQ(Count(w, WM_EXITMENULOOP), 1u);
    EXPECT_FALSE(BarHighlighted(0));
    EXPECT_EQ(PendingScriptSteps(), 0u);
}

} // namespace
} // namespace tvtest
