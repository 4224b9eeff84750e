#pragma once
// The suite's own Firebird server (scripts/services/firebird.sh, started by
// make test), as this build's state folder tells it: TALLYVO_FB_STATE, else
// <build folder>/firebird. Never the machine's server.
#include <string>

namespace tvtest {

struct SuiteServer {
    std::string host;   // "localhost/<port>"
    std::string sysdba; // SYSDBA's password on it
    // A server entry or database path through it: "localhost/<port>:<path>".
    std::string Entry(const std::string& path) const { return host + ":" + path; }
};

// The state folder of this build's server.
std::string SuiteServerState();

// The running server; false, with how to start it in `why`, when none runs.
bool FindSuiteServer(SuiteServer& server, std::string& why);

// Whether something accepts connections on the loopback address at `port`.
bool LoopbackListening(int port);

} // namespace tvtest
