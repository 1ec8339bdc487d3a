#include "study/platecount.h"

#include <gtest/gtest.h>

#include <string>

#include "model/column.h"
#include "model/properties.h"
#include "runtime/fpcheck.h"
#include "runtime/numconv.h"
#include "study/caseresult.h"
#include "study/studyerror.h"

namespace colmara {
namespace {

class PlateCountTest : public ::testing::Test {
  protected:
    void SetUp() override { InitFloatingPoint(); }
    FormatSettings settings_;
};

// At a reflux ratio of a million the column calculation is the staircase
// of total reflux: the same whole counts, and fractions within 2e-3.
TEST_F(PlateCountTest, TotalRefluxIsTheColumnAtAVeryLargeReflux) {
    const struct {
        long double boiler;
        long double head;
    } cases[] = {
        {0.10L, 0.80L},                  // a wash to a strong spirit: a few plates
        {0.10L, 0.89L},                  // past the 0.8 jump of the correlations
        {0.05L, 0.60L}, {0.30L, 0.92L},  // high up, where plates gain little
        {0.10L, 0.40L},                  // below the boiler's own vapour: part of its stage
    };
    for (const auto& c : cases) {
        const PlateCount total = PlatesAtTotalReflux(c.boiler, c.head);
        const PlateCount column = PlatesAtReflux(c.boiler, c.head, "1000", "1000000", settings_);
        EXPECT_EQ(column.plates, total.plates) << c.boiler << " to " << c.head;
        EXPECT_NEAR(static_cast<double>(column.platesFraction),
                    static_cast<double>(total.platesFraction), 2e-3)
            << c.boiler << " to " << c.head;
    }
}

// The fraction lands on the whole count where the head is that count's
// product, falls between counts elsewhere, and below one stage is the share
// of the boiler's stage.
TEST_F(PlateCountTest, TheFractionInterpolatesBetweenWholeCounts) {
    const std::vector<long double> vapours = TotalRefluxVapours(0.1L, 5);
    ASSERT_EQ(vapours.size(), 6U);
    EXPECT_EQ(vapours[0], vapourstrength(0.1L));
    EXPECT_EQ(vapours[1], vapourstrength(vapours[0]));

    const PlateCount exact = PlatesAtTotalReflux(0.1L, vapours[3]);
    EXPECT_EQ(exact.plates, 3);
    EXPECT_EQ(exact.platesFraction, 3);
    EXPECT_EQ(exact.StagesFraction(), 4);

    const long double between = (vapours[2] + 3 * vapours[3]) / 4;
    const PlateCount quarter = PlatesAtTotalReflux(0.1L, between);
    EXPECT_EQ(quarter.plates, 3);
    EXPECT_NEAR(static_cast<double>(quarter.platesFraction), 2.75, 1e-12);

    const long double part = 0.1L + (vapours[0] - 0.1L) * 0.4L;
    const PlateCount stage = PlatesAtTotalReflux(0.1L, part);
    EXPECT_EQ(stage.plates, 0);
    EXPECT_NEAR(static_cast<double>(stage.StagesFraction()), 0.4, 1e-12);
}

// A head out of reach is an OutOfReachError, which a caller tells apart
// from a refused head; its message is marked "[out of reach]" here.
TEST_F(PlateCountTest, AHeadNoColumnGivesIsRefusedWithWhatItReaches) {
    const auto message = [&](auto count) {
        try {
            count();
        } catch (const OutOfReachError& e) {
            return "[out of reach] " + e.Message();
        } catch (const StudyError& e) {
            return e.Message();
        }
        return std::string("answered");
    };
    EXPECT_EQ(message([] { PlatesAtTotalReflux(0.3L, 0.3L); }),
              "head: 30 % is no stronger than the boiler's 30 %");
    EXPECT_EQ(message([] { PlatesAtTotalReflux(0.1L, 0.96L); }),
              "[out of reach] head: 96 % is out of reach at total reflux with up to 100 plates: "
              "the best is "
              "95.58 % at 100 plates");
    const std::string low = message([&] { PlatesAtReflux(0.1L, 0.9L, "1000", "0.5", settings_); });
    EXPECT_EQ(
        low.rfind(
            "[out of reach] head: product strength 90 % is out of reach with plates from 0 to 100: "
            "the best is ",
            0),
        0U)
        << low;
    // No count calculates at all: out of reach too, as a seek reports it.
    EXPECT_EQ(message([&] {
                  PlatesAtReflux(0.1L, 0.8L, "0", "3", settings_);
              }).rfind("[out of reach] head: ", 0),
              0U);
}

// Below an efficiency of 1 the staircase of total reflux moves each plate's
// vapour that share of the way from the vapour below to equilibrium, and a
// column at a reflux ratio of a million with plates of that efficiency
// gives the same product strengths, counted plate by plate.
TEST_F(PlateCountTest, AtLowerEfficienciesTotalRefluxIsTheColumnAtAVeryLargeReflux) {
    const struct {
        const char* boiler;
        const char* efficiency;
    } cases[] = {
        {"10", "60"},  // a wash: the steps shrink to 60 % of the ideal ones
        {"30", "30"},  // a strong boiler and poor plates
        {"5", "1"},    // the least efficiency: the vapour barely moves
    };
    for (const auto& c : cases) {
        const long double efficiency = std::stold(c.efficiency) / 100;
        const std::vector<long double> staircase =
            TotalRefluxVapours(std::stold(c.boiler) / 100, 12, efficiency);
        const std::vector<long double> ideal = TotalRefluxVapours(std::stold(c.boiler) / 100, 12);
        for (const int plates : {1, 3, 12}) {
            SCOPED_TRACE(std::string(c.boiler) + " %, " + c.efficiency + " %, " +
                         std::to_string(plates) + " plates");
            Column column;
            const CaseResult result = SolveCase(
                column, {"1000", c.boiler, std::to_string(plates), "1000000", c.efficiency},
                settings_);
            ASSERT_TRUE(result.Solved());
            const auto vapour = static_cast<double>(staircase[static_cast<std::size_t>(plates)]);
            EXPECT_NEAR(static_cast<double>(*result.productStrength / 100), vapour, 1e-3);
            EXPECT_LT(vapour, static_cast<double>(ideal[static_cast<std::size_t>(plates)]));
        }
    }
    // More plates of 60 % than ideal ones reach the same head.
    EXPECT_GT(PlatesAtTotalReflux(0.1L, 0.85L, 0.6L).platesFraction,
              PlatesAtTotalReflux(0.1L, 0.85L).platesFraction);
}

}  // namespace
}  // namespace colmara
