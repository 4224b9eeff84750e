#pragma once
// Named resources embedded in the executable at build time (see
// cmake/Resources.cmake): each file of a resource folder is registered under
// its path relative to that folder, with "/" separators.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

// The bytes of a resource, looked up by its relative path ("forms/TFoo.dfm"),
// then by that path ignoring case, then by file name without folder and
// extension ignoring case ("TFOO"). Empty when there is none.
std::optional<std::string_view> FindResource(std::string_view name);
// Registers a resource; the bytes must live as long as the program. A name
// registered twice keeps the last bytes.
void RegisterResource(std::string_view name, const void* data, std::size_t size);
// Every registered name, sorted.
std::vector<std::string> ResourceNames();

} // namespace tv
