// The port's life on pseudo-terminal pairs: opening, line settings as the
// kernel holds them, bytes both ways, timeouts, events from the event thread,
// purge and close.
#include <asm/termbits.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "serial/comerror.h"
#include "serial/comhandler.h"
#include "serial/comport.h"
#include "serial/comsync.h"
#include "serial/comthread.h"
#include "tests/serial/pty.h"

using namespace tv;
using namespace std::chrono_literals;
using serialtest::PtyPair;
using serialtest::WaitFor;

namespace {

struct termios2 LineOf(const PtyPair& pty) {
    struct termios2 t {};
    // The master answers with the slave's settings.
    EXPECT_EQ(ioctl(pty.Master(), TCGETS2, &t), 0);
    return t;
}

int ThreadCount() {
    int n = 0;
    if (DIR* d = opendir("/proc/self/task")) {
        while (dirent* e = readdir(d))
            if (e->d_name[0] != '.') ++n;
        closedir(d);
    }
    return n;
}

// Aborts the test program when a step that must end hangs instead.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit) {
        thread_ = std::thread([this, limit] {
            std::unique_lock lock(m_);
            if (!cv_.wait_for(lock, limit, [this] { return done_; })) {
                std::fprintf(stderr, "watchdog: a step hung\n");
                std::abort();
            }
        });
    }
    ~Watchdog() {
        {
            std::lock_guard lock(m_);
            done_ = true;
        }
        cv_.notify_all();
        thread_.join();
    }

private:
    std::mutex m_;
    std::condition_variable cv_;
    bool done_ = false;
    std::thread thread_;
};

// Hangs the pseudo-terminal's slave up under the port: its descriptor then
// fails every request with EIO, as a device that went away does.
bool HangUp(const PtyPair& pty) {
    int fd = open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return false;
    bool ok = ioctl(fd, TIOCVHANGUP) == 0;
    close(fd);
    return ok;
}

class PortTest : public ::testing::Test {
protected:
    void SetUp() override { port.SetPort(pty.SlavePath()); }
    PtyPair pty;
    TComPort port;
};

} // namespace

TEST_F(PortTest, OpenAppliesTheLineSettingsAndChangesReachTheOpenDevice) {
    port.SetBaudRate(br19200);
    port.SetStopBits(sbTwoStopBits);
    port.Parity()->SetBits(prMark);
    port.FlowControl()->SetFlowControl(fcHardware);
    port.Open();
    ASSERT_TRUE(port.Connected());

    auto t = LineOf(pty);
    EXPECT_EQ(t.c_ospeed, 19200u);
    EXPECT_TRUE(t.c_cflag & CSTOPB);
    // A pseudo-terminal keeps 8 bits without a parity bit whatever it is
    // told, but it keeps the mark/space choice.
    EXPECT_TRUE(t.c_cflag & CMSPAR);
    EXPECT_TRUE(t.c_cflag & PARODD);
    EXPECT_TRUE(t.c_cflag & CRTSCTS);
    EXPECT_FALSE(t.c_iflag & (IXON | IXOFF));

    port.Parity()->SetBits(prSpace);
    port.FlowControl()->SetFlowControl(fcSoftware);
    port.FlowControl()->SetXonChar(5);
    port.SetBaudRate(brCustom);
    port.SetCustomBaudRate(250000);
    t = LineOf(pty);
    EXPECT_TRUE(t.c_cflag & CMSPAR);
    EXPECT_FALSE(t.c_cflag & PARODD);
    EXPECT_FALSE(t.c_cflag & CRTSCTS);
    EXPECT_TRUE(t.c_iflag & IXON);
    EXPECT_TRUE(t.c_iflag & IXOFF);
    EXPECT_EQ(t.c_cc[VSTART], 5);
    EXPECT_EQ(t.c_cc[VSTOP], 19);
    EXPECT_EQ(t.c_ospeed, 250000u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO), 0u);

    port.Close();
    EXPECT_FALSE(port.Connected());
}

