#include "framework/ui/menus.h"

#include <algorithm>
#include <map>
#include <set>
#include <strings.h>

#include "framework/ui/actions.h"
#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "platform/window/input.h"
#include "platform/gdi/text.h"
#include "platform/window/mdi.h"
#include "platform/window/queue.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TMenuBreakInfo{"TMenuBreak", {"mbNone", "mbBreak", "mbBarBreak"}};
const TEnumInfo TPopupAlignmentInfo{"TPopupAlignment", {"paLeft", "paRight", "paCenter"}};
const TEnumInfo TMenuAnimationsInfo{"TMenuAnimations",
                                    {"maLeftToRight", "maRightToLeft", "maTopToBottom", "maBottomToTop", "maNone"}};

// --- shortcuts -----------------------------------------------------------------------

namespace {
struct KeyName { int vk; const char* name; };
const KeyName kKeyNames[] = {
    {VK_BACK, "BkSp"}, {VK_TAB, "Tab"}, {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"}, {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"}, {VK_END, "End"}, {VK_HOME, "Home"}, {VK_LEFT, "Left"},
    {VK_UP, "Up"}, {VK_RIGHT, "Right"}, {VK_DOWN, "Down"}, {VK_INSERT, "Ins"}, {VK_DELETE, "Del"}};

std::string KeyToText(int vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return std::string(1, char(vk));
    if (vk >= VK_F1 && vk <= VK_F1 + 23) return "F" + std::to_string(vk - VK_F1 + 1);
    for (auto& k : kKeyNames)
        if (k.vk == vk) return k.name;
    return {};
}

std::map<UINT, TMenuItem*>& Commands() {
    static std::map<UINT, TMenuItem*> m;
    return m;
}
std::set<TMenuItem*>& LiveItems() {
    static std::set<TMenuItem*> items;
    return items;
}
UINT g_nextCommand = 1;
} // namespace

TShortCut ShortCut(WORD key, TShiftState shift) {
    TShortCut sc = key & 0xFF;
    if (shift.Contains(ssShift)) sc |= scShift;
    if (shift.Contains(ssCtrl)) sc |= scCtrl;
    if (shift.Contains(ssAlt)) sc |= scAlt;
    return sc;
}

std::string ShortCutToText(TShortCut sc) {
    std::string key = KeyToText(sc & 0xFF);
    if (key.empty()) return {};
    std::string out;
    if (sc & scShift) out += "Shift+";
    if (sc & scCtrl) out += "Ctrl+";
    if (sc & scAlt) out += "Alt+";
    return out + key;
}

TShortCut TextToShortCut(const std::string& text) {
    TShortCut mods = 0;
    std::string rest = text;
    for (;;) {
        auto take = [&](const char* prefix, TShortCut bit) {
            size_t n = std::char_traits<char>::length(prefix);
            if (rest.size() > n && strncasecmp(rest.c_str(), prefix, n) == 0) {
                mods |= bit;
                rest = rest.substr(n);
                return true;
            }
            return false;
        };
        if (!take("Shift+", scShift) && !take("Ctrl+", scCtrl) && !take("Alt+", scAlt)) break;
    }
    for (int vk = 1; vk < 256; ++vk)
        if (std::string k = KeyToText(vk); !k.empty() && strcasecmp(k.c_str(), rest.c_str()) == 0) return vk | mods;
    return 0;
}

TShortCut ShortCutFromMessage(const Message& msg) {
    TShiftState s = KeyboardShiftState();
    if (msg.Msg == WM_SYSKEYDOWN || msg.Msg == CN_SYSKEYDOWN) s.Include(ssAlt);
    return ShortCut(WORD(msg.WParam), s);
}

TMenuItem* FindMenuItemByCommand(UINT command) {
    auto it = Commands().find(command);
    return it == Commands().end() ? nullptr : it->second;
}

bool DispatchMenuCommand(UINT command) {
    TMenuItem* item = FindMenuItemByCommand(command);
    if (!item) return false;
    item->Click();
    return true;
}

// --- TMenuItem -------------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {
    command_ = g_nextCommand++;
    if (g_nextCommand >= 0xF000) g_nextCommand = 1;
    Commands()[command_] = this;
    LiveItems().insert(this);
}

TMenuItem::~TMenuItem() {
    Commands().erase(command_);
    LiveItems().erase(this);
    actionLink_.reset();
    for (TMenuItem* c : std::vector<TMenuItem*>(items_)) {
        if (c->Owner()) c->parent_ = nullptr;
        else delete c;
    }
    items_.clear();
    if (parent_) parent_->Remove(this);
    FreeHandle();
}

