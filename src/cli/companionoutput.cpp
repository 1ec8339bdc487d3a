#include "cli/companionoutput.h"

#include <charconv>
#include <nlohmann/json.hpp>
#include <system_error>

namespace colmara {

namespace {

std::string ShortestText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (result.ec != std::errc{}) return "?";  // cannot happen: 32 chars hold any double
    return std::string(buffer, result.ptr);
}

}  // namespace

std::string TextOutput(const ReportCollector& written) {
    std::string out = "[report]\n";
    for (const std::string& line : written.ReportLines()) out += line + '\n';
    out += "[summary]\n";
    for (const std::string& line : written.SummaryLines()) out += line + '\n';
    out += "[chart]\n";
    for (double point : written.ChartPoints()) out += ShortestText(point) + '\n';
    return out;
}

std::string JsonOutput(const ReportCollector& written, const std::optional<std::string>& error) {
    nlohmann::ordered_json out;
    out["report"] = written.ReportLines();
    out["summary"] = written.SummaryLines();
    // nlohmann writes doubles in their shortest round-trip form.
    out["chart"] = written.ChartPoints();
    out["error"] = error ? nlohmann::ordered_json(*error) : nlohmann::ordered_json(nullptr);
    // A locale's decimal symbol need not be valid UTF-8; never fail on it.
    return out.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + '\n';
}

}  // namespace colmara
