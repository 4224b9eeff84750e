#include "serial/comdevice.h"

// termios2 carries any bit rate; it cannot share a unit with <termios.h>.
#include <asm/termbits.h>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace tv {

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::uint32_t NoWait = 0xFFFFFFFFu;
// Lines, counters and the output queue have no wake-up of their own: they are
// looked at this often while the mask asks for them.
constexpr int PollTickMs = 20;
// Waits without limit still look at aborts this often.
constexpr int AbortCheckMs = 100;

// The device cannot answer this at all (a pseudo-terminal has no modem lines
// or error counters), which is not a failure of the port.
bool NotSupported(int error) { return error == ENOTTY || error == EINVAL; }

int RemainingMs(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left < 0 ? 0 : static_cast<int>(std::min<long long>(left, 1 << 30));
}

int SetLine(int fd, int bit, bool on) {
    if (ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &bit) == 0) return 0;
    return NotSupported(errno) ? 0 : errno;
}

} // namespace

TComDevice::TComDevice() = default;

TComDevice::~TComDevice() { Close(); }

int TComDevice::Open(const std::string& path) {
    Close();
    if (path.empty()) return ENOENT;
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    if (!isatty(fd)) {
        ::close(fd);
        return ENOTTY;
    }
    // No sharing: another port of any process that holds the device keeps us out.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int error = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(fd);
        return error;
    }
    ioctl(fd, TIOCEXCL);

    // Raw bytes, and reads that never block in the driver: waiting is ours.
    struct termios2 t {};
    if (ioctl(fd, TCGETS2, &t) != 0) {
        int error = errno;
        ::close(fd);
        return error;
    }
    t.c_iflag = IGNBRK;
    t.c_oflag = 0;
    t.c_lflag = 0;
    t.c_cflag = (t.c_cflag & ~(CSIZE | PARENB)) | CS8 | CREAD | CLOCAL;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    if (ioctl(fd, TCSETS2, &t) != 0) {
        int error = errno;
        ::close(fd);
        return error;
    }

    fd_ = fd;
    txPending_ = false;
    reportedInput_ = 0;
    hungUp_ = false;
    {
        std::lock_guard guard(countersLock_);
        countersPresent_ = true;
        cleared_ = {};
        if (ReadCounters(cleared_) != 0) countersPresent_ = false;
        seen_ = cleared_;
    }
    modemPresent_ = true;
    lastModem_ = 0;
    int bits = 0;
    if (ioctl(fd_, TIOCMGET, &bits) == 0)
        lastModem_ = static_cast<unsigned>(bits);
    else
        modemPresent_ = false;
    return 0;
}

void TComDevice::Close() {
    if (fd_ >= 0) {
        // The mark stays on the terminal itself after the last close.
        ioctl(fd_, TIOCNXCL);
        ::close(fd_);
        fd_ = -1;
    }
}

