// The application title, formed once from the running executable's file name;
// it is the caption of every error box.
#pragma once

#include <QString>

namespace colmara {

// The file name without its directory, cut before its first '.', every
// character after the first in lower case, at most 255 characters:
// "/usr/bin/colmara" -> "colmara", "COLMARA" -> "Colmara", "REPORT.EXE" ->
// "Report", "A.B.C" -> "A".
QString ApplicationTitleFromPath(const QString& executablePath);

}  // namespace colmara
