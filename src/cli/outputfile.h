// The file behind --output: the rows stream into a WholeFileWriter, so the
// named file is replaced only once it is complete (keeping its mode, written
// through a symbolic link). A run that fails leaves the earlier file as it
// was and no temporary; an interrupted one leaves the earlier file as well,
// and the whole rows done beside it in FILE.partial. A target that is no
// regular file (a terminal, /dev/null, a FIFO with a reader) is written
// straight through, with no temporary and no FILE.partial.
#pragma once

#include <ostream>
#include <stdexcept>
#include <string>

#include "cli/fdstreambuf.h"
#include "runtime/wholefile.h"

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
    explicit OutputFile(const std::string& path);
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    std::ostream& Stream() { return stream_; }

    // Writes out what is buffered and puts the file in place. Throws
    // OutputError (and removes the temporary) when any write failed.
    void Commit();
    // As Commit, but the rows go beside the file, in PartialName().
    void KeepPartial();
    // False for a target written straight through: nothing is replaced.
    bool Replaces() const { return !writer_.Direct(); }
    std::string PartialName() const { return path_ + ".partial"; }

  private:
    void CommitAs(const std::string* name);

    std::string path_;
    WholeFileWriter writer_;
    FdStreamBuf buffer_;
    std::ostream stream_;
};

}  // namespace colmara