TEST_F(PortTest, BytesTravelBothWaysAndPurgeDiscardsWhatWaits) {
    port.SetEvents({});
    port.Open();
    EXPECT_EQ(port.Write("hello", 5), 5);
    EXPECT_EQ(pty.Receive(5), "hello");

    pty.Send("world!");
    ASSERT_TRUE(WaitFor([&] { return port.InputCount() == 6; }, 2000ms, false));
    char buf[16] = {};
    // The default timeouts return at once with what is there.
    EXPECT_EQ(port.Read(buf, sizeof buf), 6);
    EXPECT_EQ(std::string(buf, 6), "world!");
    EXPECT_EQ(port.Read(buf, sizeof buf), 0);

    pty.Send("stale");
    ASSERT_TRUE(WaitFor([&] { return port.InputCount() == 5; }, 2000ms, false));
    port.Purge();
    EXPECT_EQ(port.InputCount(), 0);
    EXPECT_EQ(port.Read(buf, sizeof buf), 0);
}

TEST_F(PortTest, DiscardNullDropsNulBytes) {
    port.SetEvents({});
    port.SetDiscardNull(true);
    port.Open();
    pty.Send(std::string("a\0b\0", 4));
    ASSERT_TRUE(WaitFor([&] { return port.InputCount() == 4; }, 2000ms, false));
    char buf[8] = {};
    EXPECT_EQ(port.Read(buf, sizeof buf), 2);
    EXPECT_EQ(std::string(buf, 2), "ab");
}

TEST_F(PortTest, ReadAndWriteTimeouts) {
    port.SetEvents({});
    port.Open();
    char buf[64];
    using Clock = std::chrono::steady_clock;

    // A total limit: nothing comes, the read gives up after it.
    port.Timeouts()->SetReadInterval(0);
    port.Timeouts()->SetReadTotalConstant(200);
    auto start = Clock::now();
    EXPECT_EQ(port.Read(buf, 10), 0);
    auto took = Clock::now() - start;
    EXPECT_GE(took, 180ms);
    EXPECT_LT(took, 1500ms);

    // An interval limit alone: the read ends once the line is quiet after the first byte.
    port.Timeouts()->SetReadTotalConstant(0);
    port.Timeouts()->SetReadInterval(100);
    pty.Send("abc");
    start = Clock::now();
    EXPECT_EQ(port.Read(buf, 10), 3);
    EXPECT_LT(Clock::now() - start, 1500ms);

    // Interval and multiplier at the marker: wait for the first byte only.
    port.Timeouts()->SetReadInterval(-1);
    port.Timeouts()->SetReadTotalMultiplier(-1);
    port.Timeouts()->SetReadTotalConstant(2000);
    std::thread late([&] {
        std::this_thread::sleep_for(100ms);
        pty.Send("xy");
    });
    start = Clock::now();
    int got = port.Read(buf, 10);
    late.join();
    EXPECT_GE(got, 1);
    EXPECT_LT(Clock::now() - start, 1500ms);

    // Nobody reads the far end: the write stops at its limit with what went out.
    port.Timeouts()->SetWriteTotalMultiplier(0);
    port.Timeouts()->SetWriteTotalConstant(200);
    std::string big(1 << 20, 'z');
    start = Clock::now();
    int written = port.Write(big.data(), static_cast<int>(big.size()));
    took = Clock::now() - start;
    EXPECT_GT(written, 0);
    EXPECT_LT(written, static_cast<int>(big.size()));
    EXPECT_GE(took, 180ms);
    EXPECT_LT(took, 2000ms);
}

TEST_F(PortTest, LinesAndErrorCountsAreAbsentOnAPseudoTerminal) {
    port.SetEvents({});
    port.Parity()->SetCheck(true);
    port.Open();
    EXPECT_TRUE(port.Signals().Empty());
    EXPECT_TRUE(port.LastErrors().Empty());
}

