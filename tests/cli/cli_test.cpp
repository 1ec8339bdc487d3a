#include <gtest/gtest.h>
#include <locale.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/companion.h"
#include "cli/companionrun.h"
#include "support/goldenfile.h"

namespace colmara::test {
namespace {

constexpr const char* kNothingWritten = "[report]\n[summary]\n[chart]\n";

TEST(CompanionText, PrintsTheGoldenReports) {
    struct Case {
        std::vector<std::string> args;
        const char* golden;
    };
    const Case cases[] = {
        {{}, "initial.txt"},
        {{"--power", "1000", "--strength", "20", "--plates", "15", "--reflux", "1"},
         "strength20-plates15-reflux1.txt"},
        {{"--strength=20", "--reflux=1", "--plates=15"}, "strength20-plates15-reflux1.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.golden);
        const CompanionRun run = CallCompanion(c.args);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, ReadFileText(GoldenPath(c.golden)));
    }
}

TEST(CompanionText, FailurePrintsWhatWasWrittenAndTheErrorBoxText) {
    struct Case {
        std::vector<std::string> args;
        std::string err;
        int reportLines;
    };
    const Case cases[] = {
        {{"--reflux", "-1"}, "Floating point division by zero.\n", 0},
        {{"--reflux=-1"}, "Floating point division by zero.\n", 0},
        {{"--power", "0", "--reflux", "-1"}, "Invalid floating point operation.\n", 0},
        {{"--plates", "-abc"}, "'-abc' is not a valid integer value.\n", 0},
        {{"--strength", "--5"}, "'--5' is not a valid floating point value.\n", 0},
        {{"--power", ""}, "'' is not a valid integer value.\n", 0},
        {{"--power=", "--plates=5"}, "'' is not a valid integer value.\n", 0},
        {{"--power=abc"}, "'abc' is not a valid integer value.\n", 0},
        {{"--plates", "101"}, "The number of plates must be from 0 to 100.\n", 0},
        {{"--strength", "-5"}, "Floating point division by zero.\n", 6 + 20 * 7 + 6},
        {{"--power", "0"}, "Invalid floating point operation.\n", 6 + 20 * 7 + 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.err);
        const CompanionRun run = CallCompanion(c.args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, c.err);
        if (c.reportLines == 0) {
            EXPECT_EQ(run.out, kNothingWritten);
            continue;
        }
        const std::string written = run.out;
        ASSERT_NE(written.find("[summary]\nTotal amount stripped:\n[chart]\n"), std::string::npos);
        const auto report = written.substr(0, written.find("[summary]\n"));
        EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), c.reportLines + 1);
        const auto chart = written.substr(written.find("[chart]\n"));
        EXPECT_EQ(std::count(chart.begin(), chart.end(), '\n'), 1 + 21);
    }
}

