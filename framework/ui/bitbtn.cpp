#include "framework/ui/bitbtn.h"

#include "framework/ui/application.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/edges.h"
#include "platform/gdi/text.h"
#include "platform/region.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TBitBtnKindInfo{"TBitBtnKind", {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose",
                                                "bkAbort", "bkRetry", "bkIgnore", "bkAll"}};
const TEnumInfo TButtonLayoutInfo{"TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), glyph_(std::make_unique<TBitmap>()) {
    glyph_->OnChange = [this](TObject*) { Invalidate(); };
}

TBitBtn::~TBitBtn() = default;

void TBitBtn::Publish(TPublisher& p) {
    p.Object("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph);
    p.Enum("Kind", &TBitBtn::Kind, &TBitBtn::SetKind, TBitBtnKindInfo).Default(bkCustom);
    p.Enum("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout, TButtonLayoutInfo).Default(blGlyphLeft);
    p.Integer("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin).Default(-1);
    p.Integer("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing).Default(4);
}

void TBitBtn::SetKind(TBitBtnKind v) {
    kind_ = v;
    if (v == bkCustom || ComponentState().Contains(csLoading)) return;
    static const char* captions[] = {"", "Aceptar", "Cancelar", "A&yuda", "&Sí", "&No", "&Cerrar", "Abortar",
                                     "&Reintentar", "&Ignorar", "&Todos"};
    static const TModalResult results[] = {mrNone, mrOk, mrCancel, mrNone, mrYes, mrNo, mrNone, mrAbort,
                                           mrRetry, mrIgnore, mrAll};
    SetCaption(captions[v]);
    SetModalResult(results[v]);
    if (v == bkOK || v == bkYes) SetDefault(true);
    if (v == bkCancel || v == bkNo) SetCancel(true);
}

void TBitBtn::Click() {
    // A close button closes its form.
    if (kind_ == bkClose) {
        if (TCustomForm* f = GetParentForm(this)) {
            f->Close();
            if (!OnClick) return;
        }
    }
    TButton::Click();
}

void TBitBtn::Paint() {
    TCanvas* c = Canvas();
    RECT r = ClientRect();
    c->Brush()->SetColor(clBtnFace);
    c->Brush()->SetStyle(bsSolid);
    c->FillRect(r);
    if (Default() || Focused()) {
        c->Brush()->SetColor(clWindowFrame);
        c->FrameRect(r);
        InflateRect(&r, -1, -1);
    }
    DrawEdge(c->Handle(), &r, pressed_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    if (pressed_) OffsetRect(&r, 1, 1);
    c->Font()->Assign(Font());
    if (!Enabled()) c->Font()->SetColor(clGrayText);
    std::string caption = Caption();
    RECT tr{0, 0, 0, 0};
    c->Brush()->SetStyle(bsClear);
    if (!caption.empty()) c->DrawText(caption, tr, DT_CALCRECT | DT_SINGLELINE);
    int gw = glyph_->Empty() ? 0 : glyph_->Width(), gh = glyph_->Empty() ? 0 : glyph_->Height();
    int tw = tr.right, th = tr.bottom;
    bool horizontal = layout_ == blGlyphLeft || layout_ == blGlyphRight;
    int space = (gw && tw) ? (spacing_ < 0 ? 4 : spacing_) : 0;
    int total = horizontal ? gw + space + tw : gh + space + th;
    int avail = horizontal ? r.Width() : r.Height();
    int start = margin_ < 0 ? (avail - total) / 2 : margin_;
    POINT gp, tp;
    if (horizontal) {
        int gx = layout_ == blGlyphLeft ? r.left + start : r.right - start - gw;
        int tx = layout_ == blGlyphLeft ? gx + gw + space : gx - space - tw;
        gp = {gx, r.top + (r.Height() - gh) / 2};
        tp = {tx, r.top + (r.Height() - th) / 2};
    } else {
        int gy = layout_ == blGlyphTop ? r.top + start : r.bottom - start - gh;
        int ty = layout_ == blGlyphTop ? gy + gh + space : gy - space - th;
        gp = {r.left + (r.Width() - gw) / 2, gy};
        tp = {r.left + (r.Width() - tw) / 2, ty};
    }
    if (gw) {
        glyph_->SetTransparent(true);
        c->Draw(gp.x, gp.y, glyph_.get());
    }
    if (tw) {
        RECT t{tp.x, tp.y, tp.x + tw, tp.y + th};
        c->DrawText(caption, t, DT_SINGLELINE);
    }
    if (Focused()) {
        RECT f = r;
        InflateRect(&f, -2, -2);
        c->DrawFocusRect(f);
    }
}

} // namespace tv
