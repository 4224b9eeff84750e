// The popup of a menu: a window listing the items, tracked modally with the
// keyboard and the mouse until one is chosen or it is dismissed.
#include <algorithm>

#include "framework/ui/menus.h"
#include "framework/ui/screen.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/text.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/desktop.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"

namespace tv {

using namespace tv::win;

namespace {

constexpr const char* kPopupClass = "TvPopupMenu";
constexpr const char* kStateProp = "TvPopupState";

struct PopupState {
    std::vector<TMenuItem*> items;
    std::vector<RECT> rects;
    int selected = -1;
    HWND owner = nullptr;
};

bool Selectable(TMenuItem* i) { return i->Visible() && !i->IsLine() && i->Enabled(); }

void DrawItem(PopupState* st, HDC dc, int index) {
    TMenuItem* item = st->items[size_t(index)];
    RECT r = st->rects[size_t(index)];
    UINT state = (index == st->selected ? ODS_SELECTED : 0) | (item->Enabled() ? 0 : ODS_DISABLED | ODS_GRAYED) |
                 (item->Checked() ? ODS_CHECKED : 0);
    TMenu* menu = item->GetParentMenu();
    if (st->owner && ((menu && menu->OwnerDraw()) || item->HasOwnerDraw())) {
        DRAWITEMSTRUCT di;
        di.CtlType = ODT_MENU;
        di.itemID = item->Command();
        di.itemAction = ODA_DRAWENTIRE;
        di.itemState = state;
        di.hDC = dc;
        di.rcItem = r;
        SendMessage(st->owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&di));
        return;
    }
    TCanvas c;
    c.SetHandle(dc);
    if (Screen) c.Font()->Assign(Screen->MenuFont());
    item->AdvancedDrawItem(&c, r, state, false);
    c.SetHandle(nullptr);
}

LRESULT PopupProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* st = static_cast<PopupState*>(GetProp(wnd, kStateProp));
    if (msg == WM_PAINT && st) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(wnd, &ps);
        for (size_t i = 0; i < st->items.size(); ++i) DrawItem(st, dc, int(i));
        EndPaint(wnd, &ps);
        return 0;
    }
    if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return DefWindowProc(wnd, msg, wp, lp);
}

void EnsurePopupClass() {
    WNDCLASS wc;
    if (GetClassInfo(kPopupClass, &wc)) return;
    wc.lpszClassName = kPopupClass;
    wc.style = CS_SAVEBITS | CS_DBLCLKS;
    wc.lpfnWndProc = &PopupProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_MENU + 1));
    RegisterClass(wc);
}

int ItemAt(PopupState& st, HWND wnd, POINT screen) {
    POINT p = screen;
    ScreenToClient(wnd, &p);
    for (size_t i = 0; i < st.rects.size(); ++i)
        if (PtInRect(&st.rects[i], p)) return int(i);
    return -1;
}

} // namespace

