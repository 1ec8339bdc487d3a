// The exit statuses that need a real process: a full disk, a file size limit
// under --output, signals during a sweep, a reader that stops early, and
// setup files that are no regular files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/companionrun.h"
#include "support/tinydisk.h"

namespace colmara::test {
namespace {

// Long enough (a million rows) that a run ends only when stopped.
const std::vector<std::string> kLongSweep = {"sweep",      "--plates",  "0:100", "--reflux",
                                             "0:100:0.01", "--threads", "2"};

TEST(CompanionProcess, FullDiskExitsWithFourAndNamesTheCause) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{}, {"sweep", "--plates", "0:3"}, {"profile"}}) {
        SCOPED_TRACE(args.empty() ? "plain" : args.front());
        SpawnOptions options;
        options.stdoutPath = "/dev/full";
        const CompanionRun run = SpawnCompanion(args, options);
        EXPECT_EQ(run.exitCode, 4);
        EXPECT_EQ(run.err, "colmara-report: cannot write output: No space left on device\n");
    }
}

TEST(CompanionProcess, OutputFileThatCannotBeWrittenLeavesNothingBehind) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("colmara-full-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    SpawnOptions options;
    // Files may grow by a block or two only: a full disk as seen from one
    // process. The program ignores SIGXFSZ itself, so the write fails
    // instead of killing it with its temporary left behind.
    options.shellSetup = "ulimit -f 2";
    const CompanionRun run = SpawnCompanion(
        {"sweep", "--plates", "0:100", "--output", (folder / "grid.csv").string()}, options);
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.err, "colmara-report: cannot write output: File too large\n");
    EXPECT_TRUE(std::filesystem::is_empty(folder)) << "no partial or temporary file";
    std::filesystem::remove_all(folder);
}

TEST(CompanionProcess, InterruptedSweepExitsWith130AfterWholeRows) {
    SpawnOptions options;
    options.environment = {"LC_ALL=C"};
    options.interruptAfter = 1;
    const CompanionRun run = SpawnCompanion(kLongSweep, options);
    EXPECT_EQ(run.exitCode, 130);
    EXPECT_EQ(run.signal, 0) << "the tool stops itself, it is not killed";
    EXPECT_EQ(run.err, "");
    ASSERT_GE(run.out.size(), 2u);
    EXPECT_EQ(run.out.substr(run.out.size() - 2), "\r\n");
    std::istringstream lines(run.out);
    std::size_t count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        // C locale, no fault in this grid: no cell is quoted.
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 9) << line;
    }
    EXPECT_LT(count, 101u * 10001u);
}

// --output to what is no regular file writes straight to it: interrupted,
// there is no FILE.partial to speak of; a FIFO nobody reads is refused at
// once rather than waited on for ever.
TEST(CompanionProcess, OutputToNoRegularFileIsWrittenStraightThrough) {
    SpawnOptions options;
    // Nothing arrives to count: the signal goes once the sweep is under way.
    const auto start = std::chrono::steady_clock::now();
    options.interruptWhen = [start] {
        return std::chrono::steady_clock::now() - start > std::chrono::milliseconds(300);
    };
    std::vector<std::string> args = kLongSweep;
    args.insert(args.end(), {"--output", "/dev/null"});
    const CompanionRun interrupted = SpawnCompanion(args, options);
    EXPECT_EQ(interrupted.exitCode, 130);
    EXPECT_EQ(interrupted.err, "");
    EXPECT_FALSE(std::filesystem::exists("/dev/null.partial"));

    const std::filesystem::path fifo =
        std::filesystem::temp_directory_path() / ("colmara-fifo-" + std::to_string(getpid()));
    mkfifo(fifo.c_str(), 0600);
    const CompanionRun unread =
        SpawnCompanion({"sweep", "--plates", "0:3", "--output", fifo.string()});
    EXPECT_EQ(unread.exitCode, 4);
    EXPECT_EQ(unread.err,
              "colmara-report: cannot create " + fifo.string() + ": a FIFO with no reader\n");
    std::filesystem::remove(fifo);
}

