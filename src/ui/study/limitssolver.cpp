#include "ui/study/limitssolver.h"

#include <exception>

#include "runtime/exceptions.h"
#include "study/strengthunit.h"

namespace colmara {

LimitsSolver::LimitsSolver(QObject* parent) : QObject(parent) {
    qRegisterMetaType<colmara::CaseLimits>("colmara::CaseLimits");
}

void LimitsSolver::Request(long double boiler, long double target, const std::string& power,
                           const std::string& efficiency, StrengthUnit unit,
                           const FormatSettings& settings) {
    jobs_.Request({0, boiler, target, power, efficiency, unit, settings});
    jobs_.Flush();
}

LimitsSolver::Solution LimitsSolver::Solve(const Job& job) {
    Solution solution{job.id, {}};
    try {
        const SeparationLimits limits =
            LimitsOf(job.boiler, job.target, job.power, job.settings, job.efficiency, job.unit);
        const long double efficiency = ParseExtended(job.efficiency, job.settings) / 100;
        solution.limits.diagram = LimitsDiagramOf(limits, job.boiler, efficiency, job.unit);
        solution.limits.text = LimitsText(limits, job.unit, job.settings);
    } catch (const Exception& e) {
        solution.limits.text = MessageWithPeriod(e.Message());
    } catch (const std::exception& e) {
        // Nothing may escape the worker thread; the readout shows it instead.
        solution.limits.text = MessageWithPeriod(e.what());
    }
    return solution;
}

void LimitsSolver::TakeSolved() {
    if (std::optional<Solution> solution = jobs_.TakeCurrent()) emit Solved(solution->limits);
}

std::string LimitsText(const SeparationLimits& limits, StrengthUnit unit,
                       const FormatSettings& settings) {
    const PlateCount& fewest = limits.fewestPlates;
    const Pinch& pinch = limits.pinch;
    return "Fewest plates " + std::to_string(fewest.plates) + " (" +
           FormatExtended("0.00", fewest.platesFraction, settings) +
           ") at total reflux; least reflux " + limits.leastReflux + ": pinch on plates " +
           std::to_string(pinch.from) + " to " + std::to_string(pinch.to) + " at " +
           FormatExtended("0.00", StrengthFromWeight(unit, pinch.strength * 100), settings) + " " +
           StrengthUnitSymbol(unit) + " (y " +
           FormatExtended("0.000", DiagramFraction(pinch.strength * 100, unit), settings) + ")";
}

}  // namespace colmara
