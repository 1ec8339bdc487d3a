// Reading a file that must be a regular file (a setup, the settings). A FIFO,
// a device or a folder is refused before anything is read from it: the file
// is opened without blocking and examined first, so that a named pipe with no
// writer cannot hang the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace colmara {

// The whole of the regular file at `path`. Throws FileError with the reason:
// it does not exist, it is a folder, permission denied, it is not a regular
// file, or it is larger than `maxBytes`.
std::string ReadRegularFile(const std::string& path, std::uintmax_t maxBytes);

// Why `path` could not be read as a regular file, or nothing when it can or
// does not exist yet (a file the program is about to create).
std::optional<std::string> ExistingFileProblem(const std::string& path);

}  // namespace colmara
