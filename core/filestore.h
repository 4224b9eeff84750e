#pragma once
// Whole-file reads and replacing writes for the small text stores of the core
// (ini files, the registry store). A write goes to a temporary file beside the
// target and is renamed over it, so a failed write never leaves half a file;
// a file without any write permission is treated as read-only.
#include <string>
#include <string_view>

namespace tv {

enum class FileStoreStatus { Ok, Missing, Failed };

// Missing when the file does not exist; Failed (with the system's reason in
// `reason`) when it exists but cannot be read.
FileStoreStatus ReadStoreFile(const std::string& path, std::string& text, std::string& reason);
// Creates the folder when `createFolder`; false with the reason on failure.
bool WriteStoreFile(const std::string& path, std::string_view text, bool createFolder, std::string& reason);

} // namespace tv
