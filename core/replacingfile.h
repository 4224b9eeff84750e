#pragma once
// A file written in full before it takes the place of the one named: the bytes
// go to a temporary file beside it, which is renamed over it when the writer
// commits. A writer that fails or never commits leaves the named file as it
// was and no temporary behind. What is not a regular file (a device, a pipe)
// is written in place, as it cannot be replaced.
#include <memory>
#include <string>

#include "core/streams.h"

namespace tv {

class TReplacingFile {
public:
    // Raises EFCreateError ("Cannot create file "x". <reason>") naming the
    // file when neither it nor its temporary can be written.
    explicit TReplacingFile(const std::string& fileName);
    ~TReplacingFile();
    TReplacingFile(const TReplacingFile&) = delete;
    TReplacingFile& operator=(const TReplacingFile&) = delete;

    TStream& Stream() { return *stream_; }
    // Puts the written file in place of the named one.
    void Commit();

private:
    std::string fileName_, target_, temp_;
    std::unique_ptr<TFileStream> stream_;
};

} // namespace tv
