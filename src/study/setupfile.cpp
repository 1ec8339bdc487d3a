#include "study/setupfile.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>

#include "study/input.h"
#include "study/studyerror.h"

namespace colmara {

namespace {

constexpr const char* kFormatKey = "colmara-setup";
constexpr const char* kUnitKey = "units";
constexpr int kFormatVersion = 1;
constexpr std::uintmax_t kMaxSetupBytes = 1 << 20;

using Json = nlohmann::json;

std::string InputText(const Json& document, const char* key) {
    const auto found = document.find(key);
    if (found == document.end())
        throw StudyError(std::string("The setup has no \"") + key + "\" text.");
    if (!found->is_string())
        throw StudyError(std::string("The setup's \"") + key + "\" is not a text in quotes.");
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

}  // namespace

std::string SetupJson(const StudySetup& setup) {
    // Keys in the order a reader expects them, not sorted.
    nlohmann::ordered_json document = nlohmann::ordered_json::object();
    document[kFormatKey] = kFormatVersion;
    for (Input input : kInputs) document[TraitsOf(input).key] = TextOf(setup.inputs, input);
    document[kUnitKey] = StrengthUnitKey(setup.unit);
    return document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + '\n';
}

StudySetup ParseSetup(const std::string& json) {
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
    return setup;
}

StudySetup ReadSetupFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw StudyError("Cannot read the setup file '" + path + "'.");
    std::string text;
    char chunk[4096];
    while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
        text.append(chunk, static_cast<std::size_t>(file.gcount()));
        if (text.size() > kMaxSetupBytes)
            throw StudyError("The setup file '" + path + "' is too large to be a setup.");
    }
    if (file.bad()) throw StudyError("Cannot read the setup file '" + path + "'.");
    try {
        return ParseSetup(text);
    } catch (const StudyError& error) {
        throw StudyError("The setup file '" + path + "': " + error.Message());
    }
}

void WriteSetupFile(const std::string& path, const StudySetup& setup) {
    const std::string temporary = path + ".part";
    const std::string text = SetupJson(setup);
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        file.close();
        if (!file) {
            std::remove(temporary.c_str());
            throw StudyError("Cannot write the setup file '" + path + "'.");
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw StudyError("Cannot write the setup file '" + path + "'.");
    }
}

}  // namespace colmara
