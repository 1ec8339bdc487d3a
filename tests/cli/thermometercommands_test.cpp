// boiling, plates and limits of the companion tool, called in-process: their
// JSON keys and values against the layers' own functions, the comma locale,
// their refusals and exit statuses, and the examples their help gives.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "boiling/airpressure.h"
#include "boiling/boilingpoint.h"
#include "cli/companionrun.h"
#include "model/properties.h"
#include "study/platecount.h"
#include "study/separatecalculate.h"
#include "study/separationlimits.h"
#include "study/strengthunit.h"

namespace colmara::test {
namespace {

struct Expected {
    const char* key;
    long double value;
};

struct AnswerCase {
    const char* why;
    std::vector<std::string> args;
    std::vector<Expected> figures;  // every key, in order
    FormatSettings settings = {};
};

long double Vol(long double fraction) {
    return VolumeFromWeight(fraction * 100);
}

// The equilibrium at a temperature, in the order the boiling command gives it.
std::vector<Expected> Boiling(long double hpa, long double liquid, long double vapour,
                              long double celsius) {
    return {{"pressure_hpa", hpa},
            {"liquid_strength_vol", Vol(liquid)},
            {"liquid_strength", liquid * 100},
            {"vapour_strength_vol", Vol(vapour)},
            {"vapour_strength", vapour * 100},
            {"temperature", celsius}};
}

std::vector<Expected> Plates(const PlateCount& count) {
    return {{"plates", static_cast<long double>(count.plates)},
            {"plates_fraction", count.platesFraction},
            {"stages_fraction", count.StagesFraction()}};
}

std::vector<AnswerCase> Cases() {
    std::vector<AnswerCase> cases;
    // At 1 atm the answer is the column model's own correlations.
    const long double ten = WeightFromVolume(10) / 100;
    cases.push_back(
        {"a liquid at 1 atm is the model's",
         {"boiling", "--strength", "10"},
         Boiling(1013.25L, ten, vapourstrength(ten), temperature(vapourstrength(ten)))});
    const long double up = PressureAtAltitude(450);
    cases.push_back({"a head temperature at an altitude",
                     {"boiling", "--head-temperature", "78.6", "--altitude", "450"},
                     Boiling(up, LiquidAtCelsius(78.6L, up), VapourAtCelsius(78.6L, up), 78.6L)});
    // The offset comes off the reading; the reading is given back.
    std::vector<Expected> offset =
        Boiling(960, LiquidAtCelsius(92.5L - 0.3L, 960),
                VapourOverLiquid(LiquidAtCelsius(92.5L - 0.3L, 960), 960), 92.5L - 0.3L);
    offset.push_back({"thermometer_reading", 92.5L});
    cases.push_back({"a boiler temperature read with an offset, in the comma locale",
                     {"boiling", "--temperature", "92,5", "--pressure", "960", "--offset", "0,3"},
                     offset,
                     CommaSettings()});
    // A strength given with a thermometer: what it would read there.
    const long double celsius = VapourCondensingCelsius(0.8L, 950);
    const long double water = LiquidBoilingCelsius(0, 950);
    std::vector<Expected> calibrated = Boiling(950, LiquidAtCelsius(celsius, 950), 0.8L, celsius);
    calibrated.push_back({"thermometer_reading", celsius + (98.7L - water)});
    cases.push_back({"a vapour and a thermometer calibrated in boiling water",
                     {"boiling", "--vapour-strength", "80", "--units", "weight", "--pressure",
                      "950", "--boiling-water-reading", "98.7"},
                     calibrated});
    // By mole both streams come by mole too, after the fixed keys.
    const long double mole = WeightFromMole(30) / 100;
    std::vector<Expected> byMole =
        Boiling(1013.25L, mole, vapourstrength(mole), temperature(vapourstrength(mole)));
    byMole.push_back({"liquid_strength_mol", MoleFromWeight(mole * 100)});
    byMole.push_back({"vapour_strength_mol", MoleFromWeight(vapourstrength(mole) * 100)});
    cases.push_back(
        {"a liquid by mole", {"boiling", "--strength", "30", "--units", "mole"}, byMole});

    const PlateCount total = PlatesAtTotalReflux(0.1L, 0.8L);
    std::vector<Expected> packed = Plates(total);
    packed.push_back({"hetp_m", 1.2L / total.platesFraction});
    packed.push_back({"efficiency", total.platesFraction / 4});
    cases.push_back({"total reflux with a height and real plates",
                     {"plates", "--boiler", "10", "--head", "80", "--units", "weight",
                      "--total-reflux", "--height", "1.2", "--real-plates", "4"},
                     packed});
    const long double boiler = LiquidAtCelsius(92.5L, 985);
    const long double head = VapourAtCelsius(78.6L, 985);
    cases.push_back({"two temperatures at a power and reflux",
                     {"plates", "--boiler", "92.5C", "--head", "78.6C", "--power", "1500",
                      "--reflux", "3", "--pressure", "985"},
                     Plates(PlatesAtReflux(boiler, head, "1500", "3", {}))});
    // Strengths by mole read as the strengths by weight they are.
    cases.push_back(
        {"total reflux by mole",
         {"plates", "--boiler", "4", "--head", "60", "--units", "mole", "--total-reflux"},
         Plates(PlatesAtTotalReflux(WeightFromMole(4) / 100, WeightFromMole(60) / 100))});
    // Less than one stage is an answer; the HETP of it is left out.
    cases.push_back({"a head below the boiler's own vapour",
                     {"plates", "--boiler", "10", "--head", "40", "--units", "weight",
                      "--total-reflux", "--height", "1"},
                     Plates(PlatesAtTotalReflux(0.1L, 0.4L))});

    for (const auto& [boilerText, target, unit, power] :
         {std::tuple{"30", 0.9L, "weight", "1000"},
          std::tuple{"10", WeightFromVolume(94) / 100, "volume", "1500"}}) {
        const long double b = std::string(unit) == "weight" ? 0.3L : WeightFromVolume(10) / 100;
        const SeparationLimits l = LimitsOf(b, target, power, {});
        const std::string targetText = std::string(unit) == "weight" ? "90" : "94";
        cases.push_back({"the limits of a separation",
                         {"limits", "--strength", boilerText, "--target", targetText, "--units",
                          unit, "--power", power},
                         {{"min_plates", static_cast<long double>(l.fewestPlates.plates)},
                          {"min_plates_fraction", l.fewestPlates.platesFraction},
                          {"min_reflux", std::stold(l.leastReflux)},
                          {"pinch_plate_from", static_cast<long double>(l.pinch.from)},
                          {"pinch_plate_to", static_cast<long double>(l.pinch.to)},
                          {"pinch_strength", l.pinch.strength * 100},
                          {"pinch_strength_vol", Vol(l.pinch.strength)}}});
    }
    // By mole the pinch comes by mole too, after the fixed keys.
    const SeparationLimits m =
        LimitsOf(WeightFromMole(4) / 100, WeightFromMole(70) / 100, "1000", {});
    cases.push_back({"the limits of a separation by mole",
                     {"limits", "--strength", "4", "--target", "70", "--units", "mole"},
                     {{"min_plates", static_cast<long double>(m.fewestPlates.plates)},
                      {"min_plates_fraction", m.fewestPlates.platesFraction},
                      {"min_reflux", std::stold(m.leastReflux)},
                      {"pinch_plate_from", static_cast<long double>(m.pinch.from)},
                      {"pinch_plate_to", static_cast<long double>(m.pinch.to)},
                      {"pinch_strength", m.pinch.strength * 100},
                      {"pinch_strength_vol", Vol(m.pinch.strength)},
                      {"pinch_strength_mol", MoleFromWeight(m.pinch.strength * 100)}}});
    return cases;
}

TEST(ThermometerCommands, JsonHoldsTheKeysAndTheLayersAnswer) {
    for (const AnswerCase& c : Cases()) {
        SCOPED_TRACE(c.why);
        std::vector<std::string> args = c.args;
        args.push_back("--json");
        const CompanionRun run = CallCompanion(args, c.settings);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const nlohmann::ordered_json json = nlohmann::ordered_json::parse(run.out);
        std::vector<std::string> keys;
        for (const auto& item : json.items()) keys.push_back(item.key());
        std::vector<std::string> expectedKeys;
        for (const Expected& e : c.figures) expectedKeys.emplace_back(e.key);
        EXPECT_EQ(keys, expectedKeys);
        for (const Expected& e : c.figures)
            EXPECT_EQ(json.at(e.key).get<double>(), static_cast<double>(e.value)) << e.key;
    }
}

// Text lines name both plate conventions, and say why a figure is left out.
TEST(ThermometerCommands, PlatesTextNamesBothConventions) {
    const CompanionRun run = CallCompanion({"plates", "--boiler", "10", "--head", "40", "--units",
                                            "weight", "--total-reflux", "--real-plates", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "plates above the boiler:           0\n"
              "plates above the boiler, fraction: -0.29\n"
              "stages counting the boiler:        0.71\n"
              "overall efficiency:                none, the head is reached below one plate\n");
}

TEST(ThermometerCommands, RefusalsAndHeadsOutOfReachExitWithTheirStatus) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string named;  // how standard error starts after "colmara-report: "
    };
    const std::vector<Case> cases = {
        // Temperatures no mixture boils or condenses at, at that pressure.
        {{"boiling", "--temperature", "101"}, 2, "--temperature: 101 °C is above"},
        {{"boiling", "--head-temperature", "60", "--pressure", "800"},
         2,
         "--head-temperature: 60 °C is below the condensing point"},
        {{"boiling", "--strength", "10", "--pressure", "200"}, 2, "--pressure:"},
        {{"boiling", "--strength", "10", "--altitude", "20000"}, 2, "--altitude:"},
        {{"boiling", "--strength", "101"}, 2, "--strength:"},
        {{"boiling", "--strength", "10", "--offset", "0.3K"}, 2, "--offset:"},
        {{"boiling", "--vapour-strength", "99"}, 2, "--vapour-strength: a vapour above"},
        {{"boiling"}, 2, "boiling: give"},
        {{"plates", "--boiler", "105C", "--head", "78.6C", "--total-reflux"}, 2, "--boiler:"},
        // Fahrenheit is no strength, nor a temperature in C.
        {{"plates", "--boiler", "200F", "--head", "78.6C", "--total-reflux"},
         2,
         "--boiler: '200F' is not a number"},
        {{"plates", "--boiler", "92C", "--head", "78,6C", "--total-reflux"},
         2,
         "--head: '78,6C' is no temperature"},
        // Refusals write strengths in the unit they were given in.
        {{"plates", "--boiler", "10", "--head", "5", "--total-reflux"},
         2,
         "--head: 5 % vol is no stronger than the boiler's 10 % vol"},
        {{"plates", "--boiler", "10", "--head", "80"}, 2, "plates: give --power"},
        {{"plates", "--boiler", "10", "--head", "80", "--power", "0", "--reflux", "3"},
         2,
         "--power:"},
        {{"plates", "--boiler", "10", "--head", "80", "--power", "900", "--reflux", "-1"},
         2,
         "--reflux:"},
        {{"plates", "--boiler", "10", "--head", "80", "--total-reflux", "--real-plates", "2.5"},
         2,
         "--real-plates:"},
        {{"plates", "--boiler", "10", "--head", "80", "--total-reflux", "--height", "0"},
         2,
         "--height:"},
        // Beyond the azeotrope, or beyond what the reflux allows.
        {{"plates", "--boiler", "10", "--head", "99", "--total-reflux"},
         3,
         "--head: 99 % vol is out of reach at total reflux with up to 100 plates: the best is "
         "97.18 % vol"},
        {{"plates", "--boiler", "10", "--head", "98", "--power", "1000", "--reflux", "3"},
         3,
         "--head: product strength 98 % vol is out of reach with plates from 0 to 100: the best "
         "is 97.18 % vol at plates 25"},
        {{"plates", "--boiler", "10", "--head", "90", "--units", "weight", "--power", "1000",
          "--reflux", "0.5"},
         3,
         "--head: product strength 90 %"},
        {{"limits", "--strength", "10", "--target", "96", "--units", "weight"},
         2,
         "--target: 96 % is above the azeotrope"},
        {{"limits", "--strength", "10", "--target", "97.5"},
         2,
         "--target: 97.5 % vol is above the azeotrope (97.18 % vol)"},
        {{"limits", "--strength", "10", "--target", "50", "--units", "weight"},
         2,
         "--target: 50 % is no stronger than the boiler's own vapour"},
        {{"limits", "--strength", "10", "--target", "90", "--power", "0"}, 2, "--power:"},
        {{"limits", "--strength", "0.01", "--target", "95", "--units", "weight"},
         3,
         "--target: product strength 95 % is out of reach"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.named);
        const CompanionRun run = CallCompanion(c.args);
        EXPECT_EQ(run.exitCode, c.status);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("colmara-report: " + c.named, 0), 0u) << run.err;
    }
    // The parser refuses two pressures, or a power with total reflux.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"boiling", "--strength", "10", "--pressure", "900", "--altitude",
                                   "3"},
          std::vector<std::string>{"plates", "--boiler", "10", "--head", "80", "--total-reflux",
                                   "--power", "900"}}) {
        const CompanionRun run = CallCompanion(args);
        EXPECT_EQ(run.exitCode, 2) << args[0];
        EXPECT_NE(run.err.find("excludes"), std::string::npos) << run.err;
    }
}

// Each --help gives the exit statuses and an example, which runs.
TEST(ThermometerCommands, HelpGivesAnExampleThatRuns) {
    for (const char* command : {"boiling", "plates", "limits"}) {
        SCOPED_TRACE(command);
        const CompanionRun help = CallCompanion({command, "--help"});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_NE(help.out.find("Exit status: 0 when answered, 2 "), std::string::npos);
        const std::size_t from = help.out.find("Example:\n");
        ASSERT_NE(from, std::string::npos);
        std::istringstream words(help.out.substr(from + 9, help.out.find("\n\n", from) - from - 9));
        std::vector<std::string> args;
        for (std::string word; words >> word;)
            if (word != "\\" && word != "colmara-report") args.push_back(word);
        ASSERT_EQ(args.at(0), command);
        const CompanionRun run = CallCompanion(args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
    }
}

}  // namespace
}  // namespace colmara::test
