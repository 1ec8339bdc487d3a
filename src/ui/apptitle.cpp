#include "ui/apptitle.h"

namespace colmara {

namespace {
constexpr qsizetype kMaxTitleLength = 255;
}

QString ApplicationTitleFromPath(const QString& executablePath) {
    QString name = executablePath.mid(executablePath.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0) name.truncate(dot);
    if (name.size() > 1) name = name.left(1) + name.mid(1).toLower();
    return name.left(kMaxTitleLength);
}

}  // namespace colmara
