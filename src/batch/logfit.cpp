#include "batch/logfit.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

#include "batch/batcherror.h"
#include "batch/batchrun.h"
#include "runtime/minimise.h"
#include "study/studyerror.h"

namespace colmara {

namespace {

// A run that fails (a column that cannot reach the cut, a power too low to
// boil) fits nothing; a finite number keeps the search's arithmetic clean.
constexpr long double kFailedMisfit = 1e30L;
constexpr long double kLossTolerance = 0.5L;  // points
constexpr long double kNearLoss = 5;          // points either side of a neighbour's loss
constexpr long double kSharpLoss = 5;         // points
// Plate counts whose best misfits differ by less than this share count as
// fitting equally, and the fewer plates win: beyond the plates that shape
// the run, more plates only add noise from the search over the loss.
constexpr long double kPlateTie = 0.01L;
// About as many runs as a fit makes, for its progress.
constexpr int kTypicalRuns = 70;
// Steps to a neighbour that fits better, after the search, at most.
constexpr int kMostSteps = 10;

class FitRuns {
  public:
    FitRuns(const BatchRequest& request, const RunLog& log, const Thermometer& thermometer,
            const FormatSettings& settings)
        : request_(request),
          settings_(settings),
          power_(ParseInteger(request.inputs.power)),
          comparable_(ComparableReadings(log, request.pressureHpa, thermometer)),
          misfit_(comparable_.points) {}

    // The run as given: its refusals are the user's to see.
    long double Given() {
        const int plates = ParseInteger(request_.inputs.plates);
        return Run(plates, power_, false);
    }

    std::int32_t WattsAt(long double loss) const {
        return std::max<std::int32_t>(
            1, static_cast<std::int32_t>(std::lround(power_ * (1 - loss / 100))));
    }
    long double LossOf(std::int32_t watts) const {
        return 100 * (1 - static_cast<long double>(watts) / power_);
    }

    long double Misfit(int plates, long double loss) {
        const std::int32_t watts = WattsAt(loss);
        const auto known = known_.find({plates, watts});
        if (known != known_.end()) return known->second.misfit;
        return Run(plates, watts, true);
    }

    // The timeline of a run made (empty when it failed).
    const std::vector<BatchRow>& TimelineOf(int plates, std::int32_t watts) const {
        return known_.at({plates, watts}).timeline;
    }
    const LogMisfit& Measure() const { return misfit_; }

    // The run made with the least misfit, the run as given among them:
    // runs within kPlateTie of it fit as well, and of those the fewest
    // plates win, then the least misfit at that count. Its misfit is
    // kFailedMisfit when no run went through.
    std::pair<int, std::int32_t> Least() const {
        long double least = kFailedMisfit;
        for (const auto& [key, made] : known_) least = std::min(least, made.misfit);
        std::optional<std::pair<int, std::int32_t>> chosen;
        for (const auto& [key, made] : known_) {
            if (made.misfit > least * (1 + kPlateTie)) continue;
            if (chosen && key.first > chosen->first) break;  // ordered by plates
            if (!chosen || made.misfit < known_.at(*chosen).misfit) chosen = key;
        }
        return *chosen;
    }
    long double MisfitOf(std::pair<int, std::int32_t> run) const { return known_.at(run).misfit; }
    std::vector<std::string> Notes() const { return comparable_.notes; }
    int Runs() const { return static_cast<int>(known_.size()); }

  private:
    long double Run(int plates, std::int32_t watts, bool failureFits) {
        if (request_.cancelled && request_.cancelled()) throw BatchCancelled();
        BatchRequest request = request_;
        request.inputs.plates = std::to_string(plates);
        request.inputs.power = std::to_string(watts);
        request.timeline = true;
        request.progress = nullptr;
        Made made;
        try {
            made.timeline = RunBatch(request, settings_).timeline;
            if (!made.timeline.empty()) made.misfit = misfit_.Of(made.timeline);
        } catch (const BatchCancelled&) {
            throw;
        } catch (const Exception&) {
            if (!failureFits) throw;
        }
        const long double misfit = made.misfit;
        known_[{plates, watts}] = std::move(made);
        if (request_.progress)
            request_.progress(std::min(0.99, static_cast<double>(known_.size()) / kTypicalRuns));
        return misfit;
    }

