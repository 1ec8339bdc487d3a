// The exit statuses that need a real process: a full disk, a file size limit
// under --output, Ctrl+C during a sweep and a reader that stops early.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/companionrun.h"

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
    // Files may grow by a block or two only, and the write then fails instead
    // of killing the program: a full disk as seen from one process.
    options.shellSetup = "ulimit -f 2; trap '' XFSZ";
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

TEST(CompanionProcess, ReaderThatStopsEarlyEndsTheToolQuietly) {
    SpawnOptions options;
    options.closeAfter = 1;
    const CompanionRun run = SpawnCompanion(kLongSweep, options);
    EXPECT_EQ(run.exitCode, 128 + SIGPIPE);
    EXPECT_EQ(run.signal, SIGPIPE);
    EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace colmara::test
