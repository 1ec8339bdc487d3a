// The two limits of the study window's case, for the McCabe-Thiele tab:
// each request is solved on a worker thread of its own (the seek of the
// least reflux takes tens of milliseconds) and delivered on the GUI thread;
// a result that a newer request has overtaken is dropped.
#pragma once

#include <QObject>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <string>

#include "runtime/numconv.h"
#include "study/limitsdiagram.h"
#include "ui/study/debouncedworker.h"

namespace colmara {

// What the limits of one case came to: the diagram's points and the
// readout's text, or only the text of the refusal.
struct CaseLimits {
    std::optional<LimitsDiagram> diagram;
    std::string text;
};

class LimitsSolver : public QObject {
    Q_OBJECT

  public:
    explicit LimitsSolver(QObject* parent = nullptr);

    // Asks for the limits from a boiler liquid to a target (mass fractions)
    // at the power and plate efficiency texts, drawn in DiagramUnit(unit).
    void Request(long double boiler, long double target, const std::string& power,
                 const std::string& efficiency, StrengthUnit unit, const FormatSettings& settings);
    // Drops what is asked and in hand: nothing more is delivered.
    void Cancel() { jobs_.Cancel(); }
    bool Busy() const { return jobs_.Busy(); }

  signals:
    void Solved(const colmara::CaseLimits& limits);

  private slots:
    void TakeSolved();

  private:
    struct Job {
        std::uint64_t id = 0;
        long double boiler = 0;
        long double target = 0;
        std::string power;
        std::string efficiency;
        StrengthUnit unit = StrengthUnit::Weight;
        FormatSettings settings;
    };
    struct Solution {
        std::uint64_t id = 0;
        CaseLimits limits;
    };
    static Solution Solve(const Job& job);

    // No debounce: the case's own solver has waited out the typing.
    DebouncedWorker<Job, Solution> jobs_{
        this, "TakeSolved", 0, [](Job& job, std::stop_token) { return std::optional(Solve(job)); }};
};

// "Fewest plates 6 (5.42) at total reflux; least reflux 2.345: pinch on
// plates 3 to 97 at 88.10 % (y 0.881)": the two limits as the readout
// states them, the pinch's strength in `unit` and, as the diagram's axes
// read it, in the fractions of DiagramUnit(unit).
std::string LimitsText(const SeparationLimits& limits, StrengthUnit unit,
                       const FormatSettings& settings);

}  // namespace colmara
