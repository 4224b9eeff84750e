#include "serial/comhandler.h"

#include <cstdio>
#include <mutex>

#include "core/exceptions.h"

namespace tv {

namespace {

std::mutex& Lock() {
    static std::mutex lock;
    return lock;
}

TComExceptionHandler& Handler() {
    static TComExceptionHandler handler;
    return handler;
}

} // namespace

TComExceptionHandler SetComExceptionHandler(TComExceptionHandler handler) {
    std::lock_guard guard(Lock());
    TComExceptionHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

void ComHandleException(TObject* sender) {
    std::exception_ptr error = std::current_exception();
    TComExceptionHandler handler;
    {
        std::lock_guard guard(Lock());
        handler = Handler();
    }
    if (handler) {
        handler(sender, error);
        return;
    }
    try {
        if (error) std::rethrow_exception(error);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "Unknown exception\n");
    }
}

} // namespace tv
