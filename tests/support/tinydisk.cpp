#include "support/tinydisk.h"

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace colmara::test {

TinyDisk::TinyDisk(std::size_t room) : room_(room) {
    char name[] = "/tmp/colmara-tinydisk-XXXXXX";
    if (mkdtemp(name) == nullptr) {
        skipReason_ = std::string("no folder for the disk: ") + std::strerror(errno);
        return;
    }
    folder_ = name;
    if (mount("tmpfs", name, "tmpfs", 0, "size=64k,mode=0777") != 0) {
        skipReason_ = std::string("cannot mount a small tmpfs here (") + std::strerror(errno) +
                      "); CI runs this test as root";
        return;
    }
    mounted_ = true;
}

TinyDisk::~TinyDisk() {
    if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
    if (!folder_.empty()) rmdir(folder_.c_str());
}

void TinyDisk::Place(const std::string& name, std::size_t bytes) const {
    std::ofstream(Path(name), std::ios::binary) << std::string(bytes, 'o');
}

void TinyDisk::Fill() const {
    struct statvfs disk {};
    statvfs(folder_.c_str(), &disk);
    const std::size_t free = disk.f_bavail * disk.f_frsize;
    if (free > room_)
        std::ofstream(Path(".filler"), std::ios::binary) << std::string(free - room_, 'f');
}

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return "(missing)";
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

}  // namespace colmara::test
