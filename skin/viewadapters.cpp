#include "skin/viewadapters.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

#include "framework/ui/application.h"
#include "framework/ui/controls.h"
#include "framework/ui/picture.h"
#include "platform/controls/header.h"
#include "platform/controls/listview.h"
#include "platform/controls/treeview.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/raster.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/scrollbar.h"
#include "skin/blending.h"
#include "skin/commondata.h"
#include "skin/elementpaint.h"
#include "skin/skinmanager.h"
#include "skin/skinmessage.h"

namespace tv {

using namespace win;

namespace {

bool Dying(const TComponent* c) { return !c || c->ComponentState().Contains(csDestroying); }

bool IsHeader(HWND wnd) { return wnd && GetClassName(wnd) == WC_HEADER; }

HWND FindHeader(HWND list) {
    for (HWND c = GetWindow(list, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (IsHeader(c)) return c;
    return nullptr;
}

TAlignment AlignmentOf(int fmt) {
    switch (fmt & HDF_JUSTIFYMASK) {
    case HDF_RIGHT: return taRightJustify;
    case HDF_CENTER: return taCenter;
    default: return taLeftJustify;
    }
}

// MaskFillColor for one painting, put back after.
struct MaskFill {
    explicit MaskFill(TColor c) : old(MaskFillColor) { MaskFillColor = c; }
    ~MaskFill() { MaskFillColor = old; }
    TColor old;
};

} // namespace

// --- list views ---------------------------------------------------------------------

TacListViewWnd::TacListViewWnd(HWND wnd, bool repaint, TsSkinManager* sm, TsCommonData* link, bool subclass)
    : TacEditWnd(wnd, repaint, sm, link, subclass) {
    if (subclass) HookHeader(FindHeader(wnd));
}

TacListViewWnd::~TacListViewWnd() {
    // The base destructor could not reach this class's restore.
    if (!Detached) DetachScrollWnd(Wnd, false, false, this);
    UnhookHeader();
}

bool TacListViewWnd::ReportView() const { return (GetWindowLong(Wnd, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT; }

void TacListViewWnd::HookHeader(HWND header) {
    if (!header || header == HeaderWnd) return;
    UnhookHeader();
    HeaderWnd = header;
    HeaderProc = MakeWindowProc([this](HWND, UINT m, WPARAM w, LPARAM l) {
        Message msg{m, w, l, 0};
        HeaderWndProc(msg);
        return msg.Result;
    });
    HeaderOldProc = SetWindowProc(header, HeaderProc);
    PressedItem = -1;
    InvalidateRect(header, nullptr, TRUE);
}

void TacListViewWnd::UnhookHeader() {
    if (HeaderWnd && IsWindow(HeaderWnd) && HeaderOldProc) {
        SetWindowProc(HeaderWnd, HeaderOldProc);
        InvalidateRect(HeaderWnd, nullptr, TRUE);
    }
    if (HeaderProc) FreeWindowProc(HeaderProc);
    HeaderWnd = nullptr;
    HeaderProc = HeaderOldProc = nullptr;
    PressedItem = -1;
}

void TacListViewWnd::RestoreControlColors() {
    UnhookHeader();
    TacEditWnd::RestoreControlColors();
}

void TacListViewWnd::WndProc(Message& msg) {
    if (msg.Msg == WM_DESTROY || msg.Msg == WM_NCDESTROY || !SkinData->Skinned()) return TacEditWnd::WndProc(msg);
    TsSkinManager* sm = SkinData->GetSkinManager();
    switch (msg.Msg) {
    case SM_ALPHACMD:
        TacEditWnd::WndProc(msg);
        if (HIWORD(msg.WParam) == SKCMD_REFRESH && sm && msg.LParam == LPARAM(sm) && HeaderWnd)
            InvalidateRect(HeaderWnd, nullptr, TRUE);
        return;
    case WM_HSCROLL:
    case WM_VSCROLL: {
        if (LOWORD(msg.WParam) != SB_THUMBTRACK) break;
        // The list scrolls itself by what the thumb moved since the last request.
        bool vert = msg.Msg == WM_VSCROLL;
        int delta = int(HIWORD(msg.WParam)) - GetScrollPos(Wnd, vert ? SB_VERT : SB_HORZ);
        if (vert && ReportView()) {
            RECT r{};
            r.left = LVIR_BOUNDS;
            SendMessage(Wnd, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
            delta *= std::max(1, int(r.bottom - r.top));
        }
        SendMessage(Wnd, LVM_SCROLL, vert ? 0 : WPARAM(delta), vert ? LPARAM(delta) : 0);
        msg.Result = 0;
        return;
    }
    case WM_STYLECHANGED:
        TacEditWnd::WndProc(msg);
        if (Detached) return;
        RefreshScrollInfo(false);
        TacEditWnd::WndProc(msg);
        return;
    case WM_NCPAINT:
        TacEditWnd::WndProc(msg);
        if (!Detached) RefreshScrollInfo(true);
        return;
    case WM_PARENTNOTIFY: {
        TacEditWnd::WndProc(msg);
        auto child = reinterpret_cast<HWND>(msg.LParam);
        if (Detached || !IsHeader(child)) return;
        if (LOWORD(msg.WParam) == WM_CREATE)
            HookHeader(child);
        else if (LOWORD(msg.WParam) == WM_DESTROY && child == HeaderWnd)
            UnhookHeader();
        return;
    }
    default: break;
    }
    TacEditWnd::WndProc(msg);
}

void TacListViewWnd::HeaderWndProc(Message& msg) {
    HWND header = HeaderWnd;
    WNDPROC old = HeaderOldProc;
    if (!header || !old) return;
    if (!ReportView() || !SkinData->Skinned()) return CallWindowProc(old, header, msg);
    try {
        switch (msg.Msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(header, &ps);
            PaintHeader(dc);
            EndPaint(header, &ps);
            msg.Result = 0;
            return;
        }
        case WM_ERASEBKGND: msg.Result = 1; return;
        case WM_WINDOWPOSCHANGING:
            CallWindowProc(old, header, msg);
            SendMessage(Wnd, WM_NCPAINT, 1, 0);
            return;
        case WM_NCDESTROY:
            CallWindowProc(old, header, msg);
            if (HeaderProc) FreeWindowProc(HeaderProc);
            HeaderWnd = nullptr;
            HeaderProc = HeaderOldProc = nullptr;
            return;
        case WM_LBUTTONUP:
            PressedItem = -1;
            CallWindowProc(old, header, msg);
            if (HeaderWnd) InvalidateRect(header, nullptr, TRUE);
            return;
        case WM_LBUTTONDOWN: {
            CallWindowProc(old, header, msg);
            if (!HeaderWnd) return;
            HDHITTESTINFO h;
            h.pt = {GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
            SendMessage(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&h));
            PressedItem = (h.flags & HHT_ONHEADER) ? h.iItem : -1;
            InvalidateRect(header, nullptr, TRUE);
            return;
        }
        default: break;
        }
        CallWindowProc(old, header, msg);
    } catch (...) {
        if (Application) Application->HandleException(this);
    }
}

// Each caption over the skin's column header (or button), in the order the
// user sees, and the room right of the last one as a caption without text.
void TacListViewWnd::PaintHeader(HDC dc) {
    TsSkinManager* sm = SkinData->GetSkinManager();
    TWinControl* lv = Control();
    RECT c;
    GetClientRect(HeaderWnd, &c);
    if (!sm || c.right <= 0 || c.bottom <= 0) return;
    const char* name = sm->GetSectionIndex("COLHEADER") >= 0 ? "COLHEADER" : "BUTTON";
    int section = sm->GetSectionIndex(name);
    int count = int(SendMessage(HeaderWnd, HDM_GETITEMCOUNT, 0, 0));
    std::vector<int> order(size_t(std::max(count, 0)));
    std::iota(order.begin(), order.end(), 0);
    if (count > 0 && (SendMessage(Wnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_HEADERDRAGDROP))
        SendMessage(HeaderWnd, HDM_GETORDERARRAY, WPARAM(count), reinterpret_cast<LPARAM>(order.data()));
    auto images = reinterpret_cast<HIMAGELIST>(SendMessage(HeaderWnd, HDM_GETIMAGELIST, 0, 0));
    MaskFill fill(lv ? TColor(ColorToRGB(lv->Color())) : TColor(clWindow));
    std::unique_ptr<TBitmap> bmp(CreateBmp24(c.right, c.bottom));
    TCanvas* canvas = bmp->Canvas();
    if (lv) canvas->Font()->Assign(lv->Font());
    TCacheInfo none = EmptyCacheInfo();
    bool enabled = IsWindowEnabled(Wnd);
    int right = 0;
    for (int i : order) {
        RECT r;
        if (!SendMessage(HeaderWnd, HDM_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&r))) continue;
        right = std::max(right, int(r.right));
        if (r.right <= r.left) continue;
        int state = i == PressedItem ? 2 : 0;
        PaintSkinItem(section, name, none, -1, -1, sm, bmp.get(), POINT{0, 0}, r, state, true);
        HDITEM item;
        item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
        SendMessage(HeaderWnd, HDM_GETITEM, WPARAM(i), reinterpret_cast<LPARAM>(&item));
        RECT tr{r.left + 4, r.top, r.right - 8, r.bottom};
        if (state == 2) OffsetRect(&tr, 1, 1);
        if ((item.fmt & HDF_IMAGE) && images && item.iImage >= 0 && item.iImage < ImageList_GetImageCount(images)) {
            int iw = 0, ih = 0;
            ImageList_GetIconSize(images, &iw, &ih);
            ImageList_Draw(images, item.iImage, canvas->Handle(), tr.left, tr.top + (tr.bottom - tr.top - ih) / 2,
                           ILD_TRANSPARENT);
            tr.left += iw + 4;
        }
        if (tr.right <= tr.left || item.pszText.empty()) continue;
        UINT flags = GetTextAlignFlags(lv, AlignmentOf(item.fmt)) | DT_END_ELLIPSIS | DT_EXPANDTABS | DT_SINGLELINE |
                     DT_WORDBREAK;
        WriteSkinnedText(canvas, item.pszText, enabled, sm, false, section, flags, tr);
    }
    if (right < c.right)
        PaintSkinItem(section, name, none, -1, -1, sm, bmp.get(), POINT{0, 0}, {right, 0, c.right, c.bottom}, 0, true);
    BitBlt(dc, 0, 0, c.right, c.bottom, canvas->Handle(), 0, 0, SRCCOPY);
}

// --- tree views ----------------------------------------------------------------------

TacTreeViewWnd::TacTreeViewWnd(HWND wnd, bool repaint, TsSkinManager* sm, TsCommonData* link, bool subclass)
    : TacEditWnd(wnd, repaint, sm, link, subclass) {}

TacTreeViewWnd::~TacTreeViewWnd() {
    if (!Detached) DetachScrollWnd(Wnd, false, false, this);
}

void TacTreeViewWnd::ApplySkinColors() {
    colorsApplied_ = true;
    try {
        TsSkinManager* sm = SkinData->GetSkinManager();
        if (!sm || !sm->IsValidSkinIndex(SkinData->SkinIndex)) return;
        const TsGeneralData& g = sm->gd[std::size_t(SkinData->SkinIndex)];
        TWinControl* c = Control();
        if (c && c->Font()->Color() != g.HotFontColor[0]) c->Font()->SetColor(g.HotFontColor[0]);
        SendMessage(Wnd, TVM_SETBKCOLOR, 0, LPARAM(ColorToRGB(g.HotColor)));
    } catch (...) {}
}

// The tree's own colours come back with the skin gone: its text colour, and
// its background from its Color, which the skin never changed.
void TacTreeViewWnd::RestoreControlColors() {
    TWinControl* c = Control();
    if (!c || Dying(c) || !colorsApplied_) return;
    colorsApplied_ = false;
    try {
        c->Font()->SetColor(savedFontColor_);
        if (IsWindow(Wnd)) SendMessage(Wnd, TVM_SETBKCOLOR, 0, LPARAM(ColorToRGB(c->Color())));
    } catch (...) {}
}

void TacTreeViewWnd::WndProc(Message& msg) {
    if (msg.Msg == WM_DESTROY || msg.Msg == WM_NCDESTROY || !SkinData->Skinned()) return TacEditWnd::WndProc(msg);
    if (msg.Msg == WM_ERASEBKGND && !SkinData->IsUpdating()) {
        if (SkinData->BGChanged) SendAlphaCmd(Wnd, SKCMD_REBUILD_CACHE, 0);
        TsSkinManager* sm = SkinData->GetSkinManager();
        auto dc = reinterpret_cast<HDC>(msg.WParam);
        bool own = !dc;
        if (own) dc = GetDC(Wnd);
        if (sm && sm->IsValidSkinIndex(SkinData->SkinIndex)) {
            RECT c;
            GetClientRect(Wnd, &c);
            FillDCRect(dc, c, sm->gd[std::size_t(SkinData->SkinIndex)].HotColor);
        }
        if (own) ReleaseDC(Wnd, dc);
        msg.Result = 0;
        return;
    }
    TacEditWnd::WndProc(msg);
}

} // namespace tv
