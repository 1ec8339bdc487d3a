// The oracle for study results: one separate press of Calculate on a fresh
// column, reduced by reading the column's variables directly.
#pragma once

#include <gtest/gtest.h>

#include "report/calculate.h"
#include "study/caseresult.h"

namespace colmara::test {

// Each figure is also checked against the text the report shows for it, so
// the oracle cannot drift from what the window displays.
CaseResult SeparateCalculate(const InputTexts& inputs, const FormatSettings& settings);

// Equal presence and equal bits (ten bytes of each extended number).
::testing::AssertionResult SameResult(const CaseResult& actual, const CaseResult& expected);

FormatSettings CommaSettings();

}  // namespace colmara::test
