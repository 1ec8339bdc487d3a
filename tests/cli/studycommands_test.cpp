// The sub-commands called in-process: their rows against separate presses of
// Calculate, their independence of the thread count, their refusals, and the
// failure of lost output in every form of the tool.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/companion.h"
#include "cli/companionrun.h"
#include "cli/progressbar.h"
#include "study/plateprofile.h"
#include "study/records.h"
#include "study/separatecalculate.h"
#include "study/strengthtext.h"

namespace colmara::test {
namespace {

// The cells of one CSV line (RFC 4180 quoting, CR LF at the end).
std::vector<std::string> CsvCells(const std::string& line) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            cells.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            cells.emplace_back();
        } else if (quoted || (c != '\r' && c != '\n')) {
            cells.back() += c;
        }
    }
    return cells;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

// A grid with every kind of row: power 0 faults, reflux -1 faults, plates
// 101 is refused, strength 9.5 carries the locale's decimal symbol.
const std::vector<std::string> kFaultGrid = {"sweep",      "--power",    "0:1000:1000",
                                             "--strength", "9.5:10:0.5", "--plates",
                                             "100:101",    "--reflux",   "-1:1:2"};

TEST(SweepCommand, RowsEqualSeparateCalculationsInBothLocalesAndForms) {
    for (const FormatSettings& settings : {FormatSettings{}, CommaSettings()}) {
        SCOPED_TRACE(settings.decimalSeparator);
        const CompanionRun csv = CallCompanion(kFaultGrid, settings);
        std::vector<std::string> jsonArgs = kFaultGrid;
        jsonArgs.insert(jsonArgs.end(), {"--format", "json"});
        const CompanionRun json = CallCompanion(jsonArgs, settings);
        ASSERT_EQ(csv.exitCode, 0) << csv.err;
        ASSERT_EQ(json.exitCode, 0) << json.err;
        const std::vector<std::string> csvLines = Lines(csv.out);
        const std::vector<std::string> jsonLines = Lines(json.out);
        ASSERT_EQ(csvLines.size(), 1 + 16u);
        ASSERT_EQ(jsonLines.size(), 16u);
        EXPECT_EQ(csvLines[0],
                  "power,strength,plates,reflux,product_strength,product_amount,"
                  "reflux_returned,total_stripped,top_temperature,error\r");
        for (std::size_t i = 0; i < jsonLines.size(); ++i) {
            const std::vector<std::string> cells = CsvCells(csvLines[i + 1]);
            ASSERT_EQ(cells.size(), 10u) << csvLines[i + 1];
            const InputTexts inputs{cells[0], cells[1], cells[2], cells[3]};
            EXPECT_EQ(inputs.strength,
                      i / 4 % 2 == 0 ? "9" + settings.decimalSeparator + "5" : "10");
            const CaseResult expected = SeparateCalculate(inputs, settings);
            const std::optional<long double> figures[] = {
                expected.productStrength, expected.productAmount, expected.refluxReturned,
                expected.totalStripped, expected.topTemperature};
            const auto object = nlohmann::json::parse(jsonLines[i]);
            const char* keys[] = {"product_strength", "product_amount", "reflux_returned",
                                  "total_stripped", "top_temperature"};
            for (int k = 0; k < 5; ++k) {
                EXPECT_EQ(cells[4 + k], NumberText(figures[k]).value_or("")) << keys[k];
                if (figures[k])
                    EXPECT_EQ(object.at(keys[k]).get<double>(), static_cast<double>(*figures[k]));
                else
                    EXPECT_TRUE(object.at(keys[k]).is_null());
            }
            EXPECT_EQ(cells[9], expected.error.value_or(""));
            EXPECT_EQ(object.at("plates"), inputs.plates);
            EXPECT_EQ(object.at("error").is_null(), !expected.error);
        }
        // The faults are all there: power 0, reflux -1, plates 101.
        EXPECT_NE(csv.out.find("Invalid floating point operation."), std::string::npos);
        EXPECT_NE(csv.out.find("Floating point division by zero."), std::string::npos);
        EXPECT_NE(csv.out.find("The number of plates must be from 0 to 100."), std::string::npos);
    }
}