TEST_F(PortTest, OpenAndCloseRaiseTheirEventsInOrder) {
    std::vector<std::string> seen;
    port.OnBeforeOpen = [&](TObject*) { seen.push_back("BeforeOpen"); };
    port.OnAfterOpen = [&](TObject*) { seen.push_back("AfterOpen"); };
    port.OnBeforeClose = [&](TObject*) { seen.push_back("BeforeClose"); };
    port.OnAfterClose = [&](TObject*) { seen.push_back("AfterClose"); };
    port.OnCTSChange = [&](TObject*, bool on) { seen.push_back(on ? "CTS+" : "CTS-"); };
    port.OnDSRChange = [&](TObject*, bool on) { seen.push_back(on ? "DSR+" : "DSR-"); };
    port.OnRLSDChange = [&](TObject*, bool on) { seen.push_back(on ? "RLSD+" : "RLSD-"); };
    port.SetConnected(true);
    port.SetConnected(false);
    EXPECT_EQ(seen, (std::vector<std::string>{"BeforeOpen", "AfterOpen", "CTS-", "DSR-", "RLSD-", "CTS-", "DSR-",
                                              "RLSD-", "BeforeClose", "AfterClose"}));
    seen.clear();
    port.Close();  // already closed: nothing
    EXPECT_TRUE(seen.empty());
}

TEST_F(PortTest, AnEventThreadRunsOnlyWhenEventsAreAsked) {
    int before = ThreadCount();
    port.SetEvents({});
    port.Open();
    EXPECT_EQ(ThreadCount(), before);
    port.Close();

    port.SetEvents({evRxChar});
    port.Open();
    EXPECT_EQ(ThreadCount(), before + 1);
    port.Close();
    EXPECT_EQ(ThreadCount(), before);
}

TEST_F(PortTest, ReceiveEventUnderEachSyncMethod) {
    for (TSyncMethod method : {smNone, smThreadSync, smWindowSync}) {
        SCOPED_TRACE(method);
        std::atomic<int> count{0};
        std::atomic<bool> onMain{false};
        const auto mainId = std::this_thread::get_id();
        port.SetEvents({evRxChar, evTxEmpty});
        port.SetSyncMethod(method);
        port.OnRxChar = [&](TObject* sender, int n) {
            EXPECT_EQ(sender, &port);
            onMain = std::this_thread::get_id() == mainId;
            char buf[16];
            count += port.Read(buf, std::min(n, 16));
        };
        std::atomic<int> txEmpty{0};
        port.OnTxEmpty = [&](TObject*) { ++txEmpty; };
        port.Open();
        pty.Send("ping");
        EXPECT_TRUE(WaitFor([&] { return count == 4; }));
        EXPECT_EQ(onMain, method != smNone);
        // Bytes that arrive while the first lot is still unread are reported too.
        pty.Send("more");
        EXPECT_TRUE(WaitFor([&] { return count == 8; }));
        port.Write("x", 1);
        EXPECT_TRUE(WaitFor([&] { return txEmpty > 0; }));
        EXPECT_EQ(pty.Receive(1), "x");
        port.Close();
        port.OnRxChar = nullptr;
        port.OnTxEmpty = nullptr;
    }
}

TEST_F(PortTest, MissingPortRaisesCodeOneWithTheSystemCode) {
    for (std::string name : {"/dev/tallyvo-no-such-port", "COM99"}) {
        SCOPED_TRACE(name);
        port.SetPort(name);
        try {
            port.Open();
            FAIL() << "opened";
        } catch (const EComPort& e) {
            EXPECT_EQ(e.Code(), 1);
            EXPECT_EQ(e.SystemCode(), 2);
            EXPECT_EQ(e.Message(), "Unable to open com port (win error code: 2)");
        }
        EXPECT_FALSE(port.Connected());
    }
}

TEST_F(PortTest, APortHeldOpenCannotBeOpenedTwice) {
    port.SetEvents({});
    port.Open();
    TComPort other;
    other.SetPort(pty.SlavePath());
    try {
        other.Open();
        FAIL() << "opened twice";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.Code(), 1);
    }
    port.Close();
    EXPECT_NO_THROW(other.Open());
}

