// Window procedure entries and the subclassing chain of a window.
#include <algorithm>
#include <map>

#include "platform/window/internal.h"

namespace tv::win {
namespace {

// Entries handed out by MakeWindowProc and not yet freed.
std::map<WindowProcInstance*, ProcPtr>& Registry() {
    static std::map<WindowProcInstance*, ProcPtr> r;
    return r;
}

ProcPtr Find(Window* w, WNDPROC p) {
    if (!p) return nullptr;
    if (w) {
        for (auto& l : w->procs)
            if (l.proc.get() == p) return l.proc;
        for (auto& k : w->keepAlive)
            if (k.get() == p) return k;
    }
    auto& r = Registry();
    auto it = r.find(p);
    return it == r.end() ? nullptr : it->second;
}

bool IsLive(Window* w, WNDPROC p) {
    return std::any_of(w->procs.begin(), w->procs.end(), [&](auto& l) { return l.proc.get() == p; });
}

// A removed layer forwards to what it had saved, until a live one is found.
WNDPROC Resolve(Window* w, WNDPROC p) {
    for (int guard = 0; p && guard < 1000; ++guard) {
        if (IsLive(w, p)) return p;
        auto it = w->removedLayers.find(p);
        if (it == w->removedLayers.end()) return p;
        p = it->second;
    }
    return p;
}

} // namespace

WNDPROC MakeWindowProc(WindowProcFn fn) {
    auto p = std::make_shared<WindowProcInstance>();
    p->fn = std::move(fn);
    Registry()[p.get()] = p;
    return p.get();
}

void FreeWindowProc(WNDPROC proc) { Registry().erase(proc); }

WNDPROC GetWindowProc(HWND wnd) {
    Window* w = W(wnd);
    if (!w || w->procs.empty()) return nullptr;
    return w->procs.back().proc.get();
}

WNDPROC SetWindowProc(HWND wnd, WNDPROC proc) {
    Window* w = W(wnd);
    if (!w || !proc) return nullptr;
    WNDPROC top = w->procs.empty() ? nullptr : w->procs.back().proc.get();
    if (proc == top) return top;
    // Putting back a procedure that some layer saved removes that layer.
    WNDPROC target = Resolve(w, proc);
    for (size_t i = w->procs.size(); i-- > 1;) {
        ProcLayer& layer = w->procs[i];
        if (Resolve(w, layer.saved) == target && (IsLive(w, proc) || w->removedLayers.count(proc))) {
            WNDPROC removed = layer.proc.get();
            w->removedLayers[removed] = layer.saved;
            w->keepAlive.push_back(layer.proc);
            w->procs.erase(w->procs.begin() + long(i));
            return removed;
        }
    }
    ProcPtr p = Find(w, proc);
    if (!p) return nullptr;
    w->procs.push_back({p, top});
    w->removedLayers.erase(proc);
    return top;
}

LRESULT CallWindowProc(WNDPROC proc, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = W(wnd);
    if (!w) {
        // A destroyed window: only an entry still registered can be called.
        ProcPtr p = Find(nullptr, proc);
        return p && p->fn ? p->fn(wnd, msg, wParam, lParam) : 0;
    }
    ProcPtr p = Find(w, Resolve(w, proc));
    if (!p || !p->fn) return 0;
    ++w->activeCalls;
    struct Guard { Window* w; ~Guard() { --w->activeCalls; } } guard{w};
    return p->fn(wnd, msg, wParam, lParam);
}

void CallWindowProc(WNDPROC proc, HWND wnd, Message& msg) {
    msg.Result = CallWindowProc(proc, wnd, msg.Msg, msg.WParam, msg.LParam);
}

void InvokeProcs(Window* w, Message& m) {
    if (w->procs.empty()) { m.Result = 0; return; }
    ProcPtr top = w->procs.back().proc; // kept alive while it runs
    ++w->activeCalls;
    struct Guard { Window* w; ~Guard() { --w->activeCalls; } } guard{w};
    m.Result = top->fn ? top->fn(w, m.Msg, m.WParam, m.LParam) : 0;
}

} // namespace tv::win
