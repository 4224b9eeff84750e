#pragma once
// Timers of windows and the clock that drives them. Tests replace the clock
// with a fake one and advance it by hand.
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/wintypes.h"

namespace tv::win {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since some fixed moment; never goes back.
    virtual std::uint64_t NowMs() const = 0;
};

// The monotonic clock of the system.
class SystemClock : public Clock {
public:
    std::uint64_t NowMs() const override;
};

// A clock that moves only when told.
class FakeClock : public Clock {
public:
    explicit FakeClock(std::uint64_t start = 1000) : now_(start) {}
    std::uint64_t NowMs() const override { return now_; }
    void Advance(std::uint64_t ms) { now_ += ms; }

private:
    std::uint64_t now_;
};

// Replaces the desktop's clock (nullptr: back to the system clock).
void SetClock(std::shared_ptr<Clock> clock);
Clock& GetClock();
// The fake clock in use, or nullptr when the clock is real.
FakeClock* GetFakeClock();
DWORD GetTickCount();

using TIMERPROC = std::function<void(HWND, UINT, UINT_PTR, DWORD)>;
constexpr UINT USER_TIMER_MINIMUM = 10;

// Starts or re-arms timer `id` of `wnd`; intervals below 10 ms become 10 ms.
// Without a window a new id is returned.
UINT_PTR SetTimer(HWND wnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc = {});
BOOL KillTimer(HWND wnd, UINT_PTR id);
// Milliseconds until the next timer is due (-1: none).
long long NextTimerDueIn();

} // namespace tv::win
