#include "studyview/logfittext.h"

#include <array>

#include "studyview/studychart.h"

namespace colmara {

namespace {

constexpr std::array<const char*, kReadingKinds> kKindNames = {
    "head temperature", "boiler temperature", "product strength", "amount collected"};

std::string Count(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + ' ' + (n == 1 ? one : many);
}

// Four decimals: a misfit near a good fit's is small.
std::string Misfit(const std::optional<long double>& misfit, const FormatSettings& settings) {
    return misfit ? FormatExtended("0.0000", *misfit, settings) : "-";
}

// Why the fit is poor, in the rule's words, for the first kind that makes it so.
std::string PoorReason(const LogFit& fit) {
    for (std::size_t i = 0; i < kReadingKinds; ++i) {
        const KindFit& kind = fit.kinds[i];
        if (!kind.Poor()) continue;
        const std::string name = kKindNames[i];
        if (kind.variance <= 4 * kind.scatter)
            return "the " + name +
                   " readings vary by no more than twice their own scatter: there is no run in "
                   "them to fit, only noise.";
        return "the fit leaves more than a quarter of the " + name +
               " readings' variance beyond their own scatter unexplained.";
    }
    return "the log's readings do not follow the model.";
}

}  // namespace

std::string LogPairsText(const std::string& name, std::size_t readings, std::size_t notes) {
    return name + ": " + Count(readings, "reading", "readings") + " beside the run; " +
           (notes == 0 ? "nothing left out." : Count(notes, "note", "notes") + ", the first:");
}

std::string LogFitText(const LogFit& fit, const FormatSettings& settings) {
    const auto number = [&settings](long double value) {
        return ReadoutNumber(static_cast<double>(value), settings);
    };
    const FitSharpness& s = fit.sharpness;
    std::string text = "Fitted: " + Count(static_cast<std::size_t>(fit.plates), "plate", "plates") +
                       ", heat loss " + number(fit.heatLossPercent) + " % (" +
                       std::to_string(fit.watts) + " W boil). Misfit " +
                       Misfit(fit.misfitGiven, settings) + " as given, " +
                       Misfit(fit.misfit, settings) + " fitted; a plate fewer or more " +
                       Misfit(s.fewerPlates, settings) + " / " + Misfit(s.morePlates, settings) +
                       ", 5 points less or more loss " + Misfit(s.lessLoss, settings) + " / " +
                       Misfit(s.moreLoss, settings) + '.';
    if (fit.poorFit) text += " Poor fit: " + PoorReason(fit);
    return text;
}

}  // namespace colmara
