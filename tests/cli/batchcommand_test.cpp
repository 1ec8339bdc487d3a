// colmara-report batch called in-process: its three forms against the batch
// layer's own output for the same request, the setup file, and every exit
// status it documents.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "batch/batchform.h"
#include "batch/batchrecords.h"
#include "batch/batchrun.h"
#include "cli/companionrun.h"
#include "runtime/fpcheck.h"
#include "runtime/numconv.h"
#include "study/setupfile.h"

namespace colmara::test {
namespace {

const std::vector<std::string> kRun = {
    "batch", "--charge",       "8000", "--charge-unit",  "g",  "--units", "volume", "--strength",
    "12",    "--plates",       "8",    "--reflux",       "2",  "--power", "1500",   "--heads",
    "60ml",  "--hearts-until", "75",   "--stop-product", "30", "--every", "20"};

BatchRequest RequestOfRun() {
    BatchRequest request;
    request.charge = 8000;
    request.chargeUnit = ChargeUnit::Grams;
    request.unit = StrengthUnit::Volume;
    request.inputs = {"1500", "12", "8", "2"};
    request.cuts = DefaultCuts({60, AmountUnit::Millilitres}, 75);
    request.stops.productBelow = 30;
    request.everyMinutes = 20;
    return request;
}

std::vector<std::string> With(std::vector<std::string> args, const std::string& flag) {
    args.push_back(flag);
    return args;
}

TEST(BatchCommand, PrintsWhatTheRunGivesInEveryForm) {
    InitFloatingPoint();
    const BatchResult result = RunBatch(RequestOfRun(), FormatSettings());
    const CompanionRun timeline = CallCompanion(kRun);
    EXPECT_EQ(timeline.exitCode, 0) << timeline.err;
    EXPECT_EQ(timeline.err, "");
    EXPECT_EQ(timeline.out, BatchCsv(result, StrengthUnit::Volume, false));
    EXPECT_EQ(CallCompanion(With(kRun, "--cuts")).out,
              BatchCsv(result, StrengthUnit::Volume, true));

    const CompanionRun json = CallCompanion(With(kRun, "--json"));
    EXPECT_EQ(json.out, BatchJson(result, StrengthUnit::Volume));
    const nlohmann::json object = nlohmann::json::parse(json.out);
    EXPECT_EQ(object["stop"], "product strength below 30 % vol");
    EXPECT_EQ(object["cuts"].size(), 3u);
    EXPECT_EQ(object["timeline"].size(), result.timeline.size());
    for (const char* text : {"power", "strength", "plates", "reflux"})
        EXPECT_TRUE(object["timeline"][0][text].is_string()) << text;
    EXPECT_TRUE(object["residue"]["mass_g"].is_number());
}

TEST(BatchCommand, TakesItsFieldTextsFromASetupFile) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("batch-setup-" + std::to_string(getpid()));
    WriteSetupFile(file.string(), {{"1500", "12", "8", "2"}, StrengthUnit::Volume});
    std::vector<std::string> args = {"batch", "--setup", file.string()};
    for (std::size_t i = 1; i < kRun.size(); i += 2)
        if (kRun[i] != "--units" && kRun[i] != "--strength" && kRun[i] != "--plates" &&
            kRun[i] != "--reflux" && kRun[i] != "--power") {
            args.push_back(kRun[i]);
            args.push_back(kRun[i + 1]);
        }
    EXPECT_EQ(CallCompanion(args).out, CallCompanion(kRun).out);
    std::filesystem::remove(file);
}

// A setup saved by the window's batch tab runs in the tool the run the tab
// shows: the same request from the same texts, the locale's decimal comma
// included. What the command line gives wins, and its own heads replace the
// file's cuts.
TEST(BatchCommand, RunsTheBatchTabOfASetupFile) {
    InitFloatingPoint();
    const FormatSettings comma{.decimalSeparator = ",", .thousandSeparator = "."};
    BatchTexts texts;
    texts.charge = "8000";
    texts.chargeUnit = "g";
    texts.cuts = "foreshots: 40ml; hearts:<75,5 ;late: >85,5C;tails:end";
    texts.stopProduct = "30";
    texts.altitude = "450,5";
    texts.every = "12,5";
    const StudySetup setup{{"1500", "12", "8", "2"}, StrengthUnit::Volume, texts};
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("batch-tab-" + std::to_string(getpid()));
    WriteSetupFile(file.string(), setup);
    const auto tabRun = [&](const BatchTexts& shown) {
        return BatchCsv(RunBatch(BatchRequestOf(shown, setup.inputs, setup.unit, comma), comma),
                        StrengthUnit::Volume, false);
    };

    const CompanionRun run = CallCompanion({"batch", "--setup", file.string()}, comma);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, tabRun(texts));

