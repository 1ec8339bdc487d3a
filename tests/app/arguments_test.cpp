#include "app/arguments.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "runtime/version.h"

namespace colmara {
namespace {

struct ModeCase {
    std::vector<std::string> args;
    StartMode mode;
};

TEST(StartMode, OwnOptionsDecideAndTheRestIsLeftForTheToolkit) {
    const ModeCase cases[] = {
        {{}, StartMode::Window},
        {{"-platform", "offscreen"}, StartMode::Window},
        {{"--versions"}, StartMode::Window},
        {{"version"}, StartMode::Window},
        {{"--version"}, StartMode::Version},
        {{"--study"}, StartMode::Study},
        {{"--study", "--version"}, StartMode::Study},
        {{"-platform", "xcb", "--version"}, StartMode::Version},
        {{"--help"}, StartMode::Help},
        {{"-h"}, StartMode::Help},
        {{"--help", "--version"}, StartMode::Help},
        {{"--version", "--help"}, StartMode::Version},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        EXPECT_EQ(ReadStartMode(c.args), c.mode);
    }
}

TEST(StartMode, AnswersWithoutAWindow) {
    std::ostringstream version;
    EXPECT_EQ(AnswerWithoutWindow(StartMode::Version, version), 0);
    EXPECT_EQ(version.str(), std::string("colmara ") + kVersion + "\n");

    std::ostringstream help;
    EXPECT_EQ(AnswerWithoutWindow(StartMode::Help, help), 0);
    EXPECT_TRUE(help.str().starts_with("Usage: colmara"));
    for (const char* option : {"--study", "--help", "--version"})
        EXPECT_NE(help.str().find(option), std::string::npos) << option;

    std::ostringstream broken;
    broken.setstate(std::ios::badbit);
    EXPECT_EQ(AnswerWithoutWindow(StartMode::Version, broken), 1);
}

}  // namespace
}  // namespace colmara
