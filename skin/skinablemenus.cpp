#include "skin/skinablemenus.h"

#include <algorithm>
#include <map>

#include "core/scopeguards.h"
#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "framework/ui/imagelist.h"
#include "framework/ui/menus.h"
#include "framework/ui/picture.h"
#include "framework/ui/screen.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/raster.h"
#include "platform/gdi/text.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/window.h"
#include "skin/blending.h"
#include "skin/controlpaint.h"
#include "skin/elementpaint.h"
#include "skin/imagepaint.h"
#include "skin/skinmanager.h"
#include "skin/skinprovider.h"
#include "skin/skinutils.h"

namespace tv {

using namespace win;

namespace {

// The menu being shown: its picture and the extra line's data.
std::unique_ptr<TBitmap> g_cache;
TMenuItem* g_cachedFirst = nullptr;
bool g_extraFetched = false, g_extraFetching = false, g_extraVisible = false;
std::string g_extraSection = "EXTRALINE", g_extraCaption;
std::unique_ptr<TBitmap> g_extraGlyph;
int g_iconLineWidth = 0;
TsMenuItemType g_currentType = smNormal;
// The procedures of the menu windows whose frame the skin paints.
std::map<HWND, WNDPROC> g_menuWindows;

const char* kDefaultExtraCaption = "Don`t forget OnGetExtraLineData event...";

// The handlers are told apart from the application's by their types.
struct DrawHandler {
    TsSkinableMenus* owner;
    bool bar;
    void operator()(TObject* s, TCanvas* c, RECT r, UINT st) const {
        if (bar) owner->DrawMainMenuItem(s, c, r, st);
        else owner->DrawItem(s, c, r, st);
    }
};
struct MeasureHandler {
    TsSkinableMenus* owner;
    bool bar;
    void operator()(TObject* s, TCanvas* c, int& w, int& h) const {
        if (bar) owner->MeasureMainMenuItem(s, c, w, h);
        else owner->MeasureItem(s, c, w, h);
    }
};

TsMenuItemType TypeOf(const TMenuItem* item) {
    const std::string& c = item->Caption();
    if (c == "-") return smDivider;
    if (c.size() >= 2 && c.front() == '-' && c.back() == '-') return smCaption;
    return smNormal;
}

TMenuItem* FirstOf(TMenuItem* item) {
    TMenuItem* p = item ? item->Parent() : nullptr;
    return p && p->Count() > 0 ? p->Items(0) : item;
}

// Whether an item from the menu's first to `item` starts a new column.
bool BreakBefore(TMenuItem* item) {
    TMenuItem* p = item->Parent();
    if (!p) return false;
    for (int i = 0; i < p->Count(); ++i) {
        if (p->Items(i)->Break() != mbNone) return true;
        if (p->Items(i) == item) break;
    }
    return false;
}

void UseMenuFont(TCanvas* c) {
    if (Screen) c->Font()->Assign(Screen->MenuFont());
}

std::string ShortcutText(TMenuItem* item) { return item->ShortCut() ? ShortCutToText(item->ShortCut()) : std::string(); }

int TextWidthOf(TCanvas* c, const std::string& text) {
    RECT r{0, 0, 0, 0};
    c->DrawText(text, r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    return r.Width();
}

LRESULT MenuWindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto it = g_menuWindows.find(wnd);
    WNDPROC old = it != g_menuWindows.end() ? it->second : nullptr;
    switch (msg) {
    case WM_ERASEBKGND:
    case WM_NCPAINT: return 1;
    case WM_DESTROY:
        ResetMenuCache();
        g_menuWindows.erase(wnd);
        if (old) SetWindowProc(wnd, old);
        break;
    default: break;
    }
    return old ? CallWindowProc(old, wnd, msg, wp, lp) : 0;
}

WNDPROC MenuWindowEntry() {
    static WNDPROC entry = MakeWindowProc(&MenuWindowProc);
    return entry;
}

void Blit(HDC dst, int x, int y, int w, int h, TBitmap* src, int sx, int sy) {
    if (src && w > 0 && h > 0) BitBlt(dst, x, y, w, h, src->Canvas()->Handle(), sx, sy, SRCCOPY);
}

} // namespace

TBitmap* MenuCacheBitmap() { return g_cache.get(); }

void ResetMenuCache() {
    g_cachedFirst = nullptr;
    g_cache.reset();
    g_extraVisible = false;
    g_extraFetched = false;
}

TsSkinableMenus::TsSkinableMenus(TsSkinManager* manager) : Manager(manager), captionFont_(std::make_unique<TFont>()) {}

TsSkinableMenus::~TsSkinableMenus() {
    Manager = nullptr;
    ResetMenuCache();
}

void TsSkinableMenus::Publish(TPublisher& p) {
    using M = TsSkinableMenus;
    p.Enum("Alignment", &M::Alignment, &M::SetAlignment, TAlignmentInfo);
    p.Integer("BevelWidth", &M::BevelWidth, &M::SetBevelWidth).Default(0);
    p.Integer("BorderWidth", &M::BorderWidth, &M::SetBorderWidth).Default(3);
    p.Object("CaptionFont", &M::CaptionFont, &M::SetCaptionFont);
    p.Integer("SkinBorderWidth", &M::SkinBorderWidth, &M::SetSkinBorderWidth);
    p.Integer("Margin", &M::Margin, &M::SetMargin).Default(3);
    p.Integer("Spacing", &M::Spacing, &M::SetSpacing).Default(6);
}

bool TsSkinableMenus::IsOwnDraw(const std::function<void(TObject*, TCanvas*, RECT, UINT)>& f) {
    return f && f.target<DrawHandler>() != nullptr;
}

bool TsSkinableMenus::IsOwnMeasure(const std::function<void(TObject*, TCanvas*, int&, int&)>& f) {
    return f && f.target<MeasureHandler>() != nullptr;
}

int TsSkinableMenus::SkinBorderWidth() {
    if (skinBorderWidth_ >= 0) return skinBorderWidth_;
    int i = Manager ? Manager->GetMaskIndexByName("MAINMENU", "BORDERSMASK") : -1;
    if (!Manager || !Manager->IsValidImgIndex(i)) skinBorderWidth_ = 0;
    else {
        int w = Manager->ma[std::size_t(i)].BorderWidth;
        skinBorderWidth_ = w > 0 ? w : 3;
    }
    return skinBorderWidth_;
}

int TsSkinableMenus::ExtraLineWidth(bool adjust) {
    if (!Manager || !Manager->MenuSupport()->UseExtraLine() || !g_extraVisible) return 0;
    int w = Manager->MenuSupport()->ExtraLineWidth();
    if (adjust && SkinBorderWidth() < borderWidth_) w += SkinBorderWidth() - borderWidth_;
    return w;
}

void TsSkinableMenus::ImageSize(TMenuItem* item, int& w, int& h) {
    w = h = 16;
    if (!item) return;
    TBitmap* b = item->Bitmap();
    if (b && !b->Empty()) {
        w = b->Width();
        h = b->Height();
        return;
    }
    TMenu* m = item->GetParentMenu();
    if (auto* images = m ? dynamic_cast<TCustomImageList*>(m->Images()) : nullptr) {
        w = images->Width();
        h = images->Height();
    }
}

// --- hooking ------------------------------------------------------------------------

void TsSkinableMenus::SetActive(bool v) {
    if (v != active_) HookAll(v);
}

void TsSkinableMenus::Refresh() { SetActive(Manager && Manager->SkinData.Active); }

void TsSkinableMenus::HookAll(bool flag) {
    active_ = flag;
    if (!Application || (Manager && Manager->ComponentState().Contains(csDesigning))) return;
    bool popups = Manager && Manager->SkinnedPopups();
    std::function<void(TComponent*)> visit = [&](TComponent* c) {
        if (auto* mm = dynamic_cast<TMainMenu*>(c)) {
            HookMainMenu(mm, flag);
            for (int i = 0; i < mm->Items()->Count(); ++i) HookMenu(mm->Items()->Items(i), flag);
        } else if (auto* pm = dynamic_cast<TPopupMenu*>(c)) {
            if (popups) HookPopupMenu(pm, flag);
        } else if (auto* item = dynamic_cast<TMenuItem*>(c)) {
            if (popups && !dynamic_cast<TMainMenu*>(item->GetParentMenu())) HookMenu(item, flag);
        }
        for (int i = 0; i < c->ComponentCount(); ++i) visit(c->Components(i));
    };
    try {
        visit(Application);
    } catch (...) {
        // A menu that fails stops the walk; the others keep what they had.
    }
}

namespace {

void Bind(TMenuItem* it, TsSkinableMenus* owner, bool flag, bool bar, bool replace) {
    if (flag) {
        if (replace || !it->OnAdvancedDrawItem) it->OnAdvancedDrawItem = DrawHandler{owner, bar};
        if (replace || !it->OnMeasureItem) it->OnMeasureItem = MeasureHandler{owner, bar};
    } else {
        if (TsSkinableMenus::IsOwnDraw(it->OnAdvancedDrawItem)) it->OnAdvancedDrawItem = nullptr;
        if (TsSkinableMenus::IsOwnMeasure(it->OnMeasureItem)) it->OnMeasureItem = nullptr;
    }
}

bool TopOfMainMenu(TMenuItem* it) {
    return it->Parent() && !it->Parent()->Parent() && dynamic_cast<TMainMenu*>(it->GetParentMenu());
}

} // namespace

void TsSkinableMenus::HookMenu(TMenuItem* item, bool flag) {
    if (!item) return;
    for (int i = 0; i < item->Count(); ++i) {
        TMenuItem* it = item->Items(i);
        if (!TopOfMainMenu(it)) Bind(it, this, flag, false, false);
        HookMenu(it, flag);
    }
}

void TsSkinableMenus::HookMainMenu(TMainMenu* menu, bool flag) {
    if (!menu) return;
    bool skinned = Manager && Manager->SkinData.Active;
    for (int i = 0; i < menu->Items()->Count(); ++i) {
        TMenuItem* it = menu->Items()->Items(i);
        if (flag) {
            if (skinned) it->OnAdvancedDrawItem = DrawHandler{this, true};
            it->OnMeasureItem = MeasureHandler{this, true};
        } else {
            Bind(it, this, false, true, false);
        }
    }
    if (menu->ComponentState().Contains(csDestroying) || menu->OwnerDraw() == flag) return;
    menu->SetOwnerDraw(flag);
    // The bar takes the items' new drawing at once.
    menu->UpdateItems();
    if (menu->WindowHandle() && IsWindow(menu->WindowHandle())) DrawMenuBar(menu->WindowHandle());
}

void TsSkinableMenus::HookPopupMenu(TPopupMenu* menu, bool flag) {
    if (!menu) return;
    menu->SetOwnerDraw(flag);
    TMenuAnimation a = menu->MenuAnimation();
    if (flag) a.Include(maNone);
    else a.Exclude(maNone);
    menu->SetMenuAnimation(a);
    std::function<void(TMenuItem*)> all = [&](TMenuItem* parent) {
        for (int i = 0; i < parent->Count(); ++i) {
            Bind(parent->Items(i), this, flag, false, false);
            all(parent->Items(i));
        }
    };
    all(menu->Items());
}

void TsSkinableMenus::HookItem(TMenuItem* item, bool flag) {
    if (!item) return;
    if (TMenu* m = item->GetParentMenu()) m->SetOwnerDraw(flag);
    if (!flag) return Bind(item, this, false, false, false);
    if (TopOfMainMenu(item)) Bind(item, this, true, true, true);
    else if (Manager && Manager->SkinnedPopups()) Bind(item, this, true, false, false);
}

// --- the extra line ------------------------------------------------------------------

void TsSkinableMenus::FetchExtraLine(TMenuItem* first) {
    if (g_extraFetched || g_extraFetching) return;
    if (first && first->Name() == "SkinSelectItem") {
        g_extraVisible = false;
        return;
    }
    g_extraFetching = true;
    g_extraSection = "EXTRALINE";
    g_extraGlyph.reset();
    g_extraCaption = kDefaultExtraCaption;
    g_extraVisible = true;
    if (Manager && Manager->OnGetMenuExtraLineData) {
        TBitmap* glyph = nullptr;
        Manager->OnGetMenuExtraLineData(first, g_extraSection, g_extraCaption, glyph, g_extraVisible);
        if (glyph) {
            g_extraGlyph = std::make_unique<TBitmap>();
            g_extraGlyph->Assign(glyph);
        }
    }
    g_extraCaption = RemoveChar(g_extraCaption, '&');
    if (!g_extraVisible) g_extraGlyph.reset();
    g_extraFetched = true;
    g_extraFetching = false;
}

// --- pop-up items ----------------------------------------------------------------------

int TsSkinableMenus::ItemHeight(TCanvas* canvas, TMenuItem* item) {
    UseMenuFont(canvas);
    TsMenuItemType t = TypeOf(item);
    if (t == smDivider) return 2;
    int text = int(1.25 * canvas->TextHeight("W") + 0.5);
    if (t == smCaption) return text + 2 * margin_;
    int iw, ih;
    ImageSize(item, iw, ih);
    return std::max(text, ih) + 2 * margin_;
}

int TsSkinableMenus::MenuHeight(TCanvas* canvas, TMenuItem* item) {
    TMenuItem* p = item ? item->Parent() : nullptr;
    if (!p) return 0;
    int tallest = 0, column = 0;
    for (int i = 0; i < p->Count(); ++i) {
        TMenuItem* it = p->Items(i);
        if (!it->Visible()) continue;
        if (it->Break() != mbNone) column = 0;
        column += ItemHeight(canvas, it);
        tallest = std::max(tallest, column);
    }
    return tallest;
}

int TsSkinableMenus::MenuWidth(TCanvas* canvas, TMenuItem* item) {
    TMenuItem* p = item ? item->Parent() : nullptr;
    if (!p) return 0;
    int total = 0, column = 0;
    for (int i = 0; i < p->Count(); ++i) {
        TMenuItem* it = p->Items(i);
        if (!it->Visible()) continue;
        if (it->Break() != mbNone) {
            total += column + 4;
            column = 0;
        }
        int w = 0, h = 0;
        MeasureItem(it, canvas, w, h);
        column = std::max(column, w + 12);
    }
    return total + column;
}

void TsSkinableMenus::MeasureItem(TObject* sender, TCanvas* canvas, int& width, int& height) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!item || item->ComponentState().Contains(csDestroying)) return;
    TMenuItem* first = FirstOf(item);
    if (first != g_cachedFirst) {
        ResetMenuCache();
        g_cachedFirst = first;
    }
    g_currentType = TypeOf(item);
    FetchExtraLine(first);
    UseMenuFont(canvas);
    int iw, ih;
    ImageSize(item, iw, ih);
    int text = 0;
    if (g_currentType == smCaption) text = canvas->TextWidth("-" + item->Caption() + "-");
    else if (g_currentType == smNormal) text = TextWidthOf(canvas, item->Caption() + ShortcutText(item));
    width = 2 * iw + text + 3 * margin_ + spacing_;
    if (g_extraVisible && !BreakBefore(item)) width += ExtraLineWidth(false);
    height = ItemHeight(canvas, item);
}

