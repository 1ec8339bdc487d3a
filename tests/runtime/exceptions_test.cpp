#include "runtime/exceptions.h"

#include <gtest/gtest.h>

namespace colmara {
namespace {

TEST(Exceptions, FaultClassesDeriveFromMathErrorAndExternal) {
    EZeroDivide e("Floating point division by zero");
    EXPECT_NE(dynamic_cast<EMathError*>(&e), nullptr);
    EXPECT_NE(dynamic_cast<EExternal*>(&e), nullptr);
    EXPECT_NE(dynamic_cast<Exception*>(&e), nullptr);
    EXPECT_STREQ(e.ClassName(), "EZeroDivide");
    EXPECT_EQ(e.Message(), "Floating point division by zero");
    EConvertError c("x");
    Exception& base = c;
    EXPECT_EQ(dynamic_cast<EExternal*>(&base), nullptr);
}

TEST(Exceptions, MessageWithPeriodAppendsOnlyAfterCharactersAboveThePeriod) {
    struct Row {
        const char* message;
        const char* shown;
    };
    const Row rows[] = {
        {"Floating point overflow", "Floating point overflow."},
        {"'12a' is not a valid integer value", "'12a' is not a valid integer value."},
        {"", ""},
        {"ends.", "ends."},
        {"ends)", "ends)"},
        {"ends!", "ends!"},
        {"ends ", "ends "},
        {"ends-", "ends-"},
        {"ends,", "ends,"},
        {"ends'", "ends'"},
        {"ends?", "ends?."},
        {"ends:", "ends:."},
        {"ends9", "ends9."},
        {"ends/", "ends/."},
    };
    for (const Row& row : rows) EXPECT_EQ(MessageWithPeriod(row.message), row.shown) << row.message;
}

}  // namespace
}  // namespace colmara
