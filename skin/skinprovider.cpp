#include "skin/skinprovider.h"

#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "framework/ui/menus.h"
#include "framework/ui/picture.h"
#include "framework/ui/screen.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "platform/window/sysmetrics.h"
#include "skin/blending.h"
#include "skin/ctrladapter.h"
#include "skin/formanimation.h"
#include "skin/mdiform.h"
#include "skin/scrollwnd.h"
#include "skin/skinablemenus.h"
#include "skin/skinbroadcast.h"
#include "skin/skinmanager.h"
#include "skin/skinmessage.h"
#include "skin/skinutils.h"
#include "skin/systemmenu.h"

namespace tv {

using namespace win;

const TEnumInfo TsGripModeInfo{"TsGripMode", {"gmNone", "gmRightBottom"}};
const TEnumInfo TsResizeModeInfo{"TsResizeMode", {"rmStandard", "rmBorder"}};

TsProviderState ProviderState;

namespace {

int Sub(const Message& msg) { return int(HIWORD(msg.WParam)); }

bool Live(TsSkinProvider* p) { return p && !p->ComponentState().Contains(csDestroying); }

} // namespace

TsSkinProvider::TsSkinProvider(TComponent* owner)
    : TComponent(owner),
      skinData_(std::make_unique<TsCommonData>(this, true)),
      titleButtons_(std::make_unique<TsTitleButtons>(this)),
      titleIcon_(std::make_unique<TsTitleIcon>()) {
    skinData_->COC = 224;
    skinData_->SetSkinSection("FORM");
    form_ = GetParentFormOf(owner);
    if (form_ && !ComponentState().Contains(csDesigning)) {
        stripBmp_.reset(CreateBmp24(1, 1));
        menuLineBmp_.reset(CreateBmp24(1, 1));
        formAlive_ = form_->Alive();
        oldProc_ = form_->WindowProc;
        form_->WindowProc = [this](Message& msg) { HandleMessage(msg); };
        hooked_ = true;
    }
    AfterConstruction();
}

TsSkinProvider::~TsSkinProvider() {
    bool formWhole = form_ && formAlive_ && *formAlive_;
    if (hooked_ && formWhole) form_->WindowProc = oldProc_;
    hooked_ = false;
    if (formWhole && form_->FormStyle() == fsMDIChild && form_->Menu()) {
        TsSkinProvider* main = ProviderState.MDIMain;
        if (Live(main) && main->form_ && !main->form_->ComponentState().Contains(csDestroying))
            main->InvalidateFrame(false);
    }
    if (ProviderState.MDIMain == this) ProviderState.MDIMain = nullptr;
    if (ProviderState.MaximizedChild == this) ProviderState.MaximizedChild = nullptr;
    systemMenu_.reset();
    stripBmp_.reset();
    menuLineBmp_.reset();
    titleCache_.reset();
    adapter_.reset();
    formScrollWnd_.reset();
    mdiForm_.reset();
    titleButtons_.reset();
    titleIcon_.reset();
    skinData_.reset();
}

void TsSkinProvider::Publish(TPublisher& p) {
    using P = TsSkinProvider;
    p.Enum("CaptionAlignment", &P::CaptionAlignment, &P::SetCaptionAlignment, TAlignmentInfo).Default(taLeftJustify);
    p.Enum("GripMode", &P::GripMode, &P::SetGripMode, TsGripModeInfo).Default(gmNone);
    p.Boolean("MakeSkinMenu", &P::MakeSkinMenu, &P::SetMakeSkinMenu).Default(true);
    p.String("MenuLineSkin", &P::MenuLineSkin, &P::SetMenuLineSkin);
    p.Event("OnSkinItem", &P::OnSkinItem);
    p.Enum("ResizeMode", &P::ResizeMode, &P::SetResizeMode, TsResizeModeInfo).Default(rmStandard);
    p.Boolean("ScreenSnap", &P::ScreenSnap, &P::SetScreenSnap).Default(false);
    p.Boolean("ShowAppIcon", &P::ShowAppIcon, &P::SetShowAppIcon).Default(true);
    p.Object("SkinData", &P::SkinData, &P::SetSkinData);
    p.Integer("SnapBuffer", &P::SnapBuffer, &P::SetSnapBuffer).Default(10);
    p.Collection("TitleButtons", &P::TitleButtons, &P::SetTitleButtons);
    p.Object("TitleIcon", &P::TitleIcon, &P::SetTitleIcon);
    p.String("TitleSkin", &P::TitleSkin, &P::SetTitleSkin);
    p.Boolean("UseGlobalColor", &P::UseGlobalColor, &P::SetUseGlobalColor).Default(true);
}

// --- properties ---------------------------------------------------------------

void TsSkinProvider::InvalidateFrame(bool full) {
    if (full) fullRepaint_ = true;
    skinData_->BGChanged = true;
    menuRows_ = -1;
    if (form_ && form_->HandleAllocated() && form_->Visible()) SendMessage(form_->Handle(), WM_NCPAINT, 1, 0);
}

void TsSkinProvider::SetCaptionAlignment(TAlignment v) {
    captionAlignment_ = v;
    InvalidateFrame();
}

void TsSkinProvider::SetShowAppIcon(bool v) {
    showAppIcon_ = v;
    InvalidateFrame();
}

void TsSkinProvider::SetTitleSkin(const std::string& v) {
    if (v == titleSkin_) return;
    titleSkin_ = v;
    InvalidateFrame();
}

void TsSkinProvider::SetMenuLineSkin(const std::string& v) {
    menuLineSkin_ = v;
    if (ComponentState().Contains(csDesigning)) skinData_->Invalidate();
}

void TsSkinProvider::SetSkinData(TsCommonData* v) {
    if (!v) return;
    skinData_->SetCustomColor(v->CustomColor());
    skinData_->SetCustomFont(v->CustomFont());
    skinData_->SetSkinManager(v->StoredManager());
    skinData_->SetSkinSection(v->SkinSection());
}

void TsSkinProvider::SetUseGlobalColor(bool v) {
    useGlobalColor_ = v;
    if (!form_) return;
    TsSkinManager* sm = skinData_->GetSkinManager();
    if (sm && skinData_->Skinned() && v && !skinData_->CustomColor()) form_->SetColor(sm->GetGlobalColor());
    else form_->SetColor(clBtnFace);
}

void TsSkinProvider::ApplyGlobalColor() {
    if (!form_ || !useGlobalColor_ || skinData_->CustomColor()) return;
    TsSkinManager* sm = skinData_->GetSkinManager();
    if (sm) form_->SetColor(skinData_->Skinned() ? sm->GetGlobalColor() : TColor(clBtnFace));
}

// --- life ---------------------------------------------------------------------

bool TsSkinProvider::Creating() const {
    return form_ && (form_->ControlState().Contains(csCreating) || form_->FormState().Contains(fsCreating));
}

bool TsSkinProvider::Loading() const {
    return ComponentState().Contains(csLoading) || (form_ && form_->ComponentState().Contains(csLoading));
}

bool TsSkinProvider::Destroying() const {
    return ComponentState().Contains(csDestroying) || !form_ || !formAlive_ || !*formAlive_ ||
           form_->ComponentState().Contains(csDestroying);
}

void TsSkinProvider::AfterConstruction() {
    if (!skinData_->GetSkinManager() || ComponentState().Contains(csDesigning) || !form_) return;
    if (skinData_->Skinned() && !adapter_) adapter_ = std::make_unique<TacCtrlAdapter>(this);
    PrepareForm();
}

void TsSkinProvider::Loaded() {
    TComponent::Loaded();
    TsSkinManager* sm = skinData_->GetSkinManager();
    if (!sm || ComponentState().Contains(csDesigning) || !form_) return;
    skinData_->UpdateIndexes();
    if (skinData_->Skinned()) {
        if (!adapter_) adapter_ = std::make_unique<TacCtrlAdapter>(this);
        PrepareForm();
        if (systemMenu_) systemMenu_->UpdateItems();
        int g = sm->ConstData.IndexGlobalInfo;
        UserButtonImage = g >= 0 ? sm->GetMaskIndex(g, "GLOBALINFO", "TITLEBUTTON") : -1;
        if (UserButtonImage < 0)
            UserButtonImage = sm->GetMaskIndex(skinData_->SkinIndex, skinData_->SkinSection(), "TITLEBUTTON");
        for (int i = 0; i < titleButtons_->Count(); ++i) {
            TsTitleButton* b = titleButtons_->Items(i);
            b->Data.ImageIndex = b->UseSkinData() ? UserButtonImage : -1;
        }
        if (mdiForm_) {
            ProcessPendingMessages();
            if (mdiForm_) mdiForm_->Update();
        }
    }
}

void TsSkinProvider::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (auto* sm = dynamic_cast<TsSkinManager*>(component)) {
        if (operation == TOperation::opRemove && skinData_ && skinData_->StoredManager() == sm)
            skinData_->SetSkinManager(nullptr);
        else if (operation == TOperation::opInsert && skinData_ && !skinData_->StoredManager())
            skinData_->SetSkinManager(sm);
        return;
    }
    if (operation == TOperation::opInsert && adapter_ && !ComponentState().Contains(csDesigning))
        if (auto* w = dynamic_cast<TWinControl*>(component); w && adapter_->IsControlSupported(w))
            adapter_->AddNewItem(w);
}