TMenuItem* TrackMenuPopup(TMenuItem* parent, int x, int y, TPopupAlignment alignment, HWND owner, bool selectFirst) {
    PopupState st;
    st.owner = owner;
    for (int i = 0; i < parent->Count(); ++i)
        if (parent->Items(i)->Visible()) st.items.push_back(parent->Items(i));
    if (st.items.empty()) return nullptr;

    // Sizes: owner-drawn items are measured by their owner.
    HDC mdc = CreateCompatibleDC(nullptr);
    TCanvas measure;
    measure.SetHandle(mdc);
    if (Screen) measure.Font()->Assign(Screen->MenuFont());
    int width = 80, top = 2;
    TMenu* menu = parent->GetParentMenu();
    for (TMenuItem* item : st.items) {
        int w = 0, h = 0;
        if (item->IsLine()) {
            h = 8;
        } else {
            w = measure.TextWidth(item->Caption()) + 48;
            if (item->ShortCut()) w += measure.TextWidth(ShortCutToText(item->ShortCut())) + 16;
            h = std::max(20, measure.TextHeight("Wg") + 6);
        }
        if (owner && ((menu && menu->OwnerDraw()) || item->HasOwnerDraw())) {
            MEASUREITEMSTRUCT mi;
            mi.CtlType = ODT_MENU;
            mi.itemID = item->Command();
            mi.itemWidth = UINT(w);
            mi.itemHeight = UINT(h);
            SendMessage(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mi));
            w = int(mi.itemWidth);
            h = int(mi.itemHeight);
        }
        width = std::max(width, w);
        st.rects.push_back({2, top, 0, top + h});
        top += h;
    }
    measure.SetHandle(nullptr);
    DeleteDC(mdc);
    for (auto& r : st.rects) r.right = width + 2;
    int w = width + 4, h = top + 2;
    if (alignment == paRight) x -= w;
    else if (alignment == paCenter) x -= w / 2;
    x = std::clamp(x, 0, std::max(0, ScreenWidth() - w));
    y = std::clamp(y, 0, std::max(0, ScreenHeight() - h));

    EnsurePopupClass();
    HWND wnd = CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kPopupClass, "", WS_POPUP | WS_BORDER, x, y, w, h,
                              nullptr, nullptr);
    if (!wnd) return nullptr;
    SetProp(wnd, kStateProp, &st);
    ShowWindow(wnd, SW_SHOWNA);

    auto select = [&](int i) {
        if (i == st.selected) return;
        st.selected = i;
        InvalidateRect(wnd, nullptr, TRUE);
    };
    auto step = [&](int dir) {
        int n = int(st.items.size());
        int i = st.selected;
        for (int k = 0; k < n; ++k) {
            i = i < 0 ? (dir > 0 ? 0 : n - 1) : (i + dir + n) % n;
            if (Selectable(st.items[size_t(i)])) {
                select(i);
                return;
            }
        }
    };

    TMenuItem* chosen = nullptr;
    bool done = false;
    if (selectFirst) step(1);
    bool byKey = false;
    auto choose = [&](int i) -> void {
        if (i < 0) return;
        TMenuItem* item = st.items[size_t(i)];
        if (!Selectable(item)) return;
        if (item->Count() > 0) {
            RECT r = st.rects[size_t(i)];
            POINT p{r.right, r.top};
            ClientToScreen(wnd, &p);
            for (int k = 0; k < item->Count(); ++k) item->Items(k)->InitiateAction();
            if (TMenuItem* sub = TrackMenuPopup(item, p.x, p.y, paLeft, owner, byKey)) {
                chosen = sub;
                done = true;
            }
            return;
        }
        chosen = item;
        done = true;
    };

    try {
        while (!done && IsWindow(wnd)) {
            MSG m;
            if (!PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) {
                UpdateWindow(wnd);
                WaitMessage();
                continue;
            }
            switch (m.message) {
            case WM_QUIT:
                PostQuitMessage(int(m.wParam));
                done = true;
                break;
            case WM_KEYDOWN: case WM_SYSKEYDOWN:
                byKey = true;
                switch (int(m.wParam)) {
                case VK_DOWN: step(1); break;
                case VK_UP: step(-1); break;
                case VK_RETURN: case VK_RIGHT:
                    if (st.selected >= 0 && (m.wParam == WPARAM(VK_RETURN) || st.items[size_t(st.selected)]->Count() > 0))
                        choose(st.selected);
                    break;
                case VK_ESCAPE: case VK_LEFT: done = true; break;
                case VK_MENU: case VK_F10: done = true; break;
                default: {
                    // A letter: the item whose accelerator it is.
                    int vk = int(m.wParam);
                    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) {
                        for (size_t i = 0; i < st.items.size(); ++i)
                            if (Selectable(st.items[i]) && AcceleratorOf(st.items[i]->Caption()) == char32_t(vk)) {
                                select(int(i));
                                choose(int(i));
                                break;
                            }
                    }
                    break;
                }
                }
                break;
            case WM_KEYUP: case WM_SYSKEYUP: case WM_CHAR: case WM_SYSCHAR:
                break;
            case WM_MOUSEMOVE:
                if (m.hwnd == wnd) select(ItemAt(st, wnd, m.pt));
                else DispatchMessage(&m);
                break;
            case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN:
                if (m.hwnd != wnd) done = true;
                break;
            case WM_LBUTTONUP: case WM_RBUTTONUP:
                byKey = false;
                if (m.hwnd == wnd) choose(ItemAt(st, wnd, m.pt));
                break;
            default:
                TranslateMessage(&m);
                DispatchMessage(&m);
                break;
            }
        }
    } catch (...) {
        if (IsWindow(wnd)) DestroyWindow(wnd);
        throw;
    }
    if (IsWindow(wnd)) DestroyWindow(wnd);
    return chosen;
}

} // namespace tv
