#include "cli/fdstreambuf.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace colmara {

FdStreamBuf::FdStreamBuf(int fd) : fd_(fd) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

FdStreamBuf::~FdStreamBuf() {
    Drain();
}

FdStreamBuf::int_type FdStreamBuf::overflow(int_type c) {
    if (!Drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize FdStreamBuf::xsputn(const char* data, std::streamsize count) {
    const auto room = epptr() - pptr();
    if (count <= room) {
        std::memcpy(pptr(), data, static_cast<std::size_t>(count));
        pbump(static_cast<int>(count));
        return count;
    }
    if (!Drain() || !WriteAll(data, static_cast<std::size_t>(count))) return 0;
    return count;
}

int FdStreamBuf::sync() {
    return Drain() ? 0 : -1;
}

bool FdStreamBuf::Drain() {
    const auto size = static_cast<std::size_t>(pptr() - pbase());
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return WriteAll(buffer_.data(), size);
}

bool FdStreamBuf::WriteAll(const char* data, std::size_t size) {
    if (error_ != 0) return false;
    while (size > 0) {
        const ssize_t n = write(fd_, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error_ = n < 0 ? errno : EIO;
            // A reader that went away ends the tool as it ends any filter,
            // even when SIGPIPE was ignored by whoever started us.
            if (error_ == EPIPE) {
                std::signal(SIGPIPE, SIG_DFL);
                std::raise(SIGPIPE);
            }
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string WriteFailureCause(const std::ostream& stream) {
    const auto* buffer = dynamic_cast<const FdStreamBuf*>(stream.rdbuf());
    if (buffer != nullptr && buffer->Error() != 0) return std::strerror(buffer->Error());
    return "the output stream refused it";
}

}  // namespace colmara
