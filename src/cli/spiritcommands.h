// colmara-report dilute, blend and hydrometer: the spirit tools on the
// density formula, each answering one question about a spirit.
#pragma once

#include <string>
#include <vector>

#include "cli/commandio.h"

namespace CLI {
class App;
}

namespace colmara {

struct DiluteOptions {
    std::string volume;
    std::string finalVolume;
    std::string strength;
    std::string target;
    std::string units = "volume";
    bool json = false;
};

struct BlendOptions {
    std::vector<std::string> parts;  // ML:S or ML:S@T
    std::string units = "volume";
    bool json = false;
};

struct HydrometerOptions {
    std::string reading;
    std::string temperature;
    std::string volume;  // empty: no volume line
    std::string units = "volume";
    bool json = false;
};

// Each declares its sub-command on `app`, bound to `options`.
CLI::App* DeclareDilute(CLI::App& app, DiluteOptions& options);
CLI::App* DeclareBlend(CLI::App& app, BlendOptions& options);
CLI::App* DeclareHydrometer(CLI::App& app, HydrometerOptions& options);

// Each answers and returns the exit status: 0, or 2 for a refused input.
int RunDiluteCommand(const DiluteOptions& options, const CommandIo& io);
int RunBlendCommand(const BlendOptions& options, const CommandIo& io);
int RunHydrometerCommand(const HydrometerOptions& options, const CommandIo& io);

}  // namespace colmara
