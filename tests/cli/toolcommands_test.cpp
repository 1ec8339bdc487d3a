// The spirit and still tools of the companion tool, called in-process: their
// JSON keys and values against the tools' library, their text in both
// locales, and their refusals.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/companionrun.h"
#include "spirit/blend.h"
#include "spirit/dilution.h"
#include "spirit/hydrometer.h"
#include "spirit/stillsize.h"
#include "study/separatecalculate.h"

namespace colmara::test {
namespace {

struct ToolCase {
    std::vector<std::string> args;       // with '.' decimals
    std::vector<std::string> commaArgs;  // the same with ','
    std::vector<std::string> keys;
    std::vector<long double> values;  // what the library answers, in key order
};

std::vector<ToolCase> Cases() {
    const Strength v80{80, StrengthUnit::Volume};
    const Strength v40_5{40.5L, StrengthUnit::Volume};
    const Dilution d = Dilute(2000.5L, v80, v40_5);
    const Dilution r =
        DiluteToVolume(700, {70, StrengthUnit::Weight}, {30.5L, StrengthUnit::Weight});
    const Blend b = BlendParts(
        {{1000, {60, StrengthUnit::Volume}, 20}, {500.5L, {40, StrengthUnit::Volume}, 12.5L}});
    const TrueStrength h = CorrectReading({40, StrengthUnit::Volume}, 12.5L);
    const StillSize s =
        SizeStill({"2000", "10", "6", "3"}, {}, StrengthUnit::Weight, {54, 0.13L, 12.5L});
    return {
        {{"dilute", "--volume", "2000.5", "--strength", "80", "--target", "40.5"},
         {"dilute", "--volume", "2000,5", "--strength", "80", "--target", "40,5"},
         {"water_ml", "final_volume_ml", "final_strength_vol"},
         {d.waterMl, d.finalVolumeMl, d.finalStrengthVol}},
        {{"dilute", "--units", "weight", "--final-volume", "700", "--strength", "70", "--target",
          "30.5"},
         {"dilute", "--units", "weight", "--final-volume", "700", "--strength", "70", "--target",
          "30,5"},
         {"spirit_ml", "water_ml", "final_volume_ml", "final_strength_vol"},
         {r.spiritMl, r.waterMl, r.finalVolumeMl, r.finalStrengthVol}},
        {{"blend", "--part", "1000:60", "--part", "500.5:40@12.5"},
         {"blend", "--part", "1000:60", "--part", "500,5:40@12,5"},
         {"volume_ml", "strength_vol", "strength"},
         {b.volumeMl, b.strengthVol, b.strengthWeight}},
        {{"hydrometer", "--reading", "40", "--temperature", "12.5"},
         {"hydrometer", "--reading", "40", "--temperature", "12,5"},
         {"strength_vol", "strength"},
         {h.strengthVol, h.strengthWeight}},
        {{"size", "--power", "2000", "--strength", "10", "--plates", "6", "--reflux", "3", "--bore",
          "54", "--packing", "stainless-scrubbers", "--water-rise", "12.5"},
         {"size", "--power", "2000", "--strength", "10", "--plates", "6", "--reflux", "3", "--bore",
          "54", "--hetp", "0,13", "--water-rise", "12,5"},
         {"column_height_m", "vapour_speed_bottom_ms", "vapour_speed_top_ms", "f_factor_bottom",
          "f_factor_top", "condenser_kw", "cooling_water_l_min"},
         {s.columnHeightM, s.bottom.speed, s.top.speed, s.bottom.fFactor, s.top.fFactor,
          s.condenserKw, s.coolingWaterLMin}},
    };
}

// --json holds exactly the keys, in order, with the library's numbers; the
// comma locale reads its own decimal symbol to the same answer.
TEST(ToolCommands, JsonHoldsTheKeysAndTheLibrarysAnswerInBothLocales) {
    for (const ToolCase& c : Cases()) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        for (const bool comma : {false, true}) {
            std::vector<std::string> args = comma ? c.commaArgs : c.args;
            args.push_back("--json");
            const CompanionRun run =
                CallCompanion(args, comma ? CommaSettings() : FormatSettings{});
            ASSERT_EQ(run.exitCode, 0) << run.err;
            EXPECT_EQ(run.err, "");
            const nlohmann::ordered_json json = nlohmann::ordered_json::parse(run.out);
            std::vector<std::string> keys;
            for (const auto& item : json.items()) keys.push_back(item.key());
            EXPECT_EQ(keys, c.keys);
            for (std::size_t i = 0; i < c.keys.size(); ++i)
                EXPECT_EQ(json.at(c.keys[i]).get<double>(), static_cast<double>(c.values[i]))
                    << c.keys[i];
        }
    }
}

// The text form: one aligned line a figure, rounded, in the locale's symbol.
TEST(ToolCommands, TextIsAlignedAndWrittenInTheLocale) {
    const CompanionRun dot =
        CallCompanion({"dilute", "--volume", "2000", "--strength", "80", "--target", "40"});
    EXPECT_EQ(dot.out,
              "water to add:   2077.4 ml\n"
              "final volume:   4000.0 ml\n"
              "final strength: 40.00 % vol\n");
    const CompanionRun comma =
        CallCompanion({"hydrometer", "--reading", "40", "--temperature", "20"}, CommaSettings());
    EXPECT_EQ(comma.out,
              "strength at 20 degC: 40,00 % vol\n"
              "strength by weight:  33,30 %\n");
}

TEST(ToolCommands, RefusalsExitWithTwoAndNameTheInput) {
    struct Case {
        std::vector<std::string> args;
        std::string named;
    };
    const std::vector<Case> cases = {
        {{"dilute", "--volume", "1000", "--strength", "101", "--target", "40"}, "strength:"},
        {{"dilute", "--volume", "1000", "--strength", "40", "--target", "45"}, "target:"},
        {{"dilute", "--volume", "0", "--strength", "80", "--target", "40"}, "volume:"},
        {{"dilute", "--volume", "1l", "--strength", "80", "--target", "40"}, "--volume:"},
        {{"dilute", "--strength", "80", "--target", "40"}, "dilute:"},
        {{"blend", "--part", "1000"}, "--part 1:"},
        {{"blend", "--part", "1000:40", "--part", "-1:40"}, "part 2 volume:"},
        {{"blend", "--part", "1000:40@50"}, "part 1 temperature:"},
        {{"hydrometer", "--reading", "40", "--temperature", "41"}, "temperature:"},
        {{"hydrometer", "--reading", "0", "--temperature", "40"}, "reading:"},
        {{"hydrometer", "--reading", "-3", "--temperature", "10"}, "reading:"},
        {{"size", "--bore", "54"}, "size:"},
        {{"size", "--bore", "0", "--hetp", "0.3"}, "bore:"},
        {{"size", "--bore", "54", "--packing", "straw"}, "--packing:"},
        {{"size", "--bore", "54", "--hetp", "0.3", "--water-rise", "-5"}, "water rise:"},
        {{"size", "--bore", "54", "--hetp", "0.3", "--units", "volume", "--strength", "120"},
         "strength:"},
        {{"size", "--bore", "54", "--hetp", "0.3", "--charge", "0"}, "charge:"},
        {{"size", "--bore", "54", "--hetp", "0.3", "--charge", "20l"}, "--charge:"},
        {{"size", "--bore", "54", "--hetp", "0.3", "--charge", "9", "--start-temperature", "x"},
         "--start-temperature:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.named);
        const CompanionRun run = CallCompanion(c.args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("colmara-report: " + c.named, 0), 0u) << run.err;
    }
    // A run the calculation itself fails is the calculation's failure.
    const CompanionRun failed =
        CallCompanion({"size", "--bore", "54", "--hetp", "0.3", "--reflux", "-1"});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(failed.err, "Floating point division by zero.\n");
}

// size's heat-up is the batch run's: the same charge, unit, start and
// column give the same minutes, by volume and by weight, in grams or ml;
// without a charge the line is not there.
TEST(ToolCommands, SizeHeatUpIsTheBatchRunsHeatUp) {
    const std::vector<std::vector<std::string>> charges = {
        {"--charge", "20000"},
        {"--charge", "15000", "--charge-unit", "g", "--start-temperature", "31.5"},
        {"--charge", "8000", "--units", "volume", "--start-temperature", "5"},
    };
    for (const std::vector<std::string>& charge : charges) {
        SCOPED_TRACE(charge[1]);
        const std::vector<std::string> column = {"--power",  "2000", "--strength", "10",
                                                 "--plates", "6",    "--reflux",   "3"};
        std::vector<std::string> size = {"size", "--bore", "54", "--hetp", "0.3", "--json"};
        // A run stopped once a gram is collected has heated all the way.
        std::vector<std::string> batch = {"batch", "--stop-amount", "1g", "--json"};
        size.insert(size.end(), column.begin(), column.end());
        batch.insert(batch.end(), column.begin(), column.end());
        size.insert(size.end(), charge.begin(), charge.end());
        batch.insert(batch.end(), charge.begin(), charge.end());
        const CompanionRun sized = CallCompanion(size);
        const CompanionRun run = CallCompanion(batch);
        ASSERT_EQ(sized.exitCode, 0) << sized.err;
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const double minutes = nlohmann::json::parse(sized.out).at("heat_up_min").get<double>();
        EXPECT_EQ(minutes, nlohmann::json::parse(run.out).at("heat_up_min").get<double>());
        EXPECT_GT(minutes, 0);
    }
    const CompanionRun plain = CallCompanion({"size", "--bore", "54", "--hetp", "0.3", "--json"});
    EXPECT_FALSE(nlohmann::json::parse(plain.out).contains("heat_up_min"));
}

TEST(ToolCommands, HelpOfEachGivesAnExample) {
    for (const char* command : {"dilute", "blend", "hydrometer", "size"}) {
        const CompanionRun run = CallCompanion({command, "--help"});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_NE(run.out.find(std::string("colmara-report ") + command + " --"), std::string::npos)
            << command;
    }
}

}  // namespace
}  // namespace colmara::test
