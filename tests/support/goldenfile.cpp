#include "support/goldenfile.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace colmara::test {

std::string GoldenPath(const std::string& name) {
    return std::string(COLMARA_GOLDEN_DIR) + "/" + name;
}

std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

GoldenReport ReadGoldenReport(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    GoldenReport golden;
    std::string line;
    std::string block;
    while (std::getline(in, line)) {
        if (line == "[report]" || line == "[summary]" || line == "[chart]") {
            block = line;
        } else if (block == "[report]") {
            golden.report.push_back(line);
        } else if (block == "[summary]") {
            golden.summary.push_back(line);
        } else if (block == "[chart]") {
            double value = 0;
            const auto result = std::from_chars(line.data(), line.data() + line.size(), value);
            if (result.ec != std::errc{} || result.ptr != line.data() + line.size())
                throw std::runtime_error("bad chart point '" + line + "' in " + path);
            golden.chart.push_back(value);
        } else {
            throw std::runtime_error("line outside a block in " + path);
        }
    }
    return golden;
}

}  // namespace colmara::test
