#include "runtime/regularfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "runtime/fileerror.h"

namespace colmara {

namespace {

std::string OpenReason(int error) {
    switch (error) {
        case ENOENT:
            return "it does not exist";
        case EACCES:
        case EPERM:
            return "permission denied";
        default:
            return ErrnoReason(error);
    }
}

// The kind of file `info` describes, as a reason to refuse it; empty for a
// regular file.
std::string KindReason(const struct stat& info) {
    if (S_ISREG(info.st_mode)) return {};
    if (S_ISDIR(info.st_mode)) return "it is a folder";
    return "it is not a regular file";
}

// Opens `path` for reading without blocking and checks what it is. Throws
// FileError; the caller closes the descriptor.
int OpenRegular(const std::string& path, struct stat& info) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) throw FileError(OpenReason(errno));
    const std::string kind = fstat(fd, &info) != 0 ? ErrnoReason(errno) : KindReason(info);
    if (!kind.empty()) {
        close(fd);
        throw FileError(kind);
    }
    return fd;
}

std::string TooLarge(std::uintmax_t maxBytes) {
    return "it is larger than " + std::to_string(maxBytes) + " bytes";
}

}  // namespace

std::string ReadRegularFile(const std::string& path, std::uintmax_t maxBytes) {
    struct stat info {};
    const int fd = OpenRegular(path, info);
    std::string text;
    char chunk[4096];
    for (;;) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            const int error = got < 0 ? errno : 0;
            close(fd);
            if (error != 0) throw FileError(ErrnoReason(error));
            return text;
        }
        text.append(chunk, static_cast<std::size_t>(got));
        if (text.size() > maxBytes) {
            close(fd);
            throw FileError(TooLarge(maxBytes));
        }
    }
}

std::optional<std::string> ExistingFileProblem(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 && errno == ENOENT) return {};
    try {
        close(OpenRegular(path, info));
    } catch (const FileError& error) {
        return std::string(error.what());
    }
    return {};
}

}  // namespace colmara
