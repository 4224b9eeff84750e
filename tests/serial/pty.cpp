#include "tests/serial/pty.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <stdexcept>
#include <thread>

#include "serial/comsync.h"

namespace serialtest {

PtyPair::PtyPair() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) throw std::runtime_error("no pseudo-terminal");
    char name[128];
    if (ptsname_r(master_, name, sizeof name) != 0) throw std::runtime_error("no pseudo-terminal name");
    slavePath_ = name;
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PtyPair::~PtyPair() {
    if (master_ >= 0) close(master_);
}

void PtyPair::Send(const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t n = write(master_, bytes.data() + sent, bytes.size() - sent);
        if (n > 0) sent += static_cast<std::size_t>(n);
        else {
            pollfd p{master_, POLLOUT, 0};
            poll(&p, 1, 100);
        }
    }
}

std::string PtyPair::Receive(std::size_t count, std::chrono::milliseconds timeout) {
    std::string got;
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (got.size() < count && std::chrono::steady_clock::now() < deadline) {
        char buf[4096];
        ssize_t n = read(master_, buf, std::min(sizeof buf, count - got.size()));
        if (n > 0) {
            got.append(buf, static_cast<std::size_t>(n));
            continue;
        }
        pollfd p{master_, POLLIN, 0};
        poll(&p, 1, 20);
    }
    return got;
}

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout, bool pump) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        if (pump)
            tv::ComProcessMessages(10);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace serialtest
