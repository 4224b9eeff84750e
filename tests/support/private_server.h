#pragma once
// A Firebird server of a test's own on the loopback address, on a free port of
// its own (never the shared 3050), with its own configuration, security
// database (a copy of the system one, so SYSDBA's password is the shared
// server's) and lock folder. The test can stop it mid-session and start it again.
#include <string>
#include <sys/types.h>

#include "tests/support/tempdir.h"

namespace tvtest {

class PrivateFirebirdServer {
public:
    PrivateFirebirdServer();
    ~PrivateFirebirdServer();
    PrivateFirebirdServer(const PrivateFirebirdServer&) = delete;
    PrivateFirebirdServer& operator=(const PrivateFirebirdServer&) = delete;

    // False, with the reason in Why(), when no server can run here.
    bool Start();
    void Stop();
    bool Running() const { return pid_ > 0; }
    const std::string& Why() const { return why_; }
    int Port() const { return port_; }
    // A server entry for a folder of databases: "localhost/<port>:<folder>".
    std::string Entry(const std::string& folder) const;

private:
    bool Listening() const;

    TempDir root_;
    int port_ = 0;
    pid_t pid_ = -1;
    std::string why_;
};

} // namespace tvtest
