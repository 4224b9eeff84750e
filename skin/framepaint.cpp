// Painting a skinned form: its frame, title bar, title buttons and menu line
// are composed once in the cache bitmap and copied to the window; the client
// area starts from the same cache.
#include <algorithm>

#include "core/scopeguards.h"
#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "framework/ui/graphics.h"
#include "framework/ui/menus.h"
#include "framework/ui/picture.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/raster.h"
#include "platform/gdi/text.h"
#include "platform/window/menu.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "skin/blending.h"
#include "skin/controlpaint.h"
#include "skin/ctrladapter.h"
#include "skin/elementpaint.h"
#include "skin/imagepaint.h"
#include "skin/mdiform.h"
#include "skin/scrollwnd.h"
#include "skin/skinablemenus.h"
#include "skin/skinmanager.h"
#include "skin/skinmessage.h"
#include "skin/skinprovider.h"
#include "skin/skinutils.h"
#include "skin/systemmenu.h"

namespace tv {

using namespace win;

namespace {

bool Live(TsSkinProvider* p) { return p && !p->ComponentState().Contains(csDestroying); }

int Mask(TsSkinManager* sm, const char* section, const char* key) {
    int s = sm->GetSectionIndex(section);
    return s < 0 ? -1 : sm->GetMaskIndex(s, section, key);
}

void Blit(HDC dst, const RECT& r, TBitmap* src, int sx, int sy) {
    if (!src || r.right <= r.left || r.bottom <= r.top) return;
    BitBlt(dst, r.left, r.top, r.Width(), r.Height(), src->Canvas()->Handle(), sx, sy, SRCCOPY);
}

} // namespace

// --- images of the buttons -------------------------------------------------------

void TsSkinProvider::InitTitleButtonImages() {
    TsSkinManager* sm = skinData_->GetSkinManager();
    if (!sm || (!sm->SkinData.Active && sm->gd.empty())) return;
    bool mdiMain = form_ && form_->FormStyle() == fsMDIForm && !ComponentState().Contains(csDesigning);
    if (Mask(sm, "GLOBALINFO", "BICONCLOSE") < 0) {
        BtnMin.ImageIndex = Mask(sm, "FORM", "BICONMIN");
        BtnMax.ImageIndex = Mask(sm, "FORM", "BICONMAX");
        BtnClose.ImageIndex = Mask(sm, "FORM", "BICONCLOSE");
        BtnHelp.ImageIndex = Mask(sm, "FORM", "BICONHELP");
        if (mdiMain) {
            BtnMDIMin.ImageIndex = BtnMin.ImageIndex;
            BtnMDIRestore.ImageIndex = BtnMax.ImageIndex;
            BtnMDIClose.ImageIndex = BtnClose.ImageIndex;
        }
    } else {
        bool big = form_ && (form_->BorderStyle() == bsSingle || form_->BorderStyle() == bsSizeable);
        BtnClose.ImageIndex = Mask(sm, "GLOBALINFO", big ? "BICONCLOSE" : "SICONCLOSE");
        BtnMin.ImageIndex = Mask(sm, "GLOBALINFO", big ? "BICONMIN" : "SICONMIN");
        BtnMax.ImageIndex = Mask(sm, "GLOBALINFO", big ? "BICONMAX" : "SICONMAX");
        BtnHelp.ImageIndex = Mask(sm, "GLOBALINFO", "BICONHELP");
        if (BtnClose.ImageIndex < 0) {
            BtnClose.ImageIndex = Mask(sm, "GLOBALINFO", "BICONCLOSE");
            BtnMin.ImageIndex = Mask(sm, "GLOBALINFO", "BICONMIN");
            BtnMax.ImageIndex = Mask(sm, "GLOBALINFO", "BICONMAX");
            if (mdiMain) {
                BtnMDIMin.ImageIndex = BtnMin.ImageIndex;
                BtnMDIRestore.ImageIndex = BtnMax.ImageIndex;
                BtnMDIClose.ImageIndex = BtnClose.ImageIndex;
            }
        } else if (mdiMain) {
            BtnMDIMin.ImageIndex = Mask(sm, "GLOBALINFO", "SICONMIN");
            BtnMDIRestore.ImageIndex = Mask(sm, "GLOBALINFO", "SICONMAX");
            BtnMDIClose.ImageIndex = Mask(sm, "GLOBALINFO", "SICONCLOSE");
            if (BtnMDIMin.ImageIndex < 0) BtnMDIMin.ImageIndex = BtnMin.ImageIndex;
            if (BtnMDIRestore.ImageIndex < 0) BtnMDIRestore.ImageIndex = BtnMax.ImageIndex;
            if (BtnMDIClose.ImageIndex < 0) BtnMDIClose.ImageIndex = BtnClose.ImageIndex;
        }
    }
    UserButtonImage = Mask(sm, "GLOBALINFO", "TITLEBUTTON");
}

// --- the cache ----------------------------------------------------------------------

void TsSkinProvider::TakeTitleButtonsStrip() {
    TBitmap* cache = FrameCache();
    int w = ButtonsWidth() + BorderWidth(), h = TopAreaHeight();
    if (!cache || w <= 0 || h <= 0) return;
    stripBmp_.reset(CreateBmp24(w, h));
    CopyRectPixels(stripBmp_.get(), 0, 0, cache, RECT{FormWidth() - w - 1, 0, FormWidth() - 1, h});
}

void TsSkinProvider::PaintAll() {
    if (!form_ || Creating()) return;
    TsSkinManager* sm = skinData_->GetSkinManager();
    bool minimized = form_->WindowState() == wsMinimized;
    RECT frame{0, 0, FormWidth(), minimized ? BorderHeight() + CaptionHeight() + 1 : FormHeight()};
    if (skinData_->BGChanged && sm && frame.right > 0 && frame.bottom > 0) {
        TBitmap* cache = FrameCache();
        bool caption = HasCaption();
        bool reserved = sm->IsValidSkinIndex(skinData_->SkinIndex) && sm->gd[std::size_t(skinData_->SkinIndex)].ReservedBoolean;
        if (!fullRepaint_ && reserved && titleCache_ && titleCache_->Width() == FormWidth() && cache &&
            cache->Height() == FormHeight() && caption) {
            CopyRectPixels(cache, 0, 0, titleCache_.get(), RECT{0, 0, titleCache_->Width(), titleCache_->Height()});
            PaintCaption(FillCacheInfo(cache, 0, 0), RECT{0, 0, titleCache_->Width(), titleCache_->Height()});
        } else {
            regionChanged_ = true;
            skinData_->UpdateCacheBitmap();
            cache = FrameCache();
            cache->SetSize(frame.right, frame.bottom);
            if (sm->IsValidSkinIndex(skinData_->SkinIndex)) {
                int state = formActive_ ? 1 : 0;
                TCacheInfo none = EmptyCacheInfo();
                if (caption) PaintSkinControl(skinData_.get(), none, true, false, cache, POINT{0, 0}, frame, state);
                else
                    PaintItemBackgroundFast(skinData_->SkinIndex, -1, -1, sm, cache, POINT{0, 0}, frame, 0, none,
                                            skinData_->SkinSection());
                if (gripMode_ == gmRightBottom) {
                    int g = Mask(sm, "GLOBALINFO", "GRIPIMAGE");
                    if (sm->IsValidImgIndex(g)) {
                        const TsMaskData& md = sm->ma[std::size_t(g)];
                        int gw = md.R.Width() / std::max(1, md.ImageCount), gh = md.R.Height() / (md.MaskType + 1);
                        PaintMaskedGlyph(cache, POINT{frame.right - gw - BorderWidth(), frame.bottom - gh - BorderHeight()},
                                         0, md, 1);
                    }
                }
                int titleRows = BorderHeight() + CaptionHeight();
                if (reserved && (!titleCache_ || titleCache_->Width() != FormWidth())) {
                    titleCache_.reset(CreateBmp24(FormWidth(), std::max(titleRows, 1)));
                    CopyRectPixels(titleCache_.get(), 0, 0, cache, RECT{0, 0, FormWidth(), titleRows});
                }
                if (caption) {
                    RECT title{0, 0, frame.right, minimized ? frame.bottom : titleRows};
                    PaintCaption(FillCacheInfo(cache, 0, 0), title);
                }
                PaintMenuLine(frame);
                if (mdiForm_ && form_->ClientHandle()) {
                    int s = sm->GetSectionIndex("MDIAREA");
                    if (s >= 0) {
                        RECT c, w;
                        GetWindowRect(form_->ClientHandle(), &c);
                        GetWindowRect(form_->Handle(), &w);
                        OffsetRect(&c, -w.left, -w.top);
                        PaintSkinItem(s, "MDIAREA", FillCacheInfo(cache, 0, 0), -1, -1, sm, cache, POINT{0, 0}, c, 0, true);
                    }
                }
            }
            fullRepaint_ = false;
        }
    }
    framePainted_ = true;
    skinData_->BGChanged = false;
    skinData_->Updating = false;
}

// The title bar of the cache: the title section, the icon, the title-bar
// picture behind the buttons, then the buttons and the text.
void TsSkinProvider::PaintCaption(const TCacheInfo& ci, const RECT& r) {
    TsSkinManager* sm = skinData_->GetSkinManager();
    TBitmap* cache = FrameCache();
    if (!sm || !cache) return;
    int state = formActive_ ? 1 : 0;
    std::string title = titleSkin_.empty() ? "FORMTITLE" : titleSkin_;
    int t = sm->GetSectionIndex(title);
    if (t >= 0) PaintSkinItem(t, title, ci, -1, -1, sm, cache, POINT{0, 0}, r, state, true);
    PaintIcon();
    int bar = sm->IsValidSkinIndex(skinData_->SkinIndex)
                  ? sm->GetMaskIndex(skinData_->SkinIndex, skinData_->SkinSection(), "TITLEBAR")
                  : -1;
    if (SystemButtonCount() > 0 && sm->IsValidImgIndex(bar)) {
        const TsMaskData& md = sm->ma[std::size_t(bar)];
        int imageWidth = md.Bmp ? md.Bmp->Width() * 2 / 9 : md.R.Width() / std::max(1, md.ImageCount) * 2 / 3;
        int w = imageWidth + ButtonsWidth();
        PaintMaskedBorder(cache, RECT{r.right - w, 0, r.right, r.bottom}, true, false, state, md, ci);
    }
    TakeTitleButtonsStrip();
    PlaceTitleButtons();
    PaintTitleButtons();
    PaintTextAndButtons(r, r.top, r.bottom);
}

void TsSkinProvider::PaintTextAndButtons(const RECT& frame, int textTop, int textBottom) {
    TsSkinManager* sm = skinData_->GetSkinManager();
    TBitmap* cache = FrameCache();
    std::string title = titleSkin_.empty() ? "FORMTITLE" : titleSkin_;
    int t = sm->GetSectionIndex(title);
    if (t < 0) return;
    TCanvas* c = cache->Canvas();
    c->Font()->Assign(form_->Font());
    int h = GetCaptionFontHeight();
    if (h) c->Font()->SetHeight(h);
    auto style = c->Font()->Style();
    style.Include(fsBold);
    c->Font()->SetStyle(style);
    RECT icon = IconRect();
    int width = frame.right - icon.right - ButtonsWidth() - 6;
    std::string text = CutTextToWidth(c, form_->Caption(), width);
    RECT r{(IconShown() ? IconWidth() : 0) + BorderWidth() + 4, textTop == 0 ? BorderHeight() : textTop,
           frame.right - ButtonsWidth() - 6, textTop == 0 ? CaptionHeight() : textBottom};
    if (text.empty() || r.right <= r.left) return;
    UINT flags = GetTextAlignFlags(form_, captionAlignment_) | DT_SINGLELINE | DT_NOPREFIX;
    WriteSkinnedText(c, text, form_->Enabled(), sm, formActive_, t, flags, r);
}

void TsSkinProvider::PaintMenuLine(const RECT& frame) {
    TsSkinManager* sm = skinData_->GetSkinManager();
    TBitmap* cache = FrameCache();
    if (!form_->Menu() || !MenuVisible() || MenuLineHeight() <= 0) return;
    std::string name = !menuLineSkin_.empty() && sm->GetSectionIndex(menuLineSkin_) >= 0 ? menuLineSkin_ : "MENULINE";
    int s = sm->GetSectionIndex(name);
    int top = BorderHeight() + CaptionHeight();
    int rows = MenuLineRows();
    RECT line{0, top, cache->Width(), top + rows * MenuLineHeight()};
    if (s >= 0) PaintSkinItem(s, name, FillCacheInfo(cache, 0, 0), -1, -1, sm, cache, POINT{0, 0}, line, 0, true);
    menuLineBmp_.reset(CreateBmp24(FormWidth(), std::max(1, rows * MenuLineHeight())));
    CopyRectPixels(menuLineBmp_.get(), 0, 0, cache, RECT{0, top, FormWidth(), line.bottom});
    if (!form_->HandleAllocated()) return;
    HMENU bar = GetMenu(form_->Handle());
    barHilite_.assign(std::size_t(std::max(0, GetMenuItemCount(bar))), false);
    int x = BorderWidth(), y = top, limit = FormWidth() - 2 * BorderWidth();
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        TMenuItem* item = TMenuItem::FromData(GetMenuItemData(bar, UINT(i), MF_BYPOSITION));
        if (!item || !item->Visible() || !item->OnAdvancedDrawItem || !item->OnMeasureItem) continue;
        RECT ir;
        if (!GetMenuItemRect(form_->Handle(), bar, UINT(i), &ir)) continue;
        int w = ir.Width();
        if (x + w > limit && x > BorderWidth()) {
            x = BorderWidth();
            y += MenuLineHeight();
        }
        RECT at{x, y, x + w, y + MenuLineHeight()};
        bool hot = (GetMenuState(bar, UINT(i), MF_BYPOSITION) & MF_HILITE) != 0;
        barHilite_[std::size_t(i)] = hot;
        item->OnAdvancedDrawItem(item, cache->Canvas(), at, hot ? ODS_SELECTED : 0);
        x += w;
    }
    (void)frame;
}

