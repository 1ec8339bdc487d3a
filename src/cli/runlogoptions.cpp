#include "cli/runlogoptions.h"

#include <CLI/CLI.hpp>

#include "runtime/exceptions.h"
#include "runtime/fileerror.h"
#include "study/studyerror.h"
#include "toolsview/numbertext.h"

namespace colmara {

void DeclareRunLogOptions(CLI::App& command, RunLogOptions& options, bool required) {
    CLI::Option* log =
        command
            .add_option("--log", options.path,
                        "A run log (CSV: time and head_temperature, boiler_temperature,\n"
                        "product_strength[_vol], collected_ml or _g, pressure_hpa)")
            ->type_name("FILE");
    if (required) log->required();
    command
        .add_option("--offset", options.offset,
                    "The log's thermometers' offset, K: what they read less the truth")
        ->type_name("K");
}

OpenedLog OpenRunLog(const RunLogOptions& options, const FormatSettings& settings) {
    OpenedLog opened;
    if (!options.offset.empty()) {
        try {
            opened.thermometer.offset = NumberReader(settings, true)({options.offset, "--offset"});
        } catch (const Exception& e) {
            throw StudyError(e.Message());
        }
    }
    try {
        opened.log = ReadRunLog(options.path);
    } catch (const FileError& e) {
        throw StudyError("--log " + options.path + ": " + e.what());
    } catch (const StudyError& e) {
        throw StudyError("--log " + options.path + ": " + e.Message());
    }
    return opened;
}

}  // namespace colmara
