#include "skin/scrolladapters.h"

#include <algorithm>

#include "framework/ui/forms.h"
#include "framework/ui/picture.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/raster.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/scrollbar.h"
#include "platform/window/styles.h"
#include "skin/blending.h"
#include "skin/commondata.h"
#include "skin/controlpaint.h"
#include "skin/elementpaint.h"
#include "skin/skinmanager.h"
#include "skin/skinmessage.h"
#include "skin/skinutils.h"

namespace tv {

using namespace win;

namespace {

constexpr UINT LB_ADDSTRING_MSG = 0x0180;

int Sub(const Message& msg) { return int(HIWORD(msg.WParam)); }

bool Dying(const TComponent* c) { return !c || c->ComponentState().Contains(csDestroying); }

// The control's cache: its section's background and border, as its parent
// shows through the transparent corners.
void UpdateControlCache(TsCommonData* link, HWND wnd) {
    if (!link || !link->BGChanged) return;
    RECT wr{};
    GetWindowRect(wnd, &wr);
    if (!link->CacheBmp) link->CacheBmp.reset(CreateBmp24(1, 1));
    link->CacheBmp->SetPixelFormat(pf24bit);
    link->CacheBmp->SetSize(wr.Width(), wr.Height());
    TsSkinManager* sm = link->GetSkinManager();
    TControl* c = link->OwnerControl;
    if (sm && sm->IsValidSkinIndex(link->SkinIndex)) {
        TCacheInfo ci = link->GetCacheInfo();
        POINT at = c ? POINT{c->Left(), c->Top()} : POINT{0, 0};
        PaintSkinControl(link, ci, false, false, link->CacheBmp.get(), at, RECT{0, 0, wr.Width(), wr.Height()}, 0);
        FillAllTransparentCorners(link, 0);
    }
    if (c && !c->Enabled()) {
        LRESULT flags = SendAlphaCmd(wnd, SKCMD_GET_EFFECTS, 0);
        if (flags)
            ApplyBitmapEffects(link->CacheBmp.get(), int(flags), c->Parent(), POINT{c->Left(), c->Top()},
                               link->GetCacheInfo());
    }
    link->BGChanged = false;
}

} // namespace

// --- the base adapter --------------------------------------------------------------

TWinControl* TacBaseWnd::Control() const {
    if (auto* w = dynamic_cast<TWinControl*>(SkinData->OwnerControl)) return w;
    return TWinControl::FindControl(Wnd);
}

void TacBaseWnd::WndProc(Message& msg) {
    if (msg.Msg == WM_DESTROY || msg.Msg == WM_NCDESTROY || !SkinData->Skinned()) return TacScrollWnd::WndProc(msg);
    TsSkinManager* sm = SkinData->GetSkinManager();
    bool own = sm && msg.LParam == LPARAM(sm);
    if (msg.Msg == SM_ALPHACMD) {
        switch (Sub(msg)) {
        case SKCMD_SKIN_REMOVED:
            if (own) {
                RestoreControlColors();
                return;
            }
            break;
        case SKCMD_REFRESH:
            if (own) {
                SkinData->UpdateSectionIndexes();
                SkinData->BGChanged = true;
                SendMessage(Wnd, WM_NCPAINT, 1, 0);
                return;
            }
            break;
        case SKCMD_GET_CACHE:
            GlobalCacheInfo = TCacheInfo{SkinData->CacheBmp.get(), 0, 0, SkinData->CacheBmp != nullptr};
            return;
        case SKCMD_REBUILD_CACHE: UpdateControlCache(SkinData, Wnd); return;
        default: break;
        }
    }
    switch (msg.Msg) {
    case WM_SIZE: SkinData->BGChanged = true; break;
    case WM_SETCURSOR: CallWindowProc(OldProc, Wnd, msg); return;
    case 0x2100: return;
    default: break;
    }
    TacScrollWnd::WndProc(msg);
    if (Detached) return;
    switch (msg.Msg) {
    case WM_SIZE:
    case CM_FOCUSCHANGED: RefreshScrollInfo(true); break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (!Sending) RefreshScrollInfo(true);
        break;
    case WM_ENABLE:
    case CM_ENABLEDCHANGED: SendMessage(Wnd, WM_NCPAINT, 1, 0); break;
    default: break;
    }
}

// --- edits ---------------------------------------------------------------------------

TacEditWnd::TacEditWnd(HWND wnd, bool repaint, TsSkinManager* sm, TsCommonData* link, bool subclass)
    : TacBaseWnd(wnd, repaint, sm, link, subclass) {
    // The base constructor could not reach this class's version.
    TacEditWnd::SaveControlColors();
}

void TacEditWnd::SaveControlColors() {
    if (TWinControl* c = Control()) {
        savedColor_ = c->Color();
        savedFontColor_ = c->Font()->Color();
    }
}

void TacEditWnd::RestoreControlColors() {
    TWinControl* c = Control();
    if (!c || Dying(c) || !colorsApplied_) return;
    colorsApplied_ = false;
    c->SetColor(savedColor_);
    c->Font()->SetColor(savedFontColor_);
}

void TacEditWnd::ApplySkinColors() {
    colorsApplied_ = true;
    TsSkinManager* sm = SkinData->GetSkinManager();
    if (!sm || !sm->IsValidSkinIndex(SkinData->SkinIndex)) return;
    const TsGeneralData& g = sm->gd[std::size_t(SkinData->SkinIndex)];
    TWinControl* c = Control();
    if (!c) return;
    if (c->Color() != g.Color) c->SetColor(g.Color);
    if (c->Font()->Color() != g.HotFontColor[0]) c->Font()->SetColor(g.HotFontColor[0]);
}

void TacEditWnd::WndProc(Message& msg) {
    if (msg.Msg == WM_DESTROY || msg.Msg == WM_NCDESTROY || !SkinData->Skinned()) return TacBaseWnd::WndProc(msg);
    TsSkinManager* sm = SkinData->GetSkinManager();
    if (msg.Msg == SM_ALPHACMD && Sub(msg) == SKCMD_REFRESH && sm && msg.LParam == LPARAM(sm)) {
        TacBaseWnd::WndProc(msg);
        ApplySkinColors();
        return;
    }
    switch (msg.Msg) {
    case WM_ERASEBKGND:
        if (SkinData->IsUpdating()) {
            msg.Result = 1;
            return;
        }
        break;
    case WM_NCPAINT:
        if (SkinData->IsUpdating()) return;
        if (SkinData->BGChanged) {
            if (!colorsApplied_) ApplySkinColors();
            SendAlphaCmd(Wnd, SKCMD_REBUILD_CACHE, 0);
        }
        if (SkinData->CacheBmp) {
            FillAllTransparentCorners(SkinData, 0);
            HDC dc = GetWindowDC(Wnd);
            int frame = BorderLeft;
            RECT wr;
            GetWindowRect(Wnd, &wr);
            if (frame > 0)
                CopyFrame(dc, 0, 0, frame, 0, 0, SkinData->CacheBmp->Canvas()->Handle(), wr.Height(), wr.Width());
            PaintScrollBars(dc);
            ReleaseDC(Wnd, dc);
        }
        msg.Result = 0;
        return;
    case WM_PRINT: {
        HDC dc = reinterpret_cast<HDC>(msg.WParam);
        if (!dc) break;
        if (SkinData->BGChanged) {
            if (!colorsApplied_) ApplySkinColors();
            SendAlphaCmd(Wnd, SKCMD_REBUILD_CACHE, 0);
        }
        RECT wr;
        GetWindowRect(Wnd, &wr);
        int frame = BorderLeft;
        if (SkinData->CacheBmp && frame > 0)
            CopyFrame(dc, 0, 0, frame, 0, 0, SkinData->CacheBmp->Canvas()->Handle(), wr.Height(), wr.Width());
        PaintScrollBars(dc);
        int saved = SaveDC(dc);
        POINT org;
        GetViewportOrgEx(dc, &org);
        SetViewportOrgEx(dc, org.x + frame, org.y + frame, nullptr);
        int cw = wr.Width() - 2 * frame - (VBar && VBar->Visible ? GetScrollBarSize(*VBar, 1, true) : 0);
        int ch = wr.Height() - 2 * frame - (HBar && HBar->Visible ? GetScrollBarSize(*HBar, 1, true) : 0);
        IntersectClipRect(dc, 0, 0, cw, ch);
        SendMessage(Wnd, WM_ERASEBKGND, WPARAM(dc), 0);
        SendMessage(Wnd, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
        RestoreDC(dc, saved);
        msg.Result = 0;
        return;
    }
    default: break;
    }
    TacBaseWnd::WndProc(msg);
    if (Detached) return;
    switch (msg.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_LBUTTONDOWN:
    case WM_MOUSEWHEEL:
    case CN_KEYDOWN:
    case CN_KEYUP:
    case CM_MOUSEWHEEL:
        if (!Sending) RefreshScrollInfo(true);
        break;
    case LB_ADDSTRING_MSG: RefreshScrollInfo(true); break;
    default: break;
    }
}

// --- grids ----------------------------------------------------------------------------

namespace {

TColor FontColorOf(TObject* obj, const char* prop) {
    auto* f = dynamic_cast<TFont*>(GetObjectPropertyByName(obj, prop));
    return f ? f->Color() : clSkinKey;
}

void SetFontColorOf(TObject* obj, const char* prop, TColor c) {
    if (auto* f = dynamic_cast<TFont*>(GetObjectPropertyByName(obj, prop)); f && f->Color() != c) f->SetColor(c);
}

void SetColorProp(TObject* obj, const char* prop, TColor c) {
    if (HasPublishedProperty(obj, prop) && GetOrdPropertyByName(obj, prop) != int(c)) SetOrdPropertyByName(obj, prop, int(c));
}

bool IsAdvGrid(TObject* obj) { return obj && obj->ClassName() == "TDBAdvGrid"; }

} // namespace

TacGridWnd::TacGridWnd(HWND wnd, bool repaint, TsSkinManager* sm, TsCommonData* link, bool subclass)
    : TacEditWnd(wnd, repaint, sm, link, subclass) {
    TacGridWnd::SaveControlColors();
}

void TacGridWnd::SaveControlColors() {
    TacEditWnd::SaveControlColors();
    TWinControl* c = Control();
    if (!c) return;
    if (HasPublishedProperty(c, "FixedColor")) fixedColor_ = TColor(GetOrdPropertyByName(c, "FixedColor"));
    if (HasPublishedProperty(c, "TitleFont")) titleFontColor_ = FontColorOf(c, "TitleFont");
    if (IsAdvGrid(c) && HasPublishedProperty(c, "FixedFont")) titleFontColor_ = FontColorOf(c, "FixedFont");
    if (HasPublishedProperty(c, "FooterColor")) footerColor_ = TColor(GetOrdPropertyByName(c, "FooterColor"));
    if (HasPublishedProperty(c, "FooterCellColor")) footerCellColor_ = TColor(GetOrdPropertyByName(c, "FooterCellColor"));
    if (HasPublishedProperty(c, "TitleColor")) titleColor_ = TColor(GetOrdPropertyByName(c, "TitleColor"));
    if (HasPublishedProperty(c, "IndicatorIconColor"))
        indicatorColor_ = TColor(GetOrdPropertyByName(c, "IndicatorIconColor"));
}

void TacGridWnd::RestoreControlColors() {
    bool applied = colorsApplied_;
    TacEditWnd::RestoreControlColors();
    TWinControl* c = Control();
    if (!applied || !c || Dying(c)) return;
    SetColorProp(c, "FixedColor", fixedColor_);
    if (HasPublishedProperty(c, "TitleFont")) SetFontColorOf(c, "TitleFont", titleFontColor_);
    if (IsAdvGrid(c)) SetFontColorOf(c, "FixedFont", titleFontColor_);
    SetColorProp(c, "FooterColor", footerColor_);
    SetColorProp(c, "FooterCellColor", footerCellColor_);
    SetColorProp(c, "TitleColor", titleColor_);
    SetColorProp(c, "IndicatorIconColor", indicatorColor_);
}

void TacGridWnd::ApplySkinColors() {
    TacEditWnd::ApplySkinColors();
    TsSkinManager* sm = SkinData->GetSkinManager();
    TWinControl* c = Control();
    if (!sm || !c || !sm->IsValidSkinIndex(SkinData->SkinIndex)) return;
    const TsGeneralData& g = sm->gd[std::size_t(SkinData->SkinIndex)];
    SetColorProp(c, "FixedColor", sm->GetGlobalColor());
    SetFontColorOf(c, "TitleFont", sm->GetGlobalFontColor());
    if (IsAdvGrid(c)) SetFontColorOf(c, "FixedFont", sm->GetGlobalFontColor());
    int gi = sm->ConstData.IndexGlobalInfo;
    TColor global = sm->IsValidSkinIndex(gi) ? sm->gd[std::size_t(gi)].Color : sm->GetGlobalColor();
    SetColorProp(c, "FooterColor", global);
    SetColorProp(c, "FooterCellColor", global);
    SetColorProp(c, "TitleColor", global);
    SetColorProp(c, "IndicatorIconColor", g.FontColor[0]);
}

void TacGridWnd::WndProc(Message& msg) {
    if (msg.Msg == WM_DESTROY || msg.Msg == WM_NCDESTROY || !SkinData->Skinned()) return TacEditWnd::WndProc(msg);
    switch (msg.Msg) {
    case WM_ERASEBKGND: msg.Result = 1; return;
    case WM_NCPAINT: SkinData->Updating = false; break;
    case WM_VSCROLL:
        // A data grid reads where the thumb was let go from its bar's position.
        // The skinned bar keeps the dragged position (counted from the bar's
        // minimum) itself; the system bar was never tracked.
        if (LOWORD(msg.WParam) == SB_THUMBPOSITION && HasPublishedProperty(Control(), "DataSource"))
            SetScrollPos(Wnd, SB_VERT, VBar->Info.nTrackPos, FALSE);
        break;
    case WM_PRINT:
        TacEditWnd::WndProc(msg);
        if (!Detached && msg.WParam) SendMessage(Wnd, WM_PAINT, msg.WParam, 0);
        return;
    default: break;
    }
    TacEditWnd::WndProc(msg);
    if (Detached) return;
    if (msg.Msg == WM_PAINT) RefreshScrollInfo(true);
    if (msg.Msg == WM_WINDOWPOSCHANGED) SendMessage(Wnd, WM_NCPAINT, 1, 0);
}

// --- the MDI client window -------------------------------------------------------

void TacMDIWnd::WndProc(Message& msg) {
    if (msg.Msg == WM_DESTROY || msg.Msg == WM_NCDESTROY) return TacBaseWnd::WndProc(msg);
    if (msg.Msg == SM_ALPHACMD && Sub(msg) == SKCMD_GET_CACHE && Form && Form->HandleAllocated()) {
        SendMessage(Form->Handle(), msg.Msg, msg.WParam, msg.LParam);
        return;
    }
    bool skinned = FormLink ? FormLink->Skinned() : SkinData->Skinned();
    if (skinned && (msg.Msg == WM_PAINT || msg.Msg == WM_ERASEBKGND || msg.Msg == WM_NCPAINT)) {
        TCustomForm* child = Form ? Form->ActiveMDIChild() : nullptr;
        if (child && child->WindowState() == wsMaximized) {
            if (msg.Msg == WM_PAINT) CallWindowProc(OldProc, Wnd, msg);
            else msg.Result = 1;
            return;
        }
        GlobalCacheInfo.Ready = false;
        if (Form && Form->HandleAllocated()) SendAlphaCmd(Form->Handle(), SKCMD_GET_CACHE, 0);
        TCacheInfo ci = GlobalCacheInfo;
        RECT cw{}, fw{};
        GetWindowRect(Wnd, &cw);
        if (Form && Form->HandleAllocated()) GetWindowRect(Form->Handle(), &fw);
        int ox = cw.left - fw.left, oy = cw.top - fw.top;
        if (msg.Msg == WM_NCPAINT) {
            HDC dc = GetWindowDC(Wnd);
            if (ci.Ready && ci.Bmp) CopyFrame(dc, 0, 0, 2, oy, ox, ci.Bmp->Canvas()->Handle(), cw.Height(), cw.Width());
            PaintScrollBars(dc);
            ReleaseDC(Wnd, dc);
            msg.Result = 0;
            return;
        }
        PAINTSTRUCT ps{};
        HDC dc = msg.Msg == WM_ERASEBKGND ? reinterpret_cast<HDC>(msg.WParam) : BeginPaint(Wnd, &ps);
        if (dc && ci.Ready && ci.Bmp) {
            RECT cr;
            GetClientRect(Wnd, &cr);
            POINT c0{0, 0};
            ClientToScreen(Wnd, &c0);
            BitBlt(dc, 0, 0, cr.right, cr.bottom, ci.Bmp->Canvas()->Handle(), c0.x - fw.left, c0.y - fw.top, SRCCOPY);
        }
        if (msg.Msg == WM_PAINT) {
            EndPaint(Wnd, &ps);
            SendMessage(Wnd, WM_NCPAINT, 1, 0);
        }
        msg.Result = 1;
        return;
    }
    TacBaseWnd::WndProc(msg);
    if (Detached) return;
    if (msg.Msg == SM_ALPHACMD && Sub(msg) == SKCMD_STOP_REDRAW) SendMessage(Wnd, WM_SETREDRAW, 0, 0);
    if (msg.Msg == SM_ALPHACMD && Sub(msg) == SKCMD_RESUME_REDRAW) {
        SendMessage(Wnd, WM_SETREDRAW, 1, 0);
        if (LOWORD(msg.LParam) != SB_THUMBTRACK)
            RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        RefreshScrollInfo(false);
        ReleaseCapture();
    }
    if (msg.Msg == 0x003F || msg.Msg == WM_PARENTNOTIFY) {
        LONG_PTR style = GetWindowLongPtr(Wnd, GWL_STYLE);
        if (HBar) HBar->Visible = (style & WS_HSCROLL) ? 1 : 0;
        if (VBar) VBar->Visible = (style & WS_VSCROLL) ? 1 : 0;
        RefreshScrollInfo(true);
    }
}

} // namespace tv
