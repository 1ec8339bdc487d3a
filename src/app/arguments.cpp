#include "app/arguments.h"

#include "runtime/version.h"

namespace colmara {

namespace {

struct OwnOption {
    const char* name;
    StartMode mode;
};

// A new start mode (another window, say) is one more line here and one more
// case in main().
constexpr OwnOption kOwnOptions[] = {
    {"--study", StartMode::Study},
    {"--version", StartMode::Version},
    {"--help", StartMode::Help},
    {"-h", StartMode::Help},
};

constexpr const char* kUsage =
    "Usage: colmara [OPTION]\n"
    "Opens the Colmara window: a teaching calculator for a still with an\n"
    "ethanol-water rectification column.\n"
    "\n"
    "  --study      open the study window alone: profiles, McCabe-Thiele\n"
    "               diagram, sweeps and pinned runs, recalculated as you type\n"
    "  --help, -h   print this help and exit\n"
    "  --version    print the version and exit\n"
    "\n"
    "The window toolkit's standard options (such as -platform NAME) are\n"
    "accepted as well. Calculations without a window: colmara-report.\n";

}  // namespace

StartMode ReadStartMode(const std::vector<std::string>& args) {
    for (const std::string& arg : args)
        for (const OwnOption& option : kOwnOptions)
            if (arg == option.name) return option.mode;
    return StartMode::Window;
}

bool AnswersWithoutWindow(StartMode mode) {
    return mode == StartMode::Version || mode == StartMode::Help;
}

int AnswerWithoutWindow(StartMode mode, std::ostream& out) {
    if (mode == StartMode::Version) out << "colmara " << kVersion << '\n';
    if (mode == StartMode::Help) out << kUsage;
    out.flush();
    return out ? 0 : 1;
}

}  // namespace colmara
