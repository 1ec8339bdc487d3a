#include "app/appidentity.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QString>

#include "runtime/version.h"

namespace colmara {

void SetApplicationIdentity() {
    // Every size is rendered from the one SVG at build time and compiled in
    // under :/icons (src/app/CMakeLists.txt), so showing them needs no image
    // plugin; QIcon reads each file's size from the file.
    QIcon icon;
    QDirIterator files(QStringLiteral(":/icons"), QDir::Files);
    while (files.hasNext()) icon.addFile(files.next());
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
}

}  // namespace colmara
