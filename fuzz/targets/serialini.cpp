// The serial-port settings in the ini layout ("cnfptocaj.ini",
// "cnfptobal.ini"): loaded into a port with every group stored, stored to
// another file, and that file loaded and stored again, which must give the
// same file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "core/exceptions.h"
#include "fuzz/fuzzsupport.h"
#include "serial/comerror.h"
#include "serial/comport.h"

namespace {

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Prepare(tv::TComPort& port) {
    port.SetName("ComPort1");
    port.SetStoredGroups({tv::sgBasic, tv::sgFlowControl, tv::sgBuffer, tv::sgTimeouts, tv::sgParity, tv::sgOthers});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = tvfuzz::WriteScratch("cnfptocaj.ini", data, size);
    const std::string first = tvfuzz::ScratchDir() + "/primera.ini", second = tvfuzz::ScratchDir() + "/segunda.ini";
    std::remove(first.c_str());
    std::remove(second.c_str());
    try {
        tv::TComPort read(nullptr), again(nullptr);
        Prepare(read);
        Prepare(again);
        read.LoadSettings(true, input);
        read.StoreSettings(true, first);
        again.LoadSettings(true, first);
        again.StoreSettings(true, second);
    } catch (const tv::Exception&) {
        return 0;
    }
    if (Contents(first) != Contents(second)) {
        std::fprintf(stderr, "settings stored from a port read back otherwise:\n%s\n---\n%s\n", Contents(first).c_str(),
                     Contents(second).c_str());
        std::abort();
    }
    return 0;
}
