#include "tests/support/private_server.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "tests/support/firebird_fixture.h"

extern char** environ;

namespace tvtest {

namespace {

std::string FirstLine(const std::string& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

} // namespace

PrivateFirebirdServer::PrivateFirebirdServer(std::string account) {
    if (!account.empty() && geteuid() == 0) {
        account_ = std::move(account);
        // The account reaches its state folder through this one, and nothing else in it.
        std::filesystem::permissions(root_.path(), std::filesystem::perms::others_exec,
                                     std::filesystem::perm_options::add);
    }
}

PrivateFirebirdServer::~PrivateFirebirdServer() { Stop(); }

int PrivateFirebirdServer::Port() const { return std::atoi(FirstLine(root_.file("servidor/port")).c_str()); }

std::string PrivateFirebirdServer::Sysdba() const { return FirstLine(root_.file("servidor/sysdba")); }

std::string PrivateFirebirdServer::Entry(const std::string& folder) const {
    return "localhost/" + std::to_string(Port()) + ":" + folder;
}

bool PrivateFirebirdServer::Script(const char* command) {
    const std::string script = SourceRoot() + "/scripts/services/firebird.sh";
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::string(*e).rfind("TALLYVO_FB_", 0) != 0) env.emplace_back(*e);
    env.push_back("TALLYVO_FB_STATE=" + root_.file("servidor"));
    if (!account_.empty()) env.push_back("TALLYVO_FB_USER=" + account_);
    std::vector<char*> envp;
    for (std::string& s : env) envp.push_back(s.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>("bash"), const_cast<char*>(script.c_str()), const_cast<char*>(command), nullptr};
    // Spawned, not forked: the test process runs threads of its own.
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    const std::string log = root_.file(std::string(command) + ".log");
    posix_spawn_file_actions_addopen(&files, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&files, 1, 2);
    pid_t pid = -1;
    int failed = posix_spawnp(&pid, "bash", &files, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&files);
    int status = 0;
    if (failed || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::ifstream in(log);
        why_ = std::string("scripts/services/firebird.sh ") + command +
               " failed: " + std::string(std::istreambuf_iterator<char>(in), {});
        return false;
    }
    return true;
}

bool PrivateFirebirdServer::Start() {
    if (running_) return true;
    running_ = Script("start");
    return running_;
}

void PrivateFirebirdServer::Stop() {
    if (!running_) return;
    Script("stop");
    running_ = false;
}

} // namespace tvtest
