// Files written whole or not at all, and files read only when regular.
#include "runtime/wholefile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "runtime/fileerror.h"
#include "runtime/regularfile.h"
#include "support/tinydisk.h"

namespace colmara {
namespace {

namespace fs = std::filesystem;
using test::FileBytes;

class Folder {
  public:
    Folder() {
        char name[] = "/tmp/colmara-wholefile-XXXXXX";
        path_ = mkdtemp(name);
    }
    ~Folder() { fs::remove_all(path_); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    // Every name in the folder, to see that no temporary stayed behind.
    std::size_t Count() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(path_), {}));
    }

  private:
    fs::path path_;
};

std::string ReasonOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileError& error) {
        return error.what();
    }
    return "(no error)";
}

TEST(WholeFile, ReplacesKeepingModeAndWritesThroughLinks) {
    const Folder folder;
    std::ofstream(folder / "private.csv") << "old";
    chmod((folder / "private.csv").c_str(), 0600);
    fs::create_symlink("private.csv", folder / "link.csv");

    WriteWholeFile(folder / "link.csv", "new");
    EXPECT_TRUE(fs::is_symlink(folder / "link.csv"));
    EXPECT_EQ(FileBytes(folder / "private.csv"), "new");
    struct stat info {};
    stat((folder / "private.csv").c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(folder.Count(), 2u) << "no temporary left";
}

TEST(WholeFile, KeepsTheOldFileWhenTheWriteFailsOrIsAbandoned) {
    const Folder folder;
    std::ofstream(folder / "kept.csv") << "old";
    {
        WholeFileWriter writer(folder / "kept.csv");
        writer.Write("half");
    }
    EXPECT_EQ(FileBytes(folder / "kept.csv"), "old");
    EXPECT_EQ(folder.Count(), 1u);
    EXPECT_EQ(ReasonOf([&] { WriteWholeFile(folder / "no/such.csv", "x"); }),
              "No such file or directory");
    // The last step failing: a file cannot be renamed over a folder, so
    // the folder stays as it was and no temporary stays.
    fs::create_directory(folder / "rows");
    std::ofstream(folder / "rows/inside") << "mine";
    EXPECT_EQ(ReasonOf([&] {
                  WholeFileWriter renamed(folder / "kept.csv");
                  renamed.Write("rows");
                  renamed.CommitAs(folder / "rows");
              }),
              "Is a directory");
    EXPECT_EQ(FileBytes(folder / "rows/inside"), "mine");
    EXPECT_EQ(FileBytes(folder / "kept.csv"), "old");
    EXPECT_EQ(folder.Count(), 2u);
    // A partial file is put beside the target under a name of its own.
    WholeFileWriter writer(folder / "kept.csv");
    writer.Write("rows");
    writer.CommitAs(folder / "kept.csv.partial");
    EXPECT_EQ(FileBytes(folder / "kept.csv"), "old");
    EXPECT_EQ(FileBytes(folder / "kept.csv.partial"), "rows");
}

// A target that is no regular file has nothing to replace: the bytes go
// straight to it, with no temporary beside it, and a FIFO nobody reads is
// refused at once instead of waited on.
TEST(WholeFile, WritesStraightToDevicesAndReadFifosAndRefusesAnUnreadFifo) {
    const Folder folder;
    WholeFileWriter null("/dev/null");
    EXPECT_TRUE(null.Direct());
    null.Write("rows");
    null.Commit();
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    mkfifo((folder / "fifo").c_str(), 0600);
    EXPECT_EQ(ReasonOf([&] { WriteWholeFile(folder / "fifo", "rows"); }), "a FIFO with no reader");
    const int reader = open((folder / "fifo").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    WriteWholeFile(folder / "fifo", "rows\n");
    char bytes[16] = {};
    EXPECT_EQ(read(reader, bytes, sizeof bytes), 5);
    EXPECT_EQ(std::string(bytes), "rows\n");
    close(reader);
    EXPECT_TRUE(fs::is_fifo(folder / "fifo"));
    EXPECT_EQ(folder.Count(), 1u) << "no temporary beside the FIFO";
    WholeFileWriter file(folder / "file");
    EXPECT_FALSE(file.Direct());
}

TEST(WholeFile, FullDiskKeepsTheOldFileAndSaysWhy) {
    const test::TinyDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << disk.SkipReason();
    disk.Place("report.txt", 8192);
    disk.Fill();
    const std::string old = FileBytes(disk.Path("report.txt"));
    // Smaller than a page and larger than the room left, as one write or many.
    for (const std::size_t size : {std::size_t{3000}, std::size_t{40000}}) {
        EXPECT_EQ(
            ReasonOf([&] { WriteWholeFile(disk.Path("report.txt"), std::string(size, 'n')); }),
            "No space left on device")
            << size;
        EXPECT_TRUE(FileBytes(disk.Path("report.txt")) == old) << "the old file is kept";
        EXPECT_EQ(std::distance(fs::directory_iterator(disk.Path("")), {}), 2)
            << "the old file and the filler only";
    }
}

TEST(RegularFile, RefusesWhatIsNoRegularFileWithoutWaiting) {
    const Folder folder;
    mkfifo((folder / "fifo").c_str(), 0600);
    fs::create_directory(folder / "folder");
    std::ofstream(folder / "big") << std::string(101, 'b');
    std::ofstream(folder / "small") << "setup";
    const struct {
        std::string path, reason;
    } cases[] = {
        {folder / "missing", "it does not exist"},       {folder / "folder", "it is a folder"},
        {folder / "fifo", "it is not a regular file"},   {"/dev/null", "it is not a regular file"},
        {folder / "big", "it is larger than 100 bytes"}, {folder / "small", "(no error)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReasonOf([&] { ReadRegularFile(c.path, 100); }), c.reason) << c.path;
        const auto problem = ExistingFileProblem(c.path);
        EXPECT_EQ(problem.value_or("(no error)"),
                  c.reason == "it does not exist" || c.reason.starts_with("it is larger")
                      ? "(no error)"
                      : c.reason)
            << c.path;
    }
    EXPECT_EQ(ReadRegularFile(folder / "small", 100), "setup");
    if (geteuid() != 0) {
        chmod((folder / "small").c_str(), 0);
        EXPECT_EQ(ReasonOf([&] { ReadRegularFile(folder / "small", 100); }), "permission denied");
    }
}

}  // namespace
}  // namespace colmara
