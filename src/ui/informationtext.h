// The fixed explanatory text of the information window, one entry per line.
#pragma once

#include <QStringList>

namespace colmara {

QStringList InformationLines();

}  // namespace colmara