void TsSkinableMenus::BuildMenuCache(TMenuItem* first, int width, HWND wnd, int height) {
    if (g_cache && first == g_cachedFirst) return;
    FetchExtraLine(first);
    g_cachedFirst = first;
    g_cache.reset(CreateBmp24(std::max(width, 1), std::max(height, 1)));
    int iw, ih;
    ImageSize(first, iw, ih);
    g_iconLineWidth = margin_ + iw + spacing_;
    TsSkinManager* sm = Manager;
    int menu = sm ? sm->GetSectionIndex("MAINMENU") : -1;
    if (menu < 0) return;
    TCacheInfo none = EmptyCacheInfo();
    PaintSkinItem(menu, "MAINMENU", none, -1, -1, sm, g_cache.get(), POINT{0, 0}, RECT{0, 0, width, height}, 0, true);
    int sbw = SkinBorderWidth();
    int extraSection = sm->GetSectionIndex(g_extraSection);
    if (sm->MenuSupport()->UseExtraLine() && g_extraVisible && extraSection >= 0) {
        int w = sm->MenuSupport()->ExtraLineWidth(), h = height - 2 * sbw;
        std::unique_ptr<TBitmap> band(CreateBmp24(std::max(w, 1), std::max(h, 1)));
        PaintSkinItem(extraSection, g_extraSection, FillCacheInfo(g_cache.get(), sbw, sbw), -1, -1, sm, band.get(),
                      POINT{0, 0}, RECT{0, 0, w, h}, 0, true);
        int kept = 12;
        if (g_extraGlyph && !g_extraGlyph->Empty()) {
            kept = g_extraGlyph->Height() + 20;
            band->Canvas()->Draw((w - g_extraGlyph->Width()) / 2, h - 12 - g_extraGlyph->Height(), g_extraGlyph.get());
        }
        if (!g_extraCaption.empty()) {
            TFont* f = sm->MenuSupport()->ExtraLineFont();
            LOGFONT lf{};
            lf.lfHeight = f->Size() > 0 ? f->Size() : -f->Height();
            lf.lfEscapement = lf.lfOrientation = -2700;
            lf.lfWeight = 400;
            lf.lfItalic = f->Style().Contains(fsItalic);
            lf.lfUnderline = f->Style().Contains(fsUnderline);
            lf.lfStrikeOut = f->Style().Contains(fsStrikeOut);
            lf.lfFaceName = f->Name();
            HDC dc = band->Canvas()->Handle();
            HFONT font = CreateFontIndirect(lf);
            HGDIOBJ old = SelectObject(dc, font);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, ColorToRGB(sm->gd[std::size_t(extraSection)].FontColor[0]));
            SIZE size{};
            GetTextExtentPoint32(dc, g_extraCaption, &size);
            TextOut(dc, (w - size.cy) / 2, h - kept, g_extraCaption);
            SelectObject(dc, old);
            DeleteObject(font);
        }
        CopyRectPixels(g_cache.get(), sbw, sbw, band.get(), RECT{0, 0, w, h});
        g_extraGlyph.reset();
    }
    std::string icoLine = sm->MenuSupport()->IcoLineSkin();
    int ico = icoLine.empty() ? -1 : sm->GetSectionIndex(icoLine);
    if (ico >= 0) {
        int w = g_iconLineWidth, h = height - 2 * sbw;
        int x = ExtraLineWidth(false) + sbw;
        std::unique_ptr<TBitmap> line(CreateBmp24(std::max(w, 1), std::max(h, 1)));
        PaintSkinItem(ico, icoLine, FillCacheInfo(g_cache.get(), x, sbw), -1, -1, sm, line.get(), POINT{0, 0},
                      RECT{0, 0, w, h}, 0, true);
        CopyRectPixels(g_cache.get(), x, sbw, line.get(), RECT{0, 0, w, h});
    }
    RegionRects.clear();
    int border = sm->GetMaskIndexByName("MAINMENU", "BORDERSMASK");
    if (sm->IsValidImgIndex(border)) {
        const TsMaskData& md = sm->ma[std::size_t(border)];
        ParseMaskRegion(RegionRects, width, md, false, 0);
        ParseMaskRegion(RegionRects, width, md, true, height - md.WB);
    }
    if (wnd) PaintPopupFrame(wnd, g_cache.get());
}