TEST(CompanionJson, CarriesTheSameLinesAndRoundTripsTheChart) {
    const CompanionRun run = CallCompanion({"--json"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    const auto json = nlohmann::json::parse(run.out);
    const GoldenReport golden = ReadGoldenReport(GoldenPath("initial.txt"));
    EXPECT_EQ(json.at("report").get<std::vector<std::string>>(), golden.report);
    EXPECT_EQ(json.at("summary").get<std::vector<std::string>>(), golden.summary);
    EXPECT_EQ(json.at("chart").get<std::vector<double>>(), golden.chart);
    EXPECT_TRUE(json.at("error").is_null());
}

TEST(CompanionJson, FailureGoesIntoErrorNotStandardError) {
    struct Case {
        std::vector<std::string> args;
        std::string error;
        std::size_t reportLines;
        std::vector<std::string> summary;
        std::size_t chartPoints;
    };
    const Case cases[] = {
        {{"--json", "--strength", "-5"},
         "Floating point division by zero.",
         152,
         {"Total amount stripped:"},
         21},
        {{"--json", "--plates", "abc"}, "'abc' is not a valid integer value.", 0, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        const CompanionRun run = CallCompanion(c.args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, "");
        const auto json = nlohmann::json::parse(run.out);
        EXPECT_EQ(json.at("error"), c.error);
        EXPECT_EQ(json.at("report").size(), c.reportLines);
        EXPECT_EQ(json.at("summary").get<std::vector<std::string>>(), c.summary);
        EXPECT_EQ(json.at("chart").size(), c.chartPoints);
    }
}

TEST(CompanionOptions, HideLeavesOutTheNamedPlateLines) {
    struct Case {
        std::vector<std::string> args;
        std::size_t linesPerPlate;
        std::vector<std::string> absent;
    };
    const Case cases[] = {
        {{"--hide", "reflux,liquid,vapour,temperature"},
         3,
         {"Reflux from plate", "liquid strength  ", "vapour strength  ", "Temperature"}},
        {{"--hide", "temperature"}, 6, {"Temperature"}},
        {{"--hide=vapour,reflux"}, 5, {"vapour strength  ", "Reflux from plate"}},
        {{"--hide", "liquid", "--hide", "reflux"}, 5, {"liquid strength  ", "Reflux from plate"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        std::vector<std::string> args = c.args;
        args.push_back("--json");
        const CompanionRun run = CallCompanion(args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const auto report =
            nlohmann::json::parse(run.out).at("report").get<std::vector<std::string>>();
        EXPECT_EQ(report.size(), 6 + 20 * c.linesPerPlate + 6);
        for (const std::string& line : report)
            for (const std::string& label : c.absent) EXPECT_NE(line.rfind(label, 0), 0u) << line;
    }
}

TEST(CompanionOptions, CommandLineMistakesExitWithTwo) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--hide", "pressure"},
                                                                  {"--hide="},
                                                                  {"--hide", "liquid", "reflux"},
                                                                  {"--plates"},
                                                                  {"--colour", "red"},
                                                                  {"extra"}}) {
        SCOPED_TRACE(args.front());
        const CompanionRun run = CallCompanion(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out.find("[report]"), std::string::npos) << "nothing was calculated";
        EXPECT_NE(run.err, "");
    }
}

TEST(CompanionOptions, HelpExplainsEveryOption) {
    const CompanionRun run = CallCompanion({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* option : {"--power", "--strength", "--plates", "--reflux", "--hide", "--json"})
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
}

TEST(CompanionLocale, ReadsAndWritesTheGivenDecimalSymbol) {
    const FormatSettings comma{",", "."};
    CompanionRun run =
        CallCompanion({"--strength", "20,0", "--plates", "15", "--reflux", "1"}, comma);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("vapour strength:   65,19 %\n"), std::string::npos);
    EXPECT_NE(run.out.find("[summary]\nTotal amount stripped:\n89,6\n"), std::string::npos);
    EXPECT_EQ(run.out.find(".00 %\n"), std::string::npos);

    run = CallCompanion({"--strength", "1.5"}, comma);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "'1.5' is not a valid floating point value.\n");
}

// The program itself: its exit status reaches the shell, and it takes the
// decimal symbol from the locale of its environment.
TEST(CompanionProgram, ExitStatusAndLocale) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> env;
        int exitCode;
        std::string err;
    };
    const std::string comma = "de_DE.UTF-8";
    locale_t probe = newlocale(LC_NUMERIC_MASK, comma.c_str(), nullptr);
    const bool haveComma = probe != nullptr;
    if (probe != nullptr) freelocale(probe);
    const std::vector<std::string> commaEnv = {"LC_ALL=" + comma};
    const std::vector<std::string> pointEnv = {"LC_ALL=C"};
    const Case cases[] = {
        {{"--plates", "2"}, pointEnv, 0, ""},
        {{"--reflux=-1"}, pointEnv, 1, "Floating point division by zero.\n"},
        {{"--plates", "1,5"}, pointEnv, 1, "'1,5' is not a valid integer value.\n"},
        {{"--strength", "1,5", "--plates", "2"},
         commaEnv,
         haveComma ? 0 : 1,
         haveComma ? "" : "'1,5' is not a valid floating point value.\n"},
        {{"--colour", "red"}, pointEnv, 2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front());
        const CompanionRun run = SpawnCompanion(c.args, c.env);
        EXPECT_EQ(run.exitCode, c.exitCode);
        if (c.exitCode != 2) {
            EXPECT_EQ(run.err, c.err);
        }
    }
}

}  // namespace
}  // namespace colmara::test
