#include "cli/toolforms.h"

#include <CLI/CLI.hpp>

namespace colmara {

void ToolForms::Declare(CLI::App& app) {
    diluteApp = DeclareDilute(app, dilute);
    blendApp = DeclareBlend(app, blend);
    hydrometerApp = DeclareHydrometer(app, hydrometer);
    sizeApp = DeclareSize(app, size);
}

std::optional<int> ToolForms::Run(const CommandIo& io) const {
    if (diluteApp->parsed()) return RunDiluteCommand(dilute, io);
    if (blendApp->parsed()) return RunBlendCommand(blend, io);
    if (hydrometerApp->parsed()) return RunHydrometerCommand(hydrometer, io);
    if (sizeApp->parsed()) return RunSizeCommand(size, io);
    return std::nullopt;
}

}  // namespace colmara
