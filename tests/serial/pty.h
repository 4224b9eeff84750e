#pragma once
// A pseudo-terminal pair: the port opens the slave by its path, the test
// plays the far end of the line on the master.
#include <chrono>
#include <functional>
#include <string>

namespace serialtest {

class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& SlavePath() const { return slavePath_; }
    int Master() const { return master_; }
    // What the far end sends.
    void Send(const std::string& bytes);
    // What reached the far end, waiting up to `timeout` for `count` bytes.
    std::string Receive(std::size_t count, std::chrono::milliseconds timeout = std::chrono::milliseconds(2000));

private:
    int master_ = -1;
    std::string slavePath_;
};

// Waits until `done` answers true, pumping the port's hand-offs to the main
// thread meanwhile; false when the deadline passed.
bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout = std::chrono::milliseconds(3000),
             bool pump = true);

} // namespace serialtest
