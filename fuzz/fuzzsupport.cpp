#include "fuzz/fuzzsupport.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "framework/ui/application.h"
#include "platform/backend/headless.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/desktop.h"
#include "platform/window/timer.h"

namespace tvfuzz {

namespace {

void RemoveScratch() {
    std::error_code ignored;
    std::filesystem::remove_all(ScratchDir(), ignored);
}

} // namespace

const std::string& ScratchDir() {
    static const std::string dir = [] {
        // In memory where the system has it: the targets rewrite these files on
        // every input, and on a busy disk truncating or closing a file waits for
        // its write-back, which would read as a slow input.
        std::error_code ec;
        std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec) && access("/dev/shm", W_OK) == 0
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
        auto d = base / ("tallyvo-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(d);
        return d.string();
    }();
    static const bool removedAtExit = std::atexit(RemoveScratch) == 0;
    (void)removedAtExit;
    return dir;
}

std::string WriteScratch(const std::string& name, const std::uint8_t* data, std::size_t size) {
    std::string path = ScratchDir() + "/" + name;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                  std::streamsize(size));
    return path;
}

void StartHeadlessOnce() {
    static bool started = [] {
        tv::win::ResetDesktop();
        tv::win::SetClock(std::make_shared<tv::win::FakeClock>(100000));
        tv::win::RegisterStandardClasses();
        tv::InitializeUI();
        return true;
    }();
    (void)started;
}

} // namespace tvfuzz
