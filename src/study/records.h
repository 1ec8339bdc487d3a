// One line of a study's output as named cells, written as a CSV row
// (RFC 4180), a tab-separated row or one JSON object, so that every form
// carries the same keys in the same order.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "study/plateprofile.h"
#include "study/strengthunit.h"
#include "study/sweeprow.h"

namespace colmara {

struct Cell {
    const char* key;
    std::optional<std::string> value;  // absent: an empty CSV cell, JSON null
    bool number = false;               // `value` is a number written with '.'
};

using Record = std::vector<Cell>;

// The shortest text with '.' that reads back to the same double, whatever the
// locale; absent stays absent.
std::optional<std::string> NumberText(std::optional<long double> value);

// A cell of a text, and of a number written by NumberText.
Cell TextCell(const char* key, const std::optional<std::string>& text);
Cell NumberCell(const char* key, std::optional<long double> value);

// power, strength, plates, reflux, efficiency (the field texts),
// product_strength, product_amount, reflux_returned, total_stripped,
// top_temperature, error. By volume, strength_vol (the strength as given)
// comes before strength (still the field text calculated, by weight) and
// product_strength_vol replaces product_strength, so that a file says which
// unit it holds. The efficiency is left out unless the study was given one
// (Written, for the texts or ranges in `study`), so that rows of ideal plates
// read as they did before there was an efficiency.
Record SweepRecord(const SweepRow& row, StrengthUnit unit = StrengthUnit::Weight,
                   const InputTexts& study = {});

// plate, temperature, vapour_strength, liquid_strength, reflux; by volume
// the strengths are vapour_strength_vol and liquid_strength_vol.
Record PlateRecord(const PlateRow& row, StrengthUnit unit = StrengthUnit::Weight);

// One record per plate of `plates`, boiler first.
std::vector<Record> PlateRecords(const std::vector<PlateRow>& plates,
                                 StrengthUnit unit = StrengthUnit::Weight);

enum class TableFormat { Csv, Tsv };

// The one way records become a table: the keys of `columns` as the header,
// then one line per record. Every table the programs export or copy is
// written here, so a file and a clipboard hold the same cells.
std::string TableText(const Record& columns, const std::vector<Record>& rows, TableFormat format);

// One header or line of a table, for output that streams row by row.
// Lines end in CR LF, as RFC 4180 has them.
std::string CsvHeader(const Record& record);
std::string CsvLine(const Record& record);

// Tab-separated, as spreadsheets paste it: the same cells as CSV, no quoting,
// lines ending in LF.
std::string TsvHeader(const Record& record);
std::string TsvLine(const Record& record);

// The object on one line, without a line end.
std::string JsonObject(const Record& record);

// A text as a JSON string; bytes that are not UTF-8 become U+FFFD.
std::string JsonString(const std::string& text);

}  // namespace colmara
