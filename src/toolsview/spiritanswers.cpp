#include "toolsview/spiritanswers.h"

#include "spirit/blend.h"
#include "spirit/conversions.h"
#include "spirit/dilution.h"
#include "spirit/hydrometer.h"

namespace colmara {

namespace {

constexpr FigureLabel kSpirit{"spirit_ml", "spirit", "Spirit", "ml", 1};
constexpr FigureLabel kWater{"water_ml", "water to add", "Water to add", "ml", 1};
constexpr FigureLabel kFinalVolume{"final_volume_ml", "final volume", "Final volume", "ml", 1};
constexpr FigureLabel kFinalStrength{"final_strength_vol", "final strength", "Final strength",
                                     "% vol", 2};
constexpr FigureLabel kBlendVolume{"volume_ml", "volume", "Volume at 20 °C", "ml", 1};
constexpr FigureLabel kBlendStrength{"strength_vol", "strength", "Strength", "% vol", 2};
constexpr FigureLabel kByWeight{"strength", "strength by weight", "Strength by weight", "%", 2};
constexpr FigureLabel kTrueStrength{"strength_vol", "strength at 20 degC", "Strength at 20 °C",
                                    "% vol", 2};
constexpr FigureLabel kVolumeAt20{"volume_ml", "volume at 20 degC", "Volume at 20 °C", "ml", 1};

Strength StrengthOf(const NamedText& text, StrengthUnit unit, const NumberReader& read) {
    return {read(text), unit};
}

ToolAnswer Checked(ToolAnswer answer) {
    CheckFigures(answer);
    return answer;
}

}  // namespace

ToolAnswer DiluteAnswer(const DiluteTexts& texts, const NumberReader& read) {
    const Strength strength = StrengthOf(texts.strength, texts.unit, read);
    const Strength target = StrengthOf(texts.target, texts.unit, read);
    const long double volume = read(texts.volume);
    const Dilution d = texts.finalVolume ? DiluteToVolume(volume, strength, target)
                                         : Dilute(volume, strength, target);
    ToolAnswer answer;
    if (texts.finalVolume) answer.push_back({&kSpirit, d.spiritMl});
    answer.push_back({&kWater, d.waterMl});
    answer.push_back({&kFinalVolume, d.finalVolumeMl});
    answer.push_back({&kFinalStrength, d.finalStrengthVol});
    return Checked(answer);
}

ToolAnswer BlendAnswer(const BlendTexts& texts, const NumberReader& read) {
    std::vector<BlendPart> parts;
    for (const PartTexts& part : texts.parts)
        parts.push_back({read(part.volume), StrengthOf(part.strength, texts.unit, read),
                         part.temperature ? read(*part.temperature) : 20});
    const Blend blend = BlendParts(parts);
    return Checked({{&kBlendVolume, blend.volumeMl},
                    {&kBlendStrength, blend.strengthVol},
                    {&kByWeight, blend.strengthWeight}});
}

ToolAnswer HydrometerAnswer(const HydrometerTexts& texts, const NumberReader& read) {
    const long double celsius = read(texts.temperature);
    const TrueStrength t = CorrectReading(StrengthOf(texts.reading, texts.unit, read), celsius);
    ToolAnswer answer{{&kTrueStrength, t.strengthVol}, {&kByWeight, t.strengthWeight}};
    if (texts.volume) {
        const Strength truth{t.strengthWeight, StrengthUnit::Weight};
        answer.push_back({&kVolumeAt20, VolumeAt20(read(*texts.volume), truth, celsius)});
    }
    return Checked(answer);
}

}  // namespace colmara