    const BatchRequest& request_;
    const FormatSettings& settings_;
    std::int32_t power_;
    LogPoints comparable_;
    LogMisfit misfit_;
    struct Made {
        long double misfit = kFailedMisfit;
        std::vector<BatchRow> timeline;
    };
    std::map<std::pair<int, std::int32_t>, Made> known_;
};

// The least misfit over the loss at each plate count asked: a search on
// the line, started near the loss of the nearest count already searched
// (the fitted loss moves only a little from one plate count to the next)
// and moved on while its minimum sits at an end of the bracket.
class LossProfile {
  public:
    explicit LossProfile(FitRuns& runs) : runs_(runs) {}

    long double operator()(int plates) { return At(plates).value; }

    const LineMinimum& At(int plates) {
        const auto known = best_.find(plates);
        if (known != best_.end()) return known->second;
        long double low = 0, high = kMostHeatLossPercent;
        if (const auto near = Nearest(plates)) {
            low = std::max(0.0L, *near - kNearLoss);
            high = std::min(kMostHeatLossPercent, *near + kNearLoss);
        }
        const auto misfit = [&](long double loss) { return runs_.Misfit(plates, loss); };
        LineMinimum m = MinimiseOnLine(low, high, kLossTolerance, misfit);
        while (true) {
            if (m.at - low < 1 && low > 0) {
                high = low + 1;
                low = std::max(0.0L, low - 2 * kNearLoss);
            } else if (high - m.at < 1 && high < kMostHeatLossPercent) {
                low = high - 1;
                high = std::min(kMostHeatLossPercent, high + 2 * kNearLoss);
            } else {
                break;
            }
            const LineMinimum further = MinimiseOnLine(low, high, kLossTolerance, misfit);
            if (further.value >= m.value) break;
            m = further;
        }
        return best_[plates] = m;
    }

  private:
    std::optional<long double> Nearest(int plates) const {
        std::optional<long double> loss;
        int distance = kMostFittedPlates + 1;
        for (const auto& [count, m] : best_)
            if (std::abs(count - plates) < distance) {
                distance = std::abs(count - plates);
                loss = m.at;
            }
        return loss;
    }

    FitRuns& runs_;
    std::map<int, LineMinimum> best_;
};

FitSharpness SharpnessAt(FitRuns& runs, int plates, long double loss) {
    FitSharpness sharp;
    if (plates > 0) sharp.fewerPlates = runs.Misfit(plates - 1, loss);
    if (plates < kMostFittedPlates) sharp.morePlates = runs.Misfit(plates + 1, loss);
    if (loss - kSharpLoss >= 0) sharp.lessLoss = runs.Misfit(plates, loss - kSharpLoss);
    if (loss + kSharpLoss <= kMostHeatLossPercent)
        sharp.moreLoss = runs.Misfit(plates, loss + kSharpLoss);
    return sharp;
}

}  // namespace

LogFit FitLog(const BatchRequest& request, const RunLog& log, const Thermometer& thermometer,
              const FormatSettings& settings) {
    FitRuns runs(request, log, thermometer, settings);
    LogFit fit;
    fit.misfitGiven = runs.Given();
    LossProfile profile(runs);
    profile.At(MinimiseOverWholeNumbers(0, kMostFittedPlates, profile, kPlateTie));
    // The fit is the best run met, the run as given included, and no
    // neighbour a plate or 5 points of loss away fits better.
    std::pair<int, std::int32_t> run = runs.Least();
    if (runs.MisfitOf(run) >= kFailedMisfit)
        throw BatchFailure("no plate count from 0 to 100 and no heat loss up to 60 % ran through");
    for (int step = 0; step < kMostSteps; ++step) {
        fit.sharpness = SharpnessAt(runs, run.first, runs.LossOf(run.second));
        const std::pair<int, std::int32_t> better = runs.Least();
        if (better == run || step + 1 == kMostSteps) break;
        run = better;
    }
    fit.plates = run.first;
    fit.watts = run.second;
    fit.heatLossPercent = runs.LossOf(fit.watts);
    fit.misfit = runs.MisfitOf(run);
    const std::vector<BatchRow>& timeline = runs.TimelineOf(fit.plates, fit.watts);
    fit.kinds = runs.Measure().Kinds(timeline);
    fit.poorFit = runs.Measure().Poor(timeline);
    fit.notes = runs.Notes();
    fit.runs = runs.Runs();
    if (request.progress) request.progress(1);
    return fit;
}

}  // namespace colmara
