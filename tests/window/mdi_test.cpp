#include "fixture.h"

#include "platform/window/mdi.h"
#include "platform/window/menu.h"

using namespace tvtest;

namespace {

class MdiTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        WNDCLASS frame;
        frame.lpszClassName = "Frame";
        frame.lpfnWndProc = [this](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
            return DefFrameProc(h, client, m, wp, lp);
        };
        RegisterClass(frame);
        WNDCLASS child;
        child.lpszClassName = "Child";
        child.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_WINDOW + 1));
        child.lpfnWndProc = [this](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
            log.push_back({h, m, wp, lp});
            return DefMDIChildProc(h, m, wp, lp);
        };
        RegisterClass(child);
        windowMenu = CreatePopupMenu();
        AppendMenu(windowMenu, MF_STRING, 50, "&Cascada");
        HMENU bar = CreateMenu();
        AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(windowMenu), "&Ventana");
        frameWnd = CreateWindowEx(0, "Frame", "Tallyvo POS 2009", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600,
                                  nullptr, bar);
        CLIENTCREATESTRUCT ccs;
        ccs.hWindowMenu = windowMenu;
        ccs.idFirstChild = 0xFF00;
        RECT rc;
        GetClientRect(frameWnd, &rc);
        client = CreateWindowEx(WS_EX_CLIENTEDGE, MDICLIENT_CLASS, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                rc.right, rc.bottom, frameWnd, nullptr, reinterpret_cast<LONG_PTR>(&ccs));
    }

    HWND NewChild(const std::string& title) {
        MDICREATESTRUCT mcs;
        mcs.szClass = "Child";
        mcs.szTitle = title;
        return reinterpret_cast<HWND>(SendMessage(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    }

    HWND Active() { return reinterpret_cast<HWND>(SendMessage(client, WM_MDIGETACTIVE, 0, 0)); }

    HWND frameWnd = nullptr;
    HWND client = nullptr;
    HMENU windowMenu = nullptr;
};

} // namespace

TEST_F(MdiTest, ChildrenAreActivatedWithTheirMessages) {
    ASSERT_TRUE(IsWindow(client));
    HWND a = NewChild("Artículos");
    ASSERT_TRUE(IsWindow(a));
    EXPECT_EQ(Active(), a);
    HWND b = NewChild("Cuentas");
    EXPECT_EQ(Active(), b);
    ClearLog();
    SendMessage(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a), 0);
    EXPECT_EQ(Active(), a);
    const Logged* off = Last(b, WM_MDIACTIVATE);
    const Logged* on = Last(a, WM_MDIACTIVATE);
    ASSERT_TRUE(off && on);
    EXPECT_EQ(reinterpret_cast<HWND>(off->wp), b);
    EXPECT_EQ(reinterpret_cast<HWND>(off->lp), a);
    EXPECT_EQ(reinterpret_cast<HWND>(on->wp), b);
    EXPECT_EQ(reinterpret_cast<HWND>(on->lp), a);
    EXPECT_EQ(Last(b, WM_NCACTIVATE)->wp, WPARAM(FALSE));
    EXPECT_EQ(Last(a, WM_NCACTIVATE)->wp, WPARAM(TRUE));
    EXPECT_EQ(Count(a, WM_CHILDACTIVATE), 1u);
    EXPECT_EQ(GetFocus(), a);
    // Clicking into the inactive child activates it.
    RECT rb;
    GetWindowRect(b, &rb);
    RECT ra;
    GetWindowRect(a, &ra);
    POINT p{rb.right - 20, rb.bottom - 20};
    if (PtInRect(&ra, p)) MoveWindow(b, 300, 200, 300, 200, TRUE), GetWindowRect(b, &rb);
    Click(rb.right - 20, rb.bottom - 20);
    EXPECT_EQ(Active(), b);
    // WM_MDINEXT goes round.
    SendMessage(client, WM_MDINEXT, 0, 0);
    EXPECT_EQ(Active(), a);
    // The window menu lists the children and checks the active one.
    int n = GetMenuItemCount(windowMenu);
    ASSERT_EQ(n, 4); // command, separator, two children
    std::string text;
    GetMenuString(windowMenu, 2, &text, MF_BYPOSITION);
    EXPECT_EQ(text, "&1 Artículos");
    EXPECT_TRUE(GetMenuState(windowMenu, 2, MF_BYPOSITION) & MF_CHECKED);
    // Choosing a child from the list activates it.
    SendMessage(frameWnd, WM_COMMAND, 0xFF01, 0);
    EXPECT_EQ(Active(), b);
    // Closing the active child activates the next one and shortens the list.
    SendMessage(b, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(b));
    EXPECT_EQ(Active(), a);
    EXPECT_EQ(GetMenuItemCount(windowMenu), 3);
}

