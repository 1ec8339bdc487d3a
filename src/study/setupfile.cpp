#include "study/setupfile.h"

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <vector>

#include "runtime/fileerror.h"
#include "runtime/regularfile.h"
#include "runtime/wholefile.h"
#include "study/input.h"
#include "study/studyerror.h"

namespace colmara {

namespace {

constexpr const char* kFormatKey = "colmara-setup";
constexpr const char* kUnitKey = "units";
constexpr const char* kBatchKey = "batch";
constexpr const char* kRunLogKey = "run-log";
constexpr int kFormatVersion = 1;
constexpr std::uintmax_t kMaxSetupBytes = 1 << 20;

using Json = nlohmann::json;

// The text under `key` (`name` in messages).
std::string InputText(const Json& document, const char* name, const char* key = nullptr) {
    if (key == nullptr) key = name;
    const auto found = document.find(key);
    if (found == document.end())
        throw StudyError(std::string("The setup has no \"") + name + "\" text.");
    if (!found->is_string())
        throw StudyError(std::string("The setup's \"") + name + "\" is not a text in quotes.");
    std::string text = found->get<std::string>();
    // A field never holds one, and a message would end at it.
    if (text.find('\0') != std::string::npos)
        throw StudyError(std::string("The setup's \"") + name +
                         "\" holds a zero character (\\u0000).");
    return text;
}

StrengthUnit UnitOf(const Json& document) {
    const auto found = document.find(kUnitKey);
    if (found == document.end()) return StrengthUnit::Weight;
    if (found->is_string())
        if (const auto unit = StrengthUnitKeyed(found->get<std::string>())) return *unit;
    throw StudyError(std::string("The setup's \"") + kUnitKey + "\" must be \"" +
                     StrengthUnitKey(StrengthUnit::Weight) + "\", \"" +
                     StrengthUnitKey(StrengthUnit::Volume) + "\" or \"" +
                     StrengthUnitKey(StrengthUnit::Mole) + "\".");
}

// Only the texts that differ from the defaults in the setup's unit, so a
// setup that never touched the batch tab reads as before.
nlohmann::ordered_json BatchTextsJson(const BatchTexts& batch, StrengthUnit unit) {
    const BatchTexts defaults = DefaultBatchTexts(unit, FormatSettings());
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (const BatchTextKey& key : kBatchTextKeys)
        if (batch.*key.text != defaults.*key.text) object[key.key] = batch.*key.text;
    return object;
}

BatchTexts BatchOf(const Json& document, StrengthUnit unit) {
    BatchTexts batch = DefaultBatchTexts(unit, FormatSettings());
    const auto found = document.find(kBatchKey);
    if (found == document.end()) return batch;
    if (!found->is_object()) throw StudyError("The setup's \"batch\" is not an object.");
    for (const BatchTextKey& key : kBatchTextKeys)
        if (found->contains(key.key))
            batch.*key.text = InputText(*found, (std::string("batch ") + key.key).c_str(), key.key);
    return batch;
}

// The document, or a refusal naming the first key that an object holds
// twice: the parser would keep the last silently.
Json Parsed(const std::string& json) {
    std::vector<std::set<std::string>> keys;
    std::optional<std::string> twice;
    const Json::parser_callback_t callback = [&](int, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::object_start) keys.emplace_back();
        if (event == Json::parse_event_t::object_end && !keys.empty()) keys.pop_back();
        if (event == Json::parse_event_t::key && !keys.empty() &&
            !keys.back().insert(parsed.get<std::string>()).second && !twice)
            twice = parsed.get<std::string>();
        return true;
    };
    Json document = Json::parse(json, callback, false);
    if (document.is_discarded()) throw StudyError("The setup is not a JSON document.");
    if (twice) throw StudyError("The setup gives \"" + *twice + "\" twice.");
    return document;
}

}  // namespace

std::string SetupJson(const StudySetup& setup) {
    // Keys in the order a reader expects them, not sorted.
    nlohmann::ordered_json document = nlohmann::ordered_json::object();
    document[kFormatKey] = kFormatVersion;
    for (Input input : kInputs)
        if (Written(input, setup.inputs))
            document[TraitsOf(input).key] = TextOf(setup.inputs, input);
    document[kUnitKey] = StrengthUnitKey(setup.unit);
    if (const auto batch = BatchTextsJson(setup.batch, setup.unit); !batch.empty())
        document[kBatchKey] = batch;
    if (!setup.runLog.empty()) document[kRunLogKey] = setup.runLog;
    return document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + '\n';
}

StudySetup ParseSetup(const std::string& json) {
    // The parser takes a zero byte for the end of its input, so that data
    // after one would pass unread; no JSON text holds one.
    if (json.find('\0') != std::string::npos)
        throw StudyError("The setup holds a zero byte, which no JSON document may.");
    const Json document = Parsed(json);
    if (!document.is_object()) throw StudyError("The setup is not a JSON object.");
    const auto format = document.find(kFormatKey);
    if (format == document.end() || *format != kFormatVersion)
        throw StudyError("The setup does not start with \"colmara-setup\": 1.");
    StudySetup setup;
    for (Input input : kInputs) {
        const InputTraits& traits = TraitsOf(input);
        // An input a setup may leave out keeps its quiet text.
        if (traits.quietText != nullptr && !document.contains(traits.key)) continue;
        TextOf(setup.inputs, input) = InputText(document, traits.key);
    }
    setup.unit = UnitOf(document);
    setup.batch = BatchOf(document, setup.unit);
    // Older setups have no log.
    if (document.contains(kRunLogKey)) setup.runLog = InputText(document, kRunLogKey);
    return setup;
}

StudySetup ReadSetupFile(const std::string& path) {
    std::string text;
    try {
        text = ReadRegularFile(path, kMaxSetupBytes);
    } catch (const FileError& error) {
        throw StudyError("Cannot read the setup file '" + path + "': " + error.what() + '.');
    }
    try {
        return ParseSetup(text);
    } catch (const StudyError& error) {
        throw StudyError("The setup file '" + path + "': " + error.Message());
    }
}

void WriteSetupFile(const std::string& path, const StudySetup& setup) {
    try {
        WriteWholeFile(path, SetupJson(setup));
    } catch (const FileError& error) {
        throw StudyError("Cannot write the setup file '" + path + "': " + error.what() + '.');
    }
}

}  // namespace colmara
