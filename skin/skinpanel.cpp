#include "skin/skinpanel.h"

#include "framework/ui/graphics.h"
#include "framework/ui/picture.h"
#include "framework/ui/uimessages.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/raster.h"
#include "platform/gdi/text.h"
#include "platform/window/paint.h"
#include "skin/controlpaint.h"
#include "skin/skinbroadcast.h"
#include "skin/skinmanager.h"
#include "skin/skinmessage.h"
#include "skin/skinunit.h"

namespace tv {

using namespace win;

TsPanel::TsPanel(TComponent* owner) : TPanel(owner) {
    auto style = ControlStyle();
    style.Include(csOpaque);
    SetControlStyle(style);
    skinData_ = std::make_unique<TsCommonData>(this, true);
    skinData_->COC = 51;
    skinData_->UpdateIndexes();
}

TsPanel::~TsPanel() = default;

void TsPanel::Publish(TPublisher& p) { p.Object("SkinData", &TsPanel::SkinData, &TsPanel::SetSkinData); }

void TsPanel::SetSkinData(TsCommonData* v) {
    if (!v) return;
    skinData_->SetCustomColor(v->CustomColor());
    skinData_->SetCustomFont(v->CustomFont());
    skinData_->SetSkinManager(v->StoredManager());
    skinData_->SetSkinSection(v->SkinSection());
}

void TsPanel::Loaded() {
    TPanel::Loaded();
    skinData_->UpdateIndexes();
}

bool TsPanel::Skinned() const { return skinData_ && skinData_->Skinned(); }

void TsPanel::PaintSkinned(HDC dc, bool notifyChildren) {
    if (ComponentState().Contains(csDestroying) || !skinData_ || !skinData_->Skinned()) return;
    if (Parent() && Parent()->ControlState().Contains(csCreating)) return;
    TsSkinManager* sm = skinData_->GetSkinManager();
    if (!sm->SkinData.Active) return;
    TsCommonData& l = *skinData_;
    l.Updating = l.IsUpdating();
    if (l.Updating) return;
    bool rebuild = l.PartlyPainted || l.BGChanged;
    if (!dc) dc = Canvas()->Handle();
    if (l.IsTransparent()) {
        RECT clip{};
        GetClipBox(dc, &clip);
        l.PartlyPainted = clip.Width() != Width() || clip.Height() != Height();
    } else {
        l.PartlyPainted = false;
    }
    if (rebuild && !l.ExternalPaint) PrepareCache();
    PaintCachedArea(POINT{0, 0}, true, dc, RECT{0, 0, Width(), Height()});
    PaintParentBackground(dc, this, POINT{0, 0});
    if (notifyChildren) RepaintChildControls(this);
}

void TsPanel::PrepareCache() {
    TsCommonData& l = *skinData_;
    l.UpdateCacheBitmap();
    TCacheInfo ci = l.GetCacheInfo();
    RECT all{0, 0, Width(), Height()};
    PaintSkinControl(&l, ci, true, false, l.CacheBmp.get(), POINT{Left(), Top()}, all, 0);
    WriteCaption(ClientRect());
    if (OnPaint) OnPaint(this, l.CacheBmp->Canvas());
    l.BGChanged = false;
}

void TsPanel::WriteCaption(RECT r) {
    TCanvas* c = skinData_->CacheBmp->Canvas();
    c->Font()->Assign(Font());
    c->Brush()->SetStyle(bsClear);
    int h = c->TextExtent("W").cy;
    r.top = r.top + (r.Height() - h) / 2;
    r.bottom = r.top + h;
    WriteControlText(c, Caption(), Enabled(), false, skinData_.get(), GetTextAlignFlags(this, Alignment()) | DT_NOPREFIX,
                     r);
}

void TsPanel::PaintCachedArea(POINT srcOffset, bool fillCorners, HDC dc, const RECT& dst) {
    TsCommonData& l = *skinData_;
    if (fillCorners) FillAllTransparentCorners(&l, 0);
    tv::PaintCachedArea(this, l.CacheBmp.get(), srcOffset, dc, dst);
}

void TsPanel::WndProc(Message& msg) {
    TsCommonData& l = *skinData_;
    TsSkinManager* sm = l.GetSkinManager();
    bool fromOwn = sm && msg.LParam == LPARAM(sm);
    if (msg.Msg == SM_ALPHACMD) {
        switch (int(HIWORD(msg.WParam))) {
        case SKCMD_SKIN_LOADED:
            BroadcastToChildren(this, msg);
            if (fromOwn) CommonMessageFilter(msg, &l);
            return;
        case SKCMD_SKIN_REMOVED:
            if (fromOwn) {
                CommonMessageFilter(msg, &l);
                Invalidate();
            }
            BroadcastToChildren(this, msg);
            return;
        case SKCMD_REFRESH:
            if (fromOwn) CommonMessageFilter(msg, &l);
            BroadcastToChildren(this, msg);
            if (fromOwn) Repaint();
            return;
        case SKCMD_IS_SKINNED: msg.LParam = 1; msg.Result = 1; return;
        default: break;
        }
    }
    if (CanBeSkinned(this) && l.Skinned()) {
        switch (msg.Msg) {
        case SM_ALPHACMD:
            switch (int(HIWORD(msg.WParam))) {
            case SKCMD_PARENT_REPAINTED:
                if (IsNTFamily || l.Updating) {
                    l.Updating = false;
                    Repaint();
                }
                return;
            case SKCMD_SET_EXTERNAL_PAINT:
                l.ExternalPaint = LOWORD(msg.WParam) == 1;
                if (l.ExternalPaint) PrepareCache();
                return;
            case SKCMD_IS_UPDATING:
                msg.LParam = (l.BGChanged || l.IsUpdating()) ? 1 : 0;
                msg.Result = 1;
                return;
            default: HandleAlphaCmd(msg, &l); return;
            }
        case WM_SETFOCUS:
        case WM_KILLFOCUS: TPanel::WndProc(msg); return;
        case WM_ERASEBKGND: msg.Result = 1; return;
        case WM_PAINT: {
            if (!Visible() && !ComponentState().Contains(csDesigning)) {
                TPanel::WndProc(msg);
                return;
            }
            PAINTSTRUCT ps;
            HDC dc = msg.WParam ? reinterpret_cast<HDC>(msg.WParam) : BeginPaint(Handle(), &ps);
            TCanvas* c = Canvas();
            c->Lock();
            try {
                PaintSkinned(dc, true);
            } catch (...) {
                c->Unlock();
                if (!msg.WParam) EndPaint(Handle(), &ps);
                throw;
            }
            c->Unlock();
            if (!msg.WParam) EndPaint(Handle(), &ps);
            msg.Result = 0;
            return;
        }
        case WM_PRINT: {
            l.Updating = false;
            if (l.BGChanged) PrepareCache();
            FillAllTransparentCorners(&l, 0);
            PaintSkinned(reinterpret_cast<HDC>(msg.WParam), false);
            return;
        }
        case CM_VISIBLECHANGED:
            l.BGChanged = true;
            l.Updating = false;
            Repaint();
            TPanel::WndProc(msg);
            return;
        case CM_TEXTCHANGED:
            if (Parent()) l.Invalidate();
            break;
        default: {
            CommonMessageFilter(msg, &l);
            TPanel::WndProc(msg);
            if (msg.Msg == WM_SETFONT && !Caption().empty()) {
                l.BGChanged = true;
                Repaint();
            }
            break;
        }
        }
        if (msg.Msg == CM_TEXTCHANGED) TPanel::WndProc(msg);
    } else {
        if (msg.Msg == WM_ERASEBKGND && OnPaint) {
            msg.Result = 1;
            return;
        }
        if (msg.Msg == WM_PRINT) {
            if (OnPaint) {
                OnPaint(this, Canvas());
                if (msg.WParam)
                    BitBlt(reinterpret_cast<HDC>(msg.WParam), 0, 0, Width(), Height(), Canvas()->Handle(), 0, 0,
                           SRCCOPY);
            }
            return;
        }
        TPanel::WndProc(msg);
    }
    if (msg.Msg == CM_MOUSEENTER && OnMouseEnter) OnMouseEnter(this);
    if (msg.Msg == CM_MOUSELEAVE && OnMouseLeave) OnMouseLeave(this);
}

void TsPanel::Paint() {
    if (Skinned() || !OnPaint) TPanel::Paint();
    else if (!(ComponentState().Contains(csLoading) && Visible())) OnPaint(this, Canvas());
}

void TsPanel::PaintWindow(HDC dc) {
    if (skinData_->Skinned(true)) PaintSkinned(dc, true);
    else TPanel::PaintWindow(dc);
}

} // namespace tv
