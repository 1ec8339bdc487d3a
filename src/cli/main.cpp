// colmara-report: runs a calculation, or a study of many, without the window
// and prints what it found. Reads no files; writes one only when asked to.
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/companion.h"
#include "cli/fdstreambuf.h"
#include "runtime/fpcheck.h"
#include "runtime/numconv.h"

int main(int argc, char** argv) {
    using namespace colmara;
    InitFloatingPoint();
    ProcessFormatSettings() = ReadLocaleFormatSettings();
    // A closed pipe ends the tool as it ends any filter, whatever the
    // disposition inherited from the parent.
    std::signal(SIGPIPE, SIG_DFL);
    // A file size limit makes the write fail, so that --output removes its
    // temporary and says why, instead of the program being killed.
    std::signal(SIGXFSZ, SIG_IGN);

    // Standard output through a buffer that keeps the cause of a failed write.
    FdStreamBuf outBuffer(STDOUT_FILENO);
    std::ostream out(&outBuffer);
    CompanionProcess process;
    process.catchInterrupt = true;
    process.errIsTerminal = isatty(STDERR_FILENO) == 1;
    process.outIsTerminal = isatty(STDOUT_FILENO) == 1;

    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return RunCompanion(args, ProcessFormatSettings(), out, std::cerr, process);
}
