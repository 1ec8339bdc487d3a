// A still's run log: what a logger or a student wrote down during a real
// run, one row a moment, as a CSV file with a header line, e.g.
//   time;head_temperature;boiler_temperature;collected_ml
//   0:00;21,4;22,0;0
//   0:45;78,3;92,1;120
// Comma or semicolon between cells ('.' decimals with commas, '.' or ','
// with semicolons), UTF-8 with or without a byte order mark, cells in
// double quotes where they hold the separator. The columns are found by
// their header names, in any order; others are ignored and named in a note.
// `time` is minutes from the start of heating, or h:mm or h:mm:ss.
//
// The reader keeps what it can: a row out of time order, a row of the wrong
// width, an empty or unreadable cell, or a strength outside 0..100 % is
// reported by its line ("line 7: ...") and left out, the rest read. Whether
// a temperature belongs to any mixture depends on the pressure, so that is
// for the boiling layer to judge.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace colmara {

enum class LogReading {
    HeadTemperature,     // degC, a thermometer at the column's head
    BoilerTemperature,   // degC
    ProductStrength,     // % by weight, of a sample at the condenser
    ProductStrengthVol,  // % by volume at 20 degC
    CollectedMl,         // everything collected so far, ml at 20 degC
    CollectedG,          // g
    PressureHpa,         // the air pressure then
};
inline constexpr std::size_t kLogReadings = 7;

// The header name of a reading.
const char* LogReadingKey(LogReading reading);

// Larger files are refused: a logger at one row a second writes some 30,000
// rows in a long run.
inline constexpr std::uintmax_t kMaxLogBytes = 10 * 1000 * 1000;
inline constexpr std::size_t kMaxLogRows = 100000;

struct LogRow {
    int line = 0;            // in the file; the header is line 1
    long double minute = 0;  // from the start of heating
    std::array<std::optional<long double>, kLogReadings> values;
    const std::optional<long double>& operator[](LogReading r) const {
        return values[static_cast<std::size_t>(r)];
    }
};

struct RunLog {
    std::vector<LogReading> readings;  // the reading columns, in the file's order
    std::vector<LogRow> rows;          // in time order
    std::vector<std::string> notes;    // what was left out, by line, and columns ignored
};

// Throws StudyError for a text that is no log at all: no header, no `time`
// column or no reading column, a column named twice, or more than
// kMaxLogRows rows.
RunLog ParseRunLog(std::string_view text);

// ParseRunLog of the regular file at `path`; throws FileError with the
// reason for a file that cannot be read (a folder, a FIFO, over
// kMaxLogBytes).
RunLog ReadRunLog(const std::string& path);

}  // namespace colmara
