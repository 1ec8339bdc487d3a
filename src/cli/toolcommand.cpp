#include "cli/toolcommand.h"

#include <CLI/CLI.hpp>

#include "boiling/boilingerror.h"
#include "spirit/spiriterror.h"
#include "study/studyerror.h"

namespace colmara {

NumberReader OptionReader(const FormatSettings& settings) {
    return NumberReader(settings, true);
}

void DeclareSpiritUnits(CLI::App& app, std::string& units) {
    app.add_option("--units", units,
                   "Unit of the strengths given: volume (per cent by volume\n"
                   "at 20 degC, as hydrometers and labels), weight\n"
                   "(per cent by weight) or mole (per cent by mole)")
        ->check(CLI::IsMember({"volume", "weight", "mole"}))
        ->capture_default_str();
}

std::string ToolOutput(const ToolAnswer& answer, bool json, const FormatSettings& settings) {
    return json ? ToolJson(answer) : ToolText(answer, settings);
}

int RunTool(const CommandIo& io, const std::function<std::string()>& answer) {
    std::string text;
    try {
        text = answer();
    } catch (const OutOfReachError& e) {
        ErrorLine(io.err, "colmara-report: " + e.Message());
        return kCompanionUnreachable;
    } catch (const SpiritError& e) {
        return UsageError(io.err, e.Message());
    } catch (const BoilingError& e) {
        return UsageError(io.err, e.Message());
    } catch (const StudyError& e) {
        return UsageError(io.err, e.Message());
    }
    io.out << text;
    return FinishOutput(io.out, io.err, kCompanionOk);
}

}  // namespace colmara