int TComDevice::SetState(const TComDCB& dcb) {
    if (fd_ < 0) return EBADF;
    // A rate of 0 would hang the line up instead of setting it.
    if (dcb.BaudRate <= 0 || dcb.ByteSize < 5 || dcb.ByteSize > 8 || dcb.Parity > 4 || dcb.StopBits > 2)
        return EINVAL;

    struct termios2 t {};
    if (ioctl(fd_, TCGETS2, &t) != 0) return errno;

    t.c_cflag &= ~(CBAUD | CIBAUD | CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    t.c_cflag |= BOTHER | CREAD | CLOCAL;
    t.c_ispeed = t.c_ospeed = static_cast<speed_t>(dcb.BaudRate);
    static constexpr tcflag_t Sizes[] = {CS5, CS6, CS7, CS8};
    t.c_cflag |= Sizes[dcb.ByteSize - 5];
    switch (dcb.Parity) {
    case 1: t.c_cflag |= PARENB | PARODD; break;
    case 2: t.c_cflag |= PARENB; break;
    case 3: t.c_cflag |= PARENB | PARODD | CMSPAR; break;
    case 4: t.c_cflag |= PARENB | CMSPAR; break;
    default: break;
    }
    // The UART sends one and a half stop bits for CSTOPB with five data bits;
    // with more data bits there is no such setting, and the line gets two.
    if (dcb.StopBits != 0) t.c_cflag |= CSTOPB;
    // One flag drives both directions of the RTS/CTS handshake here.
    if ((dcb.Flags & dcbOutxCtsFlow) || (dcb.Flags & dcbRtsControlMask) == dcbRtsHandshake)
        t.c_cflag |= CRTSCTS;

    t.c_iflag = IGNBRK;
    // Without checking, a byte with a bad parity bit passes as received; with
    // it, the driver hands a NUL in its place: there is no replacement
    // character to choose (ErrorChar is kept but not used).
    if (dcb.Flags & dcbParity) t.c_iflag |= INPCK;
    if (dcb.Flags & dcbOutX) t.c_iflag |= IXON;
    if (dcb.Flags & dcbInX) t.c_iflag |= IXOFF;
    t.c_cc[VSTART] = static_cast<cc_t>(dcb.XonChar);
    t.c_cc[VSTOP] = static_cast<cc_t>(dcb.XoffChar);
    // No driver here honours DSR as an output handshake, DSR sensitivity,
    // sending on after XOFF or an event character: those settings are kept
    // by the port but leave the line as it is.
    t.c_oflag = 0;
    t.c_lflag = 0;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    if (ioctl(fd_, TCSETS2, &t) != 0) return errno;

    // DTR handshake has no driver support: the line is held on instead.
    // RTS toggling likewise: the line is held on.
    std::uint32_t dtr = dcb.Flags & dcbDtrControlMask;
    if (int error = SetLine(fd_, TIOCM_DTR, dtr != 0)) return error;
    std::uint32_t rts = dcb.Flags & dcbRtsControlMask;
    if (rts != dcbRtsHandshake)
        if (int error = SetLine(fd_, TIOCM_RTS, rts != 0)) return error;

    discardNull_ = (dcb.Flags & dcbNull) != 0;
    return 0;
}

void TComDevice::SetTimeouts(const TComDeviceTimeouts& timeouts) {
    std::lock_guard guard(timeoutsLock_);
    timeouts_ = timeouts;
}

int TComDevice::SetQueueSizes(int inputSize, int outputSize) {
    if (fd_ < 0) return EBADF;
    // The driver's queues have a size of their own; the input size still sets
    // where the queue counts as 80 % full.
    inputSize_ = inputSize;
    return 0;
}

int TComDevice::Purge(bool input, bool output, bool abort) {
    if (fd_ < 0) return EBADF;
    if (abort) ++abortGeneration_;
    if (input || output) {
        int which = input && output ? TCIOFLUSH : input ? TCIFLUSH : TCOFLUSH;
        if (ioctl(fd_, TCFLSH, which) != 0) return errno;
    }
    if (input) reportedInput_ = 0;
    if (output) txPending_ = false;
    return 0;
}

int TComDevice::InputCount(int& count) {
    count = 0;
    if (fd_ < 0) return EBADF;
    if (ioctl(fd_, FIONREAD, &count) != 0) return errno;
    return 0;
}

int TComDevice::ModemStatus(unsigned& status) {
    status = 0;
    if (fd_ < 0) return EBADF;
    int bits = 0;
    if (ioctl(fd_, TIOCMGET, &bits) != 0) return NotSupported(errno) ? 0 : errno;
    if (bits & TIOCM_CTS) status |= MS_CTS_ON;
    if (bits & TIOCM_DSR) status |= MS_DSR_ON;
    if (bits & TIOCM_RNG) status |= MS_RING_ON;
    if (bits & TIOCM_CAR) status |= MS_RLSD_ON;
    return 0;
}

int TComDevice::ReadCounters(Counters& counters) {
    struct serial_icounter_struct ic {};
    if (ioctl(fd_, TIOCGICOUNT, &ic) != 0) return errno;
    counters.frame = ic.frame;
    counters.parity = ic.parity;
    counters.overrun = ic.overrun;
    counters.bufOverrun = ic.buf_overrun;
    counters.brk = ic.brk;
    return 0;
}

int TComDevice::ClearErrors(unsigned& errors) {
    errors = 0;
    if (fd_ < 0) return EBADF;
    std::lock_guard guard(countersLock_);
    if (!countersPresent_) return 0;
    Counters now;
    if (int error = ReadCounters(now)) {
        if (!NotSupported(error)) return error;
        countersPresent_ = false;
        return 0;
    }
    if (now.frame != cleared_.frame) errors |= CE_FRAME;
    if (now.parity != cleared_.parity) errors |= CE_RXPARITY;
    if (now.overrun != cleared_.overrun) errors |= CE_OVERRUN;
    if (now.bufOverrun != cleared_.bufOverrun) errors |= CE_RXOVER;
    if (now.brk != cleared_.brk) errors |= CE_BREAK;
    cleared_ = now;
    return 0;
}

int TComDevice::Read(void* buffer, int count, int& done) {
    done = 0;
    if (fd_ < 0) return EBADF;
    if (count <= 0) return 0;
    TComDeviceTimeouts t;
    {
        std::lock_guard guard(timeoutsLock_);
        t = timeouts_;
    }
    const unsigned generation = abortGeneration_;
    const auto start = Clock::now();
    // The interval marker alone: take what is there and return at once.
    const bool immediate = t.ReadIntervalTimeout == NoWait && t.ReadTotalTimeoutMultiplier == 0 &&
                           t.ReadTotalTimeoutConstant == 0;
    // The marker in interval and multiplier: wait for the first byte, up to the constant.
    const bool firstByte = t.ReadIntervalTimeout == NoWait && t.ReadTotalTimeoutMultiplier == NoWait &&
                           t.ReadTotalTimeoutConstant > 0 && t.ReadTotalTimeoutConstant < NoWait;
    bool hasTotal = false;
    Clock::time_point totalDeadline{};
    if (firstByte) {
        hasTotal = true;
        totalDeadline = start + std::chrono::milliseconds(t.ReadTotalTimeoutConstant);
    } else if (!immediate && (t.ReadTotalTimeoutMultiplier != 0 || t.ReadTotalTimeoutConstant != 0)) {
        hasTotal = true;
        auto ms = std::uint64_t(t.ReadTotalTimeoutMultiplier) * std::uint64_t(count) + t.ReadTotalTimeoutConstant;
        totalDeadline = start + std::chrono::milliseconds(std::min<std::uint64_t>(ms, 1ull << 40));
    }
    const bool hasInterval = !immediate && !firstByte && t.ReadIntervalTimeout != 0 && t.ReadIntervalTimeout != NoWait;
    Clock::time_point lastByte = start;

    auto* out = static_cast<unsigned char*>(buffer);
    for (;;) {
        ssize_t n = ::read(fd_, out + done, static_cast<std::size_t>(count - done));
        if (n > 0) {
            int got = static_cast<int>(n);
            int before = reportedInput_.load();
            while (before > 0 && !reportedInput_.compare_exchange_weak(before, std::max(0, before - got))) {}
            if (discardNull_) got = static_cast<int>(std::remove(out + done, out + done + got, 0) - (out + done));
            done += got;
            lastByte = Clock::now();
            if (done == count || (firstByte && done > 0)) return 0;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) return errno == EIO ? 0 : errno;  // EIO: the other end hung up
        if (immediate || (firstByte && done > 0)) return 0;

        int wait = -1;
        if (hasTotal) wait = RemainingMs(totalDeadline);
        if (hasInterval && done > 0) {
            int interval = RemainingMs(lastByte + std::chrono::milliseconds(t.ReadIntervalTimeout));
            wait = wait < 0 ? interval : std::min(wait, interval);
        }
        if (wait == 0) return 0;
        pollfd p{fd_, POLLIN, 0};
        int r = ::poll(&p, 1, wait < 0 ? AbortCheckMs : std::min(wait, AbortCheckMs));
        if (r < 0 && errno != EINTR) return errno;
        if (abortGeneration_ != generation) return 0;
        if (r > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) && !(p.revents & POLLIN)) return 0;
    }
}

