#pragma once
// The state a standard window class keeps for each of its windows, held in a
// window property: made when WM_NCCREATE arrives, handed with every message
// to the class's procedure, and freed once that procedure has handled
// WM_NCDESTROY. A class declares one and routes its window procedure through it:
//
//     const WindowStateProp<ListState> kState{"TvListBoxState"};
//     LRESULT ListProc(HWND w, ListState& s, UINT msg, WPARAM wp, LPARAM lp);
//     RegisterControlClass(WC_LISTBOX, CS_DBLCLKS, IDC_ARROW, kState.Procedure(ListProc));
#include <memory>

#include "platform/window/defwindowproc.h"
#include "platform/window/messages.h"
#include "platform/window/window.h"

namespace tv::win {

template <class State>
class WindowStateProp {
public:
    using Proc = LRESULT (*)(HWND, State&, UINT, WPARAM, LPARAM);

    explicit constexpr WindowStateProp(const char* name) : name_(name) {}

    // Null before WM_NCCREATE and after WM_NCDESTROY.
    State* Get(HWND wnd) const { return static_cast<State*>(GetProp(wnd, name_)); }

    // The class's window procedure: `proc` with the state of the window.
    WindowProcFn Procedure(Proc proc) const {
        return [this, proc](HWND wnd, UINT msg, WPARAM wp, LPARAM lp) { return Dispatch(wnd, msg, wp, lp, proc); };
    }

    LRESULT Dispatch(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, Proc proc) const {
        if (msg == WM_NCCREATE) {
            auto made = std::make_unique<State>();
            SetProp(wnd, name_, made.get());
            made.release();
        }
        State* state = Get(wnd);
        if (!state) return DefWindowProc(wnd, msg, wp, lp);
        if (msg != WM_NCDESTROY) return proc(wnd, *state, msg, wp, lp);
        // Gone with the window, whatever the procedure's last message does.
        struct Release {
            const WindowStateProp& prop;
            HWND wnd;
            std::unique_ptr<State> state;
            ~Release() { RemoveProp(wnd, prop.name_); }
        } release{*this, wnd, std::unique_ptr<State>(state)};
        return proc(wnd, *state, msg, wp, lp);
    }

private:
    const char* name_;
};

} // namespace tv::win
