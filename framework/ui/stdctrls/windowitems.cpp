#include "framework/ui/stdctrls/windowitems.h"

#include "core/strutils.h"
#include "framework/ui/controls.h"
#include "platform/controls/combobox.h"
#include "platform/controls/listbox.h"
#include "platform/window/queue.h"

namespace tv {

using namespace tv::win;

const TItemMessages ListBoxItemMessages{LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
                                        LB_GETTEXT, LB_GETCOUNT, LB_GETITEMDATA, LB_SETITEMDATA,
                                        LB_FINDSTRINGEXACT};
const TItemMessages ComboBoxItemMessages{CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                                         CB_GETLBTEXT, CB_GETCOUNT, CB_GETITEMDATA, CB_SETITEMDATA,
                                         CB_FINDSTRINGEXACT};

int NextControlId() {
    static int next = 0x4000;
    if (++next > 0x7FFF) next = 0x4001;
    return next;
}

TWindowItems::TWindowItems(TWinControl* owner, const TItemMessages& msgs) : owner_(owner), msgs_(&msgs) {}

HWND TWindowItems::Wnd() const { return owner_ ? owner_->WindowHandle() : nullptr; }

void TWindowItems::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw EStringListError("Índice de lista fuera de los límites (" + std::to_string(index) + ")");
}

int TWindowItems::Count() const {
    if (HWND w = Wnd()) return int(SendMessage(w, msgs_->getCount, 0, 0));
    return kept_.Count();
}

std::string TWindowItems::Strings(int index) const {
    CheckIndex(index);
    if (HWND w = Wnd()) {
        std::string t;
        SendMessage(w, msgs_->getText, WPARAM(index), reinterpret_cast<LPARAM>(&t));
        return t;
    }
    return kept_.Strings(index);
}

TObject* TWindowItems::Objects(int index) const {
    CheckIndex(index);
    if (HWND w = Wnd()) return reinterpret_cast<TObject*>(SendMessage(w, msgs_->getData, WPARAM(index), 0));
    return kept_.Objects(index);
}

void TWindowItems::SetObjects(int index, TObject* obj) {
    CheckIndex(index);
    if (HWND w = Wnd()) SendMessage(w, msgs_->setData, WPARAM(index), reinterpret_cast<LPARAM>(obj));
    else kept_.SetObjects(index, obj);
}

int TWindowItems::Add(const std::string& s) {
    int r;
    if (HWND w = Wnd()) r = int(SendMessage(w, msgs_->add, 0, reinterpret_cast<LPARAM>(s.c_str())));
    else r = kept_.Add(s);
    return r;
}

void TWindowItems::Insert(int index, const std::string& s) {
    if (index < 0 || index > Count())
        throw EStringListError("Índice de lista fuera de los límites (" + std::to_string(index) + ")");
    if (HWND w = Wnd()) SendMessage(w, msgs_->insert, WPARAM(index), reinterpret_cast<LPARAM>(s.c_str()));
    else kept_.Insert(index, s);
}

void TWindowItems::Delete(int index) {
    CheckIndex(index);
    if (HWND w = Wnd()) SendMessage(w, msgs_->remove, WPARAM(index), 0);
    else kept_.Delete(index);
}

void TWindowItems::Clear() {
    if (HWND w = Wnd()) SendMessage(w, msgs_->reset, 0, 0);
    else kept_.Clear();
}

int TWindowItems::IndexOf(std::string_view s) const {
    for (int i = 0; i < Count(); ++i)
        if (AnsiSameText(Strings(i), s)) return i;
    return -1;
}

void TWindowItems::WindowCreated() {
    HWND w = Wnd();
    if (!w) return;
    for (int i = 0; i < kept_.Count(); ++i) {
        LRESULT at = SendMessage(w, msgs_->add, 0, reinterpret_cast<LPARAM>(kept_.Strings(i).c_str()));
        if (at >= 0) SendMessage(w, msgs_->setData, WPARAM(at), reinterpret_cast<LPARAM>(kept_.Objects(i)));
    }
    kept_.Clear();
}

void TWindowItems::WindowDestroying() {
    HWND w = Wnd();
    if (!w) return;
    kept_.Clear();
    int n = int(SendMessage(w, msgs_->getCount, 0, 0));
    for (int i = 0; i < n; ++i) {
        std::string t;
        SendMessage(w, msgs_->getText, WPARAM(i), reinterpret_cast<LPARAM>(&t));
        kept_.AddObject(t, reinterpret_cast<TObject*>(SendMessage(w, msgs_->getData, WPARAM(i), 0)));
    }
}

} // namespace tv