// The efficiency passes through every command that solves: a sweep over it
// gets its column (varying fastest) and rows equal to separate
// calculations; a seek finds the least efficiency that reaches a target;
// limits and the plain form refuse or ignore it as their help says.
TEST(StudyCommands, TheEfficiencyReachesEveryCalculation) {
    const CompanionRun sweep = CallCompanion({"sweep", "--strength", "10", "--plates", "6",
                                              "--reflux", "2:3", "--efficiency", "50:100:50"});
    ASSERT_EQ(sweep.exitCode, 0) << sweep.err;
    const std::vector<std::string> lines = Lines(sweep.out);
    ASSERT_EQ(lines.size(), 1 + 4u);
    EXPECT_EQ(lines[0].substr(0, 39), "power,strength,plates,reflux,efficiency");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> cells = CsvCells(lines[i]);
        EXPECT_EQ(cells[4], i % 2 == 1 ? "50" : "100");
        const CaseResult expected =
            SeparateCalculate({cells[0], cells[1], cells[2], cells[3], cells[4]}, {});
        EXPECT_EQ(cells[5], NumberText(expected.productStrength).value_or("")) << lines[i];
    }
    EXPECT_LT(std::stod(CsvCells(lines[1])[5]), std::stod(CsvCells(lines[2])[5]));

    const CompanionRun seek = CallCompanion({"seek", "--vary", "efficiency", "--target-strength",
                                             "85", "--strength", "10", "--plates", "6"});
    ASSERT_EQ(seek.exitCode, 0) << seek.err;
    const std::string found = Lines(seek.out)[0];
    const double least = std::stod(found);
    EXPECT_GE(*SeparateCalculate({"1000", "10", "6", "15", found}, {}).productStrength, 85);
    const std::string below = std::to_string(least - 0.01);
    EXPECT_LT(*SeparateCalculate({"1000", "10", "6", "15", below}, {}).productStrength, 85);
    EXPECT_NE(Lines(seek.out)[1].find(",efficiency,"), std::string::npos);

    const CompanionRun refused =
        CallCompanion({"limits", "--strength", "10", "--target", "80", "--efficiency", "0.5"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err, "colmara-report: --efficiency: must be from 1 to 100 %\n");
    EXPECT_EQ(CallCompanion({"--efficiency", "50"}).exitCode, 2);  // the main window's form
}

TEST(SweepCommand, OutputDoesNotDependOnTheThreadCount) {
    for (const char* format : {"csv", "json"}) {
        std::vector<std::string> args = {"sweep",   "--strength", "1:10:3",   "--plates",
                                         "0:101:7", "--reflux",   "-1:9:2.5", "--format",
                                         format,    "--threads"};
        std::string first;
        for (const char* threads : {"1", "2", "8"}) {
            args.push_back(threads);
            const CompanionRun run = CallCompanion(args);
            args.pop_back();
            ASSERT_EQ(run.exitCode, 0) << run.err;
            if (first.empty()) first = run.out;
            EXPECT_EQ(run.out, first) << format << " on " << threads << " threads";
        }
        EXPECT_EQ(Lines(first).size(), (format == std::string("csv") ? 1u : 0u) + 4 * 15 * 5);
    }
}

