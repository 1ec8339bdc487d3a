// Reads a golden report file: the companion tool's text output of a
// calculation, split back into its report, summary and chart blocks.
#pragma once

#include <string>
#include <vector>

namespace colmara::test {

struct GoldenReport {
    std::vector<std::string> report;
    std::vector<std::string> summary;
    std::vector<double> chart;
};

// Path of a file among the golden reports (tests/report/golden).
std::string GoldenPath(const std::string& name);

// The whole file as it is; empty when it cannot be read.
std::string ReadFileText(const std::string& path);

// Throws std::runtime_error when the file is missing or not in block form.
GoldenReport ReadGoldenReport(const std::string& path);

}  // namespace colmara::test
