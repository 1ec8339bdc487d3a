// colmara-report batch: a whole batch run of the still, as a timeline, a cut
// table or one JSON object.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/commandio.h"
#include "report/calculate.h"

namespace CLI {
class App;
}  // namespace CLI

namespace colmara {

struct BatchOptions {
    InputTexts inputs{"1000", "10", "20", "3"};
    std::string units = "weight";
    std::optional<double> charge;  // required, from the command line or a setup
    std::string chargeUnit = "ml";
    std::string policy = "reflux";
    std::optional<double> targetStrength;
    double maxReflux = 100;
    double startTemperature = 20;
    std::string heads = "3%";
    double heartsUntil = 80;
    std::vector<std::string> cuts;  // NAME:CONDITION, replacing the default cuts
    std::optional<double> stopBoiler;
    std::optional<double> stopProduct;
    std::optional<std::string> stopAmount;
    std::optional<double> stopAfter;
    double every = 10;
    bool cutTable = false;
    bool json = false;
};

// Declares the sub-command on `app`, bound to `options`.
CLI::App* DeclareBatch(CLI::App& app, BatchOptions& options);

// Runs the batch; returns the exit status.
int RunBatchCommand(const BatchOptions& options, const CommandIo& io);

}  // namespace colmara
