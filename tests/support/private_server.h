#pragma once
// A Firebird server of a test's own: the suite's service script
// (scripts/services/firebird.sh) run on a state folder in the test's temporary
// folder, so it has its own free port on the loopback address, configuration,
// security database and lock folder. The test can stop it mid-session and
// start it again on the same port. Given an account, a test run by root runs
// the server under it (the packaged server runs as "firebird"); run by
// anyone else, the server runs as they do.
#include <string>

#include "tests/support/tempdir.h"

namespace tvtest {

class PrivateFirebirdServer {
public:
    explicit PrivateFirebirdServer(std::string account = "");
    ~PrivateFirebirdServer();
    PrivateFirebirdServer(const PrivateFirebirdServer&) = delete;
    PrivateFirebirdServer& operator=(const PrivateFirebirdServer&) = delete;

    // False, with the reason in Why(), when no server can run here.
    bool Start();
    void Stop();
    bool Running() const { return running_; }
    const std::string& Why() const { return why_; }
    int Port() const;
    // SYSDBA's password on this server.
    std::string Sysdba() const;
    // A server entry for a folder of databases: "localhost/<port>:<folder>".
    std::string Entry(const std::string& folder) const;

private:
    bool Script(const char* command);

    TempDir root_;
    std::string account_;
    bool running_ = false;
    std::string why_;
};

} // namespace tvtest