int TComDevice::Write(const void* buffer, int count, int& done) {
    done = 0;
    if (fd_ < 0) return EBADF;
    if (count <= 0) return 0;
    TComDeviceTimeouts t;
    {
        std::lock_guard guard(timeoutsLock_);
        t = timeouts_;
    }
    const unsigned generation = abortGeneration_;
    const bool hasTotal = t.WriteTotalTimeoutMultiplier != 0 || t.WriteTotalTimeoutConstant != 0;
    auto ms = std::uint64_t(t.WriteTotalTimeoutMultiplier) * std::uint64_t(count) + t.WriteTotalTimeoutConstant;
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::min<std::uint64_t>(ms, 1ull << 40));

    const auto* in = static_cast<const unsigned char*>(buffer);
    for (;;) {
        ssize_t n = ::write(fd_, in + done, static_cast<std::size_t>(count - done));
        if (n > 0) {
            done += static_cast<int>(n);
            txPending_ = true;
            if (done == count) return 0;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) return errno;
        int wait = hasTotal ? RemainingMs(deadline) : -1;
        if (wait == 0) return 0;
        pollfd p{fd_, POLLOUT, 0};
        int r = ::poll(&p, 1, wait < 0 ? AbortCheckMs : std::min(wait, AbortCheckMs));
        if (r < 0 && errno != EINTR) return errno;
        if (abortGeneration_ != generation) return 0;
        if (r > 0 && (p.revents & (POLLERR | POLLNVAL))) return EIO;
    }
}

