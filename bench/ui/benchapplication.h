// The one application object of a benchmark program of the windows, made at
// the first call: on the offscreen platform unless QT_QPA_PLATFORM names
// another, with the program's floating-point set-up, and with the user's
// settings redirected to a temporary folder, so a benchmark never touches
// them. Every benchmark of a program shares it, as Qt allows only one.
#pragma once

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "runtime/fpcheck.h"

namespace colmara {

inline QApplication& BenchApplication() {
    static int argc = 1;
    static char name[] = "colmara";
    static char* argv[] = {name, nullptr};
    static QTemporaryDir settingsDir;
    static std::unique_ptr<QApplication> app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        InitFloatingPoint();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        return std::make_unique<QApplication>(argc, argv);
    }();
    return *app;
}

}  // namespace colmara