// --- title buttons -----------------------------------------------------------------

namespace {

// Paints one state of a button image into the cache at the button's place.
void PaintButtonImage(TsSkinManager* sm, TBitmap* cache, int image, const TsCaptionButton& b, int mode) {
    if (!sm->IsValidImgIndex(image) || b.Rect.right <= b.Rect.left) return;
    PaintMaskedGlyph(cache, POINT{b.Rect.left, b.Rect.top}, b.State, sm->ma[std::size_t(image)], mode);
}

// A user button's glyph, centred, without the colour of its bottom-left pixel.
void PaintUserGlyph(TBitmap* cache, TsTitleButton* b, int buttonWidth, int buttonHeight, int shift) {
    TBitmap* g = b->Glyph();
    if (!g || g->Empty()) return;
    std::unique_ptr<TBitmap> bmp(CreateBmp24(g->Width(), g->Height()));
    bmp->Canvas()->Draw(0, 0, g);
    TacFast24 px;
    if (!px.Attach(bmp.get())) return;
    TColor key = px.Pixel(0, g->Height() - 1);
    int x = b->Data.Rect.left + (buttonWidth - g->Width()) / 2 + shift;
    int y = b->Data.Rect.top + (buttonHeight - g->Height()) / 2 + shift;
    CopyBitmapKeyed(cache, bmp.get(), x, key, y);
}

} // namespace

