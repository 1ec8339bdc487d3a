// Shared main of the widget tests: one QApplication for the whole program.
#include <gtest/gtest.h>

#include <QApplication>

#include "runtime/fpcheck.h"

int main(int argc, char** argv) {
    colmara::InitFloatingPoint();
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
