#include "cli/profilecommand.h"

#include <CLI/CLI.hpp>

#include "cli/companionoptions.h"
#include "study/plateprofile.h"
#include "study/records.h"
#include "study/studyerror.h"

namespace colmara {

namespace {

constexpr const char* kFooter =
    "One row per plate from the boiler (plate 0) up to the top plate, straight\n"
    "from the column's tables: temperature in deg C, vapour and liquid strength\n"
    "in % by weight, reflux leaving the plate in g/h (empty for the boiler).\n"
    "Numbers are written with '.' whatever the locale.\n"
    "\n"
    "With --units volume the strength given and the strengths shown are in per\n"
    "cent by volume at 20 degC (vapour_strength_vol, liquid_strength_vol); a\n"
    "liquid strength the column's balance puts outside 0 to 100 % by weight has\n"
    "none by volume, and its cell is left empty.\n"
    "\n"
    "Example:\n"
    "  colmara-report profile --strength 10 --plates 5 --reflux 3\n"
    "\n"
    "Exit status: 0 when the calculation ran through, 1 when it failed (the error\n"
    "message goes to standard error), 2 for a mistake on the command line or in\n"
    "the setup file, 4 when the output cannot be written.";

}  // namespace

CLI::App* DeclareProfile(CLI::App& app, ProfileOptions& options) {
    CLI::App* profile = DeclareInputsCommand(
        app, {"profile", "Prints the plates of one calculation, boiler first", kFooter},
        options.inputs, options.units);
    DeclareFormatOption(*profile, options.format);
    return profile;
}

int RunProfileCommand(const ProfileOptions& options, const CommandIo& io) {
    const StrengthUnit unit = UnitNamed(options.units);
    CaseProfile profile;
    try {
        profile = ProfileCase(options.inputs, io.settings, unit);
    } catch (const StudyError& e) {
        return UsageError(io.err, e.Message());
    }
    if (!profile.result.Solved()) {
        ErrorLine(io.err, *profile.result.error);
        return kCompanionFailed;
    }
    const std::vector<Record> records = PlateRecords(profile.plates, unit);
    if (options.format == "json")
        for (const Record& record : records) io.out << JsonObject(record) << '\n';
    else
        io.out << TableText(PlateRecord(PlateRow{}, unit), records, TableFormat::Csv);
    return FinishOutput(io.out, io.err, kCompanionOk);
}

}  // namespace colmara