void TsSkinableMenus::PaintPopupFrame(HWND wnd, TBitmap* bmp) {
    if (framePainting_ || !wnd || !IsWindow(wnd)) return;
    if (!g_menuWindows.count(wnd)) g_menuWindows[wnd] = SetWindowProc(wnd, MenuWindowEntry());
    if (!bmp) return;
    TFlagGuard painting(framePainting_);
    RECT wr;
    GetWindowRect(wnd, &wr);
    int w = wr.Width(), h = wr.Height();
    if (RegionRects.empty()) {
        HDC dc = GetWindowDC(wnd);
        int left = ExtraLineWidth(false) + 3;
        Blit(dc, 0, 0, left, h, bmp, 0, 0);
        Blit(dc, 3, 0, w - 3, 3, bmp, 3, 0);
        Blit(dc, w - 3, 3, 3, h - 3, bmp, w - 3, 3);
        Blit(dc, 3, h - 3, w - 6, 3, bmp, 3, h - 3);
        ReleaseDC(wnd, dc);
    } else {
        HRGN rgn = CreateRectRgn(0, 0, w, h);
        for (const RECT& r : RegionRects) {
            HRGN cut = CreateRectRgnIndirect(&r);
            CombineRgn(rgn, rgn, cut, RGN_DIFF);
            DeleteObject(cut);
        }
        SetWindowRgn(wnd, rgn, TRUE);
    }
}