unsigned TComDevice::CollectEvents(unsigned mask, int& error) {
    error = 0;
    unsigned events = 0;
    if (mask & (EV_RXCHAR | EV_RX80FULL)) {
        int count = 0;
        if (ioctl(fd_, FIONREAD, &count) != 0) {
            error = errno;
            return 0;
        }
        int reported = reportedInput_.exchange(count);
        if (count > reported) events |= EV_RXCHAR;
        int full = inputSize_.load() * 8 / 10;
        if (full > 0 && count >= full && reported < full) events |= EV_RX80FULL;
    }
    if ((mask & (EV_CTS | EV_DSR | EV_RLSD | EV_RING)) && modemPresent_) {
        int bits = 0;
        if (ioctl(fd_, TIOCMGET, &bits) != 0) {
            modemPresent_ = false;
        } else {
            unsigned now = static_cast<unsigned>(bits);
            unsigned changed = now ^ lastModem_;
            if (changed & TIOCM_CTS) events |= EV_CTS;
            if (changed & TIOCM_DSR) events |= EV_DSR;
            if (changed & TIOCM_CAR) events |= EV_RLSD;
            if ((changed & TIOCM_RNG) && (now & TIOCM_RNG)) events |= EV_RING;
            lastModem_ = now;
        }
    }
    if (mask & (EV_ERR | EV_BREAK)) {
        bool present;
        {
            std::lock_guard guard(countersLock_);
            present = countersPresent_;
        }
        Counters now;
        if (present && ReadCounters(now) == 0) {
            if (now.frame != seen_.frame || now.parity != seen_.parity || now.overrun != seen_.overrun ||
                now.bufOverrun != seen_.bufOverrun)
                events |= EV_ERR;
            if (now.brk != seen_.brk) events |= EV_BREAK;
            seen_ = now;
        }
    }
    if ((mask & EV_TXEMPTY) && txPending_) {
        int queued = 0;
        if (ioctl(fd_, TIOCOUTQ, &queued) != 0 || queued == 0) {
            txPending_ = false;
            events |= EV_TXEMPTY;
        }
    }
    return events & mask;
}

int TComDevice::WaitEvent(int stopFd, unsigned& events, bool& stopped) {
    events = 0;
    stopped = false;
    if (fd_ < 0) return EBADF;
    for (;;) {
        const unsigned mask = eventMask_;
        int error = 0;
        events = CollectEvents(mask, error);
        if (error) return error;
        if (events) return 0;

        bool counters;
        {
            std::lock_guard guard(countersLock_);
            counters = countersPresent_;
        }
        const bool data = (mask & (EV_RXCHAR | EV_RX80FULL)) != 0;
        bool tick = (data && reportedInput_ > 0) || ((mask & (EV_CTS | EV_DSR | EV_RLSD | EV_RING)) && modemPresent_) ||
                    ((mask & (EV_ERR | EV_BREAK)) && counters) || (mask & EV_TXEMPTY);
        pollfd p[2] = {{stopFd, POLLIN, 0}, {fd_, POLLIN, 0}};
        nfds_t n = data && reportedInput_ == 0 && !hungUp_ ? 2 : 1;
        if (data && hungUp_) tick = true;
        int r = ::poll(p, n, tick ? PollTickMs : -1);
        if (r < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (p[0].revents) {
            stopped = true;
            return 0;
        }
        // A hung-up line stays readable for ever; only the tick looks at it then.
        if (n == 2 && (p[1].revents & (POLLHUP | POLLERR)) && !(p[1].revents & POLLIN)) hungUp_ = true;
        if (n == 2 && (p[1].revents & POLLNVAL)) return EBADF;
    }
}

} // namespace tv
