// colmara-report profile: the plates of one solved case, boiler first.
#pragma once

#include <string>

#include "cli/commandio.h"
#include "report/calculate.h"

namespace CLI {
class App;
}

namespace colmara {

struct ProfileOptions {
    InputTexts inputs;
    std::string format = "csv";
    std::string units = "weight";
};

// Declares the sub-command on `app`, bound to `options`.
CLI::App* DeclareProfile(CLI::App& app, ProfileOptions& options);

// Solves the case and prints its plates; returns the exit status.
int RunProfileCommand(const ProfileOptions& options, const CommandIo& io);

}  // namespace colmara