void TsSkinProvider::PaintTitleButtons() {
    TsSkinManager* sm = skinData_->GetSkinManager();
    TBitmap* cache = FrameCache();
    if (!sm || !cache || !systemMenu_) return;
    auto mode = [&](bool enabled) { return formActive_ && enabled ? 1 : 2; };
    int normal = Mask(sm, "GLOBALINFO", "BICONNORM");
    if (normal < 0 && sm->IsValidSkinIndex(skinData_->SkinIndex))
        normal = sm->GetMaskIndex(skinData_->SkinIndex, skinData_->SkinSection(), "BICONNORM");
    if (form_->BorderIcons().Contains(biSystemMenu)) {
        if (systemMenu_->VisibleClose()) PaintButtonImage(sm, cache, BtnClose.ImageIndex, BtnClose, mode(true));
        if (systemMenu_->VisibleMax()) {
            if (form_->WindowState() == wsMaximized)
                PaintButtonImage(sm, cache, normal, BtnMax, mode(systemMenu_->EnabledRestore()));
            else PaintButtonImage(sm, cache, BtnMax.ImageIndex, BtnMax, mode(systemMenu_->EnabledMax()));
        }
        if (systemMenu_->VisibleMin()) {
            if (form_->WindowState() == wsMinimized)
                PaintButtonImage(sm, cache, normal, BtnMin, mode(systemMenu_->EnabledRestore()));
            else PaintButtonImage(sm, cache, BtnMin.ImageIndex, BtnMin, mode(systemMenu_->EnabledMin()));
        }
        if (form_->BorderIcons().Contains(biHelp)) PaintButtonImage(sm, cache, BtnHelp.ImageIndex, BtnHelp, mode(true));
    }
    int userImage = UserButtonImage;
    if (userImage < 0 && sm->IsValidSkinIndex(skinData_->SkinIndex))
        userImage = sm->GetMaskIndex(skinData_->SkinIndex, skinData_->SkinSection(), "TITLEBUTTON");
    for (int i = 0; i < titleButtons_->Count(); ++i) {
        TsTitleButton* b = titleButtons_->Items(i);
        if (b->UseSkinData()) PaintButtonImage(sm, cache, userImage, b->Data, mode(b->Enabled()));
        PaintUserGlyph(cache, b, UserButtonWidth(b), TitleButtonHeight(), 0);
    }
    if (MDIButtonsShown()) {
        TCustomForm* child = form_->ActiveMDIChild();
        TsSkinProvider* cp = GetFormSkinProvider(child);
        bool minEnabled = !cp || !cp->systemMenu_ || cp->systemMenu_->EnabledMin();
        bool restoreEnabled = !cp || !cp->systemMenu_ || cp->systemMenu_->EnabledRestore();
        PaintButtonImage(sm, cache, BtnMDIMin.ImageIndex, BtnMDIMin, mode(minEnabled));
        int restore = sm->IsValidSkinIndex(skinData_->SkinIndex)
                          ? sm->GetMaskIndex(skinData_->SkinIndex, skinData_->SkinSection(), "SICONNORM")
                          : -1;
        if (restore < 0) restore = Mask(sm, "FORM", "BICONNORM");
        PaintButtonImage(sm, cache, restore, BtnMDIRestore, mode(restoreEnabled));
        PaintButtonImage(sm, cache, BtnMDIClose.ImageIndex, BtnMDIClose, mode(true));
    }
}