    BatchTexts overridden = texts;
    overridden.every = "20";
    overridden.heads = "60ml";
    overridden.cuts.clear();
    EXPECT_EQ(CallCompanion({"batch", "--setup", file.string(), "--every", "20", "--heads", "60ml"},
                            comma)
                  .out,
              tabRun(overridden));
    // A pressure given replaces the file's altitude rather than clash with it.
    overridden = texts;
    overridden.pressure = "990";
    overridden.altitude.clear();
    EXPECT_EQ(CallCompanion({"batch", "--setup", file.string(), "--pressure", "990"}, comma).out,
              tabRun(overridden));

    // The file's batch strengths are by volume: by weight they would mean
    // another run, so that is refused rather than guessed.
    const CompanionRun byWeight =
        CallCompanion({"batch", "--setup", file.string(), "--units", "weight"}, comma);
    EXPECT_EQ(byWeight.exitCode, 2);
    EXPECT_NE(byWeight.err.find("batch strengths are by volume"), std::string::npos);

    texts.every = "soon";
    WriteSetupFile(file.string(), {setup.inputs, setup.unit, texts});
    const CompanionRun unread = CallCompanion({"batch", "--setup", file.string()}, comma);
    EXPECT_EQ(unread.exitCode, 2);
    EXPECT_NE(unread.err.find("the setup file's batch \"every\": 'soon' is not a number"),
              std::string::npos)
        << unread.err;

    // No batch texts of its own: the charge must come from the command line.
    WriteSetupFile(file.string(), {setup.inputs, setup.unit});
    EXPECT_EQ(CallCompanion({"batch", "--setup", file.string()}).err,
              "--charge is required\nRun with --help for more information.\n");
    std::filesystem::remove(file);
}

