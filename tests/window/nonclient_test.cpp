#include "fixture.h"

#include "platform/window/menu.h"
#include "platform/window/scrollbar.h"

using namespace tvtest;

namespace {

LRESULT HitAt(HWND w, int x, int y) {
    RECT r;
    GetWindowRect(w, &r);
    return SendMessage(w, WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y));
}

} // namespace

TEST_F(DesktopTest, HitTestingEveryPartOfASizeableWindow) {
    HMENU menu = CreateMenu();
    AppendMenu(menu, MF_STRING, 100, "&Archivo");
    AppendMenu(menu, MF_STRING, 101, "&Ayuda");
    HWND w = CreateWindowEx(WS_EX_CONTEXTHELP, "Rec", "Artículos",
                            WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 100, 100, 400, 300, nullptr,
                            menu);
    ASSERT_TRUE(IsWindow(w));
    const int W = 400, H = 300;
    int f = GetSystemMetrics(SM_CXSIZEFRAME);
    int cap = GetSystemMetrics(SM_CYCAPTION);
    int menuH = GetSystemMetrics(SM_CYMENU);
    int sb = GetSystemMetrics(SM_CXVSCROLL);
    int corner = GetSystemMetrics(SM_CXSIZE) + f;
    int bw = GetSystemMetrics(SM_CXSIZE) - 2;
    int capY = f + cap / 2;
    int closeX = W - f - 2 - bw / 2;
    int maxX = closeX - bw - 2;
    int minX = maxX - bw;
    struct Case {
        const char* part;
        int x, y;
        LRESULT hit;
    } cases[] = {
        {"left", 1, H / 2, HTLEFT},
        {"right", W - 2, H / 2, HTRIGHT},
        {"top", W / 2, 1, HTTOP},
        {"bottom", W / 2, H - 2, HTBOTTOM},
        {"top-left", 1, 1, HTTOPLEFT},
        {"top-left along the top", corner - 1, 1, HTTOPLEFT},
        {"top-right", W - 1, 0, HTTOPRIGHT},
        {"bottom-left", 0, H - 1, HTBOTTOMLEFT},
        {"bottom-right", W - 1, H - 1, HTBOTTOMRIGHT},
        {"bottom-right along the side", W - 1, H - corner + 1, HTBOTTOMRIGHT},
        {"caption", W / 2, capY, HTCAPTION},
        {"system menu", f + 3, capY, HTSYSMENU},
        {"close", closeX, capY, HTCLOSE},
        {"maximize", maxX, capY, HTMAXBUTTON},
        {"minimize", minX, capY, HTMINBUTTON},
        {"menu bar", W / 2, f + cap + menuH / 2, HTMENU},
        {"client", W / 2, H / 2, HTCLIENT},
        {"vertical scroll bar", W - f - sb / 2, H / 2, HTVSCROLL},
        {"horizontal scroll bar", W / 2, H - f - sb / 2, HTHSCROLL},
        {"size box", W - f - sb / 2, H - f - sb / 2, HTBOTTOMRIGHT},
        {"outside", W + 5, H / 2, HTNOWHERE},
    };
    for (auto& c : cases) EXPECT_EQ(HitAt(w, c.x, c.y), c.hit) << c.part;

    // Maximized, the borders no longer size the window.
    ShowWindow(w, SW_MAXIMIZE);
    EXPECT_EQ(HitAt(w, 1, H / 2), HTBORDER);
    ShowWindow(w, SW_RESTORE);

    // A help button takes the place of minimize and maximize on a dialog.
    HWND dlg = CreateWindowEx(WS_EX_CONTEXTHELP | WS_EX_DLGMODALFRAME, "Rec", "", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                              0, 0, 200, 100, nullptr, nullptr);
    int df = GetSystemMetrics(SM_CXFIXEDFRAME);
    int dClose = 200 - df - 2 - bw / 2;
    EXPECT_EQ(HitAt(dlg, dClose, df + cap / 2), HTCLOSE);
    EXPECT_EQ(HitAt(dlg, dClose - bw - 2, df + cap / 2), HTHELP);
    EXPECT_EQ(HitAt(dlg, 0, 50), HTBORDER);
}

