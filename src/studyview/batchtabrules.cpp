#include "studyview/batchtabrules.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "runtime/typedtext.h"
#include "studyview/studychart.h"

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

namespace {

// "heads 3%, hearts until 80 % vol", or the own cuts as typed.
std::string CutsCaption(const BatchTexts& texts, const std::string& unit) {
    if (!CutItems(texts.cuts).empty()) return "cuts " + texts.cuts;
    return "heads " + texts.heads + ", hearts until " + texts.heartsUntil + " " + unit;
}

// "stops: boiler 1 % vol, after 300 min", or "no stop".
std::string StopsCaption(const BatchTexts& texts, const std::string& unit) {
    const std::pair<const std::string*, std::string> stops[] = {
        {&texts.stopBoiler, "boiler at " + texts.stopBoiler + " " + unit},
        {&texts.stopProduct, "product below " + texts.stopProduct + " " + unit},
        {&texts.stopAmount, texts.stopAmount + " taken"},
        {&texts.stopAfter, "after " + texts.stopAfter + " min"},
    };
    std::string text;
    for (const auto& [typed, said] : stops)
        if (!NoStop(*typed)) text += (text.empty() ? "stops: " : ", ") + said;
    return text.empty() ? "no stop" : text;
}

}  // namespace

BatchCaptionText BatchCaption(const BatchTexts& texts, StrengthUnit unit) {
    const std::string symbol = StrengthAxisUnit(unit);
    BatchCaptionText caption;
    if (texts.policy == "strength")
        caption.reflux = "reflux rising to hold " + texts.targetStrength + " " + symbol +
                         ", at most " + texts.maxReflux;
    // The air the still boils in, where given: the head temperatures read it.
    std::string air;
    if (!Trimmed(texts.pressure).empty()) air += ", air at " + texts.pressure + " hPa";
    if (!Trimmed(texts.altitude).empty()) air += ", " + texts.altitude + " m up";
    caption.line = "Charge " + texts.charge + " " + (texts.chargeUnit == "g" ? "g" : "ml") +
                   " at " + texts.startTemperature + " \u00b0C" + air + " \u00b7 " +
                   CutsCaption(texts, symbol) + " \u00b7 " + StopsCaption(texts, symbol);
    return caption;
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
