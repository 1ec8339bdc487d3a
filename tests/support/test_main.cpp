// Shared main of the non-Qt test programs.
#include <gtest/gtest.h>

#include "runtime/fpcheck.h"

int main(int argc, char** argv) {
    colmara::InitFloatingPoint();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
