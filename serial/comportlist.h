#pragma once
// The serial ports present on the machine, and the device file that a port
// name stands for.
#include <string>

namespace tv {

class TStrings;

// Replaces the list's contents with the device files of the serial ports
// present, in case-insensitive text order. Raises EComPort code 23 with the
// system error code when the system's list of devices cannot be read.
void EnumComPorts(TStrings* ports);
// The same over another copy of the kernel's tty class folder (/sys/class/tty).
void EnumComPortsIn(const std::string& ttyClassDir, TStrings* ports);

// "COM1" to "COMn" are the first ports of the machine's own UARTs
// (/dev/ttyS0...); an absolute path is taken as it stands; any other name is a
// device in /dev ("ttyUSB0"). An empty name names nothing.
std::string ComPortDevicePath(const std::string& port);
// Whether two port names stand for the same device file.
bool SameComPort(const std::string& a, const std::string& b);

} // namespace tv
