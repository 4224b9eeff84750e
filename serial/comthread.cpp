#include "serial/comthread.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <system_error>

#include "serial/comport.h"
#include "serial/comsync.h"

namespace tv {

namespace {

// The order in which the events of one set are handled.
constexpr std::array<TComEvent, 10> HandlingOrder{evError, evRxChar, evTxEmpty, evBreak, evRing,
                                                  evCTS,   evDSR,    evRxFlag,  evRLSD,  evRx80Full};

} // namespace

TComThread::TComThread(TCustomComPort& port) : port_(port) {
    stopEvent_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (stopEvent_ < 0) throw std::system_error(errno, std::generic_category(), "eventfd");
    port_.device_.SetEventMask(ComEventCodes(port_.Events()));
    thread_ = std::thread([this] { Execute(); });
}

TComThread::~TComThread() {
    Stop();
    if (thread_.joinable()) thread_.join();
    if (stopEvent_ >= 0) ::close(stopEvent_);
}

void TComThread::Stop() {
    std::uint64_t one = 1;
    [[maybe_unused]] auto n = ::write(stopEvent_, &one, sizeof one);
    std::this_thread::yield();
}

void TComThread::Execute() {
    TComDevice& device = port_.device_;
    for (;;) {
        unsigned codes = 0;
        bool stopped = false;
        if (device.WaitEvent(stopEvent_, codes, stopped) != 0 || stopped) break;
        if (codes) DispatchEvents(ComEventsFromCodes(codes));
    }
    device.SetEventMask(0);
    device.Purge(true, true, false);
}

void TComThread::DispatchEvents(TComEvents events) {
    TCustomComPort* port = &port_;
    switch (port_.SyncMethod()) {
    case smThreadSync:
        ComSynchronize(port, [port, events] { port->DoEventsGuarded(events); });
        break;
    case smWindowSync:
        for (TComEvent event : HandlingOrder) {
            if (!events.Contains(event)) continue;
            auto code = static_cast<std::uintptr_t>(ComEventCode(event));
            if (!ComSendMessage(port, [port, code] { port->WindowMethod(CM_COMPORTEVENT, code, 0); })) break;
        }
        break;
    case smNone:
        port_.DoEventsGuarded(events);
        break;
    }
}

} // namespace tv
