#include "tests/support/suite_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace tvtest {

namespace {

std::string FirstLine(const std::string& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

} // namespace

std::string SuiteServerState() {
    if (const char* state = std::getenv("TALLYVO_FB_STATE"); state && *state) return state;
    if (const char* build = std::getenv("TALLYVO_BINARY_DIR"); build && *build) return std::string(build) + "/firebird";
#ifdef TALLYVO_BINARY_DIR
    return std::string(TALLYVO_BINARY_DIR) + "/firebird";
#else
    return "build/test/firebird";
#endif
}

bool LoopbackListening(int port) {
    if (port <= 0 || port > 65535) return false;
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    close(s);
    return ok;
}

bool FindSuiteServer(SuiteServer& server, std::string& why) {
    const std::string state = SuiteServerState();
    const std::string port = FirstLine(state + "/port");
    if (port.empty() || !LoopbackListening(std::atoi(port.c_str()))) {
        why = "the suite's Firebird server is not running in " + state +
              " (bash scripts/services/firebird.sh start, as make test does)";
        return false;
    }
    server.host = "localhost/" + port;
    server.sysdba = FirstLine(state + "/sysdba");
    return true;
}

} // namespace tvtest
