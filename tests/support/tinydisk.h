// A nearly full disk for tests of writing whole files: a 64 KiB tmpfs with
// only a little room left, mounted on a fresh folder and unmounted at the end.
// Mounting needs root (CI runs as root); elsewhere Mounted() is false and
// SkipReason() says why, for GTEST_SKIP.
#pragma once

#include <cstddef>
#include <string>

namespace colmara::test {

class TinyDisk {
  public:
    // Leaves `room` bytes free (rounded to the filesystem's pages).
    explicit TinyDisk(std::size_t room = 0);
    ~TinyDisk();
    TinyDisk(const TinyDisk&) = delete;
    TinyDisk& operator=(const TinyDisk&) = delete;

    bool Mounted() const { return mounted_; }
    const std::string& SkipReason() const { return skipReason_; }
    // A path on the disk.
    std::string Path(const std::string& name) const { return folder_ + '/' + name; }
    // Puts `bytes` bytes into `name` before the disk is filled, the old file
    // an export is to replace.
    void Place(const std::string& name, std::size_t bytes) const;
    // Fills the disk up to the room asked for.
    void Fill() const;

  private:
    std::string folder_;
    std::size_t room_;
    bool mounted_ = false;
    std::string skipReason_;
};

// The contents of a file, or "(missing)".
std::string FileBytes(const std::string& path);

}  // namespace colmara::test