void TsSkinProvider::PrepareForm() {
    TsSkinManager* sm = skinData_->GetSkinManager();
    if (!sm || !form_) return;
    skinData_->UpdateIndexes();
    if (!systemMenu_) systemMenu_ = std::make_unique<TsSystemMenu>(this);
    systemMenu_->UpdateItems();
    if (firstPrepare_ && sm->SkinData.Active) {
        firstPrepare_ = false;
        if (!form_->BorderIcons().Empty() && form_->HandleAllocated())
            SetWindowLong(form_->Handle(), GWL_STYLE, GetWindowLong(form_->Handle(), GWL_STYLE) & ~LONG_PTR(WS_SYSMENU));
        if (form_->FormStyle() == fsMDIForm && !ComponentState().Contains(csDesigning) && !mdiForm_)
            mdiForm_ = std::make_unique<TsMDIForm>(this);
    }
    InitTitleButtonImages();
    if (form_->FormStyle() == fsMDIChild && Live(ProviderState.MDIMain) && skinData_->Skinned()) {
        ProviderState.MDIMain->fullRepaint_ = true;
        ProviderState.MDIMain->menuRows_ = -1;
    }
    if (Creating() || form_->ControlState().Contains(csReadingState) || ComponentState().Contains(csLoading) ||
        !useGlobalColor_ || skinData_->CustomColor())
        return;
    form_->SetColor(sm->GetGlobalColor());
}

