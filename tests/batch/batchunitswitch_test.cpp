// A unit switch keeps the batch run: every strength the run reads (target,
// hearts, the two strength stops, the own cuts' "<STRENGTH") is rewritten so
// that the reader gets the same strength by weight, and nothing else moves.
// The oracle is the run's own reader, BatchRequestOf, in every unit.
#include <gtest/gtest.h>

#include <cmath>

#include "batch/batchform.h"
#include "batch/batchrun.h"
#include "study/batchtexts.h"
#include "study/strengthunit.h"
#include "study/studyerror.h"

namespace colmara {
namespace {

const InputTexts kTyped{"1500", "10", "20", "3"};
const FormatSettings kComma{",", "."};
constexpr StrengthUnit W = StrengthUnit::Weight;
constexpr StrengthUnit V = StrengthUnit::Volume;

// Every strength the run of `request` reads, by weight, in reading order.
std::vector<double> StrengthsByWeight(const BatchRequest& request) {
    const auto byWeight = [&](double value) {
        return static_cast<double>(WeightFromStrength(request.unit, value));
    };
    std::vector<double> strengths;
    if (request.policy == BatchPolicy::Strength)
        strengths.push_back(byWeight(request.targetStrength));
    for (const BatchCut& cut : request.cuts)
        if (cut.end.kind == CutEnd::ProductBelow) strengths.push_back(byWeight(cut.end.value));
    for (const auto& stop : {request.stops.boilerBelow, request.stops.productBelow})
        if (stop) strengths.push_back(byWeight(*stop));
    return strengths;
}

TEST(BatchUnitSwitch, EveryStrengthKeepsItsMeaningAndNothingElseMoves) {
    struct Case {
        std::string BatchTexts::*text;
        const char* typed;
        StrengthUnit from;
        const FormatSettings* settings;
        const char* kept;  // the text unchanged, or null where a strength is rewritten
    };
    static const FormatSettings kPoint;
    const Case cases[] = {
        {&BatchTexts::targetStrength, "92", V, &kPoint, nullptr},
        {&BatchTexts::targetStrength, "86.25", W, &kPoint, nullptr},
        {&BatchTexts::heartsUntil, "80", V, &kPoint, nullptr},
        {&BatchTexts::heartsUntil, "72,5", W, &kComma, nullptr},
        {&BatchTexts::stopBoiler, "1.5", W, &kPoint, nullptr},
        {&BatchTexts::stopProduct, "20", V, &kPoint, nullptr},
        // 0 and 100 are the same strength in both units, written as typed.
        {&BatchTexts::stopBoiler, "0", V, &kPoint, "0"},
        {&BatchTexts::heartsUntil, "100", W, &kPoint, "100"},
        // No stop, and texts the run does not read as a strength, stay as
        // typed for the run to refuse or ignore as before.
        {&BatchTexts::stopProduct, "none", V, &kPoint, "none"},
        {&BatchTexts::stopProduct, "", W, &kPoint, ""},
        {&BatchTexts::stopBoiler, "abc", V, &kPoint, "abc"},
        {&BatchTexts::targetStrength, "150", V, &kPoint, "150"},
        {&BatchTexts::heartsUntil, "1e400", W, &kPoint, "1e400"},
        // The run reads a point where the locale writes a comma as well.
        {&BatchTexts::heartsUntil, "72.5", W, &kComma, nullptr},
        // Amounts, minutes and names are no strengths.
        {&BatchTexts::heads, "3%", V, &kPoint, "3%"},
        {&BatchTexts::stopAmount, "40", V, &kPoint, "40"},
        {&BatchTexts::stopAfter, "90", V, &kPoint, "90"},
        {&BatchTexts::cuts, "heads:40g; hearts:3%; tails:90min;x:end", V, &kPoint,
         "heads:40g; hearts:3%; tails:90min;x:end"},
        {&BatchTexts::cuts, "a:<abc; b:<150", V, &kPoint, "a:<abc; b:<150"},
        // Each "<STRENGTH" of the own cuts is rewritten; blanks kept.
        {&BatchTexts::cuts, "heads:40g; hearts: <85 ;feints:<40;tails:end", V, &kPoint, nullptr},
        {&BatchTexts::cuts, " hearts:<82,5; tails:end ", W, &kComma, nullptr},
    };
    for (const Case& c : cases)
        for (const StrengthUnit to : kStrengthUnits) {
            if (to == c.from) continue;
            BatchTexts texts;
            texts.policy = "strength";
            texts.*c.text = c.typed;
            const BatchTexts switched = SwitchedBatchTexts(texts, c.from, to, *c.settings);
            SCOPED_TRACE(std::string(c.typed) + " -> " + switched.*c.text + " " +
                         StrengthUnitKey(to));
            // The other texts hold their defaults' strengths, rewritten too;
            // only the case's text is compared as a text.
            if (c.kept != nullptr) {
                EXPECT_EQ(switched.*c.text, c.kept);
            } else {
                EXPECT_NE(switched.*c.text, c.typed);
            }
            // Whatever the run reads, it reads the same strengths by weight.
            try {
                const std::vector<double> before =
                    StrengthsByWeight(BatchRequestOf(texts, kTyped, c.from, *c.settings));
                const std::vector<double> after =
                    StrengthsByWeight(BatchRequestOf(switched, kTyped, to, *c.settings));
                ASSERT_EQ(after.size(), before.size());
                for (std::size_t i = 0; i < before.size(); ++i)
                    EXPECT_NEAR(after[i], before[i], 1e-9);
            } catch (const StudyError&) {
                // A text the run refuses is refused after the switch too.
                EXPECT_THROW(BatchRequestOf(switched, kTyped, to, *c.settings), StudyError);
            }
        }
}

// The tab's default product stop means 20 % vol in every unit, and the
// defaults come back as they were after a switch there and back.
TEST(BatchUnitSwitch, TheDefaultsSwitchToTheOtherUnitsDefaultsAndBack) {
    for (const FormatSettings& settings : {FormatSettings{}, kComma}) {
        const BatchTexts byWeight = DefaultBatchTexts(W, settings);
        EXPECT_EQ(SwitchedBatchTexts(byWeight, W, V, settings).stopProduct, "20");
        EXPECT_EQ(SwitchedBatchTexts(BatchTexts{}, V, W, settings).stopProduct,
                  byWeight.stopProduct);
        const BatchTexts byMole = DefaultBatchTexts(StrengthUnit::Mole, settings);
        EXPECT_EQ(SwitchedBatchTexts(byMole, StrengthUnit::Mole, V, settings).stopProduct, "20");
        for (StrengthUnit from : kStrengthUnits)
            for (StrengthUnit to : kStrengthUnits) {
                const BatchTexts texts = DefaultBatchTexts(from, settings);
                // The defaults are strengths by volume written in `from`: from
                // volume and back each is one rounding, which the rule undoes;
                // between weight and mole two, which the window's typed text
                // undoes instead.
                if (from != V && to != V && from != to) continue;
                EXPECT_EQ(SwitchedBatchTexts(SwitchedBatchTexts(texts, from, to, settings), to,
                                             from, settings),
                          texts);
            }
    }
}

// A run in another unit is the run by weight of the switched texts: the
// strengths its stops and cuts compare against are converted, not read by
// weight, so every cut ends at the same minute and the run stops alike.
TEST(BatchUnitSwitch, ARunInAnyUnitIsTheRunOfItsTextsByWeight) {
    BatchTexts byVolume;
    byVolume.charge = "6000";
    byVolume.policy = "strength";
    byVolume.targetStrength = "88";
    byVolume.cuts = "heads:60g; hearts:<80; tails:end";
    byVolume.stopProduct = "45";
    const InputTexts typed{"1500", "10", "8", "2"};
    const FormatSettings point;
    const auto request = [&](StrengthUnit unit, const BatchTexts& given) {
        InputTexts inputs = typed;
        inputs.strength = SwitchedStrengthText(typed.strength, V, unit, point);
        return BatchRequestOf(SwitchedBatchTexts(given, V, unit, point), inputs, unit, point);
    };
    const auto run = [&](StrengthUnit unit) { return RunBatch(request(unit, byVolume), point); };
    // The start is checked against the charge's own boiling point, read in
    // the unit too.
    const auto tooHot = [&](StrengthUnit unit) {
        BatchTexts hot = byVolume;
        hot.startTemperature = "95";
        try {
            request(unit, hot);
        } catch (const StudyError& e) {
            return e.Message();
        }
        return std::string("(started)");
    };
    const BatchResult weight = run(W);
    ASSERT_EQ(weight.cuts.size(), 3u);
    for (const StrengthUnit unit : {V, StrengthUnit::Mole}) {
        SCOPED_TRACE(StrengthUnitKey(unit));
        EXPECT_EQ(tooHot(unit), tooHot(W));
        const BatchResult other = run(unit);
        EXPECT_EQ(other.stop.reason, weight.stop.reason);
        ASSERT_EQ(other.cuts.size(), weight.cuts.size());
        for (std::size_t i = 0; i < weight.cuts.size(); ++i)
            EXPECT_NEAR(static_cast<double>(other.cuts[i].endMinute),
                        static_cast<double>(weight.cuts[i].endMinute), 1e-3)
                << weight.cuts[i].name;
    }
}

}  // namespace
}  // namespace colmara