void TsSkinProvider::RepaintTitleButton(int code) {
    TsCaptionButton* b = ButtonOf(code);
    TsSkinManager* sm = skinData_->GetSkinManager();
    TBitmap* cache = FrameCache();
    if (!b || !sm || !cache || !systemMenu_ || b->Rect.right <= b->Rect.left) return;
    if (b->Rect.left <= IconRect().right) return;
    if (stripBmp_) {
        int stripX = FormWidth() - stripBmp_->Width() - 1;
        CopyRectPixels(cache, b->Rect.left, b->Rect.top, stripBmp_.get(),
                       RECT{b->Rect.left - stripX, b->Rect.top, b->Rect.right - stripX, b->Rect.bottom});
    }
    bool minimized = form_->WindowState() == wsMinimized;
    int image = b->ImageIndex;
    bool enabled = true;
    if (code == tbMaximize && form_->WindowState() == wsMaximized) {
        image = Mask(sm, "GLOBALINFO", "BICONNORM");
    } else if (code == tbMDIRestore) {
        TCustomForm* child = form_->ActiveMDIChild();
        if (child && child->WindowState() == wsMaximized) image = Mask(sm, "GLOBALINFO", "SICONNORM");
        TsSkinProvider* cp = GetFormSkinProvider(child);
        enabled = !cp || !cp->systemMenu_ || cp->systemMenu_->EnabledRestore();
    } else if (code == tbMDIMinimize) {
        TsSkinProvider* cp = GetFormSkinProvider(form_->ActiveMDIChild());
        if (cp && cp->systemMenu_ && !cp->systemMenu_->EnabledMin()) image = -1;
    } else if (minimized && code == tbMinimize) {
        image = Mask(sm, "GLOBALINFO", "BICONNORM");
    } else if (minimized && code == tbMaximize) {
        image = Mask(sm, "GLOBALINFO", "BICONMAX");
        if (image < 0) image = sm->GetMaskIndex(skinData_->SkinIndex, skinData_->SkinSection(), "BICONMAX");
        enabled = systemMenu_->EnabledMax();
    }
    if (code == tbMaximize && !minimized)
        enabled = form_->WindowState() == wsMaximized ? systemMenu_->EnabledRestore() : systemMenu_->EnabledMax();
    if (code == tbMinimize && !minimized) enabled = systemMenu_->EnabledMin();
    if (code >= tbUser) {
        TsTitleButton* u = titleButtons_->Items(code - tbUser);
        if (u->UseSkinData()) PaintButtonImage(sm, cache, image, *b, b->State == 0 && !formActive_ ? 2 : 1);
        PaintUserGlyph(cache, u, UserButtonWidth(u), TitleButtonHeight(), b->State == 2 ? 1 : 0);
    } else {
        PaintButtonImage(sm, cache, image, *b, !enabled || (b->State == 0 && !formActive_) ? 2 : 1);
    }
    if (!form_->HandleAllocated() || !IsWindowVisible(form_->Handle())) return;
    HDC dc = GetWindowDC(form_->Handle());
    Blit(dc, b->Rect, cache, b->Rect.left, b->Rect.top);
    ReleaseDC(form_->Handle(), dc);
}