TEST(SeekCommand, FindsTheSmallestValueOrNamesTheBestReached) {
    const std::vector<std::string> fixed = {"--strength", "10", "--power", "1500"};
    std::vector<std::string> args = {"seek", "--vary", "plates", "--target-strength", "80"};
    args.insert(args.end(), fixed.begin(), fixed.end());
    const CompanionRun found = CallCompanion(args);
    ASSERT_EQ(found.exitCode, 0) << found.err;
    const std::vector<std::string> lines = Lines(found.out);
    ASSERT_EQ(lines.size(), 3u);
    const int plates = std::stoi(lines[0]);
    const std::vector<std::string> row = CsvCells(lines[2]);
    EXPECT_EQ(row[2], lines[0]);
    EXPECT_GE(std::stod(row[4]), 80);
    const CaseResult fewer =
        SeparateCalculate({"1500", "10", std::to_string(plates - 1), "15"}, {});
    EXPECT_LT(*fewer.productStrength, 80) << "one plate fewer must fall short";

    args.push_back("--json");
    const auto object = nlohmann::json::parse(CallCompanion(args).out);
    EXPECT_EQ(object.at("value"), plates);
    EXPECT_EQ(object.at("reachable"), true);
    EXPECT_EQ(object.at("row").at("product_strength").get<double>(), std::stod(row[4]));

    args[4] = "97";  // above the strength the correlation can give
    const CompanionRun unreachable = CallCompanion(args);
    EXPECT_EQ(unreachable.exitCode, 3);
    const auto best = nlohmann::json::parse(unreachable.out);
    EXPECT_TRUE(best.at("value").is_null());
    EXPECT_EQ(best.at("reachable"), false);
    EXPECT_EQ(best.at("row").size(), 10u);
    const std::string bestPlates = best.at("row").at("plates");
    EXPECT_EQ(unreachable.err.find("colmara-report: product strength 97 % is out of reach"), 0u)
        << unreachable.err;
    EXPECT_NE(unreachable.err.find("at plates " + bestPlates + "\n"), std::string::npos);

    args.pop_back();
    const CompanionRun plain = CallCompanion(args);
    EXPECT_EQ(plain.exitCode, 3);
    EXPECT_EQ(plain.out, "");
    EXPECT_EQ(plain.err, unreachable.err);
}