TEST_F(DesktopTest, ClientAreaLeavesRoomForEveryFramePart) {
    HMENU menu = CreateMenu();
    AppendMenu(menu, MF_STRING, 1, "Uno");
    HWND w = CreateWindowEx(WS_EX_CLIENTEDGE, "Rec", "", WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL, 0, 0, 400,
                            300, nullptr, menu);
    RECT rc;
    GetClientRect(w, &rc);
    int f = GetSystemMetrics(SM_CXSIZEFRAME), e = GetSystemMetrics(SM_CXEDGE), sb = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(rc.right, 400 - 2 * f - 2 * e - sb);
    EXPECT_EQ(rc.bottom, 300 - 2 * f - GetSystemMetrics(SM_CYCAPTION) - GetSystemMetrics(SM_CYMENU) - 2 * e - sb);
    RECT adj{0, 0, rc.right, rc.bottom};
    AdjustWindowRectEx(&adj, WS_OVERLAPPEDWINDOW, TRUE, WS_EX_CLIENTEDGE);
    EXPECT_EQ(adj.Width(), 400 - sb);
    RECT item;
    ASSERT_TRUE(GetMenuItemRect(w, menu, 0, &item));
    EXPECT_EQ(item.top, f + GetSystemMetrics(SM_CYCAPTION));
}

TEST_F(DesktopTest, NonClientDefaultsOnlyAskForRepainting) {
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100);
    UpdateAllWindows();
    ClearLog();
    SendMessage(w, WM_NCACTIVATE, FALSE, 0);
    SetWindowText(w, "Nuevo");
    std::vector<UINT> expected{WM_NCACTIVATE, WM_NCPAINT, WM_SETTEXT, WM_NCPAINT};
    EXPECT_EQ(Messages(w), expected);
}