TEST_F(PortTest, SyncMethodCannotChangeWhileConnected) {
    port.Open();
    try {
        port.SetSyncMethod(smNone);
        FAIL() << "changed";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.Code(), 14);
        EXPECT_EQ(e.SystemCode(), -1);
        EXPECT_EQ(e.Message(), "Cannot set property while connected");
    }
    EXPECT_EQ(port.SyncMethod(), smThreadSync);
    port.Close();
    port.SetSyncMethod(smNone);
    EXPECT_EQ(port.SyncMethod(), smNone);
}

TEST_F(PortTest, ARejectedRateFailsTheOpenAndClosesTheDevice) {
    port.SetBaudRate(brCustom);
    port.SetCustomBaudRate(0);
    try {
        port.Open();
        FAIL() << "opened";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.Code(), 7);
        EXPECT_EQ(e.SystemCode(), EINVAL);
    }
    EXPECT_FALSE(port.Connected());
    // The device was let go: another port takes it.
    TComPort other;
    other.SetPort(pty.SlavePath());
    other.SetEvents({});
    EXPECT_NO_THROW(other.Open());
    other.Close();

    port.SetCustomBaudRate(4800);
    port.Open();
    EXPECT_THROW(port.SetCustomBaudRate(0), EComPort);
}

TEST_F(PortTest, ChangingThePortOfAnOpenPortReopensIt) {
    PtyPair second;
    port.SetEvents({});
    port.Open();
    port.SetPort(second.SlavePath());
    EXPECT_TRUE(port.Connected());
    port.Write("b", 1);
    EXPECT_EQ(second.Receive(1), "b");
    EXPECT_EQ(pty.Receive(1, 100ms), "");
}