TsSkinProvider* GetFormSkinProvider(TControl* control) {
    TControl* c = control;
    while (c && c->Parent()) c = c->Parent();
    auto* form = dynamic_cast<TCustomForm*>(c);
    if (!form) return nullptr;
    Message m{SM_ALPHACMD, SkinCommand(SKCMD_GET_PROVIDER), 0, 0};
    form->WindowProc(m);
    return reinterpret_cast<TsSkinProvider*>(m.Result);
}

// --- the window procedure ---------------------------------------------------------

void TsSkinProvider::CallOld(Message& msg) {
    if (oldProc_) oldProc_(msg);
}

void TsSkinProvider::HandleMessage(Message& msg) {
    if (ComponentState().Contains(csDesigning) || !skinData_) return CallOld(msg);
    auto alive = Alive();
    if (msg.Msg == SM_ALPHACMD) {
        switch (Sub(msg)) {
        case SKCMD_SKIN_LOADED:
            if (!systemMenu_) PrepareForm();
            break;
        case SKCMD_SKIN_REMOVED: SkinRemoved(msg); return;
        case SKCMD_IS_SKINNED:
            msg.LParam = 1;
            msg.Result = 1;
            return;
        default: break;
        }
    }
    if (Destroying() || !skinData_->Skinned()) {
        if (msg.Msg == SM_ALPHACMD) {
            int sub = Sub(msg);
            TsSkinManager* sm = skinData_->GetSkinManager();
            if (sub == SKCMD_SKIN_LOADED && sm && msg.LParam == LPARAM(sm) && !Destroying()) {
                SkinLoaded(msg);
                return;
            }
            CallOld(msg);
            if (*alive && !Destroying() && (sub == SKCMD_SKIN_LOADED || sub == SKCMD_REFRESH || sub == SKCMD_BEFORE_REFRESH))
                BroadcastToChildren(form_, msg);
            return;
        }
        bool mdiChild = form_ && form_->FormStyle() == fsMDIChild;
        CallOld(msg);
        if (msg.Msg == WM_NCDESTROY && mdiChild) {
            TsSkinProvider* main = ProviderState.MDIMain;
            if (Live(main) && main->skinData_->Skinned()) {
                main->InvalidateFrame(false);
                if (main->form_->ClientHandle() && !main->form_->ActiveMDIChild())
                    RedrawWindow(main->form_->ClientHandle(), nullptr, nullptr,
                                 RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
            }
        }
        return;
    }
    if (msg.Msg == SM_ALPHACMD) AlphaCommand(msg);
    else WindowMessage(msg);
}

// --- skin commands -----------------------------------------------------------------

void TsSkinProvider::SkinLoaded(Message& msg) {
    TsSkinManager* sm = skinData_->GetSkinManager();
    if (sm) sm->SkinableMenus()->FreeMenuCache();
    skinData_->UpdateIndexes();
    if (sm) {
        InitTitleButtonImages();
        if (!form_->BorderIcons().Empty() && form_->HandleAllocated())
            SetWindowLong(form_->Handle(), GWL_STYLE, GetWindowLong(form_->Handle(), GWL_STYLE) & ~LONG_PTR(WS_SYSMENU));
        if (form_->FormStyle() == fsMDIForm && form_->ActiveMDIChild() && Screen &&
            form_->ActiveMDIChild() == Screen->ActiveForm())
            formActive_ = true;
        SetMenuPainterOwnerDraw();
        skinData_->BGChanged = true;
        menuRows_ = -1;
        if (form_->FormStyle() == fsMDIForm && !mdiForm_) mdiForm_ = std::make_unique<TsMDIForm>(this);
        if (useGlobalColor_ && !skinData_->CustomColor()) ApplyGlobalColor();
    }
    if (!adapter_) adapter_ = std::make_unique<TacCtrlAdapter>(this);
    BroadcastToChildren(form_, msg);
}

void TsSkinProvider::SkinRemoved(Message& msg) {
    TsSkinManager* sm = skinData_->GetSkinManager();
    if (!sm || msg.LParam != LPARAM(sm) || Destroying()) {
        if (!Destroying()) BroadcastToChildren(form_, msg);
        return;
    }
    bool border = HasBorder() && form_->HandleAllocated();
    if (border) SetWindowRgn(form_->Handle(), CreateRectRgn(0, 0, 0, 0), FALSE);
    formScrollWnd_.reset();
    if (adapter_) {
        adapter_->SendToItems(msg);
        adapter_.reset();
    }
    HandleAlphaCmd(msg, skinData_.get());
    menuRows_ = -1;
    BroadcastToChildren(form_, msg);
    if (useGlobalColor_ && !skinData_->CustomColor()) form_->SetColor(clBtnFace);
    if (skinData_->GetSkinManager()) {
        skinData_->GetSkinManager()->SkinableMenus()->FreeMenuCache();
        SetMenuPainterOwnerDraw();
        if (!form_->BorderIcons().Empty() && form_->HandleAllocated())
            SetWindowLong(form_->Handle(), GWL_STYLE, GetWindowLong(form_->Handle(), GWL_STYLE) | WS_SYSMENU);
        mdiForm_.reset();
        if (border) SetWindowRgn(form_->Handle(), nullptr, TRUE);
    }
    // The system's frame comes back.
    if (form_->HandleAllocated())
        SetWindowPos(form_->Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TsSkinProvider::Refresh(Message& msg) {
    if (!adapter_) adapter_ = std::make_unique<TacCtrlAdapter>(this);
    AdaptFormScrollBars();
    skinData_->BGChanged = true;
    menuRows_ = -1;
    skinData_->Updating = false;
    titleCache_.reset();
    SetMenuPainterOwnerDraw();
    if (HasBorder()) regionChanged_ = true;
    if (form_->HandleAllocated() && form_->Visible()) {
        SendMessage(form_->Handle(), WM_NCPAINT, 1, 0);
        TCustomForm* child = form_->FormStyle() == fsMDIForm ? form_->ActiveMDIChild() : nullptr;
        if (child && child->WindowState() == wsMaximized && child->HandleAllocated()) {
            InvalidateRect(child->Handle(), nullptr, FALSE);
            UpdateWindow(child->Handle());
        } else {
            InvalidateRect(form_->Handle(), nullptr, FALSE);
            UpdateWindow(form_->Handle());
            if (form_->FormStyle() == fsMDIForm && form_->ClientHandle()) {
                RECT r;
                GetClientRect(form_->ClientHandle(), &r);
                SendMessage(form_->ClientHandle(), WM_SIZE, 0, MAKELPARAM(r.right, r.bottom));
                SendMessage(form_->ClientHandle(), WM_NCPAINT, 1, 0);
            }
        }
    }
    if (useGlobalColor_ && !skinData_->CustomColor()) ApplyGlobalColor();
    if (mdiForm_) mdiForm_->Update();
    BroadcastToChildren(form_, msg);
}

void TsSkinProvider::AlphaCommand(Message& msg) {
    TsSkinManager* sm = skinData_->GetSkinManager();
    bool own = sm && msg.LParam == LPARAM(sm);
    auto flag = [&] { return int(LOWORD(msg.WParam)); };
    switch (Sub(msg)) {
    case SKCMD_SKIN_LOADED:
        if (own) {
            sm->SkinableMenus()->FreeMenuCache();
            skinData_->UpdateIndexes();
            InitTitleButtonImages();
            if (!form_->BorderIcons().Empty() && form_->HandleAllocated())
                SetWindowLong(form_->Handle(), GWL_STYLE,
                              GetWindowLong(form_->Handle(), GWL_STYLE) & ~LONG_PTR(WS_SYSMENU));
            SetMenuPainterOwnerDraw();
            skinData_->BGChanged = true;
            menuRows_ = -1;
            if (form_->HandleAllocated()) SendMessage(form_->Handle(), WM_NCPAINT, 1, 0);
            if (form_->FormStyle() == fsMDIForm) {
                if (!mdiForm_) mdiForm_ = std::make_unique<TsMDIForm>(this);
                mdiForm_->Update();
            }
        }
        BroadcastToChildren(form_, msg);
        return;
    case SKCMD_REFRESH:
        if (own) Refresh(msg);
        else BroadcastToChildren(form_, msg);
        return;
    case SKCMD_BEFORE_REFRESH: BroadcastToChildren(form_, msg); return;
    case SKCMD_GET_PROVIDER: msg.Result = LRESULT(this); return;
    case SKCMD_GET_CACHE:
        if (!Loading()) GlobalCacheInfo = TCacheInfo{FrameCache(), ClientOffsetX(), ClientOffsetY(), true};
        return;
    case SKCMD_SET_UPDATING:
        skinData_->Updating = flag() == 1;
        if (skinData_->Updating) skinData_->BGChanged = true;
        return;
    case SKCMD_SET_EXTERNAL_PAINT:
        CommonMessageFilter(msg, skinData_.get());
        if (skinData_->ExternalPaint) PaintAll();
        return;
    case SKCMD_IS_UPDATING:
        msg.LParam = (skinData_->BGChanged || skinData_->Updating) ? 1 : 0;
        msg.Result = 1;
        return;
    case SKCMD_SET_FOCUS_CHILD: skinData_->PaintOnlyChild = reinterpret_cast<TControl*>(msg.LParam); return;
    case SKCMD_NEEDS_PARENT_BG: {
        const TsGeneralData& g = sm->gd[std::size_t(skinData_->SkinIndex)];
        msg.LParam = g.GradientPercent + g.ImagePercent > 0 ? 1 : 0;
        msg.Result = 1;
        return;
    }
    case SKCMD_GET_BG_COLOR:
        if (skinData_->Skinned() && !skinData_->CustomColor())
            ParentBackColor = sm->gd[std::size_t(skinData_->SkinIndex)].HotColor;
        else ParentBackColor = TColor(ColorToRGB(form_->Color()));
        msg.Result = 1;
        return;
    case SKCMD_ADAPT_CONTROLS:
        if (msg.LParam && adapter_) adapter_->AddAllControls(reinterpret_cast<TComponent*>(msg.LParam));
        return;
    case SKCMD_STOP_REDRAW:
        if (skinData_->IsTransparent() && form_->HandleAllocated()) SendMessage(form_->Handle(), WM_SETREDRAW, 0, 0);
        return;
    case SKCMD_RESUME_REDRAW:
        if (skinData_->IsTransparent() && form_->HandleAllocated()) {
            SendMessage(form_->Handle(), WM_SETREDRAW, 1, 0);
            RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
            TsSkinProvider* main = ProviderState.MDIMain;
            if (Live(main) && main->form_->ClientHandle())
                RedrawWindow(main->form_->ClientHandle(), nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
        }
        return;
    default: return; // consumed without effect
    }
}

// --- window messages -----------------------------------------------------------

void TsSkinProvider::WindowMessage(Message& msg) {
    switch (msg.Msg) {
    case WM_CREATE: FormCreated(msg); return;
    case WM_SIZE: FormSized(msg); return;
    case WM_ACTIVATE: FormActivated(msg); return;
    case WM_SETTEXT: CaptionSet(msg); return;
    case CM_TEXTCHANGED: CaptionChanged(msg); return;
    case WM_PAINT: Paint(msg); return;
    case WM_ERASEBKGND: msg.Result = 1; return;
    case WM_SYSCOLORCHANGE:
    case WM_CHILDACTIVATE:
        if (PassOn(msg)) SetMenuPainterOwnerDraw();
        return;
    case WM_GETMINMAXINFO: MinMaxInfo(msg); return;
    case WM_WINDOWPOSCHANGING:
        if (inRegionUpdate_) return;
        Snap(reinterpret_cast<WINDOWPOS*>(msg.LParam));
        return CallOld(msg);
    case WM_WINDOWPOSCHANGED:
    case WM_EXITSIZEMOVE: PositionChanged(msg); return;
    case WM_NCHITTEST: HitTest(msg); return;
    case WM_NCPAINT: NCPaint(msg); return;
    case WM_PRINT: Print(msg); return;
    case WM_NCACTIVATE: NCActivate(msg); return;
    case WM_NCLBUTTONDOWN: NCButtonDown(msg); return;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP: NCButtonUp(msg); return;
    case WM_NCLBUTTONDBLCLK: NCButtonDblClk(msg); return;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP: NCRButton(msg); return;
    case WM_MOUSEMOVE: MouseMoveOutline(msg); return;
    case WM_SYSCOMMAND: SysCommand(msg); return;
    case WM_SIZING:
        if (PassOn(msg) && CacheSizeDiffers()) {
            skinData_->BGChanged = true;
            menuRows_ = -1;
        }
        return;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        SetHotButton(0);
        return CallOld(msg);
    case WM_PARENTNOTIFY: ParentNotified(msg); return;
    case WM_MDIDESTROY:
    case WM_MDIACTIVATE: MDIChildChanged(msg); return;
    case WM_PRINTCLIENT: return;
    case CM_COLORCHANGED:
        if (!skinData_->CustomColor()) return;
        if (!Creating()) skinData_->BGChanged = true;
        return CallOld(msg);
    case CM_MENUCHANGED:
        if (FormShowing() && !Creating()) fullRepaint_ = true;
        return CallOld(msg);
    case CM_SHOWINGCHANGED: ShowingChanged(msg); return;
    default: CallOld(msg); return;
    }
}

bool TsSkinProvider::PassOn(Message& msg) {
    auto alive = Alive();
    CallOld(msg);
    return *alive;
}

bool TsSkinProvider::FormShowing() const {
    return form_->HandleAllocated() && form_->Visible() && IsWindowVisible(form_->Handle());
}

bool TsSkinProvider::CacheSizeDiffers() const {
    TBitmap* c = FrameCache();
    return !c || c->Width() != FormWidth() || c->Height() != FormHeight();
}

// The next MDI child is maximized when it paints if the active one is; a
// window made after the provider loses its system menu too: the provider
// draws the buttons and shows its own window menu.
void TsSkinProvider::FormCreated(Message& msg) {
    ProviderState.MaximizeNextChild = false;
    if (form_->FormStyle() == fsMDIChild && Application && Application->MainForm()) {
        TCustomForm* active = Application->MainForm()->ActiveMDIChild();
        if (active && active != form_ && active->WindowState() == wsMaximized) ProviderState.MaximizeNextChild = true;
    }
    if (!PassOn(msg)) return;
    if (skinData_->Skinned() && !form_->BorderIcons().Empty() && form_->HandleAllocated())
        SetWindowLong(form_->Handle(), GWL_STYLE, GetWindowLong(form_->Handle(), GWL_STYLE) & ~LONG_PTR(WS_SYSMENU));
}

// A maximized MDI child has the main form's frame repainted; a section with
// a gradient repaints the controls over it.
void TsSkinProvider::FormSized(Message& msg) {
    bool visible = FormShowing();
    if (!PassOn(msg) || !visible) return;
    if (form_->FormStyle() == fsMDIChild && form_->WindowState() == wsMaximized && Live(ProviderState.MDIMain)) {
        TBitmap* c = FrameCache();
        ProviderState.MDIMain->skinData_->BGChanged = c && (c->Width() == FormWidth() || c->Height() == FormHeight());
        SendMessage(ProviderState.MDIMain->form_->Handle(), WM_NCPAINT, 1, 0);
    }
    if (!skinData_->Skinned()) return;
    TsSkinManager* sm = skinData_->GetSkinManager();
    if (sm->gd[std::size_t(skinData_->SkinIndex)].GradientPercent < 1) return;
    for (int i = 0; i < form_->ControlCount(); ++i) {
        TControl* c = form_->Controls(i);
        if (!c->ComponentState().Contains(csDestroying)) PerformAlphaCmd(c, SKCMD_REPAINT_TREE, 0, 1);
    }
}

// The frame takes the active or the inactive look, and with it the other
// MDI children's frames and the menus.
void TsSkinProvider::FormActivated(Message& msg) {
    if (!PassOn(msg) || Creating()) return;
    formActive_ = LOWORD(msg.WParam) != 0;
    skinData_->BGChanged = true;
    menuRows_ = -1;
    if (form_->FormStyle() == fsMDIChild && Live(ProviderState.MDIMain)) {
        TCustomForm* main = ProviderState.MDIMain->form_;
        for (int i = 0; i < main->MDIChildCount(); ++i) {
            TCustomForm* c = main->MDIChildren(i);
            if (c != form_ && c->Visible() && c->HandleAllocated()) SendMessage(c->Handle(), WM_NCPAINT, 1, 0);
        }
        ProviderState.MDIMain->skinData_->BGChanged = true;
    }
    if (form_->HandleAllocated()) SendMessage(form_->Handle(), WM_NCPAINT, 1, 0);
    SetMenuPainterOwnerDraw();
    if (form_->FormStyle() == fsMDIForm)
        if (TCustomForm* c = form_->ActiveMDIChild(); c && c->WindowState() == wsMaximized && c->HandleAllocated())
            InvalidateRect(c->Handle(), nullptr, FALSE);
    if (systemMenu_) systemMenu_->UpdateItems();
    if (form_->BorderStyle() == bsNone)
        for (int i = 0; i < form_->ControlCount(); ++i)
            if (form_->Controls(i)->Align() == alClient) {
                InvalidateRect(form_->Handle(), nullptr, FALSE);
                break;
            }
}

// The window system draws no caption of its own here, so the title needs no
// cutting out of the region while the text changes.
void TsSkinProvider::CaptionSet(Message& msg) {
    bool visible = FormShowing();
    if (!PassOn(msg) || !visible) return;
    if (HasBorder()) {
        skinData_->BGChanged = true;
        SendMessage(form_->Handle(), WM_NCPAINT, 1, 0);
    }
}

// The form's caption takes the new text only after WM_SETTEXT has passed:
// the frame is painted again once it holds it.
void TsSkinProvider::CaptionChanged(Message& msg) {
    bool visible = FormShowing();
    if (!PassOn(msg) || !visible || !HasBorder()) return;
    skinData_->BGChanged = true;
    SendMessage(form_->Handle(), WM_NCPAINT, 1, 0);
}

// A maximized window covers the work area with its side borders outside it.
void TsSkinProvider::MinMaxInfo(Message& msg) {
    auto* mmi = reinterpret_cast<MINMAXINFO*>(msg.LParam);
    if (!mmi) return CallOld(msg);
    mmi->ptMaxTrackSize = {-1, -1};
    mmi->ptMaxPosition = {-1, -1};
    if (!PassOn(msg)) return;
    RECT wa = GetWorkArea();
    int bw = HasBorder() ? BorderWidth() : 0, bh = HasBorder() ? BorderHeight() : 0;
    if (mmi->ptMaxTrackSize.x == -1) mmi->ptMaxTrackSize.x = wa.right - wa.left + 2 * bw;
    if (mmi->ptMaxTrackSize.y == -1) mmi->ptMaxTrackSize.y = wa.bottom - wa.top + 2 * bh;
    if (mmi->ptMaxPosition.x == -1) mmi->ptMaxPosition.x = wa.left - bw;
    if (mmi->ptMaxPosition.y == -1) mmi->ptMaxPosition.y = wa.top - bh;
}

// Moved or sized: the region is rebuilt, and a frame cache of another size
// is painted anew.
void TsSkinProvider::PositionChanged(Message& msg) {
    if (inRegionUpdate_ || SkinIsChanging) return;
    regionChanged_ = true;
    bool visible = FormShowing();
    if (!PassOn(msg) || !visible || !CacheSizeDiffers()) return;
    if (!Creating()) skinData_->BGChanged = true;
    menuRows_ = -1;
    SendMessage(form_->Handle(), WM_NCPAINT, 1, 0);
    InvalidateRect(form_->Handle(), nullptr, FALSE);
}

void TsSkinProvider::HitTest(Message& msg) {
    if (!HasCaption()) return CallOld(msg);
    POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
    int hit = NCHitTest(p, msg.Result);
    if (hit != HTNOWHERE && hit != HTCAPTION) {
        msg.Result = hit;
        return;
    }
    if (PassOn(msg)) SetHotButton(0);
}

// A child window made or gone: the adapter takes in the new controls or
// drops the gone ones, and the form's own scroll bars follow.
void TsSkinProvider::ParentNotified(Message& msg) {
    if (!PassOn(msg) || Loading()) return;
    int event = LOWORD(msg.WParam);
    if (event != WM_CREATE && event != WM_DESTROY) return;
    if (adapter_) {
        if (event == WM_CREATE)
            adapter_->AddAllControls(nullptr);
        else
            adapter_->CleanItems();
    }
    if (formScrollWnd_) formScrollWnd_->RefreshScrollInfo(true);
}

// An MDI child gone or activated: the main form's frame is painted anew.
void TsSkinProvider::MDIChildChanged(Message& msg) {
    if (!PassOn(msg) || form_->FormStyle() != fsMDIChild || !Live(ProviderState.MDIMain)) return;
    menuOwnerDrawSet_ = false;
    ProviderState.MDIMain->InvalidateFrame(true);
}

// Shown with the manager's animation when its effect for this kind of form is active.
void TsSkinProvider::ShowingChanged(Message& msg) {
    if (!skinData_->BGChanged) return CallOld(msg);
    TsSkinManager* sm = skinData_->GetSkinManager();
    TacFormAnimation* effect = nullptr;
    if (form_->FormStyle() != fsMDIChild && sm) {
        if (form_->BorderStyle() == bsDialog)
            effect = sm->AnimEffects()->DialogShow();
        else
            effect = sm->AnimEffects()->FormShow();
    }
    bool animated = effect && effect->Active() && form_->Visible() && form_->HandleAllocated();
    if (animated) {
        inAnimation_ = true;
        SendMessage(form_->Handle(), WM_SETREDRAW, 0, 0);
    }
    if (!PassOn(msg)) return;
    AdaptFormScrollBars();
    if (!animated) return;
    inAnimation_ = false;
    if (!form_->HandleAllocated()) return;
    AnimateForm(form_, effect->Time());
    SendMessage(form_->Handle(), WM_SETREDRAW, 1, 0);
    UpdateWindowRegion(true);
    RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

} // namespace tv
