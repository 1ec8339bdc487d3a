#include "study/seek.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "model/column.h"
#include "study/strengthtext.h"
#include "study/studyerror.h"
#include "study/sweepaxis.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

// Grid intervals tried before bisecting: at 100 plates a seek over the
// default reflux range then takes some 40 solves.
constexpr std::uint64_t kCoarseIntervals = 32;

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

SeekBounds BoundsOf(Input input) {
    switch (input) {
        case Input::Plates:
            return {0, kMaxPlates};
        case Input::Reflux:
            return {0, 100};
        case Input::Power:
            return {1, 100000};
        case Input::Efficiency:
            return {1, 100};
        case Input::Strength:
            break;
    }
    throw StudyError(std::string(TraitsOf(input).key) + ": a seek does not vary this input");
}

// The values an input can take at all: bounds outside them are refused
// rather than tried.
SeekBounds DomainOf(Input input) {
    if (input == Input::Plates) return {0, kMaxPlates};
    if (input == Input::Power) return {1, kNoLimit};
    if (input == Input::Efficiency) return {1, 100};
    return {0, kNoLimit};
}

std::string DomainText(SeekBounds domain) {
    if (domain.max == kNoLimit) return PlainNumber(domain.min) + " or more";
    return "from " + PlainNumber(domain.min) + " to " + PlainNumber(domain.max);
}

const char* QuantityName(SeekQuantity quantity) {
    return quantity == SeekQuantity::ProductStrength ? "product strength" : "product amount";
}

std::string QuantityUnit(const SeekRequest& request) {
    if (request.quantity == SeekQuantity::ProductAmount) return " g/h";
    return std::string(" ") + StrengthUnitSymbol(request.unit);
}

std::optional<long double> QuantityOf(const SeekRequest& request, const CaseResult& result) {
    return request.quantity == SeekQuantity::ProductStrength ? result.ProductStrength(request.unit)
                                                             : result.productAmount;
}

// The candidates of a request, refused before anything is solved when the
// bounds or the resolution make no sense.
SweepAxis Candidates(const SeekRequest& request, const FormatSettings& settings) {
    const InputTraits& traits = TraitsOf(request.vary);
    const SeekBounds bounds = BoundsOf(request.vary);
    const std::string name = traits.key;
    const double min = request.min.value_or(bounds.min);
    const double max = request.max.value_or(bounds.max);
    if (!std::isfinite(request.target)) throw StudyError(name + ": the target is not a number");
    if (!std::isfinite(min) || !std::isfinite(max))
        throw StudyError(name + ": the bounds are not numbers");
    const SeekBounds domain = DomainOf(request.vary);
    const auto outside = [&](double bound) { return bound < domain.min || bound > domain.max; };
    if (outside(min) || outside(max))
        throw StudyError(name + ": bounds must be " + DomainText(domain) + ", the values " + name +
                         " can take");
    if (min > max)
        throw StudyError(name + ": minimum " + PlainNumber(min) + " is above maximum " +
                         PlainNumber(max));
    double step = 1;
    std::string source = PlainNumber(min) + ":" + PlainNumber(max);
    if (!traits.whole) {
        if (!(request.resolution > 0) || !std::isfinite(request.resolution))
            throw StudyError(name + ": resolution " + PlainNumber(request.resolution) +
                             " is not above 0");
        step = request.resolution;
        source += ':';
        source += PlainNumber(step);
    }
    return SweepAxis::Range(name, min, max, step, traits.whole, settings, source,
                            StrengthUnit::Weight, request.mostCandidates);
}

class Search {
  public:
    Search(const SeekRequest& request, const FormatSettings& settings)
        : request_(request),
          settings_(settings),
          candidates_(Candidates(request, settings)),
          fields_(FieldInputs(request.inputs, request.unit, settings)) {}

    SeekResult Run() {
        if (request_.vary == Input::Plates)
            Scan();
        else
            GridThenBisect();
        result_.reachable = hit_.has_value();
        result_.row = std::move(hit_ ? *hit_ : best_ ? *best_ : first_);
        result_.value = TextOf(result_.row.inputs, request_.vary);
        return std::move(result_);
    }

  private:
    // Plates from the lowest count up, to the first that reaches the target
    // or the first whose column more plates would only repeat: every larger
    // count then gives the same quantity (or fails), which neither reaches
    // the target nor beats the best, so the result is the full scan's.
    // Each count is solved for its product alone, which is all the scan
    // compares; the count it settles on is then solved in full. Should that
    // fail (a final pass, re-solve or report the product alone never runs),
    // the scan is run again with every count solved in full.
    void Scan() {
        std::optional<std::uint64_t> hit;
        std::optional<std::uint64_t> best;
        std::optional<long double> bestQuantity;
        for (std::uint64_t k = 0; k < candidates_.Count() && !hit; ++k) {
            const CaseResult product = SolveProduct(column_, InputsAt(k), settings_);
            ++result_.solves;
            const std::optional<long double> quantity = QuantityOf(request_, product);
            if (quantity && IsHit(*quantity)) hit = k;
            if (quantity && (!bestQuantity || *quantity > *bestQuantity)) {
                best = k;
                bestQuantity = quantity;
            }
            if (product.Solved() && column_.passplates < column_.plates) break;
        }
        if (Confirmed(hit, best)) return;
        hit_.reset();
        best_.reset();
        for (std::uint64_t k = 0; k < candidates_.Count(); ++k) {
            if (Reaches(k)) return;
            if (lastSolved_ && column_.passplates < column_.plates) return;
        }
    }

