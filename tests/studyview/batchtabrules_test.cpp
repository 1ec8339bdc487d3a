// The batch tab's rules without a window: which texts the run reads (the
// tab greys the others), the totals sentence in the window's decimal
// symbol with the run's end and notes, and the sentence while a run is being calculated.
#include "studyview/batchtabrules.h"

#include <gtest/gtest.h>

#include <limits>

namespace colmara {
namespace {

TEST(BatchTabRules, OnlyTheTextsTheRunReadsAreOpen) {
    struct Case {
        const char* policy;
        const char* cuts;
        std::string BatchTexts::*text;
        bool read;
    };
    const Case cases[] = {
        {"reflux", "", &BatchTexts::targetStrength, false},
        {"reflux", "", &BatchTexts::maxReflux, false},
        {"strength", "", &BatchTexts::targetStrength, true},
        {"strength", "", &BatchTexts::maxReflux, true},
        {"reflux", "", &BatchTexts::heads, true},
        {"reflux", "", &BatchTexts::heartsUntil, true},
        {"reflux", "heads:40g; tails:end", &BatchTexts::heads, false},
        {"reflux", "heads:40g; tails:end", &BatchTexts::heartsUntil, false},
        // Blanks and empty items are no cuts, as the run reads them: the
        // default cuts, and so heads and hearts, apply.
        {"reflux", "   ", &BatchTexts::heads, true},
        {"reflux", " ; ;", &BatchTexts::heartsUntil, true},
        // Every other text is read whatever the policy and cuts.
        {"strength", "a:end", &BatchTexts::charge, true},
        {"reflux", "a:end", &BatchTexts::cuts, true},
        {"reflux", "a:end", &BatchTexts::every, true},
    };
    for (const Case& c : cases) {
        BatchTexts texts;
        texts.policy = c.policy;
        texts.cuts = c.cuts;
        EXPECT_EQ(BatchTextRead(texts, c.text), c.read) << c.policy << " '" << c.cuts << "'";
    }
}

TEST(BatchTabRules, SummaryGivesTheTotalsInTheWindowsSymbol) {
    BatchResult run;
    run.heatUpMinutes = 12.34L;
    run.runMinutes = 250.06L;
    run.energyKwh = 4.5678L;
    run.residue.mass = 17300.04L;
    run.stop = BatchEnd::Because(BatchEnd::Reason::AfterMinutes, 360);
    run.notes = {"hearts is empty", "tails is empty"};
    EXPECT_EQ(BatchSummary(run, {}),
              "Heat-up 12.3 min (an estimate), distilling 250.1 min, 4.57 kWh; residue 17300.0 g. "
              "Stopped: " +
                  BatchEndText(run.stop) + ". Note: hearts is empty. Note: tails is empty.");
    FormatSettings comma;
    comma.decimalSeparator = ",";
    comma.thousandSeparator = ".";
    run.notes.clear();
    EXPECT_EQ(BatchSummary(run, comma),
              "Heat-up 12,3 min (an estimate), distilling 250,1 min, 4,57 kWh; residue 17300,0 g. "
              "Stopped: " +
                  BatchEndText(run.stop) + ".");
}

// The caption names the reflux only where the policy sets it, and the
// charge, cuts and stops as typed, strengths in the window's unit.
TEST(BatchTabRules, CaptionNamesTheRunsOwnInputs) {
    BatchTexts held;
    held.policy = "strength";
    held.targetStrength = "92";
    held.maxReflux = "1000";
    held.stopProduct = "";
    held.pressure = "950";
    BatchTexts own;
    own.charge = "15000";
    own.chargeUnit = "g";
    own.startTemperature = "15";
    own.cuts = "heads:40g; hearts:<85; tails:end";
    own.stopBoiler = "1.5";
    own.stopAmount = "3l";
    own.stopAfter = "none";  // the stop's own word for no stop
    own.altitude = "600";
    const struct {
        BatchTexts texts;
        StrengthUnit unit;
        const char* reflux;
        const char* line;
    } cases[] = {
        {BatchTexts{}, StrengthUnit::Volume, "",
         "Charge 20000 ml at 20 °C · heads 3%, hearts until 80 % vol · "
         "stops: product below 20 % vol"},
        {held, StrengthUnit::Weight, "reflux rising to hold 92 % by weight, at most 1000",
         "Charge 20000 ml at 20 °C, air at 950 hPa · heads 3%, hearts until 80 % by weight · "
         "no stop"},
        {own, StrengthUnit::Volume, "",
         "Charge 15000 g at 15 °C, 600 m up · cuts heads:40g; hearts:<85; tails:end · "
         "stops: boiler at 1.5 % vol, product below 20 % vol, 3l taken"},
    };
    for (const auto& c : cases) {
        const BatchCaptionText caption = BatchCaption(c.texts, c.unit);
        EXPECT_EQ(caption.reflux, c.reflux);
        EXPECT_EQ(caption.line, c.line);
    }
}

TEST(BatchTabRules, BusySentenceGivesWholePercentsDone) {
    struct Case {
        double share;
        const char* percent;
    };
    const Case cases[] = {
        {0, "0 %"},           {0.426, "42 %"},  // never more done than there is
        {0.999, "99 %"},      {1, "100 %"},
        {1.0000001, "100 %"},  // a share rounded past its end
        {-0.1, "0 %"},        {std::numeric_limits<double>::quiet_NaN(), "0 %"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BatchBusySummary(c.share),
                  std::string("Calculating the run for the inputs shown: ") + c.percent +
                      " done. The grey curves and table are the previous run's.")
            << c.share;
}

}  // namespace
}  // namespace colmara
