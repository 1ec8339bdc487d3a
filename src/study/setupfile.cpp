#include "study/setupfile.h"

#include <cstdint>
#include <nlohmann/json.hpp>

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
    return found->get<std::string>();
}

StrengthUnit UnitOf(const Json& document) {
    const auto found = document.find(kUnitKey);
    if (found == document.end()) return StrengthUnit::Weight;
    if (found->is_string())
        if (const auto unit = StrengthUnitKeyed(found->get<std::string>())) return *unit;
    throw StudyError(std::string("The setup's \"") + kUnitKey + "\" must be \"" +
                     StrengthUnitKey(StrengthUnit::Weight) + "\" or \"" +
                     StrengthUnitKey(StrengthUnit::Volume) + "\".");
}

// Only the texts that differ from the defaults, so a setup that never
// touched the batch tab reads as before.
nlohmann::ordered_json BatchTextsJson(const BatchTexts& batch) {
    const BatchTexts defaults;
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (const BatchTextKey& key : kBatchTextKeys)
        if (batch.*key.text != defaults.*key.text) object[key.key] = batch.*key.text;
    return object;
}

BatchTexts BatchOf(const Json& document) {
    BatchTexts batch;
    const auto found = document.find(kBatchKey);
    if (found == document.end()) return batch;
    if (!found->is_object()) throw StudyError("The setup's \"batch\" is not an object.");
    for (const BatchTextKey& key : kBatchTextKeys)
        if (found->contains(key.key))
            batch.*key.text = InputText(*found, (std::string("batch ") + key.key).c_str(), key.key);
    return batch;
}

}  // namespace

std::string SetupJson(const StudySetup& setup) {
    // Keys in the order a reader expects them, not sorted.
    nlohmann::ordered_json document = nlohmann::ordered_json::object();
    document[kFormatKey] = kFormatVersion;
    for (Input input : kInputs) document[TraitsOf(input).key] = TextOf(setup.inputs, input);
    document[kUnitKey] = StrengthUnitKey(setup.unit);
    if (const auto batch = BatchTextsJson(setup.batch); !batch.empty()) document[kBatchKey] = batch;
    return document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + '\n';
}

StudySetup ParseSetup(const std::string& json) {
    // The parser takes a zero byte for the end of its input, so that data
    // after one would pass unread; no JSON text holds one.
    if (json.find('\0') != std::string::npos)
        throw StudyError("The setup holds a zero byte, which no JSON document may.");
    const Json document = Json::parse(json, nullptr, false);
    if (document.is_discarded()) throw StudyError("The setup is not a JSON document.");
    if (!document.is_object()) throw StudyError("The setup is not a JSON object.");
    const auto format = document.find(kFormatKey);
    if (format == document.end() || *format != kFormatVersion)
        throw StudyError("The setup does not start with \"colmara-setup\": 1.");
    StudySetup setup;
    for (Input input : kInputs)
        TextOf(setup.inputs, input) = InputText(document, TraitsOf(input).key);
    setup.unit = UnitOf(document);
    setup.batch = BatchOf(document);
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