void TsSkinProvider::PaintIcon() {
    if (!IconShown() || !FrameCache()) return;
    TCanvas* c = FrameCache()->Canvas();
    RECT r = IconRect();
    TBitmap* glyph = titleIcon_->Glyph();
    if (glyph && !glyph->Empty()) {
        int size = IconSizeForCaption(TopAreaHeight() - 2);
        int w = titleIcon_->Width() ? titleIcon_->Width() : size, h = titleIcon_->Height() ? titleIcon_->Height() : size;
        std::unique_ptr<TBitmap> g(CreateBmp24(w, h));
        g->Canvas()->StretchDraw(RECT{0, 0, w, h}, glyph);
        CopyBitmapKeyed(FrameCache(), g.get(), r.left, clSkinKey, r.top);
        return;
    }
    TIcon* icon = !form_->Icon()->Empty() ? form_->Icon() : Application && !Application->Icon()->Empty() ? Application->Icon() : nullptr;
    if (icon && r.right > r.left) icon->Draw(c, r);
}

// --- the menu line -----------------------------------------------------------------

void TsSkinProvider::PaintMenuItem(TMenuItem* item, const RECT& r, UINT state) {
    TBitmap* cache = FrameCache();
    if (!item || !cache || !form_->Menu() || !MenuVisible() || !item->OnAdvancedDrawItem) return;
    if (item->GetParentMenu() != form_->Menu()) return;
    item->OnAdvancedDrawItem(item, cache->Canvas(), r, state);
    if (!form_->HandleAllocated() || !IsWindowVisible(form_->Handle())) return;
    HDC dc = GetWindowDC(form_->Handle());
    Blit(dc, r, cache, r.left, r.top);
    ReleaseDC(form_->Handle(), dc);
}