// Without a stop the run ends where a distiller would, with the product
// below 20 % vol, in either unit; asked for no stop, it runs the boiler
// empty. Neither is a stop missed, so standard error stays empty.
TEST(BatchCommand, EndsByDefaultWhenTheProductFallsBelowTwentyPerCentByVolume) {
    const struct {
        std::vector<std::string> args;
        const char* stop;
    } cases[] = {
        {{"batch", "--charge", "900", "--json"}, "product strength below 16.213511014 %"},
        {{"batch", "--charge", "900", "--units", "volume", "--json"},
         "product strength below 20 % vol"},
        {{"batch", "--charge", "900", "--stop-product", "none", "--json"}, "boiler empty"},
        {{"batch", "--charge", "900", "--stop-product=", "--json"}, "boiler empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stop);
        const CompanionRun run = CallCompanion(c.args);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(nlohmann::json::parse(run.out)["stop"], c.stop);
    }
}

// Under a locale whose decimal symbol is ',' (see the comma-locale label)
// every number of the batch options takes it, as the four inputs do.
TEST(CommaLocale, BatchOptionsTakeTheDecimalComma) {
    if (ReadLocaleFormatSettings().decimalSeparator != ",")
        GTEST_SKIP() << "the environment's locale does not use ',' as decimal symbol";
    const std::vector<std::string> comma = {
        "batch", "--charge",      "20000,5",  "--every",    "0,5",   "--heads",
        "2,5%",  "--cut",         "a:50,5ml", "--cut",      "b:<80", "--cut",
        "c:end", "--stop-amount", "1,5%",     "--strength", "9,5",   "--cuts"};
    std::vector<std::string> point = comma;
    for (std::string& arg : point)
        if (!arg.starts_with("--")) std::replace(arg.begin(), arg.end(), ',', '.');
    const CompanionRun withComma = SpawnCompanion(comma);
    EXPECT_EQ(withComma.exitCode, 0) << withComma.err;
    EXPECT_EQ(withComma.out, SpawnCompanion(point, {"LC_ALL=C"}).out);
}

TEST(BatchCommand, ExitsWithTheStatusOfEachFault) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"batch", "--charge", "0"}, 2, "charge: 0 is not above 0"},
        {{"batch", "--charge", "-3"}, 2, "charge: -3 is not above 0"},
        {{"batch", "--charge", "9", "--cut", "heads:5"}, 2, "cut condition \"5\""},
        {{"batch", "--charge", "9", "--cut", "nameless"}, 2, "NAME:CONDITION"},
        {{"batch", "--charge", "9", "--heads", "5kg"}, 2, "amount \"5kg\""},
        {{"batch", "--charge", "9", "--every", "-10"}, 2, "--every: -10 is not above 0"},
        {{"batch", "--charge", "9", "--start-temperature="}, 2, "--start-temperature: no number"},
        {{"batch", "--charge", "1e400"}, 2, "--charge: 1e400 is out of range"},
        {{"batch", "--charge", "9", "--hearts-until", "inf"}, 2, "--hearts-until: inf is out"},
        {{"batch", "--charge", "9", "--stop-after", "nan"}, 2, "--stop-after: 'nan' is not a"},
        {{"batch", "--charge", "9", "--strength", "150"}, 2, "--strength: 150 is outside 0 to"},
        {{"batch", "--charge", "9", "--cut", "heads:150ml hearts:<85"},
         2,
         "is a ';' missing after \"heads:150ml\"?"},
        {{"batch", "--charge", "9", "--policy", "strength"}, 2, "needs --target-strength"},
        {{"batch", "--charge", "9", "--pressure", "1200"},
         2,
         "--pressure: 1200 hPa is outside 300 to 1100 hPa"},
        {{"batch", "--charge", "9", "--pressure", "950", "--altitude", "100"},
         2,
         "--pressure excludes --altitude"},
        // At 3000 m water boils near 90 degC: a head never reads 95 there.
        {{"batch", "--charge", "9", "--altitude", "3000", "--cut", "hearts:>95C"},
         2,
         "--cut: cut hearts: no vapour condenses at 95 degC at 701.09 hPa"},
        {{"batch", "--charge", "9", "--strength", "0"}, 2, "--strength: a charge of 0 % holds no"},
        {{"batch"}, 2, "--charge is required"},
        {{"batch", "--charge", "900", "--plates", "3", "--policy", "strength", "--target-strength",
          "96", "--max-reflux", "8"},
         3,
         "product strength 96 % is out of reach with reflux from 0 to 8: the best is"},
        {{"batch", "--charge", "900", "--power", "x"}, 1, "x"},
        // A stop asked for and never met: the boiler runs empty, and
        // standard error says so.
        {{"batch", "--charge", "900", "--stop-product", "none", "--stop-after", "100000", "--cuts"},
         0,
         "no stop condition was met; the run ended with the boiler empty"},
        {{"batch", "--charge", "900", "--policy", "strength", "--target-strength", "92",
          "--hearts-until", "95", "--cuts"},
         0,
         "colmara-report: the cut hearts is empty: it ends below 95 %, and the strength policy "
         "holds the product at 92 %\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const CompanionRun run = CallCompanion(c.args);
        EXPECT_EQ(run.exitCode, c.status);
        EXPECT_EQ(run.out.empty(), c.status != 0);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace colmara::test
