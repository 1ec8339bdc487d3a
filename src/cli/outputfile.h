// The file behind --output. Rows go to a temporary file in the same folder,
// which replaces the named file only once it is complete, so that a failed
// run never leaves a partial file that looks finished. A name that is not a
// regular file (a terminal, /dev/stdout, a pipe) is written to directly.
#pragma once

#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

#include "cli/fdstreambuf.h"

namespace colmara {

// Creating, writing or renaming the output failed; the message names the
// cause and is meant to follow "colmara-report: ".
class OutputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class OutputFile {
  public:
    // Throws OutputError when the file cannot be created.
    explicit OutputFile(std::string path);
    ~OutputFile();  // removes the temporary unless Commit ran through
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    std::ostream& Stream() { return stream_; }

    // Writes out what is buffered and puts the file in place. Throws
    // OutputError (and removes the temporary) when any write failed.
    void Commit();

  private:
    void Discard();

    std::string path_;
    std::string temporary_;  // empty when writing to `path_` directly
    int fd_ = -1;
    std::unique_ptr<FdStreamBuf> buffer_;
    std::ostream stream_{nullptr};
};

}  // namespace colmara
