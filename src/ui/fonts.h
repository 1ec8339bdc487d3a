// The fonts of the program's windows.
#pragma once

#include <QFont>

namespace colmara {

// The windows' font: a sans serif at 8 points on a 96-dpi screen (11 pixels),
// the size the window layouts are drawn for.
QFont FormFont();

// The version label's own font: "Arial" at the same size (fontconfig finds a
// metric-compatible face for it).
QFont VersionLabelFont();

}  // namespace colmara
