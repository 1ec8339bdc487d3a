// The one reader of the batch texts: the locale's decimal symbol reads as
// the tool's '.', every text out of its range is refused naming it and the
// range, and the default stop means 20 % vol in either unit.
#include "batch/batchform.h"

#include <gtest/gtest.h>

#include <cmath>

#include "batch/batchresult.h"
#include "study/strengthunit.h"
#include "study/studyerror.h"

namespace colmara {
namespace {

const InputTexts kTyped{"1500", "10", "20", "3"};
const FormatSettings kComma{",", "."};

TEST(BatchForm, ReadsTheLocalesDecimalSymbolAsThePoint) {
    BatchTexts point;
    point.charge = "1500.5";
    point.every = "7.5";
    point.heads = "40.5g";
    point.stopBoiler = "1.25";
    point.stopAmount = "1.5%";
    point.stopAfter = "90.5";
    point.cuts = "a:12.5g; b:<80.5 ;c:>82.5C";
    point.altitude = "450.5";
    BatchTexts comma = point;
    comma.charge = "1500,5";
    comma.every = "7,5";
    comma.heads = "40,5g";
    comma.stopBoiler = "1,25";
    comma.stopAmount = "1,5%";
    comma.stopAfter = "90,5";
    comma.cuts = "a:12,5g; b:<80,5 ;c:>82,5C";
    comma.altitude = "450,5";
    comma.stopProduct = " ";  // a single blank: no such stop
    const BatchRequest p = BatchRequestOf(point, kTyped, StrengthUnit::Weight, {});
    const BatchRequest c = BatchRequestOf(comma, kTyped, StrengthUnit::Weight, kComma);
    EXPECT_EQ(p.charge, 1500.5);
    EXPECT_EQ(c.charge, p.charge);
    EXPECT_EQ(c.everyMinutes, 7.5);
    EXPECT_EQ(c.stops.boilerBelow, 1.25);
    EXPECT_EQ(c.stops.afterMinutes, 90.5);
    ASSERT_TRUE(c.stops.collected.has_value());
    EXPECT_EQ(c.stops.collected->value, 1.5);
    ASSERT_EQ(c.cuts.size(), 3u);
    EXPECT_EQ(c.cuts[0].end.amount.value, 12.5);
    EXPECT_EQ(c.cuts[1].name, "b");
    EXPECT_EQ(c.cuts[1].end.value, 80.5);
    EXPECT_EQ(c.cuts[2].end.value, 82.5);
    EXPECT_EQ(c.pressureHpa, p.pressureHpa);
    EXPECT_NEAR(static_cast<double>(c.pressureHpa), 960.0, 0.5);  // the standard atmosphere's
    EXPECT_FALSE(c.stops.productBelow.has_value());
    EXPECT_TRUE(p.stops.productBelow.has_value());  // the default stop
    // Without cuts of one's own: heads, hearts and tails; all the alcohol
    // is a share one may ask for.
    comma.cuts = " ";
    comma.heads = "100%";
    comma.stopProduct = "none";
    const BatchRequest d = BatchRequestOf(comma, kTyped, StrengthUnit::Weight, kComma);
    ASSERT_EQ(d.cuts.size(), 3u);
    EXPECT_EQ(d.cuts[0].end.amount.value, 100);
    EXPECT_FALSE(d.stops.productBelow.has_value());
    // A head temperature as the product's stop; no pressure given is 1 atm.
    comma.stopProduct = ">95,5 C";
    comma.altitude = " ";
    const BatchRequest e = BatchRequestOf(comma, kTyped, StrengthUnit::Weight, kComma);
    EXPECT_EQ(e.stops.headAbove, 95.5);
    EXPECT_FALSE(e.stops.productBelow.has_value());
    EXPECT_EQ(e.pressureHpa, 1013.25L);
}

// Each refusal names the field (the tab's label) and says what is wrong.
TEST(BatchForm, RefusesEachTextOutOfItsRangeNamingIt) {
    const struct {
        std::string BatchTexts::*text;
        const char* typed;
        const char* message;
    } cases[] = {
        {&BatchTexts::charge, "20l", "Charge: '20l' is not a number"},
        {&BatchTexts::charge, "", "Charge: no number given"},
        // Beyond a double, not "inf is not above 0".
        {&BatchTexts::charge, "1e400", "Charge: 1e400 is out of range"},
        {&BatchTexts::charge, "-3", "Charge: -3 is not above 0"},
        {&BatchTexts::chargeUnit, "kg", "Charge unit: 'kg' is not ml or g"},
        {&BatchTexts::every, "0", "Timeline interval: 0 is not above 0"},
        {&BatchTexts::every, "1,5", "Timeline interval: '1,5' is not a number"},
        {&BatchTexts::heartsUntil, "150", "Hearts until: 150 is outside 0 to 100 %"},
        {&BatchTexts::heartsUntil, "-5", "Hearts until: -5 is outside 0 to 100 %"},
        {&BatchTexts::heartsUntil, "nan", "Hearts until: 'nan' is not a number"},
        {&BatchTexts::heartsUntil, "inf", "Hearts until: inf is out of range"},
        {&BatchTexts::heads, "100.5%",
         "Heads: amount \"100.5%\": 100.5 % is a share of the "
         "alcohol above 100 %"},
        {&BatchTexts::heads, "5kg", "Heads: amount \"5kg\": write a number with ml, g or %"},
        {&BatchTexts::stopProduct, "101", "Stop at product strength: 101 is outside 0 to 100 %"},
        {&BatchTexts::stopBoiler, "-1", "Stop at boiler strength: -1 is outside 0 to 100 %"},
        {&BatchTexts::stopAfter, "-1", "Stop after minutes: -1 is not above 0"},
        {&BatchTexts::stopAfter, "soon", "Stop after minutes: 'soon' is not a number"},
        {&BatchTexts::stopAmount, "0g", "Stop at amount collected: 0 is not above 0"},
        // A missing ';' would merge two cuts into one named "heads:150ml hearts".
        {&BatchTexts::cuts, "heads:150ml hearts:<85",
         "Own cuts: cut \"heads:150ml hearts:<85\": a cut's name may not hold ':'; is a ';' "
         "missing after \"heads:150ml\"?"},
        {&BatchTexts::cuts, "heads:5", "Own cuts: cut condition \"5\": write an amount"},
        {&BatchTexts::pressure, "1200", "Air pressure: 1200 hPa is outside 300 to 1100 hPa"},
        {&BatchTexts::pressure, "hpa", "Air pressure: 'hpa' is not a number"},
        // 10 km up the standard atmosphere gives some 265 hPa.
        {&BatchTexts::altitude, "10000",
         "Altitude: 10000 m gives a pressure outside 300 to 1100 hPa"},
        // Water condenses at 100.04 degC at 1 atm in the model, the azeotrope near 78.16.
        {&BatchTexts::cuts, "hearts:>100.5C",
         "Own cuts: cut hearts: no vapour condenses at 100.5 degC at 1013.25 hPa: the head "
         "reads from 78.16 degC (the azeotrope) to 100.04 degC (water)"},
        {&BatchTexts::cuts, "hearts:>78C", "Own cuts: cut hearts: no vapour condenses at 78 degC"},
        {&BatchTexts::stopProduct, ">101C", "Stop at product strength: no vapour condenses at 101"},
        {&BatchTexts::stopProduct, ">95", "Stop at product strength: head temperature \">95\""},
        // Ice at -20 (the charge of 10 % by weight freezes near -4 degC),
        // and above the model's boiling temperature of the charge.
        {&BatchTexts::startTemperature, "-20",
         "Start temperature: -20 is below the charge's freezing point, -4"},
        {&BatchTexts::startTemperature, "95",
         "Start temperature: 95 is above the charge's boiling point, 90.7 degC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        BatchTexts texts;
        texts.*c.text = c.typed;
        try {
            BatchRequestOf(texts, kTyped, StrengthUnit::Weight, {});
            ADD_FAILURE() << "read";
        } catch (const StudyError& e) {
            EXPECT_TRUE(e.Message().starts_with(c.message)) << e.Message();
        }
    }
}

// The charge's own strength and the strength policy's target, by weight too.
TEST(BatchForm, RefusesStrengthsOutsideTheirRangeInEitherUnit) {
    BatchTexts strength;
    strength.policy = "strength";
    strength.targetStrength = "100.5";
    const struct {
        const char* typedStrength;
        StrengthUnit unit;
        BatchTexts texts;
        const char* message;
    } cases[] = {
        {"150", StrengthUnit::Weight, {}, "Boiler strength: 150 is outside 0 to 100 %"},
        {"1e400", StrengthUnit::Weight, {}, "Boiler strength: 1e400 is outside 0 to 100 %"},
        {"101", StrengthUnit::Volume, {}, "Boiler strength: 101 is outside 0 to 100 %"},
        {"10", StrengthUnit::Weight, strength, "Target strength: 100.5 is outside 0 to 100 %"},
        // No alcohol: the column has nothing to enrich, and its solve
        // divides by zero.
        {"0",
         StrengthUnit::Weight,
         {},
         "Boiler strength: a charge of 0 % holds no alcohol to distil; give a strength above 0"},
        {"-0.0",
         StrengthUnit::Volume,
         {},
         "Boiler strength: a charge of 0 % holds no alcohol to distil; give a strength above 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        InputTexts typed = kTyped;
        typed.strength = c.typedStrength;
        try {
            BatchRequestOf(c.texts, typed, c.unit, {});
            ADD_FAILURE() << "read";
        } catch (const StudyError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

TEST(BatchForm, NamesTheToolsOptionsWhenAskedTo) {
    BatchTexts texts;
    texts.heartsUntil = "150";
    EXPECT_THROW(
        {
            try {
                BatchRequestOf(texts, kTyped, StrengthUnit::Weight, {}, BatchOption);
            } catch (const StudyError& e) {
                EXPECT_EQ(e.Message(), "--hearts-until: 150 is outside 0 to 100 %");
                throw;
            }
        },
        StudyError);
}

// A pressure and an altitude typed both: the run does not choose for the user.
TEST(BatchForm, TakesThePressureOrTheAltitudeNotBoth) {
    BatchTexts texts;
    texts.pressure = "950";
    texts.altitude = "100";
    try {
        BatchRequestOf(texts, kTyped, StrengthUnit::Weight, {}, BatchOption);
        ADD_FAILURE() << "read";
    } catch (const StudyError& e) {
        EXPECT_EQ(e.Message(), "--altitude: give the air pressure or the altitude, not both");
    }
    texts.altitude.clear();
    EXPECT_EQ(BatchRequestOf(texts, kTyped, StrengthUnit::Weight, {}).pressureHpa, 950);
}

// Without a stop typed, the product stop is 20 % by volume whatever the unit
// the strengths are typed in.
TEST(BatchForm, TheDefaultStopIsTwentyPerCentByVolumeInEitherUnit) {
    EXPECT_EQ(DefaultBatchTexts(StrengthUnit::Volume, kComma), BatchTexts{});
    EXPECT_EQ(BatchTexts{}.stopProduct, "20");
    for (const FormatSettings& settings : {FormatSettings{}, kComma}) {
        const BatchTexts byWeight = DefaultBatchTexts(StrengthUnit::Weight, settings);
        EXPECT_NE(byWeight.stopProduct.find(settings.decimalSeparator), std::string::npos);
        const BatchRequest request =
            BatchRequestOf(byWeight, kTyped, StrengthUnit::Weight, settings);
        ASSERT_TRUE(request.stops.productBelow.has_value());
        EXPECT_NEAR(static_cast<double>(VolumeFromWeight(*request.stops.productBelow)), 20, 1e-9);
    }
}

// The strength policy holds the product at its target: a cut that ends
// below a higher strength stays empty, and the result says so.
TEST(BatchForm, AnEmptyCutAboveTheTargetIsNoted) {
    BatchTexts texts;
    texts.policy = "strength";
    texts.targetStrength = "92";
    texts.heartsUntil = "95";
    const BatchRequest request = BatchRequestOf(texts, kTyped, StrengthUnit::Volume, {});
    std::vector<CutResult> cuts(3);
    cuts[0] = {"heads", 0, 1, {10, 9}};
    cuts[1] = {"hearts", 1, 1, {}};
    cuts[2] = {"tails", 1, 9, {100, 80}};
    EXPECT_EQ(EmptyCutNotes(request, cuts),
              std::vector<std::string>{"the cut hearts is empty: it ends below 95 % vol, and the "
                                       "strength policy holds the product at 92 % vol"});
    cuts[1].product = {5, 4.7};  // filled after all: nothing to say
    EXPECT_TRUE(EmptyCutNotes(request, cuts).empty());
}

}  // namespace
}  // namespace colmara
