#pragma once
// Access to the Firebird client library's object interface: the master
// interface, its utilities, and a status holder that turns failures into
// EFirebirdError. The first use prepares the environment the embedded engine
// needs (a lock folder the process may write).
#include <firebird/Interface.h>

#include <memory>

namespace tv::fb {

Firebird::IMaster* Master();
Firebird::IUtil* Util();
Firebird::IProvider* Provider();

// Where a failure came from decides the shape of its text.
enum class ErrorSource { Connect, Statement };

// One status per call site; Check() raises EFirebirdError when the last call failed.
class Status {
public:
    Status();
    ~Status();
    Status(const Status&) = delete;
    Status& operator=(const Status&) = delete;

    Firebird::CheckStatusWrapper* operator&() { return &wrapper_; }
    bool Failed() const;
    void Check(ErrorSource source = ErrorSource::Statement);
    void Clear() { wrapper_.init(); }

private:
    Firebird::IStatus* status_;
    Firebird::CheckStatusWrapper wrapper_;
};

// Releases a reference-counted Firebird interface, or disposes a disposable one.
struct Releaser {
    template <class T>
    void operator()(T* p) const {
        if constexpr (requires { p->release(); })
            p->release();
        else
            p->dispose();
    }
};
template <class T>
using Ref = std::unique_ptr<T, Releaser>;

} // namespace tv::fb
