// Where the parts of a skinned form's frame lie, which part is under the
// mouse, and the window region cut to the skin's corners.
#include <algorithm>

#include "core/scopeguards.h"
#include "framework/ui/forms.h"
#include "framework/ui/menus.h"
#include "platform/gdi/objects.h"
#include "platform/window/menu.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "platform/window/sysmetrics.h"
#include "skin/imagepaint.h"
#include "skin/scrollwnd.h"
#include "skin/skinmanager.h"
#include "skin/skinprovider.h"
#include "skin/systemmenu.h"

namespace tv {

using namespace win;

namespace {

bool FixedFrame(const TCustomForm* f) {
    TBorderStyle b = f->BorderStyle();
    if (f->FormStyle() == fsMDIChild) return b == bsSingle || b == bsToolWindow;
    return b == bsSingle || b == bsDialog || b == bsToolWindow;
}

// Width and height of one state of an image: of its own bitmap (two bands)
// or of its piece of the master bitmap.
int StateWidth(const TsMaskData& md) {
    int w = md.Bmp ? md.Bmp->Width() : md.R.Width();
    return w / std::max(1, md.ImageCount);
}
int StateHeight(const TsMaskData& md) { return md.Bmp ? md.Bmp->Height() / 2 : md.R.Height() / (md.MaskType + 1); }

} // namespace

int IconSizeForCaption(int h) {
    if (h < 9) return 0;
    if (h <= 16) return 8;
    if (h <= 27) return 16;
    return 32;
}

int SnapCoordinate(int c, int edge, int size, int buffer) {
    return std::abs(size + c - edge) < buffer ? edge - size : c;
}

bool TsSkinProvider::HasBorder() const { return form_ && form_->BorderStyle() != bsNone; }

bool TsSkinProvider::HasCaption() const { return CaptionHeight() > 0; }

int TsSkinProvider::BorderWidth() const {
    if (!form_ || form_->BorderStyle() == bsNone) return 0;
    return GetSystemMetrics(FixedFrame(form_) ? SM_CXFIXEDFRAME : SM_CXSIZEFRAME);
}

int TsSkinProvider::BorderHeight() const {
    if (!form_ || form_->BorderStyle() == bsNone) return 0;
    return GetSystemMetrics(FixedFrame(form_) ? SM_CYFIXEDFRAME : SM_CYSIZEFRAME);
}

int TsSkinProvider::CaptionHeight() const {
    if (!form_ || form_->BorderStyle() == bsNone) return 0;
    if (form_->HandleAllocated() && !win::HasCaption(GetWindowLong(form_->WindowHandle(), GWL_STYLE))) return 0;
    TBorderStyle b = form_->BorderStyle();
    return GetSystemMetrics(b == bsToolWindow || b == bsSizeToolWin ? SM_CYSMCAPTION : SM_CYCAPTION);
}

// Forms of this framework have no border of their own inside the frame.
int TsSkinProvider::FrameTopOffset() const { return BorderHeight(); }

int TsSkinProvider::MenuLineHeight() const { return form_ && form_->Menu() ? GetSystemMetrics(SM_CYMENU) - 1 : 0; }

int TsSkinProvider::FormWidth() const {
    if (!form_) return 0;
    if (form_->WindowState() == wsMinimized && form_->HandleAllocated()) {
        RECT r;
        GetWindowRect(form_->WindowHandle(), &r);
        return r.Width();
    }
    return form_->Width();
}

int TsSkinProvider::FormHeight() const {
    if (!form_) return 0;
    if (form_->WindowState() == wsMinimized && form_->HandleAllocated()) {
        RECT r;
        GetWindowRect(form_->WindowHandle(), &r);
        return r.Height();
    }
    return form_->Height();
}

namespace {
int ClientW(TCustomForm* f) { return f->HandleAllocated() ? f->ClientWidth() : f->Width(); }
int ClientH(TCustomForm* f) { return f->HandleAllocated() ? f->ClientHeight() : f->Height(); }
} // namespace

int TsSkinProvider::TopAreaHeight() const {
    if (!form_) return 0;
    int h = FormHeight() - ClientH(form_);
    if (HasCaption()) h -= BorderHeight();
    h = std::max(h, 0);
    if (form_->WindowState() == wsMinimized) h += BorderHeight();
    if (formScrollWnd_ && formScrollWnd_->HBar && formScrollWnd_->HBar->Visible)
        h -= GetScrollBarSize(*formScrollWnd_->HBar, 1, true);
    return h;
}

int TsSkinProvider::ClientOffsetX() const {
    if (!form_) return 0;
    int v = formScrollWnd_ && formScrollWnd_->VBar && formScrollWnd_->VBar->Visible
                ? GetScrollBarSize(*formScrollWnd_->VBar, 1, true)
                : 0;
    return (FormWidth() - ClientW(form_) - v) / 2;
}

int TsSkinProvider::ClientOffsetY() const {
    if (!form_) return 0;
    int y = FormHeight() - ClientH(form_);
    if (HasCaption()) y -= BorderHeight();
    if (formScrollWnd_ && formScrollWnd_->HBar && formScrollWnd_->HBar->Visible)
        y -= GetScrollBarSize(*formScrollWnd_->HBar, 1, true);
    return y;
}

POINT TsSkinProvider::WindowOrigin() const {
    RECT r{};
    if (form_ && form_->HandleAllocated()) GetWindowRect(form_->WindowHandle(), &r);
    return POINT{r.left, r.top};
}

bool TsSkinProvider::IconShown() const {
    return form_ && (form_->BorderStyle() == bsSingle || form_->BorderStyle() == bsSizeable) && showAppIcon_;
}

int TsSkinProvider::IconWidth() const {
    if (!IconShown()) return 0;
    return titleIcon_->Width() ? titleIcon_->Width() : IconSizeForCaption(CaptionHeight());
}

int TsSkinProvider::IconHeight() const {
    if (!IconShown()) return 0;
    return titleIcon_->Height() ? titleIcon_->Height() : IconSizeForCaption(CaptionHeight());
}

RECT TsSkinProvider::IconRect() const {
    int top = (CaptionHeight() + BorderHeight() - IconHeight()) / 2;
    return RECT{BorderWidth(), top, BorderWidth() + IconWidth(), top + IconHeight()};
}

int TsSkinProvider::TitleButtonHeight() const {
    TsSkinManager* sm = skinData_->GetSkinManager();
    if (!sm || !sm->IsValidImgIndex(BtnClose.ImageIndex)) return 21;
    return StateHeight(sm->ma[std::size_t(BtnClose.ImageIndex)]);
}

int TsSkinProvider::TitleButtonWidth() const {
    TsSkinManager* sm = skinData_->GetSkinManager();
    if (!sm || !sm->IsValidImgIndex(BtnClose.ImageIndex)) return 21;
    return StateWidth(sm->ma[std::size_t(BtnClose.ImageIndex)]);
}

int TsSkinProvider::UserButtonWidth(const TsTitleButton* b) const {
    TsSkinManager* sm = skinData_->GetSkinManager();
    int image = sm && sm->IsValidImgIndex(UserButtonImage) ? StateWidth(sm->ma[std::size_t(UserButtonImage)]) : 21;
    int glyph = b && !b->Glyph()->Empty() ? b->Glyph()->Width() + 2 : 0;
    return std::max(glyph, image);
}

int TsSkinProvider::ButtonsWidth() const {
    int w = 0;
    if (form_ && form_->BorderIcons().Contains(biSystemMenu) && systemMenu_) {
        w = TitleButtonWidth();
        if (systemMenu_->VisibleMax()) w += TitleButtonWidth();
        if (systemMenu_->VisibleMin()) w += TitleButtonWidth();
        if (form_->BorderIcons().Contains(biHelp)) w += TitleButtonWidth();
    }
    for (int i = 0; i < titleButtons_->Count(); ++i) w += UserButtonWidth(titleButtons_->Items(i));
    return w;
}

int TsSkinProvider::SystemButtonCount() const {
    if (!form_ || !form_->BorderIcons().Contains(biSystemMenu) || !systemMenu_) return 0;
    return 3 + (form_->BorderIcons().Contains(biHelp) ? 1 : 0) - (systemMenu_->VisibleMin() ? 0 : 1) -
           (systemMenu_->VisibleMax() ? 0 : 1);
}

bool TsSkinProvider::MenuVisible() const {
    if (!form_ || form_->BorderStyle() == bsDialog || form_->FormStyle() == fsMDIChild) return false;
    auto visibleItem = [](TMainMenu* m) {
        if (!m) return false;
        for (int i = 0; i < m->Items()->Count(); ++i)
            if (m->Items()->Items(i)->Visible()) return true;
        return false;
    };
    if (visibleItem(form_->Menu())) return true;
    TCustomForm* child = form_->FormStyle() == fsMDIForm ? form_->ActiveMDIChild() : nullptr;
    return child && visibleItem(child->Menu());
}

bool TsSkinProvider::MDIButtonsShown() const {
    if (!form_ || form_->FormStyle() != fsMDIForm) return false;
    TCustomForm* child = form_->ActiveMDIChild();
    return child && child->WindowState() == wsMaximized && MenuVisible();
}

int TsSkinProvider::MenuLineRows() {
    if (menuRows_ >= 0) return menuRows_;
    int rows = 1;
    TMainMenu* menu = form_ ? form_->Menu() : nullptr;
    if (menu && form_->HandleAllocated() && GetMenu(form_->Handle())) {
        HMENU bar = GetMenu(form_->Handle());
        int x = BorderWidth(), limit = FormWidth() - 2 * BorderWidth();
        for (int i = 0; i < GetMenuItemCount(bar); ++i) {
            TMenuItem* item = TMenuItem::FromData(GetMenuItemData(bar, UINT(i), MF_BYPOSITION));
            if (!item || !item->Visible() || !item->OnAdvancedDrawItem || !item->OnMeasureItem) continue;
            RECT r;
            if (!GetMenuItemRect(form_->Handle(), bar, UINT(i), &r)) continue;
            if (x + r.Width() > limit && x > BorderWidth()) {
                ++rows;
                x = BorderWidth();
            }
            x += r.Width();
        }
    }
    menuRows_ = rows;
    return rows;
}

TsCaptionButton* TsSkinProvider::ButtonOf(int code) {
    switch (code) {
    case tbMinimize: return &BtnMin;
    case tbMaximize: return &BtnMax;
    case tbClose: return &BtnClose;
    case tbHelp: return &BtnHelp;
    case tbMDIClose: return &BtnMDIClose;
    case tbMDIRestore: return &BtnMDIRestore;
    case tbMDIMinimize: return &BtnMDIMin;
    default:
        if (code >= tbUser && code - tbUser < titleButtons_->Count()) return &titleButtons_->Items(code - tbUser)->Data;
        return nullptr;
    }
}

void TsSkinProvider::PlaceTitleButtons() {
    int h = TitleButtonHeight();
    int top = (CaptionHeight() + BorderHeight() - h) / 2 + (h < 16 ? 2 : 0);
    int x = FormWidth() - BorderWidth();
    auto place = [&](TsCaptionButton& b, int w) {
        b.Rect = RECT{x - w, top, x, top + h};
        x -= w;
    };
    for (TsCaptionButton* b : {&BtnClose, &BtnMax, &BtnMin, &BtnHelp}) b->Rect = RECT{};
    if (form_->BorderIcons().Contains(biSystemMenu) && systemMenu_) {
        int w = TitleButtonWidth();
        if (systemMenu_->VisibleClose()) place(BtnClose, w);
        if (systemMenu_->VisibleMax()) place(BtnMax, w);
        if (systemMenu_->VisibleMin()) place(BtnMin, w);
        if (form_->BorderIcons().Contains(biHelp)) place(BtnHelp, w);
    }
    for (int i = 0; i < titleButtons_->Count(); ++i) {
        TsTitleButton* b = titleButtons_->Items(i);
        place(b->Data, UserButtonWidth(b));
    }
    for (TsCaptionButton* b : {&BtnMDIClose, &BtnMDIRestore, &BtnMDIMin}) b->Rect = RECT{};
    if (!MDIButtonsShown()) return;
    TsSkinManager* sm = skinData_->GetSkinManager();
    int w = 16, bh = 16;
    if (sm && sm->IsValidImgIndex(BtnMDIClose.ImageIndex)) {
        const TsMaskData& md = sm->ma[std::size_t(BtnMDIClose.ImageIndex)];
        w = md.Bmp ? md.Bmp->Width() / 3 : StateWidth(md);
        bh = StateHeight(md);
    }
    int t = TopAreaHeight() - (MenuLineHeight() - bh) / 2 - bh - 1;
    BtnMDIMin.Rect = RECT{FormWidth() - BorderWidth() - 3 * w - 3, t, 0, t + bh};
    BtnMDIMin.Rect.right = BtnMDIMin.Rect.left + w;
    BtnMDIRestore.Rect = RECT{form_->Width() - BorderWidth() - 2 * w - 2, t, 0, t + bh};
    BtnMDIRestore.Rect.right = BtnMDIRestore.Rect.left + w;
    BtnMDIClose.Rect = RECT{form_->Width() - BorderWidth() - w - 1, t, 0, t + bh};
    BtnMDIClose.Rect.right = BtnMDIClose.Rect.left + w;
}

// --- hit testing -------------------------------------------------------------------

int TsSkinProvider::NCHitTest(POINT screen, LRESULT incoming) {
    if (!form_) return int(incoming);
    POINT o = WindowOrigin();
    POINT p{screen.x - o.x, screen.y - o.y};
    PlaceTitleButtons();
    int bh = TitleButtonHeight();
    int bandTop = (BorderHeight() + CaptionHeight() - bh) / 2;
    bool minimized = form_->WindowState() == wsMinimized;
    auto hot = [&](int code) {
        SetHotButton(code, true);
        return code;
    };
    if (p.y >= bandTop && p.y <= bandTop + bh) {
        if (IconShown() && p.x >= BorderWidth() && p.x <= BorderWidth() + IconWidth()) {
            SetHotButton(0, true);
            curHot_ = HTSYSMENU;
            return HTSYSMENU;
        }
        auto on = [&](const TsCaptionButton& b) {
            return b.Rect.right > b.Rect.left && p.x >= b.Rect.left && p.x <= b.Rect.right;
        };
        if (form_->BorderIcons().Contains(biSystemMenu) && systemMenu_) {
            if (on(BtnClose) && systemMenu_->VisibleClose()) return hot(HTCLOSE);
            if (on(BtnMax) && systemMenu_->VisibleMax())
                return systemMenu_->EnabledMax() || systemMenu_->EnabledRestore() ? hot(HTMAXBUTTON) : HTCAPTION;
            if (on(BtnMin) && (systemMenu_->VisibleMin() || minimized))
                return minimized || systemMenu_->EnabledMin() ? hot(HTMINBUTTON) : HTCAPTION;
            if (on(BtnHelp) && form_->BorderIcons().Contains(biHelp)) return hot(HTHELP);
        }
        for (int i = 0; i < titleButtons_->Count(); ++i) {
            TsTitleButton* b = titleButtons_->Items(i);
            if (on(b->Data)) return b->Enabled() ? hot(tbUser + i) : HTCAPTION;
        }
        return HTCAPTION;
    }
    TsSkinManager* sm = skinData_->GetSkinManager();
    bool bars = formScrollWnd_ && formScrollWnd_->HBar && formScrollWnd_->VBar && formScrollWnd_->HBar->Visible &&
                formScrollWnd_->VBar->Visible;
    if ((gripMode_ == gmRightBottom || bars) && sm && sm->ConstData.IndexGlobalInfo >= 0) {
        int g = sm->GetMaskIndex(sm->ConstData.IndexGlobalInfo, "GLOBALINFO", "GRIPIMAGE");
        TBitmap* cache = FrameCache();
        if (sm->IsValidImgIndex(g) && cache) {
            const TsMaskData& md = sm->ma[std::size_t(g)];
            int gw = md.Bmp ? md.Bmp->Width() / 3 : StateWidth(md);
            int gh = StateHeight(md);
            int gx = cache->Width() - gw - BorderWidth(), gy = cache->Height() - gh - BorderHeight();
            if (p.x > gx && p.y > gy) return HTBOTTOMRIGHT;
        }
    }
    if (MDIButtonsShown()) {
        for (auto [code, b] : {std::pair{tbMDIClose, &BtnMDIClose}, {tbMDIRestore, &BtnMDIRestore}, {tbMDIMinimize, &BtnMDIMin}})
            if (PtInRect(&b->Rect, p)) return hot(code);
        SetHotButton(0, true);
    }
    if (form_->WindowState() == wsMaximized) {
        RECT inner{2, 2, FormWidth() - 4, FormHeight() - 4};
        if (!PtInRect(&inner, p)) {
            SetHotButton(0, true);
            return int(HTTRANSPARENT);
        }
    }
    return int(incoming);
}

// --- window region ------------------------------------------------------------------

void TsSkinProvider::BuildBorderRegionData() {
    regionRects_.clear();
    TsSkinManager* sm = skinData_->GetSkinManager();
    if (!sm || !form_) return;
    int w = FormWidth(), h = FormHeight();
    if (sm->IsValidImgIndex(skinData_->BorderIndex)) {
        const TsMaskData& md = sm->ma[std::size_t(skinData_->BorderIndex)];
        ParseMaskRegion(regionRects_, w, md, false, 0);
        ParseMaskRegion(regionRects_, w, md, true, h - md.WB);
    }
    std::string title = titleSkin_.empty() ? "FORMTITLE" : titleSkin_;
    int t = sm->GetSectionIndex(title);
    int m = t >= 0 ? sm->GetMaskIndex(t, title, "BORDERSMASK") : -1;
    if (HasCaption() && sm->IsValidImgIndex(m)) ParseMaskRegion(regionRects_, w, sm->ma[std::size_t(m)], false, 0);
}

HRGN TsSkinProvider::CreateFormRegion(int x, int y) {
    HRGN rgn = CreateRectRgn(x, y, x + FormWidth(), y + FormHeight());
    for (const RECT& r : regionRects_) {
        HRGN cut = CreateRectRgn(r.left + x, r.top + y, r.right + x, r.bottom + y);
        CombineRgn(rgn, rgn, cut, RGN_DIFF);
        DeleteObject(cut);
    }
    return rgn;
}

void TsSkinProvider::UpdateWindowRegion(bool redraw) {
    if (!form_ || !form_->HandleAllocated()) return;
    if (!framePainted_ && SendMessage(form_->Handle(), 0xBC4D, 0x41A2, 0) == 0x41A2) return;
    // A flag left set would keep the window from ever moving.
    TFlagGuard updating(inRegionUpdate_);
    SetWindowRgn(form_->Handle(), CreateFormRegion(0, 0), redraw ? TRUE : FALSE);
}

} // namespace tv
