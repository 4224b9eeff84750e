#include "skin/commondata.h"

#include <memory>
#include <vector>

#include "core/strutils.h"
#include "framework/ui/controls.h"
#include "framework/ui/forms.h"
#include "framework/ui/picture.h"
#include "framework/ui/stdctrls/edit.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/raster.h"
#include "platform/gdi/text.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "skin/blending.h"
#include "skin/skinmanager.h"
#include "skin/skinmessage.h"
#include "skin/skinprovider.h"

namespace tv {

using namespace win;

TCacheInfo GlobalCacheInfo;

namespace {

bool In(int v, std::initializer_list<int> set) {
    for (int x : set)
        if (v == x) return true;
    return false;
}

bool ComponentBeing(const TObject* o, TComponentStateFlag f) {
    auto* c = dynamic_cast<const TComponent*>(o);
    return c && c->ComponentState().Contains(f);
}

bool Destroying(const TObject* o) { return ComponentBeing(o, csDestroying); }

int Sub(const Message& msg) { return int((msg.WParam >> 16) & 0xFFFF); }
int Flag(const Message& msg) { return int(msg.WParam & 0xFFFF); }

TColor Mix(TColor own, TColor parent, int transparency) {
    auto channel = [&](int shift) {
        int o = int((own >> shift) & 0xFF), p = int((parent >> shift) & 0xFF);
        int v = (transparency * (p - o) + o * 256) / 256;
        return TColor(std::clamp(v, 0, 255)) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

} // namespace

std::string DefaultSectionOf(int coc) {
    if ((coc >= 2 && coc <= 8) || In(coc, {10, 41, 76, 78, 83, 84, 96, 97, 131, 140, 227})) return "EDIT";
    if ((coc >= 11 && coc <= 18) || In(coc, {81, 82})) return "COMBOBOX";
    switch (coc) {
    case 19: return "BAR";
    case 20: return "BARTITLE";
    case 32: case 152: return "CHECKBOX";
    case 33: return "RADIOBUTTON";
    case 51: case 59: case 68: case 73: return "PANEL";
    case 52: case 58: return "PANEL_LOW";
    case 53: case 54: case 60: return "TOOLBAR";
    case 56: return "DRAGBAR";
    case 57: return "TABSHEET";
    case 74: case 226: return "GROUPBOX";
    case 75: return "SPLITTER";
    case 92: case 95: return "SPEEDBUTTON";
    case 93: case 94: return "BUTTON";
    case 98: return "TOOLBUTTON";
    case 141: return "PAGECONTROL";
    case 143: return "TABCONTROL";
    case 151: return "STATUSBAR";
    case 161: return "GAUGE";
    case 165: return "TRACKBAR";
    default: return "";
    }
}

bool HoverNotTracked(int coc) { return (coc >= 51 && coc <= 74) || coc == 110 || (coc >= 141 && coc <= 161); }

TsCommonData::TsCommonData(TObject* owner, bool withCache)
    : OwnerControl(dynamic_cast<TControl*>(owner)), OwnerObject(owner) {
    if (withCache) {
        CacheBmp = std::make_unique<TBitmap>();
        CacheBmp->SetPixelFormat(pf24bit);
    }
}

TsCommonData::~TsCommonData() {
    manager_ = nullptr;
    OwnerControl = nullptr;
    OwnerObject = nullptr;
}

void TsCommonData::Publish(TPublisher& p) {
    using L = TsCommonData;
    p.Boolean("CustomColor", &L::CustomColor, &L::SetCustomColor).Default(false);
    p.Boolean("CustomFont", &L::CustomFont, &L::SetCustomFont).Default(false);
    p.Component("SkinManager", &L::StoredManager, &L::SetSkinManager);
    p.String("SkinSection", &L::SkinSection, static_cast<void (L::*)(const std::string&)>(&L::SetSkinSection));
}

bool TsCommonData::Being(int flag) const { return ComponentBeing(OwnerObject, TComponentStateFlag(flag)); }

TsSkinManager* TsCommonData::GetSkinManager() const { return manager_ ? manager_ : DefaultManager(); }

void TsCommonData::ResolveOrForget() {
    TsSkinManager* sm = GetSkinManager();
    if (sm && !sm->gd.empty()) UpdateSectionIndexes();
    else SkinIndex = -1;
}

void TsCommonData::SetSkinSection(const std::string& v) {
    std::string up = UpperCase(v);
    if (up == skinSection_) return;
    skinSection_ = up;
    ResolveOrForget();
    if (OwnerControl && OwnerControl->Parent() && !Being(csDestroying)) {
        TsSkinManager* sm = GetSkinManager();
        bool valid = sm && sm->IsValidSkinIndex(SkinIndex);
        PerformAlphaCmd(OwnerControl, valid ? SKCMD_REFRESH : SKCMD_SKIN_REMOVED, LPARAM(sm));
    }
}

void TsCommonData::SetSkinManager(TsSkinManager* v) {
    manager_ = v == DefaultManager() ? nullptr : v;
    if (Being(csLoading)) return;
    ResolveOrForget();
    if (!OwnerControl) return;
    TsSkinManager* sm = GetSkinManager();
    bool valid = sm && sm->IsValidSkinIndex(SkinIndex);
    try {
        PerformAlphaCmd(OwnerControl, valid ? SKCMD_REFRESH : SKCMD_SKIN_REMOVED, LPARAM(sm));
    } catch (...) {
    }
}

void TsCommonData::SetCustomColor(bool v) {
    if (customColor_ == v) return;
    customColor_ = v;
    if (Skinned() && !Being(csLoading)) TakeSectionColours();
    Invalidate();
}

void TsCommonData::SetCustomFont(bool v) {
    if (customFont_ == v) return;
    customFont_ = v;
    Invalidate();
}

void TsCommonData::UpdateDefaultSection() {
    if (skinSection_.empty()) {
        std::string s = DefaultSectionOf(COC);
        if (s.empty() && OwnerObject) s = OwnerObject->ClassName();
        SetSkinSection(s);
    } else {
        ResolveOrForget();
    }
}

void TsCommonData::UpdateSectionIndexes() {
    BGChanged = true;
    TsSkinManager* sm = GetSkinManager();
    SkinIndex = sm ? sm->GetSectionIndex(skinSection_) : -1;
    if (SkinIndex < 0) {
        Texture = HotTexture = -1;
        return;
    }
    BorderIndex = sm->GetMaskIndex(SkinIndex, skinSection_, "BORDERSMASK");
    Texture = sm->GetTextureIndex(SkinIndex, skinSection_, "PATTERN");
    HotTexture = sm->GetTextureIndex(SkinIndex, skinSection_, "HOTPATTERN");
}

void TsCommonData::TakeSectionColours() {
    auto* c = OwnerControl;
    if (!c || !(dynamic_cast<TCustomEdit*>(c) || COC == 97)) return;
    TsSkinManager* sm = GetSkinManager();
    if (!sm || !sm->IsValidSkinIndex(SkinIndex)) return;
    const TsGeneralData& g = sm->gd[std::size_t(SkinIndex)];
    if (!customColor_ && c->Color() != g.Color) c->SetColor(g.Color);
    if (!customFont_ && c->Font()->Color() != g.FontColor[0]) c->Font()->SetColor(g.FontColor[0]);
}

void TsCommonData::UpdateIndexes() {
    UpdateDefaultSection();
    if (!Skinned()) {
        if (OwnerControl) {
            auto style = OwnerControl->ControlStyle();
            style.Exclude(csParentBackground);
            OwnerControl->SetControlStyle(style);
        }
    } else if (OwnerControl && OwnerControl->Parent() && !Being(csLoading)) {
        TakeSectionColours();
    }
}

bool TsCommonData::Skinned(bool checkActive) const {
    if (!OwnerObject || Being(csDestroying)) return false;
    TsSkinManager* sm = GetSkinManager();
    if (!sm || Destroying(sm)) return false;
    if (checkActive && !sm->SkinData.Active) return false;
    return sm->IsValidSkinIndex(SkinIndex);
}

bool TsCommonData::IsUpdating() const {
    TsSkinManager* sm = GetSkinManager();
    if (!sm || !sm->SkinData.Active) return true;
    if (!OwnerControl || Being(csDestroying)) return Updating;
    if (Updating) return true;
    TWinControl* parent = OwnerControl->Parent();
    if (!parent) return true;
    Message m{WM_NULL, 0, 0, 0};
    m.Msg = SM_ALPHACMD;
    m.WParam = SkinCommand(SKCMD_IS_UPDATING);
    parent->WindowProc(m);
    return m.LParam == 1;
}

bool TsCommonData::IsTransparent() const {
    if (ExternalPaint || !Skinned() || !OwnerControl || OwnerControl->ControlState().Contains(csCreating) ||
        !OwnerControl->Visible())
        return true;
    TsSkinManager* sm = GetSkinManager();
    if (!sm->IsValidSkinIndex(SkinIndex)) return false;
    if (!OwnerControl->Enabled() || sm->gd[std::size_t(SkinIndex)].Transparency > 0) {
        TWinControl* parent = OwnerControl->Parent();
        if (!parent || !parent->HandleAllocated()) return true;
        return ParentIsTransparent();
    }
    return false;
}

bool TsCommonData::ParentIsTransparent() const {
    if (!OwnerControl || !OwnerControl->Parent() || !OwnerControl->Parent()->HandleAllocated()) return false;
    Message m{};
    m.Msg = SM_ALPHACMD;
    m.WParam = SkinCommand(SKCMD_NEEDS_PARENT_BG);
    OwnerControl->Parent()->WindowProc(m);
    return m.LParam == 1;
}

void TsCommonData::Invalidate() {
    if (!OwnerObject || Being(csLoading) || Being(csDestroying)) return;
    BGChanged = true;
    if (OwnerControl && CanBeSkinned(OwnerControl)) OwnerControl->Invalidate();
}

void TsCommonData::UpdateCacheBitmap() {
    if (!CacheBmp) CacheBmp = std::make_unique<TBitmap>();
    if (CacheBmp->PixelFormat() != pf24bit) CacheBmp->SetPixelFormat(pf24bit);
    if (OwnerControl && (CacheBmp->Width() != OwnerControl->Width() || CacheBmp->Height() != OwnerControl->Height()))
        CacheBmp->SetSize(OwnerControl->Width(), OwnerControl->Height());
}

TCacheInfo TsCommonData::GetCacheInfo() const {
    if (!OwnerControl || !OwnerControl->Parent()) return TCacheInfo{nullptr, 0, 0, false};
    GlobalCacheInfo.Ready = false;
    // The copy is taken even when the parent fails; the failure goes on.
    struct Copy {
        TCacheInfo& out;
        ~Copy() { out = GlobalCacheInfo; }
    };
    TCacheInfo result;
    {
        Copy copy{result};
        PerformAlphaCmd(OwnerControl->Parent(), SKCMD_GET_CACHE, 0);
    }
    return result;
}

LRESULT HandleAlphaCmd(Message& msg, TsCommonData* link) {
    if (msg.Msg != SM_ALPHACMD || !link) return 0;
    if (!link->OwnerObject || Destroying(link->OwnerObject)) return 0;
    TsSkinManager* sm = link->GetSkinManager();
    bool fromOwnManager = sm && msg.LParam == LPARAM(sm);
    switch (Sub(msg)) {
    case SKCMD_SKIN_LOADED:
        if (fromOwnManager) {
            link->Updating = true;
            link->UpdateIndexes();
        }
        return 0;
    case SKCMD_SKIN_REMOVED:
        if (fromOwnManager) {
            if (Destroying(sm) && link->StoredManager() == sm) link->SetSkinManager(nullptr);
            link->BorderIndex = link->SkinIndex = link->Texture = link->HotTexture = -1;
            link->Updating = true;
            if (link->CacheBmp) link->CacheBmp->SetSize(0, 0);
            auto* c = link->OwnerControl;
            if (c && (dynamic_cast<TCustomEdit*>(c) || link->COC == 97)) {
                if (!link->CustomColor()) c->SetColor(clWindow);
                if (!link->CustomFont()) c->Font()->SetColor(clWindowText);
            }
        }
        return 0;
    case SKCMD_REFRESH:
        if (fromOwnManager) {
            link->BGChanged = true;
            link->Updating = false;
            if (link->Skinned()) link->UpdateIndexes();
        }
        return 0;
    case SKCMD_GET_CACHE:
        GlobalCacheInfo.Ready = false;
        if (link->CacheBmp) GlobalCacheInfo = TCacheInfo{link->CacheBmp.get(), 0, 0, true};
        return 0;
    case SKCMD_IS_SKINNED: msg.LParam = 1; return msg.Result = 1;
    case SKCMD_SET_UPDATING: link->Updating = Flag(msg) == 1; return 0;
    case SKCMD_SET_EXTERNAL_PAINT: link->ExternalPaint = Flag(msg) == 1; return 0;
    case SKCMD_IS_UPDATING: msg.LParam = (link->BGChanged || link->IsUpdating()) ? 1 : 0; return msg.Result = 1;
    case SKCMD_GET_PARTLY_PAINTED: msg.LParam = link->PartlyPainted ? 1 : 0; return msg.Result = 1;
    case SKCMD_PARENT_CHANGED:
        if (Flag(msg) == 1 && sm && sm->IsValidSkinIndex(link->SkinIndex) &&
            sm->gd[std::size_t(link->SkinIndex)].Transparency > 0)
            link->BGChanged = true;
        return 0;
    case SKCMD_INVALIDATE:
        if (!link->SkinSection().empty()) link->Invalidate();
        return 0;
    case SKCMD_SET_FOCUS_CHILD: link->PaintOnlyChild = reinterpret_cast<TControl*>(msg.LParam); return 0;
    case SKCMD_SET_BG_CHANGED: link->BGChanged = true; return 0;
    case SKCMD_NEEDS_PARENT_BG: {
        if (!sm || !sm->IsValidSkinIndex(link->SkinIndex)) return 0;
        const TsGeneralData& g = sm->gd[std::size_t(link->SkinIndex)];
        msg.LParam = (g.GradientPercent + g.ImagePercent > 0) ? 1 : link->IsTransparent() ? 1 : 0;
        return msg.Result = 1;
    }
    case SKCMD_REPAINT_TREE: {
        bool transparent = link->IsTransparent();
        if (transparent) link->BGChanged = true;
        if (auto* w = dynamic_cast<TWinControl*>(link->OwnerControl)) {
            if (Flag(msg) == 1 && w->HandleAllocated())
                RedrawWindow(w->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_NOINTERNALPAINT |
                                                                RDW_ALLCHILDREN);
            if (transparent)
                for (int i = 0; i < w->ControlCount(); ++i)
                    if (!Destroying(w->Controls(i))) PerformAlphaCmd(w->Controls(i), SKCMD_REPAINT_TREE, 0);
        }
        return 0;
    }
    case SKCMD_GET_BG_COLOR: {
        TControl* c = link->OwnerControl;
        if (!link->Skinned()) {
            if (c) ParentBackColor = TColor(ColorToRGB(c->Color()));
            return msg.Result = 1;
        }
        const TsGeneralData& g = sm->gd[std::size_t(link->SkinIndex)];
        auto parentColour = [&]() -> TColor {
            TWinControl* p = c ? c->Parent() : nullptr;
            if (!p) return c ? TColor(ColorToRGB(c->Color())) : g.Color;
            ParentBackColor = clSkinKey;
            PerformAlphaCmd(p, SKCMD_GET_BG_COLOR, 0);
            return ParentBackColor != clSkinKey ? ParentBackColor : TColor(ColorToRGB(p->Color()));
        };
        if (g.Transparency == 0) ParentBackColor = g.Color;
        else if (g.Transparency == 100) ParentBackColor = parentColour();
        else ParentBackColor = Mix(g.Color, parentColour(), g.Transparency);
        return msg.Result = 1;
    }
    case SKCMD_SET_PARTLY_PAINTED: link->PartlyPainted = true; return 0;
    default: return 0;
    }
}

LRESULT CommonMessageFilter(Message& msg, TsCommonData* link) {
    if (!link) return 0;
    if (msg.Msg == SM_ALPHACMD) return HandleAlphaCmd(msg, link);
    TControl* owner = link->OwnerControl;
    auto* win = dynamic_cast<TWinControl*>(owner);
    switch (msg.Msg) {
    case WM_MOVE:
        if (link->IsTransparent() && owner) PerformAlphaCmd(owner, SKCMD_REPAINT_TREE, 0, 1);
        break;
    case WM_SIZE:
        if (link->Skinned()) {
            link->BGChanged = true;
            TsSkinManager* sm = link->GetSkinManager();
            if (win && sm->gd[std::size_t(link->SkinIndex)].GradientPercent > 0)
                for (int i = 0; i < win->ControlCount(); ++i) {
                    TControl* c = win->Controls(i);
                    if (Destroying(c) || c->Anchors().Contains(akRight) || c->Anchors().Contains(akBottom)) continue;
                    PerformAlphaCmd(c, SKCMD_REPAINT_TREE, 0, 1);
                }
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (win && win->CanFocus() && win->TabStop()) {
            link->BGChanged = true;
            link->Focused = msg.Msg == WM_SETFOCUS;
        }
        break;
    case 0x001D:
    case CM_ENABLEDCHANGED:
        link->Focused = link->MouseAbove = false;
        break;
    case WM_UPDATEUISTATE:
        if (link->Skinned()) return 1;
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (!link->Being(csDesigning) && !HoverNotTracked(link->COC)) link->MouseAbove = msg.Msg == CM_MOUSEENTER;
        break;
    default: break;
    }
    return 0;
}

LRESULT SendAlphaCmd(HWND wnd, int sub, LPARAM lParam) { return SendMessage(wnd, SM_ALPHACMD, SkinCommand(sub), lParam); }

LRESULT PerformAlphaCmd(TControl* control, int sub, LPARAM lParam, int flag) {
    if (!control) return 0;
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        if (!w->HandleAllocated() || Destroying(w)) return 0;
        return SendMessage(w->Handle(), SM_ALPHACMD, SkinCommand(sub, flag), lParam);
    }
    return control->Perform(SM_ALPHACMD, SkinCommand(sub, flag), lParam);
}

bool ControlIsSkinned(TControl* control, int sub) {
    if (!control) return false;
    Message m{};
    m.Msg = SM_ALPHACMD;
    m.WParam = SkinCommand(sub);
    control->WindowProc(m);
    if (m.LParam == 1) return true;
    auto* w = dynamic_cast<TWinControl*>(control);
    return w && w->HandleAllocated() && SendAlphaCmd(w->Handle(), sub, 0) == 1;
}

TColor GetParentBgColor(TControl* control) {
    ParentBackColor = clSkinKey;
    PerformAlphaCmd(control, SKCMD_GET_BG_COLOR, 0);
    TColor c = ParentBackColor == clSkinKey && control ? control->Color() : ParentBackColor;
    return TColor(ColorToRGB(c));
}

void RepaintChildControls(TWinControl* control) {
    if (!control) return;
    try {
        for (int i = 0; i < control->ControlCount(); ++i) {
            TControl* c = control->Controls(i);
            if (Destroying(c) || !dynamic_cast<TWinControl*>(c)) continue;
            PerformAlphaCmd(c, SKCMD_PARENT_REPAINTED, 0);
        }
    } catch (...) {
    }
}

bool SendToFormProvider(TCustomForm* form, Message& msg) {
    if (!form) return false;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* p = dynamic_cast<TsSkinProvider*>(form->Components(i));
        if (p && !Destroying(p)) {
            p->HandleMessage(msg);
            return true;
        }
    }
    return false;
}

TCustomForm* GetParentFormOf(TComponent* component) {
    for (TComponent* c = component; c; c = c->Owner())
        if (auto* f = dynamic_cast<TCustomForm*>(c)) return f;
    return nullptr;
}

bool CanBeSkinned(TControl* control) {
    return control && !control->ControlState().Contains(csCreating) &&
           !control->ControlState().Contains(csReadingState) && !ComponentBeing(control, csLoading) &&
           !Destroying(control) && control->Parent();
}

UINT GetTextAlignFlags(TControl*, TAlignment alignment) {
    UINT h = alignment == taRightJustify ? DT_RIGHT : alignment == taCenter ? DT_CENTER : DT_LEFT;
    return h | DT_VCENTER | DT_EXPANDTABS;
}

void PaintParentBackground(HDC dc, TWinControl* container, POINT offset) {
    if (!dc || !container || container->ControlCount() == 0) return;
    bool designing = container->ComponentState().Contains(csDesigning);
    if (!container->Visible() && !designing) return;
    RECT clip{};
    if (GetClipBox(dc, &clip) <= NULLREGION || clip.right <= clip.left || clip.bottom <= clip.top) {
        PerformAlphaCmd(container, SKCMD_SET_PARTLY_PAINTED, 0);
        return;
    }
    GlobalCacheInfo.Ready = false;
    PerformAlphaCmd(container, SKCMD_GET_CACHE, 0);
    TCacheInfo ci = GlobalCacheInfo;
    if (!ci.Ready || !ci.Bmp) return;
    OffsetRect(&clip, -offset.x, -offset.y);
    std::vector<TControl*> taking;
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* c = container->Controls(i);
        if (dynamic_cast<TWinControl*>(c) || Destroying(c)) continue;
        if (!c->Visible() && !designing) continue;
        if (c->Width() <= 0 || c->Height() <= 0) continue;
        if (!c->Visible() && c->ControlStyle().Contains(csNoDesignVisible)) continue;
        RECT r = c->BoundsRect(), meet;
        if (!IntersectRect(&meet, &r, &clip)) {
            PerformAlphaCmd(c, SKCMD_SET_PARTLY_PAINTED, 0);
            continue;
        }
        taking.push_back(c);
    }
    if (taking.empty()) return;
    std::unique_ptr<TBitmap> bmp(CreateBmp24(container->Width(), container->Height()));
    FillRectPixels(bmp.get(), RECT{0, 0, bmp->Width(), bmp->Height()}, clSkinKey);
    for (TControl* c : taking) {
        RECT r = c->BoundsRect();
        if (c->ControlStyle().Contains(csOpaque)) FillRectPixels(bmp.get(), r, TColor(ColorToRGB(c->Color())));
        else CopyFromCache(bmp.get(), r, ci, ci.X + r.left, ci.Y + r.top);
    }
    HDC bdc = bmp->Canvas()->Handle();
    for (TControl* c : taking) {
        int saved = SaveDC(bdc);
        SetViewportOrgEx(bdc, c->Left(), c->Top(), nullptr);
        IntersectClipRect(bdc, 0, 0, c->Width(), c->Height());
        c->Perform(WM_PAINT, WPARAM(bdc), 0);
        RestoreDC(bdc, saved);
    }
    TacFast24 px;
    bool readable = px.Attach(bmp.get());
    for (TControl* c : taking) {
        if (readable && c->Left() >= 0 && c->Top() >= 0 && c->Left() < px.Width() && c->Top() < px.Height() &&
            px.Pixel(c->Left(), c->Top()) == clSkinKey)
            continue;
        BitBlt(dc, offset.x + c->Left(), offset.y + c->Top(), c->Width(), c->Height(), bdc, c->Left(), c->Top(),
               SRCCOPY);
    }
}

} // namespace tv
