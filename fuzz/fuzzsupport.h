#pragma once
// Small helpers shared by the fuzz targets: a scratch folder for parsers that
// read files, and the headless desktop for those that need windows.
#include <cstddef>
#include <cstdint>
#include <string>

namespace tvfuzz {

// A folder of this process in memory (/dev/shm) or else under the system's
// temporary folder, made once and removed when the process ends normally.
const std::string& ScratchDir();
// Writes the bytes to a file of the scratch folder and returns its path.
std::string WriteScratch(const std::string& name, const std::uint8_t* data, std::size_t size);
// Starts the headless desktop and the framework's UI once per process.
void StartHeadlessOnce();

} // namespace tvfuzz
