// The whole calculate path: four field texts -> report, summary and chart
// points, as one press of "Calculate". Stops on
// - an exception that is not one of the program's own;
// - a conversion error that does not quote the first unreadable field exactly;
// - a report, summary or chart whose size does not follow from the plate
//   count and the report options (or exceeds it after a fault);
// - NaN or infinity anywhere in a calculation that succeeded;
// - a floating-point control word (x87 or MXCSR) that the calculation left
//   changed;
// - a different outcome when the column object has served an earlier
//   calculation first.
//
// Input: one byte of options (bits 0-3: the four report options, bit 4: ','
// as the decimal symbol), then up to eight texts separated by '\n': the four
// fields of the calculation under test, then the four of the earlier
// calculation. Missing texts take the window's start values (the earlier
// calculation: 100 plates, so every table entry is written).
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/column.h"
#include "report/calculate.h"
#include "report/reportcollector.h"
#include "runtime/exceptions.h"
#include "runtime/extended.h"
#include "runtime/fpcheck.h"
#include "runtime/numconv.h"

namespace {

using namespace colmara;

struct Outcome {
    std::vector<std::string> report;
    std::vector<std::string> summary;
    std::vector<std::uint64_t> chartBits;  // bit patterns: NaN compares too
    std::optional<std::string> error;
    bool conversionError = false;
    bool mathError = false;
};

struct ControlWords {
    std::uint16_t x87;
    std::uint32_t mxcsr;  // without the sticky flags (bits 0-5)
    bool operator==(const ControlWords&) const = default;
};

ControlWords CurrentControlWords() {
    ControlWords words{};
    words.x87 = colmara::ReadControlWord();
    asm volatile("stmxcsr %0" : "=m"(words.mxcsr));
    words.mxcsr &= ~0x3Fu;
    return words;
}

void Require(bool holds) {
    if (!holds) std::abort();
}

InputTexts TextsFrom(const std::vector<std::string>& fields, std::size_t first, InputTexts texts) {
    std::string* slots[] = {&texts.power, &texts.strength, &texts.plates, &texts.reflux};
    for (std::size_t i = 0; i < 4 && first + i < fields.size(); ++i) *slots[i] = fields[first + i];
    return texts;
}

Outcome Calculation(Column& column, const InputTexts& texts, const ReportOptions& options,
                    const FormatSettings& settings) {
    const ControlWords before = CurrentControlWords();
    ReportCollector sink;
    Outcome outcome;
    try {
        Calculate(column, texts, sink, FixedReportOptions(options), settings);
    } catch (const EConvertError& e) {
        outcome.error = e.Message();
        outcome.conversionError = true;
    } catch (const EMathError& e) {
        outcome.error = e.Message();
        outcome.mathError = true;
    } catch (const Exception& e) {
        outcome.error = e.Message();
    } catch (...) {
        std::abort();  // not one of the program's own
    }
    Require(CurrentControlWords() == before);
    outcome.report = sink.ReportLines();
    outcome.summary = sink.SummaryLines();
    for (const double point : sink.ChartPoints())
        outcome.chartBits.push_back(std::bit_cast<std::uint64_t>(point));
    return outcome;
}

// The conversion message of the first field that does not read, if any.
std::optional<std::string> ExpectedConversionError(const InputTexts& texts,
                                                   const FormatSettings& settings) {
    const auto integer = [](const std::string& text) { ParseInteger(text); };
    const auto extended = [&settings](const std::string& text) { ParseExtended(text, settings); };
    try {
        integer(texts.power);
        extended(texts.strength);
        integer(texts.plates);
        extended(texts.reflux);
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return std::nullopt;
}

bool Finite(const Column& column) {
    bool finite = std::isfinite(column.boilervapour) && std::isfinite(column.boileralcohol) &&
                  std::isfinite(column.topstrength) && std::isfinite(column.productamount) &&
                  std::isfinite(column.productalcohol);
    for (int plate = 1; plate <= column.plates; ++plate)
        finite = finite && std::isfinite(column.refluxtable[plate]) &&
                 std::isfinite(column.vapourtable[plate]) &&
                 std::isfinite(column.liquidtable[plate]) &&
                 std::isfinite(column.temperaturetable[plate]);
    return finite;
}

void CheckOutcome(const Outcome& outcome, const Column& column, const InputTexts& texts,
                  const ReportOptions& options, const FormatSettings& settings) {
    const std::optional<std::string> unreadable = ExpectedConversionError(texts, settings);
    if (unreadable) {
        // Nothing is written before the four fields have been read.
        Require(outcome.conversionError && outcome.error == unreadable);
        Require(outcome.report.empty() && outcome.summary.empty() && outcome.chartBits.empty());
        return;
    }
    Require(!outcome.conversionError);
    if (column.plates < 0 || column.plates > kMaxPlates) {
        Require(outcome.error && !outcome.mathError && outcome.report.empty());
        return;
    }
    const std::size_t plates = static_cast<std::size_t>(column.plates);
    const std::size_t linesPerPlate =
        3 + options.reflux + options.liquid + options.vapour + options.temperature;
    const std::size_t reportLines = 6 + plates * linesPerPlate + 6;
    if (outcome.error) {
        // A fault stops the report where it happened.
        Require(outcome.mathError);
        Require(outcome.report.size() <= reportLines && outcome.chartBits.size() <= plates + 1 &&
                outcome.summary.size() <= 2);
        return;
    }
    Require(outcome.report.size() == reportLines && outcome.summary.size() == 2 &&
            outcome.chartBits.size() == plates + 1);
    for (const std::uint64_t bits : outcome.chartBits)
        Require(std::isfinite(std::bit_cast<double>(bits)));
    Require(Finite(column));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    InitFloatingPoint();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t flags = data[0];
    const ReportOptions options{(flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0,
                                (flags & 8) != 0};
    const FormatSettings settings = (flags & 16) != 0 ? FormatSettings{",", "."} : FormatSettings{};

    std::vector<std::string> fields(1);
    for (const char c : std::string_view(reinterpret_cast<const char*>(data + 1), size - 1)) {
        if (c == '\n')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    const InputTexts texts = TextsFrom(fields, 0, InputTexts{});
    const InputTexts earlier = TextsFrom(fields, 4, InputTexts{"1000", "1", "100", "15"});

    Column fresh;
    const Outcome outcome = Calculation(fresh, texts, options, settings);
    CheckOutcome(outcome, fresh, texts, options, settings);

    Column reused;
    Calculation(reused, earlier, options, settings);
    const Outcome again = Calculation(reused, texts, options, settings);
    Require(again.report == outcome.report && again.summary == outcome.summary &&
            again.chartBits == outcome.chartBits && again.error == outcome.error);
    return 0;
}
