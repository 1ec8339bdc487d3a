// The fit against logs made by the model itself: a run at a known plate
// count and heat loss, read every two minutes by thermometers with the
// scatter real ones have (0.1 K) and a jug read to 5 ml, gives back its
// plates exactly and its loss within 3 points; a log of random numbers is
// called a poor fit rather than a still.
#include "batch/logfit.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "batch/batcherror.h"
#include "batch/batchrun.h"
#include "runtime/fpcheck.h"
#include "study/valuetext.h"

namespace colmara {
namespace {

// 10 l of a 10 % wash, heads 3 % of the alcohol, hearts to 80 %, stopped
// when the product falls below 40 %.
BatchRequest Wash(int plates, int watts) {
    BatchRequest request;
    request.charge = 10000;
    request.inputs = {std::to_string(watts), "10", std::to_string(plates), "3"};
    request.cuts = DefaultCuts({3, AmountUnit::AlcoholShare}, 80);
    request.stops.productBelow = 40;
    return request;
}

std::string Cell(long double value) {
    return PlainNumber(static_cast<double>(value));
}

// The log a still of `plates` at `watts` writes, every two minutes while it
// distils, its readings scattered as `noise` says.
RunLog LoggedRun(int plates, int watts, std::mt19937& random) {
    const BatchResult run = RunBatch(Wash(plates, watts), FormatSettings());
    std::normal_distribution<double> thermometer(0, 0.1), jug(0, 5);
    std::string text = "time,head_temperature,boiler_temperature,collected_ml\n";
    for (long double minute = run.timeline.front().minute; minute <= run.timeline.back().minute;
         minute += 2) {
        LogPoint at;
        at.minute = minute;
        at.hpa = kStandardHpa;
        const auto value = [&](LogReading reading) {
            at.reading = reading;
            return ModelValue(run.timeline, at);
        };
        text += Cell(minute) + "," +
                Cell(value(LogReading::HeadTemperature) + thermometer(random)) + "," +
                Cell(value(LogReading::BoilerTemperature) + thermometer(random)) + "," +
                Cell(value(LogReading::CollectedMl) + jug(random)) + "\n";
    }
    return ParseRunLog(text);
}

TEST(LogFit, GivesBackTheStillThatWroteTheLog) {
    InitFloatingPoint();
    const struct {
        int plates;
        int lossPercent;
        const char* why;
    } cases[] = {
        {3, 20, "few plates: each one moves the head"},
        {6, 35, "a large loss: the run takes half as long again"},
        {2, 0, "an insulated still: the loss at its lower end"},
    };
    std::mt19937 random(2026);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const RunLog log = LoggedRun(c.plates, 1000 - 10 * c.lossPercent, random);
        const LogFit fit = FitLog(Wash(10, 1000), log, Thermometer{}, FormatSettings());
        EXPECT_EQ(fit.plates, c.plates);
        EXPECT_NEAR(static_cast<double>(fit.heatLossPercent), c.lossPercent, 3);
        EXPECT_FALSE(fit.poorFit);
        EXPECT_LT(fit.misfit, fit.misfitGiven);
        // The minimum is one: a step away fits worse.
        for (const auto& step : {fit.sharpness.fewerPlates, fit.sharpness.morePlates,
                                 fit.sharpness.lessLoss, fit.sharpness.moreLoss})
            if (step) {
                EXPECT_GT(*step, fit.misfit);
            }
    }
}

TEST(LogFit, CallsALogOfRandomNumbersPoor) {
    InitFloatingPoint();
    std::mt19937 random(99);
    std::uniform_real_distribution<double> head(78.5, 99), boiler(80, 99.5), jug(0, 2000);
    std::string text = "time;head_temperature;boiler_temperature;collected_ml\n";
    for (int minute = 40; minute <= 300; minute += 2)
        text += std::to_string(minute) + ";" + Cell(head(random)) + ";" + Cell(boiler(random)) +
                ";" + Cell(jug(random)) + "\n";
    const LogFit fit = FitLog(Wash(10, 1000), ParseRunLog(text), Thermometer{}, FormatSettings());
    EXPECT_TRUE(fit.poorFit);
}

TEST(LogFit, StopsWhenAsked) {
    InitFloatingPoint();
    std::mt19937 random(5);
    BatchRequest request = Wash(10, 1000);
    int asked = 0;
    request.cancelled = [&asked] { return ++asked > 200; };
    EXPECT_THROW(FitLog(request, LoggedRun(3, 800, random), Thermometer{}, FormatSettings()),
                 BatchCancelled);
}

}  // namespace
}  // namespace colmara