namespace {

// Records what reaches the device: each apply made while the port can apply.
class RecordingPort : public TComPort {
public:
    using TComPort::TComPort;
    std::vector<std::string> applied;
    std::vector<std::pair<unsigned, std::uintptr_t>> messages;

protected:
    void ApplyBuffer() override { Note("Buffer"); TComPort::ApplyBuffer(); }
    void ApplyDCB() override { Note("DCB"); TComPort::ApplyDCB(); }
    void ApplyTimeouts() override { Note("Timeouts"); TComPort::ApplyTimeouts(); }
    void WindowMethod(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override {
        messages.emplace_back(msg, wParam);
        TComPort::WindowMethod(msg, wParam, lParam);
    }

private:
    void Note(const char* what) {
        if (Connected() && UpdateCount() == 0) applied.push_back(what);
    }
};

} // namespace

TEST(PortUpdate, ABracketAppliesOnceAtTheOutermostEnd) {
    PtyPair pty;
    RecordingPort port;
    port.SetPort(pty.SlavePath());
    port.SetEvents({});
    port.Open();
    port.applied.clear();

    port.EndUpdate();  // without a BeginUpdate: nothing
    EXPECT_EQ(port.UpdateCount(), 0);
    EXPECT_TRUE(port.applied.empty());

    port.BeginUpdate();
    port.BeginUpdate();
    port.SetBaudRate(br38400);
    port.Buffer()->SetInputSize(2048);
    port.Timeouts()->SetReadInterval(5);
    port.EndUpdate();
    EXPECT_TRUE(port.applied.empty());
    EXPECT_EQ(LineOf(pty).c_ospeed, 9600u);
    port.EndUpdate();
    EXPECT_EQ(port.applied, (std::vector<std::string>{"Buffer", "DCB", "Timeouts"}));
    EXPECT_EQ(LineOf(pty).c_ospeed, 38400u);

    // Unchanged values apply nothing.
    port.applied.clear();
    port.SetBaudRate(br38400);
    port.Buffer()->SetInputSize(2049);
    EXPECT_TRUE(port.applied.empty());
}

TEST(PortWindowSync, EachEventOfASetIsOneMessageInHandlingOrder) {
    PtyPair pty;
    RecordingPort port;
    port.SetPort(pty.SlavePath());
    port.SetEvents({});
    port.SetSyncMethod(smWindowSync);
    std::vector<std::string> fired;
    port.OnRing = [&](TObject*) { fired.push_back("Ring"); };
    port.OnRLSDChange = [&](TObject*, bool) { fired.push_back("RLSD"); };
    port.Open();
    fired.clear();
    {
        TComThread thread(port);
        std::thread worker([&] { thread.DispatchEvents({evRLSD, evRing}); });
        bool done = WaitFor([&] { return fired.size() == 2; });
        worker.join();
        ASSERT_TRUE(done);
    }
    EXPECT_EQ(port.messages, (std::vector<std::pair<unsigned, std::uintptr_t>>{{1025, 0x0100}, {1025, 0x0020}}));
    EXPECT_EQ(fired, (std::vector<std::string>{"Ring", "RLSD"}));
    port.Close();
}

TEST(PortClose, CloseFromTheMainThreadNeverWaitsForTheEventThreadsHandOff) {
    for (TSyncMethod method : {smWindowSync, smThreadSync}) {
        SCOPED_TRACE(method);
        PtyPair pty;
        TComPort port;
        port.SetPort(pty.SlavePath());
        port.SetSyncMethod(method);
        std::atomic<int> handled{0};
        port.OnRxChar = [&](TObject*, int) { ++handled; };
        port.Open();
        pty.Send("waiting");
        // The thread now waits for the main thread, which does not pump.
        std::this_thread::sleep_for(200ms);
        {
            Watchdog dog(10s);
            port.Close();
        }
        EXPECT_FALSE(port.Connected());
        ComProcessMessages(50);
        EXPECT_EQ(handled, 0);
    }
}

TEST(PortHandlers, AFailingHandlerIsReportedAndTheThreadGoesOn) {
    PtyPair pty;
    TComPort port;
    port.SetPort(pty.SlavePath());
    std::vector<std::string> reported;
    auto previous = SetComExceptionHandler([&](TObject* sender, std::exception_ptr error) {
        EXPECT_EQ(sender, &port);
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            reported.push_back(e.what());
        }
    });
    std::atomic<int> calls{0};
    port.OnRxChar = [&](TObject*, int) {
        char buf[16];
        port.Read(buf, sizeof buf);
        if (++calls == 1) throw Exception("handler failed");
    };
    port.Open();
    pty.Send("1");
    EXPECT_TRUE(WaitFor([&] { return calls == 1; }));
    pty.Send("2");
    EXPECT_TRUE(WaitFor([&] { return calls == 2; }));
    port.Close();
    SetComExceptionHandler(previous);
    EXPECT_EQ(reported, std::vector<std::string>{"handler failed"});
}

TEST(PortFailures, APortWhoseDeviceGoesAwayStillClosesCompletely) {
    PtyPair pty;
    TComPort port;
    port.SetPort(pty.SlavePath());
    int before = ThreadCount();
    port.Open();
    if (!HangUp(pty)) GTEST_SKIP() << "hanging a terminal up needs CAP_SYS_ADMIN";
    try {
        port.Close();
        FAIL() << "the purge of a hung-up device succeeded";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.Code(), 5);
        EXPECT_EQ(e.SystemCode(), EIO);
    }
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(ThreadCount(), before);
    // The device is free again.
    EXPECT_NO_THROW(port.Open());
    port.Close();
}

TEST(PortFailures, LinesThatCannotBeReadRightAfterOpeningCloseThePortAgain) {
    PtyPair pty;
    TComPort port;
    port.SetPort(pty.SlavePath());
    int before = ThreadCount();
    bool hungUp = false;
    port.OnAfterOpen = [&](TObject*) { hungUp = HangUp(pty); };
    bool raised = false;
    try {
        port.Open();
    } catch (const EComPort& e) {
        raised = true;
        EXPECT_EQ(e.Code(), 11);
        EXPECT_EQ(e.SystemCode(), EIO);
    }
    if (!hungUp) GTEST_SKIP() << "hanging a terminal up needs CAP_SYS_ADMIN";
    EXPECT_TRUE(raised);
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(ThreadCount(), before);
}