void TMenuItem::Publish(TPublisher& p) {
    p.Component("Action", &TMenuItem::Action, &TMenuItem::SetAction);
    p.Boolean("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck).Default(false);
    p.Object("Bitmap", &TMenuItem::Bitmap, &TMenuItem::SetBitmap);
    p.Enum("Break", &TMenuItem::Break, &TMenuItem::SetBreak, TMenuBreakInfo).Default(mbNone);
    p.String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
    p.Boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false);
    p.Boolean("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(false);
    p.Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true);
    p.Integer("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0);
    p.String("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
    p.Integer("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex).Default(-1);
    p.Boolean("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(false);
    p.Integer("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Default(0);
    p.Boolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true);
    p.Event("OnAdvancedDrawItem", &TMenuItem::OnAdvancedDrawItem);
    p.Event("OnClick", &TMenuItem::OnClick);
    p.Event("OnMeasureItem", &TMenuItem::OnMeasureItem);
}

TMenuItem* TMenuItem::FromData(LONG_PTR data) {
    auto* item = reinterpret_cast<TMenuItem*>(data);
    return data && LiveItems().count(item) ? item : nullptr;
}

TMenuItem* TMenuItem::FromHandle(HMENU menu) {
    if (!menu) return nullptr;
    for (TMenuItem* i : LiveItems())
        if (i->handle_ == menu) return i;
    return nullptr;
}

// The item's own entries and its parent's (where the item itself is listed)
// are filled again in place.
void TMenuItem::MenuChanged() {
    if (handle_ && IsMenu(handle_)) Populate();
    if (parent_ && parent_->handle_ && IsMenu(parent_->handle_)) parent_->Populate();
    if (TMenu* m = GetParentMenu()) m->MenuChanged(this);
}

void TMenuItem::Populate() {
    // Submenus belong to their own items: removed, not destroyed.
    while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
    TMenu* menu = GetParentMenu();
    bool ownerDraw = menu && menu->OwnerDraw();
    for (TMenuItem* c : items_) {
        if (!c->visible_) continue;
        UINT flags = MF_STRING;
        if (c->IsLine()) flags = MF_SEPARATOR;
        if (!c->enabled_) flags |= MF_GRAYED;
        if (c->checked_) flags |= MF_CHECKED;
        if (c->break_ == mbBreak) flags |= MF_MENUBREAK;
        if (c->break_ == mbBarBreak) flags |= MF_MENUBARBREAK;
        // The framework draws what the platform cannot: its handlers and pictures.
        if (ownerDraw || c->HasOwnerDraw() || (c->bitmap_ && !c->bitmap_->Empty())) flags |= MF_OWNERDRAW;
        std::string text = c->caption_;
        if (c->shortCut_) text += "\t" + ShortCutToText(c->shortCut_);
        if (!c->items_.empty()) AppendMenu(handle_, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(c->Handle()), text);
        else AppendMenu(handle_, flags, c->command_, text);
        SetMenuItemData(handle_, UINT(GetMenuItemCount(handle_) - 1), reinterpret_cast<LONG_PTR>(c), MF_BYPOSITION);
    }
    // Refilling the window menu took the MDI window list away: it comes back.
    if (menu && menu->WindowHandle() && IsWindow(menu->WindowHandle()))
        if (auto* form = dynamic_cast<TCustomForm*>(TWinControl::FindControl(menu->WindowHandle()));
            form && form->WindowMenu() == this && form->ClientHandle())
            SendMessage(form->ClientHandle(), WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(handle_));
}

void TMenuItem::FreeHandle() {
    if (handle_ && IsMenu(handle_)) {
        // Submenus belong to their own items; detach them before destroying.
        while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
        DestroyMenu(handle_);
    }
    handle_ = nullptr;
}

void TMenuItem::RefreshHandles() {
    if (handle_ && IsMenu(handle_)) Populate();
    for (TMenuItem* c : items_) c->RefreshHandles();
}

// The platform destroyed the menus with the window they were on.
void TMenuItem::ForgetHandles() {
    handle_ = nullptr;
    for (TMenuItem* c : items_) c->ForgetHandles();
}

void TMenuItem::SetCaption(const std::string& v) { if (v != caption_) { caption_ = v; MenuChanged(); } }
void TMenuItem::SetShortCut(TShortCut v) { if (v != shortCut_) { shortCut_ = v; MenuChanged(); } }
void TMenuItem::SetEnabled(bool v) { if (v != enabled_) { enabled_ = v; MenuChanged(); } }
void TMenuItem::SetVisible(bool v) { if (v != visible_) { visible_ = v; MenuChanged(); } }
void TMenuItem::SetDefault(bool v) { if (v != default_) { default_ = v; MenuChanged(); } }
void TMenuItem::SetBreak(TMenuBreak v) { if (v != break_) { break_ = v; MenuChanged(); } }
void TMenuItem::SetImageIndex(int v) { if (v != imageIndex_) { imageIndex_ = v; MenuChanged(); } }

void TMenuItem::TurnSiblingsOff() {
    if (!parent_) return;
    for (TMenuItem* s : parent_->items_)
        if (s != this && s->radioItem_ && s->groupIndex_ == groupIndex_) s->checked_ = false;
}

void TMenuItem::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    if (v && radioItem_) TurnSiblingsOff();
    MenuChanged();
}

void TMenuItem::SetRadioItem(bool v) {
    if (v == radioItem_) return;
    radioItem_ = v;
    if (checked_ && v) TurnSiblingsOff();
    MenuChanged();
}

void TMenuItem::SetGroupIndex(int v) {
    if (v == groupIndex_) return;
    groupIndex_ = v;
    if (checked_ && radioItem_) TurnSiblingsOff();
    MenuChanged();
}

TBitmap* TMenuItem::Bitmap() {
    if (!bitmap_) bitmap_ = std::make_unique<TBitmap>();
    return bitmap_.get();
}

void TMenuItem::SetBitmap(TBitmap* v) {
    Bitmap()->Assign(v);
    MenuChanged();
}

int TMenuItem::MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item->parent_) throw EMenuError("Menu inserted twice");
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    MenuChanged();
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) throw EMenuError("Sub-menu is not in menu");
    items_.erase(it);
    item->parent_ = nullptr;
    MenuChanged();
}

