#include "serial/comportlist.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <fstream>
#include <memory>

#include "core/stringlist.h"
#include "core/strutils.h"
#include "serial/comerror.h"

namespace tv {

namespace {

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// A port of the kernel's serial core says what UART it found; type 0 means
// none, as for the ports the 8250 driver reserves on every machine.
bool HasUart(const std::string& entry) {
    std::ifstream in(entry + "/type");
    if (!in) return true;
    int type = -1;
    in >> type;
    return !in || type != 0;
}

} // namespace

void EnumComPortsIn(const std::string& ttyClassDir, TStrings* ports) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(ttyClassDir.c_str()), &::closedir);
    if (!dir) throw EComPort(CError_RegError, errno);
    TStringList found;
    for (;;) {
        errno = 0;
        dirent* e = ::readdir(dir.get());
        if (!e) {
            if (errno != 0) throw EComPort(CError_RegError, errno);
            break;
        }
        std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        std::string entry = ttyClassDir + "/" + name;
        // Consoles and pseudo-terminals have no device behind them.
        if (!Exists(entry + "/device")) continue;
        if (!HasUart(entry)) continue;
        found.Add("/dev/" + name);
    }
    found.CustomSort([](TStringList& list, int a, int b) {
        return AnsiCompareText(list.Strings(a), list.Strings(b));
    });
    if (ports) ports->Assign(&found);
}

void EnumComPorts(TStrings* ports) { EnumComPortsIn("/sys/class/tty", ports); }

std::string ComPortDevicePath(const std::string& port) {
    std::string name = port;
    if (name.rfind("\\\\.\\", 0) == 0) name = name.substr(4);
    if (name.empty()) return {};
    if (name[0] == '/') return name;
    if (name.size() > 3 && UpperCase(name.substr(0, 3)) == "COM") {
        int number = 0;
        if (TryStrToInt(name.substr(3), number) && number >= 1 &&
            name.find_first_not_of("0123456789", 3) == std::string::npos)
            return "/dev/ttyS" + std::to_string(number - 1);
    }
    return "/dev/" + name;
}

bool SameComPort(const std::string& a, const std::string& b) {
    std::string da = ComPortDevicePath(a);
    return !da.empty() && da == ComPortDevicePath(b);
}

} // namespace tv