    // Solves in full the count the scan by product settled on: false when
    // that count fails in full, and the settling may then be wrong.
    bool Confirmed(std::optional<std::uint64_t> hit, std::optional<std::uint64_t> best) {
        if (hit) return Reaches(*hit);
        if (best) {
            Reaches(*best);
            return best_.has_value();
        }
        Reaches(0);  // no count has a quantity: the first row tells why
        return true;
    }

    void GridThenBisect() {
        const std::uint64_t last = candidates_.Count() - 1;
        const std::uint64_t intervals = std::min(last, kCoarseIntervals);
        std::uint64_t miss = 0;
        for (std::uint64_t j = 0; j <= intervals; ++j) {
            const std::uint64_t k = intervals == 0 ? 0 : j * last / intervals;
            if (Reaches(k)) {
                if (j > 0) Bisect(miss, k);
                return;
            }
            miss = k;
        }
    }

    // `miss` fails and `hit` reaches the target; narrows them to neighbours.
    void Bisect(std::uint64_t miss, std::uint64_t hit) {
        while (hit - miss > 1) {
            const std::uint64_t middle = miss + (hit - miss) / 2;
            (Reaches(middle) ? hit : miss) = middle;
        }
    }

    // Solves candidate k and keeps what the result needs: the smallest hit,
    // the best quantity reached, the first row tried.
    bool Reaches(std::uint64_t k) {
        SweepRow row{k, InputsAt(k), {}, request_.inputs.strength};
        row.result = SolveCase(column_, row.inputs, settings_);
        lastSolved_ = row.result.Solved();
        ++result_.solves;

        const std::optional<long double> quantity = QuantityOf(request_, row.result);
        const bool hit = quantity && IsHit(*quantity);
        if (quantity && (!best_ || *quantity > *QuantityOf(request_, best_->result))) best_ = row;
        if (hit && (!hit_ || k < hit_->index)) hit_ = row;
        if (k == 0 || !firstTried_) first_ = std::move(row);
        firstTried_ = true;
        return hit;
    }

    // The field texts of candidate k.
    InputTexts InputsAt(std::uint64_t k) const {
        InputTexts inputs = fields_;
        TextOf(inputs, request_.vary) = candidates_.TextAt(k);
        return inputs;
    }

    // Compared as printed, so that a target typed from a printed value is
    // reached by the row that printed it.
    bool IsHit(long double quantity) const {
        return static_cast<double>(quantity) >= request_.target;
    }

    const SeekRequest& request_;
    const FormatSettings& settings_;
    const SweepAxis candidates_;
    const InputTexts fields_;  // the strength by weight, as the calculation reads it
    Column column_;
    bool lastSolved_ = false;  // column_ holds a finished calculation
    bool firstTried_ = false;  // first_ holds a row
    SeekResult result_;
    std::optional<SweepRow> hit_;   // the smallest candidate reaching the target
    std::optional<SweepRow> best_;  // the highest quantity solved
    SweepRow first_;                // the first candidate tried
};

}  // namespace

SeekBounds DefaultSeekBounds(Input input) {
    return BoundsOf(input);
}

SeekResult Seek(const SeekRequest& request, const FormatSettings& settings) {
    return Search(request, settings).Run();
}

std::string UnreachableMessage(const SeekRequest& request, const SeekResult& result,
                               const std::function<std::string(double)>& calculated) {
    const char* name = TraitsOf(request.vary).key;
    const SeekBounds bounds = BoundsOf(request.vary);
    const std::string unit = QuantityUnit(request);
    std::string message = std::string(QuantityName(request.quantity)) + " " +
                          PlainNumber(request.target) + unit + " is out of reach with " + name +
                          " from " + PlainNumber(request.min.value_or(bounds.min)) + " to " +
                          PlainNumber(request.max.value_or(bounds.max)) + ": ";
    const std::optional<long double> best = QuantityOf(request, result.row.result);
    if (const std::optional<std::string>& error = result.row.result.error)
        return message + "no case could be calculated (" + *error + ")";
    // A solved case without a value: a product strength outside 0..100 %.
    if (!best) return message + "no case has a product strength " + unit;
    return message + "the best is " + calculated(static_cast<double>(*best)) + unit + " at " +
           name + " " + result.value;
}

}  // namespace colmara
