// What a run is given: cut conditions as users write them, the requests a
// run refuses, and the heat capacity behind the heat-up estimate.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "batch/batchmoment.h"
#include "batch/batchrun.h"
#include "batch/heatcapacity.h"
#include "runtime/fpcheck.h"
#include "study/studyerror.h"

namespace colmara {
namespace {

TEST(CutConditions, ReadWhatUsersWrite) {
    struct Case {
        const char* text;
        CutEnd kind;
        AmountUnit unit;
        double value;
    };
    for (const Case& c : {Case{"50ml", CutEnd::Amount, AmountUnit::Millilitres, 50},
                          Case{"40.5g", CutEnd::Amount, AmountUnit::Grams, 40.5},
                          Case{"3%", CutEnd::Amount, AmountUnit::AlcoholShare, 3},
                          Case{"<80", CutEnd::ProductBelow, AmountUnit::Grams, 80},
                          Case{">80.5C", CutEnd::HeadAbove, AmountUnit::Grams, 80.5},
                          // Blanks and the degree sign, as thermometers are labelled.
                          Case{"> 78.25 \u00b0C", CutEnd::HeadAbove, AmountUnit::Grams, 78.25},
                          Case{"90min", CutEnd::Minute, AmountUnit::Grams, 90},
                          Case{"end", CutEnd::RunEnd, AmountUnit::Grams, 0}}) {
        SCOPED_TRACE(c.text);
        const CutCondition condition = ParseCutCondition(c.text);
        EXPECT_EQ(condition.kind, c.kind);
        EXPECT_EQ(condition.kind == CutEnd::Amount ? condition.amount.value : condition.value,
                  c.value);
        if (c.kind == CutEnd::Amount) {
            EXPECT_EQ(condition.amount.unit, c.unit);
        }
    }
    // Blanks typed around the name and the condition are not part of them.
    const BatchCut spaced = ParseCut(" heads : 50ml ");
    EXPECT_EQ(spaced.name, "heads");
    EXPECT_EQ(spaced.end.amount.value, 50);
    for (const char* bad : {"",    "ml",     "50",     "50 ml", "-5g",   "120%",    "<", "<101",
                            "<x",  "-1min",  "5kg",    "nan%",  "inf g", "endless", ">", ">C",
                            ">80", ">80.5F", ">80.5c", ">x C",  ">infC", ">1e400C"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(ParseCutCondition(bad), StudyError);
    }
    for (const char* bad : {"heads", ":50ml", " :50ml", "heads:", "heads: ", "late: tails:<40"})
        EXPECT_THROW(ParseCut(bad), StudyError);
}

TEST(BatchRequests, RefusedBeforeAnythingIsSolved) {
    InitFloatingPoint();
    const auto refused = [](auto change) {
        BatchRequest request;
        request.cuts = DefaultCuts({3, AmountUnit::AlcoholShare}, 80);
        change(request);
        try {
            RunBatch(request, FormatSettings());
        } catch (const StudyError& e) {
            return e.Message();
        }
        return std::string("ran");
    };
    EXPECT_EQ(refused([](BatchRequest& r) { r.charge = 0; }), "Charge: 0 is not above 0");
    EXPECT_EQ(refused([](BatchRequest& r) { r.charge = -5; }), "Charge: -5 is not above 0");
    EXPECT_EQ(refused([](BatchRequest& r) { r.everyMinutes = -1; }),
              "Timeline interval: -1 is not above 0");
    EXPECT_EQ(refused([](BatchRequest& r) { r.cuts.clear(); }), "Own cuts: give at least one cut");
    EXPECT_EQ(refused([](BatchRequest& r) { r.stops.productBelow = 120; }),
              "Stop at product strength: 120 is outside 0 to 100 %");
}

// A moment that cannot be calculated fails the run with the window's message.
TEST(BatchRequests, AFailedCalculationEndsTheRun) {
    InitFloatingPoint();
    for (const char* power : {"0", "abc"}) {
        BatchRequest request;
        request.inputs.power = power;
        request.cuts = {{"all", {}}};
        try {
            RunBatch(request, FormatSettings());
            FAIL() << power << " ran";
        } catch (const BatchFailure& failure) {
            EXPECT_FALSE(failure.Unreachable());
            EXPECT_FALSE(failure.Message().empty());
        }
    }
}

TEST(BatchRequests, AnUnreachableTargetSaysWhatTheColumnReaches) {
    InitFloatingPoint();
    BatchRequest request;
    request.inputs = {"1000", "10", "5", "0"};
    request.policy = BatchPolicy::Strength;
    request.targetStrength = 97;
    request.maxReflux = 10;
    request.cuts = {{"all", {}}};
    try {
        RunBatch(request, FormatSettings());
        FAIL() << "ran";
    } catch (const BatchFailure& failure) {
        EXPECT_TRUE(failure.Unreachable());
        EXPECT_NE(
            failure.Message().find("97 % is out of reach with reflux from 0 to 10: the best is"),
            std::string::npos)
            << failure.Message();
    }
}

// The table's own rows, read from the data file: the heat capacity meets
// them at their strengths and temperatures and holds beyond the last column.
TEST(HeatCapacity, MeetsTheDataFileAndIntegratesIt) {
    std::ifstream file(COLMARA_HEAT_CAPACITY_DATA);
    ASSERT_TRUE(file) << COLMARA_HEAT_CAPACITY_DATA;
    int rows = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#' || line.starts_with("mole")) continue;
        std::vector<double> cells;
        std::istringstream stream(line);
        for (std::string cell; std::getline(stream, cell, ',');) cells.push_back(std::stod(cell));
        ASSERT_EQ(cells.size(), 8u);
        const double percent = cells[1];
        EXPECT_NEAR(static_cast<double>(HeatCapacity(percent, 3)), cells[5], 1e-12);
        EXPECT_NEAR(static_cast<double>(HeatCapacity(percent, 23)), cells[6], 1e-12);
        EXPECT_NEAR(static_cast<double>(HeatCapacity(percent, 41)), cells[7], 1e-12);
        EXPECT_NEAR(static_cast<double>(HeatCapacity(percent, 95)), cells[7], 1e-12);
        ++rows;
    }
    EXPECT_EQ(rows, 6);
    // Water warms by 4.18 J/(g K); an equal mixture of two rows' strengths
    // lies between them; a charge already warm takes nothing.
    EXPECT_NEAR(static_cast<double>(HeatUpEnergy(1000, 0, 20, 90)), 1000 * 4.18 * 70, 1e-6);
    const long double middle = HeatCapacity((9.99L + 24.94L) / 2, 41);
    EXPECT_NEAR(static_cast<double>(middle), (4.268 + 4.310) / 2, 1e-12);
    EXPECT_EQ(HeatUpEnergy(1000, 10, 95, 90), 0);
    // From 23 to 41 degC the heat capacity is linear: the integral is exact.
    EXPECT_NEAR(static_cast<double>(HeatUpEnergy(1, 60.03L, 23, 41)), (3.598 + 3.661) / 2 * 18,
                1e-9);
}

}  // namespace
}  // namespace colmara
