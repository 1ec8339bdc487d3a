#include "studyview/batchtabrules.h"

#include <algorithm>
#include <cmath>

namespace colmara {

bool BatchTextRead(const BatchTexts& texts, std::string BatchTexts::*text) {
    if (text == &BatchTexts::targetStrength || text == &BatchTexts::maxReflux)
        return texts.policy == "strength";
    if (text == &BatchTexts::heads || text == &BatchTexts::heartsUntil)
        return CutItems(texts.cuts).empty();
    return true;
}

namespace {

// What the run noted on its way (a cut the strength policy left empty).
std::string Notes(const BatchResult& run) {
    std::string text;
    for (const std::string& note : run.notes) text += " Note: " + note + ".";
    return text;
}

}  // namespace

std::string BatchSummary(const BatchResult& run, const FormatSettings& settings) {
    const auto number = [&settings](long double value) {
        return FormatExtended("0.0", value, settings);
    };
    return "Heat-up " + number(run.heatUpMinutes) + " min (an estimate), distilling " +
           number(run.runMinutes) + " min, " + FormatExtended("0.00", run.energyKwh, settings) +
           " kWh; residue " + number(run.residue.mass) + " g. Stopped: " + BatchEndText(run.stop) +
           "." + Notes(run);
}

std::string BatchBusySummary(double share) {
    // A share outside 0..1 (rounding) shows as its end, one that is no
    // number as none done.
    if (!(share >= 0)) share = 0;
    const int percent = static_cast<int>(std::floor(std::min(share, 1.0) * 100));
    return "Calculating the run for the inputs shown: " + std::to_string(percent) +
           " % done. The grey curves and table are the previous run's.";
}

}  // namespace colmara
