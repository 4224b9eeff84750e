#pragma once
// The event thread of an open port: it waits for the line events the port
// asked for and hands each set to the port by the port's SyncMethod.
#include <thread>

#include "serial/comtypes.h"

namespace tv {

class TCustomComPort;

class TComThread {
public:
    // Sets the device's event mask from the port's Events and starts.
    explicit TComThread(TCustomComPort& port);
    // Stops the thread and waits for its end.
    ~TComThread();
    TComThread(const TComThread&) = delete;
    TComThread& operator=(const TComThread&) = delete;

    void Stop();
    // Whether the caller runs on this thread.
    bool IsCurrentThread() const { return std::this_thread::get_id() == thread_.get_id(); }
    // Hands one set of events to the port: run in the main thread and waited
    // for (thread synchronisation), one message per event to the port's
    // hidden window (window synchronisation), or run here (none).
    void DispatchEvents(TComEvents events);

private:
    void Execute();

    TCustomComPort& port_;
    int stopEvent_ = -1;
    std::thread thread_;
};

} // namespace tv