// The menu loop marks the bar item it highlights and asks for the frame; the
// items whose mark changed since the cache was drawn are drawn again.
void TsSkinProvider::RepaintChangedMenuItems(HDC dc) {
    if (!form_->Menu() || !MenuVisible() || !form_->HandleAllocated()) return;
    HMENU bar = GetMenu(form_->Handle());
    int n = GetMenuItemCount(bar);
    if (n <= 0 || std::size_t(n) != barHilite_.size()) return;
    TBitmap* cache = FrameCache();
    int top = BorderHeight() + CaptionHeight();
    int x = BorderWidth(), y = top, limit = FormWidth() - 2 * BorderWidth();
    for (int i = 0; i < n; ++i) {
        TMenuItem* item = TMenuItem::FromData(GetMenuItemData(bar, UINT(i), MF_BYPOSITION));
        if (!item || !item->Visible() || !item->OnAdvancedDrawItem || !item->OnMeasureItem) continue;
        RECT ir;
        if (!GetMenuItemRect(form_->Handle(), bar, UINT(i), &ir)) continue;
        int w = ir.Width();
        if (x + w > limit && x > BorderWidth()) {
            x = BorderWidth();
            y += MenuLineHeight();
        }
        RECT at{x, y, x + w, y + MenuLineHeight()};
        x += w;
        bool hot = (GetMenuState(bar, UINT(i), MF_BYPOSITION) & MF_HILITE) != 0;
        if (hot == barHilite_[std::size_t(i)]) continue;
        barHilite_[std::size_t(i)] = hot;
        if (menuLineBmp_) CopyRectPixels(cache, at.left, at.top, menuLineBmp_.get(), RECT{at.left, at.top - top, at.right, at.bottom - top});
        item->OnAdvancedDrawItem(item, cache->Canvas(), at, hot ? ODS_SELECTED : 0);
        Blit(dc, at, cache, at.left, at.top);
    }
}

// --- on the window ------------------------------------------------------------------

void TsSkinProvider::PaintCachedFrame(HDC dc) {
    if (skinData_->BGChanged) {
        if (!framePainted_) firstPaint_ = true;
        PaintAll();
    }
    TBitmap* cache = FrameCache();
    if (!cache || !dc) return;
    int w = FormWidth(), h = cache->Height(), top = TopAreaHeight();
    int bw = BorderWidth(), bh = BorderHeight();
    Blit(dc, RECT{0, 0, w, std::min(top, h)}, cache, 0, 0);
    if (form_->WindowState() == wsMinimized) return;
    Blit(dc, RECT{0, top, bw, h - bh}, cache, 0, top);
    Blit(dc, RECT{w - bw, top, w, h - bh}, cache, w - bw, top);
    Blit(dc, RECT{0, h - bh, w, h}, cache, 0, h - bh);
}

