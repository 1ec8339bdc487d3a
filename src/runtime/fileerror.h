// A file that could not be read or written whole. The message is the reason
// alone ("No space left on device", "it is a directory"), so that each caller
// puts it into a sentence of its own that names the file.
#pragma once

#include <stdexcept>
#include <string>

namespace colmara {

class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The reason of an errno value, as the system words it.
std::string ErrnoReason(int error);

}  // namespace colmara
