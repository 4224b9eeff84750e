#include "framework/data/sql/fb_api.h"

#include <cstdlib>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "framework/data/sql/fb_error.h"

namespace tv::fb {

namespace {

bool Writable(const std::string& dir) {
    struct stat st {};
    if (stat(dir.c_str(), &st) != 0)
        return mkdir(dir.c_str(), 0777) == 0 || errno == EEXIST;
    return S_ISDIR(st.st_mode) && access(dir.c_str(), W_OK | X_OK) == 0;
}

// The embedded engine keeps its lock tables in /tmp/firebird; a user who may
// not write there (the server package creates it for its own account) gets a
// folder of its own. Processes that share a database must share the folder,
// so the choice depends only on the user.
void PrepareEnvironment() {
    if (std::getenv("FIREBIRD_LOCK"))
        return;
    if (Writable("/tmp/firebird"))
        return;
    const char* tmp = std::getenv("TMPDIR");
    std::string dir = std::string(tmp && *tmp ? tmp : "/tmp") + "/firebird-" + std::to_string(getuid());
    mkdir(dir.c_str(), 0700);
    setenv("FIREBIRD_LOCK", dir.c_str(), 0);
}

} // namespace

Firebird::IMaster* Master() {
    static Firebird::IMaster* master = [] {
        PrepareEnvironment();
        return Firebird::fb_get_master_interface();
    }();
    return master;
}

Firebird::IUtil* Util() {
    static Firebird::IUtil* util = Master()->getUtilInterface();
    return util;
}

Firebird::IProvider* Provider() {
    // One dispatcher for the life of the process: releasing it would shut the
    // embedded engine down under attachments that other objects still hold.
    static Firebird::IProvider* provider = Master()->getDispatcher();
    return provider;
}

Status::Status() : status_(Master()->getStatus()), wrapper_(status_) {}

Status::~Status() { wrapper_.dispose(); }

bool Status::Failed() const {
    return (const_cast<Firebird::CheckStatusWrapper&>(wrapper_).getState() &
            Firebird::IStatus::STATE_ERRORS) != 0;
}

void Status::Check(ErrorSource source) {
    if (!Failed())
        return;
    EFirebirdError e = MakeError(wrapper_.getErrors(), source);
    wrapper_.init();
    throw e;
}

} // namespace tv::fb