void TsSkinProvider::PaintForm(HDC dc, bool repaintChildren) {
    if (linkPainting_ || !dc) return;
    TControl* only = skinData_->PaintOnlyChild;
    if (only && only->Parent() == form_) {
        TFlagGuard painting(linkPainting_);
        skinData_->ChildPainting = true;
        int saved = SaveDC(dc);
        POINT org;
        GetViewportOrgEx(dc, &org);
        SetViewportOrgEx(dc, org.x + only->Left(), org.y + only->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, only->Width(), only->Height());
        if (only->ControlStyle().Contains(csOpaque)) {
            only->Perform(WM_PAINT, WPARAM(dc), 0);
        } else {
            std::unique_ptr<TBitmap> bmp(CreateBmp24(only->Width(), only->Height()));
            if (FrameCache())
                CopyRectPixels(bmp.get(), 0, 0, FrameCache(),
                               RECT{only->Left() + ClientOffsetX(), only->Top() + ClientOffsetY(),
                                    only->Left() + ClientOffsetX() + only->Width(), only->Top() + ClientOffsetY() + only->Height()});
            only->Perform(WM_PAINT, WPARAM(bmp->Canvas()->Handle()), 0);
            BitBlt(dc, 0, 0, bmp->Width(), bmp->Height(), bmp->Canvas()->Handle(), 0, 0, SRCCOPY);
        }
        RestoreDC(dc, saved);
        skinData_->ChildPainting = false;
        skinData_->PaintOnlyChild = nullptr;
        return;
    }
    if (!skinData_->ExternalPaint) PaintAll();
    TBitmap* cache = FrameCache();
    if (!cache) return;
    RECT client{0, 0, form_->ClientWidth(), form_->ClientHeight()};
    PaintCachedArea(form_, cache, POINT{BorderWidth(), ClientOffsetY()}, dc, client);
    {
        TFlagGuard painting(linkPainting_);
        PaintParentBackground(dc, form_, POINT{0, 0});
    }
    if (repaintChildren) {
        RepaintChildControls(form_);
        if (adapter_) {
            Message m{SM_ALPHACMD, SkinCommand(SKCMD_PARENT_REPAINTED), 0, 0};
            adapter_->SendToItems(m);
        }
    }
    firstPaint_ = false;
}

void TsSkinProvider::NCPaint(Message& msg) {
    msg.Result = 0;
    bool visible = form_->HandleAllocated() && form_->Visible() && IsWindowVisible(form_->Handle());
    skinData_->Updating = skinData_->IsUpdating();
    if (inAnimation_ || !visible || Loading() || Creating() || Destroying() || skinData_->Updating) return;
    if (form_->FormStyle() == fsMDIChild && ProviderState.MaximizedChild && ProviderState.MaximizedChild != this)
        return;
    bool thick = (GetWindowLong(form_->Handle(), GWL_STYLE) & WS_THICKFRAME) != 0;
    if (regionChanged_ && !inRegionUpdate_ && (HasBorder() || thick)) {
        BuildBorderRegionData();
        regionChanged_ = false;
        UpdateWindowRegion(true);
    }
    if (!menuOwnerDrawSet_) {
        menuOwnerDrawSet_ = true;
        SetMenuPainterOwnerDraw();
    }
    HDC dc = GetWindowDC(form_->Handle());
    int saved = SaveDC(dc);
    if (HasBorder() || !thick) {
        PaintCachedFrame(dc);
        RepaintChangedMenuItems(dc);
    } else {
        if (skinData_->BGChanged) PaintAll();
        TBitmap* cache = FrameCache();
        int t = 3, w = FormWidth(), h = FormHeight();
        if (cache) {
            Blit(dc, RECT{0, 0, w, t}, cache, 0, 0);
            Blit(dc, RECT{0, t, t, h}, cache, 0, t);
            Blit(dc, RECT{t, h - t, w - t, h}, cache, t, h - t);
            Blit(dc, RECT{w - t, t, w, h}, cache, w - t, t);
        }
    }
    RestoreDC(dc, saved);
    ReleaseDC(form_->Handle(), dc);
    inRegionUpdate_ = false;
    if (mdiForm_) mdiForm_->Update();
}