void TsSkinableMenus::DrawDivider(TCanvas* canvas, const RECT& r, TBitmap* background, TMenuItem*) {
    TsSkinManager* sm = Manager;
    int image = sm->GetSectionIndex("DIVIDERV") >= 0 ? sm->GetMaskIndexByName("DIVIDERV", "BORDERSMASK")
                                                      : sm->GetMaskIndexByName("TRACKBAR", "SLIDERCHANNEL");
    if (!sm->IsValidImgIndex(image)) {
        RECT box = r;
        int count = 1;
        DrawBevelRect(canvas->Handle(), box, TColor(0xFFFFFF), count, TColor(0x808080));
        return;
    }
    std::unique_ptr<TBitmap> bmp(CreateBmp24(std::max(1, r.Width()), std::max(1, r.Height())));
    if (background)
        CopyRectPixels(bmp.get(), 0, 0, background, RECT{r.left + 3, r.top + 3, r.right + 3, r.bottom + 3});
    int left = ExtraLineWidth(false) + margin_ + spacing_;
    int right = r.Width() - (ExtraLineWidth(false) + 2 * margin_ + spacing_);
    PaintMaskedBorder(bmp.get(), RECT{left, 0, std::max(left, right), r.Height()}, true, false, 0,
                      sm->ma[std::size_t(image)], EmptyCacheInfo());
    Blit(canvas->Handle(), r.left, r.top, r.Width(), r.Height(), bmp.get(), 0, 0);
}