TEST_F(DesktopTest, ScrollBarInformation) {
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL, 0, 0, 200, 200);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 99;
    si.nPage = 10;
    si.nPos = 95;
    EXPECT_EQ(SetScrollInfo(w, SB_VERT, &si, TRUE), 90) << "the position stops one page before the end";
    SCROLLINFO out;
    out.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(w, SB_VERT, &out));
    EXPECT_EQ(out.nPos, 90);
    EXPECT_EQ(out.nTrackPos, 90) << "SIF_TRACKPOS answers the position when nothing is tracked";
    EXPECT_EQ(out.nPage, 10u);
    EXPECT_EQ(SetScrollPos(w, SB_VERT, -5, TRUE), 90);
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 0);
    SCROLLBARINFO sbi;
    ASSERT_TRUE(GetScrollBarInfo(w, OBJID_VSCROLL, &sbi));
    EXPECT_EQ(sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE, 0u);
    EXPECT_GT(sbi.xyThumbBottom, sbi.xyThumbTop);
    EXPECT_EQ(sbi.dxyLineButton, GetSystemMetrics(SM_CYVSCROLL));
    EnableScrollBar(w, SB_VERT, ESB_DISABLE_BOTH);
    GetScrollBarInfo(w, OBJID_VSCROLL, &sbi);
    EXPECT_NE(sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE, 0u);
    EnableScrollBar(w, SB_VERT, ESB_ENABLE_BOTH);
    // A range that fits in a page hides the bar (and gives its room back)...
    RECT before, after;
    GetClientRect(w, &before);
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMax = 5;
    SetScrollInfo(w, SB_VERT, &si, TRUE);
    GetClientRect(w, &after);
    EXPECT_FALSE(GetWindowLong(w, GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(after.right, before.right + GetSystemMetrics(SM_CXVSCROLL));
    // ...unless asked to only disable it.
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
    si.nMax = 99;
    SetScrollInfo(w, SB_VERT, &si, TRUE);
    si.nMax = 5;
    SetScrollInfo(w, SB_VERT, &si, TRUE);
    EXPECT_TRUE(GetWindowLong(w, GWL_STYLE) & WS_VSCROLL);
    GetScrollBarInfo(w, OBJID_VSCROLL, &sbi);
    EXPECT_NE(sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE, 0u);
    ShowScrollBar(w, SB_VERT, FALSE);
    EXPECT_FALSE(GetWindowLong(w, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(DesktopTest, ScrollBarTrackingSendsRequests) {
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL, 0, 0, 200, 300);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMax = 99;
    si.nPage = 10;
    SetScrollInfo(w, SB_VERT, &si, TRUE);
    std::vector<std::pair<int, int>> requests;
    hook = [&](HWND h, UINT m, WPARAM wp, LPARAM, LRESULT&) {
        if (m != WM_VSCROLL) return false;
        requests.push_back({LOWORD(wp), std::int16_t(HIWORD(wp))});
        SCROLLINFO tp;
        tp.fMask = SIF_TRACKPOS;
        GetScrollInfo(h, SB_VERT, &tp);
        if (LOWORD(wp) == SB_THUMBTRACK) {
            EXPECT_EQ(tp.nTrackPos, std::int16_t(HIWORD(wp)));
        }
        if (LOWORD(wp) == SB_THUMBPOSITION) SetScrollPos(h, SB_VERT, HIWORD(wp), TRUE);
        return true;
    };
    SCROLLBARINFO sbi;
    GetScrollBarInfo(w, OBJID_VSCROLL, &sbi);
    int x = (sbi.rcScrollBar.left + sbi.rcScrollBar.right) / 2;
    // The lower arrow: one request at the press, none more without time.
    Click(x, sbi.rcScrollBar.bottom - 3);
    EXPECT_EQ(requests, (std::vector<std::pair<int, int>>{{SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0}}));
    // Holding it: the repeat starts after 400 ms and goes on every 50 ms.
    requests.clear();
    InjectMouseMove(x, sbi.rcScrollBar.bottom - 3);
    InjectMouseButton(0, true, x, sbi.rcScrollBar.bottom - 3);
    ScriptStep([&] { clock->Advance(400); });
    ScriptStep([&] { clock->Advance(50); });
    ScriptStep([&] { InjectMouseButton(0, false, x, sbi.rcScrollBar.bottom - 3); });
    ProcessPendingMessages();
    EXPECT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests.back().first, SB_ENDSCROLL);
    // Dragging the thumb to the end: track positions, then the last one.
    requests.clear();
    int thumbY = sbi.rcScrollBar.top + (sbi.xyThumbTop + sbi.xyThumbBottom) / 2;
    Drag(x, thumbY, x, sbi.rcScrollBar.bottom + 200, 6);
    ASSERT_GE(requests.size(), 3u);
    EXPECT_EQ(requests[0].first, SB_THUMBTRACK);
    EXPECT_EQ(requests[requests.size() - 2], (std::pair<int, int>{SB_THUMBPOSITION, 90}));
    EXPECT_EQ(requests.back().first, SB_ENDSCROLL);
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 90);
    // A page click above the thumb.
    requests.clear();
    GetScrollBarInfo(w, OBJID_VSCROLL, &sbi);
    Click(x, sbi.rcScrollBar.top + sbi.xyThumbTop - 5);
    EXPECT_EQ(requests.front().first, SB_PAGEUP);
    // A disabled bar starts nothing and captures nothing.
    requests.clear();
    EnableScrollBar(w, SB_VERT, ESB_DISABLE_BOTH);
    MouseDown(x, sbi.rcScrollBar.bottom - 3);
    EXPECT_EQ(GetCapture(), nullptr);
    MouseUp(x, sbi.rcScrollBar.bottom - 3);
    EXPECT_TRUE(requests.empty());
}

TEST_F(DesktopTest, CaptionButtonsAndMoveSizeLoops) {
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200);
    RECT r;
    GetWindowRect(w, &r);
    int f = GetSystemMetrics(SM_CXSIZEFRAME), cap = GetSystemMetrics(SM_CYCAPTION);
    // Dragging the caption moves the window, with the loop's messages.
    ClearLog();
    Drag(r.left + 100, r.top + f + cap / 2, r.left + 150, r.top + f + cap / 2 + 30);
    RECT moved;
    GetWindowRect(w, &moved);
    EXPECT_EQ(moved.left, r.left + 50);
    EXPECT_EQ(moved.top, r.top + 30);
    EXPECT_EQ(Only({WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}), (std::vector<UINT>{WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}));
    EXPECT_GE(Count(w, WM_MOVING), 1u);
    // Dragging the right border sizes it; WM_SIZING may correct the size.
    hook = [](HWND, UINT m, WPARAM wp, LPARAM lp, LRESULT&) {
        if (m == WM_SIZING) {
            EXPECT_EQ(wp, WPARAM(WMSZ_RIGHT));
            auto* rc = reinterpret_cast<RECT*>(lp);
            rc->right = rc->left + (rc->right - rc->left) / 10 * 10;
        }
        return false;
    };
    Drag(moved.right - 1, moved.top + 100, moved.right + 47, moved.top + 100);
    RECT sized;
    GetWindowRect(w, &sized);
    EXPECT_EQ(sized.Width(), 340);
    hook = nullptr;
    // The maximize button maximizes, the close button closes.
    int bw = GetSystemMetrics(SM_CXSIZE) - 2;
    int closeX = sized.right - f - 2 - bw / 2;
    Click(closeX - bw - 2, sized.top + f + cap / 2);
    EXPECT_TRUE(IsZoomed(w));
    GetWindowRect(w, &r);
    Click(r.right - f - 2 - bw / 2, r.top + f + cap / 2);
    EXPECT_FALSE(IsWindow(w));
}

