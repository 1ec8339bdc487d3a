#include "study/batchtexts.h"

#include "runtime/typedtext.h"
#include "study/input.h"
#include "study/strengthtext.h"

namespace colmara {

BatchTexts DefaultBatchTexts(StrengthUnit unit, const FormatSettings& settings) {
    BatchTexts texts;
    texts.stopProduct =
        SwitchedStrengthText(kDefaultStopProductByVolume, StrengthUnit::Volume, unit, settings);
    return texts;
}

const char* BatchTextKeyOf(std::string BatchTexts::*text) {
    for (const BatchTextKey& key : kBatchTextKeys)
        if (key.text == text) return key.key;
    return "";
}

std::string BatchLabel(std::string_view key) {
    for (const BatchTextKey& entry : kBatchTextKeys)
        if (entry.key == key) return entry.label;
    for (Input input : kInputs)
        if (TraitsOf(input).key == key) return TraitsOf(input).label;
    return std::string(key);
}

std::string BatchOption(std::string_view key) {
    return key == "cuts" ? "--cut" : "--" + std::string(key);
}

bool NoStop(const std::string& text) {
    const std::string trimmed = Trimmed(text);
    return trimmed.empty() || trimmed == "none";
}

std::vector<std::string> CutItems(const std::string& cuts) {
    std::vector<std::string> items;
    std::size_t from = 0;
    for (;;) {
        const std::size_t end = cuts.find(';', from);
        const std::string item = Trimmed(cuts.substr(from, end - from));
        if (!item.empty()) items.push_back(item);
        if (end == std::string::npos) return items;
        from = end + 1;
    }
}

}  // namespace colmara
