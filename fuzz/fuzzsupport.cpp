#include "fuzz/fuzzsupport.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "framework/ui/application.h"
#include "platform/backend/headless.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/desktop.h"
#include "platform/window/timer.h"

namespace tvfuzz {

const std::string& ScratchDir() {
    static const std::string dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("tallyvo-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(d);
        return d.string();
    }();
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
