// The fonts of the program's windows.
#pragma once

#include <QFont>

namespace colmara {

// The windows' font: a sans serif at 8 points on a 96-dpi screen (11 pixels),
// the size the window layouts are drawn for.
QFont FormFont();

// The information text's font: the windows' font narrowed to 95 % so that
// each line of the text, broken for a narrower face, stays on one row.
QFont InformationFont();

// The version label's own font: "Arial" at the same size (fontconfig finds a
// metric-compatible face for it).
QFont VersionLabelFont();

}  // namespace colmara
