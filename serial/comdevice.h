#pragma once
// The device under an open port: a terminal device driven through termios and
// ioctl. Every operation answers 0 or the system's error code (errno), as the
// port turns failures into its own exceptions.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

namespace tv {

// Flag bits of the device control block.
inline constexpr std::uint32_t dcbBinary = 0x0001;
inline constexpr std::uint32_t dcbParity = 0x0002;
inline constexpr std::uint32_t dcbOutxCtsFlow = 0x0004;
inline constexpr std::uint32_t dcbOutxDsrFlow = 0x0008;
inline constexpr std::uint32_t dcbDtrControlMask = 0x0030;
inline constexpr std::uint32_t dcbDtrEnable = 0x0010;
inline constexpr std::uint32_t dcbDtrHandshake = 0x0020;
inline constexpr std::uint32_t dcbDsrSensitivity = 0x0040;
inline constexpr std::uint32_t dcbTxContinueOnXoff = 0x0080;
inline constexpr std::uint32_t dcbOutX = 0x0100;
inline constexpr std::uint32_t dcbInX = 0x0200;
inline constexpr std::uint32_t dcbErrorChar = 0x0400;
inline constexpr std::uint32_t dcbNull = 0x0800;
inline constexpr std::uint32_t dcbRtsControlMask = 0x3000;
inline constexpr std::uint32_t dcbRtsEnable = 0x1000;
inline constexpr std::uint32_t dcbRtsHandshake = 0x2000;
inline constexpr std::uint32_t dcbRtsToggle = 0x3000;

// The line settings handed to the device in one piece.
struct TComDCB {
    std::uint32_t DCBlength = 28;
    std::int32_t BaudRate = 0;
    std::uint32_t Flags = 0;
    std::uint16_t XonLim = 0;
    std::uint16_t XoffLim = 0;
    std::uint8_t ByteSize = 0;   // 5 to 8
    std::uint8_t Parity = 0;     // 0 none, 1 odd, 2 even, 3 mark, 4 space
    std::uint8_t StopBits = 0;   // 0 one, 1 one and a half, 2 two
    char XonChar = 0;
    char XoffChar = 0;
    char ErrorChar = 0;
    char EofChar = 0;
    char EvtChar = 0;
};

// Milliseconds; the all-ones value is the "no wait" marker of the interval.
struct TComDeviceTimeouts {
    std::uint32_t ReadIntervalTimeout = 0;
    std::uint32_t ReadTotalTimeoutMultiplier = 0;
    std::uint32_t ReadTotalTimeoutConstant = 0;
    std::uint32_t WriteTotalTimeoutMultiplier = 0;
    std::uint32_t WriteTotalTimeoutConstant = 0;
};

// Line-event codes of the event mask.
inline constexpr unsigned EV_RXCHAR = 0x0001;
inline constexpr unsigned EV_RXFLAG = 0x0002;
inline constexpr unsigned EV_TXEMPTY = 0x0004;
inline constexpr unsigned EV_CTS = 0x0008;
inline constexpr unsigned EV_DSR = 0x0010;
inline constexpr unsigned EV_RLSD = 0x0020;
inline constexpr unsigned EV_BREAK = 0x0040;
inline constexpr unsigned EV_ERR = 0x0080;
inline constexpr unsigned EV_RING = 0x0100;
inline constexpr unsigned EV_RX80FULL = 0x0400;

// Modem status bits.
inline constexpr unsigned MS_CTS_ON = 0x0010;
inline constexpr unsigned MS_DSR_ON = 0x0020;
inline constexpr unsigned MS_RING_ON = 0x0040;
inline constexpr unsigned MS_RLSD_ON = 0x0080;

// Line error flags.
inline constexpr unsigned CE_RXOVER = 0x0001;
inline constexpr unsigned CE_OVERRUN = 0x0002;
inline constexpr unsigned CE_RXPARITY = 0x0004;
inline constexpr unsigned CE_FRAME = 0x0008;
inline constexpr unsigned CE_BREAK = 0x0010;
inline constexpr unsigned CE_TXFULL = 0x0100;
inline constexpr unsigned CE_IOE = 0x0400;
inline constexpr unsigned CE_MODE = 0x8000;

class TComDevice {
public:
    TComDevice();
    ~TComDevice();
    TComDevice(const TComDevice&) = delete;
    TComDevice& operator=(const TComDevice&) = delete;

    // Opens the terminal device for reading and writing, for this port alone.
    int Open(const std::string& path);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

    int SetState(const TComDCB& dcb);
    void SetTimeouts(const TComDeviceTimeouts& timeouts);
    int SetQueueSizes(int inputSize, int outputSize);
    // Discards what waits in the chosen queues; `abort` also ends the reads and
    // writes under way.
    int Purge(bool input, bool output, bool abort);

    int InputCount(int& count);
    // Lines a device cannot report (a pseudo-terminal has none) read as off.
    int ModemStatus(unsigned& status);
    // The line errors since the last call; a device without error counters
    // reports none.
    int ClearErrors(unsigned& errors);

    // Both wait as the timeouts say and answer how many bytes moved.
    int Read(void* buffer, int count, int& done);
    int Write(const void* buffer, int count, int& done);

    void SetEventMask(unsigned mask) { eventMask_ = mask; }
    unsigned EventMask() const { return eventMask_; }
    // Waits for a line event of the mask, or until `stopFd` becomes readable
    // (then `stopped` is set and `events` is 0).
    int WaitEvent(int stopFd, unsigned& events, bool& stopped);

private:
    struct Counters {
        int frame = 0, parity = 0, overrun = 0, bufOverrun = 0, brk = 0;
    };
    int ReadCounters(Counters& counters);
    unsigned CollectEvents(unsigned mask, int& error);

    int fd_ = -1;
    std::atomic<unsigned> eventMask_{0};
    std::atomic<int> inputSize_{1024};
    std::atomic<bool> discardNull_{false};
    std::atomic<unsigned> abortGeneration_{0};
    std::atomic<bool> txPending_{false};
    // Bytes in the input queue that a receive event already reported.
    std::atomic<int> reportedInput_{0};

    std::mutex timeoutsLock_;
    TComDeviceTimeouts timeouts_;

    std::mutex countersLock_;
    bool countersPresent_ = true;
    Counters cleared_;

    // Owned by the waiting thread.
    Counters seen_;
    bool modemPresent_ = true;
    unsigned lastModem_ = 0;
    bool hungUp_ = false;
};

} // namespace tv