// A target typed from a value a sweep printed is reached by the row that
// printed it, though the text reads back a little above the value calculated.
TEST(SeekCommand, ATargetTypedFromASweepRowIsReachedByThatRow) {
    struct Case {
        std::vector<std::string> sweep;  // one row
        std::size_t column;              // the printed quantity
        std::vector<std::string> seek;   // the target option follows
        const char* value;
    };
    const Case cases[] = {
        {{"--strength", "10", "--power", "1500", "--plates", "4"},
         4,
         {"--vary", "plates", "--strength", "10", "--power", "1500", "--target-strength"},
         "4"},
        {{"--strength", "10", "--power", "1500", "--plates", "4", "--reflux", "5.01"},
         4,
         {"--vary", "reflux", "--strength", "10", "--power", "1500", "--plates", "4",
          "--target-strength"},
         "5.01"},
        {{"--strength", "10", "--reflux", "3", "--plates", "10", "--power", "1001"},
         5,
         {"--vary", "power", "--strength", "10", "--reflux", "3", "--plates", "10",
          "--target-amount"},
         "1001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        std::vector<std::string> sweep = {"sweep"};
        sweep.insert(sweep.end(), c.sweep.begin(), c.sweep.end());
        const std::vector<std::string> lines = Lines(CallCompanion(sweep).out);
        ASSERT_EQ(lines.size(), 2u);
        std::vector<std::string> seek = {"seek"};
        seek.insert(seek.end(), c.seek.begin(), c.seek.end());
        seek.push_back(CsvCells(lines[1]).at(c.column));
        const CompanionRun found = CallCompanion(seek);
        EXPECT_EQ(found.exitCode, 0) << found.err;
        EXPECT_EQ(found.out.substr(0, found.out.find('\n')), c.value);
    }
    // In the comma locale the found text is "5,01"; as a JSON number, 5.01.
    const std::vector<std::string> common = {"--strength", "10",       "--power",
                                             "1500",       "--plates", "4"};
    std::vector<std::string> sweep = {"sweep", "--reflux", "5,01"};
    sweep.insert(sweep.end(), common.begin(), common.end());
    const std::vector<std::string> row =
        CsvCells(Lines(CallCompanion(sweep, CommaSettings()).out).at(1));
    std::vector<std::string> seek = {"seek",   "--vary", "reflux", "--json", "--target-strength",
                                     row.at(4)};
    seek.insert(seek.end(), common.begin(), common.end());
    const CompanionRun json = CallCompanion(seek, CommaSettings());
    EXPECT_EQ(json.exitCode, 0) << json.err;
    EXPECT_EQ(nlohmann::json::parse(json.out).at("value"), 5.01) << json.out;
    EXPECT_NE(CallCompanion({"seek", "--help"}).out.find("a target copied from a printed row"),
              std::string::npos);
}

TEST(ProfileCommand, PrintsEveryPlateFromTheBoilerUp) {
    const CompanionRun run = CallCompanion({"profile", "--plates", "4", "--reflux", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1 + 5u);
    EXPECT_EQ(lines[0], "plate,temperature,vapour_strength,liquid_strength,reflux\r");
    EXPECT_EQ(CsvCells(lines[1])[0], "0");
    EXPECT_EQ(CsvCells(lines[1])[4], "") << "the boiler has no reflux leaving it";
    const std::vector<std::string> top = CsvCells(lines[5]);
    EXPECT_EQ(top[0], "4");
    const CaseResult expected = SeparateCalculate({"1000", "1", "4", "3"}, {});
    EXPECT_EQ(top[1], *NumberText(expected.topTemperature));

    const CompanionRun json =
        CallCompanion({"profile", "--plates", "4", "--reflux", "3", "--format", "json"});
    const auto last = nlohmann::json::parse(Lines(json.out).back());
    EXPECT_EQ(last.at("temperature").get<double>(), static_cast<double>(*expected.topTemperature));

    const CompanionRun failed = CallCompanion({"profile", "--reflux", "-1"});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(failed.err, "Floating point division by zero.\n");
}

// By volume, strengths given and shown are by volume, in columns named for
// it, and each row is the calculation of the strength field text by weight
// that its strength converts to, written beside it.
TEST(StudyCommands, UnitsVolumeGivesAndShowsStrengthsByVolume) {
    const FormatSettings comma = CommaSettings();
    const auto byVolume = [](std::optional<long double> byWeight) {
        return NumberText(StrengthIn(StrengthUnit::Volume, byWeight)).value_or("");
    };
    const CompanionRun sweep = CallCompanion(
        {"sweep", "--units", "volume", "--strength", "12.5:97.5:42.5", "--plates", "0:8:8"}, comma);
    ASSERT_EQ(sweep.exitCode, 0) << sweep.err;
    const std::vector<std::string> rows = Lines(sweep.out);
    ASSERT_EQ(rows.size(), 1 + 3 * 2u);
    EXPECT_EQ(rows[0],
              "power,strength_vol,strength,plates,reflux,product_strength_vol,product_amount,"
              "reflux_returned,total_stripped,top_temperature,error\r");
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const std::vector<std::string> cells = CsvCells(rows[i]);
        EXPECT_EQ(cells[1], i <= 2 ? "12,5" : i <= 4 ? "55" : "97,5");
        EXPECT_EQ(cells[2], StrengthFieldText(cells[1], StrengthUnit::Volume, comma));
        const CaseResult expected =
            SeparateCalculate({cells[0], cells[2], cells[3], cells[4]}, comma);
        EXPECT_EQ(cells[5], byVolume(expected.productStrength)) << rows[i];
        EXPECT_EQ(cells[6], NumberText(expected.productAmount).value_or(""));
    }

    const CompanionRun profile =
        CallCompanion({"profile", "--units", "volume", "--strength", "55", "--plates", "8"});
    ASSERT_EQ(profile.exitCode, 0) << profile.err;
    const CaseProfile expected =
        ProfileCase({"1000", StrengthFieldText("55", StrengthUnit::Volume, {}), "8", "15"}, {});
    const std::vector<std::string> plates = Lines(profile.out);
    ASSERT_EQ(plates.size(), 1 + expected.plates.size());
    EXPECT_EQ(plates[0], "plate,temperature,vapour_strength_vol,liquid_strength_vol,reflux\r");
    for (std::size_t i = 0; i < expected.plates.size(); ++i) {
        const std::vector<std::string> cells = CsvCells(plates[i + 1]);
        EXPECT_EQ(cells[2], byVolume(expected.plates[i].vapourStrength));
        EXPECT_EQ(cells[3], byVolume(expected.plates[i].liquidStrength));
    }

    // The target is by volume: 7 plates reach 96 % vol, 6 fall short.
    const CompanionRun seek =
        CallCompanion({"seek", "--units", "volume", "--vary", "plates", "--target-strength", "96",
                       "--strength", "12.5", "--json"});
    ASSERT_EQ(seek.exitCode, 0) << seek.err;
    const auto found = nlohmann::json::parse(seek.out);
    EXPECT_EQ(found.at("value"), 7);
    EXPECT_EQ(found.at("row").at("strength_vol"), "12.5");
    const std::string strength = found.at("row").at("strength");
    EXPECT_EQ(
        found.at("row").at("product_strength_vol").get<double>(),
        std::stod(byVolume(SeparateCalculate({"1000", strength, "7", "15"}, {}).productStrength)));
    EXPECT_LT(
        *SeparateCalculate({"1000", strength, "6", "15"}, {}).ProductStrength(StrengthUnit::Volume),
        96);
}

// By mole as by volume: the same rows of field texts, with _mol columns
// holding the strengths converted by mole.
TEST(StudyCommands, UnitsMoleGivesAndShowsStrengthsByMole) {
    const auto byMole = [](std::optional<long double> byWeight) {
        return NumberText(StrengthIn(StrengthUnit::Mole, byWeight)).value_or("");
    };
    const CompanionRun sweep =
        CallCompanion({"sweep", "--units", "mole", "--strength", "4:8:4", "--plates", "5"});
    ASSERT_EQ(sweep.exitCode, 0) << sweep.err;
    const std::vector<std::string> rows = Lines(sweep.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0],
              "power,strength_mol,strength,plates,reflux,product_strength_mol,product_amount,"
              "reflux_returned,total_stripped,top_temperature,error\r");
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const std::vector<std::string> cells = CsvCells(rows[i]);
        EXPECT_EQ(cells[1], i == 1 ? "4" : "8");
        EXPECT_EQ(cells[2], StrengthFieldText(cells[1], StrengthUnit::Mole, {}));
        const CaseResult expected = SeparateCalculate({cells[0], cells[2], cells[3], cells[4]}, {});
        EXPECT_EQ(cells[5], byMole(expected.productStrength)) << rows[i];
    }

    const CompanionRun profile =
        CallCompanion({"profile", "--units", "mole", "--strength", "4", "--format", "json"});
    ASSERT_EQ(profile.exitCode, 0) << profile.err;
    const CaseProfile expected =
        ProfileCase({"1000", StrengthFieldText("4", StrengthUnit::Mole, {}), "20", "15"}, {});
    const nlohmann::json top = nlohmann::json::parse(Lines(profile.out).back());
    EXPECT_EQ(top.at("liquid_strength_mol").get<double>(),
              std::stod(byMole(expected.plates.back().liquidStrength)));
}

