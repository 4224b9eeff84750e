// While a test holds a database with the embedded engine, the engine's lock
// and shared-memory files are the run's own: none lies in /tmp/firebird, the
// folder of the machine's server, where files a test run by root left behind
// would lock that server out.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "framework/data/sql/fb_database.h"
#include "tests/support/firebird_fixture.h"

namespace {

// The files the process has mapped from the given folder.
std::set<std::string> MappedFrom(const std::string& folder) {
    std::set<std::string> files;
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        const std::size_t at = line.find('/');
        if (at != std::string::npos && line.compare(at, folder.size() + 1, folder + "/") == 0)
            files.insert(line.substr(at));
    }
    return files;
}

} // namespace

TEST(EngineFiles, TheEmbeddedEnginesLockFilesAreTheRunsOwn) {
    tvtest::FirebirdDatabases dbs(20);
    tv::fb::FbDatabase db;
    db.Open(dbs.CompanyPath(), {});
    const char* lock = std::getenv("FIREBIRD_LOCK");
    ASSERT_TRUE(lock && *lock) << "the tests name no lock folder of their own";
    EXPECT_FALSE(MappedFrom(lock).empty()) << "the engine maps no file from " << lock;
    const std::set<std::string> machines = MappedFrom("/tmp/firebird");
    EXPECT_TRUE(machines.empty()) << "the engine uses the machine server's folder: " << *machines.begin();
}
