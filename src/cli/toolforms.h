// The spirit, still and thermometer tools among the companion tool's forms: their
// options, their sub-commands and which of them runs.
#pragma once

#include <optional>

#include "cli/boilingcommands.h"
#include "cli/commandio.h"
#include "cli/sizecommand.h"
#include "cli/spiritcommands.h"
#include "cli/subcommand.h"

namespace colmara {

struct ToolForms {
    SubCommand<DiluteOptions> dilute;
    SubCommand<BlendOptions> blend;
    SubCommand<HydrometerOptions> hydrometer;
    SubCommand<SizeOptions> size;
    SubCommand<BoilingOptions> boiling;
    SubCommand<PlatesOptions> plates;
    SubCommand<LimitsOptions> limits;

    void Declare(CLI::App& app);

    // The exit status of the tool the command line named, or nothing when it
    // named none of them.
    std::optional<int> Run(const CommandIo& io) const;
};

}  // namespace colmara
