// What every test program sets up before its first test, compiled into each
// of them (not taken from a library, so none can go without it):
//  - a settings store of its own, in a folder of the process removed at its
//    end, whose application folder is a folder of the process too. Nothing a
//    test runs, the station's error log among it, can then find the user's
//    store or the folders it names;
//  - a check, before and after every test, that fails the test when the
//    program would use the user's store (a test that pointed the store
//    elsewhere and did not put it back);
//  - the embedded engine's lock files in the build folder (make test names
//    the same folder), never in /tmp/firebird, the machine's server's;
//  - what LeakSanitizer leaves out: memory that the system's libraries keep
//    until the process ends.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "core/registry.h"
#include "tests/support/testprocess.h"

// fontconfig's caches, the Firebird client's character-set converters and
// ICU tables, the embedded engine's own.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libfbclient.so\nleak:libicuuc.so\nleak:libicui18n.so\n"
           "leak:libEngine12.so\nleak:iconv_open\nleak:gconv\n";
}

namespace tvtest {

namespace {

namespace fs = std::filesystem;

bool Within(const fs::path& path, const fs::path& folder) {
    if (folder.empty()) return false;
    const fs::path p = fs::weakly_canonical(path), f = fs::weakly_canonical(folder);
    auto [end, at] = std::mismatch(f.begin(), f.end(), p.begin(), p.end());
    return end == f.end();
}

class TestProcess {
public:
    TestProcess() : owner_(getpid()) {
        // The store a program uses when it sets none: the user's.
        const char* given = std::getenv("TALLYVO_REGISTRY_DIR");
        const std::string saved = given ? given : "";
        ::unsetenv("TALLYVO_REGISTRY_DIR");
        userStore_ = tv::TRegistry::StorageFolder();
        if (given) ::setenv("TALLYVO_REGISTRY_DIR", saved.c_str(), 1);

        std::string tmpl = (fs::temp_directory_path() / "tallyvo-test-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) {
            std::perror("tallyvo-test");
            std::_Exit(1);
        }
        folder_ = tmpl;
        fs::create_directories(folder_ / "registry");
        fs::create_directories(folder_ / "aplicacion");
        // Whatever the caller's environment names, this program's store is its own.
        ::setenv("TALLYVO_REGISTRY_DIR", (folder_ / "registry").c_str(), 1);
        tv::TRegistry reg;
        reg.SetRootKey(tv::HKEY_LOCAL_MACHINE);
        if (!reg.OpenKey("\\Software\\Orvane\\Tallyvo2008", true)) {
            std::fprintf(stderr, "tallyvo-test: cannot write the store in %s\n", folder_.c_str());
            std::_Exit(1);
        }
        reg.WriteString("Directorio", (folder_ / "aplicacion").string());

        if (!std::getenv("FIREBIRD_LOCK")) {
            const char* build = std::getenv("TALLYVO_BINARY_DIR");
            const fs::path lock = fs::path(build && *build ? build : TALLYVO_BINARY_DIR) / "firebird-lock";
            std::error_code ec;
            fs::create_directories(lock, ec);
            ::setenv("FIREBIRD_LOCK", lock.c_str(), 1);
        }
    }

    ~TestProcess() {
        // A child that a test forked ends without taking the parent's folder.
        if (getpid() != owner_) return;
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    const fs::path& Folder() const { return folder_; }

    // Why the store the program would use now is not one of a test's own; empty when it is.
    std::string Trespass() const {
        const std::string store = tv::TRegistry::StorageFolder();
        if (fs::weakly_canonical(store) == fs::weakly_canonical(userStore_))
            return "the user's own settings store (" + store + ")";
        const char* build = std::getenv("TALLYVO_BINARY_DIR");
        if (!Within(store, fs::temp_directory_path()) && !(build && Within(store, build)))
            return "a settings store outside any temporary or build folder (" + store + ")";
        return {};
    }

private:
    pid_t owner_;
    fs::path folder_;
    std::string userStore_;
};

// Made before any other object of the program and undone after all of them.
__attribute__((init_priority(101))) TestProcess process;

class StoreGuard : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { Check("before"); }
    void OnTestEnd(const ::testing::TestInfo&) override { Check("after"); }
    void OnTestProgramEnd(const ::testing::UnitTest&) override {
        const std::string why = process.Trespass();
        if (why.empty()) return;
        std::fprintf(stderr, "At its end the program would use %s\n", why.c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    static void Check(const char* when) {
        const std::string why = process.Trespass();
        if (!why.empty()) ADD_FAILURE() << when << " this test the program would use " << why;
    }
};

[[maybe_unused]] const bool guarded = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new StoreGuard);
    return true;
}();

} // namespace

std::string ProcessFolder() { return process.Folder().string(); }

std::string ProcessApplicationFolder() { return (process.Folder() / "aplicacion").string(); }

} // namespace tvtest
