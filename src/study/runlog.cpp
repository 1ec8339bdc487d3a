#include "study/runlog.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "runtime/regularfile.h"
#include "runtime/typedtext.h"
#include "study/studyerror.h"

namespace colmara {

namespace {

constexpr std::array<const char*, kLogReadings> kKeys = {
    "head_temperature", "boiler_temperature", "product_strength", "product_strength_vol",
    "collected_ml",     "collected_g",        "pressure_hpa"};
constexpr std::string_view kTime = "time";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Notes beyond this many are counted, not listed.
constexpr std::size_t kMaxNotes = 100;

// The cells of one line: separated by `separator`, a cell in double quotes
// taken whole (a doubled quote inside is one quote), each trimmed.
std::vector<std::string> Cells(std::string_view line, char separator) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            cells.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    for (std::string& cell : cells) cell = Trimmed(cell);
    return cells;
}

std::optional<long double> Number(std::string text, bool commaDecimal) {
    if (commaDecimal) std::replace(text.begin(), text.end(), ',', '.');
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Minutes, or h:mm or h:mm:ss (whole hours and minutes, minutes and
// seconds under 60).
std::optional<long double> Minutes(const std::string& text, bool commaDecimal) {
    if (text.find(':') == std::string::npos) {
        const std::optional<long double> minutes = Number(text, commaDecimal);
        if (minutes && *minutes < 0) return std::nullopt;
        return minutes;
    }
    const std::vector<std::string> parts = Cells(text, ':');
    if (parts.size() > 3) return std::nullopt;
    long double total = 0;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const std::optional<long double> part = Number(parts[k], commaDecimal);
        const bool whole = part && *part == std::floor(*part);
        if (!part || *part < 0 || (k > 0 && *part >= 60) || (k + 1 < parts.size() && !whole))
            return std::nullopt;
        total += *part * std::pow(60.0L, 1 - static_cast<long double>(k));
    }
    return total;
}

class LogReader {
  public:
    explicit LogReader(std::string_view header) {
        separator_ = header.find(';') != std::string_view::npos ? ';' : ',';
        const std::vector<std::string> names = Cells(header, separator_);
        std::vector<std::string> ignored;
        for (std::size_t k = 0; k < names.size(); ++k) {
            std::string name = names[k];
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            const auto known = std::find(kKeys.begin(), kKeys.end(), name);
            std::optional<LogReading> reading;
            if (known != kKeys.end()) reading = static_cast<LogReading>(known - kKeys.begin());
            if (name == kTime) {
                Claim(time_, k, name);
            } else if (reading) {
                Claim(columns_[static_cast<std::size_t>(*reading)], k, name);
                log_.readings.push_back(*reading);
            } else {
                ignored.push_back(names[k].empty() ? "(no name)" : names[k]);
            }
        }
        width_ = names.size();
        if (!time_) throw StudyError("the log has no \"time\" column");
        if (log_.readings.empty())
            throw StudyError(
                "the log has no reading column (head_temperature, "
                "boiler_temperature, product_strength, product_strength_vol, "
                "collected_ml, collected_g or pressure_hpa)");
        if (!ignored.empty()) Note("columns ignored: " + Joined(ignored));
    }

    void Row(std::string_view line, int number) {
        const std::vector<std::string> cells = Cells(line, separator_);
        const std::string at = "line " + std::to_string(number) + ": ";
        if (cells.size() != width_)
            return Note(at + std::to_string(cells.size()) + " cells where the header has " +
                        std::to_string(width_));
        LogRow row;
        row.line = number;
        const std::string& time = cells[*time_];
        const std::optional<long double> minute = Minutes(time, separator_ == ';');
        if (!minute) return Note(at + "time '" + time + "' is no minutes, h:mm or h:mm:ss");
        if (!log_.rows.empty() && *minute < log_.rows.back().minute)
            return Note(at + "time " + time + " is before the row above; the row is left out");
        row.minute = *minute;
        for (LogReading reading : log_.readings) Cell(row, reading, cells, at);
        if (++rows_ > kMaxLogRows)
            throw StudyError("the log has more than " + std::to_string(kMaxLogRows) + " rows");
        log_.rows.push_back(std::move(row));
    }

    RunLog Take() {
        if (unlisted_ > 0)
            log_.notes.push_back("and " + std::to_string(unlisted_) + " more lines left out");
        return std::move(log_);
    }

  private:
    void Claim(std::optional<std::size_t>& column, std::size_t k, const std::string& name) {
        if (column) throw StudyError("the log names the column \"" + name + "\" twice");
        column = k;
    }

    void Cell(LogRow& row, LogReading reading, const std::vector<std::string>& cells,
              const std::string& at) {
        const std::size_t index = static_cast<std::size_t>(reading);
        const std::string& text = cells[*columns_[index]];
        const char* key = kKeys[index];
        if (text.empty()) return Note(at + "no " + key);
        const std::optional<long double> value = Number(text, separator_ == ';');
        if (!value) return Note(at + key + " '" + text + "' is not a number");
        const bool strength =
            reading == LogReading::ProductStrength || reading == LogReading::ProductStrengthVol;
        if (strength && (*value < 0 || *value > 100))
            return Note(at + key + " " + text + " is outside 0 to 100 %");
        if (!strength && reading != LogReading::HeadTemperature &&
            reading != LogReading::BoilerTemperature && *value < 0)
            return Note(at + key + " " + text + " is below 0");
        row.values[index] = value;
    }

    void Note(std::string note) {
        if (log_.notes.size() < kMaxNotes)
            log_.notes.push_back(std::move(note));
        else
            ++unlisted_;
    }

    static std::string Joined(const std::vector<std::string>& names) {
        std::string joined;
        for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
        return joined;
    }

    char separator_ = ',';
    std::size_t width_ = 0;
    std::optional<std::size_t> time_;
    std::array<std::optional<std::size_t>, kLogReadings> columns_;
    RunLog log_;
    std::size_t rows_ = 0;
    std::size_t unlisted_ = 0;
};

// The next line of `text` from `from`, without its end ("\n" or "\r\n").
std::string_view NextLine(std::string_view text, std::size_t& from) {
    const std::size_t end = std::min(text.find('\n', from), text.size());
    std::string_view line = text.substr(from, end - from);
    from = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace

const char* LogReadingKey(LogReading reading) {
    return kKeys[static_cast<std::size_t>(reading)];
}

RunLog ParseRunLog(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    std::size_t from = 0;
    int number = 1;
    std::string_view header = NextLine(text, from);
    while (Trimmed(std::string(header)).empty() && from < text.size()) {
        header = NextLine(text, from);
        ++number;
    }
    if (Trimmed(std::string(header)).empty()) throw StudyError("the log is empty");
    LogReader reader(header);
    while (from < text.size()) {
        const std::string_view line = NextLine(text, from);
        ++number;
        if (!Trimmed(std::string(line)).empty()) reader.Row(line, number);
    }
    return reader.Take();
}

RunLog ReadRunLog(const std::string& path) {
    return ParseRunLog(ReadRegularFile(path, kMaxLogBytes));
}

}  // namespace colmara