TEST_F(MdiTest, MaximizeCascadeTileAndArrange) {
    HWND a = NewChild("A");
    HWND b = NewChild("B");
    HWND c = NewChild("C");
    RECT client_rc;
    GetClientRect(client, &client_rc);
    SendMessage(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(c), 0);
    BOOL maximized = FALSE;
    SendMessage(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
    EXPECT_TRUE(maximized);
    RECT cr;
    GetClientRect(c, &cr);
    EXPECT_EQ(cr.right, client_rc.right);
    EXPECT_EQ(cr.bottom, client_rc.bottom);
    // Activating another child while one is maximized maximizes that one.
    SendMessage(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a), 0);
    EXPECT_TRUE(IsZoomed(a));
    EXPECT_FALSE(IsZoomed(c));

    // Cascading restores and places them one caption apart, the active one
    // last (on top).
    EXPECT_TRUE(SendMessage(client, WM_MDICASCADE, 0, 0));
    EXPECT_FALSE(IsZoomed(a));
    int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSIZEFRAME);
    std::vector<HWND> order{b, c, a}; // from the bottom of the z-order up
    for (size_t i = 0; i < order.size(); ++i) {
        RECT r;
        GetWindowRect(order[i], &r);
        POINT p{r.left, r.top};
        ScreenToClient(client, &p);
        EXPECT_EQ(p.x, int(i) * step) << i;
        EXPECT_EQ(p.y, int(i) * step) << i;
    }
    // Where all three overlap, the active one is on top.
    POINT overlap{2 * step + 5, 2 * step + 5};
    ClientToScreen(client, &overlap);
    EXPECT_EQ(WindowFromPoint(overlap), a);

    // Tiling side by side shares the width.
    SendMessage(client, WM_MDITILE, MDITILE_VERTICAL, 0);
    RECT ra, rb, rc;
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    GetWindowRect(c, &rc);
    EXPECT_EQ(ra.Width() + rb.Width() + rc.Width(), client_rc.right - client_rc.right % 3);
    EXPECT_EQ(ra.Height(), client_rc.bottom);
    SendMessage(client, WM_MDITILE, MDITILE_HORIZONTAL, 0);
    GetWindowRect(a, &ra);
    EXPECT_EQ(ra.Width(), client_rc.right);

    // Minimized children line up along the bottom.
    ShowWindow(b, SW_MINIMIZE);
    ShowWindow(c, SW_MINIMIZE);
    SendMessage(client, WM_MDIICONARRANGE, 0, 0);
    GetWindowRect(b, &rb);
    GetWindowRect(c, &rc);
    EXPECT_EQ(rb.top, rc.top);
    EXPECT_NE(rb.left, rc.left);
    POINT bp{rb.left, rb.bottom};
    ScreenToClient(client, &bp);
    EXPECT_EQ(bp.y, client_rc.bottom);
}

// Windows whose handlers pull the focus back while it moves between them,
// in whatever order of calls: each move ends, none recurses without end.
TEST_F(MdiTest, FocusPulledBackDuringActivationEndsWithoutRecursing) {
    HWND other = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 0, 200, 200);
    HWND edit = Make(WS_CHILD | WS_VISIBLE, 5, 5, 50, 20, other);
    ShowWindow(frameWnd, SW_HIDE);
    SetActiveWindow(other);
    SetFocus(edit);
    HWND child = nullptr;
    int pulls = 0;
    // The other window, losing the activation, sends the focus to the MDI
    // child; the child, made active, sends it to itself.
    hook = [&](HWND h, UINT m, WPARAM wp, LPARAM, LRESULT&) {
        if (h == other && m == WM_ACTIVATE && LOWORD(wp) == WA_INACTIVE && child && ++pulls < 100000) SetFocus(child);
        return false;
    };
    child = NewChild("Artículos");
    ASSERT_TRUE(IsWindow(child));
    SetFocus(child);
    EXPECT_LT(pulls, 10);
    EXPECT_EQ(GetActiveWindow(), frameWnd);
    EXPECT_EQ(GetFocus(), child);
    ShowWindow(frameWnd, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_EQ(Active(), child);
}
