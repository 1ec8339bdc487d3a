// Shared main of the widget tests: one QApplication for the whole program.
#include <gtest/gtest.h>

#include <QApplication>

#include "runtime/fpcheck.h"

int main(int argc, char** argv) {
    colmara::InitFloatingPoint();
    // Widget tests never need a display, also when run by hand or listed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
