#include "spirit/stillsize.h"

#include <cmath>

#include "batch/heatup.h"
#include "model/column.h"
#include "model/properties.h"
#include "runtime/numconv.h"
#include "spirit/spiriterror.h"
#include "spirit/spiritstrength.h"
#include "study/strengthtext.h"

namespace colmara {

namespace {

// Throws naming `input` unless lowest <= value <= highest, the range
// written in the message as `limits`.
void RequireWithin(long double value, long double lowest, long double highest,
                   const std::string& input, const char* limits) {
    if (!(value > 0)) throw SpiritError(input + ": must be more than 0");
    if (!(value >= lowest && value <= highest))
        throw SpiritError(input + ": must be from " + limits);
}

void RequireHardware(const StillHardware& hardware) {
    RequireWithin(hardware.boreMm, kBoreMm.lowest, kBoreMm.highest, "bore", "1 to 10000 mm");
    if (hardware.hetpM)
        RequireWithin(*hardware.hetpM, kHetpM.lowest, kHetpM.highest, "HETP", "0.001 to 100 m");
    RequireWithin(hardware.waterRiseK, kWaterRiseK.lowest, kWaterRiseK.highest, "water rise",
                  "0.1 to 100 K");
}

// The charge must be a liquid below its boil when heating starts.
void RequireStart(const StillCharge& charge, long double fraction) {
    const long double celsius = charge.startCelsius;
    if (!std::isfinite(celsius)) throw SpiritError("start temperature: not a number");
    RequireLiquid(fraction, celsius, "start temperature");
    if (celsius > BoilingCelsius(fraction))
        throw SpiritError("start temperature: above the charge's boiling point, " +
                          FormatExtended("0.0", BoilingCelsius(fraction), FormatSettings{}) +
                          " degC");
}

// The vapour figures of a solved column. At the bottom, what the boiler
// sends up: its amount, the strength in equilibrium with the boiler's liquid
// and that vapour's temperature. At the top, what reaches the condenser:
// the product and the reflux returned, at the product strength.
void ReadVapour(const Column& column, long double boreMm, StillSize& size) {
    const long double bottomStrength = vapourstrength(column.boilerstrength);
    size.bottom = LoadOf(column.boilervapour, bottomStrength, temperature(bottomStrength), boreMm);
    const long double topGrams = column.productamount * column.refluxfactor;
    size.top = LoadOf(topGrams, column.topstrength, temperature(column.topstrength), boreMm);
    // Condensing it gives back its heat of vaporisation, J/h to kW.
    size.condenserKw = topGrams * heatofvaporization(column.topstrength) / 3600 / 1000;
}

}  // namespace

StillSize SizeStill(const InputTexts& inputs, const FormatSettings& settings, StrengthUnit unit,
                    const StillHardware& hardware, const std::optional<StillCharge>& charge) {
    RequireHardware(hardware);
    if (charge) RequireAmount(charge->amount, "charge");
    Column column;
    StillSize size;
    size.result = SolveCase(column, FieldInputs(inputs, unit, settings), settings);
    if (!size.result.Solved()) return size;
    if (hardware.hetpM) size.columnHeightM = column.plates * *hardware.hetpM;
    ReadVapour(column, hardware.boreMm, size);
    // Water warming by the rise takes the duty: g/s, then litres at 20 degC.
    const long double waterGramsPerSecond =
        size.condenserKw * 1000 / (kWaterSpecificHeat * hardware.waterRiseK);
    size.coolingWaterLMin = waterGramsPerSecond / GramsPerMl(0, 20) / 1000 * 60;
    if (charge) {
        RequireStart(*charge, column.boilerstrength);
        const long double grams = ChargeGrams(charge->amount, charge->unit, column.boilerstrength);
        size.heatUpMinutes =
            HeatUpMinutes(grams, column.boilerstrength, charge->startCelsius, column.power);
    }
    return size;
}

}  // namespace colmara
