#include "cli/outputfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace colmara {

namespace {

OutputError Failure(const std::string& what, int error) {
    return OutputError(what + ": " + std::strerror(error));
}

bool IsOtherThanRegularFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

}  // namespace

OutputFile::OutputFile(std::string path) : path_(std::move(path)) {
    if (IsOtherThanRegularFile(path_)) {
        fd_ = open(path_.c_str(), O_WRONLY | O_CLOEXEC);
    } else {
        std::vector<char> name(path_.begin(), path_.end());
        for (char c : std::string(".XXXXXX")) name.push_back(c);
        name.push_back('\0');
        fd_ = mkostemp(name.data(), O_CLOEXEC);
        if (fd_ >= 0) {
            temporary_ = name.data();
            // mkostemp makes the file private; give it the usual mode.
            const mode_t mask = umask(0);
            umask(mask);
            fchmod(fd_, 0666 & ~mask);
        }
    }
    if (fd_ < 0) throw Failure("cannot create " + path_, errno);
    buffer_ = std::make_unique<FdStreamBuf>(fd_);
    stream_.rdbuf(buffer_.get());
}

OutputFile::~OutputFile() {
    Discard();
}

void OutputFile::Commit() {
    stream_.flush();
    const int writeError = buffer_->Error();
    const int closed = close(fd_);
    const int closeError = errno;
    fd_ = -1;
    if (writeError != 0 || !stream_ || closed != 0) {
        Discard();
        throw Failure("cannot write output", writeError != 0 ? writeError : closeError);
    }
    if (!temporary_.empty() && std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        const int renameError = errno;
        Discard();
        throw Failure("cannot write " + path_, renameError);
    }
    temporary_.clear();
}

void OutputFile::Discard() {
    stream_.rdbuf(nullptr);
    buffer_.reset();
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_.clear();
}

}  // namespace colmara