void TsSkinableMenus::DrawItem(TObject* sender, TCanvas* canvas, RECT r, UINT state) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    TsSkinManager* sm = Manager;
    if (!item || !sm || !canvas) return;
    TMenuItem* first = FirstOf(item);
    int firstColumn = g_extraFetched && BreakBefore(item) ? 0 : 1;
    if (first != g_cachedFirst) ResetMenuCache();
    HWND wnd = WindowFromDC(canvas->Handle());
    int W = 0, H = 0;
    if (wnd) {
        RECT wr;
        GetWindowRect(wnd, &wr);
        W = wr.Width();
        H = wr.Height();
    } else {
        W = MenuWidth(canvas, item) + 2 * borderWidth_;
        H = MenuHeight(canvas, item) + 2 * borderWidth_;
    }
    BuildMenuCache(first, W, wnd, H);
    TBitmap* cache = g_cache.get();
    TMenuItem* parent = item->Parent();
    int bw = borderWidth_;
    if (wnd && cache) {
        HDC dc = GetWindowDC(wnd);
        TMenuItem* firstVisible = nullptr;
        TMenuItem* lastVisible = nullptr;
        for (int i = 0; parent && i < parent->Count(); ++i)
            if (parent->Items(i)->Visible()) {
                if (!firstVisible) firstVisible = parent->Items(i);
                lastVisible = parent->Items(i);
            }
        if (item == firstVisible) Blit(dc, 0, 0, W, bw, cache, 0, 0);
        if (item == lastVisible) Blit(dc, 0, H - bw, W, bw, cache, 0, H - bw);
        int leftW = ExtraLineWidth(false) * firstColumn + std::max(SkinBorderWidth(), bw);
        Blit(dc, 0, bw + r.top, leftW, r.Height(), cache, 0, bw + r.top);
        Blit(dc, W - bw, bw + r.top, bw, r.Height(), cache, W - bw, bw + r.top);
        ReleaseDC(wnd, dc);
    } else if (!wnd && Application) {
        MSG pending;
        if (!PeekMessage(&pending, GetApplicationWindow(), 0xBCB3, 0xBCB3, PM_NOREMOVE))
            PostMessage(GetApplicationWindow(), 0xBCB3, 0, LPARAM(item));
    }
    TsMenuItemType type = TypeOf(item);
    g_currentType = type;
    if (type == smDivider) return DrawDivider(canvas, r, cache, item);
    if (type == smCaption) return;
    bool selected = (state & ODS_SELECTED) != 0;
    bool enabled = item->Enabled() && !(state & (ODS_GRAYED | ODS_DISABLED));
    int extra = ExtraLineWidth(true) * firstColumn;
    int index = parent ? parent->IndexOf(item) : -1;
    bool lastItem = parent && index == parent->Count() - 1;
    bool nextBreaks = parent && index + 1 < parent->Count() && parent->Items(index + 1)->Break() != mbNone;
    if (cache && (nextBreaks || (lastItem && r.bottom < cache->Height() - 6))) {
        int below = cache->Height() - 6 - r.bottom;
        if (below > 0) Blit(canvas->Handle(), r.left, r.bottom, r.Width(), below, cache, r.left + 3, r.bottom + 3);
    }
    if (item->Break() != mbNone && cache)
        Blit(canvas->Handle(), r.left - 4, 0, 4, cache->Height() - 6, cache, r.left - 1 + 0, 3);
    int w = std::max(1, r.Width() - extra), h = std::max(1, r.Height());
    // The menu behind the item, which a see-through item section shows.
    std::unique_ptr<TBitmap> behind(CreateBmp24(w, h));
    if (cache)
        CopyRectPixels(behind.get(), 0, 0, cache, RECT{extra + r.left + 3, r.top + 3, extra + r.left + 3 + w, r.top + 3 + h});
    std::unique_ptr<TBitmap> bmp(CreateBmp24(w, h));
    CopyRectPixels(bmp.get(), 0, 0, behind.get(), RECT{0, 0, w, h});
    int menuItem = sm->GetSectionIndex("MENUITEM");
    int hot = selected && enabled ? 1 : 0;
    if (menuItem >= 0)
        PaintSkinItem(menuItem, "MENUITEM", FillCacheInfo(behind.get(), 0, 0), -1, -1, sm, bmp.get(), POINT{0, 0},
                      RECT{0, 0, w, h}, hot, true);
    int iw, ih;
    ImageSize(item, iw, ih);
    if (item->Checked()) {
        int gi = sm->ConstData.IndexGlobalInfo;
        int glyph = gi >= 0 ? sm->GetMaskIndex(gi, "GLOBALINFO", item->RadioItem() ? "RADIOCHECKED" : "CHECK") : -1;
        if (glyph < 0) glyph = sm->ConstData.CheckBoxChecked;
        if (sm->IsValidImgIndex(glyph)) {
            const TsMaskData& md = sm->ma[std::size_t(glyph)];
            int gh = md.R.Height() / (md.MaskType + 1);
            PaintMaskedGlyph(bmp.get(), POINT{margin_, (h - gh) / 2}, hot, md, 1);
        }
    }
    TBitmap* own = item->Bitmap();
    if (own && !own->Empty()) {
        int d = (h - own->Height()) / 2;
        bmp->Canvas()->Draw(d, d, own);
    } else if (TMenu* m = item->GetParentMenu()) {
        if (auto* images = dynamic_cast<TCustomImageList*>(m->Images()); images && item->ImageIndex() >= 0) {
            int d = (h - images->Height()) / 2;
            images->Draw(bmp->Canvas(), d, d, item->ImageIndex(), enabled);
        }
    }
    TCanvas* c = bmp->Canvas();
    UseMenuFont(c);
    if (state & ODS_DEFAULT) {
        auto st = c->Font()->Style();
        st.Include(fsBold);
        c->Font()->SetStyle(st);
    }
    RECT text{iw + 2 * margin_ + spacing_, 0, w, h};
    std::string caption = item->Caption();
    UINT align = alignment_ == taRightJustify ? DT_RIGHT : alignment_ == taCenter ? DT_CENTER : DT_LEFT;
    if (!caption.empty() && caption[0] == '\b') {
        caption = caption.substr(1) + "      ";
        align = DT_RIGHT;
    }
    bool hotText = enabled && (selected || (state & ODS_HOTLIGHT));
    if (menuItem >= 0) {
        RECT t = text;
        WriteSkinnedText(c, caption, enabled, sm, hotText, menuItem,
                         align | DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOCLIP | DT_HIDEPREFIX, t);
        std::string shortcut = ShortcutText(item);
        if (!shortcut.empty()) {
            RECT s{text.Width(), 0, w - 8, h};
            OffsetRect(&s, -ExtraLineWidth(true), 0);
            s.left = std::min(s.left, s.right);
            s.left = std::max(0, int(text.left));
            WriteSkinnedText(c, shortcut, enabled, sm, hotText, menuItem,
                             DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP, s);
        }
    }
    if (OnDrawItem) OnDrawItem(item, c, RECT{0, 0, w, h}, state, smNormal);
    if (!enabled) BlendBitmapRect(bmp.get(), 0, 0, clSkinKey, 0.4, RECT{0, 0, w - 1, h - 1}, behind.get());
    Blit(canvas->Handle(), r.left + extra, r.top, w, h, bmp.get(), 0, 0);
}

