#include "study/batchtexts.h"

#include <algorithm>

#include "runtime/typedtext.h"
#include "study/input.h"
#include "study/strengthtext.h"
#include "study/valuetext.h"

namespace colmara {

BatchTexts DefaultBatchTexts(StrengthUnit unit, const FormatSettings& settings) {
    BatchTexts texts;
    texts.stopProduct =
        SwitchedStrengthText(kDefaultStopProductByVolume, StrengthUnit::Volume, unit, settings);
    return texts;
}

std::string SwitchedBatchStrength(const std::string& text, StrengthUnit from, StrengthUnit to,
                                  const FormatSettings& settings) {
    // Read as the run reads it; the shortest text of that double is what
    // the switch rule reads in turn, whatever the typed text's spelling.
    const DecimalNumber number = ReadDecimal(WithDecimalPoint(text, settings));
    if (from == to || number.kind != DecimalNumber::Kind::Finite || !IsStrength(number.value))
        return text;
    return SwitchedStrengthText(ValueText(number.value, false, settings), from, to, settings);
}

std::string SwitchedCutsText(const std::string& cuts, StrengthUnit from, StrengthUnit to,
                             const FormatSettings& settings) {
    std::string switched;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(cuts.find(';', start), cuts.size());
        std::string item = cuts.substr(start, end - start);
        // "NAME:<STRENGTH", blanks allowed around the name and the condition.
        const std::size_t colon = item.find(':');
        const std::size_t less =
            colon == std::string::npos ? colon : item.find_first_not_of(" \t", colon + 1);
        if (less != std::string::npos && item[less] == '<') {
            const std::size_t last = item.find_last_not_of(" \t");
            const std::string number = item.substr(less + 1, last - less);
            item.replace(less + 1, number.size(),
                         SwitchedBatchStrength(number, from, to, settings));
        }
        switched += item;
        if (end == cuts.size()) return switched;
        switched += ';';
        start = end + 1;
    }
}

StrengthRewrite BatchTextSwitchOf(std::string BatchTexts::*text) {
    if (text == &BatchTexts::cuts) return SwitchedCutsText;
    if (text == &BatchTexts::targetStrength || text == &BatchTexts::heartsUntil ||
        text == &BatchTexts::stopBoiler || text == &BatchTexts::stopProduct)
        return SwitchedBatchStrength;
    return nullptr;
}

BatchTexts SwitchedBatchTexts(const BatchTexts& texts, StrengthUnit from, StrengthUnit to,
                              const FormatSettings& settings) {
    BatchTexts switched = texts;
    for (const BatchTextKey& key : kBatchTextKeys)
        if (const StrengthRewrite rewrite = BatchTextSwitchOf(key.text))
            switched.*key.text = rewrite(texts.*key.text, from, to, settings);
    return switched;
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