void TsSkinProvider::Print(Message& msg) {
    HDC dc = reinterpret_cast<HDC>(msg.WParam);
    if (!dc || inAnimation_ || Loading() || Creating() || Destroying()) return;
    int saved = SaveDC(dc);
    PaintCachedFrame(dc);
    POINT org;
    GetViewportOrgEx(dc, &org);
    SetViewportOrgEx(dc, org.x + ClientOffsetX(), org.y + ClientOffsetY(), nullptr);
    IntersectClipRect(dc, 0, 0, form_->ClientWidth(), form_->ClientHeight());
    PaintForm(dc, true);
    if (form_->OnPaint) {
        TCanvas* c = form_->Canvas();
        c->Lock();
        c->SetHandle(dc);
        form_->OnPaint(form_);
        c->SetHandle(nullptr);
        c->Unlock();
    }
    RestoreDC(dc, saved);
}

void TsSkinProvider::Paint(Message& msg) {
    msg.Result = 1;
    bool visible = form_->HandleAllocated() && form_->Visible();
    if (!visible || Creating()) return CallOld(msg);
    PAINTSTRUCT ps;
    HDC dc = msg.WParam ? reinterpret_cast<HDC>(msg.WParam) : BeginPaint(form_->Handle(), &ps);
    auto alive = Alive();
    bool otherMaximized = form_->FormStyle() == fsMDIChild && ProviderState.MaximizedChild &&
                          ProviderState.MaximizedChild != this;
    TCanvas* c = form_->Canvas();
    c->Lock();
    try {
        if (!skinData_->Updating && !inAnimation_ && !Destroying() && !otherMaximized) PaintForm(dc, true);
        if (*alive && form_->OnPaint) {
            c->SetHandle(dc);
            form_->OnPaint(form_);
            c->SetHandle(nullptr);
        }
    } catch (...) {
        if (*alive) {
            c->SetHandle(nullptr);
            c->Unlock();
        }
        if (!msg.WParam) EndPaint(form_ ? form_->WindowHandle() : nullptr, &ps);
        throw;
    }
    if (!*alive) return;
    c->Unlock();
    if (!msg.WParam) EndPaint(form_->Handle(), &ps);
    if (ProviderState.MaximizeNextChild && form_->FormStyle() == fsMDIChild) {
        ProviderState.MaximizeNextChild = false;
        ProviderState.MaximizedChild = this;
        form_->SetWindowState(wsMaximized);
    }
}

void TsSkinProvider::NCActivate(Message& msg) {
    auto alive = Alive();
    CallOld(msg);
    if (!*alive) return;
    msg.Result = 1;
    if (form_->FormStyle() == fsMDIChild && form_->Visible() && form_->FormState().Contains(fsCreatedMDIChild) &&
        form_->FormState().Contains(fsShowing)) {
        TsSkinProvider* main = ProviderState.MDIMain;
        if (Live(main) && main->mdiForm_) {
            main->skinData_->BGChanged = true;
            main->menuRows_ = -1;
            main->mdiForm_->UpdateMDIMenu();
            SendMessage(main->form_->Handle(), WM_NCPAINT, 1, 0);
            if (main->form_->ClientHandle()) SendMessage(main->form_->ClientHandle(), WM_NCPAINT, 1, 0);
        }
    }
    if (Creating()) return;
    if (HasBorder()) {
        bool active = msg.WParam != 0;
        if (MDIButtonsShown()) active = active || (form_->ActiveMDIChild() && form_->ActiveMDIChild()->Active());
        if (active != formActive_) {
            formActive_ = active;
            menuRows_ = -1;
        }
        skinData_->BGChanged = true;
    }
    if (form_->HandleAllocated()) SendMessage(form_->Handle(), WM_NCPAINT, 1, 0);
    if (!*alive) return;
    if (form_->FormStyle() == fsMDIChild) {
        skinData_->BGChanged = true;
        SendMessage(form_->Handle(), WM_NCPAINT, 1, 0);
    }
    SetMenuPainterOwnerDraw();
    if (form_->BorderStyle() == bsNone)
        for (int i = 0; i < form_->ControlCount(); ++i)
            if (form_->Controls(i)->Align() == alClient) {
                InvalidateRect(form_->Handle(), nullptr, FALSE);
                break;
            }
}

// The form's menu is drawn by the skin while the form is skinned.
void TsSkinProvider::SetMenuPainterOwnerDraw() {
    TsSkinManager* sm = skinData_->GetSkinManager();
    TMainMenu* menu = form_ ? form_->Menu() : nullptr;
    if (!sm || !menu) return;
    bool skinned = skinData_->Skinned() && sm->SkinData.Active;
    TsSkinableMenus* painter = sm->SkinableMenus();
    painter->HookMainMenu(menu, skinned);
    for (int i = 0; i < menu->Items()->Count(); ++i) painter->HookMenu(menu->Items()->Items(i), skinned);
}

} // namespace tv
