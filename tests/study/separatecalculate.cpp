#include "study/separatecalculate.h"

#include <cstring>
#include <string>

#include "model/column.h"
#include "report/reportcollector.h"
#include "runtime/exceptions.h"

namespace colmara::test {

namespace {

void ExpectShown(const std::string& line, const std::string& label, const char* picture,
                 long double value, const std::string& unit, const FormatSettings& settings) {
    EXPECT_EQ(line, label + FormatExtended(picture, value, settings) + unit);
}

::testing::AssertionResult SameNumber(const char* name, const std::optional<long double>& a,
                                      const std::optional<long double>& b) {
    if (a.has_value() != b.has_value())
        return ::testing::AssertionFailure()
               << name << " present " << a.has_value() << " vs " << b.has_value();
    if (a && std::memcmp(&*a, &*b, 10) != 0)
        return ::testing::AssertionFailure()
               << name << " " << static_cast<double>(*a) << " vs " << static_cast<double>(*b);
    return ::testing::AssertionSuccess();
}

}  // namespace

CaseResult SeparateCalculate(const InputTexts& inputs, const FormatSettings& settings) {
    Column column;
    ReportCollector sink;
    CaseResult expected;
    try {
        Calculate(column, inputs, sink, FixedReportOptions(), settings);
    } catch (const Exception& e) {
        expected.error = MessageWithPeriod(e.Message());
        return expected;
    }
    expected.productStrength = column.topstrength * 100;
    expected.productAmount = column.productamount;
    expected.refluxReturned = column.productamount * column.refluxfactor - column.productamount;
    expected.totalStripped = column.productalcohol / column.boileralcohol * 100;
    if (column.plates > 0) expected.topTemperature = column.temperaturetable[column.plates];

    // From the top of the list: blank, condenser, strength, reflux, amount,
    // separator, then the top plate: blank, title, temperature.
    const auto lines = sink.ReportLines();
    ExpectShown(lines[2], "Product strength:   ", "00.00", *expected.productStrength, " %",
                settings);
    ExpectShown(lines[3], "Reflux returned:    ", "0", *expected.refluxReturned, " g/h", settings);
    ExpectShown(lines[4], "Product amount:    ", "0", *expected.productAmount, " g/h", settings);
    ExpectShown(sink.SummaryLines().at(1), "", "0.0", *expected.totalStripped, "", settings);
    if (expected.topTemperature)
        ExpectShown(lines[8], "Temperature          ", "00.0", *expected.topTemperature, "  C",
                    settings);
    return expected;
}

::testing::AssertionResult SameResult(const CaseResult& actual, const CaseResult& expected) {
    if (actual.error != expected.error)
        return ::testing::AssertionFailure()
               << "error '" << actual.error.value_or("(none)") << "' vs '"
               << expected.error.value_or("(none)") << "'";
    for (const auto& check :
         {SameNumber("productStrength", actual.productStrength, expected.productStrength),
          SameNumber("productAmount", actual.productAmount, expected.productAmount),
          SameNumber("refluxReturned", actual.refluxReturned, expected.refluxReturned),
          SameNumber("totalStripped", actual.totalStripped, expected.totalStripped),
          SameNumber("topTemperature", actual.topTemperature, expected.topTemperature)})
        if (!check) return check;
    return ::testing::AssertionSuccess();
}

FormatSettings CommaSettings() {
    FormatSettings comma;
    comma.decimalSeparator = ",";
    comma.thousandSeparator = ".";
    return comma;
}

}  // namespace colmara::test
