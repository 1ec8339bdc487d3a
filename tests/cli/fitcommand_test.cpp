// colmara-report fit run as a program on a log written from the tool's own
// batch timeline (a still of 3 plates losing a fifth of 1000 W, its
// thermometers scattered by 0.1 K, a comma for decimals and one reading no
// vapour condenses at): it gives back the still, names the bad line, and
// batch --log pairs the same readings in its JSON.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <vector>

#include "cli/companionrun.h"
#include "runtime/fpcheck.h"

namespace colmara::test {
namespace {

const std::vector<std::string> kWash = {"--charge", "10000", "--strength",     "10",
                                        "--reflux", "3",     "--stop-product", "40"};

std::vector<std::string> Args(std::vector<std::string> head, std::vector<std::string> tail) {
    head.insert(head.end(), kWash.begin(), kWash.end());
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

std::string Comma(double value) {
    std::string text = std::to_string(value);
    text[text.find('.')] = ',';
    return text;
}

TEST(FitCommand, GivesBackTheStillThatWroteTheLog) {
    InitFloatingPoint();
    const CompanionRun truth = CallCompanion(
        Args({"batch", "--plates", "3", "--power", "800", "--every", "2", "--json"}, {}));
    ASSERT_EQ(truth.exitCode, 0) << truth.err;
    std::mt19937 random(3);
    std::normal_distribution<double> thermometer(0, 0.1);
    std::string log = "time;head_temperature;collected_g\n";
    int readings = 0;
    const auto run = nlohmann::json::parse(truth.out);
    for (const auto& row : run["timeline"]) {
        log += Comma(row["time_min"]) + ";" +
               Comma(row["head_temperature"].get<double>() + thermometer(random)) + ";" +
               Comma(row["collected"]) + "\n";
        readings += 2;
    }
    log += "999;120;\n";  // the last line: no vapour condenses at 120 degC
    const std::string path = ::testing::TempDir() + "fit-" + std::to_string(getpid()) + ".csv";
    std::ofstream(path) << log;

    const CompanionRun fit = SpawnCompanion(
        Args({"fit", "--log", path, "--plates", "10", "--power", "1000", "--json"}, {}));
    ASSERT_EQ(fit.exitCode, 0) << fit.err;
    const auto found = nlohmann::json::parse(fit.out);
    EXPECT_EQ(found["plates"], 3);
    EXPECT_NEAR(found["heat_loss_percent"].get<double>(), 20, 3);
    EXPECT_EQ(found["poor_fit"], false);
    EXPECT_LT(found["misfit"].get<double>(), found["misfit_given"].get<double>());
    const int badLine = readings / 2 + 2;
    EXPECT_NE(fit.err.find("line " + std::to_string(badLine) + ": head_temperature 120"),
              std::string::npos)
        << fit.err;

    const std::vector<std::string> batch =
        Args({"batch", "--log", path, "--plates", "3", "--power", "800"}, {});
    std::vector<std::string> json = batch;
    json.push_back("--json");
    const CompanionRun paired = CallCompanion(json);
    ASSERT_EQ(paired.exitCode, 0) << paired.err;
    EXPECT_EQ(nlohmann::json::parse(paired.out)["log"].size(), static_cast<std::size_t>(readings));
    EXPECT_EQ(CallCompanion(batch).exitCode, 2);  // the log has a place in the JSON only
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace colmara::test
