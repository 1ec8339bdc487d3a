// The spirit and still tools of the companion tool, called in-process: their
// JSON keys and values against the tools' library, their text in both
// locales, and their refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/companionrun.h"
#include "spirit/blend.h"
#include "spirit/dilution.h"
#include "spirit/hydrometer.h"
#include "spirit/stillsize.h"
#include "study/separatecalculate.h"
#include "study/strengthunit.h"

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
    // By mole, the same answer as for the strengths by weight they are.
    const Dilution m = Dilute(1000, {WeightFromMole(30), StrengthUnit::Weight},
                              {WeightFromMole(10.5L), StrengthUnit::Weight});
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
        {{"dilute", "--units", "mole", "--volume", "1000", "--strength", "30", "--target", "10.5"},
         {"dilute", "--units", "mole", "--volume", "1000", "--strength", "30", "--target", "10,5"},
         {"water_ml", "final_volume_ml", "final_strength_vol"},
         {m.waterMl, m.finalVolumeMl, m.finalStrengthVol}},
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
         {*s.columnHeightM, s.bottom.speed, s.top.speed, s.bottom.fFactor, s.top.fFactor,
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
        {{"size", "--bore", "0", "--hetp", "0.3"}, "bore:"},
        {{"size", "--bore", "54", "--packing", "straw"}, "--packing:"},
        {{"size", "--bore", "54", "--hetp", "0.3", "--water-rise", "-5"}, "water rise:"},
        {{"size", "--bore", "54", "--hetp", "0.3", "--units", "volume", "--strength", "120"},
         "strength:"},
        {{"size", "--bore", "54", "--hetp", "0.3", "--charge", "0"}, "charge:"},
        {{"size", "--bore", "54", "--hetp", "0.3", "--charge", "20l"}, "--charge:"},
        {{"size", "--bore", "54", "--hetp", "0.3", "--charge", "9", "--start-temperature", "x"},
         "--start-temperature:"},
        // Numbers an answer could not be printed with: refused as read.
        {{"dilute", "--volume", "1e400", "--strength", "80", "--target", "40"}, "--volume:"},
        {{"dilute", "--volume", "1e-400", "--strength", "80", "--target", "40"}, "--volume:"},
        {{"blend", "--part", "1e4932:40", "--part", "1e4932:40"}, "--part 1 volume:"},
        {{"size", "--bore", "1e-3000", "--hetp", "0.3"}, "--bore:"},
        {{"hydrometer", "--reading", "nan", "--temperature", "10"}, "--reading:"},
        // Amounts and hardware outside their stated ranges.
        {{"dilute", "--volume", "0.0001", "--strength", "80", "--target", "40"}, "volume:"},
        {{"dilute", "--volume", "2e12", "--strength", "80", "--target", "40"}, "volume:"},
        {{"size", "--bore", "0.5", "--hetp", "0.3"}, "bore:"},
        {{"size", "--bore", "54", "--hetp", "1e-300"}, "HETP:"},
        {{"size", "--bore", "54", "--water-rise", "1e-300"}, "water rise:"},
        // A target so low that the water, or the spirit, leaves the amounts.
        {{"dilute", "--volume", "1e6", "--strength", "96", "--target", "1e-300"}, "target:"},
        {{"dilute", "--final-volume", "1", "--strength", "96", "--target", "1e-300"}, "target:"},
        // No power, or less than none, has no run to size.
        {{"size", "--bore", "54", "--power", "-1"}, "--power:"},
        {{"size", "--bore", "54", "--power", "0"}, "--power:"},
        // Liquids below their freezing point are ice; a charge cannot start
        // above its boil.
        {{"hydrometer", "--reading", "5", "--temperature", "-20"}, "temperature:"},
        {{"blend", "--part", "500:40", "--part", "1000:0@-20"}, "part 2 temperature:"},
        {{"size", "--bore", "54", "--charge", "9", "--start-temperature", "-20"},
         "start temperature:"},
        {{"size", "--bore", "54", "--charge", "9", "--start-temperature", "101"},
         "start temperature:"},
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

// Hostile numbers in every numeric option of every tool, one at a time:
// each run either answers with finite numbers, none of them rounded to 0
// (only water to add and a strength may be 0), or refuses naming an option.
TEST(ToolCommands, HostileNumbersGiveFiniteAnswersOrARefusalNamingTheInput) {
    const std::vector<std::vector<std::string>> commands = {
        {"dilute", "--volume", "#", "--strength", "80", "--target", "40"},
        {"dilute", "--final-volume", "#", "--strength", "80", "--target", "40"},
        {"dilute", "--volume", "500", "--strength", "#", "--target", "0.5"},
        {"dilute", "--volume", "500", "--strength", "96", "--target", "#"},
        {"blend", "--part", "#:40", "--part", "#:40"},
        {"blend", "--part", "1000:#", "--part", "1:#@5"},
        {"hydrometer", "--reading", "40", "--temperature", "10", "--volume", "#"},
        {"size", "--bore", "#"},
        {"size", "--bore", "54", "--hetp", "#", "--water-rise", "#"},
        {"size", "--bore", "54", "--power", "#", "--charge", "#"},
    };
    const char* hostile[] = {"1e400", "1e-400", "1e308", "1e-308", "4e-320", "1e4932",
                             "0",     "-0",     "1e12",  "0.001",  "1e-7",   "-1"};
    for (const std::vector<std::string>& command : commands) {
        for (const char* number : hostile) {
            std::vector<std::string> args = command;
            for (std::string& arg : args)
                if (arg.find('#') != std::string::npos) arg.replace(arg.find('#'), 1, number);
            args.push_back("--json");
            SCOPED_TRACE(args[0] + " " + args[1] + " " + args[2] + " with " + number);
            const CompanionRun run = CallCompanion(args);
            if (run.exitCode == 2) {
                EXPECT_EQ(run.out, "");
                EXPECT_TRUE(run.err.starts_with("colmara-report: ")) << run.err;
                continue;
            }
            ASSERT_TRUE(run.exitCode == 0 || run.exitCode == 1) << run.err;
            if (run.exitCode == 1) continue;  // the column's own failure, not a tool's figure
            const nlohmann::json json = nlohmann::json::parse(run.out);
            for (const auto& [key, value] : json.items()) {
                ASSERT_TRUE(value.is_number()) << key;
                const double figure = value.get<double>();
                EXPECT_TRUE(std::isfinite(figure)) << key;
                if (key != "water_ml" && !key.starts_with("strength") &&
                    !key.starts_with("final_strength")) {
                    EXPECT_TRUE(std::isnormal(figure)) << key << " = " << figure;
                }
            }
        }
    }
    // Ten thousand of the largest parts still add up.
    std::vector<std::string> many = {"blend", "--json"};
    for (int i = 0; i < 10000; ++i) many.insert(many.end(), {"--part", "1e12:40"});
    const CompanionRun blend = CallCompanion(many);
    ASSERT_EQ(blend.exitCode, 0) << blend.err;
    EXPECT_NEAR(nlohmann::json::parse(blend.out).at("strength_vol").get<double>(), 40, 1e-9);
}

// Without a packing or an HETP the height is left out and said to be; the
// other figures are those of the same run with a packing.
TEST(ToolCommands, SizeWithoutAPackingLeavesOnlyTheHeightOut) {
    const std::vector<std::string> run = {"size",     "--power", "2000",   "--strength", "10",
                                          "--plates", "6",       "--bore", "54"};
    std::vector<std::string> packed = run;
    packed.insert(packed.end(), {"--packing", "stainless-scrubbers", "--json"});
    std::vector<std::string> bare = run;
    bare.push_back("--json");
    const CompanionRun withPacking = CallCompanion(packed);
    const CompanionRun without = CallCompanion(bare);
    ASSERT_EQ(without.exitCode, 0) << without.err;
    nlohmann::json expected = nlohmann::json::parse(withPacking.out);
    expected.erase("column_height_m");
    EXPECT_EQ(nlohmann::json::parse(without.out), expected);
    const CompanionRun text = CallCompanion(run);
    EXPECT_TRUE(text.out.starts_with("column height:        left out, no packing or HETP given\n"))
        << text.out;
}

// --volume is measured at the reading's temperature: its mass there, at the
// true strength, over the density of that strength at 20 degC.
TEST(ToolCommands, HydrometerVolumeIsTakenTo20) {
    const CompanionRun run = CallCompanion(
        {"hydrometer", "--reading", "40", "--temperature", "30", "--volume", "750", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    const long double p = json.at("strength").get<double>() / 100.0L;
    const double expected =
        static_cast<double>(750 * MixtureDensity(p, 30) / MixtureDensity(p, 20));
    EXPECT_NEAR(json.at("volume_ml").get<double>(), expected, 1e-9);
    EXPECT_LT(json.at("volume_ml").get<double>(), 750) << "warm spirit shrinks as it cools";
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
