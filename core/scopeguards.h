#pragma once
// The guards the code keeps needing around a scope: a paired call (begin and
// end an update, disable and enable controls), the update lock built on it, and
// a flag raised for the scope. Each undoes its work when the scope ends, also
// when an exception passes.
#include <utility>

namespace tv {

// Calls Begin on the target now and End when the scope ends, or earlier at
// Release. A null target does nothing.
template <class T, void (T::*Begin)(), void (T::*End)()>
class TPairedCall {
public:
    explicit TPairedCall(T* target) : target_(target) {
        if (target_) (target_->*Begin)();
    }
    ~TPairedCall() { Release(); }
    TPairedCall(const TPairedCall&) = delete;
    TPairedCall& operator=(const TPairedCall&) = delete;

    void Release() {
        if (T* t = std::exchange(target_, nullptr)) (t->*End)();
    }

private:
    T* target_;
};

// BeginUpdate now, EndUpdate when the scope ends.
template <class T>
using TUpdateLock = TPairedCall<T, &T::BeginUpdate, &T::EndUpdate>;

// Raises a flag for the scope and gives it back the value it had when the
// scope ends, so a nested guard does not lower the flag of an outer one.
class TFlagGuard {
public:
    explicit TFlagGuard(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~TFlagGuard() { flag_ = old_; }
    TFlagGuard(const TFlagGuard&) = delete;
    TFlagGuard& operator=(const TFlagGuard&) = delete;

private:
    bool& flag_;
    bool old_;
};

} // namespace tv
