// Writing a file whole or not at all. The bytes go to a temporary file with a
// unique name in the target's folder, which is flushed to the disk and then
// renamed over the target; on any failure the temporary is removed and the
// target keeps its old contents. A symbolic link is written through to the
// file it names, and a file that exists keeps its mode (and its owner where
// the system permits). A name that exists and is not a regular file (a
// terminal, a pipe, /dev/null) has nothing to replace and is written directly,
// opened without waiting: a FIFO that nobody reads is refused rather than
// waited on.
#pragma once

#include <string>
#include <string_view>

namespace colmara {

class WholeFileWriter {
  public:
    // Creates the temporary, or opens a target that is no regular file.
    // Throws FileError with the reason ("a FIFO with no reader" among them).
    explicit WholeFileWriter(const std::string& path);
    ~WholeFileWriter();  // removes the temporary unless it was put in place
    WholeFileWriter(const WholeFileWriter&) = delete;
    WholeFileWriter& operator=(const WholeFileWriter&) = delete;

    // Where the bytes go until the file is put in place; streams write here.
    int Descriptor() const { return fd_; }
    // True when the bytes go straight to a target that is no regular file:
    // there is no temporary, and committing under another name is writing
    // to the target all the same.
    bool Direct() const { return direct_; }
    // Appends `bytes`. Throws FileError with the reason.
    void Write(std::string_view bytes);

    // Flushes to the disk and puts the file in place of the target, or under
    // `name` in its stead (a file beside it). Throws FileError with the
    // reason, the temporary removed and the target as it was.
    void Commit();
    void CommitAs(const std::string& name);

  private:
    void OpenDirectly(bool fifo);
    void Discard();

    std::string target_;     // the file to replace, symbolic links followed
    std::string temporary_;  // empty when writing to `target_` directly
    bool direct_ = false;    // no temporary was ever made
    int fd_ = -1;
};

// Writes `bytes` to `path` whole or not at all. Throws FileError.
void WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace colmara