TEST_F(DesktopTest, MenuBarClicksAndAltKeysRunCommands) {
    HMENU menu = CreateMenu();
    AppendMenu(menu, MF_STRING, 100, "&Archivo");
    AppendMenu(menu, MF_STRING | MF_GRAYED, 101, "&Editar");
    AppendMenu(menu, MF_STRING, 102, "A&yuda");
    HWND w = CreateWindowEx(0, "Rec", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr, menu);
    RECT item;
    GetMenuItemRect(w, menu, 0, &item);
    ClearLog();
    Click((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    ASSERT_NE(Last(w, WM_COMMAND), nullptr);
    EXPECT_EQ(LOWORD(Last(w, WM_COMMAND)->wp), 100);
    GetMenuItemRect(w, menu, 1, &item);
    ClearLog();
    Click((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    EXPECT_EQ(Count(w, WM_COMMAND), 0u) << "a grayed item does nothing";
    PressKey('Y', false, false, true);
    ASSERT_NE(Last(w, WM_COMMAND), nullptr);
    EXPECT_EQ(LOWORD(Last(w, WM_COMMAND)->wp), 102);
}

TEST_F(DesktopTest, AFailingHandlerInsideTrackingLetsTheMouseGo) {
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL, 0, 0, 200, 300);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMax = 99;
    si.nPage = 10;
    SetScrollInfo(w, SB_VERT, &si, TRUE);
    hook = [](HWND, UINT m, WPARAM wp, LPARAM, LRESULT&) {
        if (m == WM_VSCROLL && LOWORD(wp) == SB_THUMBTRACK) throw tv::EInvalidOperation("fallo");
        return false;
    };
    SCROLLBARINFO sbi;
    GetScrollBarInfo(w, OBJID_VSCROLL, &sbi);
    int x = (sbi.rcScrollBar.left + sbi.rcScrollBar.right) / 2;
    int y = sbi.rcScrollBar.top + (sbi.xyThumbTop + sbi.xyThumbBottom) / 2;
    EXPECT_THROW(Drag(x, y, x, y + 50), tv::EInvalidOperation);
    EXPECT_EQ(GetCapture(), nullptr);
    SCROLLINFO tp;
    tp.fMask = SIF_POS | SIF_TRACKPOS;
    GetScrollInfo(w, SB_VERT, &tp);
    EXPECT_EQ(tp.nTrackPos, tp.nPos) << "tracking ended";
    // The window goes on working.
    hook = nullptr;
    ProcessPendingMessages();
    ClearLog();
    Click(x, sbi.rcScrollBar.bottom - 3);
    EXPECT_EQ(Count(w, WM_VSCROLL), 2u) << "line down, then end of scrolling";
}

namespace {

// A person's click, injected while a menu loop waits.
void ClickLater(POINT p) {
    ScriptStep([p] {
        InjectMouseMove(p.x, p.y);
        InjectMouseButton(0, true, p.x, p.y);
        InjectMouseButton(0, false, p.x, p.y);
    });
}

HWND OpenPopupMenu() {
    HWND found = nullptr;
    EnumWindows([&](HWND h) {
        if (GetClassName(h) == POPUPMENU_CLASS && IsWindowVisible(h)) found = h;
        return TRUE;
    });
    return found;
}

} // namespace

TEST_F(DesktopTest, PopupMenusFromTheBarAndOnTheirOwn) {
    HMENU file = CreatePopupMenu();
    AppendMenu(file, MF_STRING, 200, "&Nuevo");
    AppendMenu(file, MF_SEPARATOR, 0, "");
    AppendMenu(file, MF_STRING | MF_GRAYED, 201, "&Imprimir");
    AppendMenu(file, MF_STRING, 202, "&Salir");
    HMENU bar = CreateMenu();
    AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&Archivo");
    HWND w = CreateWindowEx(0, "Rec", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr, bar);
    RECT item;
    GetMenuItemRect(w, bar, 0, &item);
    // Opening from the bar; a click on "Salir" chooses it.
    POINT chosen{-1, -1};
    ScriptStep([&] {
        HWND popup = OpenPopupMenu();
        ASSERT_NE(popup, nullptr);
        RECT pr;
        GetWindowRect(popup, &pr);
        EXPECT_EQ(pr.top, item.bottom);
        int f = GetSystemMetrics(SM_CYFIXEDFRAME);
        chosen = {pr.left + 30, pr.top + f + 2 * GetSystemMetrics(SM_CYMENU) + 8 + GetSystemMetrics(SM_CYMENU) / 2};
        InjectMouseMove(chosen.x, chosen.y);
        InjectMouseButton(0, true, chosen.x, chosen.y);
        InjectMouseButton(0, false, chosen.x, chosen.y);
    });
    ClearLog();
    Click((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    ProcessPendingMessages();
    // The bar item is selected before its popup opens; the last selection
    // (0xFFFF, no menu) says the menu closed.
    EXPECT_EQ(Only({WM_INITMENU, WM_ENTERMENULOOP, WM_INITMENUPOPUP, WM_MENUSELECT, WM_EXITMENULOOP, WM_COMMAND}, w),
              (std::vector<UINT>{WM_ENTERMENULOOP, WM_INITMENU, WM_MENUSELECT, WM_INITMENUPOPUP, WM_MENUSELECT,
                                 WM_MENUSELECT, WM_EXITMENULOOP, WM_COMMAND}));
    ASSERT_NE(Last(w, WM_COMMAND), nullptr);
    EXPECT_EQ(LOWORD(Last(w, WM_COMMAND)->wp), 202);
    EXPECT_EQ(OpenPopupMenu(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);

    // On its own, with the keyboard: down skips the separator and the grayed
    // item; Enter chooses. TPM_RETURNCMD answers the command.
    ScriptStep([] {
        InjectKey(VK_DOWN, true);
        InjectKey(VK_DOWN, false);
        InjectKey(VK_DOWN, true);
        InjectKey(VK_DOWN, false);
        InjectKey(VK_RETURN, true);
        InjectKey(VK_RETURN, false);
    });
    SetFocus(w);
    EXPECT_EQ(TrackPopupMenu(file, TPM_RETURNCMD, 100, 100, 0, w), 202);
    // Escape or a click elsewhere dismisses it: nothing chosen.
    ScriptStep([] {
        InjectKey(VK_ESCAPE, true);
        InjectKey(VK_ESCAPE, false);
    });
    EXPECT_EQ(TrackPopupMenu(file, TPM_RETURNCMD, 100, 100, 0, w), 0);
    ClickLater({390, 290});
    EXPECT_EQ(TrackPopupMenu(file, TPM_RETURNCMD, 100, 100, 0, w), 0);
    EXPECT_EQ(PendingScriptSteps(), 0u);
}

TEST_F(DesktopTest, OwnerDrawnMenuItemsAreMeasuredAndDrawnByTheOwner) {
    HMENU menu = CreatePopupMenu();
    AppendMenu(menu, MF_OWNERDRAW, 300, "");
    SetMenuItemData(menu, 300, 77, MF_BYCOMMAND);
    AppendMenu(menu, MF_STRING, 301, "Texto");
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300);
    std::vector<LONG_PTR> measured, drawn;
    HWND drawnIn = nullptr;
    hook = [&](HWND, UINT m, WPARAM, LPARAM lp, LRESULT&) {
        if (m == WM_MEASUREITEM) {
            auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
            measured.push_back(mis->itemData);
            mis->itemWidth = 120;
            mis->itemHeight = 30;
        }
        if (m == WM_DRAWITEM) {
            auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
            EXPECT_EQ(dis->CtlType, ODT_MENU);
            EXPECT_EQ(dis->itemID, 300u);
            EXPECT_EQ(dis->rcItem.Height(), 30);
            EXPECT_NE(dis->hDC, nullptr);
            drawn.push_back(dis->itemData);
            drawnIn = dis->hwndItem;
        }
        return false;
    };
    ScriptStep([] { UpdateAllWindows(); });
    ScriptStep([] {
        InjectKey(VK_ESCAPE, true);
        InjectKey(VK_ESCAPE, false);
    });
    TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, w);
    EXPECT_EQ(measured, (std::vector<LONG_PTR>{77}));
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.front(), 77);
    EXPECT_EQ(GetClassName(drawnIn), "");  // the menu window is gone now
}

TEST_F(DesktopTest, TheScrollBarMenuSendsTheRemainingRequests) {
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL, 0, 0, 200, 300);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMax = 99;
    si.nPage = 10;
    SetScrollInfo(w, SB_VERT, &si, TRUE);
    std::vector<int> codes;
    hook = [&](HWND, UINT m, WPARAM wp, LPARAM, LRESULT&) {
        if (m == WM_VSCROLL) codes.push_back(LOWORD(wp));
        return false;
    };
    SCROLLBARINFO sbi;
    GetScrollBarInfo(w, OBJID_VSCROLL, &sbi);
    int x = (sbi.rcScrollBar.left + sbi.rcScrollBar.right) / 2, y = sbi.rcScrollBar.bottom - 40;
    // Each entry chosen with the keyboard: down n times, then Enter.
    struct Case {
        int downs;
        std::vector<int> expected;
    } cases[] = {
        {1, {SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}},
        {2, {SB_TOP, SB_ENDSCROLL}},
        {3, {SB_BOTTOM, SB_ENDSCROLL}},
        {4, {SB_PAGEUP, SB_ENDSCROLL}},
        {5, {SB_PAGEDOWN, SB_ENDSCROLL}},
        {6, {SB_LINEUP, SB_ENDSCROLL}},
        {7, {SB_LINEDOWN, SB_ENDSCROLL}},
    };
    for (auto& c : cases) {
        codes.clear();
        int downs = c.downs;
        ScriptStep([downs] {
            for (int k = 0; k < downs; ++k) {
                InjectKey(VK_DOWN, true);
                InjectKey(VK_DOWN, false);
            }
            InjectKey(VK_RETURN, true);
            InjectKey(VK_RETURN, false);
        });
        Click(x, y, 1);
        EXPECT_EQ(codes, c.expected) << downs;
    }
    // "Scroll here" near the bottom goes near the end.
    codes.clear();
    ScriptStep([] {
        InjectKey(VK_DOWN, true);
        InjectKey(VK_DOWN, false);
        InjectKey(VK_RETURN, true);
        InjectKey(VK_RETURN, false);
    });
    std::vector<int> positions;
    hook = [&](HWND, UINT m, WPARAM wp, LPARAM, LRESULT&) {
        if (m == WM_VSCROLL && LOWORD(wp) == SB_THUMBPOSITION) positions.push_back(HIWORD(wp));
        return false;
    };
    Click(x, sbi.rcScrollBar.bottom - 20, 1);
    ASSERT_EQ(positions.size(), 1u);
    EXPECT_GT(positions[0], 80);
}

TEST_F(DesktopTest, PaintWithAGivenDeviceContextLeavesTheUpdateAlone) {
    HWND w = Make(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    UpdateAllWindows();
    InvalidateRect(w, nullptr, TRUE);
    HDC dc = GetDC(w);
    SendMessage(w, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    ReleaseDC(w, dc);
    RECT r;
    EXPECT_TRUE(GetUpdateRect(w, &r, FALSE));
}

TEST_F(DesktopTest, AMinimisedWindowsButtonsAnswerOneClickAndItsFocusComesBack) {
    HWND w = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200);
    HWND child = Make(WS_CHILD | WS_VISIBLE, 10, 10, 100, 20, w);
    SetActiveWindow(w);
    SetFocus(child);
    int f = GetSystemMetrics(SM_CXSIZEFRAME);
    int bw = GetSystemMetrics(SM_CXSIZE) - 2;
    // The button left of the close button and the one left of that, on the
    // caption of the window as it stands now.
    auto button = [&](int fromRight) {
        RECT r;
        GetWindowRect(w, &r);
        return POINT{r.right - f - 2 - bw / 2 - fromRight * bw - (fromRight ? 2 : 0), r.top + f + 2 + bw / 2 - 2};
    };
    POINT minimise = button(2);
    QueueClick(minimise.x, minimise.y);
    ProcessPendingMessages();
    ASSERT_TRUE(IsIconic(w));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, MAKELPARAM(button(0).x, button(0).y)), HTCLOSE);

    // Its restore button (where the minimise button was) restores at once.
    POINT restore = button(2);
    QueueClick(restore.x, restore.y);
    ProcessPendingMessages();
    EXPECT_FALSE(IsIconic(w));
    EXPECT_EQ(GetFocus(), w) << "the active window takes the focus back";

    // Minimised again, its maximise button maximises.
    ShowWindow(w, SW_MINIMIZE);
    POINT maximise = button(1);
    QueueClick(maximise.x, maximise.y);
    ProcessPendingMessages();
    EXPECT_TRUE(IsZoomed(w));
    EXPECT_EQ(GetFocus(), w);
}