void TMenuItem::Delete(int index) {
    if (index < 0 || index >= Count()) throw EMenuError("Menu index out of range");
    Remove(items_[size_t(index)]);
}

void TMenuItem::Clear() {
    for (TMenuItem* c : std::vector<TMenuItem*>(items_)) delete c;
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

TMenuItem* TMenuItem::Find(const std::string& caption) const {
    auto strip = [](const std::string& s) {
        std::string o;
        for (char c : s)
            if (c != '&') o += c;
        return o;
    };
    for (TMenuItem* c : items_)
        if (strcasecmp(strip(c->caption_).c_str(), strip(caption).c_str()) == 0) return c;
    return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* i = this;
    while (i->parent_) i = i->parent_;
    return i->menu_;
}

HMENU TMenuItem::Handle() {
    if (handle_ && IsMenu(handle_)) return handle_;
    handle_ = CreatePopupMenu();
    Populate();
    return handle_;
}

TBasicAction* TMenuItem::Action() const { return actionLink_ ? actionLink_->Action() : nullptr; }

void TMenuItem::SetAction(TBasicAction* action) {
    if (!action) {
        actionLink_.reset();
        return;
    }
    if (!actionLink_) actionLink_ = std::make_unique<TMenuActionLink>(this);
    actionLink_->SetAction(action);
    action->FreeNotification(this);
    ActionChange(action, ComponentState().Contains(csLoading));
}

void TMenuItem::ActionChange(TObject* sender, bool checkDefaults) {
    auto* a = dynamic_cast<TCustomAction*>(sender);
    if (!a) return;
    if (!checkDefaults || caption_.empty()) SetCaption(a->Caption());
    if (!checkDefaults || !checked_) SetChecked(a->Checked());
    if (!checkDefaults || enabled_) SetEnabled(a->Enabled());
    if (!checkDefaults || hint_.empty()) SetHint(a->Hint());
    if (!checkDefaults || imageIndex_ < 0) SetImageIndex(a->ImageIndex());
    if (!checkDefaults || shortCut_ == 0) SetShortCut(a->ShortCut());
    if (!checkDefaults || visible_) SetVisible(a->Visible());
}

void TMenuItem::InitiateAction() {
    if (actionLink_) actionLink_->Update();
}

void TMenuItem::UpdateItems() {
    for (TMenuItem* c : std::vector<TMenuItem*>(items_)) c->InitiateAction();
    if (handle_ && IsMenu(handle_)) Populate();
}

void TMenuItem::Click() {
    if (!enabled_) return;
    auto alive = std::make_shared<bool>(true);
    if (autoCheck_ && !actionLink_) SetChecked(!checked_);
    if (OnClick) OnClick(this);
    else if (actionLink_) actionLink_->Execute(this);
}

bool TMenuItem::HasOwnerDraw() const { return OnMeasureItem || OnAdvancedDrawItem; }

void TMenuItem::MeasureItem(TCanvas* canvas, int& width, int& height) {
    if (OnMeasureItem) OnMeasureItem(this, canvas, width, height);
}

void TMenuItem::AdvancedDrawItem(TCanvas* canvas, RECT rect, UINT state, bool topLevel) {
    if (OnAdvancedDrawItem) {
        OnAdvancedDrawItem(this, canvas, rect, state);
        return;
    }
    canvas->Brush()->SetColor((state & ODS_SELECTED) ? clHighlight : clMenu);
    canvas->FillRect(rect);
    canvas->Font()->SetColor(!enabled_ ? clGrayText : (state & ODS_SELECTED) ? clHighlightText : clMenuText);
    canvas->Brush()->SetStyle(bsClear);
    if (IsLine()) {
        canvas->Pen()->SetColor(clBtnShadow);
        int y = (rect.top + rect.bottom) / 2;
        canvas->MoveTo(rect.left + 2, y);
        canvas->LineTo(rect.right - 2, y);
        return;
    }
    if (bitmap_ && !bitmap_->Empty()) canvas->Draw(rect.left + 2, rect.top + (rect.Height() - bitmap_->Height()) / 2, bitmap_.get());
    if (checked_) {
        RECT c{rect.left + 2, rect.top + 2, rect.left + 18, rect.bottom - 2};
        canvas->DrawText(radioItem_ ? "\u25CF" : "\u2713", c, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    RECT t{rect.left + (topLevel ? 6 : 22), rect.top, rect.right - 6, rect.bottom};
    canvas->DrawText(caption_, t, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (shortCut_) canvas->DrawText(ShortCutToText(shortCut_), t, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

TComponent* TMenuItem::GetParentComponent() const {
    if (parent_ && parent_->menu_) return parent_->menu_;
    return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (parent_) parent_->Remove(this);
    if (auto* m = dynamic_cast<TMenu*>(parent)) m->Items()->Add(this);
    else if (auto* i = dynamic_cast<TMenuItem*>(parent)) i->Add(this);
}

void TMenuItem::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (TMenuItem* c : items_)
        if (c->Owner() == root) proc(c);
}

void TMenuItem::Loaded() {
    TComponent::Loaded();
    if (actionLink_) ActionChange(actionLink_->Action(), true);
}

void TMenuItem::Notification(TComponent* c, TOperation op) {
    TComponent::Notification(c, op);
    if (op == opRemove && actionLink_ && c == actionLink_->Action()) actionLink_.reset();
}

// --- TMenu --------------------------------------------------------------------------------

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() {
    // Items owned by the form go with it; the root goes with the menu.
    delete items_;
}

void TMenu::Publish(TPublisher& p) {
    p.Component("Images", &TMenu::Images, &TMenu::SetImages);
    p.Boolean("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw).Default(false);
}

void TMenu::GetChildren(const TGetChildProc& proc, TComponent* root) { items_->GetChildren(proc, root); }

void TMenu::SetOwnerDraw(bool v) {
    if (v == ownerDraw_) return;
    ownerDraw_ = v;
    items_->RefreshHandles();
}

TMenuItem* TMenu::FindShortCut(TShortCut sc) const {
    std::function<TMenuItem*(TMenuItem*)> walk = [&](TMenuItem* parent) -> TMenuItem* {
        for (TMenuItem* c : parent->items_) {
            c->InitiateAction();
            if (!c->Visible() || !c->Enabled()) continue;
            if (c->ShortCut() == sc && c->Count() == 0) return c;
            if (TMenuItem* f = walk(c)) return f;
        }
        return nullptr;
    };
    return sc ? walk(items_) : nullptr;
}

bool TMenu::IsShortCut(Message& msg) {
    TMenuItem* item = FindShortCut(ShortCutFromMessage(msg));
    if (!item) return false;
    item->Click();
    return true;
}

bool TMenu::DispatchCommand(UINT command) {
    TMenuItem* item = FindMenuItemByCommand(command);
    if (!item || item->GetParentMenu() != this) return false;
    item->Click();
    return true;
}

// --- TMainMenu ----------------------------------------------------------------------------

TMainMenu::~TMainMenu() {
    ForgetDestroyedBar();
    if (window_ && IsWindow(window_) && GetMenu(window_) == bar_) SetMenu(window_, nullptr);
    if (bar_ && IsMenu(bar_)) {
        while (GetMenuItemCount(bar_) > 0) RemoveMenu(bar_, 0, MF_BYPOSITION);
        DestroyMenu(bar_);
    }
}

// A window destroyed with the bar on it took the bar and its popups along.
void TMainMenu::ForgetDestroyedBar() {
    if (!window_ || IsWindow(window_)) return;
    window_ = nullptr;
    bar_ = nullptr;
    items_->ForgetHandles();
}

HMENU TMainMenu::Handle() {
    ForgetDestroyedBar();
    if (!bar_ || !IsMenu(bar_)) {
        bar_ = CreateMenu();
        Populate();
    }
    return bar_;
}

void TMainMenu::Populate() {
    while (GetMenuItemCount(bar_) > 0) RemoveMenu(bar_, 0, MF_BYPOSITION);
    for (TMenuItem* c : items_->items_) {
        if (!c->Visible()) continue;
        UINT flags = MF_STRING | (c->Enabled() ? 0 : MF_GRAYED);
        // An owner-drawn bar item is drawn by its handler (a skin's, for one).
        if (OwnerDraw() || c->HasOwnerDraw()) flags |= MF_OWNERDRAW;
        if (c->Count() > 0) AppendMenu(bar_, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(c->Handle()), c->Caption());
        else AppendMenu(bar_, flags, c->Command(), c->Caption());
        SetMenuItemData(bar_, UINT(GetMenuItemCount(bar_) - 1), reinterpret_cast<LONG_PTR>(c), MF_BYPOSITION);
    }
}

TMainMenu* TMainMenu::FromHandle(HMENU menu) {
    if (!menu) return nullptr;
    for (TMenuItem* i : LiveItems())
        if (auto* m = dynamic_cast<TMainMenu*>(i->menu_); m && i->parent_ == nullptr && m->bar_ == menu) return m;
    return nullptr;
}

void TMainMenu::UpdateItems() {
    for (TMenuItem* c : std::vector<TMenuItem*>(items_->items_)) c->InitiateAction();
    if (bar_ && IsMenu(bar_)) Populate();
}

void TMainMenu::SetWindowHandle(HWND wnd) {
    ForgetDestroyedBar();
    if (window_ && IsWindow(window_) && wnd != window_ && GetMenu(window_) == bar_) SetMenu(window_, nullptr);
    window_ = wnd;
    if (wnd) {
        SetMenu(wnd, Handle());
        DrawMenuBar(wnd);
    }
}

void TMainMenu::MenuChanged(TMenuItem* source) {
    ForgetDestroyedBar();
    // Only the bar's own entries show on the bar; deeper changes were made in place.
    if (!bar_ || !IsMenu(bar_) || (source != items_ && source->Parent() != items_)) return;
    Populate();
    if (window_ && IsWindow(window_)) DrawMenuBar(window_);
}

// --- TPopupMenu ----------------------------------------------------------------------------

void TPopupMenu::Publish(TPublisher& p) {
    p.Enum("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment, TPopupAlignmentInfo).Default(paLeft);
    p.Boolean("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
    p.Set("MenuAnimation", &TPopupMenu::MenuAnimation, &TPopupMenu::SetMenuAnimation, TMenuAnimationsInfo)
        .Default(TMenuAnimation{});
    p.Event("OnPopup", &TPopupMenu::OnPopup);
}

void TPopupMenu::Popup(int x, int y) {
    std::shared_ptr<bool> alive = token_.Watch();
    if (OnPopup) OnPopup(this);
    if (!*alive) return;
    UINT flags = TPM_RETURNCMD | TPM_LEFTBUTTON;
    if (alignment_ == paRight) flags |= TPM_RIGHTALIGN;
    else if (alignment_ == paCenter) flags |= TPM_CENTERALIGN;
    UINT command = UINT(TrackPopupMenu(items_->Handle(), flags, x, y, 0, PopupListWindow()));
    // The menu may have gone while it showed; the chosen item is looked up anew.
    if (command)
        if (TMenuItem* item = FindMenuItemByCommand(command)) item->Click();
}

} // namespace tv
