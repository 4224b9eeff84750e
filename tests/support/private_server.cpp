#include "tests/support/private_server.h"

#include <arpa/inet.h>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

namespace tvtest {

namespace fs = std::filesystem;

namespace {

constexpr const char* kServer = "/usr/sbin/firebird";
constexpr const char* kRoot = "/usr/lib/x86_64-linux-gnu/firebird/3.0";
constexpr const char* kSecurity = "/var/lib/firebird/3.0/system/security3.fdb";

// A port nobody listens on now: the kernel picks it.
int FreePort() {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t n = sizeof a;
    int port = 0;
    if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&a), &n) == 0)
        port = ntohs(a.sin_port);
    close(s);
    return port;
}

} // namespace

PrivateFirebirdServer::PrivateFirebirdServer() = default;

PrivateFirebirdServer::~PrivateFirebirdServer() { Stop(); }

std::string PrivateFirebirdServer::Entry(const std::string& folder) const {
    return "localhost/" + std::to_string(port_) + ":" + folder;
}

bool PrivateFirebirdServer::Listening() const {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port_));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    close(s);
    return ok;
}

bool PrivateFirebirdServer::Start() {
    if (Running()) return true;
    std::error_code ec;
    if (!fs::exists(kServer, ec) || !fs::is_directory(kRoot, ec)) {
        why_ = "no Firebird server installed";
        return false;
    }
    const fs::path root = root_.path() / "root";
    if (port_ == 0) {
        // The first start lays out the server's own root beside the system one.
        fs::create_directories(root / "lock");
        for (const auto& e : fs::directory_iterator(kRoot)) {
            std::string name = e.path().filename().string();
            if (name != "firebird.conf" && name != "databases.conf") fs::create_symlink(e.path(), root / name, ec);
        }
        fs::copy_file(kSecurity, root / "security3.fdb", ec);
        if (ec) {
            why_ = "cannot copy the security database: " + ec.message();
            return false;
        }
        port_ = FreePort();
        std::ofstream(root / "firebird.conf") << "RemoteServicePort = " << port_ << "\n"
                                              << "RemoteBindAddress = 127.0.0.1\n"
                                              << "SecurityDatabase = " << (root / "security3.fdb").string() << "\n"
                                              << "UdfAccess = None\n";
        std::ofstream(root / "databases.conf") << "security.db = " << (root / "security3.fdb").string() << "\n";
    }
    const std::string env[] = {"FIREBIRD=" + root.string(), "FIREBIRD_LOCK=" + (root / "lock").string(),
                               "FIREBIRD_TMP=" + (root / "lock").string()};
    std::vector<char*> envp;
    for (const std::string& s : env) envp.push_back(const_cast<char*>(s.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>("firebird"), nullptr};
    // Spawned, not forked: the test process runs threads of its own.
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    const std::string log = (root / "server.log").string();
    posix_spawn_file_actions_addopen(&files, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
    int failed = posix_spawn(&pid_, kServer, &files, &attr, argv, envp.data());
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&files);
    if (failed) {
        pid_ = -1;
        why_ = "cannot start the server";
        return false;
    }
    for (int i = 0; i < 150; ++i) {
        if (Listening()) return true;
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            why_ = "the server stopped at once; see " + (root / "server.log").string();
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    Stop();
    why_ = "the server did not listen on port " + std::to_string(port_);
    return false;
}

void PrivateFirebirdServer::Stop() {
    if (!Running()) return;
    kill(pid_, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

} // namespace tvtest