// --- the menu bar -----------------------------------------------------------------------

TsSkinProvider* TsSkinableMenus::ProviderOf(TMenuItem* item) {
    if (Application && Application->MainForm())
        if (TsSkinProvider* p = GetFormSkinProvider(Application->MainForm())) return p;
    TMenu* m = item ? item->GetParentMenu() : nullptr;
    auto* form = m ? dynamic_cast<TCustomForm*>(m->Owner()) : nullptr;
    if (!form) form = GetParentFormOf(m);
    return form ? GetFormSkinProvider(form) : nullptr;
}

void TsSkinableMenus::MeasureMainMenuItem(TObject* sender, TCanvas* canvas, int& width, int& height) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!item) return;
    height = GetSystemMetrics(SM_CYMENU) - 1;
    UseMenuFont(canvas);
    width = std::max(width, TextWidthOf(canvas, item->Caption() + ShortcutText(item)));
}

void TsSkinableMenus::DrawMainMenuItem(TObject* sender, TCanvas* canvas, RECT r, UINT state) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    TsSkinManager* sm = Manager;
    if (!item || !sm || !canvas || r.Width() <= 0 || r.Height() <= 0) return;
    TsSkinProvider* p = ProviderOf(item);
    bool enabled = item->Enabled() && !(state & (ODS_GRAYED | ODS_DISABLED));
    bool hot = (state & ODS_HOTLIGHT) || ((state & ODS_SELECTED) && enabled);
    std::unique_ptr<TBitmap> bmp(CreateBmp24(r.Width(), r.Height()));
    TBitmap* frame = p ? p->FrameCache() : nullptr;
    int line = sm->GetSectionIndex("MENULINE");
    // The line under the item: the provider's frame, or, for a form that has
    // no provider, the menu line's own section.
    if (frame) CopyRectPixels(bmp.get(), 0, 0, frame, RECT{r.left, r.top, r.right, r.bottom});
    else if (line >= 0)
        PaintSkinItem(line, "MENULINE", EmptyCacheInfo(), -1, -1, sm, bmp.get(), POINT{0, 0},
                      RECT{0, 0, r.Width(), r.Height()}, 0, true);
    std::unique_ptr<TBitmap> under(CreateBmp24(r.Width(), r.Height()));
    CopyRectPixels(under.get(), 0, 0, bmp.get(), RECT{0, 0, r.Width(), r.Height()});
    int menuItem = sm->GetSectionIndex("MENUITEM");
    if (menuItem >= 0)
        PaintSkinItem(menuItem, "MENUITEM", FillCacheInfo(under.get(), 0, 0), -1, -1, sm, bmp.get(), POINT{0, 0},
                      RECT{0, 0, r.Width(), r.Height()}, hot ? 1 : 0, true);
    TCanvas* c = bmp->Canvas();
    UseMenuFont(c);
    if (state & ODS_DEFAULT) {
        auto st = c->Font()->Style();
        st.Include(fsBold);
        c->Font()->SetStyle(st);
    }
    RECT text{margin_, 0, r.Width() - margin_, r.Height()};
    int section = line >= 0 ? line : menuItem;
    if (section >= 0) {
        RECT t = text;
        WriteSkinnedText(c, item->Caption(), enabled, sm, hot && enabled, section,
                         DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS, t);
        std::string shortcut = ShortcutText(item);
        if (!shortcut.empty()) {
            RECT s{text.Width(), 0, r.Width() - 8, r.Height()};
            WriteSkinnedText(c, shortcut, enabled, sm, hot && enabled, section,
                             DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS, s);
        }
    }
    if (OnDrawItem) OnDrawItem(item, c, RECT{0, 0, r.Width(), r.Height()}, state, smTopLine);
    if (!enabled) {
        TacFastSum24 sum;
        if (sum.Attach(bmp.get(), under.get())) {
            sum.Alpha = 102;
            sum.SrcRect = sum.DstRect = RECT{0, 0, r.Width() - 1, r.Height() - 1};
            sum.BlendRows();
            bmp.swap(under);
        }
    }
    Blit(canvas->Handle(), r.left, r.top, r.Width(), r.Height(), bmp.get(), 0, 0);
}

void TsSkinableMenus::FreeMenuCache() { g_cache.reset(); }

bool TsSkinableMenus::HasMaximizedMDIChild() {
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    if (!main || main->FormStyle() != fsMDIForm || !GetFormSkinProvider(main)) return false;
    TCustomForm* child = main->ActiveMDIChild();
    return child && child->WindowState() == wsMaximized && !child->Icon()->Empty();
}

} // namespace tv
