#include "study/caseresult.h"

#include "model/column.h"
#include "report/reportwriter.h"
#include "runtime/exceptions.h"
#include "study/discardingsink.h"

namespace colmara {

namespace {

// The figures of a column that Calculate has written in full. Each is the
// report's own expression, so it cannot fault here: the report computed and
// checked the same value a moment ago.
CaseResult Reduce(const Column& column) {
    CaseResult result;
    result.productStrength = column.topstrength * 100;
    result.productAmount = column.productamount;
    result.refluxReturned = RefluxReturned(column);
    result.totalStripped = TotalStripped(column);
    if (column.plates >= 1) result.topTemperature = column.temperaturetable[column.plates];
    return result;
}

}  // namespace

CaseResult SolveCase(Column& column, const InputTexts& inputs, const FormatSettings& settings) {
    static const FixedReportOptions kStartOptions;
    DiscardingReportSink sink;
    try {
        Calculate(column, inputs, sink, kStartOptions, settings);
    } catch (const Exception& e) {
        CaseResult failed;
        failed.error = MessageWithPeriod(e.Message());
        return failed;
    }
    return Reduce(column);
}

CaseResult SolveProduct(Column& column, const InputTexts& inputs, const FormatSettings& settings) {
    CaseResult result;
    try {
        StoreInputs(column, inputs, settings);
        column.SolvePasses();
    } catch (const Exception& e) {
        result.error = MessageWithPeriod(e.Message());
        return result;
    }
    result.productStrength = column.topstrength * 100;
    result.productAmount = column.productamount;
    return result;
}

}  // namespace colmara
