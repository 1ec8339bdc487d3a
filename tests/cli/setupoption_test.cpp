// --setup FILE called in-process: a setup file stands for the field options
// it holds, the command line wins over it, and a file that cannot be used
// stops the tool before anything is written.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/companionrun.h"

namespace colmara::test {
namespace {

namespace fs = std::filesystem;

class SetupOption : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("colmara-setup-" + std::to_string(getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string File(const std::string& name, const std::string& text) const {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

    fs::path dir_;
};

// 10 % by volume is this text by weight, as the window's unit switch writes it.
constexpr const char* kTenByVolume = "8.01493617";

TEST_F(SetupOption, StandsForTheOptionsItHoldsAndTheCommandLineWins) {
    const std::string vol = File("vol.json", R"({"colmara-setup": 1, "power": "2000",
        "strength": "10", "plates": "5", "reflux": "3", "units": "volume"})");
    using Args = std::vector<std::string>;
    const struct {
        Args withSetup;
        Args same;
    } cases[] = {
        {{"--setup", vol},
         {"--power", "2000", "--strength", kTenByVolume, "--plates", "5", "--reflux", "3"}},
        {{"--setup", vol, "--plates", "7", "--strength", "20"},
         {"--power", "2000", "--strength", "20", "--plates", "7", "--reflux", "3"}},
        {{"profile", "--setup", vol},
         {"profile", "--units", "volume", "--power", "2000", "--strength", "10", "--plates", "5",
          "--reflux", "3"}},
        {{"profile", "--setup", vol, "--units", "weight", "--reflux", "1"},
         {"profile", "--power", "2000", "--strength", kTenByVolume, "--plates", "5", "--reflux",
          "1"}},
        {{"--setup", vol, "sweep", "--reflux", "1:3"},
         {"sweep", "--units", "volume", "--power", "2000", "--strength", "10", "--plates", "5",
          "--reflux", "1:3"}},
        {{"seek", "--setup", vol, "--vary", "plates", "--target-strength", "95"},
         {"seek", "--units", "volume", "--power", "2000", "--strength", "10", "--vary", "plates",
          "--reflux", "3", "--target-strength", "95"}},
        {{"size", "--setup", vol, "--bore", "54", "--hetp", "0.3"},
         {"size", "--units", "volume", "--power", "2000", "--strength", "10", "--plates", "5",
          "--reflux", "3", "--bore", "54", "--hetp", "0.3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.withSetup.front() + " " + c.withSetup.back());
        const CompanionRun run = CallCompanion(c.withSetup);
        const CompanionRun expected = CallCompanion(c.same);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, expected.err);
        EXPECT_EQ(run.out, expected.out);
    }
}

TEST_F(SetupOption, AFileThatCannotBeUsedExitsWithTwoAndWritesNothing) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--setup", (dir_ / "missing.json").string()}, "missing.json': it does not exist."},
        {{"--setup", dir_.string()}, "': it is a folder."},
        // One byte past the limit; the next test reads a file at the limit.
        {{"sweep", "--setup", File("big.json", std::string((1 << 20) + 1, ' '))},
         "big.json': it is larger than 1048576 bytes."},
        {{"--setup", ""}, "--setup: a file name, not an empty text"},
        {{"sweep", "--setup="}, "--setup: a file name, not an empty text"},
        {{"sweep", "--output", ""}, "--output: a file name, not an empty text"},
        // Only whitespace may follow the document; the parser would stop at
        // a zero byte and take the rest unread.
        {{"--setup", File("tail.json", std::string(R"({"colmara-setup": 1, "power": "1",
            "strength": "1", "plates": "1", "reflux": "1"})") +
                                           " \n" + std::string(1, '\0') + "garbage{{[[")},
         "zero byte"},
        {{"profile", "--setup", File("text.json", "power = 2000")}, "not a JSON document"},
        {{"sweep", "--setup", File("proof.json", R"({"colmara-setup": 1, "power": "1",
            "strength": "1", "plates": "1", "reflux": "1", "units": "proof"})")},
         "\"units\""},
        {{"--setup", File("over.json", R"({"colmara-setup": 1, "power": "1",
            "strength": "101", "plates": "1", "reflux": "1", "units": "volume"})")},
         "101"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const CompanionRun run = CallCompanion(c.args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

// A setup of exactly the largest size is read: the limit is the last size
// allowed, not the first refused.
TEST_F(SetupOption, AFileAtTheSizeLimitIsRead) {
    std::string text = R"({"colmara-setup": 1, "power": "2000", "strength": "10",
        "plates": "5", "reflux": "3", "batch": {"charge": "900", "stop-product": "none",
        "stop-after": "30"}})";
    text.resize(1 << 20, ' ');
    const CompanionRun run =
        CallCompanion({"batch", "--setup", File("limit.json", text), "--json"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\"stop\":\"after 30 min\""), std::string::npos) << run.out;
}

TEST_F(SetupOption, ControlCharactersOfTheTextsAreEscapedInMessagesOnly) {
    const std::string setup = File("escape.json", R"({"colmara-setup": 1, "power": "1\u001b[2J",
        "strength": "10", "plates": "3", "reflux": "1"})");
    CompanionRun run = CallCompanion({"--setup", setup});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("1\\x1b[2J"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
    // A sweep row's cell keeps the text as typed.
    run = CallCompanion({"sweep", "--setup", setup});
    EXPECT_NE(run.out.find("1\x1b[2J"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace colmara::test