TEST(StudyCommands, MistakesExitWithTwoBeforeAnyOutput) {
    const std::vector<std::vector<std::string>> cases = {
        {"sweep", "--plates", "1:5:0"},
        {"sweep", "--plates", "5:1"},
        {"sweep", "--plates", "1.5:3"},
        {"sweep", "--reflux", "a:b"},
        {"sweep", "--power", "1:4000", "--strength", "1:100:0.01", "--plates", "0:100"},
        {"sweep", "--format", "xml"},
        {"sweep", "--threads", "-1"},
        {"seek", "--vary", "plates"},
        {"seek", "--vary", "plates", "--target-strength", "1", "--target-amount", "1"},
        {"seek", "--vary", "heat", "--target-strength", "1"},
        {"seek", "--vary", "reflux", "--target-strength", "1", "--min", "5", "--max", "1"},
        {"seek", "--vary", "reflux", "--target-strength", "1", "--resolution", "0"},
        {"profile", "--format", "xml"},
        {"sweep", "--units", "volume", "--strength", "90:105:15"},
        {"seek", "--units", "volume", "--vary", "plates", "--target-strength", "1", "--strength",
         "101"},
        {"profile", "--units", "volume", "--strength", "-1"},
        {"profile", "--units", "mole", "--strength", "101"},
        {"profile", "--units", "proof"},
        {"sweep", "profile"},
        {"--strength", "10", "sweep"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args.back());
        const CompanionRun run = CallCompanion(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
    }
}

// Bounds outside what the input can take, and numbers left empty, are
// refused with the reason before anything runs.
TEST(SeekCommand, RefusesBoundsOutsideTheInputsValuesAndEmptyNumbers) {
    struct Case {
        std::vector<std::string> args;
        const char* reason;
    };
    const Case cases[] = {
        {{"--vary", "reflux", "--target-amount", "50", "--min=-1"},
         "reflux: bounds must be 0 or more"},
        {{"--vary", "power", "--target-amount", "50", "--min=-5"},
         "power: bounds must be 1 or more"},
        {{"--vary", "power", "--target-amount", "50", "--max", "0"},
         "power: bounds must be 1 or more"},
        {{"--vary", "plates", "--target-amount", "50", "--max", "101"},
         "plates: bounds must be from 0 to 100"},
        {{"--vary", "reflux", "--target-amount", "50", "--min="}, "--min: no number given"},
        {{"--vary", "reflux", "--target-amount", "50", "--max="}, "--max: no number given"},
        {{"--vary", "reflux", "--target-amount="}, "--target-amount: no number given"},
        {{"--vary", "reflux", "--target-strength="}, "--target-strength: no number given"},
        {{"--vary", "reflux", "--target-amount", "50", "--resolution="},
         "--resolution: no number given"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"seek"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        SCOPED_TRACE(args.back());
        const CompanionRun run = CallCompanion(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    }
}

// A range ends at the last value not beyond TO, so every value the user
// wrote within an input's limits stays within them.
TEST(SweepCommand, RangesEndWithinTo) {
    const std::vector<std::string> lines =
        Lines(CallCompanion(
                  {"sweep", "--units", "volume", "--strength", "95:100:3", "--plates", "95:100:3"})
                  .out);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(CsvCells(lines[1])[1] + " " + CsvCells(lines[1])[3], "95 95");
    EXPECT_EQ(CsvCells(lines[4])[1] + " " + CsvCells(lines[4])[3], "98 98");
    EXPECT_EQ(CsvCells(lines[4]).back(), "");  // no error
}

TEST(StudyCommands, HelpOfEachGivesAnExample) {
    for (const char* command : {"sweep", "seek", "profile"}) {
        const CompanionRun run = CallCompanion({command, "--help"});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_NE(run.out.find(std::string("colmara-report ") + command + " --"), std::string::npos)
            << command;
    }
}

TEST(SweepProgress, ShowsRowsRateAndTimeLeft) {
    EXPECT_EQ(ProgressText(0, 2000, 0.5, 10), "[..........]  0/2000 rows");
    EXPECT_EQ(ProgressText(500, 2000, 2.0, 10),
              "[##........]  500/2000 rows  250 rows/s  6 s left");
    EXPECT_EQ(ProgressText(2000, 2000, 4.0, 10),
              "[##########]  2000/2000 rows  500 rows/s  0 s left");
}

TEST(CompanionOutput, LostOutputIsAFailureOfItsOwnInEveryForm) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--json"},
        {"--reflux", "-1"},
        {"sweep", "--plates", "1:3"},
        {"seek", "--vary", "plates", "--target-strength", "50"},
        {"profile"}};
    for (const auto& args : cases) {
        SCOPED_TRACE(args.empty() ? "plain" : args.front());
        std::ostream lost(nullptr);  // every write fails, as on a full disk
        std::ostringstream err;
        EXPECT_EQ(RunCompanion(args, FormatSettings{}, lost, err), kCompanionWriteFailed);
        EXPECT_EQ(err.str(), "colmara-report: cannot write output: the output stream refused it\n");
    }
}

TEST(SweepCommand, OutputFileAppearsOnlyWhenComplete) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("colmara-sweep-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "grid.csv").string();
    CompanionRun run = CallCompanion({"sweep", "--plates", "1:3", "--output", file});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    EXPECT_EQ(std::filesystem::file_size(file),
              CallCompanion({"sweep", "--plates", "1:3"}).out.size());

    const std::string missing = (folder / "no-such-folder" / "grid.csv").string();
    run = CallCompanion({"sweep", "--plates", "1:3", "--output", missing});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.err,
              "colmara-report: cannot create " + missing + ": No such file or directory\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace colmara::test
