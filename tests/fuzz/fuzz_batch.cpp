// A batch run from texts, as the tab and the tool give them: random option
// sets and setup files through the one reader, then the run, cancelled once
// it has taken a quarter of a second. Stops on
// - an exception that is not one of the program's own;
// - a run that answers with an infinity or a NaN anywhere, or a negative
//   mass in a cut, the residue or a row;
// - a run whose cuts and residue do not add up to the charge, in mass and
//   in ethanol;
// - printed output (CSV or JSON) holding "inf" or "nan".
//
// Input: a setup document when it starts with '{'; otherwise lines
// "KEY=TEXT" for the batch texts (the tool's option names without "--") and
// the four inputs (power, strength, plates, reflux) and "units", each
// overriding the defaults; a first byte of '#' reads numbers with ','.
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "batch/batcherror.h"
#include "batch/batchform.h"
#include "batch/batchrecords.h"
#include "batch/batchrun.h"
#include "runtime/exceptions.h"
#include "runtime/fpcheck.h"
#include "study/batchtexts.h"
#include "study/input.h"
#include "study/setupfile.h"
#include "study/strengthunit.h"
#include "study/studyerror.h"

namespace {

using namespace colmara;

constexpr auto kBudget = std::chrono::milliseconds(250);

void Require(bool holds) {
    if (!holds) std::abort();
}

bool Finite(long double value) {
    return std::isfinite(static_cast<double>(value));
}

void RequireCollected(const Collected& c) {
    Require(Finite(c.mass) && Finite(c.ethanol) && c.mass >= -1e-9L && c.ethanol >= -1e-9L);
}

// Every figure finite, no mass below 0, and the cuts and the residue add up
// to what the boiler held at the start.
void Check(const BatchResult& result, StrengthUnit unit) {
    Require(Finite(result.heatUpMinutes) && Finite(result.runMinutes) && Finite(result.energyKwh));
    Collected total = result.residue;
    RequireCollected(result.residue);
    for (const CutResult& cut : result.cuts) {
        RequireCollected(cut.product);
        Require(Finite(cut.startMinute) && Finite(cut.endMinute));
        total.mass += cut.product.mass;
        total.ethanol += cut.product.ethanol;
    }
    for (const BatchRow& row : result.timeline) {
        Require(Finite(row.minute) && Finite(row.boilerMass) && Finite(row.collected));
        Require(row.boilerMass >= -1e-9L && row.collected >= -1e-9L);
        const long double charge = row.boilerMass + row.collected;
        Require(std::fabs(charge - total.mass) <= 1e-6L * total.mass + 1e-9L);
    }
    for (const std::string& text :
         {BatchCsv(result, unit, true), BatchCsv(result, unit, false), BatchJson(result, unit)})
        Require(text.find("inf") == std::string::npos && text.find("nan") == std::string::npos);
}

void Set(BatchTexts& texts, InputTexts& inputs, StrengthUnit& unit, std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return;
    const std::string_view key = line.substr(0, equals);
    const std::string text(line.substr(equals + 1));
    if (key == "units") unit = text == "volume" ? StrengthUnit::Volume : StrengthUnit::Weight;
    for (const BatchTextKey& entry : kBatchTextKeys)
        if (key == entry.key) texts.*entry.text = text;
    for (Input input : kInputs)
        if (key == TraitsOf(input).key) TextOf(inputs, input) = text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = (InitFloatingPoint(), true);
    (void)ready;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    FormatSettings settings;
    if (!input.empty() && input.front() == '#') {
        settings.decimalSeparator = ",";
        settings.thousandSeparator = ".";
        input.remove_prefix(1);
    }
    StudySetup setup({"1000", "10", "20", "3"}, StrengthUnit::Weight,
                     DefaultBatchTexts(StrengthUnit::Weight, settings));
    setup.batch.charge = "20000";
    try {
        if (!input.empty() && input.front() == '{') {
            setup = ParseSetup(std::string(input));
        } else {
            for (std::size_t from = 0; from <= input.size();) {
                const std::size_t end = std::min(input.find('\n', from), input.size());
                Set(setup.batch, setup.inputs, setup.unit, input.substr(from, end - from));
                from = end + 1;
            }
        }
        BatchRequest request = BatchRequestOf(setup.batch, setup.inputs, setup.unit, settings);
        const auto deadline = std::chrono::steady_clock::now() + kBudget;
        request.cancelled = [deadline] { return std::chrono::steady_clock::now() > deadline; };
        Check(RunBatch(request, settings), setup.unit);
    } catch (const StudyError&) {
    } catch (const BatchFailure&) {
    } catch (const BatchCancelled&) {
    } catch (const Exception&) {
        // The program's own: a calculation's fault reported as the window would.
    }
    return 0;
}
