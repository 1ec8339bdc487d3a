// colmara-report boiling, plates and limits: a still's thermometers read at
// the local air pressure, the plates of a column worked back from two
// readings, and the limits of a separation.
#pragma once

#include <string>

#include "cli/commandio.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace colmara {

// Where readings are taken: --pressure or --altitude, --offset or
// --boiling-water-reading (empty: not given).
struct ConditionOptions {
    std::string pressure;
    std::string altitude;
    std::string offset;
    std::string boilingWaterReading;
};

struct BoilingOptions {
    std::string strength;
    std::string vapourStrength;
    std::string temperature;
    std::string headTemperature;
    ConditionOptions conditions;
    std::string units = "volume";
    bool json = false;
    // Which of the four was given ("--strength=" gives an empty text).
    CLI::Option* given[4] = {};
};

struct PlatesOptions {
    std::string boiler;
    std::string head;
    std::string power;
    std::string reflux;
    bool totalReflux = false;
    ConditionOptions conditions;
    std::string height;
    std::string realPlates;
    std::string units = "volume";
    bool json = false;
};

struct LimitsOptions {
    std::string strength;
    std::string target;
    std::string power = "1000";
    std::string efficiency = "100";
    std::string units = "volume";
    bool json = false;
};

// Each declares its sub-command on `app`, bound to `options`.
CLI::App* DeclareBoiling(CLI::App& app, BoilingOptions& options);
CLI::App* DeclarePlates(CLI::App& app, PlatesOptions& options);
CLI::App* DeclareLimits(CLI::App& app, LimitsOptions& options);

// Each answers and returns the exit status: 0, 2 for a refused input, and
// for plates and limits 3 for a head or target out of reach.
int RunBoilingCommand(const BoilingOptions& options, const CommandIo& io);
int RunPlatesCommand(const PlatesOptions& options, const CommandIo& io);
int RunLimitsCommand(const LimitsOptions& options, const CommandIo& io);

}  // namespace colmara
