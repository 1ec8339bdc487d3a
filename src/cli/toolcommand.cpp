#include "cli/toolcommand.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cmath>

#include "runtime/exceptions.h"
#include "spirit/spiriterror.h"
#include "study/records.h"
#include "study/studyerror.h"

namespace colmara {

long double OptionNumber(const std::string& text, const std::string& option,
                         const FormatSettings& settings) {
    try {
        return ParseExtended(text, settings);
    } catch (const EConvertError&) {
        throw SpiritError(option + ": '" + text + "' is not a number");
    }
}

void DeclareSpiritUnits(CLI::App& app, std::string& units) {
    app.add_option("--units", units,
                   "Unit of the strengths given: volume (per cent by volume\n"
                   "at 20 degC, as hydrometers and labels) or weight\n"
                   "(per cent by weight)")
        ->check(CLI::IsMember({"volume", "weight"}))
        ->capture_default_str();
}

Strength StrengthIn(const std::string& units, long double percent) {
    return {percent, units == "weight" ? StrengthUnit::Weight : StrengthUnit::Volume};
}

namespace {

std::string TextFigure(const ToolFigure& figure, std::size_t width,
                       const FormatSettings& settings) {
    std::string picture = "0";
    if (figure.decimals > 0)
        picture += '.' + std::string(static_cast<std::size_t>(figure.decimals), '0');
    std::string line = std::string(figure.label) + ':';
    line.resize(width + 2, ' ');
    return line + FormatExtended(picture, figure.value, settings) + ' ' + figure.unit + '\n';
}

}  // namespace

std::string ToolOutput(const std::vector<ToolFigure>& figures, bool json,
                       const FormatSettings& settings) {
    if (json) {
        Record record;
        for (const ToolFigure& figure : figures)
            record.push_back(Cell{figure.key, NumberText(figure.value), true});
        return JsonObject(record) + '\n';
    }
    std::size_t width = 0;
    for (const ToolFigure& figure : figures)
        width = std::max(width, std::string(figure.label).size());
    std::string text;
    for (const ToolFigure& figure : figures) text += TextFigure(figure, width, settings);
    return text;
}

int RunTool(const CommandIo& io, const std::function<std::string()>& answer) {
    std::string text;
    try {
        text = answer();
    } catch (const SpiritError& e) {
        return UsageError(io.err, e.Message());
    } catch (const StudyError& e) {
        return UsageError(io.err, e.Message());
    }
    io.out << text;
    return FinishOutput(io.out, io.err, kCompanionOk);
}

}  // namespace colmara
