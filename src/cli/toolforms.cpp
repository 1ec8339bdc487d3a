#include "cli/toolforms.h"

#include <CLI/CLI.hpp>

namespace colmara {

void ToolForms::Declare(CLI::App& app) {
    dilute.app = DeclareDilute(app, dilute.options);
    blend.app = DeclareBlend(app, blend.options);
    hydrometer.app = DeclareHydrometer(app, hydrometer.options);
    size.app = DeclareSize(app, size.options);
    boiling.app = DeclareBoiling(app, boiling.options);
    plates.app = DeclarePlates(app, plates.options);
    limits.app = DeclareLimits(app, limits.options);
}

std::optional<int> ToolForms::Run(const CommandIo& io) const {
    if (dilute.app->parsed()) return RunDiluteCommand(dilute.options, io);
    if (blend.app->parsed()) return RunBlendCommand(blend.options, io);
    if (hydrometer.app->parsed()) return RunHydrometerCommand(hydrometer.options, io);
    if (size.app->parsed()) return RunSizeCommand(size.options, io);
    if (boiling.app->parsed()) return RunBoilingCommand(boiling.options, io);
    if (plates.app->parsed()) return RunPlatesCommand(plates.options, io);
    if (limits.app->parsed()) return RunLimitsCommand(limits.options, io);
    return std::nullopt;
}

}  // namespace colmara
