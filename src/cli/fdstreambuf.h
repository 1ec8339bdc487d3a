// A stream buffer over a file descriptor that remembers why a write failed,
// so that the tool can name the cause ("No space left on device") instead of
// only noticing that the stream went bad.
#pragma once

#include <array>
#include <ostream>
#include <streambuf>
#include <string>

namespace colmara {

class FdStreamBuf : public std::streambuf {
  public:
    explicit FdStreamBuf(int fd);
    ~FdStreamBuf() override;
    FdStreamBuf(const FdStreamBuf&) = delete;
    FdStreamBuf& operator=(const FdStreamBuf&) = delete;

    // The errno of the first write that failed, 0 while none has.
    int Error() const { return error_; }

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* data, std::streamsize count) override;
    int sync() override;

  private:
    bool WriteAll(const char* data, std::size_t size);
    bool Drain();

    int fd_;
    int error_ = 0;
    std::array<char, 1 << 16> buffer_;
};

// Why writing to `stream` failed, for the message "cannot write output: ...".
std::string WriteFailureCause(const std::ostream& stream);

}  // namespace colmara
