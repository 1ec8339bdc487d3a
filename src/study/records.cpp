#include "study/records.h"

#include <charconv>
#include <nlohmann/json.hpp>

#include "study/input.h"

namespace colmara {

namespace {

constexpr const char* kCsvLineEnd = "\r\n";

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

// A tab-separated cell has no quoting: a tab or a line break inside a text
// (only an error message could hold one) becomes a blank.
std::string TsvField(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return text;
}

// The cells of `record`, each written by `write`, between separators.
template <typename Write>
std::string JoinedLine(const Record& record, char separator, Write write) {
    std::string line;
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (i > 0) line += separator;
        line += write(record[i]);
    }
    return line;
}

}  // namespace

Cell TextCell(const char* key, const std::optional<std::string>& text) {
    return Cell{key, text, false};
}

Cell NumberCell(const char* key, std::optional<long double> value) {
    return Cell{key, NumberText(value), true};
}

std::optional<std::string> NumberText(std::optional<long double> value) {
    if (!value) return std::nullopt;
    char buffer[32];  // the longest shortest form of a double is 24 characters
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(*value));
    return std::string(buffer, written.ptr);
}

Record SweepRecord(const SweepRow& row, StrengthUnit unit, const InputTexts& study) {
    const CaseResult& result = row.result;
    Record record;
    for (Input input : kInputs) {
        if (!Written(input, study)) continue;
        const InputTraits& traits = TraitsOf(input);
        // In another unit than weight the strength as given comes first, then
        // the text calculated.
        if (unit != StrengthUnit::Weight && traits.volumeKey)
            record.push_back(TextCell(StrengthKey(traits.key, unit), row.givenStrength));
        record.push_back(TextCell(traits.key, TextOf(row.inputs, input)));
    }
    record.insert(
        record.end(),
        {NumberCell(StrengthKey("product_strength", unit), result.ProductStrength(unit)),
         NumberCell("product_amount", result.productAmount),
         NumberCell("reflux_returned", result.refluxReturned),
         NumberCell("total_stripped", result.totalStripped),
         NumberCell("top_temperature", result.topTemperature), TextCell("error", result.error)});
    return record;
}

Record PlateRecord(const PlateRow& row, StrengthUnit unit) {
    return {NumberCell("plate", row.plate), NumberCell("temperature", row.temperature),
            NumberCell(StrengthKey("vapour_strength", unit), row.VapourStrength(unit)),
            NumberCell(StrengthKey("liquid_strength", unit), row.LiquidStrength(unit)),
            NumberCell("reflux", row.reflux)};
}

std::vector<Record> PlateRecords(const std::vector<PlateRow>& plates, StrengthUnit unit) {
    std::vector<Record> records;
    records.reserve(plates.size());
    for (const PlateRow& row : plates) records.push_back(PlateRecord(row, unit));
    return records;
}

std::string TableText(const Record& columns, const std::vector<Record>& rows, TableFormat format) {
    const bool csv = format == TableFormat::Csv;
    std::string text = csv ? CsvHeader(columns) : TsvHeader(columns);
    for (const Record& row : rows) text += csv ? CsvLine(row) : TsvLine(row);
    return text;
}

std::string CsvHeader(const Record& record) {
    return JoinedLine(record, ',', [](const Cell& cell) { return std::string(cell.key); }) +
           kCsvLineEnd;
}

std::string CsvLine(const Record& record) {
    return JoinedLine(record, ',',
                      [](const Cell& cell) { return CsvField(cell.value.value_or("")); }) +
           kCsvLineEnd;
}

std::string TsvHeader(const Record& record) {
    return JoinedLine(record, '\t', [](const Cell& cell) { return std::string(cell.key); }) + '\n';
}

std::string TsvLine(const Record& record) {
    return JoinedLine(record, '\t',
                      [](const Cell& cell) { return TsvField(cell.value.value_or("")); }) +
           '\n';
}

std::string JsonObject(const Record& record) {
    std::string object = "{";
    for (const Cell& cell : record) {
        if (object.size() > 1) object += ',';
        object += JsonString(cell.key) + ':';
        if (!cell.value)
            object += "null";
        else
            object += cell.number ? *cell.value : JsonString(*cell.value);
    }
    return object + '}';
}

std::string JsonString(const std::string& text) {
    // A locale's decimal symbol, and so a field text, need not be UTF-8.
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace colmara
