// colmara-report seek: the smallest plate count, reflux ratio or power whose
// product strength or product amount reaches a target.
#pragma once

#include <string>

#include "cli/commandio.h"
#include "report/calculate.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace colmara {

struct SeekOptions {
    InputTexts inputs;
    std::string vary;
    double targetStrength = 0;
    double targetAmount = 0;
    double min = 0;
    double max = 0;
    double resolution = 0.01;
    bool json = false;
    std::string units = "weight";
    // Which of the optional numbers were given.
    CLI::Option* targetStrengthOption = nullptr;
    CLI::Option* targetAmountOption = nullptr;
    CLI::Option* minOption = nullptr;
    CLI::Option* maxOption = nullptr;
};

// Declares the sub-command on `app`, bound to `options`.
CLI::App* DeclareSeek(CLI::App& app, SeekOptions& options);

// Runs the seek; returns the exit status.
int RunSeekCommand(const SeekOptions& options, const CommandIo& io);

}  // namespace colmara
