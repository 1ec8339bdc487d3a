// colmara-report size: the hardware a calculated run needs (column height,
// vapour speed and load, condenser duty and cooling water).
#pragma once

#include <string>

#include "cli/commandio.h"
#include "report/calculate.h"

namespace CLI {
class App;
}

namespace colmara {

struct SizeOptions {
    InputTexts inputs;
    std::string units = "weight";
    std::string bore;
    std::string packing;
    std::string hetp;
    std::string waterRise = "10";
    bool json = false;
};

// Declares the sub-command on `app`, bound to `options`.
CLI::App* DeclareSize(CLI::App& app, SizeOptions& options);

// Solves the run and prints the sizes: 0, 1 when the calculation failed (its
// message on standard error), 2 for a refused input.
int RunSizeCommand(const SizeOptions& options, const CommandIo& io);

}  // namespace colmara
