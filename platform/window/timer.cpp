// Timers of windows on the desktop's replaceable clock.
#include "platform/window/timer.h"

#include <algorithm>
#include <chrono>

#include "platform/window/internal.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"

namespace tv::win {

std::uint64_t SystemClock::NowMs() const {
    using namespace std::chrono;
    return std::uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void SetClock(std::shared_ptr<Clock> clock) {
    auto& d = D();
    std::uint64_t before = d.clock->NowMs();
    d.clock = clock ? std::move(clock) : std::make_shared<SystemClock>();
    // Timers keep their remaining time on the new clock.
    std::uint64_t now = d.clock->NowMs();
    for (auto& t : d.timers) {
        std::uint64_t left = t.due > before ? t.due - before : 0;
        t.due = now + left;
    }
}

Clock& GetClock() { return *D().clock; }
FakeClock* GetFakeClock() { return dynamic_cast<FakeClock*>(D().clock.get()); }
DWORD GetTickCount() { return DWORD(D().clock->NowMs()); }

UINT_PTR SetTimer(HWND wnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    auto& d = D();
    if (wnd && !W(wnd)) return 0;
    elapse = std::max(elapse, USER_TIMER_MINIMUM);
    if (!wnd) id = d.nextTimerId++;
    std::uint64_t due = d.clock->NowMs() + elapse;
    for (auto& t : d.timers)
        if (t.wnd == wnd && t.id == id) {
            t.interval = elapse;
            t.due = due;
            t.proc = std::move(proc);
            return wnd ? 1 : id;
        }
    d.timers.push_back({wnd, id, elapse, due, std::move(proc)});
    return wnd ? 1 : id;
}

BOOL KillTimer(HWND wnd, UINT_PTR id) {
    auto& t = D().timers;
    auto it = std::find_if(t.begin(), t.end(), [&](auto& e) { return e.wnd == wnd && e.id == id; });
    if (it == t.end()) return FALSE;
    t.erase(it);
    return TRUE;
}

void RemoveTimersOf(HWND wnd) {
    auto& t = D().timers;
    t.erase(std::remove_if(t.begin(), t.end(), [&](auto& e) { return e.wnd == wnd; }), t.end());
}

long long NextTimerDueIn() {
    auto& d = D();
    if (d.timers.empty()) return -1;
    std::uint64_t now = d.clock->NowMs();
    std::uint64_t next = UINT64_MAX;
    for (auto& t : d.timers) next = std::min(next, t.due);
    return next <= now ? 0 : (long long)(next - now);
}

// The earliest due timer (of `filter` and its children) becomes a WM_TIMER;
// taking it re-arms the timer from now, so a late program sees one message,
// not a burst.
bool TakeDueTimer(HWND filter, MSG* msg, bool remove) {
    auto& d = D();
    std::uint64_t now = d.clock->NowMs();
    TimerEntry* best = nullptr;
    for (auto& t : d.timers) {
        if (t.due > now) continue;
        if (filter == HWND_MESSAGE_ONLY ? t.wnd != nullptr : (filter && !(t.wnd == filter || IsChild(filter, t.wnd))))
            continue;
        if (!best || t.due < best->due) best = &t;
    }
    if (!best) return false;
    msg->hwnd = best->wnd;
    msg->message = WM_TIMER;
    msg->wParam = best->id;
    msg->lParam = best->proc ? 1 : 0; // DispatchMessage calls the timer's procedure
    msg->time = DWORD(now);
    msg->pt = d.cursorPos;
    if (remove) best->due = now + best->interval;
    return true;
}

} // namespace tv::win