TEST(CompanionProcess, ReaderThatStopsEarlyEndsTheToolQuietly) {
    SpawnOptions options;
    options.closeAfter = 1;
    const CompanionRun run = SpawnCompanion(kLongSweep, options);
    EXPECT_EQ(run.exitCode, 128 + SIGPIPE);
    EXPECT_EQ(run.signal, SIGPIPE);
    EXPECT_EQ(run.err, "");
}

namespace fs = std::filesystem;

// A fresh folder for one test's files.
fs::path Folder(const std::string& name) {
    const fs::path folder = fs::temp_directory_path() / (name + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// Whether a temporary of `file` has rows in it: the sweep is under way.
bool TemporaryHasRows(const fs::path& file) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(file.parent_path(), error))
        if (entry.path().filename().string().starts_with(file.filename().string() + ".") &&
            entry.path().extension() != ".partial" && entry.file_size(error) > 0)
            return true;
    return false;
}

TEST(CompanionProcess, SignalsDuringOutputKeepTheEarlierFileAndSetTheRowsAside) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        const fs::path folder = Folder("colmara-signal-");
        const fs::path file = folder / "grid.csv";
        std::ofstream(file) << "earlier\n";
        SpawnOptions options;
        options.interruptSignal = signal;
        options.interruptWhen = [&file] { return TemporaryHasRows(file); };
        std::vector<std::string> args = kLongSweep;
        args.insert(args.end(), {"--output", file.string()});
        const CompanionRun run = SpawnCompanion(args, options);
        EXPECT_EQ(run.exitCode, 128 + signal);
        EXPECT_EQ(run.signal, 0) << "the tool stops itself, it is not killed";
        EXPECT_EQ(run.err, "colmara-report: interrupted; " + file.string() +
                               " is unchanged, the rows done are in " + file.string() +
                               ".partial\n");
        std::ifstream earlier(file);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(earlier), {}), "earlier\n");
        std::ifstream partial(file.string() + ".partial");
        const std::string rows(std::istreambuf_iterator<char>(partial), {});
        EXPECT_TRUE(rows.starts_with("power,")) << rows.substr(0, 80);
        EXPECT_TRUE(rows.ends_with("\r\n")) << "whole rows only";
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 2) << "no temporary left";
        fs::remove_all(folder);
    }
}

TEST(CompanionProcess, FullDiskUnderOutputKeepsTheEarlierFile) {
    const TinyDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << disk.SkipReason();
    disk.Place("grid.csv", 8192);
    chmod(disk.Path("grid.csv").c_str(), 0600);
    disk.Fill();
    const std::string before = FileBytes(disk.Path("grid.csv"));
    const CompanionRun run =
        SpawnCompanion({"sweep", "--plates", "0:100", "--output", disk.Path("grid.csv")});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.err, "colmara-report: cannot write output: No space left on device\n");
    EXPECT_TRUE(FileBytes(disk.Path("grid.csv")) == before);
    EXPECT_EQ(std::distance(fs::directory_iterator(disk.Path("")), {}), 2) << "no temporary";
}

TEST(CompanionProcess, SetupThatIsNoRegularFileIsRefusedAtOnce) {
    const fs::path folder = Folder("colmara-fifo-");
    const std::string fifo = (folder / "setup").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // A FIFO with no writer would block a plain open forever; the ctest
    // time limit catches a hang.
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--setup", fifo},
             {"sweep", "--setup", fifo},
             {"seek", "--setup", fifo, "--vary", "plates", "--target-strength", "90"},
             {"profile", "--setup", fifo}}) {
        SCOPED_TRACE(args.front());
        const CompanionRun run = SpawnCompanion(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, "colmara-report: Cannot read the setup file '" + fifo +
                               "': it is not a regular file.\n");
        EXPECT_EQ(run.out, "");
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace colmara::test
