#include "core/replacingfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/exceptions.h"
#include "core/rtlconsts.h"
#include "core/sysformat.h"

namespace tv {

namespace {

[[noreturn]] void CreateError(const std::string& fileName, int err) {
    throw EFCreateError(Format(LoadResString(SFCreateErrorEx), fileName, std::string(std::strerror(err))));
}

std::atomic<unsigned> g_tempCount{0};

} // namespace

TReplacingFile::TReplacingFile(const std::string& fileName) : fileName_(fileName), target_(fileName) {
    namespace fs = std::filesystem;
    struct stat st {};
    const bool exists = ::stat(fileName.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        stream_ = std::make_unique<TFileStream>(fileName, fmCreate);
        return;
    }
    // A link is followed: the file it names is the one replaced.
    std::error_code ec;
    if (exists) {
        fs::path real = fs::canonical(fileName, ec);
        if (!ec) target_ = real.string();
        if (::access(fileName.c_str(), W_OK) != 0) CreateError(fileName, errno);
    }
    const fs::path path(target_);
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    // Made as the file itself would be, so the mask of the process applies.
    int fd = -1;
    for (unsigned attempt = 0; fd < 0; ++attempt) {
        temp_ = (folder / ("." + path.filename().string().substr(0, 100) + "." + std::to_string(::getpid()) + "-" +
                           std::to_string(++g_tempCount) + ".part"))
                    .string();
        fd = ::open(temp_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST || attempt > 100) break;
    }
    if (fd < 0) {
        const int err = errno;
        temp_.clear();
        // A folder that takes no new file still lets a writable file be rewritten.
        if (exists && err == EACCES) {
            stream_ = std::make_unique<TFileStream>(fileName, fmCreate);
            return;
        }
        CreateError(fileName, err);
    }
    // The new file keeps the old one's permissions.
    if (exists && ::fchmod(fd, st.st_mode & 07777) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(temp_.c_str());
        temp_.clear();
        CreateError(fileName, err);
    }
    ::close(fd);
    try {
        stream_ = std::make_unique<TFileStream>(temp_, fmOpenReadWrite);
    } catch (...) {
        ::unlink(temp_.c_str());
        temp_.clear();
        throw;
    }
}

TReplacingFile::~TReplacingFile() {
    stream_.reset();
    if (!temp_.empty()) ::unlink(temp_.c_str());
}

void TReplacingFile::Commit() {
    stream_.reset();
    if (temp_.empty()) return;
    if (::rename(temp_.c_str(), target_.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp_.c_str());
        temp_.clear();
        CreateError(fileName_, err);
    }
    temp_.clear();
}

} // namespace tv
