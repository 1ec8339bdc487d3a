// How far a batch run lies from a log's readings, as one number that a fit
// makes least. Each kind of reading (head temperature, boiler temperature,
// product strength, amount collected) is scaled by its own spread, the
// standard deviation of its readings, so a kind in ml weighs no more than
// one in degC: the misfit is the mean over the kinds of the mean squared
// residual over the kind's variance. 0 is a perfect fit; 1 is what a model
// that drew a flat line through each kind's mean would score.
//
// Whether a fit is poor is judged against the readings' own scatter, what
// the log would vary by about a smooth curve, estimated from the second
// differences of each kind's readings in time order (sum of squares / 6 per
// difference, the variance of independent noise). A fit is poor when, for
// any kind, the readings vary by no more than twice their scatter (variance
// at most 4 times the scatter's: there is no run to fit, only noise), or
// when the fit leaves more than a quarter of the variance beyond the
// scatter unexplained (mean squared residual above scatter^2 + 0.25 x
// (variance - scatter^2)).
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "batch/batchresult.h"
#include "batch/logpairing.h"

namespace colmara {

// The kinds of reading, with a log's two strengths one kind and its two
// amounts another.
enum class ReadingKind { Head, Boiler, Product, Collected };
inline constexpr std::size_t kReadingKinds = 4;

struct KindFit {
    std::size_t readings = 0;
    long double variance = 0;  // of the readings about their mean
    long double scatter = 0;   // the noise's variance about a smooth curve
    long double residual = 0;  // mean squared residual against the model
    bool Poor() const;
};

class LogMisfit {
  public:
    // Throws StudyError when `points` is empty: there is nothing to fit.
    explicit LogMisfit(std::vector<LogPoint> points);

    long double Of(const std::vector<BatchRow>& timeline) const;
    // Each kind's figures against `timeline`, readings 0 for a kind the log lacks.
    std::array<KindFit, kReadingKinds> Kinds(const std::vector<BatchRow>& timeline) const;
    bool Poor(const std::vector<BatchRow>& timeline) const;

  private:
    std::vector<LogPoint> points_;
    std::array<KindFit, kReadingKinds> kinds_;  // without residuals
};

}  // namespace colmara
