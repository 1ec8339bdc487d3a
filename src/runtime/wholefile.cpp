#include "runtime/wholefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "runtime/fileerror.h"

namespace colmara {

namespace {

[[noreturn]] void Fail(int error) {
    throw FileError(ErrnoReason(error));
}

// The file a name stands for: a symbolic link's final target (a link to
// nothing is replaced like a missing file).
std::string FollowLinks(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return path;
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    return error ? path : target.string();
}

// Gives the temporary the target's mode and owner, or the usual mode of a
// new file when there is no target yet.
void TakeModeOf(int fd, const struct stat* existing) {
    if (existing == nullptr) {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
        return;
    }
    // Changing the owner needs privileges; without them the file stays the
    // writer's, as any other program's saved file would.
    static_cast<void>(fchown(fd, existing->st_uid, existing->st_gid) == 0);
    fchmod(fd, existing->st_mode & 07777);
}

void SyncFolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

std::string ErrnoReason(int error) {
    return std::strerror(error);
}

WholeFileWriter::WholeFileWriter(const std::string& path) : target_(FollowLinks(path)) {
    struct stat info {};
    const bool exists = stat(target_.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode)) {
        OpenDirectly(S_ISFIFO(info.st_mode));
        return;
    }
    std::vector<char> name(target_.begin(), target_.end());
    for (const char c : std::string_view(".XXXXXX")) name.push_back(c);
    name.push_back('\0');
    fd_ = mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0) Fail(errno);
    temporary_ = name.data();
    TakeModeOf(fd_, exists ? &info : nullptr);
}

void WholeFileWriter::OpenDirectly(bool fifo) {
    // Opened without waiting: a FIFO nobody reads would hold the open for
    // ever, and is refused instead (ENXIO). Writes then wait as usual.
    direct_ = true;
    fd_ = open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0 && fifo && errno == ENXIO) throw FileError("a FIFO with no reader");
    if (fd_ < 0) Fail(errno);
    const int flags = fcntl(fd_, F_GETFL);
    if (flags < 0 || fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK) < 0) {
        const int error = errno;
        Discard();
        Fail(error);
    }
}

WholeFileWriter::~WholeFileWriter() {
    Discard();
}

void WholeFileWriter::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            const int error = written < 0 ? errno : EIO;
            Discard();
            Fail(error);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void WholeFileWriter::Commit() {
    CommitAs(target_);
}

void WholeFileWriter::CommitAs(const std::string& name) {
    if (fd_ < 0) Fail(EBADF);
    // A pipe or a terminal cannot be synced; only a file's failure counts.
    const int synced = temporary_.empty() ? 0 : fsync(fd_);
    const int syncError = errno;
    const int closed = close(fd_);
    const int closeError = errno;
    fd_ = -1;
    if (synced != 0 || closed != 0) {
        Discard();
        Fail(synced != 0 ? syncError : closeError);
    }
    if (temporary_.empty()) return;
    if (std::rename(temporary_.c_str(), name.c_str()) != 0) {
        const int error = errno;
        Discard();
        Fail(error);
    }
    temporary_.clear();
    SyncFolderOf(name);
}

void WholeFileWriter::Discard() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_.clear();
}

void WriteWholeFile(const std::string& path, std::string_view bytes) {
    WholeFileWriter writer(path);
    writer.Write(bytes);
    writer.Commit();
}

}  // namespace colmara
