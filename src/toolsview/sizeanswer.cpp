#include "toolsview/sizeanswer.h"

#include "spirit/spiriterror.h"
#include "spirit/stillsize.h"

namespace colmara {

namespace {

constexpr FigureLabel kHeight{"column_height_m", "column height", "Column height", "m", 2};
constexpr FigureLabel kSpeedBottom{"vapour_speed_bottom_ms", "vapour speed, bottom",
                                   "Vapour speed, bottom", "m/s", 3};
constexpr FigureLabel kSpeedTop{"vapour_speed_top_ms", "vapour speed, top", "Vapour speed, top",
                                "m/s", 3};
constexpr FigureLabel kFBottom{"f_factor_bottom", "F-factor, bottom", "F-factor, bottom", "Pa^0.5",
                               3};
constexpr FigureLabel kFTop{"f_factor_top", "F-factor, top", "F-factor, top", "Pa^0.5", 3};
constexpr FigureLabel kDuty{"condenser_kw", "condenser duty", "Condenser duty", "kW", 3};
constexpr FigureLabel kWater{"cooling_water_l_min", "cooling water", "Cooling water", "l/min", 2};
constexpr FigureLabel kHeatUp{"heat_up_min", "heat-up (estimate)", "Heat-up (estimate)", "min", 1};

constexpr const char* kNoHeight = "left out, no packing or HETP given";

// The model answers a power of 0 W or less with a failed or a negative
// run; the power is refused first, under its own name.
void RequirePower(const NamedText& power, const NumberReader& read) {
    long double watts = 0;
    try {
        watts = read(power);
    } catch (const SpiritError&) {
        return;  // a text that does not read is the calculation's to report
    }
    if (!(watts > 0)) throw SpiritError(power.name + ": must be more than 0 W");
}

std::optional<long double> HetpOf(const SizeTexts& texts, const NumberReader& read) {
    if (texts.packing != nullptr) return texts.packing->hetpM;
    if (!texts.hetp || texts.hetp->text.find_first_not_of(" \t") == std::string::npos)
        return std::nullopt;
    return read(*texts.hetp);
}

std::optional<StillCharge> ChargeOf(const SizeTexts& texts, const NumberReader& read) {
    if (!texts.charge) return std::nullopt;
    return StillCharge{static_cast<double>(read(texts.charge->amount)), texts.charge->unit,
                       read(texts.charge->startTemperature)};
}

ToolAnswer Figures(const StillSize& size) {
    ToolAnswer answer{{&kHeight, size.columnHeightM, kNoHeight},
                      {&kSpeedBottom, size.bottom.speed},
                      {&kSpeedTop, size.top.speed},
                      {&kFBottom, size.bottom.fFactor},
                      {&kFTop, size.top.fFactor},
                      {&kDuty, size.condenserKw},
                      {&kWater, size.coolingWaterLMin}};
    if (size.heatUpMinutes) answer.push_back({&kHeatUp, *size.heatUpMinutes});
    CheckFigures(answer);
    return answer;
}

}  // namespace

SizeOutcome SizeAnswer(const SizeTexts& texts, const NumberReader& read) {
    RequirePower(texts.power, read);
    StillHardware hardware;
    hardware.boreMm = read(texts.bore);
    hardware.hetpM = HetpOf(texts, read);
    hardware.waterRiseK = read(texts.waterRise);
    const InputTexts inputs{texts.power.text, texts.strength, texts.plates, texts.reflux,
                            texts.efficiency};
    const StillSize size =
        SizeStill(inputs, read.Settings(), texts.unit, hardware, ChargeOf(texts, read));
    if (!size.result.Solved()) return {size.result.error, {}};
    return {std::nullopt, Figures(size)};
}

}  // namespace colmara
