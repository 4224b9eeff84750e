// Tab order, focus and the keyboard of windowed controls.
#include <algorithm>

#include "framework/ui/controls.h"
#include "framework/ui/forms.h"
#include "framework/ui/menus.h"
#include "platform/window/input.h"

namespace tv {

using namespace tv::win;

int TWinControl::TabOrder() const {
    if (!parent_) return -1;
    auto& l = parent_->tabList_;
    auto it = std::find(l.begin(), l.end(), this);
    return it == l.end() ? -1 : int(it - l.begin());
}

void TWinControl::SetTabOrder(int v) {
    if (!parent_) return;
    auto& l = parent_->tabList_;
    auto it = std::find(l.begin(), l.end(), this);
    if (it == l.end()) return;
    l.erase(it);
    if (v < 0 || v >= int(l.size())) l.push_back(this);
    else l.insert(l.begin() + v, this);
}

void TWinControl::SetTabStop(bool v) {
    if (v == tabStop_) return;
    tabStop_ = v;
    if (handle_) {
        LONG_PTR s = GetWindowLong(handle_, GWL_STYLE);
        SetWindowLong(handle_, GWL_STYLE, v ? (s | WS_TABSTOP) : (s & ~LONG_PTR(WS_TABSTOP)));
    }
    Perform(CM_TABSTOPCHANGED);
}

bool TWinControl::CanFocus() {
    TCustomForm* form = GetParentForm(this);
    if (!form) return false;
    for (TControl* c = this; c && c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return form->Visible() && form->Enabled();
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
    if (TCustomForm* f = GetParentForm(this)) {
        f->FocusControl(this);
    } else if (handle_) {
        win::SetFocus(handle_);
    }
}

std::vector<TWinControl*> TWinControl::GetTabOrderList() {
    std::vector<TWinControl*> out;
    for (TWinControl* c : tabList_) {
        out.push_back(c);
        auto sub = c->GetTabOrderList();
        out.insert(out.end(), sub.begin(), sub.end());
    }
    return out;
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) {
    auto list = GetTabOrderList();
    if (list.empty()) return nullptr;
    int n = int(list.size());
    int start = -1;
    if (current) {
        auto it = std::find(list.begin(), list.end(), current);
        if (it != list.end()) start = int(it - list.begin());
    }
    if (start < 0) start = goForward ? n - 1 : 0;
    int i = start;
    for (int k = 0; k < n; ++k) {
        i = goForward ? (i + 1) % n : (i - 1 + n) % n;
        TWinControl* c = list[size_t(i)];
        if (c == current) break;
        if ((!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this) && c->CanFocus()) return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) next->SetFocus();
}

void TWinControl::SelectFirst() {
    TCustomForm* form = GetParentForm(this);
    if (!form) return;
    TWinControl* c = FindNextControl(nullptr, true, true, false);
    if (!c) c = FindNextControl(nullptr, true, false, false);
    if (c) c->SetFocus();
}

// --- keys --------------------------------------------------------------------------

bool TWinControl::IsMenuKey(Message& msg) {
    for (TControl* c = this; c; c = c->Parent())
        if (TPopupMenu* pm = c->PopupMenu(); pm && pm->IsShortCut(msg)) return true;
    TCustomForm* form = GetParentForm(this);
    return form && form->IsShortCut(msg);
}

// The form with key preview sees the key first; a key it sets to 0 goes no further.
bool TWinControl::DoKeyDown(Message& msg) {
    auto alive = Alive();
    WORD key = WORD(msg.WParam);
    TShiftState shift = KeyboardShiftState();
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview()) {
        form->KeyDown(key, shift);
        if (!*alive) return true;
        if (key == 0) return true;
    }
    KeyDown(key, shift);
    if (!*alive) return true;
    msg.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyUp(Message& msg) {
    auto alive = Alive();
    WORD key = WORD(msg.WParam);
    TShiftState shift = KeyboardShiftState();
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview()) {
        form->KeyUp(key, shift);
        if (!*alive || key == 0) return true;
    }
    KeyUp(key, shift);
    if (!*alive) return true;
    msg.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyPress(Message& msg) {
    auto alive = Alive();
    char32_t ch = char32_t(msg.WParam);
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview()) {
        form->KeyPress(ch);
        if (!*alive || ch == 0) return true;
    }
    KeyPress(ch);
    if (!*alive) return true;
    msg.WParam = ch;
    return ch == 0;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

} // namespace tv
