#include "cli/commandio.h"

#include "cli/fdstreambuf.h"
#include "runtime/printable.h"

namespace colmara {

namespace {

constexpr const char* kPrefix = "colmara-report: ";

}  // namespace

int UsageError(std::ostream& err, const std::string& message) {
    err << kPrefix << EscapeControls(message) << '\n';
    return kCompanionUsageError;
}

int WriteFailure(std::ostream& err, const std::string& message) {
    err << kPrefix << EscapeControls(message) << '\n';
    return kCompanionWriteFailed;
}

void ErrorLine(std::ostream& err, const std::string& message) {
    err << EscapeControls(message) << '\n';
}

int FinishOutput(std::ostream& out, std::ostream& err, int status) {
    out.flush();
    if (out) return status;
    return WriteFailure(err, "cannot write output: " + WriteFailureCause(out));
}

}  // namespace colmara