TEST(PortLoading, AStoredOpenPortOpensWhenLoadedAndReportsAFailure) {
    PtyPair pty;
    TComPort port;
    port.SetPort(pty.SlavePath());
    port.SetEvents({});
    port.IncludeState(csLoading);
    port.SetConnected(true);
    EXPECT_TRUE(port.Connected());  // only stored while loading
    port.Loaded();
    EXPECT_TRUE(port.Connected());
    port.Write("L", 1);
    EXPECT_EQ(pty.Receive(1), "L");
    port.Close();

    TObject* sender = nullptr;
    auto previous = SetComExceptionHandler([&](TObject* s, std::exception_ptr) { sender = s; });
    TComPort broken;
    broken.SetPort("/dev/tallyvo-no-such-port");
    broken.IncludeState(csLoading);
    broken.SetConnected(true);
    EXPECT_NO_THROW(broken.Loaded());
    SetComExceptionHandler(previous);
    EXPECT_EQ(sender, &broken);
    EXPECT_FALSE(broken.Connected());
}

TEST(PortClose, AHandlerMayCloseItsPort) {
    PtyPair pty;
    TComPort port;
    port.SetPort(pty.SlavePath());
    std::mutex lock;
    std::vector<std::string> reported;
    auto previous = SetComExceptionHandler([&](TObject*, std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            std::lock_guard guard(lock);
            reported.push_back(e.what());
        }
    });
    auto reports = [&] {
        std::lock_guard guard(lock);
        return reported;
    };
    std::atomic<int> calls{0};
    port.OnRxChar = [&](TObject*, int) {
        ++calls;
        port.Close();
    };
    port.SetEvents({evRxChar, evCTS});
    port.Open();
    pty.Send("bye");
    {
        Watchdog dog(10s);
        EXPECT_TRUE(WaitFor([&] { return !port.Connected(); }));
    }
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(reports().empty());

    // On the event thread itself the port cannot wait for that thread: it
    // says so instead of ending the program.
    port.SetSyncMethod(smNone);
    calls = 0;
    port.Open();
    pty.Send("again");
    EXPECT_TRUE(WaitFor([&] { return calls == 1 && !reports().empty(); }, 3000ms, false));
    EXPECT_EQ(reports(), std::vector<std::string>{"Cannot close a port from its own event thread"});
    EXPECT_TRUE(port.Connected());
    port.OnRxChar = nullptr;
    port.Close();
    SetComExceptionHandler(previous);
}

TEST_F(PortTest, TheInputQueueReportsWhenItIsFourFifthsFull) {
    std::atomic<int> full{0}, reported{0};
    port.OnRx80Full = [&](TObject*) { ++full; };
    // One thread reports in order: once a later byte is reported, every look at the earlier ones is over.
    port.OnRxChar = [&](TObject*, int count) { reported = count; };
    port.SetEvents({evRxChar, evRx80Full});
    port.SetSyncMethod(smNone);
    port.Buffer()->SetInputSize(100);
    port.Open();
    pty.Send(std::string(50, 'a'));
    ASSERT_TRUE(WaitFor([&] { return port.InputCount() == 50; }, 2000ms, false));
    pty.Send("c");
    ASSERT_TRUE(WaitFor([&] { return reported == 51; }, 2000ms, false));
    EXPECT_EQ(full, 0);
    pty.Send(std::string(40, 'b'));
    EXPECT_TRUE(WaitFor([&] { return full == 1; }, 2000ms, false));
    pty.Send("d");
    ASSERT_TRUE(WaitFor([&] { return reported == 92; }, 2000ms, false));
    EXPECT_EQ(full, 1);  // once per filling, not on every look
    port.Close();
}
