#include "core/filestore.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tv {

FileStoreStatus ReadStoreFile(const std::string& path, std::string& text, std::string& reason) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return FileStoreStatus::Missing;
        reason = std::strerror(errno);
        return FileStoreStatus::Failed;
    }
    text.clear();
    char buf[65536];
    while (true) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            reason = std::strerror(errno);
            ::close(fd);
            return FileStoreStatus::Failed;
        }
        text.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return FileStoreStatus::Ok;
}

bool WriteStoreFile(const std::string& path, std::string_view text, bool createFolder, std::string& reason) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (createFolder) {
        std::error_code ec;
        fs::create_directories(folder, ec);
    }
    mode_t mode = 0644;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            reason = std::strerror(EISDIR);
            return false;
        }
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0) {
            reason = std::strerror(EACCES);
            return false;
        }
        mode = st.st_mode & 07777;
    }
    std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else done += static_cast<std::size_t>(n);
    }
    if (ok && (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0)) ok = false;
    if (!ok) reason = std::strerror(errno);
    if (::close(fd) != 0 && ok) {
        ok = false;
        reason = std::strerror(errno);
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        reason = std::strerror(errno);
    }
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

} // namespace tv
